#include "qtui/menu_bar.h"

#include <QAction>
#include <QMenu>

#include "forms/form.h"
#include "forms/menu.h"
#include "qtui/fonts.h"

namespace qtui {

MenuBar::MenuBar(forms::Form& form, QWidget* window, Caller call)
    : form_(&form), window_(window), call_(std::move(call)) {
  Build();
}

MenuBar::~MenuBar() { delete bar_; }

std::vector<forms::Menu*> MenuBar::Structure() const {
  std::vector<forms::Menu*> out;
  std::function<void(const std::vector<forms::Menu*>&)> walk = [&](const std::vector<forms::Menu*>& items) {
    for (forms::Menu* m : items) {
      out.push_back(m);
      walk(m->Items());
      out.push_back(nullptr);  // end of m's entries
    }
  };
  if (form_) walk(form_->Menus());
  return out;
}

void MenuBar::Build() {
  actions_.clear();
  built_ = Structure();
  if (form_ == nullptr || form_->Menus().empty()) return;
  bar_ = new QMenuBar(window_);
  bar_->setNativeMenuBar(false);
  for (forms::Menu* m : form_->Menus()) AddEntry(m, bar_, nullptr);
}

QMenuBar* MenuBar::Rebuild() {
  if (bar_) {
    bar_->hide();
    bar_->deleteLater();
  }
  bar_ = nullptr;
  Build();
  return bar_;
}

void MenuBar::AddEntry(forms::Menu* menu, QMenuBar* bar, QMenu* parent) {
  QAction* action = nullptr;
  if (!menu->Items().empty()) {
    QMenu* sub = new QMenu(ToQString(menu->Caption()), parent != nullptr ? static_cast<QWidget*>(parent) : bar);
    action = sub->menuAction();
    if (parent != nullptr) {
      parent->addMenu(sub);
    } else {
      bar->addMenu(sub);
    }
    // Opening a menu runs its Click, where windows update their entries.
    QObject::connect(sub, &QMenu::aboutToShow, sub, [this, menu] { call_([menu] { menu->Click(); }); });
    for (forms::Menu* item : menu->Items()) AddEntry(item, nullptr, sub);
  } else {
    action = new QAction(parent != nullptr ? static_cast<QObject*>(parent) : bar);
    if (parent != nullptr) {
      parent->addAction(action);
    } else {
      bar->addAction(action);
    }
    QObject::connect(action, &QAction::triggered, action, [this, menu, action] {
      if (call_([menu] { menu->Click(); })) Apply(*menu, action);  // Qt toggled the check itself
    });
  }
  actions_[menu] = action;
  Apply(*menu, action);
}

void MenuBar::Apply(const forms::Menu& menu, QAction* action) {
  const bool leaf = menu.Items().empty();
  if (menu.IsSeparator() && leaf) {
    action->setSeparator(true);
  } else {
    action->setSeparator(false);
    action->setText(ToQString(menu.Caption()));
    if (!leaf && action->menu() != nullptr) action->menu()->setTitle(ToQString(menu.Caption()));
  }
  action->setEnabled(menu.Enabled());
  action->setVisible(menu.Visible());
  if (leaf && !menu.IsSeparator()) {
    action->setCheckable(menu.Checked());
    action->setChecked(menu.Checked());
  }
}

bool MenuBar::Sync() {
  if (form_ == nullptr) return true;
  if (Structure() != built_) return false;
  for (const auto& [menu, action] : actions_) Apply(*menu, action);
  return true;
}

QAction* MenuBar::ActionOf(const forms::Menu& menu) const {
  auto it = actions_.find(&menu);
  return it == actions_.end() ? nullptr : it->second;
}

void MenuBar::Forget() {
  form_ = nullptr;
  actions_.clear();
  built_.clear();
}

}  // namespace qtui
