#pragma once
// The checks on cost parameters and energy prices wherever they enter the
// program (typed or read from a file): a rate at or below -100 % per annum
// has no present worth, and a zero electricity price would make the single
// score a division by zero (town gas is never divided by). Each returns ""
// when the value is acceptable, else the message to show.
#include <string>

namespace assessment {

// Captions of the five values, as the cost parameters window labels them.
extern const char* const kCostParaCaption[3];
extern const char* const kEgyPriceCaption[2];

// `value` is the number as read (a Double), before it is stored as a Single.
std::string CheckCostParameter(int index, double value);
std::string CheckEnergyPrice(int index, double value);

}  // namespace assessment
