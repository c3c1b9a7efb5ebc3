#pragma once
// The code lists of the energy input windows in their combo boxes: a code is
// its caption's place in the list, 0 being "not set".
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "common/value_types.h"
#include "forms/controls.h"

namespace energy_input {

// Fills `list` with the captions, code 0 first.
template <std::size_t N>
void FillCodes(forms::ComboBox& list, const std::array<std::string_view, N>& captions) {
  list.Clear();
  for (auto c : captions) list.AddItem(std::string(c));
}

// A list position as a code: a typed text chooses no entry, which is "not set".
inline common::Integer CodeOf(const forms::ComboBox& list) {
  return static_cast<common::Integer>(list.ListIndex() < 0 ? 0 : list.ListIndex());
}

}  // namespace energy_input
