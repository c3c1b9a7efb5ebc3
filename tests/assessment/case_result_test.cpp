#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "assessment/case_result.h"
#include "assessment/factors.h"
#include "common/number_text.h"

namespace {

using assessment::CaseChoice;
using common::Single;

// Every source block gets its own marker: value = marker + 20 s + k for
// impacts, marker + 20 s + 11/12/13 for energy, waste and cost.
struct Records {
  common::LCAResultRec lca;
  common::GroupResultRec grp;
};

template <class Imp, class Vec>
void Mark(Imp& imp, Vec& egy, Vec& waste, Vec& cost, float marker) {
  for (size_t s = 0; s < 5; ++s) {
    for (size_t k = 0; k <= 10; ++k) imp[s][k] = marker + 20.0f * s + k;
    egy[s] = marker + 20.0f * s + 11;
    waste[s] = marker + 20.0f * s + 12;
    cost[s] = marker + 20.0f * s + 13;
  }
}

std::unique_ptr<Records> MarkedRecords() {
  auto r = std::make_unique<Records>();
  auto& l = r->lca;
  auto& g = r->grp;
  Mark(l.BldgImp, l.BldgEgy, l.BldgWaste, l.BldgCost, 1000);
  Mark(l.FdnImp, l.FdnEgy, l.FdnWaste, l.FdnCost, 2000);
  Mark(l.FlrImp, l.FlrEgy, l.FlrWaste, l.FlrCost, 3000);
  Mark(l.SerImp, l.SerEgy, l.SerWaste, l.SerCost, 4000);
  for (size_t t = 0; t < 3; ++t)
    Mark(l.FlrTypeImp[t], l.FlrTypeEgy[t], l.FlrTypeWaste[t], l.FlrTypeCost[t], 5000 + 100.0f * t);
  for (size_t t = 0; t < 5; ++t)
    Mark(l.SerTypeImp[t], l.SerTypeEgy[t], l.SerTypeWaste[t], l.SerTypeCost[t], 6000 + 100.0f * t);
  for (size_t i = 0; i < 10; ++i)
    Mark(g.FdnGrpImp[i], g.FdnGrpEgy[i], g.FdnGrpWaste[i], g.FdnGrpCost[i], 10000 + 100.0f * i);
  for (size_t i = 0; i < 20; ++i) {
    Mark(g.FlrGrpImp[i], g.FlrGrpEgy[i], g.FlrGrpWaste[i], g.FlrGrpCost[i], 20000 + 100.0f * i);
    Mark(g.SerGrpImp[i], g.SerGrpEgy[i], g.SerGrpWaste[i], g.SerGrpCost[i], 30000 + 100.0f * i);
  }
  return r;
}

common::FactorTables Defaults() {
  common::FactorTables f;
  ModCal::SetDefaultFactors(f);
  return f;
}

TEST(CaseResult, EachChoiceTakesItsOwnCells) {
  struct Row {
    int portion, cls, group;
    float marker;
  };
  const Row rows[] = {
      {0, -1, -1, 1000}, {0, 3, 5, 1000},   // the whole building ignores class and group
      {1, 0, -1, 2000},  {1, 1, 9, 10900},  // all foundations; foundation group 9
      {2, 0, -1, 3000},  {2, 1, -1, 5000}, {2, 3, -1, 5200}, {2, 4, 19, 21900},
      {3, 0, -1, 4000},  {3, 1, -1, 6000}, {3, 5, -1, 6400}, {3, 6, 0, 30000},
  };
  auto rec = MarkedRecords();
  auto f = Defaults();
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "part " << row.portion << " class " << row.cls << " group " << row.group);
    CaseChoice c{2, row.portion, row.cls, row.group, 1};
    common::CaseResultRec shown;
    assessment::StageScores scores;
    ASSERT_TRUE(assessment::ComputeShownResult(rec->lca, rec->grp, c, f, shown, scores));
    for (size_t s = 0; s < 5; ++s) {
      EXPECT_EQ(shown.Res[1][s][7], row.marker + 20.0f * s + 7);
      EXPECT_EQ(shown.Egy[s], row.marker + 20.0f * s + 11);
      EXPECT_EQ(shown.Waste[s], row.marker + 20.0f * s + 12);
      EXPECT_EQ(shown.Cost[s], row.marker + 20.0f * s + 13);
      EXPECT_EQ(shown.Res[1][s][0], 0.0f);
      EXPECT_EQ(shown.Res[2][s][0], 0.0f);
    }
  }
}

TEST(CaseResult, ChoicesWithoutASourceComputeNothing) {
  const CaseChoice choices[] = {
      {2, -1, -1, -1, 0},  // no part
      {2, 2, -1, -1, 0},   // a part without a class
      {2, 3, 6, -1, 0},    // the group entry without a group
      {2, 1, 1, 10, 0},    // beyond the ten foundation groups
      {2, 2, 5, -1, 0},    // beyond the floor classes
      {2, 4, 0, -1, 0},    // no such part
  };
  auto rec = MarkedRecords();
  for (const auto& c : choices) {
    common::CaseResultRec shown;
    shown.Cost[2] = 42;
    assessment::StageScores scores;
    EXPECT_FALSE(assessment::ComputeShownResult(rec->lca, rec->grp, c, Defaults(), shown, scores));
    EXPECT_EQ(shown.Cost[2], 42.0f);
  }
}

// The weighted total is a Single sum in category order: 2^24 + 1 + 1 stays
// 2^24 in single precision, where a double sum would give 2^24 + 2. Each
// category alone, with its own weight, reaches the total.
TEST(CaseResult, WeightedTotalIsTheSingleSumInOrder) {
  struct Row {
    std::vector<std::pair<size_t, Single>> impacts;  // category, characterised value
    Single total;
  };
  const Row rows[] = {
      {{{1, 16777216.0f}, {2, 1}, {3, 1}}, 16777216.0f},
      {{{1, 3}}, 3 * 1},
      {{{2, 3}}, 3 * 2},
      {{{3, 3}}, 3 * 3},
      {{{4, 3}}, 3 * 4},
      {{{5, 3}}, 3 * 5},
      {{{6, 3}}, 3 * 6},
      {{{7, 3}}, 3 * 7},
      {{{8, 3}}, 3 * 8},
      {{{9, 3}}, 3 * 9},
      {{{10, 3}}, 3 * 10},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "first category " << row.impacts.front().first);
    auto rec = std::make_unique<Records>();
    for (const auto& [k, v] : row.impacts) rec->lca.BldgImp[1][k] = v;
    common::FactorTables f = Defaults();
    f.NormFtr.fill(1);
    f.WgtFtr.fill(1);
    // A weight per category, so that each one shows which category counted.
    if (row.impacts.size() == 1)
      for (size_t k = 1; k <= 10; ++k) f.WgtFtr[k] = static_cast<Single>(k);
    common::CaseResultRec shown;
    assessment::StageScores scores;
    ASSERT_TRUE(assessment::ComputeShownResult(rec->lca, rec->grp, {2, 0, -1, -1, 1}, f, shown, scores));
    EXPECT_EQ(shown.Res[0][1][0], row.total);
  }
}

TEST(CaseResult, NormalisedAndWeightedFollowTheFactors) {
  auto rec = std::make_unique<Records>();
  rec->lca.FdnImp[2][1] = 1480;    // normalised 1
  rec->lca.FdnImp[2][2] = 394000;  // normalised 2
  common::CaseResultRec shown;
  assessment::StageScores scores;
  auto f = Defaults();
  ASSERT_TRUE(assessment::ComputeShownResult(rec->lca, rec->grp, {2, 1, 0, -1, 2}, f, shown, scores));
  EXPECT_EQ(shown.Res[2][2][1], 1.0f);
  EXPECT_EQ(shown.Res[0][2][1], 0.13f);
  EXPECT_EQ(shown.Res[0][2][2], 0.6f);
  EXPECT_EQ(shown.Res[0][2][0], 0.13f + 0.6f);
  // Other weights: characterised and normalised stay, weighted change.
  auto before = shown;
  f.WgtFtr[2] = 0.5f;
  ASSERT_TRUE(assessment::ComputeShownResult(rec->lca, rec->grp, {2, 1, 0, -1, 2}, f, shown, scores));
  EXPECT_EQ(shown.Res[1], before.Res[1]);
  EXPECT_EQ(shown.Res[2], before.Res[2]);
  EXPECT_EQ(shown.Res[0][2][2], 1.0f);
  EXPECT_NE(scores.value[2], 0.13f + 0.6f);
}

TEST(CaseResult, StageScores) {
  auto f = Defaults();
  struct Row {
    Single cost, weightedTotal;
    const char* shown;
  };
  const Row rows[] = {
      {1000000, 0, "2.173929"},  // the cost alone, default weight and electricity price
      {0, 0.73f, "0.73"},        // no cost: the weighted total alone
      {1000000, 1, "3.173929"},
  };
  for (const auto& row : rows) {
    auto score = assessment::StageScore(row.cost, row.weightedTotal, f);
    ASSERT_TRUE(score.has_value());
    EXPECT_EQ(common::DisplayText(*score), row.shown);
  }
}

TEST(CaseResult, ZeroElectricityPriceLeavesTheScoreNotAvailable) {
  auto f = Defaults();
  f.EgyPrice[0] = 0;
  EXPECT_FALSE(assessment::StageScore(1000, 1, f).has_value());
  f.EgyPrice[0] = 1e-38f;  // a quotient beyond the Single range
  EXPECT_FALSE(assessment::StageScore(3e38f, 0, f).has_value());

  f.EgyPrice[0] = 0;
  auto rec = MarkedRecords();
  common::CaseResultRec shown;
  assessment::StageScores scores;
  ASSERT_TRUE(assessment::ComputeShownResult(rec->lca, rec->grp, {2, 0, -1, -1, 0}, f, shown, scores));
  EXPECT_EQ(scores.available, (std::array<bool, 5>{}));
  EXPECT_EQ(scores.value, (std::array<Single, 5>{}));
  EXPECT_EQ(shown.Cost[3], 1000 + 60 + 13.0f);  // the other figures are computed as usual
}

}  // namespace
