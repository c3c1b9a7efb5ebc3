#include "simulation/run_inputs.h"

#include <functional>
#include <string>

#include "common/project_paths.h"
#include "energy_input/energy_model_files.h"
#include "plant_input/plant_files.h"
#include "simulation/sim_error.h"

namespace simulation {

RunFileReader EnergyModelReader(common::RunInputs& run) {
  return [&run](const std::string& path, std::string& why) {
    return energy_input::ReadEnergyModelFile(path, run.EgyModel, run.FabShMask, why);
  };
}

RunFileReader AirSideReader(common::RunInputs& run) {
  return [&run](const std::string& path, std::string& why) {
    return energy_input::ReadAirSideFile(path, run.EgyModel, run.ASSys, why);
  };
}

RunFileReader PlantReader(common::RunInputs& run) {
  return [&run](const std::string& path, std::string& why) {
    return plant_input::ReadCentralPlantFile(path, run.CPlt, why);
  };
}

namespace {

// Reads the file named `file` (in the project folder) through `read`; false,
// with SimErr set in the name of `routine`, naming the file and `what` it is.
bool ReadRunFile(common::Program& prog, std::string_view routine, const std::string& file, const char* what,
                 const RunFileReader& read) {
  std::string error;
  if (read(common::ResolveProjectFile(file, prog.building.ProjDir), error)) return true;
  return Fail(prog.sim, routine, std::string("Failed to read ") + what + " " + file + ": " + error);
}

}  // namespace

bool ReadRunEnergyModel(common::Program& prog, std::string_view routine) {
  return ReadRunFile(prog, routine, prog.energyInput.EciFile, "energy calculation input file",
                     EnergyModelReader(*prog.sim.run));
}

bool ReadRunAirSide(common::Program& prog, std::string_view routine) {
  return ReadRunFile(prog, routine, prog.energyInput.AssFile, "air-side system input file",
                     AirSideReader(*prog.sim.run));
}

bool PlantFileChosen(common::Program& prog, std::string_view routine) {
  return !prog.plant.WssFile.empty() || Fail(prog.sim, routine, "No central plant input file chosen");
}

bool ReadRunPlant(common::Program& prog, std::string_view routine) {
  return PlantFileChosen(prog, routine) &&
         ReadRunFile(prog, routine, prog.plant.WssFile, "central plant input file", PlantReader(*prog.sim.run));
}

}  // namespace simulation
