#pragma once
// Saving the project's constructions together with the construction
// numbers that refer to them: the energy calculation input files on disk
// follow the constructions deleted since the last save, so the two never
// get out of step.
#include <string>
#include <vector>

#include "common/program.h"

namespace energy_input {

// The energy calculation input files that refer to the project's
// constructions: the project's own (the one the energy modelling input
// opens) and the one named by EciFile (the one the energy calculation
// reads); each that exists, once.
std::vector<std::string> ProjectModelFiles(const common::Program& prog);

// The project's energy model as the user finds it on disk: the first of
// those files that can be read, else the energy model in memory.
common::EnergyModel ProjectModel(const common::Program& prog);

// Renumbers the construction numbers of every project model file for the
// constructions `deleted` (in the order they were deleted), then writes the
// construction tables to the construction file. All or nothing: the model
// files are all read before any is written, and when a write fails the
// files already rewritten are put back as they were. Returns "" when all
// was written, else what the user is told.
std::string WriteConstructionsAndReferences(const common::Program& prog, const std::vector<int>& deleted);

}  // namespace energy_input
