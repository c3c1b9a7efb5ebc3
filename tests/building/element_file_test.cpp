#include "building/element_file.h"

#include <gtest/gtest.h>

#include "building/component_commands.h"
#include "building/component_file.h"
#include "building/element_commands.h"
#include "building/file_naming.h"
#include "building/group_commands.h"
#include "building/group_file.h"
#include "common/paths.h"
#include "composition_fixture.h"

namespace {

using building::CommandRead;
using building::FileRead;

common::ElmRec SampleElement(int values) {
  common::ElmRec e;
  e.ElmFile = "SLAB 150.FLE";
  e.ElmName = "Slab 150";
  e.ElmTypeNo = 7;
  for (int k = 0; k < values; ++k) {
    e.ElmValue[k] = std::to_string(k + 1) + ".5";
    e.ElmRemark[k] = "remark " + std::to_string(k);
  }
  return e;
}

TEST(ElementFile, TheFirstEmptyValueEndsTheList) {
  common::ElmRec e = SampleElement(0);
  e.ElmValue[0] = "10";
  e.ElmValue[2] = "30";  // after the empty row 2: lost
  e.ElmRemark[1] = "kept with the empty value";
  EXPECT_EQ(building::ElementFileText(e, 220),
            "\"SLAB 150.FLE\"\r\n220\r\n\"Slab 150\"\r\n7\r\n\"10\",\"\"\r\n\"\",\"kept with the empty value\"\r\n");
}

class ElementFiles : public buildingtest::Composition {
 protected:
  std::string Write(const common::ElmRec& e, common::Integer code = 220) {
    std::string error;
    EXPECT_TRUE(building::WriteElementFile(InProject("E.FLE"), e, code, error)) << error;
    return ReadProject("E.FLE");
  }
};

TEST_F(ElementFiles, RoundTripOfEveryKind) {
  for (common::Integer code : {120, 220, 320}) {
    for (int values : {0, 1, 5, 16}) {
      SCOPED_TRACE(std::to_string(code) + " with " + std::to_string(values));
      common::ElmRec written = SampleElement(values);
      Write(written, code);
      common::ElmRec read;
      read.ElmFile = written.ElmFile;
      ASSERT_EQ(building::ReadElementFile(InProject("E.FLE"), code, read).status, FileRead::Ok);
      EXPECT_EQ(read, written);
    }
  }
}

TEST_F(ElementFiles, SixteenValuesWriteSeventeenLines) {
  std::string text = Write(SampleElement(16));
  int lines = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 1)) ++lines;
  EXPECT_EQ(lines, 4 + 17);
  EXPECT_NE(text.find("\"\",\"\"\r\n"), std::string::npos);  // the last one empty
}

TEST_F(ElementFiles, ARowAfterAnEmptyOneReadsBackEmpty) {
  common::ElmRec e = SampleElement(3);
  e.ElmValue[1].clear();
  Write(e);
  common::ElmRec read;
  ASSERT_EQ(building::ReadElementFile(InProject("E.FLE"), 220, read).status, FileRead::Ok);
  EXPECT_EQ(read.ElmValue[0], "1.5");
  EXPECT_EQ(read.ElmValue[1], "");
  EXPECT_EQ(read.ElmValue[2], "");
  EXPECT_EQ(read.ElmRemark[2], "");
}

// Values of an element read earlier must not survive beyond the list of
// the one read now: the calculation takes any non-empty slot as data.
TEST_F(ElementFiles, NothingOfTheElementReadBeforeSurvives) {
  Write(SampleElement(2));
  common::ElmRec e = SampleElement(16);
  ASSERT_EQ(building::ReadElementFile(InProject("E.FLE"), 220, e).status, FileRead::Ok);
  for (int k = 2; k < 17; ++k) {
    EXPECT_EQ(e.ElmValue[k], "") << k;
    EXPECT_EQ(e.ElmRemark[k], "") << k;
  }
}

TEST_F(ElementFiles, BrokenFilesChangeNothing) {
  const std::string head = "\"E.FLE\"\r\n220\r\n\"Name\"\r\n";
  std::string seventeen = head + "3\r\n";
  for (int k = 0; k < 17; ++k) seventeen += "\"1\",\"\"\r\n";
  struct Case {
    const char* what;
    std::string text;
  } cases[] = {
      {"a 17th value that is not empty", seventeen},
      {"type 301", head + "301\r\n\"\",\"\"\r\n"},
      {"type -1", head + "-1\r\n\"\",\"\"\r\n"},
      {"type -2", head + "-2\r\n\"\",\"\"\r\n"},
      {"text for the type", head + "\"seven\"\r\n\"\",\"\"\r\n"},
      {"no terminating empty value", head + "3\r\n\"1\",\"a\"\r\n"},
      {"truncated mid-record", head + "3\r\n\"1\",\"a\"\r\n\"2\""},
      {"no type", head},
      {"empty file", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteProject("BAD.FLE", c.text);
    common::ElmRec e = SampleElement(4);
    const common::ElmRec before = e;
    EXPECT_EQ(building::ReadElementFile(InProject("BAD.FLE"), 220, e).status, FileRead::Failed);
    EXPECT_EQ(e, before);
  }
}

TEST_F(ElementFiles, WriterRefusesWhatCannotBeReadBack) {
  struct Case {
    const char* what;
    void (*spoil)(common::ElmRec&);
  } cases[] = {
      {"a 17th value", [](common::ElmRec& e) { e.ElmValue[16] = "1"; }},
      {"type -1", [](common::ElmRec& e) { e.ElmTypeNo = -1; }},
      {"type 301", [](common::ElmRec& e) { e.ElmTypeNo = 301; }},
      {"line break in a remark", [](common::ElmRec& e) { e.ElmRemark[0] = "6\r\npipe"; }},
      {"line break in the name", [](common::ElmRec& e) { e.ElmName = "a\nb"; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    common::ElmRec e = SampleElement(16);
    c.spoil(e);
    std::string error;
    EXPECT_FALSE(building::WriteElementFile(InProject("W.FLE"), e, 220, error));
    EXPECT_FALSE(common::FileExists(InProject("W.FLE")));
  }
}

// ---- the editor's commands ----

class ElementCommands : public buildingtest::Composition {
 protected:
  ElementCommands() {
    UseGroup(200);
    st.FabLibDir = folder.Path() + "data/FABRIC/";
    st.FabLibFile = st.FabLibDir + "FABRIC.ELB";
    st.ContLibDir = folder.Path() + "data/CONTENTS/";
    st.ContLibFile = st.ContLibDir + "CONTENTS.ELB";
    folder.Write("data/FABRIC/FABRIC.ELB",
                 buildingtest::LibraryText("Fabric", {{"0", "Generic Element"}, {"7", "RC Slab"}}));
    folder.Write("data/CONTENTS/CONTENTS.ELB", buildingtest::LibraryText("Contents", {{"0", "Generic Element"}}));
    building::SetElmFileKind(st, 0);
  }
  void Save(const common::ElmRec& e, const std::string& file) {
    std::string error;
    ASSERT_TRUE(building::WriteElementFile(InProject(file), e, 220, error)) << error;
  }
};

TEST_F(ElementCommands, SaveNamesANewElementAfterItsName) {
  struct Case {
    std::string stored, name, file;
  } cases[] = {
      {"", "Slab 150", "Slab 150.FLE"},
      {"", "Beam.fle", "Beam.fle.FLE"},
      {"", "Beam.FLE", "Beam.FLE"},
      {"WALL.FLE", "Renamed wall", "WALL.FLE"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    st.CurElm = SampleElement(2);
    st.CurElm.ElmFile = c.stored;
    st.CurElm.ElmName = c.name;
    ASSERT_TRUE(building::SaveElmFile(st, 0));
    EXPECT_EQ(st.CurElm.ElmFile, c.file);
    common::ElmRec back;
    ASSERT_EQ(building::ReadElementFile(InProject(c.file), 220, back).status, FileRead::Ok);
    EXPECT_EQ(back.ElmName, c.name);  // a renamed element keeps its old file
  }
}

// A second new element of the same name would replace the first one's file:
// the editor asks first. A record may always replace its own file.
TEST_F(ElementCommands, ASecondNewElementOfTheSameNameAsksBeforeReplacingTheFile) {
  st.CurElm = SampleElement(1);
  st.CurElm.ElmFile.clear();
  ASSERT_TRUE(building::SaveElmFile(st, 0));
  ASSERT_EQ(st.CurElm.ElmFile, "Slab 150.FLE");
  EXPECT_TRUE(building::MayReplaceFile(dialogs, "Free.FLE", "", st.ProjDir));
  EXPECT_TRUE(building::MayReplaceFile(dialogs, "Slab 150.FLE", "Slab 150.FLE", st.ProjDir));
  const std::string question = "Slab 150.FLE already exists in the project folder. Replace it?";
  platform.ExpectMessage(question, forms::MsgResult::No);
  EXPECT_FALSE(building::MayReplaceFile(dialogs, "Slab 150.FLE", "", st.ProjDir));
  platform.ExpectMessage(question, forms::MsgResult::Yes);
  EXPECT_TRUE(building::MayReplaceFile(dialogs, "Slab 150.FLE", "Other.FLE", st.ProjDir));
}

TEST_F(ElementCommands, AFailedSaveChangesNothing) {
  WriteProject("Keep.FLE", "previous contents");
  st.CurElm = SampleElement(2);
  st.CurElm.ElmFile = "Keep.FLE";
  st.CurElm.ElmRemark[0] = "two\nlines";
  const common::ElmRec before = st.CurElm;
  EXPECT_FALSE(building::SaveElmFile(st, 0));
  EXPECT_EQ(st.CurElm, before);
  EXPECT_EQ(ReadProject("Keep.FLE"), "previous contents");

  st.CurElm = common::ElmRec{};
  st.CurElm.ElmTypeNo = 0;
  EXPECT_FALSE(building::SaveElmFile(st, 0));  // no name to name the file after
  EXPECT_EQ(st.CurElm.ElmFile, "");
}

TEST_F(ElementCommands, ReadShowsTheElementAndItsLibraryType) {
  Save(SampleElement(3), "SLAB.FLE");
  auto read = building::ReadElmFile(st, "SLAB.FLE");
  ASSERT_EQ(read.result, CommandRead::Read);
  EXPECT_EQ(read.message, "");
  EXPECT_EQ(read.shown.elmName, "Slab 150");
  EXPECT_EQ(read.shown.typeName, "RC Slab");
  EXPECT_TRUE(read.shown.typeInLibrary);
  EXPECT_EQ(st.CurElm.ElmFile, "SLAB.FLE");
  EXPECT_EQ(st.lib.ElmLibHead, "Fabric");
}

// The contents library lacks type 7: reported, and no stale labels from the
// fabric library loaded before.
TEST_F(ElementCommands, ATypeTheLibraryLacksIsReported) {
  Save(SampleElement(3), "SLAB.FLE");
  ASSERT_EQ(building::ReadElmFile(st, "SLAB.FLE").result, CommandRead::Read);
  building::SetElmFileKind(st, 2);
  auto read = building::ReadElmFile(st, "SLAB.FLE");
  ASSERT_EQ(read.result, CommandRead::Read);
  EXPECT_EQ(read.message, "Element type 7 not found in element library: " + st.ContLibFile);
  EXPECT_FALSE(read.shown.typeInLibrary);
  EXPECT_EQ(read.shown.typeName, "");
  EXPECT_EQ(st.lib.ElmLibName[1], "");

  st.FabLibFile = folder.Path() + "data/FABRIC/GONE.ELB";
  building::SetElmFileKind(st, 0);
  read = building::ReadElmFile(st, "SLAB.FLE");
  EXPECT_EQ(read.result, CommandRead::Read);
  EXPECT_EQ(read.message, "Error in opening element library: " + st.FabLibFile + "\nfile not found: " + st.FabLibFile);
  EXPECT_EQ(read.shown.library, building::LibraryLoad::NotOpened);
}

TEST_F(ElementCommands, AnElementOfAnotherKindIsRefused) {
  std::string error;
  ASSERT_TRUE(building::WriteElementFile(InProject("FAN.SRE"), SampleElement(1), 320, error));
  st.CurElm = SampleElement(5);
  st.CurElm.ElmFile = "MINE.FLE";
  const common::ElmRec before = st.CurElm;
  platform.ExpectOpenDialog(st.ProjDir + "FAN.SRE");
  auto read = building::LoadElmFile(st, dialogs, 0);
  EXPECT_EQ(read.result, CommandRead::WrongKind);
  EXPECT_EQ(read.message, st.ProjDir + "FAN.SRE is not for a Floor element!");
  EXPECT_EQ(st.CurElm, before);
  ASSERT_EQ(platform.Dialogs().size(), 1u);
  EXPECT_EQ(platform.Dialogs()[0].filter, "Floor Element files (*.FLE)|*.FLE");
  EXPECT_EQ(platform.Dialogs()[0].initialFolder, st.ProjDir);
}

TEST_F(ElementCommands, AReadErrorNamesTheProjectFolderAndTheFile) {
  WriteProject("BAD.FLE", "\"BAD.FLE\"\r\n220\r\n\"Bad\"\r\n301\r\n");
  st.CurElm = SampleElement(5);
  st.CurElm.ElmFile = "BAD.FLE";
  const common::ElmRec before = st.CurElm;
  std::string current = st.ProjDir;
  current.pop_back();  // no separator between the folder and the file
  auto read = building::ReadElmFile(st);
  EXPECT_EQ(read.result, CommandRead::Failed);
  EXPECT_EQ(read.message, "Error in reading element data!! " + current +
                              "BAD.FLE\nan element type of 301 lies outside 0 to 300 (line 4)");
  EXPECT_EQ(st.CurElm, before);
}

// The editors read a stored group, component or element name by its file
// part from the project folder, never from the folder the name spells: what
// they show is what the run books.
TEST_F(ElementCommands, StoredFoldersAreNeverFollowed) {
  std::string error;
  folder.Write("other/.keep", "");
  for (const std::string& where : {std::string("proj/"), std::string("other/")}) {
    const std::string name = where == "proj/" ? "In the project" : "Elsewhere";
    common::GroupRec g;
    g.GrpName = name;
    common::CompRec c;
    c.CompName = name;
    c.CompType = 1;
    common::ElmRec e = SampleElement(1);
    e.ElmName = name;
    ASSERT_TRUE(building::WriteGroupFile(folder.Path() + where + "G.FLR", g, 200, error)) << error;
    ASSERT_TRUE(building::WriteComponentFile(folder.Path() + where + "C.FLC", c, 210, error)) << error;
    ASSERT_TRUE(building::WriteElementFile(folder.Path() + where + "E.FLE", e, 220, error)) << error;
  }
  // The full path, and the path from the project folder.
  for (const std::string& other : {folder.Path() + "other/", std::string("../other/")}) {
    SCOPED_TRACE(other);
    ASSERT_TRUE(building::ReadGrpFile(st, other + "G.FLR").done);
    EXPECT_EQ(st.CurGrp.GrpName, "In the project");
    building::SetCompFileKind(st);
    EXPECT_EQ(building::ReadCompFile(st, other + "C.FLC").shown.compName, "In the project");
    building::SetElmFileKind(st, 0);
    EXPECT_EQ(building::ReadElmFile(st, other + "E.FLE").shown.elmName, "In the project");
    EXPECT_EQ(st.CurElm.ElmFile, "E.FLE");
  }
}

TEST_F(ElementCommands, LoadTakesTheChosenNameOnlyAfterAGoodRead) {
  Save(SampleElement(2), "GOOD.FLE");
  st.CurElm = SampleElement(5);
  st.CurElm.ElmFile = "MINE.FLE";
  const common::ElmRec before = st.CurElm;
  platform.ExpectOpenDialog(std::nullopt);
  EXPECT_EQ(building::LoadElmFile(st, dialogs, 0).result, CommandRead::Cancelled);
  platform.ExpectOpenDialog(st.ProjDir + "GONE.FLE");
  EXPECT_EQ(building::LoadElmFile(st, dialogs, 0).result, CommandRead::NotOpened);
  EXPECT_EQ(st.CurElm, before);
  platform.ExpectOpenDialog(st.ProjDir + "GOOD.FLE");
  EXPECT_EQ(building::LoadElmFile(st, dialogs, 0).result, CommandRead::Read);
  EXPECT_EQ(st.CurElm.ElmFile, "GOOD.FLE");
}

}  // namespace
