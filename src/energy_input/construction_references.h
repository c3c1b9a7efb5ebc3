#pragma once
// The construction numbers of the fabric components when constructions are
// deleted: the constructions after a deleted one move down one number and
// the components follow them; a component that used a deleted one has none.
#include <string>
#include <vector>

#include "common/energy_input_state.h"

namespace energy_input {

// A fabric component by its numbers, with its name.
struct FabricRef {
  int zone = 0, room = 0, component = 0;
  std::string name;
  bool operator==(const FabricRef&) const = default;
};

// The number construction `number` has once construction `deleted` is
// removed: 0 for the deleted one, one less above it, the same below it.
int NumberAfterDelete(int number, int deleted);
// The same for the constructions `deleted` removed one after the other,
// each number counted in the numbering the deletions before it left.
int NumberAfterDeletes(int number, const std::vector<int>& deleted);

// Renumbers every component slot of the model, also those beyond the counts
// (a raised count shows them again). Returns the components within the
// counts that had a construction and have none after, in zone, room,
// component order.
std::vector<FabricRef> RenumberAfterDeletes(common::EnergyModel& m, const std::vector<int>& deleted);

// What the user is told, when construction `deleted`, named `name`, is
// deleted, about the components that will lose it once the constructions
// are saved; "" when none will.
std::string LostConstructionMessage(int deleted, const std::string& name, const std::vector<FabricRef>& lost);

}  // namespace energy_input
