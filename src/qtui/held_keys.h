#pragma once
// A key held down repeats its press. The repeats belong to the window that
// took the first press: the key that closed a message box or a dialog does
// not go on acting in the window that comes back to the front, nor does a
// key that opened one close it again at once.
#include <QObject>
#include <QPointer>
#include <map>

class QWidget;

namespace qtui {

// Installed on the application while it lives.
class HeldKeys : public QObject {
 public:
  HeldKeys();
  ~HeldKeys() override;
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Per key held, the window its first press went to (null once closed).
  std::map<int, QPointer<QWidget>> pressedIn_;
};

}  // namespace qtui
