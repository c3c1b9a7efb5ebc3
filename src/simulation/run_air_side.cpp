#include "simulation/run_air_side.h"

#include <string>

#include "common/project_paths.h"
#include "energy_input/energy_model_files.h"
#include "simulation/sim_error.h"

namespace simulation {

bool ReadRunAirSide(common::Program& prog, std::string_view routine) {
  auto& ei = prog.energyInput;
  std::string error;
  if (!energy_input::ReadAirSideFile(common::ResolveProjectFile(ei.AssFile, prog.building.ProjDir), ei.EgyModel,
                                     ei.ASSys, error))
    return Fail(prog.sim, routine, "Failed to read air-side system input file " + ei.AssFile + ": " + error);
  return true;
}

}  // namespace simulation
