#include "energy_input/construction_saving.h"

#include <filesystem>

#include "common/paths.h"
#include "common/project_paths.h"
#include "energy_input/construction_file.h"
#include "energy_input/construction_references.h"
#include "energy_input/energy_file_names.h"
#include "energy_input/energy_model_files.h"
#include "energy_input/project_constructions.h"

namespace energy_input {

namespace {

constexpr const char* kNotSaved = "The constructions were not saved: ";

// A model file with its text as found and as it is to be written.
struct Rewrite {
  std::string path, before, after;
};

std::string ModelFileFailure(const std::string& path, const std::string& what, const std::string& why) {
  return std::string(kNotSaved) + "the energy calculation input file " + path + " could not be " + what + " (" + why +
         ").";
}

// Puts the first `written` files back and ends `message` with how that went.
std::string PutBack(const std::vector<Rewrite>& rewrites, size_t written, std::string message) {
  bool allBack = true;
  for (size_t i = 0; i < written; ++i) {
    std::string why;
    if (common::WriteFileSafely(rewrites[i].path, rewrites[i].before, &why)) continue;
    allBack = false;
    message += " " + rewrites[i].path + " could not be put back as it was (" + why + ").";
  }
  if (allBack) message += " No file was changed.";
  return message;
}

}  // namespace

std::vector<std::string> ProjectModelFiles(const common::Program& prog) {
  std::vector<std::string> names;
  if (!prog.building.Bldg.ProjFile.empty()) names.push_back(EnergyFileName(prog.building.Bldg.ProjFile, "ECI"));
  if (!prog.energyInput.EciFile.empty()) names.push_back(prog.energyInput.EciFile);
  std::vector<std::string> files;
  for (const std::string& name : names) {
    auto found = common::FindExisting(common::ResolveProjectFile(name, prog.building.ProjDir));
    if (!found) continue;
    // Renumbering one file twice would move its numbers twice.
    bool known = false;
    for (const std::string& file : files) {
      std::error_code ec;
      known = known || std::filesystem::equivalent(file, *found, ec);
    }
    if (!known) files.push_back(*found);
  }
  return files;
}

common::EnergyModel ProjectModel(const common::Program& prog) {
  for (const std::string& path : ProjectModelFiles(prog)) {
    common::EnergyModel model;
    common::PerFabric<std::string> masks{};
    std::string why;
    if (ReadEnergyModelFile(path, model, masks, why)) return model;
  }
  return prog.energyInput.EgyModel;
}

std::string WriteConstructionsAndReferences(const common::Program& prog, const std::vector<int>& deleted) {
  std::vector<Rewrite> rewrites;
  if (!deleted.empty()) {
    for (const std::string& path : ProjectModelFiles(prog)) {
      std::string why, projName;
      auto before = common::ReadWholeFile(path, &why);
      common::EnergyModel model;
      common::PerFabric<std::string> masks{};
      if (!before || !ReadEnergyModelText(*before, model, masks, why, &projName))
        return ModelFileFailure(path, "read", why) + " No file was changed.";
      RenumberAfterDeletes(model, deleted);
      std::string after;
      if (!EnergyModelText(projName, model, masks, after, why))
        return ModelFileFailure(path, "written", why) + " No file was changed.";
      rewrites.push_back({path, std::move(*before), std::move(after)});
    }
  }
  for (size_t i = 0; i < rewrites.size(); ++i) {
    std::string why;
    if (!common::WriteFileSafely(rewrites[i].path, rewrites[i].after, &why))
      return PutBack(rewrites, i, ModelFileFailure(rewrites[i].path, "written", why));
  }
  const std::string consPath = ConstructionPath(prog);
  std::string why;
  if (!WriteConstructionFile(consPath, prog.energyInput.cons, why))
    return PutBack(rewrites, rewrites.size(), kNotSaved + consPath + " could not be written (" + why + ").");
  return "";
}

}  // namespace energy_input
