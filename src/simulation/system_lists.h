#pragma once
// The six lists of further systems whose annual energy the energy
// calculation window shows, each reached by its window code: 2 additional
// HVAC (in the central plant record), 4 additional electricity and
// lighting, 5 fire services, 6 lifts and escalators, 7 plumbing and
// drainage, 8 systems using town gas (in the services record).
#include <array>
#include <optional>

#include "common/plant_state.h"
#include "common/program.h"
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

// The records the lists live in.
struct SystemRecords {
  SystemRecords(common::CentralPlantData& plant, common::NonACServicesData& services) : CPlt(plant), NAC(services) {}
  SystemRecords(common::PlantState& p) : SystemRecords(p.CPlt, p.NAC) {}  // a plant state holds both
  common::CentralPlantData& CPlt;
  common::NonACServicesData& NAC;
};

// The lists of the energy calculation: the additional HVAC systems of the
// calculation's own plant, which its central plant input file gives, and the
// services of the program's services record, from which the assessment
// takes the town gas system by system.
SystemRecords CalculationLists(common::Program& prog);

// The list of a window code; nullopt for any other code.
std::optional<SystemList> ListOf(SystemRecords records, int code);

// The number of systems a count stands for: 0 for a count below 1, never
// more than the lists hold.
inline int SystemCount(common::Integer count) {
  if (count < 1) return 0;
  return count > kMaxSystems ? kMaxSystems : count;
}

}  // namespace simulation
