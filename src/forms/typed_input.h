#pragma once
// What windows take from their text boxes: numbers by the
// leading-number rule, names that will stand between double quotes in a
// data file.
#include <optional>
#include <string_view>

#include "common/number_text.h"
#include "common/value_types.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace forms {

// The leading number of a text as a Single, by the file reader's rule;
// nullopt beyond the Single range.
using common::TypedSingle;
// The leading number rounded to a whole number, halves to the even
// neighbour; nullopt beyond the Integer range.
std::optional<common::Integer> TypedInteger(std::string_view text);

// Stores the number in `box` into `field`. A number beyond the Single range
// leaves `field` as it was and tells the user so.
void StoreTyped(forms::Form& form, const forms::TextBox& box, common::Single& field);

// For the Change handler of a box whose text is written into a data file as
// one item: a line break (pasted, say) would end the statement early, so it
// is taken out again quietly, without a message in the middle of typing.
void DropLineBreaks(forms::TextBox& box);

// Shows a number in its display form.
void ShowNumber(forms::TextBox& box, common::Single value);

}  // namespace forms
