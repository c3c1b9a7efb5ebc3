#include "forms/typed_input.h"

#include <string>

#include "common/data_file.h"
#include "common/number_text.h"

namespace forms {

std::optional<common::Integer> TypedInteger(std::string_view text) {
  return common::ToInteger(common::LeadingNumber(text));
}

void ShowNumber(forms::TextBox& box, common::Single value, NumberForm form) { box.SetNumber(form(value), value); }

void ShowNumber(forms::Grid& grid, int row, int col, common::Single value) {
  grid.SetNumberMatrix(row, col, common::DisplayText(value), value);
}

std::optional<common::Single> BoxSingle(const forms::TextBox& box) {
  if (auto shown = box.Number()) return shown;
  return TypedSingle(box.Text());
}

std::optional<common::Single> CellSingle(const forms::Grid& grid, int row, int col) {
  if (auto shown = grid.NumberMatrix(row, col)) return shown;
  return TypedSingle(grid.TextMatrix(row, col));
}

void CopyBox(const forms::TextBox& from, forms::TextBox& to) {
  if (auto shown = from.Number()) {
    to.SetNumber(from.Text(), *shown);
  } else {
    to.SetText(from.Text());
  }
}

void StoreTyped(forms::Form& form, const forms::TextBox& box, common::Single& field) {
  if (auto v = BoxSingle(box)) {
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

}  // namespace forms
