#pragma once
// The hourly simulation of the air-side systems, the fresh-air units and the
// central plant over the weather year, from the annual hourly cooling load
// file. Writes one line per operating hour to "BCLnEQW.SDF" and sums the
// annual energy of the air-conditioning (kWh), which replaces ACEgy() only
// when the run succeeds; a sum that stops being finite ends the run with a
// message naming it. The run works from its own records (SimulationState::
// run), read from the saved files at its start.
#include <string>
#include <string_view>

#include "common/program.h"
#include "simulation/calendar.h"

namespace ModACPlt {

inline constexpr const char* kPlantOutputFileName = "BCLnEQW.SDF";
inline constexpr std::string_view kRunPlantSimulation = "RunPlantSimulation";

// False, with SimErr and SimErrMsg set, when the plant's hours give no
// working day (a start at or after the stop, or hours beyond 0-23 and
// 1-24). The plant does not run across midnight.
bool CheckPlantHours(const common::CentralPlantData& cp, common::SimulationState& sim);

// The simulation over the days of `cal` (the weather year for RunPlantSimulation).
// It reports no progress on the way: its hours go to the output file.
void RunPlant(common::Program& prog, const simulation::SimCalendar& cal);

}  // namespace ModACPlt
