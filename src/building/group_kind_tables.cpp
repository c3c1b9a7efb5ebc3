#include "building/group_kind_tables.h"

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

}  // namespace building
