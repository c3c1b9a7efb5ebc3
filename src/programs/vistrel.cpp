// Vistrel: the slide viewer.
#include <QApplication>

#include "common/paths.h"
#include "qtui/qt_platform.h"
#include "slideviewer/frm_slide_show.h"
#include "slideviewer/slide_tables.h"

int main(int argc, char** argv) {
  common::AnchorSettingsFolder();
  QApplication application(argc, argv);
  QApplication::setApplicationName("Vistrel");
  qtui::QtPlatform platform;
  slideviewer::ModSldpara slides;
  slideviewer::frmMain window(platform, slides);
  window.Show();
  return QApplication::exec();
}
