// The operating-energy road from the main window's Run command: the
// calculation window hands its totals over on Exit, the confirmation
// window that follows shows them and stores the confirmed values.
#include <gtest/gtest.h>

#include <memory>

#include "app/main_window.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

class OperatingEnergyRoadTest : public testing::Test {
 protected:
  OperatingEnergyRoadTest() {
    setenv("OSTREVO_HOME", (folder.Path() + "home").c_str(), 1);
    main.Show();
    prog.building.Bldg.ProjFile = "TOWER.PRJ";
    prog.building.ProjDir = folder.Path();
    prog.energyInput.EciFile = "TOWER.ECI";
    prog.energyInput.AssFile = "TOWER.ASS";
    prog.plant.WssFile = "TOWER.WSS";
    prog.plant.NacFile = "TOWER.NAC";
    auto& n = prog.plant.NAC;
    n.NoOfLift = 1;
    n.LiftName[1] = "Lift A";
    n.LiftPower[1] = 15;
    n.LiftHours[1] = 2000;
    n.LiftLF[1] = 0.5f;
    prog.sim.AnnEgy = {1, 1, 1, 1, 1, 1};
  }
  ~OperatingEnergyRoadTest() override { unsetenv("OSTREVO_HOME"); }

  // In the calculation window: compute the lifts, then leave as asked.
  void CalculateLifts(bool byExit) {
    platform.OnModal("frmEgyCal", [byExit](forms::Form& form) {
      auto& w = static_cast<simulation::frmEgyCal&>(form);
      w.mnuMLift.Click();
      w.cmdGO.Click();
      EXPECT_EQ(w.txtItem[1].Text(), "15000");
      w.cmdOK.Click();
      if (byExit) {
        w.mnuDirExit.Click();
      } else {
        w.UserClose();
      }
    });
  }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  app::Windows windows{prog, platform};
  app::frmMain main{prog, platform, windows};
};

TEST_F(OperatingEnergyRoadTest, ExitHandsOverAndConfirmationStores) {
  CalculateLifts(true);
  platform.OnModal("frmEgyResult", [](forms::Form& form) {
    auto& r = static_cast<simulation::frmEgyResult&>(form);
    EXPECT_EQ(r.txtAEC[3].Text(), "15000");
    EXPECT_EQ(r.txtAEC[0].Text(), "0");
    r.cmdChgTo[6].Click();
    r.txtAAEC[0].Type("500");
    r.cmdOkay.Click();
  });
  main.mnuRunOprEgy.Click();
  EXPECT_EQ(prog.sim.AnnEgy, (std::array<common::Single, 6>{500, 0, 0, 15000, 0, 0}));
  EXPECT_TRUE(platform.ScriptDone());
  EXPECT_TRUE(main.mnuRunOprEgy.Checked());
}

// Closed by its frame, the calculation hands nothing over; leaving the
// confirmation without confirming keeps the totals in force.
TEST_F(OperatingEnergyRoadTest, OtherWaysOutChangeNothing) {
  CalculateLifts(false);
  platform.OnModal("frmEgyResult", [](forms::Form& form) {
    auto& r = static_cast<simulation::frmEgyResult&>(form);
    EXPECT_EQ(r.txtAEC[3].Text(), "1");
    r.cmdExit.Click();
  });
  main.mnuRunOprEgy.Click();
  EXPECT_EQ(prog.sim.AnnEgy, (std::array<common::Single, 6>{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(prog.plant.NAC.LiftEgy[0], 15000.0f);
  EXPECT_TRUE(platform.ScriptDone());
}

}  // namespace
