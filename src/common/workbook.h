#pragma once
// A spreadsheet workbook of one sheet, filled cell by cell and saved under
// a name: what the program needs of a spreadsheet. The platform makes it
// (forms::Platform::NewWorkbook); Qt writes a real .xlsx file, tests record the
// cells. Rows and columns count from 1, as in the spreadsheet.
#include <string>

namespace common {

class Workbook {
 public:
  virtual ~Workbook() = default;

  // Names the sheet; false with the reason when the name is refused.
  virtual bool SetSheetName(const std::string& name, std::string& error) = 0;
  virtual void SetText(int row, int col, const std::string& text) = 0;
  virtual void SetNumber(int row, int col, double value) = 0;
  // Every cell of the row is shown bold, written before or after.
  virtual void SetRowBold(int row) = 0;
  // The width of a column in the spreadsheet's character units.
  virtual void SetColumnWidth(int col, double width) = 0;
  // Saves the workbook; false with the reason when it cannot be saved, and
  // then a file of that name is left as it was.
  virtual bool SaveAs(const std::string& path, std::string& error) = 0;
};

}  // namespace common
