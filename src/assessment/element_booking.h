#pragma once
// What one material of an element adds to a stage: its replacements over
// the 50-year life and the amounts booked as impacts, energy, waste or cost.
#include <optional>

#include "common/assessment_state.h"
#include "common/result_records.h"

namespace ModCal {

constexpr int kLifeYears = 50;

// Replacements within the 50-year life: ceil(50 / |life| - 1) for a life
// other than 0 (a life beyond 50 counts as 50), 0 for a life of 0; nullopt
// for a life too short to count (under a thousandth of a year).
std::optional<int> ReplacementCount(common::Single life);

struct MaterialUse {
  common::Integer matNo = 0;
  common::Single quantity = 0;
  common::Single wastage = 0;              // fraction
  common::Single life = 0;                 // years
  std::optional<common::Single> unitCost;  // the user's; otherwise the table's
};

// Adds the material's amounts for (mode, stage) into the element cells
// `elm` of the component sums. False when the life cannot be counted.
bool BookMaterial(int mode, int stage, const MaterialUse& use, const common::MaterialTable& mat,
                  const common::FactorTables& factors, common::CompSumRec& sum, int elm);

}  // namespace ModCal
