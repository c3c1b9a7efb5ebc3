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

// The 50-year energy factor summed year by year in double precision.
double DirectEnergySum(float interest, float inflation, float escalation) {
  double r = (1 + interest / 100.0) / (1 + inflation / 100.0) - 1;
  double e = escalation / 100.0;
  double sum = 0;
  for (int year = 1; year <= 50; ++year) sum += std::pow((1 + e) / (1 + r), year);
  return sum;
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

TEST(Factors, SinglePresentWorth) {
  struct Case {
    float interest, inflation, n;
    double expected;
  } cases[] = {
      {5, 3, 20, 0.6807},
      {5, 3, 0, 1.0},
      {10, 0, 1, 1 / 1.1},
      {5, 3, 2.5f, std::pow(1.03 / 1.05, 2.5)},
      {3, 3, 50, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.interest << "% " << c.inflation << "% n=" << c.n);
    EXPECT_NEAR(ModCal::SinglePresentWorthFactor(WithCostPara(c.interest, c.inflation, 2), c.n),
                c.expected, 1e-4);
  }
}

TEST(Factors, EnergyPresentWorthMatchesTheYearlySum) {
  struct Case {
    float interest, inflation, escalation;
  } cases[] = {
      {5, 3, 2},   // the defaults: about 50.74
      {4, 2, 4},   // interest equal to escalation with inflation: far above 50
      {8, 2, 1},
      {3, 0, 6},
      {0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.interest << "% " << c.inflation << "% " << c.escalation << "%");
    double expected = DirectEnergySum(c.interest, c.inflation, c.escalation);
    float got = ModCal::EnergyPresentWorthFactor(WithCostPara(c.interest, c.inflation, c.escalation));
    EXPECT_NEAR(got, expected, expected * 2e-3);
  }
  EXPECT_NEAR(ModCal::EnergyPresentWorthFactor(WithCostPara(5, 3, 2)), 50.74, 0.05);
  EXPECT_GT(ModCal::EnergyPresentWorthFactor(WithCostPara(4, 2, 4)), 80.0f);
}

TEST(Factors, EnergyPresentWorthAtEqualRatesIsFifty) {
  // Real rate equal to escalation: the formula would divide by zero.
  EXPECT_EQ(ModCal::EnergyPresentWorthFactor(WithCostPara(5, 0, 5)), 50.0f);
  EXPECT_EQ(ModCal::EnergyPresentWorthFactor(WithCostPara(5.06f, 3, 2)), 50.0f);
}

TEST(Factors, RatesAtMinusHundredPercentGiveNoNaN) {
  auto f = WithCostPara(5, -100, 2);
  EXPECT_EQ(ModCal::SinglePresentWorthFactor(f, 10), 0.0f);
  EXPECT_EQ(ModCal::EnergyPresentWorthFactor(f), 0.0f);
}

}  // namespace
