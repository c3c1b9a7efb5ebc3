#include "simulation/solvers.h"

#include <cmath>

#include "common/value_types.h"
#include "simulation/sim_error.h"

namespace ModACPlt {
namespace {

// The routines as their failures name them.
constexpr std::string_view kSZ1N = "SZ1N";
constexpr std::string_view kSYZ29 = "SYZ29";

// The number of terms of a polynomial set, rounded and kept within the set.
int TermCount(const CurveCoefs& c) {
  auto n = common::ToInteger(c[0]);
  if (!n) return 1;
  return *n < 1 ? 1 : (*n > 9 ? 9 : *n);
}

}  // namespace

Single EvalPoly(const CurveCoefs& PolyCoef, Single x) {
  int n = TermCount(PolyCoef);
  Single term = 1;
  Single sum = PolyCoef[1];
  for (int i = 2; i <= n; ++i) {
    term = term * x;
    sum = sum + term * PolyCoef[i];
  }
  return sum;
}

Single EvalPolyDeriv(const CurveCoefs& PolyCoef, Single x) {
  int n = TermCount(PolyCoef);
  Single term = 1;
  Single sum = PolyCoef[2];
  for (int i = 3; i <= n; ++i) {
    term = term * x;
    sum = sum + static_cast<Single>(i - 1) * PolyCoef[i] * term;
  }
  return sum;
}

Single EvalBiQuadratic(const CurveCoefs& c, Single x, Single y) {
  Single f = c[1];
  f = f + c[2] * x;
  f = f + c[3] * x * x;
  f = f + c[4] * y;
  f = f + c[5] * y * y;
  f = f + c[6] * x * y;
  f = f + c[7] * x * x * y;
  f = f + c[8] * x * y * y;
  f = f + c[9] * x * x * y * y;
  return f;
}

void SolveQuadratic(Single a, Single b, Single c, Single& re1, Single& im1, Single& re2, Single& im2) {
  if (a == 0) {
    // The equation is linear: its one root stands for both (the other root
    // has gone to infinity). With b = 0 as well there is no root.
    re1 = re2 = b != 0 ? -c / b : std::nanf("");
    im1 = im2 = 0;
    return;
  }
  Single disc = b * b - 4 * a * c;
  if (disc < 0) {
    Single s = std::sqrt(std::fabs(disc));
    re1 = -b / (2 * a);
    im1 = s / (2 * a);
    re2 = re1;
    im2 = -im1;
  } else {
    Single s = std::sqrt(disc);
    re1 = (s - b) / (2 * a);
    im1 = 0;
    re2 = -(s + b) / (2 * a);
    im2 = 0;
  }
}

void SZ1N(common::SimulationState& sim, Single x0, Single& x) {
  const CurveCoefs& poly = sim.plant.PolyCoef;
  Single tol = x0 * 0.0001f;
  x = x0;
  for (int step = 1; step <= 1000; ++step) {
    Single d = EvalPolyDeriv(poly, x);
    if (d == 0) {
      simulation::Fail(sim, kSZ1N, "dz/dx = 0; function not solvable!");
      return;
    }
    Single dx = -EvalPoly(poly, x) / d;
    x = x + dx;
    if (std::fabs(dx) < tol) return;
  }
  simulation::Fail(sim, kSZ1N, "No solution found within 1000 steps!");
}

void SYZ29(common::SimulationState& sim, Single x, Single& y, Single z) {
  const CurveCoefs& c = sim.plant.CrvCoef;
  Single A = (c[9] * x + c[8]) * x + c[5];
  Single B = (c[7] * x + c[6]) * x + c[4];
  Single C = (c[3] * x + c[2]) * x + c[1] - z;
  Single re1, im1, re2, im2;
  SolveQuadratic(A, B, C, re1, im1, re2, im2);
  if (!std::isfinite(re1) || !std::isfinite(re2) || !std::isfinite(im1) || !std::isfinite(im2)) {
    simulation::Fail(sim, kSYZ29, "No finite solution found!");
    return;
  }
  if (im2 != 0) {
    simulation::Fail(sim, kSYZ29, "Imaginary solution found!");
    return;
  }
  y = re1 > re2 ? re1 : re2;
  if (y < 0) {
    simulation::Fail(sim, kSYZ29, "Negative solution found!");
  }
}

}  // namespace ModACPlt
