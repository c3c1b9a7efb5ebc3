#include "energy_input/frm_egy_cal_input.h"
#include "common/paths.h"

#include <gtest/gtest.h>

#include <functional>

#include "energy_fixture.h"
#include "energy_input/construction_file.h"
#include "energy_input/energy_model_files.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using forms::MsgResult;
using Masks = common::PerFabric<std::string>;

constexpr const char* kEciReadError = "Error reading energy calcuation input data file!!";

// A window the energy input opens, standing in for the real one.
class StandIn : public forms::Form {
 public:
  using Form::Form;
};

class EnergyInputWindow : public testing::Test {
 protected:
  EnergyInputWindow() {
    prog.building.Bldg.ProjName = "Tower";
    prog.building.ProjDir = folder.Path();
  }

  // Writes the project's three files and opens the window, which loads them.
  void OpenWith(const common::EnergyModel& model, const Masks& masks, bool withConstructions = true,
                const common::AirSideSystemData& airSide = {}) {
    std::string error;
    if (withConstructions) {
      ASSERT_TRUE(
          energy_input::WriteConstructionFile(folder.Path() + "T.CON", energytest::SomeConstructions(3), error));
    }
    ASSERT_TRUE(energy_input::WriteEnergyModelFile(folder.Path() + "T.ECI", "Tower", model, masks, error));
    ASSERT_TRUE(energy_input::WriteAirSideFile(folder.Path() + "T.ASS", "Tower", model, airSide, error));
    prog.building.Bldg.ProjFile = "T.PRJ";
    if (withConstructions) {
      platform.ExpectOpenDialog(folder.Path() + "T.ECI");
      platform.ExpectOpenDialog(folder.Path() + "T.ASS");
    }
    w.Show();
  }
  void OpenWith(int zones) {
    Masks masks{};
    common::EnergyModel m = energytest::SmallModel(zones, &masks);
    OpenWith(m, masks);
  }
  // Save Building Data into NAME.ECI and NAME.ASS.
  void SaveAs(const std::string& name) {
    platform.ExpectSaveDialog(folder.Path() + name + ".ECI");
    platform.ExpectSaveDialog(folder.Path() + name + ".ASS");
    w.mnuFSave.Click();
  }
  const common::EnergyModel& M() const { return w.WorkingModel(); }
  const common::AirSideSystemData& AS() const { return prog.energyInput.ASSys; }
  const Masks& ShMasks() const { return prog.energyInput.FabShMask; }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  common::Program prog;
  StandIn selCons{platform, "frmSelCons"}, shMask{platform, "frmShMask"}, siZn{platform, "frmSIZn"},
      cPlt{platform, "frmCPlt"};
  energy_input::frmEgyCalInput w{
      prog,
      platform,
      {[this]() -> forms::Form& { return selCons; }, [this]() -> forms::Form& { return shMask; },
       [this]() -> forms::Form& { return siZn; }, [this]() -> forms::Form& { return cPlt; }}};
};

TEST_F(EnergyInputWindow, ZoneCountOutsideItsRange) {
  w.Show();
  EXPECT_EQ(w.Caption(), "Inputs for Energy Calculation");
  for (const char* typed : {"0", "21", "many", ""}) {
    SCOPED_TRACE(typed);
    w.txtNZn.SetText(typed);
    platform.ExpectMessage("No. of Zones outside range!");
    w.cmdEntNZn.Click();
    EXPECT_TRUE(w.cmdEntNZn.Font().Bold);
    EXPECT_EQ(w.cboZNo.ListCount(), 0);
  }
  w.txtNZn.SetText("20");
  w.cmdEntNZn.Click();
  EXPECT_FALSE(w.cmdEntNZn.Font().Bold);
  EXPECT_EQ(w.cboZNo.ListCount(), 20);
  EXPECT_EQ(w.CurZn(), 1);
  EXPECT_EQ(M().NoOfZn, 20);
}

TEST_F(EnergyInputWindow, FabricComponentCount) {
  w.Show();
  w.txtNZn.SetText("1");
  w.cmdEntNZn.Click();
  w.txtZnNam.SetText("Podium");
  w.txtNRmIZ.SetText("1");
  EXPECT_TRUE(w.cmdEntNRm.Font().Bold);
  w.cmdEntNRm.Click();
  EXPECT_FALSE(w.cmdEntNRm.Font().Bold);
  EXPECT_EQ(M().ZnName[1], "Podium");
  w.cboRmNo.SetListIndex(0);
  w.txtNFabComp.SetText("11");
  platform.ExpectMessage("No. of Fabric Components outside range!");
  w.cmdEntRmChar.Click();
  EXPECT_EQ(w.cboFabComp.ListCount(), 0);
  w.txtNFabComp.SetText("10");
  w.cmdEntRmChar.Click();
  ASSERT_EQ(w.cboFabComp.ListCount(), 10);
  EXPECT_EQ(w.cboFabComp.List(0), "1");
  EXPECT_EQ(w.cboFabComp.List(9), "10");
  EXPECT_EQ(w.cboFabComp.ListIndex(), -1);
  EXPECT_EQ(M().RmNFab[1][1], 10);
}

TEST_F(EnergyInputWindow, LoadShowsTheFirstZoneRoomAndComponent) {
  OpenWith(3);
  EXPECT_FALSE(w.cmdEntNZn.Font().Bold);
  EXPECT_EQ(w.txtNZn.Text(), "3");
  EXPECT_EQ(w.CurZn(), 1);
  EXPECT_EQ(w.CurRm(), 1);
  EXPECT_EQ(w.CurFab(), 1);
  EXPECT_EQ(w.txtZnNam.Text(), "Zone 1");
  EXPECT_EQ(w.txtRmNam.Text(), "Z1R1");
  EXPECT_EQ(w.cboRmTyp.Text(), "Office");
  EXPECT_EQ(w.txtCompL.Text(), "Z1R1C1");
  EXPECT_EQ(w.txtCompC[0].Text(), "1");
  EXPECT_EQ(w.txtCompC[1].Text(), "Cons 1");
  EXPECT_EQ(w.txtShMask.Text(), "Z1R1C1.SHM");
  EXPECT_EQ(prog.energyInput.ConsFile, "T.CON");
  EXPECT_EQ(prog.energyInput.EciFile, folder.Path() + "T.ECI");
  EXPECT_EQ(prog.energyInput.cons.NoOfCons, 3);
  EXPECT_EQ(prog.energyInput.EgyModel, M());
}

TEST_F(EnergyInputWindow, AddZoneAfterTheSecondOfThree) {
  OpenWith(3);
  w.cboZNo.SetListIndex(1);
  w.cmdAZn.Click();
  EXPECT_EQ(M().NoOfZn, 4);
  EXPECT_EQ(M().ZnName[1], "Zone 1");
  EXPECT_EQ(M().ZnName[2], "Zone 2");
  EXPECT_EQ(M().ZnName[3], "");
  EXPECT_EQ(M().ZnNRm[3], 0);
  EXPECT_EQ(M().RmName[3][1], "");
  EXPECT_EQ(ShMasks()[3][1][1], "");
  EXPECT_EQ(M().ZnName[4], "Zone 3");
  EXPECT_EQ(M().ZnNRm[4], 3);
  EXPECT_EQ(M().RmName[4][3], "Z3R3");
  EXPECT_EQ(ShMasks()[4][1][1], "Z3R1C1.SHM");
  EXPECT_EQ(w.CurZn(), 3);
  EXPECT_EQ(w.cboZNo.ListIndex(), 2);
  EXPECT_EQ(w.cboZNo.ListCount(), 4);
  EXPECT_EQ(w.txtZnNam.Text(), "");
  EXPECT_EQ(w.txtNIZn.Text(), "0");
  EXPECT_EQ(w.txtNRmIZ.Text(), "0");
  EXPECT_EQ(w.txtNZn.Text(), "3");
}

TEST_F(EnergyInputWindow, DeleteTheFirstOfThreeZones) {
  OpenWith(3);
  platform.ExpectMessage("Delete all data for the selected Zone?", MsgResult::Cancel);
  w.cmdDZn.Click();
  EXPECT_EQ(M().NoOfZn, 3);
  EXPECT_EQ(w.CurZn(), 1);

  platform.ExpectMessage("Delete all data for the selected Zone?", MsgResult::OK);
  w.cmdDZn.Click();
  EXPECT_EQ(M().NoOfZn, 2);
  EXPECT_EQ(M().ZnName[1], "Zone 2");
  EXPECT_EQ(M().ZnName[2], "Zone 3");
  EXPECT_EQ(M().RmName[2][3], "Z3R3");
  EXPECT_EQ(ShMasks()[2][1][1], "Z3R1C1.SHM");
  EXPECT_EQ(M().ZnName[3], "");
  EXPECT_EQ(M().ZnNRm[3], 0);
  EXPECT_EQ(M().FabName[3][3][1], "");
  EXPECT_EQ(ShMasks()[3][1][1], "");
  EXPECT_EQ(w.txtNZn.Text(), "2");
  EXPECT_TRUE(w.cmdEntNZn.Font().Bold);
  EXPECT_EQ(w.cboZNo.ListCount(), 2);
  EXPECT_EQ(w.cboZNo.ListIndex(), -1);
  EXPECT_EQ(w.CurZn(), 0);
  EXPECT_EQ(w.txtZnNam.Text(), "");
  EXPECT_EQ(w.cboRmNo.ListCount(), 0);

  // Without a selected zone Add and Del do nothing.
  w.cmdAZn.Click();
  w.cmdDZn.Click();
  EXPECT_EQ(M().NoOfZn, 2);
}

TEST_F(EnergyInputWindow, AddWithNoZonesDoesNothing) {
  w.Show();
  w.cmdAZn.Click();
  w.cmdARm.Click();
  w.cmdAExWall.Click();
  EXPECT_EQ(M().NoOfZn, 0);
  EXPECT_EQ(w.cboZNo.ListCount(), 0);
}

TEST_F(EnergyInputWindow, RoomsAddedAndDeletedMoveTheirComponents) {
  OpenWith(3);
  w.cboZNo.SetListIndex(2);
  w.cboRmNo.SetListIndex(1);
  w.cmdARm.Click();
  EXPECT_EQ(M().ZnNRm[3], 4);
  EXPECT_EQ(w.txtNRmIZ.Text(), "4");
  EXPECT_EQ(M().RmName[3][3], "");
  EXPECT_EQ(M().RmNFab[3][3], 0);
  EXPECT_EQ(M().FabName[3][3][1], "");
  EXPECT_EQ(M().RmName[3][4], "Z3R3");
  EXPECT_EQ(M().FabName[3][4][3], "Z3R3C3");
  EXPECT_EQ(ShMasks()[3][4][1], "Z3R3C1.SHM");
  EXPECT_EQ(w.CurRm(), 3);
  EXPECT_EQ(w.cboRmNo.ListIndex(), 2);

  w.cboRmNo.SetListIndex(0);
  platform.ExpectMessage("Delete all data for the selected Room?", MsgResult::OK);
  w.cmdDRm.Click();
  EXPECT_EQ(M().ZnNRm[3], 3);
  EXPECT_EQ(M().RmName[3][1], "Z3R2");
  EXPECT_EQ(M().RmName[3][3], "Z3R3");
  EXPECT_EQ(M().RmName[3][4], "");
  EXPECT_EQ(ShMasks()[3][4][1], "");
  EXPECT_EQ(w.txtNRmIZ.Text(), "3");
  EXPECT_EQ(w.cboRmNo.ListCount(), 3);
  EXPECT_EQ(w.cboRmNo.ListIndex(), -1);
  EXPECT_EQ(w.CurRm(), 0);
  EXPECT_EQ(w.CurZn(), 3);
}

TEST_F(EnergyInputWindow, ComponentsAddedAndDeletedKeepTheirShadingMasks) {
  OpenWith(3);
  w.cboZNo.SetListIndex(2);
  w.cboRmNo.SetListIndex(2);
  w.cboFabComp.SetListIndex(0);
  w.txtCompL.SetText("Renamed");
  w.cmdAExWall.Click();
  EXPECT_EQ(M().FabName[3][3][1], "Renamed");  // stored before the insert
  EXPECT_EQ(ShMasks()[3][3][1], "Z3R3C1.SHM");
  EXPECT_EQ(M().FabName[3][3][2], "");
  EXPECT_EQ(M().FabCons[3][3][2], 0);
  EXPECT_EQ(M().FabName[3][3][3], "Z3R3C2");
  EXPECT_EQ(M().RmNFab[3][3], 4);
  EXPECT_EQ(w.txtNFabComp.Text(), "4");
  EXPECT_EQ(w.CurFab(), 2);

  w.cboFabComp.SetListIndex(0);
  platform.ExpectMessage("Delete selected Fabric Component?", MsgResult::OK);
  w.cmdDExWall.Click();
  EXPECT_EQ(M().RmNFab[3][3], 3);
  EXPECT_EQ(M().FabName[3][3][1], "");
  EXPECT_EQ(ShMasks()[3][3][1], "");
  EXPECT_EQ(M().FabName[3][3][3], "Z3R3C3");
  EXPECT_EQ(M().FabName[3][3][4], "");
  EXPECT_EQ(w.cboFabComp.ListCount(), 3);
  EXPECT_EQ(w.cboFabComp.ListIndex(), -1);
}

TEST_F(EnergyInputWindow, AddIsRefusedAtEachMaximum) {
  OpenWith(20);
  platform.ExpectMessage("No. of Zones already reached the Maximum No.!");
  w.cmdAZn.Click();
  w.cboZNo.SetListIndex(11);  // zone 12: 12 rooms
  w.cboRmNo.SetListIndex(9);  // room 10: 10 components
  platform.ExpectMessage("No. of Rooms per Zone already reached the Maximum No.!");
  w.cmdARm.Click();
  w.cboFabComp.SetListIndex(0);
  platform.ExpectMessage("No. of Constructions already reached the Maximum No.!");
  w.cmdAExWall.Click();
  EXPECT_EQ(M().NoOfZn, 20);
  EXPECT_EQ(M().ZnNRm[12], 12);
  EXPECT_EQ(M().RmNFab[12][10], 10);
}

TEST_F(EnergyInputWindow, RoofTurnsHorizontalButAStoredOrientationShows) {
  Masks masks{};
  common::EnergyModel m = energytest::SmallModel(2, &masks);
  m.FabType[2][2][2] = 1;  // a roof facing south
  m.FabOrient[2][2][2] = 5;
  OpenWith(m, masks);
  w.cboZNo.SetListIndex(1);
  w.cboRmNo.SetListIndex(1);
  w.cboFabComp.SetListIndex(1);
  EXPECT_EQ(w.cboCompTyp.Text(), "Roof");
  EXPECT_EQ(w.cboOrient.Text(), "S");
  w.cboCompTyp.SetListIndex(3);  // an external wall keeps its orientation
  EXPECT_EQ(w.cboOrient.Text(), "S");
  w.cboCompTyp.SetListIndex(4);
  EXPECT_EQ(w.cboOrient.Text(), "Hori.");
  w.cmdEntComp.Click();
  EXPECT_EQ(M().FabType[2][2][2], 4);
  EXPECT_EQ(M().FabOrient[2][2][2], 9);
}

TEST_F(EnergyInputWindow, AChosenConstructionIsStoredWhenAnotherComponentIsSelected) {
  OpenWith(3);
  w.cboZNo.SetListIndex(2);
  w.cboRmNo.SetListIndex(2);
  w.cboFabComp.SetListIndex(0);
  platform.OnModal("frmSelCons", [&](forms::Form& f) {
    EXPECT_EQ(prog.energyInput.ConsFormMode, 0);
    EXPECT_EQ(prog.building.SelItemNo, 1);  // the component's construction
    prog.building.SelItemNo = 2;
    prog.building.SelItemName = "Cons 2";
    f.Unload();
  });
  w.cmdSelCons.Click();
  EXPECT_EQ(w.txtCompC[0].Text(), "2");
  EXPECT_EQ(w.txtCompC[1].Text(), "Cons 2");
  EXPECT_EQ(M().FabCons[3][3][1], 1);
  w.cboFabComp.SetListIndex(1);
  EXPECT_EQ(M().FabCons[3][3][1], 2);
  // Nothing chosen: the boxes stay.
  platform.OnModal("frmSelCons", [&](forms::Form& f) {
    prog.building.SelItemNo = 0;
    f.Unload();
  });
  w.cmdSelCons.Click();
  EXPECT_EQ(w.txtCompC[0].Text(), "2");
}

TEST_F(EnergyInputWindow, ShadingMaskChosenWithoutItsFolder) {
  OpenWith(1);
  platform.ExpectOpenDialog(std::nullopt);
  w.cmdSelShM.Click();
  EXPECT_EQ(w.txtShMask.Text(), "Z1R1C1.SHM");
  platform.ExpectOpenDialog("/elsewhere/masks/WEST.SHM");
  w.cmdSelShM.Click();
  EXPECT_EQ(platform.Dialogs().back().title, "Select Shading Mask for a Window");
  EXPECT_EQ(platform.Dialogs().back().filter, "Shading Mask File (*.SHM)|*.SHM");
  EXPECT_EQ(w.txtShMask.Text(), "WEST.SHM");
  w.cmdEntComp.Click();
  EXPECT_EQ(ShMasks()[1][1][1], "WEST.SHM");
}

TEST_F(EnergyInputWindow, LoadingZeroZones) {
  OpenWith(common::EnergyModel{}, Masks{}, false);
  std::string error;
  ASSERT_TRUE(energy_input::WriteConstructionFile(folder.Path() + "T.CON", energytest::SomeConstructions(1), error));
  w.Unload();
  platform.ExpectOpenDialog(folder.Path() + "T.ECI");
  platform.ExpectMessage("No. of Zones outside range!");
  platform.ExpectOpenDialog(folder.Path() + "T.ASS");
  w.Show();
  EXPECT_EQ(w.txtNZn.Text(), "0");
  EXPECT_EQ(w.cboZNo.ListCount(), 0);
  EXPECT_EQ(w.CurZn(), 0);
  EXPECT_TRUE(platform.ScriptDone());
}

TEST_F(EnergyInputWindow, MissingConstructionFileLoadsNothingAndSaysNothing) {
  OpenWith(energytest::SmallModel(2), Masks{}, false);
  EXPECT_TRUE(platform.Dialogs().empty());
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(w.cboZNo.ListCount(), 0);
  EXPECT_TRUE(w.cmdEntNZn.Font().Bold);
  EXPECT_EQ(prog.energyInput.EciFile, "T.ECI");
}

TEST_F(EnergyInputWindow, UnreadableConstructionFileIsReported) {
  folder.Write("T.CON", "3\r\n\"Only one\",0,0\r\n0.5,0.5\r\n");
  prog.energyInput.cons = energytest::SomeConstructions(2);
  prog.building.Bldg.ProjFile = "T.PRJ";
  platform.AllowAnyMessage();
  w.Show();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_NE(platform.Messages()[0].find("T.CON could not be read"), std::string::npos);
  EXPECT_EQ(prog.energyInput.cons, energytest::SomeConstructions(2));
}

// A file that cannot be read leaves the window, the model and the shading
// masks as they were.
TEST_F(EnergyInputWindow, FailedLoadChangesNothing) {
  OpenWith(2);
  w.txtZnNam.SetText("Typed, not stored");
  const common::EnergyModel model = prog.energyInput.EgyModel;
  const Masks masks = ShMasks();
  const std::string eciFile = prog.energyInput.EciFile, assFile = prog.energyInput.AssFile;
  folder.Write("B.ECI", "\"h\"\r\n2\r\n\"Z\"\r\n");
  for (std::optional<std::string> chosen : {std::optional<std::string>(folder.Path() + "B.ECI"),
                                            std::optional<std::string>(), std::optional<std::string>("NONE.ECI")}) {
    platform.ExpectOpenDialog(chosen);
    platform.ExpectMessage(kEciReadError);
    w.mnuFLoad.Click();
    EXPECT_EQ(w.txtZnNam.Text(), "Typed, not stored");
    EXPECT_EQ(w.CurZn(), 1);
    EXPECT_EQ(prog.energyInput.EgyModel, model);
    EXPECT_EQ(ShMasks(), masks);
    EXPECT_EQ(prog.energyInput.EciFile, eciFile);
    EXPECT_EQ(prog.energyInput.AssFile, assFile);
  }
  // The model read stays when the air-side file fails.
  common::AirSideSystemData airSide;
  airSide.ASTyp[1] = 2;
  prog.energyInput.ASSys = airSide;
  folder.Write("B.ASS", "\"h\"\r\n1,1\r\n");
  platform.ExpectOpenDialog(folder.Path() + "T.ECI");
  platform.ExpectOpenDialog(folder.Path() + "B.ASS");
  platform.ExpectMessage("Error reading air-side AC system input data file!!");
  w.mnuFLoad.Click();
  EXPECT_EQ(w.txtZnNam.Text(), "Zone 1");
  EXPECT_EQ(prog.energyInput.ASSys, airSide);
  EXPECT_EQ(prog.energyInput.EciFile, folder.Path() + "T.ECI");
  EXPECT_EQ(prog.energyInput.AssFile, assFile);
}

// A refused room count stops the save: nothing is written and the room
// shown keeps its edits.
TEST_F(EnergyInputWindow, SaveWithARoomCountOutOfRangeStops) {
  OpenWith(1);
  const std::string eci = folder.Read("T.ECI");
  w.txtRmNam.SetText("Renamed room");
  w.txtNRmIZ.SetText("13");
  platform.ExpectMessage("No. of Rooms outside range!");
  w.mnuFSave.Click();
  EXPECT_EQ(platform.Dialogs().size(), 2u);  // the two open dialogs of loading only
  EXPECT_TRUE(w.Unsaved());
  EXPECT_EQ(w.txtRmNam.Text(), "Renamed room");
  EXPECT_EQ(w.CurRm(), 1);
  EXPECT_EQ(folder.Read("T.ECI"), eci);

  w.txtNRmIZ.SetText("1");
  SaveAs("NEW");
  EXPECT_FALSE(w.Unsaved());
  EXPECT_EQ(platform.Dialogs()[2].title, "Save Energy Calculation Input File");
  EXPECT_EQ(platform.Dialogs()[2].fileName, folder.Path() + "T.ECI");
  EXPECT_EQ(platform.Dialogs()[3].title, "Air Side Air-conditioning System Input File");
  EXPECT_EQ(prog.energyInput.EciFile, folder.Path() + "NEW.ECI");
  common::EnergyModel read;
  Masks masks{};
  std::string error;
  ASSERT_TRUE(energy_input::ReadEnergyModelFile(folder.Path() + "NEW.ECI", read, masks, error)) << error;
  EXPECT_EQ(read.RmName[1][1], "Renamed room");
  EXPECT_TRUE(common::FileExists(folder.Path() + "NEW.ASS"));
  EXPECT_EQ(folder.Read("NEW.ECI").rfind("\"Energy Calculation Input for Project: Tower\"", 0), 0u);

  // Nothing edited since the save: Return closes without asking.
  w.mnuFReturn.Click();
  EXPECT_FALSE(w.IsLoaded());
}

TEST_F(EnergyInputWindow, SaveFailuresKeepTheDataUnsaved) {
  OpenWith(1);
  platform.ExpectSaveDialog(std::nullopt);
  platform.ExpectMessage("Error writing energy input data!!");
  w.mnuFSave.Click();
  platform.ExpectSaveDialog(folder.Path() + "OK.ECI");
  platform.ExpectSaveDialog(folder.Path() + "no/such/folder/X.ASS");
  platform.ExpectMessage("Error writing air-side AC system input data!!");
  w.mnuFSave.Click();
  EXPECT_TRUE(w.Unsaved());
  EXPECT_TRUE(common::FileExists(folder.Path() + "OK.ECI"));
}

TEST_F(EnergyInputWindow, ReturnAsksWhileUnsaved) {
  OpenWith(1);
  platform.ExpectMessage("Save data before closing this form?", MsgResult::Cancel);
  w.mnuDirRet.Click();
  EXPECT_TRUE(w.IsLoaded());
  platform.ExpectMessage("Save data before closing this form?", MsgResult::No);
  w.mnuFReturn.Click();
  EXPECT_FALSE(w.IsLoaded());
}

// Yes closes the window only when both files were written; a cancelled or
// failed save keeps it open with its data.
TEST_F(EnergyInputWindow, YesClosesOnlyAfterBothFilesAreWritten) {
  OpenWith(1);
  w.txtZnNam.SetText("Typed");
  platform.ExpectMessage("Save data before closing this form?", MsgResult::Yes);
  platform.ExpectSaveDialog(std::nullopt);
  platform.ExpectMessage("Error writing energy input data!!");
  w.mnuFReturn.Click();
  EXPECT_TRUE(w.IsLoaded());
  EXPECT_TRUE(w.Unsaved());

  platform.ExpectMessage("Save data before closing this form?", MsgResult::Yes);
  platform.ExpectSaveDialog(folder.Path() + "OK.ECI");
  platform.ExpectSaveDialog(folder.Path() + "no/such/folder/X.ASS");
  platform.ExpectMessage("Error writing air-side AC system input data!!");
  w.mnuDirRet.Click();
  EXPECT_TRUE(w.IsLoaded());
  EXPECT_TRUE(w.Unsaved());

  platform.ExpectMessage("Save data before closing this form?", MsgResult::Yes);
  platform.ExpectSaveDialog(folder.Path() + "OK.ECI");
  platform.ExpectSaveDialog(folder.Path() + "OK.ASS");
  w.mnuFReturn.Click();
  EXPECT_FALSE(w.IsLoaded());
  EXPECT_TRUE(common::FileExists(folder.Path() + "OK.ASS"));
}

// Every edit after a save marks the data unsaved again; looking around
// does not.
TEST_F(EnergyInputWindow, EditsAfterASaveAreAskedAbout) {
  OpenWith(3);
  struct Edit {
    const char* what;
    std::function<void()> make;
  };
  const Edit edits[] = {
      {"zone name", [&] { w.txtZnNam.SetText("East wing"); }},
      {"room area",
       [&] {
         w.cboRmNo.SetListIndex(0);
         w.txtRmArea.SetText("88");
       }},
      {"room type",
       [&] {
         w.cboRmNo.SetListIndex(0);
         w.cboRmTyp.SetListIndex(3);
       }},
      {"orientation",
       [&] {
         w.cboRmNo.SetListIndex(0);
         w.cboFabComp.SetListIndex(0);
         w.cboOrient.SetListIndex(2);
       }},
      {"zone count", [&] { w.txtNZn.SetText("2"); }},
      {"added room",
       [&] {
         w.cboRmNo.SetListIndex(0);
         w.cmdARm.Click();
       }},
      {"air-side design",
       [&] {
         platform.OnModal("frmSIZn", [&](forms::Form& f) {
           prog.energyInput.ASSys.DsgFanPwr[0][1] = 7;  // as its Save Data gives it back
           f.Unload();
         });
         w.cmdEAC.Click();
       }},
      {"deleted zone",
       [&] {
         platform.ExpectMessage("Delete all data for the selected Zone?", MsgResult::OK);
         w.cmdDZn.Click();
       }},
  };
  for (const Edit& e : edits) {
    SCOPED_TRACE(e.what);

    w.cboZNo.SetListIndex(-1);
    w.cboZNo.SetListIndex(0);
    SaveAs("E");
    ASSERT_FALSE(w.Unsaved());
    w.cboZNo.SetListIndex(1);
    w.cboZNo.SetListIndex(0);
    w.cboRmNo.SetListIndex(0);
    w.cboFabComp.SetListIndex(0);
    EXPECT_FALSE(w.Unsaved());
    e.make();
    EXPECT_TRUE(w.Unsaved());
  }
  platform.ExpectMessage("Save data before closing this form?", MsgResult::Cancel);
  w.mnuFReturn.Click();
  EXPECT_TRUE(w.IsLoaded());
}

// Closing by the window frame asks as Return does.
TEST_F(EnergyInputWindow, FrameCloseAsksAsReturnDoes) {
  OpenWith(1);
  w.txtZnNam.SetText("Typed");
  platform.ExpectMessage("Save data before closing this form?", MsgResult::Cancel);
  w.UserClose();
  EXPECT_TRUE(w.IsLoaded());
  platform.ExpectMessage("Save data before closing this form?", MsgResult::Yes);
  platform.ExpectSaveDialog(std::nullopt);
  platform.ExpectMessage("Error writing energy input data!!");
  w.UserClose();
  EXPECT_TRUE(w.IsLoaded());
  platform.ExpectMessage("Save data before closing this form?", MsgResult::No);
  w.UserClose();
  EXPECT_FALSE(w.IsLoaded());
}

// A count typed but not entered is stored by a selection only when the
// model can hold it.
TEST_F(EnergyInputWindow, TypedCountsBeyondTheModelAreNotStored) {
  OpenWith(3);
  w.cboZNo.SetListIndex(2);
  w.txtNRmIZ.SetText("25");
  w.cboZNo.SetListIndex(0);
  EXPECT_EQ(M().ZnNRm[3], 3);
  w.cboZNo.SetListIndex(2);
  w.cboRmNo.SetListIndex(1);
  w.txtNFabComp.SetText("11");
  w.cboRmNo.SetListIndex(0);
  EXPECT_EQ(M().RmNFab[3][2], 2);
  w.txtNFabComp.SetText("0");  // within the model: stored as it stands
  w.cboRmNo.SetListIndex(1);
  EXPECT_EQ(M().RmNFab[3][1], 0);
}

TEST_F(EnergyInputWindow, OpeningTheOtherWindows) {
  OpenWith(2);
  w.cboZNo.SetListIndex(1);
  w.txtZnNam.SetText("Typed zone");
  platform.OnModal("frmSIZn", [&](forms::Form& f) {
    EXPECT_EQ(prog.energyInput.SIZnCurZn, 2);
    EXPECT_EQ(prog.energyInput.EgyModel, w.WorkingModel());
    f.Unload();
  });
  w.cmdEAC.Click();
  platform.OnModal("frmCPlt", [&](forms::Form& f) { f.Unload(); });
  w.mnuECPlt.Click();
  prog.energyInput.CurNLay = 4;
  platform.OnModal("frmSelCons", [&](forms::Form& f) {
    EXPECT_EQ(prog.energyInput.ConsFormMode, 1);
    EXPECT_EQ(prog.energyInput.CurNLay, 0);
    f.Unload();
  });
  w.mnuEConstr.Click();
  w.mnuEShMask.Click();
  ASSERT_FALSE(platform.ShownForms().empty());
  EXPECT_EQ(platform.ShownForms().back().form, "frmShMask");
  EXPECT_FALSE(platform.ShownForms().back().modal);
  EXPECT_TRUE(platform.ScriptDone());

  // Without a zone the air-side window is not shown.
  platform.ExpectMessage("Delete all data for the selected Zone?", MsgResult::OK);
  w.cmdDZn.Click();
  size_t shown = platform.ShownForms().size();
  w.mnuESIZn.Click();
  EXPECT_EQ(platform.ShownForms().size(), shown);
}

// Air-side designs of three zones that tell where they belong: zone z has
// system type z, its zone row z0 and room r the row zr (in tens).
common::AirSideSystemData ZoneDesigns(int zones) {
  common::AirSideSystemData a;
  for (int z = 1; z <= zones; ++z) {
    a.ASTyp[z] = static_cast<common::Integer>(z);
    a.FATyp[z] = static_cast<common::Integer>(z % 3);
    a.DsgFanPres[0][z] = 100.0f * static_cast<float>(z);
    a.DsgCHWFlow[0][z] = static_cast<float>(z);
    for (int r = 0; r <= z; ++r) {
      a.DsgSensLd[0][z][r] = static_cast<float>(10 * z + r);
      a.DsgSAFlow[0][z][r] = static_cast<float>(10 * z + r) / 100;
    }
  }
  return a;
}

// The air-side design moves with its zone: a deleted zone takes its design
// along, an added zone starts with none.
TEST_F(EnergyInputWindow, ZonesAddedAndDeletedTakeTheirAirSideDesign) {
  Masks masks{};
  OpenWith(energytest::SmallModel(3, &masks), masks, true, ZoneDesigns(3));
  ASSERT_EQ(AS(), ZoneDesigns(3));
  platform.ExpectMessage("Delete all data for the selected Zone?", MsgResult::OK);
  w.cmdDZn.Click();  // zone 1
  const auto designs = ZoneDesigns(3);
  EXPECT_EQ(AS().ASTyp[1], 2);
  EXPECT_EQ(AS().FATyp[1], 2);
  EXPECT_EQ(AS().DsgFanPres[0][1], 200.0f);
  EXPECT_EQ(AS().DsgSensLd[0][1], designs.DsgSensLd[0][2]);
  EXPECT_EQ(AS().DsgSAFlow[0][2], designs.DsgSAFlow[0][3]);
  EXPECT_EQ(AS().ASTyp[3], 0);
  EXPECT_EQ(AS().DsgSensLd[0][3][2], 0.0f);
  EXPECT_EQ(AS().DsgCHWFlow[0][3], 0.0f);

  w.cboZNo.SetListIndex(0);
  w.cmdAZn.Click();  // a new zone 2; the former zone 3 becomes zone 3 again
  EXPECT_EQ(AS().ASTyp[1], 2);
  EXPECT_EQ(AS().ASTyp[2], 0);
  EXPECT_EQ(AS().DsgSensLd[0][2][0], 0.0f);
  EXPECT_EQ(AS().ASTyp[3], 3);
  EXPECT_EQ(AS().DsgSensLd[0][3], designs.DsgSensLd[0][3]);

  // The file written holds each zone's own design.
  w.cboZNo.SetListIndex(0);
  SaveAs("MOVED");
  common::AirSideSystemData read;
  std::string error;
  ASSERT_TRUE(energy_input::ReadAirSideFile(folder.Path() + "MOVED.ASS", prog.energyInput.EgyModel, read, error))
      << error;
  EXPECT_EQ(read.ASTyp[1], 2);
  EXPECT_EQ(read.DsgFanPres[0][3], 300.0f);
}

// The room rows of the air-side design move with their rooms; the zone row
// stays.
TEST_F(EnergyInputWindow, RoomsAddedAndDeletedTakeTheirAirSideRows) {
  Masks masks{};
  OpenWith(energytest::SmallModel(3, &masks), masks, true, ZoneDesigns(3));
  w.cboZNo.SetListIndex(2);
  w.cboRmNo.SetListIndex(0);
  platform.ExpectMessage("Delete all data for the selected Room?", MsgResult::OK);
  w.cmdDRm.Click();
  EXPECT_EQ(AS().DsgSensLd[0][3][0], 30.0f);
  EXPECT_EQ(AS().DsgSensLd[0][3][1], 32.0f);
  EXPECT_EQ(AS().DsgSAFlow[0][3][2], 0.33f);
  EXPECT_EQ(AS().DsgSensLd[0][3][3], 0.0f);
  w.cboRmNo.SetListIndex(0);
  w.cmdARm.Click();
  EXPECT_EQ(AS().DsgSensLd[0][3][1], 32.0f);
  EXPECT_EQ(AS().DsgSensLd[0][3][2], 0.0f);
  EXPECT_EQ(AS().DsgSensLd[0][3][3], 33.0f);
  EXPECT_EQ(AS().DsgSensLd[0][2], ZoneDesigns(3).DsgSensLd[0][2]);  // other zones untouched
}

// Constructions are numbered 1 to the number defined: a higher number typed
// is refused with a message (also by Save), while a number the model
// already held is kept as it stands.
TEST_F(EnergyInputWindow, ConstructionNumberAboveTheDefinedOnesIsRefused) {
  Masks masks{};
  common::EnergyModel m = energytest::SmallModel(2, &masks);
  m.FabCons[2][2][2] = 7;  // beyond the three constructions, from the file
  OpenWith(m, masks);
  const std::string refused =
      "Construction No. outside range! Choose a construction from 1 to 3 (0 for none); the component keeps "
      "construction 1.";
  w.txtCompC[0].SetText("4");
  platform.ExpectMessage(refused);
  w.cmdEntComp.Click();
  EXPECT_EQ(M().FabCons[1][1][1], 1);
  w.txtCompC[0].SetText("3");
  w.cmdEntComp.Click();
  EXPECT_EQ(M().FabCons[1][1][1], 3);

  w.txtCompC[0].SetText("5");
  platform.ExpectMessage(
      "Construction No. outside range! Choose a construction from 1 to 3 (0 for none); the component keeps "
      "construction 3.");
  w.mnuFSave.Click();  // refused: nothing is written
  EXPECT_EQ(platform.Dialogs().size(), 2u);
  EXPECT_EQ(M().FabCons[1][1][1], 3);
  EXPECT_EQ(w.txtCompC[0].Text(), "5");  // still shown, to be mended

  w.txtCompC[0].SetText("3");
  w.cboZNo.SetListIndex(1);
  w.cboRmNo.SetListIndex(1);
  w.cboFabComp.SetListIndex(1);
  EXPECT_EQ(w.txtCompC[0].Text(), "7");
  w.cboFabComp.SetListIndex(0);  // shown unchanged: kept without a message
  EXPECT_EQ(M().FabCons[2][2][2], 7);
}

// A number outside the construction tables (0 to 50) is refused with a
// message rather than dropped in silence.
TEST_F(EnergyInputWindow, ConstructionNumberOutsideTheTablesIsReported) {
  OpenWith(1);
  for (const char* typed : {"51", "-1", "99999"}) {
    SCOPED_TRACE(typed);
    w.txtCompC[0].SetText(typed);
    platform.ExpectMessage(
        "Construction No. outside range! Choose a construction from 1 to 3 (0 for none); the component keeps "
        "construction 1.");
    w.cmdEntComp.Click();
    EXPECT_EQ(M().FabCons[1][1][1], 1);
  }
  w.txtCompC[0].SetText("0");
  w.cmdEntComp.Click();
  EXPECT_EQ(M().FabCons[1][1][1], 0);
}

// Constructions deleted and saved in the construction window: the working
// model's components follow the new numbering, those that used a deleted
// one have none, and the component shown follows too.
TEST_F(EnergyInputWindow, ADeletedConstructionRenumbersTheWorkingModel) {
  EXPECT_FALSE(w.ConstructionsDeleted({2}));  // not loaded: nothing to renumber
  OpenWith(3);
  SaveAs("R");
  w.cboZNo.SetListIndex(2);
  w.cboRmNo.SetListIndex(2);
  w.cboFabComp.SetListIndex(2);
  EXPECT_EQ(w.txtCompC[0].Text(), "3");
  EXPECT_FALSE(w.Unsaved());
  EXPECT_TRUE(w.ConstructionsDeleted({2}));
  EXPECT_EQ(M().FabCons[3][3][1], 1);
  EXPECT_EQ(M().FabCons[3][3][2], 0);
  EXPECT_EQ(M().FabCons[2][2][2], 0);
  EXPECT_EQ(M().FabCons[3][3][3], 2);
  EXPECT_EQ(w.txtCompC[0].Text(), "2");
  EXPECT_TRUE(w.Unsaved());
}

TEST_F(EnergyInputWindow, NamesCannotBreakTheFile) {
  w.Show();
  w.txtZnNam.SetText("The \"North\" wing");
  EXPECT_EQ(w.txtZnNam.Text(), "The \"North\" wing");
  w.txtZnNam.SetText("The North\nwing");
  EXPECT_EQ(w.txtZnNam.Text(), "The Northwing");
}

}  // namespace
