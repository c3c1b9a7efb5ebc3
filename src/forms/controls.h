#pragma once
// The simple controls: buttons, labels, text boxes, lists, drop-down lists,
// check boxes, option buttons, frames, lines and images.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

class CommandButton : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::CommandButton; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c);
  // The user's click (or code pressing the button): runs OnClick when the
  // button can be used.
  void Click();
  std::function<void()> OnClick;

 private:
  std::string caption_;
};

class Label : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::Label; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c);
  forms::Alignment Alignment() const { return alignment_; }
  void SetAlignment(forms::Alignment a);
  bool BorderStyle() const { return border_; }
  void SetBorderStyle(bool border);
  // The user's click and double-click on the label.
  void Click() {
    if (Usable() && OnClick) OnClick();
  }
  void DblClick() {
    if (Usable() && OnDblClick) OnDblClick();
  }
  std::function<void()> OnClick, OnDblClick;

 private:
  std::string caption_;
  forms::Alignment alignment_ = forms::Alignment::Left;
  bool border_ = false;
};

class TextBox : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::TextBox; }
  const std::string& Text() const { return text_; }
  // Setting the text (from code or by typing) raises OnChange when it differs.
  void SetText(const std::string& t);
  // Shows `text` for the number `value`: until the text changes, the box
  // stands for `value` with every digit, not for the fewer digits shown.
  void SetNumber(const std::string& text, float value);
  // The number SetNumber gave, while the box still shows its text.
  std::optional<float> Number() const { return number_; }
  // One character typed by the user: OnKeyPress (and the form's, when it
  // previews keys) may swallow it; otherwise it is added at the end.
  void TypeChar(char c);
  // Types a whole text character by character into an emptied box.
  void Type(const std::string& text);

  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool v);
  bool Locked() const { return locked_; }
  void SetLocked(bool v);
  forms::Alignment Alignment() const { return alignment_; }
  void SetAlignment(forms::Alignment a);
  // Selects the whole text (shown when the box has the focus).
  void SelectAll() { Notify(Prop::Text); }

  std::function<void()> OnChange;

 protected:
  Colour DefaultBackColor() const override { return kWindowBackground; }

 private:
  std::string text_;
  std::optional<float> number_;
  bool multiLine_ = false;
  bool locked_ = false;
  forms::Alignment alignment_ = forms::Alignment::Left;
};

// Rows of text with one chosen row: the base of list boxes and drop-downs.
class ListControl : public Control {
 public:
  using Control::Control;
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int i) const;
  void SetList(int i, const std::string& text);
  // Adds a row at the end, or before row `index`; the chosen row keeps its item.
  void AddItem(const std::string& text, int index = -1);
  // Removes a row; removing the chosen row leaves none chosen (and a
  // drop-down showing nothing). Raises nothing.
  void RemoveItem(int index);
  // Removes every row; no row is chosen afterwards and a drop-down shows
  // nothing, not even typed text. Raises nothing.
  void Clear();

  int ListIndex() const { return listIndex_; }
  // Choosing a row from code (or by the keyboard) raises OnClick at once,
  // but only when the row changes; -1 chooses none.
  void SetListIndex(int index);
  // The user's click on a row: chooses it and raises OnClick, also when it
  // was chosen already.
  void ClickRow(int index);
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int index);

  std::function<void()> OnClick, OnDblClick;
  // The user's double-click on the chosen row.
  void DblClick();

 protected:
  virtual void ListIndexChanged() {}
  void CheckRow(int i) const;
  int listIndex_ = -1;

 private:
  std::vector<std::string> items_;
  int topIndex_ = 0;
};

class ListBox : public ListControl {
 public:
  using ListControl::ListControl;
  ControlKind Kind() const override { return ControlKind::ListBox; }
  // The text of the chosen row, or "".
  std::string Text() const { return listIndex_ < 0 ? std::string() : List(listIndex_); }
  // A row wider than the list is shown over as many lines as it needs, in
  // place of a horizontal scroll bar; each row stays one item.
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);

 private:
  bool wordWrap_ = false;
};

// The two styles of drop-down: an editable one, whose typed text leaves no
// row chosen (index -1), and a drop-down list, which takes no typing and
// always shows the chosen row's text (or nothing).
enum class ComboStyle { DropDownCombo, DropDownList };

class ComboBox : public ListControl {
 public:
  using ListControl::ListControl;
  ControlKind Kind() const override { return ControlKind::ComboBox; }
  ComboStyle Style() const { return style_; }
  void SetStyle(ComboStyle style);
  const std::string& Text() const { return text_; }
  // Text set from code raises OnChange; the chosen row becomes the row with
  // exactly that text, or none (without OnClick). A drop-down list chooses
  // that row, or none, as SetListIndex does.
  void SetText(const std::string& t);
  // Text typed by the user: no row is chosen, OnChange runs. A drop-down
  // list ignores it.
  void TypeText(const std::string& t);
  std::function<void()> OnChange;

 protected:
  void ListIndexChanged() override;

 private:
  std::string text_;
  ComboStyle style_ = ComboStyle::DropDownCombo;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::CheckBox; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c);
  int Value() const { return value_; }  // 0 unchecked, 1 checked, 2 greyed
  // Raises OnClick only when the value changes.
  void SetValue(int v);
  // The user's click toggles between 0 and 1.
  void Click();
  std::function<void()> OnClick;

 private:
  std::string caption_;
  int value_ = 0;
};

// Option buttons in the same container form one group: at most one is on.
class OptionButton : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::OptionButton; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c);
  bool Value() const { return value_; }
  // Switching a button on, from code or by the user, switches its group
  // partners off and raises its OnClick; switching on a button already on
  // runs nothing. Switching off raises nothing.
  void SetValue(bool on);
  void Click() {
    if (Usable()) SetValue(true);
  }
  std::function<void()> OnClick;

 private:
  std::string caption_;
  bool value_ = false;
};

class Frame : public Control, public Container {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::Frame; }
  Form& OwnerForm() override { return Control::OwnerForm(); }
  Control* AsControl() override { return this; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c);

 private:
  std::string caption_;
};

// A straight line between two points of its container (twips).
class Line : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::Line; }
  int X1() const { return x1_; }
  int Y1() const { return y1_; }
  int X2() const { return x2_; }
  int Y2() const { return y2_; }
  void SetPoints(int x1, int y1, int x2, int y2);

 private:
  int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

// A picture shown from a file, stretched to the control when asked.
class Image : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::Image; }
  const std::string& PicturePath() const { return picturePath_; }
  // Shows the picture of the file (empty: no picture). The caller checks
  // beforehand through the platform that it can be loaded.
  void SetPicture(const std::string& path);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool s);
  // The user's click on the picture.
  void Click() {
    if (Usable() && OnClick) OnClick();
  }
  std::function<void()> OnClick;

 private:
  std::string picturePath_;
  bool stretch_ = false;
};

}  // namespace forms
