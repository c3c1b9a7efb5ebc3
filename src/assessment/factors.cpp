#include "assessment/factors.h"

#include <cmath>

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

// Rates at or below -100 % have no present worth; the cost parameters
// window refuses them, and these factors then give 0 rather than divide
// by zero.
Single SinglePresentWorthFactor(const common::FactorTables& f, Single n) {
  double i = f.CostPara[0] / 100.0;
  double infl = f.CostPara[1] / 100.0;
  if (1 + infl <= 0 || 1 + i <= 0) return 0;
  Single x = static_cast<Single>((1 + i) / (1 + infl));
  double result = 1 / std::pow(static_cast<double>(x), static_cast<double>(n));
  return std::isfinite(result) ? static_cast<Single>(result) : 0;
}

// The real rate r is compared with e (the formula divides by r - e); near
// r = e the sum tends to 50, one bill a year.
Single EnergyPresentWorthFactor(const common::FactorTables& f) {
  double i = f.CostPara[0] / 100.0;
  double infl = f.CostPara[1] / 100.0;
  double e = f.CostPara[2] / 100.0;
  if (1 + infl <= 0 || 1 + i <= 0) return 0;
  Single r = static_cast<Single>((1 + i) / (1 + infl) - 1);
  if (std::fabs(r - e) < 0.0001) return 50;
  double result = (1 + e) / (r - e) * (1 - std::pow((1 + e) / (1 + r), 50.0));
  return std::isfinite(result) ? static_cast<Single>(result) : 0;
}

}  // namespace ModCal
