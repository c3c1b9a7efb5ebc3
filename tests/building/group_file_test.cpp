#include "building/group_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "building/group_commands.h"
#include "common/paths.h"
#include "composition_fixture.h"
#include "support/temp_folder.h"
#include "support/told.h"

namespace {

using building::FileRead;
using forms::MsgResult;
using testsupport::Told;

common::GroupRec SampleGroup(int components) {
  common::GroupRec g;
  g.GrpFile = "TYPICAL.FLR";
  g.GrpName = "Typical floor, levels 2-9";
  g.GrpQty = 8;
  g.NoOfComp = static_cast<common::Integer>(components);
  for (int i = 0; i < components; ++i) {
    g.GrpCompFile[i] = "C" + std::to_string(i) + ".FLC";
    g.GrpCompName[i] = "Component " + std::to_string(i);
    g.GrpCompType[i] = static_cast<common::Integer>(i % 3);
    g.GrpCompQty[i] = 2.5f + static_cast<float>(i);
  }
  return g;
}

TEST(GroupFile, Layout) {
  common::GroupRec g = SampleGroup(1);
  EXPECT_EQ(testsupport::SavedText([&](const std::string& path, std::string& error) {
              return building::WriteGroupFile(path, g, 200, error);
            }),
            "\"TYPICAL.FLR\"\r\n200\r\n\"Typical floor, levels 2-9\"\r\n8\r\n1\r\n"
            "\"C0.FLC\",\"Component 0\",0,2.5\r\n");
}

class GroupFiles : public buildingtest::Composition {};

TEST_F(GroupFiles, RoundTripOfEveryKind) {
  for (common::Integer grpType : {100, 200, 300}) {
    for (int components : {0, 1, 3, 101}) {
      SCOPED_TRACE(std::to_string(grpType) + " with " + std::to_string(components));
      common::GroupRec written = SampleGroup(components);
      std::string error;
      ASSERT_TRUE(building::WriteGroupFile(InProject("G.GRP"), written, grpType, error)) << error;
      common::GroupRec read;
      read.GrpFile = written.GrpFile;
      ASSERT_EQ(building::ReadGroupFile(InProject("G.GRP"), grpType, read).status, FileRead::Ok);
      EXPECT_EQ(read, written);
    }
  }
}

TEST_F(GroupFiles, NoComponentsLeavesTheArraysAsTheyWere) {
  std::string error;
  common::GroupRec empty = SampleGroup(0);
  empty.GrpName = "Bare";
  ASSERT_TRUE(building::WriteGroupFile(InProject("E.FLR"), empty, 200, error));
  common::GroupRec g = SampleGroup(3);
  ASSERT_EQ(building::ReadGroupFile(InProject("E.FLR"), 200, g).status, FileRead::Ok);
  EXPECT_EQ(g.GrpName, "Bare");
  EXPECT_EQ(g.NoOfComp, 0);
  EXPECT_EQ(g.GrpCompName[2], "Component 2");
}

TEST_F(GroupFiles, BrokenFilesChangeNothing) {
  const std::string head = "\"G.FLR\"\r\n200\r\n\"Name\"\r\n1\r\n";
  struct Case {
    const char* what;
    std::string text;
  } cases[] = {
      {"102 components", head + "102\r\n"},
      {"negative count", head + "-1\r\n"},
      {"component type 20", head + "1\r\n\"A.FLC\",\"A\",20,1\r\n"},
      {"component type -1", head + "1\r\n\"A.FLC\",\"A\",-1,1\r\n"},
      {"text for a number", head + "1\r\n\"A.FLC\",\"A\",\"zero\",1\r\n"},
      {"letters for a number", "\"G.FLR\"\r\n200\r\n\"Name\"\r\n12ab\r\n0\r\n"},
      {"truncated mid-record", head + "2\r\n\"A.FLC\",\"A\",0,1\r\n\"B.FLC\",\"B\"\r\n"},
      {"no count", "\"G.FLR\"\r\n200\r\n\"Name\"\r\n"},
      {"no kind code", "\"G.FLR\"\r\n"},
      {"empty file", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteProject("BAD.FLR", c.text);
    common::GroupRec g = SampleGroup(2);
    const common::GroupRec before = g;
    building::ReadOutcome out = building::ReadGroupFile(InProject("BAD.FLR"), 200, g);
    EXPECT_EQ(out.status, FileRead::Failed);
    EXPECT_FALSE(out.error.empty());
    EXPECT_EQ(g, before);
  }
}

TEST_F(GroupFiles, WriterRefusesWhatCannotBeReadBack) {
  struct Case {
    const char* what;
    void (*spoil)(common::GroupRec&);
  } cases[] = {
      {"line break in a name", [](common::GroupRec& g) { g.GrpName = "The big\none"; }},
      {"line break in a file", [](common::GroupRec& g) { g.GrpCompFile[0] = "A\r\nB"; }},
      {"count 102", [](common::GroupRec& g) { g.NoOfComp = 102; }},
      {"type 20", [](common::GroupRec& g) { g.GrpCompType[1] = 20; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    common::GroupRec g = SampleGroup(2);
    c.spoil(g);
    std::string error;
    EXPECT_FALSE(building::WriteGroupFile(InProject("W.FLR"), g, 200, error));
    EXPECT_FALSE(error.empty());
  }
}

// ---- the editor's commands ----

class GroupCommands : public buildingtest::Composition {
 protected:
  GroupCommands() { UseGroup(200); }
  void SaveSample(const std::string& file, const common::GroupRec& g, common::Integer grpType = 200) {
    std::string error;
    ASSERT_TRUE(building::WriteGroupFile(InProject(file), g, grpType, error)) << error;
  }
};

TEST_F(GroupCommands, ReadsTheNamedFileByTheProjectFolderRule) {
  SaveSample("TYPICAL.FLR", SampleGroup(2));
  st.CurGrp.GrpFile = "/elsewhere/TYPICAL.FLR";  // only the file part counts
  ASSERT_EQ(Told(building::ReadGrpFile(st)), "done");
  EXPECT_EQ(st.CurGrp.GrpFile, "TYPICAL.FLR");
  EXPECT_EQ(st.CurGrp.NoOfComp, 2);
  EXPECT_EQ(st.CurFileName, "TYPICAL.FLR");

  // The project folder alone: a file of that name in the current folder is
  // never read, also when the project folder has none.
  common::GroupRec here = SampleGroup(1);
  here.GrpName = "In the current folder";
  std::string error;
  ASSERT_TRUE(building::WriteGroupFile(folder.Path() + "TYPICAL.FLR", here, 200, error));
  ASSERT_EQ(Told(building::ReadGrpFile(st, "TYPICAL.FLR")), "done");
  EXPECT_EQ(st.CurGrp.NoOfComp, 2);
  std::filesystem::remove(InProject("TYPICAL.FLR"));
  EXPECT_NE(Told(building::ReadGrpFile(st, "TYPICAL.FLR")), "done");
  EXPECT_EQ(st.CurGrp.NoOfComp, 2);
}

TEST_F(GroupCommands, AGroupOfAnotherKindIsRefusedAndChangesNothing) {
  SaveSample("SLAB.FLR", SampleGroup(2), 200);
  UseGroup(100);
  st.CurGrp = SampleGroup(1);
  st.CurGrp.GrpFile = "SLAB.FLR";
  const common::GroupRec before = st.CurGrp;
  EXPECT_EQ(Told(building::ReadGrpFile(st)), "not done: SLAB.FLR is not a Foundation file!");
  EXPECT_EQ(st.CurGrp, before);
}

TEST_F(GroupCommands, AnUnreadableGroupIsReportedAndChangesNothing) {
  WriteProject("BAD.FLR", "\"BAD.FLR\"\r\n200\r\n\"Name\"\r\n1\r\n102\r\n");
  st.CurGrp = SampleGroup(1);
  const common::GroupRec before = st.CurGrp;
  EXPECT_EQ(Told(building::ReadGrpFile(st, "BAD.FLR")),
            "not done: Error in reading file: BAD.FLR\na component count of 102 lies outside 0 to 101 (line 5)");
  EXPECT_EQ(Told(building::ReadGrpFile(st, "GONE.FLR")),
            "not done: Error in reading file: GONE.FLR\nfile not found: " + InProject("GONE.FLR"));
  EXPECT_EQ(st.CurGrp, before);
}

TEST_F(GroupCommands, LoadAsksForAFileOfTheKindInTheProjectFolder) {
  SaveSample("ROOF.FLR", SampleGroup(3));
  platform.ExpectOpenDialog(st.ProjDir + "ROOF.FLR");
  EXPECT_EQ(Told(building::LoadGrpFile(st, dialogs)), "done");
  ASSERT_EQ(platform.Dialogs().size(), 1u);
  const auto& d = platform.Dialogs()[0];
  EXPECT_EQ(d.title, "Load a Floor File");
  EXPECT_EQ(d.filter, "Floor Component Group Files (*.FLR)|*.FLR");
  EXPECT_EQ(d.initialFolder, st.ProjDir);
  EXPECT_EQ(d.fileName, "");
  EXPECT_EQ(st.CurGrp.GrpFile, "ROOF.FLR");
  EXPECT_EQ(st.CurGrp.NoOfComp, 3);
}

// A refused load must not leave the refused file's name behind: the next
// save would overwrite that file.
TEST_F(GroupCommands, ARefusedOrCancelledLoadKeepsTheGroupAndItsFile) {
  SaveSample("PILES.FDN", SampleGroup(1), 100);
  st.CurGrp.GrpFile = "MINE.FLR";
  st.CurGrp.GrpName = "Mine";
  const common::GroupRec before = st.CurGrp;

  platform.ExpectOpenDialog(std::nullopt);
  bool cancelled = false;
  EXPECT_EQ(Told(building::LoadGrpFile(st, dialogs, &cancelled)), "not done");
  EXPECT_TRUE(cancelled);
  platform.ExpectOpenDialog(st.ProjDir + "PILES.FDN");
  EXPECT_EQ(Told(building::LoadGrpFile(st, dialogs, &cancelled)),
            "not done: " + st.ProjDir + "PILES.FDN is not a Floor file!");
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(st.CurGrp, before);
}

TEST_F(GroupCommands, SaveChecksTheBoxesInOrder) {
  struct Case {
    building::GroupBoxes boxes;
    std::string message;
  } cases[] = {
      {{"", "", 0}, "Floor name missing!"},
      {{"", "2", 0}, "Floor name missing!"},
      {{"Roof", "", 0}, "Missing no. of identical Floor(s) in Building!"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Told(building::SaveGrpFile(st, dialogs, c.boxes, st.CurGrp.GrpFile)), "not done: " + c.message);
  }
  EXPECT_EQ(st.CurGrp.GrpFile, "");
  EXPECT_FALSE(common::FileExists(InProject(".FLR")));
}

TEST_F(GroupCommands, SaveNamesTheFileAndTakesTheLeadingNumber) {
  struct Case {
    std::string stored, typed, number;
    std::string file;
    float qty;
  } cases[] = {
      {"", "Roof", "1", "Roof.FLR", 1},
      {"Roof.flr", "Roof", "12ab", "Roof.flr.FLR", 12},
      {"Typ.FLR", "Renamed", "abc", "Typ.FLR", 0},
      {"/some/where/Podium.FLR", "Podium", " 2.5", "Podium.FLR", 2.5f},
      {"", "../../Up", "3", "Up.FLR", 3},
      {"", "Largest", "3.4028235E+38", "Largest.FLR", std::numeric_limits<float>::max()},
      {"", "Lowest", "-3.4028235E+38", "Lowest.FLR", -std::numeric_limits<float>::max()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    st.CurGrp = SampleGroup(2);
    st.CurGrp.GrpFile = c.stored;
    ASSERT_EQ(Told(building::SaveGrpFile(st, dialogs, {c.typed, c.number, 2}, c.stored)), "done");
    EXPECT_EQ(st.CurGrp.GrpFile, c.file);
    EXPECT_EQ(st.CurGrp.GrpQty, c.qty);
    common::GroupRec back;
    ASSERT_EQ(building::ReadGroupFile(InProject(c.file), 200, back).status, FileRead::Ok);
    EXPECT_EQ(back.GrpName, c.typed);
    EXPECT_EQ(back.GrpQty, c.qty);
    EXPECT_EQ(back.NoOfComp, 2);
    // Line 1 holds the bare name under which the file was written.
    EXPECT_EQ(ReadProject(c.file).substr(0, c.file.size() + 2), "\"" + c.file + "\"");
  }
}

TEST_F(GroupCommands, SaveWritesTheListedComponentsOnly) {
  st.CurGrp = SampleGroup(3);
  st.CurGrp.GrpFile.clear();
  ASSERT_EQ(Told(building::SaveGrpFile(st, dialogs, {"Three", "1", 2}, st.CurGrp.GrpFile)), "done");
  common::GroupRec back;
  ASSERT_EQ(building::ReadGroupFile(InProject("Three.FLR"), 200, back).status, FileRead::Ok);
  EXPECT_EQ(back.NoOfComp, 2);
  EXPECT_EQ(back.GrpCompName[1], "Component 1");
  EXPECT_EQ(back.GrpCompName[2], "");
}

// A file of that name in the current folder (another folder made current)
// is never written: saves go to the project folder.
TEST_F(GroupCommands, ASaveGoesToTheProjectFolderWhateverTheCurrentFolderHolds) {
  folder.Write("Here.FLR", "old");
  st.CurGrp = SampleGroup(1);
  st.CurGrp.GrpFile.clear();
  ASSERT_EQ(Told(building::SaveGrpFile(st, dialogs, {"Here", "1", 1}, st.CurGrp.GrpFile)), "done");
  EXPECT_EQ(folder.Read("Here.FLR"), "old");
  EXPECT_TRUE(common::FileExists(InProject("Here.FLR")));
}

TEST_F(GroupCommands, AFailedSaveReportsAndKeepsTheOldFileAndRecord) {
  st.CurGrp = SampleGroup(1);
  st.CurGrp.GrpFile = "Old.FLR";
  WriteProject("Old.FLR", "previous contents");
  st.CurGrp.GrpName = "Has a\nline break";
  const common::GroupRec before = st.CurGrp;
  EXPECT_EQ(Told(building::SaveGrpFile(st, dialogs, {"Has a\nline break", "1", 1}, st.CurGrp.GrpFile)),
            "not done: Error in writing Floor data\na name holds a line break");
  EXPECT_EQ(st.CurGrp, before);
  EXPECT_EQ(ReadProject("Old.FLR"), "previous contents");
  EXPECT_EQ(Told(building::SaveGrpFile(st, dialogs, {"Fine", "1e39", 1}, st.CurGrp.GrpFile)),
            "not done: Error in writing Floor data\nthe number 1e39 is too large");
  EXPECT_EQ(st.CurGrp, before);
  EXPECT_EQ(ReadProject("Old.FLR"), "previous contents");

  st.ProjDir = folder.Path() + "no/such/folder/";
  st.CurGrp.GrpName = "Fine";
  EXPECT_EQ(
      Told(building::SaveGrpFile(st, dialogs, {"Fine", "1", 1}, st.CurGrp.GrpFile)),
      "not done: Error in writing Floor data\ncannot create " + st.ProjDir + "Old.FLR: No such file or directory");
}

}  // namespace
