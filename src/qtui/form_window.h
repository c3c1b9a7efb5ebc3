#pragma once
// The top-level window of one form: an optional menu bar and a client area
// of the form's twip size holding one widget per control, nested in frames
// and picture boxes as the controls are in the model. It is the form's
// view (caption, size, position, menus) and owns the controls' binders.
#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "forms/control.h"

class QAction;
class QVBoxLayout;

namespace forms {
class Container;
class Form;
class Menu;
}  // namespace forms

namespace qtui {

class Binder;
class MenuBar;

class FormWindow : public QWidget, public forms::ControlView {
 public:
  // `formDestroyed` runs when the Form object goes away while the window stands.
  FormWindow(forms::Form& form, std::function<void(FormWindow&)> formDestroyed);
  ~FormWindow() override;

  // The form, or nullptr once detached.
  forms::Form* Model() const { return form_; }
  // Stops the binding both ways (the form was unloaded).
  void Detach();

  QWidget* WidgetOf(const forms::Control& control) const;
  QAction* ActionOf(const forms::Menu& menu) const;

  // The event loop of the modal showing in progress, if any.
  QEventLoop* ModalLoop() const { return modalLoop_; }
  void SetModalLoop(QEventLoop* loop) { modalLoop_ = loop; }

  void Changed(forms::Prop what) override;
  void ModelDestroyed() override;

 protected:
  // Closing by the frame asks the model (Form::UserClose); Qt never closes it.
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build(const forms::Container& container, QWidget* parent);
  void ApplyGeometry(bool first);
  bool Call(const std::function<void()>& action);

  forms::Form* form_;
  std::function<void(FormWindow&)> formDestroyed_;
  QVBoxLayout* layout_;
  QWidget* client_;
  std::unique_ptr<MenuBar> menu_;
  std::vector<std::unique_ptr<Binder>> binders_;
  std::map<const forms::Control*, Binder*> byControl_;
  QPointer<QEventLoop> modalLoop_;
  int shownLeft_ = 0, shownTop_ = 0;
};

}  // namespace qtui
