// Ostrevo: the main program, starting in its main window.
#include <QApplication>
#include <memory>

#include "app/main_window.h"
#include "app/windows.h"
#include "common/paths.h"
#include "common/program.h"
#include "qtui/qt_platform.h"

int main(int argc, char** argv) {
  common::AnchorSettingsFolder();
  QApplication application(argc, argv);
  QApplication::setApplicationName("Ostrevo");
  qtui::QtPlatform platform;
  auto prog = std::make_unique<common::Program>();
  app::Windows windows(*prog, platform);
  app::frmMain main(*prog, platform, windows);
  main.Show();
  return QApplication::exec();
}
