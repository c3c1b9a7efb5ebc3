#include <gtest/gtest.h>

#include <memory>

#include "app/windows.h"
#include "assessment/factors.h"
#include "support/scripted_platform.h"

namespace {

TEST(ResultWindowsWiring, ChartsAndCostParametersOpenFromTheirWindows) {
  testsupport::ScriptedPlatform platform;
  auto prog = std::make_unique<common::Program>();
  ModCal::SetDefaultFactors(prog->assess.factors);
  app::Windows windows(*prog, platform);

  windows.frmResult().Show();
  EXPECT_EQ(windows.frmResult().Caption(), "LCA/LCC Results");
  windows.frmResult().cmdShowChart.Click();
  ASSERT_EQ(platform.ShownForms().back().form, "frmCharts");
  EXPECT_FALSE(platform.ShownForms().back().modal);
  EXPECT_EQ(windows.frmCharts().Caption(), "LCIA/LCC Results (Charts)");

  windows.frmNormWgt().Show();
  windows.frmNormWgt().mnuCostPara.Click();
  EXPECT_EQ(platform.ShownForms().back().form, "frmCostPara");
  EXPECT_TRUE(platform.ShownForms().back().modal);
  EXPECT_EQ(&windows.frmNormWgt(), &windows.frmNormWgt());  // one instance for the run

  windows.frmLCCResult().Show();
  EXPECT_EQ(windows.frmLCCResult().Caption(), "Life Cycle Costing Results");
}

}  // namespace
