#include "building/frm_inp_mat_data.h"

#include <initializer_list>

#include "assessment/lcia_database.h"
#include "common/number_text.h"
#include "forms/control_array.h"

namespace building {

frmInpMatData::frmInpMatData(common::Program& prog, forms::Platform& platform, std::function<frmMatLib&()> matLib)
    : Form(platform, "frmInpMatData"),
      lblElmNam(*this, "lblElmNam"),
      lblMatProp(*this, "lblMatProp"),
      txtMatProp(*this, "txtMatProp"),
      lblMatNam(*this, "lblMatNam"),
      txtMatNam(*this, "txtMatNam"),
      cmdSel(*this, "cmdSel"),
      Label1(*this, "Label1"),
      Label2(*this, "Label2"),
      Label3(*this, "Label3"),
      txtProp(forms::MakeControlArray<forms::TextBox, 3>(*this, "txtProp")),
      lblRem(*this, "lblRem"),
      cmdReturn(*this, "cmdReturn"),
      prog_(prog),
      st_(prog.building),
      matLib_(std::move(matLib)) {
  SetCaption("Input Element Material Data");
  SetClientSize(6600, 3960);
  lblElmNam.Move(240, 240, 6120, 375);
  lblMatProp.Move(240, 840, 1815, 255);
  txtMatProp.Move(2160, 795, 1335, 315);
  cmdSel.SetCaption("Select");
  cmdSel.Move(3720, 780, 1095, 345);
  lblMatNam.Move(240, 1320, 1815, 255);
  txtMatNam.Move(2160, 1275, 4200, 315);
  const char* captions[] = {"Density (kg/m3)", "Thermal Conductivity, k (W/mK)", "Specific Heat, Cp (J/kgK)"};
  forms::Label* labels[] = {&Label1, &Label2, &Label3};
  for (size_t i = 0; i < 3; ++i) {
    int top = 1800 + 420 * static_cast<int>(i);
    labels[i]->SetCaption(captions[i]);
    labels[i]->Move(240, top + 45, 3000, 255);
    txtProp[i].Move(3360, top, 1335, 315);
    txtProp[i].SetLocked(true);
  }
  lblRem.Move(240, 3180, 4680, 495);
  cmdReturn.SetCaption("OK");
  cmdReturn.Move(5160, 3240, 1200, 405);

  cmdSel.OnClick = [this] { cmdSel_Click(); };
  cmdReturn.OnClick = [this] { cmdReturn_Click(); };
}

void frmInpMatData::Form_Load() {
  txtMatProp.SetText("");
  txtMatNam.SetText("");
  for (auto& box : txtProp) box.SetText("");
  const bool material = MaterialMode();
  // The window is kept between openings: each mode shows its own controls.
  for (forms::Control* c : std::initializer_list<forms::Control*>{&cmdSel, &lblMatNam, &txtMatNam, &Label1, &Label2,
                                                                  &Label3, &txtProp[0], &txtProp[1], &txtProp[2]})
    c->SetVisible(material);
  if (material) {
    lblElmNam.SetCaption("Select Dominant Material for Element: " + st_.CurElm.ElmName);
    lblMatProp.SetCaption("Material No.:");
    lblMatNam.SetCaption("Material Name:");
    lblRem.SetCaption("Use the Select Button to select material and then press OK to confirm");
  } else {
    lblElmNam.SetCaption("Input Thickness of Element: " + st_.CurElm.ElmName);
    lblMatProp.SetCaption("Thickness (m):");
    lblRem.SetCaption("Type the thickness value in metre and then press OK to confirm");
  }
}

void frmInpMatData::cmdSel_Click() {
  frmMatLib& picker = matLib_();
  // Not a generic element's material row: every listed material may be chosen.
  picker.SetContext("", "");
  picker.Show(true);
  if (st_.SelItemNo < 0) return;
  const int r = ModCal::MaterialRow(prog_.assess.mat, st_.SelItemNo);
  if (r < 0) return;
  const auto& mat = prog_.assess.mat;
  const size_t row = static_cast<size_t>(r);
  txtMatProp.SetText(std::to_string(st_.SelItemNo));
  txtMatNam.SetText(mat.MatName[row]);
  for (size_t i = 0; i < 3; ++i) txtProp[i].SetText(common::DisplayText(mat.MatProp[row][i]));
}

void frmInpMatData::cmdReturn_Click() {
  if (MaterialMode()) {
    st_.SelItemName = txtMatNam.Text();
    // A number beyond the Integer range is no material: 0, which the
    // caller takes as no answer.
    st_.SelItemNo = common::ToInteger(common::LeadingNumber(txtMatProp.Text())).value_or(0);
  } else {
    auto thickness = common::TypedSingle(txtMatProp.Text());
    if (!thickness) {
      MsgBox("The number " + txtMatProp.Text() + " is too large.");
      return;
    }
    st_.InpMatThk = *thickness;
  }
  Unload();
}

}  // namespace building
