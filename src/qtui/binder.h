#pragma once
// The binding of one control to its widget, both ways. A model change
// updates just that aspect of the widget, without echo; the user's actions
// on the widget reach the model through the model's own methods (and so
// raise its handlers), each through the exception guard.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "forms/control.h"

class QKeyEvent;
class QMouseEvent;

namespace qtui {

class Binder : public QObject, public forms::ControlView {
 public:
  explicit Binder(forms::Control& control);
  ~Binder() override;
  Binder(const Binder&) = delete;
  Binder& operator=(const Binder&) = delete;

  // The control, or nullptr once detached or destroyed.
  forms::Control* Model() const { return control_; }
  QWidget* Widget() const { return widget_; }
  // The widget that holds the control's own controls (frames, picture boxes).
  virtual QWidget* ChildArea() const { return widget_; }

  // Shows the model's whole state and becomes its view.
  void Attach();
  // Stops the binding both ways (the window is unloaded).
  void Detach();

  void Changed(forms::Prop what) final;
  void ModelDestroyed() final;

 protected:
  template <class T>
  T* As() const {
    return static_cast<T*>(control_);
  }

  // The widget showing the control (made by the derived binder, a child of
  // the container's widget).
  void SetWidget(QWidget* widget);
  // Focus and keys of `input` go to the model.
  void Route(QWidget* input);

  // The aspects the base does not handle (and Geometry/Font after it).
  virtual void Update(forms::Prop what) = 0;
  // Shows the whole kind-specific state.
  virtual void SyncAll() = 0;
  // The common state: geometry, visibility, enabled, font.
  void SyncCommon();
  virtual void ApplyGeometry();
  // Called when the binding stops (before the model pointer is cleared).
  virtual void OnDetached() {}

  // Runs a user action against the model through the guard; false when the
  // binding stopped meanwhile (the form was unloaded), so the caller must
  // not touch the model or the widget's model state afterwards.
  bool Call(const std::function<void()>& action);

  // Keys: after KeyDown went to the model, a binder may consume the key
  // (true) before it types a character.
  virtual bool AfterKeyDown(QKeyEvent* event, int keyCode);
  // A character typed: `result` is the key after the KeyPress handlers
  // (0 = swallowed). True consumes the Qt event.
  virtual bool CharTyped(QKeyEvent* event, int typed, int result);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool KeyPressed(QKeyEvent* event);
  void Forget();

  forms::Control* control_;
  QPointer<QWidget> widget_;
};

// A control's horizontal text alignment as Qt's.
Qt::Alignment ToQtAlignment(forms::Alignment a);

// True when `event` on `watched` is the release of the left button inside
// `widget`, which ends a click that began on it.
bool IsClickRelease(const QObject* watched, const QWidget* widget, const QEvent* event);

// A double-click on a text box laid over a grid (an in-place edit box) is a
// double-click on the cell beneath it: the first press of a double-click
// lands on the grid, which lays the box over the cell, and the second on
// the box. Passes the double-click on to the grid when a grid's cell lies
// directly under `box` at the event's position; false when none does.
bool PassDoubleClickToGridBeneath(QWidget* box, const QMouseEvent& event);

// The binder for a control, its widget made as a child of `parent`.
std::unique_ptr<Binder> CreateBinder(forms::Control& control, QWidget* parent);

// Per-kind makers (one file each family).
std::unique_ptr<Binder> MakeCommandButtonBinder(forms::Control& control, QWidget* parent);
std::unique_ptr<Binder> MakeLabelBinder(forms::Control& control, QWidget* parent);
std::unique_ptr<Binder> MakeCheckBoxBinder(forms::Control& control, QWidget* parent);
std::unique_ptr<Binder> MakeOptionButtonBinder(forms::Control& control, QWidget* parent);
std::unique_ptr<Binder> MakeFrameBinder(forms::Control& control, QWidget* parent);
std::unique_ptr<Binder> MakeTextBoxBinder(forms::Control& control, QWidget* parent);
std::unique_ptr<Binder> MakeListBoxBinder(forms::Control& control, QWidget* parent);
std::unique_ptr<Binder> MakeComboBoxBinder(forms::Control& control, QWidget* parent);
std::unique_ptr<Binder> MakeLineBinder(forms::Control& control, QWidget* parent);
std::unique_ptr<Binder> MakeImageBinder(forms::Control& control, QWidget* parent);
std::unique_ptr<Binder> MakePictureBoxBinder(forms::Control& control, QWidget* parent);
std::unique_ptr<Binder> MakeGridBinder(forms::Control& control, QWidget* parent);

}  // namespace qtui
