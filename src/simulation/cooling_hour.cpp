#include "simulation/cooling_hour.h"

#include "simulation/load_constants.h"

namespace ModRoutine {

bool CoolingHour(const common::SimulationState& sim, Integer h, Integer t) {
  int start = sim.SchedHrs[0][t], stop = sim.SchedHrs[1][t];
  if (t == kOfficeRoom) {
    if (sim.DayOfWeek == 0) start = 25, stop = -1;
    if (sim.DayOfWeek == 6) stop = 13;
  }
  return !(h < start || h + 1 > stop);
}

}  // namespace ModRoutine
