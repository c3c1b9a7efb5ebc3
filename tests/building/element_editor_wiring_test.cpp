// The component and element editor and its pickers as the program wires
// them: one instance of each, opened modally from the editor.
#include <gtest/gtest.h>

#include <memory>

#include "app/windows.h"
#include "building/element_library.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

TEST(ElementEditorWiring, TheEditorOpensThePickersOfTheProgram) {
  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  auto prog = std::make_unique<common::Program>();
  auto& st = prog->building;
  st.DataDir = folder.Path();
  building::SetLibraryPaths(st);
  st.GrpType = 200;
  st.GrpTypeName = "Floor";
  ModInpCtl::SetCompTypeNames(st);
  app::Windows windows(*prog, platform);
  ASSERT_EQ(&windows.frmGroupComp(), &windows.frmGroupComp());

  auto& editor = windows.frmGroupComp();
  editor.Show();
  editor.cmdAddElm.Click();
  platform.ExpectMessage(building::LibraryNotOpenedMessage(st.FabLibFile));
  platform.OnModal("frmElmSelect", [&](forms::Form& f) {
    EXPECT_EQ(&f, &windows.frmElmSelect());
    f.Unload();
  });
  editor.cmdElmType.Click();

  platform.OnModal("frmMatLib", [&](forms::Form& f) {
    EXPECT_EQ(&f, &windows.frmMatLib());
    f.Unload();
  });
  platform.OnModal("frmInpMatData", [&](forms::Form& f) {
    auto& dialog = dynamic_cast<building::frmInpMatData&>(f);
    dialog.cmdSel.Click();
    dialog.cmdReturn.Click();
  });
  st.InpMatMode = 1;
  windows.frmInpMatData().Show(true);
  EXPECT_TRUE(platform.ScriptDone());
}

// The material picker keeps its context from one opening to the next, so
// every caller sets its own: after a generic element's material row (which
// refuses services materials outside a services group) the constructions
// window may still pick a services material.
TEST(ElementEditorWiring, EveryCallerSetsTheMaterialPickersContext) {
  testsupport::ScriptedPlatform platform;
  auto prog = std::make_unique<common::Program>();
  auto& t = prog->assess.mat;
  t.MatListNo = {};
  t.MatListNo[0] = 1;  // one building material, then one services material
  t.MatListNo[1] = 12;
  t.MatName[1] = "Concrete";
  t.MatListNo[2] = 1;
  t.MatListNo[3] = 201;
  t.MatName[3] = "Steel pipe";
  t.MatIdx[12] = 1;
  t.MatIdx[201] = 3;
  prog->building.FileType = 220;
  app::Windows windows(*prog, platform);
  auto& picker = windows.frmMatLib();
  picker.ElmTypeStr = "0";  // as a generic element's material row of a floor group leaves it
  picker.GrpKindStr = "Floor";
  platform.OnModal("frmMatLib", [&](forms::Form& f) {
    EXPECT_TRUE(picker.Selectable(3));
    picker.lstMatData.SetListIndex(3);
    picker.cmdClose.Click();
    if (f.IsLoaded()) f.Unload();
  });
  windows.frmSelCons().cmdSelMat_Click();
  EXPECT_EQ(prog->building.SelItemNo, 201);
}

}  // namespace
