#pragma once
// The workbook of forms::Workbook written as a real .xlsx file. Cells are
// kept until SaveAs, which writes the workbook to a scratch file and puts
// its bytes in place through common::WriteFileSafely.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <variant>

#include "forms/workbook.h"

namespace qtui {

class XlsxWorkbook : public forms::Workbook {
 public:
  bool SetSheetName(const std::string& name, std::string& error) override;
  void SetText(int row, int col, const std::string& text) override;
  void SetNumber(int row, int col, double value) override;
  void SetRowBold(int row) override;
  void SetColumnWidth(int col, double width) override;
  bool SaveAs(const std::string& path, std::string& error) override;

  // The reason a sheet name is refused; empty when it is accepted.
  static std::string SheetNameProblem(const std::string& name);

 private:
  std::string sheetName_ = "Sheet1";
  std::map<std::pair<int, int>, std::variant<std::string, double>> cells_;
  std::set<int> boldRows_;
  std::map<int, double> widths_;
};

}  // namespace qtui
