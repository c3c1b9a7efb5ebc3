// The operating-energy road from the main window's Run command: the
// calculation window hands its totals over on Exit, the confirmation
// window that follows shows them and stores the confirmed values.
#include <gtest/gtest.h>

#include <memory>

#include "app/main_window.h"
#include "assessment/calculation.h"
#include "assessment/results.h"
#include "energy_input/energy_model_files.h"
#include "plant_input/plant_files.h"
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
    // The named energy model, air-side and plant files: a building without
    // zones or plant.
    std::string why;
    EXPECT_TRUE(energy_input::WriteEnergyModelFile(folder.Path() + "TOWER.ECI", "Tower", {}, {}, why) &&
                energy_input::WriteAirSideFile(folder.Path() + "TOWER.ASS", "Tower", {}, {}, why) &&
                plant_input::WriteCentralPlantFile(folder.Path() + "TOWER.WSS", "Tower", {}, why))
        << why;
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

// A town-gas system without efficiency stops the town-gas calculation:
// what stage 3 then books for the systems one by one is the total the
// window showed and handed over, with no energy left from an earlier run.
TEST_F(OperatingEnergyRoadTest, ZeroGasEfficiencyHandsOverWhatTheWindowShows) {
  auto& n = prog.plant.NAC;
  n.NoOfLift = 0;
  n.NoOfGasSys = 2;
  n.GasSubSys = {0, 1, 1};
  n.GasCap = {0, 100, 50};
  n.GasHours = {0, 1000, 1000};
  n.GasLF = {0, 0.5f, 1};
  n.GasEff = {0, 0.8f, 0};
  n.GasEgy = {0, 1000, 4000};  // an earlier run's values
  platform.OnModal("frmEgyCal", [this](forms::Form& form) {
    auto& w = static_cast<simulation::frmEgyCal&>(form);
    w.mnuMGasS.Click();
    platform.ExpectMessage("Error: Zero Eff. for Gas System No. 2");
    w.cmdGO.Click();
    EXPECT_EQ(w.txtItem[0].Text(), "225000");
    w.cmdOK.Click();
    w.mnuDirExit.Click();
  });
  platform.OnModal("frmEgyResult",
                   [](forms::Form& form) { static_cast<simulation::frmEgyResult&>(form).cmdExit.Click(); });
  main.mnuRunOprEgy.Click();
  ASSERT_TRUE(platform.ScriptDone());
  EXPECT_EQ(prog.sim.AnnEgy[5], 225000.0f);

  ModCal::ClearResults(prog.assess, ModCal::kModeAssessment);
  ModCal::RunContext run;
  std::string errText;
  ModCal::CalcStage(prog, ModCal::kModeAssessment, 3, errText, run);
  ASSERT_EQ(errText, "");
  EXPECT_EQ(prog.assess.LCAResult.SerTypeEgy[1][3], 225000.0f * 50);
}

}  // namespace
