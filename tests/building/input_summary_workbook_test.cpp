// The input summary workbook: its rows and cells for the project's files,
// the empty rows and overwritten names of the layout, and its failures.
#include "building/input_summary_workbook.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <vector>

#include "support/scripted_platform.h"
#include "support/summary_project.h"
#include "support/told.h"

namespace {

using Book = testsupport::ScriptedPlatform::RecordedWorkbook;
using testsupport::Told;

class InputSummaryWorkbookTest : public testing::Test {
 protected:
  InputSummaryWorkbookTest() { st.InpSumFile = project.folder.Path() + "SUMMARY.xlsx"; }
  const Book& Workbook() const { return *platform.Workbooks().at(0); }
  // The summary written into a new workbook of the platform.
  building::CommandResult Write() {
    auto book = platform.NewWorkbook();
    return ModInpCtl::WriteInputSummaryExcel(st, book.get());
  }
  void ExpectHead(int row, const std::string& kind) const {
    const std::vector<std::string> heads = {kind,   "Component", "Element", "Element Type",
                                            "Item", "Unit",      "Value",   "Remark"};
    for (int c = 1; c <= 8; ++c)
      EXPECT_EQ(Workbook().Text(row, c), heads[static_cast<size_t>(c - 1)]) << row << "," << c;
    EXPECT_TRUE(Workbook().boldRows.count(row)) << row;
  }
  void ExpectRow(int row, const std::vector<std::string>& texts) const {
    for (int c = 1; c <= 8; ++c) {
      const std::string& want = texts[static_cast<size_t>(c - 1)];
      if (want == "-") {
        EXPECT_TRUE(Workbook().Empty(row, c)) << row << "," << c;
      } else if (want != "#") {
        EXPECT_EQ(Workbook().Text(row, c), want) << row << "," << c;
      }
    }
  }

  common::BuildingState st;
  testsupport::SummaryProject project{st};
  testsupport::ScriptedPlatform platform;
};

TEST_F(InputSummaryWorkbookTest, WholeProject) {
  EXPECT_EQ(Told(Write()), "done: Input Summary written to Excel file: " + st.InpSumFile);
  ASSERT_EQ(platform.Workbooks().size(), 1u);
  const Book& b = Workbook();
  EXPECT_EQ(b.sheetName, "Tower");
  EXPECT_EQ(b.savedAs, st.InpSumFile);
  EXPECT_EQ(b.widths, (std::map<int, double>{{1, 20}, {2, 20}, {3, 20}, {4, 15}, {5, 20}, {6, 10}, {7, 10}, {8, 20}}));
  EXPECT_EQ(b.boldRows, (std::set<int>{1, 6, 9}));
  ExpectHead(1, "Foundation");
  // Numbers in the value column are taken as numbers ("#" below).
  ExpectRow(2, {"Piling", "Piles", "Pile", "Bored pile", "Bored pile item 1", "u1", "#", "dia"});
  EXPECT_EQ(b.Number(2, 7), 0.6);
  ExpectRow(3, {"-", "-", "-", "-", "Bored pile item 2", "u2", "#", "m long"});
  EXPECT_EQ(b.Number(3, 7), 24);
  // "Spare" has no item: "Caps" and "Cap" write over its row.
  ExpectRow(4, {"-", "Caps", "Cap", "Generic", "Generic item 1", "u1", "C30", "grade"});
  ExpectRow(5, {"-", "-", "-", "-", "-", "-", "-", "-"});
  ExpectHead(6, "Floor");
  ExpectRow(7, {"Ground floor", "Slab", "Slab 150", "RC slab", "RC slab item 1", "u1", "#", "mm"});
  EXPECT_EQ(b.Number(7, 7), 150);
  // A group without components keeps its name on a row of its own.
  ExpectRow(8, {"Typical", "-", "-", "-", "-", "-", "-", "-"});
  ExpectHead(9, "Services");
  ExpectRow(10, {"Lifts", "Lift", "Car", "Lift car", "Lift car item 1", "u1", "#", "cars"});
  ExpectRow(11, {"-", "-", "-", "-", "-", "-", "-", "-"});
  EXPECT_EQ(st.CurElm.ElmName, "Car");
}

TEST_F(InputSummaryWorkbookTest, ProjectWithoutGroupsGivesThreeHeadRows) {
  st.Bldg.NoOfFdnGrp = st.Bldg.NoOfFlrGrp = st.Bldg.NoOfSerGrp = 0;
  EXPECT_EQ(Told(Write()), "done: Input Summary written to Excel file: " + st.InpSumFile);
  ExpectHead(1, "Foundation");
  ExpectHead(3, "Floor");
  ExpectHead(5, "Services");
  for (int row : {2, 4}) ExpectRow(row, {"-", "-", "-", "-", "-", "-", "-", "-"});
  EXPECT_EQ(Workbook().boldRows, (std::set<int>{1, 3, 5}));
}

// Every failure is told with its description; nothing is saved.
TEST_F(InputSummaryWorkbookTest, FailuresSaveNothing) {
  struct Case {
    const char* what;
    std::function<void()> spoil;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"sheet name refused", [&] { platform.RefuseSheetName("A sheet name cannot be blank."); },
       "A sheet name cannot be blank."},
      {"save refused", [&] { platform.RefuseWorkbookSave("disk full"); }, "disk full"},
      {"missing element file", [&] { project.Remove("SLAB.FLE"); }, "SLAB.FLE: file not found: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.spoil();
    building::CommandResult written = Write();
    EXPECT_FALSE(written.done);
    EXPECT_EQ(written.message.substr(0, c.message.size()), c.message);
    EXPECT_TRUE(platform.Workbooks().back()->savedAs.empty());
  }
  EXPECT_EQ(Told(ModInpCtl::WriteInputSummaryExcel(st, nullptr)),
            "not done: No spreadsheet workbook can be made on this system.");
}

TEST(InputSummaryWorkbookName, WorkbookContentGetsItsExtension) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/p/Summary.xls", "/p/Summary.xlsx"},  {"/p/Summary.XLS", "/p/Summary.xlsx"},
      {"/p/Summary.xlsx", "/p/Summary.xlsx"}, {"/p/Summary.XLSX", "/p/Summary.XLSX"},
      {"/p/Summary", "/p/Summary.xlsx"},      {"/p/Summary.txt", "/p/Summary.txt.xlsx"},
  };
  for (const auto& [chosen, file] : cases) EXPECT_EQ(ModInpCtl::WorkbookFileName(chosen), file) << chosen;
}

}  // namespace
