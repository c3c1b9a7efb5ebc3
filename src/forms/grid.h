#pragma once
// An editable grid: rows and columns of text cells with fixed header rows
// and columns, a current cell, column widths and row heights in twips, and
// the cell geometry an overlaid text box needs. Cells are edited through
// such a text box, not in the grid itself.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

class Grid : public Control {
 public:
  Grid(Container& parent, std::string name, int index = -1);
  ControlKind Kind() const override { return ControlKind::Grid; }

  int Rows() const { return rows_; }
  int Cols() const { return cols_; }
  // Resizing keeps the texts of the cells that remain.
  void SetRows(int rows);
  void SetCols(int cols);
  int FixedRows() const { return fixedRows_; }
  int FixedCols() const { return fixedCols_; }
  void SetFixedRows(int n);
  void SetFixedCols(int n);

  const std::string& TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const std::string& text);
  // A cell shown for a number, as a text box's SetNumber and Number.
  void SetNumberMatrix(int row, int col, const std::string& text, float value);
  std::optional<float> NumberMatrix(int row, int col) const;
  // The current cell's text.
  const std::string& Text() const { return TextMatrix(row_, col_); }
  void SetText(const std::string& text) { SetTextMatrix(row_, col_, text); }
  // Empties every cell.
  void Clear();

  int Row() const { return row_; }
  int Col() const { return col_; }
  // Moving the current cell, from code or by the user, raises OnLeaveCell
  // and OnEnterCell when it changes, and scrolls it into view.
  void SetCol(int col);
  void SetCell(int row, int col);

  int TopRow() const { return topRow_; }
  // Scrolls so that `row` is the first non-fixed row shown; raises OnScroll.
  void SetTopRow(int row);
  // Non-fixed rows fully shown at a time.
  int VisibleRows() const;

  int ColWidth(int col) const;
  void SetColWidth(int col, int width);
  int RowHeight(int row) const;
  void SetRowHeight(int row, int height);
  void SetDefaultRowHeight(int height);

  // Positions within the grid, twips: a row above the shown part has a
  // negative top.
  int ColPos(int col) const;
  int RowPos(int row) const;
  int CellLeft() const { return ColPos(col_); }
  int CellTop() const { return RowPos(row_); }
  int CellWidth() const { return ColWidth(col_); }
  int CellHeight() const { return RowHeight(row_); }

  // The user's actions: a click or double-click on a cell (the cell becomes
  // current first), and scrolling.
  void ClickCell(int row, int col);
  void DblClickCell(int row, int col);
  void UserScroll(int topRow);

  std::function<void()> OnClick, OnDblClick, OnEnterCell, OnLeaveCell, OnScroll;

 private:
  void CheckCell(int row, int col) const;
  void EnsureVisible(int row);
  int rows_ = 2, cols_ = 2, fixedRows_ = 1, fixedCols_ = 1;
  int row_ = 1, col_ = 1, topRow_ = 1;
  int defaultRowHeight_ = 240;
  std::vector<std::string> cells_;
  std::vector<std::optional<float>> numbers_;  // beside cells_
  std::vector<int> colWidths_;
  std::vector<int> rowHeights_;
};

}  // namespace forms
