#include "assessment/factors.h"

#include <cfloat>
#include <cmath>
#include <optional>

namespace ModCal {

using common::Single;

void SetDefaultFactors(common::FactorTables& f) {
  f.DefWgtFtr = {0.55556f, 0.13f, 0.3f, 0.0475f, 0.095f, 0.095f, 0.095f, 0.095f, 0.0475f, 0.0475f, 0.0475f};
  f.DefNormFtr = {1.0f, 1480.0f, 197000.0f, 0.0204f, 77800.0f, 15100.0f, 1.98E+08f, 551.0f, 41.1f, 1050.0f, 65.9f};
  f.DefCostPara = {5.0f, 3.0f, 2.0f};
  f.DefEgyPrice = {0.92f, 0.21f};
  f.WgtFtr = f.UsrWgtFtr = f.DefWgtFtr;
  f.NormFtr = f.UsrNormFtr = f.DefNormFtr;
  f.CostPara = f.UsrCostPara = f.DefCostPara;
  f.EgyPrice = f.UsrEgyPrice = f.DefEgyPrice;
}

namespace {

// (1 + i) / (1 + f) from the rates in % per annum; nullopt for rates at or
// below -100 %, which have no present worth (the cost parameters window
// refuses them), so that the factors give 0 rather than divide by zero.
std::optional<double> RealGrowth(const common::FactorTables& f) {
  const double i = f.CostPara[0] / 100.0;
  const double infl = f.CostPara[1] / 100.0;
  if (1 + infl <= 0 || 1 + i <= 0) return std::nullopt;
  return (1 + i) / (1 + infl);
}

Single Stored(double v) { return std::isfinite(v) && std::fabs(v) <= FLT_MAX ? static_cast<Single>(v) : 0; }

}  // namespace

Single SinglePresentWorthFactor(const common::FactorTables& f, Single n) {
  const auto x = RealGrowth(f);
  if (!x) return 0;
  return Stored(1 / std::pow(*x, static_cast<double>(n)));
}

// The closed form a (1 - a^50) / (1 - a) divides by 1 - a, and near a = 1
// the difference 1 - a^50 cancels: within 1e-3 of a = 1 the 50 terms are
// summed instead (by Horner's rule, to a few units of a double's last digit),
// which gives 50 at a = 1 and joins the closed form without a step.
Single EnergyPresentWorthFactor(const common::FactorTables& f) {
  const auto growth = RealGrowth(f);
  if (!growth) return 0;
  const double e = f.CostPara[2] / 100.0;
  const double a = (1 + e) / *growth;
  if (std::fabs(1 - a) < 1e-3) {
    double sum = 0;
    for (int year = 1; year <= 50; ++year) sum = a * (1 + sum);
    return Stored(sum);
  }
  return Stored(a * (1 - std::pow(a, 50.0)) / (1 - a));
}

}  // namespace ModCal
