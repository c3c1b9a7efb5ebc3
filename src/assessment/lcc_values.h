#pragma once
// The twelve cost rows of the life-cycle cost results window and their
// cells in the result record, and the totals of the assessment values.
#include <string_view>

#include "assessment/lcc_file.h"
#include "common/result_records.h"

namespace assessment {

// Rows in window order.
enum LccRow {
  kRowFdn,
  kRowEnv,
  kRowFram,
  kRowCont,
  kRowFlrs,
  kRowHVAC,
  kRowElec,
  kRowFSer,
  kRowLift,
  kRowPaD,
  kRowSers,
  kRowBldg
};
bool IsLccItemRow(int row);  // rows with costs of their own (not the three totals)

// The 60 cost cells of the record by (row, stage), and back.
LccValues ReadCostCells(const common::LCAResultRec& r);
void WriteCostCells(common::LCAResultRec& r, const LccValues& v);

// Recomputes the three total rows of stages 1..4 and the life-cycle
// column (stage 0) of every row from the item rows of stages 1..4; sums in
// double precision, stored as Singles. Returns false, leaving `v` as it
// was, when a sum lies beyond the Single range.
bool RecalcTotals(LccValues& v);

// The number in a box of this window: blanks anywhere are skipped, then
// the leading-number rule ("1 500" -> 1500, "1,500" -> 1, "abc" -> 0);
// "Inf" and "NaN" read as what they spell.
double LccBoxNumber(std::string_view text);

}  // namespace assessment
