#include "qtui/form_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

#include "forms/form.h"
#include "qtui/binder.h"
#include "qtui/fonts.h"
#include "qtui/guard.h"
#include "qtui/menu_bar.h"

namespace qtui {

FormWindow::FormWindow(forms::Form& form, std::function<void(FormWindow&)> formDestroyed)
    : QWidget(nullptr, Qt::Window), form_(&form), formDestroyed_(std::move(formDestroyed)) {
  setFont(ToQFont(forms::Font{}));
  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
  layout_->setSizeConstraint(QLayout::SetFixedSize);
  client_ = new QWidget(this);
  layout_->addWidget(client_);
  menu_ = std::make_unique<MenuBar>(form, this, [this](const std::function<void()>& f) { return Call(f); });
  if (menu_->Widget()) layout_->setMenuBar(menu_->Widget());
  Build(form, client_);
  const auto& tabOrder = form.TabOrder();
  for (size_t i = 1; i < tabOrder.size(); ++i) {
    QWidget* from = WidgetOf(*tabOrder[i - 1]);
    QWidget* to = WidgetOf(*tabOrder[i]);
    if (from != nullptr && to != nullptr) QWidget::setTabOrder(from, to);
  }
  setWindowTitle(ToQString(form.Caption()));
  ApplyGeometry(true);
  form.Attach(this);
}

FormWindow::~FormWindow() {
  if (modalLoop_) modalLoop_->quit();
  Detach();
  binders_.clear();  // before their widgets go with this window
  menu_.reset();
}

void FormWindow::Build(const forms::Container& container, QWidget* parent) {
  for (forms::Control* control : container.Children()) {
    std::unique_ptr<Binder> binder = CreateBinder(*control, parent);
    if (!binder) continue;
    Binder* b = binder.get();
    binders_.push_back(std::move(binder));
    byControl_[control] = b;
    b->Attach();
    if (auto* inner = dynamic_cast<const forms::Container*>(control)) Build(*inner, b->ChildArea());
  }
}

void FormWindow::Detach() {
  for (auto& b : binders_) b->Detach();
  if (menu_) menu_->Forget();
  if (form_ && form_->View() == this) form_->Attach(nullptr);
  form_ = nullptr;
}

void FormWindow::ModelDestroyed() {
  // The controls and menus are already gone (their binders know it).
  if (menu_) menu_->Forget();
  form_ = nullptr;
  if (formDestroyed_) formDestroyed_(*this);
}

bool FormWindow::Call(const std::function<void()>& action) {
  if (!form_) return false;
  QPointer<FormWindow> self(this);
  Guarded(action);
  return self && self->form_ != nullptr;
}

QWidget* FormWindow::WidgetOf(const forms::Control& control) const {
  auto it = byControl_.find(&control);
  return it == byControl_.end() ? nullptr : it->second->Widget();
}

QAction* FormWindow::ActionOf(const forms::Menu& menu) const { return menu_ ? menu_->ActionOf(menu) : nullptr; }

void FormWindow::Changed(forms::Prop what) {
  // A form changed on another thread: the window is updated by its own.
  if (QThread::currentThread() != thread()) {
    QMetaObject::invokeMethod(
        this, [this, what] { Changed(what); }, Qt::BlockingQueuedConnection);
    return;
  }
  if (!form_) return;
  switch (what) {
    case forms::Prop::Caption:
      setWindowTitle(ToQString(form_->Caption()));
      break;
    case forms::Prop::Geometry:
      ApplyGeometry(false);
      break;
    case forms::Prop::Menus:
      if (!menu_->Sync()) layout_->setMenuBar(menu_->Rebuild());
      break;
    default:
      break;
  }
}

void FormWindow::ApplyGeometry(bool first) {
  client_->setFixedSize(ToPixels(form_->ClientWidth()), ToPixels(form_->ClientHeight()));
  layout_->activate();
  const int left = form_->Left(), top = form_->Top();
  if (left != 0 || top != 0) {
    if (first || left != shownLeft_ || top != shownTop_) move(ToPixels(left), ToPixels(top));
  } else if (first) {
    // No position given: centred on the screen.
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      move(area.center() - QPoint(width() / 2, height() / 2));
    }
  }
  shownLeft_ = left;
  shownTop_ = top;
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (forms::Form* form = form_) Call([form] { form->UserClose(); });
}

}  // namespace qtui
