#include "app/main_window.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

#include "common/paths.h"
#include "forms/menu.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using forms::MsgResult;
using testsupport::ScriptedPlatform;

class MainWindowTest : public testing::Test {
 protected:
  MainWindowTest() { setenv("OSTREVO_HOME", (folder.Path() + "home").c_str(), 1); }
  ~MainWindowTest() override { unsetenv("OSTREVO_HOME"); }

  // Starts the program: the main window's load runs.
  app::frmMain& Start() {
    main.Show();
    return main;
  }
  std::string PanelLine(int i) const { return main.PicMain.PrintedTexts().at(static_cast<size_t>(i)); }

  testsupport::TempFolder folder;
  ScriptedPlatform platform;
  common::Program prog;
  app::Windows windows{prog, platform};
  app::frmMain main{prog, platform, windows};
};

TEST_F(MainWindowTest, PanelAfterStartShowsRuleAndHint) {
  Start();
  ASSERT_EQ(main.PicMain.PrintedTexts().size(), 23u);
  std::string rule = " " + std::string(72, '-') + " ";
  EXPECT_EQ(PanelLine(1), rule);
  EXPECT_EQ(PanelLine(2), "              LCA/LCC Program for Buildings (V1.2 6-2006)             ");
  EXPECT_EQ(PanelLine(3), rule);
  EXPECT_EQ(PanelLine(7), "   This is a computer program for life cycle assessment (LCA) and      ");
  EXPECT_EQ(PanelLine(20), rule);
  EXPECT_EQ(PanelLine(21), "");
  EXPECT_EQ(PanelLine(22), "   First step: Open LCIA/LCC Database using the File Menu");
  EXPECT_TRUE(prog.building.DataDir.empty());
  EXPECT_TRUE(platform.Dialogs().empty());
}

TEST_F(MainWindowTest, SeventeenMessagesScrollTheOpeningTextOut) {
  Start();
  for (int k = 1; k <= 17; ++k) {
    main.NewMsg = "   message " + std::to_string(k);
    main.ShowMessage();
  }
  EXPECT_EQ(PanelLine(2), "              LCA/LCC Program for Buildings (V1.2 6-2006)             ");
  EXPECT_EQ(PanelLine(4), "");
  EXPECT_EQ(PanelLine(5), "   First step: Open LCIA/LCC Database using the File Menu");
  for (int k = 1; k <= 17; ++k) EXPECT_EQ(PanelLine(5 + k), "   message " + std::to_string(k));
  // The pending message is kept: showing again repeats it.
  main.ShowMessage();
  EXPECT_EQ(PanelLine(21), "   message 17");
  EXPECT_EQ(PanelLine(22), "   message 17");
}

TEST_F(MainWindowTest, LoadSetsDefaultsAndEmptiesTheLogFile) {
  folder.Write("Ostrevo.LOG", "an earlier run's log\r\n");
  Start();
  EXPECT_TRUE(main.LogFileOpen());
  EXPECT_EQ(folder.Read("Ostrevo.LOG"), "");
  EXPECT_FLOAT_EQ(prog.assess.factors.WgtFtr[0], 0.55556f);
  EXPECT_FLOAT_EQ(prog.assess.factors.EgyPrice[0], 0.92f);
  EXPECT_TRUE(prog.building.ProjSaved);
  EXPECT_FALSE(main.cmdEndSldShow.Visible());
  EXPECT_FALSE(main.Image1.Visible());
  EXPECT_FALSE(main.cboSldLst.Visible());
}

// What stands in the way of the log file is left as it is: a link is never
// followed (the file it names would be emptied or made), a named pipe is not
// waited on. The program starts all the same, and the panel says why there
// is no log.
struct LogInTheWay {
  const char* name;
  std::function<void(const std::string& folder)> make;
  std::string reason;
};

void PrintTo(const LogInTheWay& c, std::ostream* os) { *os << c.name; }

class LogFileInTheWayTest : public MainWindowTest, public testing::WithParamInterface<LogInTheWay> {};

TEST_P(LogFileInTheWayTest, StartsWithoutTheLogAndSaysWhy) {
  const std::string log = folder.Path() + "Ostrevo.LOG";
  folder.Write("kept.txt", "keep me\r\n");
  GetParam().make(log);
  Start();
  EXPECT_FALSE(main.LogFileOpen());
  EXPECT_EQ(PanelLine(21), "   First step: Open LCIA/LCC Database using the File Menu");
  EXPECT_EQ(PanelLine(22), "   Log file Ostrevo.LOG not opened: " + GetParam().reason);
  EXPECT_EQ(folder.Read("kept.txt"), "keep me\r\n");
  EXPECT_FALSE(common::FileExists(folder.Path() + "made.txt"));
  main.mnuFileExit.Click();
  EXPECT_TRUE(platform.ProgramEnded());
}

INSTANTIATE_TEST_SUITE_P(
    InTheWay, LogFileInTheWayTest,
    testing::Values(LogInTheWay{"Folder", [](const std::string& log) { common::MakeFolder(log); },
                                "it is not a regular file"},
                    LogInTheWay{"LinkToAFile", [](const std::string& log) { symlink("kept.txt", log.c_str()); },
                                "it is a symbolic link"},
                    LogInTheWay{"LinkToNoFile", [](const std::string& log) { symlink("made.txt", log.c_str()); },
                                "it is a symbolic link"},
                    LogInTheWay{"NamedPipe", [](const std::string& log) { mkfifo(log.c_str(), 0644); },
                                "it is not a regular file"}),
    [](const testing::TestParamInfo<LogInTheWay>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, MenuTreeCaptions) {
  Start();
  std::vector<std::string> expected = {"&File",
                                       "Open LCIA/LCC &Database",
                                       "-",
                                       "Cre&at New Project",
                                       "-",
                                       "&Open Project",
                                       "&Save Project",
                                       "&Close Project",
                                       "-",
                                       "E&xit",
                                       "&Edit",
                                       "&Building and System LCA Input",
                                       "&Energy Use Modelling Input",
                                       "-",
                                       "&Reset Selection for Assessment",
                                       "-",
                                       "LCA &Weightings and Cost Para.",
                                       "&Write",
                                       "&Input Summary",
                                       "&Input Summary (Excel)",
                                       "&Selected Components and Elements",
                                       "&Run",
                                       "Calculate Operating &Energy Use",
                                       "Calculate Life Cycle &Impact",
                                       "Calculate Life Cycle &Cost",
                                       "&View",
                                       "Operating Energy Results",
                                       "LCC Results",
                                       "Overall Results",
                                       "&SlideShow",
                                       "About &LCA",
                                       "About this &Program",
                                       "&End Slide Show"};
  std::vector<std::string> got;
  for (forms::Menu* top : main.Menus()) {
    got.push_back(top->Caption());
    for (forms::Menu* entry : top->Items()) got.push_back(entry->Caption());
  }
  EXPECT_EQ(got, expected);
  EXPECT_FALSE(main.MnuPrintInSum.Enabled());
  EXPECT_EQ(main.Caption(), "LCA/LCC for VL Commercial Buildings");
}

TEST_F(MainWindowTest, ExitRightAfterStartAsksNothing) {
  Start();
  main.mnuFileExit.Click();
  EXPECT_TRUE(platform.ProgramEnded());
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_FALSE(main.LogFileOpen());
}

TEST_F(MainWindowTest, ExitAfterAcceptedNameAsksAndCancelKeepsRunning) {
  Start();
  main.txtProjName.SetText("Office");
  main.AcceptProjName();
  EXPECT_EQ(prog.building.Bldg.ProjName, "Office");
  EXPECT_FALSE(prog.building.ProjSaved);
  ASSERT_FALSE(platform.ShownForms().empty());
  EXPECT_EQ(platform.ShownForms().back().form, "frmBldgSysInput");

  platform.ExpectMessage("Quit program without saving?", MsgResult::Cancel);
  main.mnuFileExit.Click();
  EXPECT_FALSE(platform.ProgramEnded());
  EXPECT_TRUE(main.LogFileOpen());

  platform.ExpectMessage("Quit program without saving?", MsgResult::OK);
  main.mnuFileExit.Click();
  EXPECT_TRUE(platform.ProgramEnded());
}

TEST_F(MainWindowTest, ClosingByTheFrameGoesThroughExit) {
  Start();
  main.txtProjName.SetText("Office");
  main.AcceptProjName();
  platform.ExpectMessage("Quit program without saving?", MsgResult::Cancel);
  main.UserClose();
  EXPECT_TRUE(main.IsLoaded());
  EXPECT_FALSE(platform.ProgramEnded());
}

TEST_F(MainWindowTest, AcceptWithoutNameComplains) {
  Start();
  platform.ExpectMessage("Project Name missing!");
  main.AcceptProjName();
  EXPECT_TRUE(prog.building.ProjSaved);
}

TEST_F(MainWindowTest, CancelledSelectionSummaryDoesNothing) {
  Start();
  platform.ExpectOpenDialog(std::nullopt);
  main.mnuWSelected.Click();
  EXPECT_EQ(PanelLine(22), "   First step: Open LCIA/LCC Database using the File Menu");
  EXPECT_TRUE(prog.assess.SelSumFile.empty());
  ASSERT_EQ(platform.Dialogs().size(), 1u);
  EXPECT_EQ(platform.Dialogs()[0].title, "Generate Selection Summary Report");
  EXPECT_EQ(platform.Dialogs()[0].filter, "Input Summary Report (*.TXT)|*.TXT");
}

TEST_F(MainWindowTest, WeightingsShowTheWindowThenPostTheMessage) {
  Start();
  main.mnuEditWeights.Click();
  ASSERT_FALSE(platform.ShownForms().empty());
  EXPECT_EQ(platform.ShownForms().back().form, "frmNormWgt");
  EXPECT_FALSE(platform.ShownForms().back().modal);
  EXPECT_EQ(PanelLine(22), "   Viewed weighting factors");
}

TEST_F(MainWindowTest, OperatingEnergyRunShowsBothWindowsModally) {
  Start();
  platform.ExpectMessage("Open a Project File first!");
  main.mnuRunOprEgy.Click();
  ASSERT_GE(platform.ShownForms().size(), 3u);
  auto& shown = platform.ShownForms();
  EXPECT_EQ(shown[shown.size() - 2].form, "frmEgyCal");
  EXPECT_TRUE(shown[shown.size() - 2].modal);
  EXPECT_EQ(shown.back().form, "frmEgyResult");
  EXPECT_TRUE(shown.back().modal);
  EXPECT_EQ(PanelLine(21), "   Proceeded to calculate operating energy use");
  EXPECT_EQ(PanelLine(22), "   Returned from operating energy calculation");
  EXPECT_TRUE(main.mnuRunOprEgy.Checked());
}

class SlideShowTest : public MainWindowTest {
 protected:
  void WriteChapter(int slides) {
    std::string text = "\"About LCA\"\r\n" + std::to_string(slides) + "\r\n";
    for (int i = 1; i <= slides; ++i)
      text += "\"Slide " + std::to_string(i) + "\",\"Ch1\\S" + std::to_string(i) + ".png\",\"note\"\r\n";
    folder.Write("data/Ch1/Ch1Slides.txt", text);
    for (int i = 1; i <= slides; ++i) folder.Write("data/Ch1/S" + std::to_string(i) + ".png", "x");
    prog.building.DataDir = folder.Path() + "data/";
  }
};

TEST_F(SlideShowTest, ChapterNeedsTheDatabaseFolder) {
  Start();
  platform.ExpectMessage("Open the Main Library File First!");
  main.mnuSSCh1.Click();
  EXPECT_FALSE(main.cboSldLst.Visible());
}

TEST_F(SlideShowTest, NextAndLastStopAtTheEnds) {
  Start();
  WriteChapter(3);
  main.mnuSSCh1.Click();
  ASSERT_EQ(main.NoOfSld(), 3);
  EXPECT_EQ(main.CurSld(), 1);
  EXPECT_EQ(main.cboSldLst.ListCount(), 3);
  EXPECT_TRUE(main.Image1.Visible());
  EXPECT_NE(main.Image1.PicturePath().find("S1.png"), std::string::npos);
  main.cmdLsSld.Click();
  EXPECT_EQ(main.CurSld(), 1);
  main.cmdNxSld.Click();
  main.lblNxSld.Click();
  EXPECT_EQ(main.CurSld(), 3);
  EXPECT_EQ(main.cboSldLst.ListIndex(), 2);
  main.cmdNxSld.Click();
  EXPECT_EQ(main.CurSld(), 3);
  main.cboSldLst.SetListIndex(1);
  EXPECT_EQ(main.CurSld(), 2);
  EXPECT_NE(main.Image1.PicturePath().find("S2.png"), std::string::npos);
  main.Image1.Click();
  EXPECT_FALSE(main.Image1.Visible());
  main.PicMain.Click();
  EXPECT_TRUE(main.Image1.Visible());

  // A slide whose picture is gone shows none, never the slide before, and
  // the panel says so.
  std::remove((folder.Path() + "data/Ch1/S3.png").c_str());
  main.cmdNxSld.Click();
  EXPECT_EQ(main.CurSld(), 3);
  EXPECT_EQ(main.Image1.PicturePath(), "");
  EXPECT_EQ(PanelLine(22), "   Slide 3: picture cannot be shown: Ch1\\S3.png");
}

TEST_F(SlideShowTest, EndHidesEverything) {
  Start();
  WriteChapter(2);
  main.mnuSSCh1.Click();
  main.cmdEndSldShow.Click();
  EXPECT_EQ(main.NoOfSld(), 0);
  EXPECT_EQ(main.CurSld(), 0);
  EXPECT_FALSE(main.cboSldLst.Visible());
  EXPECT_FALSE(main.cmdNxSld.Visible());
  EXPECT_FALSE(main.Image1.Visible());
  EXPECT_EQ(main.cboSldLst.ListCount(), 0);
}

// A chapter that cannot be read, or that holds no slides, leaves nothing of
// the chapter before it: no slide count, no current slide, no picture, and
// no Next or Last to step through slides that are gone.
TEST_F(SlideShowTest, AFailedOrEmptyChapterLeavesNoSlideBehind) {
  const std::pair<const char*, const char*> chapters[] = {
      {"missing", nullptr},
      {"no slides", "\"About this Program\"\r\n0\r\n"},
      {"truncated", "\"About this Program\"\r\n2\r\n\"Slide 1\",\"Ch2\\S1.png\""},
  };
  Start();
  WriteChapter(3);
  for (const auto& [what, text] : chapters) {
    SCOPED_TRACE(what);
    std::remove((folder.Path() + "data/Ch2/Ch2Slides.txt").c_str());
    if (text != nullptr) folder.Write("data/Ch2/Ch2Slides.txt", text);
    main.mnuSSCh1.Click();
    main.cmdNxSld.Click();
    ASSERT_EQ(main.CurSld(), 2);
    main.mnuSSCh2.Click();
    EXPECT_EQ(main.NoOfSld(), 0);
    EXPECT_EQ(main.CurSld(), 0);
    for (const forms::Control* c : std::initializer_list<const forms::Control*>{
             &main.cmdNxSld, &main.lblNxSld, &main.cmdLsSld, &main.lblLsSld, &main.Image1})
      EXPECT_FALSE(c->Visible()) << c->Name();
    EXPECT_EQ(main.cboSldLst.ListCount(), 0);
    EXPECT_EQ(main.cboSldLst.Text(), "");
    EXPECT_TRUE(main.cmdEndSldShow.Visible());
    main.cmdNxSld_Click();
    main.cmdLsSld_Click();
    EXPECT_EQ(main.CurSld(), 0);
    main.PicMain.Click();  // the front picture, as with no chapter open
    EXPECT_EQ(main.CurSld(), 0);
  }
}

TEST_F(SlideShowTest, ChapterOfThreeHundredSlidesLoadsCompletely) {
  Start();
  WriteChapter(300);
  main.mnuSSCh1.Click();
  EXPECT_EQ(main.NoOfSld(), 300);
  EXPECT_EQ(main.cboSldLst.ListCount(), 300);
}

}  // namespace
