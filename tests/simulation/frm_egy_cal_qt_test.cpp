// The energy calculation window on the real Qt platform: the simulations
// run away from the window thread while the window stays live and shows
// their progress; an energy use result file saved for other systems (three
// town-gas systems where the project has one) is refused through the real
// dialog, and the systems and their energies stay as they were.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "energy_input/energy_model_files.h"
#include "plant_input/plant_files.h"
#include "qtui/qt_platform.h"
#include "simulation/frm_egy_cal.h"
#include "support/qt_window_shots.h"
#include "support/temp_folder.h"

namespace {

using testsupport::Shot;

// A project in a temporary folder whose energy input files are all named
// and readable, so the window opens without asking, on the real Qt platform.
class EgyCalOnQt : public testing::Test {
 protected:
  EgyCalOnQt() {
    platform.SetEndWhenLastFormUnloaded(false);
    prog->building.Bldg.ProjFile = folder.Path() + "OFFICE.PRJ";
    prog->building.ProjDir = folder.Path();
    prog->energyInput.EciFile = "OFFICE.ECI";
    prog->energyInput.AssFile = "OFFICE.ASS";
    prog->energyInput.ConsFile = "OFFICE.CON";
    prog->plant.WssFile = "OFFICE.WSS";
    prog->plant.NacFile = "OFFICE.NAC";
    // The named files: a building without zones, a plant from 7 to 19.
    common::CentralPlantData plant;
    plant.StartHour = 7;
    plant.StopHour = 19;
    std::string why;
    EXPECT_TRUE(energy_input::WriteEnergyModelFile(folder.Path() + "OFFICE.ECI", "Office", {}, {}, why) &&
                energy_input::WriteAirSideFile(folder.Path() + "OFFICE.ASS", "Office", {}, {}, why) &&
                plant_input::WriteCentralPlantFile(folder.Path() + "OFFICE.WSS", "Office", plant, why))
        << why;
  }

  testsupport::TempFolder folder;
  qtui::QtPlatform platform;
  std::unique_ptr<common::Program> prog = std::make_unique<common::Program>();
};

// Calculate on the air conditioning: the cooling loads are computed on a
// thread of their own. While they are, the window thread keeps running (its
// timer ticks, the window repaints), each month's line is in the real list
// as it comes, and the window keeps the state of a running calculation: the
// log over the rows, no Close button, the Calculate menu disabled. Then the
// question, the plant run, and the values with Close.
TEST_F(EgyCalOnQt, TheRunGoesOnAwayFromTheWindowThread) {
  simulation::frmEgyCal w(*prog, platform);
  w.Show();
  QWidget* window = platform.WindowOf(w);
  ASSERT_NE(window, nullptr);
  platform.ActionOf(w.mnuMAC)->trigger();
  auto* list = qobject_cast<QListWidget*>(platform.WidgetOf(w.lstRun));
  auto* go = qobject_cast<QPushButton*>(platform.WidgetOf(w.cmdGO));
  auto* close = platform.WidgetOf(w.cmdEndRun);
  ASSERT_TRUE(list && go && close);

  std::atomic<int> ticks{0};
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
  timer.start(5);

  const std::thread::id windowThread = std::this_thread::get_id();
  std::thread::id runThread;
  struct Seen {
    std::vector<std::string> rows;
    bool logShown, closeShown, calculateMenu;
  };
  std::vector<Seen> seen;
  int ticksDuringRun = 0;
  w.coolingLoadRun = [&](common::Program&, simulation::RunLog& log) {
    runThread = std::this_thread::get_id();
    const int before = ticks;
    for (int month = 1; month <= 3; ++month) {
      log.Clear();
      log.Add("Modelling Office - Processing Month No. " + std::to_string(month) + "....");
      // This thread works on while the window thread goes on with its own
      // events: it waits for three of the window's timer ticks (a run on the
      // window thread would wait for ever, until ctest's timeout).
      const int now = ticks;
      while (ticks < now + 3) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      platform.RunOnWindowThread([&] {
        Seen s;
        for (int i = 0; i < list->count(); ++i) s.rows.push_back(list->item(i)->text().toStdString());
        s.logShown = list->isVisible();
        s.closeShown = close->isVisible();
        s.calculateMenu = platform.ActionOf(w.mnuMAC)->isEnabled() && w.mnuM.Enabled();
        seen.push_back(s);
        Shot(window, "run-" + std::to_string(month) + "-month-" + std::to_string(month));
      });
    }
    ticksDuringRun = ticks - before;
  };
  w.plantRun = [&](common::Program& p, simulation::RunLog& log) {
    log.Add("Hour 8760");
    p.sim.ACEgy = {28, 1, 2, 3, 4, 5, 6, 7};
  };
  std::string asked;
  testsupport::WhenModal<QMessageBox>([&asked](QMessageBox& box) {
    asked = box.text().toStdString();
    box.button(QMessageBox::Yes)->click();
  });
  go->click();
  timer.stop();

  EXPECT_NE(runThread, windowThread);
  EXPECT_NE(runThread, std::thread::id());
  EXPECT_GE(ticksDuringRun, 9);
  ASSERT_EQ(seen.size(), 3u);
  for (int month = 1; month <= 3; ++month) {
    const Seen& s = seen[static_cast<std::size_t>(month - 1)];
    EXPECT_EQ(s.rows,
              std::vector<std::string>{"Modelling Office - Processing Month No. " + std::to_string(month) + "...."});
    EXPECT_TRUE(s.logShown);
    EXPECT_FALSE(s.closeShown);
    EXPECT_FALSE(s.calculateMenu);
  }
  EXPECT_EQ(asked, "Proceed to predict air-conditioning energy use?");
  std::vector<std::string> rows;
  for (int i = 0; i < list->count(); ++i) rows.push_back(list->item(i)->text().toStdString());
  EXPECT_EQ(rows, (std::vector<std::string>{"Modelling Office - Processing Month No. 3....",
                                            "Cooling load calculation completed", "Started to calculate A/C energy use",
                                            "Hour 8760", "A/C energy use calculation completed"}));
  EXPECT_TRUE(close->isVisible());
  EXPECT_EQ(w.txtItem[0].Text(), "28");
  Shot(window, "run-4-done");
  w.Unload();
}

// Clicks and keys made while a run goes on are dropped, not kept for
// afterwards: a click or a key on Calculate starts no second run and a
// click on the log offers nothing; Calculate, OK, Enter Changes and the
// menus are disabled meanwhile. A request to close the window is answered
// at once, and the window stays until the run has ended. The answer holds
// nothing back: left unanswered, it goes when the run ends, and the run's
// next step (its question) follows.
TEST_F(EgyCalOnQt, InputDuringARunIsDroppedAndACloseWaits) {
  constexpr const char* kRunGoesOn = "The calculation is still running. The window can be closed once it has finished.";
  simulation::frmEgyCal w(*prog, platform);
  w.Show();
  QWidget* window = platform.WindowOf(w);
  ASSERT_NE(window, nullptr);
  platform.ActionOf(w.mnuMAC)->trigger();
  auto* list = qobject_cast<QListWidget*>(platform.WidgetOf(w.lstRun));
  auto* go = platform.WidgetOf(w.cmdGO);
  ASSERT_TRUE(list && go);
  const std::vector<QWidget*> commands{go, platform.WidgetOf(w.cmdOK), platform.WidgetOf(w.cmdAsTyped)};
  QAction* file = platform.ActionOf(w.mnuF);  // the menu that the view leaves usable
  ASSERT_NE(file, nullptr);
  auto runGoesOnShown = [&] {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible() && box->text() == kRunGoesOn)
        return true;
    return false;
  };

  // Every other message box is answered (Yes or OK) and its text kept. The
  // answer to the close request is left to the run, unless it holds the
  // window thread inside the close request, where the run could never end
  // while it is shown: then it is noted and answered.
  std::vector<std::string> said;
  bool inClose = false, heldBack = false;
  QTimer answerer;
  QObject::connect(&answerer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    if (box->text() == kRunGoesOn) {
      if (!inClose) return;
      heldBack = true;
    } else {
      said.push_back(box->text().toStdString());
    }
    QAbstractButton* button = box->button(QMessageBox::Yes);
    if (button == nullptr) button = box->button(QMessageBox::Ok);
    if (button != nullptr) button->click();
  });
  answerer.start(5);

  int coolingRuns = 0;
  std::vector<bool> usableDuringRun;
  bool offered = true, shownDuringRun = false, told = false;
  w.coolingLoadRun = [&](common::Program& p, simulation::RunLog& log) {
    if (++coolingRuns > 1) {  // a run started by input that got through: over at once
      p.sim.SimErr = 1;
      p.sim.SimErrMsg = "A second run";
      return;
    }
    log.Add("Modelling Office - Processing Month No. 1....");
    platform.RunOnWindowThread([&] {
      for (QWidget* c : commands) usableDuringRun.push_back(c->isEnabled());
      usableDuringRun.push_back(file->isEnabled());
      QTest::mouseClick(go, Qt::LeftButton, {}, go->rect().center());
      go->setFocus();
      QTest::keyClick(go, Qt::Key_Space);
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
      offered = w.lstRunRpt.Visible();
      inClose = true;
      window->close();
      inClose = false;
      told = runGoesOnShown();
      shownDuringRun = window->isVisible() && w.IsLoaded();
    });
  };
  int plantRuns = 0;
  w.plantRun = [&](common::Program& p, simulation::RunLog& log) {
    ++plantRuns;
    log.Add("Hour 8760");
    p.sim.ACEgy = {28, 1, 2, 3, 4, 5, 6, 7};
  };
  QTest::mouseClick(go, Qt::LeftButton, {}, go->rect().center());
  QApplication::processEvents();
  answerer.stop();

  EXPECT_EQ(coolingRuns, 1);
  EXPECT_EQ(plantRuns, 1);
  EXPECT_EQ(usableDuringRun, std::vector<bool>(4, false));
  EXPECT_FALSE(offered);
  EXPECT_TRUE(shownDuringRun);
  EXPECT_TRUE(told);
  EXPECT_FALSE(heldBack);
  EXPECT_FALSE(runGoesOnShown());
  EXPECT_EQ(said, std::vector<std::string>{"Proceed to predict air-conditioning energy use?"});
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(w.lstRun.List(w.lstRun.ListCount() - 1), "A/C energy use calculation completed");
  for (QWidget* c : commands) EXPECT_TRUE(c->isEnabled());
  EXPECT_TRUE(file->isEnabled());
  EXPECT_TRUE(platform.WidgetOf(w.cmdEndRun)->isVisible());
  w.Unload();
}

// A run refused for its plant hours after a successful one: Close and the
// earlier energies are gone from the real window, and the long refusal
// wraps within the log's width, read whole without a horizontal scroll bar.
// A successful run after it gives Enter Changes back.
TEST_F(EgyCalOnQt, ARefusedRunAfterASuccessfulOneShowsOnlyItsLog) {
  simulation::frmEgyCal w(*prog, platform);
  w.coolingLoadRun = [](common::Program&, simulation::RunLog& log) { log.Add("Space Load Calculations Finished!"); };
  w.plantRun = [](common::Program& p, simulation::RunLog&) { p.sim.ACEgy = {142993.4f, 1, 2, 3, 4, 5, 6, 7}; };
  w.Show();
  QWidget* window = platform.WindowOf(w);
  ASSERT_NE(window, nullptr);
  platform.ActionOf(w.mnuMAC)->trigger();
  auto* list = qobject_cast<QListWidget*>(platform.WidgetOf(w.lstRun));
  QWidget* close = platform.WidgetOf(w.cmdEndRun);
  auto* total = qobject_cast<QLineEdit*>(platform.WidgetOf(w.txtItem[0]));
  ASSERT_TRUE(list && close && total);
  testsupport::WhenModal<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
  QTest::mouseClick(platform.WidgetOf(w.cmdGO), Qt::LeftButton);
  ASSERT_TRUE(close->isVisible());
  EXPECT_EQ(total->text(), "142993.4");
  Shot(window, "refused-1-successful-run");

  common::CentralPlantData plant;  // start and stop hour 0: no plant hours
  std::string error;
  ASSERT_TRUE(plant_input::WriteCentralPlantFile(folder.Path() + "OFFICE.WSS", "Office", plant, error)) << error;
  QTest::mouseClick(platform.WidgetOf(w.cmdGO), Qt::LeftButton);
  Shot(window, "refused-2-after-the-successful-run");
  EXPECT_FALSE(close->isVisible());
  for (const auto& box : w.txtItem) EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(total->text(), "");
  ASSERT_EQ(list->count(), 3);
  const std::string refusal = list->item(0)->text().toStdString();
  EXPECT_NE(refusal.find("are refused"), std::string::npos) << refusal;
  EXPECT_EQ(w.lstRun.List(0), refusal);  // one row, as the saved run log holds it
  EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
  const QRect row = list->visualItemRect(list->item(0));
  EXPECT_LE(row.right(), list->viewport()->width());
  EXPECT_GE(row.height(), 2 * list->fontMetrics().height());

  // The plant hours mended, a successful run in the same view leaves Enter
  // Changes usable, as after any successful run: a typed value is entered.
  std::filesystem::remove(folder.Path() + "OFFICE.WSS");
  testsupport::WhenModal<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
  QTest::mouseClick(platform.WidgetOf(w.cmdGO), Qt::LeftButton);
  ASSERT_TRUE(close->isVisible());
  QTest::mouseClick(close, Qt::LeftButton);
  QWidget* enter = platform.WidgetOf(w.cmdAsTyped);
  EXPECT_TRUE(enter->isEnabled());
  auto* fans = qobject_cast<QLineEdit*>(platform.WidgetOf(w.txtItem[1]));
  ASSERT_NE(fans, nullptr);
  fans->selectAll();
  QTest::keyClicks(fans, "10");
  QTest::mouseClick(enter, Qt::LeftButton);
  Shot(window, "refused-3-successful-run-entered");
  EXPECT_EQ(prog->sim.ACEgy[1], 10.0f);
  EXPECT_EQ(total->text(), "37");
  w.Unload();
}

TEST_F(EgyCalOnQt, ResultFileWithOtherCountsIsRefused) {
  auto& n = prog->plant.NAC;
  n.NoOfGasSys = 1;
  n.GasName[1] = "Kitchen boiler";
  n.GasSubSys[1] = 1;
  n.GasEgy = {225000, 225000};
  const auto before = n;
  std::string file;
  for (int i = 0; i < 16; ++i) file += "0\r\n";  // 8 + 3 values, five empty lists
  file += "3\r\n1000\r\n2000\r\n3000\r\n";
  const std::string path = folder.Write("OFFICE.EUR", file);

  simulation::frmEgyCal w(*prog, platform);
  w.Show();
  QWidget* window = platform.WindowOf(w);
  ASSERT_NE(window, nullptr);
  platform.ActionOf(w.mnuMGasS)->trigger();
  EXPECT_EQ(w.txtItem[1].Text(), "225000");
  Shot(window, "eur-1-town-gas-before-load");

  testsupport::WhenModal<QFileDialog>([&path](QFileDialog& d) {
    Shot(&d, "eur-2-load-dialog");
    EXPECT_EQ(testsupport::AnswerFileDialog(d, path), "");
  });
  std::string said;
  testsupport::WhenModal<QMessageBox>([&said](QMessageBox& box) {
    said = box.text().toStdString();
    Shot(&box, "eur-3-file-refused-message");
    box.button(QMessageBox::Ok)->click();
  });
  platform.ActionOf(w.mnuFLoad)->trigger();
  EXPECT_EQ(said.rfind("The energy use results could not be loaded (", 0), 0u) << said;
  EXPECT_NE(said.find("3 systems using town gas where the project has 1"), std::string::npos) << said;
  EXPECT_EQ(n, before);

  platform.ActionOf(w.mnuMGasS)->trigger();
  EXPECT_EQ(w.lblItem[1].Caption(), " 1: Kitchen boiler (MJ)");
  EXPECT_EQ(w.txtItem[1].Text(), "225000");
  EXPECT_FALSE(w.txtItem[2].Visible());
  Shot(window, "eur-4-town-gas-unchanged");
  w.Unload();
}

}  // namespace
