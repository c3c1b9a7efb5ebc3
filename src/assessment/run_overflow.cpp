#include "assessment/run_overflow.h"

#include <cmath>

#include "assessment/results.h"

namespace ModCal {

std::string FirstNonFinite(int mode, const LevelAmounts& a) {
  if (mode == kModeCosting) return std::isfinite(a.cost) ? "" : "cost";
  for (size_t k = 1; k <= 10; ++k)
    if (!std::isfinite(a.imp[k])) return "impact category " + std::to_string(k);
  if (!std::isfinite(a.egy)) return "energy use";
  if (!std::isfinite(a.waste)) return "solid waste";
  return "";
}

std::string OverflowReason(const std::string& amount, const std::string& what) {
  return "the " + amount + " of " + what + " is not a finite number (an overflow)";
}

bool Overflowed(int mode, const LevelAmounts& a, const std::string& what, const std::string& where,
                std::string& errText, std::string& reason) {
  const std::string amount = FirstNonFinite(mode, a);
  if (amount.empty()) return false;
  errText = where.empty() ? "Total out of range" : "Total out of range in " + where;
  reason = OverflowReason(amount, what);
  return true;
}

}  // namespace ModCal
