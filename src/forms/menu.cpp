#include "forms/menu.h"

#include "forms/form.h"

namespace forms {

Menu::Menu(Form& form, Menu* parent, std::string name, std::string caption)
    : form_(form), parent_(parent), name_(std::move(name)), caption_(std::move(caption)) {
  if (parent_) {
    parent_->items_.push_back(this);
  } else {
    form_.RegisterMenu(this);
  }
}

void Menu::Notify() { form_.MenusChanged(); }

void Menu::SetCaption(const std::string& c) {
  if (c == caption_) return;
  caption_ = c;
  Notify();
}

void Menu::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Notify();
}

void Menu::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  Notify();
}

void Menu::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Notify();
}

bool Menu::Usable() const {
  for (const Menu* m = this; m; m = m->parent_)
    if (!m->enabled_ || !m->visible_) return false;
  return true;
}

void Menu::Click() {
  if (!Usable() || IsSeparator()) return;
  if (OnClick) OnClick();
}

std::string PlainCaption(const std::string& caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') out += '&', ++i;
      continue;
    }
    out += caption[i];
  }
  return out;
}

}  // namespace forms
