// The Qt tests need a QApplication: this main makes one (on the offscreen
// platform unless another is asked for) before running the tests.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName("Ostrevo");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
