// The cooling-load simulation with its rooms spread over threads: whatever
// the number of threads, the same files byte for byte, the same run log and
// the same failure.
#include <gtest/gtest.h>

#include <filesystem>

#include "sim_fixture.h"
#include "simulation/cooling_load_sim.h"
#include "support/sample_office.h"
#include "support/temp_folder.h"

namespace {

constexpr int kThreadCounts[] = {1, 2, 8};

std::vector<std::string> FilesEndingIn(const std::string& folder, const std::string& ext) {
  std::vector<std::string> out;
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    std::string name = e.path().filename().string();
    if (name.size() >= ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0) out.push_back(name);
  }
  return out;
}

// The sample office (three zones of three, four and four rooms; the rooms of
// the two office floors bear the same names) over the shipped weather year.
struct OfficeYear {
  std::string annual, plant;
  std::vector<std::string> log;
  common::PerRoom<common::Single> lastSens{}, lastLat{};
};

OfficeYear RunOffice(int threads) {
  testsupport::TempFolder tmp;
  auto prog = simtest::NewProgram();
  std::string error;
  EXPECT_TRUE(testsupport::CopySampleOfficeFiles(tmp.Path(), error)) << error;
  EXPECT_TRUE(testsupport::LoadSampleOffice(*prog, tmp.Path(), error)) << error;
  simtest::RecordingLog log;
  ModRoutine::RunCoolingLoad(*prog, log, simulation::kWeatherYear, threads);
  EXPECT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  EXPECT_TRUE(FilesEndingIn(tmp.Path(), ".RLF").empty());
  EXPECT_TRUE(FilesEndingIn(tmp.Path(), ".ZLF").empty());
  OfficeYear year;
  year.lastSens = prog->sim.run->ASSys.DsgSensLd[1];
  year.lastLat = prog->sim.RmLatLd;
  ModACPlt::RunPlantSimulation(*prog, log);
  EXPECT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  year.annual = tmp.Read("AnHSpCL.TXT");
  year.plant = tmp.Read("BCLnEQW.SDF");
  year.log = log.all;
  return year;
}

TEST(CoolingLoadThreads, SampleOfficeFilesAndLogAreTheSameForAnyThreadCount) {
  const OfficeYear one = RunOffice(1);
  ASSERT_EQ(simtest::Lines(one.annual).size(), 8760u * (1 + 3 + 11));
  EXPECT_GT(one.plant.size(), 100000u);
  for (int threads : kThreadCounts) {
    if (threads == 1) continue;
    const OfficeYear many = RunOffice(threads);
    EXPECT_TRUE(many.annual == one.annual) << threads << " threads: AnHSpCL.TXT differs";
    EXPECT_TRUE(many.plant == one.plant) << threads << " threads: BCLnEQW.SDF differs";
    EXPECT_EQ(many.log, one.log) << threads << " threads";
    EXPECT_EQ(many.lastSens, one.lastSens) << threads << " threads";
    EXPECT_EQ(many.lastLat, one.lastLat) << threads << " threads";
  }
}

// Six hotel rooms in two zones on three days of weather, with failing
// rooms. A masked window whose sun at hour 60 lies outside the mask's
// azimuths fails late in the room's year; a window naming a mask file that
// does not exist fails at once, in the room's warm-up. The failure reported
// is the first in room order, whatever thread reached which room first, the
// run log names the failing room also when it fails before its year begins,
// no temporary load file is left, and the earlier annual file stays.
TEST(CoolingLoadThreads, TheFirstFailureInRoomOrderIsReported) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, std::string>> masks;  // zone z's room 2 window: its mask file
    std::string error, room;
  } cases[] = {{"room 1-2 late before room 2-2 at once",
                {{1, "SOUTH.SHM"}, {2, "GONE.SHM"}},
                "CalSolGain: Solar azimuth angle out of range!",
                "Room 1-2"},
               {"room 2-2 in its warm-up",
                {{2, "GONE.SHM"}},
                "CalSolGain: Shading mask file: GONE.SHM does not exist!",
                "Room 2-2"}};
  for (const Case& c : cases) {
    for (int threads : kThreadCounts) {
      SCOPED_TRACE(std::string(c.name) + ", " + std::to_string(threads) + " threads");
      testsupport::TempFolder tmp;
      auto prog = simtest::NewProgram();
      simtest::OfficeModel(*prog, 4);
      simtest::AirCooledPlant(prog->plant.CPlt);
      auto& em = prog->energyInput.EgyModel;
      auto& as = prog->energyInput.ASSys;
      em.NoOfZn = 2;
      em.ZnName[2] = "Wing";
      em.ZnNIdent[2] = 1;
      as.ASTyp[2] = as.ASTyp[1];
      as.FATyp[2] = as.FATyp[1];
      for (int z = 1; z <= 2; ++z) {
        em.ZnNRm[z] = 3;
        for (int r = 1; r <= 3; ++r) {
          if (z == 1 && r == 1) continue;
          em.RmName[z][r] = "Room " + std::to_string(z) + "-" + std::to_string(r);
          em.RmNIdent[z][r] = 1;
          em.RmType[z][r] = 4;
          em.RmArea[z][r] = em.RmArea[1][1];
          em.RmHgt[z][r] = em.RmHgt[1][1];
          em.RmNOcc[z][r] = em.RmNOcc[1][1];
          em.RmTemp[z][r] = em.RmTemp[1][1];
          em.RmRH[z][r] = em.RmRH[1][1];
          em.RmLgtW[z][r] = em.RmLgtW[1][1];
          em.RmEqpW[z][r] = em.RmEqpW[1][1];
          em.RmNFab[z][r] = em.RmNFab[1][1];
          em.FabName[z][r] = em.FabName[1][1];
          em.FabArea[z][r] = em.FabArea[1][1];
          em.FabType[z][r] = em.FabType[1][1];
          em.FabCons[z][r] = em.FabCons[1][1];
          em.FabOrient[z][r] = em.FabOrient[1][1];
          as.DsgSensLd[0][z][r] = as.DsgSensLd[0][1][1];
          as.DsgTotLd[0][z][r] = as.DsgTotLd[0][1][1];
        }
      }
      for (const auto& [z, file] : c.masks) prog->energyInput.FabShMask[z][2][2] = file;
      std::string mask;
      for (int i = 0; i < 36; ++i) mask += "1,1,1,1,1,1,1,1,1\r\n";
      mask += "1\r\n";
      tmp.Write("SOUTH.SHM", mask);
      simtest::WriteInputFiles(*prog, tmp.Path());
      std::string weather;
      for (int n = 1; n <= 72; ++n) {
        auto items = simtest::Items(simtest::WeatherLine(n));
        if (n == 60) items[18] = "7";  // an azimuth beyond 2 pi
        std::string line;
        for (const auto& item : items) line += (line.empty() ? "" : ",") + item;
        weather += line + "\r\n";
      }
      tmp.Write("VLW1989.TXT", weather);
      tmp.Write("AnHSpCL.TXT", "earlier loads\r\n");
      simtest::RecordingLog log;
      simulation::SimCalendar cal{};
      cal.MonthDays[1] = 3;
      ModRoutine::RunCoolingLoad(*prog, log, cal, threads);
      EXPECT_EQ(prog->sim.SimErr, -1);
      EXPECT_EQ(prog->sim.SimErrMsg, c.error);
      EXPECT_EQ(log.lines, std::vector<std::string>{"Modelling " + c.room + " - Processing Month No. 1...."});
      EXPECT_EQ(FilesEndingIn(tmp.Path(), ".RLF"), std::vector<std::string>{});
      EXPECT_EQ(FilesEndingIn(tmp.Path(), ".ZLF"), std::vector<std::string>{});
      EXPECT_EQ(tmp.Read("AnHSpCL.TXT"), "earlier loads\r\n");
    }
  }
}

}  // namespace
