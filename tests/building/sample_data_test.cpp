// The shipped sample libraries and the sample project load through the
// readers of this folder, and every element names a type its library has.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "building/component_file.h"
#include "building/element_file.h"
#include "building/element_library.h"
#include "building/group_file.h"
#include "building/project_file.h"
#include "building/user_value_file.h"
#include "common/paths.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using building::FileRead;

const std::string kData = std::string(OSTREVO_SOURCE_DIR) + "/data/";
const std::string kOffice = std::string(OSTREVO_SOURCE_DIR) + "/samples/office/";

int NonEmptyLines(const std::string& path) {
  std::ifstream in(path);
  int n = 0;
  for (std::string line; std::getline(in, line);)
    if (line.find_first_not_of(" \r") != std::string::npos) ++n;
  return n;
}

common::BuildingState DataState() {
  common::BuildingState st;
  st.DataDir = kData;
  st.FdnLibDir = kData + "FOUND/", st.FdnLibFile = st.FdnLibDir + "FOUND.ELB";
  st.FabLibDir = kData + "FABRIC/", st.FabLibFile = st.FabLibDir + "FABRIC.ELB";
  st.ContLibDir = kData + "CONTENTS/", st.ContLibFile = st.ContLibDir + "CONTENTS.ELB";
  st.MechLibDir = kData + "MECHASER/", st.MechLibFile = st.MechLibDir + "MECHASER.ELB";
  st.ElecLibDir = kData + "ELECTSER/", st.ElecLibFile = st.ElecLibDir + "ELECTSER.ELB";
  st.ProjDir = kOffice;
  return st;
}

TEST(SampleData, EveryLibraryLoadsAllItsRecords) {
  if (!fs::exists(kData + "FOUND/FOUND.ELB")) GTEST_SKIP() << "no sample data";
  auto st = std::make_unique<common::BuildingState>(DataState());
  for (const std::string& file : {st->FdnLibFile, st->FabLibFile, st->ContLibFile, st->MechLibFile, st->ElecLibFile}) {
    SCOPED_TRACE(file);
    ASSERT_EQ(building::LoadElementLibrary(file, st->lib), building::LibraryLoad::Opened);
    EXPECT_FALSE(st->lib.ElmLibHead.empty());
    EXPECT_TRUE(building::HasElementType(st->lib, 0));
    int loaded = 0;
    while (loaded <= 300 && !st->lib.ElmLibName[loaded].empty()) ++loaded;
    EXPECT_EQ(loaded, NonEmptyLines(file) - 1);  // one record a line after the header
  }
}

// Walks the sample project from its project file down to every element.
class SampleProject : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kOffice + "OFFICE.PRJ")) GTEST_SKIP() << "no sample project";
  }

  void ReadElement(const std::string& file, common::Integer grpType, common::Integer typeNo) {
    SCOPED_TRACE(file);
    common::ElmRec elm;
    ASSERT_EQ(building::ReadElementFile(folder + file, grpType + 20, elm).status, FileRead::Ok);
    EXPECT_EQ(elm.ElmTypeNo, typeNo);
    EXPECT_TRUE(building::HasElementType(st->lib, elm.ElmTypeNo)) << "type " << elm.ElmTypeNo;
    read.insert(file);
    auto userValues = building::UserValueFileName(file);
    ASSERT_TRUE(userValues);
    if (fs::exists(folder + *userValues)) {
      building::UserValueFile values;
      int lines = NonEmptyLines(folder + *userValues) - 1;
      EXPECT_EQ(building::ReadUserValueFile(folder + *userValues, lines, values).status, FileRead::Ok);
      read.insert(*userValues);
    }
  }

  void ReadComponent(const std::string& file, common::Integer grpType, common::Integer compType) {
    SCOPED_TRACE(file);
    common::CompRec comp;
    ASSERT_EQ(building::ReadComponentFile(folder + file, grpType + 10, comp).status, FileRead::Ok);
    EXPECT_EQ(comp.CompType, compType);
    EXPECT_GT(comp.NoOfElm, 0);
    read.insert(file);
    std::string library = building::ElementLibraryFile(*st, grpType, comp.CompType);
    ASSERT_EQ(building::LoadElementLibrary(library, st->lib), building::LibraryLoad::Opened);
    for (int e = 0; e < comp.NoOfElm; ++e) ReadElement(comp.CompElmFile[e], grpType, comp.CompElmTypeNo[e]);
  }

  void ReadGroup(const std::string& file, common::Integer grpType) {
    SCOPED_TRACE(file);
    common::GroupRec grp;
    ASSERT_EQ(building::ReadGroupFile(folder + file, grpType, grp).status, FileRead::Ok);
    EXPECT_GT(grp.NoOfComp, 0);
    read.insert(file);
    for (int c = 0; c < grp.NoOfComp; ++c) ReadComponent(grp.GrpCompFile[c], grpType, grp.GrpCompType[c]);
  }

  // Reads the project in `folder` down to every element; the composition
  // files of the folder that it did not reach.
  std::set<std::string> Unreached(const std::string& projectFolder) {
    folder = projectFolder;
    read.clear();
    common::BldgRec bldg;
    std::string error;
    EXPECT_EQ(building::ReadProjectFile(folder + "OFFICE.PRJ", bldg, error), building::ReadStatus::Ok) << error;
    read.insert("OFFICE.PRJ");
    for (int g = 0; g < bldg.NoOfFdnGrp; ++g) ReadGroup(bldg.FdnGrpFile[g], 100);
    for (int g = 0; g < bldg.NoOfFlrGrp; ++g) ReadGroup(bldg.FlrGrpFile[g], 200);
    for (int g = 0; g < bldg.NoOfSerGrp; ++g) ReadGroup(bldg.SerGrpFile[g], 300);
    EXPECT_GT(bldg.NoOfFdnGrp + bldg.NoOfFlrGrp + bldg.NoOfSerGrp, 0);
    // The project, group, component and element files (a user-value file
    // takes its element's extension). The energy input's files are read
    // there, and what a run writes beside the project is none of these.
    const std::set<std::string> composition = {".PRJ", ".FDN", ".FLR", ".SER", ".FDC",
                                               ".FLC", ".SRC", ".FDE", ".FLE", ".SRE"};
    std::set<std::string> unreached;
    for (const auto& entry : fs::directory_iterator(folder)) {
      std::string name = entry.path().filename().string();
      if (composition.count(entry.path().extension().string()) && !read.count(name)) unreached.insert(name);
    }
    return unreached;
  }

  std::unique_ptr<common::BuildingState> st = std::make_unique<common::BuildingState>(DataState());
  std::string folder = kOffice;
  std::set<std::string> read;
};

TEST_F(SampleProject, EveryFileLoads) {
  // The sample as it is, and copies holding what a run of the energy
  // calculation leaves beside the project, or a composition file nothing
  // names.
  const struct {
    std::vector<std::string> added;
    std::set<std::string> unreached;
  } cases[] = {
      {{}, {}},
      {{"AnHSpCL.TXT", "BCLnEQW.SDF", "ROOM1.RLF", "ZONE1.ZLF", "OFFICE.RES"}, {}},
      {{"OLD_SLAB.FLE"}, {"OLD_SLAB.FLE"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.added.empty() ? "the sample" : c.added.front());
    testsupport::TempFolder tmp;
    std::string at = kOffice;
    if (!c.added.empty()) {
      at = tmp.Path() + "office/";
      fs::copy(kOffice, at);
      for (const std::string& name : c.added) tmp.Write("office/" + name, "1\r\n");
    }
    EXPECT_EQ(Unreached(at), c.unreached) << "files not reached from the project file";
  }
}

}  // namespace
