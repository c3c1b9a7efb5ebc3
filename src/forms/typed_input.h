#pragma once
// What windows take from their text boxes: numbers by the one rule for
// typed numbers, names that will stand between double quotes in a data
// file. A box or grid cell that code showed a number in stands for that
// number, every digit, until its text changes: a value only looked at is
// never rounded to the seven digits shown.
#include <optional>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "common/value_types.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/grid.h"

namespace forms {

// How a number is shown: the display form unless a window says otherwise.
using NumberForm = std::string (*)(common::Single);

// The leading number of a text as a Single, by the file reader's rule;
// nullopt beyond the Single range.
using common::TypedSingle;
// The leading number rounded to a whole number, halves to the even
// neighbour; nullopt beyond the Integer range.
std::optional<common::Integer> TypedInteger(std::string_view text);

// Shows a number in a box or a cell.
void ShowNumber(forms::TextBox& box, common::Single value, NumberForm form = common::DisplayText);
void ShowNumber(forms::Grid& grid, int row, int col, common::Single value);
// The number a box or cell holds: the one shown while its text is
// unchanged, else its typed number; nullopt beyond the Single range.
std::optional<common::Single> BoxSingle(const forms::TextBox& box);
std::optional<common::Single> CellSingle(const forms::Grid& grid, int row, int col);
// Copies a box's text and the number it stands for.
void CopyBox(const forms::TextBox& from, forms::TextBox& to);

// Stores the number in `box` into `field`. A number beyond the Single range
// leaves `field` as it was and tells the user so.
void StoreTyped(forms::Form& form, const forms::TextBox& box, common::Single& field);

// For the Change handler of a box whose text is written into a data file as
// one item: a line break (pasted, say) would end the statement early, so it
// is taken out again quietly, without a message in the middle of typing.
void DropLineBreaks(forms::TextBox& box);

}  // namespace forms
