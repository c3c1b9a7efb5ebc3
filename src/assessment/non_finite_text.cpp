#include "assessment/non_finite_text.h"

#include <cctype>
#include <cmath>

#include "common/number_text.h"

namespace assessment {

std::optional<double> NonFiniteText(std::string_view text) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return std::nullopt;
  const bool minus = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  auto startsWith = [&](std::string_view word) {
    if (text.size() - i < word.size()) return false;
    for (size_t j = 0; j < word.size(); ++j)
      if (std::tolower(static_cast<unsigned char>(text[i + j])) != word[j]) return false;
    return true;
  };
  if (startsWith("inf")) return minus ? -HUGE_VAL : HUGE_VAL;
  if (startsWith("nan")) return std::nan("");
  return std::nullopt;
}

double BoxNumber(std::string_view text) { return NonFiniteText(text).value_or(common::LeadingNumber(text)); }

}  // namespace assessment
