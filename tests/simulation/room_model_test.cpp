// Solar gains, sol-air temperatures, the radiant enclosure and the heat
// balance of the room air, on rooms set up by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "reference_room_model.h"
#include "sim_fixture.h"
#include "simulation/cooling_hour.h"
#include "simulation/load_constants.h"
#include "simulation/mean_radiant.h"
#include "simulation/solar.h"
#include "simulation/wall_conduction.h"
#include "support/temp_folder.h"

namespace {

using namespace ModRoutine;

struct Comp {
  int type, cons, orient;
  float area;
};

// A room of the sample constructions with the given components, every wall
// node at `wallT`, air and design temperature 24 degC.
std::unique_ptr<common::Program> Room(const std::vector<Comp>& comps, float wallT = 24) {
  auto prog = simtest::NewProgram();
  prog->energyInput.cons = simtest::SampleConstructions();
  SetLoadModelDefaults(prog->sim);
  auto& m = prog->sim.load;
  m.CurNFab = static_cast<common::Integer>(comps.size());
  for (std::size_t i = 0; i < comps.size(); ++i) {
    int c = static_cast<int>(i) + 1;
    m.CurFabType[c] = static_cast<common::Integer>(comps[i].type);
    m.CurFabCons[c] = static_cast<common::Integer>(comps[i].cons);
    m.CurFabOrient[c] = static_cast<common::Integer>(comps[i].orient);
    m.CurFabArea[c] = comps[i].area;
  }
  SetupWallNodes(*prog);
  PrepareEnclosure(m);
  for (int p = 0; p < 2; ++p)
    for (int c = 1; c <= 10; ++c)
      for (int n = 1; n <= 60; ++n) m.NodeTemp[p][c][n] = wallT;
  m.RmSetT = m.RmAirT = 24;
  return prog;
}

const float kPi = 3.14159265f;

// The hour's radiant gains: lighting of 1000 W in full, equipment of 2000 W
// at `eqpFrac`, and the diffuse and beam sun through the windows (W).
void Gains(common::CoolingLoadModelState& m, float eqpFrac, float dif, float beam) {
  m.LgtFrac = 1;
  m.RmLgtLd = 1000;
  m.EqpFrac = eqpFrac;
  m.RmEqpLd = 2000;
  m.DifSolGain[0] = dif;
  m.BeamSolGain[0] = beam;
}

TEST(SolarGain, SouthWindowWithoutMask) {
  auto prog = Room({{2, 2, 5, 10}, {4, 3, 9, 20}});
  auto& m = prog->sim.load;
  m.DirSolRad[5] = 500;
  m.DifSolRad[0] = 150;
  m.DifSolRad[1] = 100;
  m.SolAzi = 0;
  m.SolAlt = kPi / 6;
  CalSolGain(*prog);
  ASSERT_EQ(prog->sim.SimErr, 0);
  const float tau = CalGlassTrans(m, std::cos(kPi / 6));
  EXPECT_NEAR(m.BeamSolGain[1], 0.8 * 10 * 500 * tau, 1e-3);
  EXPECT_NEAR(m.BeamSolGain[0], m.BeamSolGain[1], 1e-3);
  EXPECT_NEAR(m.DifSolGain[1], 0.8 * 10 * 100 * 0.79901, 1e-3);
  // At 15 degrees the sun adds no beam gain; the diffuse gain stays.
  m.BeamSolGain[0] = m.DifSolGain[0] = 0;
  m.SolAlt = kPi / 12;
  CalSolGain(*prog);
  EXPECT_EQ(m.BeamSolGain[0], 0);
  EXPECT_NEAR(m.DifSolGain[0], 0.8 * 10 * 100 * 0.79901, 1e-3);
}

TEST(SolarGain, SkylightTakesTheHorizontalValues) {
  auto prog = Room({{2, 2, 9, 4}, {4, 3, 9, 20}});
  auto& m = prog->sim.load;
  m.DirSolRad[9] = 800;
  m.DifSolRad[0] = 150;
  m.DifSolRad[1] = 100;
  m.SolAzi = 1;
  m.SolAlt = 1;
  CalSolGain(*prog);
  EXPECT_NEAR(m.BeamSolGain[1], 0.8 * 4 * 800 * CalGlassTrans(m, std::sin(1.0f)), 1e-2);
  EXPECT_NEAR(m.DifSolGain[1], 0.8 * 4 * 150 * 0.79901, 1e-3);
}

std::string MaskText(float mean) {
  std::string text;
  for (int i = 0; i < 36; ++i) {
    for (int j = 0; j < 9; ++j) text += (j ? "," : "") + std::to_string((i * 9 + j) / 1000.0);
    text += "\r\n";
  }
  text += std::to_string(mean) + "\r\n\r\nThe above shading mask is for:\r\n";
  return text;
}

TEST(SolarGain, ShadingMaskReducesBeamAndDiffuse) {
  testsupport::TempFolder tmp;
  tmp.Write("proj/SOUTH.SHM", MaskText(0.5f));
  auto prog = Room({{2, 2, 5, 10}, {4, 3, 9, 20}});
  prog->building.ProjDir = tmp.Path() + "proj/";
  auto& m = prog->sim.load;
  m.CurFabShMask[1] = "SOUTH.SHM";
  m.DirSolRad[5] = 500;
  m.DifSolRad[1] = 100;
  m.SolAzi = 0.3f;  // 17 degrees: column 1
  m.SolAlt = 0.6f;  // 34 degrees: row 3
  CalSolGain(*prog);
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  const float tau = CalGlassTrans(m, static_cast<float>(CalSolarAngles(0.3f, 0.6f, 5)));
  EXPECT_NEAR(m.BeamSolGain[1], 0.8 * 10 * 500 * tau * 0.012, 1e-3);
  EXPECT_NEAR(m.DifSolGain[1], 0.8 * 10 * 100 * 0.79901 * 0.5, 1e-3);

  struct Case {
    float azi, alt;
    const char* message;
  } cases[] = {
      {7, 0.6f, "CalSolGain: Solar azimuth angle out of range!"},
      {-0.1f, 0.6f, "CalSolGain: Solar azimuth angle out of range!"},
      {1, -0.01f, "CalSolGain: Solar altitude angle out of range!"},
      {1, 1.58f, "CalSolGain: Solar altitude angle out of range!"},
  };
  for (auto c : cases) {
    prog->sim.SimErr = 0;
    m.SolAzi = c.azi;
    m.SolAlt = c.alt;
    CalSolGain(*prog);
    EXPECT_EQ(prog->sim.SimErr, -1);
    EXPECT_EQ(prog->sim.SimErrMsg, c.message);
  }
  prog->sim.SimErr = 0;
  m.CurFabShMask[1] = "NORTH.SHM";
  CalSolGain(*prog);
  EXPECT_EQ(prog->sim.SimErrMsg, "CalSolGain: Shading mask file: NORTH.SHM does not exist!");
  tmp.Write("proj/SHORT.SHM", "1,2,3\r\n");
  prog->sim.SimErr = 0;
  m.CurFabShMask[1] = "SHORT.SHM";
  CalSolGain(*prog);
  EXPECT_EQ(prog->sim.SimErrMsg.rfind("CalSolGain: Failed to read shading mask file: SHORT.SHM", 0), 0u);
}

TEST(SolAir, OutsideReferenceTemperatures) {
  auto prog = Room({{1, 5, 9, 100}, {3, 1, 5, 30}, {2, 2, 5, 10}, {5, 4, 0, 20}, {4, 3, 9, 100}});
  auto& m = prog->sim.load;
  prog->sim.OutTdb = 30;
  m.DirSolRad[9] = 600;
  m.DifSolRad[0] = 100;
  m.DirSolRad[5] = 400;
  m.DifSolRad[1] = 80;
  m.RmSetT = 23;
  m.SurfRefTemp[5][0] = -99;
  CalSolAirTemp(*prog);
  EXPECT_NEAR(m.SurfRefTemp[1][0], 54.92, 0.005);  // 30 + 700 * 0.7 / 17 - 3.9
  EXPECT_NEAR(m.SurfRefTemp[2][0], 30 + 480 * 0.6 / 17, 1e-4);
  EXPECT_EQ(m.SurfRefTemp[3][0], 30);
  EXPECT_EQ(m.SurfRefTemp[4][0], 23);
  EXPECT_EQ(m.SurfRefTemp[5][0], -99);  // the floor's is set by the radiant exchange
}

TEST(Enclosure, SurfacesAndViews) {
  // Four walls and a floor/ceiling, no roof: a sixth surface, the ceiling.
  auto box = Room({{3, 1, 1, 30}, {3, 1, 3, 30}, {3, 1, 5, 30}, {3, 1, 7, 30}, {4, 3, 9, 100}});
  const auto& b = box->sim.load;
  EXPECT_FALSE(b.HasRoof);
  EXPECT_EQ(b.FloorFab, 5);
  EXPECT_EQ(b.NoOfSurf, 6);
  EXPECT_EQ(b.SurfArea[6], 100);
  EXPECT_EQ(b.SurfTotArea, 320);
  EXPECT_EQ(b.SurfOthArea[1], 290);  // a wall sees everything but itself

  // Roof, skylight, south wall, south window, floor.
  auto room = Room({{1, 5, 9, 50}, {2, 2, 9, 5}, {3, 1, 5, 20}, {2, 2, 5, 6}, {4, 3, 9, 50}});
  const auto& r = room->sim.load;
  EXPECT_EQ(r.NoOfSurf, 5);
  struct View {
    int from, to;
    bool sees;
  } views[] = {
      {1, 2, false}, {1, 3, true}, {1, 4, true},  {1, 5, true},  // roof: not its own plane's skylight
      {2, 1, false}, {2, 3, true}, {2, 5, true},                 // skylight: not the roof
      {3, 4, false}, {3, 1, true}, {4, 3, false}, {4, 2, true},  // wall and window of one plane
      {5, 1, true},  {5, 2, true}, {5, 3, true},  {5, 4, true},  // the floor sees all
  };
  for (auto v : views) EXPECT_EQ(r.SurfSees[v.from][v.to], v.sees) << v.from << " -> " << v.to;
  EXPECT_TRUE(r.EnclosureOk);

  auto skylit = Room({{1, 5, 9, 50}, {2, 2, 9, 5}});
  refmodel::CalQMRT(*skylit);
  EXPECT_EQ(skylit->sim.SimErr, -1);
  EXPECT_EQ(skylit->sim.SimErrMsg, "CalQMRT: Zero total internal area found!!");
}

TEST(Enclosure, RoomSideReferenceTemperatures) {
  auto prog = Room({{3, 1, 1, 30}, {3, 1, 3, 30}, {3, 1, 5, 30}, {3, 1, 7, 30}, {4, 3, 9, 100}});
  auto& m = prog->sim.load;
  Gains(m, 0.5f, 300, 830);
  refmodel::CalQMRT(*prog);
  ASSERT_EQ(prog->sim.SimErr, 0);
  // All surfaces at one temperature exchange nothing: the radiant gains
  // (600 + 500 W of lighting and equipment, 300 W diffuse) spread over 320 m2.
  const double rise = (300.0 / 320 + 1100.0 / 320) / 8.3;
  for (int c = 1; c <= 4; ++c) EXPECT_NEAR(m.SurfRefTemp[c][1], 24 + rise, 1e-5);
  EXPECT_NEAR(m.SurfRefTemp[5][1], 24 + rise, 1e-5);                // the ceiling face
  EXPECT_NEAR(m.SurfRefTemp[5][0], 24 + rise + 830 / 830.0, 1e-5);  // the floor takes the beam

  // A hot south wall radiates to the others: its face is driven below the
  // others', which are driven above what they would be without it.
  for (int n = 1; n <= 60; ++n) m.NodeTemp[0][3][n] = 40;
  refmodel::CalQMRT(*prog);
  EXPECT_LT(m.SurfRefTemp[3][1], 24 + rise);
  EXPECT_GT(m.SurfRefTemp[1][1], 24 + rise);

  // Under a roof the ceiling face of the floor component sees the design temperature below.
  auto roofed = Room({{1, 5, 9, 100}, {3, 1, 5, 30}, {4, 3, 9, 100}});
  roofed->sim.load.RmSetT = 22;
  refmodel::CalQMRT(*roofed);
  EXPECT_EQ(roofed->sim.load.SurfRefTemp[3][1], 22);
}

// The long-wave exchange only moves heat between the surfaces: whatever
// their temperatures, the area-weighted sum of what they exchange is zero.
// Without gains each surface's exchange is -h_i (reference - air); with
// them, the surfaces together take the whole radiant gain of lighting,
// equipment and sun, beam and diffuse, with or without a floor.
TEST(Enclosure, RadiantExchangeSumsToZero) {
  struct Case {
    const char* what;
    std::vector<Comp> comps;
  } cases[] = {
      {"four walls and a floor, no roof", {{3, 1, 1, 30}, {3, 1, 3, 30}, {3, 1, 5, 30}, {3, 1, 7, 30}, {4, 3, 9, 100}}},
      {"roof, skylight, wall, window, floor",
       {{1, 5, 9, 50}, {2, 2, 9, 5}, {3, 1, 5, 20}, {2, 2, 5, 6}, {4, 3, 9, 50}}},
      {"window wall, partition, floor", {{2, 2, 5, 12}, {3, 1, 5, 30}, {5, 4, 0, 30}, {4, 3, 9, 100}}},
      {"glass, spandrel, partitions, no floor", {{2, 2, 5, 30}, {3, 1, 5, 15}, {5, 4, 0, 60}}},
      {"roof, wall, window, partition, no floor", {{1, 5, 9, 50}, {3, 1, 5, 20}, {2, 2, 5, 6}, {5, 4, 0, 40}}},
  };
  for (const auto& k : cases) {
    for (const bool gains : {false, true}) {
      SCOPED_TRACE(std::string(k.what) + (gains ? ", with gains" : ""));
      auto prog = Room(k.comps);
      auto& m = prog->sim.load;
      for (int c = 1; c <= m.CurNFab; ++c)
        for (int n = 1; n <= 60; ++n) m.NodeTemp[0][c][n] = 14.0f + 3.5f * static_cast<float>(c);
      if (gains) Gains(m, 1, 300, 4000);
      refmodel::CalQMRT(*prog);
      ASSERT_EQ(prog->sim.SimErr, 0);
      const int f = m.FloorFab;
      double sum = 0, scale = 0;
      for (int i = 1; i <= m.NoOfSurf; ++i) {
        const float ref = i > m.CurNFab ? m.SurfRefTemp[f][1] : (i == f ? m.SurfRefTemp[f][0] : m.SurfRefTemp[i][1]);
        const double q = -kInsideFilm * (ref - m.RmAirT) * m.SurfArea[i];
        sum += q;
        scale += std::fabs(q);
      }
      EXPECT_GT(scale, 100);
      EXPECT_NEAR(sum, gains ? -(600 + 1000 + 300 + 4000) : 0, scale * 1e-5);
    }
  }
}

// A room of one floor/ceiling of 50 m2 under a roof of 50 m2, 300 m3, 10
// people, 1500 W lighting, 2000 W equipment, design state 24 degC.
std::unique_ptr<common::Program> LoadRoom(int type, float wallT) {
  auto prog = Room({{1, 5, 9, 50}, {4, 3, 9, 50}}, wallT);
  auto& m = prog->sim.load;
  m.RmVol = 300;
  m.RmOcc = 10;
  m.RmLgtLd = 1500;
  m.RmEqpLd = 2000;
  m.OccFrac = m.LgtFrac = m.EqpFrac = 1;
  m.RmSetW = 0.0105f;
  prog->sim.OutTdb = 32;
  prog->sim.OutW = 0.018f;
  auto& as = prog->energyInput.ASSys;
  as.DsgSensLd[0][1][1] = 20;
  as.DsgTotLd[0][1][1] = 25;
  (void)type;
  return prog;
}

TEST(RoomLoad, CooledAtTheDesignStateTheBalanceCloses) {
  auto prog = LoadRoom(4, 28);
  auto& m = prog->sim.load;
  prog->sim.DayOfWeek = 3;
  refmodel::CalRoomLoad(*prog, 12, 1, 1, 4);
  // Gains 650 + 600 + 1000 W; infiltration 1020 * 300 * 0.12 / 3600 = 10.2 W/K;
  // two faces of 8.3 * 50 = 415 W/K each at 28 degC.
  const double expected = 10.2 * (32 - 24) + 2 * 415 * (28 - 24) + 2250;
  EXPECT_NEAR(m.StepSensLd, expected, 1e-2);
  EXPECT_EQ(m.RmAirT, 24);
  // Latent: infiltration of 0.01 m3/s at 1.2 kg/m3 and 2,501,000 J/kg, and 55 W a person.
  EXPECT_NEAR(m.StepLatLd, (0.018 - 0.0105) * 0.01 * 1.2 * 2501000 + 550, 1e-2);
  // The same room floating: the free temperature of the balance with 0.6 air changes.
  const double ua = 1020 * 300 * 0.6 / 3600;
  const double tFree = (32 * ua + 2 * 415 * 28 + 2250) / (2 * 415 + ua);
  refmodel::CalRoomLoad(*prog, 2, 1, 1, 5);  // a non-AC room is never cooled
  EXPECT_EQ(m.StepSensLd, 0);
  EXPECT_EQ(m.StepLatLd, 0);
  EXPECT_NEAR(m.RmAirT, tFree, 1e-4);
}

TEST(RoomLoad, OperatingHoursOfAnOffice) {
  struct Case {
    int day, h;
    bool cooled;
  } cases[] = {
      {3, 7, false},  {3, 8, true}, {3, 18, true}, {3, 19, false},
      {0, 12, false}, {6, 8, true}, {6, 12, true}, {6, 13, false},
  };
  for (auto c : cases) {
    auto prog = LoadRoom(1, 28);
    prog->sim.DayOfWeek = static_cast<common::Integer>(c.day);
    refmodel::CalRoomLoad(*prog, static_cast<common::Integer>(c.h), 1, 1, 1);
    EXPECT_EQ(prog->sim.load.StepSensLd > 0, c.cooled) << "day " << c.day << " hour " << c.h;
  }
  // Retail from 9 to 22, restaurants from 6 to 24.
  auto retail = LoadRoom(2, 28);
  refmodel::CalRoomLoad(*retail, 8, 1, 1, 2);
  EXPECT_EQ(retail->sim.load.StepSensLd, 0);
  refmodel::CalRoomLoad(*retail, 21, 1, 1, 2);
  EXPECT_GT(retail->sim.load.StepSensLd, 0);
  auto restaurant = LoadRoom(3, 28);
  refmodel::CalRoomLoad(*restaurant, 23, 1, 1, 3);
  EXPECT_GT(restaurant->sim.load.StepSensLd, 0);
}

TEST(RoomLoad, ColdRoomFloatsInItsHours) {
  auto prog = LoadRoom(4, 10);
  prog->sim.OutTdb = 12;
  refmodel::CalRoomLoad(*prog, 12, 1, 1, 4);
  EXPECT_EQ(prog->sim.load.StepSensLd, 0);
  EXPECT_LT(prog->sim.load.RmAirT, 24);
}

TEST(RoomLoad, CapacityLimitsTheLoadAndTheRoomWarms) {
  auto prog = LoadRoom(4, 28);
  auto& as = prog->energyInput.ASSys;
  as.DsgSensLd[0][1][1] = 0;
  as.DsgTotLd[0][1][1] = 1.5f;
  refmodel::CalRoomLoad(*prog, 12, 1, 1, 4);
  auto& m = prog->sim.load;
  EXPECT_EQ(m.StepSensLd, 0);
  EXPECT_NEAR(m.StepLatLd, 1500, 1e-3);
  const double tNoCooling = (32 * 10.2 + 2 * 415 * 28 + 2250) / (10.2 + 2 * 415);
  EXPECT_NEAR(m.RmAirT, tNoCooling, 1e-4);
  // A partial capacity: the room settles where the capacity meets the gains.
  as.DsgSensLd[0][1][1] = 5;
  refmodel::CalRoomLoad(*prog, 12, 1, 1, 4);
  EXPECT_EQ(m.StepSensLd, 5000);
  EXPECT_NEAR(m.RmAirT, (32 * 10.2 + 2 * 415 * 28 + 2250 - 5000) / (10.2 + 2 * 415), 1e-4);
}

TEST(RoomLoad, WithoutOccupantsOnlyInfiltrationIsLatent) {
  auto prog = LoadRoom(4, 28);
  auto& m = prog->sim.load;
  m.RmOcc = 0;
  prog->sim.OutW = 0.008f;  // drier outside than the room's design state
  refmodel::CalRoomLoad(*prog, 12, 1, 1, 4);
  // 0.12 air changes of 300 m3: 0.01 m3/s of air at 1.2 kg/m3 carrying
  // 0.0025 kg/kg less water, at 2,501,000 J/kg: -75.03 W.
  EXPECT_NEAR(m.StepLatLd, -75.03, 1e-3);
  prog->sim.OutW = 0.0185f;
  refmodel::CalRoomLoad(*prog, 12, 1, 1, 4);
  EXPECT_NEAR(m.StepLatLd, 240.096, 1e-3);
}

}  // namespace
