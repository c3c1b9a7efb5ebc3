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

}  // namespace
