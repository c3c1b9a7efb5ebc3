#pragma once
// The LCC result file (.LCC) and the LCC result table (.CSV) of the
// life-cycle cost results window: its 12 cost rows by 5 stages.
#include <array>
#include <string>

#include "common/value_types.h"

namespace assessment {

constexpr int kLccRows = 12;
constexpr int kLccStages = 5;
// (row 0..11, stage 0..4); stage 0 is the whole life cycle.
using LccValues = common::Array2<common::Single, kLccRows, kLccStages>;
// The same as the boxes' numbers read in double precision, for saving.
using LccNumbers = common::Array2<double, kLccRows, kLccStages>;

// 60 lines, one number each: for stage 0..4 the twelve rows in order.
// Each value in full digits (exponent form only from 1E+15): a value that
// is a Single in the shortest text that reads back as that Single, any
// other in at most 15 significant digits. Saved at `path`; a value that
// is not a finite number is never written: the save is refused, naming it.
// False with the reason.
bool WriteLccFile(const std::string& path, const LccNumbers& v, std::string& error);

// Exactly 60 numbers within the Single range, separated by line ends or
// commas. All or nothing: `out` is untouched on failure and `error` says why.
bool ParseLccFile(const std::string& text, LccValues& out, std::string& error);

// The default name: the project file less its last three characters, then
// "LCC" (OFFICE.PRJ -> OFFICE.LCC, PLAN -> PLCC); empty for a name shorter
// than three characters.
std::string DefaultLccFileName(const std::string& projFile);

// 13 lines: an empty text and the stage captions in screen order (stages
// 1, 2, 3, 4, 0), then one line per row: its caption and its values of
// stages 1, 2, 3, 4, 0 as Singles.
std::string FormatLccTable(const std::array<std::string, kLccStages>& stageCaption,
                           const std::array<std::string, kLccRows>& rowCaption, const LccValues& v);

}  // namespace assessment
