#pragma once
// The guard through which every call from a Qt signal into the model goes:
// no exception crosses into Qt's event loop, and windows are deleted only
// when no such call is running (a handler may unload its own window).
#include <QObject>
#include <functional>

namespace qtui {

// Runs a call into the model; an exception it throws is shown in a message
// box and goes no further.
void Guarded(const std::function<void()>& call);
// Runs `task` from the event loop once no guarded call is running; dropped
// when `context` is destroyed first.
void WhenIdle(QObject* context, std::function<void()> task);

}  // namespace qtui
