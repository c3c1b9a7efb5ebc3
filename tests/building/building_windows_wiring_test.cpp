#include <gtest/gtest.h>

#include <memory>

#include "app/windows.h"
#include "common/paths.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

// The building window, the group editor and the component editor as the
// program wires them: Add composes and saves a group through both editors,
// and Return brings the main window back to the front.
TEST(BuildingWindowsWiring, AddComposesAGroupThroughBothEditors) {
  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  auto prog = std::make_unique<common::Program>();
  app::Windows windows(*prog, platform);
  forms::Form mainWindow(platform, "frmMain");
  windows.SetMainWindow(&mainWindow);
  prog->building.Bldg.ProjFile = "P.PRJ";
  prog->building.ProjDir = folder.Path();

  platform.OnModal("frmAddGroup", [&](forms::Form& f) {
    auto& editor = dynamic_cast<building::frmAddGroup&>(f);
    EXPECT_EQ(editor.Caption(), "Services");
    editor.txtGroupName.SetText("Plant room");
    editor.txtGroupNo.SetText("2");
    editor.cmdAddGrpComp.Click();
    editor.cmdReturn.Click();  // "Save data ..." is answered Yes below
  });
  platform.OnModal("frmGroupComp", [&](forms::Form& f) {
    EXPECT_EQ(prog->building.CurGrp.GrpName, "Plant room");
    prog->building.CurComp.CompName = "Chiller";
    prog->building.CurComp.CompFile = "CH.SEC";
    f.Unload();
  });
  platform.ExpectMessage("Save data before closing this form?", forms::MsgResult::Yes);

  auto& bldg = windows.frmBldgSysInput();
  bldg.Show();
  bldg.cmdAddServices.Click();
  ASSERT_EQ(bldg.lstServicesName.ListCount(), 1);
  EXPECT_EQ(bldg.lstServicesName.List(0), "Plant room");
  EXPECT_EQ(prog->building.Bldg.SerGrpFile[0], "Plant room.SER");
  EXPECT_TRUE(common::FileExists(folder.Path() + "Plant room.SER"));

  bldg.cmdReturn.Click();
  EXPECT_FALSE(bldg.IsLoaded());
  EXPECT_EQ(platform.ShownForms().back().form, "frmMain");
  EXPECT_EQ(prog->building.Bldg.NoOfSerGrp, 1);
}

}  // namespace
