// The component and element editor: opening, the element list (add, edit,
// show, delete, move, save), the element type, the assess choice, the
// component file commands and Return.
#include "building/frm_group_comp.h"

#include <string>
#include <utility>

#include "building/component_file.h"
#include "building/element_commands.h"
#include "building/element_file.h"
#include "building/file_naming.h"
#include "building/frm_platform_dialogs.h"
#include "common/failure_text.h"

namespace building {
namespace {

constexpr int kMaxElements = 20;
constexpr const char* kListFull = "No. of Elements defined already reached the Max. (20)!";
constexpr const char* kNameOrTypeMissing = "Element Type or Name missing!!";
constexpr const char* kSaveFailedQuestion =
    "Click OK to Ignore All Changes Make; Click Cancel to Continue with Editing Element Data.";
constexpr const char* kReturnQuestion =
    "Press Yes to save data before closing this form; No to skip saving; and Cancel to abort.";

}  // namespace

forms::MsgResult frmGroupComp::Say(const std::string& text, forms::MsgButtons buttons) {
  MsgText = text;
  return MsgBox(text, buttons);
}

// ---- opening ----

void frmGroupComp::Form_Load() {
  txtGrpName.SetText(st_.CurGrp.GrpName);
  txtCompName.SetText("");
  txtCompNo.SetText("");
  lstElm.Clear();
  EnableListCommands(true);
  cmdEditElm.SetEnabled(false);
  cmdDeleteElm.SetEnabled(false);
  Label3.SetVisible(false);
  lblEditmsgCell.SetCaption("Click Cell then Edit Here >");
  CompSaved = false;
  IsNewElm = false;
  Option1.SetValue(false);
  Option2.SetValue(false);
  SetCompFileKind();

  SetCaption(st_.GrpTypeName + " Component and Elements");
  lblGrpName.SetCaption(st_.GrpTypeName + " Name");
  lblCompName.SetCaption(st_.GrpTypeName + " Component Name");
  lblCompNo.SetCaption("No. in this " + st_.GrpTypeName);
  cboCompType.Clear();
  cboCompType.SetText("");
  // List index = component type index: the names stand in their slots in order.
  for (const std::string& name : st_.CompTypeName)
    if (!name.empty()) cboCompType.AddItem(name);

  fraChgElmD.Move(240, 240, 8295, 6495);
  CloseValuesPanel();
  ClearElementPanel();
  LockGridEditBox(true);
  msgElm.SetCell(1, 2);
  msgElm.SetTopRow(1);

  mnuFLComp.SetEnabled(true);
  OwnCompFile = st_.CurComp.CompFile;
  assessLines_.Reset(0);
  if (st_.CurComp.CompFile.empty()) return;
  ReadCompFile();
  mnuFLComp.SetEnabled(false);
  CompSaved = true;
}

void frmGroupComp::SetCompFileKind() {
  auto kind = building::SetCompFileKind(st_);
  FileFilter = kind ? kind->FileFilter : std::string();
  DefExt = kind ? kind->DefExt : std::string();
  mnuFSCons.SetEnabled(kind && kind->SaveAsConstruction);
}

void frmGroupComp::SetElmFileKind() {
  auto kind = building::SetElmFileKind(st_, cboCompType.ListIndex());
  FileFilter = kind ? kind->FileFilter : std::string();
  DefExt = kind ? kind->DefExt : std::string();
}

// ---- states of the controls ----

// The moves belong to the list commands: a move while an element is added
// or edited would drop the edit.
void frmGroupComp::EnableListCommands(bool on) {
  for (forms::Control* c : {static_cast<forms::Control*>(&lstElm), static_cast<forms::Control*>(&cmdAddElm),
                            static_cast<forms::Control*>(&cmdEditElm), static_cast<forms::Control*>(&cmdDeleteElm),
                            static_cast<forms::Control*>(&cmdElmUp), static_cast<forms::Control*>(&cmdElmDn)})
    c->SetEnabled(on);
}

void frmGroupComp::EnableElementCommands(bool load, bool save, bool type, bool values) {
  cmdLoadElm.SetEnabled(load);
  cmdSaveElm.SetEnabled(save);
  cmdElmType.SetEnabled(type);
  cmdChgElmD.SetEnabled(values);
}

// The element panel emptied: no name, no type, the grid's header only.
void frmGroupComp::ClearElementPanel() {
  txtElmName.SetText("");
  lblElmType.SetCaption("");
  EnableElementCommands(false, false, false, false);
  SetGridHeader();
  KeepPanelAsShown();
}

// ---- the component file ----

void frmGroupComp::ShowComponent(const ComponentBoxes& boxes) {
  txtCompName.SetText(boxes.compName);
  // Setting the type counts as a choice (it shows the order hint); a type
  // the list does not hold leaves none chosen.
  cboCompType.SetListIndex(boxes.compTypeIndex < cboCompType.ListCount() ? boxes.compTypeIndex : -1);
  txtCompNo.SetText(boxes.compNo);
  lstElm.Clear();
  for (const std::string& name : boxes.elementNames) lstElm.AddItem(name);
  assessLines_.Reset(lstElm.ListCount());
}

void frmGroupComp::ReadCompFile() {
  ComponentRead read = building::ReadCompFile(st_);
  ShowCommandMessage(*this, read.message);
  if (read.result == CommandRead::Read) {
    ShowComponent(read.shown);
  } else if (read.result == CommandRead::NotOpened) {
    // The window opens on an empty component; CurComp keeps what the group
    // editor gave, so nothing of the group's row is lost.
    Say(common::WithReason("Component file " + st_.CurComp.CompFile + " not found. The component is shown empty.",
                           read.reason));
  }
}

void frmGroupComp::SaveCompFile() {
  ComponentBoxes boxes;
  boxes.compName = txtCompName.Text();
  boxes.compTypeIndex = cboCompType.ListIndex();
  boxes.compNo = txtCompNo.Text();
  for (int i = 0; i < lstElm.ListCount(); ++i) boxes.elementNames.push_back(lstElm.List(i));
  PlatformDialogs dialogs(GetPlatform());
  CommandResult saved = building::SaveCompFile(st_, dialogs, boxes, OwnCompFile);
  ShowCommandMessage(*this, saved.message);
  if (!saved.done) return;
  CompSaved = true;
  OwnCompFile = st_.CurComp.CompFile;
  // The file now holds the list's order: so does the selection table.
  if (ElementFlags* table = AssessTable()) {
    assessLines_.Commit(*table);
  } else {
    assessLines_.Reset(lstElm.ListCount());
  }
}

void frmGroupComp::mnuFSComp_Click() { SaveCompFile(); }

void frmGroupComp::mnuFLComp_Click() {
  PlatformDialogs dialogs(GetPlatform());
  ComponentRead read = building::LoadCompFile(st_, dialogs);
  if (read.result == CommandRead::Cancelled) return;
  ShowCommandMessage(*this, read.message);
  if (read.result == CommandRead::Read) ShowComponent(read.shown);
  CompSaved = false;
}

// ---- the element file ----

bool frmGroupComp::ReadElmFile() {
  ElementRead read = building::ReadElmFile(st_);
  ShowCommandMessage(*this, read.message);
  if (read.result == CommandRead::NotOpened)
    Say(common::WithReason("Element file " + st_.CurElm.ElmFile + " not found. The element is not shown.",
                           read.reason));
  if (read.result != CommandRead::Read) {
    // Nothing of another element may be saved under this one's name.
    ClearElementPanel();
    cmdLoadElm.SetEnabled(true);
    return false;
  }
  EnableElementCommands(true, true, true, true);
  txtElmName.SetText(st_.CurElm.ElmName);
  lblElmType.SetCaption(read.shown.typeName);
  SetGridHeader();
  FillElmGrid();
  KeepPanelAsShown();
  return true;
}

bool frmGroupComp::SaveElmFile(std::string* error) {
  if (!building::SaveElmFile(st_, cboCompType.ListIndex(), error)) return false;
  ClearElementPanel();
  return true;
}

void frmGroupComp::cmdLoadElm_Click() {
  PlatformDialogs dialogs(GetPlatform());
  ElementRead read = building::LoadElmFile(st_, dialogs, cboCompType.ListIndex());
  ShowCommandMessage(*this, read.message);
  if (read.result != CommandRead::Read) return;
  EnableElementCommands(true, true, true, true);
  txtElmName.SetText(st_.CurElm.ElmName);
  lblElmType.SetCaption(read.shown.typeName);
  SetGridHeader();
  FillElmGrid();
}

// ---- the element list ----

void frmGroupComp::cmdAddElm_Click() {
  if (lstElm.ListCount() >= kMaxElements) {
    Say(kListFull);
    return;
  }
  LockGridEditBox(false);
  st_.CurElm = common::ElmRec{};
  IsNewElm = true;
  lblElmType.SetCaption("");
  txtElmName.SetText("");
  SetGridHeader();
  KeepPanelAsShown();
  EnableElementCommands(true, true, true, true);
  SetElmFileKind();
  txtElmName.SetFocus();
  CompSaved = false;
  EnableListCommands(false);
}

void frmGroupComp::cmdEditElm_Click() {
  const int sel = lstElm.ListIndex();
  if (sel < 0) return;
  LockGridEditBox(false);
  st_.CurElm.ElmFile = st_.CurComp.CompElmFile[static_cast<size_t>(sel)];
  IsNewElm = false;
  SetElmFileKind();
  CompSaved = false;
  if (!ReadElmFile()) {
    // Nothing to edit: the list stays available.
    LockGridEditBox(true);
    return;
  }
  msgElm.SetCell(1, 2);
  msgElm.SetTopRow(1);
  EnableListCommands(false);
  cmdElmType.SetEnabled(false);
  cmdChgElmD.SetEnabled(false);
}

void frmGroupComp::lstElm_Click() {
  cmdEditElm.SetEnabled(true);
  cmdDeleteElm.SetEnabled(true);
  lblElmType.SetCaption("");
  txtElmName.SetText("");
  SetGridHeader();
  KeepPanelAsShown();
  const int sel = lstElm.ListIndex();
  if (sel < 0) return;
  if (const ElementFlags* table = AssessTable()) {
    if (assessLines_.Assessed(sel, *table)) {
      Option1.SetValue(true);
    } else {
      Option2.SetValue(true);
    }
  }
  LockGridEditBox(true);
  st_.CurElm.ElmFile = st_.CurComp.CompElmFile[static_cast<size_t>(sel)];
  IsNewElm = false;
  SetElmFileKind();
  ReadElmFile();
  CompSaved = false;
  EnableListCommands(true);
  cmdElmType.SetEnabled(false);
  cmdChgElmD.SetEnabled(false);
}

void frmGroupComp::cmdDeleteElm_Click() {
  const int s = lstElm.ListIndex();
  const int last = lstElm.ListCount() - 1;
  if (s < 0 || last < 0) return;
  auto& comp = st_.CurComp;
  for (int i = s; i < last; ++i) {
    const size_t k = static_cast<size_t>(i);
    comp.CompElmFile[k] = comp.CompElmFile[k + 1];
    comp.CompElmName[k] = comp.CompElmName[k + 1];
    comp.CompElmTypeNo[k] = comp.CompElmTypeNo[k + 1];
    lstElm.SetList(i, comp.CompElmName[k]);
  }
  const size_t l = static_cast<size_t>(last);
  comp.CompElmFile[l].clear();
  comp.CompElmName[l].clear();
  comp.CompElmTypeNo[l] = -1;
  lstElm.RemoveItem(last);
  assessLines_.Remove(s);
  // The panel showed the deleted element: a later save must not put it
  // back in the place of the one that followed it.
  ClearElementPanel();
  CompSaved = false;
}

void frmGroupComp::SwapElements(int a, int b) {
  auto& comp = st_.CurComp;
  const size_t i = static_cast<size_t>(a), j = static_cast<size_t>(b);
  std::swap(comp.CompElmFile[i], comp.CompElmFile[j]);
  std::swap(comp.CompElmName[i], comp.CompElmName[j]);
  std::swap(comp.CompElmTypeNo[i], comp.CompElmTypeNo[j]);
  std::string lineA = lstElm.List(a);
  lstElm.SetList(a, lstElm.List(b));
  lstElm.SetList(b, lineA);
  assessLines_.Swap(a, b);
}

void frmGroupComp::cmdElmUp_Click() {
  const int s = lstElm.ListIndex();
  if (s <= 0) return;
  SwapElements(s, s - 1);
  lstElm.SetListIndex(s - 1);
}

void frmGroupComp::cmdElmDn_Click() {
  const int s = lstElm.ListIndex();
  if (s < 0 || s >= lstElm.ListCount() - 1) return;
  SwapElements(s, s + 1);
  lstElm.SetListIndex(s + 1);
}

void frmGroupComp::cmdElmType_Click() {
  // The picker returns what it was given when closed without a choice, so
  // the type and its name are given together.
  st_.SelItemNo = st_.CurElm.ElmTypeNo;
  st_.SelItemName = lblElmType.Caption();
  links_.elmSelect().Show(true);
  // Closed without a choice, or the same type chosen: the grid keeps what
  // was typed since the last save.
  if (st_.SelItemNo == -1 || st_.SelItemNo == st_.CurElm.ElmTypeNo) return;
  st_.CurElm.ElmTypeNo = st_.SelItemNo;
  lblElmType.SetCaption(st_.SelItemName);
  st_.SelItemNo = -1;
  st_.SelItemName.clear();
  SetGridHeader();
  FillElmGrid();
}

void frmGroupComp::cmdSaveElm_Click() { SaveElement(); }

bool frmGroupComp::SaveElement() {
  int sel = lstElm.ListIndex();
  if (txtElmName.Text().empty() || st_.CurElm.ElmTypeNo < 0) {
    Say(kNameOrTypeMissing);
    return false;
  }
  // A component loaded while adding may already be full.
  if (IsNewElm && lstElm.ListCount() >= kMaxElements) {
    Say(kListFull);
    return false;
  }
  if (const int gap = ValueGapRow(); gap > 0) {
    const std::string label = msgElm.TextMatrix(gap, 0);
    Say("The value of row " + std::to_string(gap) + (label.empty() ? "" : " (" + label + ")") +
        " is empty while a later row holds one. Fill it in, or empty the values after it, before saving the "
        "element.");
    return false;
  }
  st_.CurElm.ElmName = txtElmName.Text();
  // An element added, or one that took another file's name (Load Element),
  // replaces an existing file only when the user agrees.
  SetElmFileKind();
  const std::string ownFile = IsNewElm || sel < 0 ? std::string() : st_.CurComp.CompElmFile[static_cast<size_t>(sel)];
  PlatformDialogs dialogs(GetPlatform());
  if (!MayReplaceFile(dialogs, SaveFileName(st_.CurElm.ElmFile, st_.CurElm.ElmName, DefExt), ownFile, st_.ProjDir))
    return false;
  StoreGridToElm();
  std::string why;
  ElmSaveFailed = !SaveElmFile(&why);
  if (ElmSaveFailed) {
    if (Say(common::WithReason(kSaveFailedQuestion, why), forms::MsgButtons::OKCancel) != forms::MsgResult::OK)
      return false;
    lstElm.SetListIndex(-1);
    EnableElementCommands(false, false, false, false);
  } else {
    auto& comp = st_.CurComp;
    if (IsNewElm) {
      const int n = lstElm.ListCount();
      if (n == sel + 1) {
        lstElm.AddItem(st_.CurElm.ElmName);
        sel = n;
      } else {
        // Insert after the selected line (at the top with none selected).
        for (int k = n; k >= sel + 2; --k) {
          const size_t i = static_cast<size_t>(k);
          comp.CompElmFile[i] = comp.CompElmFile[i - 1];
          comp.CompElmName[i] = comp.CompElmName[i - 1];
          comp.CompElmTypeNo[i] = comp.CompElmTypeNo[i - 1];
          if (k == n) {
            lstElm.AddItem(comp.CompElmName[i]);
          } else {
            lstElm.SetList(k, comp.CompElmName[i]);
          }
        }
        sel = sel + 1;
      }
      assessLines_.Insert(sel);
    }
    // An element that was not added and belongs to no line (the list was
    // reloaded meanwhile) is only written to its file.
    if (sel >= 0) {
      const size_t i = static_cast<size_t>(sel);
      lstElm.SetList(sel, st_.CurElm.ElmName);
      comp.CompElmFile[i] = st_.CurElm.ElmFile;
      comp.CompElmName[i] = st_.CurElm.ElmName;
      comp.CompElmTypeNo[i] = st_.CurElm.ElmTypeNo;
    }
  }
  EnableListCommands(true);
  txtmsgCell.SetVisible(false);
  // Selecting a line shows it; a line already selected is shown again.
  if (lstElm.ListIndex() != sel) {
    lstElm.SetListIndex(sel);
  } else {
    lstElm_Click();
  }
  msgElm.SetTopRow(1);
  return true;
}

// ---- the assess choice and the order hint ----

ElementFlags* frmGroupComp::AssessTable() {
  const int g = st_.SelGrpIdx, c = st_.SelCompIdx;
  if (g < 0 || c < 0 || c > 100) return nullptr;
  auto& sel = prog_.assess.sel;
  const size_t gi = static_cast<size_t>(g), ci = static_cast<size_t>(c);
  switch (st_.GrpType) {
    case 100:
      return g < 10 ? &sel.FdnElmAssess[gi][ci] : nullptr;
    case 200:
      return g < 20 ? &sel.FlrElmAssess[gi][ci] : nullptr;
    case 300:
      return g < 20 ? &sel.SerElmAssess[gi][ci] : nullptr;
    default:
      return nullptr;
  }
}

void frmGroupComp::StoreAssessChoice(bool assessed) {
  const int line = lstElm.ListIndex();
  if (line < 0) return;
  if (ElementFlags* table = AssessTable()) assessLines_.SetAssessed(line, assessed, *table);
}

void frmGroupComp::Option1_Click() { StoreAssessChoice(true); }
void frmGroupComp::Option2_Click() { StoreAssessChoice(false); }

void frmGroupComp::cboCompType_Click() {
  Label3.SetVisible(false);
  const int type = cboCompType.ListIndex();
  if (st_.FileType == 210 && (type == 0 || type == 1)) Label3.SetVisible(true);
}

// ---- Return ----

// An element typed into the panel counts as unsaved data too: Yes stores
// it as Save Element does, with its checks, before the component; a check
// that refuses it keeps the window open with the edit.
bool frmGroupComp::MayClose() {
  const bool elementEdited = ElementEdited();
  if (CompSaved && !elementEdited) return true;
  switch (Say(kReturnQuestion, forms::MsgButtons::YesNoCancel)) {
    case forms::MsgResult::Cancel:
      return false;
    case forms::MsgResult::Yes:
      if (elementEdited && !SaveElement()) return false;
      SaveCompFile();
      return CompSaved;
    default:
      return true;
  }
}

void frmGroupComp::mnuFReturn_Click() {
  if (MayClose()) Unload();
}

// Closing the window by its frame asks like Return does.
void frmGroupComp::Form_QueryUnload(int& cancel, int unloadMode) {
  if (unloadMode == 0 && !MayClose()) cancel = 1;
}

}  // namespace building
