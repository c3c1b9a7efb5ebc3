// Vistrel: the slide viewer.
#include <QApplication>

#include "qtui/qt_platform.h"
#include "slideviewer/frm_slide_show.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Vistrel");
  qtui::QtPlatform platform;
  slideviewer::frmMain window(platform);
  window.Show();
  return QApplication::exec();
}
