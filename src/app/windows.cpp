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
forms::Form& Windows::frmNormWgt() { return Placeholder(normWgt_, "frmNormWgt", "Weighting Factors"); }
forms::Form& Windows::frmEgyCal() { return Placeholder(egyCal_, "frmEgyCal", "Operating Energy Calculation"); }
forms::Form& Windows::frmEgyResult() {
  return Placeholder(egyResult_, "frmEgyResult", "Operating Energy Results");
}
forms::Form& Windows::frmLCCResult() { return Placeholder(lccResult_, "frmLCCResult", "LCC Results"); }
forms::Form& Windows::frmResult() { return Placeholder(result_, "frmResult", "Overall Results"); }

}  // namespace app
