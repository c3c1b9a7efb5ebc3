#pragma once
// The hourly simulation of the air-side systems, the fresh-air units and the
// central plant over the weather year, from the annual hourly cooling load
// file. Writes one line per operating hour to "BCLnEQW.SDF" and sums the
// annual energy of the air-conditioning in ACEgy() (kWh).
#include "common/program.h"
#include "simulation/calendar.h"
#include "simulation/simulation_runs.h"

namespace ModACPlt {

inline constexpr const char* kPlantOutputFileName = "BCLnEQW.SDF";

// The simulation over the days of `cal` (the weather year for RunPlantSimulation).
void RunPlant(common::Program& prog, simulation::RunLog& log, const simulation::SimCalendar& cal);

}  // namespace ModACPlt
