#pragma once
// Menus: a form's menu bar holds top-level menus, each holding entries and
// separators ("-"), and entries may hold their own entries.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

class Menu {
 public:
  Menu(Form& form, Menu* parent, std::string name, std::string caption);
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c);
  bool IsSeparator() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);

  Menu* Parent() const { return parent_; }
  const std::vector<Menu*>& Items() const { return items_; }
  Form& OwnerForm() const { return form_; }

  // The user's click: runs OnClick when the entry and its parents are
  // enabled and visible.
  void Click();
  bool Usable() const;
  std::function<void()> OnClick;

 private:
  void Notify();
  Form& form_;
  Menu* parent_;
  std::vector<Menu*> items_;
  std::string name_;
  std::string caption_;
  bool enabled_ = true;
  bool checked_ = false;
  bool visible_ = true;
};

// The caption without its access-key ampersands ("Cre&at" -> "Creat").
std::string PlainCaption(const std::string& caption);

}  // namespace forms
