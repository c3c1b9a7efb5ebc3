#include "assessment/selection_branch.h"

#include "assessment/selection.h"

namespace assessment {

std::optional<SelectionBranch> SelectionBranchOf(common::SelectionTables& s, common::Integer grpType) {
  switch (grpType) {
    case 100:
      return SelectionBranch{s.SkipAllFdn,
                             s.FdnGrpAssess,
                             s.FdnCompAssess,
                             s.FdnElmAssess,
                             ModCal::ResetFdnSelection,
                             ModCal::ResetFdnCompSelection,
                             ModCal::ResetFdnElmSelection};
    case 200:
      return SelectionBranch{s.SkipAllFlr,
                             s.FlrGrpAssess,
                             s.FlrCompAssess,
                             s.FlrElmAssess,
                             ModCal::ResetFlrSelection,
                             ModCal::ResetFlrCompSelection,
                             ModCal::ResetFlrElmSelection};
    case 300:
      return SelectionBranch{s.SkipAllSer,
                             s.SerGrpAssess,
                             s.SerCompAssess,
                             s.SerElmAssess,
                             ModCal::ResetSerSelection,
                             ModCal::ResetSerCompSelection,
                             ModCal::ResetSerElmSelection};
    default:
      return std::nullopt;
  }
}

}  // namespace assessment
