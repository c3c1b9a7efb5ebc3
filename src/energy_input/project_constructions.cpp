#include "energy_input/project_constructions.h"

#include "common/paths.h"
#include "common/project_paths.h"
#include "energy_input/construction_file.h"

namespace energy_input {

std::string ConstructionPath(const common::Program& prog) {
  return common::ResolveProjectFile(prog.energyInput.ConsFile, prog.building.ProjDir);
}

ConsLoadResult ReadProjectConstructions(common::Program& prog) {
  std::string path = ConstructionPath(prog);
  if (prog.energyInput.ConsFile.empty() || !common::FindExisting(path)) return {ConsLoad::Missing, ""};
  std::string why;
  if (!ReadConstructionFile(path, prog.energyInput.cons, why))
    return {ConsLoad::Failed,
            "The construction file " + path + " could not be read (" + why + "); no constructions were taken from it."};
  return {ConsLoad::Read, ""};
}

}  // namespace energy_input
