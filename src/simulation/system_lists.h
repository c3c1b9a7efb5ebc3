#pragma once
// The six lists of further systems whose annual energy the energy
// calculation window shows, each reached by its window code: 2 additional
// HVAC (in the central plant record), 4 additional electricity and
// lighting, 5 fire services, 6 lifts and escalators, 7 plumbing and
// drainage, 8 systems using town gas (in the services record).
#include <array>
#include <optional>

#include "common/plant_state.h"
#include "common/value_types.h"

namespace simulation {

constexpr int kMaxSystems = 10;

// The window codes of the lists, in the order of the energy use result file.
constexpr std::array<int, 6> kListCodes{2, 4, 5, 6, 7, 8};

// One list's fields. For town gas `power` is the rated capacity `GasCap()`.
struct SystemList {
  common::Integer* count;
  common::ItemNames* names;
  common::ItemSingles* power;
  common::ItemSingles* hours;
  common::ItemSingles* loadFactor;
  common::ItemSingles* egy;  // element 0 the list's total
};

// The list of a window code; nullopt for any other code.
std::optional<SystemList> ListOf(common::PlantState& plant, int code);

// The number of systems a count stands for: 0 for a count below 1, never
// more than the lists hold.
inline int SystemCount(common::Integer count) {
  if (count < 1) return 0;
  return count > kMaxSystems ? kMaxSystems : count;
}

}  // namespace simulation
