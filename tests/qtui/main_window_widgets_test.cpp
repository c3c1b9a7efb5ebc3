// The main window's commands on the real Qt dialogs, and every button and
// menu entry chosen with the mouse; the project commands on two copies of
// the sample office, A and B in other folders, where no command drops
// unsaved work or replaces a file of A unasked.
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <filesystem>
#include <functional>
#include <map>

#include "app/main_window.h"
#include "common/paths.h"
#include "energy_input/frm_si_zn.h"
#include "real_windows.h"

namespace {

class MainWindowWidgets : public qtui_test::RealWindows {};

// The workbook is written as .xlsx: the dialog offers .xlsx files, and
// still shows .xls ones.
TEST_F(MainWindowWidgets, WorkbookDialogOffersTheFilesItWrites) {
  app::frmMain main(prog, platform, windows);
  main.Show();
  QStringList filters;
  QTimer::singleShot(0, [&filters] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      filters = dialog->nameFilters();
      dialog->reject();
    }
  });
  platform.ActionOf(main.MnuPrintInSumExcel)->trigger();
  EXPECT_EQ(filters, QStringList{"Input Summary (Excel) (*.xlsx *.XLSX *.xls *.XLS)"});
  EXPECT_EQ(messages, std::vector<std::string>{"Cancel was selected."});
}

// Each entry of the menus, and the Enter button, reaches its command.
TEST_F(MainWindowWidgets, EveryMenuEntryReachesItsCommand) {
  app::frmMain main(prog, platform, windows);
  windows.SetMainWindow(&main);
  main.Show();
  auto told = [this](const std::string& text) {
    const bool shown = messages == std::vector<std::string>{text};
    messages.clear();
    return shown;
  };
  auto panelEnds = [&main](const std::string& text) { return main.PicMain.PrintedTexts().back() == text; };
  struct Step {
    const char* what;
    std::function<void()> act;
    std::function<bool()> done;
  };
  const Step steps[] = {
      {"Enter", [&] { Click(main.cmdEnterProjName); }, [&] { return told("Project name missing!"); }},
      {"a typed project name, then Enter",
       [&] {
         QTest::keyClicks(Widget<QLineEdit>(main.txtProjName), "Tower");
         Click(main.cmdEnterProjName);
         main.txtProjName.SetText("");
       },
       [&] {
         const bool asked = messages.size() == 2 &&
                            messages[0] == "Select Folder for Project file and Enter a Project File Name" &&
                            messages[1] == "Failed to set project file!!";
         messages.clear();
         return asked;
       }},
      {"Open LCIA/LCC Database", [&] { ChooseMenu(main.mnuOpenData); },
       [&] { return told("No material LCIA profile file loaded!!"); }},
      {"Creat New Project", [&] { ChooseMenu(main.mnuFNew); },
       [&] { return told("Failed to create the Folder! A Folder of the same name may already exist."); }},
      {"Open Project", [&] { ChooseMenu(main.mnuFileOpen); },
       [&] { return told("Failed to open or read project file!!") && panelEnds("   Load main project input file"); }},
      {"Save Project", [&] { ChooseMenu(main.mnuFileSave); }, [&] { return told("Project name missing!"); }},
      {"Close Project", [&] { ChooseMenu(main.mnuFileClose); }, [&] { return panelEnds("   Project closed"); }},
      {"Building and System LCA Input", [&] { ChooseMenu(main.mnuEditBldg); },
       [&] { return told("Project name missing!"); }},
      {"Energy Use Modelling Input", [&] { ChooseMenu(main.mnuEditBEUInput); },
       [&] { return windows.frmEgyCalInput().Visible(); }},
      {"Reset Selection for Assessment", [&] { ChooseMenu(main.mnuRunReset); },
       [&] { return told("All previously setting will be reset - Go ahead?") && panelEnds("   Selection reset"); }},
      {"LCA Weightings and Cost Para.", [&] { ChooseMenu(main.mnuEditWeights); },
       [&] { return windows.frmNormWgt().Visible() && panelEnds("   Viewed weighting factors"); }},
      {"Input Summary (Excel)", [&] { ChooseMenu(main.MnuPrintInSumExcel); },
       [&] { return told("Cancel was selected."); }},
      {"Selected Components and Elements",
       [&] {
         fileAnswers.push_back(folder.Path() + "SEL.TXT");
         ChooseMenu(main.mnuWSelected);
       },
       [&] {
         return told("Report written to file: " + folder.Path() + "SEL.TXT") &&
                panelEnds("   Selection summary printed");
       }},
      {"Calculate Life Cycle Impact", [&] { ChooseMenu(main.mnuRunLCA); },
       [&] { return told("Open a project file first!!"); }},
      {"Calculate Life Cycle Cost", [&] { ChooseMenu(main.mnuRunLCC); },
       [&] { return told("Open a project file first!!"); }},
      {"Calculate Operating Energy Use",
       [&] {
         CloseWhenShownModal(windows.frmEgyCal());
         CloseWhenShownModal(windows.frmEgyResult());
         ChooseMenu(main.mnuRunOprEgy);
       },
       [&] {
         return told("Open a Project File first!") && main.mnuRunOprEgy.Checked() &&
                panelEnds("   Returned from operating energy calculation");
       }},
      {"Operating Energy Results",
       [&] {
         CloseWhenShownModal(windows.frmEgyResult());
         ChooseMenu(main.mnuViewEgy);
       },
       [&] { return !windows.frmEgyResult().Visible(); }},
      {"LCC Results", [&] { ChooseMenu(main.mnuViewLCC); }, [&] { return windows.frmLCCResult().Visible(); }},
      {"Overall Results", [&] { ChooseMenu(main.mnuViewRes); }, [&] { return windows.frmResult().Visible(); }},
      {"End Slide Show", [&] { ChooseMenu(main.mnuSSEnd); }, [&] { return main.NoOfSld() == 0; }},
      {"Exit",
       [&] {
         answers = {QMessageBox::No};  // the energy modelling input's data not saved
         ChooseMenu(main.mnuFileExit);
       },
       [&] { return told("Save data before closing this form?") && !Window(main)->isVisible(); }},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_TRUE(step.done()) << step.what << " " << (messages.empty() ? "" : messages.front());
  }
}

// The sample database loaded at start; A and B two copies of the sample
// office, B's floor area 9600.
class ProjectWidgets : public MainWindowWidgets {
 protected:
  ProjectWidgets() {
    const std::string source = OSTREVO_SOURCE_DIR;
    folder.Write("home/Ostrevo_Str.TXT", "\"" + source + "/data/\"\r\n");
    std::filesystem::copy(source + "/samples/office", a);
    std::filesystem::copy(source + "/samples/office", b);
    std::string project = folder.Read("b/OFFICE.PRJ");
    project.replace(project.find(",4800"), 5, ",9600");
    folder.Write("b/OFFICE.PRJ", project);
    aFiles = Files(a);
    windows.SetMainWindow(&main);
    main.Show();
  }
  // Every file of a folder with its bytes.
  static std::map<std::string, std::string> Files(const std::string& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(dir))
      files[e.path().filename().string()] = *common::ReadWholeFile(e.path().string());
    return files;
  }
  void Open(const std::string& project) {
    fileAnswers.push_back(project);
    ChooseMenu(main.mnuFileOpen);
  }
  std::string ProjectFileShown() { return Widget<QLineEdit>(main.txtProjFName)->text().toStdString(); }

  const std::string a = folder.Path() + "a/", b = folder.Path() + "b/";
  std::map<std::string, std::string> aFiles;
  app::frmMain main{prog, platform, windows};
};

// A's building edited (Roof deleted) and not saved: Open of B asks Close's
// question; Cancel keeps A as it was, OK opens B, which counts as saved.
TEST_F(ProjectWidgets, OpenAsksBeforeItDropsTheBuildingsUnsavedEdits) {
  Open(a + "OFFICE.PRJ");
  Click(main.cmdEnterProjName);
  auto& composition = windows.frmBldgSysInput();
  auto* floors = Widget<QListWidget>(composition.lstFloorName);
  ClickAt(floors->viewport(), floors->visualItemRect(floors->item(2)).center());
  Click(composition.cmdDeleteFloor);  // "Roof will be removed from the Project. Continue?" OK
  Click(composition.cmdReturn);
  ASSERT_EQ(prog.building.Bldg.NoOfFlrGrp, 2);
  for (auto reply : {QMessageBox::Cancel, QMessageBox::Ok}) {
    messages.clear();
    answers = {reply};
    Open(b + "OFFICE.PRJ");
    const bool kept = reply == QMessageBox::Cancel;
    EXPECT_EQ(messages, std::vector<std::string>{"Close project without saving?"});
    EXPECT_EQ(ProjectFileShown(), (kept ? a : b) + "OFFICE.PRJ");
    EXPECT_EQ(prog.building.Bldg.NoOfFlrGrp, kept ? 2 : 3);
    EXPECT_EQ(prog.building.Bldg.CFA, kept ? 4800.0f : 9600.0f);
    EXPECT_EQ(Files(a), aFiles);
  }
  messages.clear();
  ChooseMenu(main.mnuFileClose);  // B is saved: no question
  EXPECT_TRUE(messages.empty());
}

// The energy input window holds A's air-side fan power, 5 kW typed as 9 and
// not saved: Exit and the main window's frame close it through its own
// question first; Cancel there keeps the program running, No drops the
// edit, Yes saves it; then Exit's own question.
TEST_F(ProjectWidgets, ExitClosesTheEnergyInputThroughItsQuestionFirst) {
  Open(a + "OFFICE.PRJ");
  Click(main.cmdEnterProjName);  // the building is unsaved from here
  auto& input = windows.frmEgyCalInput();
  auto& airSide = windows.frmSIZn();
  auto editFanPower = [&] {
    fileAnswers = {a + "OFFICE.ECI", a + "OFFICE.ASS"};
    ChooseMenu(main.mnuEditBEUInput);
    WhenShownModal(airSide, [&] {
      auto* box = Widget<QLineEdit>(airSide.txtZnRmD[4]);
      box->selectAll();
      QTest::keyClicks(box, "9");
      Click(airSide.cmdSaQ);
    });
    Click(input.cmdEAC);
  };
  const std::string question = "Save data before closing this form?", quit = "Quit program without saving?";
  struct Row {
    const char* what;
    std::function<void()> exit;
    std::deque<QMessageBox::StandardButton> replies;
    std::vector<std::string> asked;
    bool running;
  } rows[] = {
      {"Exit, Cancel", [&] { ChooseMenu(main.mnuFileExit); }, {QMessageBox::Cancel}, {question}, true},
      {"the frame, No, Cancel",
       [&] { Window(main)->close(); },
       {QMessageBox::No, QMessageBox::Cancel},
       {question, quit},
       true},
      {"Exit, Yes, OK",
       [&] {
         fileAnswers = {a + "OFFICE.ECI", a + "OFFICE.ASS"};  // the files it read: replaced unasked
         ChooseMenu(main.mnuFileExit);
       },
       {QMessageBox::Yes, QMessageBox::Ok},
       {question, quit},
       false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    if (!input.IsLoaded()) editFanPower();
    messages.clear();
    answers = row.replies;
    row.exit();
    EXPECT_EQ(messages, row.asked);
    EXPECT_EQ(Window(main)->isVisible(), row.running);
    EXPECT_EQ(input.IsLoaded(), row.replies.front() == QMessageBox::Cancel);
  }
  auto files = Files(a);
  EXPECT_NE(files["OFFICE.ASS"].find("\r\n4.35,750,9,2.7\r\n"), std::string::npos);
  for (const char* saved : {"OFFICE.ECI", "OFFICE.ASS"}) files[saved] = aFiles[saved];
  EXPECT_EQ(files, aFiles);
}

// Close empties the building; Enter then names A's project file: the
// building window shows an empty building, and Save asks before it
// replaces A's file (No returns to the dialog, cancelled there; Yes
// replaces it).
TEST_F(ProjectWidgets, ACloseLeavesNoBuildingToSaveOverAnotherProjectsFile) {
  Open(b + "OFFICE.PRJ");
  ChooseMenu(main.mnuFileClose);
  EXPECT_TRUE(prog.building.Bldg == common::BldgRec{});
  QTest::keyClicks(Widget<QLineEdit>(main.txtProjName), "Tower");
  fileAnswers = {a + "OFFICE.PRJ"};
  Click(main.cmdEnterProjName);  // "Select Folder for Project file ..." OK
  auto& composition = windows.frmBldgSysInput();
  EXPECT_EQ(ProjectFileShown(), a + "OFFICE.PRJ");
  for (const forms::ListBox* list :
       {&composition.lstFoundationName, &composition.lstFloorName, &composition.lstServicesName})
    EXPECT_EQ(Widget<QListWidget>(*list)->count(), 0) << list->Name();
  EXPECT_EQ(Widget<QLineEdit>(composition.txtCFA)->text(), " 0");
  Click(composition.cmdReturn);
  const std::string replace = "OFFICE.PRJ already exists.\nDo you want to replace it?";
  for (auto reply : {QMessageBox::No, QMessageBox::Yes}) {
    messages.clear();
    answers = {reply};
    fileAnswers = {a + "OFFICE.PRJ"};
    ChooseMenu(main.mnuFileSave);
    EXPECT_EQ(messages, std::vector<std::string>{replace});
    EXPECT_EQ(Files(a) == aFiles, reply == QMessageBox::No);
  }
  EXPECT_EQ(folder.Read("a/OFFICE.PRJ"), "\"" + a + "OFFICE.PRJ\"\r\n\"Tower\",0\r\n0\r\n0\r\n0\r\n");
  auto files = Files(a);
  files["OFFICE.PRJ"] = aFiles["OFFICE.PRJ"];
  EXPECT_EQ(files, aFiles);
}

}  // namespace
