// The workbook of the Qt platform: a real .xlsx file, sheet names the
// spreadsheet refuses, and a save that fails.
#include <gtest/gtest.h>

#include <memory>

#include "common/paths.h"
#include "qtui/qt_platform.h"
#include "qtui/xlsx_workbook.h"
#include "support/temp_folder.h"

namespace {

TEST(XlsxWorkbook, SavesAnXlsxPackage) {
  testsupport::TempFolder folder;
  qtui::QtPlatform platform;
  std::unique_ptr<forms::Workbook> book = platform.NewWorkbook();
  ASSERT_NE(book, nullptr);
  std::string error;
  ASSERT_TRUE(book->SetSheetName("Tower", error)) << error;
  book->SetText(1, 1, "Foundation");
  book->SetRowBold(1);
  book->SetNumber(2, 7, 0.6);
  book->SetColumnWidth(1, 20);
  ASSERT_TRUE(book->SaveAs(folder.Path() + "SUMMARY.xlsx", error)) << error;
  std::string bytes = folder.Read("SUMMARY.xlsx");
  ASSERT_GT(bytes.size(), 4u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("PK\x03\x04", 4));
  EXPECT_NE(bytes.find("xl/worksheets/sheet1.xml"), std::string::npos);
  EXPECT_NE(bytes.find("xl/sharedStrings.xml"), std::string::npos);
}

TEST(XlsxWorkbook, SheetNamesTheSpreadsheetRefuses) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"Tower", true},
      {"Office (2006) - Stage 1", true},
      {"", false},
      {"History", false},
      {std::string(32, 'x'), false},
      {std::string(31, 'x'), true},
      {"A/B", false},
      {"Phase [1]", false},
      {"'quoted'", false},
  };
  for (const auto& [name, accepted] : cases) {
    qtui::XlsxWorkbook book;
    std::string error;
    EXPECT_EQ(book.SetSheetName(name, error), accepted) << name;
    EXPECT_EQ(error.empty(), accepted) << name;
  }
}

TEST(XlsxWorkbook, FailedSaveTellsWhy) {
  testsupport::TempFolder folder;
  qtui::XlsxWorkbook book;
  book.SetText(1, 1, "x");
  std::string error;
  EXPECT_FALSE(book.SaveAs(folder.Path() + "missing/SUMMARY.xlsx", error));
  EXPECT_FALSE(error.empty());
  // A folder of the name stays as it was.
  ASSERT_TRUE(common::MakeFolder(folder.Path() + "taken.xlsx"));
  EXPECT_FALSE(book.SaveAs(folder.Path() + "taken.xlsx", error));
  EXPECT_TRUE(common::FolderExists(folder.Path() + "taken.xlsx"));
}

}  // namespace
