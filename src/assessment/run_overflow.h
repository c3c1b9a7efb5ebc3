#pragma once
// A run ends at the first total that stops being finite (a quantity too
// large for a Single), saying which file or total overflowed and in which
// amount, rather than booking Inf into the results.
#include <array>
#include <string>

#include "common/failure_text.h"
#include "common/value_types.h"

namespace ModCal {

// The amounts of one level of the calculation (an element, a component, a
// group, a kind of group, the building) at one stage.
struct LevelAmounts {
  const std::array<common::Single, 11>& imp;  // categories 1..10
  common::Single egy, waste, cost;
};

// The name of the first amount of the mode that is not finite: impact
// categories 1..10, energy use and solid waste in assessment runs, the
// cost in costing runs; empty when all are finite.
std::string FirstNonFinite(int mode, const LevelAmounts& a);

// When an amount of `a` is not finite: errText = "Total out of range in " &
// `where` ("Total out of range" alone when `where` is empty: a group or
// component, which the error chain names next), `reason` names the amount
// and `what`, and true.
bool Overflowed(int mode, const LevelAmounts& a, const std::string& what, const std::string& where,
                std::string& errText, std::string& reason);

// The reason line for an amount that overflowed.
using common::OverflowReason;

}  // namespace ModCal
