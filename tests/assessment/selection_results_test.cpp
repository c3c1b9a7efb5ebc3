#include <gtest/gtest.h>

#include <memory>

#include "assessment/results.h"
#include "assessment/selection.h"

namespace {

TEST(Selection, ResetAllFollowsTheSkipFlags) {
  auto sel = std::make_unique<common::SelectionTables>();
  sel->SkipAllFlr = 1;
  ModCal::ResetAllSelections(*sel);
  for (int g = 0; g < 20; ++g) {
    EXPECT_EQ(sel->FlrGrpAssess[static_cast<size_t>(g)], 0.0f);
    EXPECT_EQ(sel->SerGrpAssess[static_cast<size_t>(g)], 1.0f);
    for (int c = 0; c <= 100; ++c)
      for (int e = 0; e <= 20; ++e) {
        ASSERT_FALSE(sel->FlrElmAssess[static_cast<size_t>(g)][static_cast<size_t>(c)][static_cast<size_t>(e)]);
        ASSERT_TRUE(sel->SerElmAssess[static_cast<size_t>(g)][static_cast<size_t>(c)][static_cast<size_t>(e)]);
      }
  }
  EXPECT_EQ(sel->FdnGrpAssess[9], 1.0f);
  EXPECT_EQ(sel->FdnCompAssess[9][100], 1.0f);
  EXPECT_TRUE(sel->FdnElmAssess[9][100][20]);
}

TEST(Selection, BranchResetsTouchOnlyTheirBranch) {
  auto sel = std::make_unique<common::SelectionTables>();
  ModCal::ResetAllSelections(*sel);
  ModCal::ResetSerCompSelection(*sel, 3, 1);
  EXPECT_EQ(sel->SerCompAssess[3][50], 0.0f);
  EXPECT_FALSE(sel->SerElmAssess[3][50][7]);
  EXPECT_EQ(sel->SerGrpAssess[3], 1.0f);  // the group's own factor is the caller's
  EXPECT_EQ(sel->SerCompAssess[2][50], 1.0f);
  ModCal::ResetFdnElmSelection(*sel, 0, 4, 1);
  EXPECT_FALSE(sel->FdnElmAssess[0][4][0]);
  EXPECT_TRUE(sel->FdnElmAssess[0][5][0]);
  EXPECT_EQ(sel->FdnCompAssess[0][4], 1.0f);
  EXPECT_THROW(ModCal::ResetFdnCompSelection(*sel, 10, 0), std::out_of_range);
  EXPECT_THROW(ModCal::ResetFlrElmSelection(*sel, 0, 101, 0), std::out_of_range);
}

TEST(Selection, Texts) {
  EXPECT_EQ(ModCal::SelectionText(1.0f), "All");
  EXPECT_EQ(ModCal::SelectionText(0.5f), "Some");
  EXPECT_EQ(ModCal::SelectionText(0.0f), "None");
  EXPECT_EQ(ModCal::SelectionText(0.25f), "");
  EXPECT_EQ(ModCal::YesNoText(-1), "Yes");
  EXPECT_EQ(ModCal::YesNoText(0), "No");
}

TEST(Results, ClearByModeKeepsTheOtherKind) {
  auto prog = std::make_unique<common::Program>();
  auto& r = prog->assess.LCAResult;
  auto& g = prog->assess.GroupResult;
  r.BldgImp[2][3] = 5;
  r.FlrTypeEgy[1][4] = 6;
  g.SerGrpWaste[19][0] = 7;
  r.FdnCost[1] = 8;
  g.FlrGrpCost[4][2] = 9;
  ModCal::ClearResults(prog->assess, ModCal::kModeCosting);
  EXPECT_EQ(r.FdnCost[1], 0);
  EXPECT_EQ(g.FlrGrpCost[4][2], 0);
  EXPECT_EQ(r.BldgImp[2][3], 5);
  EXPECT_EQ(g.SerGrpWaste[19][0], 7);
  r.FdnCost[1] = 8;
  ModCal::ClearResults(prog->assess, ModCal::kModeAssessment);
  EXPECT_EQ(r.BldgImp[2][3], 0);
  EXPECT_EQ(r.FlrTypeEgy[1][4], 0);
  EXPECT_EQ(g.SerGrpWaste[19][0], 0);
  EXPECT_EQ(r.FdnCost[1], 8);
  ModCal::ClearResults(prog->assess, 5);
  EXPECT_EQ(r.FdnCost[1], 8);
}

TEST(Results, ClearProjectDataEmptiesEverythingOfTheProject) {
  auto prog = std::make_unique<common::Program>();
  prog->assess.LCAResult.FdnWaste[3] = 1;
  prog->assess.LCAResult.FlrCost[0] = 1;
  prog->assess.GroupResult.FdnGrpImp[0][0][1] = 1;
  prog->assess.RefResult.PartCaption[0] = "Floors";
  prog->assess.CurResult.Res[0][0][0] = 3;
  prog->sim.AnnEgy[5] = 4;
  prog->sim.ACEgy[7] = 4;
  prog->plant.CPlt.AddHVACEgy[10] = 4;
  prog->sim.run->CPlt.AddHVACEgy[1] = 4;  // the energy calculation's own plant
  prog->plant.CPlt.AddHVACPower[1] = 12;
  prog->plant.NAC.GasEgy[0] = 4;
  prog->plant.NAC.NoOfGasSys = 2;
  prog->energyInput.ConsFile = "A.CON";
  prog->plant.WssFile = "A.WSS";
  ModCal::ClearProjectData(*prog);
  EXPECT_EQ(prog->assess.LCAResult, common::LCAResultRec{});
  EXPECT_EQ(prog->assess.GroupResult, common::GroupResultRec{});
  EXPECT_EQ(prog->assess.RefResult, common::CaseResultRec{});
  EXPECT_EQ(prog->assess.CurResult, common::CaseResultRec{});
  EXPECT_EQ(prog->sim.AnnEgy[5], 0);
  EXPECT_EQ(prog->sim.ACEgy[7], 0);
  EXPECT_EQ(prog->plant.CPlt.AddHVACEgy[10], 0);
  EXPECT_EQ(prog->sim.run->CPlt.AddHVACEgy[1], 0);
  EXPECT_EQ(prog->plant.NAC.GasEgy[0], 0);
  EXPECT_EQ(prog->energyInput.ConsFile, "");
  EXPECT_EQ(prog->plant.WssFile, "");
  // The plant and services inputs go back to start-up too.
  EXPECT_EQ(prog->plant.CPlt.AddHVACPower[1], 0);
  EXPECT_EQ(prog->plant.NAC.NoOfGasSys, 0);
}

}  // namespace
