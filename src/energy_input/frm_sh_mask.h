#pragma once
// The shading mask window: computes the shading mask of one window from
// its size, orientation and shading devices and writes it to a shading
// mask file. Modeless; the mask, the dimensions and the file name keep
// their values from one opening to the next.
#include <array>
#include <string>

#include "common/program.h"
#include "energy_input/shading_mask.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"

namespace energy_input {

class frmShMask : public forms::Form {
 public:
  frmShMask(common::Program& prog, forms::Platform& platform);

  forms::Label lblOri, lblWindow, lblDevices, lblWW, lblWH, lblOP, lblDT, lblLP, lblDL, lblRP, lblDR, lblShMaskFNam;
  forms::Label lblCurDir;
  forms::ComboBox cboOri;
  forms::TextBox txtWW, txtWH, txtOP, txtDT, txtLP, txtDL, txtRP, txtDR, txtShMaskFNam;
  forms::CommandButton cmdGO;
  forms::Menu mnuA, mnuACal, mnuASave, mnuAExit;

  void mnuACal_Click();
  void mnuASave_Click();
  void cmdGO_Click();
  void mnuAExit_Click();

  const ShadingMask& Mask() const { return mask_; }
  const WindowShading& Dimensions() const { return dims_; }

 protected:
  void Form_Load() override;

 private:
  void Layout();
  // Generate; true when a new mask was made.
  bool Generate();
  // The number in a box, or nothing after telling the user it is too large.
  bool ReadBox(const forms::TextBox& box, common::Single& value);

  common::Program& prog_;
  int orientation_ = 0;
  WindowShading dims_;
  ShadingMask mask_{};
};

}  // namespace energy_input
