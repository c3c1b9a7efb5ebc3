#pragma once
// The result records of the life-cycle calculation: per building part and
// type, per group, the working sums of the calculation, and the case
// records the results window shows. Stage 0 is the whole life cycle (the
// sum of stages 1..4); impact category index 0 is unused by the
// calculation.
#include <array>
#include <string>

#include "common/value_types.h"

namespace common {

struct LCAResultRec {
  Array2<Single, 5, 11> BldgImp{};
  std::array<Single, 5> BldgEgy{}, BldgWaste{}, BldgCost{};
  Array2<Single, 5, 11> FdnImp{};
  std::array<Single, 5> FdnEgy{}, FdnWaste{}, FdnCost{};
  Array2<Single, 5, 11> FlrImp{};
  std::array<Single, 5> FlrEgy{}, FlrWaste{}, FlrCost{};
  Array3<Single, 3, 5, 11> FlrTypeImp{};  // (type, stage, category)
  Array2<Single, 3, 5> FlrTypeEgy{}, FlrTypeWaste{}, FlrTypeCost{};
  Array2<Single, 5, 11> SerImp{};
  std::array<Single, 5> SerEgy{}, SerWaste{}, SerCost{};
  Array3<Single, 5, 5, 11> SerTypeImp{};
  Array2<Single, 5, 5> SerTypeEgy{}, SerTypeWaste{}, SerTypeCost{};

  bool operator==(const LCAResultRec&) const = default;
};

// Per group, already multiplied by the group's number in the building.
struct GroupResultRec {
  Array3<Single, 10, 5, 11> FdnGrpImp{};
  Array2<Single, 10, 5> FdnGrpEgy{}, FdnGrpWaste{}, FdnGrpCost{};
  Array3<Single, 20, 5, 11> FlrGrpImp{};
  Array2<Single, 20, 5> FlrGrpEgy{}, FlrGrpWaste{}, FlrGrpCost{};
  Array3<Single, 20, 5, 11> SerGrpImp{};
  Array2<Single, 20, 5> SerGrpEgy{}, SerGrpWaste{}, SerGrpCost{};

  bool operator==(const GroupResultRec&) const = default;
};

// Working sums of the group being computed.
struct GrpSumRec {
  std::array<Single, 11> GrpImp{};
  Single GrpEgy = 0, GrpWaste = 0, GrpCost = 0;
  Array2<Single, 101, 11> GrpCompImp{};
  std::array<Single, 101> GrpCompEgy{}, GrpCompWaste{}, GrpCompCost{};
};

// Working sums of the component being computed.
struct CompSumRec {
  std::array<Single, 11> CompImp{};
  Single CompEgy = 0, CompWaste = 0, CompCost = 0;
  Array2<Single, 21, 11> CompElmImp{};
  std::array<Single, 21> CompElmEgy{}, CompElmWaste{}, CompElmCost{};
};

// One case as the results window shows it. Res is (value kind, stage,
// category): kind 0 weighted, 1 characterised, 2 normalised; Res(0, s, 0)
// is the weighted total of stage s.
struct CaseResultRec {
  Array3<Single, 3, 5, 11> Res{};
  std::array<Single, 5> Egy{}, Waste{}, Cost{};
  std::array<std::string, 3> PartCaption{};

  bool operator==(const CaseResultRec&) const = default;
};

}  // namespace common
