#include "energy_input/shading_mask.h"

#include <charconv>
#include <cmath>

namespace energy_input {

using common::Single;

namespace {

constexpr const char* kOutOfRange = "Window or shading device dimensions out of range!";

// The sunlit width (or height) left by a device whose shadow reaches
// `shadow` past its own offset `offset` from the window's edge.
Single Lit(Single size, Single offset, Single shadow) {
  if (shadow < offset) return size;
  Single lit = size + offset - shadow;
  return lit < 0 ? Single(0) : lit;
}

}  // namespace

std::string GenerateShadingMask(int orientation, const WindowShading& s, ShadingMask& mask) {
  if (orientation < 1 || orientation > 8) return "Window orientation not yet set !";
  const Single A = s.W * s.H;
  if (!(A > 0)) return "Window area <= 0!";
  const Single Wt = s.W + s.DL + s.DR;
  if (!std::isfinite(A) || !std::isfinite(Wt)) return kOutOfRange;

  const Single pi = 4.0f * std::atan(1.0f);
  const Single halfPi = pi / 2.0f;
  // Beyond its cut-off angle a fin shades the whole width. A fin no deeper
  // than 1 % of the total width keeps 90°, and so does a fin without
  // projection, whose cut-off would divide by zero.
  Single thetaL = halfPi, thetaR = halfPi;
  if (0.01f * Wt < s.LP && s.LP > 0) thetaL = std::atan(Wt / s.LP);
  if (0.01f * Wt < s.RP && s.RP > 0) thetaR = std::atan(Wt / s.RP);

  Single window = pi * 45.0f * static_cast<Single>(orientation - 5) / 180.0f;
  if (window < 0) window += 2.0f * pi;

  ShadingMask out{};
  for (int i = 0; i < 36; ++i) {
    const Single sun = static_cast<Single>(10 * i + 5) * pi / 180.0f;
    Single r = sun - window;
    if (std::fabs(r) > pi) r = r <= 0 ? r + 2.0f * pi : r - 2.0f * pi;
    if (std::fabs(r) >= halfPi) continue;  // the sun is behind the window's plane

    Single w;
    if (r < 0) {
      const Single ar = std::fabs(r);
      const Single shadow = ar < thetaR ? s.RP * std::tan(ar) : Wt;
      w = Lit(s.W, s.DR, shadow);
    } else {
      const Single shadow = r < thetaL ? s.LP * std::tan(r) : Wt;
      w = Lit(s.W, s.DL, shadow);
    }
    for (int j = 0; j < 9; ++j) {
      const Single alt = static_cast<Single>(10 * j + 5) * pi / 180.0f;
      const Single v = s.OP * std::tan(alt) / std::cos(r);
      const Single h = Lit(s.H, s.DT, v);
      out[i][j] = h * w / A;
      if (!std::isfinite(out[i][j])) return kOutOfRange;
    }
  }
  mask = out;
  return "";
}

Single RoundTo4(Single value) {
  if (!std::isfinite(value)) return value;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 4);
  if (res.ec != std::errc()) return value;
  Single back = value;
  std::from_chars(buf, res.ptr, back);
  return back;
}

Single RoundShadingMask(ShadingMask& mask) {
  Single sum = 0;
  for (auto& column : mask) {
    for (Single& v : column) {
      sum += v;
      v = RoundTo4(v);
    }
  }
  return RoundTo4(sum / 162.0f);
}

}  // namespace energy_input
