#include "assessment/element_booking.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "assessment/factors.h"
#include "assessment/results.h"

namespace {

using ModCal::kModeAssessment;
using ModCal::kModeCosting;

TEST(Replacements, CountOverFiftyYears) {
  struct Case {
    float life;
    int expected;
  } cases[] = {{50, 0}, {60, 0},  {25, 1},  {20, 2}, {30, 1},    {15, 3},   {10, 4},
               {0, 0},  {-20, 2}, {-60, 0}, {1, 49}, {0.5f, 99}, {49.9f, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.life);
    auto n = ModCal::ReplacementCount(c.life);
    ASSERT_TRUE(n);
    EXPECT_EQ(*n, c.expected);
  }
  EXPECT_FALSE(ModCal::ReplacementCount(1e-30f));
}

class BookingTest : public testing::Test {
 protected:
  BookingTest() {
    mat->MatIdx[7] = 2;
    for (size_t k = 0; k < 10; ++k) {
      mat->MatImpFtr[2][k] = static_cast<float>(k + 1);
      mat->MatWasteFtr[2][k] = 0.5f;
    }
    mat->MatImpFtr[2][10] = 100;  // energy per unit
    mat->MatUCost[2] = 40;
    ModCal::SetDefaultFactors(factors);
  }
  common::CompSumRec Book(int mode, int stage, float life, std::optional<float> cost = std::nullopt) {
    common::CompSumRec sum{};
    ModCal::MaterialUse use{7, 10, 0.1f, life, cost};
    EXPECT_TRUE(ModCal::BookMaterial(mode, stage, use, *mat, factors, sum, 3));
    return sum;
  }
  std::unique_ptr<common::MaterialTable> mat = std::make_unique<common::MaterialTable>();
  common::FactorTables factors;
};

// q = 10, w = 10 %: (1 + w) q = 11, w q = 1.
TEST_F(BookingTest, AssessmentAmountsByStageAndLife) {
  struct Case {
    int stage;
    float life;
    double impact1, energy, waste;  // impact1 includes the waste's share
  } cases[] = {
      {1, 25, 11 * 1 + 1 * 0.5, 11 * 100, 1},  // waste is the wastage
      {1, 0, 11 + 11 * 0.5, 1100, 11},         // life 0: everything is waste
      {1, -20, 11 + 11 * 0.5, 1100, 11},       // negative life likewise
      {2, 25, 11 + 11 * 0.5, 1100, 11},        // one replacement
      {2, 20, 22 + 22 * 0.5, 2200, 22},        // two replacements
      {2, 50, 0, 0, 0},                        // none
      {2, 0, 0, 0, 0},
      {4, 25, 10 * 0.5, 0, 10},  // demolition: the quantity as waste
      {4, 0, 0, 0, 0},
      {4, -20, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "stage " << c.stage << " life " << c.life);
    auto sum = Book(kModeAssessment, c.stage, c.life);
    EXPECT_NEAR(sum.CompElmImp[3][1], c.impact1, 1e-4);
    EXPECT_NEAR(sum.CompElmEgy[3], c.energy, 1e-3);
    EXPECT_NEAR(sum.CompElmWaste[3], c.waste, 1e-5);
    EXPECT_EQ(sum.CompElmCost[3], 0);
    EXPECT_EQ(sum.CompElmImp[2][1], 0);  // other elements untouched
  }
}

TEST_F(BookingTest, CostingDiscountsReplacements) {
  auto built = Book(kModeCosting, 1, 20);
  EXPECT_NEAR(built.CompElmCost[3], 11 * 40, 1e-3);
  EXPECT_EQ(built.CompElmImp[3][1], 0);
  EXPECT_EQ(built.CompElmWaste[3], 0);

  // Life 20: replacements in years 20 and 40.
  auto operating = Book(kModeCosting, 2, 20);
  double x = 1.05 / 1.03;
  EXPECT_NEAR(operating.CompElmCost[3], 440 * (std::pow(x, -20) + std::pow(x, -40)), 0.05);

  auto user = Book(kModeCosting, 1, 20, 50.0f);
  EXPECT_NEAR(user.CompElmCost[3], 11 * 50, 1e-3);
  EXPECT_EQ(Book(kModeCosting, 4, 20).CompElmCost[3], 0);
  EXPECT_EQ(Book(kModeCosting, 2, 50).CompElmCost[3], 0);
}

TEST_F(BookingTest, NegativeQuantityBooksNothing) {
  common::CompSumRec sum{};
  ModCal::MaterialUse use{7, -10, 0.1f, 25, std::nullopt};
  ASSERT_TRUE(ModCal::BookMaterial(kModeAssessment, 1, use, *mat, factors, sum, 0));
  EXPECT_EQ(sum.CompElmImp[0][1], 0);
  EXPECT_EQ(sum.CompElmWaste[0], 0);
}

}  // namespace
