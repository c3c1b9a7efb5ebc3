#pragma once
// The windows the main window opens, each created on first use and kept
// for the whole run (one instance per window).
#include <functional>
#include <memory>
#include <string>

#include "assessment/frm_charts.h"
#include "assessment/frm_cost_para.h"
#include "assessment/frm_lcc_result.h"
#include "assessment/frm_norm_wgt.h"
#include "assessment/frm_result.h"
#include "building/frm_add_group.h"
#include "building/frm_bldg_sys_input.h"
#include "building/frm_elm_select.h"
#include "building/frm_group_comp.h"
#include "building/frm_inp_mat_data.h"
#include "building/frm_mat_lib.h"
#include "common/program.h"
#include "energy_input/frm_egy_cal_input.h"
#include "energy_input/frm_sel_cons.h"
#include "energy_input/frm_sh_mask.h"
#include "energy_input/frm_si_zn.h"
#include "forms/form.h"
#include "plant_input/frm_cplt.h"
#include "simulation/frm_egy_cal.h"
#include "simulation/frm_egy_result.h"

namespace app {

class Windows {
 public:
  // The platform's file dialogs start in the open project's folder while
  // these windows live.
  Windows(common::Program& prog, forms::Platform& platform);
  ~Windows();

  // Return brings the main window set here to the front.
  void SetMainWindow(forms::Form* main) { main_ = main; }

  // Closes the windows that show the open project, before another takes
  // its place or the program ends: the energy modelling input as its user
  // closes it (it asks about its unsaved data), then the building window,
  // the shading mask generator and the results, charts and life-cycle cost
  // windows. False, with every window as it was, when the energy modelling
  // input stays open.
  bool CloseProjectWindows();

  building::frmBldgSysInput& frmBldgSysInput();
  building::frmAddGroup& frmAddGroup();
  building::frmGroupComp& frmGroupComp();
  // The element-type and material pickers and the material and thickness
  // dialog of "Save As Construction".
  building::frmElmSelect& frmElmSelect();
  building::frmMatLib& frmMatLib();
  building::frmInpMatData& frmInpMatData();
  // The energy modelling input and the windows it opens.
  energy_input::frmEgyCalInput& frmEgyCalInput();
  energy_input::frmSelCons& frmSelCons();
  energy_input::frmShMask& frmShMask();
  energy_input::frmSIZn& frmSIZn();
  assessment::frmNormWgt& frmNormWgt();
  assessment::frmCostPara& frmCostPara();
  simulation::frmEgyCal& frmEgyCal();
  simulation::frmEgyResult& frmEgyResult();
  // The Run command calls CostingRunEnded() on it after a costing run.
  assessment::frmLCCResult& frmLCCResult();
  assessment::frmResult& frmResult();
  assessment::frmCharts& frmCharts();
  // The central plant window, shown modally by the energy modelling input.
  plant_input::frmCPlt& frmCPlt();

 private:
  common::Program& prog_;
  forms::Platform& platform_;
  forms::Form* main_ = nullptr;
  std::unique_ptr<building::frmBldgSysInput> bldgSysInput_;
  std::unique_ptr<building::frmAddGroup> addGroup_;
  std::unique_ptr<building::frmGroupComp> groupComp_;
  std::unique_ptr<building::frmElmSelect> elmSelect_;
  std::unique_ptr<building::frmMatLib> matLib_;
  std::unique_ptr<building::frmInpMatData> inpMatData_;
  std::unique_ptr<energy_input::frmEgyCalInput> egyCalInput_;
  std::unique_ptr<energy_input::frmSelCons> selCons_;
  std::unique_ptr<energy_input::frmShMask> shMask_;
  std::unique_ptr<energy_input::frmSIZn> siZn_;
  std::unique_ptr<simulation::frmEgyCal> egyCal_;
  std::unique_ptr<simulation::frmEgyResult> egyResult_;
  std::unique_ptr<assessment::frmCostPara> costPara_;
  std::unique_ptr<assessment::frmNormWgt> normWgt_;
  std::unique_ptr<assessment::frmLCCResult> lccResult_;
  std::unique_ptr<assessment::frmResult> result_;
  std::unique_ptr<assessment::frmCharts> charts_;
  std::unique_ptr<plant_input::frmCPlt> cplt_;
};

}  // namespace app
