#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>

#include "app/main_window.h"
#include "energy_input/energy_model_files.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using forms::MsgResult;

// The main window on the sample data, with the sample office project open.
class RunCommandsTest : public testing::Test {
 protected:
  RunCommandsTest() {
    setenv("OSTREVO_HOME", (folder.Path() + "home").c_str(), 1);
    folder.Write("home/Ostrevo_Str.TXT", std::string("\"") + OSTREVO_SOURCE_DIR + "/data/\"\r\n");
  }
  ~RunCommandsTest() override { unsetenv("OSTREVO_HOME"); }

  void StartWithSampleProject() {
    main.Show();
    platform.ExpectOpenDialog(std::string(OSTREVO_SOURCE_DIR) + "/samples/office/OFFICE.PRJ");
    main.mnuFileOpen.Click();
    ASSERT_EQ(prog.building.Bldg.NoOfFlrGrp, 3);
  }
  // A copy of the sample office, opened: its files may be changed.
  void OpenSampleCopy() {
    std::filesystem::copy(std::string(OSTREVO_SOURCE_DIR) + "/samples/office", folder.Path() + "office");
    main.Show();
    platform.ExpectOpenDialog(folder.Path() + "office/OFFICE.PRJ");
    main.mnuFileOpen.Click();
  }
  std::vector<std::string> LastLines(size_t n) const {
    auto lines = main.PicMain.PrintedTexts();
    return {lines.end() - static_cast<long>(n), lines.end()};
  }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  app::Windows windows{prog, platform};
  app::frmMain main{prog, platform, windows};
};

TEST_F(RunCommandsTest, ChecksComeInOrder) {
  setenv("OSTREVO_HOME", (folder.Path() + "empty").c_str(), 1);
  main.Show();
  platform.ExpectMessage("Open a project file first!!");
  main.mnuRunLCA.Click();
  prog.building.Bldg.ProjFile = "X.PRJ";
  platform.ExpectMessage("Directory for main LCIA database file not set!!");
  main.mnuRunLCC.Click();
  EXPECT_FALSE(main.mnuRunLCC.Checked());
}

TEST_F(RunCommandsTest, ImpactRunWritesItsProgressAndChecksTheEntry) {
  StartWithSampleProject();
  main.mnuRunLCA.Click();
  EXPECT_EQ(LastLines(7), (std::vector<std::string>{"", "   Impact calculation commenced ...", "   Stage 1 in progress",
                                                    "   Stage 2 in progress", "   Stage 3 in progress",
                                                    "   Stage 4 in progress", "   Impact calculation completed"}));
  EXPECT_TRUE(main.mnuRunLCA.Checked());
  EXPECT_GT(prog.assess.LCAResult.BldgImp[0][2], 0);
  EXPECT_EQ(prog.assess.LCAResult.BldgCost[1], 0);
}

TEST_F(RunCommandsTest, CostRunStopsAtStageThreeAndOpensTheCostWindow) {
  StartWithSampleProject();
  main.mnuRunLCC.Click();
  EXPECT_EQ(LastLines(6), (std::vector<std::string>{"", "   LCC calculation commenced ...", "   Stage 1 in progress",
                                                    "   Stage 2 in progress", "   Stage 3 in progress",
                                                    "   LCC calculation completed"}));
  EXPECT_TRUE(main.mnuRunLCC.Checked());
  EXPECT_EQ(platform.ShownForms().back().form, "frmLCCResult");
  EXPECT_GT(prog.assess.LCAResult.BldgCost[1], 0);
}

// A failed run leaves the last good results as they were: none of its
// partial sums are handed on.
TEST_F(RunCommandsTest, AFailedStageShowsItsTextAndLeavesTheEntryUnchecked) {
  StartWithSampleProject();
  main.mnuRunLCA.Click();
  ASSERT_TRUE(main.mnuRunLCA.Checked());
  const common::LCAResultRec results = prog.assess.LCAResult;
  const common::GroupResultRec groups = prog.assess.GroupResult;
  prog.plant.NAC.NoOfGasSys = 1;
  prog.plant.NAC.GasSubSys[1] = 7;
  platform.ExpectMessage("Sub-system of town gas system 1 out of range Impacting calculation terminated!!");
  main.mnuRunLCA.Click();
  EXPECT_EQ(LastLines(1)[0], "   Stage 3 in progress");
  EXPECT_FALSE(main.mnuRunLCA.Checked());
  EXPECT_EQ(prog.assess.LCAResult, results);
  EXPECT_EQ(prog.assess.GroupResult, groups);
}

// A run of groups changed since the last run also clears the other kind's
// results, computed for the groups as they were, and its check mark.
TEST_F(RunCommandsTest, ARunOfChangedGroupsClearsTheOtherKindsResults) {
  StartWithSampleProject();
  main.mnuRunLCA.Click();
  main.mnuRunLCC.Click();
  ASSERT_GT(prog.assess.LCAResult.BldgCost[1], 0);
  prog.building.Bldg.FlrGrpQty[1] = 6;
  main.mnuRunLCA.Click();
  EXPECT_TRUE(main.mnuRunLCA.Checked());
  EXPECT_FALSE(main.mnuRunLCC.Checked());
  EXPECT_EQ(prog.assess.LCAResult.BldgCost, (std::array<float, 5>{}));
}

// Project B, a copy of project A's files in another folder, opened after a
// run of A: nothing of A's results is left to be shown, kept by a failed
// run or saved under B's name, and the windows that showed them are closed;
// the energy use result file named in A is not offered in B. B's files are
// B's alone, whatever folder is current (a dialog may have left it in A's):
// an element file B lacks stops B's run, and an element user-value file B
// lacks gives the element's defaults, not A's values.
TEST_F(RunCommandsTest, AnotherProjectKeepsNothingOfTheLastOnesResults) {
  OpenSampleCopy();
  main.mnuRunLCA.Click();
  main.mnuRunLCC.Click();
  ASSERT_TRUE(main.mnuRunLCA.Checked() && main.mnuRunLCC.Checked());
  const float typicalFloorOfA = prog.assess.GroupResult.FlrGrpImp[1][0][1];
  main.mnuViewRes.Click();
  assessment::frmResult& results = windows.frmResult();
  results.cboPortion.SetListIndex(0);
  results.cboStage.SetListIndex(0);
  results.cmdShowRes.Click();
  ASSERT_NE(results.txtBN[2].Text(), "0");
  platform.ExpectSaveDialog(folder.Path() + "office/A.EUR");
  windows.frmEgyCal().mnuFSave_Click();

  std::filesystem::copy(folder.Path() + "office", folder.Path() + "b");
  folder.Write("b/B.PRJ",
               "\"B.PRJ\"\r\n\"Project B\",900\r\n0\r\n2\r\n\"ROOF.FLR\",\"Roof\",1\r\n"
               "\"TYPICAL_FLOOR.FLR\",\"Typical office floor\",5\r\n1\r\n"
               "\"CENTRAL_PLANT.SER\",\"Central plant\",1\r\n");
  std::filesystem::remove(folder.Path() + "b/CHILLERS.SRE");
  platform.ExpectOpenDialog(folder.Path() + "b/B.PRJ");
  main.mnuFileOpen.Click();
  EXPECT_FALSE(results.IsLoaded() || windows.frmLCCResult().IsLoaded());
  // With no completed run of B, Save Results (Current Case) writes nothing:
  // zeros under B's name would read as a building of no impact.
  auto saveRefused = [&] {
    main.mnuViewRes.Click();
    platform.ExpectMessage(
        "Error encounterd in saving LCA/LCC results\nno results to save: no life cycle impact or cost calculation of "
        "this project has completed");
    results.mnuSaveCur.Click();
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "b/B_C.RES"));
  };
  saveRefused();
  EXPECT_FALSE(main.mnuRunLCA.Checked() || main.mnuRunLCC.Checked());
  platform.ExpectSaveDialog(std::nullopt);
  windows.frmEgyCal().mnuFSave_Click();
  EXPECT_EQ(platform.Dialogs().back().fileName, "B.EUR");
  std::filesystem::current_path(folder.Path() + "office");  // as a dialog into A's folder left it
  platform.ExpectMessage(
      "Error in reading element file CHILLERS.SRE Err with CHILLER_PLANT.SRC Err with CENTRAL_PLANT.SER Impacting "
      "calculation terminated!!");
  main.mnuRunLCA.Click();
  EXPECT_TRUE(prog.assess.LCAResult == common::LCAResultRec{});
  EXPECT_TRUE(prog.assess.GroupResult == common::GroupResultRec{});

  main.mnuViewRes.Click();
  results.cboPortion.SetListIndex(0);
  results.cboStage.SetListIndex(0);
  results.cmdShowRes.Click();
  EXPECT_EQ(results.txtBN[2].Text(), "0");
  saveRefused();  // after B's first run failed

  std::filesystem::copy(folder.Path() + "office/CHILLERS.SRE", folder.Path() + "b/CHILLERS.SRE");
  std::filesystem::remove(folder.Path() + "b/TYP_RC_SLAB_.FLE");
  main.mnuRunLCA.Click();
  ASSERT_TRUE(main.mnuRunLCA.Checked());
  EXPECT_NE(prog.assess.GroupResult.FlrGrpImp[1][0][1], typicalFloorOfA);
}

// A new project after the sample starts its energy model, air-side
// systems, plant and services as at start-up: its first saved air-side
// file holds nothing of the sample's. The energy modelling input, open on
// the sample, asks about its data first; Cancel there keeps the sample.
TEST_F(RunCommandsTest, ANewProjectKeepsNothingOfTheLastOnesEnergyData) {
  OpenSampleCopy();
  platform.ExpectOpenDialog(folder.Path() + "office/OFFICE.ECI");
  platform.ExpectOpenDialog(folder.Path() + "office/OFFICE.ASS");
  main.mnuEditBEUInput.Click();
  ASSERT_GT(prog.energyInput.ASSys.DsgSensLd[0][1][0], 0);
  prog.plant.CPlt.NoOfChr = 2;
  prog.plant.NAC.NoOfLift = 3;

  platform.ExpectMessage("Save data before closing this form?", MsgResult::Cancel);
  main.mnuFNew.Click();
  EXPECT_EQ(prog.building.Bldg.ProjFile, "OFFICE.PRJ");
  EXPECT_GT(prog.energyInput.ASSys.DsgSensLd[0][1][0], 0);

  platform.ExpectMessage("Save data before closing this form?", MsgResult::No);
  platform.ExpectOpenDialog(folder.Path() + "fresh");
  platform.ExpectOpenDialog(folder.Path() + "fresh/NEW.PRJ");
  main.mnuFNew.Click();
  const auto start = std::make_unique<common::Program>();
  EXPECT_TRUE(prog.energyInput.EgyModel == start->energyInput.EgyModel);
  EXPECT_TRUE(prog.energyInput.FabShMask == start->energyInput.FabShMask);
  EXPECT_TRUE(prog.energyInput.cons == start->energyInput.cons);
  EXPECT_TRUE(prog.plant.CPlt == start->plant.CPlt);
  EXPECT_TRUE(prog.plant.NAC == start->plant.NAC);

  main.mnuEditBEUInput.Click();
  platform.ExpectSaveDialog(folder.Path() + "fresh/NEW.ECI");
  platform.ExpectSaveDialog(folder.Path() + "fresh/NEW.ASS");
  windows.frmEgyCalInput().mnuFSave.Click();
  std::string why;
  ASSERT_TRUE(energy_input::WriteAirSideFile(folder.Path() + "start.ASS", "", start->energyInput.EgyModel,
                                             start->energyInput.ASSys, why))
      << why;
  EXPECT_EQ(folder.Read("fresh/NEW.ASS"), folder.Read("start.ASS"));
}

TEST_F(RunCommandsTest, ResetAsksFirst) {
  StartWithSampleProject();
  prog.assess.sel.FlrGrpAssess[1] = 0;
  platform.ExpectMessage("All previously setting will be reset - Go ahead?", MsgResult::Cancel);
  main.mnuRunReset.Click();
  EXPECT_EQ(prog.assess.sel.FlrGrpAssess[1], 0);
  platform.ExpectMessage("All previously setting will be reset - Go ahead?", MsgResult::OK);
  main.mnuRunReset.Click();
  EXPECT_EQ(prog.assess.sel.FlrGrpAssess[1], 1.0f);
  EXPECT_EQ(LastLines(2), (std::vector<std::string>{"   Reset selection", "   Selection reset"}));
}

// A short user-value file of a generic element is ignored: the run goes on
// with the element's own values and says so once in the message panel,
// with the reason on the next line. A group file that cannot be read stops
// the run; the message box gives the reason under the error text.
TEST_F(RunCommandsTest, AShortUserValueFileOfAGenericElementGivesTheDefaults) {
  OpenSampleCopy();
  main.mnuRunLCA.Click();
  ASSERT_TRUE(main.mnuRunLCA.Checked());
  const float whole = prog.assess.LCAResult.BldgImp[0][2];

  // GF_RECEPTION.FLE is a generic element: its file says two lines follow, one does.
  folder.Write("office/GF_RECEPTION_.FLE", "2\r\n12,5,60,100\r\n");
  main.mnuRunLCA.Click();
  EXPECT_TRUE(main.mnuRunLCA.Checked());
  const std::string warning =
      "   Warning: the user values of GF_RECEPTION.FLE cannot be read; its default values are used";
  auto lines = main.PicMain.PrintedTexts();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), warning), 1);
  auto at = std::find(lines.begin(), lines.end(), warning);
  ASSERT_NE(at + 1, lines.end());
  EXPECT_EQ(at[1], "   unexpected end of file (line 3)");
  EXPECT_EQ(LastLines(1)[0], "   Impact calculation completed");
  EXPECT_EQ(prog.assess.LCAResult.BldgImp[0][2], whole);

  std::filesystem::remove(folder.Path() + "office/ROOF.FLR");
  platform.ExpectMessage("Error in reading file: ROOF.FLR Impacting calculation terminated!!\nfile not found: " +
                         folder.Path() + "office/ROOF.FLR");
  main.mnuRunLCA.Click();
  EXPECT_FALSE(main.mnuRunLCA.Checked());
}

// A quantity too large for its amounts stops both runs with a message
// naming where the total overflowed; the last good results stay.
TEST_F(RunCommandsTest, AnOverflowingQuantityStopsTheRun) {
  OpenSampleCopy();
  main.mnuRunLCA.Click();
  main.mnuRunLCC.Click();
  ASSERT_TRUE(main.mnuRunLCA.Checked() && main.mnuRunLCC.Checked());
  const common::LCAResultRec results = prog.assess.LCAResult;

  const std::string elm = folder.Read("office/GF_RECEPTION.FLE");
  struct Row {
    forms::Menu* entry;
    const char* quantity;  // of granite, in place of 450
    const char* amount;    // that overflows
  } rows[] = {
      {&main.mnuRunLCA, "3E+36", "impact category 6"},
      {&main.mnuRunLCC, "3E+37", "cost"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.quantity);
    std::string spoilt = elm;
    spoilt.replace(spoilt.find("\"450\""), 5, std::string("\"") + row.quantity + "\"");
    folder.Write("office/GF_RECEPTION.FLE", spoilt);
    platform.ExpectMessage(
        "Total out of range in GF_RECEPTION.FLE Err with GF_CONTENTS.FLC Err with GROUND_FLOOR.FLR Impacting "
        "calculation terminated!!\nthe " +
        std::string(row.amount) + " of GF_RECEPTION.FLE is not a finite number (an overflow)");
    row.entry->Click();
    EXPECT_FALSE(row.entry->Checked());
    EXPECT_EQ(prog.assess.LCAResult, results);
  }
}

// A material number the database does not hold books nothing; the run goes
// on and says so once, however many elements name it.
TEST_F(RunCommandsTest, AMaterialTheDatabaseLacksIsNamedInAWarning) {
  OpenSampleCopy();
  std::string elm = folder.Read("office/GF_RECEPTION.FLE");
  const std::string granite = "\"62\",\"Granite slab (kg)\"";
  ASSERT_NE(elm.find(granite), std::string::npos);
  elm.replace(elm.find(granite), granite.size(), "\"400\",\"Unknown\"");
  folder.Write("office/GF_RECEPTION.FLE", elm);
  main.mnuRunLCA.Click();
  EXPECT_TRUE(main.mnuRunLCA.Checked());
  const std::string warning =
      "   Warning: material 400 of GF_RECEPTION.FLE is not in the LCIA database; its impacts and cost are booked as 0";
  auto lines = main.PicMain.PrintedTexts();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), warning), 1);
  EXPECT_EQ(LastLines(1)[0], "   Impact calculation completed");
}

}  // namespace
