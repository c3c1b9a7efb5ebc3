// Each program's first window on the real Qt platform (offscreen): its
// caption and controls, a click on a real Qt widget reaching the model's
// handler, and a model change reaching the widget.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "app/windows.h"
#include "calculator/frm_calculator.h"
#include "qtui/qt_platform.h"
#include "slideviewer/frm_slide_show.h"
#include "support/temp_folder.h"

namespace {

TEST(ProgramsSmoke, OstrevoMainWindow) {
  testsupport::TempFolder folder;
  setenv("OSTREVO_HOME", (folder.Path() + "home").c_str(), 1);
  qtui::QtPlatform platform;
  platform.SetEndWhenLastFormUnloaded(false);
  auto prog = std::make_unique<common::Program>();
  app::Windows windows(*prog, platform);
  app::frmMain main(*prog, platform, windows);
  main.Show();

  QWidget* window = platform.WindowOf(main);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), "LCA/LCC for VL Commercial Buildings");
  auto* enter = dynamic_cast<QPushButton*>(platform.WidgetOf(main.cmdEnterProjName));
  ASSERT_NE(enter, nullptr);
  EXPECT_EQ(enter->text(), "Enter");
  EXPECT_EQ(enter->geometry(), QRect(471, 16, 89, 25));  // 7065, 240, 1335, 375 twips

  // A menu entry triggered in Qt runs the model's command.
  QAction* weights = platform.ActionOf(main.mnuEditWeights);
  ASSERT_NE(weights, nullptr);
  weights->trigger();
  EXPECT_EQ(main.PicMain.PrintedTexts().back(), "   Viewed weighting factors");

  // Typing in the real box reaches the model; a model change shows there.
  auto* name = dynamic_cast<QLineEdit*>(platform.WidgetOf(main.txtProjName));
  ASSERT_NE(name, nullptr);
  QTest::keyClicks(name, "Tower");
  EXPECT_EQ(main.txtProjName.Text(), "Tower");
  main.txtProjFName.SetText("/projects/TOWER.PRJ");
  EXPECT_EQ(dynamic_cast<QLineEdit*>(platform.WidgetOf(main.txtProjFName))->text(), "/projects/TOWER.PRJ");
  unsetenv("OSTREVO_HOME");
}

TEST(ProgramsSmoke, CalculatorButtonsReachTheModel) {
  qtui::QtPlatform platform;
  platform.SetEndWhenLastFormUnloaded(false);
  calculator::frmCalculator window(platform);
  window.Show();
  EXPECT_EQ(platform.WindowOf(window)->windowTitle(), "Calculator");
  auto* pi = dynamic_cast<QPushButton*>(platform.WidgetOf(window.cmdOp[9]));
  ASSERT_NE(pi, nullptr);
  EXPECT_EQ(pi->text(), "Y = pi");
  QTest::mouseClick(pi, Qt::LeftButton);
  EXPECT_EQ(window.txtValue[0].Text(), "3.141593");
  EXPECT_EQ(dynamic_cast<QLineEdit*>(platform.WidgetOf(window.txtValue[0]))->text(), "3.141593");
}

TEST(ProgramsSmoke, SlideViewerWindow) {
  qtui::QtPlatform platform;
  platform.SetEndWhenLastFormUnloaded(false);
  slideviewer::frmMain window(platform);
  window.Show();
  EXPECT_EQ(platform.WindowOf(window)->windowTitle(), "Slide Show");
  EXPECT_NE(dynamic_cast<QLabel*>(platform.WidgetOf(window.lblMessage)), nullptr);
}

}  // namespace
