#include "energy_input/frm_si_zn.h"

#include <gtest/gtest.h>

#include "energy_fixture.h"
#include "support/scripted_platform.h"

namespace {

using forms::MsgResult;

class AirSideWindow : public testing::Test {
 protected:
  AirSideWindow() {
    auto& e = prog.energyInput;
    e.EgyModel = energytest::SmallModel(5);
    e.EgyModel.ZnNRm[1] = 0;  // a zone without rooms
    auto& a = e.ASSys;
    a.ASTyp[3] = 2;
    a.FATyp[3] = 1;
    a.DsgSensLd[0][3][0] = 40;
    a.DsgTotLd[0][3][0] = 48.5f;
    a.DsgSAFlow[0][3][0] = 3.2f;
    a.DsgFanPres[0][3] = 750;
    a.DsgFanPwr[0][3] = 4.5f;
    a.DsgCHWFlow[0][3] = 2.1f;
    a.DsgSensLd[0][3][1] = 12;
    // The simulation's row.
    a.DsgSensLd[1][3][1] = 77;
    a.DsgCHWFlow[1][3] = 77;
  }
  void Open(int zone) {
    prog.energyInput.SIZnCurZn = static_cast<common::Integer>(zone);
    w.Show();
  }
  std::vector<bool> Shown() const {
    std::vector<bool> v;
    for (const auto& box : w.txtZnRmD) v.push_back(box.Visible());
    return v;
  }

  testsupport::ScriptedPlatform platform;
  common::Program prog;
  energy_input::frmSIZn w{prog, platform};
};

TEST_F(AirSideWindow, OpensOnTheZoneRow) {
  Open(3);
  EXPECT_EQ(w.Caption(), "Air Side Air Conditioning System in Selected Zone");
  EXPECT_EQ(w.lblZnNam.Caption(), "Zone Name: Zone 3");
  EXPECT_EQ(w.cboASTyp.Text(), "VAV System with Inlet Guide Vane Control");
  EXPECT_EQ(w.cboFATyp.Text(), "Local Outdoor Air Intake");
  ASSERT_EQ(w.cboZnRm.ListCount(), 4);
  EXPECT_EQ(w.cboZnRm.List(0), "Zone");
  EXPECT_EQ(w.cboZnRm.List(3), "Rm No 3");
  EXPECT_EQ(w.CurrentRow(), 0);
  EXPECT_EQ(w.txtRmNam.Text(), "Zone 3");
  EXPECT_EQ(Shown(), std::vector<bool>(6, true));
  EXPECT_EQ(w.Label3[0].Caption(), "Design Sensible Cooling Load of the Zone (kW)");
  EXPECT_EQ(w.Label3[5].Caption(), "Design Chilled Water Flow Rate (kg/s)");
  EXPECT_EQ(w.txtZnRmD[1].Text(), "48.5");
  EXPECT_EQ(w.txtZnRmD[3].Text(), "750");
  EXPECT_FALSE(w.Changed());

  w.cboZnRm.SetListIndex(1);
  EXPECT_EQ(w.txtRmNam.Text(), "Z3R1");
  EXPECT_EQ(w.Label3[2].Caption(), "Design Supply Air Flow Rate for the Room (cu.m/s)");
  EXPECT_EQ(w.txtZnRmD[0].Text(), "12");
  EXPECT_EQ(Shown(), (std::vector<bool>{true, true, true, false, false, false}));

  // A zone whose types were never set shows the empty entries.
  w.cmdNxZn.Click();
  EXPECT_EQ(w.CurrentZone(), 4);
  EXPECT_EQ(w.cboASTyp.ListIndex(), 0);
  EXPECT_EQ(w.cboFATyp.ListIndex(), 0);
}

TEST_F(AirSideWindow, ZoneWithoutRooms) {
  Open(1);
  ASSERT_EQ(w.cboZnRm.ListCount(), 1);
  w.cmdNxRm.Click();
  EXPECT_EQ(w.CurrentRow(), 0);
  w.cmdPrRm.Click();
  EXPECT_EQ(w.CurrentRow(), 0);
}

TEST_F(AirSideWindow, RowButtonsAndTypedValues) {
  Open(3);
  w.txtZnRmD[0].SetText("55");
  w.cmdNxRm.Click();
  EXPECT_EQ(w.CurrentRow(), 1);
  EXPECT_EQ(w.WorkingCopy().DsgSensLd[0][3][0], 55.0f);
  EXPECT_EQ(prog.energyInput.ASSys.DsgSensLd[0][3][0], 40.0f);  // not saved yet
  struct Case {
    const char* typed;
    float stored;
  };
  const Case cases[] = {{"12.5 kW", 12.5f}, {"kW", 0}, {"", 0}, {"-3", -3}, {"1e3", 1000}};
  for (const Case& c : cases) {
    w.txtZnRmD[1].SetText(c.typed);
    w.cmdNxRm.Click();
    w.cmdPrRm.Click();
    EXPECT_EQ(w.WorkingCopy().DsgTotLd[0][3][1], c.stored) << c.typed;
  }
  w.cmdPrRm.Click();
  EXPECT_EQ(w.CurrentRow(), 0);
  EXPECT_EQ(w.txtZnRmD[0].Text(), "55");
  w.cmdPrRm.Click();
  EXPECT_EQ(w.CurrentRow(), 0);
  for (int i = 0; i < 5; ++i) w.cmdNxRm.Click();
  EXPECT_EQ(w.CurrentRow(), 3);
}

// Exit takes what is typed as any other command does: a value typed and
// not yet taken by a pick is asked about, and Yes keeps it.
TEST_F(AirSideWindow, ExitTakesATypedValue) {
  const common::AirSideSystemData before = prog.energyInput.ASSys;
  Open(3);
  w.mnuFExit.Click();  // nothing typed or picked: no question
  EXPECT_FALSE(w.IsLoaded());
  EXPECT_EQ(prog.energyInput.ASSys, before);

  Open(3);
  w.txtZnRmD[0].SetText("99");
  platform.ExpectMessage("Save Data before closing this form?", MsgResult::Cancel);
  w.mnuFExit.Click();
  EXPECT_TRUE(w.IsLoaded());
  platform.ExpectMessage("Save Data before closing this form?", MsgResult::No);
  w.mnuFExit.Click();
  EXPECT_FALSE(w.IsLoaded());
  EXPECT_EQ(prog.energyInput.ASSys, before);

  Open(3);
  w.txtZnRmD[0].SetText("99");
  platform.ExpectMessage("Save Data before closing this form?", MsgResult::Yes);
  w.mnuFExit.Click();
  EXPECT_FALSE(w.IsLoaded());
  EXPECT_EQ(prog.energyInput.ASSys.DsgSensLd[0][3][0], 99.0f);

  // A pick is asked about as before; a room value typed last is kept too.
  Open(3);
  w.cboASTyp.SetListIndex(3);
  w.cboZnRm.SetListIndex(2);
  w.txtZnRmD[2].SetText("0.75");
  platform.ExpectMessage("Save Data before closing this form?", MsgResult::Yes);
  w.mnuFExit.Click();
  EXPECT_EQ(prog.energyInput.ASSys.ASTyp[3], 3);
  EXPECT_EQ(prog.energyInput.ASSys.DsgSAFlow[0][3][2], 0.75f);

  // Closing by the frame asks the same question.
  Open(3);
  w.txtZnRmD[4].SetText("5.25");
  platform.ExpectMessage("Save Data before closing this form?", MsgResult::Yes);
  w.UserClose();
  EXPECT_FALSE(w.IsLoaded());
  EXPECT_EQ(prog.energyInput.ASSys.DsgFanPwr[0][3], 5.25f);
}

TEST_F(AirSideWindow, ZoneButtonsSaveFirst) {
  Open(5);
  w.txtZnRmD[4].SetText("6.5");
  w.cmdNxZn.Click();  // the last zone: saved, and it stays
  EXPECT_EQ(w.CurrentZone(), 5);
  EXPECT_EQ(prog.energyInput.ASSys.DsgFanPwr[0][5], 6.5f);
  EXPECT_FALSE(w.Changed());
  w.cboFATyp.SetListIndex(2);
  w.cmdPrZn.Click();
  EXPECT_EQ(w.CurrentZone(), 4);
  EXPECT_EQ(prog.energyInput.SIZnCurZn, 4);
  EXPECT_EQ(prog.energyInput.ASSys.FATyp[5], 2);
  EXPECT_EQ(w.lblZnNam.Caption(), "Zone Name: Zone 4");
  EXPECT_EQ(w.CurrentRow(), 0);
  w.cmdPrZn.Click();
  w.cmdPrZn.Click();
  w.cmdPrZn.Click();
  EXPECT_EQ(w.CurrentZone(), 1);
  w.cmdPrZn.Click();
  EXPECT_EQ(w.CurrentZone(), 1);
}

TEST_F(AirSideWindow, SaveAndExitLeavesTheSimulationRowAlone) {
  Open(3);
  w.txtZnRmD[5].SetText("2.4");
  w.cboZnRm.SetListIndex(1);
  w.txtZnRmD[0].SetText("13");
  w.cmdSaQ.Click();
  EXPECT_FALSE(w.IsLoaded());
  const auto& a = prog.energyInput.ASSys;
  EXPECT_EQ(a.DsgCHWFlow[0][3], 2.4f);
  EXPECT_EQ(a.DsgSensLd[0][3][1], 13.0f);
  EXPECT_EQ(a.DsgSensLd[1][3][1], 77.0f);
  EXPECT_EQ(a.DsgCHWFlow[1][3], 77.0f);
}

TEST_F(AirSideWindow, TooLargeANumberKeepsTheValue) {
  Open(3);
  w.txtZnRmD[3].SetText("1e39");
  platform.ExpectMessage("The number 1e39 is too large; the value stays 750.");
  w.mnuFSave.Click();
  EXPECT_EQ(prog.energyInput.ASSys.DsgFanPres[0][3], 750.0f);
}

}  // namespace
