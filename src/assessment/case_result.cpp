#include "assessment/case_result.h"

#include <cmath>
#include <limits>

namespace assessment {

using common::Single;

namespace {

// Where the characterised values of one choice come from.
struct Source {
  const common::Array2<Single, 5, 11>* imp = nullptr;
  const std::array<Single, 5>* egy = nullptr;
  const std::array<Single, 5>* waste = nullptr;
  const std::array<Single, 5>* cost = nullptr;
};

template <class Imp, class Vec>
Source Make(const Imp& imp, const Vec& egy, const Vec& waste, const Vec& cost) {
  return {&imp, &egy, &waste, &cost};
}

// Group g of a per-group table with `count` rows, or nothing.
template <class Imp, class Vec>
std::optional<Source> GroupSource(const Imp& imp, const Vec& egy, const Vec& waste, const Vec& cost, int g) {
  if (g < 0 || static_cast<size_t>(g) >= imp.size()) return std::nullopt;
  auto i = static_cast<size_t>(g);
  return Make(imp[i], egy[i], waste[i], cost[i]);
}

std::optional<Source> PickSource(const common::LCAResultRec& r, const common::GroupResultRec& gr, const CaseChoice& c) {
  const int cls = c.SelClass, g = c.SelGroup;
  switch (c.SelPortion) {
    case 0:
      return Make(r.BldgImp, r.BldgEgy, r.BldgWaste, r.BldgCost);
    case 1:
      if (cls == 0) return Make(r.FdnImp, r.FdnEgy, r.FdnWaste, r.FdnCost);
      if (cls == 1) return GroupSource(gr.FdnGrpImp, gr.FdnGrpEgy, gr.FdnGrpWaste, gr.FdnGrpCost, g);
      return std::nullopt;
    case 2:
      if (cls == 0) return Make(r.FlrImp, r.FlrEgy, r.FlrWaste, r.FlrCost);
      if (cls >= 1 && cls <= 3) {
        auto t = static_cast<size_t>(cls - 1);
        return Make(r.FlrTypeImp[t], r.FlrTypeEgy[t], r.FlrTypeWaste[t], r.FlrTypeCost[t]);
      }
      if (cls == 4) return GroupSource(gr.FlrGrpImp, gr.FlrGrpEgy, gr.FlrGrpWaste, gr.FlrGrpCost, g);
      return std::nullopt;
    case 3:
      if (cls == 0) return Make(r.SerImp, r.SerEgy, r.SerWaste, r.SerCost);
      if (cls >= 1 && cls <= 5) {
        auto t = static_cast<size_t>(cls - 1);
        return Make(r.SerTypeImp[t], r.SerTypeEgy[t], r.SerTypeWaste[t], r.SerTypeCost[t]);
      }
      if (cls == 6) return GroupSource(gr.SerGrpImp, gr.SerGrpEgy, gr.SerGrpWaste, gr.SerGrpCost, g);
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace

int GroupEntryClass(int portion) {
  switch (portion) {
    case 1:
      return 1;
    case 2:
      return 4;
    case 3:
      return 6;
    default:
      return -1;
  }
}

std::optional<Single> StageScore(Single cost, Single weightedTotal, const common::FactorTables& f) {
  if (f.EgyPrice[0] == 0) return std::nullopt;
  long double costPart =
      static_cast<long double>(cost) * f.WgtFtr[0] / (static_cast<long double>(f.EgyPrice[0]) * 277778.0);
  long double score = costPart + weightedTotal;
  if (!std::isfinite(score) || std::fabs(score) > std::numeric_limits<Single>::max()) return std::nullopt;
  return static_cast<Single>(score);
}

void WeighStage(const std::array<Single, 11>& characterised, const common::FactorTables& f,
                std::array<Single, 11>& normalised, std::array<Single, 11>& weighted) {
  normalised[0] = 0;
  weighted[0] = 0;
  for (size_t k = 1; k <= 10; ++k) {
    normalised[k] = characterised[k] / f.NormFtr[k];
    weighted[k] = normalised[k] * f.WgtFtr[k];
    weighted[0] = weighted[0] + weighted[k];
  }
}

bool ComputeShownResult(const common::LCAResultRec& lca, const common::GroupResultRec& groups, const CaseChoice& choice,
                        const common::FactorTables& f, common::CaseResultRec& shown, StageScores& scores) {
  auto src = PickSource(lca, groups, choice);
  if (!src) return false;
  for (size_t s = 0; s < 5; ++s) {
    auto& res = shown.Res;
    res[1][s] = (*src->imp)[s];
    res[1][s][0] = 0;
    WeighStage(res[1][s], f, res[2][s], res[0][s]);
    shown.Egy[s] = (*src->egy)[s];
    shown.Waste[s] = (*src->waste)[s];
    shown.Cost[s] = (*src->cost)[s];
    auto score = StageScore(shown.Cost[s], res[0][s][0], f);
    scores.available[s] = score.has_value();
    scores.value[s] = score.value_or(0);
  }
  return true;
}

}  // namespace assessment
