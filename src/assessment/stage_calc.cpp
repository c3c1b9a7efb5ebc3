// One stage of the calculation for the whole building: the groups of each
// kind for stages 1, 2 and 4; the annual operating energy for stage 3.
// Every cell is booked at its stage and added to the life-cycle total
// (stage 0).
#include "assessment/calculation.h"
#include "assessment/factors.h"
#include "assessment/lcia_database.h"
#include "assessment/results.h"
#include "assessment/run_overflow.h"

namespace ModCal {
namespace {

constexpr const char* kTerminated = " Impacting calculation terminated!!";

using common::Array2;
using common::Array3;
using common::Single;

void Add(Single& cell, double v) { cell = static_cast<Single>(cell + v); }

// The cells of one kind of group: whole-kind cells, per-group cells and
// per-type cells (none for foundations).
template <size_t G, size_t T>
struct KindCells {
  Array2<Single, 5, 11>& imp;
  std::array<Single, 5>& egy;
  std::array<Single, 5>& waste;
  std::array<Single, 5>& cost;
  Array3<Single, G, 5, 11>& grpImp;
  Array2<Single, G, 5>& grpEgy;
  Array2<Single, G, 5>& grpWaste;
  Array2<Single, G, 5>& grpCost;
  Array3<Single, T, 5, 11>* typeImp;
  Array2<Single, T, 5>* typeEgy;
  Array2<Single, T, 5>* typeWaste;
  Array2<Single, T, 5>* typeCost;
};

struct KindInfo {
  int grpType;
  const char* grpTypeName;
  common::Integer skip;
  int count;
};

// Overflowed, the run's text then ending with the termination note.
bool OverflowEnds(int mode, const LevelAmounts& a, const std::string& what, const std::string& where,
                  std::string& errText, RunContext& run) {
  if (!Overflowed(mode, a, what, where, errText, run.reason)) return false;
  errText += kTerminated;
  return true;
}

// Group `g` of the kind becomes the current group, its sums of the mode at 0.
void BeginGroup(common::Program& prog, int mode, const KindInfo& kind, const std::string& file, int g) {
  auto& b = prog.building;
  auto& sum = prog.assess.GrpSum;
  b.CurGrp.GrpFile = file;
  b.GrpTypeName = kind.grpTypeName;
  b.GrpType = static_cast<common::Integer>(kind.grpType);
  b.SelGrpIdx = static_cast<common::Integer>(g);
  if (mode == kModeCosting) {
    sum.GrpCost = 0;
  } else {
    for (size_t k = 1; k <= 10; ++k) sum.GrpImp[k] = 0;
    sum.GrpEgy = sum.GrpWaste = 0;
  }
}

// The group's sums times its quantity `q`: its own cells (row gi) at stage
// s, and added to its life-cycle cells and to the kind's at both.
template <size_t G, size_t T>
void BookGroup(const common::GrpSumRec& sum, int mode, size_t s, size_t gi, double q, const KindCells<G, T>& cells) {
  auto book = [&](Single& groupCell, Single& groupTotal, Single& kindCell, Single& kindTotal, double v) {
    groupCell = static_cast<Single>(v);
    Add(groupTotal, v);
    Add(kindCell, v);
    Add(kindTotal, v);
  };
  if (mode == kModeCosting) {
    double v = static_cast<Single>(q * sum.GrpCost);
    book(cells.grpCost[gi][s], cells.grpCost[gi][0], cells.cost[s], cells.cost[0], v);
  } else {
    for (size_t k = 1; k <= 10; ++k) {
      double v = static_cast<Single>(q * sum.GrpImp[k]);
      book(cells.grpImp[gi][s][k], cells.grpImp[gi][0][k], cells.imp[s][k], cells.imp[0][k], v);
    }
    double e = static_cast<Single>(q * sum.GrpEgy);
    book(cells.grpEgy[gi][s], cells.grpEgy[gi][0], cells.egy[s], cells.egy[0], e);
    double w = static_cast<Single>(q * sum.GrpWaste);
    book(cells.grpWaste[gi][s], cells.grpWaste[gi][0], cells.waste[s], cells.waste[0], w);
  }
}

// The group's totals and the kind's (`kindTotal`), at stage s and then at
// the life cycle: the first that overflowed ends the run, naming the group
// file whose booking took it there.
template <size_t G, size_t T>
bool GroupTotalsOverflowed(int mode, size_t s, size_t gi, const std::string& file, const std::string& kindTotal,
                           const KindCells<G, T>& cells, std::string& errText, RunContext& run) {
  for (size_t st : {s, size_t{0}}) {
    if (OverflowEnds(mode, {cells.grpImp[gi][st], cells.grpEgy[gi][st], cells.grpWaste[gi][st], cells.grpCost[gi][st]},
                     file, file, errText, run) ||
        OverflowEnds(mode, {cells.imp[st], cells.egy[st], cells.waste[st], cells.cost[st]}, kindTotal, file, errText,
                     run))
      return true;
  }
  return false;
}

// The components the group `grp` (of quantity `q`) computed, added to the
// cells of their types at stage s and the life cycle; false, with errText,
// at a component type the kind has no cells for.
template <size_t G, size_t T>
bool BookTypes(const common::GroupRec& grp, const common::GrpSumRec& sum, int mode, size_t s, double q,
               const KindCells<G, T>& cells, std::string& errText) {
  for (int c = 0; c < grp.NoOfComp; ++c) {
    const size_t ci = static_cast<size_t>(c);
    const int t = grp.GrpCompType[ci];
    if (t < 0 || t >= static_cast<int>(T)) {
      errText = "Component type " + std::to_string(t) + " out of range Err with " + grp.GrpFile + kTerminated;
      return false;
    }
    const size_t ti = static_cast<size_t>(t);
    const double cq = grp.GrpCompQty[ci];
    if (mode == kModeCosting) {
      double v = static_cast<Single>(cq * sum.GrpCompCost[ci] * q);
      Add((*cells.typeCost)[ti][s], v);
      Add((*cells.typeCost)[ti][0], v);
    } else {
      for (size_t k = 1; k <= 10; ++k) {
        double v = static_cast<Single>(sum.GrpCompImp[ci][k] * cq * q);
        Add((*cells.typeImp)[ti][s][k], v);
        Add((*cells.typeImp)[ti][0][k], v);
      }
      double e = static_cast<Single>(sum.GrpCompEgy[ci] * cq * q);
      Add((*cells.typeEgy)[ti][s], e);
      Add((*cells.typeEgy)[ti][0], e);
      double w = static_cast<Single>(sum.GrpCompWaste[ci] * cq * q);
      Add((*cells.typeWaste)[ti][s], w);
      Add((*cells.typeWaste)[ti][0], w);
    }
  }
  return true;
}

// The kind's per-type totals, each at stage s and then at the life cycle:
// the first that overflowed ends the run, naming the group file.
template <size_t G, size_t T>
bool TypeTotalsOverflowed(int mode, size_t s, const std::string& file, const std::string& kindTotal,
                          const KindCells<G, T>& cells, std::string& errText, RunContext& run) {
  for (size_t t = 0; t < T; ++t)
    for (size_t st : {s, size_t{0}})
      if (OverflowEnds(
              mode,
              {(*cells.typeImp)[t][st], (*cells.typeEgy)[t][st], (*cells.typeWaste)[t][st], (*cells.typeCost)[t][st]},
              kindTotal + " of component type " + std::to_string(t), file, errText, run))
        return true;
  return false;
}

// One kind of group at one stage: each assessed group computed, booked to
// its cells and the kind's, and, for kinds with types, to the per-type
// cells; the run ends at the first error or total that overflowed.
template <size_t G, size_t T, size_t N>
void CalcKind(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run, const KindInfo& kind,
              const std::array<std::string, N>& files, const std::array<Single, N>& qtys,
              const std::array<Single, N>& assess, KindCells<G, T> cells) {
  if (kind.skip != 0 || kind.count <= 0) return;
  const size_t s = static_cast<size_t>(stage);
  const std::string kindTotal = std::string("the ") + kind.grpTypeName;
  for (int g = 0; g < kind.count && g < static_cast<int>(N); ++g) {
    const size_t gi = static_cast<size_t>(g);
    if (!(assess[gi] > 0)) continue;
    BeginGroup(prog, mode, kind, files[gi], g);
    CalcGrp(prog, mode, stage, errText, run);
    if (!errText.empty()) {
      errText += kTerminated;
      return;
    }
    const double q = qtys[gi];
    BookGroup(prog.assess.GrpSum, mode, s, gi, q, cells);
    if (run.booked) run.booked(stage);
    if (GroupTotalsOverflowed(mode, s, gi, files[gi], kindTotal, cells, errText, run)) return;
    if (!cells.typeImp) continue;
    if (!BookTypes(prog.building.CurGrp, prog.assess.GrpSum, mode, s, q, cells, errText) ||
        TypeTotalsOverflowed(mode, s, files[gi], kindTotal, cells, errText, run))
      return;
  }
}

// The electricity slots of AnnEgy follow the services types: slot k books
// to services type k.
static_assert(common::kAnnPaD + 1 == std::tuple_size_v<decltype(common::LCAResultRec::SerTypeEgy)>);

// Stage 3: the annual energy of the services over the 50-year life,
// electricity per services type and town gas per system (whose services
// types the caller has checked).
void BookOperatingEnergy(common::Program& prog, int mode, RunContext& run) {
  auto& r = prog.assess.LCAResult;
  const auto& nac = prog.plant.NAC;
  const auto& mat = prog.assess.mat;
  const auto& ann = prog.sim.AnnEgy;
  auto book = [&](size_t t, double energy, const std::array<double, 10>* factors) {
    if (mode == kModeCosting) {
      Add(r.SerTypeCost[t][3], energy);
      Add(r.SerTypeCost[t][0], energy);
      Add(r.SerCost[3], energy);
      Add(r.SerCost[0], energy);
      return;
    }
    Add(r.SerTypeEgy[t][3], energy);
    Add(r.SerTypeEgy[t][0], energy);
    Add(r.SerEgy[3], energy);
    Add(r.SerEgy[0], energy);
    for (size_t c = 1; c <= 10; ++c) {
      double v = static_cast<Single>((*factors)[c - 1] * energy);
      Add(r.SerTypeImp[t][3][c], v);
      Add(r.SerTypeImp[t][0][c], v);
      Add(r.SerImp[3][c], v);
      Add(r.SerImp[0][c], v);
    }
  };
  auto factorsOf = [&](int no) {
    std::array<double, 10> f{};
    const size_t row = static_cast<size_t>(mat.MatIdx[static_cast<size_t>(no)]);
    for (size_t c = 0; c < 10; ++c) f[c] = mat.MatImpFtr[row][c];
    return f;
  };

  if (mode == kModeCosting) {
    const double F = EnergyPresentWorthFactor(prog.assess.factors);
    const auto& price = prog.assess.factors.EgyPrice;
    for (size_t k = common::kAnnHVAC; k <= common::kAnnPaD; ++k)
      book(k, static_cast<Single>(F * ann[k] * price[0]), nullptr);
    for (int j = 1; j <= nac.NoOfGasSys; ++j) {
      const size_t js = static_cast<size_t>(j);
      book(static_cast<size_t>(nac.GasSubSys[js]), static_cast<Single>(F * nac.GasEgy[js] * price[1]), nullptr);
    }
    return;
  }

  // Materials the database lacks give zero impacts; say so once.
  std::string missing;
  for (int no : {501, 502})
    if (MaterialRow(mat, no) < 0) missing += missing.empty() ? std::to_string(no) : " and " + std::to_string(no);
  if (!missing.empty())
    run.warnings.push_back("   Warning: material " + missing +
                           " not in the LCIA database; operating energy impacts booked as 0");

  const auto electricity = factorsOf(501);
  const auto gas = factorsOf(502);
  for (size_t k = common::kAnnHVAC; k <= common::kAnnPaD; ++k)
    book(k, static_cast<Single>(ann[k] * 3.6 * 50.0), &electricity);
  for (int j = 1; j <= nac.NoOfGasSys; ++j) {
    const size_t js = static_cast<size_t>(j);
    book(static_cast<size_t>(nac.GasSubSys[js]), static_cast<Single>(nac.GasEgy[js] * 50.0), &gas);
  }
}

// Stage 3, then its totals checked: a total that overflowed ends the run.
void CalcOperatingEnergy(common::Program& prog, int mode, std::string& errText, RunContext& run) {
  const auto& nac = prog.plant.NAC;
  if (nac.NoOfGasSys < 0 || nac.NoOfGasSys > 10) {
    errText = std::string("No. of town gas systems out of range") + kTerminated;
    return;
  }
  for (int j = 1; j <= nac.NoOfGasSys; ++j) {
    int t = nac.GasSubSys[static_cast<size_t>(j)];
    if (t < 0 || t > 4) {
      errText = "Sub-system of town gas system " + std::to_string(j) + " out of range" + kTerminated;
      return;
    }
  }
  BookOperatingEnergy(prog, mode, run);
  if (run.booked) run.booked(3);
  const auto& r = prog.assess.LCAResult;
  for (size_t st : {size_t{3}, size_t{0}}) {
    if (OverflowEnds(mode, {r.SerImp[st], r.SerEgy[st], r.SerWaste[st], r.SerCost[st]}, "the Services",
                     "the operating energy", errText, run))
      return;
    for (size_t t = 0; t < r.SerTypeImp.size(); ++t)
      if (OverflowEnds(mode, {r.SerTypeImp[t][st], r.SerTypeEgy[t][st], r.SerTypeWaste[t][st], r.SerTypeCost[t][st]},
                       "the Services of component type " + std::to_string(t), "the operating energy", errText, run))
        return;
  }
}

}  // namespace

void CalcStage(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run) {
  auto& b = prog.building;
  auto& sel = prog.assess.sel;
  auto& r = prog.assess.LCAResult;
  auto& gr = prog.assess.GroupResult;
  const auto& bldg = b.Bldg;
  if (stage < 1 || stage > 4) {
    errText = "Stage out of range";
    return;
  }
  if (stage != 3) {
    KindCells<10, 1> fdn{r.FdnImp,       r.FdnEgy,      r.FdnWaste, r.FdnCost, gr.FdnGrpImp, gr.FdnGrpEgy,
                         gr.FdnGrpWaste, gr.FdnGrpCost, nullptr,    nullptr,   nullptr,      nullptr};
    KindCells<20, 3> flr{r.FlrImp,       r.FlrEgy,      r.FlrWaste,    r.FlrCost,     gr.FlrGrpImp,    gr.FlrGrpEgy,
                         gr.FlrGrpWaste, gr.FlrGrpCost, &r.FlrTypeImp, &r.FlrTypeEgy, &r.FlrTypeWaste, &r.FlrTypeCost};
    KindCells<20, 5> ser{r.SerImp,       r.SerEgy,      r.SerWaste,    r.SerCost,     gr.SerGrpImp,    gr.SerGrpEgy,
                         gr.SerGrpWaste, gr.SerGrpCost, &r.SerTypeImp, &r.SerTypeEgy, &r.SerTypeWaste, &r.SerTypeCost};
    CalcKind(prog, mode, stage, errText, run, {100, "Foundations", sel.SkipAllFdn, bldg.NoOfFdnGrp}, bldg.FdnGrpFile,
             bldg.FdnGrpQty, sel.FdnGrpAssess, fdn);
    if (!errText.empty()) return;
    CalcKind(prog, mode, stage, errText, run, {200, "Floors", sel.SkipAllFlr, bldg.NoOfFlrGrp}, bldg.FlrGrpFile,
             bldg.FlrGrpQty, sel.FlrGrpAssess, flr);
    if (!errText.empty()) return;
    CalcKind(prog, mode, stage, errText, run, {300, "Services", sel.SkipAllSer, bldg.NoOfSerGrp}, bldg.SerGrpFile,
             bldg.SerGrpQty, sel.SerGrpAssess, ser);
    if (!errText.empty()) return;
  } else {
    CalcOperatingEnergy(prog, mode, errText, run);
    if (!errText.empty()) return;
  }
  // Building totals of this stage and of the life cycle.
  for (size_t s : {static_cast<size_t>(stage), size_t{0}}) {
    if (mode == kModeCosting) {
      r.BldgCost[s] = static_cast<Single>(static_cast<double>(r.FlrCost[s]) + r.FdnCost[s] + r.SerCost[s]);
      continue;
    }
    for (size_t k = 1; k <= 10; ++k)
      r.BldgImp[s][k] = static_cast<Single>(static_cast<double>(r.FlrImp[s][k]) + r.FdnImp[s][k] + r.SerImp[s][k]);
    r.BldgEgy[s] = static_cast<Single>(static_cast<double>(r.FlrEgy[s]) + r.FdnEgy[s] + r.SerEgy[s]);
    r.BldgWaste[s] = static_cast<Single>(static_cast<double>(r.FlrWaste[s]) + r.FdnWaste[s] + r.SerWaste[s]);
  }
  for (size_t s : {static_cast<size_t>(stage), size_t{0}})
    if (OverflowEnds(mode, {r.BldgImp[s], r.BldgEgy[s], r.BldgWaste[s], r.BldgCost[s]}, "the building", "the building",
                     errText, run))
      return;
}

}  // namespace ModCal
