#pragma once
// The value types of the records and files: Integer (16 bits), Long (32
// bits), Single (float) and Double, the fixed-bound arrays, and the checked
// conversions between them.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

namespace common {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

// Fixed-bound arrays: Array2<T, 5, 11> is "(0 To 4, 0 To 10)".
template <class T, std::size_t N0, std::size_t N1>
using Array2 = std::array<std::array<T, N1>, N0>;
template <class T, std::size_t N0, std::size_t N1, std::size_t N2>
using Array3 = std::array<Array2<T, N1, N2>, N0>;

// Rounds to the nearest whole number, halves to the even neighbour
// (the default rounding mode), and checks the Integer range.
inline std::optional<Integer> ToInteger(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double r = std::nearbyint(value);
  if (r < std::numeric_limits<Integer>::min() || r > std::numeric_limits<Integer>::max()) return std::nullopt;
  return static_cast<Integer>(r);
}

inline std::optional<Long> ToLong(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double r = std::nearbyint(value);
  if (r < std::numeric_limits<Long>::min() || r > std::numeric_limits<Long>::max()) return std::nullopt;
  return static_cast<Long>(r);
}

// Stores a value as a Single; nullopt when it is not finite or lies beyond
// the Single range.
inline std::optional<Single> ToSingle(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  if (std::fabs(value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<Single>(value);
}

// Stores a number read from a file as the nearest Single; nullopt when that
// is not finite. A value beyond the largest Single by less than half a unit
// in its last place rounds to it, as the shortest text of the largest
// Single ("3.4028235E+38") does; from that midpoint on it rounds to infinity
// (the largest Single's last digit is odd, so the tie goes up).
inline std::optional<Single> NearestSingle(double value) {
  constexpr double kMax = std::numeric_limits<Single>::max();
  constexpr double kMidpoint = kMax + 0x1p103;  // half a unit in the last place of kMax
  if (!std::isfinite(value) || std::fabs(value) >= kMidpoint) return std::nullopt;
  if (std::fabs(value) > kMax) return static_cast<Single>(std::copysign(kMax, value));
  return static_cast<Single>(value);
}

}  // namespace common
