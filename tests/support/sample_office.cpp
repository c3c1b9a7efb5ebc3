#include "support/sample_office.h"

#include <filesystem>
#include <system_error>

#include "energy_input/energy_model_files.h"

namespace testsupport {

namespace {

const std::string kSample = std::string(OSTREVO_SOURCE_DIR) + "/samples/office/";

// Copies the sample's files whose extension `wanted` accepts.
template <class Wanted>
bool CopySample(const std::string& folder, std::string& error, Wanted wanted) {
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(kSample, ec)) {
    if (!wanted(e.path().extension().string())) continue;
    std::filesystem::copy_file(e.path(), folder + e.path().filename().string(),
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) break;
  }
  if (ec) error = "cannot copy the sample office into " + folder + ": " + ec.message();
  return !ec;
}

}  // namespace

bool CopySampleOfficeFiles(const std::string& folder, std::string& error) {
  return CopySample(folder, error, [](const std::string& ext) {
    return ext == ".ECI" || ext == ".CON" || ext == ".ASS" || ext == ".WSS" || ext == ".NAC" || ext == ".SHM";
  });
}

bool CopySampleOfficeProject(const std::string& folder, std::string& error) {
  return CopySample(folder, error, [](const std::string& ext) { return ext != ".md"; });
}

bool LoadSampleOffice(common::Program& prog, const std::string& folder, std::string& error) {
  auto& ei = prog.energyInput;
  prog.building.ProjDir = folder;
  prog.building.DataDir = std::string(OSTREVO_SOURCE_DIR) + "/data/";
  ei.EciFile = "OFFICE.ECI";
  ei.ConsFile = "OFFICE.CON";
  ei.AssFile = "OFFICE.ASS";
  prog.plant.WssFile = "OFFICE.WSS";
  if (!energy_input::ReadEnergyModelFile(folder + ei.EciFile, ei.EgyModel, ei.FabShMask, error) ||
      !energy_input::ReadAirSideFile(folder + ei.AssFile, ei.EgyModel, ei.ASSys, error))
    return false;
  auto& run = *prog.sim.run;
  run.EgyModel = ei.EgyModel;
  run.FabShMask = ei.FabShMask;
  run.ASSys = ei.ASSys;
  return true;
}

}  // namespace testsupport
