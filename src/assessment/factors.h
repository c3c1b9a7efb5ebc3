#pragma once
// Default weighting and normalisation factors, cost parameters and energy
// prices, and the present-worth factors of the costing.
#include "common/assessment_state.h"
#include "common/value_types.h"

namespace ModCal {

// Fills the default tables, then copies them into the tables in use and
// into the user's tables.
void SetDefaultFactors(common::FactorTables& f);

// 1 / x^n with x = (1 + i) / (1 + f): the present worth of a cost paid in
// year n at the real discount rate. Computed in double, stored as a Single.
common::Single SinglePresentWorthFactor(const common::FactorTables& f, common::Single n);

// The present worth of 50 annual energy bills escalating at e, in units of
// the first year's bill: the sum over years 1..50 of a^year with
// a = (1 + e) / (1 + r) and the real rate 1 + r = (1 + i) / (1 + f).
// Computed in double, stored as a Single; continuous in the rates (50 at
// a = 1) and never a division by zero.
common::Single EnergyPresentWorthFactor(const common::FactorTables& f);

}  // namespace ModCal
