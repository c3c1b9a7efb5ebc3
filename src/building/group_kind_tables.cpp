#include "building/group_kind_tables.h"

#include "assessment/selection.h"

namespace building {

std::optional<BldgGroupList> BldgGroupListOf(common::BldgRec& b, common::Integer grpType) {
  switch (grpType) {
    case 100:
      return BldgGroupList{b.FdnGrpFile, b.FdnGrpName, b.FdnGrpQty, b.NoOfFdnGrp};
    case 200:
      return BldgGroupList{b.FlrGrpFile, b.FlrGrpName, b.FlrGrpQty, b.NoOfFlrGrp};
    case 300:
      return BldgGroupList{b.SerGrpFile, b.SerGrpName, b.SerGrpQty, b.NoOfSerGrp};
    default:
      return std::nullopt;
  }
}

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

}  // namespace building
