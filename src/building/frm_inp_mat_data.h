#pragma once
// The material and thickness dialog of "Save As Construction": asks for
// the dominant material of a library element (InpMatMode 1; the answer in
// SelItemNo and SelItemName) or for the thickness in metres of a generic
// element (any other mode; the answer in InpMatThk). Closing it other than
// by OK writes nothing itself.
#include <array>
#include <functional>

#include "building/frm_mat_lib.h"
#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace building {

class frmInpMatData : public forms::Form {
 public:
  // `matLib` gives the material picker that Select shows modally.
  frmInpMatData(common::Program& prog, forms::Platform& platform, std::function<frmMatLib&()> matLib);

  forms::Label lblElmNam;
  forms::Label lblMatProp;
  forms::TextBox txtMatProp;
  forms::Label lblMatNam;
  forms::TextBox txtMatNam;
  forms::CommandButton cmdSel;
  forms::Label Label1, Label2, Label3;
  std::array<forms::TextBox, 3> txtProp;
  forms::Label lblRem;
  forms::CommandButton cmdReturn;

  void cmdSel_Click();
  void cmdReturn_Click();

 protected:
  void Form_Load() override;

 private:
  bool MaterialMode() const { return st_.InpMatMode == 1; }

  common::Program& prog_;
  common::BuildingState& st_;
  std::function<frmMatLib&()> matLib_;
};

}  // namespace building
