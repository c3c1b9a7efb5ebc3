#pragma once
// The weighting factors window: the normalisation factors (shown only), a
// choice between the default and the user's weighting factors, typed
// weighting factors, the weighting file, and the cost parameters window.
#include <array>
#include <optional>
#include <string>

#include "assessment/frm_cost_para.h"
#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"

namespace assessment {

class frmNormWgt : public forms::Form {
 public:
  // `costPara` is shown modally by Cost Parameters > View & Edit.
  frmNormWgt(common::Program& prog, forms::Platform& platform, frmCostPara& costPara);

  std::array<forms::Label, 11> lblWgtFtr;
  std::array<forms::TextBox, 11> txtWgtFtr;
  std::array<forms::TextBox, 11> txtNormFtr;
  forms::Label lblWgtHead, lblNormHead, lblNote;
  forms::Frame Frame1;
  forms::OptionButton Option1, Option2;
  forms::CommandButton cmdOkay;
  forms::Menu mnuF, mnuFOpen, mnuFSave, mnuFReturn;
  forms::Menu mnuCost, mnuCostPara;

  void Option1_Click();
  void Option2_Click();
  // OK (and File > Return): when a typed weight or a cost parameter differs
  // from the one in use, asks whether to save and apply. The user's tables
  // change only on Yes; No and Cancel leave them as they were.
  void cmdOkay_Click();
  // Reads a weighting file into the user's tables, all or nothing, then
  // chooses "User Defined Values" (also when it was chosen already).
  void mnuFOpen_Click();
  // Writes the typed weights and the user's cost parameters to a weighting
  // file; once written, the typed weights are the user's weights.
  void mnuFSave_Click();
  void mnuCostPara_Click();

 protected:
  void Form_Load() override;

 private:
  void ShowWeights(const std::array<common::Single, 11>& w);
  // The typed weights, or nothing after telling the user which one is
  // beyond the Single range.
  std::optional<std::array<common::Single, 11>> TypedWeights();
  // Save dialog and file; true when the file was written.
  bool WriteWeightingFile(const std::array<common::Single, 11>& weights);

  common::FactorTables& f_;
  frmCostPara& costPara_;
  // The weighting file read or written since the window loaded: saving to
  // it again asks nothing.
  std::string ownWgt_;
};

}  // namespace assessment
