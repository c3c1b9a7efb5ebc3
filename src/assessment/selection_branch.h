#pragma once
// The selection tables of one kind of group (foundations, floors or
// services) with their resets, seen alike, so that one set of window
// operations serves all three kinds.
#include <array>
#include <optional>
#include <span>

#include "common/assessment_state.h"

namespace assessment {

// The selection tables of one kind and their resets.
struct SelectionBranch {
  common::Integer& skip;
  std::span<common::Single> grp;                    // per group row
  std::span<std::array<common::Single, 101>> comp;  // per group row and component
  std::span<common::Array2<bool, 101, 21>> elm;     // per group row, component and element
  void (*resetKind)(common::SelectionTables&, common::Integer skip);
  void (*resetComp)(common::SelectionTables&, int group, common::Integer skip);
  void (*resetElm)(common::SelectionTables&, int group, int comp, common::Integer skip);
};

// By group type 100, 200 or 300; nullopt for any other code.
std::optional<SelectionBranch> SelectionBranchOf(common::SelectionTables& sel, common::Integer grpType);

}  // namespace assessment
