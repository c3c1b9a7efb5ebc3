// The central plant window's views, one per kind of item, opened from the
// Edit menu; the grid click that opens the in-place editor; the count box;
// the Exit commands.
#include <string>

#include "common/number_text.h"
#include "forms/typed_input.h"
#include "plant_input/frm_cplt.h"

namespace plant_input {

namespace {

constexpr int kValueCol = 2;

}  // namespace

// Both views leave the Edit menu and the top-level Exit disabled until OK,
// so views never overlap.
void frmCPlt::BeginView(int code) {
  mItemType = code;
  mnuE.SetEnabled(false);
  mnuDirExit.SetEnabled(false);
}

void frmCPlt::OpenListView(ItemCode code) {
  const ItemKind* kind = FindItemKind(code);
  if (kind == nullptr) return;
  BeginView(code);
  lblSysDes.SetCaption(kind->title);
  lblNoEq.SetCaption(kind->countLabel);
  lblNoEq.SetVisible(true);
  txtNoEq.SetVisible(true);
  lblEqNo.SetCaption(kind->numberLabel);
  lblEqNo.SetVisible(true);
  cboEqNo.Clear();
  cboEqNo.SetVisible(true);
  cmdNoEq.SetVisible(true);
  cmdAddEq.SetVisible(true);
  cmdDelEq.SetVisible(true);
  if (!kind->typeList.empty()) {
    cboEqTyp.Clear();
    for (const char* t : kind->typeList) cboEqTyp.AddItem(t);
    cboEqTyp.Move(msgPlt.Left() + 4060, msgPlt.Top() + 315);
    cboEqTyp.SetVisible(true);
  }
  if (kind->hasName) {
    lblSysNam.SetVisible(true);
    txtSysNam.SetVisible(true);
  }
  lblTabHead.SetCaption(kind->tableHead);
  lblTabHead.SetVisible(true);

  msgPlt.Clear();
  msgPlt.SetVisible(true);
  msgPlt.SetTextMatrix(0, 0, "Item");
  msgPlt.SetTextMatrix(0, 1, "Unit");
  msgPlt.SetTextMatrix(0, 2, "Value");
  int rows = RowsInUse(*kind, mCPlt.HRSType);
  for (int r = 1; r <= rows; ++r) {
    const GridRow& row = kind->rows[static_cast<size_t>(r - 1)];
    msgPlt.SetTextMatrix(r, 0, row.item);
    msgPlt.SetTextMatrix(r, 1, row.unit);
  }

  common::Integer count = *FieldsOf(code, mCPlt, mNAC).count;
  if (count > 0) {
    txtNoEq.SetText(std::to_string(count));
    cmdNoEq_Click();
  }
  if (kind->hasSameAsLast) cmdSame.SetVisible(true);
  cmdOK.SetVisible(true);
  // The current cell of the view before may lie in a row this kind has not.
  msgPlt.SetCell(kind->typeList.empty() ? 1 : 2, kValueCol);
}

void frmCPlt::mnuEType_Click() {
  BeginView(kPlantType);
  lblSysDes.SetCaption("Type of Central AC Plant");
  lblNoEq.SetCaption("Type of heat rejection system");
  lblNoEq.SetVisible(true);
  cboACHRS.Move(4440, 600);
  cboACHRS.SetVisible(true);
  lblEqNo.SetCaption("Type of chilled water pumping system");
  lblEqNo.SetVisible(true);
  cboChWPS.Move(4440, 960);
  cboChWPS.SetVisible(true);
  lblTabHead.SetCaption("Characteristics of Plant");
  lblTabHead.SetVisible(true);

  msgPlt.Clear();
  msgPlt.SetVisible(true);
  msgPlt.SetTextMatrix(0, 0, "Item");
  msgPlt.SetTextMatrix(0, 1, "Unit");
  msgPlt.SetTextMatrix(1, 0, "Plant Start Hour (0-23)");
  msgPlt.SetTextMatrix(2, 0, "Plant Stop Hour (1-24)");
  cmdOK.SetVisible(true);

  // Choosing the entries lays out the design temperature rows and the menus.
  int hrs = mCPlt.HRSType;
  int chw = mCPlt.ChWPSType;
  cboACHRS.SetListIndex(hrs >= 0 && hrs < cboACHRS.ListCount() ? hrs : -1);
  cboChWPS.SetListIndex(chw >= 0 && chw < cboChWPS.ListCount() ? chw : -1);

  msgPlt.SetTextMatrix(1, 2, common::DisplayTextInt(mCPlt.StartHour));
  msgPlt.SetTextMatrix(2, 2, common::DisplayTextInt(mCPlt.StopHour));
  int used = static_cast<int>(DesignTempRows(mCPlt.HRSType).size());
  for (int k = 1; k <= used; ++k) forms::ShowNumber(msgPlt, k + 2, kValueCol, mCPlt.DesignTemp[static_cast<size_t>(k)]);
  msgPlt.SetCell(1, kValueCol);  // the start hour, whatever view came before
}

// Only a value cell opens the editor; the type row lies under its list.
void frmCPlt::msgPlt_Click() {
  if (mCellEditing) return;
  if (msgPlt.Col() != kValueCol || msgPlt.Row() < 1) return;
  const ItemKind* kind = FindItemKind(mItemType);
  if (kind != nullptr && !kind->typeList.empty() && msgPlt.Row() == 1) return;
  mEditCol = msgPlt.Col();
  mEditRow = msgPlt.Row();
  mCellLeft = msgPlt.Left() + msgPlt.CellLeft();
  mCellTop = msgPlt.Top() + msgPlt.CellTop();
  cmdEntCell.Move(mCellLeft + 1060, mCellTop);
  cmdEntCell.SetVisible(true);
  txtData.Move(mCellLeft, mCellTop);
  txtData.SetVisible(true);
  txtData.SetText(msgPlt.TextMatrix(mEditRow, mEditCol));
  mCellEditing = true;
  txtData.SetFocus();
}

void frmCPlt::txtNoEq_Change() {
  cmdNoEq.SetFontBold(true);
  countRefused_ = false;
}

void frmCPlt::txtSysNam_Change() { forms::DropLineBreaks(txtSysNam); }

// ---- Exit ----

bool frmCPlt::MayDropEdits() {
  return !mDataChanged || SaveBeforeClosing("Save data before closing this form?", [this] { return Save(); });
}

void frmCPlt::mnuFExit_Click() {
  if (mCellEditing) return;
  if (!MayDropEdits()) return;
  Unload();
}

// Closing the window by its frame asks like Exit does.
void frmCPlt::Form_QueryUnload(int& cancel, int unloadMode) {
  if (unloadMode == 0 && !MayDropEdits()) cancel = 1;
}

}  // namespace plant_input
