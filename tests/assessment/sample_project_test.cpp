// The sample office project computed end to end on the sample data: every
// file is found and read, every formula evaluates, and the figures agree
// with those the sample-data generator worked out independently.
#include <gtest/gtest.h>

#include <memory>

#include "assessment/calculation.h"
#include "assessment/factors.h"
#include "assessment/lcia_database.h"
#include "assessment/results.h"
#include "assessment/selection.h"
#include "building/element_library.h"
#include "building/project_file.h"

namespace {

class SampleProjectTest : public testing::Test {
 protected:
  SampleProjectTest() {
    const std::string root = OSTREVO_SOURCE_DIR;
    const std::string data = root + "/data/";
    auto& b = prog->building;
    std::string error;
    EXPECT_TRUE(ModCal::LoadLCIADatabase(prog->assess.mat, data + "MATLCIA.ILF", data + "MATLCIA.IDB", error));
    b.DataDir = data;
    building::SetLibraryPaths(b);
    b.ProjDir = root + "/samples/office/";
    b.Bldg.ProjFile = "OFFICE.PRJ";
    EXPECT_EQ(building::ReadProjectFile(b.ProjDir + "OFFICE.PRJ", b.Bldg, error), building::ReadStatus::Ok);
    ModCal::SetDefaultFactors(prog->assess.factors);
    ModCal::ResetAllSelections(prog->assess.sel);
  }
  std::string Run(int mode) { return ModCal::RunStages(*prog, mode).errText; }
  std::unique_ptr<common::Program> prog = std::make_unique<common::Program>();
};

TEST_F(SampleProjectTest, AssessmentAndCostingRunToTheEnd) {
  ASSERT_EQ(Run(ModCal::kModeAssessment), "");
  ASSERT_EQ(Run(ModCal::kModeCosting), "");
  const auto& r = prog->assess.LCAResult;
  // Global warming (category 2) by stage, as the generator computed it, in
  // whole units: each figure within half a unit of the one pinned.
  EXPECT_NEAR(r.BldgImp[1][2], 3605311, 0.5);
  EXPECT_NEAR(r.BldgImp[2][2], 1783904, 0.5);
  EXPECT_NEAR(r.BldgImp[4][2], 72062, 0.5);
  EXPECT_NEAR(r.BldgCost[1], 51986684, 0.5);
  for (int k = 1; k <= 10; ++k) EXPECT_GT(r.BldgImp[0][static_cast<size_t>(k)], 0) << "category " << k;
  EXPECT_GT(r.FdnImp[1][2], 0);
  EXPECT_GT(r.FlrTypeImp[2][1][2], 0);  // contents
  for (int t = 0; t < 5; ++t) EXPECT_GT(r.SerTypeCost[static_cast<size_t>(t)][1], 0) << "services type " << t;
}

// The operating-energy cost of stage 3 at the default cost parameters
// (5 %, 3 %, 2 %): each year's bill escalating at 2 % and discounted at the
// real rate, over 50 years, summed here year by year in long double.
TEST_F(SampleProjectTest, OperatingEnergyCostOverFiftyYears) {
  prog->sim.AnnEgy = {412000, 236000, 5200, 31000, 8800, 0};
  auto& nac = prog->plant.NAC;
  nac.NoOfGasSys = 1;
  nac.GasSubSys[1] = 0;
  nac.GasEgy[1] = 150000;
  ASSERT_EQ(Run(ModCal::kModeCosting), "");
  const long double a = (1 + 2.0L / 100) / ((1 + 5.0L / 100) / (1 + 3.0L / 100));
  long double factor = 0, term = 1;
  for (int year = 1; year <= 50; ++year) factor += (term *= a);
  const auto& cost = prog->assess.LCAResult.SerTypeCost;
  for (size_t t = 0; t < 5; ++t) {
    long double expected = factor * prog->sim.AnnEgy[t] * 0.92f;
    if (t == 0) expected += factor * 150000 * 0.21f;
    EXPECT_NEAR(cost[t][3], static_cast<double>(expected), static_cast<double>(expected) * 1e-6)
        << "services type " << t;
  }
}

}  // namespace
