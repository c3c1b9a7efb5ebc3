// The energy modelling input opens the program's own construction,
// air-side, shading mask and central plant windows.
#include <gtest/gtest.h>

#include <memory>

#include "app/windows.h"
#include "energy_fixture.h"
#include "energy_input/construction_file.h"
#include "energy_input/energy_model_files.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

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

// Two zones with different air-side designs: after the first is deleted,
// the air-side window of the remaining zone shows that zone's own design.
TEST(EnergyInputWiring, TheRemainingZoneKeepsItsAirSideDesign) {
  testsupport::ScriptedPlatform platform;
  auto prog = std::make_unique<common::Program>();
  app::Windows windows(*prog, platform);
  auto& input = windows.frmEgyCalInput();
  auto& airSide = windows.frmSIZn();
  input.Show();
  input.txtNZn.SetText("2");
  input.cmdEntNZn.Click();
  const char* names[] = {"North wing", "South wing"};
  for (int z = 0; z < 2; ++z) {
    input.cboZNo.SetListIndex(z);
    input.txtZnNam.SetText(names[z]);
    input.txtNRmIZ.SetText("1");
    input.cmdEntNRm.Click();
    platform.OnModal("frmSIZn", [&, z](forms::Form&) {
      airSide.cboASTyp.SetListIndex(z + 1);
      airSide.cboFATyp.SetListIndex(2 - z);
      airSide.txtZnRmD[0].SetText(std::to_string(10 * (z + 1)));
      airSide.txtZnRmD[3].SetText(std::to_string(500 + z));
      airSide.cmdSaQ.Click();
    });
    input.cmdEAC.Click();
  }
  input.cboZNo.SetListIndex(0);
  platform.ExpectMessage("Delete all data for the selected Zone?", forms::MsgResult::OK);
  input.cmdDZn.Click();
  input.cboZNo.SetListIndex(0);
  platform.OnModal("frmSIZn", [&](forms::Form&) {
    EXPECT_EQ(airSide.lblZnNam.Caption(), "Zone Name: South wing");
    EXPECT_EQ(airSide.cboASTyp.Text(), "VAV System with Inlet Guide Vane Control");
    EXPECT_EQ(airSide.cboFATyp.Text(), "Local Outdoor Air Intake");
    EXPECT_EQ(airSide.txtZnRmD[0].Text(), "20");
    EXPECT_EQ(airSide.txtZnRmD[3].Text(), "501");
    airSide.mnuFExit.Click();
  });
  input.cmdEAC.Click();
  EXPECT_TRUE(platform.ScriptDone());
}

// A construction deleted while components use it, from the energy
// modelling input: the components that will lose it are named at once;
// once the constructions are saved, the window's own model, the model in
// memory and the saved model file follow the new numbering, and the
// window's data are marked unsaved.
TEST(EnergyInputWiring, AConstructionDeletedWhileInUse) {
  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  auto prog = std::make_unique<common::Program>();
  prog->building.Bldg.ProjName = "Tower";
  prog->building.Bldg.ProjFile = "T.PRJ";
  prog->building.ProjDir = folder.Path();
  std::string error;
  const common::EnergyModel model = energytest::SmallModel(3);
  ASSERT_TRUE(energy_input::WriteConstructionFile(folder.Path() + "T.CON", energytest::SomeConstructions(3), error));
  ASSERT_TRUE(energy_input::WriteEnergyModelFile(folder.Path() + "T.ECI", "Tower", model, {}, error));
  ASSERT_TRUE(energy_input::WriteAirSideFile(folder.Path() + "T.ASS", "Tower", model, {}, error));
  app::Windows windows(*prog, platform);
  auto& input = windows.frmEgyCalInput();
  platform.ExpectOpenDialog(folder.Path() + "T.ECI");
  platform.ExpectOpenDialog(folder.Path() + "T.ASS");
  input.Show();
  platform.ExpectSaveDialog(folder.Path() + "T.ECI");
  platform.ExpectSaveDialog(folder.Path() + "T.ASS");
  input.mnuFSave.Click();
  EXPECT_FALSE(input.Unsaved());
  input.cboZNo.SetListIndex(2);
  input.cboRmNo.SetListIndex(2);
  input.cboFabComp.SetListIndex(2);
  EXPECT_EQ(input.txtCompC[1].Text(), "Cons 3");

  platform.OnModal("frmSelCons", [&](forms::Form&) {
    auto& cons = windows.frmSelCons();
    cons.lstCons.SetListIndex(2);
    platform.ExpectMessage("This may affect reference to Constructions in Room Input. Go ahead ?",
                           forms::MsgResult::OK);
    platform.ExpectMessage(
        "Construction 2 \"Cons 2\" is deleted. When the constructions are saved, the constructions after it move "
        "down one number and the fabric components that use them follow. These fabric components use construction "
        "2 and will then have none:\n"
        "Zone 2, Room 2, Component 2 (Z2R2C2)\n"
        "Zone 3, Room 2, Component 2 (Z3R2C2)\n"
        "Zone 3, Room 3, Component 2 (Z3R3C2)");
    cons.cmdDel.Click();
    EXPECT_EQ(input.WorkingModel().FabCons[3][3][3], 3);  // not before the save
    platform.ExpectMessage("Save data first?", forms::MsgResult::Yes);
    cons.mnuExit.Click();
  });
  input.mnuEConstr.Click();
  EXPECT_TRUE(platform.ScriptDone());
  const common::EnergyModel& inMemory = prog->energyInput.EgyModel;
  for (const common::EnergyModel* m : {&input.WorkingModel(), &inMemory}) {
    EXPECT_EQ(m->FabCons[3][3][2], 0);
    EXPECT_EQ(m->FabCons[3][3][3], 2);
  }
  EXPECT_EQ(input.txtCompC[0].Text(), "2");
  EXPECT_EQ(input.txtCompC[1].Text(), "Cons 3");
  EXPECT_TRUE(input.Unsaved());
  common::ConstructionTables saved;
  ASSERT_TRUE(energy_input::ReadConstructionFile(folder.Path() + "T.CON", saved, error)) << error;
  EXPECT_EQ(saved.NoOfCons, 2);
  common::EnergyModel onDisk;
  common::PerFabric<std::string> masks{};
  ASSERT_TRUE(energy_input::ReadEnergyModelFile(folder.Path() + "T.ECI", onDisk, masks, error)) << error;
  EXPECT_EQ(onDisk.FabCons[3][3][2], 0);
  EXPECT_EQ(onDisk.FabCons[3][3][3], 2);
}

}  // namespace
