#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>

#include "assessment/factors.h"
#include "assessment/frm_result.h"
#include "assessment/results.h"
#include "common/paths.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using assessment::frmResult;

constexpr const char* kLoadFailed = "Error encounterd in loading LCA/LCC results";
constexpr const char* kSaveFailed = "Error encounterd in saving LCA/LCC results";
enum { kRef, kAlt, kCur };
enum { kWhole, kFdn, kFlr, kSer };

int CountLines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

class ResultWindowTest : public testing::Test {
 protected:
  ResultWindowTest() {
    ModCal::SetDefaultFactors(prog.assess.factors);
    OpenProject("House.PRJ", "House", {"Level 1", "Level 2"}, 1000000);
    w->Show();
  }

  // The open project: its floor groups and an as-built cost, as a run of it
  // left them.
  void OpenProject(const std::string& file, const std::string& name, const std::vector<std::string>& floors,
                   float cost) {
    auto& b = prog.building.Bldg;
    b = common::BldgRec{};
    b.ProjFile = file;
    b.ProjName = name;
    b.NoOfFlrGrp = static_cast<common::Integer>(floors.size());
    for (size_t i = 0; i < floors.size(); ++i) b.FlrGrpName[i] = floors[i];
    prog.assess.LCAResult.BldgCost[1] = cost;
    prog.assess.LCAResult.BldgImp[1][1] = 1480;
    Ran();
  }
  // A run of the building as it stands completed.
  void Ran() { prog.assess.RunBldg = prog.building.Bldg; }
  void Choose(int portion, int cls, int group, int stage) {
    w->cboPortion.SetListIndex(portion);
    if (cls >= 0) w->cboClass.SetListIndex(cls);
    if (group >= 0) w->cboCGNo.SetListIndex(group);
    if (stage >= 0) w->cboStage.SetListIndex(stage);
  }
  bool BoxesEmpty() const {
    for (size_t k = 1; k <= 10; ++k)
      if (!w->txtBN[k].Text().empty() || !w->txtAW[k].Text().empty()) return false;
    return w->txtAW[0].Text().empty() && w->txtLCCA.Text().empty() && w->txtProjScore.Text().empty();
  }
  bool MessagesEmpty() const {
    return w->lblMsg[0].Caption().empty() && w->lblMsg[1].Caption().empty() && w->lblMsg[2].Caption().empty();
  }
  void Reopen() {
    w->Unload();
    w->Show();
  }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  int chartsShown = 0;
  std::unique_ptr<frmResult> w = std::make_unique<frmResult>(prog, platform, [this] { ++chartsShown; });
};

TEST_F(ResultWindowTest, ShowDataDoesNothingWithoutAFullChoice) {
  const std::vector<std::function<void()>> setups = {
      [] {},                                   // no part, no stage
      [this] { Choose(kWhole, -1, -1, -1); },  // no stage
      [this] { Choose(kFlr, -1, -1, 1); },     // a part without a class
      [this] { Choose(kFlr, 4, -1, 1); },      // "Select ........" without a group
  };
  for (size_t i = 0; i < setups.size(); ++i) {
    SCOPED_TRACE(i);
    Reopen();
    setups[i]();
    prog.assess.CurResult.Cost[1] = 7;
    w->cmdShowRes.Click();
    EXPECT_EQ(prog.assess.CurResult.Cost[1], 7.0f);
    EXPECT_TRUE(BoxesEmpty());
    EXPECT_TRUE(MessagesEmpty());
    EXPECT_FALSE(w->mnuExpTab.Enabled());
  }
}

TEST_F(ResultWindowTest, WholeBuildingShownUntilAnotherStageIsChosen) {
  Choose(kWhole, -1, -1, 1);
  EXPECT_EQ(w->cboClass.ListCount(), 0);
  w->cmdShowRes.Click();
  const auto& cur = prog.assess.CurResult;
  EXPECT_EQ(cur.PartCaption, (std::array<std::string, 3>{"Whole Bldg.", "", ""}));
  EXPECT_EQ(w->lblMsg[2].Caption(), "Data computed for the CURRENT Case.");
  EXPECT_EQ(w->txtBN[1].Text(), "1480");
  EXPECT_EQ(w->txtWN[1].Text(), "1");
  EXPECT_EQ(w->txtAW[1].Text(), "0.13");
  EXPECT_EQ(w->txtAW[0].Text(), "0.13");
  EXPECT_EQ(w->txtLCCA.Text(), "1000000");
  EXPECT_EQ(w->txtProjScore.Text(), "2.303929");
  EXPECT_TRUE(w->mnuExpTab.Enabled());

  w->cboStage.SetListIndex(0);
  EXPECT_TRUE(BoxesEmpty());
  EXPECT_TRUE(MessagesEmpty());
  EXPECT_FALSE(w->mnuExpTab.Enabled());
  EXPECT_EQ(cur.Cost[1], 1000000.0f);  // the stored case keeps its values
}

// Show Data on the current case still chosen shows a run made since; the
// reference copies keep what was set.
TEST_F(ResultWindowTest, ShowDataTakesTheCurrentCaseAfresh) {
  w->mnuSetBC.Click();
  Choose(kFlr, 4, 1, 1);
  w->cmdShowRes.Click();
  EXPECT_EQ(w->txtLCCA.Text(), "0");
  prog.assess.LCAResult.BldgCost[1] = 12127740;  // a new calculation
  prog.assess.GroupResult.FlrGrpCost[1][1] = 250;
  w->cmdShowRes.Click();
  EXPECT_EQ(w->txtLCCA.Text(), "250");
  EXPECT_EQ(prog.assess.CurResult.Cost[1], 250.0f);
  EXPECT_EQ(w->lblMsg[2].Caption(), "Data computed for the CURRENT Case.");
  Choose(kWhole, -1, -1, 1);
  w->cmdShowRes.Click();
  EXPECT_EQ(w->txtLCCA.Text(), "1.212774E+07");
  EXPECT_EQ(w->RefLCAResult.BldgCost[1], 1000000.0f);
  // A group added since the run: the group list names the groups the
  // results were computed for, until a run computes the new one.
  prog.building.Bldg.NoOfFlrGrp = 3;
  prog.building.Bldg.FlrGrpName[2] = "Roof";
  Choose(kFlr, 4, -1, 1);
  EXPECT_EQ(w->cboCGNo.ListCount(), 2);
  Ran();
  Choose(kWhole, -1, -1, 1);
  Choose(kFlr, 4, 2, 1);
  EXPECT_EQ(w->cboCGNo.Text(), "Roof");
}

TEST_F(ResultWindowTest, ZeroElectricityPriceShowsTheScoreAsNotAvailable) {
  prog.assess.factors.EgyPrice[0] = 0;
  Choose(kWhole, -1, -1, 1);
  w->cmdShowRes.Click();
  EXPECT_EQ(w->txtProjScore.Text(), frmResult::kScoreNotAvailable);
  EXPECT_EQ(w->txtAW[0].Text(), "0.13");
}

TEST_F(ResultWindowTest, MenusFollowTheSetCommandsWithinOneOpening) {
  EXPECT_EQ(w->cboSelCase.Text(), "Current Case");
  EXPECT_FALSE(w->mnuSaveBC.Enabled());
  EXPECT_FALSE(w->mnuSaveAlt.Enabled());
  EXPECT_FALSE(w->mnuExpTab.Enabled());
  for (auto* m : {&w->mnuSaveCur, &w->mnuLoadBC, &w->mnuLoadAlt, &w->mnuSetBC, &w->mnuSetAlt}) EXPECT_TRUE(m->Usable());
  w->mnuSetBC.Click();
  EXPECT_TRUE(w->mnuSaveBC.Enabled());
  EXPECT_FALSE(w->mnuSaveAlt.Enabled());
  EXPECT_EQ(w->RefBldg.ProjName, "House");

  Reopen();  // a new opening: Save disabled again, the copies stay
  EXPECT_FALSE(w->mnuSaveBC.Enabled());
  EXPECT_EQ(w->RefBldg.ProjName, "House");
}

TEST_F(ResultWindowTest, ChoosingACaseStartsPartClassAndGroupAgain) {
  w->mnuSetBC.Click();
  OpenProject("Tower.PRJ", "Tower", {"Podium", "Typical", "Roof"}, 5);
  Reopen();  // the current case follows the program only when chosen again
  Choose(kFlr, 4, 2, 1);
  EXPECT_EQ(w->cboCGNo.ListCount(), 3);
  w->cboSelCase.SetListIndex(kRef);
  EXPECT_EQ(w->cboPortion.ListIndex(), -1);
  EXPECT_EQ(w->cboClass.ListCount(), 0);
  EXPECT_EQ(w->cboCGNo.ListCount(), 0);
  Choose(kFlr, 4, -1, -1);  // the reference building's groups
  ASSERT_EQ(w->cboCGNo.ListCount(), 2);
  EXPECT_EQ(w->cboCGNo.List(1), "Level 2");
}

TEST_F(ResultWindowTest, SetIntoTheChosenCaseRefreshesTheShownCopies) {
  w->mnuSetBC.Click();
  w->cboSelCase.SetListIndex(kRef);
  OpenProject("Tower.PRJ", "Tower", {"Podium"}, 5);
  Choose(kWhole, -1, -1, 1);
  w->mnuSetBC.Click();
  EXPECT_EQ(w->cboSelCase.ListIndex(), kRef);
  EXPECT_EQ(w->ShownBldg.ProjName, "Tower");
  EXPECT_EQ(w->cboPortion.ListIndex(), -1);
  Choose(kWhole, -1, -1, 1);
  w->cmdShowRes.Click();
  EXPECT_EQ(prog.assess.RefResult.Cost[1], 5.0f);
  EXPECT_EQ(w->lblMsg[0].Caption(), "Data computed for the REFERENCE Case.");
}

TEST_F(ResultWindowTest, SaveAndLoadReferenceAndAlternative) {
  std::string cur = folder.Path() + "House_C.RES";
  platform.ExpectSaveDialog(cur);
  w->mnuSaveCur.Click();
  const auto& d = platform.Dialogs().back();
  EXPECT_EQ(d.title, "Open File for Saving LCA/LCC Results");
  EXPECT_EQ(d.filter, "LCA/LCC Result files (*.RES)|*.RES");
  EXPECT_EQ(d.fileName, "House_C.RES");
  EXPECT_EQ(CountLines(folder.Read("House_C.RES")), 635 + 2 * 71);

  // A later run with no project open: loading proposes no name.
  auto fresh = std::make_unique<common::Program>();
  ModCal::SetDefaultFactors(fresh->assess.factors);
  frmResult other(*fresh, platform, [] {});
  other.Show();
  platform.ExpectOpenDialog(cur);
  other.mnuLoadAlt.Click();
  EXPECT_EQ(platform.Dialogs().back().title, "Open File for Loading LCA/LCC Results");
  EXPECT_EQ(platform.Dialogs().back().fileName, "");
  EXPECT_EQ(other.AltBldg.ProjName, "House");
  EXPECT_EQ(other.AltLCAResult.BldgCost[1], 1000000.0f);
  EXPECT_EQ(other.cboSelCase.ListIndex(), kAlt);
  EXPECT_EQ(other.ShownBldg.FlrGrpName[1], "Level 2");
  EXPECT_TRUE(other.mnuSaveAlt.Enabled());
  EXPECT_FALSE(other.mnuSaveBC.Enabled());
  EXPECT_EQ(fresh->assess.AltResult, common::CaseResultRec{});  // the case record waits for Show Data

  platform.ExpectSaveDialog(folder.Path() + "copy.RES");
  other.mnuSaveAlt.Click();
  EXPECT_EQ(platform.Dialogs().back().fileName, "House_A.RES");
  EXPECT_EQ(folder.Read("copy.RES"), folder.Read("House_C.RES"));
}

TEST_F(ResultWindowTest, LoadIntoTheChosenCaseRefreshesTheShownCopies) {
  platform.ExpectSaveDialog(folder.Path() + "h.RES");
  w->mnuSaveCur.Click();
  w->cboSelCase.SetListIndex(kAlt);
  EXPECT_EQ(w->ShownBldg.ProjName, "");
  platform.ExpectOpenDialog(folder.Path() + "h.RES");
  w->mnuLoadAlt.Click();
  EXPECT_EQ(w->ShownBldg.ProjName, "House");
  Choose(kWhole, -1, -1, 1);
  w->cmdShowRes.Click();
  EXPECT_EQ(prog.assess.AltResult.Cost[1], 1000000.0f);
}

TEST_F(ResultWindowTest, FailedLoadsAndSavesChangeNothing) {
  w->mnuSetAlt.Click();
  folder.Write("short.RES", "\"X.PRJ\"\r\n\"X\"\r\n1\r\n\"F.FDN\",\"F\",1\r\n0\r\n0\r\n");
  platform.ExpectOpenDialog(folder.Path() + "short.RES");
  platform.ExpectMessage(kLoadFailed);
  w->mnuLoadAlt.Click();
  platform.ExpectOpenDialog(std::nullopt);
  platform.ExpectMessage(kLoadFailed);
  w->mnuLoadBC.Click();
  EXPECT_EQ(w->AltBldg.ProjName, "House");
  EXPECT_EQ(w->RefBldg.ProjName, "");
  EXPECT_EQ(w->cboSelCase.ListIndex(), kCur);
  EXPECT_FALSE(w->mnuSaveBC.Enabled());

  // No project open: saving fails at once, without a dialog.
  ModCal::ClearProjectData(prog);
  prog.building.Bldg.ProjFile = "";
  platform.ExpectMessage(kSaveFailed);
  w->mnuSaveCur.Click();
  EXPECT_EQ(platform.Dialogs().size(), 2u);
  // A cancelled save fails too; the case is chosen all the same.
  platform.ExpectSaveDialog(std::nullopt);
  platform.ExpectMessage(kSaveFailed);
  w->mnuSaveAlt.Click();
  EXPECT_EQ(w->cboSelCase.ListIndex(), kAlt);

  // An overflowed result is never written: the message names it on a
  // second line, and no file is made.
  prog.building.Bldg.ProjFile = "HOUSE.PRJ";
  Ran();
  prog.assess.LCAResult.FlrEgy[2] = std::numeric_limits<float>::infinity();
  const std::string over = folder.Path() + "over.RES";
  platform.ExpectSaveDialog(over);
  platform.ExpectMessage(std::string(kSaveFailed) + "\ncannot save " + over +
                         ": the value of FlrEgy on line 47 is not a finite number (an overflow)");
  w->mnuSaveCur.Click();
  EXPECT_FALSE(common::FileExists(over));
}

TEST_F(ResultWindowTest, ExportTableAndCharts) {
  Choose(kWhole, -1, -1, 1);
  w->cmdShowRes.Click();
  platform.ExpectOpenDialog(folder.Path() + "t.CSV");
  w->mnuExpTab.Click();
  EXPECT_EQ(platform.Dialogs().back().title, "Write Results as Excel Table");
  EXPECT_EQ(platform.Dialogs().back().filter, "LCA/LCC Results (*.CSV)|*.CSV");
  std::string table = folder.Read("t.CSV");
  EXPECT_EQ(CountLines(table), 20);
  EXPECT_EQ(table.substr(0, table.find("\r\n")), "\"Project:\",\"House\",\"\",\"\",\"\"");
  EXPECT_NE(table.find("\"Current Case\",\"Whole Bldg.\",\"\",\"\",\"As Built\"\r\n"), std::string::npos);
  EXPECT_NE(table.find("\"Total LCA/LCC Score\",\"2.303929\""), std::string::npos);

  platform.ExpectOpenDialog(std::nullopt);
  platform.ExpectMessage("Failed to write results in table!!");
  w->mnuExpTab.Click();

  // A figure that overflowed shows as Inf: the table is refused, naming
  // it, and no file is made.
  prog.assess.LCAResult.BldgEgy[1] = std::numeric_limits<float>::infinity();
  w->cmdShowRes.Click();
  ASSERT_EQ(w->txtLCEA.Text(), "Inf");
  const std::string over = folder.Path() + "over.CSV";
  platform.ExpectOpenDialog(over);
  platform.ExpectMessage("Failed to write results in table!!\ncannot save " + over +
                         ": the value of 11. Energy Use on line 18 is not a finite number (an overflow)");
  w->mnuExpTab.Click();
  EXPECT_FALSE(common::FileExists(over));

  w->cmdShowChart.Click();
  EXPECT_EQ(chartsShown, 1);
}

}  // namespace
