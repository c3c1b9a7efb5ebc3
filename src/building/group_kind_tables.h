#pragma once
// The building's list of one kind of group (foundations, floors or
// services), seen alike, so that one set of window operations serves all
// three kinds (assessment/selection_branch.h does the same for the
// selection tables).
#include <optional>
#include <span>
#include <string>

#include "common/building_state.h"

namespace building {

// The rows of one kind in Bldg: file, name and number in the building,
// and the kind's committed count.
struct BldgGroupList {
  std::span<std::string> file, name;
  std::span<common::Single> qty;
  common::Integer& count;
};

// By group type 100, 200 or 300; nullopt for any other code.
std::optional<BldgGroupList> BldgGroupListOf(common::BldgRec& bldg, common::Integer grpType);

}  // namespace building
