#include "simulation/simulation_runs.h"

// Until the simulations are built, a run reports that it cannot be made.
namespace ModRoutine {
void BCLSim(common::Program& prog, simulation::RunLog& log) {
  (void)log;
  prog.sim.SimErr = -1;
  prog.sim.SimErrMsg = "BCLSim: the cooling-load simulation is not available";
}
}  // namespace ModRoutine

namespace ModACPlt {
void RunPlantSimulation(common::Program& prog, simulation::RunLog& log) {
  (void)log;
  prog.sim.SimErr = -1;
  prog.sim.SimErrMsg = "RunPlantSimulation: the plant simulation is not available";
}
}  // namespace ModACPlt
