// The plant preparation and the air-side, fresh-air, chiller, pump and
// central plant models at their design points and edges.
#include <gtest/gtest.h>

#include <cmath>

#include "common/psychrometrics.h"
#include "sim_fixture.h"
#include "simulation/air_side.h"
#include "simulation/chiller_plant.h"
#include "simulation/plant_defaults.h"
#include "simulation/solvers.h"

namespace {

using namespace ModACPlt;

std::unique_ptr<common::Program> Prepared(const std::function<void(common::CentralPlantData&)>& plant) {
  auto prog = simtest::NewProgram();
  simtest::OfficeModel(*prog);
  simtest::AsRunInputs(*prog);
  plant(prog->sim.run->CPlt);
  SimPrep(*prog);
  return prog;
}

// An indirect seawater plant with towers (type 4) whose checks all pass.
void SeawaterTowerPlant(common::CentralPlantData& cp) {
  simtest::TowerPlant(cp);
  cp.HRSType = 4;
  cp.DesignTemp = {0, 32, 37, 28, 33};
  cp.NoOfSWP = 1;
  cp.SWPType[1] = 0;
  cp.SWPFlow[0][1] = 3;
  cp.SWPPres[0][1] = 150;
  cp.SWPPower[0][1] = 1;
}

struct PrepCase {
  const char* what;
  std::function<void(common::CentralPlantData&)> plant;
  std::string message;
};

void PrintTo(const PrepCase& c, std::ostream* os) { *os << c.what; }

class SimPrepChecks : public ::testing::TestWithParam<PrepCase> {};

TEST_P(SimPrepChecks, FirstFailingCheck) {
  auto prog = Prepared(GetParam().plant);
  if (GetParam().message.empty()) {
    EXPECT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  } else {
    EXPECT_EQ(prog->sim.SimErr, -1);
    EXPECT_EQ(prog->sim.SimErrMsg, GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimPrepChecks,
    ::testing::Values(
        PrepCase{"air cooled passes", [](auto& cp) { simtest::AirCooledPlant(cp); }, ""},
        PrepCase{"towers pass", [](auto& cp) { simtest::TowerPlant(cp); }, ""},
        PrepCase{"seawater with towers passes", SeawaterTowerPlant, ""},
        PrepCase{"condenser flow equal to the heat rejection passes",
                 [](auto& cp) {
                   simtest::TowerPlant(cp);
                   cp.ChrCap[0][1] = 35, cp.ChrPower[0][1] = 7, cp.ChrCWFlow[1] = 2, cp.DesignTemp[1] = 30;
                   cp.CWPFlow[1] = 2;
                 },
                 ""},
        PrepCase{"condenser flow of the chillers", [](auto& cp) { simtest::TowerPlant(cp), cp.ChrCWFlow[1] = 2; },
                 "SimPrep: Total CWF of Chrs Insufficient for HR?"},
        PrepCase{"no secondary pumps comes first",
                 [](auto& cp) { simtest::TowerPlant(cp), cp.ChWPSType = 1, cp.NoOfCWP = 0, cp.NoOfCT = 0; },
                 "SimPrep: No Secondary Loop Chilled Water Pumps?"},
        PrepCase{"secondary flow",
                 [](auto& cp) {
                   simtest::AirCooledPlant(cp);
                   cp.ChWPSType = 2, cp.NoOfSLP = 1, cp.SLPFlow[0][1] = 2;
                 },
                 "SimPrep: Total SLP Flow < Total Chr ChW Flow!"},
        PrepCase{"no condenser pumps", [](auto& cp) { simtest::TowerPlant(cp), cp.NoOfCWP = 0; },
                 "SimPrep: No Condenser Water Pumps?"},
        PrepCase{"condenser pump flow", [](auto& cp) { simtest::TowerPlant(cp), cp.CWPFlow[1] = 2; },
                 "SimPrep: Total CWP Flow Insufficient for HR?"},
        PrepCase{"no seawater pumps", [](auto& cp) { SeawaterTowerPlant(cp), cp.NoOfSWP = 0; },
                 "SimPrep: No Seawater Pumps?"},
        PrepCase{"seawater flow", [](auto& cp) { SeawaterTowerPlant(cp), cp.SWPFlow[0][1] = 2; },
                 "SimPrep: Total SWP Flow Insufficient for HR?"},
        PrepCase{"no towers", [](auto& cp) { simtest::TowerPlant(cp), cp.NoOfCT = 0; }, "SimPrep: No Cooling Towers?"},
        PrepCase{"tower capacity", [](auto& cp) { simtest::TowerPlant(cp), cp.CTCap[1] = 59; },
                 "SimPrep: Total HR Cap. of Ctrs Insufficient?"},
        PrepCase{"tower flow", [](auto& cp) { simtest::TowerPlant(cp), cp.CTFlow[1] = 2.5f; },
                 "SimPrep: Total CWF of Ctrs Insufficient for HR?"},
        PrepCase{"chiller curve not positive",
                 [](auto& cp) {
                   simtest::AirCooledPlant(cp);
                   cp.DesignTemp[1] = -80;  // the reciprocating curve dips below 0 there
                   cp.NoOfChr = 2;
                   cp.ChrType[1] = 0, cp.ChrType[2] = 1;
                   cp.ChrCap[0][2] = 20, cp.ChrPower[0][2] = 5;
                 },
                 "SimPrep: Chr DWR <= 0 for Chr# 2"},
        PrepCase{"equal exchanger temperatures", [](auto& cp) { SeawaterTowerPlant(cp), cp.DesignTemp[4] = 37; },
                 "SimPrep: Problems with condenser water temperatures!"},
        PrepCase{"exchanger end differences of opposite sign",
                 [](auto& cp) {
                   SeawaterTowerPlant(cp);
                   cp.DesignTemp = {0, 32, 37, 34, 36.5f};  // ends of +0.5 and -2 K
                   cp.SWPFlow[0][1] = 10, cp.CTFlow[1] = 10;
                 },
                 "SimPrep: Problems with condenser water temperatures!"},
        PrepCase{"no chillers", [](auto& cp) { simtest::AirCooledPlant(cp), cp.NoOfChr = 0; }, "SimPrep: No Chillers?"},
        PrepCase{"chiller of no capacity",
                 [](auto& cp) { simtest::AirCooledPlant(cp), cp.ChrCap[0][1] = 0, cp.ChrPower[0][1] = 0; },
                 "SimPrep: Rated capacity <= 0 for Chr# 1"},
        PrepCase{"tower of no flow",
                 [](auto& cp) {
                   simtest::TowerPlant(cp);
                   cp.NoOfCT = 2, cp.CTCap[2] = 10;
                 },
                 "SimPrep: Flow <= 0 for CT# 2"},
        PrepCase{"unknown chiller type", [](auto& cp) { simtest::AirCooledPlant(cp), cp.ChrType[1] = 3; },
                 "SimPrep: Unknown chiller type for Chr# 1"}),
    [](const ::testing::TestParamInfo<PrepCase>& info) {
      std::string name;
      for (char c : std::string(info.param.what)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(SimPrep, DerivedValues) {
  auto prog = Prepared(SeawaterTowerPlant);
  ASSERT_EQ(prog->sim.SimErr, 0);
  auto& p = prog->sim.plant;
  const auto& cp = prog->sim.run->CPlt;
  // At 28 degC wet bulb and the design range the towers return the design temperature.
  CopyCurve(p.CTCrv, p.CrvCoef);
  EXPECT_NEAR(EvalBiQuadratic(p.CrvCoef, 28, 5) + p.CTOffset, 28, 1e-5);
  // Exchanger: end differences 4 and 4: the mean is 4.
  EXPECT_NEAR(p.HXUA[1], 60.0 / 4, 1e-5);
  EXPECT_NEAR(p.SWToCWFlowRatio, 1, 1e-7);
  EXPECT_NEAR(cp.CTFlow[0], 3, 0);
  // Room states and outdoor air: 10 people at 10 l/s.
  const auto& em = prog->sim.run->EgyModel;
  EXPECT_NEAR(prog->sim.RmHumRat[1][1], HumRatio(static_cast<float>(SatVapPres(24) * 0.55)), 1e-7);
  EXPECT_NEAR(p.RmEnth[1][1], MoistAirEnthalpy(24, prog->sim.RmHumRat[1][1]), 1e-4);
  EXPECT_FLOAT_EQ(p.RmVentFlow[1][1], 0.1f);
  EXPECT_FLOAT_EQ(p.RmVentFlow[0][0], 0.1f * em.RmNIdent[1][1] * em.ZnNIdent[1]);

  auto empty = simtest::NewProgram();
  simtest::OfficeModel(*empty);
  simtest::AsRunInputs(*empty);
  empty->sim.run->EgyModel.RmNOcc[1][1] = 0;
  empty->sim.run->EgyModel.ZnNIdent[1] = 3;
  simtest::AirCooledPlant(empty->sim.run->CPlt);
  SimPrep(*empty);
  EXPECT_EQ(empty->sim.plant.RmVentFlow[0][0], 0);
}

TEST(Chiller, RatedPowerAtDesignConditionsAndFullLoad) {
  for (int type = 0; type <= 2; ++type) {
    auto prog = Prepared([&](auto& cp) {
      simtest::AirCooledPlant(cp);
      cp.ChrType[1] = static_cast<common::Integer>(type);
    });
    ASSERT_EQ(prog->sim.SimErr, 0);
    auto& cp = prog->sim.run->CPlt;
    prog->sim.OutTdb = 35;
    cp.ChrCap[1][0] = 50;
    CPCSIM(*prog);
    EXPECT_NEAR(cp.ChrPower[1][0], 12, 1e-4) << type;
    EXPECT_EQ(cp.PLPPower[0], 0.8f);
    EXPECT_EQ(cp.SLPPower[1][0], 0);  // a single loop has no secondary pumps
    // Hotter air at the condenser costs more.
    prog->sim.OutTdb = 40;
    CPCSIM(*prog);
    EXPECT_GT(cp.ChrPower[1][0], 12) << type;
  }
}

TEST(Chiller, StagingOfThreeChillers) {
  struct Case {
    float load;
    int first, last;
    float plr;
  } cases[] = {
      {40, 3, 3, 0.8f},  // the last (smallest) chiller alone
      {0, 1, 0, 0},      // without load none runs
      {250, 1, 2, 250.f / 300},
      {400, 1, 3, 400.f / 350},  // short of capacity: all run above full load
  };
  for (auto c : cases) {
    auto prog = Prepared([](auto& cp) {
      simtest::AirCooledPlant(cp);
      cp.NoOfChr = 3;
      cp.ChrCap[0][1] = 100, cp.ChrCap[0][2] = 200, cp.ChrCap[0][3] = 50;
      cp.ChrPower[0][1] = 25, cp.ChrPower[0][2] = 50, cp.ChrPower[0][3] = 14;
      cp.ChrType[2] = cp.ChrType[3] = 1;
      cp.ChrChWFlow[2] = 4.8f, cp.ChrChWFlow[3] = 1.2f;
    });
    ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
    auto& cp = prog->sim.run->CPlt;
    auto& p = prog->sim.plant;
    prog->sim.OutTdb = 35;
    cp.ChrCap[1][0] = c.load;
    CPCSIM(*prog);
    ASSERT_EQ(prog->sim.SimErr, 0);
    EXPECT_EQ(cp.ChrPower[1][0] > 0, c.last >= c.first) << c.load;
    EXPECT_EQ(cp.PLPPower[0], 0.8f) << c.load;  // the primary pump runs whatever the load
    for (int k = 1; k <= 3; ++k) {
      bool runs = k >= c.first && k <= c.last;
      EXPECT_EQ(cp.ChrPower[1][k] > 0, runs) << c.load << " chiller " << k;
      if (runs) {
        EXPECT_NEAR(cp.ChrCap[1][k], c.plr * cp.ChrCap[0][k], 1e-3);
      }
    }
    if (c.plr > 1) {  // above full load each chiller draws its normalised rated power
      for (int k = 1; k <= 3; ++k) EXPECT_NEAR(cp.ChrPower[1][k], p.ChrPwrNorm[k] * cp.ChrPower[0][k], 1e-4);
    }
  }
}

TEST(StageUnits, TheStagingRule) {
  const std::array<float, 11> q{0, 1, 2, 4}, big{0, 5, 5, 1}, rising{0, 2, 3, 4};
  struct Case {
    const std::array<float, 11>& rated;
    float demand;
    int first, last;
  } cases[] = {
      {q, 3.5f, 3, 3},
      {q, 4, 3, 3},
      {q, 0, 3, 3},
      {q, 5, 1, 3},
      {q, 4.5f, 1, 3},
      {q, 9, 1, 3},
      {big, 7, 1, 2},
      // A demand equal to the first units' ratings is met by them alone.
      {big, 10, 1, 2},
      {rising, 5, 1, 2},
      {big, 5, 1, 1},
  };
  for (const auto& c : cases) {
    auto run = StageUnits(c.demand, c.rated, 3);
    EXPECT_EQ(run.First, c.first) << c.rated[1] << "," << c.rated[2] << "," << c.rated[3] << " at " << c.demand;
    EXPECT_EQ(run.Last, c.last) << c.rated[1] << "," << c.rated[2] << "," << c.rated[3] << " at " << c.demand;
  }
  auto run = StageUnits(1, big, 0);
  EXPECT_LT(run.Last, run.First);
}

TEST(Pump, PowerRatioByType) {
  auto prog = simtest::NewProgram();
  auto& sim = prog->sim;
  auto& p = sim.plant;
  SetDefaultPlantCurves(p);
  auto run = [&](float type, float fr, float loop) {
    p.PltVar[PumpSlot::kType] = type, p.PltVar[PumpSlot::kFlowRatio] = fr, p.PltVar[PumpSlot::kLoopFlowRatio] = loop;
    sim.SimErr = 0;
    PmpWCal(sim);
    return p.PltVar[PumpSlot::kPowerRatio];
  };
  EXPECT_EQ(run(0, 0.4f, 0.4f), 1);
  EXPECT_EQ(run(2, 1, 1), 1);
  EXPECT_EQ(p.PltVar[PumpSlot::kHeadRatio], 0);
  EXPECT_NEAR(run(1, 0.5f, 0.5f), 0.338249 + 0.972488 * 0.5 - 0.291451 * 0.25, 1e-6);
  EXPECT_EQ(run(7, 0.5f, 0.5f), 0);
  // Variable speed at half flow: the pump head at speed s meets the loop's head.
  float power = run(2, 0.5f, 0.5f);
  ASSERT_EQ(sim.SimErr, 0);
  const double hr = 0.5 + 0.5 * 0.25;
  EXPECT_NEAR(p.PltVar[PumpSlot::kHeadRatio], hr, 1e-6);
  // Solve s from hr = s^2 (1.4636 + 0.54606 x - 1.00145 x^2) with x = 0.5 / s by bisection.
  double lo = 0.3, hi = 1.5;
  for (int i = 0; i < 60; ++i) {
    double s = (lo + hi) / 2, x = 0.5 / s;
    (s * s * (1.4636 + 0.54606 * x - 1.00145 * x * x) > hr ? hi : lo) = s;
  }
  const double s = lo, x = 0.5 / s;
  EXPECT_NEAR(power, s * s * s * (0.338249 + 0.972488 * x - 0.291451 * x * x), 1e-4);
  EXPECT_LT(power, run(1, 0.5f, 0.5f));
  // At no flow the pump idles at the speed whose shut-off head meets the loop's.
  const double s0 = std::sqrt(0.5 / 1.4636);
  EXPECT_NEAR(run(2, 0, 0), s0 * s0 * s0 * 0.338249, 1e-5);
  EXPECT_EQ(sim.SimErr, 0);
}

TEST(FanAndCoil, PartLoadOfEachSystemType) {
  auto prog = simtest::NewProgram();
  auto& sim = prog->sim;
  auto& p = sim.plant;
  SetDefaultPlantCurves(p);
  auto run = [&](int type, float flow, float load) {
    p.PltVar[FanCoilSlot::kSystemType] = static_cast<float>(type);
    p.PltVar[FanCoilSlot::kDesignLoad] = 10, p.PltVar[FanCoilSlot::kDesignFlow] = 2;
    p.PltVar[FanCoilSlot::kSensibleLoad] = load * 0.8f, p.PltVar[FanCoilSlot::kLatentLoad] = load * 0.2f;
    p.PltVar[FanCoilSlot::kFlow] = flow;
    sim.SimErr = 0;
    ASSFWCF(sim);
    EXPECT_EQ(sim.SimErr, 0) << sim.SimErrMsg;
    return p.PltVar[FanCoilSlot::kFanPowerRatio];
  };
  EXPECT_EQ(run(1, 0.6f, 5), 1);
  EXPECT_EQ(run(2, 2, 5), 1);
  EXPECT_EQ(run(3, 2.5f, 5), 1);
  EXPECT_EQ(run(0, 1, 5), 0);
  const auto& water = p.PltVar[FanCoilSlot::kWaterFlowRatio];
  run(1, 2, 0);
  EXPECT_FLOAT_EQ(water, 0.0266174f);
  run(1, 2, 12);
  EXPECT_EQ(water, 1);
  run(1, 2, 5);
  EXPECT_NEAR(water, 0.0266174 + 0.0953265 * 0.5 + 0.855754 * 0.25, 1e-6);

  // Half flow: the inlet vanes close until the fan meets the duct curve; the
  // variable-speed fan slows down, and draws less.
  const float sys = 0.44491f + 0.21581f * 0.5f + 0.33305f * 0.25f;
  float igv = run(2, 1, 5);
  CopyCurve(p.FanPresCrv[2], p.CrvCoef);
  CurveCoefs fan = p.CrvCoef;
  float vane = -1;
  p.CrvCoef = fan;
  SYZ29(sim, 0.5f, vane, sys);
  EXPECT_NEAR(EvalBiQuadratic(fan, 0.5f, vane), sys, 1e-5);
  CopyCurve(p.FanPwrCrv[2], p.CrvCoef);
  EXPECT_NEAR(igv, EvalBiQuadratic(p.CrvCoef, 0.5f, vane), 1e-6);
  float vs = run(3, 1, 5);
  EXPECT_GT(vs, 0.05f);
  EXPECT_LT(vs, igv);
  // No flow at all: the speed whose shut-off pressure meets the ducts.
  const double s0 = std::sqrt(0.44491 / 1.913925);
  EXPECT_NEAR(run(3, 0, 5), s0 * s0 * s0 * 0.4225907, 1e-5);
  // Without a design coil load any load counts as full load.
  p.PltVar[FanCoilSlot::kDesignLoad] = 0;
  p.PltVar[FanCoilSlot::kSensibleLoad] = 1;
  ASSFWCF(sim);
  EXPECT_EQ(water, 1);
}

// The office zone with its design values, after the preparation.
std::unique_ptr<common::Program> Zone(int asType, int faType) {
  auto prog = Prepared([](auto& cp) { simtest::AirCooledPlant(cp); });
  auto& as = prog->sim.run->ASSys;
  as.ASTyp[1] = static_cast<common::Integer>(asType);
  as.FATyp[1] = static_cast<common::Integer>(faType);
  prog->sim.OutTdb = 30;
  prog->sim.OutW = 0.016f;
  prog->sim.plant.OutH = static_cast<float>(MoistAirEnthalpy(30, 0.016f));
  return prog;
}

TEST(AirSideSystem, VariableVolumeRoomAtNoLoadIsChargedItsMinimum) {
  for (float load : {0.0f, -2.0f}) {
    auto prog = Zone(3, 0);
    auto& as = prog->sim.run->ASSys;
    as.DsgSensLd[1][1][1] = load;
    prog->sim.RmLatLd[1][1] = -0.5f;
    SimAirSideSystem(*prog, 1);
    ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
    EXPECT_FLOAT_EQ(as.DsgSensLd[1][1][1], 0.3f * 12);
    EXPECT_FLOAT_EQ(as.DsgSAFlow[1][1][1], 0.3f * 1);
    EXPECT_EQ(prog->sim.RmLatLd[1][1], 0);
    EXPECT_FLOAT_EQ(as.DsgSensLd[1][1][0], 1.05f * 3.6f);
    EXPECT_FLOAT_EQ(as.DsgTotLd[1][1][0], 1.05f * 3.6f);
    EXPECT_LT(as.DsgFanPwr[1][1], 1.2f);
    EXPECT_FLOAT_EQ(as.DsgFanPwr[1][0], as.DsgFanPwr[1][1]);
  }
}

TEST(AirSideSystem, ConstantVolumeWithLocalOutdoorAir) {
  auto prog = Zone(1, 1);
  auto& as = prog->sim.run->ASSys;
  auto& p = prog->sim.plant;
  as.DsgSensLd[1][1][1] = 8;
  prog->sim.RmLatLd[1][1] = 1;
  as.DsgFanPwr[1][0] = 0.5f;  // another zone's fan, already booked this hour
  SimAirSideSystem(*prog, 1);
  const auto& em = prog->sim.run->EgyModel;
  EXPECT_FLOAT_EQ(em.RmTemp[1][0], 24);
  EXPECT_FLOAT_EQ(p.RmEnth[1][0], p.RmEnth[1][1]);
  float qs, ql, qt;
  CalCoilLoads(24, p.RmEnth[1][1], 30, p.OutH, 0.1f, qs, ql, qt);
  EXPECT_NEAR(as.DsgSensLd[1][1][0], 1.05 * (8 + qs), 1e-4);
  EXPECT_NEAR(prog->sim.RmLatLd[1][0], 1 + ql, 1e-4);
  EXPECT_FLOAT_EQ(as.DsgFanPwr[1][1], 1.2f);
  EXPECT_FLOAT_EQ(as.DsgFanPwr[1][0], 1.7f);
  const float ratio = (as.DsgSensLd[1][1][0] + prog->sim.RmLatLd[1][0]) / 15;
  EXPECT_NEAR(as.DsgCHWFlow[1][1], 0.7 * (0.0266174 + 0.0953265 * ratio + 0.855754 * ratio * ratio), 1e-5);
}

TEST(AirSideSystem, PretreatedAirOnACoolHourCredits) {
  auto prog = Zone(1, 2);
  auto& as = prog->sim.run->ASSys;
  auto& p = prog->sim.plant;
  prog->sim.OutTdb = 12;
  prog->sim.OutW = 0.006f;
  p.OutH = static_cast<float>(MoistAirEnthalpy(12, 0.006f));
  as.DsgSensLd[1][1][1] = 8;
  prog->sim.RmLatLd[1][1] = 2;
  SimAirSideSystem(*prog, 1);
  float qs, ql, qt;
  CalCoilLoads(12, p.OutH, 24, p.RmEnth[1][1], 0.1f, qs, ql, qt);
  EXPECT_NEAR(as.DsgSensLd[1][1][0], 1.05 * (8 - qs), 1e-4);
  EXPECT_NEAR(prog->sim.RmLatLd[1][0], 2 - ql, 1e-4);
  // A credit beyond the room's load leaves no load, not a negative one.
  prog->sim.RmLatLd[1][1] = 1;
  SimAirSideSystem(*prog, 1);
  EXPECT_EQ(prog->sim.RmLatLd[1][0], 0);
  // On a warm hour the pretreated air arrives at 16 degC, 43.6 kJ/kg.
  prog->sim.OutTdb = 30;
  SimAirSideSystem(*prog, 1);
  CalCoilLoads(16, 43.6f, 24, p.RmEnth[1][1], 0.1f, qs, ql, qt);
  EXPECT_NEAR(as.DsgSensLd[1][1][0], 1.05 * (8 - qs), 1e-4);
}

TEST(AirSideSystem, ZoneOfNoSystemDrawsNothing) {
  auto prog = Zone(0, 0);
  auto& as = prog->sim.run->ASSys;
  as.DsgSensLd[1][1][1] = 8;
  SimAirSideSystem(*prog, 1);
  EXPECT_EQ(prog->sim.SimErr, 0);
  EXPECT_EQ(as.DsgFanPwr[1][1], 0);
  EXPECT_FLOAT_EQ(prog->sim.run->EgyModel.RmTemp[1][0], 24);  // the rooms' own state, no NaN
}

TEST(FreshAirUnits, StagingAndCoolLoads) {
  auto prog = Prepared([](auto& cp) {
    simtest::AirCooledPlant(cp);
    cp.NoOfFAU = 3;
    for (int k = 1; k <= 3; ++k) {
      cp.FAUFlow[k] = static_cast<float>(1 << (k - 1));  // 1, 2, 4 m3/s
      cp.FAUFanPower[k] = 2.0f * k;
      cp.FAUTotCap[k] = 30.0f * cp.FAUFlow[k];
      cp.FAUChWFlow[k] = 1.5f * cp.FAUFlow[k];
    }
  });
  ASSERT_EQ(prog->sim.SimErr, 0);
  auto& cp = prog->sim.run->CPlt;
  auto& p = prog->sim.plant;
  prog->sim.OutTdb = 30;
  p.OutH = static_cast<float>(MoistAirEnthalpy(30, 0.016f));
  struct Case {
    float demand, flow, fan;
  } cases[] = {{3.5f, 4, 6}, {5, 7, 12}, {0, 4, 6}};
  for (auto c : cases) {
    p.RmVentFlow[0][0] = c.demand;
    SimFreshAirSystem(*prog);
    EXPECT_EQ(cp.FAUFlow[0], c.flow) << c.demand;
    EXPECT_EQ(cp.FAUFanPower[0], c.fan) << c.demand;
  }
  // No demand above 16 degC: the unit's coil sees no load.
  EXPECT_EQ(cp.FAUTotCap[0], 0);
  EXPECT_NEAR(cp.FAUChWFlow[0], 0.0266174 * 6, 1e-6);
  // A demand of 3.5 m3/s on a warm hour.
  p.RmVentFlow[0][0] = 3.5f;
  SimFreshAirSystem(*prog);
  float qs, ql, qt;
  CalCoilLoads(16, 43.6f, 30, p.OutH, 3.5f, qs, ql, qt);
  EXPECT_NEAR(cp.FAUSensCap[0], 1.05 * qs, 1e-3);
  EXPECT_NEAR(cp.FAUTotCap[0], 1.05 * qs + ql, 1e-3);
  // Cool air: the units only move it.
  prog->sim.OutTdb = 15;
  SimFreshAirSystem(*prog);
  EXPECT_EQ(cp.FAUTotCap[0], 0);
  EXPECT_EQ(cp.FAUChWFlow[0], 0);
  EXPECT_EQ(cp.FAUFanPower[0], 6);
}

TEST(CentralPlant, TowersConvergeOnTheirCurve) {
  auto prog = Prepared([](auto& cp) { simtest::TowerPlant(cp); });
  ASSERT_EQ(prog->sim.SimErr, 0);
  auto& cp = prog->sim.run->CPlt;
  auto& p = prog->sim.plant;
  prog->sim.OutTwb = 26;
  p.SeaWaterTemp = 22;
  cp.ChrCap[1][0] = 40;
  CPCSIM(*prog);
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  EXPECT_EQ(cp.CWPPower[0], 1.2f);
  EXPECT_EQ(cp.CTFanPower[0], 1.5f);
  // The condenser takes the tower's leaving water at the heat now rejected.
  const float heat = 40 + cp.ChrPower[1][0];
  CopyCurve(p.CTCrv, p.CrvCoef);
  float tower = EvalBiQuadratic(p.CrvCoef, 26, heat / (3.0f * 4.2f)) + p.CTOffset;
  p.PltVar[ChillerSlot::kType] = 0, p.PltVar[ChillerSlot::kCondenserKind] = 1;
  p.PltVar[ChillerSlot::kCondenserTemp] = tower, p.PltVar[ChillerSlot::kPartLoadRatio] = 0.8f;
  CalChrPartLoad(prog->sim);
  EXPECT_NEAR(cp.ChrPower[1][0], p.ChrPwrNorm[1] * 10 * p.PltVar[ChillerSlot::kPowerRatio], 0.01);
  // A wet bulb that is no number never converges.
  prog->sim.OutTwb = std::nanf("");
  CPCSIM(*prog);
  EXPECT_EQ(prog->sim.SimErrMsg, "CPCSIM: No. of iteration exceeded 300");
}

// An indirect seawater plant (type 2) of one 500 kW chiller drawing 100 kW,
// designed for condenser water 32 -> 37 degC against seawater entering at
// 27 degC, with `ratio` times the condenser water flow on the sea side.
// The flows are a hair above what the design heat rejection needs.
void SeawaterPlant(common::CentralPlantData& cp, float ratio) {
  cp = common::CentralPlantData{};
  cp.HRSType = 2;
  cp.ChWPSType = 0;
  cp.StartHour = 7;
  cp.StopHour = 19;
  const float cw = 600.0f / (4.2f * 5) * 1.0001f;
  cp.DesignTemp = {0, 32, 37, 27, 27 + 5 / ratio};
  cp.NoOfChr = 1;
  cp.ChrType[1] = 0;
  cp.ChrCap[0][1] = 500;
  cp.ChrPower[0][1] = 100;
  cp.ChrChWFlow[1] = 21.6f;
  cp.ChrCWFlow[1] = cw;
  cp.NoOfPLP = 1;
  cp.PLPFlow[1] = 21.6f;
  cp.PLPPres[1] = 150;
  cp.PLPPower[1] = 6;
  cp.NoOfCWP = 1;
  cp.CWPFlow[1] = cw;
  cp.CWPPres[1] = 200;
  cp.CWPPower[1] = 8;
  cp.NoOfSWP = 1;
  cp.SWPType[1] = 0;
  cp.SWPFlow[0][1] = cw * ratio;
  cp.SWPPres[0][1] = 150;
  cp.SWPPower[0][1] = 7;
}

// The exchanger's cold end closes its balance: the heat equals the
// conductance times the logarithmic mean of the two end differences.
TEST(CentralPlant, ExchangerColdEndClosesTheBalance) {
  struct Case {
    double heat, ua, hotDrop, coldRise;
  } cases[] = {{600, 120, 5, 3},       {600, 120, 3, 5},  {600, 120, 5, 8.3}, {600, 120, 4, 4},
               {60, 120, 0.5, 0.5001}, {600, 40, 5, 2.5}, {600, 2000, 5, 2.5}};
  for (const auto& c : cases) {
    const double cold = ExchangerColdEndDifference(c.heat, c.ua, c.hotDrop, c.coldRise);
    const double hot = cold + c.hotDrop - c.coldRise;
    ASSERT_GT(cold, 0);
    ASSERT_GT(hot, 0);
    const double lmtd = std::fabs(hot - cold) < 1e-9 ? cold : (hot - cold) / std::log(hot / cold);
    EXPECT_NEAR(c.ua * lmtd, c.heat, c.heat * 1e-9) << c.hotDrop << " " << c.coldRise;
  }
  EXPECT_DOUBLE_EQ(ExchangerColdEndDifference(600, 120, 4, 4), 5);
  EXPECT_EQ(ExchangerColdEndDifference(0, 120, 0, 0), 0);
}

// The exchanger between condenser water and seawater: at the design load
// and seawater temperature the condenser takes its design water back; any
// ratio of the two flows and any load converge, and the condenser water
// warms as the load grows.
TEST(CentralPlant, SeawaterExchangerAtEveryFlowRatioAndLoad) {
  for (float ratio : {0.6f, 0.8f, 1.0f, 1.25f, 1.5f, 2.0f}) {
    auto prog = Prepared([ratio](auto& cp) { SeawaterPlant(cp, ratio); });
    ASSERT_EQ(prog->sim.SimErr, 0) << ratio << ": " << prog->sim.SimErrMsg;
    auto& cp = prog->sim.run->CPlt;
    auto& p = prog->sim.plant;
    p.SeaWaterTemp = 27;
    cp.ChrCap[1][0] = 500;
    CPCSIM(*prog);
    ASSERT_EQ(prog->sim.SimErr, 0) << ratio << ": " << prog->sim.SimErrMsg;
    EXPECT_NEAR(p.CondEntTemp, 32, 0.1) << "flow ratio " << ratio;
    EXPECT_NEAR(cp.ChrPower[1][0], 100, 1) << "flow ratio " << ratio;
    float previous = p.SeaWaterTemp;
    for (float load : {0.1f, 0.25f, 0.5f, 0.75f, 1.0f, 1.2f}) {
      cp.ChrCap[1][0] = 500 * load;
      CPCSIM(*prog);
      ASSERT_EQ(prog->sim.SimErr, 0) << "flow ratio " << ratio << ", load " << load << ": " << prog->sim.SimErrMsg;
      EXPECT_GT(p.CondEntTemp, previous) << "flow ratio " << ratio << ", load " << load;
      previous = p.CondEntTemp;
    }
    // Above the chiller's rating the condenser water runs warmer than designed.
    EXPECT_GT(previous, 32.5f) << "flow ratio " << ratio;
  }
}

// With cooling towers behind the exchanger (type 4) the towers' water is the
// sink: the condenser water stays above it by the exchanger's own cold-end
// difference, also when the first guess (the sea + 2 K) lies far below it.
TEST(CentralPlant, TowerWaterBehindTheExchanger) {
  for (float ratio : {0.6f, 1.0f, 2.0f}) {
    auto prog = Prepared([ratio](auto& cp) {
      SeawaterPlant(cp, ratio);
      cp.HRSType = 4;
      cp.NoOfCT = 1;
      cp.CTCap[1] = 620;
      cp.CTFlow[1] = cp.SWPFlow[0][1];
      cp.CTFanPower[1] = 9;
    });
    ASSERT_EQ(prog->sim.SimErr, 0) << ratio << ": " << prog->sim.SimErrMsg;
    auto& cp = prog->sim.run->CPlt;
    auto& p = prog->sim.plant;
    // Design wet bulb: the towers return their design 27 degC and the condenser its 32.
    prog->sim.OutTwb = 28;
    cp.ChrCap[1][0] = 500;
    for (float sea : {16.0f, 24.0f, 27.0f}) {
      p.SeaWaterTemp = sea;
      CPCSIM(*prog);
      ASSERT_EQ(prog->sim.SimErr, 0) << ratio << ", sea " << sea << ": " << prog->sim.SimErrMsg;
      EXPECT_NEAR(p.CondEntTemp, 32, 0.1) << "flow ratio " << ratio << ", sea " << sea;
      EXPECT_EQ(cp.CTFanPower[0], 9);
    }
    // A cooler wet bulb cools the tower water and with it the condenser.
    prog->sim.OutTwb = 22;
    CPCSIM(*prog);
    ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
    EXPECT_LT(p.CondEntTemp, 30) << "flow ratio " << ratio;
  }
}

TEST(CentralPlant, SecondaryPumpsFollowThePlantsPumpingSystem) {
  auto prog = Prepared([](auto& cp) {
    simtest::AirCooledPlant(cp);
    cp.ChWPSType = 2;
    cp.NoOfSLP = 2;
    for (int k = 1; k <= 2; ++k) {
      cp.SLPType[k] = 0;  // the pumps' own type does not count
      cp.SLPFlow[0][k] = 2.4f;
      cp.SLPPres[0][k] = 200;
      cp.SLPPower[0][k] = 1.5f;
    }
  });
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  auto& cp = prog->sim.run->CPlt;
  prog->sim.OutTdb = 30;
  cp.ChrCap[1][0] = 30;
  cp.SLPFlow[1][0] = 1.2f;  // half of the last pump
  CPCSIM(*prog);
  ASSERT_EQ(prog->sim.SimErr, 0);
  EXPECT_EQ(cp.SLPPower[1][1], 0);
  EXPECT_GT(cp.SLPPower[1][2], 0);
  EXPECT_LT(cp.SLPPower[1][2], 1.5f * 0.5f);
  EXPECT_FLOAT_EQ(cp.SLPFlow[1][2], 1.2f);
  EXPECT_NEAR(cp.SLPPres[1][2], 200 * (0.5 + 0.5 * 0.25 * 0.25), 1e-3);
  // A pump curve without a solution: the solver's reason, then the model's, then the plant's.
  prog->sim.plant.PmpHeadCrv[2] = {3, -1, 0, 0};
  CPCSIM(*prog);
  EXPECT_EQ(prog->sim.SimErr, -1);
  const std::string tail =
      " PmpWCal: Failed to solve for pump speed! CPCSIM: Unable to calculate SLP power for unit #: 2";
  EXPECT_EQ(prog->sim.SimErrMsg.rfind("SZ1N: ", 0), 0u) << prog->sim.SimErrMsg;
  ASSERT_GE(prog->sim.SimErrMsg.size(), tail.size());
  EXPECT_EQ(prog->sim.SimErrMsg.substr(prog->sim.SimErrMsg.size() - tail.size()), tail);
}

}  // namespace
