// A whole run of the calculation, whose results replace the previous ones
// only when every stage succeeded.
#include <array>
#include <memory>
#include <string>

#include "assessment/calculation.h"
#include "assessment/results.h"

namespace ModCal {

namespace {

// The result records as they were before the run, put back unless the run
// completes: on an error text and while an exception unwinds alike.
class LastResults {
 public:
  explicit LastResults(common::AssessmentState& assess)
      : assess_(assess),
        results_(std::make_unique<const common::LCAResultRec>(assess.LCAResult)),
        groups_(std::make_unique<const common::GroupResultRec>(assess.GroupResult)) {}
  LastResults(const LastResults&) = delete;
  LastResults& operator=(const LastResults&) = delete;
  ~LastResults() {
    if (kept_) return;
    assess_.LCAResult = *results_;
    assess_.GroupResult = *groups_;
  }
  void Replace() { kept_ = true; }

 private:
  common::AssessmentState& assess_;
  const std::unique_ptr<const common::LCAResultRec> results_;
  const std::unique_ptr<const common::GroupResultRec> groups_;
  bool kept_ = false;
};

template <size_t N>
bool SameRows(int count, const std::array<std::string, N>& fileA, const std::array<std::string, N>& nameA,
              const std::array<common::Single, N>& qtyA, const std::array<std::string, N>& fileB,
              const std::array<std::string, N>& nameB, const std::array<common::Single, N>& qtyB) {
  for (size_t i = 0; i < N && static_cast<int>(i) < count; ++i)
    if (fileA[i] != fileB[i] || nameA[i] != nameB[i] || qtyA[i] != qtyB[i]) return false;
  return true;
}

// The same groups in the same order, with the same files, names and
// numbers in the building: results of one are results of the other.
bool SameGroupLists(const common::BldgRec& a, const common::BldgRec& b) {
  return a.NoOfFdnGrp == b.NoOfFdnGrp && a.NoOfFlrGrp == b.NoOfFlrGrp && a.NoOfSerGrp == b.NoOfSerGrp &&
         SameRows(a.NoOfFdnGrp, a.FdnGrpFile, a.FdnGrpName, a.FdnGrpQty, b.FdnGrpFile, b.FdnGrpName, b.FdnGrpQty) &&
         SameRows(a.NoOfFlrGrp, a.FlrGrpFile, a.FlrGrpName, a.FlrGrpQty, b.FlrGrpFile, b.FlrGrpName, b.FlrGrpQty) &&
         SameRows(a.NoOfSerGrp, a.SerGrpFile, a.SerGrpName, a.SerGrpQty, b.SerGrpFile, b.SerGrpName, b.SerGrpQty);
}

}  // namespace

RunOutcome RunStages(common::Program& prog, int mode, const RunProgress& progress) {
  auto& assess = prog.assess;
  LastResults last(assess);
  const common::BldgRec building = prog.building.Bldg;
  // The other mode's results belong to the building of the last run: when
  // its groups have changed since, they go too, so that every result held
  // belongs to the building this run records.
  const bool otherModeCleared = assess.RunBldg && !SameGroupLists(*assess.RunBldg, building);
  if (otherModeCleared) {
    ClearResults(assess, kModeAssessment);
    ClearResults(assess, kModeCosting);
  } else {
    ClearResults(assess, mode);
  }
  RunContext run;
  run.booked = progress.booked;
  RunOutcome outcome;
  const int lastStage = mode == kModeCosting ? 3 : 4;
  for (int stage = 1; stage <= lastStage; ++stage) {
    if (progress.stageBegins) progress.stageBegins(stage);
    CalcStage(prog, mode, stage, outcome.errText, run);
    if (!outcome.errText.empty()) {
      outcome.reason = run.reason;
      return outcome;
    }
    if (progress.warning)
      for (const std::string& warning : run.warnings) progress.warning(warning);
    run.warnings.clear();
  }
  // Only a completed run names the building its results belong to.
  assess.RunBldg = building;
  outcome.otherModeCleared = otherModeCleared;
  last.Replace();
  return outcome;
}

}  // namespace ModCal
