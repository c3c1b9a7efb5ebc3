// Psychrometric and seawater routines against published values, and the
// curve evaluators and solvers on functions with known roots.
#include <gtest/gtest.h>

#include <cmath>

#include "common/psychrometrics.h"
#include "sim_fixture.h"
#include "simulation/solvers.h"

namespace {

using namespace ModACPlt;

TEST(Psychrometrics, SaturationPressureAgainstSteamTables) {
  // Saturation pressure of water over liquid, kPa (standard tables).
  struct Case {
    float t;
    double p;
  } cases[] = {{0, 0.6112}, {10, 1.2282}, {20, 2.3392}, {25, 3.1697}, {30, 4.2467}, {40, 7.3851}};
  for (auto c : cases) EXPECT_NEAR(SatVapPres(c.t), c.p, 3e-4 * c.p) << c.t;
  EXPECT_NEAR(SatVapPres(20), 2.3388, 0.00005);
  EXPECT_NEAR(SatVapPres(0), 0.6112, 0.00005);
}

TEST(Psychrometrics, HumidityRatioAndEnthalpy) {
  EXPECT_NEAR(HumRatio(static_cast<float>(SatVapPres(20) / 2)), 0.007262, 0.0000005);
  // By hand: 0.622 * 3.1687 / (101.325 - 3.1687) = 0.020080.
  EXPECT_NEAR(HumRatio(3.1687f), 0.020080, 0.0000005);
  EXPECT_EQ(MoistAirEnthalpy(0, 0), 0);
  EXPECT_NEAR(MoistAirEnthalpy(25, 0.01f), 50.6275, 1e-6);
}

TEST(Psychrometrics, SeawaterTemperatureOverTheYear) {
  EXPECT_NEAR(CalSeaWaterTemp(0), 20.72148, 1e-5);
  EXPECT_NEAR(CalSeaWaterTemp(1), 20.46, 0.005);
  EXPECT_NEAR(CalSeaWaterTemp(365), 19.59, 0.005);
  int coldest = 1, warmest = 1;
  for (common::Integer d = 1; d <= 366; ++d) {
    if (CalSeaWaterTemp(d) < CalSeaWaterTemp(static_cast<common::Integer>(coldest))) coldest = d;
    if (CalSeaWaterTemp(d) > CalSeaWaterTemp(static_cast<common::Integer>(warmest))) warmest = d;
  }
  EXPECT_EQ(coldest, 37);
  EXPECT_EQ(warmest, 202);
  EXPECT_NEAR(CalSeaWaterTemp(37), 16.42, 0.005);
  EXPECT_NEAR(CalSeaWaterTemp(202), 27.62, 0.005);
}

TEST(Psychrometrics, CoilLoadsKeepTheirSigns) {
  float qs, ql, qt;
  CalCoilLoads(16, 43.6f, 25, 50, 1, qs, ql, qt);
  EXPECT_NEAR(qt, 7.68, 1e-5);
  EXPECT_NEAR(qs, 11.016, 1e-5);
  EXPECT_NEAR(ql, -3.336, 1e-5);
}

CurveCoefs Poly(std::initializer_list<float> c) {
  CurveCoefs p{};
  p[0] = static_cast<float>(c.size());
  int i = 1;
  for (float v : c) p[i++] = v;
  return p;
}

TEST(Curves, PolynomialsAndTheirDerivatives) {
  auto one = Poly({3.5f});
  one[2] = 7;  // beyond the one term: not part of the value, but the derivative's constant
  EXPECT_EQ(EvalPoly(one, 123), 3.5f);
  EXPECT_EQ(EvalPolyDeriv(one, 123), 7);
  auto cubic = Poly({1, -2, 0.5f, 0.25f});  // 1 - 2x + 0.5x^2 + 0.25x^3
  EXPECT_FLOAT_EQ(EvalPoly(cubic, 2), 1 - 4 + 2 + 2);
  EXPECT_FLOAT_EQ(EvalPolyDeriv(cubic, 2), -2 + 2 + 3);
  CurveCoefs bq{9, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  // 1 + 2x + 3x^2 + 4y + 5y^2 + 6xy + 7x^2y + 8xy^2 + 9x^2y^2 at (2, 3)
  EXPECT_FLOAT_EQ(EvalBiQuadratic(bq, 2, 3), 1 + 4 + 12 + 12 + 45 + 36 + 84 + 144 + 324);
}

TEST(Solvers, NewtonFindsKnownRoots) {
  auto prog = simtest::NewProgram();
  auto& sim = prog->sim;
  struct Case {
    CurveCoefs poly;
    float x0, root;
  } cases[] = {
      {Poly({-2, 0, 1}), 1, std::sqrt(2.0f)},               // x^2 - 2
      {Poly({-6, 11, -6, 1}), 3.4f, 3},                     // (x - 1)(x - 2)(x - 3)
      {Poly({1.4636f, 0.54606f, -1.00145f - 2}), 0.5f, 0},  // a pump curve folded with a demand
  };
  cases[2].root = (0.54606f + std::sqrt(0.54606f * 0.54606f + 4 * 3.00145f * 1.4636f)) / (2 * 3.00145f);
  for (const auto& c : cases) {
    sim.SimErr = 0;
    sim.plant.PolyCoef = c.poly;
    float x = -99;
    SZ1N(sim, c.x0, x);
    EXPECT_EQ(sim.SimErr, 0) << sim.SimErrMsg;
    EXPECT_NEAR(x, c.root, 1e-4 * c.root);
  }
}

TEST(Solvers, NewtonFailures) {
  auto prog = simtest::NewProgram();
  auto& sim = prog->sim;
  float x = 5;
  sim.plant.PolyCoef = Poly({-2, 3, 1});
  SZ1N(sim, 0, x);  // a start of 0 never meets its tolerance of 0
  EXPECT_EQ(sim.SimErr, -1);
  EXPECT_EQ(sim.SimErrMsg, "SZ1N: No solution found within 1000 steps!");
  sim.SimErr = 0;
  SZ1N(sim, -1, x);
  EXPECT_EQ(sim.SimErrMsg, "SZ1N: No solution found within 1000 steps!");
  EXPECT_NEAR(x, (-3 + std::sqrt(17.0f)) / 2, 1e-5);  // the last iterate sits on a root
  sim.SimErr = 0;
  sim.SimErrMsg.clear();
  sim.plant.PolyCoef = Poly({-2, 2, -1});  // derivative 2 - 2x is 0 at x = 1
  x = 7;
  SZ1N(sim, 1, x);
  EXPECT_EQ(sim.SimErr, -1);
  EXPECT_EQ(sim.SimErrMsg, "SZ1N: dz/dx = 0; function not solvable!");
  EXPECT_EQ(x, 1);
}

TEST(Solvers, QuadraticRoots) {
  struct Case {
    float a, b, c, re1, im1, re2, im2;
  } cases[] = {
      {1, 0, -4, 2, 0, -2, 0}, {1, 0, 4, 0, 2, 0, -2}, {1, -2, 1, 1, 0, 1, 0}, {2, 2, 5, -0.5f, 1.5f, -0.5f, -1.5f},
      {0, 2, -6, 3, 0, 3, 0},  // linear: the one root
  };
  for (auto c : cases) {
    float re1, im1, re2, im2;
    SolveQuadratic(c.a, c.b, c.c, re1, im1, re2, im2);
    EXPECT_FLOAT_EQ(re1, c.re1);
    EXPECT_FLOAT_EQ(im1, c.im1);
    EXPECT_FLOAT_EQ(re2, c.re2);
    EXPECT_FLOAT_EQ(im2, c.im2);
  }
}

TEST(Solvers, BiQuadraticSolvedForItsSecondVariable) {
  auto prog = simtest::NewProgram();
  auto& sim = prog->sim;
  // f(x, y) = y^2 + x y with z = 6 at x = 1: y^2 + y - 6 = 0, roots 2 and -3.
  sim.plant.CrvCoef = {9, 0, 0, 0, 0, 1, 1, 0, 0, 0};
  float y = -1;
  SYZ29(sim, 1, y, 6);
  EXPECT_EQ(sim.SimErr, 0);
  EXPECT_FLOAT_EQ(y, 2);
  // Roots -3 and -1: y^2 + 4y + 3.
  sim.plant.CrvCoef = {9, 3, 0, 0, 4, 1, 0, 0, 0, 0};
  SYZ29(sim, 5, y, 0);
  EXPECT_EQ(sim.SimErr, -1);
  EXPECT_EQ(sim.SimErrMsg, "SYZ29: Negative solution found!");
  EXPECT_FLOAT_EQ(y, -1);
  // A double root at 2: y^2 - 4y + 4.
  sim.SimErr = 0;
  sim.plant.CrvCoef = {9, 4, 0, 0, -4, 1, 0, 0, 0, 0};
  SYZ29(sim, 0, y, 0);
  EXPECT_EQ(sim.SimErr, 0);
  EXPECT_FLOAT_EQ(y, 2);
  // No real root: y^2 + 1; y stays as it was.
  sim.plant.CrvCoef = {9, 1, 0, 0, 0, 1, 0, 0, 0, 0};
  y = 42;
  SYZ29(sim, 0, y, 0);
  EXPECT_EQ(sim.SimErrMsg, "SYZ29: Imaginary solution found!");
  EXPECT_EQ(y, 42);
  // Neither y^2 nor y: no root at all.
  sim.SimErr = 0;
  sim.plant.CrvCoef = {9, 1, 0, 0, 0, 0, 0, 0, 0, 0};
  SYZ29(sim, 0, y, 0);
  EXPECT_EQ(sim.SimErr, -1);
  EXPECT_EQ(sim.SimErrMsg, "SYZ29: No finite solution found!");
}

}  // namespace
