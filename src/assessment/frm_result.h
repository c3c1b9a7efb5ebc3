#pragma once
// The results window: one building part, class or group and one stage at a
// time, for the reference, the alternative or the current case. It computes
// a case's normalised and weighted figures and single score, fixes the
// current design as the reference or the alternative, loads and saves
// cases as result files, exports the figures shown as a table and opens
// the charts.
//
// The window object lives for the whole run: the reference and alternative
// copies survive closing it.
#include <array>
#include <functional>

#include "assessment/case_result.h"
#include "assessment/result_file.h"
#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"

namespace assessment {

class frmResult : public forms::Form {
 public:
  // `showCharts` opens the charts window without waiting.
  frmResult(common::Program& prog, forms::Platform& platform, std::function<void()> showCharts);

  // Choices.
  forms::Label lblCase, lblPortion, lblStage;
  forms::ComboBox cboSelCase, cboPortion, cboClass, cboCGNo, cboStage;
  forms::CommandButton cmdShowRes, cmdShowChart;
  std::array<forms::Label, 3> lblMsg;  // one message line per case

  // The result table: rows 1..10 the categories, 11 energy, 12 waste.
  forms::Label lblTitle, lblCatHead, lblCharHead, lblUnitHead, lblNormHead, lblWgtHead;
  std::array<forms::Label, 13> lblCat, lblUnit;        // index 0 unused
  std::array<forms::TextBox, 11> txtBN, txtWN, txtAW;  // (0): hidden captions; txtAW(0) the total
  forms::TextBox txtLCEA, txtLCWA, txtLCCA, txtProjScore;
  forms::Label lblTotImp, lblCost, lblScore;

  forms::Menu mnuOpt, mnuLoad, mnuLoadBC, mnuLoadAlt, mnuSet, mnuSetBC, mnuSetAlt, mnuSave, mnuSaveBC, mnuSaveAlt,
      mnuSaveCur, mnuExpTab, mnuQuit;
  forms::Menu mnuDirRet;

  // The text of the score box when no score can be formed (the electricity
  // price in use is 0).
  static constexpr const char* kScoreNotAvailable = "not available";

  // The inputs of the reference and alternative cases, and of the case
  // chosen (the target of loading, the source of saving).
  common::BldgRec RefBldg, AltBldg, ShownBldg;
  common::LCAResultRec RefLCAResult, AltLCAResult, ShownLCAResult;
  common::GroupResultRec RefGroupResult, AltGroupResult, ShownGroupResult;
  common::CaseResultRec ShownResult;

  // Handlers.
  void cboSelCase_Click();
  void cboPortion_Click();
  void cboClass_Click();
  void cboCGNo_Click();
  void cboStage_Click();
  void cmdShowRes_Click();
  void cmdShowChart_Click();
  void mnuLoadBC_Click() { LoadCase(0); }
  void mnuLoadAlt_Click() { LoadCase(1); }
  void mnuSetBC_Click() { SetCase(0); }
  void mnuSetAlt_Click() { SetCase(1); }
  void mnuSaveBC_Click() { SaveCase(0); }
  void mnuSaveAlt_Click() { SaveCase(1); }
  void mnuSaveCur_Click() { SaveCase(2); }
  void mnuExpTab_Click();
  void mnuQuit_Click() { Unload(); }

  void ClearResultBoxes();
  void ShowCaseResult();

 protected:
  void Form_Load() override;

 private:
  void Layout();
  void WireHandlers();
  void LoadCase(int caseNo);
  void SetCase(int caseNo);
  void SaveCase(int caseNo);
  // The building and results of case `caseNo` (0 reference, 1 alternative,
  // 2 current: the program's own) into the shown copies.
  void TakeCaseData(int caseNo);
  // The building of the current case: the one its results were computed
  // for, whatever the building window did since.
  const common::BldgRec& CurrentCaseBuilding() const;
  // Chooses a case in the case list; with `refresh`, a case already chosen
  // is chosen again so the shown copies follow its new inputs.
  void ChooseCase(int caseNo, bool refresh);
  // Save and load dialogs and files; messages on failure.
  void SaveResultFile(int caseNo);
  bool LoadResultFile(int caseNo, CaseData& loaded);
  void EmptyMessages();
  common::CaseResultRec& CaseRecord(int caseNo);

  common::Program& prog_;
  std::function<void()> showCharts_;
  CaseChoice choice_;
  StageScores scores_;
  // Per case, the result file read or written since the window loaded:
  // saving the case to it again asks nothing.
  std::array<std::string, 3> ownFile_;
};

}  // namespace assessment
