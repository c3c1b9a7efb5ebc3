#include "forms/grid.h"

#include <algorithm>
#include <stdexcept>

namespace forms {

namespace {
constexpr int kDefaultColWidth = 960;
}

Grid::Grid(Container& parent, std::string name, int index) : Control(parent, std::move(name), index) {
  cells_.assign(static_cast<size_t>(rows_ * cols_), std::string());
  numbers_.resize(cells_.size());
  colWidths_.assign(static_cast<size_t>(cols_), kDefaultColWidth);
  rowHeights_.assign(static_cast<size_t>(rows_), -1);
}

void Grid::CheckCell(int row, int col) const {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
    throw std::out_of_range(FullName() + ": cell (" + std::to_string(row) + ", " + std::to_string(col) +
                            ") is outside the grid");
}

void Grid::SetRows(int rows) {
  if (rows < 1) rows = 1;
  std::vector<std::string> cells(static_cast<size_t>(rows * cols_));
  std::vector<std::optional<float>> numbers(cells.size());
  for (int r = 0; r < std::min(rows, rows_); ++r)
    for (int c = 0; c < cols_; ++c) {
      const size_t at = static_cast<size_t>(r * cols_ + c);
      cells[at] = std::move(cells_[at]);
      numbers[at] = numbers_[at];
    }
  cells_ = std::move(cells);
  numbers_ = std::move(numbers);
  rows_ = rows;
  rowHeights_.resize(static_cast<size_t>(rows), -1);
  fixedRows_ = std::min(fixedRows_, rows_ - 1 < 0 ? 0 : rows_ - 1);
  row_ = std::clamp(row_, fixedRows_, rows_ - 1);
  topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, rows_ - 1));
  Notify(Prop::GridLayout);
}

void Grid::SetCols(int cols) {
  if (cols < 1) cols = 1;
  std::vector<std::string> cells(static_cast<size_t>(rows_ * cols));
  std::vector<std::optional<float>> numbers(cells.size());
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < std::min(cols, cols_); ++c) {
      const size_t to = static_cast<size_t>(r * cols + c), from = static_cast<size_t>(r * cols_ + c);
      cells[to] = std::move(cells_[from]);
      numbers[to] = numbers_[from];
    }
  cells_ = std::move(cells);
  numbers_ = std::move(numbers);
  cols_ = cols;
  colWidths_.resize(static_cast<size_t>(cols), kDefaultColWidth);
  fixedCols_ = std::min(fixedCols_, cols_ - 1 < 0 ? 0 : cols_ - 1);
  col_ = std::clamp(col_, fixedCols_, cols_ - 1);
  Notify(Prop::GridLayout);
}

void Grid::SetFixedRows(int n) {
  fixedRows_ = std::clamp(n, 0, rows_ - 1);
  topRow_ = std::max(topRow_, fixedRows_);
  row_ = std::max(row_, fixedRows_);  // a fixed cell is never the current one
  Notify(Prop::GridLayout);
}

void Grid::SetFixedCols(int n) {
  fixedCols_ = std::clamp(n, 0, cols_ - 1);
  col_ = std::max(col_, fixedCols_);
  Notify(Prop::GridLayout);
}

const std::string& Grid::TextMatrix(int row, int col) const {
  CheckCell(row, col);
  return cells_[static_cast<size_t>(row * cols_ + col)];
}

void Grid::SetTextMatrix(int row, int col, const std::string& text) {
  CheckCell(row, col);
  const size_t at = static_cast<size_t>(row * cols_ + col);
  if (cells_[at] == text) return;
  cells_[at] = text;
  numbers_[at].reset();
  Notify(Prop::Cells);
}

void Grid::SetNumberMatrix(int row, int col, const std::string& text, float value) {
  SetTextMatrix(row, col, text);
  numbers_[static_cast<size_t>(row * cols_ + col)] = value;
}

std::optional<float> Grid::NumberMatrix(int row, int col) const {
  CheckCell(row, col);
  return numbers_[static_cast<size_t>(row * cols_ + col)];
}

void Grid::Clear() {
  for (auto& cell : cells_) cell.clear();
  for (auto& number : numbers_) number.reset();
  Notify(Prop::Cells);
}

void Grid::SetCell(int row, int col) {
  CheckCell(row, col);
  if (row == row_ && col == col_) return;
  if (OnLeaveCell) OnLeaveCell();
  row_ = row;
  col_ = col;
  EnsureVisible(row);
  Notify(Prop::CurrentCell);
  if (OnEnterCell) OnEnterCell();
}

void Grid::SetCol(int col) { SetCell(row_, col); }

int Grid::VisibleRows() const {
  int room = Height() - RowPos(fixedRows_ < rows_ ? topRow_ : 0) - 60;
  int n = 0;
  for (int r = topRow_; r < rows_ && room >= RowHeight(r); ++r) {
    room -= RowHeight(r);
    ++n;
  }
  return std::max(n, 1);
}

void Grid::EnsureVisible(int row) {
  if (row < fixedRows_) return;
  if (row < topRow_) {
    SetTopRow(row);
  } else if (row >= topRow_ + VisibleRows()) {
    SetTopRow(row - VisibleRows() + 1);
  }
}

void Grid::SetTopRow(int row) {
  row = std::clamp(row, fixedRows_, std::max(fixedRows_, rows_ - 1));
  if (row == topRow_) return;
  topRow_ = row;
  Notify(Prop::GridLayout);
  if (OnScroll) OnScroll();
}

int Grid::ColWidth(int col) const {
  if (col < 0 || col >= cols_) throw std::out_of_range(FullName() + ": column " + std::to_string(col));
  return colWidths_[static_cast<size_t>(col)];
}

void Grid::SetColWidth(int col, int width) {
  if (col < 0 || col >= cols_) throw std::out_of_range(FullName() + ": column " + std::to_string(col));
  colWidths_[static_cast<size_t>(col)] = width;
  Notify(Prop::GridLayout);
}

int Grid::RowHeight(int row) const {
  if (row < 0 || row >= rows_) throw std::out_of_range(FullName() + ": row " + std::to_string(row));
  int h = rowHeights_[static_cast<size_t>(row)];
  return h < 0 ? defaultRowHeight_ : h;
}

void Grid::SetRowHeight(int row, int height) {
  if (row < 0 || row >= rows_) throw std::out_of_range(FullName() + ": row " + std::to_string(row));
  rowHeights_[static_cast<size_t>(row)] = height;
  Notify(Prop::GridLayout);
}

void Grid::SetDefaultRowHeight(int height) {
  defaultRowHeight_ = height;
  Notify(Prop::GridLayout);
}

int Grid::ColPos(int col) const {
  int x = 0;
  for (int c = 0; c < col; ++c) x += ColWidth(c);
  return x;
}

int Grid::RowPos(int row) const {
  if (row < 0 || row >= rows_) throw std::out_of_range(FullName() + ": row " + std::to_string(row));
  int fixedHeight = 0;
  for (int r = 0; r < fixedRows_; ++r) fixedHeight += RowHeight(r);
  if (row < fixedRows_) {
    int y = 0;
    for (int r = 0; r < row; ++r) y += RowHeight(r);
    return y;
  }
  if (row >= topRow_) {
    int y = fixedHeight;
    for (int r = topRow_; r < row; ++r) y += RowHeight(r);
    return y;
  }
  int y = 0;
  for (int r = row; r < topRow_; ++r) y -= RowHeight(r);
  return y;
}

void Grid::ClickCell(int row, int col) {
  if (!Usable()) return;
  SetCell(row, col);
  if (OnClick) OnClick();
}

void Grid::DblClickCell(int row, int col) {
  if (!Usable()) return;
  SetCell(row, col);
  if (OnDblClick) OnDblClick();
}

void Grid::UserScroll(int topRow) { SetTopRow(topRow); }

}  // namespace forms
