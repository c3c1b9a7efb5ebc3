// The sample office's operating energy over the shipped weather year: the
// cooling-load simulation and the plant simulation run to the end on the
// sample input files, and the annual air-conditioning energy is plausible.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "common/program.h"
#include "energy_input/energy_model_files.h"
#include "simulation/simulation_runs.h"
#include "support/temp_folder.h"

namespace {

class CollectLog : public simulation::RunLog {
 public:
  void Add(const std::string& line) override { lines.push_back(line); }
  void Clear() override { lines.clear(); }
  std::vector<std::string> lines;
};

TEST(SampleOfficeYear, BothSimulationsRunToTheEnd) {
  testsupport::TempFolder folder;
  const std::string sample = std::string(OSTREVO_SOURCE_DIR) + "/samples/office/";
  for (const auto& e : std::filesystem::directory_iterator(sample)) {
    std::string ext = e.path().extension().string();
    if (ext == ".ECI" || ext == ".CON" || ext == ".ASS" || ext == ".WSS" || ext == ".SHM")
      std::filesystem::copy_file(e.path(), folder.Path() + e.path().filename().string());
  }
  auto prog = std::make_unique<common::Program>();
  auto& ei = prog->energyInput;
  prog->building.ProjDir = folder.Path();
  prog->building.DataDir = std::string(OSTREVO_SOURCE_DIR) + "/data/";
  ei.EciFile = "OFFICE.ECI";
  ei.ConsFile = "OFFICE.CON";
  ei.AssFile = "OFFICE.ASS";
  prog->plant.WssFile = "OFFICE.WSS";
  std::string error;
  ASSERT_TRUE(energy_input::ReadEnergyModelFile(folder.Path() + "OFFICE.ECI", ei.EgyModel, ei.FabShMask, error)) << error;
  ASSERT_TRUE(energy_input::ReadAirSideFile(folder.Path() + "OFFICE.ASS", ei.EgyModel, ei.ASSys, error)) << error;

  CollectLog log;
  ModRoutine::BCLSim(*prog, log);
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  ModACPlt::RunPlantSimulation(*prog, log);
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;

  // About 70 kWh per m2 of the 4800 m2 for air conditioning in a warm climate.
  const auto& ac = prog->sim.ACEgy;
  EXPECT_GT(ac[0], 150e3f);
  EXPECT_LT(ac[0], 700e3f);
  float parts = 0;
  for (size_t i = 1; i <= 7; ++i) {
    EXPECT_GE(ac[i], 0) << "part " << i;
    parts += ac[i];
  }
  EXPECT_NEAR(ac[0], parts, ac[0] * 1e-4f);
  EXPECT_GT(ac[2], 0);  // chillers
}

}  // namespace
