#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "common/paths.h"
#include "support/lcia_fixture.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using forms::MsgResult;

class ProjectCommandsTest : public testing::Test {
 protected:
  ProjectCommandsTest() {
    home = folder.Path() + "home/";
    setenv("OSTREVO_HOME", home.c_str(), 1);
    dataDir = folder.Path() + "data/";
    folder.Write("data/MATLCIA.IDB", testsupport::SmallLciaFile());
    folder.Write("data/MATLCIA.ILF", testsupport::SmallLciaFile());
    common::MakeFolder(folder.Path() + "work");
    std::filesystem::current_path(folder.Path() + "work");  // where the program started
  }
  ~ProjectCommandsTest() override { unsetenv("OSTREVO_HOME"); }

  void RecordDataDir(const std::string& dir) { folder.Write("home/Ostrevo_Str.TXT", "\"" + dir + "\"\r\n"); }
  // Starts with the sample database recorded, so it loads at once.
  void StartWithDatabase() {
    RecordDataDir(dataDir);
    main.Show();
    ASSERT_TRUE(prog.building.DatabaseLoaded);
  }
  std::string Panel(int fromEnd) const {
    auto lines = main.PicMain.PrintedTexts();
    return lines.at(lines.size() - 1 - static_cast<size_t>(fromEnd));
  }
  void WriteProject(const std::string& relative, int fdnCount = 1) {
    std::string text = "\"X.PRJ\"\r\n\"Tower\",900\r\n" + std::to_string(fdnCount) + "\r\n";
    for (int i = 0; i < fdnCount && i < 12; ++i) text += "\"F.FDN\",\"Piles\",1\r\n";
    text += "0\r\n0\r\n";
    folder.Write(relative, text);
  }

  testsupport::TempFolder folder;
  std::string home, dataDir;
  testsupport::ScriptedPlatform platform;
  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  app::Windows windows{prog, platform};
  app::frmMain main{prog, platform, windows};
};

TEST_F(ProjectCommandsTest, StartWithRecordedFolderLoadsWithoutDialog) {
  StartWithDatabase();
  EXPECT_TRUE(platform.Dialogs().empty());
  EXPECT_EQ(Panel(2), "   First step: Open LCIA/LCC Database using the File Menu");
  EXPECT_EQ(Panel(1), "   Load LCIA profile file");
  EXPECT_EQ(Panel(0), "   LCIA profile file loaded");
  EXPECT_EQ(prog.building.DataDir, dataDir);
  EXPECT_EQ(prog.building.LCIAProfFile, dataDir + "MATLCIA.ILF");
  EXPECT_EQ(prog.building.FabLibFile, dataDir + "FABRIC/FABRIC.ELB");
  EXPECT_EQ(prog.building.ElecLibDir, dataDir + "ELECTSER/");
  EXPECT_TRUE(main.mnuOpenData.Checked());
  EXPECT_EQ(prog.assess.mat.MatIdx[502], 7);
  EXPECT_EQ(folder.Read("home/Ostrevo_Str.TXT"), "\"" + dataDir + "\"\r\n");
}

TEST_F(ProjectCommandsTest, RecordedFolderThatIsGoneIsSkippedQuietly) {
  RecordDataDir(folder.Path() + "gone/");
  main.Show();
  EXPECT_TRUE(prog.building.DataDir.empty());
  EXPECT_FALSE(prog.building.DatabaseLoaded);
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(Panel(0), "   First step: Open LCIA/LCC Database using the File Menu");
}

// A damaged database in the recorded data folder is reported at start; the
// menu then asks for a database, in that folder, instead of loading the
// same file again.
TEST_F(ProjectCommandsTest, AfterADamagedRecordedDatabaseTheMenuAsksForAnother) {
  folder.Write("damaged/MATLCIA.IDB", "3\r\n1,\"A\"\r\n");
  folder.Write("damaged/MATLCIA.ILF", "3\r\n1,\"A\"\r\n");
  RecordDataDir(folder.Path() + "damaged/");
  platform.ExpectMessage("No material LCIA profile file loaded!!");
  main.Show();
  ASSERT_FALSE(prog.building.DatabaseLoaded);
  platform.ExpectOpenDialog(dataDir + "MATLCIA.IDB");
  main.mnuOpenData.Click();
  ASSERT_EQ(platform.Dialogs().size(), 1u);
  EXPECT_EQ(platform.Dialogs()[0].initialFolder, folder.Path() + "damaged/");
  EXPECT_EQ(prog.building.DataDir, dataDir);
}

// A relative OSTREVO_HOME is taken in the folder the program starts in: the
// data-directory file stays there, and nothing lands in the data folder.
TEST_F(ProjectCommandsTest, ARelativeHomeStaysInTheStartFolder) {
  setenv("OSTREVO_HOME", "home", 1);
  common::AnchorSettingsFolder();  // as the program's start does
  folder.Write("work/home/Ostrevo_Str.TXT", "\"" + dataDir + "\"\r\n");
  main.Show();
  ASSERT_TRUE(prog.building.DatabaseLoaded);
  folder.Write("other/MATLCIA.IDB", testsupport::SmallLciaFile());
  folder.Write("other/MATLCIA.ILF", testsupport::SmallLciaFile());
  platform.ExpectOpenDialog(folder.Path() + "other/MATLCIA.IDB");
  main.mnuOpenData.Click();
  EXPECT_EQ(folder.Read("work/home/Ostrevo_Str.TXT"), "\"" + folder.Path() + "other/\"\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dataDir), {}), 2);  // MATLCIA.IDB and .ILF
}

TEST_F(ProjectCommandsTest, DatabaseChosenInTheDialog) {
  main.Show();
  folder.Write("other/MYDB.IDB", testsupport::SmallLciaFile());
  folder.Write("other/MYDB.ILF", testsupport::SmallLciaFile());
  platform.ExpectOpenDialog(folder.Path() + "other/MYDB.IDB");
  main.mnuOpenData.Click();
  EXPECT_EQ(platform.Dialogs().back().title, "Select LCIA Database");
  EXPECT_EQ(platform.Dialogs().back().filter, "LCIA database files (*.IDB)|*.IDB");
  EXPECT_EQ(prog.building.LCIAProfFile, folder.Path() + "other/MYDB.ILF");
  EXPECT_EQ(prog.building.DataDir, folder.Path() + "other/");
  EXPECT_TRUE(prog.building.DatabaseLoaded);
}

TEST_F(ProjectCommandsTest, FailedLoadsChangeNothing) {
  StartWithDatabase();
  auto before = prog.assess.mat.MatIdx;
  folder.Write("bad/MATLCIA.IDB", "3\r\n1,\"A\"\r\n");
  folder.Write("bad/MATLCIA.ILF", "3\r\n1,\"A\"\r\n");
  platform.ExpectOpenDialog(folder.Path() + "bad/MATLCIA.IDB");
  platform.ExpectMessage("No material LCIA profile file loaded!!");
  main.mnuOpenData.Click();
  ASSERT_EQ(platform.Dialogs().size(), 1u);
  EXPECT_EQ(platform.Dialogs()[0].initialFolder, dataDir);
  EXPECT_EQ(prog.building.DataDir, dataDir);
  EXPECT_EQ(prog.assess.mat.MatIdx, before);
  EXPECT_EQ(Panel(0), "   Load LCIA profile file");
  EXPECT_EQ(folder.Read("home/Ostrevo_Str.TXT"), "\"" + dataDir + "\"\r\n");

  platform.ExpectOpenDialog(std::nullopt);
  platform.ExpectMessage("No material LCIA profile file loaded!!");
  main.mnuOpenData.Click();
  EXPECT_EQ(prog.building.DataDir, dataDir);
  EXPECT_TRUE(main.mnuOpenData.Checked());
}

TEST_F(ProjectCommandsTest, UnwritableDataDirectoryFileKeepsTheLoad) {
  folder.Write("blocked", "a file where the settings folder should be");
  setenv("OSTREVO_HOME", (folder.Path() + "blocked").c_str(), 1);
  main.Show();
  platform.AllowAnyMessage();
  platform.ExpectOpenDialog(dataDir + "MATLCIA.IDB");
  main.mnuOpenData.Click();
  EXPECT_TRUE(prog.building.DatabaseLoaded);
  EXPECT_EQ(prog.building.DataDir, dataDir);
  EXPECT_EQ(prog.building.FdnLibDir, dataDir + "FOUND/");
  ASSERT_EQ(platform.Messages().size(), 1u);
}

TEST_F(ProjectCommandsTest, EnterNamesTheProjectFileAndOpensTheBuildingWindow) {
  StartWithDatabase();
  platform.ExpectMessage("Project name missing!");
  main.cmdEnterProjName.Click();

  main.txtProjName.SetText("Tower");
  platform.ExpectMessage("Select Folder for Project file and Enter a Project File Name");
  platform.ExpectOpenDialog(folder.Path() + "work/TOWER.PRJ");
  main.cmdEnterProjName.Click();
  EXPECT_EQ(prog.building.ProjDir, folder.Path() + "work/");
  EXPECT_EQ(prog.building.Bldg.ProjFile, "TOWER.PRJ");
  EXPECT_EQ(main.txtProjFName.Text(), folder.Path() + "work/TOWER.PRJ");
  EXPECT_EQ(prog.building.Bldg.ProjName, "Tower");
  EXPECT_FALSE(prog.building.ProjSaved);
  EXPECT_EQ(platform.ShownForms().back().form, "frmBldgSysInput");
  EXPECT_EQ(Panel(0), "   Proceeded to edit project data");

  // A second Enter asks for no file.
  main.mnuEditBldg.Click();
  EXPECT_EQ(platform.Dialogs().size(), 1u);
}

TEST_F(ProjectCommandsTest, EnterWithoutDatabase) {
  main.Show();
  main.txtProjName.SetText("Tower");
  platform.ExpectMessage("Select Folder for Project file and Enter a Project File Name");
  platform.ExpectOpenDialog(std::nullopt);
  platform.ExpectMessage("Failed to set project file!!");
  main.cmdEnterProjName.Click();
  EXPECT_TRUE(prog.building.ProjDir.empty());

  platform.ExpectMessage("Select Folder for Project file and Enter a Project File Name");
  platform.ExpectOpenDialog(folder.Path() + "work/TOWER.PRJ");
  platform.ExpectMessage("Select Main LCIA Library to open");
  platform.ExpectOpenDialog(std::nullopt);
  platform.ExpectMessage("No material LCIA profile file loaded!!");
  platform.ExpectMessage("Main LCIA database not loaded!!");
  main.cmdEnterProjName.Click();
  EXPECT_TRUE(prog.building.ProjSaved);
}

TEST_F(ProjectCommandsTest, OpenReadsTheProject) {
  StartWithDatabase();
  WriteProject("proj/X.PRJ");
  main.mnuRunLCA.SetChecked(true);
  main.mnuRunLCC.SetChecked(true);
  prog.assess.sel.SkipAllFlr = 1;
  platform.ExpectOpenDialog(folder.Path() + "proj/X.PRJ");
  main.mnuFileOpen.Click();
  EXPECT_EQ(platform.Dialogs().back().initialFolder, dataDir);
  EXPECT_EQ(prog.building.ProjDir, folder.Path() + "proj/");
  EXPECT_EQ(prog.building.Bldg.ProjFile, "X.PRJ");
  EXPECT_EQ(prog.building.Bldg.NoOfFdnGrp, 1);
  EXPECT_EQ(main.txtProjName.Text(), "Tower");
  EXPECT_EQ(prog.assess.sel.SkipAllFlr, 0);
  EXPECT_EQ(prog.assess.sel.FlrGrpAssess[0], 1.0f);
  EXPECT_FALSE(main.mnuRunLCA.Checked());
  EXPECT_FALSE(main.mnuRunLCC.Checked());
  EXPECT_EQ(Panel(1), "   Load main project input file");
  EXPECT_EQ(Panel(0), "   Project file loaded");
  EXPECT_TRUE(prog.building.ProjSaved);
}

// A broken file, a name nothing stands at (a path typed from the wrong
// folder) and a cancelled dialog each leave the open project as it was.
TEST_F(ProjectCommandsTest, OpenOfABrokenFileKeepsTheOpenProject) {
  StartWithDatabase();
  WriteProject("proj/X.PRJ");
  platform.ExpectOpenDialog(folder.Path() + "proj/X.PRJ");
  main.mnuFileOpen.Click();
  const common::BldgRec before = prog.building.Bldg;
  WriteProject("bad/B.PRJ", 11);
  const std::string gone = folder.Path() + "bad/GONE.PRJ";
  const struct {
    std::optional<std::string> chosen;
    std::string message;
  } cases[] = {
      {folder.Path() + "bad/B.PRJ", "Error encountered in reading project file!"},
      {gone, "Failed to open or read project file!!\nfile not found: " + gone},
      {std::nullopt, "Failed to open or read project file!!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen.value_or("cancelled"));
    platform.ExpectOpenDialog(c.chosen);
    platform.ExpectMessage(c.message);
    main.mnuFileOpen.Click();
    EXPECT_EQ(prog.building.Bldg, before);
    EXPECT_EQ(prog.building.ProjDir, folder.Path() + "proj/");
    EXPECT_EQ(main.txtProjFName.Text(), folder.Path() + "proj/X.PRJ");
    EXPECT_EQ(Panel(0), "   Load main project input file");
  }
}

// A file dialog whose preset name has no folder starts in the project
// folder in every window, not in the folder the last dialog made current.
TEST_F(ProjectCommandsTest, DialogsThatNameNoFolderStartInTheProjectFolder) {
  StartWithDatabase();
  WriteProject("proj/X.PRJ");
  platform.ExpectOpenDialog(folder.Path() + "proj/X.PRJ");
  main.mnuFileOpen.Click();
  platform.AllowAnyMessage();
  struct Row {
    const char* title;
    bool open;
    std::function<void()> command;
  } rows[] = {
      {"Generate Selection Summary Report", true, [&] { main.mnuWSelected.Click(); }},
      {"Generate Input Summary to Excel", true, [&] { main.MnuPrintInSumExcel.Click(); }},
      {"Save Energy Calculation Input File", false,
       [&] {
         main.mnuEditBEUInput.Click();
         windows.frmEgyCalInput().mnuFSave.Click();
       }},
      {"Select Shading Mask for a Window", true, [&] { windows.frmEgyCalInput().cmdSelShM.Click(); }},
      {"Save Central Plant Input Data", false,
       [&] {
         windows.frmCPlt().Load();
         windows.frmCPlt().mnuFSave_Click();
       }},
      {"Save Energy Use Calculation Results", false, [&] { windows.frmEgyCal().mnuFSave_Click(); }},
      {"Open Weighting Data File", true, [&] { windows.frmNormWgt().mnuFOpen_Click(); }},
      {"Open File for Saving LCA/LCC Results", false,
       [&] {
         main.mnuViewRes.Click();
         windows.frmResult().mnuSetBC.Click();
         windows.frmResult().mnuSaveBC.Click();
       }},
      {"Save LCC Calculation Results", false,
       [&] {
         main.mnuViewLCC.Click();
         windows.frmLCCResult().mnuFSave.Click();
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.title);
    if (row.open) {
      platform.ExpectOpenDialog(std::nullopt);
    } else {
      platform.ExpectSaveDialog(std::nullopt);
    }
    row.command();
    ASSERT_TRUE(platform.ScriptDone());
    EXPECT_EQ(platform.Dialogs().back().title, row.title);
    EXPECT_EQ(platform.Dialogs().back().initialFolder, folder.Path() + "proj/");
  }
}

// Each window's save asks before it replaces a file that the window did not
// open or save; saving there again asks nothing.
TEST_F(ProjectCommandsTest, EachSaveAsksBeforeReplacingAFileNotItsWindowsOwn) {
  StartWithDatabase();
  WriteProject("proj/X.PRJ");
  platform.ExpectOpenDialog(folder.Path() + "proj/X.PRJ");
  main.mnuFileOpen.Click();
  struct Row {
    std::vector<std::string> files;  // those its dialogs are answered with
    std::function<void()> command;
  } rows[] = {
      {{"OTHER.ECI", "OTHER.ASS"}, [&] { main.mnuEditBEUInput.Click(), windows.frmEgyCalInput().mnuFSave.Click(); }},
      {{"OTHER.WSS", "OTHER.NAC"}, [&] { windows.frmCPlt().Load(), windows.frmCPlt().mnuFSave_Click(); }},
      {{"OTHER.EUR"}, [&] { windows.frmEgyCal().mnuFSave_Click(); }},
      // The calculation window reads the files named above, asking nothing.
      {{"RUN.TXT"}, [&] { windows.frmEgyCal().Load(), windows.frmEgyCal().lstRunRpt.SetListIndex(0); }},
      {{"OTHER.RES"},
       [&] { main.mnuViewRes.Click(), windows.frmResult().mnuSetBC.Click(), windows.frmResult().mnuSaveBC.Click(); }},
      {{"OTHER.LCC"}, [&] { main.mnuViewLCC.Click(), windows.frmLCCResult().mnuFSave.Click(); }},
      {{"OTHER.CSV"}, [&] { windows.frmLCCResult().mnuFExp.Click(); }},
      {{"OTHER.WGT"}, [&] { windows.frmNormWgt().mnuFSave.Click(); }},
      {{"X.PRJ"}, [&] { main.mnuFileSave.Click(); }},  // the file opened
      {{"OTHER.PRJ"}, [&] { main.mnuFileSave.Click(); }},
  };
  for (const Row& row : rows) {
    for (bool again : {false, true}) {
      SCOPED_TRACE(row.files[0] + (again ? " again" : ""));
      for (const std::string& file : row.files) {
        platform.ExpectSaveDialog(again ? folder.Path() + "proj/" + file : folder.Write("proj/" + file, "old"));
        if (!again && file != "X.PRJ") platform.ExpectMessage(file + " already exists.", MsgResult::Yes);
      }
      row.command();
      EXPECT_TRUE(platform.ScriptDone());
      for (const std::string& file : row.files) EXPECT_NE(folder.Read("proj/" + file), "old");
    }
  }
}

TEST_F(ProjectCommandsTest, SaveAppendsTheExtensionAndWritesWhereChosen) {
  StartWithDatabase();
  WriteProject("proj/X.PRJ");
  platform.ExpectOpenDialog(folder.Path() + "proj/X.PRJ");
  main.mnuFileOpen.Click();

  struct Case {
    std::string chosen, written;
  } cases[] = {
      {folder.Path() + "elsewhere/A", folder.Path() + "elsewhere/A.prj"},
      {folder.Path() + "elsewhere/B.PRJ", folder.Path() + "elsewhere/B.PRJ"},
      {folder.Path() + "elsewhere/C.prj", folder.Path() + "elsewhere/C.prj"},
      {folder.Path() + "elsewhere/D.Prj", folder.Path() + "elsewhere/D.Prj.prj"},
  };
  common::MakeFolder(folder.Path() + "elsewhere");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    platform.ExpectSaveDialog(c.chosen);
    main.mnuFileSave.Click();
    EXPECT_TRUE(common::FileExists(c.written));
    EXPECT_EQ(prog.building.Bldg.ProjFile, c.written);
    EXPECT_EQ(Panel(0), "   Project data saved");
  }
  EXPECT_EQ(platform.Dialogs().back().fileName, folder.Path() + "elsewhere/C.prj");
  EXPECT_EQ(prog.building.ProjDir, folder.Path() + "proj/");
}

TEST_F(ProjectCommandsTest, FailedSaveIsNotReportedAsSaved) {
  StartWithDatabase();
  main.txtProjName.SetText("Tower");
  main.AcceptProjName();
  platform.ExpectSaveDialog(folder.Path() + "missing-folder/T.PRJ");
  platform.ExpectMessage("Error encountered in writing project file!");
  main.mnuFileSave.Click();
  EXPECT_EQ(Panel(0), "   Save main project data file");
  EXPECT_FALSE(prog.building.ProjSaved);
  EXPECT_EQ(platform.Dialogs().back().fileName, "Tower.PRJ");
}

// A read or save that fails says why on a second line, under the window's
// own message: the reason the reading or writing function knows.
TEST_F(ProjectCommandsTest, AFailureSaysWhyOnASecondLine) {
  StartWithDatabase();
  main.txtProjName.SetText("Tower");
  main.AcceptProjName();
  const std::string dir = folder.Path();
  common::MakeFolder(dir + "saved");
  const std::string readOnly = folder.Write("saved/RO.PRJ", "old");
  chmod(readOnly.c_str(), 0444);
  common::MakeFolder(dir + "saved/FOLDER.PRJ");
  const std::string huge = folder.Write("saved/HUGE.PRJ", "");
  ASSERT_EQ(truncate(huge.c_str(), static_cast<off_t>(common::kMaxDataFileBytes + 1)), 0);
  struct Case {
    std::string chosen;
    bool save;
    std::string reason;
  };
  std::vector<Case> cases = {
      {readOnly, true, "cannot replace " + readOnly + ": the file is read-only"},
      {dir + "saved/FOLDER.PRJ", true, "cannot replace " + dir + "saved/FOLDER.PRJ: it is not a regular file"},
      {dir + "gone/T.PRJ", true, "cannot create " + dir + "gone/T.PRJ: No such file or directory"},
      {huge, false,
       "cannot read " + huge + ": it holds 16777217 bytes, more than any file of its kind (at most 16777216)"},
  };
  // A folder that may not be written to (the system lets its administrator write anyway).
  if (geteuid() != 0) {
    common::MakeFolder(dir + "locked");
    chmod((dir + "locked").c_str(), 0555);
    cases.push_back({dir + "locked/T.PRJ", true, "cannot create " + dir + "locked/T.PRJ: Permission denied"});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    if (c.save) {
      platform.ExpectSaveDialog(c.chosen);
      if (c.chosen == readOnly) platform.ExpectMessage("RO.PRJ already exists.", MsgResult::Yes);
      platform.ExpectMessage("Error encountered in writing project file!\n" + c.reason);
      main.mnuFileSave.Click();
    } else {
      platform.ExpectOpenDialog(c.chosen);
      platform.ExpectMessage("Error encountered in reading project file!\n" + c.reason);
      main.mnuFileOpen.Click();
    }
    EXPECT_TRUE(platform.ScriptDone());
  }
  EXPECT_EQ(folder.Read("saved/RO.PRJ"), "old");
  chmod((dir + "locked").c_str(), 0755);
}

TEST_F(ProjectCommandsTest, CloseAsksOnlyWhenUnsaved) {
  StartWithDatabase();
  main.txtProjName.SetText("Tower");
  main.AcceptProjName();
  prog.building.ProjDir = folder.Path() + "work/";
  prog.assess.LCAResult.BldgCost[0] = 5;
  platform.ExpectMessage("Close project without saving?", MsgResult::Cancel);
  main.mnuFileClose.Click();
  EXPECT_EQ(main.txtProjName.Text(), "Tower");
  EXPECT_EQ(prog.building.ProjDir, folder.Path() + "work/");

  platform.ExpectMessage("Close project without saving?", MsgResult::OK);
  main.mnuFileClose.Click();
  EXPECT_EQ(main.txtProjName.Text(), "");
  EXPECT_TRUE(prog.building.ProjDir.empty());
  EXPECT_TRUE(prog.building.ProjSaved);
  EXPECT_EQ(prog.assess.LCAResult.BldgCost[0], 0);
  EXPECT_TRUE(prog.building.Bldg == common::BldgRec{});  // nothing of the closed building stays
  EXPECT_EQ(Panel(0), "   Project closed");
  platform.ExpectOpenDialog(std::nullopt);  // a dialog that names no folder starts in the data folder
  main.mnuWSelected.Click();
  EXPECT_EQ(platform.Dialogs().back().initialFolder, dataDir);

  main.mnuFileClose.Click();  // saved: no question
}

// Open drops unsaved edits only after Close's question: Cancel keeps the
// project and its windows; the project opened counts as saved.
TEST_F(ProjectCommandsTest, OpenAndCloseAskThenTakeDownTheBuildingWindowOfTheOldProject) {
  StartWithDatabase();
  main.txtProjName.SetText("Tower");
  main.AcceptProjName();
  ASSERT_TRUE(windows.frmBldgSysInput().Visible());
  prog.building.Bldg.CFA = 7;
  WriteProject("proj/X.PRJ");
  for (MsgResult answer : {MsgResult::Cancel, MsgResult::OK}) {
    platform.ExpectOpenDialog(folder.Path() + "proj/X.PRJ");
    platform.ExpectMessage("Close project without saving?", answer);
    main.mnuFileOpen.Click();
    EXPECT_EQ(windows.frmBldgSysInput().IsLoaded(), answer == MsgResult::Cancel);
    EXPECT_EQ(prog.building.Bldg.CFA, answer == MsgResult::Cancel ? 7.0f : 900.0f);
    EXPECT_EQ(prog.building.ProjSaved, answer == MsgResult::OK);
  }

  main.mnuEditBldg.Click();
  ASSERT_TRUE(windows.frmBldgSysInput().Visible());
  platform.ExpectMessage("Close project without saving?", MsgResult::OK);
  main.mnuFileClose.Click();
  EXPECT_FALSE(windows.frmBldgSysInput().IsLoaded());
}

// Open, Creat New, Close and Exit close the shading mask generator with the
// project's other windows; the first three leave no Run entry checked.
TEST_F(ProjectCommandsTest, ProjectCommandsCloseTheShadingMaskAndClearTheRunMarks) {
  StartWithDatabase();
  WriteProject("proj/X.PRJ");
  struct Row {
    const char* what;
    std::function<void()> command;
  } rows[] = {
      {"Open", [&] { platform.ExpectOpenDialog(folder.Path() + "proj/X.PRJ"), main.mnuFileOpen.Click(); }},
      {"Creat New",
       [&] {
         for (const char* chosen : {"fresh", "fresh/NEW.PRJ"}) platform.ExpectOpenDialog(folder.Path() + chosen);
         main.mnuFNew.Click();
       }},
      {"Close", [&] { main.mnuFileClose.Click(); }},
      {"Exit", [&] { main.mnuFileExit.Click(); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    windows.frmShMask().Show();
    for (forms::Menu* entry : {&main.mnuRunLCA, &main.mnuRunOprEgy, &main.mnuRunLCC}) entry->SetChecked(true);
    row.command();
    EXPECT_FALSE(windows.frmShMask().IsLoaded());
    if (platform.ProgramEnded()) continue;
    for (forms::Menu* entry : {&main.mnuRunLCA, &main.mnuRunOprEgy, &main.mnuRunLCC})
      EXPECT_FALSE(entry->Checked()) << entry->Name();
  }
  EXPECT_TRUE(platform.ProgramEnded());
}

TEST_F(ProjectCommandsTest, NewEndsOnCancelAndCreatesTheFolder) {
  StartWithDatabase();
  main.txtProjName.SetText("Tower");
  main.AcceptProjName();
  platform.ExpectMessage("Close project without saving?", MsgResult::Cancel);
  main.mnuFNew.Click();
  EXPECT_TRUE(platform.Dialogs().empty());
  EXPECT_EQ(main.txtProjName.Text(), "Tower");

  common::MakeFolder(folder.Path() + "taken");
  platform.ExpectMessage("Close project without saving?", MsgResult::OK);
  platform.ExpectOpenDialog(folder.Path() + "taken");
  platform.ExpectMessage("Failed to create the Folder! A Folder of the same name may already exist.");
  main.mnuFNew.Click();
  EXPECT_TRUE(prog.building.ProjDir.empty());

  prog.building.Bldg.NoOfSerGrp = 3;
  platform.ExpectOpenDialog(folder.Path() + "fresh");
  platform.ExpectOpenDialog(folder.Path() + "fresh/NEW.PRJ");
  main.mnuFNew.Click();
  EXPECT_TRUE(common::FolderExists(folder.Path() + "fresh"));
  EXPECT_EQ(prog.building.ProjDir, folder.Path() + "fresh/");
  EXPECT_EQ(platform.Dialogs().back().title, "Enter Project Filename");
  EXPECT_EQ(platform.Dialogs().back().initialFolder, folder.Path() + "fresh/");
  EXPECT_EQ(prog.building.Bldg.ProjFile, "NEW.PRJ");
  EXPECT_EQ(prog.building.Bldg.NoOfSerGrp, 0);
  EXPECT_EQ(main.txtProjFName.Text(), folder.Path() + "fresh/NEW.PRJ");
}

// New writes nothing to the message panel: the opening text stays.
TEST_F(ProjectCommandsTest, NewKeepsTheOpeningTextInThePanel) {
  StartWithDatabase();
  const auto before = main.PicMain.PrintedTexts();
  platform.ExpectOpenDialog(folder.Path() + "fresh");
  platform.ExpectOpenDialog(folder.Path() + "fresh/NEW.PRJ");
  main.mnuFNew.Click();
  ASSERT_EQ(prog.building.Bldg.ProjFile, "NEW.PRJ");
  EXPECT_EQ(main.PicMain.PrintedTexts(), before);
  EXPECT_EQ(main.PicMain.PrintedTexts().at(5),
            "   This is a computer program for life cycle assessment (LCA) and      ");
}

// A new project starts from an empty building record: neither the name,
// the floor area nor the groups of the project closed before it remain.
TEST_F(ProjectCommandsTest, NewStartsFromAnEmptyBuilding) {
  StartWithDatabase();
  WriteProject("work/OLD.PRJ", 2);
  platform.ExpectOpenDialog(folder.Path() + "work/OLD.PRJ");
  main.mnuFileOpen.Click();
  ASSERT_EQ(prog.building.Bldg.ProjName, "Tower");
  ASSERT_EQ(prog.building.Bldg.CFA, 900.0f);
  platform.ExpectOpenDialog(folder.Path() + "fresh");
  platform.ExpectOpenDialog(folder.Path() + "fresh/NEW.PRJ");
  main.mnuFNew.Click();
  EXPECT_EQ(prog.building.Bldg.ProjName, "");
  EXPECT_EQ(prog.building.Bldg.CFA, 0.0f);
  common::BldgRec empty;
  empty.ProjFile = "NEW.PRJ";
  EXPECT_TRUE(prog.building.Bldg == empty);
  EXPECT_EQ(main.txtProjName.Text(), "");
}

}  // namespace
