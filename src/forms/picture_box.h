#pragma once
// A picture box keeps what is drawn on it as a drawing list (texts, lines,
// outlined and filled rectangles) in its user coordinate system, so the
// platform can paint it and tests can inspect it. It may also hold controls.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

// Colour k (0..15) of the 16-colour palette.
Colour QBColor(int k);

// The user coordinate system: the upper-left corner and the extent (the
// extent is negative when y grows upwards).
struct UserScale {
  double left = 0, top = 0, width = 1, height = 1;
};

struct DrawOp {
  enum class Kind { Text, Line, Box, FilledBox };
  Kind kind;
  double x1, y1, x2, y2;  // user units; a text's upper-left corner is (x1, y1)
  Colour colour;
  std::string text;
  forms::Font font;
  UserScale scale;  // the coordinate system in effect when drawn
};

class PictureBox : public Control, public Container {
 public:
  PictureBox(Container& parent, std::string name, int index = -1);
  ControlKind Kind() const override { return ControlKind::PictureBox; }
  Form& OwnerForm() override { return Control::OwnerForm(); }
  Control* AsControl() override { return this; }

  // Clears the drawing; the current position returns to the upper-left corner.
  void Cls();
  // Sets the user coordinate system by its upper-left and lower-right corners.
  void Scale(double x1, double y1, double x2, double y2);
  // Back to twips with (0, 0) at the upper-left corner.
  void ScaleTwips();
  // The coordinate system in effect; in twips it follows the current size.
  UserScale GetScale() const;

  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  void SetCurrentX(double x) { currentX_ = x; }
  void SetCurrentY(double y) { currentY_ = y; }

  // Prints a text in black at the current position; with newLine the position then
  // moves to the start of the next line, otherwise to the end of the text.
  void Print(const std::string& text, bool newLine = true);
  void DrawLine(double x1, double y1, double x2, double y2, Colour colour);
  void DrawBox(double x1, double y1, double x2, double y2, Colour colour, bool filled);

  // Text metrics in user units, from the platform's font metrics.
  double TextWidth(const std::string& text) const;
  double TextHeight(const std::string& text = "Ag") const;

  bool BorderStyle() const { return border_; }
  void SetBorderStyle(bool border);

  // The user's click on the picture box.
  void Click() {
    if (Usable() && OnClick) OnClick();
  }
  std::function<void()> OnClick;

  const std::vector<DrawOp>& Drawing() const { return drawing_; }
  // The printed texts in drawing order (for the message panel and tests).
  std::vector<std::string> PrintedTexts() const;

 protected:
  Colour DefaultBackColor() const override { return 0xFFFFFF; }

 private:
  void Add(DrawOp op);
  std::vector<DrawOp> drawing_;
  UserScale scale_;  // used only while userScale_
  bool userScale_ = false;
  double currentX_ = 0, currentY_ = 0;
  bool border_ = true;
};

}  // namespace forms
