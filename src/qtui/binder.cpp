#include "qtui/binder.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThread>

#include "forms/form.h"
#include "qtui/fonts.h"
#include "qtui/guard.h"
#include "qtui/key_codes.h"

namespace qtui {

Binder::Binder(forms::Control& control) : control_(&control) {}

Binder::~Binder() { Detach(); }

void Binder::SetWidget(QWidget* widget) { widget_ = widget; }

void Binder::Route(QWidget* input) { input->installEventFilter(this); }

void Binder::Attach() {
  if (!control_ || !widget_) return;
  SyncCommon();
  SyncAll();
  control_->Attach(this);
}

void Binder::Detach() {
  if (!control_) return;
  if (control_->View() == this) control_->Attach(nullptr);
  Forget();
}

void Binder::ModelDestroyed() { Forget(); }

void Binder::Forget() {
  OnDetached();
  control_ = nullptr;
}

void Binder::SyncCommon() {
  ApplyGeometry();
  widget_->setFont(ToQFont(control_->Font()));
  widget_->setEnabled(control_->Enabled());
  widget_->setVisible(control_->Visible());
}

void Binder::ApplyGeometry() {
  widget_->setGeometry(ToPixels(control_->Left(), control_->Top(), control_->Width(), control_->Height()));
}

void Binder::Changed(forms::Prop what) {
  // A model changed on another thread: the widget is updated by its own.
  if (QThread::currentThread() != thread()) {
    QMetaObject::invokeMethod(
        this, [this, what] { Changed(what); }, Qt::BlockingQueuedConnection);
    return;
  }
  if (!control_ || !widget_) return;
  switch (what) {
    case forms::Prop::Geometry:
      ApplyGeometry();
      break;
    case forms::Prop::Visible:
      widget_->setVisible(control_->Visible());
      break;
    case forms::Prop::Enabled:
      widget_->setEnabled(control_->Enabled());
      break;
    case forms::Prop::Font:
      widget_->setFont(ToQFont(control_->Font()));
      break;
    case forms::Prop::Focus:
      if (!widget_->hasFocus()) widget_->setFocus(Qt::OtherFocusReason);
      break;
    case forms::Prop::ZOrder:
      widget_->raise();
      break;
    default:
      break;
  }
  Update(what);
}

bool Binder::Call(const std::function<void()>& action) {
  if (!control_) return false;
  QPointer<Binder> self(this);
  Guarded(action);
  return self && self->control_ != nullptr;
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
  if (!control_) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn: {
      forms::Control* c = control_;
      Call([c] { c->OwnerForm().MoveFocus(c); });
      break;
    }
    case QEvent::KeyPress:
      return KeyPressed(static_cast<QKeyEvent*>(event));
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

bool Binder::KeyPressed(QKeyEvent* event) {
  forms::Control* c = control_;
  const int code = KeyDownCode(*event);
  // The key as the handlers left it: a form that previews keys may replace
  // it or swallow it (0), and the control then acts on that.
  int left = code;
  if (code != 0) {
    const int shift = ShiftState(event->modifiers());
    if (!Call([c, code, shift, &left] { left = c->OwnerForm().KeyDown(c, code, shift); })) return true;
  }
  if (AfterKeyDown(event, left)) return true;
  const int typed = KeyPressAscii(*event);
  if (typed == 0) return false;
  int result = typed;
  const bool attached = Call([c, &result] {
    c->OwnerForm().PreviewKeyPress(result);
    if (result != 0 && c->OnKeyPress) c->OnKeyPress(result);
  });
  if (!attached) return true;
  return CharTyped(event, typed, result);
}

bool Binder::AfterKeyDown(QKeyEvent* event, int keyCode) {
  (void)event, (void)keyCode;
  return false;
}

bool Binder::CharTyped(QKeyEvent* event, int typed, int result) {
  (void)event, (void)typed;
  return result == 0;
}

std::unique_ptr<Binder> CreateBinder(forms::Control& control, QWidget* parent) {
  using K = forms::ControlKind;
  switch (control.Kind()) {
    case K::CommandButton:
      return MakeCommandButtonBinder(control, parent);
    case K::Label:
      return MakeLabelBinder(control, parent);
    case K::TextBox:
      return MakeTextBoxBinder(control, parent);
    case K::ListBox:
      return MakeListBoxBinder(control, parent);
    case K::ComboBox:
      return MakeComboBoxBinder(control, parent);
    case K::CheckBox:
      return MakeCheckBoxBinder(control, parent);
    case K::OptionButton:
      return MakeOptionButtonBinder(control, parent);
    case K::Frame:
      return MakeFrameBinder(control, parent);
    case K::Line:
      return MakeLineBinder(control, parent);
    case K::Image:
      return MakeImageBinder(control, parent);
    case K::PictureBox:
      return MakePictureBoxBinder(control, parent);
    case K::Grid:
      return MakeGridBinder(control, parent);
  }
  return nullptr;
}

Qt::Alignment ToQtAlignment(forms::Alignment a) {
  switch (a) {
    case forms::Alignment::Right:
      return Qt::AlignRight;
    case forms::Alignment::Center:
      return Qt::AlignHCenter;
    case forms::Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

bool IsClickRelease(const QObject* watched, const QWidget* widget, const QEvent* event) {
  if (watched != widget || event->type() != QEvent::MouseButtonRelease) return false;
  const auto* mouse = static_cast<const QMouseEvent*>(event);
  return mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint());
}

}  // namespace qtui
