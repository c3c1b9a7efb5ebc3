#include "building/frm_add_group.h"

#include <algorithm>
#include <utility>

#include "assessment/selection_branch.h"
#include "building/element_library.h"
#include "building/frm_platform_dialogs.h"
#include "building/group_commands.h"
#include "building/group_file.h"
#include "common/number_text.h"
#include "forms/keys.h"

namespace building {

using assessment::SelectionBranchOf;
using common::Single;

namespace {
constexpr int kMaxComponents = 101;
constexpr int kMaxElements = 21;
}  // namespace

frmAddGroup::frmAddGroup(common::Program& prog, forms::Platform& platform,
                         std::function<forms::Form&()> componentEditor)
    : Form(platform, "frmAddGroup"),
      lblGroupName(*this, "lblGroupName"),
      lblGroupNo(*this, "lblGroupNo"),
      lblGrpFileName(*this, "lblGrpFileName"),
      txtGroupName(*this, "txtGroupName"),
      txtGroupNo(*this, "txtGroupNo"),
      txtGrpFileName(*this, "txtGrpFileName"),
      lblGrpComp(*this, "lblGrpComp"),
      lblGrpType(*this, "lblGrpType"),
      lblGrpCNo(*this, "lblGrpCNo"),
      lstGrpComp(*this, "lstGrpComp"),
      lstGrpType(*this, "lstGrpType"),
      lstGrpCNo(*this, "lstGrpCNo"),
      cmdAddGrpComp(*this, "cmdAddGrpComp"),
      cmdEditGrpComp(*this, "cmdEditGrpComp"),
      cmdDeleteGrpComp(*this, "cmdDeleteGrpComp"),
      cmdGrpCUp(*this, "cmdGrpCUp"),
      cmdGrpCDn(*this, "cmdGrpCDn"),
      cmdLoadGroup(*this, "cmdLoadGroup"),
      cmdSaveGroup(*this, "cmdSaveGroup"),
      cmdReturn(*this, "cmdReturn"),
      Label1(*this, "Label1"),
      Frame1(*this, "Frame1"),
      Option1(Frame1, "Option1"),
      Option2(Frame1, "Option2"),
      Option3(Frame1, "Option3"),
      prog_(prog),
      componentEditor_(std::move(componentEditor)) {
  Layout();
  WireHandlers();
}

void frmAddGroup::Layout() {
  SetClientSize(8175, 5520);
  lblGroupName.Move(240, 240, 3615, 255);
  txtGroupName.Move(240, 480, 3615, 285);
  lblGroupNo.SetCaption("No. in the Building");
  lblGroupNo.Move(4080, 240, 1575, 255);
  txtGroupNo.Move(4080, 480, 1215, 285);
  lblGrpFileName.Move(240, 840, 3615, 255);
  txtGrpFileName.Move(240, 1080, 5055, 285);
  txtGrpFileName.SetLocked(true);  // shown only: the file is settled by Save and Load
  cmdReturn.SetCaption("Return");
  cmdReturn.Move(6360, 240, 1575, 375);
  cmdLoadGroup.Move(6360, 720, 1575, 375);
  cmdSaveGroup.Move(6360, 1200, 1575, 375);

  lblGrpComp.Move(600, 1560, 3135, 255);
  lstGrpComp.Move(600, 1800, 3135, 2790);
  lblGrpType.SetCaption("Type");
  lblGrpType.Move(3840, 1560, 1695, 255);
  lstGrpType.Move(3840, 1800, 1695, 2790);
  lblGrpCNo.Move(5640, 1560, 855, 255);
  lstGrpCNo.Move(5640, 1800, 855, 2790);
  // The arrow glyphs stand for the arrow pictures of the move buttons.
  cmdGrpCUp.SetCaption("\u25B2");
  cmdGrpCUp.Move(240, 2040, 255, 255);
  cmdGrpCDn.SetCaption("\u25BC");
  cmdGrpCDn.Move(240, 2400, 255, 255);
  cmdAddGrpComp.SetCaption("Add Component");
  cmdAddGrpComp.Move(600, 4800, 1575, 375);
  cmdEditGrpComp.SetCaption("Edit Component");
  cmdEditGrpComp.Move(2280, 4800, 1575, 375);
  cmdDeleteGrpComp.SetCaption("Delete Component");
  cmdDeleteGrpComp.Move(3960, 4800, 1575, 375);

  Label1.SetCaption("Element(s) to be Assessed");
  Label1.Move(6600, 1560, 1455, 495);
  Frame1.SetCaption("");
  Frame1.Move(6600, 2040, 1335, 1095);
  Option1.SetCaption("All");
  Option1.Move(120, 120, 1095, 255);
  Option2.SetCaption("Some");
  Option2.Move(120, 420, 1095, 255);
  Option3.SetCaption("None");
  Option3.Move(120, 720, 1095, 255);
}

void frmAddGroup::WireHandlers() {
  lstGrpComp.OnClick = [this] { lstGrpComp_Click(); };
  lstGrpComp.OnDblClick = [this] { lstGrpComp_DblClick(); };
  lstGrpComp.OnKeyDown = [this](int& key, int shift) { lstGrpComp_KeyDown(key, shift); };
  lstGrpCNo.OnClick = [this] { lstGrpCNo_Click(); };
  lstGrpType.OnClick = [this] { lstGrpType_Click(); };
  cmdAddGrpComp.OnClick = [this] { cmdAddGrpComp_Click(); };
  cmdEditGrpComp.OnClick = [this] { cmdEditGrpComp_Click(); };
  cmdDeleteGrpComp.OnClick = [this] { cmdDeleteGrpComp_Click(); };
  cmdGrpCUp.OnClick = [this] { cmdGrpCUp_Click(); };
  cmdGrpCDn.OnClick = [this] { cmdGrpCDn_Click(); };
  Option1.OnClick = [this] { Option1_Click(); };
  Option2.OnClick = [this] { Option2_Click(); };
  Option3.OnClick = [this] { Option3_Click(); };
  cmdLoadGroup.OnClick = [this] { cmdLoadGroup_Click(); };
  cmdSaveGroup.OnClick = [this] { cmdSaveGroup_Click(); };
  cmdReturn.OnClick = [this] { cmdReturn_Click(); };
}

// ---- Opening, showing and closing ----

void frmAddGroup::Form_Load() {
  auto& st = prog_.building;
  const GroupKind* kind = GroupKindOf(st.GrpType);
  lblGrpCNo.SetCaption(kind ? kind->CountLabel : "");
  ModInpCtl::SetCompTypeNames(st);
  SetCaption(st.GrpTypeName);
  lblGroupName.SetCaption(st.GrpTypeName + " Name");
  lblGrpFileName.SetCaption(st.GrpTypeName + " File Name");
  lblGrpComp.SetCaption(st.GrpTypeName + " Components");
  cmdLoadGroup.SetCaption("Load " + st.GrpTypeName);
  cmdSaveGroup.SetCaption("Save " + st.GrpTypeName);
  ClearGrpForm();
  cmdLoadGroup.SetEnabled(false);
  // A group that names no file is new; one that names a file is read from
  // it, whatever its number in the building (a number of 0 must not open
  // an existing group empty, where a save would overwrite its file).
  ownGrpFile_ = st.CurGrp.GrpFile;
  if (st.CurGrp.GrpFile.empty()) {
    cmdLoadGroup.SetEnabled(true);
    saved_ = false;
  } else {
    CommandResult read = ReadGrpFile(st);
    ShowCommandMessage(*this, read.message);
    if (read.done) ShowGrp();
    saved_ = true;
  }
}

void frmAddGroup::ClearGrpForm() {
  txtGroupName.SetText("");
  txtGroupNo.SetText("");
  txtGrpFileName.SetText("");
  lstGrpComp.Clear();
  lstGrpType.Clear();
  lstGrpCNo.Clear();
  cmdEditGrpComp.SetEnabled(false);
  cmdDeleteGrpComp.SetEnabled(false);
  for (forms::OptionButton* o : {&Option1, &Option2, &Option3}) o->SetEnabled(false);
}

std::string frmAddGroup::TypeName(common::Integer type) const {
  const auto& names = prog_.building.CompTypeName;
  return type >= 0 && type < static_cast<int>(names.size()) ? names[static_cast<size_t>(type)] : std::string();
}

void frmAddGroup::AddRow(int r) {
  const auto& g = prog_.building.CurGrp;
  auto i = static_cast<size_t>(r);
  lstGrpComp.AddItem(g.GrpCompName[i], r);
  lstGrpType.AddItem(TypeName(g.GrpCompType[i]), r);
  lstGrpCNo.AddItem(common::DisplayText(g.GrpCompQty[i]), r);
}

void frmAddGroup::ShowRow(int r) {
  const auto& g = prog_.building.CurGrp;
  auto i = static_cast<size_t>(r);
  lstGrpComp.SetList(r, g.GrpCompName[i]);
  lstGrpType.SetList(r, TypeName(g.GrpCompType[i]));
  lstGrpCNo.SetList(r, common::DisplayText(g.GrpCompQty[i]));
}

void frmAddGroup::ShowGrp() {
  const auto& g = prog_.building.CurGrp;
  txtGrpFileName.SetText(g.GrpFile);
  txtGroupName.SetText(g.GrpName);
  txtGroupNo.SetText(common::ExactText(g.GrpQty));  // a second save keeps every digit
  int count = std::clamp<int>(g.NoOfComp, 0, kMaxComponents);
  for (int i = 0; i < count; ++i) AddRow(i);
}

bool frmAddGroup::SaveGroup() {
  auto& st = prog_.building;
  GroupBoxes boxes{txtGroupName.Text(), txtGroupNo.Text(), lstGrpComp.ListCount()};
  PlatformDialogs dialogs(GetPlatform());
  CommandResult saved = SaveGrpFile(st, dialogs, boxes, ownGrpFile_);
  ShowCommandMessage(*this, saved.message);
  if (!saved.done) return false;
  ownGrpFile_ = st.CurGrp.GrpFile;
  txtGrpFileName.SetText(st.CurGrp.GrpFile);
  saved_ = true;
  return true;
}

bool frmAddGroup::MayClose() {
  return saved_ || SaveBeforeClosing("Save data before closing this form?", [this] { return SaveGroup(); });
}

void frmAddGroup::cmdSaveGroup_Click() { SaveGroup(); }

void frmAddGroup::cmdReturn_Click() {
  if (MayClose()) Unload();
}

void frmAddGroup::Form_QueryUnload(int& cancel, int unloadMode) {
  if (unloadMode == 0 && !MayClose()) cancel = 1;
}

void frmAddGroup::cmdLoadGroup_Click() {
  bool cancelled = false;
  PlatformDialogs dialogs(GetPlatform());
  CommandResult read = LoadGrpFile(prog_.building, dialogs, &cancelled);
  if (cancelled) return;
  ShowCommandMessage(*this, read.message);
  if (read.done) {
    lstGrpComp.Clear();
    lstGrpType.Clear();
    lstGrpCNo.Clear();
    ShowGrp();
  }
  saved_ = false;
}

// ---- Selecting a component and its share of elements ----

int frmAddGroup::GroupRow() const {
  const auto& st = prog_.building;
  auto branch = SelectionBranchOf(prog_.assess.sel, st.GrpType);
  if (!branch || st.SelGrpIdx < 0 || st.SelGrpIdx >= static_cast<int>(branch->grp.size())) return -1;
  return st.SelGrpIdx;
}

void frmAddGroup::ShowFactor() {
  int r = lstGrpComp.ListIndex();
  int g = GroupRow();
  if (r < 0 || g < 0) return;
  Single factor =
      SelectionBranchOf(prog_.assess.sel, prog_.building.GrpType)->comp[static_cast<size_t>(g)][static_cast<size_t>(r)];
  if (factor == 1.0f) {
    Option1.SetValue(true);
  } else if (factor == 0.0f) {
    Option3.SetValue(true);
  } else {
    Option2.SetEnabled(true);
    Option2.SetValue(true);
  }
}

void frmAddGroup::lstGrpComp_Click() {
  int r = lstGrpComp.ListIndex();
  lstGrpCNo.SetListIndex(r);
  lstGrpType.SetListIndex(r);
  if (r < 0) return;
  cmdEditGrpComp.SetEnabled(true);
  cmdDeleteGrpComp.SetEnabled(true);
  Option1.SetEnabled(true);
  Option3.SetEnabled(true);
  ShowFactor();
}

void frmAddGroup::SideListClicked(forms::ListBox& clicked) {
  int r = clicked.ListIndex();
  lstGrpComp.SetListIndex(r);
  lstGrpCNo.SetListIndex(r);
  lstGrpType.SetListIndex(r);
  if (r < 0) return;
  cmdEditGrpComp.SetEnabled(true);
  cmdDeleteGrpComp.SetEnabled(true);
}

void frmAddGroup::lstGrpComp_KeyDown(int& keyCode, int shift) {
  (void)shift;
  if (keyCode == forms::keys::Return) cmdEditGrpComp_Click();
}

void frmAddGroup::Option1_Click() {
  int r = lstGrpComp.ListIndex();
  int g = GroupRow();
  if (r < 0 || g < 0) return;
  auto branch = SelectionBranchOf(prog_.assess.sel, prog_.building.GrpType);
  branch->comp[static_cast<size_t>(g)][static_cast<size_t>(r)] = 1.0f;
  branch->resetElm(prog_.assess.sel, g, r, 0);
  Option2.SetEnabled(false);
}

void frmAddGroup::Option2_Click() {
  int r = lstGrpComp.ListIndex();
  int g = GroupRow();
  if (r < 0 || g < 0) return;
  SelectionBranchOf(prog_.assess.sel, prog_.building.GrpType)->comp[static_cast<size_t>(g)][static_cast<size_t>(r)] =
      0.5f;
}

void frmAddGroup::Option3_Click() {
  int r = lstGrpComp.ListIndex();
  int g = GroupRow();
  if (r < 0 || g < 0) return;
  SelectionBranchOf(prog_.assess.sel, prog_.building.GrpType)->comp[static_cast<size_t>(g)][static_cast<size_t>(r)] =
      0.0f;
  Option2.SetEnabled(false);
}

void frmAddGroup::ResetGrpSelection() {
  int g = GroupRow();
  if (g < 0) return;
  SelectionBranchOf(prog_.assess.sel, prog_.building.GrpType)->resetComp(prog_.assess.sel, g, 0);
  // The options of the component still selected show its factor after the reset.
  ShowFactor();
}

// ---- The component list commands ----

void frmAddGroup::cmdAddGrpComp_Click() {
  auto& st = prog_.building;
  auto& g = st.CurGrp;
  int n = lstGrpComp.ListCount();
  if (n >= kMaxComponents) {
    MsgBox("A group holds at most 101 components: no more can be added.");
    return;
  }
  int cur = lstGrpComp.ListIndex();
  g.GrpName = txtGroupName.Text();
  st.CurComp = common::CompRec{};
  st.CurComp.CompType = 0;
  st.SelCompIdx = -1;
  componentEditor_().Show(true);
  if (st.CurComp.CompName.empty()) return;

  int at = cur + 1;
  for (int i = n; i > at; --i) {
    auto to = static_cast<size_t>(i), from = static_cast<size_t>(i - 1);
    g.GrpCompFile[to] = g.GrpCompFile[from];
    g.GrpCompName[to] = g.GrpCompName[from];
    g.GrpCompType[to] = g.GrpCompType[from];
    g.GrpCompQty[to] = g.GrpCompQty[from];
  }
  auto row = static_cast<size_t>(at);
  g.GrpCompFile[row] = st.CurComp.CompFile;
  g.GrpCompName[row] = st.CurComp.CompName;
  g.GrpCompType[row] = st.CurComp.CompType;
  g.GrpCompQty[row] = st.CurComp.CompQty;
  AddRow(at);
  ResetGrpSelection();
  saved_ = false;
}

void frmAddGroup::cmdEditGrpComp_Click() {
  auto& st = prog_.building;
  auto& g = st.CurGrp;
  int r = lstGrpComp.ListIndex();
  if (r < 0) return;
  auto row = static_cast<size_t>(r);
  st.CurComp.CompFile = g.GrpCompFile[row];
  st.CurComp.CompName = g.GrpCompName[row];
  st.CurComp.CompType = g.GrpCompType[row];
  st.CurComp.CompQty = g.GrpCompQty[row];
  st.SelCompIdx = static_cast<common::Integer>(r);
  componentEditor_().Show(true);

  g.GrpCompFile[row] = st.CurComp.CompFile;
  g.GrpCompName[row] = st.CurComp.CompName;
  g.GrpCompType[row] = st.CurComp.CompType;
  g.GrpCompQty[row] = st.CurComp.CompQty;
  ShowRow(r);
  saved_ = false;

  int grp = GroupRow();
  if (grp < 0) return;
  auto branch = SelectionBranchOf(prog_.assess.sel, st.GrpType);
  const auto& flags = branch->elm[static_cast<size_t>(grp)][row];
  int elements = std::clamp<int>(st.CurComp.NoOfElm, 0, kMaxElements);
  bool anyLeftOut = std::any_of(flags.begin(), flags.begin() + elements, [](bool f) { return !f; });
  Single factor = branch->comp[static_cast<size_t>(grp)][row];
  if (Option1.Value()) {
    if (factor == 1.0f && anyLeftOut) {
      Option2.SetEnabled(true);
      Option2.SetValue(true);
    }
  } else if (Option2.Value()) {
    if (!(factor == 0.5f && anyLeftOut)) Option1.SetValue(true);
  }
}

void frmAddGroup::cmdDeleteGrpComp_Click() {
  auto& g = prog_.building.CurGrp;
  int r = lstGrpComp.ListIndex();
  if (r < 0) return;
  int last = lstGrpComp.ListCount() - 1;
  for (int i = r; i < last; ++i) {
    auto to = static_cast<size_t>(i), from = static_cast<size_t>(i + 1);
    g.GrpCompFile[to] = g.GrpCompFile[from];
    g.GrpCompName[to] = g.GrpCompName[from];
    g.GrpCompType[to] = g.GrpCompType[from];
    g.GrpCompQty[to] = g.GrpCompQty[from];
    ShowRow(i);
  }
  auto vacated = static_cast<size_t>(last);
  g.GrpCompFile[vacated].clear();
  g.GrpCompName[vacated].clear();
  g.GrpCompType[vacated] = 0;
  g.GrpCompQty[vacated] = 0;
  lstGrpComp.RemoveItem(last);
  lstGrpType.RemoveItem(last);
  lstGrpCNo.RemoveItem(last);
  ResetGrpSelection();
  saved_ = false;
}

void frmAddGroup::SwapComponents(int a, int b) {
  auto& g = prog_.building.CurGrp;
  auto i = static_cast<size_t>(a), j = static_cast<size_t>(b);
  std::swap(g.GrpCompFile[i], g.GrpCompFile[j]);
  std::swap(g.GrpCompName[i], g.GrpCompName[j]);
  std::swap(g.GrpCompType[i], g.GrpCompType[j]);
  std::swap(g.GrpCompQty[i], g.GrpCompQty[j]);
  ShowRow(a);
  ShowRow(b);
}

// A move resets the group's selection before the moved component is
// selected, so the options show the factor it holds afterwards.
void frmAddGroup::cmdGrpCUp_Click() {
  int r = lstGrpComp.ListIndex();
  if (r <= 0) return;
  SwapComponents(r - 1, r);
  ResetGrpSelection();
  lstGrpComp.SetListIndex(r - 1);
  saved_ = false;
}

void frmAddGroup::cmdGrpCDn_Click() {
  int r = lstGrpComp.ListIndex();
  if (r < 0 || r >= lstGrpComp.ListCount() - 1) return;
  SwapComponents(r, r + 1);
  ResetGrpSelection();
  lstGrpComp.SetListIndex(r + 1);
  saved_ = false;
}

}  // namespace building
