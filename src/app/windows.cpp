#include "app/windows.h"

#include "app/placeholder_form.h"

namespace app {

Windows::Windows(common::Program& prog, forms::Platform& platform) : prog_(prog), platform_(platform) {}

Windows::~Windows() = default;

forms::Form& Windows::Placeholder(std::unique_ptr<forms::Form>& slot, const std::string& name,
                                  const std::string& caption) {
  if (!slot) slot = std::make_unique<PlaceholderForm>(platform_, name, caption);
  return *slot;
}

forms::Form& Windows::frmBldgSysInput() {
  return Placeholder(bldgSysInput_, "frmBldgSysInput", "Building and System LCA Input");
}
forms::Form& Windows::frmEgyCalInput() {
  return Placeholder(egyCalInput_, "frmEgyCalInput", "Energy Use Modelling Input");
}
forms::Form& Windows::frmSelCons() { return Placeholder(selCons_, "frmSelCons", "Constructions"); }

assessment::frmCostPara& Windows::frmCostPara() {
  if (!costPara_) costPara_ = std::make_unique<assessment::frmCostPara>(prog_, platform_);
  return *costPara_;
}

assessment::frmNormWgt& Windows::frmNormWgt() {
  if (!normWgt_) normWgt_ = std::make_unique<assessment::frmNormWgt>(prog_, platform_, frmCostPara());
  return *normWgt_;
}

forms::Form& Windows::frmEgyCal() { return Placeholder(egyCal_, "frmEgyCal", "Operating Energy Calculation"); }
forms::Form& Windows::frmEgyResult() {
  return Placeholder(egyResult_, "frmEgyResult", "Operating Energy Results");
}

assessment::frmLCCResult& Windows::frmLCCResult() {
  if (!lccResult_) lccResult_ = std::make_unique<assessment::frmLCCResult>(prog_, platform_);
  return *lccResult_;
}

assessment::frmResult& Windows::frmResult() {
  if (!result_) result_ = std::make_unique<assessment::frmResult>(prog_, platform_, [this] { frmCharts().Show(); });
  return *result_;
}

forms::Form& Windows::frmCharts() { return Placeholder(charts_, "frmCharts", "LCIA/LCC Results (Charts)"); }

}  // namespace app
