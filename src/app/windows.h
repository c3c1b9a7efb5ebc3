#pragma once
// The windows the main window opens, each created on first use and kept
// for the whole run (one instance per window).
#include <functional>
#include <memory>
#include <string>

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
  forms::Form& frmNormWgt();
  forms::Form& frmEgyCal();
  forms::Form& frmEgyResult();
  forms::Form& frmLCCResult();
  forms::Form& frmResult();

 private:
  forms::Form& Placeholder(std::unique_ptr<forms::Form>& slot, const std::string& name,
                           const std::string& caption);
  common::Program& prog_;
  forms::Platform& platform_;
  std::unique_ptr<forms::Form> bldgSysInput_, egyCalInput_, selCons_, normWgt_, egyCal_,
      egyResult_, lccResult_, result_;
};

}  // namespace app
