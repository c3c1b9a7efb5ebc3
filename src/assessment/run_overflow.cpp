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

bool Overflowed(int mode, const LevelAmounts& a, const std::string& what, const std::string& where,
                std::string& errText, std::string& reason) {
  const std::string amount = FirstNonFinite(mode, a);
  if (amount.empty()) return false;
  errText = common::TotalOutOfRange(where);
  reason = OverflowReason(amount, what);
  return true;
}

}  // namespace ModCal
