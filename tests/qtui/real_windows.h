#pragma once
// The program's own windows on the Qt platform, driven through their real
// widgets. With OSTREVO_SHOT_DIR set, Shot() saves a window's picture
// there as PNG, so a person can look at what the test saw.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/windows.h"
#include "common/program.h"
#include "forms/form.h"
#include "forms/menu.h"
#include "qtui/qt_platform.h"
#include "support/qt_window_shots.h"
#include "support/temp_folder.h"

namespace qtui_test {

class RealWindows : public ::testing::Test {
 protected:
  RealWindows() {
    setenv("OSTREVO_HOME", (folder.Path() + "home").c_str(), 1);
    platform.SetEndWhenLastFormUnloaded(false);
    // Message boxes are answered with the next of `answers`, then as
    // `answersTo` says, then with `answer`, and their texts kept; file
    // dialogs are answered with the next of `fileAnswers` as the user types
    // it, or cancelled when none is left.
    QObject::connect(&answerer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        const std::string text = box->text().toStdString();
        messages.push_back(text);
        QMessageBox::StandardButton reply = answer;
        for (const auto& [part, button] : answersTo)
          if (text.find(part) != std::string::npos) reply = button;
        if (!answers.empty()) {
          reply = answers.front();
          answers.pop_front();
        }
        QAbstractButton* button = box->button(reply);
        if (button == nullptr) button = box->buttons().value(0);
        if (button != nullptr) button->click();
      } else if (auto* files = qobject_cast<QFileDialog*>(modal); files != nullptr && !fileAnswers.empty()) {
        // The user types once the dialog is the active window; until then
        // the next tick looks again.
        if (!files->isActiveWindow()) return;
        const std::string answer = fileAnswers.front();
        fileAnswers.pop_front();
        if (const std::string wrong = testsupport::AnswerFileDialog(*files, answer); !wrong.empty())
          ADD_FAILURE() << wrong;
      } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      }
    });
    answerer_.start(5);
  }
  ~RealWindows() override {
    unsetenv("OSTREVO_HOME");
    // A test that ended the program leaves the application ending every
    // event loop at once; the application's own loop, run and ended here,
    // lets the next test's dialogs run again.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QApplication::exec();
  }

  template <class W>
  W* Widget(const forms::Control& control) {
    return dynamic_cast<W*>(platform.WidgetOf(control));
  }
  QWidget* Window(const forms::Form& form) { return platform.WindowOf(form); }
  // Clicks the middle of a control's widget.
  void Click(const forms::Control& control) {
    QWidget* w = platform.WidgetOf(control);
    ASSERT_NE(w, nullptr) << control.FullName();
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
  }
  // A click or double-click as the window system delivers it: each press
  // goes to the widget under the pointer at that moment (a double-click's
  // second press lands on whatever its first one laid over the spot).
  void ClickAt(QWidget* widget, QPoint at) {
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, at));
  }
  void DoubleClickAt(QWidget* widget, QPoint at) {
    QWidget* window = widget->window();
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, at));
  }
  // The middle of a list's row; a click there.
  QPoint RowCentre(const forms::ListBox& list, int row) {
    auto* rows = Widget<QListWidget>(list);
    return rows->visualItemRect(rows->item(row)).center();
  }
  void ClickRow(const forms::ListBox& list, int row) {
    ClickAt(Widget<QListWidget>(list)->viewport(), RowCentre(list, row));
  }
  void DoubleClick(const forms::Control& control) {
    QWidget* w = platform.WidgetOf(control);
    ASSERT_NE(w, nullptr) << control.FullName();
    DoubleClickAt(w, w->rect().center());
  }
  // Runs `act` once, when `form` is the modal window on top (it opens
  // within the user's action that follows).
  void WhenShownModal(const forms::Form& form, std::function<void()> act) {
    auto* timer = new QTimer(&pending_);
    QObject::connect(timer, &QTimer::timeout, [this, timer, &form, act] {
      QWidget* window = Window(form);
      if (window == nullptr || !window->isVisible() || QApplication::activeModalWidget() != window) return;
      timer->stop();
      timer->deleteLater();
      act();
    });
    timer->start(5);
  }
  // Closes `form`'s window by its frame once it is shown modally.
  void CloseWhenShownModal(const forms::Form& form) {
    WhenShownModal(form, [this, &form] { Window(form)->close(); });
  }
  // Makes the form's window the active one, as the window system does when
  // the user comes back to it (after a modal window closed, say).
  void Activate(const forms::Form& form) {
    QWidget* window = Window(form);
    window->activateWindow();
    testsupport::ProcessEventsUntil([window] { return window->isActiveWindow(); });
  }
  // A key pressed on the window: it goes to the widget with the focus.
  void Key(const forms::Form& form, Qt::Key key) { QTest::keyClick(Window(form)->windowHandle(), key); }
  // Chooses a menu entry with the mouse: its menu on the menu bar, then
  // each submenu, then the entry.
  void ChooseMenu(const forms::Menu& entry) {
    std::vector<const forms::Menu*> path;
    for (const forms::Menu* m = &entry; m != nullptr; m = m->Parent()) path.insert(path.begin(), m);
    QWidget* window = platform.WindowOf(entry.OwnerForm());
    ASSERT_NE(window, nullptr) << entry.Name();
    auto* bar = window->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr) << entry.Name();
    QAction* action = platform.ActionOf(*path.front());
    ASSERT_NE(action, nullptr) << entry.Name();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
    for (size_t i = 1; i < path.size(); ++i) {
      QMenu* menu = action->menu();
      ASSERT_NE(menu, nullptr) << entry.Name();
      testsupport::ProcessEventsUntil([menu] { return menu->isVisible(); });
      action = platform.ActionOf(*path[i]);
      ASSERT_NE(action, nullptr) << entry.Name();
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }
  }
  // Chooses a row of a drop-down in its opened list, as the user does.
  void Choose(const forms::Control& control, int row) {
    auto* combo = Widget<QComboBox>(control);
    ASSERT_NE(combo, nullptr) << control.FullName();
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseMove(view->viewport(), at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    // A short list may keep its popup open on the release; Enter takes the
    // row the click made current.
    if (view->isVisible()) QTest::keyClick(view, Qt::Key_Return);
  }
  void Shot(const forms::Form& form, const std::string& name) {
    const char* dir = std::getenv("OSTREVO_SHOT_DIR");
    QWidget* window = platform.WindowOf(form);
    if (dir == nullptr || window == nullptr) return;
    QApplication::processEvents();
    QDir().mkpath(QString::fromLocal8Bit(dir));
    window->grab().save(QString::fromLocal8Bit(dir) + "/" + QString::fromStdString(name) + ".png");
  }

  QMessageBox::StandardButton answer = QMessageBox::Ok;
  // A message box whose text holds one of these parts is answered with its
  // button instead of `answer`; `answers`, while any is left, come first.
  std::map<std::string, QMessageBox::StandardButton> answersTo;
  std::deque<QMessageBox::StandardButton> answers;
  std::vector<std::string> messages;
  std::deque<std::string> fileAnswers;
  testsupport::TempFolder folder;
  qtui::QtPlatform platform;
  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  app::Windows windows{prog, platform};

 private:
  QTimer answerer_;
  QObject pending_;  // the timers of WhenShownModal
};

}  // namespace qtui_test
