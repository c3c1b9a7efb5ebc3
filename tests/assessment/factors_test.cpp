#include "assessment/factors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

common::FactorTables WithCostPara(float interest, float inflation, float escalation) {
  common::FactorTables f;
  ModCal::SetDefaultFactors(f);
  f.CostPara = {interest, inflation, escalation};
  return f;
}

// Independent closed forms in long double, from the rates as the tables
// hold them (Singles, in % per annum). The real discount rate d satisfies
// 1 + d = (1 + i) / (1 + f).
struct Rates {
  long double i, f, e;
  Rates(float interest, float inflation, float escalation)
      : i(interest / 100.0L), f(inflation / 100.0L), e(escalation / 100.0L) {}
  long double OnePlusD() const { return (1 + i) / (1 + f); }
};

// Single present worth (1 + d)^-n.
long double SinglePresentWorth(const Rates& r, float n) { return std::pow(r.OnePlusD(), -static_cast<long double>(n)); }

// 50 bills escalating at e: the geometric series a (1 - a^50) / (1 - a)
// with a = (1 + e) / (1 + d); the uniform series ((1 + d)^50 - 1) /
// (d (1 + d)^50) when e = 0; 50 when a = 1.
long double EnergyPresentWorth(const Rates& r) {
  const long double a = (1 + r.e) / r.OnePlusD();
  if (a == 1) return 50;
  if (r.e == 0) {
    const long double d = r.OnePlusD() - 1, p = std::pow(1 + d, 50.0L);
    return (p - 1) / (d * p);
  }
  return a * (1 - std::pow(a, 50.0L)) / (1 - a);
}

TEST(Factors, DefaultsFillAllThreeTables) {
  common::FactorTables f;
  ModCal::SetDefaultFactors(f);
  EXPECT_FLOAT_EQ(f.DefWgtFtr[0], 0.55556f);
  EXPECT_FLOAT_EQ(f.DefNormFtr[6], 1.98E+08f);
  EXPECT_FLOAT_EQ(f.DefNormFtr[3], 0.0204f);
  float categoryWeights = 0;
  for (int k = 1; k <= 10; ++k) categoryWeights += f.DefWgtFtr[static_cast<size_t>(k)];
  EXPECT_NEAR(categoryWeights, 1.0f, 1e-6);
  EXPECT_EQ(f.WgtFtr, f.DefWgtFtr);
  EXPECT_EQ(f.UsrWgtFtr, f.DefWgtFtr);
  EXPECT_EQ(f.UsrNormFtr, f.DefNormFtr);
  EXPECT_EQ(f.CostPara, (std::array<float, 3>{5, 3, 2}));
  EXPECT_EQ(f.UsrEgyPrice, (std::array<float, 2>{0.92f, 0.21f}));
}

// Pinned at 1e-6 relative: a Single keeps about 6e-8, so anything coarser
// than that shows an intermediate held in single precision.
constexpr double kRelative = 1e-6;

TEST(Factors, SinglePresentWorthAgreesWithTheClosedForm) {
  struct Case {
    float interest, inflation, n;
  } cases[] = {
      {5, 3, 20},  {5, 3, 0},  {10, 0, 1}, {5, 3, 2.5f},      {3, 3, 50},  {8, 2, 50},
      {12, 4, 35}, {2, 5, 50}, {0, 0, 10}, {7.25f, 1.5f, 49}, {15, 0, 50}, {4, 9.5f, 25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.interest << "% " << c.inflation << "% n=" << c.n);
    const double expected = static_cast<double>(SinglePresentWorth(Rates(c.interest, c.inflation, 2), c.n));
    EXPECT_NEAR(ModCal::SinglePresentWorthFactor(WithCostPara(c.interest, c.inflation, 2), c.n), expected,
                expected * kRelative);
  }
  EXPECT_NEAR(ModCal::SinglePresentWorthFactor(WithCostPara(5, 3, 2), 20), 0.6807, 5e-5);
  EXPECT_EQ(ModCal::SinglePresentWorthFactor(WithCostPara(5, 3, 2), 0), 1.0f);
}

TEST(Factors, EnergyPresentWorthAgreesWithTheClosedForms) {
  struct Case {
    float interest, inflation, escalation;
  } cases[] = {
      {5, 3, 2},  // the defaults: 50.7354
      {4, 2, 4},  // interest equal to escalation with inflation: far above 50
      {8, 2, 1},       {3, 0, 6},       {12, 4, 3},      {2, 5, 1},     {15, 1, 0.5f},
      {10, 0, 0},      {6, 3, 0},       {0, 0, 0},       {0, 10, 0},     // uniform series
      {5, 0, 5},       {3, 3, 0},       {4, 2, 1.96f},   {5.06f, 3, 2},  // at or near a = 1
      {5, 3, 1.9367f}, {5, 3, 1.9467f}, {5, 3, 1.9417f},                 // inside the former 1e-4 band
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.interest << "% " << c.inflation << "% " << c.escalation << "%");
    const double expected = static_cast<double>(EnergyPresentWorth(Rates(c.interest, c.inflation, c.escalation)));
    const float got = ModCal::EnergyPresentWorthFactor(WithCostPara(c.interest, c.inflation, c.escalation));
    EXPECT_NEAR(got, expected, expected * kRelative);
  }
  EXPECT_NEAR(ModCal::EnergyPresentWorthFactor(WithCostPara(5, 3, 2)), 50.7354, 5e-5);
  EXPECT_EQ(ModCal::EnergyPresentWorthFactor(WithCostPara(5, 0, 5)), 50.0f);
  EXPECT_EQ(ModCal::EnergyPresentWorthFactor(WithCostPara(0, 0, 0)), 50.0f);
}

// Across the point where the bills' growth meets the discount (a = 1) the
// factor neither jumps nor divides by zero: escalation stepped finely
// through it gives values that rise steadily and stay finite.
TEST(Factors, EnergyPresentWorthIsContinuousThroughEqualRates) {
  float previous = 0;
  for (int k = -400; k <= 400; ++k) {
    const float escalation = 1.9417475f + static_cast<float>(k) * 1e-6f;
    const float got = ModCal::EnergyPresentWorthFactor(WithCostPara(5, 3, escalation));
    SCOPED_TRACE(testing::Message() << "escalation " << escalation);
    ASSERT_TRUE(std::isfinite(got));
    const double expected = static_cast<double>(EnergyPresentWorth(Rates(5, 3, escalation)));
    EXPECT_NEAR(got, expected, expected * kRelative);
    if (k > -400) {
      EXPECT_GE(got, previous);
    }
    previous = got;
  }
}

TEST(Factors, RatesAtMinusHundredPercentGiveNoNaN) {
  auto f = WithCostPara(5, -100, 2);
  EXPECT_EQ(ModCal::SinglePresentWorthFactor(f, 10), 0.0f);
  EXPECT_EQ(ModCal::EnergyPresentWorthFactor(f), 0.0f);
}

}  // namespace
