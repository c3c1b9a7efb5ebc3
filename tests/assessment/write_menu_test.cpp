// The main window's Write menu: the input summary report and workbook and
// the selection summary, from the dialog to the panel lines; and the three
// summaries of the sample office project.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/main_window.h"
#include "assessment/selection.h"
#include "assessment/selection_report.h"
#include "building/element_library.h"
#include "building/input_summary.h"
#include "building/input_summary_workbook.h"
#include "building/project_file.h"
#include "support/scripted_platform.h"
#include "support/summary_project.h"
#include "support/told.h"

namespace {

class WriteMenuTest : public testing::Test {
 protected:
  WriteMenuTest() { ModCal::ResetAllSelections(prog.assess.sel); }
  std::string Panel(int fromEnd) const {
    auto lines = main.PicMain.PrintedTexts();
    return lines.at(lines.size() - 1 - static_cast<size_t>(fromEnd));
  }
  std::string Out(const std::string& name) const { return project.folder.Path() + name; }

  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  testsupport::SummaryProject project{prog.building};
  testsupport::ScriptedPlatform platform;
  app::Windows windows{prog, platform};
  app::frmMain main{prog, platform, windows};
};

// A cancelled dialog ends each command; only the workbook says so.
TEST_F(WriteMenuTest, CancelledDialogs) {
  platform.ExpectOpenDialog(std::nullopt);
  main.mnuWSelected_Click();
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_TRUE(main.PicMain.PrintedTexts().empty());

  platform.ExpectOpenDialog(std::nullopt);
  main.MnuPrintInSum_Click();
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(Panel(0), "   Print input summary");

  platform.ExpectOpenDialog(std::nullopt);
  platform.ExpectMessage("Cancel was selected.");
  main.MnuPrintInSumExcel_Click();
  EXPECT_EQ(Panel(0), "   Export input summary (Excel)");
  EXPECT_TRUE(platform.Workbooks().empty());

  ASSERT_EQ(platform.Dialogs().size(), 3u);
  EXPECT_EQ(platform.Dialogs()[0].title, "Generate Selection Summary Report");
  EXPECT_EQ(platform.Dialogs()[0].filter, "Input Summary Report (*.TXT)|*.TXT");
  EXPECT_EQ(platform.Dialogs()[1].title, "Generate Input Summary Report");
  EXPECT_EQ(platform.Dialogs()[1].filter, "Input Summary Report (*.TXT)|*.TXT");
  EXPECT_EQ(platform.Dialogs()[2].title, "Generate Input Summary to Excel");
  EXPECT_EQ(platform.Dialogs()[2].filter, "Input Summary (Excel) (*.xlsx)|*.xlsx;*.xls");
}

TEST_F(WriteMenuTest, EachCommandWritesItsSummary) {
  EXPECT_FALSE(main.MnuPrintInSum.Enabled());  // the text report is not offered
  platform.ExpectOpenDialog(Out("SEL.TXT"));
  platform.ExpectMessage("Report written to file: " + Out("SEL.TXT"));
  main.mnuWSelected_Click();
  EXPECT_EQ(Panel(1), "   Print selection summary");
  EXPECT_EQ(Panel(0), "   Selection summary printed");
  EXPECT_FALSE(project.Read("SEL.TXT").empty());

  platform.ExpectOpenDialog(Out("INP.TXT"));
  platform.ExpectMessage("Report written to file: " + Out("INP.TXT"));
  main.MnuPrintInSum_Click();
  EXPECT_EQ(Panel(1), "   Print input summary");
  EXPECT_EQ(Panel(0), "   Input summary printed");
  EXPECT_FALSE(project.Read("INP.TXT").empty());

  platform.ExpectOpenDialog(Out("INP.xls"));
  platform.ExpectMessage("Input Summary written to Excel file: " + Out("INP.xlsx"));
  main.MnuPrintInSumExcel_Click();
  EXPECT_EQ(Panel(1), "   Export input summary (Excel)");
  EXPECT_EQ(Panel(0), "   Input summary exported");
  ASSERT_EQ(platform.Workbooks().size(), 1u);
  EXPECT_EQ(platform.Workbooks()[0]->savedAs, Out("INP.xlsx"));
}

// A summary that fails says so in its message box; the panel does not
// then report it written.
TEST_F(WriteMenuTest, FailedSummaryIsNotReportedDone) {
  project.Remove("GF.FLR");
  platform.ExpectOpenDialog(Out("SEL.TXT"));
  platform.ExpectMessage("Error encountered. Currently reading from:GF.FLR");
  main.mnuWSelected_Click();
  EXPECT_EQ(Panel(0), "   Print selection summary");

  platform.ExpectOpenDialog(Out("INP.TXT"));
  platform.ExpectMessage("Error encountered. Currently reading from:GF.FLR");
  main.MnuPrintInSum_Click();
  EXPECT_EQ(Panel(0), "   Print input summary");

  platform.ExpectOpenDialog(Out("INP.xlsx"));
  platform.AllowAnyMessage();
  main.MnuPrintInSumExcel_Click();
  EXPECT_EQ(Panel(0), "   Export input summary (Excel)");
  EXPECT_EQ(platform.Messages().back().rfind("GF.FLR: ", 0), 0u);
  EXPECT_TRUE(platform.Workbooks()[0]->savedAs.empty());
}

// The sample office project on the sample data: every file of the project
// is read and every summary completes.
TEST(SampleOfficeSummaries, EverySummaryCompletes) {
  testsupport::TempFolder folder;
  auto prog = std::make_unique<common::Program>();
  auto& b = prog->building;
  const std::string root = OSTREVO_SOURCE_DIR;
  b.DataDir = root + "/data/";
  building::SetLibraryPaths(b);
  b.ProjDir = root + "/samples/office/";
  std::string error;
  ASSERT_EQ(building::ReadProjectFile(b.ProjDir + "OFFICE.PRJ", b.Bldg, error), building::ReadStatus::Ok) << error;
  ModCal::ResetAllSelections(prog->assess.sel);
  testsupport::ScriptedPlatform platform;

  b.InpSumFile = folder.Path() + "INPUT.TXT";
  EXPECT_EQ(testsupport::Told(ModInpCtl::WriteInputSummary(b)), "done: Report written to file: " + b.InpSumFile);
  auto input = testsupport::ReportLines(folder.Read("INPUT.TXT"));
  auto count = [](const std::vector<std::string>& lines, const std::string& start) {
    return std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
  };
  EXPECT_EQ(input.at(0).substr(56), b.Bldg.ProjName);
  EXPECT_EQ(count(input, "For the Foundation Group:") + count(input, "For the Floor Group:") +
                count(input, "For the Services Group:"),
            b.Bldg.NoOfFdnGrp + b.Bldg.NoOfFlrGrp + b.Bldg.NoOfSerGrp);
  EXPECT_EQ(count(input, "For the Element:"), count(input, "Element Name:"));
  EXPECT_GT(count(input, "For the Element:"), 20);

  b.InpSumFile = folder.Path() + "INPUT.xlsx";
  auto book = platform.NewWorkbook();
  EXPECT_EQ(testsupport::Told(ModInpCtl::WriteInputSummaryExcel(b, book.get())),
            "done: Input Summary written to Excel file: " + b.InpSumFile);
  EXPECT_EQ(platform.Workbooks().at(0)->sheetName, b.Bldg.ProjName);

  prog->assess.SelSumFile = folder.Path() + "SELECTED.TXT";
  ModCal::SelectionReportResult written = ModCal::WriteSelectionReport(*prog);
  EXPECT_TRUE(written.complete);
  EXPECT_EQ(written.messages, std::vector<std::string>{"Report written to file: " + prog->assess.SelSumFile});
  auto selected = testsupport::ReportLines(folder.Read("SELECTED.TXT"));
  EXPECT_EQ(count(selected, "Element Name:"), count(input, "Element Name:"));
}

}  // namespace
