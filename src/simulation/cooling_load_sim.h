#pragma once
// The building cooling-load simulation: every room of every zone on its own
// through the weather year with a wall-conduction time step of one minute,
// giving the hourly sensible and latent load and air temperature of each
// room in the annual hourly cooling load file "AnHSpCL.TXT". On the way each
// room writes a temporary room load file (".RLF") and each zone a temporary
// zone load file (".ZLF"); both are deleted once used.
#include <string>
#include <vector>

#include "common/program.h"
#include "simulation/calendar.h"
#include "simulation/room_year.h"
#include "simulation/simulation_runs.h"

namespace ModRoutine {

inline constexpr const char* kAnnualLoadFileName = "AnHSpCL.TXT";

// The simulation over the days of `cal` (the weather year for BCLSim), its
// rooms simulated side by side on `threads` threads (0: as many as the
// machine has cores). The files, the run log and the failure reported are
// the same whatever the number of threads.
void RunCoolingLoad(common::Program& prog, simulation::RunLog& log, const simulation::SimCalendar& cal,
                    int threads = 0);

// Names for temporary files, one per name given: the name followed by `ext`,
// unless it is not a plain file name or repeats an earlier one (ignoring
// case); such a name is replaced by `prefix` and its position, made unique.
std::vector<std::string> TempFileNames(const std::vector<std::string>& names, const std::string& ext,
                                       const std::string& prefix);

}  // namespace ModRoutine
