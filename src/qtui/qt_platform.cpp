#include "qtui/qt_platform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QMessageBox>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <atomic>
#include <exception>
#include <thread>

#include "forms/form.h"
#include "forms/menu.h"
#include "forms/picture_box.h"
#include "qtui/file_dialogs.h"
#include "qtui/fonts.h"
#include "qtui/form_window.h"
#include "qtui/guard.h"
#include "qtui/held_keys.h"
#include "qtui/message_box.h"
#include "qtui/picture_loader.h"
#include "qtui/picture_painter.h"
#include "qtui/xlsx_workbook.h"

namespace qtui {

QtPlatform::QtPlatform() : context_(std::make_unique<QObject>()), heldKeys_(std::make_unique<HeldKeys>()) {}

QtPlatform::~QtPlatform() {
  std::map<const forms::Form*, FormWindow*> windows;
  windows.swap(windows_);
  for (auto& [form, window] : windows) delete window;  // detaches from the model
  DeleteDiscarded();
}

FormWindow* QtPlatform::Find(const forms::Form& form) const {
  auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second;
}

forms::MsgResult QtPlatform::MessageBox(const std::string& text, forms::MsgButtons buttons, const std::string& title) {
  forms::MsgResult result = forms::MsgResult::Cancel;
  RunOnWindowThread([&] { result = ShowMessageBox(text, buttons, title); });
  return result;
}

void QtPlatform::RunOnWindowThread(const std::function<void()>& call) {
  QObject* context = context_.get();
  if (QThread::currentThread() == context->thread()) {
    call();
    return;
  }
  std::exception_ptr failure;
  QMetaObject::invokeMethod(
      context,
      [&call, &failure] {
        try {
          call();
        } catch (...) {
          failure = std::current_exception();
        }
      },
      Qt::BlockingQueuedConnection);
  if (failure) std::rethrow_exception(failure);
}

namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

}  // namespace

// While a run holds the window thread, or runs away from it, no form's
// handlers may run in the middle of it. Clicks and keys aimed at the
// program's windows are dropped, not kept for afterwards (when they would
// act on what the run has changed: a second run, say); message boxes and
// dialogs shown during the run take them as usual. A request to close one
// of the windows is answered at once: the run must finish first. The answer
// waits for no one: the run goes on and ends while it is shown, and takes
// it away when it ends, when it is no longer true.
class QtPlatform::RunGuard : public QObject {
 public:
  explicit RunGuard(const QtPlatform& platform) : platform_(platform) {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
  }
  ~RunGuard() override {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
    if (told_) told_->close();
  }
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::Close) {
      if (!watched->isWidgetType() || platform_.FormWindowOf(watched) != static_cast<QWidget*>(watched)) return false;
      event->ignore();
      if (!told_) told_ = OpenMessageBox(kRunGoesOn, static_cast<QWidget*>(watched));
      return true;
    }
    if (type == QEvent::ShortcutOverride) {
      // Taken by the window, so that no shortcut of its menus fires; the key
      // itself is dropped next.
      if (platform_.FormWindowOf(watched) == nullptr) return false;
      event->accept();
      return true;
    }
    if (!IsUserInput(type)) return false;
    // A menu entry's shortcut, or input for a widget of a form window or for
    // the window system's window under it.
    return qobject_cast<QAction*>(watched) != nullptr || platform_.FormWindowOf(watched) != nullptr;
  }

 private:
  static constexpr const char* kRunGoesOn =
      "The calculation is still running. The window can be closed once it has finished.";
  const QtPlatform& platform_;
  QPointer<QMessageBox> told_;  // the answer while it is shown
};

QWidget* QtPlatform::FormWindowOf(QObject* object) const {
  if (object == nullptr) return nullptr;
  if (object->isWidgetType()) {
    QWidget* window = static_cast<QWidget*>(object)->window();
    for (const auto& [form, w] : windows_)
      if (w == window) return w;
    return nullptr;
  }
  if (object->isWindowType()) {
    for (const auto& [form, w] : windows_)
      if (static_cast<QObject*>(w->windowHandle()) == object) return w;
  }
  return nullptr;
}

void QtPlatform::RunOffWindowThread(const std::function<void()>& task) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr || QThread::currentThread() != context_->thread()) {
    task();
    return;
  }
  RunGuard guard(*this);
  std::exception_ptr failure;
  std::atomic<bool> done{false};
  std::thread worker([&] {
    try {
      task();
    } catch (...) {
      failure = std::current_exception();
    }
    done = true;
    // Wakes the window thread, which may be waiting for events.
    QMetaObject::invokeMethod(
        context_.get(), [] {}, Qt::QueuedConnection);
  });
  // Not an event loop of its own, which the program's end would leave early
  // while the task still runs: the window thread keeps serving the task's
  // calls until it has ended.
  while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  worker.join();
  if (failure) std::rethrow_exception(failure);
}

void QtPlatform::ShowForm(forms::Form& form, bool modal) {
  if (ended_) return;
  FormWindow* window = Find(form);
  if (window == nullptr) {
    window = new FormWindow(form, [this](FormWindow& w) {
      // The Form object is being destroyed: drop its window.
      for (auto it = windows_.begin(); it != windows_.end(); ++it) {
        if (it->second == &w) {
          windows_.erase(it);
          break;
        }
      }
      Discard(&w);
    });
    windows_[&form] = window;
  }
  if (modal) {
    if (window->isVisible() && window->windowModality() != Qt::ApplicationModal) window->hide();
    window->setWindowModality(Qt::ApplicationModal);
  } else if (!window->isVisible()) {
    window->setWindowModality(Qt::NonModal);
  }
  if (window->isVisible()) {
    window->raise();  // shown again: to the front
  } else {
    window->show();
  }
  window->activateWindow();
  if (!modal) return;

  QPointer<FormWindow> guard(window);
  QEventLoop loop;
  QEventLoop* outer = window->ModalLoop();
  window->SetModalLoop(&loop);
  if (form.Visible() && form.IsLoaded() && !ended_) loop.exec(QEventLoop::DialogExec);
  if (guard) guard->SetModalLoop(outer);
}

void QtPlatform::HideForm(forms::Form& form) {
  FormWindow* window = Find(form);
  if (window == nullptr) return;
  window->hide();
  if (QEventLoop* loop = window->ModalLoop()) loop->quit();
}

void QtPlatform::UnloadForm(forms::Form& form) {
  FormWindow* window = Find(form);
  if (window == nullptr) return;
  windows_.erase(&form);
  Discard(window);
  if (endWhenLastUnloaded_ && windows_.empty()) {
    WhenIdle(context_.get(), [this] {
      if (windows_.empty() && !ended_) QCoreApplication::exit(0);
    });
  }
}

void QtPlatform::Discard(FormWindow* window) {
  if (QEventLoop* loop = window->ModalLoop()) loop->quit();
  window->Detach();
  window->hide();
  discarded_.emplace_back(window);
  WhenIdle(context_.get(), [this] { DeleteDiscarded(); });
}

void QtPlatform::DeleteDiscarded() {
  std::vector<QPointer<FormWindow>> discarded;
  discarded.swap(discarded_);
  for (QPointer<FormWindow>& w : discarded) delete w.data();
}

bool QtPlatform::CanLoadPicture(const std::string& path) { return Picture::Load(path).has_value(); }

void QtPlatform::PutClipboardPicture(const forms::PictureBox& picture) {
  QGuiApplication::clipboard()->setImage(RenderDrawing(picture));
}

void QtPlatform::ClearClipboard() { QGuiApplication::clipboard()->clear(); }

std::unique_ptr<forms::Workbook> QtPlatform::NewWorkbook() { return std::make_unique<XlsxWorkbook>(); }

double QtPlatform::TextWidthTwips(const forms::Font& font, const std::string& text) {
  return qtui::TextWidthTwips(font, text);
}

double QtPlatform::TextHeightTwips(const forms::Font& font) { return qtui::TextHeightTwips(font); }

void QtPlatform::RepaintNow() {
  if (QThread::currentThread() != context_->thread() || QCoreApplication::instance() == nullptr) return;
  RunGuard guard(*this);
  QCoreApplication::processEvents();
}

void QtPlatform::EndProgram() {
  ended_ = true;
  for (auto& [form, window] : windows_) {
    window->hide();
    if (QEventLoop* loop = window->ModalLoop()) loop->quit();
  }
  if (QCoreApplication::instance() == nullptr) return;
  QCoreApplication::exit(0);
  // Also when the program's event loop has not started yet.
  QTimer::singleShot(0, context_.get(), [] { QCoreApplication::exit(0); });
}

QWidget* QtPlatform::WindowOf(const forms::Form& form) const { return Find(form); }

QWidget* QtPlatform::WidgetOf(const forms::Control& control) const {
  FormWindow* window = Find(control.OwnerForm());
  return window == nullptr ? nullptr : window->WidgetOf(control);
}

QAction* QtPlatform::ActionOf(const forms::Menu& menu) const {
  FormWindow* window = Find(menu.OwnerForm());
  return window == nullptr ? nullptr : window->ActionOf(menu);
}

std::optional<std::string> QtPlatform::ShowOpenDialog(const forms::FileDialogRequest& request) {
  std::optional<std::string> chosen;
  RunOnWindowThread([&] { chosen = RunFileDialog(request, true); });
  return chosen;
}

std::optional<std::string> QtPlatform::ShowSaveDialog(const forms::FileDialogRequest& request) {
  std::optional<std::string> chosen;
  RunOnWindowThread([&] { chosen = RunFileDialog(request, false); });
  return chosen;
}

}  // namespace qtui
