#include "qtui/held_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace qtui {

HeldKeys::HeldKeys() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

HeldKeys::~HeldKeys() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool HeldKeys::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) ||
      !watched->isWidgetType())
    return false;
  auto* key = static_cast<QKeyEvent*>(event);
  QWidget* window = static_cast<QWidget*>(watched)->window();
  if (!key->isAutoRepeat()) {
    // A shortcut takes the first press before any widget sees it.
    if (type == QEvent::KeyRelease) {
      pressedIn_.erase(key->key());
    } else {
      pressedIn_[key->key()] = window;
    }
    return false;
  }
  const auto it = pressedIn_.find(key->key());
  if (it != pressedIn_.end() && it->second == window) return false;
  // A repeat of a key pressed in another window: neither a shortcut nor
  // the widget acts on it.
  if (type == QEvent::ShortcutOverride) event->accept();
  return true;
}

}  // namespace qtui
