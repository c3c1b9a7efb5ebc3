#include "building/element_library.h"

#include <gtest/gtest.h>

#include "composition_fixture.h"

namespace {

using building::ElementTypeName;
using building::ElementTypeRow;
using building::HasElementType;
using building::LibraryLoad;
using building::LoadElementLibrary;
using buildingtest::LibraryText;

int NonEmpty(const std::array<std::string, 20>& names) {
  int n = 0;
  for (const auto& name : names) n += name.empty() ? 0 : 1;
  return n;
}

TEST(CompTypeNames, ByGroupType) {
  common::BuildingState st;
  struct Case {
    common::Integer grpType;
    int count;
    std::string first, last;
  } cases[] = {
      {100, 1, "Foundation", "Foundation"},
      {200, 3, "Envelope", "Contents"},
      {300, 5, "HVAC", "P & D"},
      {0, 0, "", ""},
      {400, 0, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.grpType);
    st.CompTypeName[7] = "left over";
    st.GrpType = c.grpType;
    ModInpCtl::SetCompTypeNames(st);
    EXPECT_EQ(NonEmpty(st.CompTypeName), c.count);
    EXPECT_EQ(st.CompTypeName[0], c.first);
    EXPECT_EQ(st.CompTypeName[c.count > 0 ? c.count - 1 : 0], c.last);
  }
  EXPECT_EQ(building::CompTypeNamesOf(300)[1], "Elec. & Lighting");
  EXPECT_EQ(building::CompTypeNamesOf(300)[3], "Lifts & Escalators");
}

TEST(LibraryChoice, ByGroupAndComponentType) {
  common::BuildingState st;
  st.FdnLibDir = "/data/FOUND/", st.FdnLibFile = "/data/FOUND/FOUND.ELB";
  st.FabLibDir = "/data/FABRIC/", st.FabLibFile = "/data/FABRIC/FABRIC.ELB";
  st.ContLibDir = "/data/CONTENTS/", st.ContLibFile = "/data/CONTENTS/CONTENTS.ELB";
  st.MechLibDir = "/data/MECHASER/", st.MechLibFile = "/data/MECHASER/MECHASER.ELB";
  st.ElecLibDir = "/data/ELECTSER/", st.ElecLibFile = "/data/ELECTSER/ELECTSER.ELB";
  struct Case {
    common::Integer grpType, compTypeIdx;
    std::string library;
  } cases[] = {
      {100, 0, "FOUND"},    {100, 4, "FOUND"},     {200, 0, "FABRIC"},   {200, 1, "FABRIC"},   {200, 2, "CONTENTS"},
      {200, -1, "FABRIC"},  {300, 0, "MECHASER"},  {300, 1, "ELECTSER"}, {300, 2, "MECHASER"}, {300, 3, "ELECTSER"},
      {300, 4, "MECHASER"}, {300, -1, "MECHASER"}, {0, 0, ""},           {110, 0, ""},         {-1, 2, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.grpType) + " + " + std::to_string(c.compTypeIdx));
    std::string file = building::ElementLibraryFile(st, c.grpType, c.compTypeIdx);
    std::string folder = building::ElementLibraryFolder(st, c.grpType, c.compTypeIdx);
    if (c.library.empty()) {
      EXPECT_EQ(file, "");
      EXPECT_EQ(folder, "");
    } else {
      EXPECT_EQ(file, "/data/" + c.library + "/" + c.library + ".ELB");
      EXPECT_EQ(folder, "/data/" + c.library + "/");
    }
  }
}

class ElementLibraryLoad : public buildingtest::Composition {
 protected:
  LibraryLoad Load(const std::string& text) {
    folder.Write("LIB.ELB", text);
    return LoadElementLibrary(folder.Path() + "LIB.ELB", lib);
  }
  common::ElementLibrary lib;
};

TEST_F(ElementLibraryLoad, ThreeRecordsFillRowsZeroToTwo) {
  ASSERT_EQ(Load(LibraryText("Slab Types", {{"0", "Generic"}, {"1", "RC Slab"}, {"2", "Screed"}})),
            LibraryLoad::Opened);
  EXPECT_EQ(lib.ElmLibHead, "Slab Types");
  EXPECT_EQ(lib.ElmLibName[0], "Generic");
  EXPECT_EQ(lib.ElmLibName[2], "Screed");
  EXPECT_EQ(lib.ElmLibName[3], "");
  EXPECT_EQ(lib.ElmLib[1][0], "RC Slab");
  EXPECT_EQ(lib.ElmLib[1][1], "RC Slab item 1");
  EXPECT_EQ(lib.ElmLib[1][2], "u1");
  EXPECT_EQ(lib.ElmLib[1][32], "u16");
}

TEST_F(ElementLibraryLoad, TypeNumbersNeedNotBeInOrder) {
  Load(LibraryText("H", {{"5", "Five"}, {"0", "Zero"}, {"12", "Twelve"}}));
  EXPECT_EQ(lib.ElmLibRow[5], 0);
  EXPECT_EQ(lib.ElmLibRow[0], 1);
  EXPECT_EQ(lib.ElmLibRow[12], 2);
  EXPECT_EQ(lib.ElmLibNo[0], 5);
  EXPECT_EQ(lib.ElmLibNo[1], 0);
  EXPECT_EQ(lib.ElmLibNo[2], 12);
  EXPECT_TRUE(HasElementType(lib, 12));
  EXPECT_EQ(ElementTypeName(lib, 12), "Twelve");
  EXPECT_FALSE(HasElementType(lib, 1));
  EXPECT_EQ(ElementTypeRow(lib, 1), -1);
  EXPECT_EQ(ElementTypeName(lib, 1), "");
  EXPECT_FALSE(HasElementType(lib, -1));
  EXPECT_FALSE(HasElementType(lib, 301));
}

// One type record: number text, name and 32 empty fields.
std::string Record(const std::string& number, const std::string& name) {
  return number + ",\"" + name + "\"" + std::string(32, ',') + "\r\n";
}

// Whatever stops the reading, the records before it stay and nothing after.
TEST_F(ElementLibraryLoad, ReadingStopsAtTheFirstBadRecord) {
  std::string twoGood = LibraryText("H", {{"0", "Generic"}, {"7", "Seven"}});
  std::string nine = Record("9", "Nine");
  struct Case {
    const char* what;
    std::string text;
  } cases[] = {
      {"type 301", twoGood + Record("301", "Big") + nine},
      {"type -2", twoGood + Record("-2", "Negative") + nine},
      {"text for the number", twoGood + Record("abc", "Text") + nine},
      {"empty number", twoGood + Record("", "Empty") + nine},
      {"truncated mid-record", twoGood + nine.substr(0, nine.size() / 2)},
      {"end of file", twoGood},
      {"blank lines at the end", twoGood + "\r\n\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(Load(c.text), LibraryLoad::Opened);
    EXPECT_EQ(lib.ElmLibName[1], "Seven");
    EXPECT_EQ(lib.ElmLibName[2], "");
    EXPECT_TRUE(HasElementType(lib, 7));
    EXPECT_FALSE(HasElementType(lib, 9));
  }
}

TEST_F(ElementLibraryLoad, RecordsMayRunOverSeveralLinesAndNumbersAreRounded) {
  std::string text = LibraryText("H", {});
  text += "\"4.6\",\"Split\",\"a\"\r\n\"b\"";
  for (int i = 0; i < 30; ++i) text += ",\"\"";
  text += "\r\n";
  text += Record("2.5", "Even");
  Load(text);
  EXPECT_EQ(ElementTypeName(lib, 5), "Split");
  EXPECT_EQ(lib.ElmLib[0][1], "a");
  EXPECT_EQ(lib.ElmLib[0][2], "b");
  EXPECT_EQ(ElementTypeName(lib, 2), "Even");  // halves round to even
}

TEST_F(ElementLibraryLoad, EmptyOrHeaderlessFilesLoadNothing) {
  for (std::string text : {std::string(), std::string("\"LIB\",\"H\"\r\n"), LibraryText("Only head", {})}) {
    SCOPED_TRACE(text);
    lib.ElmLibName[0] = "stale";
    lib.ElmLibLoaded[0] = true;
    EXPECT_EQ(Load(text), LibraryLoad::Opened);
    EXPECT_EQ(lib.ElmLibName[0], "");
    EXPECT_FALSE(HasElementType(lib, 0));
  }
}

// A library with three types, then one with two: the third row and type of
// the first library are gone, not shown with its labels.
TEST_F(ElementLibraryLoad, EachLoadStartsFromAnEmptyTable) {
  Load(LibraryText("First", {{"0", "Generic"}, {"1", "One"}, {"8", "Eight"}}));
  ASSERT_TRUE(HasElementType(lib, 8));
  Load(LibraryText("Second", {{"0", "Generic B"}, {"3", "Three"}}));
  EXPECT_EQ(lib.ElmLibHead, "Second");
  EXPECT_EQ(lib.ElmLibName[2], "");
  EXPECT_EQ(lib.ElmLib[2][1], "");
  EXPECT_FALSE(HasElementType(lib, 8));
  EXPECT_FALSE(HasElementType(lib, 1));
  EXPECT_EQ(ElementTypeName(lib, 3), "Three");

  EXPECT_EQ(LoadElementLibrary(folder.Path() + "NONE.ELB", lib), LibraryLoad::NotOpened);
  EXPECT_EQ(lib.ElmLibHead, "");
  EXPECT_FALSE(HasElementType(lib, 0));
}

TEST_F(ElementLibraryLoad, LoadElmLibTakesTheLibraryOfTheGroupAndComponentType) {
  st.DataDir = folder.Path() + "data/";
  st.MechLibDir = st.DataDir + "MECHASER/";
  st.MechLibFile = st.MechLibDir + "MECHASER.ELB";
  st.ElecLibDir = st.DataDir + "ELECTSER/";
  st.ElecLibFile = st.ElecLibDir + "ELECTSER.ELB";
  st.ContLibDir = st.DataDir + "CONTENTS/";
  st.ContLibFile = st.ContLibDir + "CONTENTS.ELB";
  folder.Write("data/MECHASER/MECHASER.ELB", LibraryText("Mechanical", {{"0", "G"}}));
  // Supplied files are upper case; the lookup ignores case.
  folder.Write("data/ELECTSER/electser.elb", LibraryText("Electrical", {{"0", "G"}}));
  folder.Write("data/CONTENTS/CONTENTS.ELB", LibraryText("Contents", {{"0", "G"}}));
  struct Case {
    common::Integer grpType, compTypeIdx;
    LibraryLoad load;
    std::string head;
  } cases[] = {
      {300, 4, LibraryLoad::Opened, "Mechanical"}, {300, 3, LibraryLoad::Opened, "Electrical"},
      {200, 2, LibraryLoad::Opened, "Contents"},   {200, 0, LibraryLoad::NotOpened, ""},
      {999, 0, LibraryLoad::NotOpened, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.grpType) + " + " + std::to_string(c.compTypeIdx));
    st.GrpType = c.grpType;
    st.CompTypeIdx = c.compTypeIdx;
    EXPECT_EQ(ModInpCtl::LoadElmLib(st), c.load);
    EXPECT_EQ(st.lib.ElmLibHead, c.head);
  }
}

}  // namespace
