#pragma once
// The life-cycle cost results window: the costs of the current design by
// twelve rows (foundation, floor types and total, services types and
// total, building total) and five stages. It keeps the predicted (or last
// confirmed) values taken from the result record when it opens, and the
// values for the assessment, which are seeded from them by "Copy All to ->",
// edited, re-totalled, and confirmed back into the record.
#include <array>
#include <optional>
#include <string>

#include "assessment/lcc_file.h"
#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"

namespace assessment {

class frmLCCResult : public forms::Form {
 public:
  frmLCCResult(common::Program& prog, forms::Platform& platform);

  // The Run command calls this when a costing run has ended: a loaded
  // window takes the new costs from the record and starts again as at
  // opening (what was typed is dropped); an unloaded one takes them at its
  // next opening anyway.
  void CostingRunEnded();

  forms::Label Label1;
  forms::CommandButton cmdOkay, cmdExit;  // one place: cmdExit covers cmdOkay while shown
  forms::Frame Frame1;
  forms::OptionButton Option1;
  forms::CommandButton cmdCopy;
  forms::OptionButton Option2;
  forms::CommandButton cmdUpDate;
  std::array<forms::Label, 5> lblStage;  // by stage; 0 "Life Cycle"
  forms::Label lblFdnCost, lblFlrEnv, lblFlrFram, lblFlrCont, lblFlrs, lblHVAC, lblElec, lblFS, lblLift, lblPD, lblSers,
      lblBldg;
  std::array<forms::TextBox, 5> txtFdn, txtEnv, txtFram, txtCont, txtFlrs, txtHVAC, txtELec, txtFSer, txtLift, txtPaD,
      txtSers, txtBldg;  // by stage
  std::array<forms::Line, 6> Line1;
  forms::Menu mnuF, mnuFLoad, mnuFSave, mnuFExp, mnuFSep1, mnuFRet, mnuFSep2, mnuFExit;

  // A row's label and its box of stage s, rows in window order.
  forms::Label& RowLabel(int row);
  forms::TextBox& Box(int row, int stage);

  // Column 0: predicted or last confirmed; column 1: for the assessment.
  const LccValues& Predicted() const { return predicted_; }
  const LccValues& Assessment() const { return assessment_; }

  void Option1_Click();
  void Option2_Click();
  void cmdCopy_Click();
  void cmdUpDate_Click() { Update(); }
  // Writes the 60 values into the record and closes, only in the copied
  // assessment view, and only while the record still holds the costs the
  // window was filled from (a costing run or a closed project since then
  // is refused with a message).
  void cmdOkay_Click();
  void cmdExit_Click() { Unload(); }
  void mnuFSave_Click();
  void mnuFLoad_Click();
  void mnuFExp_Click();

 protected:
  void Form_Load() override;

 private:
  void Layout();
  void WireHandlers();
  // Takes the predicted values from the record and starts as at opening.
  void FillFromRecord();
  void ShowValue(int row, int stage, common::Single value);
  void ShowColumn(const LccValues& v);
  // A box's number as read (the value shown, or the typed text in double
  // precision; `asShown`: always its text, as the files take it); nothing
  // (and the box remembered for the message) when it lies beyond the
  // Single range.
  std::optional<double> ReadBoxNumber(int row, int stage, bool asShown = false);
  // The same stored as a Single.
  std::optional<common::Single> ReadBox(int row, int stage);
  // The numbers of all 60 boxes' texts, or nothing after a message ending
  // in `consequence`.
  std::optional<LccNumbers> ReadAllBoxes(const std::string& consequence);
  void ReportBadBox(const std::string& consequence);
  // Re-totals `v`; false after a message when a total would not fit.
  bool Retotal(LccValues& v);
  // "Update LCC": false after a message when a value or a total would not fit.
  bool Update();
  bool NeedsProject();

  common::Program& prog_;
  LccValues predicted_{}, assessment_{};
  LccValues filledFrom_{};  // the record's costs when the window was filled
  std::string lccFileName_;
  // The LCC file read or written, and the table exported, since the window
  // was filled: saving to them again asks nothing.
  std::string ownLcc_, ownCsv_;
  std::string badBox_;
};

}  // namespace assessment
