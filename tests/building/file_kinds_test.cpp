// The names, codes and extensions that depend on the kind of group, for
// groups, components and elements alike.
#include <gtest/gtest.h>

#include "building/component_file.h"
#include "building/element_file.h"
#include "building/group_file.h"

namespace {

TEST(FileKinds, ByGroupType) {
  struct Case {
    common::Integer grpType;
    std::string grpExt, grpFilter, countLabel;
    std::string compFilter, compExt;
    bool construction;
    std::string elmFilter, elmExt;
  } cases[] = {
      {100, ".FDN", "Foundation Component Group Files (*.FDN)|*.FDN", "No. in Fdn",
       "Foundation Component files (*.FDC)|*.FDC", ".FDC", false, "Foundation Element files (*.FDE)|*.FDE", ".FDE"},
      {200, ".FLR", "Floor Component Group Files (*.FLR)|*.FLR", "No. in Flr", "Floor Component files (*.FLC)|*.FLC",
       ".FLC", true, "Floor Element files (*.FLE)|*.FLE", ".FLE"},
      {300, ".SER", "Services Component Group Files (*.SER)|*.SER", "No. in Ser",
       "Services Component files (*.SRC)|*.SRC", ".SRC", false, "Services Element files (*.SRE)|*.SRE", ".SRE"},
  };
  common::BuildingState st;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.grpType);
    const building::GroupKind* group = building::GroupKindOf(c.grpType);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->DefExt, c.grpExt);
    EXPECT_EQ(group->GrpFileFilter, c.grpFilter);
    EXPECT_EQ(group->CountLabel, c.countLabel);

    st.GrpType = c.grpType;
    auto comp = building::SetCompFileKind(st);
    ASSERT_TRUE(comp);
    EXPECT_EQ(comp->FileFilter, c.compFilter);
    EXPECT_EQ(st.FileType, c.grpType + 10);
    EXPECT_EQ(comp->DefExt, c.compExt);
    EXPECT_EQ(comp->SaveAsConstruction, c.construction);

    auto elm = building::SetElmFileKind(st, 2);
    ASSERT_TRUE(elm);
    EXPECT_EQ(elm->FileFilter, c.elmFilter);
    EXPECT_EQ(st.FileType, c.grpType + 20);
    EXPECT_EQ(elm->DefExt, c.elmExt);
    EXPECT_EQ(st.CompTypeIdx, 2);
  }
  // An unknown group type has no kind and sets nothing.
  st.GrpType = 110;
  EXPECT_EQ(building::GroupKindOf(110), nullptr);
  EXPECT_FALSE(building::SetCompFileKind(st));
  EXPECT_FALSE(building::SetElmFileKind(st, 0));
  EXPECT_EQ(st.FileType, 320);
}

}  // namespace
