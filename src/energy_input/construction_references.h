#pragma once
// The construction numbers of the fabric components when a construction is
// deleted: the constructions after it move down one number and the
// components follow them; a component that used the deleted one has none.
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

// Renumbers every component slot of the model, also those beyond the counts
// (a raised count shows them again). Returns the components within the
// counts that used the deleted construction, in zone, room, component order.
std::vector<FabricRef> RenumberAfterDelete(common::EnergyModel& m, int deleted);

// What the user is told about the components that lost construction
// `deleted`, named `name`; "" when none did.
std::string LostConstructionMessage(int deleted, const std::string& name, const std::vector<FabricRef>& lost);

}  // namespace energy_input
