// Each program's first window on the real Qt platform (offscreen): its
// caption and controls, a click on a real Qt widget reaching the model's
// handler, and a model change reaching the widget.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "app/windows.h"
#include "calculator/frm_calculator.h"
#include "qtui/fonts.h"
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
  EXPECT_EQ(enter->geometry(), qtui::ToPixels(7065, 240, 1335, 375));

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

// Vistrel on the supplied data folder: a chapter chosen in the real
// drop-down lists its slides and draws slide 1; Find selects a slide.
TEST(ProgramsSmoke, SlideViewerWindow) {
  testsupport::TempFolder folder;
  setenv("OSTREVO_HOME", (folder.Path() + "home").c_str(), 1);
  folder.Write("home/Ostrevo_Str.TXT", "\"" OSTREVO_SOURCE_DIR "/data/\"\r\n");
  qtui::QtPlatform platform;
  platform.SetEndWhenLastFormUnloaded(false);
  slideviewer::ModSldpara slides;
  slideviewer::frmMain window(platform, slides);
  window.Show();
  EXPECT_EQ(platform.WindowOf(window)->windowTitle(), "Slide Show");
  auto* message = dynamic_cast<QLabel*>(platform.WidgetOf(window.lblMessage));
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->text(), "Click Select Chapter dropdown list to select chapter");

  auto* chapters = dynamic_cast<QComboBox*>(platform.WidgetOf(window.cboChLst));
  ASSERT_NE(chapters, nullptr);
  ASSERT_EQ(chapters->count(), 3);
  emit chapters->activated(1);
  auto* list = dynamic_cast<QListWidget*>(platform.WidgetOf(window.lstSlides));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->count(), slides.NoOfSld + 1);
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(chapters->currentIndex(), 0);
  const QImage picture = platform.WidgetOf(window.Image1)->grab().toImage();
  EXPECT_EQ(picture.size(), QSize(qtui::ToPixels(12000), qtui::ToPixels(9000)));
  EXPECT_NE(picture.pixelColor(20, 20), picture.pixelColor(picture.width() / 2, picture.height() / 2));

  QTest::keyClicks(dynamic_cast<QLineEdit*>(platform.WidgetOf(window.txtSrch)), "Weighting");
  auto* find = dynamic_cast<QPushButton*>(platform.WidgetOf(window.cmdSrch));
  ASSERT_NE(find, nullptr);
  EXPECT_EQ(find->text(), "Find");
  QTest::mouseClick(find, Qt::LeftButton);
  EXPECT_EQ(list->currentItem()->text(), "6 Weighting into One Score");
  unsetenv("OSTREVO_HOME");
}

}  // namespace
