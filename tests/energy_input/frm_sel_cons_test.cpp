#include "energy_input/frm_sel_cons.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "energy_fixture.h"
#include "energy_input/construction_file.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using forms::MsgResult;

class StandIn : public forms::Form {
 public:
  using Form::Form;
};

class ConstructionWindow : public testing::Test {
 protected:
  ConstructionWindow() {
    prog.building.Bldg.ProjFile = "T.PRJ";
    prog.building.ProjDir = folder.Path() + "proj/";
    folder.Write("proj/T.PRJ", "");
    auto& mat = prog.assess.mat;
    mat.MatIdx[12] = 5;
    mat.MatName[5] = "Cement sand mortar";
    mat.MatProp[5] = {2000, 0.9f, 840};
  }
  void WriteConstructions(int count) {
    std::string error;
    ASSERT_TRUE(
        energy_input::WriteConstructionFile(folder.Path() + "proj/T.CON", energytest::SomeConstructions(count), error));
  }
  void OpenEdit() {
    prog.energyInput.ConsFormMode = 1;
    w.Show();
  }
  void OpenSelect(int selItemNo) {
    prog.energyInput.ConsFormMode = 0;
    prog.building.SelItemNo = static_cast<common::Integer>(selItemNo);
    w.Show();
  }
  // A buffer of `n` layers, as Save As Construction hands it over.
  void HandOver(int n) {
    auto& e = prog.energyInput;
    e.CurNLay = static_cast<common::Integer>(n);
    for (int j = 1; j <= n; ++j) {
      e.CurLayMatNo[j] = static_cast<common::Integer>(100 + j);
      e.CurLayMatName[j] = "L" + std::to_string(j);
      e.CurLayThk[j] = 0.01f * static_cast<float>(j);
      e.CurLayProp[0][j] = 1000.0f * static_cast<float>(j);
    }
  }
  std::vector<std::string> Description() const {
    std::vector<std::string> lines;
    for (int i = 0; i < w.lstElmIC.ListCount(); ++i) lines.push_back(w.lstElmIC.List(i));
    return lines;
  }
  std::vector<std::string> BufferNames(int n) const {
    std::vector<std::string> names;
    for (int j = 1; j <= n; ++j) names.push_back(prog.energyInput.CurLayMatName[j]);
    return names;
  }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  common::Program prog;
  StandIn matLib{platform, "frmMatLib"};
  energy_input::frmSelCons w{prog, platform, [this]() -> forms::Form& { return matLib; }};
};

TEST_F(ConstructionWindow, SelectModeOpensOnTheComponentsConstruction) {
  WriteConstructions(4);
  OpenSelect(3);
  EXPECT_EQ(w.Caption(), "Select Construction");
  EXPECT_EQ(w.lblConsNam.Caption(), "Name of Selected Construction");
  EXPECT_TRUE(w.cmdOkay.Visible());
  EXPECT_FALSE(w.mnuF.Enabled());
  EXPECT_EQ(w.txtNCons.Text(), "4");
  EXPECT_EQ(w.lstCons.ListIndex(), 3);
  EXPECT_EQ(w.txtConsNam.Text(), "Cons 3");
  // A one-layer window: the layer with the outside value, then the shading coefficient.
  EXPECT_EQ(Description(),
            (std::vector<std::string>{"Material 31; Thk. 0.0125(m); Abs. Out 0.6", "Shading Coefficient 0.3"}));
  EXPECT_EQ(prog.energyInput.CurNLay, 0);  // the buffer is not touched
  w.cmdOkay.Click();
  EXPECT_FALSE(w.IsLoaded());
  EXPECT_EQ(prog.building.SelItemNo, 3);
  EXPECT_EQ(prog.building.SelItemName, "Cons 3");

  for (int preset : {0, 9}) {  // nothing to select: none, or beyond the list
    SCOPED_TRACE(preset);
    OpenSelect(preset);
    EXPECT_EQ(w.lstCons.ListIndex(), -1);
    w.cmdOkay.Click();
    EXPECT_EQ(prog.building.SelItemNo, 0);
    EXPECT_EQ(prog.building.SelItemName, "");
  }
}

TEST_F(ConstructionWindow, DescriptionLines) {
  WriteConstructions(6);
  OpenSelect(2);  // a wall of three layers
  EXPECT_EQ(Description(),
            (std::vector<std::string>{"Material 21; Thk. 0.0125(m); Abs. Out 0.6", "Air Gap; Thk. 0.025(m)",
                                      "Material 23; Thk. 0.0375(m); Abs. In 0.2"}));
  w.lstCons.SetListIndex(6);  // a one-layer wall shows its layer twice
  EXPECT_EQ(Description(), (std::vector<std::string>{"Material 61; Thk. 0.0125(m); Abs. Out 0.6",
                                                     "Material 61; Thk. 0.0125(m); Abs. In 0.6"}));
  w.lstCons.SetListIndex(5);  // a three-layer window: its last layer, then the shading coefficient
  EXPECT_EQ(Description(),
            (std::vector<std::string>{"Material 51; Thk. 0.0125(m); Abs. Out 0.6", "Air Gap; Thk. 0.025(m)",
                                      "Material 53; Thk. 0.0375(m)", "Shading Coefficient 0.5"}));
}

TEST_F(ConstructionWindow, HandedOverBufferIsShownReadyToAdd) {
  WriteConstructions(2);
  HandOver(3);
  OpenEdit();
  EXPECT_EQ(w.Caption(), "Save/Edit Construction");
  EXPECT_EQ(w.lblConsNam.Caption(), "Enter Name for Construction");
  EXPECT_FALSE(w.cmdOkay.Visible());
  EXPECT_EQ(w.txtNElmInC.Text(), "3");
  ASSERT_EQ(w.cboElmNo.ListCount(), 3);
  EXPECT_EQ(w.cboElmNo.List(2), "3");
  EXPECT_EQ(w.CurrentLayer(), 1);
  EXPECT_EQ(w.txtMatNo.Text(), "101");
  EXPECT_EQ(w.txtMatNam.Text(), "L1");
  EXPECT_EQ(w.txtProp[0].Text(), "1000");
  EXPECT_TRUE(w.cmdAdd.Enabled());
  EXPECT_FALSE(w.cmdChg.Enabled());

  // Kind, surfaces and a name, then Add as New Construction and Save.
  w.OptWindow.Click();
  EXPECT_EQ(w.lblAbsorpIn.Caption(), "Window SC");
  w.txtAbs[0].SetText("0.15");
  w.txtAbs[1].SetText("0.45");
  w.txtConsNam.SetText("Double glazing");
  w.cmdAdd.Click();
  auto& t = prog.energyInput.cons;
  EXPECT_EQ(t.NoOfCons, 3);
  EXPECT_EQ(t.ConsName[3], "Double glazing");
  EXPECT_EQ(t.ConsType[3], 1);
  EXPECT_EQ(t.ConsNLay[3], 3);
  EXPECT_EQ(t.ConsSurf[1][3], 0.45f);
  EXPECT_EQ(t.LayMatName[3][2], "L2");
  EXPECT_FLOAT_EQ(t.LayThk[3][3], 0.03f);
  EXPECT_EQ(w.lstCons.List(3), "Double glazing");
  EXPECT_EQ(w.txtNCons.Text(), "3");
  EXPECT_EQ(prog.energyInput.CurNLay, 0);  // cleared
  EXPECT_EQ(w.lblAbsorpIn.Caption(), "Absorp. (In)");
  w.mnuFSaveAll.Click();
  common::ConstructionTables read;
  std::string error;
  ASSERT_TRUE(energy_input::ReadConstructionFile(folder.Path() + "proj/T.CON", read, error)) << error;
  EXPECT_EQ(read.NoOfCons, 3);
  EXPECT_EQ(read.LayMatName[3][3], "L3");
  // Exit right after the save closes without asking.
  w.mnuExit.Click();
  EXPECT_FALSE(w.IsLoaded());
  EXPECT_TRUE(w.UnsavedMark());  // Exit clears the buffer, which marks it
}

TEST_F(ConstructionWindow, InsertingLayers) {
  HandOver(4);
  OpenEdit();
  w.cboElmNo.SetListIndex(1);
  w.cmdAddLay.Click();
  auto& e = prog.energyInput;
  EXPECT_EQ(e.CurNLay, 5);
  EXPECT_EQ(w.txtNElmInC.Text(), "5");
  EXPECT_EQ(BufferNames(5), (std::vector<std::string>{"L1", "L2", "", "L3", "L4"}));
  EXPECT_EQ(e.CurLayMatNo[3], 0);
  EXPECT_EQ(e.CurLayThk[3], 0.0f);
  EXPECT_EQ(e.CurLayMatNo[4], 103);
  EXPECT_EQ(w.CurrentLayer(), 3);
  EXPECT_EQ(w.cboElmNo.ListIndex(), 2);
  EXPECT_EQ(w.cboElmNo.ListCount(), 5);
  EXPECT_EQ(w.txtMatNam.Text(), "Air Gap");
  EXPECT_EQ(w.txtMatThk.Text(), "0");

  // With no layer selected (after a delete) the new layer is the first.
  platform.ExpectMessage("Delete the selected layer?", MsgResult::OK);
  w.cmdDelLay.Click();
  EXPECT_EQ(w.cboElmNo.ListIndex(), -1);
  w.cmdAddLay.Click();
  EXPECT_EQ(BufferNames(5), (std::vector<std::string>{"", "L1", "L2", "L3", "L4"}));
  EXPECT_EQ(w.CurrentLayer(), 1);
  EXPECT_EQ(w.cboElmNo.ListIndex(), 0);
}

TEST_F(ConstructionWindow, DeletingLayerTwoOfFour) {
  HandOver(4);
  OpenEdit();
  w.cboElmNo.SetListIndex(1);
  platform.ExpectMessage("Delete the selected layer?", MsgResult::Cancel);
  w.cmdDelLay.Click();
  EXPECT_EQ(prog.energyInput.CurNLay, 4);
  platform.ExpectMessage("Delete the selected layer?", MsgResult::OK);
  w.cmdDelLay.Click();
  auto& e = prog.energyInput;
  EXPECT_EQ(e.CurNLay, 3);
  EXPECT_EQ(w.txtNElmInC.Text(), "3");
  EXPECT_EQ(BufferNames(4), (std::vector<std::string>{"L1", "L3", "L4", ""}));
  EXPECT_EQ(e.CurLayMatNo[4], 0);
  EXPECT_EQ(w.cboElmNo.ListCount(), 3);
  EXPECT_EQ(w.cboElmNo.ListIndex(), -1);
  EXPECT_EQ(w.CurrentLayer(), 0);
  EXPECT_EQ(w.txtMatNo.Text(), "");
  // Without a selected layer nothing happens.
  w.cmdDelLay.Click();
  EXPECT_EQ(e.CurNLay, 3);
}

TEST_F(ConstructionWindow, LayerLimits) {
  HandOver(20);
  OpenEdit();
  platform.ExpectMessage("No. of layers already the maximum allowable.");
  w.cmdAddLay.Click();
  EXPECT_EQ(prog.energyInput.CurNLay, 20);
  w.txtNElmInC.SetText("21");
  platform.ExpectMessage("The number of layers cannot exceed 20.");
  w.cmdEntNo.Click();
  EXPECT_EQ(w.cboElmNo.ListCount(), 20);
  w.txtNElmInC.SetText("0");
  w.cmdEntNo.Click();
  EXPECT_EQ(prog.energyInput.CurNLay, 20);
}

TEST_F(ConstructionWindow, MaterialNamesByNumber) {
  auto& e = prog.energyInput;
  HandOver(4);
  e.CurLayMatNo[1] = 120;
  e.CurLayMatName[1] = "Pipe lagging";
  e.CurLayMatNo[2] = 12;
  e.CurLayMatName[2] = "Old name";
  e.CurLayMatNo[3] = 0;
  e.CurLayMatNo[4] = -2;
  OpenEdit();
  const char* expected[] = {"Pipe lagging", "Cement sand mortar", "Air Gap", "Air Gap"};
  for (int i = 0; i < 4; ++i) {
    w.cboElmNo.SetListIndex(i);
    EXPECT_EQ(w.txtMatNam.Text(), expected[i]) << i;
  }
  // The shown text is what a store keeps.
  w.cboElmNo.SetListIndex(0);
  EXPECT_EQ(e.CurLayMatName[3], "Air Gap");
  EXPECT_EQ(e.CurLayMatName[2], "Cement sand mortar");

  // A number typed into a layer brings the table's name of its material,
  // never the name the layer held: whatever number the layer had.
  auto& mat = prog.assess.mat;
  mat.MatIdx[40] = 7;
  mat.MatName[7] = "Expanded polystyrene (EPS)";
  const struct {
    int layer;
    const char* typed;
    const char* name;
  } typed[] = {{2, "40", "Expanded polystyrene (EPS)"},
               {1, "40", "Expanded polystyrene (EPS)"},
               {3, "12", "Cement sand mortar"},
               {2, "41", ""},
               {4, "0", "Air Gap"}};
  for (const auto& t : typed) {
    SCOPED_TRACE(std::to_string(t.layer) + ": " + t.typed);
    w.cboElmNo.SetListIndex(t.layer - 1);
    w.txtMatNo.Type(t.typed);
    EXPECT_EQ(w.txtMatNam.Text(), t.name);
    w.cboElmNo.SetListIndex(t.layer == 1 ? 1 : 0);  // stores the layer
    EXPECT_EQ(e.CurLayMatName[t.layer], t.name);
  }
}

TEST_F(ConstructionWindow, MaterialFromThePicker) {
  HandOver(1);
  OpenEdit();
  w.txtMatThk.SetText("0.02");
  platform.OnModal("frmMatLib", [&](forms::Form& f) {
    EXPECT_EQ(prog.building.SelItemNo, -1);
    prog.building.SelItemNo = 12;
    prog.building.SelItemName = "Cement sand mortar (m3)";
    f.Unload();
  });
  w.cmdSelMat.Click();
  EXPECT_EQ(w.txtMatNo.Text(), "12");
  EXPECT_EQ(w.txtMatNam.Text(), "Cement sand mortar");
  EXPECT_EQ(w.txtProp[0].Text(), "2000");
  EXPECT_EQ(w.txtProp[1].Text(), "0.9");
  EXPECT_EQ(w.txtProp[2].Text(), "840");
  EXPECT_EQ(w.txtMatThk.Text(), "0.02");
  // Nothing chosen, or a number beyond the table: the boxes stay.
  for (int returned : {-1, 0, 600}) {
    platform.OnModal("frmMatLib", [&, returned](forms::Form& f) {
      prog.building.SelItemNo = static_cast<common::Integer>(returned);
      f.Unload();
    });
    w.cmdSelMat.Click();
    EXPECT_EQ(w.txtMatNo.Text(), "12");
  }
}

// The later constructions move down one number at once; the components
// that use them follow when the constructions are saved. The components
// that will lose their construction are named at the delete, counting the
// deletions not yet saved.
TEST_F(ConstructionWindow, DeletingConstructionTwoOfFourRenumbersTheComponents) {
  WriteConstructions(4);
  auto& model = prog.energyInput.EgyModel;
  model = energytest::SmallModel(3);  // component c of every room uses construction c
  model.FabCons[3][3][3] = 4;
  const common::EnergyModel before = model;
  OpenEdit();
  w.lstCons.SetListIndex(2);
  EXPECT_EQ(w.SelectedConstruction(), 2);
  EXPECT_TRUE(w.cmdChg.Enabled());
  EXPECT_TRUE(w.cmdDel.Enabled());
  EXPECT_EQ(w.lstElmIC.List(w.lstElmIC.ListCount() - 1), "construction or Changes to the selected construction.");
  EXPECT_EQ(prog.energyInput.CurNLay, 3);
  EXPECT_EQ(w.txtNElmInC.Text(), "3");
  platform.ExpectMessage("This may affect reference to Constructions in Room Input. Go ahead ?", MsgResult::OK);
  platform.ExpectMessage(
      "Construction 2 \"Cons 2\" is deleted. When the constructions are saved, the constructions after it move down "
      "one number and the fabric components that use them follow. These fabric components use construction 2 and "
      "will then have none:\n"
      "Zone 2, Room 2, Component 2 (Z2R2C2)\n"
      "Zone 3, Room 2, Component 2 (Z3R2C2)\n"
      "Zone 3, Room 3, Component 2 (Z3R3C2)");
  w.cmdDel.Click();
  const auto& t = prog.energyInput.cons;
  EXPECT_EQ(t.NoOfCons, 3);
  EXPECT_EQ(t.ConsName[2], "Cons 3");
  EXPECT_EQ(t.ConsName[3], "Cons 4");
  EXPECT_EQ(t.ConsName[4], "");
  EXPECT_EQ(t.ConsNLay[4], 0);
  EXPECT_EQ(t.LayMatName[4][1], "");
  EXPECT_EQ(w.lstCons.ListCount(), 4);
  EXPECT_EQ(w.lstCons.List(3), "Cons 4");
  EXPECT_EQ(w.txtNCons.Text(), "3");
  EXPECT_FALSE(w.cmdChg.Enabled());
  EXPECT_FALSE(w.cmdDel.Enabled());
  EXPECT_EQ(model, before);  // not before the save

  // The former construction 4, now 3: the component that uses it is named.
  w.lstCons.SetListIndex(3);
  platform.ExpectMessage("This may affect reference to Constructions in Room Input. Go ahead ?", MsgResult::OK);
  platform.ExpectMessage(
      "Construction 3 \"Cons 4\" is deleted. When the constructions are saved, the constructions after it move down "
      "one number and the fabric components that use them follow. These fabric components use construction 3 and "
      "will then have none:\n"
      "Zone 3, Room 3, Component 3 (Z3R3C3)");
  w.cmdDel.Click();
  w.mnuFSaveAll.Click();
  EXPECT_EQ(model.FabCons[1][1][1], 1);
  EXPECT_EQ(model.FabCons[3][2][2], 0);
  EXPECT_EQ(model.FabCons[3][3][2], 0);
  EXPECT_EQ(model.FabCons[3][3][1], 1);
  EXPECT_EQ(model.FabCons[3][3][3], 0);
  EXPECT_EQ(model.FabCons[3][2][1], 1);

  // No component in use will lose it: no word, while the slots beyond the
  // counts follow all the same.
  w.lstCons.SetListIndex(1);
  model.NoOfZn = 0;
  platform.ExpectMessage("This may affect reference to Constructions in Room Input. Go ahead ?", MsgResult::OK);
  w.cmdDel.Click();
  w.mnuFSaveAll.Click();
  EXPECT_EQ(prog.energyInput.cons.NoOfCons, 1);
  EXPECT_EQ(model.FabCons[1][1][1], 0);
  EXPECT_TRUE(platform.ScriptDone());
}

// Clear Data ends the editing of the construction loaded: Record Changes
// and Delete wait until a construction is chosen again.
TEST_F(ConstructionWindow, ClearDataDisablesRecordChangesAndDelete) {
  WriteConstructions(2);
  OpenEdit();
  w.lstCons.SetListIndex(1);
  // A loaded buffer blocks loading another construction.
  w.lstCons.SetListIndex(2);
  EXPECT_EQ(w.SelectedConstruction(), 1);
  EXPECT_EQ(w.txtConsNam.Text(), "Cons 1");
  w.cmdClr.Click();
  EXPECT_EQ(w.lstCons.ListIndex(), 0);
  EXPECT_FALSE(w.cmdChg.Enabled());
  EXPECT_FALSE(w.cmdDel.Enabled());
  w.txtConsNam.SetText("Emptied");
  w.cmdChg.Click();
  w.cmdDel.Click();
  const auto& t = prog.energyInput.cons;
  EXPECT_EQ(t, energytest::SomeConstructions(2));
  EXPECT_EQ(w.lstCons.List(1), "Cons 1");

  w.lstCons.SetListIndex(2);
  EXPECT_TRUE(w.cmdChg.Enabled());
  w.txtConsNam.SetText("Renamed");
  w.cmdChg.Click();
  EXPECT_EQ(t.ConsName[2], "Renamed");
  EXPECT_EQ(t.ConsNLay[2], 3);
  EXPECT_FALSE(w.cmdChg.Enabled());
}

// Select mode only picks: Enter never offers Add as New Construction.
TEST_F(ConstructionWindow, SelectModeNeverAdds) {
  WriteConstructions(2);
  OpenSelect(1);
  w.txtNElmInC.SetText("2");
  w.cmdEntNo.Click();
  EXPECT_EQ(w.cboElmNo.ListCount(), 2);
  EXPECT_FALSE(w.cmdAdd.Enabled());
  w.cmdAdd.Click();
  EXPECT_EQ(prog.energyInput.cons.NoOfCons, 2);
  EXPECT_EQ(w.lstCons.ListCount(), 3);
}

// Exit, Yes and a failed save: the failure is reported and the window stays.
TEST_F(ConstructionWindow, ExitKeepsTheWindowOpenWhenTheSaveFails) {
  WriteConstructions(1);
  OpenEdit();
  prog.energyInput.ConsFile = "no/such/folder/T.CON";
  w.cmdClr.Click();
  platform.AllowAnyMessage();  // Yes to the question; the failure's text names the system's reason
  w.mnuExit.Click();
  ASSERT_EQ(platform.Messages().size(), 2u);
  EXPECT_EQ(platform.Messages()[0], "Save data first?");
  EXPECT_EQ(platform.Messages()[1].rfind("The constructions were not saved: ", 0), 0u);
  EXPECT_TRUE(w.IsLoaded());
  EXPECT_TRUE(w.UnsavedMark());
}

TEST_F(ConstructionWindow, ExitAsksAfterClearData) {
  WriteConstructions(1);
  OpenEdit();
  w.mnuFSaveAll.Click();
  w.cmdClr.Click();
  platform.ExpectMessage("Save data first?", MsgResult::Cancel);
  w.mnuExit.Click();
  EXPECT_TRUE(w.IsLoaded());
  platform.ExpectMessage("Save data first?", MsgResult::No);
  w.mnuExit.Click();
  EXPECT_FALSE(w.IsLoaded());
}

// A layer without thickness, above all the empty last layer of a count
// entered and never filled, is refused by name; the buffer stays for the
// correction, and the construction is added once every layer has one.
TEST_F(ConstructionWindow, AddRefusesALayerWithoutThickness) {
  WriteConstructions(1);
  HandOver(2);
  OpenEdit();
  w.txtConsNam.SetText("Wall");
  w.txtNElmInC.SetText("3");
  w.cmdEntNo.Click();
  const struct {
    int layer;
    const char* thickness;
    const char* said;
  } refused[] = {{3, "", "Layer 3 has a thickness of 0 m"}, {2, "-0.1", "Layer 2 has a thickness of -0.1 m"}};
  for (const auto& r : refused) {
    SCOPED_TRACE(r.said);
    w.cboElmNo.SetListIndex(r.layer - 1);
    w.txtMatThk.SetText(r.thickness);
    platform.ExpectMessage(std::string(r.said) +
                           ": enter its thickness, or delete the layer. The construction is not added.");
    w.cmdAdd.Click();
    EXPECT_TRUE(platform.ScriptDone());
    EXPECT_EQ(prog.energyInput.cons.NoOfCons, 1);
    EXPECT_EQ(w.lstCons.ListCount(), 2);
    EXPECT_EQ(prog.energyInput.CurNLay, 3);
    EXPECT_EQ(w.txtConsNam.Text(), "Wall");
  }
  w.txtMatThk.SetText("0.02");
  w.cboElmNo.SetListIndex(2);
  w.txtMatThk.SetText("0.1");
  w.cmdAdd.Click();
  EXPECT_EQ(prog.energyInput.cons.NoOfCons, 2);
  EXPECT_EQ(prog.energyInput.cons.LayThk[2][3], 0.1f);
}

// The kind the user chooses is the kind added: Enter shows the first layer
// without putting back the kind the buffer held, and a kind chosen while no
// layer is shown (after a layer is deleted) counts as well.
TEST_F(ConstructionWindow, TheKindChosenIsTheKindAdded) {
  WriteConstructions(1);
  OpenEdit();
  auto& t = prog.energyInput.cons;
  // Window chosen first, then the number of layers entered.
  w.OptWindow.Click();
  w.txtNElmInC.SetText("1");
  w.cmdEntNo.Click();
  EXPECT_TRUE(w.OptWindow.Value());
  EXPECT_EQ(w.lblAbsorpIn.Caption(), "Window SC");
  w.txtMatThk.SetText("0.006");
  w.txtConsNam.SetText("Glass");
  w.cmdAdd.Click();
  ASSERT_EQ(t.NoOfCons, 2);
  EXPECT_EQ(t.ConsType[2], 1);

  // Two layers, the second deleted, then Window chosen with no layer shown.
  w.txtNElmInC.SetText("2");
  w.cmdEntNo.Click();
  w.txtMatThk.SetText("0.006");
  w.cboElmNo.SetListIndex(1);
  platform.ExpectMessage("Delete the selected layer?", MsgResult::OK);
  w.cmdDelLay.Click();
  w.OptWindow.Click();
  w.txtConsNam.SetText("Skylight");
  w.cmdAdd.Click();
  ASSERT_EQ(t.NoOfCons, 3);
  EXPECT_EQ(t.ConsNLay[3], 1);
  EXPECT_EQ(t.ConsType[3], 1);
  EXPECT_FALSE(w.OptWindow.Value());  // cleared for the next construction
}

TEST_F(ConstructionWindow, FiftyConstructionsAreTheMost) {
  WriteConstructions(50);
  HandOver(1);
  OpenEdit();
  platform.ExpectMessage("No more than 50 constructions can be defined; the construction is not added.");
  w.cmdAdd.Click();
  EXPECT_EQ(prog.energyInput.cons.NoOfCons, 50);
  EXPECT_EQ(w.lstCons.ListCount(), 51);
}

TEST_F(ConstructionWindow, UnreadableFileListsNothingAndSaysSo) {
  folder.Write("proj/T.CON", "3\r\n\"A\",0,1\r\n0.5,0.5\r\n1,\"M\",0.1,1,1,1\r\n");
  prog.energyInput.cons = energytest::SomeConstructions(2);
  platform.AllowAnyMessage();
  OpenSelect(1);
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_NE(platform.Messages()[0].find("could not be read"), std::string::npos);
  EXPECT_EQ(w.lstCons.ListCount(), 1);
  EXPECT_EQ(w.txtNCons.Text(), "0");
  EXPECT_EQ(prog.energyInput.cons, energytest::SomeConstructions(2));
}

// A bare name is opened in the project folder alone: a file of that name
// in the current folder is never read, also when the project has none.
TEST_F(ConstructionWindow, TheProjectFolderAlone) {
  WriteConstructions(2);
  std::string error;
  ASSERT_TRUE(energy_input::WriteConstructionFile(folder.Path() + "T.CON", energytest::SomeConstructions(1), error));
  OpenSelect(0);
  EXPECT_EQ(w.txtNCons.Text(), "2");
  w.Unload();
  std::remove((folder.Path() + "proj/T.CON").c_str());
  OpenSelect(0);
  EXPECT_EQ(w.lstCons.ListCount(), 1);  // the heading alone
}

TEST_F(ConstructionWindow, MissingFileAndNoProject) {
  OpenEdit();  // no file yet: nothing listed, nothing said
  EXPECT_EQ(w.lstCons.ListCount(), 1);
  EXPECT_EQ(w.lstCons.List(0), "Click on Name of Construction to Select");
  EXPECT_EQ(prog.energyInput.ConsFile, "T.CON");
  w.mnuFSaveAll.Click();  // lands in the project folder
  EXPECT_EQ(folder.Read("proj/T.CON"), "0\r\n");
  w.Unload();
  prog.building.Bldg.ProjFile.clear();
  prog.energyInput.ConsFile.clear();
  OpenEdit();
  platform.ExpectMessage("Open a project file first!!");
  w.mnuFSaveAll.Click();
}

}  // namespace
