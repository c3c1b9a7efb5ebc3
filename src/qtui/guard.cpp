#include "qtui/guard.h"

#include <QPointer>
#include <QTimer>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "qtui/message_box.h"

namespace qtui {

namespace {

// Guarded calls in progress (windows live in the GUI thread only).
int guardDepth = 0;

struct IdleTask {
  QPointer<QObject> context;
  std::function<void()> task;
};
std::vector<IdleTask>& PendingIdleTasks() {
  static std::vector<IdleTask> tasks;
  return tasks;
}

void Post(QObject* context, std::function<void()> task) {
  QTimer::singleShot(0, context, [context, task = std::move(task)]() mutable {
    if (guardDepth > 0) {
      WhenIdle(context, std::move(task));
      return;
    }
    task();
  });
}

}  // namespace

void Guarded(const std::function<void()>& call) {
  struct Depth {
    Depth() { ++guardDepth; }
    ~Depth() {
      if (--guardDepth == 0 && !PendingIdleTasks().empty()) {
        std::vector<IdleTask> tasks = std::move(PendingIdleTasks());
        PendingIdleTasks().clear();
        for (IdleTask& t : tasks)
          if (t.context) Post(t.context, std::move(t.task));
      }
    }
  } depth;
  auto show = [](const std::string& text) {
    try {
      ShowMessageBox(text, forms::MsgButtons::OK, "");
    } catch (...) {
      // Nothing more can be shown; the program keeps running.
    }
  };
  try {
    call();
  } catch (const std::exception& e) {
    show(e.what());
  } catch (...) {
    show("Unexpected error");
  }
}

void WhenIdle(QObject* context, std::function<void()> task) {
  if (context == nullptr) return;
  if (guardDepth > 0) {
    PendingIdleTasks().push_back({context, std::move(task)});
    return;
  }
  Post(context, std::move(task));
}

}  // namespace qtui
