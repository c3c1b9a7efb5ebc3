// The element data grid of the component and element editor: one row per
// item of the element type's library record (label, unit, value, remark),
// edited through a text box laid over the current cell, with keyboard
// navigation that wraps at the last row with a unit.
#include <string>

#include "building/element_library.h"
#include "building/frm_group_comp.h"
#include "forms/keys.h"

namespace building {
namespace {

constexpr int kValueCol = 2;
constexpr int kRemarkCol = 3;

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// Rows 1, 5, 9 and 13 of a generic element hold its material numbers.
bool IsMaterialRow(int row) { return row >= 1 && row <= 13 && (row - 1) % 4 == 0; }

// The grid's values and remarks into the element's value rows.
void CopyGridToElm(const forms::Grid& grid, common::ElmRec& elm) {
  for (int r = 1; r <= kElmGridRows; ++r) {
    const size_t slot = static_cast<size_t>(r - 1);
    elm.ElmValue[slot] = grid.TextMatrix(r, kValueCol);
    elm.ElmRemark[slot] = grid.TextMatrix(r, kRemarkCol);
  }
}

}  // namespace

GridCell NextGridCell(int keyCode, GridCell from, int lastDataRow) {
  namespace k = forms::keys;
  GridCell to = from;
  const int next = from.row == lastDataRow ? 1 : from.row + 1;
  const int previous = from.row == 1 ? lastDataRow - 1 : from.row - 1;
  switch (keyCode) {
    case k::Down:
      to.row = next;
      break;
    case k::Up:
      to.row = previous;
      break;
    case k::Right:
      if (from.col == kValueCol) {
        to.col = kRemarkCol;
      } else if (from.col == kRemarkCol) {
        to = {next, kValueCol};
      }
      break;
    case k::Left:
      if (from.col == kRemarkCol) {
        to.col = kValueCol;
      } else if (from.col == kValueCol) {
        to = {previous, kRemarkCol};
      }
      break;
    case 0:  // the tab step: on to the next cell, without wrapping
      if (from.col == kValueCol) {
        to.col = kRemarkCol;
      } else if (from.col == kRemarkCol) {
        to = {from.row + 1, kValueCol};
      }
      break;
    default:
      break;
  }
  return to;
}

void frmGroupComp::SetGridHeader() {
  msgElm.Clear();
  const char* heads[] = {"Item", "Unit", "Value", "Remark"};
  for (int c = 0; c < 4; ++c) msgElm.SetTextMatrix(0, c, heads[c]);
}

void frmGroupComp::FillElmGrid() {
  const auto& elm = st_.CurElm;
  // The wrap row belongs to the element shown.
  LastDataRow = 0;
  const int libRow = ElementTypeRow(st_.lib, elm.ElmTypeNo);
  if (libRow >= 0) {
    const auto& record = st_.lib.ElmLib[static_cast<size_t>(libRow)];
    // The first test is on the type name, each later one on the previous
    // item's unit: rows are listed up to the first item without a unit.
    size_t j = 0;
    for (int r = 1; r <= kElmGridRows; ++r) {
      if (record[j].empty()) break;
      msgElm.SetTextMatrix(r, 0, record[j + 1]);
      msgElm.SetTextMatrix(r, 1, record[j + 2]);
      j += 2;
      if (!IsBlank(record[j])) LastDataRow = r;
    }
  }
  for (int k = 1; k <= kElmGridRows; ++k) {
    const size_t slot = static_cast<size_t>(k - 1);
    if (elm.ElmValue[slot].empty()) break;
    msgElm.SetTextMatrix(k, kValueCol, elm.ElmValue[slot]);
    msgElm.SetTextMatrix(k, kRemarkCol, elm.ElmRemark[slot]);
  }
  CurCellCol = -1;
  lblEditmsgCell.SetCaption("Click Cell then Edit Here >");
}

void frmGroupComp::StoreGridToElm() { CopyGridToElm(msgElm, st_.CurElm); }

common::ElmRec frmGroupComp::PanelElement() const {
  common::ElmRec shown;
  shown.ElmName = txtElmName.Text();
  shown.ElmTypeNo = st_.CurElm.ElmTypeNo;
  CopyGridToElm(msgElm, shown);
  return shown;
}

bool frmGroupComp::ElementEdited() const { return PanelElement() != elmAsShown_; }

int frmGroupComp::ValueGapRow() const {
  int firstEmpty = 0;
  for (int r = 1; r <= kElmGridRows; ++r) {
    const bool empty = msgElm.TextMatrix(r, kValueCol).empty();
    if (empty && firstEmpty == 0) firstEmpty = r;
    if (!empty && firstEmpty > 0) return firstEmpty;
  }
  return 0;
}

void frmGroupComp::LockGridEditBox(bool locked) {
  txtmsgCell.SetLocked(locked);
  // A locked box is never laid over a cell.
  if (locked) txtmsgCell.SetVisible(false);
}

void frmGroupComp::msgElm_Click() {
  // A click on the cell that is already current enters no cell: the box,
  // if hidden, is laid over it as over any other cell clicked.
  if (!txtmsgCell.Visible()) msgElm_EnterCell();
  CurCellCol = msgElm.Col();
  CurCellRow = msgElm.Row();
}

void frmGroupComp::msgElm_EnterCell() {
  const int row = msgElm.Row(), col = msgElm.Col();
  AtLastCell = row == LastDataRow && col == kRemarkCol;
  if (txtmsgCell.Locked() || (col != kValueCol && col != kRemarkCol) || row < 1) return;
  const int width = msgElm.CellWidth() + 30;
  const int left = msgElm.Left() + msgElm.ColPos(col) + 30;
  int top;
  if (msgElm.RowPos(row) < 0) {
    msgElm.SetTopRow(1);
    top = msgElm.Top() + msgElm.RowPos(1) + 30;
  } else {
    top = msgElm.Top() + msgElm.RowPos(row) + 30;
  }
  txtmsgCell.Move(left, top, width, txtmsgCell.Height());
  txtmsgCell.SetVisible(true);
  txtmsgCell.ZOrder();
  txtmsgCell.SetText(msgElm.Text());
  txtmsgCell.SelectAll();
  txtmsgCell.SetFocus();
}

// Scrolling by the user hides the edit box; scrolling by the navigation
// does not. The focus goes to the grid scrolled: a hidden box passes its
// focus on to the group name box, whose focus would step the grid.
void frmGroupComp::msgElm_Scroll() {
  if (KeyNavBusy) return;
  if (txtmsgCell.HasFocus()) msgElm.SetFocus();
  txtmsgCell.SetVisible(false);
}

void frmGroupComp::txtmsgCell_Change() {
  if (CurCellCol > -1) msgElm.SetText(txtmsgCell.Text());
}

// The Value column takes digits, the decimal point and Backspace only.
void frmGroupComp::txtmsgCell_KeyPress(int& keyAscii) {
  if (msgElm.Col() != kValueCol) return;
  const bool allowed = (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '.' || keyAscii == 8;
  if (!allowed) keyAscii = 0;
}

void frmGroupComp::EnterRememberedCell() {
  if (CurCellCol > -1 && CurCellRow >= 0 && CurCellRow < msgElm.Rows() && CurCellCol < msgElm.Cols())
    msgElm.SetTextMatrix(CurCellRow, CurCellCol, txtmsgCell.Text());
  CurCellCol = -1;
  txtmsgCell.SetText("");
  lblEditmsgCell.SetCaption("Click Cell then Edit Here >");
}

void frmGroupComp::cmdEnter_Click() { EnterRememberedCell(); }

void frmGroupComp::cmdClrTxt_Click() { txtmsgCell.SetText(""); }

void frmGroupComp::msgElm_DblClick() {
  const int row = msgElm.Row(), col = msgElm.Col();
  CurCellCol = col;
  CurCellRow = row;
  if (msgElm.Text() != ">_") txtmsgCell.SetText(msgElm.Text());
  if (st_.CurElm.ElmTypeNo == 0 && col == kValueCol && IsMaterialRow(row)) {
    st_.SelItemNo = -1;
    st_.SelItemName.clear();
    frmMatLib& picker = links_.matLib();
    picker.SetContext(std::to_string(st_.CurElm.ElmTypeNo), st_.GrpTypeName);
    picker.Show(true);
    if (st_.SelItemNo > 0) {
      txtmsgCell.SetText(std::to_string(st_.SelItemNo));
      msgElm.SetTextMatrix(row, kRemarkCol, st_.SelItemName);
      msgElm.SetCol(kValueCol);
    }
  }
  EnterRememberedCell();
  // The emptied box would stand over the cell and hide what it now holds:
  // it shows the cell again and edits it, as after a click on the cell.
  const int shown = msgElm.Col();
  if (!txtmsgCell.Locked() && (shown == kValueCol || shown == kRemarkCol)) {
    msgElm_EnterCell();
    msgElm_Click();
  }
}

void frmGroupComp::NavigateGrid(int keyCode) {
  KeyNavBusy = true;
  const GridCell from{msgElm.Row(), msgElm.Col()};
  const GridCell to = NextGridCell(keyCode, from, LastDataRow);
  if (to == from) {
    // Not a navigation key: nothing moves.
  } else if (to.row < 1 || to.row > kElmGridRows || to.col < 0 || to.col >= msgElm.Cols()) {
    // A move beyond the grid lands on the first value.
    msgElm.SetCell(1, kValueCol);
    msgElm.SetTopRow(1);
  } else {
    msgElm.SetCell(to.row, to.col);
  }
  CurCellCol = msgElm.Col();
  CurCellRow = msgElm.Row();
  KeyNavBusy = false;
}

void frmGroupComp::Form_KeyDown(int& keyCode, int shift) {
  (void)shift;
  namespace k = forms::keys;
  // Taken before the move, which gives the edit box the focus.
  const bool onGrid = ActiveControl() == &msgElm;
  if (keyCode == k::Return) keyCode = k::Right;
  NavigateGrid(keyCode);
  // The grid's own arrow handling would move the cell a second time.
  const bool moves = keyCode == k::Down || keyCode == k::Up || keyCode == k::Right || keyCode == k::Left;
  if (moves && onGrid) keyCode = 0;
}

void frmGroupComp::txtGrpName_GotFocus() {
  if (AtLastCell) {
    txtmsgCell.SetVisible(false);
  } else {
    NavigateGrid(0);
  }
}

}  // namespace building
