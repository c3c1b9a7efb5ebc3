// The sample office's operating energy over the shipped weather year: the
// cooling-load simulation once, then the plant simulation of each of the
// sample's plants (cooling towers; seawater through an exchanger; seawater
// through towers and an exchanger). The rooms' annual loads and the plants'
// annual energy are pinned. Run with OSTREVO_PRINT_SAMPLE_YEAR=1 to print
// the figures.
#include <gtest/gtest.h>

#include <array>
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

bool Print() { return std::getenv("OSTREVO_PRINT_SAMPLE_YEAR") != nullptr; }

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
        const double sens = Number(items.at(1)), air = Number(items.at(3));
        y.sens += sens / 1000;
        y.lat += Number(items.at(2)) / 1000;
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

// The sample's input files in a folder of their own, and the cooling-load
// year computed once for all tests.
class SampleOfficeYear : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new testsupport::TempFolder;
    const std::string sample = std::string(OSTREVO_SOURCE_DIR) + "/samples/office/";
    for (const auto& e : std::filesystem::directory_iterator(sample)) {
      std::string ext = e.path().extension().string();
      if (ext == ".ECI" || ext == ".CON" || ext == ".ASS" || ext == ".WSS" || ext == ".SHM")
        std::filesystem::copy_file(e.path(), folder_->Path() + e.path().filename().string());
    }
    prog_ = NewProgram().release();
    CollectLog log;
    ModRoutine::BCLSim(*prog_, log);
    coolingError_ = prog_->sim.SimErr == 0 ? "" : "cooling load: " + prog_->sim.SimErrMsg;
    if (coolingError_.empty()) years_ = RoomYears(folder_->Read("AnHSpCL.TXT"), prog_->energyInput.EgyModel);
  }
  static void TearDownTestSuite() {
    delete prog_;
    delete folder_;
  }
  void SetUp() override { ASSERT_EQ(coolingError_, ""); }

  static std::unique_ptr<common::Program> NewProgram() {
    auto prog = std::make_unique<common::Program>();
    auto& ei = prog->energyInput;
    prog->building.ProjDir = folder_->Path();
    prog->building.DataDir = std::string(OSTREVO_SOURCE_DIR) + "/data/";
    ei.EciFile = "OFFICE.ECI";
    ei.ConsFile = "OFFICE.CON";
    ei.AssFile = "OFFICE.ASS";
    prog->plant.WssFile = "OFFICE.WSS";
    std::string error;
    EXPECT_TRUE(energy_input::ReadEnergyModelFile(folder_->Path() + "OFFICE.ECI", ei.EgyModel, ei.FabShMask, error))
        << error;
    EXPECT_TRUE(energy_input::ReadAirSideFile(folder_->Path() + "OFFICE.ASS", ei.EgyModel, ei.ASSys, error))
        << error;
    return prog;
  }

  static testsupport::TempFolder* folder_;
  static common::Program* prog_;
  static std::string coolingError_;
  static std::vector<std::vector<RoomYear>> years_;
};

testsupport::TempFolder* SampleOfficeYear::folder_ = nullptr;
common::Program* SampleOfficeYear::prog_ = nullptr;
std::string SampleOfficeYear::coolingError_;
std::vector<std::vector<RoomYear>> SampleOfficeYear::years_;

TEST_F(SampleOfficeYear, RoomLoads) {
  const auto& em = prog_->energyInput.EgyModel;
  for (int z = 1; z <= em.NoOfZn; ++z)
    for (int r = 1; r <= em.ZnNRm[z] && Print(); ++r)
      std::printf("ROOM %d %d %-22s sens %10.1f lat %9.1f minJan1 %9.1f %6.2f\n", z, r, em.RmName[z][r].c_str(),
                  years_[z][r].sens, years_[z][r].lat, years_[z][r].minSensJan1, years_[z][r].minAirJan1);

  // Annual loads, kWh. The non-air-conditioned cores are never cooled.
  struct Pinned {
    int z, r;
    double sens, lat;
  } pinned[] = {
      {1, 1, 87140.0, 12737.6},  // Retail Shops
      {1, 2, 25152.2, 2219.8},   // Entrance Lobby
      {1, 3, 0, 0},              // Core and Plant
      {2, 1, 40885.2, 4713.9},   // Open Office South, typical floor
      {2, 2, 43477.5, 6260.7},   // Open Office North
      {2, 3, 11737.7, 2295.6},   // Meeting Rooms East
      {2, 4, 0, 0},              // Core
      {3, 1, 41230.4, 4696.8},   // Open Office South, top floor
      {3, 2, 44100.6, 4813.1},   // Open Office North
      {3, 3, 11974.2, 2292.3},   // Meeting Rooms East
      {3, 4, 0, 0},              // Core
  };
  for (const auto& p : pinned) {
    EXPECT_NEAR(years_[p.z][p.r].sens, p.sens, 0.1 + 1e-4 * p.sens) << em.RmName[p.z][p.r] << " sensible";
    EXPECT_NEAR(years_[p.z][p.r].lat, p.lat, 0.1 + 1e-4 * p.lat) << em.RmName[p.z][p.r] << " latent";
  }

  // Every room starts the year from walls warmed up on 1 January: no room
  // is cooled below nothing or starts out cold in Honolulu's winter.
  for (int z = 1; z <= em.NoOfZn; ++z) {
    for (int r = 1; r <= em.ZnNRm[z]; ++r) {
      EXPECT_GE(years_[z][r].minSensJan1, 0) << em.RmName[z][r];
      EXPECT_GT(years_[z][r].minAirJan1, 20) << em.RmName[z][r];
    }
  }
}

TEST_F(SampleOfficeYear, PlantsOfEachType) {
  // ACEgy, kWh: the total; fans; chillers; primary, secondary, condenser
  // water and seawater pumps; cooling towers.
  struct Case {
    const char* file;
    int type;
    std::array<double, 8> energy;
  } cases[] = {
      {"OFFICE.WSS", 1, {326841.8, 76382.2, 172275.9, 16566.0, 5293.5, 25953.2, 0, 30371.0}},
      {"OFFICE_SEAWATER.WSS", 2, {348527.0, 76382.2, 177395.1, 16566.0, 5293.5, 28714.2, 44176.0, 0}},
      {"OFFICE_SEAWATER_TOWERS.WSS", 4, {362988.8, 76382.2, 167008.0, 16566.0, 5293.5, 28714.2, 38654.0, 30371.0}},
  };
  for (const auto& c : cases) {
    auto prog = NewProgram();
    prog->plant.WssFile = c.file;
    CollectLog log;
    ModACPlt::RunPlantSimulation(*prog, log);
    ASSERT_EQ(prog->sim.SimErr, 0) << c.file << ": " << prog->sim.SimErrMsg;
    const auto& ac = prog->sim.ACEgy;
    if (Print()) {
      std::printf("PLANT %-28s type %d:", c.file, prog->plant.CPlt.HRSType);
      for (int i = 0; i <= 7; ++i) std::printf(" %.1f", ac[i]);
      std::printf("\n");
    }
    EXPECT_EQ(prog->plant.CPlt.HRSType, c.type) << c.file;
    for (size_t i = 0; i <= 7; ++i)
      EXPECT_NEAR(ac[i], c.energy[i], 0.1 + 1e-4 * c.energy[i]) << c.file << " part " << i;
    EXPECT_FLOAT_EQ(ac[0], ac[2] + ac[1] + ac[3] + ac[4] + ac[5] + ac[6] + ac[7]) << c.file;
  }
}

}  // namespace
