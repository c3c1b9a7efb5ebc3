#pragma once
// The shading mask of a window with an overhang above it and a fin on
// each side: for 36 sun azimuths (5° to 355° from south towards west, in
// steps of 10°) and 9 sun altitudes (5° to 85°), the sunlit fraction of the
// window area. All arithmetic is in single precision.
#include <string>

#include "common/value_types.h"

namespace energy_input {

// (azimuth column 0..35, altitude row 0..8).
using ShadingMask = common::Array2<common::Single, 36, 9>;

// The window and its shading devices, m.
struct WindowShading {
  common::Single W = 0, H = 0;    // window width and height
  common::Single OP = 0, DT = 0;  // overhang projection; its height above the window top
  common::Single LP = 0, DL = 0;  // left fin projection; its distance from the window's left edge
  common::Single RP = 0, DR = 0;  // right fin projection; its distance from the window's right edge
};

// Computes the mask of a window facing `orientation` (1 N, 2 NE .. 8 NW).
// Returns "" on success, else the message to show; `mask` is then left as
// it was.
std::string GenerateShadingMask(int orientation, const WindowShading& s, ShadingMask& mask);

// A value rounded to 4 decimal places: written with 4 digits after the
// point and read back.
common::Single RoundTo4(common::Single value);

// Rounds every value in place and returns the mean: the sum of the values
// taken before rounding, over 162 (the values of the 18 columns that face
// a main orientation), rounded likewise.
common::Single RoundShadingMask(ShadingMask& mask);

}  // namespace energy_input
