#include "assessment/frm_norm_wgt.h"

#include "assessment/category_captions.h"
#include "assessment/weighting_file.h"
#include "common/paths.h"
#include "forms/control_array.h"
#include "forms/typed_input.h"

namespace assessment {

using common::Single;

namespace {

constexpr const char* kQuestion = "Save and Apply Weighting Factor/Cost Para. Values?";

// Row 0 is the weight of cost; rows 1..10 the categories.
const char* RowCaption(int i) {
  return i == 0 ? "Equivalent % Increase in Life Cycle Impact for each % Increase in Life Cycle Cost"
                : ModCal::kCategoryCaption[static_cast<size_t>(i)];
}

}  // namespace

frmNormWgt::frmNormWgt(common::Program& prog, forms::Platform& platform, frmCostPara& costPara)
    : Form(platform, "frmNormWgt"),
      lblWgtFtr(forms::MakeControlArray<forms::Label, 11>(*this, "lblWgtFtr")),
      txtWgtFtr(forms::MakeControlArray<forms::TextBox, 11>(*this, "txtWgtFtr")),
      txtNormFtr(forms::MakeControlArray<forms::TextBox, 11>(*this, "txtNormFtr")),
      lblWgtHead(*this, "lblWgtHead"),
      lblNormHead(*this, "lblNormHead"),
      lblNote(*this, "lblNote"),
      Frame1(*this, "Frame1"),
      Option1(Frame1, "Option1"),
      Option2(Frame1, "Option2"),
      cmdOkay(*this, "cmdOkay"),
      mnuF(*this, nullptr, "mnuF", "File"),
      mnuFOpen(*this, &mnuF, "mnuFOpen", "Open User Defined Values"),
      mnuFSave(*this, &mnuF, "mnuFSave", "Save User Defined Values"),
      mnuFReturn(*this, &mnuF, "mnuFReturn", "Return"),
      mnuCost(*this, nullptr, "mnuCost", "Cost Parameters"),
      // A doubled "&" shows as one: the entry reads "View & Edit".
      mnuCostPara(*this, &mnuCost, "mnuCostPara", "View && Edit"),
      f_(prog.assess.factors),
      costPara_(costPara) {
  SetCaption("Weighting Factors");
  SetClientSize(9000, 6480);
  lblWgtHead.SetCaption("Weighting Factors");
  lblWgtHead.Move(5280, 240, 1575, 495);
  lblNormHead.SetCaption("* Normalisation Factors");
  lblNormHead.Move(7080, 240, 1815, 495);
  for (size_t i = 0; i <= 10; ++i) {
    int top = i == 0 ? 720 : 1320 + 360 * static_cast<int>(i - 1);
    lblWgtFtr[i].SetCaption(RowCaption(i));
    lblWgtFtr[i].Move(240, top, 4920, i == 0 ? 495 : 285);
    txtWgtFtr[i].Move(5280, top, 1575, 285);
    txtNormFtr[i].Move(7080, top, 1575, 285);
    txtNormFtr[i].SetLocked(true);
  }
  lblNote.SetCaption(
      "* Normalisation factors are based on consumption of 1TJ of electricity in Valdora. No changes to these "
      "factors allowed.");
  lblNote.Move(240, 4980, 8415, 495);
  Frame1.SetCaption("Select Weighting Factors");
  Frame1.Move(240, 5520, 5415, 735);
  Option1.SetCaption("Default Values");
  Option1.Move(240, 300, 2400, 255);
  Option2.SetCaption("User Defined Values");
  Option2.Move(2760, 300, 2535, 255);
  cmdOkay.SetCaption("OK");
  cmdOkay.Move(7080, 5700, 1575, 375);

  Option1.OnClick = [this] { Option1_Click(); };
  Option2.OnClick = [this] { Option2_Click(); };
  cmdOkay.OnClick = [this] { cmdOkay_Click(); };
  mnuFReturn.OnClick = [this] { cmdOkay_Click(); };
  mnuFOpen.OnClick = [this] { mnuFOpen_Click(); };
  mnuFSave.OnClick = [this] { mnuFSave_Click(); };
  mnuCostPara.OnClick = [this] { mnuCostPara_Click(); };
}

void frmNormWgt::ShowWeights(const std::array<Single, 11>& w) {
  for (size_t i = 0; i <= 10; ++i) forms::ShowNumber(txtWgtFtr[i], w[i]);
}

void frmNormWgt::Form_Load() {
  ownWgt_.clear();
  ShowWeights(f_.WgtFtr);
  for (size_t i = 0; i <= 10; ++i) txtNormFtr[i].SetText(common::DisplayText(f_.NormFtr[i]));
  f_.FtrChanged = f_.DefFtrSelected = f_.UsrFtrSelected = false;
  Option1.SetValue(false);
  Option2.SetValue(false);
  Option1.SetFontBold(false);
  Option2.SetFontBold(false);
}

void frmNormWgt::Option1_Click() {
  ShowWeights(f_.DefWgtFtr);
  f_.CostPara = f_.DefCostPara;
  f_.EgyPrice = f_.DefEgyPrice;
  Option1.SetFontBold(true);
  Option2.SetFontBold(false);
  f_.UsrFtrSelected = false;
  f_.DefFtrSelected = true;
}

void frmNormWgt::Option2_Click() {
  ShowWeights(f_.UsrWgtFtr);
  f_.CostPara = f_.UsrCostPara;
  f_.EgyPrice = f_.UsrEgyPrice;
  Option2.SetFontBold(true);
  Option1.SetFontBold(false);
  f_.UsrFtrSelected = true;
  f_.DefFtrSelected = false;
}

std::optional<std::array<Single, 11>> frmNormWgt::TypedWeights() {
  std::array<Single, 11> w{};
  for (size_t i = 0; i <= 10; ++i) {
    auto v = forms::BoxSingle(txtWgtFtr[i]);
    if (!v) {
      std::string row = i == 0 ? "the life-cycle cost" : "category " + std::to_string(i);
      MsgBox("The weighting factor of " + row + " is too large. Nothing is stored.");
      return std::nullopt;
    }
    w[i] = *v;
  }
  return w;
}

// The typed weights become the user's before the question, whatever its
// answer; only Yes puts the user's values in use.
void frmNormWgt::cmdOkay_Click() {
  auto typed = TypedWeights();
  if (!typed) return;
  for (size_t i = 0; i <= 10; ++i)
    if ((*typed)[i] != f_.WgtFtr[i]) f_.FtrChanged = true;
  f_.UsrWgtFtr = *typed;
  if (!f_.FtrChanged) {
    Unload();
    return;
  }
  switch (MsgBox(kQuestion, forms::MsgButtons::YesNoCancel)) {
    case forms::MsgResult::Cancel:
      return;
    case forms::MsgResult::Yes:
      WriteWeightingFile(f_.UsrWgtFtr);  // a cancelled dialog saves nothing and goes on
      f_.WgtFtr = f_.UsrWgtFtr;
      f_.CostPara = f_.UsrCostPara;
      f_.EgyPrice = f_.UsrEgyPrice;
      Unload();
      return;
    default:
      Unload();
      return;
  }
}

bool frmNormWgt::WriteWeightingFile(const std::array<Single, 11>& weights) {
  forms::FileDialogRequest request;
  request.title = "Save Weighting / Cost Para. File";
  request.filter = "Weighting/Cost Para. Data Files (*.WGT)|*.WGT";
  request.ownFile = ownWgt_;
  auto chosen = GetPlatform().SaveFileDialog(request);
  if (!chosen || chosen->empty()) return false;
  std::string why;
  bool written = assessment::WriteWeightingFile(*chosen, {weights, f_.UsrCostPara}, why);
  if (written) {
    ownWgt_ = *chosen;
  } else {
    MsgBox("The weighting file was not saved: " + why + ".");
  }
  return written;
}

// The typed weights become the user's before the dialog, whether or not
// the file is then written.
void frmNormWgt::mnuFSave_Click() {
  auto typed = TypedWeights();
  if (!typed) return;
  f_.UsrWgtFtr = *typed;
  WriteWeightingFile(f_.UsrWgtFtr);
}

void frmNormWgt::mnuFOpen_Click() {
  forms::FileDialogRequest request;
  request.title = "Open Weighting Data File";
  request.filter = "Weighting Data Files (*.WGT)|*.WGT";
  auto chosen = GetPlatform().OpenFileDialog(request);
  if (!chosen || chosen->empty()) return;
  std::string why;
  WeightingValues loaded;
  auto text = common::ReadWholeFile(*chosen, &why);
  bool ok = text && ParseWeightingFile(*text, loaded, why);
  if (!ok) {
    MsgBox("The weighting file could not be read (" + why +
           "). The user weighting factors and cost parameters are unchanged.");
    return;
  }
  ownWgt_ = *chosen;
  f_.UsrWgtFtr = loaded.wgtFtr;
  f_.UsrCostPara = loaded.costPara;
  if (Option2.Value()) {
    Option2_Click();  // already chosen: setting it again would run nothing
  } else {
    Option2.SetValue(true);
  }
}

void frmNormWgt::mnuCostPara_Click() { costPara_.Show(true); }

}  // namespace assessment
