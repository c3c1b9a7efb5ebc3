#pragma once
// The air-side design both simulations of an air-conditioning run work
// from: the project's saved air-side system input file, read into ASSys at
// the start of each. The cooling-load run sizes each room with its design
// loads and the plant run sizes the systems with the same file, so an
// air-side edit that was not saved, or design values left in memory by
// other files, never reach a result.
#include <string_view>

#include "common/program.h"

namespace simulation {

// Reads the file named by AssFile (in the project folder) with the zone and
// room counts of EgyModel; false, with SimErr and SimErrMsg set in the name
// of `routine` and ASSys as it was, when it cannot be read.
bool ReadRunAirSide(common::Program& prog, std::string_view routine);

}  // namespace simulation
