// Calculator: the numeric stack calculator and present-worth calculator.
#include <QApplication>

#include "calculator/frm_calculator.h"
#include "qtui/qt_platform.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Calculator");
  qtui::QtPlatform platform;
  calculator::frmCalculator window(platform);
  window.Show();
  return QApplication::exec();
}
