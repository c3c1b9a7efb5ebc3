// A whole run of the calculation, whose results replace the previous ones
// only when every stage succeeded.
#include <memory>

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

}  // namespace

RunOutcome RunStages(common::Program& prog, int mode, const RunProgress& progress) {
  LastResults last(prog.assess);
  ClearResults(prog.assess, mode);
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
  last.Replace();
  return outcome;
}

}  // namespace ModCal
