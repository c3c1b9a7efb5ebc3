#include "simulation/frm_egy_result.h"

#include <gtest/gtest.h>

#include "support/scripted_platform.h"

namespace {

using common::Single;
using Totals = std::array<Single, 6>;

constexpr const char* kMissing = "Missing confirmed energy use value(s)";

class EgyResultTest : public testing::Test {
 protected:
  EgyResultTest() { prog.sim.AnnEgy = {1.23456789e6f, 2.5f, 0, 4, 5, 6e7f}; }
  void TypeAll(const std::array<const char*, 6>& texts) {
    for (size_t i = 0; i < 6; ++i) w.txtAAEC[i].Type(texts[i]);
  }

  testsupport::ScriptedPlatform platform;
  common::Program prog;
  simulation::frmEgyResult w{prog, platform};
};

TEST_F(EgyResultTest, OpensWithTheTotalsAndEmptyConfirmedBoxes) {
  w.Show();
  EXPECT_EQ(w.Caption(), "Energy Calculation Results");
  EXPECT_EQ(w.lblAEC[0].Caption(), "HVAC (kWh)");
  EXPECT_EQ(w.lblAEC[5].Caption(), "Systems using Town Gas (MJ)*");
  EXPECT_EQ(w.txtAEC[0].Text(), "1234568");
  EXPECT_EQ(w.txtAEC[1].Text(), "2.5");
  EXPECT_EQ(w.txtAEC[5].Text(), "6E+07");
  for (const auto& box : w.txtAAEC) EXPECT_EQ(box.Text(), "");
  EXPECT_TRUE(w.cmdExit.Visible());
  EXPECT_EQ(w.cmdChgTo[6].Caption(), "Copy All to ->");
}

// The shown texts read back are stored, not the unrounded totals.
TEST_F(EgyResultTest, CopyAllThenConfirmStoresTheShownValues) {
  w.Show();
  w.cmdChgTo[6].Click();
  EXPECT_FALSE(w.cmdExit.Visible());
  EXPECT_EQ(w.txtAAEC[0].Text(), "1234568");
  w.cmdOkay.Click();
  EXPECT_FALSE(w.IsLoaded());
  // A copied value is the computed one, not its seven digits shown.
  EXPECT_EQ(prog.sim.AnnEgy, (Totals{1.23456789e6f, 2.5f, 0, 4, 5, 6e7f}));
}

TEST_F(EgyResultTest, CopyOneRowAndChangeIt) {
  w.Show();
  w.cmdChgTo[1].Click();
  EXPECT_EQ(w.txtAAEC[1].Text(), "2.5");
  EXPECT_EQ(w.txtAAEC[0].Text(), "");
  EXPECT_FALSE(w.cmdExit.Visible());
  TypeAll({"1", "2", "3", "4", "5", "6"});
  w.cmdOkay.Click();
  EXPECT_EQ(prog.sim.AnnEgy, (Totals{1, 2, 3, 4, 5, 6}));
}

// Typed values are read by the leading-number rule; the way back stays
// offered until a copy button is used.
TEST_F(EgyResultTest, TypedValuesWithoutCopying) {
  w.Show();
  TypeAll({"12abc", "abc", " 7.5", "-3", "1D3", "0"});
  EXPECT_TRUE(w.cmdExit.Visible());
  w.cmdOkay.Click();
  EXPECT_EQ(prog.sim.AnnEgy, (Totals{12, 0, 7.5f, -3, 1000, 0}));
}

TEST_F(EgyResultTest, AnEmptyBoxStoresNothing) {
  Totals before = prog.sim.AnnEgy;
  for (size_t empty = 0; empty < 6; ++empty) {
    SCOPED_TRACE(empty);
    w.Show();
    TypeAll({"1", "2", "3", "4", "5", "6"});
    w.txtAAEC[empty].SetText("");
    platform.ExpectMessage(kMissing);
    w.cmdOkay.Click();
    EXPECT_TRUE(w.IsLoaded());
    EXPECT_EQ(prog.sim.AnnEgy, before);
    w.cmdExit.Click();
  }
}

TEST_F(EgyResultTest, TooLargeNumberStoresNothing) {
  Totals before = prog.sim.AnnEgy;
  w.Show();
  TypeAll({"1", "2", "3", "4E+38", "5", "6"});
  platform.ExpectMessage("Lifts and Escalators (kWh): the number is too large. Nothing is stored.");
  w.cmdOkay.Click();
  EXPECT_TRUE(w.IsLoaded());
  EXPECT_EQ(prog.sim.AnnEgy, before);
}

TEST_F(EgyResultTest, ReturnAndFrameCloseChangeNothingAndReopeningStartsEmpty) {
  Totals before = prog.sim.AnnEgy;
  w.Show();
  TypeAll({"1", "2", "3", "4", "5", "6"});
  w.cmdExit.Click();
  EXPECT_FALSE(w.IsLoaded());
  EXPECT_EQ(prog.sim.AnnEgy, before);

  w.Show();
  EXPECT_EQ(w.txtAAEC[0].Text(), "");
  w.cmdChgTo[6].Click();
  w.UserClose();
  EXPECT_EQ(prog.sim.AnnEgy, before);

  w.Show();
  EXPECT_TRUE(w.cmdExit.Visible());
}

}  // namespace
