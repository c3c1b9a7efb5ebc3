// The Run menu: the life-cycle impact and cost runs, the operating-energy
// calculation, and the reset of the selection for assessment.
#include "app/main_window.h"

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
// start, so results of a failed run never look complete; what a failed run
// leaves in the results is the calculation's rule. The other mode's check
// mark goes off with the results the run cleared.
bool frmMain::RunStages(int mode, forms::Menu& entry, const char* commenced, const char* completed) {
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
  ModCal::RunProgress progress;
  progress.stageBegins = [this](int stage) {
    NewMsg = "   Stage " + std::to_string(stage) + " in progress";
    ShowMessage();
    GetPlatform().RepaintNow();
  };
  progress.warning = [this](const std::string& warning) {
    NewMsg = warning;
    ShowMessage();
  };
  const ModCal::RunOutcome outcome = ModCal::RunStages(prog_, mode, progress);
  if (!outcome.errText.empty()) {
    MsgBox(common::WithReason(outcome.errText, outcome.reason));
    return false;
  }
  NewMsg = completed;
  ShowMessage();
  entry.SetChecked(true);
  if (outcome.otherModeCleared) (&entry == &mnuRunLCA ? mnuRunLCC : mnuRunLCA).SetChecked(false);
  return true;
}

void frmMain::mnuRunLCA_Click() {
  RunStages(ModCal::kModeAssessment, mnuRunLCA, "   Impact calculation commenced ...",
            "   Impact calculation completed");
}

void frmMain::mnuRunLCC_Click() {
  if (!RunStages(ModCal::kModeCosting, mnuRunLCC, "   LCC calculation commenced ...", "   LCC calculation completed"))
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
