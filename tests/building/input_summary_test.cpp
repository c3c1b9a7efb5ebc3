// The input summary report: its layout, read from the project's files, and
// how a file that fails to read ends it.
#include "building/input_summary.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "common/paths.h"
#include "common/print_zones.h"
#include "support/summary_project.h"
#include "support/told.h"

namespace {

using testsupport::ReportLines;
using testsupport::Told;

TEST(PrintZones, ItemsStartAtTheNextZoneAfterTheItemBefore) {
  struct Case {
    std::vector<std::string> items;
    std::string line;
  };
  const std::vector<Case> cases = {
      {{"Name:      ", "Piling"}, "Name:         Piling"},                // 11 characters: column 15
      {{"Component Name:", "Slab"}, "Component Name:             Slab"},  // 15 characters: column 29
      {{"12345678901234", "x"}, "12345678901234x"},                       // a full zone: column 15
      {{"a", "", "c"}, "a                           c"},                  // an empty item takes its zone
      {{"", "b"}, "              b"},
      {{"Construction Floor Area (sqm):", " 1500 "}, "Construction Floor Area (sqm):             1500 "},
  };
  for (const auto& c : cases) {
    std::string line;
    switch (c.items.size()) {
      case 2:
        line = common::ZonedLine({c.items[0], c.items[1]});
        break;
      case 3:
        line = common::ZonedLine({c.items[0], c.items[1], c.items[2]});
        break;
    }
    EXPECT_EQ(line, c.line);
  }
}

class InputSummaryTest : public testing::Test {
 protected:
  InputSummaryTest() { st.InpSumFile = project.folder.Path() + "SUMMARY.TXT"; }
  std::vector<std::string> Report() const { return ReportLines(project.Read("SUMMARY.TXT")); }

  common::BuildingState st;
  testsupport::SummaryProject project{st};
};

TEST_F(InputSummaryTest, WholeProject) {
  EXPECT_EQ(Told(ModInpCtl::WriteInputSummary(st)), "done: Report written to file: " + st.InpSumFile);
  const std::vector<std::string> expected = {
      "Input Summary Report for the Project named:             Tower",
      "",
      "Main Project File:          TOWER.PRJ",
      "",
      "Construction Floor Area (sqm):             1500 ",
      "",
      "The Project comprises:",
      "",
      "No. of Foundation group(s):  1 ",
      "",
      "Name:         Piling",
      "Qty. (No.):    1 ",
      "In file:      FDN.FDN",
      "",
      "No. of Floor(s):             2 ",
      "",
      "Name:         Ground floor",
      "Qty. (No.):    1 ",
      "In file:      GF.FLR",
      "",
      "Name:         Typical",
      "Qty. (No.):    8 ",
      "In file:      TYP.FLR",
      "",
      "No. of Services:             1 ",
      "",
      "Name:         Lifts",
      "Qty. (No.):    1 ",
      "In file:      SER.SER",
      "",
      "For the Foundation Group:   Piling",
      "",
      "No. of Components in the Group:            2 ",
      "",
      "Component Name:             Piles",
      "In file:                    PILES.FDC",
      "Component Type:             Foundation",
      "Qty. (No.):                  4 ",
      "",
      "Component Name:             Caps",
      "In file:                    CAPS.FDC",
      "Component Type:             Foundation",
      "Qty. (No.):                  2 ",
      "",
      "For the Component:          Piles",
      "",
      "No. of ELements in the Component:          2 ",
      "",
      "Element Name: Pile",
      "Element Type: Bored pile",
      "In file:      PILE.FDE",
      "",
      "Element Name: Spare",
      "Element Type: Generic",
      "In file:      SPARE.FDE",
      "",
      "For the Element:            Pile",
      "",
      "Bored pile item 1           u1            0.6           dia",
      "Bored pile item 2           u2            24            m long",
      "",
      "For the Element:            Spare",
      "",
      "",
      "For the Component:          Caps",
      "",
      "No. of ELements in the Component:          1 ",
      "",
      "Element Name: Cap",
      "Element Type: Generic",
      "In file:      CAP.FDE",
      "",
      "For the Element:            Cap",
      "",
      "Generic item 1u1            C30           grade",
      "",
      "For the Floor Group:        Ground floor",
      "",
      "No. of Components in the Group:            1 ",
      "",
      "Component Name:             Slab",
      "In file:                    SLAB.FLC",
      "Component Type:             Envelope",
      "Qty. (No.):                  1 ",
      "",
      "For the Component:          Slab",
      "",
      "No. of ELements in the Component:          1 ",
      "",
      "Element Name: Slab 150",
      "Element Type: RC slab",
      "In file:      SLAB.FLE",
      "",
      "For the Element:            Slab 150",
      "",
      "RC slab item 1u1            150           mm",
      "",
      "For the Floor Group:        Typical",
      "",
      "No. of Components in the Group:            0 ",
      "",
      "",
      "For the Services Group:     Lifts",
      "",
      "No. of Components in the Group:            1 ",
      "",
      "Component Name:             Lift",
      "In file:                    LIFT.SRC",
      "Component Type:             Lifts & Escalators",
      "Qty. (No.):                  1 ",
      "",
      "For the Component:          Lift",
      "",
      "No. of ELements in the Component:          1 ",
      "",
      "Element Name: Car",
      "Element Type: Lift car",
      "In file:      CAR.SRE",
      "",
      "For the Element:            Car",
      "",
      "Lift car item 1             u1            2             cars",
      "",
  };
  EXPECT_EQ(Report(), expected);
  // The records the editors use hold the last group, component and element read.
  EXPECT_EQ(st.CurGrp.GrpName, "Lifts");
  EXPECT_EQ(st.CurComp.CompName, "Lift");
  EXPECT_EQ(st.CurElm.ElmName, "Car");
  EXPECT_EQ(st.GrpType, 300);
  EXPECT_EQ(st.CurFileName, "CAR.SRE");
}

TEST_F(InputSummaryTest, ProjectWithoutGroups) {
  st.Bldg.NoOfFdnGrp = st.Bldg.NoOfFlrGrp = st.Bldg.NoOfSerGrp = 0;
  st.Bldg.CFA = 2.5f;
  EXPECT_EQ(Told(ModInpCtl::WriteInputSummary(st)), "done: Report written to file: " + st.InpSumFile);
  const std::vector<std::string> expected = {"Input Summary Report for the Project named:             Tower",
                                             "",
                                             "Main Project File:          TOWER.PRJ",
                                             "",
                                             "Construction Floor Area (sqm):             2.5 ",
                                             "",
                                             "The Project comprises:",
                                             "",
                                             "No. of Foundation group(s):  0 ",
                                             "",
                                             "No. of Floor(s):             0 ",
                                             "",
                                             "No. of Services:             0 ",
                                             "",
                                             ""};
  EXPECT_EQ(Report(), expected);
}

// A file that fails to read ends the report with the name of the file read
// at the deepest level, and why it failed on a second line; what was
// written before stays in the report.
TEST(InputSummaryFailure, NamesTheDeepestFileAndKeepsTheLinesBefore) {
  struct Case {
    const char* what;
    std::function<void(testsupport::SummaryProject&, common::BuildingState&)> spoil;
    std::string file;      // named in the message
    std::string lastLine;  // the last non-empty line of the report
    std::string reason;    // the start of the second line; empty: none
  };
  using P = testsupport::SummaryProject;
  using S = common::BuildingState;
  const std::vector<Case> cases = {
      {"missing group file", [](P& p, S&) { p.Remove("GF.FLR"); }, "GF.FLR", "For the Floor Group:        Ground floor",
       "GF.FLR: file not found: "},
      {"missing component file", [](P& p, S&) { p.Remove("CAPS.FDC"); }, "CAPS.FDC", "For the Component:          Caps",
       "CAPS.FDC: file not found: "},
      {"missing element file", [](P& p, S&) { p.Remove("CAP.FDE"); }, "CAP.FDE", "For the Element:            Cap",
       "CAP.FDE: file not found: "},
      {"malformed component file",
       [](P& p, S&) { p.Write("proj/SLAB.FLC", "\"SLAB.FLC\"\r\n210\r\n\"Slab\"\r\nx\r\n"); }, "SLAB.FLC",
       "For the Component:          Slab", "SLAB.FLC: \"x\" is not a number (line 4)"},
      {"element with a 17th value",
       [](P& p, S&) {
         std::string text = "\"CAR.SRE\"\r\n320\r\n\"Car\"\r\n7\r\n";
         for (int i = 0; i < 17; ++i) text += "\"1\",\"\"\r\n";
         p.Write("proj/CAR.SRE", text);
       },
       "CAR.SRE", "For the Element:            Car", "CAR.SRE: a 17th value that is not empty (line 21)"},
      {"element type not in the library",
       [](P& p, S&) {
         p.Write("proj/SLAB.FLE", "\"SLAB.FLE\"\r\n220\r\n\"Slab 150\"\r\n9\r\n\"150\",\"mm\"\r\n\"\",\"\"\r\n");
       },
       "SLAB.FLE", "For the Element:            Slab 150", ""},
      {"component naming a type not in the library",
       [](P& p, S&) {
         p.Write("proj/LIFT.SRC", "\"LIFT.SRC\"\r\n310\r\n\"Lift\"\r\n3\r\n1\r\n1\r\n\"CAR.SRE\",\"Car\",8\r\n");
       },
       "LIFT.SRC", "No. of ELements in the Component:          1 ", ""},
      {"library missing", [](P&, S& s) { std::remove((s.DataDir + "ELECTSER/ELECTSER.ELB").c_str()); }, "LIFT.SRC",
       "For the Component:          Lift", "Error in opening element library: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    common::BuildingState st;
    testsupport::SummaryProject project(st);
    st.InpSumFile = project.folder.Path() + "SUMMARY.TXT";
    c.spoil(project, st);
    const std::string told = Told(ModInpCtl::WriteInputSummary(st));
    const std::string first = "not done: Error encountered. Currently reading from:" + c.file;
    EXPECT_EQ(told.substr(0, told.find('\n')), first);
    EXPECT_EQ(told.substr(std::min(told.size(), first.size() + 1), c.reason.size()), c.reason) << told;
    auto lines = ReportLines(project.Read("SUMMARY.TXT"));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), c.lastLine);
  }
}

TEST_F(InputSummaryTest, ReportFileThatCannotBeWritten) {
  st.InpSumFile = project.folder.Path() + "no/such/folder/SUMMARY.TXT";
  EXPECT_EQ(Told(ModInpCtl::WriteInputSummary(st)), "not done: Failed to open " + st.InpSumFile + " for output!\n" +
                                                        "cannot create " + st.InpSumFile +
                                                        ": No such file or directory");
}

// A bare report name goes to the project folder, as do the files read.
TEST_F(InputSummaryTest, BareNamesResolveToTheProjectFolder) {
  st.InpSumFile = "SUMMARY.TXT";
  EXPECT_EQ(Told(ModInpCtl::WriteInputSummary(st)), "done: Report written to file: SUMMARY.TXT");
  EXPECT_FALSE(project.Read("proj/SUMMARY.TXT").empty());
}

// The report lists the files the editors show and the run books: a stored
// name's bare name in the project folder, never a copy in the current
// folder nor a folder the name holds.
TEST_F(InputSummaryTest, StoredNamesResolveAsTheEditorsAndTheRunResolveThem) {
  std::string decoy = project.Read("proj/SLAB.FLE");
  decoy.replace(decoy.find("\"150\""), 5, "\"987\"");
  project.Write("SLAB.FLE", decoy);
  project.Write("other/SLAB.FLE", decoy);
  // The current folder is the one the decoy SLAB.FLE lies in.
  st.InpSumFile = project.folder.Path() + "SUMMARY.TXT";
  std::string component = project.Read("proj/SLAB.FLC");
  for (const std::string& stored :
       std::vector<std::string>{"SLAB.FLE", "other/SLAB.FLE", project.folder.Path() + "other/SLAB.FLE"}) {
    std::string withStored = component;
    withStored.replace(withStored.find("\"SLAB.FLE\""), 10, "\"" + stored + "\"");
    project.Write("proj/SLAB.FLC", withStored);
    ASSERT_EQ(Told(ModInpCtl::WriteInputSummary(st)), "done: Report written to file: " + st.InpSumFile) << stored;
    const std::string report = project.Read("SUMMARY.TXT");
    EXPECT_EQ(report.find("987"), std::string::npos) << stored;
  }
}

}  // namespace
