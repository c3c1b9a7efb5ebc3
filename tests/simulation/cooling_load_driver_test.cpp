// The cooling-load simulation end to end on a small building with a short
// synthetic weather file, and its failures.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "common/paths.h"
#include "sim_fixture.h"
#include "simulation/cooling_load_sim.h"
#include "support/temp_folder.h"

namespace {

using simtest::Items;
using simtest::Lines;

simulation::SimCalendar FirstDays(int days) {
  simulation::SimCalendar cal{};
  cal.MonthDays[1] = days;
  return cal;
}

bool AnyFileEndingIn(const std::string& folder, const std::string& ext) {
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    std::string name = e.path().filename().string();
    if (name.size() >= ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0) return true;
  }
  return false;
}

class CoolingLoadRun : public ::testing::Test {
 protected:
  void SetUp() override { prog = simtest::NewProgram(); }
  void Prepare(int roomType = 1) {
    simtest::OfficeModel(*prog, roomType);
    simtest::AirCooledPlant(prog->plant.CPlt);
  }
  void Write(int weatherHours) {
    simtest::WriteInputFiles(*prog, tmp.Path());
    if (weatherHours > 0) tmp.Write("VLW1989.TXT", simtest::WeatherText(weatherHours));
  }
  // The room lines of the annual file: per hour (sensible, latent, air temperature) of room r of zone z.
  std::vector<std::vector<float>> RoomValues(int z, int r) {
    std::vector<std::vector<float>> out;
    auto lines = Lines(tmp.Read("AnHSpCL.TXT"));
    const auto& em = prog->energyInput.EgyModel;
    std::size_t i = 0;
    while (i < lines.size()) {
      ++i;  // hour line
      for (int zz = 1; zz <= em.NoOfZn; ++zz) {
        ++i;
        for (int rr = 1; rr <= em.ZnNRm[zz]; ++rr, ++i) {
          if (zz == z && rr == r) {
            auto it = Items(lines[i]);
            out.push_back({std::stof(it[1]), std::stof(it[2]), std::stof(it[3])});
          }
        }
      }
    }
    return out;
  }

  testsupport::TempFolder tmp;
  std::unique_ptr<common::Program> prog;
  simtest::RecordingLog log;
};

TEST_F(CoolingLoadRun, ThreeDaysOfOneOfficeRoom) {
  Prepare();
  Write(72);
  ModRoutine::RunCoolingLoad(*prog, log, FirstDays(3));
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;

  auto lines = Lines(tmp.Read("AnHSpCL.TXT"));
  ASSERT_EQ(lines.size(), 72u * 3);
  for (int n = 0; n < 72; ++n) {
    auto hour = Items(lines[3 * n]);
    ASSERT_EQ(hour.size(), 7u);
    EXPECT_EQ(hour[0], "1");
    EXPECT_EQ(hour[1], std::to_string(n / 24 + 1));
    EXPECT_EQ(hour[2], std::to_string(n % 24 + 1));
    EXPECT_EQ(lines[3 * n + 1], "1,1");
    EXPECT_EQ(Items(lines[3 * n + 2]).size(), 4u);
  }
  // Nothing temporary stays behind.
  EXPECT_FALSE(AnyFileEndingIn(tmp.Path(), ".RLF"));
  EXPECT_FALSE(AnyFileEndingIn(tmp.Path(), ".ZLF"));
  EXPECT_FALSE(AnyFileEndingIn(tmp.Path(), "XXXXXX"));

  auto v = RoomValues(1, 1);
  ASSERT_EQ(v.size(), 72u);
  // 1 January is the office's closing day: no load at all.
  for (int h = 0; h < 24; ++h) EXPECT_EQ(v[h][0], 0) << h;
  // On 2 January the office is cooled in its hours (the room holds 24 degC) and floats at night.
  EXPECT_GT(v[24 + 11][0], 1000);
  EXPECT_NEAR(v[24 + 11][2], 24, 1e-4);
  EXPECT_GT(v[24 + 11][1], 0);
  EXPECT_EQ(v[24 + 2][0], 0);
  EXPECT_EQ(v[24 + 7][0], 0);  // h = 7 is before the start hour 8

  EXPECT_EQ(log.all.front(), "Reading " + prog->energyInput.EciFile);
  EXPECT_EQ(log.all[1], "Reading " + prog->energyInput.ConsFile);
  EXPECT_EQ(log.all[2], "Opening " + tmp.Path() + "VLW1989.TXT for weather data input");
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Modelling Open plan - Processing Month No. 1....",
                                                 "Space Load Calculations Finished!"}));
}

TEST_F(CoolingLoadRun, MonthMessageOfDecember) {
  Prepare();
  Write(24);
  simulation::SimCalendar cal{};
  cal.MonthDays[12] = 1;
  ModRoutine::RunCoolingLoad(*prog, log, cal);
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  EXPECT_EQ(log.lines.front(), "Modelling Open plan - Processing Month No. 12....");
  auto first = Items(Lines(tmp.Read("AnHSpCL.TXT"))[0]);
  EXPECT_EQ(first[0], "12");
  EXPECT_EQ(first[1], "1");
}

TEST_F(CoolingLoadRun, MissingWeatherFileStopsBeforeAnyRoomFile) {
  Prepare();
  Write(0);
  tmp.Write("AnHSpCL.TXT", "earlier run\r\n");
  ModRoutine::RunCoolingLoad(*prog, log, FirstDays(1));
  EXPECT_EQ(prog->sim.SimErr, -1);
  EXPECT_EQ(prog->sim.SimErrMsg, "BCLSim: Failed to open weather data file!");
  EXPECT_FALSE(AnyFileEndingIn(tmp.Path(), ".RLF"));
  EXPECT_EQ(tmp.Read("AnHSpCL.TXT"), "earlier run\r\n");
  ASSERT_EQ(log.all.size(), 3u);  // the two files read, the weather file named
}

// Every room starts from its own warmed-up walls, so its year is the same
// whichever room was simulated before it. The run is on one thread, where
// one simulation state serves both rooms in turn (on threads of their own
// the second room could not meet what the first left).
TEST_F(CoolingLoadRun, ARoomsYearDoesNotDependOnTheRoomBefore) {
  auto twoRooms = [&](bool hotFirst) {
    Prepare(4);  // hotel rooms are cooled round the clock
    auto& em = prog->energyInput.EgyModel;
    auto& as = prog->energyInput.ASSys;
    em.ZnNRm[1] = 2;
    // A copy of the room, with five times the equipment, in position 2 ...
    for (auto* field : {&em.RmNIdent, &em.RmArea, &em.RmHgt, &em.RmNOcc, &em.RmVent, &em.RmTemp, &em.RmRH, &em.RmLgtW,
                        &em.RmEqpW, &as.DsgSensLd[0], &as.DsgTotLd[0], &as.DsgSAFlow[0]})
      (*field)[1][2] = (*field)[1][1];
    em.RmName[1][2] = "Server room";
    em.RmType[1][2] = em.RmType[1][1];
    em.RmNFab[1][2] = em.RmNFab[1][1];
    em.FabName[1][2] = em.FabName[1][1];
    em.FabArea[1][2] = em.FabArea[1][1];
    em.FabType[1][2] = em.FabType[1][1];
    em.FabCons[1][2] = em.FabCons[1][1];
    em.FabOrient[1][2] = em.FabOrient[1][1];
    em.RmEqpW[1][2] = 100;
    em.RmTemp[1][2] = 20;
    as.DsgSensLd[0][1][2] = 40;
    // ... or the two swapped, so that the office follows the server room.
    if (hotFirst) {
      std::swap(em.RmName[1][1], em.RmName[1][2]);
      std::swap(em.RmEqpW[1][1], em.RmEqpW[1][2]);
      std::swap(em.RmTemp[1][1], em.RmTemp[1][2]);
      std::swap(as.DsgSensLd[0][1][1], as.DsgSensLd[0][1][2]);
    }
    Write(72);
    ModRoutine::RunCoolingLoad(*prog, log, FirstDays(3), 1);
    EXPECT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
    return hotFirst ? RoomValues(1, 2) : RoomValues(1, 1);
  };
  const auto first = twoRooms(false), second = twoRooms(true);
  ASSERT_EQ(first.size(), 72u);
  EXPECT_EQ(first, second);
}

// A floor/ceiling component that is not the room's floor has no outside
// reference temperature of its own: it faces a space at the room's design
// temperature, whatever the room before it left in the model.
TEST_F(CoolingLoadRun, ASecondFloorComponentFacesTheDesignTemperature) {
  auto run = [&](int firstRoomComponent2) {
    Prepare(4);
    auto& em = prog->energyInput.EgyModel;
    auto& as = prog->energyInput.ASSys;
    em.FabType[1][1][2] = static_cast<common::Integer>(firstRoomComponent2);  // window or partition
    em.RmTemp[1][1] = 18;
    em.ZnNRm[1] = 2;
    em.RmName[1][2] = "Store";
    em.RmNIdent[1][2] = 1;
    em.RmType[1][2] = 4;
    em.RmArea[1][2] = 40;
    em.RmHgt[1][2] = 3;
    em.RmTemp[1][2] = 24;
    em.RmRH[1][2] = 50;
    em.RmNFab[1][2] = 3;
    const int types[] = {0, 3, 4, 4}, cons[] = {0, 1, 3, 3}, orient[] = {0, 5, 9, 9};
    const float areas[] = {0, 12, 40, 40};
    for (int c = 1; c <= 3; ++c) {
      em.FabName[1][2][c] = "Component " + std::to_string(c);
      em.FabType[1][2][c] = static_cast<common::Integer>(types[c]);
      em.FabCons[1][2][c] = static_cast<common::Integer>(cons[c]);
      em.FabOrient[1][2][c] = static_cast<common::Integer>(orient[c]);
      em.FabArea[1][2][c] = areas[c];
    }
    as.DsgSensLd[0][1][2] = 5;
    as.DsgTotLd[0][1][2] = 6;
    Write(72);
    ModRoutine::RunCoolingLoad(*prog, log, FirstDays(3));
    EXPECT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
    return RoomValues(1, 2);
  };
  const auto afterWindow = run(2), afterPartition = run(5);
  ASSERT_EQ(afterWindow.size(), 72u);
  EXPECT_EQ(afterWindow, afterPartition);
}

// Walls warmed up on the first day leave no trace of where they started:
// under weather that repeats from day to day, the first day's loads are the
// second day's.
TEST_F(CoolingLoadRun, TheFirstDayStartsFromWarmedUpWalls) {
  Prepare(4);
  Write(48);
  ModRoutine::RunCoolingLoad(*prog, log, FirstDays(2));
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  auto v = RoomValues(1, 1);
  ASSERT_EQ(v.size(), 48u);
  for (int h = 0; h < 24; ++h) {
    EXPECT_NEAR(v[h][0], v[24 + h][0], 0.03 * std::fabs(v[24 + h][0]) + 20) << "hour " << h;
    EXPECT_NEAR(v[h][2], v[24 + h][2], 0.2) << "hour " << h;
  }
}

TEST_F(CoolingLoadRun, RoomsOfTheSameNameKeepTheirOwnLoads) {
  Prepare(4);
  auto& em = prog->energyInput.EgyModel;
  em.ZnNRm[1] = 2;
  em.RmName[1][2] = em.RmName[1][1];  // two rooms "Open plan"
  em.RmNIdent[1][2] = 1;
  em.RmType[1][2] = 4;
  em.RmArea[1][2] = 10;
  em.RmHgt[1][2] = 3;
  em.RmNOcc[1][2] = 2;
  em.RmLgtW[1][2] = 15;
  em.RmEqpW[1][2] = 40;
  em.RmTemp[1][2] = 24;
  em.RmRH[1][2] = 50;
  em.RmNFab[1][2] = 2;
  em.FabName[1][2][1] = "Wall";
  em.FabArea[1][2][1] = 10;
  em.FabType[1][2][1] = 3;
  em.FabCons[1][2][1] = 1;
  em.FabOrient[1][2][1] = 3;
  em.FabName[1][2][2] = "Floor";
  em.FabArea[1][2][2] = 10;
  em.FabType[1][2][2] = 4;
  em.FabCons[1][2][2] = 3;
  em.FabOrient[1][2][2] = 9;
  prog->energyInput.ASSys.DsgSensLd[0][1][2] = 5;
  prog->energyInput.ASSys.DsgTotLd[0][1][2] = 6;
  Write(72);
  ModRoutine::RunCoolingLoad(*prog, log, FirstDays(3));
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  auto a = RoomValues(1, 1), b = RoomValues(1, 2);
  // The big room keeps its big load in the afternoon of the third day.
  EXPECT_GT(a[48 + 14][0], 3 * b[48 + 14][0]);
  EXPECT_GT(b[48 + 14][0], 0);
  EXPECT_FALSE(AnyFileEndingIn(tmp.Path(), ".RLF"));
}

TEST_F(CoolingLoadRun, WithoutZonesTheOutdoorValuesComeFromTheWeather) {
  Prepare();
  prog->energyInput.EgyModel.NoOfZn = 0;
  Write(24);
  ModRoutine::RunCoolingLoad(*prog, log, FirstDays(1));
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  auto lines = Lines(tmp.Read("AnHSpCL.TXT"));
  ASSERT_EQ(lines.size(), 24u);
  for (int n = 0; n < 24; ++n)
    EXPECT_FLOAT_EQ(std::stof(Items(lines[n])[3]), std::stof(Items(simtest::WeatherLine(n + 1))[1]));
}

// Cavity walls whose thin middle layer lies between two heavy leaves run
// the whole year with loads that stay within what the room can see.
TEST_F(CoolingLoadRun, SandwichWallsRunAYearWithFiniteLoads) {
  struct Layer {
    int mat;
    float t, rho, k, cp;
  };
  const Layer brick{41, 0.105f, 1800, 0.8f, 840}, concrete{10, 0.1f, 2300, 1.4f, 880};
  struct Case {
    const char* what;
    std::vector<Layer> layers;
  } cases[] = {
      {"brick, 25 mm EPS, brick", {brick, {83, 0.025f, 20, 0.035f, 1400}, brick}},
      {"concrete, 20 mm screed, concrete", {concrete, {12, 0.02f, 2000, 1.2f, 840}, concrete}},
      {"brick, plasterboard, brick", {brick, {55, 0.0125f, 900, 0.25f, 1000}, brick}},
  };
  tmp.Write("VLW1989.TXT", simtest::WeatherText(8760));
  for (const auto& c : cases) {
    Prepare(4);  // cooled round the clock
    auto& ct = prog->energyInput.cons;
    ct.ConsNLay[1] = static_cast<common::Integer>(c.layers.size());
    for (std::size_t i = 0; i < c.layers.size(); ++i) {
      const int l = static_cast<int>(i) + 1;
      ct.LayMatNo[1][l] = static_cast<common::Integer>(c.layers[i].mat);
      ct.LayThk[1][l] = c.layers[i].t;
      ct.LayProp[0][1][l] = c.layers[i].rho;
      ct.LayProp[1][1][l] = c.layers[i].k;
      ct.LayProp[2][1][l] = c.layers[i].cp;
    }
    simtest::WriteInputFiles(*prog, tmp.Path());
    ModRoutine::RunCoolingLoad(*prog, log, simulation::kWeatherYear);
    ASSERT_EQ(prog->sim.SimErr, 0) << c.what << ": " << prog->sim.SimErrMsg;
    auto v = RoomValues(1, 1);
    ASSERT_EQ(v.size(), 8760u) << c.what;
    for (std::size_t h = 0; h < v.size(); ++h) {
      // The design capacity caps the load at 12 kW; the room never leaves
      // 15 .. 40 degC. (A room that floats just above its design temperature
      // on a warm hour may show a few watts below 0: switching to the lower
      // infiltration of the cooled room lets in less outdoor heat.)
      ASSERT_TRUE(v[h][0] >= -100 && v[h][0] <= 12000) << c.what << " hour " << h << ": " << v[h][0];
      ASSERT_TRUE(v[h][2] > 15 && v[h][2] < 40) << c.what << " hour " << h << ": " << v[h][2];
    }
  }
}

TEST(TempFileNames, PlainUniqueNamesStandOthersAreReplaced) {
  // A name whose file would pass the system's limit of 255 bytes is
  // replaced too; one that just fits stands.
  const std::string fits(251, 'F'), tooLong(252, 'T');
  auto names =
      ModRoutine::TempFileNames({"Office", "office", "a/b", "", "ROOM3", "Lab", fits, tooLong}, ".RLF", "ROOM");
  EXPECT_EQ(names, (std::vector<std::string>{"Office.RLF", "ROOM2.RLF", "_ROOM3.RLF", "ROOM4.RLF", "ROOM3.RLF",
                                             "Lab.RLF", fits + ".RLF", "ROOM8.RLF"}));
}

struct BadInput {
  const char* what;
  std::function<void(common::Program&, testsupport::TempFolder&)> spoil;
  std::string message;  // the start of SimErrMsg
};

void PrintTo(const BadInput& c, std::ostream* os) { *os << c.what; }

class CoolingLoadBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(CoolingLoadBadInput, StopsWithAMessage) {
  testsupport::TempFolder tmp;
  auto prog = simtest::NewProgram();
  simtest::OfficeModel(*prog);
  simtest::AirCooledPlant(prog->plant.CPlt);
  simtest::WriteInputFiles(*prog, tmp.Path());
  tmp.Write("VLW1989.TXT", simtest::WeatherText(48));
  GetParam().spoil(*prog, tmp);
  simtest::RecordingLog log;
  ModRoutine::RunCoolingLoad(*prog, log, FirstDays(2));
  EXPECT_EQ(prog->sim.SimErr, -1);
  EXPECT_EQ(prog->sim.SimErrMsg.substr(0, GetParam().message.size()), GetParam().message) << prog->sim.SimErrMsg;
  EXPECT_FALSE(std::filesystem::exists(tmp.Path() + "AnHSpCL.TXT"));
}

void Rewrite(common::Program& prog, testsupport::TempFolder& tmp) { simtest::WriteInputFiles(prog, tmp.Path()); }
void LeapYearWeather(common::Program&, testsupport::TempFolder& tmp) {
  tmp.Write("VLW1989.TXT", simtest::WeatherText(8784));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CoolingLoadBadInput,
    ::testing::Values(
        BadInput{"missing model file",
                 [](common::Program& p, testsupport::TempFolder&) { p.energyInput.EciFile += ".gone"; },
                 "BCLSim: Failed to read energy calculation input file "},
        BadInput{"missing construction file",
                 [](common::Program& p, testsupport::TempFolder&) { p.energyInput.ConsFile += ".gone"; },
                 "BCLSim: Failed to read construction file "},
        BadInput{"missing air-side file",
                 [](common::Program& p, testsupport::TempFolder&) { p.energyInput.AssFile += ".gone"; },
                 "BCLSim: Failed to read air-side system input file "},
        BadInput{"weather file one day short",
                 [](common::Program&, testsupport::TempFolder& t) { t.Write("VLW1989.TXT", simtest::WeatherText(24)); },
                 "BCLSim: Failed to read weather data file VLW1989.TXT: unexpected end of file (line 25)"},
        BadInput{"weather line not a number",
                 [](common::Program&, testsupport::TempFolder& t) {
                   std::string w = simtest::WeatherText(48);
                   w.replace(w.find("\r\n3,") + 4, 2, "xx");
                   t.Write("VLW1989.TXT", w);
                 },
                 "BCLSim: Failed to read weather data file VLW1989.TXT: \"xx"},
        BadInput{"weather line of 20 items",
                 [](common::Program&, testsupport::TempFolder& t) {
                   std::string w = simtest::WeatherText(48);
                   t.Write("VLW1989.TXT", w.insert(w.find("\r\n4,"), ",0"));
                 },
                 "BCLSim: Failed to read weather data file VLW1989.TXT: a weather line holds 20 items, not 19 "
                 "(line 3)"},
        BadInput{"weather line of 18 items",
                 [](common::Program&, testsupport::TempFolder& t) {
                   std::string w = simtest::WeatherText(48);
                   const std::size_t end = w.find("\r\n6,"), cut = w.rfind(',', end);
                   t.Write("VLW1989.TXT", w.erase(cut, end - cut));
                 },
                 "BCLSim: Failed to read weather data file VLW1989.TXT: a weather line holds 18 items, not 19 "
                 "(line 5)"},
        BadInput{"leap-year weather file", LeapYearWeather,
                 "BCLSim: Failed to read weather data file VLW1989.TXT: the weather file goes on after its 8760 "
                 "hours (line 8761)"},
        BadInput{"construction number beyond the tables",
                 [](common::Program& p, testsupport::TempFolder& t) {
                   p.energyInput.EgyModel.FabCons[1][1][2] = 9;
                   Rewrite(p, t);
                 },
                 "BCLSim: The fabric component \"South window\" of the room \"Open plan\" of zone \"Office\" names "
                 "construction 9, but only 5 constructions are defined!"},
        BadInput{"no construction chosen",
                 [](common::Program& p, testsupport::TempFolder& t) {
                   p.energyInput.EgyModel.FabCons[1][1][2] = 0;
                   Rewrite(p, t);
                 },
                 "BCLSim: The fabric component \"South window\" of the room \"Open plan\" of zone \"Office\" has no "
                 "construction chosen!"},
        BadInput{"floor of no area",
                 [](common::Program& p, testsupport::TempFolder& t) {
                   p.energyInput.EgyModel.FabArea[1][1][3] = 0;
                   Rewrite(p, t);
                 },
                 "BCLSim: The floor of the room \"Open plan\" of zone \"Office\" has no area!"},
        BadInput{"layer of no thickness",
                 [](common::Program& p, testsupport::TempFolder& t) {
                   p.energyInput.cons.LayThk[1][2] = 0;
                   Rewrite(p, t);
                 },
                 "SetupWallNodes: Layer 2 of construction 1 (Brick cavity wall) needs a positive thickness"},
        BadInput{"missing shading mask",
                 [](common::Program& p, testsupport::TempFolder& t) {
                   p.energyInput.FabShMask[1][1][2] = "SOUTH.SHM";
                   Rewrite(p, t);
                 },
                 "CalSolGain: Shading mask file: SOUTH.SHM does not exist!"},
        BadInput{"skylight under a roof only",
                 [](common::Program& p, testsupport::TempFolder& t) {
                   auto& em = p.energyInput.EgyModel;
                   em.RmNFab[1][1] = 2;
                   em.FabType[1][1][1] = 1;  // roof
                   em.FabOrient[1][1][1] = 9;
                   em.FabCons[1][1][1] = 5;
                   em.FabOrient[1][1][2] = 9;  // skylight
                   Rewrite(p, t);
                 },
                 "CalQMRT: Zero total internal area found!!"}),
    [](const ::testing::TestParamInfo<BadInput>& info) {
      std::string name;
      for (char c : std::string(info.param.what)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

}  // namespace
