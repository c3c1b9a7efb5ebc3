#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>

#include "assessment/frm_lcc_result.h"
#include "assessment/lcc_values.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using namespace assessment;

constexpr const char* kCopyFirst = "Copy all data to Values for LCC Assessment before confirmation";
constexpr const char* kViewFirst = "View Values for LCC Assessment before Confirmation";

class LccWindowTest : public testing::Test {
 protected:
  LccWindowTest() {
    auto& r = prog.assess.LCAResult;
    r.FdnCost[1] = 250;
    r.FdnCost[0] = 250;
    r.SerTypeCost[0][1] = 1000;
    r.SerTypeCost[0][2] = 1234.5677f;  // shown as 1234.568
    r.SerCost[1] = 1000;
    r.BldgCost[1] = 1250;
    r.BldgCost[0] = 9;  // not the sum of its stages
    prog.building.Bldg.ProjFile = "OFFICE.PRJ";
    w->Show();
  }
  std::string Text(int row, int s) { return w->Box(row, s).Text(); }
  common::Single Cost(int row, int s) {
    return ReadCostCells(prog.assess.LCAResult)[static_cast<size_t>(row)][static_cast<size_t>(s)];
  }
  bool AllBoxesRead(const char* text) {
    for (int row = 0; row < kLccRows; ++row)
      for (int s = 0; s < kLccStages; ++s)
        if (Text(row, s) != text) return false;
    return true;
  }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  std::unique_ptr<frmLCCResult> w = std::make_unique<frmLCCResult>(prog, platform);
};

TEST_F(LccWindowTest, FourStatesAndBothConfirmRefusals) {
  auto before = prog.assess.LCAResult;
  struct State {
    bool option1, copy, update, exit;
  };
  auto expect = [&](State s) {
    EXPECT_EQ(w->Option1.Value(), s.option1);
    EXPECT_EQ(w->Option1.Font().Bold, s.option1);
    EXPECT_EQ(w->Option2.Font().Bold, !s.option1);
    EXPECT_EQ(w->cmdCopy.Visible(), s.copy);
    EXPECT_EQ(w->cmdUpDate.Visible(), s.update);
    EXPECT_EQ(w->cmdExit.Visible(), s.exit);
    EXPECT_TRUE(w->cmdOkay.Visible());
  };
  // Opened: the predicted view.
  expect({true, true, false, true});
  EXPECT_EQ(Text(kRowFdn, 1), "250");
  EXPECT_EQ(Text(kRowHVAC, 2), "1234.568");
  EXPECT_EQ(w->Assessment(), LccValues{});
  platform.ExpectMessage(kCopyFirst);
  w->cmdOkay.Click();
  // Before the copy, assessment view: zeros everywhere.
  w->Option2.Click();
  expect({false, true, false, true});
  EXPECT_TRUE(AllBoxesRead("0"));
  platform.ExpectMessage(kCopyFirst);
  w->mnuFExit.Click();
  // Copied, assessment view.
  w->cmdCopy.Click();
  expect({false, false, true, false});
  EXPECT_EQ(Text(kRowFdn, 0), "250");
  EXPECT_EQ(Text(kRowBldg, 0), "2484.568");  // recomputed, not the predicted 9
  // Copied, predicted view.
  w->Option1.Click();
  expect({true, false, false, false});
  EXPECT_EQ(Text(kRowBldg, 0), "9");
  platform.ExpectMessage(kViewFirst);
  w->cmdOkay.Click();
  EXPECT_EQ(prog.assess.LCAResult, before);
  EXPECT_TRUE(w->IsLoaded());
  // Back to the assessment view: confirmation writes all 60 cells.
  w->Option2.Click();
  expect({false, false, true, false});
  w->cmdOkay.Click();
  EXPECT_FALSE(w->IsLoaded());
  EXPECT_FLOAT_EQ(Cost(kRowBldg, 0), 2484.5677f);
  EXPECT_EQ(Cost(kRowSers, 2), 1234.5677f);
  EXPECT_EQ(Cost(kRowHVAC, 2), 1234.5677f);  // unchanged boxes keep their exact values
}

TEST_F(LccWindowTest, UpdateRecomputesTotalsFromTheItems) {
  w->cmdCopy.Click();
  w->Box(kRowFdn, 1).Type("5250");
  w->Box(kRowBldg, 3).Type("777");  // a total row is never read
  w->Box(kRowEnv, 0).Type("888");   // nor the life-cycle column
  w->cmdUpDate.Click();
  EXPECT_EQ(Text(kRowBldg, 1), "6250");
  EXPECT_EQ(Text(kRowFdn, 0), "5250");
  EXPECT_EQ(Text(kRowBldg, 0), "7484.568");
  EXPECT_EQ(Text(kRowBldg, 3), "0");
  EXPECT_EQ(Text(kRowEnv, 0), "0");

  const std::pair<const char*, const char*> typed[] = {
      {"1,500", "1"}, {"abc", "0"}, {"", "0"}, {"1.50", "1.50"}, {"2 000", "2000"}};
  for (const auto& [text, shown] : typed) {
    w->Box(kRowLift, 4).Type(text);
    w->cmdUpDate.Click();
    EXPECT_EQ(Text(kRowLift, 4), shown) << text;
  }
  // Beyond the Single range, or typed as a value that is not finite.
  for (const char* text : {"1E39", "Inf", "-nan"}) {
    w->Box(kRowLift, 4).Type(text);
    platform.ExpectMessage("Lifts & Escal. / Demolition: the number is too large. The previous value is kept.");
    w->cmdOkay.Click();  // the update fails: nothing is confirmed
    EXPECT_TRUE(w->IsLoaded());
    EXPECT_EQ(Text(kRowLift, 4), "2000");
    EXPECT_EQ(Cost(kRowLift, 4), 0.0f);
  }
}

TEST_F(LccWindowTest, ViewsKeepTypedItemsAndDropWhatIsTypedInThePredictedView) {
  w->cmdCopy.Click();
  w->Box(kRowFram, 2).Type("40");
  w->Option1.Click();
  w->Box(kRowFram, 3).Type("99");  // typed in the predicted view
  w->Option2.Click();
  EXPECT_EQ(Text(kRowFram, 2), "40");
  EXPECT_EQ(Text(kRowFlrs, 2), "40");
  EXPECT_EQ(Text(kRowFram, 3), "0");  // typed in the predicted view: dropped
  w->Option1.Click();
  EXPECT_EQ(Text(kRowFram, 2), "0");  // the predicted column never changes
}

TEST_F(LccWindowTest, ConfirmRefusedAfterANewerRunAndReloadedWhenTheRunEnds) {
  w->cmdCopy.Click();
  prog.assess.LCAResult.FdnCost[1] = 300;  // a costing run while the window is open
  platform.AllowAnyMessage();
  w->cmdOkay.Click();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].rfind("The life-cycle costs have changed", 0), 0u);
  EXPECT_EQ(Cost(kRowFdn, 1), 300.0f);
  EXPECT_EQ(Cost(kRowBldg, 0), 9.0f);
  EXPECT_TRUE(w->IsLoaded());

  w->CostingRunEnded();
  EXPECT_TRUE(w->Option1.Value());
  EXPECT_TRUE(w->cmdCopy.Visible());
  EXPECT_EQ(Text(kRowFdn, 1), "300");
  w->cmdCopy.Click();
  w->cmdOkay.Click();
  EXPECT_FALSE(w->IsLoaded());
  EXPECT_EQ(Cost(kRowBldg, 1), 1300.0f);
  w->CostingRunEnded();  // an unloaded window stays unloaded
  EXPECT_FALSE(w->IsLoaded());
}

// A cost that overflowed shows as Inf; Save and Confirm refuse it with a
// message and write nothing.
TEST_F(LccWindowTest, ConfirmRefusesACostThatIsNotFinite) {
  w->Unload();
  prog.assess.LCAResult.FdnCost[1] = std::numeric_limits<float>::infinity();
  const auto before = prog.assess.LCAResult;
  w->Show();
  EXPECT_EQ(Text(kRowFdn, 1), "Inf");
  platform.ExpectSaveDialog(folder.Path() + "inf.LCC");
  platform.ExpectMessage("Foundation / As Built: the number is too large. Nothing is saved.");
  w->mnuFSave.Click();
  EXPECT_FALSE(std::filesystem::exists(folder.Path() + "inf.LCC"));

  platform.AllowAnyMessage();
  w->cmdCopy.Click();
  const size_t shown = platform.Messages().size();
  w->cmdOkay.Click();
  ASSERT_GT(platform.Messages().size(), shown);
  EXPECT_EQ(platform.Messages()[shown], "Foundation / As Built: the number is too large. The previous value is kept.");
  EXPECT_TRUE(w->IsLoaded());
  EXPECT_EQ(std::memcmp(&prog.assess.LCAResult, &before, sizeof before), 0);
}

TEST_F(LccWindowTest, ReturnWritesNothing) {
  auto before = prog.assess.LCAResult;
  for (int how = 0; how < 3; ++how) {
    w->Show();
    if (how > 0) w->cmdCopy.Click();  // after the copy only the menu and the frame return
    w->Box(kRowFdn, 1).Type("1");
    if (how == 0) w->cmdExit.Click();
    if (how == 1) w->mnuFRet.Click();
    if (how == 2) w->UserClose();
    EXPECT_FALSE(w->IsLoaded());
    EXPECT_EQ(prog.assess.LCAResult, before);
  }
  w->Show();
  EXPECT_EQ(Text(kRowFdn, 1), "250");
  EXPECT_TRUE(w->cmdCopy.Visible());
}

TEST_F(LccWindowTest, SaveLoadAndExport) {
  platform.ExpectSaveDialog(folder.Path() + "a.LCC");
  w->mnuFSave.Click();
  const auto& d = platform.Dialogs().back();
  EXPECT_EQ(d.title, "Save LCC Calculation Results");
  EXPECT_EQ(d.filter, "LCC Calculation Result File (*.LCC)|*.LCC");
  EXPECT_EQ(d.fileName, "OFFICE.LCC");
  std::string saved = folder.Read("a.LCC");
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 60);
  EXPECT_EQ(saved.substr(0, 5), "250\r\n");

  w->Box(kRowHVAC, 2).Type("5");
  platform.ExpectSaveDialog(folder.Path() + "a.LCC");
  w->mnuFLoad.Click();
  EXPECT_EQ(platform.Dialogs().back().title, "Load LCC Calculation Results");
  EXPECT_EQ(platform.Dialogs().back().fileName, folder.Path() + "a.LCC");  // the name chosen before
  EXPECT_EQ(Text(kRowHVAC, 2), "1234.568");

  // 59 numbers, separated by commas: refused whole with a message.
  std::string text;
  for (int i = 1; i <= 59; ++i) text += std::to_string(i) + ",";
  folder.Write("short.LCC", text);
  platform.ExpectSaveDialog(folder.Path() + "short.LCC");
  platform.AllowAnyMessage();
  w->mnuFLoad.Click();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].rfind("The LCC results could not be loaded", 0), 0u);
  EXPECT_EQ(Text(kRowFdn, 0), "250");
  folder.Write("commas.LCC", text + "60");
  platform.ExpectSaveDialog(folder.Path() + "commas.LCC");
  w->mnuFLoad.Click();
  EXPECT_EQ(Text(kRowFdn, 0), "1");
  EXPECT_EQ(Text(kRowBldg, 4), "60");

  // A failed save reports itself and leaves no file behind.
  platform.ExpectSaveDialog(folder.Path() + "gone/b.LCC");
  w->mnuFSave.Click();
  EXPECT_EQ(platform.Messages().size(), 2u);
  EXPECT_FALSE(std::filesystem::exists(folder.Path() + "gone"));

  platform.ExpectSaveDialog(folder.Path() + "t.CSV");
  w->mnuFExp.Click();
  EXPECT_EQ(platform.Dialogs().back().title, "Export LCC Calculation Results");
  EXPECT_EQ(platform.Dialogs().back().fileName, "");
  std::string csv = folder.Read("t.CSV");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 13);
  EXPECT_NE(csv.find("\r\n\"Foundation\",13,25,37,49,1\r\n"), std::string::npos);
  EXPECT_NE(csv.find("\r\n\"Lifts && Escal.\","), std::string::npos);
}

// Save writes each box's number as typed, up to the fifteen digits its
// lines hold, not rounded to a Single first; values only shown are written
// as shown, a box in the exponent form in full digits; Load reads them
// back as Singles, and a second Save writes what the loaded boxes show.
TEST_F(LccWindowTest, SaveKeepsTheTypedDigits) {
  w->Box(kRowFdn, 1).Type("1234567.89");
  w->Box(kRowEnv, 1).Type("0.123456789012345678");
  w->Box(kRowFram, 1).Type("1.25E+07");
  platform.ExpectSaveDialog(folder.Path() + "d.LCC");
  w->mnuFSave.Click();
  std::string saved = folder.Read("d.LCC");
  EXPECT_EQ(saved.substr(0, 5), "250\r\n");  // stage 0, Foundation: shown, not typed
  EXPECT_NE(saved.find("\r\n1234567.89\r\n0.123456789012346\r\n12500000\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\r\n1234.568\r\n"), std::string::npos);  // the Single 1234.5677 shown

  platform.ExpectSaveDialog(folder.Path() + "d.LCC");
  w->mnuFLoad.Click();
  EXPECT_EQ(Text(kRowFdn, 1), "1234568");
  EXPECT_EQ(Text(kRowFram, 1), "1.25E+07");
  platform.ExpectSaveDialog(folder.Path() + "e.LCC");
  w->mnuFSave.Click();
  EXPECT_NE(folder.Read("e.LCC").find("\r\n1234568\r\n0.1234568\r\n12500000\r\n"), std::string::npos)
      << folder.Read("e.LCC");

  // Typed digits stay through "Update LCC" too.
  w->cmdCopy.Click();
  w->Box(kRowHVAC, 2).Type("1234567.89");
  w->cmdUpDate.Click();
  EXPECT_EQ(Text(kRowHVAC, 2), "1234567.89");
  EXPECT_EQ(Text(kRowSers, 2), "1234568");
  platform.ExpectSaveDialog(folder.Path() + "u.LCC");
  w->mnuFSave.Click();
  EXPECT_NE(folder.Read("u.LCC").find("\r\n1234567.89\r\n"), std::string::npos);
}

TEST_F(LccWindowTest, FilesNeedAProjectExceptExport) {
  prog.building.Bldg.ProjFile.clear();
  platform.ExpectMessage("Open a Project File first!");
  w->mnuFSave.Click();
  platform.ExpectMessage("Open a Project File first!");
  w->mnuFLoad.Click();
  EXPECT_TRUE(platform.Dialogs().empty());
  platform.ExpectSaveDialog(folder.Path() + "x.CSV");
  w->mnuFExp.Click();
  std::string csv = folder.Read("x.CSV");
  EXPECT_NE(csv.find("\r\n\"Foundation\",250,0,0,0,250\r\n"), std::string::npos);
}

}  // namespace
