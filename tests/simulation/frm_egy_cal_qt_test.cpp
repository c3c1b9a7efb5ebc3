// The energy calculation window on the real Qt platform: an energy use
// result file saved for other systems (three town-gas systems where the
// project has one) is refused through the real dialog, and the systems and
// their energies stay as they were.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <memory>
#include <string>

#include "qtui/qt_platform.h"
#include "simulation/frm_egy_cal.h"
#include "support/qt_window_shots.h"
#include "support/temp_folder.h"

namespace {

using testsupport::Shot;

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
