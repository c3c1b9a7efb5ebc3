#include "assessment/lcc_values.h"

#include <string>

#include "assessment/non_finite_text.h"

namespace assessment {

using common::Single;

namespace {

template <class R>
auto& Cell(R& r, int row, size_t s) {
  switch (row) {
    case kRowFdn:
      return r.FdnCost[s];
    case kRowEnv:
    case kRowFram:
    case kRowCont:
      return r.FlrTypeCost[static_cast<size_t>(row - kRowEnv)][s];
    case kRowFlrs:
      return r.FlrCost[s];
    case kRowSers:
      return r.SerCost[s];
    case kRowBldg:
      return r.BldgCost[s];
    default:
      return r.SerTypeCost[static_cast<size_t>(row - kRowHVAC)][s];
  }
}

}  // namespace

bool IsLccItemRow(int row) { return row != kRowFlrs && row != kRowSers && row != kRowBldg; }

LccValues ReadCostCells(const common::LCAResultRec& r) {
  LccValues v{};
  for (int row = 0; row < kLccRows; ++row)
    for (size_t s = 0; s < kLccStages; ++s) v[static_cast<size_t>(row)][s] = Cell(r, row, s);
  return v;
}

void WriteCostCells(common::LCAResultRec& r, const LccValues& v) {
  for (int row = 0; row < kLccRows; ++row)
    for (size_t s = 0; s < kLccStages; ++s) Cell(r, row, s) = v[static_cast<size_t>(row)][s];
}

bool RecalcTotals(LccValues& out) {
  // Sums in double; each total is rounded to a Single where it is stored,
  // and a later sum reads the stored value.
  common::Array2<double, kLccRows, kLccStages> v{};
  for (size_t row = 0; row < kLccRows; ++row)
    for (size_t s = 0; s < kLccStages; ++s) v[row][s] = out[row][s];
  bool fits = true;
  auto store = [&](double& cell, double value) {
    auto single = common::ToSingle(value);
    if (!single) fits = false;
    cell = single ? static_cast<double>(*single) : value;
  };
  auto addStage = [&](size_t row, size_t s) { store(v[row][0], v[row][0] + v[row][s]); };
  for (size_t row = 0; row < kLccRows; ++row) v[row][0] = 0;
  for (size_t s = 1; s <= 4; ++s) {
    for (size_t row : {kRowFdn, kRowEnv, kRowFram, kRowCont}) addStage(row, s);
    store(v[kRowFlrs][s], v[kRowEnv][s] + v[kRowFram][s] + v[kRowCont][s]);
    addStage(kRowFlrs, s);
    for (size_t row : {kRowHVAC, kRowElec, kRowFSer, kRowLift, kRowPaD}) addStage(row, s);
    store(v[kRowSers][s], v[kRowHVAC][s] + v[kRowElec][s] + v[kRowFSer][s] + v[kRowLift][s] + v[kRowPaD][s]);
    addStage(kRowSers, s);
    store(v[kRowBldg][s], v[kRowFdn][s] + v[kRowFlrs][s] + v[kRowSers][s]);
    addStage(kRowBldg, s);
  }
  if (!fits) return false;
  for (size_t row = 0; row < kLccRows; ++row)
    for (size_t s = 0; s < kLccStages; ++s) out[row][s] = static_cast<Single>(v[row][s]);
  return true;
}

double LccBoxNumber(std::string_view text) {
  std::string compact;
  for (char c : text)
    if (c != ' ' && c != '\t') compact += c;
  return BoxNumber(compact);
}

}  // namespace assessment
