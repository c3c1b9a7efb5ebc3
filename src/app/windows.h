#pragma once
// The windows the main window opens, each created on first use and kept
// for the whole run (one instance per window).
#include <functional>
#include <memory>
#include <string>

#include "assessment/frm_cost_para.h"
#include "assessment/frm_lcc_result.h"
#include "assessment/frm_norm_wgt.h"
#include "assessment/frm_result.h"
#include "common/program.h"
#include "forms/form.h"

namespace app {

class Windows {
 public:
  Windows(common::Program& prog, forms::Platform& platform);
  ~Windows();

  forms::Form& frmBldgSysInput();
  forms::Form& frmEgyCalInput();
  forms::Form& frmSelCons();
  assessment::frmNormWgt& frmNormWgt();
  assessment::frmCostPara& frmCostPara();
  forms::Form& frmEgyCal();
  forms::Form& frmEgyResult();
  // The Run command calls CostingRunEnded() on it after a costing run.
  assessment::frmLCCResult& frmLCCResult();
  assessment::frmResult& frmResult();
  forms::Form& frmCharts();

 private:
  forms::Form& Placeholder(std::unique_ptr<forms::Form>& slot, const std::string& name,
                           const std::string& caption);
  common::Program& prog_;
  forms::Platform& platform_;
  std::unique_ptr<forms::Form> bldgSysInput_, egyCalInput_, selCons_, egyCal_, egyResult_, charts_;
  std::unique_ptr<assessment::frmCostPara> costPara_;
  std::unique_ptr<assessment::frmNormWgt> normWgt_;
  std::unique_ptr<assessment::frmLCCResult> lccResult_;
  std::unique_ptr<assessment::frmResult> result_;
};

}  // namespace app
