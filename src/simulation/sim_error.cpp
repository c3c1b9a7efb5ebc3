#include "simulation/sim_error.h"

#include <string>

namespace simulation {

bool Fail(common::SimulationState& sim, std::string_view routine, std::string_view text) {
  sim.SimErr = -1;
  sim.SimErrMsg.assign(routine);
  sim.SimErrMsg += ": ";
  sim.SimErrMsg += text;
  return false;
}

bool FailAfter(common::SimulationState& sim, std::string_view routine, std::string_view text) {
  sim.SimErrMsg += ' ';
  sim.SimErrMsg += routine;
  sim.SimErrMsg += ": ";
  sim.SimErrMsg += text;
  return false;
}

bool FailAs(common::SimulationState& sim, std::string_view message) {
  sim.SimErr = -1;
  sim.SimErrMsg.assign(message);
  return false;
}

}  // namespace simulation
