#pragma once
// The weighting file (.WGT): the user's weighting factors 0..10, then the
// user's cost parameters 0..2, one number a line (14 lines). Energy prices
// are not part of it.
#include <array>
#include <string>

#include "common/value_types.h"

namespace assessment {

struct WeightingValues {
  std::array<common::Single, 11> wgtFtr{};
  std::array<common::Single, 3> costPara{};
};

// Saves the 14 values, one a line, at `path`; a value that is not a finite
// number is never written: the save is refused, naming it. False with the
// reason.
bool WriteWeightingFile(const std::string& path, const WeightingValues& v, std::string& error);

// All or nothing: fills `out` only when the file holds exactly 14 numbers
// within the Single range and acceptable cost parameters; otherwise
// `error` says what is wrong and `out` is untouched.
bool ParseWeightingFile(const std::string& text, WeightingValues& out, std::string& error);

}  // namespace assessment
