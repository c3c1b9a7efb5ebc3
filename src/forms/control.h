#pragma once
// The control model: windows are plain C++ classes derived from Form that
// own their controls as members. Controls hold their state (captions,
// texts, list rows, values) and raise their event handlers by the rules the
// windows rely on; a Platform renders them and feeds the user's actions in.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace forms {

class Container;
class Control;
class Form;

// What changed in a control, so a view can update just that.
enum class Prop {
  Caption,
  Text,
  Visible,
  Enabled,
  Geometry,
  Font,
  Items,
  ListIndex,
  TopIndex,
  Value,
  Picture,
  Drawing,
  Cells,
  GridLayout,
  CurrentCell,
  Focus,
  ZOrder,
  Style,
  Menus,
  Checked,
  BackColor
};

// The platform's side of one control (or form): told of every model change.
class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void Changed(Prop what) = 0;
  // The control or form is being destroyed: the view forgets it and never
  // calls it again (for a form, its controls and menus are already gone).
  virtual void ModelDestroyed() {}
};

struct Font {
  std::string Name = "MS Sans Serif";
  float Size = 8.25f;  // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool operator==(const Font&) const = default;
};

// A colour as 0xRRGGBB, or one of the system colours below (the user's
// colour scheme decides how they look).
using Colour = std::uint32_t;
constexpr Colour kSystemColour = 0x80000000;
constexpr Colour kButtonFace = kSystemColour | 0x0F;        // buttons, frames, labels
constexpr Colour kWindowBackground = kSystemColour | 0x05;  // text boxes
constexpr bool IsSystemColour(Colour c) { return (c & kSystemColour) != 0; }

enum class ControlKind {
  CommandButton,
  Label,
  TextBox,
  ListBox,
  ComboBox,
  CheckBox,
  OptionButton,
  Frame,
  Line,
  Image,
  PictureBox,
  Grid
};

enum class Alignment { Left, Right, Center };

// Key handlers receive the key code (or character) by reference; setting it
// to 0 swallows the key.
using KeyHandler = std::function<void(int& keyCode, int shift)>;
using KeyPressHandler = std::function<void(int& keyAscii)>;

class Control {
 public:
  Control(Container& parent, std::string name, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  virtual ControlKind Kind() const = 0;

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }  // -1 outside a control array
  std::string FullName() const;         // "cmdOp(3)"
  Container& Parent() const { return parent_; }
  Form& OwnerForm() const;

  // Geometry in twips, relative to the parent container.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Move(int left, int top, int width, int height);
  void Move(int left, int top);
  void SetTop(int v) { Move(left_, v, width_, height_); }
  void SetWidth(int v) { Move(left_, top_, v, height_); }
  void SetHeight(int v) { Move(left_, top_, width_, v); }

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  // True when the control and every container above it are shown and enabled.
  bool Usable() const;

  // The background: the kind's own until set (a label then shows its
  // container through it).
  Colour BackColor() const { return backColor_.value_or(DefaultBackColor()); }
  bool HasBackColor() const { return backColor_.has_value(); }
  void SetBackColor(Colour c);

  const forms::Font& Font() const { return font_; }
  void SetFont(const forms::Font& f);
  void SetFontBold(bool bold);

  // Moves the focus here (LostFocus of the old control, GotFocus here).
  void SetFocus();
  bool HasFocus() const;
  // Brings the control in front of its siblings.
  void ZOrder();

  std::function<void()> OnGotFocus, OnLostFocus;
  KeyHandler OnKeyDown;
  KeyPressHandler OnKeyPress;

  // Binding to the platform's view of this control.
  void Attach(ControlView* view) { view_ = view; }
  ControlView* View() const { return view_; }

 protected:
  virtual Colour DefaultBackColor() const { return kButtonFace; }
  void Notify(Prop what);
  // Runs an event handler if set.
  static void Raise(const std::function<void()>& handler) {
    if (handler) handler();
  }

 private:
  Container& parent_;
  std::string name_;
  int index_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  forms::Font font_;
  std::optional<Colour> backColor_;
  ControlView* view_ = nullptr;
};

// A control that holds other controls: the form, a frame, a picture box.
class Container {
 public:
  virtual ~Container() = default;
  const std::vector<Control*>& Children() const { return children_; }
  virtual Form& OwnerForm() = 0;
  // The container as a control, or nullptr for the form itself.
  virtual Control* AsControl() { return nullptr; }

 private:
  friend class Control;
  std::vector<Control*> children_;
};

}  // namespace forms
