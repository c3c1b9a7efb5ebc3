#pragma once
// The saved files an air-conditioning run works from, read into the run's own
// records (SimulationState::run) and never into the records the input
// windows edit: the energy calculation input file, the air-side system input
// file and the central plant input file, under the names the program holds,
// in the project folder. Each simulation of a Calculate reads the files it
// needs at its start, so its result depends on the saved files alone: an
// edit not saved, or the values of other files left in memory, never reach
// it, and no open window's unsaved work is touched.
#include <functional>
#include <string>
#include <string_view>

#include "common/program.h"

namespace simulation {

// Reads one file, at a path already resolved, over its record of `run`,
// which changes only when the whole file was read; false with the reason.
using RunFileReader = std::function<bool(const std::string& path, std::string& why)>;
// The energy calculation input file into the EgyModel and FabShMask of `run`.
RunFileReader EnergyModelReader(common::RunInputs& run);
// The air-side system input file into its ASSys, with the zone and room
// counts of its EgyModel.
RunFileReader AirSideReader(common::RunInputs& run);
// The central plant input file into its CPlt.
RunFileReader PlantReader(common::RunInputs& run);

// Each reads its file over its record of the run, which changes only when
// the whole file was read; false, with SimErr and SimErrMsg set in the name
// of `routine`, when the file cannot be read.

// EciFile into the run's EgyModel and FabShMask.
bool ReadRunEnergyModel(common::Program& prog, std::string_view routine);
// AssFile into the run's ASSys, with the zone and room counts of the run's
// EgyModel.
bool ReadRunAirSide(common::Program& prog, std::string_view routine);
// WssFile into the run's CPlt.
bool ReadRunPlant(common::Program& prog, std::string_view routine);

// False, with "No central plant input file chosen" in the name of
// `routine`, when WssFile names no file.
bool PlantFileChosen(common::Program& prog, std::string_view routine);

}  // namespace simulation
