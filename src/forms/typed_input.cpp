#include "forms/typed_input.h"

#include <string>

#include "common/data_file.h"
#include "common/number_text.h"

namespace forms {

std::optional<common::Integer> TypedInteger(std::string_view text) {
  return common::ToInteger(common::LeadingNumber(text));
}

void StoreTyped(forms::Form& form, const forms::TextBox& box, common::Single& field) {
  if (auto v = TypedSingle(box.Text())) {
    field = *v;
    return;
  }
  form.MsgBox("The number " + box.Text() + " is too large; the value stays " + common::DisplayText(field) + ".");
}

void DropLineBreaks(forms::TextBox& box) {
  if (common::IsDataText(box.Text())) return;
  std::string clean;
  for (char c : box.Text())
    if (c != '\r' && c != '\n') clean += c;
  box.SetText(clean);
}

void ShowNumber(forms::TextBox& box, common::Single value) { box.SetText(common::DisplayText(value)); }

}  // namespace forms
