#include "building/project_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/project_paths.h"
#include "support/named_pipe.h"
#include "support/temp_folder.h"

namespace {

using building::ReadStatus;

common::BldgRec SampleBuilding() {
  common::BldgRec b;
  b.ProjFile = "OFFICE.PRJ";
  b.ProjName = "Office, block A";
  b.CFA = 1250.5f;
  b.NoOfFdnGrp = 1;
  b.FdnGrpFile[0] = "PILES.FDN";
  b.FdnGrpName[0] = "Piles";
  b.FdnGrpQty[0] = 1;
  b.NoOfFlrGrp = 2;
  b.FlrGrpFile[0] = "TYP.FLR";
  b.FlrGrpName[0] = "Typical floor";
  b.FlrGrpQty[0] = 2.5f;
  b.FlrGrpFile[1] = "ROOF.FLR";
  b.FlrGrpName[1] = "Roof";
  b.FlrGrpQty[1] = 1;
  return b;
}

TEST(ProjectFile, OneFoundationGroupIsSixLines) {
  common::BldgRec b;
  b.ProjFile = "A.PRJ";
  b.ProjName = "A";
  b.CFA = 100;
  b.NoOfFdnGrp = 1;
  b.FdnGrpFile[0] = "F.FDN";
  b.FdnGrpName[0] = "Pad";
  b.FdnGrpQty[0] = 2;
  EXPECT_EQ(testsupport::SavedText([&](const std::string& path, std::string& error) {
              return building::WriteProjectFile(path, b, error);
            }),
            "\"A.PRJ\"\r\n\"A\",100\r\n1\r\n\"F.FDN\",\"Pad\",2\r\n0\r\n0\r\n");
}

TEST(ProjectFile, RoundTrip) {
  testsupport::TempFolder folder;
  std::string error;
  common::BldgRec written = SampleBuilding();
  ASSERT_TRUE(building::WriteProjectFile(folder.Path() + "OFFICE.PRJ", written, error)) << error;
  common::BldgRec read;
  read.ProjFile = "OFFICE.PRJ";
  ASSERT_EQ(building::ReadProjectFile(folder.Path() + "office.prj", read, error), ReadStatus::Ok);
  EXPECT_EQ(read, written);
}

TEST(ProjectFile, MissingFileEmptiesTheListsOnly) {
  testsupport::TempFolder folder;
  common::BldgRec b = SampleBuilding();
  std::string error;
  EXPECT_EQ(building::ReadProjectFile(folder.Path() + "NEW.PRJ", b, error), ReadStatus::Missing);
  EXPECT_EQ(b.ProjName, "Office, block A");
  EXPECT_EQ(b.CFA, 1250.5f);
  EXPECT_EQ(b.NoOfFdnGrp, 0);
  EXPECT_EQ(b.NoOfFlrGrp, 0);
  EXPECT_EQ(b.FlrGrpFile[1], "");
  EXPECT_EQ(b.FlrGrpQty[0], 0);
}

TEST(ProjectFile, BrokenFilesLeaveTheRecordAsItWas) {
  const char* cases[] = {
      "\"A.PRJ\"\r\n\"A\",100\r\n11\r\n",                        // count beyond the list
      "\"A.PRJ\"\r\n\"A\",100\r\n-1\r\n",                        // negative count
      "\"A.PRJ\"\r\n\"A\",100\r\n2\r\n\"F.FDN\",\"Pad\",2\r\n",  // truncated
      "\"A.PRJ\"\r\n\"A\",abc\r\n0\r\n0\r\n0\r\n",               // not a number
      "\"A.PRJ\"\r\n\"A\",100\r\n0\r\n21\r\n",                   // 21 floors
      "",                                                        // empty file
  };
  testsupport::TempFolder folder;
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    folder.Write("BAD.PRJ", text);
    common::BldgRec b = SampleBuilding();
    std::string error;
    EXPECT_EQ(building::ReadProjectFile(folder.Path() + "BAD.PRJ", b, error), ReadStatus::Failed);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(b, SampleBuilding());
  }
}

// Only a name nothing stands at opens as a new project; whatever else
// stands there and is not a regular file is a failed read with its reason.
TEST(ProjectFile, WhatIsNotARegularFileIsAFailedRead) {
  testsupport::TempFolder folder;
  const std::string dir = folder.Path();
  testsupport::NamedPipe pipe(dir + "PIPE.PRJ");
  ASSERT_TRUE(pipe.Made());
  std::filesystem::create_directory(dir + "FOLDER.PRJ");
  std::filesystem::create_symlink("LOOP2.PRJ", dir + "LOOP1.PRJ");
  std::filesystem::create_symlink("LOOP1.PRJ", dir + "LOOP2.PRJ");
  folder.Write("FILE", "");
  struct Case {
    std::string name;
    const char* reason;
  } cases[] = {
      {"FOLDER.PRJ", "not a regular file"},
      {"PIPE.PRJ", "not a regular file"},
      {"LOOP1.PRJ", "symbolic links"},
      {"FILE/A.PRJ", "Not a directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    common::BldgRec b = SampleBuilding();
    std::string error;
    EXPECT_EQ(building::ReadProjectFile(dir + c.name, b, error), ReadStatus::Failed);
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_EQ(b, SampleBuilding());
  }
}

// Where a stored name is read from and saved: the project folder alone,
// never the current folder, even when only the current folder holds the
// file. With no project open a bare name names no file.
TEST(ProjectFolderRule, ReadAndSavePaths) {
  testsupport::TempFolder folder;  // current for the test
  const std::string proj = folder.Path() + "proj/";
  folder.Write("proj/BOTH.FLE", "");
  folder.Write("BOTH.FLE", "");
  folder.Write("HERE.FLE", "");
  struct Case {
    std::string name, projDir, path;
  } cases[] = {
      {"BOTH.FLE", proj, proj + "BOTH.FLE"},
      {"HERE.FLE", proj, proj + "HERE.FLE"},
      {"NEW.FLE", proj, proj + "NEW.FLE"},
      {"/elsewhere/X.PRJ", proj, "/elsewhere/X.PRJ"},
      {proj + "BOTH.FLE", proj, proj + "BOTH.FLE"},
      {"sub\\X.FLE", proj, proj + "sub/X.FLE"},
      {"HERE.FLE", "", ""},
      {"/elsewhere/X.PRJ", "", "/elsewhere/X.PRJ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name + " in " + c.projDir);
    EXPECT_EQ(common::ResolveProjectFile(c.name, c.projDir), c.path);
    EXPECT_EQ(common::ProjectSaveFile(c.name, c.projDir), c.path);
  }
}

}  // namespace
