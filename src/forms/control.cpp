#include "forms/control.h"

#include <algorithm>

#include "forms/form.h"

namespace forms {

Control::Control(Container& parent, std::string name, int index)
    : parent_(parent), name_(std::move(name)), index_(index) {
  parent_.children_.push_back(this);
}

Control::~Control() {
  if (view_) view_->ModelDestroyed();
  auto& c = parent_.children_;
  c.erase(std::remove(c.begin(), c.end(), this), c.end());
}

std::string Control::FullName() const { return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")"; }

Form& Control::OwnerForm() const { return parent_.OwnerForm(); }

void Control::Move(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Notify(Prop::Geometry);
}

void Control::Move(int left, int top) { Move(left, top, width_, height_); }

void Control::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  if (!v && HasFocus()) OwnerForm().ClearFocus();
  Notify(Prop::Visible);
}

void Control::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Notify(Prop::Enabled);
}

bool Control::Usable() const {
  if (!visible_ || !enabled_) return false;
  Control* up = parent_.AsControl();
  return up == nullptr || up->Usable();
}

void Control::SetBackColor(Colour c) {
  if (backColor_ == c) return;
  backColor_ = c;
  Notify(Prop::BackColor);
}

void Control::SetFont(const forms::Font& f) {
  if (f == font_) return;
  font_ = f;
  Notify(Prop::Font);
}

void Control::SetFontBold(bool bold) {
  forms::Font f = font_;
  f.Bold = bold;
  SetFont(f);
}

void Control::SetFocus() { OwnerForm().MoveFocus(this); }

bool Control::HasFocus() const { return OwnerForm().ActiveControl() == this; }

void Control::ZOrder() { Notify(Prop::ZOrder); }

void Control::Notify(Prop what) {
  if (view_) view_->Changed(what);
}

}  // namespace forms
