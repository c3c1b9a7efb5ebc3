#include "assessment/factor_checks.h"

#include "common/value_types.h"

namespace assessment {

const char* const kCostParaCaption[3] = {"Nominal Interest Rate (% per annum)", "Inflation Rate (% per annum)",
                                         "Energy Price Escalation Rate (% per annum)"};
const char* const kEgyPriceCaption[2] = {"Price of Electricity (VL$/kWh)", "Price of Town Gas (VL$/MJ)"};

namespace {
std::string TooLarge(const char* caption) {
  return std::string(caption) + ": the number is too large. The value is not stored.";
}
}  // namespace

std::string CheckCostParameter(int index, double value) {
  const char* caption = kCostParaCaption[index];
  if (!common::ToSingle(value)) return TooLarge(caption);
  if (value <= -100) return std::string(caption) + ": a rate must be greater than -100. The value is not stored.";
  return "";
}

std::string CheckEnergyPrice(int index, double value) {
  const char* caption = kEgyPriceCaption[index];
  if (!common::ToSingle(value)) return TooLarge(caption);
  // Only the electricity price is divided by (the single score); town gas may be free.
  if (index == 0 && value == 0) return std::string(caption) + ": a price of 0 is not allowed. The value is not stored.";
  return "";
}

}  // namespace assessment
