// The selection summary report: what the selection takes in, group by
// group and component by component, and how a failure ends it.
#include "assessment/selection_report.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "assessment/selection.h"
#include "support/summary_project.h"

namespace {

using testsupport::ReportLines;

class SelectionReportTest : public testing::Test {
 protected:
  SelectionReportTest() {
    ModCal::ResetAllSelections(sel);
    prog.assess.SelSumFile = project.folder.Path() + "SELECTED.TXT";
  }
  std::vector<std::string> Report() const { return ReportLines(project.Read("SELECTED.TXT")); }
  bool Write(const std::string& ending) {
    ModCal::SelectionReportResult written = ModCal::WriteSelectionReport(prog);
    EXPECT_EQ(written.messages, std::vector<std::string>{ending});
    return written.complete;
  }
  std::string Written() const { return "Report written to file: " + prog.assess.SelSumFile; }
  static bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  common::SelectionTables& sel = prog.assess.sel;
  testsupport::SummaryProject project{prog.building};
};

// Piles "None", Caps "Some" with its element off, services skipped: only
// the selected components get their element lists.
TEST_F(SelectionReportTest, WholeProject) {
  sel.FdnCompAssess[0][0] = 0;
  sel.FdnCompAssess[0][1] = 0.5f;
  sel.FdnElmAssess[0][1][0] = false;
  sel.SkipAllSer = 1;
  EXPECT_TRUE(Write(Written()));
  const std::vector<std::string> expected = {
      "Summary Report on Selection of Components and Elements",
      "for the Project named:Tower",
      "",
      "Main Project File:TOWER.PRJ",
      "",
      "Construction Floor Area (sqm): 1500 ",
      "",
      "The Project comprises:",
      "",
      "No. of Foundation group(s): 1 ",
      "",
      "Name:      PilingAll",
      "Qty. (No.): 1 ",
      "In file:   FDN.FDN",
      "",
      "No. of Floor(s): 2 ",
      "",
      "Name:      Ground floorAll",
      "Qty. (No.): 1 ",
      "In file:   GF.FLR",
      "",
      "Name:      TypicalAll",
      "Qty. (No.): 8 ",
      "In file:   TYP.FLR",
      "",
      "No. of Services: 1 ",
      "Name:      LiftsAll",
      "Qty. (No.): 1 ",
      "In file:   SER.SER",
      "",
      "However, all Services are SKIPPED in the present selection!",
      "",
      "",
      "For the Foundation Group:Piling",
      "",
      "No. of Components in the Group: 2 ",
      "",
      "Component Name:PilesNone",
      "In file:       PILES.FDC",
      "Component Type:Foundation",
      "Qty. (No.):     4 ",
      "",
      "Component Name:CapsSome",
      "In file:       CAPS.FDC",
      "Component Type:Foundation",
      "Qty. (No.):     2 ",
      "",
      "For the Component:Caps",
      "",
      "No. of ELements in the Component: 1 ",
      "",
      "Element Name:CapNo",
      "Element Type:Generic",
      "In file:     CAP.FDE",
      "",
      "",
      "For the Floor Group:Ground floor",
      "",
      "No. of Components in the Group: 1 ",
      "",
      "Component Name:SlabAll",
      "In file:       SLAB.FLC",
      "Component Type:Envelope",
      "Qty. (No.):     1 ",
      "",
      "For the Component:Slab",
      "",
      "No. of ELements in the Component: 1 ",
      "",
      "Element Name:Slab 150Yes",
      "Element Type:RC slab",
      "In file:     SLAB.FLE",
      "",
      "For the Floor Group:Typical",
      "",
      "No. of Components in the Group: 0 ",
      "",
      "",
  };
  EXPECT_EQ(Report(), expected);
  EXPECT_EQ(prog.building.CurGrp.GrpName, "Typical");
}

TEST_F(SelectionReportTest, SkippedAndUnselectedGroupsAreListedWithoutSections) {
  sel.SkipAllFdn = 1;
  sel.FlrGrpAssess[0] = 0;  // "Ground floor": None
  EXPECT_TRUE(Write(Written()));
  auto lines = Report();
  EXPECT_TRUE(Has(lines, "Name:      PilingAll"));
  EXPECT_TRUE(Has(lines, "However, all Foundations are SKIPPED in the present selection!"));
  EXPECT_TRUE(Has(lines, "Name:      Ground floorNone"));
  EXPECT_FALSE(Has(lines, "For the Foundation Group:Piling"));
  EXPECT_FALSE(Has(lines, "For the Floor Group:Ground floor"));
  EXPECT_TRUE(Has(lines, "For the Floor Group:Typical"));
  EXPECT_TRUE(Has(lines, "For the Services Group:Lifts"));
  // After the services' last element the report ends without a blank line.
  EXPECT_EQ(lines.back(), "");
  EXPECT_EQ(lines[lines.size() - 2], "In file:     CAR.SRE");
}

// A file that fails to read ends the report with the group or component
// file handed down last; the lines before stay.
TEST(SelectionReportFailure, NamesTheFileHandedDownLast) {
  struct Case {
    const char* what;
    std::function<void(testsupport::SummaryProject&, common::BldgRec&)> spoil;
    std::vector<std::string> messages;
    std::string lastLine;
  };
  const std::string failed = "Error encountered. Currently reading from:";
  const std::vector<Case> cases = {
      {"missing group file",
       [](auto& p, auto&) { p.Remove("SER.SER"); },
       {failed + "SER.SER\nSER.SER: file not found: {proj}SER.SER"},
       "For the Services Group:Lifts"},
      {"missing component file",
       [](auto& p, auto&) { p.Remove("CAPS.FDC"); },
       {failed + "CAPS.FDC\nCAPS.FDC: file not found: {proj}CAPS.FDC"},
       "For the Component:Caps"},
      {"group file of an unknown type",
       [](auto& p, auto&) {
         p.Write("proj/FDN.FDN", "\"FDN.FDN\"\r\n150\r\n\"Piling\"\r\n1\r\n1\r\n\"PILES.FDC\",\"Piles\",0,4\r\n");
       },
       {"Error in Component type!!", failed + "FDN.FDN"},
       "No. of Components in the Group: 1 "},
      // A foundation group file in row 12 of the floors: the foundation
      // tables have no row 12.
      {"foundation group file listed beyond the foundation tables",
       [](auto&, auto& b) {
         b.NoOfFlrGrp = 13;
         for (size_t g = 2; g < 12; ++g) b.FlrGrpFile[g] = "TYP.FLR";
         b.FlrGrpFile[12] = "FDN.FDN";
         b.FlrGrpName[12] = "Piling again";
       },
       {failed + "FDN.FDN"},
       "No. of Components in the Group: 2 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto prog = std::make_unique<common::Program>();
    testsupport::SummaryProject project(prog->building);
    ModCal::ResetAllSelections(prog->assess.sel);
    prog->assess.SelSumFile = project.folder.Path() + "SELECTED.TXT";
    c.spoil(project, prog->building.Bldg);
    ModCal::SelectionReportResult written = ModCal::WriteSelectionReport(*prog);
    EXPECT_FALSE(written.complete);
    // A reason names the project folder where the case writes {proj}.
    std::vector<std::string> messages = c.messages;
    for (std::string& m : messages)
      if (auto at = m.find("{proj}"); at != std::string::npos) m.replace(at, 6, project.folder.Path() + "proj/");
    EXPECT_EQ(written.messages, messages);
    auto lines = ReportLines(project.Read("SELECTED.TXT"));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), c.lastLine);
  }
}

TEST_F(SelectionReportTest, ReportFileThatCannotBeWritten) {
  prog.assess.SelSumFile = project.folder.Path() + "gone/SELECTED.TXT";
  EXPECT_FALSE(Write("Failed to open " + prog.assess.SelSumFile + " for output!\ncannot create " +
                     prog.assess.SelSumFile + ": No such file or directory"));
}

TEST_F(SelectionReportTest, ComponentWithoutElements) {
  project.Write("proj/SLAB.FLC", "\"SLAB.FLC\"\r\n210\r\n\"Slab\"\r\n0\r\n1\r\n0\r\n");
  EXPECT_TRUE(Write(Written()));
  auto lines = Report();
  auto at = std::find(lines.begin(), lines.end(), "For the Component:Slab");
  ASSERT_NE(at, lines.end());
  ASSERT_GT(lines.end() - at, 4);
  EXPECT_EQ(at[2], "No. of ELements in the Component: 0 ");
  EXPECT_EQ(at[3], "");
  EXPECT_EQ(at[4], "For the Floor Group:Typical");
}

}  // namespace
