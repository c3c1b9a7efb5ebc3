#include "building/frm_bldg_sys_input.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "assessment/selection.h"
#include "assessment/selection_branch.h"
#include "building/group_kind_tables.h"
#include "common/number_text.h"
#include "forms/keys.h"
#include "forms/typed_input.h"

namespace building {

using assessment::SelectionBranchOf;
using common::Single;

namespace {

constexpr int kBandTop[3] = {1560, 3480, 5400};

}  // namespace

frmBldgSysInput::frmBldgSysInput(common::Program& prog, forms::Platform& platform, forms::Form& groupEditor,
                                 std::function<void()> showMain)
    : Form(platform, "frmBldgSysInput"),
      lblProjName(*this, "lblProjName"),
      lblCFA(*this, "lblCFA"),
      txtProjName(*this, "txtProjName"),
      txtCFA(*this, "txtCFA"),
      cmdReturn(*this, "cmdReturn"),
      Line1(*this, "Line1"),
      Line2(*this, "Line2"),
      Line3(*this, "Line3"),
      cmdFdnUp(*this, "cmdFdnUp"),
      cmdFdnDn(*this, "cmdFdnDn"),
      lblFoundationName(*this, "lblFoundationName"),
      lblFdnNo(*this, "lblFdnNo"),
      lstFoundationName(*this, "lstFoundationName"),
      lstFdnNo(*this, "lstFdnNo"),
      cmdAddFoundation(*this, "cmdAddFoundation"),
      cmdEditFoundation(*this, "cmdEditFoundation"),
      cmdDeleteFoundation(*this, "cmdDeleteFoundation"),
      lblFdnAssess(*this, "lblFdnAssess"),
      Frame1(*this, "Frame1"),
      Option1(Frame1, "Option1"),
      Option2(Frame1, "Option2"),
      Option3(Frame1, "Option3"),
      chkFdn(*this, "chkFdn"),
      cmdFlrUp(*this, "cmdFlrUp"),
      cmdFlrDn(*this, "cmdFlrDn"),
      lblFloorName(*this, "lblFloorName"),
      lblFlrNo(*this, "lblFlrNo"),
      lstFloorName(*this, "lstFloorName"),
      lstFlrNo(*this, "lstFlrNo"),
      cmdAddFloor(*this, "cmdAddFloor"),
      cmdEditFloor(*this, "cmdEditFloor"),
      cmdDeleteFloor(*this, "cmdDeleteFloor"),
      lblFlrAssess(*this, "lblFlrAssess"),
      Frame2(*this, "Frame2"),
      Option4(Frame2, "Option4"),
      Option5(Frame2, "Option5"),
      Option6(Frame2, "Option6"),
      chkFlr(*this, "chkFlr"),
      cmdSerUp(*this, "cmdSerUp"),
      cmdSerDn(*this, "cmdSerDn"),
      lblServicesName(*this, "lblServicesName"),
      lblSerNo(*this, "lblSerNo"),
      lstServicesName(*this, "lstServicesName"),
      lstSerNo(*this, "lstSerNo"),
      cmdAddServices(*this, "cmdAddServices"),
      cmdEditServices(*this, "cmdEditServices"),
      cmdDeleteServices(*this, "cmdDeleteServices"),
      lblSerAssess(*this, "lblSerAssess"),
      Frame3(*this, "Frame3"),
      Option7(Frame3, "Option7"),
      Option8(Frame3, "Option8"),
      Option9(Frame3, "Option9"),
      chkSer(*this, "chkSer"),
      prog_(prog),
      groupEditor_(groupEditor),
      showMain_(std::move(showMain)),
      bands_{{{100, "Foundation", lstFoundationName, lstFdnNo, cmdAddFoundation, cmdEditFoundation, cmdDeleteFoundation,
               cmdFdnUp, cmdFdnDn, chkFdn, Option1, Option2, Option3},
              {200, "Floor", lstFloorName, lstFlrNo, cmdAddFloor, cmdEditFloor, cmdDeleteFloor, cmdFlrUp, cmdFlrDn,
               chkFlr, Option4, Option5, Option6},
              {300, "Services", lstServicesName, lstSerNo, cmdAddServices, cmdEditServices, cmdDeleteServices, cmdSerUp,
               cmdSerDn, chkSer, Option7, Option8, Option9}}} {
  Layout();
  WireHandlers();
}

void frmBldgSysInput::Layout() {
  SetCaption("Building and System");
  SetClientSize(8655, 6975);
  lblProjName.SetCaption("Project Name");
  lblProjName.Move(600, 360, 3615, 255);
  txtProjName.Move(600, 600, 3615, 285);
  txtProjName.SetLocked(true);  // shown only: the name is set in the main window
  lblCFA.SetCaption("CFA (sqm)");
  lblCFA.Move(4320, 360, 1215, 255);
  txtCFA.Move(4320, 600, 1215, 285);
  cmdReturn.SetCaption("Return");
  cmdReturn.Move(6360, 240, 1695, 375);
  Line1.SetPoints(120, 1440, 8535, 1440);
  Line2.SetPoints(120, 3360, 8535, 3360);
  Line3.SetPoints(120, 5280, 8535, 5280);
  LayoutBand(bands_[kFdn], lblFoundationName, lblFdnNo, lblFdnAssess, Frame1, "Foundation Name", kBandTop[kFdn]);
  LayoutBand(bands_[kFlr], lblFloorName, lblFlrNo, lblFlrAssess, Frame2, "Floor Name", kBandTop[kFlr]);
  LayoutBand(bands_[kSer], lblServicesName, lblSerNo, lblSerAssess, Frame3, "Services Name", kBandTop[kSer]);
}

void frmBldgSysInput::LayoutBand(Band& b, forms::Label& nameHead, forms::Label& numberHead, forms::Label& assessHead,
                                 forms::Frame& frame, const char* nameCaption, int top) {
  // The arrow glyphs stand for the arrow pictures of the move buttons.
  b.up.SetCaption("\u25B2");
  b.up.Move(240, top + 240, 255, 255);
  b.dn.SetCaption("\u25BC");
  b.dn.Move(240, top + 600, 255, 255);
  nameHead.SetCaption(nameCaption);
  nameHead.Move(600, top - 60, 3615, 255);
  b.names.Move(600, top + 200, 3615, 1230);
  numberHead.SetCaption("No. in Building");
  numberHead.Move(4320, top - 60, 1215, 255);
  b.numbers.Move(4320, top + 200, 1215, 1230);
  std::string word = b.word;
  b.add.SetCaption("Add " + word);
  b.add.Move(5640, top + 200, 1575, 375);
  b.edit.SetCaption("Edit " + word);
  b.edit.Move(5640, top + 620, 1575, 375);
  b.del.SetCaption("Delete " + word);
  b.del.Move(5640, top + 1040, 1575, 375);
  assessHead.SetCaption("Comp(s) to be Assessed");
  assessHead.Move(7320, top - 60, 1215, 375);
  frame.SetCaption("");
  frame.Move(7320, top + 320, 1095, 855);
  b.all.SetCaption("All");
  b.all.Move(120, 60, 855, 255);
  b.some.SetCaption("Some");
  b.some.Move(120, 310, 855, 255);
  b.none.SetCaption("None");
  b.none.Move(120, 560, 855, 255);
  b.skip.SetCaption("Skip All");
  b.skip.Move(7320, top + 1200, 1095, 255);
}

void frmBldgSysInput::WireHandlers() {
  cmdReturn.OnClick = [this] { cmdReturn_Click(); };
  cmdAddFoundation.OnClick = [this] { cmdAddFoundation_Click(); };
  cmdAddFloor.OnClick = [this] { cmdAddFloor_Click(); };
  cmdAddServices.OnClick = [this] { cmdAddServices_Click(); };
  cmdEditFoundation.OnClick = [this] { cmdEditFoundation_Click(); };
  cmdEditFloor.OnClick = [this] { cmdEditFloor_Click(); };
  cmdEditServices.OnClick = [this] { cmdEditServices_Click(); };
  cmdDeleteFoundation.OnClick = [this] { cmdDeleteFoundation_Click(); };
  cmdDeleteFloor.OnClick = [this] { cmdDeleteFloor_Click(); };
  cmdDeleteServices.OnClick = [this] { cmdDeleteServices_Click(); };
  cmdFdnUp.OnClick = [this] { cmdFdnUp_Click(); };
  cmdFlrUp.OnClick = [this] { cmdFlrUp_Click(); };
  cmdSerUp.OnClick = [this] { cmdSerUp_Click(); };
  cmdFdnDn.OnClick = [this] { cmdFdnDn_Click(); };
  cmdFlrDn.OnClick = [this] { cmdFlrDn_Click(); };
  cmdSerDn.OnClick = [this] { cmdSerDn_Click(); };
  lstFoundationName.OnClick = [this] { lstFoundationName_Click(); };
  lstFloorName.OnClick = [this] { lstFloorName_Click(); };
  lstServicesName.OnClick = [this] { lstServicesName_Click(); };
  lstFoundationName.OnDblClick = [this] { lstFoundationName_DblClick(); };
  lstFloorName.OnDblClick = [this] { lstFloorName_DblClick(); };
  lstServicesName.OnDblClick = [this] { lstServicesName_DblClick(); };
  lstFoundationName.OnKeyDown = [this](int& key, int shift) { lstFoundationName_KeyDown(key, shift); };
  lstFloorName.OnKeyDown = [this](int& key, int shift) { lstFloorName_KeyDown(key, shift); };
  lstServicesName.OnKeyDown = [this](int& key, int shift) { lstServicesName_KeyDown(key, shift); };
  lstFdnNo.OnClick = [this] { lstFdnNo_Click(); };
  lstFlrNo.OnClick = [this] { lstFlrNo_Click(); };
  lstSerNo.OnClick = [this] { lstSerNo_Click(); };
  chkFdn.OnClick = [this] { chkFdn_Click(); };
  chkFlr.OnClick = [this] { chkFlr_Click(); };
  chkSer.OnClick = [this] { chkSer_Click(); };
  Option1.OnClick = [this] { Option1_Click(); };
  Option2.OnClick = [this] { Option2_Click(); };
  Option3.OnClick = [this] { Option3_Click(); };
  Option4.OnClick = [this] { Option4_Click(); };
  Option5.OnClick = [this] { Option5_Click(); };
  Option6.OnClick = [this] { Option6_Click(); };
  Option7.OnClick = [this] { Option7_Click(); };
  Option8.OnClick = [this] { Option8_Click(); };
  Option9.OnClick = [this] { Option9_Click(); };
}

// ---- Load and Return ----

void frmBldgSysInput::Form_Load() {
  auto& bldg = prog_.building.Bldg;
  for (Band& b : bands_) {
    b.names.Clear();
    b.numbers.Clear();
  }
  txtCFA.SetText("");
  for (int k = kFdn; k <= kSer; ++k) {
    Band& b = bands_[static_cast<size_t>(k)];
    SetEditDelete(static_cast<Kind>(k), false);
    auto branch = SelectionBranchOf(prog_.assess.sel, b.grpType);
    b.skip.SetValue(branch->skip != 0 ? 1 : 0);
    for (forms::OptionButton* o : {&b.all, &b.some, &b.none}) {
      o->SetValue(false);
      o->SetEnabled(false);
    }
  }
  txtProjName.SetText(bldg.ProjName);
  forms::ShowNumber(txtCFA, bldg.CFA, common::ShortText);
  if (bldg.ProjFile.empty()) return;
  for (Band& b : bands_) {
    auto rows = BldgGroupListOf(bldg, b.grpType);
    // A count beyond the rows of the list shows every row it can.
    int count = std::clamp<int>(rows->count, 0, static_cast<int>(rows->name.size()));
    for (int i = 0; i < count; ++i) {
      b.names.AddItem(rows->name[static_cast<size_t>(i)]);
      b.numbers.AddItem(common::ShortText(rows->qty[static_cast<size_t>(i)]));
    }
  }
}

bool frmBldgSysInput::StoreBuilding() {
  auto& bldg = prog_.building.Bldg;
  auto cfa = forms::BoxSingle(txtCFA);
  if (!cfa) {
    MsgBox("The construction floor area is too large to be stored.");
    return false;
  }
  bldg.CFA = *cfa;
  for (Band& b : bands_) BldgGroupListOf(bldg, b.grpType)->count = static_cast<common::Integer>(b.names.ListCount());
  return true;
}

void frmBldgSysInput::cmdReturn_Click() {
  if (!StoreBuilding()) return;
  if (showMain_) showMain_();
  Unload();
}

void frmBldgSysInput::Form_QueryUnload(int& cancel, int unloadMode) {
  if (unloadMode == 0 && !StoreBuilding()) cancel = 1;
}

// ---- Selecting a row ----

void frmBldgSysInput::SetEditDelete(Kind k, bool enabled) {
  bands_[k].edit.SetEnabled(enabled);
  bands_[k].del.SetEnabled(enabled);
}

void frmBldgSysInput::NameSelected(Kind k) {
  Band& b = bands_[k];
  int row = b.names.ListIndex();
  if (row >= 0) SetEditDelete(k, true);
  prog_.building.SelGrpIdx = static_cast<common::Integer>(row);
  b.numbers.SetListIndex(row);
  OptionDisplay(k);
}

void frmBldgSysInput::NumberSelected(Kind k) {
  Band& b = bands_[k];
  int row = b.numbers.ListIndex();
  if (row >= 0) SetEditDelete(k, true);
  b.names.SetListIndex(row);
}

void frmBldgSysInput::NameKeyDown(Kind k, int& keyCode, int shift) {
  (void)shift;
  if (keyCode == forms::keys::Return) Edit(k);
}

void frmBldgSysInput::ClearSelection(Kind k) {
  Band& b = bands_[k];
  if (b.names.ListIndex() != -1) {
    b.names.SetListIndex(-1);
  } else {
    NameSelected(k);
  }
}

// ---- Selection for assessment ----

void frmBldgSysInput::OptionDisplay(Kind k) {
  Band& b = bands_[k];
  int row = b.names.ListIndex();
  // Floors enable their options only for a selected group.
  if (k != kFlr || row >= 0) {
    b.all.SetEnabled(true);
    b.none.SetEnabled(true);
  }
  if (row < 0) return;
  Single factor = SelectionBranchOf(prog_.assess.sel, b.grpType)->grp[static_cast<size_t>(row)];
  if (factor == 1.0f) {
    b.all.SetValue(true);
  } else if (factor == 0.0f) {
    b.none.SetValue(true);
  } else {
    b.some.SetEnabled(true);
    b.some.SetValue(true);
  }
}

void frmBldgSysInput::SkipAllClicked(Kind k) {
  Band& b = bands_[k];
  SelectionBranchOf(prog_.assess.sel, b.grpType)->skip = static_cast<common::Integer>(b.skip.Value() == 1 ? 1 : 0);
}

void frmBldgSysInput::OptionAll(Kind k) {
  Band& b = bands_[k];
  int row = b.names.ListIndex();
  prog_.building.SelGrpIdx = static_cast<common::Integer>(row);
  if (row < 0) return;
  auto branch = SelectionBranchOf(prog_.assess.sel, b.grpType);
  branch->grp[static_cast<size_t>(row)] = 1.0f;
  branch->resetComp(prog_.assess.sel, row, 0);
  b.some.SetEnabled(false);
}

void frmBldgSysInput::OptionSome(Kind k) {
  Band& b = bands_[k];
  int row = b.names.ListIndex();
  prog_.building.SelGrpIdx = static_cast<common::Integer>(row);
  if (row < 0) return;
  SelectionBranchOf(prog_.assess.sel, b.grpType)->grp[static_cast<size_t>(row)] = 0.5f;
}

void frmBldgSysInput::OptionNone(Kind k) {
  Band& b = bands_[k];
  int row = b.names.ListIndex();
  prog_.building.SelGrpIdx = static_cast<common::Integer>(row);
  if (row < 0) return;
  SelectionBranchOf(prog_.assess.sel, b.grpType)->grp[static_cast<size_t>(row)] = 0.0f;
  b.some.SetEnabled(false);
}

void frmBldgSysInput::RederiveAfterEdit(Kind k, int s) {
  Band& b = bands_[k];
  const auto& comp = SelectionBranchOf(prog_.assess.sel, b.grpType)->comp[static_cast<size_t>(s)];
  int count = std::clamp<int>(prog_.building.CurGrp.NoOfComp, 0, static_cast<int>(comp.size()));
  bool allWhole = std::all_of(comp.begin(), comp.begin() + count, [](Single f) { return f == 1.0f; });
  if (b.all.Value()) {
    if (!allWhole) {
      b.some.SetEnabled(true);
      b.some.SetValue(true);
    }
  } else if (b.some.Value()) {
    if (allWhole) b.all.SetValue(true);
  }
}

// ---- The list commands ----

void frmBldgSysInput::Add(Kind k) {
  auto& st = prog_.building;
  Band& b = bands_[k];
  auto rows = BldgGroupListOf(st.Bldg, b.grpType);
  int n = b.names.ListCount();
  int capacity = static_cast<int>(rows->name.size());
  if (n >= capacity) {
    MsgBox("No more " + std::string(b.word) + " groups can be added: a building holds at most " +
           std::to_string(capacity) + ".");
    return;
  }
  int s = b.names.ListIndex();
  st.GrpType = b.grpType;
  st.GrpTypeName = b.word;
  st.SelGrpIdx = -1;
  st.CurGrp.GrpFile.clear();
  st.CurGrp.GrpName.clear();
  st.CurGrp.GrpQty = 0;
  groupEditor_.Show(true);
  // Nothing comes back for an editor left without a name, nor for a group
  // that was never saved or loaded: it has no file to stand for.
  if (st.CurGrp.GrpName.empty() || st.CurGrp.GrpFile.empty()) return;

  int at = s + 1;
  for (int i = n; i > at; --i) {
    auto from = static_cast<size_t>(i - 1), to = static_cast<size_t>(i);
    rows->file[to] = rows->file[from];
    rows->name[to] = rows->name[from];
    rows->qty[to] = rows->qty[from];
  }
  auto row = static_cast<size_t>(at);
  rows->file[row] = st.CurGrp.GrpFile;
  rows->name[row] = st.CurGrp.GrpName;
  rows->qty[row] = st.CurGrp.GrpQty;
  b.names.AddItem(st.CurGrp.GrpName, at);
  b.numbers.AddItem(common::ShortText(st.CurGrp.GrpQty), at);
  // The count follows the rows at once, so a project saved meanwhile holds
  // exactly the rows shown.
  rows->count = static_cast<common::Integer>(n + 1);
  SetEditDelete(k, false);
  SelectionBranchOf(prog_.assess.sel, b.grpType)->resetKind(prog_.assess.sel, 0);
  // The options of a row still selected show its factor after the reset.
  if (b.names.ListIndex() >= 0) OptionDisplay(k);
}

void frmBldgSysInput::Edit(Kind k) {
  auto& st = prog_.building;
  Band& b = bands_[k];
  int s = b.names.ListIndex();
  if (s < 0) return;
  auto rows = BldgGroupListOf(st.Bldg, b.grpType);
  auto row = static_cast<size_t>(s);
  st.GrpType = b.grpType;
  st.GrpTypeName = b.word;
  st.SelGrpIdx = static_cast<common::Integer>(s);
  st.CurGrp.GrpFile = rows->file[row];
  st.CurGrp.GrpName = rows->name[row];
  st.CurGrp.GrpQty = rows->qty[row];
  groupEditor_.Show(true);

  rows->file[row] = st.CurGrp.GrpFile;
  rows->name[row] = st.CurGrp.GrpName;
  rows->qty[row] = st.CurGrp.GrpQty;
  b.names.SetList(s, st.CurGrp.GrpName);
  b.numbers.SetList(s, common::ShortText(st.CurGrp.GrpQty));
  SetEditDelete(k, false);
  RederiveAfterEdit(k, s);
}

void frmBldgSysInput::Delete(Kind k) {
  auto& st = prog_.building;
  Band& b = bands_[k];
  int s = b.names.ListIndex();
  if (s < 0) return;
  auto rows = BldgGroupListOf(st.Bldg, b.grpType);
  std::string question = rows->name[static_cast<size_t>(s)] + " will be removed from the Project. Continue?";
  if (MsgBox(question, forms::MsgButtons::OKCancel) == forms::MsgResult::OK) {
    int last = b.names.ListCount() - 1;
    for (int i = s; i < last; ++i) {
      auto to = static_cast<size_t>(i), from = static_cast<size_t>(i + 1);
      rows->file[to] = rows->file[from];
      rows->name[to] = rows->name[from];
      rows->qty[to] = rows->qty[from];
      b.names.SetList(i, rows->name[to]);
      b.numbers.SetList(i, common::ShortText(rows->qty[to]));
    }
    auto vacated = static_cast<size_t>(last);
    rows->file[vacated].clear();
    rows->name[vacated].clear();
    rows->qty[vacated] = 0;
    b.names.RemoveItem(last);
    b.numbers.RemoveItem(last);
    rows->count = static_cast<common::Integer>(last);
  }
  ClearSelection(k);
  SetEditDelete(k, false);
  SelectionBranchOf(prog_.assess.sel, b.grpType)->resetKind(prog_.assess.sel, 0);
}

void frmBldgSysInput::SwapRows(Kind k, int a, int c) {
  Band& b = bands_[k];
  auto rows = BldgGroupListOf(prog_.building.Bldg, b.grpType);
  auto i = static_cast<size_t>(a), j = static_cast<size_t>(c);
  std::swap(rows->file[i], rows->file[j]);
  std::swap(rows->name[i], rows->name[j]);
  std::swap(rows->qty[i], rows->qty[j]);
  for (int r : {a, c}) {
    b.names.SetList(r, rows->name[static_cast<size_t>(r)]);
    b.numbers.SetList(r, common::ShortText(rows->qty[static_cast<size_t>(r)]));
  }
}

void frmBldgSysInput::MoveUp(Kind k) {
  Band& b = bands_[k];
  int s = b.names.ListIndex();
  if (s <= 0) return;
  SwapRows(k, s - 1, s);
  ModCal::ResetAllSelections(prog_.assess.sel);
  b.names.SetListIndex(s - 1);
}

void frmBldgSysInput::MoveDown(Kind k) {
  Band& b = bands_[k];
  int s = b.names.ListIndex();
  if (s < 0 || s >= b.names.ListCount() - 1) return;
  SwapRows(k, s, s + 1);
  ModCal::ResetAllSelections(prog_.assess.sel);
  b.names.SetListIndex(s + 1);
}

}  // namespace building
