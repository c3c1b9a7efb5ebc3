#include "forms/controls.h"

#include <stdexcept>

#include "forms/form.h"

namespace forms {

// ---- CommandButton, Label ----

void CommandButton::SetCaption(const std::string& c) {
  if (c == caption_) return;
  caption_ = c;
  Notify(Prop::Caption);
}

void CommandButton::Click() {
  if (!Usable()) return;
  Raise(OnClick);
}

void Label::SetCaption(const std::string& c) {
  if (c == caption_) return;
  caption_ = c;
  Notify(Prop::Caption);
}

void Label::SetAlignment(forms::Alignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  Notify(Prop::Style);
}

void Label::SetBorderStyle(bool border) {
  if (border == border_) return;
  border_ = border;
  Notify(Prop::Style);
}

// ---- TextBox ----

void TextBox::SetText(const std::string& t) {
  if (t == text_) return;
  text_ = t;
  number_.reset();
  Notify(Prop::Text);
  Raise(OnChange);
}

void TextBox::SetNumber(const std::string& text, float value) {
  SetText(text);
  number_ = value;
}

void TextBox::TypeChar(char c) {
  int key = static_cast<unsigned char>(c);
  OwnerForm().PreviewKeyPress(key);
  if (key != 0 && OnKeyPress) OnKeyPress(key);
  if (key == 0 || locked_) return;
  if (key == 8) {
    if (!text_.empty()) SetText(text_.substr(0, text_.size() - 1));
    return;
  }
  SetText(text_ + static_cast<char>(key));
}

void TextBox::Type(const std::string& text) {
  SetText("");
  for (char c : text) TypeChar(c);
}

void TextBox::SetMultiLine(bool v) {
  if (v == multiLine_) return;
  multiLine_ = v;
  Notify(Prop::Style);
}

void TextBox::SetLocked(bool v) {
  if (v == locked_) return;
  locked_ = v;
  Notify(Prop::Style);
}

void TextBox::SetAlignment(forms::Alignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  Notify(Prop::Style);
}

// ---- ListControl ----

void ListControl::CheckRow(int i) const {
  if (i < 0 || i >= ListCount())
    throw std::out_of_range(FullName() + ": row " + std::to_string(i) + " is outside the list");
}

const std::string& ListControl::List(int i) const {
  CheckRow(i);
  return items_[static_cast<size_t>(i)];
}

void ListControl::SetList(int i, const std::string& text) {
  CheckRow(i);
  items_[static_cast<size_t>(i)] = text;
  Notify(Prop::Items);
  if (i == listIndex_) ListIndexChanged();
}

void ListControl::AddItem(const std::string& text, int index) {
  // -1 appends; any other index must lie in 0..ListCount().
  if (index < -1 || index > ListCount()) CheckRow(index);
  if (index == -1) index = ListCount();
  items_.insert(items_.begin() + index, text);
  if (listIndex_ >= index) ++listIndex_;
  Notify(Prop::Items);
}

void ListControl::RemoveItem(int index) {
  CheckRow(index);
  items_.erase(items_.begin() + index);
  const bool chosenRemoved = listIndex_ == index;
  if (chosenRemoved) {
    listIndex_ = -1;
  } else if (listIndex_ > index) {
    --listIndex_;
  }
  if (topIndex_ >= ListCount()) topIndex_ = ListCount() > 0 ? ListCount() - 1 : 0;
  if (chosenRemoved) ListIndexChanged();
  Notify(Prop::Items);
}

void ListControl::Clear() {
  items_.clear();
  listIndex_ = -1;
  topIndex_ = 0;
  ListIndexChanged();  // a drop-down shows nothing afterwards
  Notify(Prop::Items);
}

void ListControl::SetListIndex(int index) {
  if (index != -1) CheckRow(index);
  if (index == listIndex_) return;
  listIndex_ = index;
  ListIndexChanged();
  Notify(Prop::ListIndex);
  Raise(OnClick);
}

void ListControl::ClickRow(int index) {
  if (!Usable()) return;
  CheckRow(index);
  if (index == listIndex_) {
    Raise(OnClick);  // the row already chosen: only its Click
    return;
  }
  SetListIndex(index);
}

void ListControl::SetTopIndex(int index) {
  if (index < 0) index = 0;
  if (index == topIndex_) return;
  topIndex_ = index;
  Notify(Prop::TopIndex);
}

void ListControl::DblClick() {
  if (!Usable()) return;
  Raise(OnDblClick);
}

// ---- ListBox ----

void ListBox::SetWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  Notify(Prop::Style);
}

// ---- ComboBox ----

void ComboBox::SetStyle(ComboStyle style) {
  if (style == style_) return;
  style_ = style;
  Notify(Prop::Style);
}

void ComboBox::ListIndexChanged() {
  std::string t = listIndex_ >= 0 ? List(listIndex_) : std::string();
  if (t == text_) return;
  text_ = t;  // choosing a row shows its text without a Change event
  Notify(Prop::Text);
}

void ComboBox::SetText(const std::string& t) {
  int match = -1;
  for (int i = 0; i < ListCount(); ++i)
    if (List(i) == t) {
      match = i;
      break;
    }
  if (style_ == ComboStyle::DropDownList) {
    SetListIndex(match);  // its text is always the chosen row's
    return;
  }
  listIndex_ = match;
  Notify(Prop::ListIndex);
  if (t == text_) return;
  text_ = t;
  Notify(Prop::Text);
  Raise(OnChange);
}

void ComboBox::TypeText(const std::string& t) {
  if (style_ == ComboStyle::DropDownList) return;  // takes no typing
  listIndex_ = -1;
  Notify(Prop::ListIndex);
  if (t == text_) return;
  text_ = t;
  Notify(Prop::Text);
  Raise(OnChange);
}

// ---- CheckBox, OptionButton ----

void CheckBox::SetCaption(const std::string& c) {
  if (c == caption_) return;
  caption_ = c;
  Notify(Prop::Caption);
}

void CheckBox::SetValue(int v) {
  if (v < 0 || v > 2) throw std::out_of_range(FullName() + ": check box value " + std::to_string(v));
  if (v == value_) return;
  value_ = v;
  Notify(Prop::Value);
  Raise(OnClick);
}

void CheckBox::Click() {
  if (!Usable()) return;
  SetValue(value_ == 1 ? 0 : 1);
}

void OptionButton::SetCaption(const std::string& c) {
  if (c == caption_) return;
  caption_ = c;
  Notify(Prop::Caption);
}

void OptionButton::SetValue(bool on) {
  if (on == value_) return;
  value_ = on;
  if (on) {
    for (Control* sibling : Parent().Children()) {
      if (sibling == this || sibling->Kind() != ControlKind::OptionButton) continue;
      auto* partner = static_cast<OptionButton*>(sibling);
      if (partner->value_) {
        partner->value_ = false;
        partner->Notify(Prop::Value);
      }
    }
  }
  Notify(Prop::Value);
  if (on) Raise(OnClick);
}

// ---- Frame, Line, Image ----

void Frame::SetCaption(const std::string& c) {
  if (c == caption_) return;
  caption_ = c;
  Notify(Prop::Caption);
}

void Line::SetPoints(int x1, int y1, int x2, int y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  Notify(Prop::Geometry);
}

void Image::SetPicture(const std::string& path) {
  if (path == picturePath_) return;
  picturePath_ = path;
  Notify(Prop::Picture);
}

void Image::SetStretch(bool s) {
  if (s == stretch_) return;
  stretch_ = s;
  Notify(Prop::Style);
}

}  // namespace forms
