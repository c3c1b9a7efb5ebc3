// Showing, hiding, closing and unloading forms through the Qt platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <optional>

#include "qtui/qt_platform.h"
#include "sample_form.h"

namespace {

using qtui_test::DialogForm;
using qtui_test::SampleForm;

class FormLifecycleTest : public ::testing::Test {
 protected:
  FormLifecycleTest() { platform.SetEndWhenLastFormUnloaded(false); }
  qtui::QtPlatform platform;
  SampleForm form{platform};
  DialogForm dialog{platform};
};

TEST_F(FormLifecycleTest, ModalShowReturnsWhenTheFormHidesItself) {
  form.Show();
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(platform.WindowOf(dialog)->isVisible());
    EXPECT_EQ(platform.WindowOf(dialog)->windowModality(), Qt::ApplicationModal);
    static_cast<QPushButton*>(platform.WidgetOf(dialog.cmdClose))->click();  // its handler hides the form
  });
  dialog.Show(true);
  EXPECT_FALSE(dialog.Visible());
  ASSERT_NE(platform.WindowOf(dialog), nullptr);
  EXPECT_FALSE(platform.WindowOf(dialog)->isVisible());
  EXPECT_TRUE(dialog.IsLoaded());

  // Shown again modelessly, it is no longer modal.
  dialog.Show();
  EXPECT_EQ(platform.WindowOf(dialog)->windowModality(), Qt::NonModal);
}

TEST_F(FormLifecycleTest, ModalShowReturnsWhenTheFormUnloads) {
  QTimer::singleShot(0, [&] { dialog.Unload(); });
  dialog.Show(true);
  EXPECT_FALSE(dialog.IsLoaded());
  EXPECT_EQ(platform.WindowOf(dialog), nullptr);
}

TEST_F(FormLifecycleTest, ClosingByTheFrameAsksTheModel) {
  form.Show();
  QWidget* window = platform.WindowOf(form);
  form.refuseClose = true;
  EXPECT_FALSE(window->close());  // Qt never closes it by itself
  EXPECT_EQ(form.queryUnloads, 1);
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_TRUE(window->isVisible());

  form.refuseClose = false;
  window->close();
  EXPECT_EQ(form.queryUnloads, 2);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(platform.WindowOf(form), nullptr);
}

TEST_F(FormLifecycleTest, UnloadDestroysTheWidgetsAndShowBuildsThemAgain) {
  form.Show();
  form.txtName.SetText("kept");
  QPointer<QWidget> oldWindow = platform.WindowOf(form);
  form.Unload();
  EXPECT_EQ(platform.WindowOf(form), nullptr);
  EXPECT_EQ(form.txtName.View(), nullptr);  // no view points at the old widgets
  EXPECT_EQ(form.View(), nullptr);
  ASSERT_FALSE(oldWindow.isNull());
  EXPECT_FALSE(oldWindow->isVisible());
  QApplication::processEvents();
  EXPECT_TRUE(oldWindow.isNull());

  form.txtName.SetText("changed while unloaded");
  form.Show();
  EXPECT_EQ(form.loads, 2);
  auto* edit = dynamic_cast<QLineEdit*>(platform.WidgetOf(form.txtName));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), "changed while unloaded");
}

TEST_F(FormLifecycleTest, AHandlerMayUnloadAndShowItsOwnFormAgain) {
  form.Show();
  form.cmdOK.OnClick = [&] {
    form.Unload();
    form.Show();
  };
  static_cast<QPushButton*>(platform.WidgetOf(form.cmdOK))->click();
  QApplication::processEvents();
  EXPECT_TRUE(form.Visible());
  ASSERT_NE(platform.WindowOf(form), nullptr);
  EXPECT_TRUE(platform.WindowOf(form)->isVisible());
}

TEST_F(FormLifecycleTest, EndProgramClosesEveryWindowAndLeavesModalLoops) {
  form.Show();
  QTimer::singleShot(0, [&] { platform.EndProgram(); });
  dialog.Show(true);  // returns although the form is still shown in the model
  EXPECT_FALSE(platform.WindowOf(form)->isVisible());
  EXPECT_FALSE(platform.WindowOf(dialog)->isVisible());
  // Let a later event loop run again in this test program.
  QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
}

TEST(QtPlatformLifetime, FormsAndPlatformMayGoInEitherOrder) {
  std::optional<qtui::QtPlatform> platform(std::in_place);
  platform->SetEndWhenLastFormUnloaded(false);
  {
    SampleForm early(*platform);
    early.Show();
  }  // the form goes first: its window follows
  SampleForm late(*platform);
  late.Show();
  late.grdData.SetTextMatrix(1, 1, "x");
  platform.reset();  // the platform goes first: the form is left without views
  EXPECT_EQ(late.View(), nullptr);
  EXPECT_EQ(late.txtName.View(), nullptr);
  late.txtName.SetText("still works");
  EXPECT_EQ(late.nameChanges, 1);
}

TEST(QtPlatformLifetime, TheEventLoopEndsWhenTheLastFormUnloads) {
  qtui::QtPlatform platform;
  DialogForm dialog(platform);
  dialog.Show();
  QTimer::singleShot(0, [&] { dialog.Unload(); });
  // A loop that does not end holds the test until ctest's timeout.
  EXPECT_EQ(QCoreApplication::exec(), 0);
}

}  // namespace
