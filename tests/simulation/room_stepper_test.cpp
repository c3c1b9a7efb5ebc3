// The fast room step against the reference model: on random rooms of
// random walls, hour after hour of random weather, the stepper's node
// temperatures, air temperature and loads are bit for bit those of CalQMRT,
// CalSolAirTemp, StepWallNodes and CalRoomLoad of the reference model run
// step by step on the model state.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

#include "reference_room_model.h"
#include "sim_fixture.h"
#include "simulation/cooling_hour.h"
#include "simulation/load_constants.h"
#include "simulation/mean_radiant.h"
#include "simulation/room_stepper.h"
#include "simulation/solar.h"
#include "simulation/wall_conduction.h"

namespace {

using namespace ModRoutine;

class Random {
 public:
  explicit Random(unsigned seed) : gen_(seed) {}
  float Real(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(gen_); }
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(gen_); }

 private:
  std::mt19937 gen_;
};

// Twelve constructions of one to eight random layers: air gaps, light and
// heavy materials, thin metal sheets.
common::ConstructionTables RandomConstructions(Random& rnd) {
  common::ConstructionTables ct;
  ct.NoOfCons = 12;
  for (int n = 1; n <= ct.NoOfCons; ++n) {
    ct.ConsNLay[n] = static_cast<common::Integer>(rnd.Int(1, 8));
    ct.ConsSurf[0][n] = rnd.Real(0.1f, 0.9f);
    ct.ConsSurf[1][n] = rnd.Real(0.2f, 0.9f);
    for (int l = 1; l <= ct.ConsNLay[n]; ++l) {
      const bool gap = rnd.Chance(0.15);
      ct.LayMatNo[n][l] = static_cast<common::Integer>(gap ? 0 : rnd.Int(1, 90));
      ct.LayThk[n][l] = rnd.Chance(0.1) ? rnd.Real(0.0005f, 0.003f) : rnd.Real(0.005f, 0.25f);
      ct.LayProp[0][n][l] = rnd.Real(15, 7900);
      ct.LayProp[1][n][l] = rnd.Chance(0.1) ? rnd.Real(20, 200) : rnd.Real(0.02f, 2.5f);
      ct.LayProp[2][n][l] = rnd.Real(400, 1500);
    }
  }
  return ct;
}

// A random room on the constructions; false when its walls cannot be laid
// out or some surface sees nothing.
bool RandomRoom(common::Program& prog, Random& rnd) {
  auto& m = prog.sim.load;
  m.CurNFab = static_cast<common::Integer>(rnd.Int(1, common::kMaxFabrics));
  for (int c = 1; c <= m.CurNFab; ++c) {
    m.CurFabType[c] = static_cast<common::Integer>(rnd.Int(0, kPartition));
    m.CurFabOrient[c] = static_cast<common::Integer>(rnd.Int(0, kHorizontal));
    m.CurFabCons[c] = static_cast<common::Integer>(rnd.Int(1, prog.energyInput.cons.NoOfCons));
    m.CurFabArea[c] = rnd.Real(1, 150);
    m.SurfRefTemp[c][0] = rnd.Real(10, 40);  // what a component no routine drives keeps
    m.SurfRefTemp[c][1] = rnd.Real(10, 40);
  }
  prog.sim.SimErr = 0;
  SetupWallNodes(prog);
  if (prog.sim.SimErr != 0) return false;
  PrepareEnclosure(m);
  if (!m.EnclosureOk) return false;
  m.RmVol = rnd.Real(10, 1500);
  m.RmOcc = static_cast<common::Integer>(rnd.Int(0, 40));
  m.RmSetT = rnd.Real(20, 27);
  m.RmAirT = m.RmSetT + rnd.Real(-3, 3);
  m.RmSetW = rnd.Real(0.008f, 0.012f);
  m.RmLgtLd = rnd.Real(0, 5000);
  m.RmEqpLd = rnd.Real(0, 8000);
  for (int p = 0; p < 2; ++p)
    for (int c = 1; c <= common::kMaxFabrics; ++c)
      for (int n = 1; n <= common::kMaxNodes; ++n) m.NodeTemp[p][c][n] = rnd.Real(15, 40);
  auto& as = prog.energyInput.ASSys;
  as.DsgSensLd[0][1][1] = rnd.Chance(0.3) ? rnd.Real(0, 2) : rnd.Real(2, 40);
  as.DsgTotLd[0][1][1] = as.DsgSensLd[0][1][1] + rnd.Real(0, 5);
  return true;
}

void RandomHour(common::Program& prog, Random& rnd) {
  auto& sim = prog.sim;
  auto& m = sim.load;
  sim.OutTdb = rnd.Real(10, 38);
  sim.OutW = rnd.Real(0.005f, 0.022f);
  for (auto& v : m.DirSolRad) v = rnd.Chance(0.3) ? 0 : rnd.Real(0, 900);
  m.DifSolRad = {rnd.Real(0, 250), rnd.Real(0, 200)};
  m.SolAlt = rnd.Real(-0.2f, 1.5f);
  m.SolAzi = rnd.Real(0, 6.28f);
  m.OccFrac = rnd.Real(0, 1);
  m.LgtFrac = rnd.Real(0, 1);
  m.EqpFrac = rnd.Real(0, 1);
  sim.DayOfWeek = static_cast<common::Integer>(rnd.Int(0, 6));
  m.BeamSolGain[0] = m.DifSolGain[0] = 0;
}

std::uint32_t Bits(float v) { return std::bit_cast<std::uint32_t>(v); }

TEST(RoomStepper, EveryStepBitForBitAsTheStraightforwardRoutines) {
  Random rnd(20240611);
  auto prog = simtest::NewProgram();
  SetLoadModelDefaults(prog->sim);
  prog->energyInput.cons = RandomConstructions(rnd);
  auto& sim = prog->sim;
  auto& m = sim.load;

  struct Seen {
    int rooms = 0, ceilings = 0, roofs = 0, noFloor = 0, twoFloors = 0, heatless = 0;
    long floating = 0, cooled = 0, capped = 0;
  } seen;
  auto stepper = std::make_unique<RoomStepper>();
  for (int attempt = 0; attempt < 2000 && seen.rooms < 300; ++attempt) {
    if (!RandomRoom(*prog, rnd)) continue;
    ++seen.rooms;
    int floors = 0;
    for (int c = 1; c <= m.CurNFab; ++c) floors += m.CurFabType[c] == kFloorCeiling;
    seen.ceilings += m.NoOfSurf > m.CurNFab;
    seen.roofs += m.HasRoof;
    seen.noFloor += floors == 0;
    seen.twoFloors += floors >= 2;
    bool heatless = false;
    for (int c = 1; c <= m.CurNFab; ++c)
      for (int n = 1; n <= m.LayEndNode[c][prog->energyInput.cons.ConsNLay[m.CurFabCons[c]]]; ++n)
        heatless = heatless || m.NodeHeat[c][n] == 0;
    seen.heatless += heatless;
    const auto& as = prog->energyInput.ASSys;
    stepper->Load(prog->energyInput.cons, m, as.DsgSensLd[0][1][1], as.DsgTotLd[0][1][1]);
    const auto t = static_cast<common::Integer>(rnd.Int(0, kMaxRoomType));
    for (int hour = 0; hour < 3; ++hour) {
      RandomHour(*prog, rnd);
      const auto h = static_cast<common::Integer>(rnd.Int(0, 23));
      CalSolGain(*prog);
      ASSERT_EQ(sim.SimErr, 0) << sim.SimErrMsg;
      CalSolAirTemp(*prog);
      stepper->BeginHour(m, sim.OutTdb, sim.OutW, CoolingHour(sim, h, t));
      for (int step = 1; step <= 60; ++step) {
        refmodel::CalQMRT(*prog);
        ASSERT_EQ(sim.SimErr, 0) << sim.SimErrMsg;
        CalSolAirTemp(*prog);
        refmodel::StepWallNodes(*prog);
        refmodel::CalRoomLoad(*prog, h, 1, 1, t);
        for (int c = 1; c <= common::kMaxFabrics; ++c) m.NodeTemp[0][c] = m.NodeTemp[1][c];
        stepper->Step();

        const std::string where =
            "room " + std::to_string(seen.rooms) + " hour " + std::to_string(hour) + " step " + std::to_string(step);
        ASSERT_EQ(Bits(stepper->StepSensLd()), Bits(m.StepSensLd)) << where;
        ASSERT_EQ(Bits(stepper->StepLatLd()), Bits(m.StepLatLd)) << where;
        ASSERT_EQ(Bits(stepper->RmAirT()), Bits(m.RmAirT)) << where;
        const auto& ct = prog->energyInput.cons;
        for (int c = 1; c <= m.CurNFab; ++c)
          for (int n = 1; n <= m.LayEndNode[c][ct.ConsNLay[m.CurFabCons[c]]]; ++n)
            ASSERT_EQ(Bits(stepper->NodeTemp(c, n)), Bits(m.NodeTemp[0][c][n])) << where << " node " << c << "," << n;
        seen.floating += m.StepSensLd == 0;
        seen.cooled += m.StepSensLd != 0;
        seen.capped += m.StepSensLd == as.DsgSensLd[0][1][1] * 1000 && m.RmAirT != m.RmSetT;
      }
    }
  }
  // The random rooms cover every kind of enclosure and every branch of the balance.
  EXPECT_EQ(seen.rooms, 300);
  EXPECT_GT(seen.ceilings, 10);
  EXPECT_GT(seen.roofs, 10);
  EXPECT_GT(seen.noFloor, 10);
  EXPECT_GT(seen.twoFloors, 10);
  EXPECT_GT(seen.heatless, 100);  // nodes that hold no heat, solved directly
  EXPECT_GT(seen.floating, 1000);
  EXPECT_GT(seen.cooled, 1000);
  EXPECT_GT(seen.capped, 100);
}

// What the stepper keeps of the nodes and gives back.
TEST(RoomStepper, NodesKeptAndStored) {
  Random rnd(7);
  auto prog = simtest::NewProgram();
  SetLoadModelDefaults(prog->sim);
  prog->energyInput.cons = simtest::SampleConstructions();
  auto& m = prog->sim.load;
  m.CurNFab = 3;
  const int comps[3][3] = {{kExtWall, 1, 5}, {kWindow, 2, 5}, {kFloorCeiling, 3, 9}};
  for (int c = 1; c <= 3; ++c) {
    m.CurFabType[c] = static_cast<common::Integer>(comps[c - 1][0]);
    m.CurFabCons[c] = static_cast<common::Integer>(comps[c - 1][1]);
    m.CurFabOrient[c] = static_cast<common::Integer>(comps[c - 1][2]);
    m.CurFabArea[c] = 20;
  }
  SetupWallNodes(*prog);
  PrepareEnclosure(m);
  for (int c = 1; c <= 3; ++c)
    for (int n = 1; n <= common::kMaxNodes; ++n) m.NodeTemp[0][c][n] = static_cast<float>(10 * c + n);
  RoomStepper stepper;
  stepper.Load(prog->energyInput.cons, m, 10, 12);
  const auto kept = stepper.KeepNodes();
  EXPECT_EQ(stepper.LargestNodeChange(kept), 0);
  EXPECT_EQ(stepper.NodeTemp(1, 3), 13);
  EXPECT_EQ(stepper.NodeTemp(3, 2), 32);
  RandomHour(*prog, rnd);
  CalSolGain(*prog);
  CalSolAirTemp(*prog);
  stepper.BeginHour(m, prog->sim.OutTdb, prog->sim.OutW, true);
  stepper.Step();
  EXPECT_GT(stepper.LargestNodeChange(kept), 0);
  auto stored = std::make_unique<common::CoolingLoadModelState>(m);
  stepper.StoreNodes(*stored);
  const auto& ct = prog->energyInput.cons;
  for (int c = 1; c <= 3; ++c) {
    const int last = m.LayEndNode[c][ct.ConsNLay[m.CurFabCons[c]]];
    for (int n = 1; n <= last; ++n) {
      EXPECT_EQ(stored->NodeTemp[0][c][n], stepper.NodeTemp(c, n));
      EXPECT_EQ(stored->NodeTemp[1][c][n], stepper.NodeTemp(c, n));
    }
    EXPECT_EQ(stored->NodeTemp[0][c][last + 1], m.NodeTemp[0][c][last + 1]);  // beyond the wall: untouched
  }
}

}  // namespace
