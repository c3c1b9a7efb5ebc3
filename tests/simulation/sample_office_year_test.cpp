// The sample office's operating energy over the shipped weather year: the
// cooling-load simulation once, then the plant simulation of each of the
// sample's plants (cooling towers; seawater through an exchanger; seawater
// through towers and an exchanger). Every room's annual sensible and latent
// load and each plant's annual energies are compared with the reference
// results in tests/data/sample_office_year.txt (see reference_results.h),
// and every room's heat over the year is shown to balance.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <map>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "common/program.h"
#include "energy_input/construction_file.h"
#include "reference_results.h"
#include "sim_fixture.h"
#include "simulation/calendar.h"
#include "simulation/cooling_hour.h"
#include "simulation/load_constants.h"
#include "simulation/mean_radiant.h"
#include "simulation/room_stepper.h"
#include "simulation/room_year.h"
#include "simulation/simulation_runs.h"
#include "simulation/solar.h"
#include "simulation/wall_conduction.h"
#include "simulation/weather.h"
#include "support/sample_office.h"
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
    std::string error;
    EXPECT_TRUE(testsupport::CopySampleOfficeFiles(folder_->Path(), error)) << error;
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
    std::string error;
    EXPECT_TRUE(testsupport::LoadSampleOffice(*prog, folder_->Path(), error)) << error;
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

// Each room's annual loads, kWh, summed from the annual hourly cooling load
// file; the non-air-conditioned cores are never cooled.
TEST_F(SampleOfficeYear, RoomLoads) {
  const auto& em = prog_->energyInput.EgyModel;
  ASSERT_EQ(em.NoOfZn, 3);
  simtest::ReferenceResults reference;
  for (int z = 1; z <= em.NoOfZn; ++z) {
    for (int r = 1; r <= em.ZnNRm[z]; ++r) {
      const std::string room = "room[" + std::to_string(z) + "][" + std::to_string(r) + "]";
      reference.Expect(room + ".sensible", years_[z][r].sens);
      reference.Expect(room + ".latent", years_[z][r].lat);
    }
  }
  reference.ExpectAllGiven("room[");

  // Every room starts the year from walls warmed up on 1 January: no room
  // is cooled below nothing or starts out cold in Honolulu's winter.
  for (int z = 1; z <= em.NoOfZn; ++z) {
    for (int r = 1; r <= em.ZnNRm[z]; ++r) {
      EXPECT_GE(years_[z][r].minSensJan1, 0) << em.RmName[z][r];
      EXPECT_GT(years_[z][r].minAirJan1, 20) << em.RmName[z][r];
    }
  }
}

// A room's heat over the year (kWh), the room stepped minute by minute as
// its year is, from walls at its design temperature: what its outer faces
// take in (roofs, walls, windows, partitions, the floor's underside under
// a roof), the sun through its windows, the internal gains, infiltration,
// and what its walls stored, against its sensible load. The node weights of
// a step, rounded to Singles, sum to 1 within about 1e-7, which adds heat
// cap (A + C - B - 1) T at each node that holds heat: a few kWh a year, kept
// apart as `rounding`.
struct RoomBalance {
  double load = 0, conduction = 0, solar = 0, gains = 0, infiltration = 0, stored = 0, rounding = 0;
  double Imbalance() const { return load - (conduction + solar + gains + infiltration + rounding - stored); }
};

RoomBalance BalanceOfRoom(const common::Program& prog, const common::ConstructionTables& ct,
                          const ModRoutine::WallLayouts& walls, const ModRoutine::WeatherYear& weather, int z, int r) {
  using namespace ModRoutine;
  auto sim = std::make_unique<common::SimulationState>(prog.sim);
  auto& m = sim->load;
  LoadRoom(prog, *sim, z, r);
  SetupWallNodes(walls, *sim);
  EXPECT_EQ(sim->SimErr, 0) << sim->SimErrMsg;
  PrepareEnclosure(m);
  for (auto& plane : m.NodeTemp)
    for (auto& comp : plane) comp.fill(m.RmSetT);
  const auto& as = prog.energyInput.ASSys;
  auto stepper = std::make_unique<RoomStepper>();
  stepper->Load(ct, m, as.DsgSensLd[0][z][r], as.DsgTotLd[0][z][r]);
  const int t = prog.energyInput.EgyModel.RmType[z][r], f = m.FloorFab;
  auto last = [&](int c) { return m.LayEndNode[c][ct.ConsNLay[m.CurFabCons[c]]]; };
  auto heatHeld = [&] {
    double u = 0;
    for (int c = 1; c <= m.CurNFab; ++c)
      for (int n = 1; n <= last(c); ++n) u += m.CurFabArea[c] * m.NodeHeat[c][n] * stepper->NodeTemp(c, n);
    return u;
  };
  const double heldAtStart = heatHeld();
  std::array<std::array<double, common::kMaxNodes + 1>, common::kMaxFabrics + 1> roundingHeat{};
  for (int c = 1; c <= m.CurNFab; ++c)
    for (int n = 1; n <= last(c); ++n)
      if (m.NodeHeat[c][n] > 0)
        roundingHeat[c][n] = m.CurFabArea[c] * m.NodeHeat[c][n] *
                             (static_cast<double>(m.NodeCoefA[c][n]) + m.NodeCoefC[c][n] - m.NodeCoefB[c][n] - 1);
  const double uaOff = 1020 * static_cast<Single>(m.RmVol * 0.6 / 3600);
  const double uaOn = 1020 * static_cast<Single>(m.RmVol * 0.12 / 3600);
  RoomBalance b;
  sim->DayOfWeek = 6;
  int hour = 0;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= simulation::kWeatherYear.MonthDays[month]; ++day) {
      simulation::AdvanceDayOfWeek(sim->DayOfWeek);
      for (int h = 0; h <= 23; ++h, ++hour) {
        PutWeatherHour(weather.hours.at(static_cast<std::size_t>(hour)), *sim);
        m.OccFrac = m.OccSched[t][h + 1];
        m.LgtFrac = m.LgtSched[t][h + 1];
        m.EqpFrac = m.EqpSched[t][h + 1];
        if (t == kOfficeRoom && (sim->DayOfWeek == 0 || (sim->DayOfWeek == 6 && h + 1 > 13)))
          m.OccFrac = m.LgtFrac = m.EqpFrac = 0;
        m.BeamSolGain[0] = m.DifSolGain[0] = 0;
        CalSolGain(ct, prog.building.ProjDir, *sim);
        CalSolAirTemp(ct, *sim);
        stepper->BeginHour(m, sim->OutTdb, sim->OutW,
                           CoolingHour(*sim, static_cast<Integer>(h), static_cast<Integer>(t)));
        const double gains = 65.0 * m.RmOcc * m.OccFrac + m.RmLgtLd * m.LgtFrac + m.RmEqpLd * m.EqpFrac;
        const double solar = m.BeamSolGain[0] + m.DifSolGain[0];
        for (int step = 1; step <= 60; ++step) {
          // The heat the outer faces take in over the step, from the
          // temperatures at its start.
          double in = 0;
          for (int c = 1; c <= m.CurNFab; ++c) {
            if (c != f)
              in += m.CurFabArea[c] * kOutsideFilm * (m.SurfRefTemp[c][0] - stepper->NodeTemp(c, 1));
            else if (m.HasRoof)
              in += m.CurFabArea[c] * kInsideFilm * (m.RmSetT - stepper->NodeTemp(c, last(c)));
          }
          for (int c = 1; c <= m.CurNFab; ++c)
            for (int n = 1; n <= last(c); ++n) b.rounding += roundingHeat[c][n] * stepper->NodeTemp(c, n);
          stepper->Step();
          const bool cooled = stepper->StepSensLd() != 0 || stepper->StepLatLd() != 0;
          b.infiltration += (cooled ? uaOn : uaOff) * (sim->OutTdb - stepper->RmAirT()) * 60;
          b.load += stepper->StepSensLd() * 60.0;
          b.conduction += in * 60;
          b.gains += gains * 60;
          b.solar += solar * 60;
        }
      }
    }
  }
  b.stored = heatHeld() - heldAtStart;
  for (double* v : {&b.load, &b.conduction, &b.solar, &b.gains, &b.infiltration, &b.stored, &b.rounding}) *v /= 3.6e6;
  return b;
}

// Every room's heat closes over the year: what its faces, windows,
// infiltration and gains bring in and its walls do not store is its
// sensible load (for the rooms never cooled, nothing) within 0.2 % of that
// load (for those rooms, of the heat through their faces).
TEST_F(SampleOfficeYear, EveryRoomsSensibleBalanceCloses) {
  const auto& em = prog_->energyInput.EgyModel;
  auto ct = std::make_unique<common::ConstructionTables>();
  std::string error;
  ASSERT_TRUE(energy_input::ReadConstructionFile(folder_->Path() + prog_->energyInput.ConsFile, *ct, error)) << error;
  const ModRoutine::WallLayouts walls(*ct);
  ModRoutine::WeatherYear weather;
  ASSERT_TRUE(ModRoutine::ReadWeatherYear(prog_->building.DataDir + ModRoutine::kWeatherFileName, 8760, weather));
  ASSERT_EQ(weather.hours.size(), 8760u);
  // The rooms side by side, as a run takes them.
  std::vector<std::pair<int, int>> rooms;
  for (int z = 1; z <= em.NoOfZn; ++z)
    for (int r = 1; r <= em.ZnNRm[z]; ++r) rooms.emplace_back(z, r);
  std::vector<RoomBalance> balances(rooms.size());
  std::vector<std::thread> threads;
  for (std::size_t k = 0; k < rooms.size(); ++k)
    threads.emplace_back(
        [&, k] { balances[k] = BalanceOfRoom(*prog_, *ct, walls, weather, rooms[k].first, rooms[k].second); });
  for (auto& thread : threads) thread.join();
  for (std::size_t k = 0; k < rooms.size(); ++k) {
    const RoomBalance& b = balances[k];
    const double scale = b.load > 0 ? b.load : std::fabs(b.conduction);
    EXPECT_LE(std::fabs(b.Imbalance()), 0.002 * scale)
        << em.RmName[rooms[k].first][rooms[k].second] << ": load " << b.load << " kWh against conduction "
        << b.conduction << ", sun " << b.solar << ", gains " << b.gains << ", infiltration " << b.infiltration
        << ", rounding " << b.rounding << ", stored " << b.stored;
  }
}

// ACEgy, kWh: the total; fans; chillers; primary, secondary, condenser water
// and seawater pumps; cooling towers.
// The plant starts at 7, an hour before the zones' first hour (9): hour 8
// of every day has no load. No chiller runs or draws power then, while the
// pumps and towers run for the flows of the chiller that would carry a load
// (kW: one primary pump, one condenser water pump, the seawater pumps, one
// tower) and the fresh-air unit its fan.
// The plants have the same chillers, so their seasonal COP (the year's plant
// load over the chillers' energy) falls as their condenser water warms:
// tower water straight to the condenser; tower water behind an exchanger;
// seawater, in this climate no cooler than the towers' water, behind an
// exchanger.
TEST_F(SampleOfficeYear, PlantsOfEachType) {
  struct Case {
    const char* file;
    int type;
    float condenserPumps, seawaterPumps, towers;  // in the hours without load
    int copRank;                                  // 1 for the best seasonal COP
  } cases[] = {{"OFFICE.WSS", 1, 4.7f, 0, 5.5f, 1},
               {"OFFICE_SEAWATER.WSS", 2, 5.2f, 8, 0, 3},
               {"OFFICE_SEAWATER_TOWERS.WSS", 4, 5.2f, 7, 5.5f, 2}};
  std::map<int, std::pair<double, std::string>> copByRank;
  simtest::ReferenceResults reference;
  for (const auto& c : cases) {
    auto prog = NewProgram();
    prog->plant.WssFile = c.file;
    CollectLog log;
    ModACPlt::RunPlantSimulation(*prog, log);
    ASSERT_EQ(prog->sim.SimErr, 0) << c.file << ": " << prog->sim.SimErrMsg;
    const auto& ac = prog->sim.ACEgy;
    EXPECT_EQ(prog->sim.run->CPlt.HRSType, c.type) << c.file;
    for (size_t i = 0; i < ac.size(); ++i)
      reference.Expect(std::string(c.file) + ":ACEgy[" + std::to_string(i) + "]", ac[i]);
    EXPECT_FLOAT_EQ(ac[0], ac[2] + ac[1] + ac[3] + ac[4] + ac[5] + ac[6] + ac[7]) << c.file;
    reference.ExpectAllGiven(std::string(c.file) + ":");

    int idle = 0;
    double plantLoad = 0;
    for (const auto& line : simtest::Lines(folder_->Read("BCLnEQW.SDF"))) {
      const auto items = simtest::Items(line);
      plantLoad += Number(items.at(3));
      if (Number(items.at(3)) != 0) continue;
      ++idle;
      SCOPED_TRACE(std::string(c.file) + ", hour without load: " + line);
      EXPECT_EQ(items.at(2), "8");
      EXPECT_EQ(Number(items.at(6)), 0);                                 // chillers
      EXPECT_FLOAT_EQ(Number(items.at(4)) + Number(items.at(5)), 2.2f);  // fans
      EXPECT_FLOAT_EQ(Number(items.at(7)), 3);                           // primary pumps
      EXPECT_FLOAT_EQ(Number(items.at(9)), c.condenserPumps);
      EXPECT_FLOAT_EQ(Number(items.at(10)), c.seawaterPumps);
      EXPECT_FLOAT_EQ(Number(items.at(11)), c.towers);
    }
    EXPECT_EQ(idle, 365) << c.file;
    copByRank[c.copRank] = {plantLoad / ac[2], c.file};
  }
  ASSERT_EQ(copByRank.size(), 3u);
  for (int rank = 2; rank <= 3; ++rank)
    EXPECT_LT(copByRank[rank].first, copByRank[rank - 1].first)
        << copByRank[rank].second << " against " << copByRank[rank - 1].second;
}

}  // namespace
