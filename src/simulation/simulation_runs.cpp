#include "simulation/simulation_runs.h"

#include "simulation/calendar.h"
#include "simulation/cooling_load_sim.h"
#include "simulation/plant_sim.h"

namespace ModRoutine {
void BCLSim(common::Program& prog, simulation::RunLog& log) { RunCoolingLoad(prog, log, simulation::kWeatherYear); }
}  // namespace ModRoutine

namespace ModACPlt {
void RunPlantSimulation(common::Program& prog, simulation::RunLog&) { RunPlant(prog, simulation::kWeatherYear); }
}  // namespace ModACPlt
