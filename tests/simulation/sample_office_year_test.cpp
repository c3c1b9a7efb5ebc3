// The sample office's operating energy over the shipped weather year: the
// cooling-load simulation and the plant simulation run to the end on the
// sample input files; the rooms' annual loads and the plant's annual energy
// are pinned.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "common/program.h"
#include "energy_input/energy_model_files.h"
#include "sim_fixture.h"
#include "simulation/simulation_runs.h"
#include "support/temp_folder.h"

namespace {

double Number(const std::string& s) {
  double v = 0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v;
}

// Per room of the annual hourly cooling load file: the annual sensible and
// latent load (kWh), and the smallest hourly sensible load (W) and air
// temperature (degC) of 1 January.
struct RoomYear {
  double sens = 0, lat = 0, minSensJan1 = 0, minAirJan1 = 0;
};

std::vector<std::vector<RoomYear>> RoomYears(const std::string& text, const common::EnergyModel& em) {
  std::vector<std::vector<RoomYear>> out(static_cast<size_t>(em.NoOfZn) + 1);
  for (int z = 1; z <= em.NoOfZn; ++z) out[z].resize(static_cast<size_t>(em.ZnNRm[z]) + 1);
  const auto lines = simtest::Lines(text);
  size_t i = 0;
  for (int hour = 0; hour < 8760 && i < lines.size(); ++hour) {
    ++i;  // hour line
    for (int z = 1; z <= em.NoOfZn; ++z) {
      ++i;  // zone line
      for (int r = 1; r <= em.ZnNRm[z]; ++r, ++i) {
        const auto items = simtest::Items(lines.at(i));
        RoomYear& y = out[z][r];
        const double sens = Number(items.at(1));
        y.sens += sens / 1000;
        y.lat += Number(items.at(2)) / 1000;
        const double air = Number(items.at(3));
        if (hour == 0) y.minSensJan1 = sens, y.minAirJan1 = air;
        if (hour < 24) y.minSensJan1 = std::min(y.minSensJan1, sens), y.minAirJan1 = std::min(y.minAirJan1, air);
      }
    }
  }
  return out;
}

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
  const auto& em = ei.EgyModel;
  const auto years = RoomYears(folder.Read("AnHSpCL.TXT"), em);
  const bool print = std::getenv("OSTREVO_PRINT_SAMPLE_YEAR") != nullptr;
  for (int z = 1; z <= em.NoOfZn && print; ++z)
    for (int r = 1; r <= em.ZnNRm[z]; ++r)
      std::printf("ROOM %d %d %-22s sens %10.1f lat %9.1f minJan1 %9.1f %6.2f\n", z, r, em.RmName[z][r].c_str(),
                  years[z][r].sens, years[z][r].lat, years[z][r].minSensJan1, years[z][r].minAirJan1);

  // Every room starts the year from walls warmed up on 1 January: no room
  // is cooled below nothing or starts out cold in Honolulu's winter.
  for (int z = 1; z <= em.NoOfZn; ++z) {
    for (int r = 1; r <= em.ZnNRm[z]; ++r) {
      EXPECT_GE(years[z][r].minSensJan1, 0) << em.RmName[z][r];
      EXPECT_GT(years[z][r].minAirJan1, 20) << em.RmName[z][r];
    }
  }

  ModACPlt::RunPlantSimulation(*prog, log);
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;

  const auto& ac = prog->sim.ACEgy;
  for (int i = 0; i <= 7 && print; ++i) std::printf("ACEGY %d %.1f\n", i, ac[i]);
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
