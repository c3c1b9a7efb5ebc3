#pragma once
// The two hourly simulations of the air-conditioning run, as the energy
// calculation window starts them: the building cooling-load simulation
// (writes the annual hourly cooling load file) and the plant simulation
// (reads it and computes ACEgy()). Both report failure through SimErr and
// SimErrMsg of the simulation state and their progress through a run log.
#include <string>

#include "common/program.h"

namespace simulation {

// Where a simulation reports its progress: each line is added at the end
// of the run log and the window repainted.
class RunLog {
 public:
  virtual ~RunLog() = default;
  virtual void Add(const std::string& line) = 0;
  virtual void Clear() = 0;
};

}  // namespace simulation

namespace ModRoutine {
// The building cooling-load simulation over the weather year.
void BCLSim(common::Program& prog, simulation::RunLog& log);
}  // namespace ModRoutine

namespace ModACPlt {
// The hourly simulation of the air-side systems and the central plant. It
// takes the run log as the window hands it to both simulations, and adds
// nothing to it.
void RunPlantSimulation(common::Program& prog, simulation::RunLog& log);
}  // namespace ModACPlt
