#pragma once
// Insert and delete over a list whose items are numbered 1..count and
// whose fields are held in parallel arrays, element i belonging to item i
// (element 0 holds no item). Each array moves as a whole element, so an
// array of arrays (the rooms of every zone) moves its zones with all their
// rooms. A cleared element is value-initialised: 0, an empty string, or an
// inner array of those.
//
//   common::InsertItemAfter(k, count, rec.Name, rec.Power, rec.Hours);
//   common::RemoveItem(k, count, rec.Name, rec.Power, rec.Hours);
#include <algorithm>
#include <array>
#include <cstddef>

namespace common {

namespace detail {
template <class T, std::size_t N>
constexpr std::size_t ItemArraySize(const std::array<T, N>&) {
  return N;
}
}  // namespace detail

// True when item `selected` exists in a list of `count` items that every
// array can hold (elements 1..count).
template <class... Arrays>
bool ValidItem(int selected, int count, const Arrays&... arrays) {
  std::size_t size = std::min({detail::ItemArraySize(arrays)...});
  return selected >= 1 && selected <= count && static_cast<std::size_t>(count) < size;
}

// Opens an empty item after item `selected`: items selected+1..count move
// one place up, from the top down, and item selected+1 is cleared. Needs
// room for count+1 items; returns false and changes nothing otherwise.
template <class... Arrays>
bool InsertItemAfter(int selected, int count, Arrays&... arrays) {
  if (!ValidItem(selected, count, arrays...)) return false;
  if (static_cast<std::size_t>(count) + 1 >= std::min({detail::ItemArraySize(arrays)...})) return false;
  auto shift = [&](auto& a) {
    for (int i = count; i > selected; --i) a[static_cast<std::size_t>(i) + 1] = a[static_cast<std::size_t>(i)];
    a[static_cast<std::size_t>(selected) + 1] = {};
  };
  (shift(arrays), ...);
  return true;
}

// Opens an empty item at the top of the list (before item 1): items
// 1..count move one place up and item 1 is cleared; an empty list gets its
// first item. Needs room for count+1 items; returns false and changes
// nothing otherwise.
template <class... Arrays>
bool InsertFirstItem(int count, Arrays&... arrays) {
  if (count < 0 || static_cast<std::size_t>(count) + 1 >= std::min({detail::ItemArraySize(arrays)...})) return false;
  auto shift = [&](auto& a) {
    for (int i = count; i >= 1; --i) a[static_cast<std::size_t>(i) + 1] = a[static_cast<std::size_t>(i)];
    a[1] = {};
  };
  (shift(arrays), ...);
  return true;
}

// Removes item `selected`: items selected+1..count move one place down, in
// rising order, and item count is cleared. Returns false and changes
// nothing when the item does not exist.
template <class... Arrays>
bool RemoveItem(int selected, int count, Arrays&... arrays) {
  if (!ValidItem(selected, count, arrays...)) return false;
  auto shift = [&](auto& a) {
    for (int i = selected; i < count; ++i) a[static_cast<std::size_t>(i)] = a[static_cast<std::size_t>(i) + 1];
    a[static_cast<std::size_t>(count)] = {};
  };
  (shift(arrays), ...);
  return true;
}

}  // namespace common
