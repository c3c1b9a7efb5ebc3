#include "assessment/results.h"

#include <memory>
#include <utility>

namespace ModCal {
namespace {

template <class A>
void Zero(A& a) {
  a = A{};
}

// A record too large for the stack, back as at start-up.
template <class R>
void Renew(R& r) {
  r = std::move(*std::make_unique<R>());
}

void ClearAssessmentCells(common::LCAResultRec& r, common::GroupResultRec& g) {
  Zero(r.BldgImp), Zero(r.BldgEgy), Zero(r.BldgWaste);
  Zero(r.FdnImp), Zero(r.FdnEgy), Zero(r.FdnWaste);
  Zero(r.FlrImp), Zero(r.FlrEgy), Zero(r.FlrWaste);
  Zero(r.FlrTypeImp), Zero(r.FlrTypeEgy), Zero(r.FlrTypeWaste);
  Zero(r.SerImp), Zero(r.SerEgy), Zero(r.SerWaste);
  Zero(r.SerTypeImp), Zero(r.SerTypeEgy), Zero(r.SerTypeWaste);
  Zero(g.FdnGrpImp), Zero(g.FdnGrpEgy), Zero(g.FdnGrpWaste);
  Zero(g.FlrGrpImp), Zero(g.FlrGrpEgy), Zero(g.FlrGrpWaste);
  Zero(g.SerGrpImp), Zero(g.SerGrpEgy), Zero(g.SerGrpWaste);
}

void ClearCostCells(common::LCAResultRec& r, common::GroupResultRec& g) {
  Zero(r.BldgCost), Zero(r.FdnCost), Zero(r.FlrCost), Zero(r.FlrTypeCost);
  Zero(r.SerCost), Zero(r.SerTypeCost);
  Zero(g.FdnGrpCost), Zero(g.FlrGrpCost), Zero(g.SerGrpCost);
}

}  // namespace

void ClearResults(common::AssessmentState& assess, int mode) {
  if (mode < kModeCosting) {
    ClearAssessmentCells(assess.LCAResult, assess.GroupResult);
  } else if (mode == kModeCosting) {
    ClearCostCells(assess.LCAResult, assess.GroupResult);
  }
}

void ClearProjectData(common::Program& prog) {
  auto& a = prog.assess;
  Zero(a.CurResult), Zero(a.RefResult), Zero(a.AltResult);
  Zero(a.LCAResult), Zero(a.GroupResult);
  a.RunBldg.reset();
  Zero(a.ProjScore);
  // The energy model and its file names, the plant and services with their
  // annual energy, and the simulation's results and own inputs.
  Renew(prog.energyInput);
  Renew(prog.plant);
  Renew(prog.sim);
}

}  // namespace ModCal
