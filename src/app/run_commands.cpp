// The Run menu: the life-cycle impact and cost runs, the operating-energy
// calculation, and the reset of the selection for assessment.
#include "app/main_window.h"

#include <memory>

#include "assessment/calculation.h"
#include "assessment/results.h"
#include "assessment/selection.h"
#include "common/failure_text.h"

namespace app {

void frmMain::mnuRunOprEgy_Click() {
  NewMsg = "   Proceeded to calculate operating energy use";
  ShowMessage();
  windows_.frmEgyCal().Show(true);
  NewMsg = "   Returned from operating energy calculation";
  ShowMessage();
  mnuViewEgy_Click();
  mnuRunOprEgy.SetChecked(true);
}

// Runs the stages of one mode; false (after showing the stage's error
// text) when a stage failed. The menu entry's check mark goes off at the
// start, so results of a failed run never look complete, and a failed run
// puts the last good results back: its partial sums are never handed on.
bool frmMain::RunStages(int mode, int lastStage, forms::Menu& entry, const char* commenced, const char* completed) {
  if (prog_.building.Bldg.ProjFile.empty()) {
    MsgBox("Open a project file first!!");
    return false;
  }
  if (prog_.building.DataDir.empty() || !prog_.building.DatabaseLoaded) {
    MsgBox("Directory for main LCIA database file not set!!");
    return false;
  }
  entry.SetChecked(false);
  NewMsg = "";
  ShowMessage();
  NewMsg = commenced;
  ShowMessage();
  std::string errText;
  const auto lastResults = std::make_unique<const common::LCAResultRec>(prog_.assess.LCAResult);
  const auto lastGroups = std::make_unique<const common::GroupResultRec>(prog_.assess.GroupResult);
  ModCal::ClearResults(prog_.assess, mode);
  ModCal::RunContext run;
  for (int stage = 1; stage <= lastStage; ++stage) {
    NewMsg = "   Stage " + std::to_string(stage) + " in progress";
    ShowMessage();
    GetPlatform().RepaintNow();
    ModCal::CalcStage(prog_, mode, stage, errText, run);
    if (!errText.empty()) {
      prog_.assess.LCAResult = *lastResults;
      prog_.assess.GroupResult = *lastGroups;
      MsgBox(common::WithReason(errText, run.reason));
      return false;
    }
    for (const std::string& warning : run.warnings) {
      NewMsg = warning;
      ShowMessage();
    }
    run.warnings.clear();
  }
  NewMsg = completed;
  ShowMessage();
  entry.SetChecked(true);
  return true;
}

void frmMain::mnuRunLCA_Click() {
  RunStages(ModCal::kModeAssessment, 4, mnuRunLCA, "   Impact calculation commenced ...",
            "   Impact calculation completed");
}

void frmMain::mnuRunLCC_Click() {
  if (!RunStages(ModCal::kModeCosting, 3, mnuRunLCC, "   LCC calculation commenced ...",
                 "   LCC calculation completed"))
    return;
  // A cost window left open from an earlier run shows this run's costs.
  windows_.frmLCCResult().CostingRunEnded();
  mnuViewLCC_Click();
}

void frmMain::mnuRunReset_Click() {
  if (MsgBox("All previously setting will be reset - Go ahead?", forms::MsgButtons::OKCancel) != forms::MsgResult::OK)
    return;
  NewMsg = "   Reset selection";
  ShowMessage();
  ModCal::ResetAllSelections(prog_.assess.sel);
  NewMsg = "   Selection reset";
  ShowMessage();
}

}  // namespace app
