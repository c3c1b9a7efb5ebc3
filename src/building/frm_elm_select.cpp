#include "building/frm_elm_select.h"

#include "building/element_library.h"
#include "common/failure_text.h"
#include "common/file_names.h"

namespace building {

frmElmSelect::frmElmSelect(common::Program& prog, forms::Platform& platform)
    : Form(platform, "frmElmSelect"),
      txtElmTypHead(*this, "txtElmTypHead"),
      lstElmTypNam(*this, "lstElmTypNam"),
      Label1(*this, "Label1"),
      txtSrch(*this, "txtSrch"),
      cmdSrch(*this, "cmdSrch"),
      cmdNX(*this, "cmdNX"),
      cmdIgnore(*this, "cmdIgnore"),
      cmdOK(*this, "cmdOK"),
      st_(prog.building) {
  SetCaption("Select Type of Element");
  SetClientSize(6000, 5160);
  txtElmTypHead.Move(240, 240, 5520, 315);
  txtElmTypHead.SetLocked(true);
  lstElmTypNam.Move(240, 600, 5520, 3180);
  Label1.SetCaption("Search Element");
  Label1.Move(240, 3960, 1335, 255);
  txtSrch.Move(1680, 3915, 2535, 315);
  cmdSrch.SetCaption("Find");
  cmdSrch.Move(4320, 3900, 675, 345);
  cmdNX.SetCaption("Next");
  cmdNX.Move(5085, 3900, 675, 345);
  cmdIgnore.SetCaption("Ignore");
  cmdIgnore.Move(2760, 4500, 1335, 405);
  cmdOK.SetCaption("OK");
  cmdOK.Move(4425, 4500, 1335, 405);

  cmdSrch.OnClick = [this] { cmdSrch_Click(); };
  cmdNX.OnClick = [this] { cmdNX_Click(); };
  lstElmTypNam.OnClick = [this] { lstElmTypNam_Click(); };
  lstElmTypNam.OnDblClick = [this] { lstElmTypNam_DblClick(); };
  cmdIgnore.OnClick = [this] { cmdIgnore_Click(); };
  cmdOK.OnClick = [this] { cmdOK_Click(); };
}

void frmElmSelect::Form_Load() {
  srchText_.clear();
  curRow_ = 0;
  lstElmTypNam.Clear();
  txtElmTypHead.SetText("");
  std::string why;
  if (ModInpCtl::LoadElmLib(st_, &why) == LibraryLoad::NotOpened)
    MsgBox(common::WithReason(LibraryNotOpenedMessage(ElementLibraryFile(st_, st_.GrpType, st_.CompTypeIdx)), why));
  txtElmTypHead.SetText(st_.lib.ElmLibHead);
  // List row i is library row i, up to the first empty name.
  for (const std::string& name : st_.lib.ElmLibName) {
    if (name.empty()) break;
    lstElmTypNam.AddItem(name);
  }
  txtSrch.SetText("");
}

int frmElmSelect::FindFrom(int from) const {
  for (int row = from < 0 ? 0 : from; row < lstElmTypNam.ListCount(); ++row) {
    std::string name = lstElmTypNam.List(row);
    ModInpCtl::ToLowerCase(name);
    if (name.find(srchText_) != std::string::npos) return row;
  }
  return -1;
}

void frmElmSelect::SelectMatch(int row) {
  if (row < 0) return;
  lstElmTypNam.SetListIndex(row);
  curRow_ = row;
}

void frmElmSelect::cmdSrch_Click() {
  if (txtSrch.Text().empty()) return;
  srchText_ = txtSrch.Text();
  ModInpCtl::ToLowerCase(srchText_);
  SelectMatch(FindFrom(0));
}

// Searches on with the text of the last Find, whatever the box holds now.
void frmElmSelect::cmdNX_Click() { SelectMatch(FindFrom(curRow_ + 1)); }

void frmElmSelect::lstElmTypNam_Click() { curRow_ = lstElmTypNam.ListIndex(); }

void frmElmSelect::lstElmTypNam_DblClick() { cmdOK_Click(); }

void frmElmSelect::cmdIgnore_Click() {
  curRow_ = -1;
  lstElmTypNam.SetListIndex(-1);
}

void frmElmSelect::cmdOK_Click() {
  st_.SelItemNo = -1;
  int r = lstElmTypNam.ListIndex();
  if (r >= 0 && r < static_cast<int>(st_.lib.ElmLibName.size())) {
    st_.SelItemNo = st_.lib.ElmLibNo[static_cast<size_t>(r)];
    st_.SelItemName = st_.lib.ElmLibName[static_cast<size_t>(r)];
  }
  Unload();
}

}  // namespace building
