// The wall model: node layout and stability rule, node coefficients, the
// steady heat flow through layered walls, and the optical helpers.
#include <gtest/gtest.h>

#include <cmath>

#include "reference_room_model.h"
#include "sim_fixture.h"
#include "simulation/load_constants.h"
#include "simulation/solar.h"
#include "simulation/wall_conduction.h"

namespace {

using namespace ModRoutine;

struct Layer {
  int mat;
  float t, rho, k, cp;
};

// A program whose room has one component of the given layers.
std::unique_ptr<common::Program> OneComponent(const std::vector<Layer>& layers) {
  auto prog = simtest::NewProgram();
  auto& ct = prog->energyInput.cons;
  ct.NoOfCons = 1;
  ct.ConsNLay[1] = static_cast<common::Integer>(layers.size());
  for (std::size_t i = 0; i < layers.size(); ++i) {
    int l = static_cast<int>(i) + 1;
    ct.LayMatNo[1][l] = static_cast<common::Integer>(layers[i].mat);
    ct.LayThk[1][l] = layers[i].t;
    ct.LayProp[0][1][l] = layers[i].rho;
    ct.LayProp[1][1][l] = layers[i].k;
    ct.LayProp[2][1][l] = layers[i].cp;
  }
  SetLoadModelDefaults(prog->sim);
  prog->sim.load.CurNFab = 1;
  prog->sim.load.CurFabCons[1] = 1;
  SetupWallNodes(*prog);
  return prog;
}

const Layer kConcrete{10, 0.2f, 2000, 1.4f, 880};
const Layer kSteel{20, 0.001f, 7800, 50, 500};
const Layer kBrick{41, 0.1f, 1800, 0.8f, 840};
const Layer kInsulation{82, 0.05f, 30, 0.035f, 1400};
const Layer kBoard{55, 0.013f, 900, 0.25f, 1000};
const Layer kGap{0, 0.05f, 0, 0, 0};
const Layer kEps{83, 0.025f, 20, 0.035f, 1400};
const Layer kScreed{12, 0.02f, 2000, 1.2f, 840};
const Layer kPlasterboard{55, 0.0125f, 900, 0.25f, 1000};
const Layer kBrickLeaf{41, 0.105f, 1800, 0.8f, 840};
const Layer kConcreteLeaf{10, 0.1f, 2300, 1.4f, 880};

// Walls whose thin middle layer sits between two heavy leaves.
struct Sandwich {
  const char* what;
  std::vector<Layer> layers;
};
const Sandwich kSandwiches[] = {
    {"brick, 25 mm EPS, brick", {kBrickLeaf, kEps, kBrickLeaf}},
    {"concrete, 20 mm screed, concrete", {kConcreteLeaf, kScreed, kConcreteLeaf}},
    {"brick, plasterboard, brick", {kBrickLeaf, kPlasterboard, kBrickLeaf}},
};

TEST(WallLayout, NodesPerLayerFollowTheStabilityRule) {
  struct Case {
    const char* what;
    std::vector<Layer> layers;
    std::vector<int> endNodes;  // LayEndNode(1, 1..L)
  } cases[] = {
      {"concrete keeps three sub-layers", {kConcrete}, {4}},
      {"a steel sheet is massless", {kSteel}, {2}},
      {"brick, gap, brick", {kBrick, kGap, kBrick}, {4, 5, 8}},
      // A 13 mm board keeps one sub-layer against the outside film (Fo 0.394
      // of two sub-layers exceeds 1 / (2 (1 + 0.442)) = 0.347) and two
      // against the inside film (limit 1 / (2 (1 + 0.216)) = 0.411).
      {"two gaps", {kBoard, kGap, kGap, kBoard}, {2, 3, 4, 6}},
      {"insulated wall", {kBrick, kInsulation, kBoard}, {4, 7, 9}},
  };
  for (const auto& c : cases) {
    auto prog = OneComponent(c.layers);
    ASSERT_EQ(prog->sim.SimErr, 0) << c.what << ": " << prog->sim.SimErrMsg;
    for (std::size_t l = 0; l < c.endNodes.size(); ++l)
      EXPECT_EQ(prog->sim.load.LayEndNode[1][l + 1], c.endNodes[l]) << c.what << ", layer " << l + 1;
  }
}

TEST(WallLayout, SurfaceAndInterfaceCoefficients) {
  // Concrete: Fo = 1.4 / (2000 * 880) * 60 / (0.2 / 3)^2 = 0.010739.
  auto concrete = OneComponent({kConcrete});
  const auto& m = concrete->sim.load;
  const double fo = 1.4 / (2000.0 * 880) * 60 / std::pow(0.2 / 3, 2);
  EXPECT_NEAR(m.NodeCoefC[1][1], 2 * fo, 1e-7);
  EXPECT_NEAR(m.NodeCoefA[1][1], 2 * fo * (0.2 / 3 * 17 / 1.4), 1e-7);
  EXPECT_NEAR(m.NodeCoefA[1][2], fo, 1e-7);
  EXPECT_NEAR(m.NodeCoefA[1][4], 2 * fo, 1e-7);
  EXPECT_NEAR(m.NodeCoefC[1][4], 2 * fo * (0.2 / 3 * 8.3 / 1.4), 1e-7);
  // As the room's floor its node 1 is a face in the room, behind the inside film.
  concrete->sim.load.CurFabType[1] = kFloorCeiling;
  SetupWallNodes(*concrete);
  EXPECT_NEAR(m.NodeCoefA[1][1], 2 * fo * (0.2 / 3 * 8.3 / 1.4), 1e-7);
  EXPECT_NEAR(m.NodeCoefC[1][4], 2 * fo * (0.2 / 3 * 8.3 / 1.4), 1e-7);

  // Steel: both nodes hold no heat; each is steady conduction between the
  // two references, the weight of each reference its conductance to the
  // node over their sum.
  auto steel = OneComponent({kSteel});
  const auto& s = steel->sim.load;
  const double ro = 1 / 17.0, rs = 0.001 / 50, ri = 1 / 8.3, r = ro + rs + ri;
  EXPECT_EQ(s.NodeCoefB[1][1], 0);
  EXPECT_EQ(s.NodeCoefB[1][2], 0);
  EXPECT_EQ(s.NodeHeat[1][1], 0);
  EXPECT_EQ(s.NodeHeat[1][2], 0);
  EXPECT_NEAR(s.NodeCoefA[1][1], (rs + ri) / r, 1e-7);
  EXPECT_NEAR(s.NodeCoefC[1][1], ro / r, 1e-7);
  EXPECT_NEAR(s.NodeCoefA[1][2], ri / r, 1e-7);
  EXPECT_NEAR(s.NodeCoefC[1][2], (ro + rs) / r, 1e-7);

  // Two gaps meet at node 3: pure conduction weights.
  auto gaps = OneComponent({kBoard, kGap, {0, 0.1f, 0, 0, 0}, kBoard});
  const auto& g = gaps->sim.load;
  const double k1 = 5.5798 * 0.05 + 0.023472, k2 = 5.5798 * 0.1 + 0.023472;
  const double sum = k2 * 0.05 + k1 * 0.1;
  EXPECT_NEAR(g.NodeCoefA[1][3], k1 * 0.1 / sum, 1e-6);
  EXPECT_NEAR(g.NodeCoefC[1][3], k2 * 0.05 / sum, 1e-6);
  EXPECT_EQ(g.NodeCoefB[1][3], 0);
}

TEST(WallLayout, EveryNodeWeighsToOne) {
  auto cons = simtest::SampleConstructions();
  for (int n = 1; n <= cons.NoOfCons; ++n) {
    auto prog = simtest::NewProgram();
    prog->energyInput.cons = cons;
    SetLoadModelDefaults(prog->sim);
    auto& m = prog->sim.load;
    m.CurNFab = 1;
    m.CurFabCons[1] = static_cast<common::Integer>(n);
    SetupWallNodes(*prog);
    ASSERT_EQ(prog->sim.SimErr, 0);
    int last = m.LayEndNode[1][cons.ConsNLay[n]];
    for (int node = 1; node <= last; ++node) {
      EXPECT_NEAR(m.NodeCoefA[1][node] + m.NodeCoefC[1][node] - m.NodeCoefB[1][node], 1, 2e-6)
          << cons.ConsName[n] << " node " << node;
      EXPECT_LE(m.NodeCoefB[1][node], 0) << "unstable node " << node;  // explicit scheme: -B >= 0
    }
    // A wall at one temperature everywhere keeps it.
    for (int node = 1; node <= last; ++node) m.NodeTemp[0][1][node] = 21.5f;
    m.SurfRefTemp[1][0] = m.SurfRefTemp[1][1] = 21.5f;
    refmodel::StepWallNodes(*prog);
    for (int node = 1; node <= last; ++node) EXPECT_NEAR(m.NodeTemp[1][1][node], 21.5f, 1e-4);
  }
}

// The explicit step stays bounded only when every node's new temperature
// is a weighted mean of old ones: A, C and -B all non-negative. Thin middle
// layers between heavy leaves keep few enough sub-layers for that.
TEST(WallLayout, ThinMiddleLayersKeepEveryWeightNonNegative) {
  for (const auto& w : kSandwiches) {
    auto prog = OneComponent(w.layers);
    ASSERT_EQ(prog->sim.SimErr, 0) << w.what << ": " << prog->sim.SimErrMsg;
    const auto& m = prog->sim.load;
    const int last = m.LayEndNode[1][static_cast<int>(w.layers.size())];
    for (int node = 1; node <= last; ++node) {
      EXPECT_GE(m.NodeCoefA[1][node], 0) << w.what << " node " << node;
      EXPECT_GE(m.NodeCoefC[1][node], 0) << w.what << " node " << node;
      EXPECT_LE(m.NodeCoefB[1][node], 0) << w.what << " node " << node;
    }
  }
}

// Steady heat flow through a layered wall between air at 35 and 24 degC is
// the temperature difference over the total resistance 1/17 + sum t/k + 1/8.3.
TEST(WallConduction, SteadyFlowEqualsTemperatureDifferenceOverResistance) {
  struct Case {
    const char* what;
    std::vector<Layer> layers;
  } cases[] = {
      {"concrete", {kConcrete}},
      {"steel sheet", {kSteel}},
      {"brick cavity", {kBrick, kGap, kBrick, kBoard}},
      {"insulated", {kBrick, kInsulation, kBoard}},
      {kSandwiches[0].what, kSandwiches[0].layers},
      {kSandwiches[1].what, kSandwiches[1].layers},
      {kSandwiches[2].what, kSandwiches[2].layers},
  };
  for (const auto& c : cases) {
    auto prog = OneComponent(c.layers);
    auto& m = prog->sim.load;
    double r = 1 / 17.0 + 1 / 8.3;
    for (const auto& l : c.layers) r += l.t / (l.mat > 0 ? l.k : 5.5798 * l.t + 0.023472);
    const double expected = (35 - 24) / r;
    const int last = m.LayEndNode[1][static_cast<int>(c.layers.size())];
    for (int n = 1; n <= last; ++n) m.NodeTemp[0][1][n] = 24;
    m.SurfRefTemp[1][0] = 35;
    m.SurfRefTemp[1][1] = 24;
    for (int step = 0; step < 2000000; ++step) {
      refmodel::StepWallNodes(*prog);
      float change = 0;
      for (int n = 1; n <= last; ++n) {
        change = std::max(change, std::fabs(m.NodeTemp[1][1][n] - m.NodeTemp[0][1][n]));
        m.NodeTemp[0][1][n] = m.NodeTemp[1][1][n];
      }
      if (change < 1e-7f && step > 1000) break;
    }
    const double outside = 17 * (35 - m.NodeTemp[0][1][1]);
    const double inside = 8.3 * (m.NodeTemp[0][1][last] - 24);
    EXPECT_NEAR(outside, expected, 0.005 * expected) << c.what;
    EXPECT_NEAR(inside, expected, 0.005 * expected) << c.what;
  }
}

// The response of the inside surface flux to a 10 K step of the outside
// reference (room side held at 20 degC), from a wall settled at 20 degC:
// the time (h) until the flux reaches 63 % of its new steady value U dT,
// and the flux after 1 h and after 24 h (W/m2).
struct StepResponse {
  double t63 = -1, q1 = 0, q24 = 0, steady = 0;
};

double Resistance(const std::vector<Layer>& layers) {
  double r = 1 / 17.0 + 1 / 8.3;
  for (const auto& l : layers) r += l.t / (l.mat > 0 ? l.k : 5.5798 * l.t + 0.023472);
  return r;
}

// An implicit reference: every layer in 60 slices with its own heat
// capacity (air gaps none), steps of 10 s.
StepResponse FineGridResponse(const std::vector<Layer>& layers) {
  // Nodes 1..n with capacities cap[i]; cond[i] joins node i to node i + 1,
  // node 0 being the outside reference and node n + 1 the room.
  std::vector<double> cap{0, 0}, cond{17};
  for (const auto& l : layers) {
    const int slices = 60;
    const double dx = l.t / slices, k = l.mat > 0 ? l.k : 5.5798 * l.t + 0.023472;
    const double c = l.mat > 0 ? static_cast<double>(l.rho) * l.cp * dx : 0;
    for (int i = 0; i < slices; ++i) {
      cap.back() += c / 2;
      cond.push_back(k / dx);
      cap.push_back(c / 2);
    }
  }
  cond.push_back(8.3);
  const int n = static_cast<int>(cap.size()) - 1;
  StepResponse out;
  out.steady = 10 / Resistance(layers);
  std::vector<double> t(n + 2, 20.0), a(n + 1), b(n + 1), c(n + 1), d(n + 1);
  t[0] = 30;
  const double dt = 10;
  for (int step = 1; step <= 24 * 360; ++step) {
    for (int i = 1; i <= n; ++i) {
      a[i] = -cond[i - 1];
      c[i] = -cond[i];
      b[i] = cap[i] / dt + cond[i - 1] + cond[i];
      d[i] = cap[i] / dt * t[i];
    }
    d[1] += cond[0] * t[0];
    d[n] += cond[n] * t[n + 1];
    for (int i = 2; i <= n; ++i) {
      const double w = a[i] / b[i - 1];
      b[i] -= w * c[i - 1];
      d[i] -= w * d[i - 1];
    }
    t[n] = d[n] / b[n];
    for (int i = n - 1; i >= 1; --i) t[i] = (d[i] - c[i] * t[i + 1]) / b[i];
    const double q = 8.3 * (t[n] - 20);
    if (out.t63 < 0 && q >= 0.63 * out.steady) out.t63 = step * dt / 3600;
    out.q24 = q;
  }
  return out;
}

// The same response of the wall model, step by step.
StepResponse ModelResponse(const std::vector<Layer>& layers) {
  auto prog = OneComponent(layers);
  auto& m = prog->sim.load;
  const int last = m.LayEndNode[1][static_cast<int>(layers.size())];
  for (int n = 1; n <= last; ++n) m.NodeTemp[0][1][n] = 20;
  m.SurfRefTemp[1][0] = 30;
  m.SurfRefTemp[1][1] = 20;
  StepResponse out;
  out.steady = 10 / Resistance(layers);
  for (int step = 1; step <= 24 * 60; ++step) {
    refmodel::StepWallNodes(*prog);
    for (int n = 1; n <= last; ++n) m.NodeTemp[0][1][n] = m.NodeTemp[1][1][n];
    const double q = 8.3 * (m.NodeTemp[0][1][last] - 20);
    if (out.t63 < 0 && q >= 0.63 * out.steady) out.t63 = step / 60.0;
    if (step == 60) out.q1 = q;
    out.q24 = q;
  }
  return out;
}

const Layer kAluminiumSheet{31, 0.003f, 2700, 160, 880};
const Layer kMineralWool{80, 0.075f, 60, 0.035f, 840};
const Layer kGalvanisedSheet{24, 0.001f, 7850, 50, 450};
const Layer kPir{84, 0.08f, 32, 0.023f, 1400};
const Layer kCopperSheet{30, 0.001f, 8900, 390, 385};
const Layer kEps50{83, 0.05f, 20, 0.035f, 1400};
const Layer kFloatGlass{50, 0.006f, 2500, 1, 840};

// Walls with thin metal skins, whose sheets are too thin to keep nodes of
// their own, answer a step outside as a fine-grid reference does: the time
// to 63 % within 20 %, the flux after a day within 5 %. A wall of massless
// layers only holds no heat: it carries U dT within its first hour.
TEST(WallConduction, StepResponseOfMetalSkinnedWalls) {
  struct Case {
    const char* what;
    std::vector<Layer> layers;
    bool massless;
  } cases[] = {
      {"insulated spandrel panel: aluminium, mineral wool, steel",
       {kAluminiumSheet, kMineralWool, kGalvanisedSheet},
       false},
      {"steel, 80 mm PIR, steel", {kSteel, kPir, kSteel}, false},
      {"copper, EPS, brick", {kCopperSheet, kEps50, kBrickLeaf}, false},
      {"steel on 200 mm concrete", {kSteel, kConcrete}, false},
      {"concrete alone", {kConcrete}, false},
      {"steel, air gap, steel", {kSteel, kGap, kSteel}, true},
      {"double glazing", {kFloatGlass, {0, 0.012f, 0, 0, 0}, kFloatGlass}, true},
  };
  for (const auto& c : cases) {
    const StepResponse model = ModelResponse(c.layers);
    if (c.massless) {
      EXPECT_NEAR(model.q1, model.steady, 0.005 * model.steady) << c.what;
      continue;
    }
    const StepResponse fine = FineGridResponse(c.layers);
    ASSERT_GT(fine.t63, 0) << c.what;
    EXPECT_NEAR(model.t63, fine.t63, 0.2 * fine.t63) << c.what;
    EXPECT_NEAR(model.q24, fine.q24, 0.05 * fine.q24) << c.what;
  }
}

TEST(WallLayout, UnusableLayersAndTooManyNodes) {
  auto thin = OneComponent({kBrick, {41, 0, 1800, 0.8f, 840}});
  EXPECT_EQ(thin->sim.SimErr, -1);
  EXPECT_EQ(thin->sim.SimErrMsg.rfind("SetupWallNodes: Layer 2 of construction 1 () needs", 0), 0u)
      << thin->sim.SimErrMsg;
  auto noK = OneComponent({{41, 0.1f, 1800, 0, 840}});
  EXPECT_EQ(noK->sim.SimErr, -1);
  // Twenty thick heavy layers that each keep three sub-layers need 61 nodes.
  std::vector<Layer> heavy(20, Layer{10, 0.5f, 2000, 1.4f, 880});
  auto deep = OneComponent(heavy);
  EXPECT_EQ(deep->sim.SimErr, -1);
  EXPECT_EQ(deep->sim.SimErrMsg, "SetupWallNodes: construction 1 () needs more than 60 wall nodes!");
  heavy.pop_back();
  EXPECT_EQ(OneComponent(heavy)->sim.SimErr, 0);
}

// A layout whose node weights are not a weighted mean is refused before
// the year starts, naming the construction: here a layer that conducts so
// little that the Biot number of its surface overflows and its surface node's
// weight is undefined. A sheet so conductive that a node of its own would
// overflow holds no node of heat: it is solved as steady conduction.
TEST(WallLayout, UnboundedNodeWeightsAreRefused) {
  auto prog = OneComponent({{20, 0.1f, 1800, 1e-45f, 840}});
  EXPECT_EQ(prog->sim.SimErr, -1);
  EXPECT_EQ(prog->sim.SimErrMsg,
            "SetupWallNodes: The wall nodes of construction 1 () would be unstable at a time "
            "step of 60 s!");
  auto sheet = OneComponent({{20, 0.001f, 7800, 3e38f, 500}});
  ASSERT_EQ(sheet->sim.SimErr, 0) << sheet->sim.SimErrMsg;
  const auto& m = sheet->sim.load;
  for (int node = 1; node <= 2; ++node) {
    EXPECT_EQ(m.NodeHeat[1][node], 0);
    EXPECT_NEAR(m.NodeCoefA[1][node] + m.NodeCoefC[1][node], 1, 1e-6);
  }
  EXPECT_NEAR(m.NodeCoefA[1][1], (1 / 8.3) / (1 / 17.0 + 1 / 8.3), 1e-6);
}

TEST(WallLayout, LayerPropertiesOfAirGaps) {
  auto prog = simtest::NewProgram();
  auto& ct = prog->energyInput.cons;
  ct.LayMatNo[1][1] = 0;
  ct.LayThk[1][1] = 0.05f;
  ct.LayMatNo[1][2] = -3;  // taken as an air gap too
  ct.LayThk[1][2] = 0.02f;
  ct.LayProp[0][1][2] = 99;
  common::Integer mat;
  float t, rho, k, cp;
  GetLayerProps(ct, 1, 1, mat, t, rho, k, cp);
  EXPECT_NEAR(k, 0.302462, 1e-6);
  EXPECT_EQ(rho, 0);
  EXPECT_EQ(cp, 0);
  GetLayerProps(ct, 1, 2, mat, t, rho, k, cp);
  EXPECT_EQ(mat, -3);
  EXPECT_EQ(rho, 0);
  EXPECT_NEAR(k, 5.5798 * 0.02 + 0.023472, 1e-6);
  EXPECT_FLOAT_EQ(CalRatioSq(2, 3, 4), 6.0f / 16);
  EXPECT_FLOAT_EQ(CalQuotient(2, 3, 4), 2.0f / 12);
  EXPECT_EQ(FilmCoef(true), 8.3f);
  EXPECT_EQ(FilmCoef(false), 17);
}

TEST(SolarGeometry, IncidenceOnEachOrientation) {
  const float pi = 3.14159265f;
  const float alt30 = pi / 6;
  struct Case {
    float azi, alt;
    int orient;
    double cosi;
  } cases[] = {
      {0, alt30, 5, std::cos(pi / 6)},  // due south on a south wall
      {0, alt30, 1, 0},                 // never on a north wall
      {0, 1.2f, 1, 0},
      {0, alt30, 9, 0.5},                             // sin alt on a roof
      {1.5f * pi, 0, 3, 1},                           // east sun on an east wall
      {pi / 2, 0.3f, 7, std::cos(0.3)},               // west
      {pi / 4, 0, 4, 0},                              // south-west sun on a south-east wall: 90 degrees off
      {0.1f, 0, 4, std::cos(pi / 4 + 0.1)},           // across south: SE wall, sun just west of south
      {2 * pi - 0.1f, 0, 6, std::cos(pi / 4 + 0.1)},  // and SW wall, sun just east of south
      {pi, 0.5f, 5, 0},                               // north sun behind a south wall
  };
  for (const auto& c : cases)
    EXPECT_NEAR(CalSolarAngles(c.azi, c.alt, static_cast<common::Integer>(c.orient)), c.cosi, 1e-6)
        << c.azi << " " << c.alt << " " << c.orient;
}

TEST(SolarGeometry, GlassTransmittance) {
  auto prog = simtest::NewProgram();
  SetLoadModelDefaults(prog->sim);
  const auto& m = prog->sim.load;
  EXPECT_NEAR(CalGlassTrans(m, 1), 0.87032, 5e-6);
  EXPECT_NEAR(CalGlassTrans(m, 0.5f), 0.79615, 5e-6);
  EXPECT_NEAR(CalGlassTrans(m, 0), -0.00885, 1e-7);
  EXPECT_FLOAT_EQ(m.GlassDifTrans, 0.79901f);
}

}  // namespace
