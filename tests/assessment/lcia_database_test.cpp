#include "assessment/lcia_database.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/lcia_fixture.h"
#include "support/temp_folder.h"

namespace {

using testsupport::LciaFile;
using testsupport::LciaRecord;

class LciaDatabaseTest : public testing::Test {
 protected:
  bool Load(const std::string& db, const std::string& prof) {
    folder.Write("T.IDB", db);
    folder.Write("T.ILF", prof);
    return ModCal::LoadLCIADatabase(*table, folder.Path() + "T.ILF", folder.Path() + "T.IDB", error);
  }
  testsupport::TempFolder folder;
  std::unique_ptr<common::MaterialTable> table = std::make_unique<common::MaterialTable>();
  std::string error;
};

TEST_F(LciaDatabaseTest, RowsFollowTheSections) {
  // Five materials in the first section put the second header at row 6.
  auto db = LciaFile({{{1, 0}, {2, 10}, {3, 20}, {4, 30}, {5, 40}}, {{201, 50}}, {{501, 60}, {502, 70}}});
  auto prof = LciaFile({{{1, 100}, {2, 110}, {3, 120}, {4, 130}, {5, 140}}, {{201, 150}}, {{501, 160}, {502, 170}}});
  ASSERT_TRUE(Load(db, prof)) << error;
  EXPECT_EQ(table->MatListNo[0], 5);
  EXPECT_EQ(table->MatListNo[6], 1);
  EXPECT_EQ(table->MatListNo[8], 2);
  EXPECT_EQ(table->MatIdx[201], 7);
  EXPECT_EQ(table->MatIdx[502], 10);
  const int r = table->MatIdx[2];
  EXPECT_EQ(r, 2);
  EXPECT_EQ(table->MatName[static_cast<size_t>(r)], "M2");
  EXPECT_FLOAT_EQ(table->MatImpFtr[2][0], 11);     // database: category 1
  EXPECT_FLOAT_EQ(table->MatImpFtr[2][10], 100);   // energy
  EXPECT_FLOAT_EQ(table->MatWasteFtr[2][9], 120);  // profile: category 10
  EXPECT_FLOAT_EQ(table->MatUCost[2], 10.5f);      // the database's value wins
  EXPECT_FLOAT_EQ(table->MatProp[2][1], 1.4f);
  // A number neither file holds points at row 0, whose factors stay 0.
  EXPECT_EQ(table->MatIdx[99], 0);
  EXPECT_FLOAT_EQ(table->MatImpFtr[0][1], 0);
}

TEST_F(LciaDatabaseTest, EmptySectionTakesOnlyItsHeaderRow) {
  auto db = LciaFile({{}, {{201, 50}}, {{501, 60}}});
  ASSERT_TRUE(Load(db, db)) << error;
  EXPECT_EQ(table->MatIdx[201], 2);
  EXPECT_EQ(table->MatIdx[501], 4);
}

TEST_F(LciaDatabaseTest, ProfileRowsMatchByPosition) {
  auto db = LciaFile({{{1, 0}, {2, 10}}, {{201, 50}}, {{501, 60}}});
  auto prof = LciaFile({{{1, 100}}, {{2, 110}, {201, 150}}, {{501, 160}}});
  ASSERT_TRUE(Load(db, prof)) << error;
  // Row 2 holds material 2 from the database but the profile's header row.
  EXPECT_EQ(table->MatIdx[2], 2);
  EXPECT_FLOAT_EQ(table->MatWasteFtr[2][0], 0);
}

TEST_F(LciaDatabaseTest, FailedLoadKeepsThePreviousTable) {
  auto good = LciaFile({{{1, 0}}, {{201, 50}}, {{501, 60}, {502, 70}}});
  ASSERT_TRUE(Load(good, good)) << error;
  auto before = std::make_unique<common::MaterialTable>(*table);

  std::string tooMany = "600\r\n";
  for (int i = 1; i <= 510; ++i) tooMany += LciaRecord(i % 500 + 1, "X", 1);
  const std::vector<std::pair<std::string, std::string>> broken = {
      {LciaFile({{{1, 0}}, {{201, 50}}, {{511, 60}}}), good},           // number beyond 510
      {good, LciaFile({{{1, 0}}, {{201, 50}}, {{-1, 60}}})},            // negative number in the profile
      {good.substr(0, good.size() - 20), good},                         // truncated database
      {"1\r\n1,\"A\",\"kg\",x,1,1,1,1,1,1,1,1,1,1,1,1,1,1\r\n", good},  // not a number
      {tooMany, tooMany},                                               // more than 511 rows
      {"", good},                                                       // empty database
  };
  for (const auto& [db, prof] : broken) {
    SCOPED_TRACE(db.substr(0, 40));
    EXPECT_FALSE(Load(db, prof));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(table->MatIdx, before->MatIdx);
    EXPECT_EQ(table->MatName, before->MatName);
    EXPECT_EQ(table->MatImpFtr, before->MatImpFtr);
  }
  folder.Write("T.ILF", good);
  EXPECT_FALSE(ModCal::LoadLCIADatabase(*table, folder.Path() + "T.ILF", folder.Path() + "NONE.IDB", error));
  EXPECT_EQ(table->MatIdx, before->MatIdx);
}

TEST_F(LciaDatabaseTest, EachLoadStartsFromAnEmptyTable) {
  ASSERT_TRUE(Load(LciaFile({{{1, 0}, {7, 5}}, {{201, 50}}, {{501, 60}}}),
                   LciaFile({{{1, 0}, {7, 5}}, {{201, 50}}, {{501, 60}}})));
  ASSERT_TRUE(Load(LciaFile({{{1, 0}}, {{201, 50}}, {{501, 60}}}), LciaFile({{{1, 0}}, {{201, 50}}, {{501, 60}}})));
  EXPECT_EQ(table->MatIdx[7], 0);  // material 7 is gone with its database
  EXPECT_EQ(ModCal::MaterialRow(*table, 511), -1);
  EXPECT_EQ(ModCal::MaterialRow(*table, 501), 5);
}

}  // namespace

namespace {

// The supplied fixture pairs of tests/data/lcia: the tiny database loads
// with the rows and factors its README lists, the misaligned one loads and
// matches rows by position, and every broken pair is refused leaving the
// table as it was.
TEST(LciaFixtures, LoadOrAreRefused) {
  const std::string dir = std::string(OSTREVO_SOURCE_DIR) + "/tests/data/lcia/";
  auto table = std::make_unique<common::MaterialTable>();
  std::string error;
  auto load = [&](const std::string& name) {
    return ModCal::LoadLCIADatabase(*table, dir + name + ".ILF", dir + name + ".IDB", error);
  };
  ASSERT_TRUE(load("TINY")) << error;
  EXPECT_EQ(table->MatIdx[201], 4);
  EXPECT_EQ(table->MatIdx[502], 7);
  EXPECT_EQ(table->MatName[1], "Concrete");
  EXPECT_FLOAT_EQ(table->MatImpFtr[1][1], 300);  // kg CO2 eq. per m3 of concrete
  EXPECT_FLOAT_EQ(table->MatWasteFtr[1][1], 12);
  EXPECT_FLOAT_EQ(table->MatImpFtr[6][1], 0.2f);  // per MJ of electricity
  EXPECT_FLOAT_EQ(table->MatUCost[2], 10);
  const auto tiny = std::make_unique<common::MaterialTable>(*table);

  for (const char* broken : {"BADNUM", "SHORT", "RANGE", "OVER"}) {
    SCOPED_TRACE(broken);
    EXPECT_FALSE(load(broken));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(table->MatIdx, tiny->MatIdx);
    EXPECT_EQ(table->MatImpFtr, tiny->MatImpFtr);
  }

  ASSERT_TRUE(load("MISALIGN")) << error;
  EXPECT_EQ(table->MatIdx[3], 3);
  EXPECT_EQ(table->MatIdx[201], 5);
  EXPECT_EQ(table->MatListNo[4], 1);
  EXPECT_FLOAT_EQ(table->MatWasteFtr[1][1], 12);     // concrete's own
  EXPECT_FLOAT_EQ(table->MatWasteFtr[3][1], 0.05f);  // steel's, now on timber
}

}  // namespace
