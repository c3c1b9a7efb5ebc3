#pragma once
// The energy use result file (.EUR): one value per line, the annual energy
// of the air-conditioning parts (8), of the zones' lighting and equipment
// (3), then for each of the six system lists its count and that many
// values. The lists' totals, names and inputs are not stored.
//
// And the run log file: the lines of a run log, one per line.
#include <array>
#include <string>
#include <vector>

#include "common/plant_state.h"
#include "common/program.h"
#include "common/simulation_state.h"
#include "common/value_types.h"

namespace simulation {

// What the result file holds, lists in the order of kListCodes.
struct EnergyUseResults {
  std::array<common::Single, common::kACEgySlots> ACEgy{};
  std::array<common::Single, common::kZnElecEgySlots> ZnElecEgy{};
  std::array<common::Integer, 6> count{};
  std::array<common::ItemSingles, 6> egy{};  // element 0 the list's total

  bool operator==(const EnergyUseResults&) const = default;
};

// The energies of the calculation, its lists as CalculationLists gives them.
EnergyUseResults TakeEnergyUse(common::Program& prog);
// Puts the energies back; the lists' counts belong to the plant and
// services input and stay as they are.
void PutEnergyUse(const EnergyUseResults& results, common::Program& prog);

// Saves the results at `path`; a value that is not a finite number is never
// written: the save is refused, naming it. False with the reason.
bool WriteEnergyUseFile(const std::string& path, const EnergyUseResults& results, std::string& error);

// Reads a result file over `results`, whose counts are those of the
// project's lists: each list with systems gets its values and its total as
// their sum; a list without systems keeps its total. A file whose count
// for a list lies outside 0 to 10 or differs from the project's was saved
// for other systems and is refused. `results` changes only when the whole
// file was read.
bool ParseEnergyUseFile(const std::string& text, EnergyUseResults& results, std::string& why);

std::string FormatRunLog(const std::vector<std::string>& lines);

}  // namespace simulation
