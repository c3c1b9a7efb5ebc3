// The energy calculation window on the real Qt platform: the simulations
// run away from the window thread while the window stays live and shows
// their progress; an energy use result file saved for other systems (three
// town-gas systems where the project has one) is refused through the real
// dialog, and the systems and their energies stay as they were.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "qtui/qt_platform.h"
#include "simulation/frm_egy_cal.h"
#include "support/qt_window_shots.h"
#include "support/temp_folder.h"

namespace {

using testsupport::Shot;

// Calculate on the air conditioning: the cooling loads are computed on a
// thread of their own. While they are, the window thread keeps running (its
// timer ticks, the window repaints), each month's line is in the real list
// as it comes, and the window keeps the state of a running calculation: the
// log over the rows, no Close button, the Calculate menu disabled. Then the
// question, the plant run, and the values with Close.
TEST(EgyCalOnQt, TheRunGoesOnAwayFromTheWindowThread) {
  testsupport::TempFolder folder;
  qtui::QtPlatform platform;
  platform.SetEndWhenLastFormUnloaded(false);
  auto prog = std::make_unique<common::Program>();
  prog->building.Bldg.ProjFile = folder.Path() + "OFFICE.PRJ";
  prog->building.ProjDir = folder.Path();
  prog->energyInput.EciFile = "OFFICE.ECI";
  prog->energyInput.AssFile = "OFFICE.ASS";
  prog->energyInput.ConsFile = "OFFICE.CON";
  prog->plant.WssFile = "OFFICE.WSS";
  prog->plant.NacFile = "OFFICE.NAC";

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

TEST(EgyCalOnQt, ResultFileWithOtherCountsIsRefused) {
  testsupport::TempFolder folder;
  qtui::QtPlatform platform;
  platform.SetEndWhenLastFormUnloaded(false);
  auto prog = std::make_unique<common::Program>();
  auto& b = prog->building;
  b.Bldg.ProjFile = folder.Path() + "OFFICE.PRJ";
  b.ProjDir = folder.Path();
  prog->energyInput.EciFile = "OFFICE.ECI";
  prog->energyInput.AssFile = "OFFICE.ASS";
  prog->energyInput.ConsFile = "OFFICE.CON";
  prog->plant.WssFile = "OFFICE.WSS";
  prog->plant.NacFile = "OFFICE.NAC";
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
    d.selectFile(QString::fromStdString(path));
    Shot(&d, "eur-2-load-dialog");
    static_cast<QDialog&>(d).accept();  // QFileDialog::accept, as its Open button
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
