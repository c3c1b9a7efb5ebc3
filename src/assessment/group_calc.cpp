// The group and component calculation: read the files, compute the selected
// components and elements, and sum them upward (components times their
// number in the group).
#include "assessment/calculation.h"
#include "assessment/results.h"
#include "assessment/run_overflow.h"
#include "building/component_file.h"
#include "building/group_file.h"

namespace ModCal {
namespace {

using common::Single;

void Add(Single& cell, double v) { cell = static_cast<Single>(cell + v); }

// The selection of group kind `grpType` at (group, component): the
// component's factor, and a pointer to its element flags; nullptr for an
// unknown group type or rows outside the tables.
struct Selected {
  Single factor;
  const std::array<bool, 21>* elements;
};
std::optional<Selected> SelectionOf(const common::SelectionTables& sel, int grpType, int g, int c) {
  if (c < 0 || c > 100 || g < 0) return std::nullopt;
  const size_t gi = static_cast<size_t>(g), ci = static_cast<size_t>(c);
  switch (grpType) {
    case 100:
      if (g >= 10) return std::nullopt;
      return Selected{sel.FdnCompAssess[gi][ci], &sel.FdnElmAssess[gi][ci]};
    case 200:
      if (g >= 20) return std::nullopt;
      return Selected{sel.FlrCompAssess[gi][ci], &sel.FlrElmAssess[gi][ci]};
    case 300:
      if (g >= 20) return std::nullopt;
      return Selected{sel.SerCompAssess[gi][ci], &sel.SerElmAssess[gi][ci]};
    default:
      return std::nullopt;
  }
}

}  // namespace

void CalcGrp(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run) {
  auto& b = prog.building;
  auto& sum = prog.assess.GrpSum;
  const std::string& path = run.files.ResolveStored(b.CurGrp.GrpFile, b.ProjDir);
  auto read = building::ReadGroupFile(path, b.GrpType, b.CurGrp, &run.files);
  if (read.status == building::FileRead::WrongKind) {
    errText = building::GroupKindMessage(b.CurGrp.GrpFile, b.GrpTypeName);
    return;
  }
  if (read.status != building::FileRead::Ok) {
    errText = "Error in reading file: " + b.CurGrp.GrpFile;
    run.reason = read.error;
    return;
  }
  const auto& grp = b.CurGrp;
  for (int c = 0; c < grp.NoOfComp; ++c) {
    const size_t ci = static_cast<size_t>(c);
    b.SelCompIdx = static_cast<common::Integer>(c);
    b.CurComp.CompFile = grp.GrpCompFile[ci];
    auto selected = SelectionOf(prog.assess.sel, b.GrpType, b.SelGrpIdx, c);
    if (!selected) {
      errText = "Group type out of range";
      break;
    }
    b.FileType = selected->factor > 0 ? static_cast<common::Integer>(b.GrpType + 10) : 0;
    if (b.FileType == 0) {
      sum.GrpCompImp[ci] = {};
      sum.GrpCompEgy[ci] = sum.GrpCompWaste[ci] = sum.GrpCompCost[ci] = 0;
      continue;
    }
    auto& comp = prog.assess.CompSum;
    if (mode == kModeCosting) {
      comp.CompCost = 0;
    } else {
      for (size_t k = 1; k <= 10; ++k) comp.CompImp[k] = 0;
      comp.CompEgy = comp.CompWaste = 0;
    }
    CalcComp(prog, mode, stage, errText, run);
    if (!errText.empty()) break;
    const double qty = grp.GrpCompQty[ci];
    if (mode == kModeCosting) {
      sum.GrpCompCost[ci] = comp.CompCost;
      Add(sum.GrpCost, static_cast<double>(comp.CompCost) * qty);
    } else {
      for (size_t k = 1; k <= 10; ++k) {
        sum.GrpCompImp[ci][k] = comp.CompImp[k];
        Add(sum.GrpImp[k], static_cast<double>(comp.CompImp[k]) * qty);
      }
      sum.GrpCompEgy[ci] = comp.CompEgy;
      Add(sum.GrpEgy, static_cast<double>(comp.CompEgy) * qty);
      sum.GrpCompWaste[ci] = comp.CompWaste;
      Add(sum.GrpWaste, static_cast<double>(comp.CompWaste) * qty);
    }
    // The error chain names the group once.
    if (Overflowed(mode, {sum.GrpImp, sum.GrpEgy, sum.GrpWaste, sum.GrpCost}, grp.GrpFile, "", errText, run.reason))
      break;
  }
  if (!errText.empty()) errText += " Err with " + grp.GrpFile;
}

void CalcComp(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run) {
  auto& b = prog.building;
  auto& comp = prog.assess.CompSum;
  const std::string& path = run.files.ResolveStored(b.CurComp.CompFile, b.ProjDir);
  auto read = building::ReadComponentFile(path, b.FileType, b.CurComp, &run.files);
  if (read.status != building::FileRead::Ok && read.status != building::FileRead::WrongKind) {
    // The message names the file: the chain does not name it again.
    errText = "Error in reading component data!! " + b.CurComp.CompFile;
    run.reason = read.error;
    return;
  }
  if (read.status == building::FileRead::WrongKind) {
    errText = building::ComponentKindMessage(b.CurComp.CompFile, read.kindFound, b.FileType);
  } else {
    const auto& cur = b.CurComp;
    for (int e = 0; e < cur.NoOfElm; ++e) {
      const size_t ei = static_cast<size_t>(e);
      b.CurElm.ElmFile = cur.CompElmFile[ei];
      b.CompTypeIdx = cur.CompType;
      b.SelElmIdx = static_cast<common::Integer>(e);
      auto selected = SelectionOf(prog.assess.sel, b.GrpType, b.SelGrpIdx, b.SelCompIdx);
      if (!selected) {
        errText = "Group type out of range";
        break;
      }
      b.FileType = (*selected->elements)[ei] ? static_cast<common::Integer>(b.GrpType + 20) : 0;
      if (b.FileType == 0) continue;
      if (mode == kModeCosting) {
        comp.CompElmCost[ei] = 0;
      } else {
        for (size_t k = 1; k <= 10; ++k) comp.CompElmImp[ei][k] = 0;
        comp.CompElmEgy[ei] = comp.CompElmWaste[ei] = 0;
      }
      CalcElm(prog, mode, stage, errText, run);
      if (!errText.empty()) break;
      if (mode == kModeCosting) {
        Add(comp.CompCost, comp.CompElmCost[ei]);
      } else {
        for (size_t k = 1; k <= 10; ++k) Add(comp.CompImp[k], comp.CompElmImp[ei][k]);
        Add(comp.CompEgy, comp.CompElmEgy[ei]);
        Add(comp.CompWaste, comp.CompElmWaste[ei]);
      }
      // The error chain names the component once.
      if (Overflowed(mode, {comp.CompImp, comp.CompEgy, comp.CompWaste, comp.CompCost}, cur.CompFile, "", errText,
                     run.reason))
        break;
    }
    if (errText.empty()) return;
  }
  errText += " Err with " + b.CurComp.CompFile;
}

}  // namespace ModCal
