#pragma once
// Performance-curve evaluators and the equation solvers of the plant models,
// in single precision. A polynomial curve set holds its number of terms in
// element 0 and the coefficients of x^0, x^1, ... from element 1 on; a
// bi-quadratic set holds c1..c9 of
//   f(x, y) = c1 + c2 x + c3 x^2 + c4 y + c5 y^2 + c6 x y + c7 x^2 y + c8 x y^2 + c9 x^2 y^2.
// The solvers work on the working arrays PolyCoef and CrvCoef of the plant
// model state and report a failure through SimErr and SimErrMsg.
#include "common/plant_model_state.h"
#include "common/simulation_state.h"

namespace ModACPlt {

using common::CurveCoefs;
using common::Single;

Single EvalPoly(const CurveCoefs& PolyCoef, Single x);
Single EvalPolyDeriv(const CurveCoefs& PolyCoef, Single x);
Single EvalBiQuadratic(const CurveCoefs& CrvCoef, Single x, Single y);
// The two roots of a y^2 + b y + c = 0 as real and imaginary parts.
void SolveQuadratic(Single a, Single b, Single c, Single& re1, Single& im1, Single& re2, Single& im2);

// Newton search for a root of the polynomial in sim.plant.PolyCoef from x0;
// the tolerance is x0 * 0.0001, so a start value of 0 or below never meets it.
void SZ1N(common::SimulationState& sim, Single x0, Single& x);
// The larger y with f(x, y) = z for the curve in sim.plant.CrvCoef.
void SYZ29(common::SimulationState& sim, Single x, Single& y, Single z);

// Copies a curve set into a working array.
template <std::size_t N>
void CopyCurve(const std::array<Single, N>& set, CurveCoefs& work) {
  static_assert(N <= 10);
  for (std::size_t i = 0; i < N; ++i) work[i] = set[i];
}

}  // namespace ModACPlt
