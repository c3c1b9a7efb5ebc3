#pragma once
// Program-wide state of the life-cycle assessment and costing: the
// material table, the selection for assessment, the factor tables and the
// results.
#include <array>
#include <optional>
#include <string>

#include "common/building_state.h"
#include "common/result_records.h"
#include "common/value_types.h"

namespace common {

// Weighting and normalisation factors, cost parameters and energy prices:
// the tables in use, the defaults and the user's own.
struct FactorTables {
  std::array<Single, 11> WgtFtr{}, DefWgtFtr{}, UsrWgtFtr{};
  std::array<Single, 11> NormFtr{}, DefNormFtr{}, UsrNormFtr{};
  std::array<Single, 3> CostPara{}, DefCostPara{}, UsrCostPara{};
  std::array<Single, 2> EgyPrice{}, DefEgyPrice{}, UsrEgyPrice{};
  // Set by the weighting factors window at each opening: a typed value
  // differs from the one in use and has not been applied; which option was
  // chosen in this opening (the cost parameters window shows the same).
  bool FtrChanged = false, DefFtrSelected = false, UsrFtrSelected = false;
};

// The material table loaded from the LCIA database and profile files:
// 511 rows, each section's header row holding its record count.
constexpr int kMaterialRows = 511;
struct MaterialTable {
  std::array<Integer, kMaterialRows> MatListNo{};
  std::array<std::string, kMaterialRows> MatName{};
  std::array<std::string, kMaterialRows> MatUnit{};
  Array2<Single, kMaterialRows, 3> MatProp{};     // density, conductivity, specific heat
  Array2<Single, kMaterialRows, 11> MatImpFtr{};  // categories 1..10, then energy
  Array2<Single, kMaterialRows, 10> MatWasteFtr{};
  std::array<Single, kMaterialRows> MatUCost{};
  std::array<Integer, kMaterialRows> MatIdx{};  // material number -> row
};

// The row of a material number the table holds, or -1 when the number is
// out of 0..510 or the table has no such material (row 0 is a section
// header, never a material's row).
inline int MaterialRow(const MaterialTable& table, int materialNo) {
  if (materialNo < 0 || materialNo >= kMaterialRows) return -1;
  const int row = table.MatIdx[static_cast<size_t>(materialNo)];
  return row > 0 && row < kMaterialRows ? row : -1;
}

// What of the building is assessed: whole kinds, each group's share of its
// components, each component's share of its elements (1.0 All, 0.5 Some,
// 0.0 None) and a flag per element.
struct SelectionTables {
  Integer SkipAllFdn = 0, SkipAllFlr = 0, SkipAllSer = 0;
  std::array<Single, 10> FdnGrpAssess{};
  std::array<Single, 20> FlrGrpAssess{}, SerGrpAssess{};
  Array2<Single, 10, 101> FdnCompAssess{};
  Array2<Single, 20, 101> FlrCompAssess{}, SerCompAssess{};
  Array3<bool, 10, 101, 21> FdnElmAssess{};
  Array3<bool, 20, 101, 21> FlrElmAssess{}, SerElmAssess{};
};

struct AssessmentState {
  MaterialTable mat;
  SelectionTables sel;
  FactorTables factors;

  // Working sums of the calculation: the group and the component being computed.
  GrpSumRec GrpSum;
  CompSumRec CompSum;

  LCAResultRec LCAResult;
  GroupResultRec GroupResult;
  // The building the results were computed for, as the last completed run
  // of this project took it: the results name their groups from it, so an
  // edit of the building since never puts a figure under another group.
  // None before the project's first completed run.
  std::optional<BldgRec> RunBldg;
  std::array<Single, 5> ProjScore{};
  CaseResultRec CurResult, RefResult, AltResult;

  std::string SelSumFile;  // the selection summary report being written
};

}  // namespace common
