// The energy modelling input opens the program's own construction,
// air-side, shading mask and central plant windows.
#include <gtest/gtest.h>

#include <memory>

#include "app/windows.h"
#include "support/scripted_platform.h"

namespace {

TEST(EnergyInputWiring, TheDoorToTheOtherInputWindows) {
  testsupport::ScriptedPlatform platform;
  auto prog = std::make_unique<common::Program>();
  app::Windows windows(*prog, platform);
  auto& input = windows.frmEgyCalInput();
  input.Show();
  input.txtNZn.SetText("2");
  input.cmdEntNZn.Click();
  input.txtZnNam.SetText("North wing");
  input.txtNRmIZ.SetText("1");
  input.cmdEntNRm.Click();

  platform.OnModal("frmSIZn", [&](forms::Form&) {
    auto& airSide = windows.frmSIZn();
    EXPECT_EQ(airSide.lblZnNam.Caption(), "Zone Name: North wing");
    ASSERT_EQ(airSide.cboZnRm.ListCount(), 2);
    airSide.txtZnRmD[0].SetText("5.5");
    airSide.cmdSaQ.Click();
  });
  input.cmdEAC.Click();
  EXPECT_EQ(prog->energyInput.ASSys.DsgSensLd[0][1][0], 5.5f);

  platform.OnModal("frmSelCons", [&](forms::Form&) {
    auto& cons = windows.frmSelCons();
    EXPECT_EQ(cons.Caption(), "Save/Edit Construction");
    cons.mnuExit.Click();
  });
  input.mnuEConstr.Click();

  platform.OnModal("frmCPlt", [&](forms::Form& f) { f.Unload(); });
  input.mnuECPlt.Click();

  input.mnuEShMask.Click();
  EXPECT_EQ(platform.ShownForms().back().form, "frmShMask");
  EXPECT_FALSE(platform.ShownForms().back().modal);
  EXPECT_EQ(windows.frmShMask().Caption(), "Shading Mask Calculation");
  EXPECT_TRUE(platform.ScriptDone());
}

}  // namespace
