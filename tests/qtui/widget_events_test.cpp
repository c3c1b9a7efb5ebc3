// The user's actions on the real widgets (mouse and key events sent to the
// widget, offscreen) reach the model as the events the windows rely on,
// in their order; and what the model holds is what the widgets show.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "forms/keys.h"
#include "qtui/fonts.h"
#include "qtui/qt_platform.h"
#include "recording_form.h"
#include "support/qt_window_shots.h"

namespace {

using Log = std::vector<std::string>;
using qtui_test::RecordingForm;

class WidgetEvents : public ::testing::Test {
 protected:
  WidgetEvents() {
    platform.SetEndWhenLastFormUnloaded(false);
    form.Show();
    QWidget* window = platform.WindowOf(form);
    window->activateWindow();
    testsupport::ProcessEventsUntil([window] { return window->isActiveWindow(); });
    active = window->isActiveWindow();
    form.TakeLog();
  }
  template <class W>
  W* Widget(const forms::Control& control) {
    return dynamic_cast<W*>(platform.WidgetOf(control));
  }
  QTableWidget* Table() { return platform.WidgetOf(form.msgA)->findChild<QTableWidget*>(); }
  QPoint RowCentre(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }
  void ClickRow(int row) {
    auto* list = Widget<QListWidget>(form.lstA);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, row));
  }
  void ClickCell(int row, int col) {
    const QPoint at = Table()->visualItemRect(Table()->item(row, col)).center();
    QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, at);
  }
  // Opens the drop-down's list and clicks a row in it.
  void ChooseInPopup(QComboBox* combo, int row) {
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
  }

  qtui::QtPlatform platform;
  RecordingForm form{platform};
  bool active = false;
};

TEST_F(WidgetEvents, ButtonsChecksAndOptions) {
  struct Step {
    const char* what;
    std::function<void()> act;
    Log events;
  };
  auto* go = Widget<QPushButton>(form.cmdGo);
  auto* check = Widget<QCheckBox>(form.chkA);
  auto* second = Widget<QRadioButton>(form.optA[1]);
  const Step steps[] = {
      {"click the button", [&] { QTest::mouseClick(go, Qt::LeftButton); }, {"cmdGo_Click"}},
      {"space on the button", [&] { go->setFocus(), QTest::keyClick(go, Qt::Key_Space); }, {"cmdGo_Click"}},
      {"disabled button", [&] { form.cmdGo.SetEnabled(false), QTest::mouseClick(go, Qt::LeftButton); }, {}},
      {"check on", [&] { QTest::mouseClick(check, Qt::LeftButton); }, {"chkA_Click"}},
      {"check off", [&] { QTest::mouseClick(check, Qt::LeftButton); }, {"chkA_Click"}},
      {"option on", [&] { QTest::mouseClick(second, Qt::LeftButton); }, {"optA(1)_Click"}},
      {"option already on", [&] { QTest::mouseClick(second, Qt::LeftButton); }, {}},
      {"label", [&] { QTest::mouseClick(Widget<QLabel>(form.lblA), Qt::LeftButton); }, {"lblA_Click"}},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    s.act();
    EXPECT_EQ(form.TakeLog(), s.events);
  }
  EXPECT_EQ(form.chkA.Value(), 0);
  EXPECT_FALSE(check->isChecked());
  EXPECT_TRUE(form.optA[1].Value());
  EXPECT_TRUE(second->isChecked());
}

TEST_F(WidgetEvents, TextBoxTypingEnterAndFocusChange) {
  ASSERT_TRUE(active);
  auto* a = Widget<QLineEdit>(form.txtA);
  QTest::mouseClick(a, Qt::LeftButton);
  EXPECT_EQ(form.TakeLog(), Log{"txtA_GotFocus"});
  QTest::keyClicks(a, "ab");
  EXPECT_EQ(form.TakeLog(), (Log{"txtA_KeyDown 65", "txtA_KeyPress 97", "txtA_Change", "txtA_KeyDown 66",
                                 "txtA_KeyPress 98", "txtA_Change"}));
  QTest::keyClick(a, Qt::Key_Return);
  EXPECT_EQ(form.TakeLog(), (Log{"txtA_KeyDown 13", "txtA_KeyPress 13"}));
  QTest::keyClick(a, Qt::Key_Backspace);
  EXPECT_EQ(form.TakeLog(), (Log{"txtA_KeyDown 8", "txtA_KeyPress 8", "txtA_Change"}));
  EXPECT_EQ(form.txtA.Text(), "a");
  QTest::mouseClick(Widget<QLineEdit>(form.txtB), Qt::LeftButton);
  EXPECT_EQ(form.TakeLog(), (Log{"txtA_LostFocus", "txtB_GotFocus"}));
  EXPECT_EQ(form.ActiveControl(), &form.txtB);
  form.txtA.SetText("from code");
  EXPECT_EQ(a->text(), "from code");
  EXPECT_EQ(form.TakeLog(), Log{"txtA_Change"});
}

// A user's click on a row raises Click, also on the row already chosen;
// a row chosen from code raises it only on a change.
TEST_F(WidgetEvents, ListClicksAlwaysReachTheModel) {
  ASSERT_TRUE(active);
  auto* list = Widget<QListWidget>(form.lstA);
  ClickRow(1);
  EXPECT_EQ(form.TakeLog(), Log{"lstA_Click"});
  ClickRow(1);
  EXPECT_EQ(form.TakeLog(), Log{"lstA_Click"});
  form.lstA.SetListIndex(1);
  EXPECT_EQ(form.TakeLog(), Log{});
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 2));
  EXPECT_EQ(form.TakeLog(), (Log{"lstA_Click", "lstA_DblClick"}));
  EXPECT_EQ(form.lstA.ListIndex(), 2);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(form.TakeLog(), (Log{"lstA_KeyDown 40", "lstA_Click"}));
  EXPECT_EQ(form.lstA.ListIndex(), 3);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(form.TakeLog(), Log{"lstA_KeyDown 13"});
  // A click below the last row chooses nothing.
  form.lstA.SetListIndex(-1);
  form.TakeLog();
  list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
  EXPECT_EQ(form.lstA.TopIndex(), list->verticalScrollBar()->maximum());
  EXPECT_EQ(form.TakeLog(), Log{});
  EXPECT_EQ(list->currentRow(), -1);
}

// Nothing is chosen when the focus enters a list with no row chosen.
TEST_F(WidgetEvents, FocusIntoAListChoosesNoRow) {
  ASSERT_TRUE(active);
  auto* list = Widget<QListWidget>(form.lstA);
  QTest::mouseClick(Widget<QLineEdit>(form.txtB), Qt::LeftButton);
  QTest::keyClick(Widget<QLineEdit>(form.txtB), Qt::Key_Tab);  // on to the list
  ASSERT_TRUE(list->hasFocus());
  form.lstA.SetFocus();
  EXPECT_EQ(form.lstA.ListIndex(), -1);
  EXPECT_EQ(list->currentRow(), -1);
  EXPECT_TRUE(list->selectedItems().isEmpty());
  EXPECT_EQ(form.TakeLog(), (Log{"txtB_GotFocus", "txtB_LostFocus"}));
}

TEST_F(WidgetEvents, EditableDropDownChoosesTypesAndRechooses) {
  auto* combo = Widget<QComboBox>(form.cboEdit);
  ASSERT_TRUE(combo->isEditable());
  ChooseInPopup(combo, 1);
  EXPECT_EQ(form.TakeLog(), Log{"cboEdit_Click"});
  EXPECT_EQ(form.cboEdit.Text(), "Steel");
  ChooseInPopup(combo, 1);  // the same row again: still the user's click
  EXPECT_EQ(form.TakeLog(), Log{"cboEdit_Click"});
  combo->lineEdit()->selectAll();
  QTest::keyClicks(combo->lineEdit(), "Br");
  EXPECT_EQ(form.TakeLog(), (Log{"cboEdit_Change", "cboEdit_Change"}));
  EXPECT_EQ(form.cboEdit.ListIndex(), -1);
  EXPECT_EQ(form.cboEdit.Text(), "Br");
}

// A drop-down list takes no typing: a letter chooses the row it begins.
TEST_F(WidgetEvents, DropDownListTakesNoTyping) {
  auto* combo = Widget<QComboBox>(form.cboList);
  EXPECT_FALSE(combo->isEditable());
  EXPECT_EQ(combo->lineEdit(), nullptr);
  ChooseInPopup(combo, 2);
  EXPECT_EQ(form.TakeLog(), Log{"cboList_Click"});
  EXPECT_EQ(form.cboList.Text(), "Timber");
  QTest::keyClick(combo, Qt::Key_S);
  EXPECT_EQ(form.cboList.ListIndex(), 1);
  EXPECT_EQ(form.cboList.Text(), "Steel");
  EXPECT_EQ(combo->currentText(), "Steel");
  EXPECT_EQ(form.TakeLog(), Log{"cboList_Click"});
  form.cboList.SetListIndex(-1);
  EXPECT_EQ(combo->currentIndex(), -1);
  EXPECT_EQ(combo->currentText(), "");
}

// Clearing a list, or removing its chosen row, empties what it shows.
TEST_F(WidgetEvents, ClearingADropDownEmptiesItsText) {
  for (forms::ComboBox* c : {&form.cboEdit, &form.cboList}) {
    SCOPED_TRACE(c->Name());
    auto* combo = Widget<QComboBox>(*c);
    c->SetListIndex(1);
    c->Clear();
    EXPECT_EQ(c->Text(), "");
    EXPECT_EQ(combo->currentText(), "");
    for (const char* row : {"1", "2", "3"}) c->AddItem(row);
    c->SetListIndex(2);
    c->RemoveItem(2);
    EXPECT_EQ(c->ListIndex(), -1);
    EXPECT_EQ(c->Text(), "");
    EXPECT_EQ(combo->currentText(), "");
  }
  form.TakeLog();
}

TEST_F(WidgetEvents, PictureAndImageClicks) {
  QWidget* picture = platform.WidgetOf(form.picA);
  QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(form.TakeLog(), Log{"picA_Click"});
  form.imgA.SetVisible(true);
  QWidget* image = platform.WidgetOf(form.imgA);
  QTest::mouseClick(image, Qt::LeftButton, {}, image->rect().center());
  EXPECT_EQ(form.TakeLog(), Log{"imgA_Click"});
  QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(picture->width() - 3, picture->height() - 3));
  EXPECT_EQ(form.TakeLog(), Log{"picA_Click"});
  form.picA.SetEnabled(false);
  QTest::mouseClick(image, Qt::LeftButton, {}, image->rect().center());
  EXPECT_EQ(form.TakeLog(), Log{});
}

TEST_F(WidgetEvents, GridCellClickInPlaceEditKeysAndScrollBar) {
  ASSERT_TRUE(active);
  ClickCell(2, 1);
  EXPECT_EQ(form.TakeLog(), (Log{"msgA_LeaveCell", "msgA_EnterCell", "msgA_Click"}));
  auto* box = Widget<QLineEdit>(form.txtCell);
  ASSERT_TRUE(box->isVisible());
  EXPECT_TRUE(box->hasFocus());
  const QPoint cell = Table()->visualItemRect(Table()->item(2, 1)).topLeft();
  EXPECT_EQ(box->geometry().topLeft(), platform.WidgetOf(form.msgA)->geometry().topLeft() + cell);
  QTest::keyClicks(box, "7.5");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(form.TakeLog(), Log{"txtCell_Enter"});
  EXPECT_EQ(form.msgA.TextMatrix(2, 1), "7.5");
  QApplication::processEvents();
  EXPECT_EQ(Table()->item(2, 1)->text(), "7.5");
  EXPECT_FALSE(box->isVisible());

  QTest::mouseDClick(Table()->viewport(), Qt::LeftButton, {}, Table()->visualItemRect(Table()->item(2, 2)).center());
  Log dbl = form.TakeLog();
  ASSERT_FALSE(dbl.empty());
  EXPECT_EQ(dbl.back(), "msgA_DblClick");

  Table()->setFocus();
  form.TakeLog();
  QTest::keyClick(Table(), Qt::Key_Down);
  EXPECT_EQ(form.TakeLog(), (Log{"msgA_KeyDown 40", "msgA_LeaveCell", "msgA_EnterCell"}));
  EXPECT_EQ(form.msgA.Row(), 3);
  QTest::keyClick(Table(), Qt::Key_Left);  // the fixed column is never current
  EXPECT_EQ(form.msgA.Col(), 1);
  form.TakeLog();

  auto* bar = platform.WidgetOf(form.msgA)->findChild<QScrollBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_FALSE(bar->isHidden());
  EXPECT_EQ(bar->value(), bar->minimum());  // the thumb at the top while row 1 shows first
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(form.TakeLog(), Log{"msgA_Scroll"});
  EXPECT_EQ(form.msgA.TopRow(), 2);
}

TEST_F(WidgetEvents, MenusByMouseAndByAccessKeys) {
  ASSERT_TRUE(active);
  QWidget* window = platform.WindowOf(form);
  auto* bar = window->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  QAction* file = platform.ActionOf(form.mnuFile);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
  QMenu* menu = file->menu();
  ASSERT_TRUE(menu->isVisible());
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(platform.ActionOf(form.mnuFileOpen)).center());
  EXPECT_EQ(form.TakeLog(), (Log{"mnuFile_Click", "mnuFileOpen_Click"}));

  QTest::keyClick(window, Qt::Key_E, Qt::AltModifier);
  QMenu* edit = platform.ActionOf(form.mnuEdit)->menu();
  testsupport::ProcessEventsUntil([edit] { return edit->isVisible(); });
  QTest::keyClick(edit, Qt::Key_C);
  EXPECT_EQ(form.TakeLog(), Log{"mnuEditCopy_Click"});

  form.mnuFileExit.SetEnabled(false);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
  ASSERT_TRUE(menu->isVisible());
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(platform.ActionOf(form.mnuFileExit)).center());
  menu->close();
  EXPECT_EQ(form.TakeLog(), Log{"mnuFile_Click"});
}

// Back colours of boxes, labels and picture boxes, and frames that hide
// what lies under them.
TEST_F(WidgetEvents, BackColoursAndOpaqueFrames) {
  const QColor face = QApplication::palette().color(QPalette::Button);
  form.txtB.SetBackColor(forms::kButtonFace);
  form.lblA.SetBackColor(0x00FFFF);
  form.picA.SetBackColor(0xFF0000);
  const QImage text = Widget<QLineEdit>(form.txtB)->grab().toImage();
  EXPECT_EQ(text.pixelColor(text.width() / 2, text.height() / 2), face);
  const QImage label = Widget<QLabel>(form.lblA)->grab().toImage();
  EXPECT_EQ(label.pixelColor(label.width() - 2, label.height() - 2), QColor(0x00, 0xFF, 0xFF));
  const QImage picture = platform.WidgetOf(form.picA)->grab().toImage();
  EXPECT_EQ(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(0xFF, 0x00, 0x00));

  // A frame brought over the list hides it.
  form.fraOpt.Move(120, 1080, 2400, 1000);
  form.fraOpt.ZOrder();
  QWidget* window = platform.WindowOf(form);
  QWidget* list = platform.WidgetOf(form.lstA);
  const QPoint overList = list->mapTo(window, list->rect().center());
  const QColor shown = window->grab().toImage().pixelColor(overList);
  EXPECT_NE(shown, list->palette().color(QPalette::Base));
  EXPECT_LE(std::abs(shown.lightness() - face.lightness()), 8);
}

// Progress callbacks on another thread update boxes, pictures and message
// boxes through the window thread, and wait for it.
TEST_F(WidgetEvents, WorkerThreadUpdatesGoThroughTheWindowThread) {
  std::atomic<bool> done{false};
  forms::MsgResult answer = forms::MsgResult::Cancel;
  QTimer answerer;
  QObject::connect(&answerer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      box->button(QMessageBox::Yes)->click();
  });
  answerer.start(5);
  std::vector<bool> onWindowThread;
  std::thread worker([&] {
    for (int i = 1; i <= 40; ++i) {
      platform.RunOnWindowThread([&, i] {
        onWindowThread.push_back(QThread::currentThread() == QApplication::instance()->thread());
        form.txtA.SetText("step " + std::to_string(i));
        form.picA.Print("line " + std::to_string(i));
        form.lstA.AddItem("log " + std::to_string(i));
      });
    }
    answer = platform.MessageBox("Proceed?", forms::MsgButtons::YesNo, "");
    done = true;
  });
  while (!done) QTest::qWait(2);
  worker.join();
  EXPECT_EQ(onWindowThread, std::vector<bool>(40, true));
  EXPECT_EQ(answer, forms::MsgResult::Yes);
  EXPECT_EQ(form.txtA.Text(), "step 40");
  EXPECT_EQ(Widget<QLineEdit>(form.txtA)->text(), "step 40");
  EXPECT_EQ(form.picA.PrintedTexts().size(), 40u);
  EXPECT_EQ(Widget<QListWidget>(form.lstA)->count(), 49);
  // On the window thread itself the call runs at once.
  bool ran = false;
  platform.RunOnWindowThread([&] { ran = true; });
  EXPECT_TRUE(ran);
}

// Clicks and keys that come in while a handler's long run lets the windows
// repaint are dropped: not handled in the middle of the run, nor kept for
// afterwards. Once the run is over they reach the window again.
TEST_F(WidgetEvents, InputComingInWhileARunRepaintsIsDropped) {
  auto* go = Widget<QPushButton>(form.cmdGo);
  auto* box = Widget<QLineEdit>(form.txtA);
  const QPoint at = go->rect().center();
  auto comeIn = [&] {
    QCoreApplication::postEvent(go, new QMouseEvent(QEvent::MouseButtonPress, at, go->mapToGlobal(at), Qt::LeftButton,
                                                    Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(go, new QMouseEvent(QEvent::MouseButtonRelease, at, go->mapToGlobal(at), Qt::LeftButton,
                                                    Qt::NoButton, Qt::NoModifier));
    QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z"));
  };
  comeIn();
  platform.RepaintNow();
  QApplication::processEvents();
  EXPECT_EQ(form.TakeLog(), Log{});
  EXPECT_EQ(box->text(), "");
  comeIn();
  QApplication::processEvents();
  EXPECT_EQ(form.TakeLog(), (Log{"cmdGo_Click", "txtA_KeyDown 90", "txtA_KeyPress 122", "txtA_Change"}));
}

}  // namespace
