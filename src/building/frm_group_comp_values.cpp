// The panel "Change Default Values of Element Parameters" of the component
// and element editor: per material of the element its default number,
// wastage, life and unit cost beside the values to be used, which Reset
// and Apply write to the element's user-value file.
#include <optional>
#include <string>

#include "assessment/lcia_database.h"
#include "building/element_default_file.h"
#include "building/element_library.h"
#include "building/frm_group_comp.h"
#include "building/user_value_file.h"
#include "common/failure_text.h"
#include "common/number_text.h"
#include "common/paths.h"
#include "common/project_paths.h"
#include "forms/typed_input.h"

namespace building {
namespace {

constexpr const char* kResetQuestion =
    "Previously entered user input data will be saved but ignored; default values will be used instead! Go ahead?";
constexpr const char* kResetReminder = "Make sure corresponding changes are made to the element inputs!";
constexpr const char* kApplyReminder =
    "Default values will be replaced by the user input. Make sure corresponding changes are made to the element "
    "inputs!";
constexpr const char* kSaveFirst =
    "Save the element first: the default values of its materials can be changed once it has been saved.";
constexpr int kGenericMaterials = 4;

// A whole value as a number (blanks around it allowed); nothing when the
// text is empty or not exactly one number.
std::optional<double> NumberIn(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const size_t last = text.find_last_not_of(' ');
  double value = 0;
  if (!common::ParseNumber(std::string_view(text).substr(first, last - first + 1), value)) return std::nullopt;
  return value;
}

}  // namespace

// A generic element names its materials in its own values: rows 1, 5, 9
// and 13 the material numbers, each followed by quantity, wastage and life.
bool frmGroupComp::LoadGenericDefaults() {
  const auto& elm = st_.CurElm;
  if (elm.ElmValue[0].empty()) return false;
  auto& mat = st_.elmMat;
  const auto& table = prog_.assess.mat;
  int count = 0;
  for (int m = 1; m <= kGenericMaterials; ++m) {
    const size_t base = static_cast<size_t>(4 * (m - 1));
    if (elm.ElmValue[base].empty()) break;
    auto number = NumberIn(elm.ElmValue[base]);
    // The material number as a plain value (-1: none), which also keeps
    // the optimiser from doubting it is set.
    const int no = number ? common::ToInteger(*number).value_or(-1) : -1;
    auto wastage = NumberIn(elm.ElmValue[base + 2]);
    auto life = NumberIn(elm.ElmValue[base + 3]);
    const int row = no >= 0 ? ModCal::MaterialRow(table, no) : -1;
    auto was = wastage ? common::ToSingle(*wastage) : std::nullopt;
    auto years = life ? common::ToSingle(*life) : std::nullopt;
    if (row < 0 || !was || !years) {
      Say("Material " + std::to_string(m) + " of element " + elm.ElmName +
          " has no valid material no., wastage or life. Correct the element's values first.");
      return false;
    }
    const size_t i = static_cast<size_t>(m);
    mat.ElmMatNo[0][i] = static_cast<common::Integer>(no);
    mat.ElmMatWas[0][i] = *was;
    mat.ElmMatLife[0][i] = *years;
    mat.ElmMatUCost[0][i] = table.MatUCost[static_cast<size_t>(row)];
    cboMNoInElm.AddItem(std::to_string(m));
    count = m;
  }
  ElmMatCount = count;
  return true;
}

// A library element takes its materials from the default data file of its
// type in the folder of its library.
bool frmGroupComp::LoadLibraryDefaults() {
  const int kind = st_.FileType;
  if (kind != 120 && kind != 220 && kind != 320) {
    Say("Type of element undefined!!");
    return false;
  }
  const std::string folder = ElementLibraryFolder(st_, static_cast<common::Integer>(kind - 20), st_.CompTypeIdx);
  ElmDefFile = common::PathIn(folder, ElementDefaultFileName(st_.CurElm.ElmTypeNo, ".IMP"));
  ElementDefaults defaults;
  std::string why;
  auto text = common::ReadWholeFile(ElmDefFile, &why);
  const DefaultsStatus status = text ? ParseElementDefaults(std::move(*text), defaults) : DefaultsStatus::Malformed;
  if (status == DefaultsStatus::Malformed) {
    Say(common::WithReason("Error in reading " + ElmDefFile, why));
    return false;
  }
  auto& mat = st_.elmMat;
  const auto& table = prog_.assess.mat;
  for (const DefaultMaterial& d : defaults.materials) {
    if (ModCal::MaterialRow(table, d.matNo) < 0) {
      Say("Material no. " + std::to_string(d.matNo) + " of " + ElmDefFile + " is not in the LCIA database.");
      return false;
    }
  }
  int m = 0;
  for (const DefaultMaterial& d : defaults.materials) {
    ++m;
    const size_t i = static_cast<size_t>(m);
    cboMNoInElm.AddItem(std::to_string(m));
    mat.ElmMatNo[0][i] = d.matNo;
    mat.ElmMatUCost[0][i] = table.MatUCost[static_cast<size_t>(ModCal::MaterialRow(table, d.matNo))];
    mat.ElmMatWas[0][i] = d.wastage;
    mat.ElmMatLife[0][i] = d.life;
  }
  ElmMatCount = m;
  return true;
}

void frmGroupComp::cmdChgElmD_Click() {
  for (forms::TextBox* box : {&txtLifeD, &txtLifeU, &txtWasD, &txtWasU, &txtUCostD, &txtUCostU}) box->SetText("");
  for (forms::Label* label : {&lblMatD, &lblMatU, &lblUnitD, &lblUnitU}) label->SetCaption("");
  CurMatIdx = 0;
  cboMNoInElm.Clear();
  // The values to be used live in a file named after the element file: an
  // element not saved yet, generic or from the library, has none.
  auto name = UserValueFileName(st_.CurElm.ElmFile);
  if (!name) {
    Say(kSaveFirst);
    return;
  }
  const bool generic = st_.CurElm.ElmTypeNo == 0;
  if (!(generic ? LoadGenericDefaults() : LoadLibraryDefaults())) return;
  ElmUserValFile = *name;
  // A missing or short user-value file gives the defaults as the values to be used.
  LoadUserValues(st_.elmMat, st_.CurElm.ElmFile, ElmMatCount, st_.ProjDir);

  if (ElmMatCount > 0) cboMNoInElm.SetListIndex(ElmMatCount - 1);
  mnuF.SetEnabled(false);
  mnuDirRet.SetEnabled(false);
  fraChgElmD.SetVisible(true);
  fraChgElmD.ZOrder();
}

// Keeps the values to be used of the material shown: a box left as shown
// keeps its value, a typed one is read, and a number beyond the Single
// range is refused and the earlier one kept.
void frmGroupComp::StoreUserBoxes() {
  if (CurMatIdx < 1 || CurMatIdx > 10) return;
  auto& mat = st_.elmMat;
  const size_t m = static_cast<size_t>(CurMatIdx);
  forms::StoreTyped(*this, txtLifeU, mat.ElmMatLife[1][m]);
  forms::StoreTyped(*this, txtWasU, mat.ElmMatWas[1][m]);
  forms::StoreTyped(*this, txtUCostU, mat.ElmMatUCost[1][m]);
}

void frmGroupComp::cboMNoInElm_Click() {
  StoreUserBoxes();
  const int m = cboMNoInElm.ListIndex() + 1;
  if (m < 1 || m > 10) return;  // typed text chooses no material
  const auto& mat = st_.elmMat;
  const auto& table = prog_.assess.mat;
  const size_t i = static_cast<size_t>(m);
  auto nameOf = [&](int no) {
    const int row = ModCal::MaterialRow(table, no);
    return row < 0 ? std::string() : table.MatName[static_cast<size_t>(row)];
  };
  auto unitOf = [&](int no) {
    const int row = ModCal::MaterialRow(table, no);
    return "per " + (row < 0 ? std::string() : table.MatUnit[static_cast<size_t>(row)]);
  };
  lblMatD.SetCaption(nameOf(mat.ElmMatNo[0][i]));
  lblMatU.SetCaption(nameOf(mat.ElmMatNo[1][i]));
  forms::ShowNumber(txtLifeD, mat.ElmMatLife[0][i]);
  forms::ShowNumber(txtLifeU, mat.ElmMatLife[1][i]);
  forms::ShowNumber(txtWasD, mat.ElmMatWas[0][i]);
  forms::ShowNumber(txtWasU, mat.ElmMatWas[1][i]);
  forms::ShowNumber(txtUCostD, mat.ElmMatUCost[0][i]);
  forms::ShowNumber(txtUCostU, mat.ElmMatUCost[1][i]);
  lblUnitD.SetCaption(unitOf(mat.ElmMatNo[0][i]));
  lblUnitU.SetCaption(unitOf(mat.ElmMatNo[1][i]));
  CurMatIdx = m;
}

void frmGroupComp::cmdSelMat_Click() {
  st_.SelItemNo = -1;
  frmMatLib& picker = links_.matLib();
  // Not a generic element's material row: every listed material may be chosen.
  picker.SetContext("", "");
  picker.Show(true);
  if (st_.SelItemNo <= 0 || CurMatIdx < 1 || CurMatIdx > 10) return;
  const int row = ModCal::MaterialRow(prog_.assess.mat, st_.SelItemNo);
  if (row < 0) return;
  lblMatU.SetCaption(prog_.assess.mat.MatName[static_cast<size_t>(row)]);
  st_.elmMat.ElmMatNo[1][static_cast<size_t>(CurMatIdx)] = st_.SelItemNo;
}

void frmGroupComp::WriteUserValues(bool inForce, const std::string& reminder) {
  StoreUserBoxes();
  if (ElmMatCount > 0) {
    std::string why;
    if (!SaveUserValues(st_.elmMat, st_.CurElm.ElmFile, ElmMatCount, inForce, st_.ProjDir, why)) {
      // Nothing is lost: the panel stays open with the values typed.
      Say("The user values of the element were not saved (" + why + ").");
      return;
    }
    ElmMatCount = 0;
  }
  Say(reminder);
  CloseValuesPanel();
}

void frmGroupComp::cmdUseDV_Click() {
  if (Say(kResetQuestion, forms::MsgButtons::OKCancel) != forms::MsgResult::OK) return;
  WriteUserValues(false, kResetReminder);
}

void frmGroupComp::cmdUseUIV_Click() { WriteUserValues(true, kApplyReminder); }

void frmGroupComp::cmdXFraChgElmD_Click() { CloseValuesPanel(); }

void frmGroupComp::CloseValuesPanel() {
  mnuF.SetEnabled(true);
  mnuDirRet.SetEnabled(true);
  fraChgElmD.SetVisible(false);
}

}  // namespace building
