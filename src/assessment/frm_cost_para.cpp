#include "assessment/frm_cost_para.h"

#include <cmath>

#include "assessment/factor_checks.h"
#include "forms/control_array.h"
#include "forms/typed_input.h"

namespace assessment {

using common::Single;

frmCostPara::frmCostPara(common::Program& prog, forms::Platform& platform)
    : Form(platform, "frmCostPara"),
      lblCostPara(forms::MakeControlArray<forms::Label, 3>(*this, "lblCostPara")),
      txtCostPara(forms::MakeControlArray<forms::TextBox, 3>(*this, "txtCostPara")),
      lblEgyPrice(forms::MakeControlArray<forms::Label, 2>(*this, "lblEgyPrice")),
      txtEgyPrice(forms::MakeControlArray<forms::TextBox, 2>(*this, "txtEgyPrice")),
      Frame1(*this, "Frame1"),
      Option1(Frame1, "Option1"),
      Option2(Frame1, "Option2"),
      Command1(*this, "Command1"),
      f_(prog.assess.factors) {
  SetCaption("Cost Parameters");
  SetClientSize(5940, 3720);
  Frame1.SetCaption("Set Cost Parameters");
  Frame1.Move(240, 120, 5415, 735);
  Option1.SetCaption("Default Values");
  Option1.Move(240, 300, 2400, 255);
  Option2.SetCaption("User Defined Values");
  Option2.Move(2760, 300, 2535, 255);
  for (size_t i = 0; i < 3; ++i) {
    int top = 1080 + 360 * static_cast<int>(i);
    lblCostPara[i].SetCaption(kCostParaCaption[i]);
    lblCostPara[i].Move(240, top, 3960, 285);
    txtCostPara[i].Move(4320, top, 1335, 285);
  }
  for (size_t j = 0; j < 2; ++j) {
    int top = 2160 + 360 * static_cast<int>(j);
    lblEgyPrice[j].SetCaption(kEgyPriceCaption[j]);
    lblEgyPrice[j].Move(240, top, 3960, 285);
    txtEgyPrice[j].Move(4320, top, 1335, 285);
  }
  Command1.SetCaption("OK");
  Command1.Move(4320, 3000, 1335, 375);

  Option1.OnClick = [this] { Option1_Click(); };
  Option2.OnClick = [this] { Option2_Click(); };
  Command1.OnClick = [this] { Command1_Click(); };
}

void frmCostPara::ShowValues(const std::array<Single, 3>& costPara, const std::array<Single, 2>& egyPrice) {
  for (size_t i = 0; i < 3; ++i) forms::ShowNumber(txtCostPara[i], costPara[i]);
  for (size_t j = 0; j < 2; ++j) forms::ShowNumber(txtEgyPrice[j], egyPrice[j]);
}

// Shows the option last chosen in the weighting window's present opening,
// then the values in use over whatever that option showed.
void frmCostPara::Form_Load() {
  Option1.SetValue(false);
  Option2.SetValue(false);
  Option1.SetFontBold(false);
  Option2.SetFontBold(false);
  if (f_.UsrFtrSelected) {
    Option2.SetValue(true);
  } else if (f_.DefFtrSelected) {
    Option1.SetValue(true);
  }
  ShowValues(f_.CostPara, f_.EgyPrice);
}

void frmCostPara::Option1_Click() {
  ShowValues(f_.DefCostPara, f_.DefEgyPrice);
  Option1.SetFontBold(true);
  Option2.SetFontBold(false);
}

void frmCostPara::Option2_Click() {
  ShowValues(f_.UsrCostPara, f_.UsrEgyPrice);
  Option2.SetFontBold(true);
  Option1.SetFontBold(false);
}

namespace {

// A box's number for the checks: a number beyond the Single range reads as
// infinite, which they refuse as too large.
double BoxValue(const forms::TextBox& box) { return forms::BoxSingle(box).value_or(HUGE_VALF); }

}  // namespace

void frmCostPara::Command1_Click() {
  std::array<double, 3> cost{};
  std::array<double, 2> price{};
  for (size_t i = 0; i < 3; ++i) {
    cost[i] = BoxValue(txtCostPara[i]);
    if (auto why = CheckCostParameter(static_cast<int>(i), cost[i]); !why.empty()) {
      MsgBox(why);
      return;
    }
  }
  for (size_t j = 0; j < 2; ++j) {
    price[j] = BoxValue(txtEgyPrice[j]);
    if (auto why = CheckEnergyPrice(static_cast<int>(j), price[j]); !why.empty()) {
      MsgBox(why);
      return;
    }
  }
  for (size_t i = 0; i < 3; ++i) {
    f_.UsrCostPara[i] = static_cast<Single>(cost[i]);
    if (f_.UsrCostPara[i] != f_.CostPara[i]) f_.FtrChanged = true;
  }
  for (size_t j = 0; j < 2; ++j) {
    f_.UsrEgyPrice[j] = static_cast<Single>(price[j]);
    if (f_.UsrEgyPrice[j] != f_.EgyPrice[j]) f_.FtrChanged = true;
  }
  Unload();
}

}  // namespace assessment
