#pragma once
// The number a window last put in a text box. Boxes show a Single in at
// most seven significant digits; reading an unchanged box back gives the
// exact value shown, so looking at a value and confirming it never rounds
// it. Once the text is edited, the text is read.
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "common/value_types.h"
#include "forms/controls.h"

namespace assessment {

class ShownNumber {
 public:
  using Parse = double (*)(std::string_view);

  // Shows `value` in its display form and remembers it.
  void Show(forms::TextBox& box, common::Single value) {
    text_ = common::DisplayText(value);
    value_ = value;
    known_ = true;
    box.SetText(text_);
  }
  // The box's number: the value shown while its text is unchanged, else
  // the text read by `parse` (the leading-number rule by default).
  double Read(const forms::TextBox& box, Parse parse = common::LeadingNumber) const {
    if (known_ && box.Text() == text_) return value_;
    return parse(box.Text());
  }
  void Forget() { known_ = false; }

 private:
  std::string text_;
  common::Single value_ = 0;
  bool known_ = false;
};

}  // namespace assessment
