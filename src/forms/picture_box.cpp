#include "forms/picture_box.h"

#include <stdexcept>

#include "forms/form.h"

namespace forms {

Colour QBColor(int k) {
  static const Colour palette[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                                     0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  if (k < 0 || k > 15) throw std::out_of_range("colour number " + std::to_string(k));
  return palette[k];
}

PictureBox::PictureBox(Container& parent, std::string name, int index) : Control(parent, std::move(name), index) {
  ScaleTwips();
}

void PictureBox::Cls() {
  drawing_.clear();
  currentX_ = GetScale().left;
  currentY_ = GetScale().top;
  Notify(Prop::Drawing);
}

void PictureBox::Scale(double x1, double y1, double x2, double y2) {
  if (x2 == x1 || y2 == y1) throw std::invalid_argument(FullName() + ": empty coordinate system");
  scale_ = {x1, y1, x2 - x1, y2 - y1};
  userScale_ = true;
}

void PictureBox::ScaleTwips() { userScale_ = false; }

// Twips are taken from the size at the time of use, not at the time the
// scale was set: the box is usually created empty and laid out later.
UserScale PictureBox::GetScale() const {
  if (userScale_) return scale_;
  return {0, 0, static_cast<double>(Width() > 0 ? Width() : 1), static_cast<double>(Height() > 0 ? Height() : 1)};
}

void PictureBox::Add(DrawOp op) {
  op.scale = GetScale();
  drawing_.push_back(std::move(op));
  Notify(Prop::Drawing);
}

void PictureBox::Print(const std::string& text, bool newLine) {
  Add({DrawOp::Kind::Text, currentX_, currentY_, currentX_, currentY_, 0x000000, text, Font(), {}});
  if (newLine) {
    currentX_ = GetScale().left;
    currentY_ += TextHeight(text);
  } else {
    currentX_ += TextWidth(text);
  }
}

void PictureBox::DrawLine(double x1, double y1, double x2, double y2, Colour colour) {
  Add({DrawOp::Kind::Line, x1, y1, x2, y2, colour, {}, Font(), {}});
  currentX_ = x2;
  currentY_ = y2;
}

void PictureBox::DrawBox(double x1, double y1, double x2, double y2, Colour colour, bool filled) {
  Add({filled ? DrawOp::Kind::FilledBox : DrawOp::Kind::Box, x1, y1, x2, y2, colour, {}, Font(), {}});
  currentX_ = x2;
  currentY_ = y2;
}

double PictureBox::TextWidth(const std::string& text) const {
  double twips = Control::OwnerForm().GetPlatform().TextWidthTwips(Font(), text);
  double w = Width() > 0 ? Width() : 1;
  return twips * GetScale().width / w;
}

double PictureBox::TextHeight(const std::string& text) const {
  (void)text;
  double twips = Control::OwnerForm().GetPlatform().TextHeightTwips(Font());
  double h = Height() > 0 ? Height() : 1;
  return twips * GetScale().height / h;
}

void PictureBox::SetBorderStyle(bool border) {
  if (border == border_) return;
  border_ = border;
  Notify(Prop::Style);
}

std::vector<std::string> PictureBox::PrintedTexts() const {
  std::vector<std::string> out;
  for (const DrawOp& op : drawing_)
    if (op.kind == DrawOp::Kind::Text) out.push_back(op.text);
  return out;
}

}  // namespace forms
