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
  std::string Run(int mode) {
    ModCal::ClearResults(prog->assess, mode);
    ModCal::RunContext run;
    std::string errText;
    for (int stage = 1; stage <= (mode == ModCal::kModeCosting ? 3 : 4) && errText.empty(); ++stage)
      ModCal::CalcStage(*prog, mode, stage, errText, run);
    return errText;
  }
  std::unique_ptr<common::Program> prog = std::make_unique<common::Program>();
};

TEST_F(SampleProjectTest, AssessmentAndCostingRunToTheEnd) {
  ASSERT_EQ(Run(ModCal::kModeAssessment), "");
  ASSERT_EQ(Run(ModCal::kModeCosting), "");
  const auto& r = prog->assess.LCAResult;
  // Global warming (category 2) by stage, as the generator computed it.
  EXPECT_NEAR(r.BldgImp[1][2], 3605311, 3605311 * 1e-4);
  EXPECT_NEAR(r.BldgImp[2][2], 1783904, 1783904 * 1e-4);
  EXPECT_NEAR(r.BldgImp[4][2], 72062, 72062 * 1e-4);
  EXPECT_NEAR(r.BldgCost[1], 51986684, 51986684 * 1e-4);
  for (int k = 1; k <= 10; ++k) EXPECT_GT(r.BldgImp[0][static_cast<size_t>(k)], 0) << "category " << k;
  EXPECT_GT(r.FdnImp[1][2], 0);
  EXPECT_GT(r.FlrTypeImp[2][1][2], 0);  // contents
  for (int t = 0; t < 5; ++t) EXPECT_GT(r.SerTypeCost[static_cast<size_t>(t)][1], 0) << "services type " << t;
}

}  // namespace
