#include "building/component_file.h"

#include <gtest/gtest.h>

#include "building/component_commands.h"
#include "building/group_file.h"
#include "building/project_file.h"
#include "building/user_value_file.h"
#include "common/paths.h"
#include "composition_fixture.h"
#include "support/temp_folder.h"
#include "support/told.h"

namespace {

using building::CommandRead;
using building::FileRead;
using testsupport::Told;

common::CompRec SampleComponent(int elements) {
  common::CompRec c;
  c.CompFile = "SLAB.FLC";
  c.CompName = "Slab, level 2";
  c.CompType = 1;
  c.CompQty = 2.5f;
  c.NoOfElm = static_cast<common::Integer>(elements);
  for (int i = 0; i < elements; ++i) {
    c.CompElmFile[i] = "E" + std::to_string(i) + ".FLE";
    c.CompElmName[i] = "Element " + std::to_string(i);
    c.CompElmTypeNo[i] = static_cast<common::Integer>(i * 15);
  }
  return c;
}

std::string SavedComponentFile(const common::CompRec& c) {
  return testsupport::SavedText(
      [&](const std::string& path, std::string& error) { return building::WriteComponentFile(path, c, 210, error); });
}

TEST(ComponentFile, LayoutAndShortestQuantity) {
  common::CompRec c = SampleComponent(0);
  c.CompQty = 2;
  EXPECT_EQ(SavedComponentFile(c), "\"SLAB.FLC\"\r\n210\r\n\"Slab, level 2\"\r\n1\r\n2\r\n0\r\n");
  c = SampleComponent(1);
  EXPECT_EQ(SavedComponentFile(c),
            "\"SLAB.FLC\"\r\n210\r\n\"Slab, level 2\"\r\n1\r\n2.5\r\n1\r\n\"E0.FLE\",\"Element 0\",0\r\n");
}

TEST(ComponentFile, KindMessageHasTwoBlanksBeforeEachCode) {
  EXPECT_EQ(building::ComponentKindMessage("A.FLC", 210, 310), "A.FLC is for type  210 but not  310");
}

class ComponentFiles : public buildingtest::Composition {};

TEST_F(ComponentFiles, RoundTripOfEveryKind) {
  for (common::Integer code : {110, 210, 310}) {
    for (int elements : {0, 1, 20}) {
      SCOPED_TRACE(std::to_string(code) + " with " + std::to_string(elements));
      common::CompRec written = SampleComponent(elements);
      if (elements > 0) written.CompElmTypeNo[0] = -1;  // an empty slot
      std::string error;
      ASSERT_TRUE(building::WriteComponentFile(InProject("C.CMP"), written, code, error)) << error;
      common::CompRec read;
      read.CompFile = written.CompFile;
      ASSERT_EQ(building::ReadComponentFile(InProject("C.CMP"), code, read).status, FileRead::Ok);
      EXPECT_EQ(read, written);
    }
  }
}

TEST_F(ComponentFiles, BrokenFilesChangeNothing) {
  const std::string head = "\"C.FLC\"\r\n210\r\n\"Name\"\r\n0\r\n1\r\n";
  struct Case {
    const char* what;
    std::string text;
  } cases[] = {
      {"21 elements", head + "21\r\n"},
      {"negative count", head + "-1\r\n"},
      {"element type 301", head + "1\r\n\"A.FLE\",\"A\",301\r\n"},
      {"element type -2", head + "1\r\n\"A.FLE\",\"A\",-2\r\n"},
      {"component type 20", "\"C.FLC\"\r\n210\r\n\"Name\"\r\n20\r\n1\r\n0\r\n"},
      {"component type -1", "\"C.FLC\"\r\n210\r\n\"Name\"\r\n-1\r\n1\r\n0\r\n"},
      {"text for a number", "\"C.FLC\"\r\n210\r\n\"Name\"\r\n0\r\n\"two\"\r\n0\r\n"},
      {"truncated mid-record", head + "2\r\n\"A.FLE\",\"A\",1\r\n\"B.FLE\"\r\n"},
      {"no count", head},
      {"empty file", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteProject("BAD.FLC", c.text);
    common::CompRec comp = SampleComponent(3);
    const common::CompRec before = comp;
    EXPECT_EQ(building::ReadComponentFile(InProject("BAD.FLC"), 210, comp).status, FileRead::Failed);
    EXPECT_EQ(comp, before);
  }
}

// ---- the editor's commands ----

class ComponentCommands : public buildingtest::Composition {
 protected:
  ComponentCommands() {
    UseGroup(200);
    building::SetCompFileKind(st);
  }
  building::ComponentBoxes Boxes(const std::string& name, const std::string& number = "2") {
    return {name, 1, number, {"Screed", "Slab"}};
  }
};

TEST_F(ComponentCommands, SaveValidatesInOrder) {
  struct Case {
    building::ComponentBoxes boxes;
    std::string message;
  } cases[] = {
      {{"", -1, "", {}}, "Component type not defined!!"},
      {{"", 0, "", {}}, "Component Name not defined!!"},
      {{"Slab", 0, "", {}}, "No. of Identical Components not defined!!"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Told(building::SaveCompFile(st, dialogs, c.boxes, st.CurComp.CompFile)), "not done: " + c.message);
  }
  EXPECT_EQ(st.CurComp, common::CompRec{});
}

TEST_F(ComponentCommands, SaveNamesANewComponentAfterItsName) {
  struct Case {
    std::string stored, typed, file;
  } cases[] = {
      {"", "Slab", "Slab.FLC"},          {"", "Slab.flc", "Slab.flc.FLC"}, {"", "Slab.FLC", "Slab.FLC"},
      {"Old.FLC", "Renamed", "Old.FLC"}, {"", "sub/Deep", "Deep.FLC"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    st.CurComp = SampleComponent(2);
    st.CurComp.CompFile = c.stored;
    // Saved over its own file: the naming alone is under test here.
    ASSERT_EQ(Told(building::SaveCompFile(st, dialogs, Boxes(c.typed, "2.5"), c.file)), "done");
    EXPECT_EQ(st.CurComp.CompFile, c.file);
    EXPECT_EQ(st.CurComp.CompName, c.typed);
    EXPECT_EQ(st.CurComp.CompQty, 2.5f);
    EXPECT_EQ(st.CurComp.CompType, 1);
    EXPECT_EQ(st.CurComp.NoOfElm, 2);
    EXPECT_TRUE(common::FileExists(InProject(c.file)));
  }
}

TEST_F(ComponentCommands, AFailedSaveReportsAndChangesNothing) {
  WriteProject("Keep.FLC", "previous contents");
  st.CurComp = SampleComponent(1);
  st.CurComp.CompFile = "Keep.FLC";
  const common::CompRec before = st.CurComp;
  struct Case {
    building::ComponentBoxes boxes;
    std::string reason;  // the writer's, on a second line
  } cases[] = {
      {{"Two\nlines", 0, "1", {"x"}}, "\na name holds a line break"},
      {{"Fine", 0, "1", std::vector<std::string>(21, "x")}, "\nmore than 20 elements"},
      {{"Fine", 0, "1e39", {}}, "\nthe number 1e39 is too large"},
      {{"Fine", 0, "-3.4028236E+38", {}}, "\nthe number -3.4028236E+38 is too large"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Told(building::SaveCompFile(st, dialogs, c.boxes, st.CurComp.CompFile)),
              "not done: Error in saving component data!!" + c.reason);
    EXPECT_EQ(st.CurComp, before);
    EXPECT_EQ(ReadProject("Keep.FLC"), "previous contents");
  }
}

TEST_F(ComponentCommands, ReadShowsTheComponent) {
  std::string error;
  ASSERT_TRUE(building::WriteComponentFile(InProject("SLAB.FLC"), SampleComponent(2), 210, error));
  st.CurComp.CompFile = "SLAB.FLC";
  auto read = building::ReadCompFile(st);
  ASSERT_EQ(read.result, CommandRead::Read);
  EXPECT_EQ(read.message, "");
  EXPECT_EQ(read.shown.compName, "Slab, level 2");
  EXPECT_EQ(read.shown.compTypeIndex, 1);
  EXPECT_EQ(read.shown.compNo, "2.5");
  EXPECT_EQ(read.shown.elementNames, (std::vector<std::string>{"Element 0", "Element 1"}));
  EXPECT_EQ(st.CurComp.CompElmFile[1], "E1.FLE");
  EXPECT_EQ(st.CurFileName, "SLAB.FLC");
}

TEST_F(ComponentCommands, LoadOfAComponentOfAnotherKindIsRefused) {
  std::string error;
  ASSERT_TRUE(building::WriteComponentFile(InProject("SLAB.FLC"), SampleComponent(2), 210, error));
  UseGroup(300);
  st.CurComp = SampleComponent(1);
  st.CurComp.CompFile = "PUMPS.SRC";
  st.CurComp.CompName = "Pumps";
  const common::CompRec before = st.CurComp;
  platform.ExpectOpenDialog(st.ProjDir + "SLAB.FLC");
  auto read = building::LoadCompFile(st, dialogs);
  EXPECT_EQ(read.result, CommandRead::WrongKind);
  EXPECT_EQ(read.message, st.ProjDir + "SLAB.FLC is for type  210 but not  310");
  EXPECT_EQ(st.CurComp, before);
  ASSERT_EQ(platform.Dialogs().size(), 1u);
  EXPECT_EQ(platform.Dialogs()[0].filter, "Services Component files (*.SRC)|*.SRC");
  EXPECT_EQ(platform.Dialogs()[0].initialFolder, st.ProjDir);
  EXPECT_EQ(platform.Dialogs()[0].fileName, "");
}

TEST_F(ComponentCommands, LoadTakesTheChosenNameOnlyAfterAGoodRead) {
  WriteProject("BAD.FLC", "\"BAD.FLC\"\r\n210\r\n\"Bad\"\r\n0\r\n1\r\n21\r\n");
  std::string error;
  ASSERT_TRUE(building::WriteComponentFile(InProject("GOOD.FLC"), SampleComponent(1), 210, error));
  st.CurComp = SampleComponent(3);
  st.CurComp.CompFile = "MINE.FLC";
  const common::CompRec before = st.CurComp;

  platform.ExpectOpenDialog(std::nullopt);
  EXPECT_EQ(building::LoadCompFile(st, dialogs).result, CommandRead::Cancelled);
  platform.ExpectOpenDialog(st.ProjDir + "BAD.FLC");
  auto read = building::LoadCompFile(st, dialogs);
  EXPECT_EQ(read.result, CommandRead::Failed);
  EXPECT_EQ(read.message, "Error in reading component data!!\nan element count of 21 lies outside 0 to 20 (line 6)");
  platform.ExpectOpenDialog(st.ProjDir + "GONE.FLC");  // nothing read, nothing shown
  read = building::LoadCompFile(st, dialogs);
  EXPECT_EQ(read.result, CommandRead::NotOpened);
  EXPECT_EQ(read.message, "");
  EXPECT_EQ(st.CurComp, before);

  platform.ExpectOpenDialog(st.ProjDir + "GOOD.FLC");
  EXPECT_EQ(building::LoadCompFile(st, dialogs).result, CommandRead::Read);
  EXPECT_EQ(st.CurComp.CompFile, "GOOD.FLC");
  EXPECT_EQ(st.CurComp.NoOfElm, 1);
}

// Quantities, floor areas and user values read back exactly after a save
// (11683.875 needs eight digits), while a value of at most seven digits
// keeps its text.
TEST_F(ComponentFiles, SinglesReadBackExactly) {
  for (float value : {11683.875f, 1234.5677f, 100000.0f, 2.5f}) {
    SCOPED_TRACE(value);
    std::string error;
    common::CompRec c = SampleComponent(0);
    c.CompQty = value;
    ASSERT_TRUE(building::WriteComponentFile(InProject("Q.FLC"), c, 210, error)) << error;
    common::CompRec compBack;
    ASSERT_EQ(building::ReadComponentFile(InProject("Q.FLC"), 210, compBack).status, FileRead::Ok);
    EXPECT_EQ(compBack.CompQty, value);

    common::GroupRec g;
    g.GrpFile = "Q.FLR";
    g.GrpQty = value;
    g.NoOfComp = 1;
    g.GrpCompQty[0] = value;
    ASSERT_TRUE(building::WriteGroupFile(InProject("Q.FLR"), g, 200, error)) << error;
    common::GroupRec groupBack;
    ASSERT_EQ(building::ReadGroupFile(InProject("Q.FLR"), 200, groupBack).status, FileRead::Ok);
    EXPECT_EQ(groupBack.GrpQty, value);
    EXPECT_EQ(groupBack.GrpCompQty[0], value);

    common::BldgRec b;
    b.CFA = value;
    b.NoOfSerGrp = 1;
    b.SerGrpQty[0] = value;
    ASSERT_TRUE(building::WriteProjectFile(InProject("Q.PRJ"), b, error)) << error;
    common::BldgRec projectBack;
    ASSERT_EQ(building::ReadProjectFile(InProject("Q.PRJ"), projectBack, error), building::ReadStatus::Ok);
    EXPECT_EQ(projectBack.CFA, value);
    EXPECT_EQ(projectBack.SerGrpQty[0], value);

    building::UserValueFile u;
    u.Count = u.InForce = 1;
    u.MatWas[1] = u.MatLife[1] = u.MatUCost[1] = value;
    ASSERT_TRUE(building::WriteUserValueFile(InProject("Q_.FLE"), u, error)) << error;
    building::UserValueFile userBack;
    ASSERT_EQ(building::ReadUserValueFile(InProject("Q_.FLE"), std::nullopt, userBack).status, FileRead::Ok);
    EXPECT_EQ(userBack.MatWas[1], value);
    EXPECT_EQ(userBack.MatLife[1], value);
    EXPECT_EQ(userBack.MatUCost[1], value);
  }
  common::CompRec c = SampleComponent(0);
  c.CompQty = 100000;
  EXPECT_EQ(SavedComponentFile(c), "\"SLAB.FLC\"\r\n210\r\n\"Slab, level 2\"\r\n1\r\n100000\r\n0\r\n");
}

}  // namespace
