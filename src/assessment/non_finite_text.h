#pragma once
// The windows show a value that is not finite as "Inf", "-Inf" or "NaN";
// the leading-number rule would read those texts as 0. A box that shows
// one is read as that value, so that what takes it (a file writer, a
// confirmation) refuses it instead of writing 0.
#include <optional>
#include <string_view>

namespace assessment {

// The value `text` spells when it starts (after blanks and a sign) with
// "inf" or "nan" in any letter case; nothing otherwise.
std::optional<double> NonFiniteText(std::string_view text);

// The number of a box: NonFiniteText, else the leading-number rule.
double BoxNumber(std::string_view text);

}  // namespace assessment
