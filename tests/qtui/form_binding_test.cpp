// The widgets of a shown form: where they are, what they show, and the
// binding both ways (user actions reach the model's handlers once; model
// changes reach the widgets without echo).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "forms/keys.h"
#include "qtui/fonts.h"
#include "qtui/qt_platform.h"
#include "sample_form.h"
#include "support/qt_window_shots.h"

namespace {

using qtui_test::SampleForm;

class FormBindingTest : public ::testing::Test {
 protected:
  FormBindingTest() {
    platform.SetEndWhenLastFormUnloaded(false);
    form.Show();
  }
  template <class W>
  W* WidgetOf(const forms::Control& control) {
    return dynamic_cast<W*>(platform.WidgetOf(control));
  }
  QTableWidget* Table() { return platform.WidgetOf(form.grdData)->findChild<QTableWidget*>(); }

  qtui::QtPlatform platform;
  SampleForm form{platform};
};

TEST_F(FormBindingTest, EveryControlIsAWidgetAtItsTwipRectangle) {
  QWidget* window = platform.WindowOf(form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Sample window");
  using qtui::ToPixels;
  EXPECT_EQ(window->pos(), QPoint(ToPixels(1500), ToPixels(1500)));
  auto* button = WidgetOf<QPushButton>(form.cmdOK);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->parentWidget()->size(), QSize(ToPixels(7200), ToPixels(5400)));  // the client area
  EXPECT_EQ(button->geometry(), ToPixels(120, 120, 1215, 375));
  EXPECT_EQ(button->text(), "&OK");

  auto* label = WidgetOf<QLabel>(form.lblTitle);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "Project name");
  EXPECT_EQ(label->geometry(), ToPixels(1500, 120, 2400, 255));
  auto* text = WidgetOf<QLineEdit>(form.txtName);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->geometry(), ToPixels(120, 600, 2400, 285));
  auto* list = WidgetOf<QListWidget>(form.lstItems);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->item(2)->text(), "Services");
  auto* combo = WidgetOf<QComboBox>(form.cboKind);
  ASSERT_NE(combo, nullptr);
  EXPECT_TRUE(combo->isEditable());
  EXPECT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->geometry(), ToPixels(2100, 1020, 1800, 315));

  // Option buttons sit in their frame, at positions relative to it.
  auto* frame = WidgetOf<QGroupBox>(form.fraMode);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->title(), "Mode");
  auto* optA = WidgetOf<QRadioButton>(form.optA);
  ASSERT_NE(optA, nullptr);
  EXPECT_EQ(optA->parentWidget(), frame);
  EXPECT_EQ(optA->geometry(), ToPixels(120, 300, 2400, 255));
  EXPECT_EQ(optA->text(), "&Reference");
  auto* check = WidgetOf<QCheckBox>(form.chkShow);
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(check->text(), "&Show results");

  ASSERT_NE(Table(), nullptr);
  EXPECT_EQ(platform.WidgetOf(form.grdData)->geometry(), ToPixels(120, 2400, 4200, 1500));
  EXPECT_EQ(Table()->rowCount(), 12);
  EXPECT_EQ(Table()->columnCount(), 3);
  EXPECT_EQ(Table()->columnWidth(1), ToPixels(2700) - ToPixels(1200));  // its edges in twips
  EXPECT_EQ(Table()->rowHeight(3), ToPixels(4 * 240) - ToPixels(3 * 240));
  EXPECT_EQ(Table()->item(0, 1)->text(), "Value");
  EXPECT_EQ(Table()->item(0, 1)->background().color(), QColor(0xC0, 0xC0, 0xC0));  // fixed row
  EXPECT_EQ(Table()->item(2, 1)->text(), "42");
  EXPECT_EQ(platform.WidgetOf(form.picChart)->geometry(), ToPixels(4500, 2400, 2400, 1500));
}

TEST_F(FormBindingTest, MenuBarFollowsTheModel) {
  auto* bar = platform.WindowOf(form)->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 2);
  EXPECT_EQ(bar->actions()[0]->text(), "&File");
  QAction* open = platform.ActionOf(form.mnuFileOpen);
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->text(), "&Open...");
  EXPECT_TRUE(platform.ActionOf(form.mnuFileSep)->isSeparator());
  QAction* grid = platform.ActionOf(form.mnuViewGrid);
  EXPECT_TRUE(grid->isCheckable());
  EXPECT_TRUE(grid->isChecked());

  open->trigger();
  EXPECT_EQ(form.openClicks, 1);
  grid->trigger();  // Qt toggles the mark; the model keeps it
  EXPECT_EQ(form.gridMenuClicks, 1);
  EXPECT_TRUE(grid->isChecked());

  form.mnuViewGrid.SetChecked(false);
  EXPECT_FALSE(grid->isChecked());
  form.mnuFileOpen.SetEnabled(false);
  EXPECT_FALSE(open->isEnabled());
  form.mnuFileExit.SetVisible(false);
  EXPECT_FALSE(platform.ActionOf(form.mnuFileExit)->isVisible());
  form.mnuFileOpen.SetCaption("&Open project...");
  EXPECT_EQ(open->text(), "&Open project...");
  open->trigger();  // disabled in the model: nothing runs
  EXPECT_EQ(form.openClicks, 1);

  // Opening a menu runs its own Click first.
  emit platform.ActionOf(form.mnuFile)->menu()->aboutToShow();
  EXPECT_EQ(form.fileMenuOpened, 1);
}

TEST_F(FormBindingTest, ButtonClickRunsTheHandlerOnce) {
  auto* button = WidgetOf<QPushButton>(form.cmdOK);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(form.okClicks, 1);
  button->click();
  EXPECT_EQ(form.okClicks, 2);

  form.cmdOK.SetEnabled(false);
  EXPECT_FALSE(button->isEnabled());
  form.cmdOK.SetCaption("Go");
  EXPECT_EQ(button->text(), "Go");
  form.cmdOK.SetVisible(false);
  EXPECT_TRUE(button->isHidden());
  form.cmdOK.Move(240, 240, 1500, 450);
  EXPECT_EQ(button->geometry(), qtui::ToPixels(240, 240, 1500, 450));
}

TEST_F(FormBindingTest, ModelChangesShowWithoutRaisingHandlersAgain) {
  form.txtName.SetText("Office block");
  EXPECT_EQ(WidgetOf<QLineEdit>(form.txtName)->text(), "Office block");
  EXPECT_EQ(form.nameChanges, 1);

  form.lstItems.SetListIndex(1);
  EXPECT_EQ(WidgetOf<QListWidget>(form.lstItems)->currentRow(), 1);
  EXPECT_EQ(form.listClicks, 1);
  form.lstItems.AddItem("Contents", 0);  // the chosen row keeps its item
  EXPECT_EQ(WidgetOf<QListWidget>(form.lstItems)->item(0)->text(), "Contents");
  EXPECT_EQ(WidgetOf<QListWidget>(form.lstItems)->currentRow(), 2);
  EXPECT_EQ(form.listClicks, 1);

  form.cboKind.SetListIndex(2);
  EXPECT_EQ(WidgetOf<QComboBox>(form.cboKind)->currentText(), "Timber");
  EXPECT_EQ(form.comboClicks, 1);
  EXPECT_EQ(form.comboChanges, 0);

  form.chkShow.SetValue(1);
  EXPECT_TRUE(WidgetOf<QCheckBox>(form.chkShow)->isChecked());
  EXPECT_EQ(form.checkClicks, 1);

  form.optB.SetValue(true);
  EXPECT_TRUE(WidgetOf<QRadioButton>(form.optB)->isChecked());
  EXPECT_EQ(form.optBClicks, 1);
  form.optA.SetValue(true);
  EXPECT_TRUE(WidgetOf<QRadioButton>(form.optA)->isChecked());
  EXPECT_FALSE(WidgetOf<QRadioButton>(form.optB)->isChecked());
  EXPECT_EQ(form.optBClicks, 1);

  form.lblTitle.SetCaption("Changed");
  EXPECT_EQ(WidgetOf<QLabel>(form.lblTitle)->text(), "Changed");
  form.SetCaption("Renamed");
  EXPECT_EQ(platform.WindowOf(form)->windowTitle(), "Renamed");
}

TEST_F(FormBindingTest, TypingReachesTheModelThroughKeyDownAndKeyPress) {
  auto* edit = WidgetOf<QLineEdit>(form.txtName);
  QTest::keyClick(edit, 'H', Qt::ShiftModifier);
  QTest::keyClick(edit, 'i');
  EXPECT_EQ(form.txtName.Text(), "Hi");
  EXPECT_EQ(edit->text(), "Hi");
  EXPECT_EQ(form.nameChanges, 2);
  EXPECT_EQ(form.keyPresses, (std::vector<int>{'H', 'i'}));
  const std::vector<SampleForm::KeyDownRecord> expected{
      {16, forms::keys::ShiftMask}, {'H', forms::keys::ShiftMask}, {'I', 0}};
  EXPECT_EQ(form.keyDowns, expected);

  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(form.txtName.Text(), "H");
  EXPECT_EQ(form.keyPresses.back(), 8);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(form.keyDowns.back().key, forms::keys::Return);
  EXPECT_EQ(form.keyPresses.back(), 13);
  QTest::keyClick(edit, Qt::Key_Left);
  EXPECT_EQ(form.keyDowns.back().key, forms::keys::Left);
  EXPECT_EQ(form.txtName.Text(), "H");
}

TEST_F(FormBindingTest, KeyPressCanSwallowOrReplaceACharacter) {
  auto* edit = WidgetOf<QLineEdit>(form.txtName);
  QTest::keyClicks(edit, "bxa");
  EXPECT_EQ(edit->text(), "bA");
  EXPECT_EQ(form.txtName.Text(), "bA");
  EXPECT_EQ(form.nameChanges, 2);
}

TEST_F(FormBindingTest, TypingInTheMiddleKeepsTheCursor) {
  form.txtName.SetText("wall");
  auto* edit = WidgetOf<QLineEdit>(form.txtName);
  edit->setCursorPosition(2);
  QTest::keyClicks(edit, "Z");
  EXPECT_EQ(form.txtName.Text(), "waZll");
  EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST_F(FormBindingTest, MultiLineTextBoxKeepsCrLfInTheModel) {
  form.txtName.SetMultiLine(true);  // the widget kind changes with it
  auto* edit = WidgetOf<QPlainTextEdit>(form.txtName);
  ASSERT_NE(edit, nullptr);
  form.txtName.SetText("one\r\ntwo");
  EXPECT_EQ(edit->toPlainText(), "one\ntwo");
  edit->moveCursor(QTextCursor::End);
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClicks(edit, "3");
  EXPECT_EQ(form.txtName.Text(), "one\r\ntwo\r\n3");
}

TEST_F(FormBindingTest, UserChoicesInListsReachTheModel) {
  auto* list = WidgetOf<QListWidget>(form.lstItems);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
  EXPECT_EQ(form.lstItems.ListIndex(), 2);
  EXPECT_EQ(form.listClicks, 1);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
  EXPECT_EQ(form.listDblClicks, 1);
  EXPECT_EQ(form.listClicks, 1);

  auto* combo = WidgetOf<QComboBox>(form.cboKind);
  combo->setCurrentIndex(1);
  emit combo->activated(1);
  EXPECT_EQ(form.cboKind.ListIndex(), 1);
  EXPECT_EQ(form.cboKind.Text(), "Steel");
  EXPECT_EQ(form.comboClicks, 1);
  combo->lineEdit()->clear();
  QTest::keyClicks(combo, "Brick");
  EXPECT_EQ(form.cboKind.Text(), "Brick");
  EXPECT_EQ(form.cboKind.ListIndex(), -1);
  EXPECT_EQ(form.comboChanges, 5);
}

TEST_F(FormBindingTest, CheckAndOptionClicksFollowTheModelsRules) {
  auto* check = WidgetOf<QCheckBox>(form.chkShow);
  check->click();
  EXPECT_EQ(form.chkShow.Value(), 1);
  check->click();
  EXPECT_EQ(form.chkShow.Value(), 0);
  EXPECT_FALSE(check->isChecked());
  EXPECT_EQ(form.checkClicks, 2);

  form.optOutside.SetValue(true);
  auto* a = WidgetOf<QRadioButton>(form.optA);
  auto* b = WidgetOf<QRadioButton>(form.optB);
  a->click();
  b->click();
  EXPECT_TRUE(form.optB.Value());
  EXPECT_FALSE(form.optA.Value());
  EXPECT_FALSE(a->isChecked());
  b->click();  // clicking the button already on keeps it on, runs nothing
  EXPECT_TRUE(b->isChecked());
  EXPECT_EQ(form.optBClicks, 1);
  EXPECT_EQ(form.optAClicks, 1);
  EXPECT_TRUE(form.optOutside.Value());  // another container, another group
  EXPECT_TRUE(WidgetOf<QRadioButton>(form.optOutside)->isChecked());
}

TEST_F(FormBindingTest, GridClicksScrollingAndCurrentCell) {
  QTableWidget* table = Table();
  const QColor highlight = table->palette().color(QPalette::Highlight);
  EXPECT_EQ(table->item(1, 1)->background().color(), highlight);  // the current cell

  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(3, 2)).center());
  EXPECT_EQ(form.grdData.Row(), 3);
  EXPECT_EQ(form.grdData.Col(), 2);
  EXPECT_EQ(form.gridClicks, 1);
  EXPECT_EQ(table->item(3, 2)->background().color(), highlight);
  EXPECT_NE(table->item(1, 1)->background().color(), highlight);
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(3, 2)).center());
  EXPECT_EQ(form.gridDblClicks, 1);
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(0, 1)).center());
  EXPECT_EQ(form.gridClicks, 1);  // fixed cells are not chosen

  QTest::keyClick(table, Qt::Key_Down);
  EXPECT_EQ(form.grdData.Row(), 4);

  // Scrolled-off rows are hidden; the fixed row stays, as the model's geometry says.
  form.grdData.SetTopRow(4);
  QApplication::processEvents();
  EXPECT_TRUE(table->isRowHidden(2));
  EXPECT_FALSE(table->isRowHidden(0));
  EXPECT_EQ(table->visualItemRect(table->item(4, 1)).top(), qtui::ToPixels(form.grdData.RowPos(4)));
  EXPECT_EQ(form.gridScrolls, 1);

  auto* bar = platform.WidgetOf(form.grdData)->findChild<QScrollBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_FALSE(bar->isHidden());
  bar->setValue(6);  // the user scrolls
  EXPECT_EQ(form.grdData.TopRow(), 6);
  EXPECT_EQ(form.gridScrolls, 2);

  form.grdData.SetTextMatrix(5, 2, "7.5");
  QApplication::processEvents();
  EXPECT_EQ(table->item(5, 2)->text(), "7.5");
}

TEST_F(FormBindingTest, FocusGoesToTheModelBothWays) {
  QWidget* window = platform.WindowOf(form);
  window->activateWindow();
  testsupport::ProcessEventsUntil([window] { return window->isActiveWindow(); });
  WidgetOf<QLineEdit>(form.txtName)->setFocus();
  EXPECT_EQ(form.ActiveControl(), &form.txtName);
  form.lstItems.SetFocus();
  EXPECT_TRUE(WidgetOf<QListWidget>(form.lstItems)->hasFocus());
  EXPECT_EQ(form.ActiveControl(), &form.lstItems);
}

TEST_F(FormBindingTest, AnExceptionInAHandlerIsShownAndGoesNoFurther) {
  form.throwOnClick = true;
  QString shown;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      box->accept();
    }
  });
  WidgetOf<QPushButton>(form.cmdOK)->click();
  EXPECT_EQ(shown, "Simulated failure");
  EXPECT_EQ(form.okClicks, 1);
}

TEST_F(FormBindingTest, CaptionsShrinkToFitTheirRectangle) {
  auto* button = WidgetOf<QPushButton>(form.cmdOK);
  const double normal = button->font().pointSizeF();
  EXPECT_NEAR(normal, 8.25, 0.01);  // MS Sans Serif 8.25 shows at its own size
  // A caption longer than its box still shows whole, in a smaller size.
  form.cmdOK.SetCaption("A much longer caption than fits");
  EXPECT_LT(button->font().pointSizeF(), normal);
  QFontMetricsF metrics(button->font());
  EXPECT_TRUE(metrics.horizontalAdvance("A much longer caption than fits") <= button->width() - 8 ||
              button->font().pointSizeF() <= 6.0);
}

}  // namespace
