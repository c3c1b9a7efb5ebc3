// The plant simulation end to end on annual cooling load files made for the
// tests, and a whole year of both simulations on a small office.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "common/data_file.h"
#include "common/psychrometrics.h"
#include "sim_fixture.h"
#include "simulation/annual_energy.h"
#include "simulation/cooling_load_sim.h"
#include "simulation/plant_sim.h"
#include "support/temp_folder.h"

namespace {

using simtest::Items;
using simtest::Lines;

simulation::SimCalendar FirstDays(int days) {
  simulation::SimCalendar cal{};
  cal.MonthDays[1] = days;
  return cal;
}

// An annual hourly cooling load file of the days of `cal` for the model in
// `prog`: every room 5 kW sensible and 1 kW latent, 30 degC outdoors.
std::string LoadFile(const common::Program& prog, const simulation::SimCalendar& cal) {
  const auto& em = prog.energyInput.EgyModel;
  common::DataWriter w;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= cal.MonthDays[m]; ++d)
      for (int h = 1; h <= 24; ++h) {
        w.Int(m).Int(d).Int(h).Sng(30).Sng(65).Sng(24.5f).Sng(0.017f).EndLine();
        for (int z = 1; z <= em.NoOfZn; ++z) {
          w.Int(z).Int(em.ZnNRm[z]).EndLine();
          for (int r = 1; r <= em.ZnNRm[z]; ++r) w.Int(r).Sng(5000).Sng(1000).Sng(24).EndLine();
        }
      }
  return w.Text();
}

class PlantRun : public ::testing::Test {
 protected:
  void SetUp() override {
    prog = simtest::NewProgram();
    simtest::OfficeModel(*prog);
    simtest::AirCooledPlant(prog->plant.CPlt);
  }
  void Run(const simulation::SimCalendar& cal) {
    simtest::WriteInputFiles(*prog, tmp.Path());
    tmp.Write("AnHSpCL.TXT", LoadFile(*prog, cal));
    ModACPlt::RunPlant(*prog, cal);
  }
  std::vector<std::vector<std::string>> Output() {
    std::vector<std::vector<std::string>> out;
    for (const auto& line : Lines(tmp.Read("BCLnEQW.SDF"))) out.push_back(Items(line));
    return out;
  }

  testsupport::TempFolder tmp;
  std::unique_ptr<common::Program> prog;
};

TEST_F(PlantRun, PlantHoursAfterTheStartHourUpToTheStopHour) {
  prog->energyInput.EgyModel.RmType[1][1] = 2;  // retail: not an office building
  prog->plant.CPlt.StartHour = 8;
  prog->plant.CPlt.StopHour = 18;
  Run(FirstDays(2));
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  auto out = Output();
  ASSERT_EQ(out.size(), 20u);
  for (int i = 0; i < 20; ++i) {
    ASSERT_EQ(out[i].size(), 12u);
    EXPECT_EQ(out[i][1], std::to_string(i / 10 + 1));
    EXPECT_EQ(out[i][2], std::to_string(i % 10 + 9));
  }
}

// Rooms that are never air-conditioned (stairs, a store) do not make an
// office building run on its closing day.
TEST_F(PlantRun, OfficeBuildingWeek) {
  struct Case {
    const char* what;
    int zone, room;  // where a Non-AC room is added; 0 for none
  } cases[] = {{"offices only", 0, 0}, {"a Non-AC core in the office zone", 1, 2}, {"a Non-AC zone", 2, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    auto& em = prog->energyInput.EgyModel;
    if (c.zone) {
      em.NoOfZn = static_cast<common::Integer>(c.zone);
      em.ZnNRm[c.zone] = static_cast<common::Integer>(c.room);
      em.ZnNIdent[c.zone] = 1;
      em.RmName[c.zone][c.room] = "Core";
      em.RmType[c.zone][c.room] = 5;
      em.RmNIdent[c.zone][c.room] = 1;
      em.RmTemp[c.zone][c.room] = 24;
      em.RmRH[c.zone][c.room] = 50;
    }
    Run(FirstDays(8));
    ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
    auto out = Output();
    // Days 1 and 8 are closing days; day 7 is the short day ending at 13.
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.front()[0] + "/" + out.front()[1], "1/2");
    int lastOfDay7 = 0, linesOfDay8 = 0;
    for (const auto& l : out) {
      if (l[1] == "7") lastOfDay7 = std::stoi(l[2]);
      if (l[1] == "8" || l[1] == "1") ++linesOfDay8;
    }
    EXPECT_EQ(lastOfDay7, 13);
    EXPECT_EQ(linesOfDay8, 0);
    EXPECT_EQ(out.size(), 5u * 12 + 6);
  }
}

TEST_F(PlantRun, HotelZoneRunsInEveryPlantHourNonACNever) {
  auto& em = prog->energyInput.EgyModel;
  em.NoOfZn = 2;
  em.RmType[1][1] = 4;  // hotel
  em.ZnName[2] = "Store";
  em.ZnNIdent[2] = 1;
  em.ZnNRm[2] = 1;
  em.RmName[2][1] = "Store";
  em.RmType[2][1] = 5;  // non-AC
  em.RmNIdent[2][1] = 1;
  em.RmTemp[2][1] = 24;
  em.RmRH[2][1] = 50;
  auto& as = prog->energyInput.ASSys;
  as.ASTyp[2] = 1;
  as.DsgFanPwr[0][2] = 100;  // would show at once if the store ran
  as.DsgTotLd[0][2][0] = 10;
  as.DsgSAFlow[0][2][0] = 1;
  Run(FirstDays(2));
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  auto out = Output();
  ASSERT_EQ(out.size(), 24u);  // plant hours 8..19 on both days
  for (const auto& l : out) EXPECT_FLOAT_EQ(std::stof(l[4]), 1.2f);
}

TEST_F(PlantRun, EnergyIsTheSumOfTheOutputAndRunsRepeat) {
  prog->energyInput.EgyModel.RmType[1][1] = 3;
  simtest::TowerPlant(prog->plant.CPlt);
  Run(FirstDays(3));
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  auto first = prog->sim.ACEgy;
  std::array<double, 8> sums{};
  for (const auto& l : Output()) {
    sums[1] += std::stod(l[4]) + std::stod(l[5]);
    sums[2] += std::stod(l[6]);
    sums[3] += std::stod(l[7]);
    sums[4] += std::stod(l[8]);
    sums[5] += std::stod(l[9]);
    sums[6] += std::stod(l[10]);
    sums[7] += std::stod(l[11]);
  }
  double total = 0;
  for (int k = 1; k <= 7; ++k) {
    EXPECT_NEAR(first[k], sums[k], 1e-3 * (1 + sums[k])) << k;
    total += first[k];
  }
  EXPECT_NEAR(first[0], total, 1e-3 * total);
  EXPECT_GT(first[2], 0);
  EXPECT_GT(first[5], 0);
  EXPECT_GT(first[7], 0);
  ModACPlt::RunPlant(*prog, FirstDays(3));
  EXPECT_EQ(prog->sim.ACEgy, first);
}

TEST_F(PlantRun, VariableSpeedSecondaryPumpsAtZeroFlow) {
  // The plant starts an hour before the office zone: no chilled water is
  // asked for in that hour, and the pumps idle instead of failing.
  auto& cp = prog->plant.CPlt;
  cp.ChWPSType = 2;
  cp.NoOfSLP = 1;
  cp.SLPType[1] = 2;
  cp.SLPFlow[0][1] = 2.4f;
  cp.SLPPres[0][1] = 200;
  cp.SLPPower[0][1] = 1.5f;
  Run(FirstDays(2));
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  auto out = Output();
  ASSERT_EQ(out.front()[2], "8");
  float idle = std::stof(out.front()[8]);
  EXPECT_GT(idle, 0);
  EXPECT_LT(idle, 0.1f * 1.5f);
  EXPECT_GT(std::stof(out[1][8]), idle);
}

// The fresh-air units treat the outdoor air of the zones supplied with
// centrally pretreated air; a zone that draws in its outdoor air locally
// treats it in its own coil and adds nothing to the units' demand.
TEST_F(PlantRun, FreshAirUnitsTreatOnlyThePretreatedZonesAir) {
  auto& em = prog->energyInput.EgyModel;
  auto& as = prog->energyInput.ASSys;
  em.RmType[1][1] = 2;  // retail, every day
  em.NoOfZn = 2;
  em.ZnName[2] = "Second";
  em.ZnNIdent[2] = 1;
  em.ZnNRm[2] = 1;
  em.RmName[2][1] = "Second";
  for (auto* field : {&em.RmNIdent, &em.RmNOcc, &em.RmVent, &em.RmTemp, &em.RmRH}) (*field)[2][1] = (*field)[1][1];
  em.RmType[2][1] = em.RmType[1][1];
  em.RmNOcc[2][1] = 15;  // 0.15 m3/s of outdoor air; the first zone draws in its 0.1 m3/s itself
  as.ASTyp[2] = as.ASTyp[1];
  as.FATyp[2] = 2;  // centrally pretreated
  for (int r = 0; r <= 1; ++r) {
    as.DsgSensLd[0][2][r] = as.DsgSensLd[0][1][r];
    as.DsgTotLd[0][2][r] = as.DsgTotLd[0][1][r];
    as.DsgSAFlow[0][2][r] = as.DsgSAFlow[0][1][r];
  }
  as.DsgFanPwr[0][2] = as.DsgFanPwr[0][1];
  as.DsgCHWFlow[0][2] = as.DsgCHWFlow[0][1];
  // Two units: 0.1 m3/s with a 1 kW fan, 0.2 m3/s with a 2 kW fan.
  auto& cp = prog->plant.CPlt;
  cp.NoOfFAU = 2;
  for (int k = 1; k <= 2; ++k) {
    cp.FAUFlow[k] = 0.1f * static_cast<float>(k);
    cp.FAUFanPower[k] = static_cast<float>(k);
    cp.FAUTotCap[k] = 5;
    cp.FAUChWFlow[k] = 0.2f;
  }
  Run(FirstDays(1));
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  auto out = Output();
  ASSERT_EQ(out.size(), 12u);
  // A demand of 0.15 m3/s: the last unit alone.
  for (const auto& l : out) EXPECT_FLOAT_EQ(std::stof(l[5]), 2) << l[2];
  float qs = 0, ql = 0, qt = 0;
  ModACPlt::CalCoilLoads(16, 43.6f, 30, prog->sim.plant.OutH, 0.15f, qs, ql, qt);
  EXPECT_NEAR(prog->sim.run->CPlt.FAUTotCap[0], 1.05f * qs + ql, 1e-4);
}

// In a building that is not all offices, an office zone stops on the short
// day when its rooms stop being cooled: after hour 13.
TEST_F(PlantRun, OfficeZoneOfAMixedBuildingStopsWithItsRoomsOnTheShortDay) {
  auto& em = prog->energyInput.EgyModel;
  auto& as = prog->energyInput.ASSys;
  em.NoOfZn = 2;
  em.ZnName[2] = "Offices";
  em.ZnNIdent[2] = 1;
  em.ZnNRm[2] = 1;
  em.RmName[2][1] = "Offices";
  for (auto* field : {&em.RmNIdent, &em.RmNOcc, &em.RmVent, &em.RmTemp, &em.RmRH}) (*field)[2][1] = (*field)[1][1];
  em.RmType[2][1] = 1;
  em.RmType[1][1] = 2;  // a retail zone: not an office building
  as.ASTyp[2] = 1;
  as.FATyp[2] = 1;
  for (int r = 0; r <= 1; ++r) {
    as.DsgSensLd[0][2][r] = as.DsgSensLd[0][1][r];
    as.DsgTotLd[0][2][r] = as.DsgTotLd[0][1][r];
    as.DsgSAFlow[0][2][r] = as.DsgSAFlow[0][1][r];
  }
  as.DsgFanPwr[0][2] = 100;  // shows at once while the office zone runs
  as.DsgCHWFlow[0][2] = as.DsgCHWFlow[0][1];
  Run(FirstDays(7));
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  std::map<int, float> fans;  // hour -> fan power of day 7, the short day
  for (const auto& l : Output())
    if (l[1] == "7") fans[std::stoi(l[2])] = std::stof(l[4]);
  ASSERT_EQ(fans.size(), 12u);
  // The retail zone runs from hour 10, the office zone in hours 9 to 13.
  for (const auto& [h, fan] : fans)
    EXPECT_FLOAT_EQ(fan, (h >= 10 ? 1.2f : 0) + (h >= 9 && h <= 13 ? 100 : 0)) << "hour " << h;
}

struct PlantBadInput {
  const char* what;
  std::function<void(common::Program&, testsupport::TempFolder&)> spoil;
  std::string message;
  bool outputWritten;
};

void PrintTo(const PlantBadInput& c, std::ostream* os) { *os << c.what; }

class PlantBad : public ::testing::TestWithParam<PlantBadInput> {};

TEST_P(PlantBad, StopsWithAMessage) {
  testsupport::TempFolder tmp;
  auto prog = simtest::NewProgram();
  simtest::OfficeModel(*prog);
  prog->energyInput.EgyModel.RmType[1][1] = 2;
  simtest::AirCooledPlant(prog->plant.CPlt);
  simtest::WriteInputFiles(*prog, tmp.Path());
  tmp.Write("AnHSpCL.TXT", LoadFile(*prog, FirstDays(2)));
  // A good run first, whose energy the failed run must leave in place.
  ModACPlt::RunPlant(*prog, FirstDays(2));
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  const auto good = prog->sim.ACEgy;
  ASSERT_GT(good[common::kACWhole], 0);
  std::filesystem::remove(tmp.Path() + "BCLnEQW.SDF");
  GetParam().spoil(*prog, tmp);
  ModACPlt::RunPlant(*prog, FirstDays(2));
  EXPECT_EQ(prog->sim.SimErr, -1);
  EXPECT_EQ(prog->sim.SimErrMsg.substr(0, GetParam().message.size()), GetParam().message) << prog->sim.SimErrMsg;
  EXPECT_EQ(std::filesystem::exists(tmp.Path() + "BCLnEQW.SDF"), GetParam().outputWritten);
  // Shown again, entered and handed over to the confirmation: the good
  // run's energy, never zeros or the sums of the hours before the stop.
  EXPECT_EQ(prog->sim.ACEgy, good);
  prog->sim.run->CPlt.AddHVACEgy[0] = 78048;
  simulation::HandOverAnnualEnergy(*prog);
  EXPECT_EQ(prog->sim.AnnEgy[common::kAnnHVAC], good[common::kACWhole] + 78048.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlantBad,
    ::testing::Values(
        PlantBadInput{"missing air side file",
                      [](common::Program& p, testsupport::TempFolder&) { p.energyInput.AssFile += ".gone"; },
                      "RunPlantSimulation: Failed to read air-side system input file ", false},
        PlantBadInput{"missing plant file",
                      [](common::Program& p, testsupport::TempFolder&) { p.plant.WssFile += ".gone"; },
                      "RunPlantSimulation: Failed to read central plant input file ", false},
        PlantBadInput{"no plant file chosen",
                      [](common::Program& p, testsupport::TempFolder&) { p.plant.WssFile = ""; },
                      "RunPlantSimulation: No central plant input file chosen", false},
        PlantBadInput{"fan energy beyond a Single",
                      [](common::Program& p, testsupport::TempFolder& t) {
                        p.energyInput.ASSys.DsgFanPwr[0][1] = 3e38f;
                        simtest::WriteInputFiles(p, t.Path());
                      },
                      "RunPlantSimulation: Total out of range in hour 11 of day 1 of month 1: the annual energy of "
                      "the air-side systems and fresh-air units is not a finite number (an overflow)",
                      true},
        PlantBadInput{"a year whose parts are finite and their sum not",
                      [](common::Program& p, testsupport::TempFolder& t) {
                        p.energyInput.ASSys.DsgFanPwr[0][1] = 1e37f;  // 2E+38 kWh in the two days
                        p.plant.CPlt.PLPPower[1] = 1e37f;             // 2.4E+38 kWh in the two days
                        simtest::WriteInputFiles(p, t.Path());
                      },
                      "RunPlantSimulation: Total out of range in the year: the annual energy of the whole "
                      "air-conditioning system is not a finite number (an overflow)",
                      true},
        PlantBadInput{
            "missing cooling load file",
            [](common::Program&, testsupport::TempFolder& t) { std::filesystem::remove(t.Path() + "AnHSpCL.TXT"); },
            "RunPlantSimulation: Failed to open cooling load data file AnHSpCL.TXT!", false},
        PlantBadInput{"plant that cannot reject its heat",
                      [](common::Program& p, testsupport::TempFolder& t) {
                        simtest::TowerPlant(p.plant.CPlt);
                        p.plant.CPlt.CTCap[1] = 20;
                        simtest::WriteInputFiles(p, t.Path());
                      },
                      "SimPrep: Total HR Cap. of Ctrs Insufficient?", false},
        PlantBadInput{"plant hours left at 0 and 0",
                      [](common::Program& p, testsupport::TempFolder& t) {
                        p.plant.CPlt.StartHour = p.plant.CPlt.StopHour = 0;
                        simtest::WriteInputFiles(p, t.Path());
                      },
                      "RunPlantSimulation: Plant Start Hour 0 and Stop Hour 0 are refused: the start (0-23) must "
                      "come before the stop (1-24), and the plant does not run across midnight!",
                      false},
        PlantBadInput{"overnight plant hours",
                      [](common::Program& p, testsupport::TempFolder& t) {
                        p.plant.CPlt.StartHour = 20;
                        p.plant.CPlt.StopHour = 6;
                        simtest::WriteInputFiles(p, t.Path());
                      },
                      "RunPlantSimulation: Plant Start Hour 20 and Stop Hour 6 are refused", false},
        PlantBadInput{"stop hour beyond the day",
                      [](common::Program& p, testsupport::TempFolder& t) {
                        p.plant.CPlt.StopHour = 25;
                        simtest::WriteInputFiles(p, t.Path());
                      },
                      "RunPlantSimulation: Plant Start Hour 7 and Stop Hour 25 are refused", false},
        PlantBadInput{
            "cooling load file one day short",
            [](common::Program& p, testsupport::TempFolder& t) { t.Write("AnHSpCL.TXT", LoadFile(p, FirstDays(1))); },
            "RunPlantSimulation: Failed to read cooling load data file AnHSpCL.TXT: unexpected end of "
            "file (line 73)",
            true},
        PlantBadInput{"cooling load file of another model",
                      [](common::Program& p, testsupport::TempFolder& t) {
                        auto other = simtest::NewProgram();
                        simtest::OfficeModel(*other);
                        other->energyInput.EgyModel.ZnNRm[1] = 2;
                        t.Write("AnHSpCL.TXT", LoadFile(*other, FirstDays(2)));
                        (void)p;
                      },
                      "RunPlantSimulation: The cooling load data file AnHSpCL.TXT does not match the energy model "
                      "(line 2)!",
                      true}),
    [](const ::testing::TestParamInfo<PlantBadInput>& info) {
      std::string name;
      for (char c : std::string(info.param.what)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

// Both simulations of a Calculate read the project's saved files at their
// start, so every Calculate of one project gives the same result files and
// energy, byte for byte, whatever the program held before it: an air-side
// edit the user declined to save, or the design loads of other files saved
// under the same names and calculated first.
TEST_F(PlantRun, EveryCalculateOfAProjectGivesItsSavedResult) {
  simtest::WriteInputFiles(*prog, tmp.Path());
  tmp.Write("VLW1989.TXT", simtest::WeatherText(48));
  const std::string savedAirSide = tmp.Read("MODEL.ASS");
  struct Result {
    std::string loads, plant;
    std::array<common::Single, common::kACEgySlots> energy;
    bool operator==(const Result&) const = default;
  };
  simtest::RecordingLog log;
  auto calculate = [&] {
    ModRoutine::RunCoolingLoad(*prog, log, FirstDays(2));
    EXPECT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
    ModACPlt::RunPlant(*prog, FirstDays(2));
    EXPECT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
    return Result{tmp.Read("AnHSpCL.TXT"), tmp.Read("BCLnEQW.SDF"), prog->sim.ACEgy};
  };
  const Result saved = calculate();
  // Design loads far below the room's loads, which they would cap.
  auto lowerDesignLoads = [&] {
    auto& as = prog->energyInput.ASSys;
    for (int r = 0; r <= 1; ++r) as.DsgSensLd[0][1][r] = 1, as.DsgTotLd[0][1][r] = 1.2f;
  };
  const struct {
    const char* what;
    std::function<void()> before;
  } cases[] = {
      {"nothing", [] {}},
      {"an air-side edit the user declined to save", lowerDesignLoads},
      {"other files under the same names calculated first",
       [&] {
         lowerDesignLoads();
         simtest::WriteInputFiles(*prog, tmp.Path());
         EXPECT_FALSE(calculate() == saved);
         tmp.Write("MODEL.ASS", savedAirSide);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.before();
    EXPECT_TRUE(calculate() == saved);
    EXPECT_TRUE(calculate() == saved);
  }
}

// A whole weather year of a small office: both simulations finish and give
// plausible annual figures.
TEST(WholeYear, SmallOfficeGivesPlausibleAnnualEnergy) {
  testsupport::TempFolder tmp;
  auto prog = simtest::NewProgram();
  simtest::OfficeModel(*prog);
  simtest::TowerPlant(prog->plant.CPlt);
  simtest::WriteInputFiles(*prog, tmp.Path());
  tmp.Write("VLW1989.TXT", simtest::WeatherText(8760));
  simtest::RecordingLog log;
  ModRoutine::BCLSim(*prog, log);
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  auto lines = Lines(tmp.Read("AnHSpCL.TXT"));
  ASSERT_EQ(lines.size(), 8760u * 3);
  int maxFebDay = 0;
  double coolingWh = 0;
  for (std::size_t i = 0; i < lines.size(); i += 3) {
    auto hour = Items(lines[i]);
    if (hour[0] == "2") maxFebDay = std::max(maxFebDay, std::stoi(hour[1]));
    coolingWh += std::stod(Items(lines[i + 2])[1]);
  }
  EXPECT_EQ(maxFebDay, 28);
  EXPECT_EQ(Items(lines[lines.size() - 3])[0] + "/" + Items(lines[lines.size() - 3])[1] + "/" +
                Items(lines[lines.size() - 3])[2],
            "12/31/24");
  // 100 m2 of office: some tens of MWh of sensible cooling a year (100 - 400 kWh/m2).
  EXPECT_GT(coolingWh / 1000, 10000);
  EXPECT_LT(coolingWh / 1000, 40000);

  ModACPlt::RunPlantSimulation(*prog, log);
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  const auto& e = prog->sim.ACEgy;
  double plantLoad = 0;
  int hours = 0;
  for (const auto& l : Lines(tmp.Read("BCLnEQW.SDF"))) {
    plantLoad += std::stod(Items(l)[3]);
    ++hours;
  }
  // Plant hours: 12 a day on 6 days a week, 8..13 on the short day.
  EXPECT_GT(hours, 3000);
  EXPECT_LT(hours, 3600);
  const double cop = plantLoad / e[2];
  EXPECT_GT(cop, 2.5);
  EXPECT_LT(cop, 8);
  EXPECT_NEAR(e[3], 0.8 * hours, 1);    // the primary pump runs at its rated power
  EXPECT_NEAR(e[7], 1.5 * hours, 1.5);  // so does the tower fan
  EXPECT_EQ(e[4], 0);
  EXPECT_EQ(e[6], 0);
  EXPECT_FLOAT_EQ(e[0], e[2] + e[1] + e[3] + e[4] + e[5] + e[6] + e[7]);
}

}  // namespace
