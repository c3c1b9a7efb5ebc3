// The energy input, air-side, shading mask, construction and central plant
// windows on their real widgets: their lists show nothing stale, their code
// and number lists take no typing, the plant grid's current cell is always a
// value cell, and an energy run leaves their unsaved work alone.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <filesystem>

#include "app/main_window.h"
#include "common/paths.h"
#include "energy_input/frm_egy_cal_input.h"
#include "energy_input/frm_sel_cons.h"
#include "energy_input/frm_sh_mask.h"
#include "energy_input/frm_si_zn.h"
#include "plant_input/frm_cplt.h"
#include "real_windows.h"
#include "simulation/cooling_load_sim.h"
#include "simulation/plant_sim.h"
#include "support/sample_office.h"

namespace {

class EnergyWidgets : public qtui_test::RealWindows {
 protected:
  QString Shown(const forms::ComboBox& combo) { return Widget<QComboBox>(combo)->currentText(); }
};

TEST_F(EnergyWidgets, ADeletedZoneLeavesNoNumberInTheZoneList) {
  energy_input::frmEgyCalInput& w = windows.frmEgyCalInput();
  w.Show();
  for (const forms::ComboBox* c : {&w.cboRmTyp, &w.cboCompTyp, &w.cboOrient})
    EXPECT_FALSE(Widget<QComboBox>(*c)->isEditable()) << c->Name();
  QTest::keyClicks(Widget<QLineEdit>(w.txtNZn), "3");
  Click(w.cmdEntNZn);
  ASSERT_EQ(w.cboZNo.ListCount(), 3);
  EXPECT_EQ(Shown(w.cboZNo), "1");
  Choose(w.cboZNo, 2);
  EXPECT_EQ(Shown(w.cboZNo), "3");
  Click(w.cmdDZn);  // "Delete all data for the selected Zone?" answered OK
  ASSERT_EQ(messages, std::vector<std::string>{"Delete all data for the selected Zone?"});
  EXPECT_EQ(w.cboZNo.ListCount(), 2);
  EXPECT_EQ(w.cboZNo.ListIndex(), -1);
  EXPECT_EQ(Shown(w.cboZNo), "");
  EXPECT_EQ(Widget<QLineEdit>(w.txtNZn)->text(), "2");
}

// Every list whose choice is a code or a number takes no typing: a stray key
// (one that begins no entry) leaves the chosen entry as it was, in the
// energy input, air-side and shading mask windows. In the air-side window
// such a key no longer unsets the zone's system type on Save and Exit, and
// the Name box shows a long zone or room name from its start.
TEST_F(EnergyWidgets, AStrayKeyLeavesEveryCodeAndNumberListAsChosen) {
  auto strayKey = [this](const forms::ComboBox& list, int row) {
    SCOPED_TRACE(list.Name());
    auto* combo = Widget<QComboBox>(list);
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    Choose(list, row);
    ASSERT_EQ(list.ListIndex(), row);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Q);
    EXPECT_EQ(list.ListIndex(), row);
    EXPECT_EQ(combo->currentIndex(), row);
  };

  energy_input::frmEgyCalInput& input = windows.frmEgyCalInput();
  input.Show();
  QTest::keyClicks(Widget<QLineEdit>(input.txtNZn), "2");
  Click(input.cmdEntNZn);
  QTest::keyClicks(Widget<QLineEdit>(input.txtNRmIZ), "2");
  Click(input.cmdEntNRm);
  Choose(input.cboRmNo, 0);
  QTest::keyClicks(Widget<QLineEdit>(input.txtNFabComp), "3");
  Click(input.cmdEntRmChar);
  ASSERT_EQ(input.cboFabComp.ListCount(), 3);
  strayKey(input.cboZNo, 1);
  Choose(input.cboZNo, 0);
  strayKey(input.cboRmNo, 1);
  strayKey(input.cboRmTyp, 1);
  QTest::keyClicks(Widget<QLineEdit>(input.txtNFabComp), "3");
  Click(input.cmdEntRmChar);
  strayKey(input.cboFabComp, 2);
  strayKey(input.cboCompTyp, 3);
  strayKey(input.cboOrient, 5);
  input.Unload();

  energy_input::frmShMask& mask = windows.frmShMask();
  mask.Show();
  strayKey(mask.cboOri, 5);
  mask.Unload();

  auto& e = prog.energyInput;
  e.EgyModel.NoOfZn = 1;
  e.EgyModel.ZnName[1] = "Ground Floor Retail and Lobby";
  e.EgyModel.ZnNRm[1] = 2;
  e.EgyModel.RmName[1][1] = "Office A";
  e.EgyModel.RmName[1][2] = "Customer Service Counter East";
  e.SIZnCurZn = 1;
  energy_input::frmSIZn& airSide = windows.frmSIZn();
  airSide.Show();
  strayKey(airSide.cboZnRm, 1);
  strayKey(airSide.cboASTyp, 1);  // "CAV or FCU System"
  strayKey(airSide.cboFATyp, 2);  // "Central Pretreated"
  // The Name box shows a zone or room name longer than the box from its
  // start.
  auto* name = Widget<QLineEdit>(airSide.txtRmNam);
  for (int row : {0, 2, 0}) {
    Choose(airSide.cboZnRm, row);
    SCOPED_TRACE(name->text().toStdString());
    EXPECT_GT(name->fontMetrics().horizontalAdvance(name->text()), name->contentsRect().width());
    EXPECT_EQ(name->cursorPosition(), 0);
  }
  Shot(airSide, "air_side_window_after_a_stray_key");
  Click(airSide.cmdSaQ);
  EXPECT_EQ(e.ASSys.ASTyp[1], 1);
  EXPECT_EQ(e.ASSys.FATyp[1], 2);
  EXPECT_TRUE(messages.empty());
}

TEST_F(EnergyWidgets, ConstructionWindowAfterClearShowsNoLayer) {
  auto& e = prog.energyInput;
  prog.building.Bldg.ProjFile = folder.Path() + "T.PRJ";
  e.ConsFormMode = 1;
  e.CurNLay = 3;  // a buffer handed over by "Save As Construction"
  for (int j = 1; j <= 3; ++j) {
    e.CurLayMatNo[static_cast<size_t>(j)] = static_cast<common::Integer>(100 + j);
    e.CurLayMatName[static_cast<size_t>(j)] = "Layer material " + std::to_string(j);
    e.CurLayThk[static_cast<size_t>(j)] = 0.05f * static_cast<float>(j);
  }
  energy_input::frmSelCons& w = windows.frmSelCons();
  w.Show();
  EXPECT_FALSE(Widget<QComboBox>(w.cboElmNo)->isEditable());
  ASSERT_EQ(w.cboElmNo.ListCount(), 3);
  Choose(w.cboElmNo, 2);
  EXPECT_EQ(Shown(w.cboElmNo), "3");
  EXPECT_EQ(Widget<QLineEdit>(w.txtMatNam)->text(), "Layer material 3");
  // A material number typed in brings its own name from the material table.
  prog.assess.mat.MatIdx[40] = 7;
  prog.assess.mat.MatName[7] = "Expanded polystyrene (EPS)";
  auto* number = Widget<QLineEdit>(w.txtMatNo);
  number->selectAll();
  QTest::keyClicks(number, "40");
  EXPECT_EQ(Widget<QLineEdit>(w.txtMatNam)->text(), "Expanded polystyrene (EPS)");
  Click(w.cmdClr);
  EXPECT_EQ(w.cboElmNo.ListCount(), 0);
  EXPECT_EQ(w.cboElmNo.Text(), "");
  EXPECT_EQ(Shown(w.cboElmNo), "");
  for (const forms::TextBox* box : {&w.txtNElmInC, &w.txtMatNo, &w.txtMatNam, &w.txtMatThk})
    EXPECT_EQ(Widget<QLineEdit>(*box)->text(), "") << box->Name();
  Shot(w, "construction_window_after_clear");
  // Window / Sky Light clicked before Enter stays chosen.
  Click(w.OptWindow);
  QTest::keyClicks(Widget<QLineEdit>(w.txtNElmInC), "1");
  Click(w.cmdEntNo);
  EXPECT_TRUE(Widget<QRadioButton>(w.OptWindow)->isChecked());
  EXPECT_EQ(prog.energyInput.CurConsType, 1);
}

TEST_F(EnergyWidgets, PlantGridCurrentCellIsAlwaysAValueCell) {
  plant_input::frmCPlt& w = windows.frmCPlt();
  w.Show();
  for (const forms::ComboBox* c : {&w.cboACHRS, &w.cboChWPS, &w.cboEqNo, &w.cboEqTyp})
    EXPECT_FALSE(Widget<QComboBox>(*c)->isEditable()) << c->Name();
  platform.ActionOf(w.mnuEType)->trigger();
  EXPECT_EQ(w.msgPlt.Row(), 1);
  EXPECT_EQ(w.msgPlt.Col(), 2);
  auto* table = platform.WidgetOf(w.msgPlt)->findChild<QTableWidget*>();
  ASSERT_NE(table, nullptr);
  QApplication::processEvents();
  const QColor highlight = table->palette().color(QPalette::Highlight);
  EXPECT_NE(table->item(1, 1)->background().color(), highlight);  // the Unit cell of row 1
  EXPECT_EQ(table->item(1, 2)->background().color(), highlight);
  // A click on a fixed cell or the keys never make one current.
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(3, 1)).center());
  table->setFocus();
  QTest::keyClick(table, Qt::Key_Left);
  QTest::keyClick(table, Qt::Key_Home);
  EXPECT_EQ(w.msgPlt.Col(), 2);
  Shot(w, "plant_window_plant_view");

  // Each view starts on its first value cell, whatever cell the view before
  // left current: a fresh-air unit stored leaves row 6, which chillers lack.
  Click(w.cmdOK);
  platform.ActionOf(w.mnuEFAUs)->trigger();
  QTest::keyClicks(Widget<QLineEdit>(w.txtNoEq), "1");
  Click(w.cmdNoEq);
  Click(w.cmdOK);
  ASSERT_EQ(w.msgPlt.Row(), 6);
  const struct {
    const forms::Menu* view;
    int row;
  } views[] = {{&w.mnuEChillers, 2}, {&w.mnuEPLPs, 1}, {&w.mnuEType, 1}};
  for (const auto& v : views) {
    SCOPED_TRACE(v.view->Name());
    platform.ActionOf(*v.view)->trigger();
    EXPECT_EQ(w.msgPlt.Row(), v.row);
    EXPECT_EQ(w.msgPlt.Col(), 2);
    QApplication::processEvents();
    EXPECT_EQ(table->currentRow(), v.row);
    EXPECT_EQ(table->item(v.row, 2)->background().color(), highlight);
    Click(w.cmdOK);
    platform.ActionOf(w.mnuEFAUs)->trigger();  // row 6 current again
    Click(w.cmdOK);
  }
}

// A first start without a recorded data folder: the sample office opened,
// the database chosen in its dialog (which leaves the dialogs in the data
// folder), then the energy input window. It shows the project's model, and
// Return, Yes and the preset names write the same bytes back. A model that
// cannot be read is reported with its reason, and the save that Yes starts
// asks before it writes over that file: No, then the dialog cancelled,
// keeps it, and the window.
TEST_F(EnergyWidgets, FirstStartShowsTheProjectsModelWhereverADialogLeftOff) {
  const std::string sample = folder.Path() + "office/", source = std::string(OSTREVO_SOURCE_DIR);
  const std::string save = "Save data before closing this form?";
  struct Row {
    const char* what;
    const char* eci;                 // written over the sample's; nullptr keeps it
    std::deque<std::string> loaded;  // the names given to the load dialogs
    std::deque<std::string> saved;   // and to the save dialogs
    int zones;
    std::vector<std::string> told;  // every message, in turn
  };
  const Row rows[] = {
      {"the sample's model", nullptr, {"OFFICE.ECI", "OFFICE.ASS"}, {"OFFICE.ECI", "OFFICE.ASS"}, 3, {save}},
      {"a damaged model",
       "\"Energy Calculation Input for Project: Office\"\r\n3\r\n\"Ground\"\r\n",
       {"OFFICE.ECI"},
       {"OFFICE.ECI"},
       0,
       {"Error reading energy calcuation input data file!!\nunexpected end of file (line 4)", save,
        "OFFICE.ECI already exists.\nDo you want to replace it?", "Error writing energy input data!!"}},
  };
  answer = QMessageBox::Yes;
  answersTo = {{"already exists", QMessageBox::No}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::string error;
    common::MakeFolder(sample);
    ASSERT_TRUE(testsupport::CopySampleOfficeFiles(sample, error)) << error;
    std::filesystem::copy_file(source + "/samples/office/OFFICE.PRJ", sample + "OFFICE.PRJ",
                               std::filesystem::copy_options::overwrite_existing);
    if (row.eci) (void)folder.Write("office/OFFICE.ECI", row.eci);
    const std::string eci = folder.Read("office/OFFICE.ECI"), ass = folder.Read("office/OFFICE.ASS");
    std::filesystem::current_path(folder.Path());  // each start away from the data folder
    auto program = std::make_unique<common::Program>();
    app::Windows wins{*program, platform};
    app::frmMain main(*program, platform, wins);
    main.Show();
    fileAnswers = {sample + "OFFICE.PRJ", source + "/data/MATLCIA.IDB"};
    ChooseMenu(main.mnuFileOpen);
    ASSERT_TRUE(program->building.DatabaseLoaded);
    messages.clear();
    fileAnswers = row.loaded;
    ChooseMenu(main.mnuEditBEUInput);
    auto& input = wins.frmEgyCalInput();
    EXPECT_EQ(Widget<QComboBox>(input.cboZNo)->count(), row.zones);
    fileAnswers = row.saved;
    ChooseMenu(input.mnuDirRet);
    EXPECT_EQ(messages, row.told);
    EXPECT_EQ(input.IsLoaded(), row.eci != nullptr);
    EXPECT_EQ(folder.Read("office/OFFICE.ECI"), eci);
    EXPECT_EQ(folder.Read("office/OFFICE.ASS"), ass);
    input.Unload();
  }
}

// The sample office open in the energy input window, with an edit that is
// not saved to the files (in the air-side window, the central plant window
// or the energy input window itself, a shading mask among them); the energy run from the main window,
// over two days of weather, while the window stays open. The run's energy is
// that of the saved files, and the edit survives it: the windows still show
// it and a later save writes what a save without the run writes.
TEST_F(EnergyWidgets, AnEnergyRunLeavesUnsavedEditsAndTakesTheSavedFiles) {
  const std::string sample = folder.Path() + "office/", data = std::string(OSTREVO_SOURCE_DIR) + "/data/";
  const auto path = [&](const char* name) { return sample + name; };
  simulation::SimCalendar twoDays{};
  twoDays.MonthDays[1] = 2;
  std::string error;
  common::MakeFolder(sample);
  ASSERT_TRUE(testsupport::CopySampleOfficeFiles(sample, error)) << error;
  auto saved = std::make_unique<common::Program>();
  ASSERT_TRUE(testsupport::LoadSampleOffice(*saved, sample, error)) << error;
  struct : simulation::RunLog {
    void Add(const std::string&) override {}
    void Clear() override {}
  } log;
  ModRoutine::RunCoolingLoad(*saved, log, twoDays);
  ModACPlt::RunPlant(*saved, twoDays);
  ASSERT_EQ(saved->sim.SimErr, 0) << saved->sim.SimErrMsg;

  app::frmMain main(prog, platform, windows);
  windows.SetMainWindow(&main);
  main.Show();
  prog.building.Bldg.ProjFile = path("OFFICE.PRJ");
  prog.building.ProjDir = sample;
  prog.building.DataDir = data;
  prog.plant.WssFile = path("OFFICE.WSS");
  prog.plant.NacFile = path("OFFICE.NAC");
  auto& input = windows.frmEgyCalInput();
  auto& airSide = windows.frmSIZn();
  auto& plant = windows.frmCPlt();
  auto& calc = windows.frmEgyCal();
  calc.coolingLoadRun = [&](common::Program& p, simulation::RunLog& l) { ModRoutine::RunCoolingLoad(p, l, twoDays); };
  calc.plantRun = [&](common::Program& p, simulation::RunLog&) { ModACPlt::RunPlant(p, twoDays); };
  answer = QMessageBox::Yes;

  auto saveInput = [&] {
    Choose(input.cboZNo, 0);
    fileAnswers = {path("OFFICE.ECI"), path("OFFICE.ASS")};
    ChooseMenu(input.mnuFSave);
  };
  auto fanPower = [&](const char* typed) {
    WhenShownModal(airSide, [&, typed] {
      auto* box = Widget<QLineEdit>(airSide.txtZnRmD[4]);
      if (typed) box->selectAll(), QTest::keyClicks(box, typed);
      EXPECT_EQ(box->text(), "9");
      Click(airSide.cmdSaQ);
    });
    Click(input.cmdEAC);
  };
  // The central plant window, its files loaded as it opens them or left.
  auto inPlantWindow = [&](bool load, std::function<void()> act) {
    if (load) fileAnswers = {path("OFFICE.WSS"), path("OFFICE.NAC")};
    WhenShownModal(plant, act);
    ChooseMenu(input.mnuECPlt);
  };
  auto startHourCell = [&] {
    ChooseMenu(plant.mnuEType);
    QApplication::processEvents();  // the grid shows its cells
    auto* table = platform.WidgetOf(plant.msgPlt)->findChild<QTableWidget*>();
    return std::pair{table, table->visualItemRect(table->item(1, 2)).center()};
  };
  struct Row {
    const char* what;
    std::function<void()> edit, save;
    std::vector<const char*> files;  // what the save writes
    const char* holds;               // a line of the edit there
  };
  const Row rows[] = {
      {"the air-side fan power of zone 1, 5 kW typed as 9 and stored",
       [&] { fanPower("9"); },
       [&] { fanPower(nullptr), saveInput(); },
       {"OFFICE.ASS"},
       "\r\n4.35,750,9,2.7\r\n"},
      {"the plant start hour, 7 changed to 8 and stored, the save cancelled",
       [&] {
         inPlantWindow(true, [&] {
           auto [table, cell] = startHourCell();
           QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
           auto* box = Widget<QLineEdit>(plant.txtData);
           box->selectAll();
           QTest::keyClicks(box, "8");
           Click(plant.cmdEntCell);
           Click(plant.cmdOK);
           ChooseMenu(plant.mnuFSave);  // its dialog cancelled
           answer = QMessageBox::No;    // to "Save data before closing this form?"
           ChooseMenu(plant.mnuFExit);
           answer = QMessageBox::Yes;
         });
       },
       [&] {
         inPlantWindow(false, [&] {
           auto [table, cell] = startHourCell();
           EXPECT_EQ(table->item(1, 2)->text(), "8");
           Click(plant.cmdOK);
           fileAnswers = {path("OFFICE.WSS"), path("OFFICE.NAC")};
           ChooseMenu(plant.mnuFSave);
           ChooseMenu(plant.mnuFExit);
         });
       },
       {"OFFICE.WSS"},
       "\r\n8,19\r\n"},
      {"a zone added after zone 1",
       [&] { Click(input.cmdAZn); },
       saveInput,
       {"OFFICE.ECI", "OFFICE.ASS"},
       "\"\r\n4\r\n"},  // four zones after the head line
      {"the shop front's shading mask, S_CANOPY chosen as S_OVHG and stored",
       [&] {
         fileAnswers = {path("S_OVHG.SHM")};
         Click(input.cmdSelShM);
         Choose(input.cboFabComp, 1);
       },
       saveInput,
       {"OFFICE.ECI"},
       "\"S_OVHG.SHM\"\r\n\"West Side Wall\""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::string written[2];
    for (bool run : {false, true}) {
      ASSERT_TRUE(testsupport::CopySampleOfficeFiles(sample, error)) << error;
      fileAnswers = {path("OFFICE.ECI"), path("OFFICE.ASS")};
      input.Show();
      row.edit();
      if (run) {
        WhenShownModal(calc, [&] {
          ChooseMenu(calc.mnuMAC);
          Click(calc.cmdGO);
          Click(calc.cmdOK);
          ChooseMenu(calc.mnuFExit);
        });
        WhenShownModal(windows.frmEgyResult(), [&] { Click(windows.frmEgyResult().cmdExit); });
        ChooseMenu(main.mnuRunOprEgy);
        EXPECT_EQ(prog.sim.SimErr, 0) << prog.sim.SimErrMsg;
        EXPECT_EQ(prog.sim.ACEgy, saved->sim.ACEgy);
      }
      row.save();
      for (const char* file : row.files) written[run] += folder.Read(std::string("office/") + file);
      input.Unload();
    }
    EXPECT_EQ(written[1], written[0]);
    EXPECT_NE(written[1].find(row.holds), std::string::npos);
  }
}

}  // namespace
