#include "energy_input/construction_file.h"

#include <gtest/gtest.h>

#include "energy_fixture.h"
#include "support/temp_folder.h"

namespace {

using common::ConstructionTables;

class ConstructionFiles : public testing::Test {
 protected:
  testsupport::TempFolder folder;
};

TEST_F(ConstructionFiles, OneTwoLayerWallIsSixLines) {
  ConstructionTables t;
  t.NoOfCons = 1;
  t.ConsName[1] = "Brick wall";
  t.ConsNLay[1] = 2;
  t.ConsSurf[0][1] = 0.7f;
  t.ConsSurf[1][1] = 0.5f;
  t.LayMatNo[1][1] = 41;
  t.LayMatName[1][1] = "Clay facing brick";
  t.LayThk[1][1] = 0.1f;
  t.LayProp[0][1][1] = 1800;
  t.LayProp[1][1][1] = 0.84f;
  t.LayProp[2][1][1] = 800;
  t.LayMatName[1][2] = "Air Gap";
  t.LayThk[1][2] = 0.05f;
  // Layers above the count are not written.
  t.LayMatName[1][3] = "Ghost";
  std::string error;
  ASSERT_TRUE(energy_input::WriteConstructionFile(folder.Path() + "X.CON", t, error)) << error;
  EXPECT_EQ(folder.Read("X.CON"),
            "1\r\n\"Brick wall\",0,2\r\n0.7,0.5\r\n41,\"Clay facing brick\",0.1,1800,0.84,800\r\n"
            "0,\"Air Gap\",0.05,0,0,0\r\n");
}

TEST_F(ConstructionFiles, AnEmptySetIsTheSingleLineZero) {
  std::string error;
  ASSERT_TRUE(energy_input::WriteConstructionFile(folder.Path() + "X.CON", ConstructionTables{}, error));
  EXPECT_EQ(folder.Read("X.CON"), "0\r\n");
}

TEST_F(ConstructionFiles, RoundTripKeepsEntriesAboveTheCount) {
  for (int count : {0, 1, 7, 50}) {
    SCOPED_TRACE(count);
    ConstructionTables written = energytest::SomeConstructions(count);
    std::string error;
    ASSERT_TRUE(energy_input::WriteConstructionFile(folder.Path() + "X.CON", written, error)) << error;
    ConstructionTables read = energytest::SomeConstructions(50);
    const ConstructionTables before = read;
    ASSERT_TRUE(energy_input::ReadConstructionFile(folder.Path() + "X.CON", read, error)) << error;
    EXPECT_EQ(read.NoOfCons, count);
    for (size_t c = 1; c <= 50; ++c) {
      const ConstructionTables& expected = c <= static_cast<size_t>(count) ? written : before;
      EXPECT_EQ(read.ConsName[c], expected.ConsName[c]);
      EXPECT_EQ(read.ConsType[c], expected.ConsType[c]);
      EXPECT_EQ(read.ConsNLay[c], expected.ConsNLay[c]);
      EXPECT_EQ(read.ConsSurf[1][c], expected.ConsSurf[1][c]);
      for (size_t j = 1; j <= static_cast<size_t>(expected.ConsNLay[c]); ++j) {
        EXPECT_EQ(read.LayMatNo[c][j], expected.LayMatNo[c][j]);
        EXPECT_EQ(read.LayMatName[c][j], expected.LayMatName[c][j]);
        EXPECT_EQ(read.LayThk[c][j], expected.LayThk[c][j]);
        for (size_t p = 0; p < 3; ++p) EXPECT_EQ(read.LayProp[p][c][j], expected.LayProp[p][c][j]);
      }
    }
  }
}

// A file that cannot be read whole changes nothing: not even the count of
// a file that promises three constructions and holds two.
TEST_F(ConstructionFiles, MalformedFilesLeaveTheTablesAsTheyWere) {
  std::string error;
  ASSERT_TRUE(energy_input::WriteConstructionFile(folder.Path() + "TWO.CON", energytest::SomeConstructions(2), error));
  std::string two = folder.Read("TWO.CON");
  std::string threePromised = "3" + two.substr(1);
  std::vector<std::string> texts = {
      "",
      threePromised,
      "51\r\n",
      "-1\r\n",
      "1\r\n\"A\",0,21\r\n0.5,0.5\r\n",
      "1\r\n\"A\",0,1\r\n0.5,0.5\r\nx,\"M\",0.1,1,1,1\r\n",
      "1\r\n\"A\",zero,1\r\n",
      "1\r\n\"A\",0,1\r\n0.5,0.5\r\n1,\"M\",0.1,1,1\r\n",
  };
  auto lines = energytest::Lines(two);
  for (size_t k = 0; k + 1 < lines.size(); ++k) {
    std::string prefix;
    for (size_t i = 0; i <= k; ++i) prefix += lines[i] + "\r\n";
    texts.push_back(prefix);
  }
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    folder.Write("B.CON", text);
    ConstructionTables t = energytest::SomeConstructions(5);
    const ConstructionTables before = t;
    EXPECT_FALSE(energy_input::ReadConstructionFile(folder.Path() + "B.CON", t, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(t, before);
  }
}

TEST_F(ConstructionFiles, WriterRefusesWhatTheReaderWouldRefuse) {
  folder.Write("OLD.CON", "old");
  ConstructionTables quoted = energytest::SomeConstructions(2);
  quoted.ConsName[2] = "The best\nwall";
  ConstructionTables tooMany = energytest::SomeConstructions(2);
  tooMany.ConsNLay[1] = 21;
  ConstructionTables badLayer = energytest::SomeConstructions(2);
  badLayer.LayMatName[1][1] = "a\nb";
  for (const ConstructionTables* t : {&quoted, &tooMany, &badLayer}) {
    std::string error;
    EXPECT_FALSE(energy_input::WriteConstructionFile(folder.Path() + "OLD.CON", *t, error));
    EXPECT_EQ(folder.Read("OLD.CON"), "old");
  }
}

}  // namespace
