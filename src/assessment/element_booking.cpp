#include "assessment/element_booking.h"

#include <cmath>
#include <span>

#include "assessment/factors.h"
#include "assessment/results.h"

namespace ModCal {

using common::Single;

std::optional<int> ReplacementCount(Single life) {
  Single a = std::fabs(life);
  if (a > kLifeYears) a = kLifeYears;
  if (a == 0) return 0;
  if (a < 0.001f) return std::nullopt;
  Single x = static_cast<Single>(kLifeYears / static_cast<double>(a) - 1);
  int n = 0;
  while (x > 0) {
    ++n;
    x = x - 1;
  }
  return n;
}

namespace {

enum class Kind { Impacts, Energy, Waste, Cost };

// The amount of one kind in one stage (Single, one expression).
Single Amount(Kind kind, int mode, int stage, const MaterialUse& u, Single life, int n) {
  const double q = u.quantity, w = u.wastage;
  switch (stage) {
    case 1:
      if (kind == Kind::Waste && life > 0) return static_cast<Single>(w * q);
      return static_cast<Single>((1 + w) * q);
    case 2:
    case 3:
      if (mode == kModeAssessment) return static_cast<Single>((1 + w) * q * n);
      return static_cast<Single>((1 + w) * q);
    case 4:
      if (kind == Kind::Waste && life > 0) return static_cast<Single>(q);
      return 0;
    default:
      return 0;
  }
}

void Add(Single& cell, double v) { cell = static_cast<Single>(cell + v); }

}  // namespace

bool BookMaterial(int mode, int stage, const MaterialUse& use, const common::MaterialTable& mat,
                  const common::FactorTables& factors, common::CompSumRec& sum, int elm) {
  Single life = use.life;
  if (std::fabs(life) > kLifeYears) life = std::copysign(static_cast<Single>(kLifeYears), life);
  auto n = ReplacementCount(life);
  if (!n) return false;
  const size_t r = static_cast<size_t>(mat.MatIdx[static_cast<size_t>(use.matNo)]);
  const size_t e = static_cast<size_t>(elm);

  const Kind assessmentKinds[] = {Kind::Impacts, Kind::Energy, Kind::Waste};
  const Kind costKinds[] = {Kind::Cost};
  const bool costing = mode == kModeCosting;
  for (Kind kind : costing ? std::span<const Kind>(costKinds) : std::span<const Kind>(assessmentKinds)) {
    Single amount = Amount(kind, mode, stage, use, life, *n);
    if (!(amount > 0)) continue;
    switch (kind) {
      case Kind::Impacts:
        for (size_t k = 1; k <= 10; ++k)
          Add(sum.CompElmImp[e][k], static_cast<double>(mat.MatImpFtr[r][k - 1]) * amount);
        break;
      case Kind::Energy:
        Add(sum.CompElmEgy[e], static_cast<double>(mat.MatImpFtr[r][10]) * amount);
        break;
      case Kind::Waste:
        Add(sum.CompElmWaste[e], amount);
        for (size_t k = 1; k <= 10; ++k)
          Add(sum.CompElmImp[e][k], static_cast<double>(mat.MatWasteFtr[r][k - 1]) * amount);
        break;
      case Kind::Cost: {
        const Single u = use.unitCost ? *use.unitCost : mat.MatUCost[r];
        Single c = static_cast<Single>(static_cast<double>(u) * amount);
        if (stage == 2) {
          // Each replacement is paid in its year and discounted to today.
          const Single each = c;
          c = 0;
          for (int j = 1; j <= *n; ++j) {
            Single year = static_cast<Single>(std::fabs(life) * j);
            c = static_cast<Single>(c + static_cast<double>(SinglePresentWorthFactor(factors, year)) * each);
          }
        }
        Add(sum.CompElmCost[e], c);
        break;
      }
    }
  }
  return true;
}

}  // namespace ModCal
