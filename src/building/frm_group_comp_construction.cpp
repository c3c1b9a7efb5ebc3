// "Save As Construction" of the component and element editor: the
// elements of a floor component become the layers of a new construction
// in the construction edit buffer, one layer per element in list order,
// and the constructions window opens on it in edit mode.
#include <algorithm>
#include <optional>
#include <string>

#include "assessment/lcia_database.h"
#include "building/file_reading.h"
#include "building/frm_group_comp.h"
#include "common/failure_text.h"
#include "common/number_text.h"
#include "common/project_paths.h"

namespace building {
namespace {

constexpr const char* kNoThickness = "Failed to obtain material thickness. Try again!!";
constexpr const char* kNoMaterial = "Failed to obtain material no. Try again!!";
constexpr const char* kNextForm =
    "Enter Outer and Inner Surface Absorptivity and Name the Construction in the next form.";

// What a layer needs of an element file: its name, type and first value
// with its remark. The kind code is read and not checked.
bool ReadElementHead(const std::string& path, common::ElmRec& elm, std::string& why) {
  ReadOutcome out;
  auto in = OpenDataFile(path, out);
  if (!in) {
    why = out.error;
    return false;
  }
  std::string ownName;
  common::Integer kind = 0;
  common::ElmRec r = elm;
  if (!in->Read(ownName) || !in->Read(kind) || !in->Read(r.ElmName) || !in->Read(r.ElmTypeNo) ||
      !in->Read(r.ElmValue[0]) || !in->Read(r.ElmRemark[0])) {
    why = in->Error();
    return false;
  }
  elm = std::move(r);
  return true;
}

}  // namespace

void frmGroupComp::mnuFSCons_Click() {
  auto& buf = prog_.energyInput;
  const auto& table = prog_.assess.mat;
  const int layers = std::clamp<int>(st_.CurComp.NoOfElm, 0, common::kMaxLayers);
  buf.CurNLay = static_cast<common::Integer>(layers);

  // The dialog shows each element through CurElm; the element in the
  // editor is given back afterwards, so that a later Save Element keeps its
  // own name and type.
  const common::ElmRec editing = st_.CurElm;
  auto stop = [&](const std::string& message) {
    if (!message.empty()) Say(message);
    st_.CurElm = editing;
  };

  for (int k = 1; k <= layers; ++k) {
    const std::string& file = st_.CurComp.CompElmFile[static_cast<size_t>(k - 1)];
    std::string why;
    if (!ReadElementHead(common::ResolveStoredFile(file, st_.ProjDir), st_.CurElm, why)) {
      stop(common::WithReason(
          "Element file " + file + " of layer " + std::to_string(k) + " cannot be read. The construction is not made.",
          why));
      return;
    }
    const size_t layer = static_cast<size_t>(k);
    int matNo = 0;
    common::Single thickness = 0;
    if (st_.CurElm.ElmTypeNo < 1) {
      // A generic element names its material in its first value; its
      // thickness is asked.
      double first = 0;
      auto no = common::ParseNumber(st_.CurElm.ElmValue[0], first) ? common::ToInteger(first) : std::nullopt;
      if (!no || ModCal::MaterialRow(table, *no) < 0) {
        stop("The first value of element " + st_.CurElm.ElmName +
             " is not a material no. The construction is not made.");
        return;
      }
      st_.InpMatThk = 0;
      st_.InpMatMode = 0;
      links_.inpMatData().Show(true);
      if (st_.InpMatThk <= 0) {
        stop(kNoThickness);
        return;
      }
      matNo = *no;
      thickness = st_.InpMatThk;
      buf.CurLayMatName[layer] = table.MatName[static_cast<size_t>(ModCal::MaterialRow(table, matNo))];
    } else {
      // A library element's first value is its thickness; its dominant
      // material is asked.
      st_.SelItemNo = -1;
      st_.InpMatMode = 1;
      links_.inpMatData().Show(true);
      if (st_.SelItemNo < 1 || ModCal::MaterialRow(table, st_.SelItemNo) < 0) {
        stop(kNoMaterial);
        return;
      }
      matNo = st_.SelItemNo;
      thickness = common::TypedSingle(st_.CurElm.ElmValue[0]).value_or(0);
      buf.CurLayMatName[layer] = st_.SelItemName;
    }
    const size_t row = static_cast<size_t>(ModCal::MaterialRow(table, matNo));
    buf.CurLayMatNo[layer] = static_cast<common::Integer>(matNo);
    buf.CurLayThk[layer] = thickness;
    for (size_t p = 0; p < 3; ++p) buf.CurLayProp[p][layer] = table.MatProp[row][p];
  }
  stop("");
  Say(kNextForm);
  buf.ConsFormMode = 1;
  links_.selCons().Show(true);
}

}  // namespace building
