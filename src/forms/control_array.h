#pragma once
// Control arrays: N controls of one kind that share a name and are told
// apart by their index 0 .. N-1 ("cmdOp(3)"). A control registers itself
// with its container and can be neither copied nor moved, so every element
// is built in place.
//
//   std::array<forms::TextBox, 5> txtValue =
//       forms::MakeControlArray<forms::TextBox, 5>(*this, "txtValue");
#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "forms/control.h"

namespace forms {

namespace detail {
template <class T, std::size_t... I>
std::array<T, sizeof...(I)> MakeControlArray(Container& parent, const std::string& name, std::index_sequence<I...>) {
  return {{T(parent, name, static_cast<int>(I))...}};
}
}  // namespace detail

template <class T, std::size_t N>
std::array<T, N> MakeControlArray(Container& parent, const std::string& name) {
  return detail::MakeControlArray<T>(parent, name, std::make_index_sequence<N>{});
}

}  // namespace forms
