#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "office_plant.h"
#include "plant_input/frm_cplt.h"
#include "plant_input/plant_files.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using namespace plant_input;
using forms::MsgResult;

constexpr const char* kSaveQuestion = "Save data before closing this form?";

class CPltTest : public testing::Test {
 protected:
  CPltTest() { prog.building.Bldg.ProjName = "Sample Office Building"; }

  void Open() { w->Show(); }
  // Types into a value cell through the in-place editor.
  void Enter(int row, const std::string& text) {
    w->msgPlt.ClickCell(row, 2);
    ASSERT_TRUE(w->CellEditing()) << "row " << row;
    w->txtData.SetText(text);
    w->cmdEntCell.Click();
  }
  std::string Val(int row) const { return w->msgPlt.TextMatrix(row, 2); }
  std::string Item(int row) const { return w->msgPlt.TextMatrix(row, 0); }
  void SetCount(const std::string& n) {
    w->txtNoEq.Type(n);
    w->cmdNoEq.Click();
  }
  std::vector<std::string> Numbers() const {
    std::vector<std::string> out;
    for (int i = 0; i < w->cboEqNo.ListCount(); ++i) out.push_back(w->cboEqNo.List(i));
    return out;
  }
  // The plant view confirmed as it stands: the equipment menus follow it.
  void ConfirmPlantType() {
    w->mnuEType.Click();
    w->cmdOK.Click();
  }
  const common::CentralPlantData& Plant() const { return w->WorkingPlant(); }
  const common::NonACServicesData& Services() const { return w->WorkingServices(); }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  std::unique_ptr<frmCPlt> w = std::make_unique<frmCPlt>(prog, platform);
};

TEST_F(CPltTest, OpensIdleOnCopiesOfTheRecords) {
  prog.plant.CPlt = plant_test::OfficePlant();
  prog.plant.NAC = plant_test::OfficeServices();
  prog.plant.WssFile = "KEPT.WSS";
  Open();
  EXPECT_EQ(w->Caption(), "Central BS Plants");
  EXPECT_EQ(w->lblSysDes.Caption(), "Load previous input File or Select item to Edit");
  EXPECT_EQ(Plant(), prog.plant.CPlt);
  EXPECT_EQ(Services(), prog.plant.NAC);
  EXPECT_EQ(prog.plant.WssFile, "KEPT.WSS");  // no project: the names stand
  for (forms::Control* c : std::vector<forms::Control*>{&w->msgPlt, &w->cmdOK, &w->txtNoEq, &w->cboEqNo, &w->cboACHRS,
                                                        &w->txtSysNam, &w->txtData, &w->cmdSame})
    EXPECT_FALSE(c->Visible()) << c->Name();
  for (forms::Menu* m : {&w->mnuEChillers, &w->mnuEPLPs, &w->mnuESLPs, &w->mnuECWPs, &w->mnuESWPs, &w->mnuECTrs})
    EXPECT_FALSE(m->Enabled()) << m->Name();
  EXPECT_TRUE(w->mnuEFAUs.Enabled());
  EXPECT_EQ(w->cboACHRS.ListCount(), 5);
  EXPECT_EQ(w->cboChWPS.List(0), "Singe-loop");
  EXPECT_EQ(w->msgPlt.ColWidth(0), 3000);
  EXPECT_EQ(forms::PlainCaption(w->mnuELiftS.Caption()), "Lifts & Escalatiors");
}

TEST_F(CPltTest, ProjectNamesTheFilesAndAMissingPlantFileLoadsNothing) {
  prog.plant.CPlt.NoOfChr = 3;
  folder.Write("TOWER.WSS", "");  // in the current folder, not the project's
  const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
      {"TOWER.PRJ", "TOWER.WSS", "TOWER.NAC"},
      {folder.Path() + "Tower.prj", folder.Path() + "Tower.WSS", folder.Path() + "Tower.NAC"},
      {"TOWER.P", "TOWEWSS", "TOWENAC"},  // the last three characters go all the same
  };
  for (const auto& [projFile, wss, nac] : cases) {
    prog.building.Bldg.ProjFile = projFile;
    w->Unload();
    Open();  // no dialog: no such plant file
    EXPECT_EQ(prog.plant.WssFile, wss);
    EXPECT_EQ(prog.plant.NacFile, nac);
    EXPECT_EQ(Plant(), prog.plant.CPlt);
  }
  EXPECT_TRUE(platform.Dialogs().empty());
}

// The plant file is looked for in the project folder, not the current one.
TEST_F(CPltTest, AnExistingPlantFileIsOfferedAtOpeningAndSetsTheMenus) {
  std::string error;
  std::string wss = folder.Path() + "proj/OFFICE.WSS", nac = folder.Path() + "proj/OFFICE.NAC";
  folder.Write("proj/.keep", "");
  ASSERT_TRUE(WriteCentralPlantFile(wss, "Office", plant_test::OfficePlant(), error));
  ASSERT_TRUE(WriteServicesFile(nac, "Office", plant_test::OfficeServices(), error));
  prog.building.ProjDir = folder.Path() + "proj/";
  prog.building.Bldg.ProjFile = "OFFICE.PRJ";
  platform.ExpectOpenDialog(wss);
  platform.ExpectOpenDialog(nac);
  Open();
  ASSERT_EQ(platform.Dialogs().size(), 2u);
  EXPECT_EQ(platform.Dialogs()[0].title, "Read Central Plant Input Data");
  EXPECT_EQ(platform.Dialogs()[0].filter, "Central Plant Input Data File (*.WSS)|*.WSS");
  EXPECT_EQ(platform.Dialogs()[0].fileName, "OFFICE.WSS");
  EXPECT_EQ(platform.Dialogs()[1].title, "Read Input Data For Non-AC Services");
  EXPECT_EQ(platform.Dialogs()[1].filter, "Non-AC Services Input Data File (*.NAC)|*.NAC");
  EXPECT_EQ(platform.Dialogs()[1].fileName, "OFFICE.NAC");
  EXPECT_EQ(prog.plant.CPlt, plant_test::OfficePlant());
  EXPECT_EQ(prog.plant.NAC, plant_test::OfficeServices());
  EXPECT_EQ(Plant(), prog.plant.CPlt);
  EXPECT_EQ(Services(), prog.plant.NAC);
  // Water-cooled with towers, two-loop.
  EXPECT_TRUE(w->mnuEChillers.Enabled());
  EXPECT_TRUE(w->mnuECWPs.Enabled());
  EXPECT_TRUE(w->mnuECTrs.Enabled());
  EXPECT_FALSE(w->mnuESWPs.Enabled());
  EXPECT_TRUE(w->mnuESLPs.Enabled());
  EXPECT_FALSE(w->DataChanged());
}

TEST_F(CPltTest, PlantTypeLaysOutDesignTemperaturesAndMenus) {
  struct Case {
    int type;
    std::vector<const char*> rows;
    bool cwp, swp, ct;
  };
  const std::vector<Case> cases = {
      {0, {"Design air temp. entering condenser"}, false, false, false},
      {1, {"Design water temp. entering condenser", "Design water temp. leaving condenser"}, true, false, true},
      {2,
       {"Design water temp. entering condenser", "Design water temp. leaving condenser", "Design SW temp. entering HX",
        "Design SW temp. leaving HX"},
       true,
       true,
       false},
      {3, {"Design SW temp. entering condenser", "Design SW temp. leaving condenser"}, false, true, false},
      {4,
       {"Design water temp. entering condenser", "Design water temp. leaving condenser", "Design SW temp. entering HX",
        "Design SW temp. leaving HX"},
       true,
       true,
       true},
  };
  for (const auto& c : cases) {
    prog.plant.CPlt = {};
    prog.plant.CPlt.HRSType = static_cast<common::Integer>(c.type);
    prog.plant.CPlt.DesignTemp = {0, 31, 36.5f, 27, 33};
    w->Unload();
    Open();
    w->mnuEType.Click();
    EXPECT_EQ(w->lblSysDes.Caption(), "Type of Central AC Plant");
    EXPECT_EQ(w->msgPlt.TextMatrix(0, 0), "Item");
    EXPECT_EQ(w->msgPlt.TextMatrix(0, 1), "Unit");
    EXPECT_EQ(w->msgPlt.TextMatrix(0, 2), "");  // the plant view's header: Item and Unit only
    EXPECT_EQ(Item(1), "Plant Start Hour (0-23)");
    EXPECT_EQ(Item(2), "Plant Stop Hour (1-24)");
    const char* values[] = {"31", "36.5", "27", "33"};
    for (int r = 3; r <= 6; ++r) {
      bool used = r - 3 < static_cast<int>(c.rows.size());
      EXPECT_EQ(Item(r), used ? c.rows[static_cast<size_t>(r - 3)] : "") << c.type << " row " << r;
      EXPECT_EQ(w->msgPlt.TextMatrix(r, 1), used ? "Deg.C" : "") << c.type;
      EXPECT_EQ(Val(r), used ? values[r - 3] : "") << c.type << " row " << r;
    }
    EXPECT_FALSE(w->mnuE.Enabled());
    EXPECT_FALSE(w->mnuDirExit.Enabled());
    EXPECT_EQ(w->mnuECWPs.Enabled(), c.cwp) << c.type;
    EXPECT_EQ(w->mnuESWPs.Enabled(), c.swp) << c.type;
    EXPECT_EQ(w->mnuECTrs.Enabled(), c.ct) << c.type;
    w->cmdOK.Click();
    EXPECT_EQ(Plant(), prog.plant.CPlt) << c.type;  // stored as shown
    EXPECT_TRUE(w->mnuE.Enabled());
  }
}

TEST_F(CPltTest, ChangingThePlantTypeKeepsValuesOfRowsItNoLongerUses) {
  prog.plant.CPlt.HRSType = 2;
  prog.plant.CPlt.DesignTemp = {0, 30, 35, 25, 31};
  Open();
  w->mnuEType.Click();
  w->cboACHRS.SetListIndex(0);
  EXPECT_EQ(Item(3), "Design air temp. entering condenser");
  for (int r = 4; r <= 6; ++r) {
    EXPECT_EQ(Item(r), "");
    EXPECT_EQ(w->msgPlt.TextMatrix(r, 1), "");
  }
  EXPECT_EQ(Val(4), "35");  // the text stays
  Enter(3, "33");
  Enter(1, "6.5");  // halves to the even neighbour
  Enter(2, "7.5 h");
  w->cmdOK.Click();
  EXPECT_EQ(Plant().HRSType, 0);
  EXPECT_EQ(Plant().DesignTemp, (std::array<float, 5>{0, 33, 35, 25, 31}));
  EXPECT_EQ(Plant().StartHour, 6);
  EXPECT_EQ(Plant().StopHour, 8);
  EXPECT_EQ(w->lblSysDes.Caption(), "Select item to Edit");
  EXPECT_TRUE(w->DataChanged());
  EXPECT_EQ(prog.plant.CPlt.HRSType, 2);  // only Save hands it over
  EXPECT_FALSE(w->mnuECWPs.Enabled());
}

TEST_F(CPltTest, ATwoLoopSchemeSetsEverySecondaryPumpType) {
  prog.plant.CPlt.NoOfSLP = 1;
  Open();
  w->mnuEType.Click();
  EXPECT_FALSE(w->mnuESLPs.Enabled());
  w->cboChWPS.SetListIndex(2);
  EXPECT_TRUE(w->mnuESLPs.Enabled());
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(Plant().SLPType[i], 2);
  w->cmdOK.Click();
  EXPECT_EQ(Plant().ChWPSType, 2);

  w->mnuESLPs.Click();
  EXPECT_EQ(w->cboEqTyp.ListIndex(), 2);
  EXPECT_EQ(w->cboEqTyp.List(0), "CS, CF");
  w->cmdAddEq.Click();  // a new pump: type 0 whatever the scheme
  EXPECT_EQ(w->cboEqTyp.ListIndex(), 0);
  w->cboEqTyp.SetListIndex(1);  // shown, never taken back
  w->cmdOK.Click();
  EXPECT_EQ(Plant().NoOfSLP, 2);
  EXPECT_EQ(Plant().SLPType[2], 0);
  EXPECT_EQ(Plant().SLPType[1], 2);
}

TEST_F(CPltTest, ChillerRowsFollowTheStoredPlantType) {
  prog.plant.CPlt.NoOfChr = 1;
  prog.plant.CPlt.ChrCap[0][1] = 300;
  prog.plant.CPlt.ChrCWFlow[1] = 7;
  Open();
  ConfirmPlantType();  // air-cooled
  w->mnuEChillers.Click();
  EXPECT_EQ(w->lblNoEq.Caption(), "No. of Chillers (Max. 10)");
  EXPECT_EQ(w->lblEqNo.Caption(), "Chiller No. (Select -->)");
  EXPECT_EQ(w->lblTabHead.Caption(), "Characteristics of Selected Chiller");
  EXPECT_EQ(Item(4), "Chilled water flow rate");
  EXPECT_EQ(Item(5), "");
  EXPECT_EQ(Val(2), "300");
  EXPECT_EQ(Val(5), "");
  EXPECT_TRUE(w->cboEqTyp.Visible());
  EXPECT_EQ(w->cboEqTyp.Left(), w->msgPlt.Left() + 4060);
  EXPECT_EQ(w->cboEqTyp.Top(), w->msgPlt.Top() + 315);
  EXPECT_FALSE(w->txtSysNam.Visible());
  EXPECT_TRUE(w->cmdSame.Visible());
  w->cmdOK.Click();
  EXPECT_EQ(Plant().ChrCWFlow[1], 7);  // not on screen, not stored

  w->mnuEType.Click();
  w->cboACHRS.SetListIndex(1);
  w->cmdOK.Click();
  w->mnuEChillers.Click();
  EXPECT_EQ(Item(5), "Condenser water flow rate");
  EXPECT_EQ(w->msgPlt.TextMatrix(5, 1), "kg/s");
  EXPECT_EQ(Val(5), "7");
}

TEST_F(CPltTest, ListViewsStartFromTheStoredCount) {
  prog.plant.CPlt.NoOfFAU = 3;
  prog.plant.CPlt.FAUTotCap = {0, 101, 102, 103};
  Open();
  w->mnuEFAUs.Click();
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(w->cboEqNo.ListIndex(), 0);
  EXPECT_EQ(w->txtNoEq.Text(), "3");
  EXPECT_FALSE(w->cmdNoEq.Font().Bold);
  EXPECT_EQ(Item(3), "Design FA Supply Flow Rate");
  EXPECT_EQ(w->msgPlt.TextMatrix(3, 1), "cu.m/s");
  EXPECT_EQ(Val(2), "101");
  EXPECT_EQ(w->msgPlt.TextMatrix(0, 2), "Value");
  w->cmdOK.Click();

  w->mnuEGasS.Click();  // a count of 0: nothing listed, nothing shown
  EXPECT_EQ(w->cboEqNo.ListCount(), 0);
  EXPECT_EQ(w->txtNoEq.Text(), "");
  for (int r = 1; r <= 10; ++r) EXPECT_EQ(Val(r), "");
  EXPECT_EQ(w->lblTabHead.Caption(), "Characteristics of Selected System");
  EXPECT_EQ(Item(1), "Sub-System of");
  EXPECT_EQ(w->cboEqTyp.List(4), "P&D");
  EXPECT_TRUE(w->txtSysNam.Visible());
  EXPECT_FALSE(w->cmdSame.Visible());
  EXPECT_EQ(w->ItemNo(), 0);
}

TEST_F(CPltTest, CountBoxMarksItsButtonAndChecksTheRange) {
  Open();
  w->mnuELiftS.Click();
  w->txtNoEq.TypeChar('1');
  EXPECT_TRUE(w->cmdNoEq.Font().Bold);  // at the first keystroke
  w->txtNoEq.TypeChar('2');
  platform.ExpectMessage("No. of Systems must be within 1 to 10");
  w->cmdNoEq.Click();
  EXPECT_EQ(w->txtNoEq.Text(), "");
  EXPECT_EQ(w->cboEqNo.ListCount(), 0);
  platform.ExpectMessage("No. of Systems must be within 1 to 10");
  SetCount("0");
  SetCount("2.5");  // rounds to 2
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2"}));
  EXPECT_FALSE(w->cmdNoEq.Font().Bold);
  EXPECT_EQ(Services().NoOfLift, 0);  // the count changes only at OK
  w->txtNoEq.Type("3");               // typed, not applied: OK stores it all the same
  w->cmdOK.Click();
  EXPECT_EQ(Services().NoOfLift, 3);

  w->mnuELiftS.Click();
  w->txtNoEq.SetText("");
  w->cmdOK.Click();
  EXPECT_EQ(Services().NoOfLift, 0);  // an empty box stores 0
}

// The range message empties the count box; OK then keeps the items listed
// (the stored count, or the list as Add and Del left it) instead of taking
// the empty box for 0 and dropping every item.
TEST_F(CPltTest, OkAfterARefusedCountKeepsTheList) {
  prog.plant.CPlt = plant_test::OfficePlant();
  Open();
  ConfirmPlantType();
  w->mnuEChillers.Click();
  platform.ExpectMessage("No. of Chillers must be within 1 to 10");
  SetCount("12");
  EXPECT_EQ(w->txtNoEq.Text(), "");
  w->cmdOK.Click();
  EXPECT_FALSE(w->cmdOK.Visible());
  EXPECT_EQ(Plant().NoOfChr, 2);
  EXPECT_EQ(Plant().ChrCap, prog.plant.CPlt.ChrCap);
  EXPECT_EQ(Plant().ChrChWFlow, prog.plant.CPlt.ChrChWFlow);

  // Added to first: the list as it stands, the moved item included.
  w->mnuEChillers.Click();
  w->cboEqNo.SetListIndex(1);
  w->cmdAddEq.Click();
  platform.ExpectMessage("No. of Chillers must be within 1 to 10");
  SetCount("0");
  w->cmdOK.Click();
  EXPECT_EQ(Plant().NoOfChr, 3);
  EXPECT_EQ(Plant().ChrCap[0][3], 0);

  // A box emptied by the user, not by the message, still stores 0.
  w->mnuEChillers.Click();
  platform.ExpectMessage("No. of Chillers must be within 1 to 10");
  SetCount("11");
  w->txtNoEq.Type("2");
  w->txtNoEq.SetText("");
  w->cmdOK.Click();
  EXPECT_EQ(Plant().NoOfChr, 0);
}

// A count beyond the lists' ten places is refused at OK as well, and the
// view stays open for a correction.
TEST_F(CPltTest, OkRefusesACountBeyondTen) {
  Open();
  ConfirmPlantType();
  struct Case {
    forms::Menu* menu;
    const char* text;
    const char* message;
  };
  const std::vector<Case> cases = {{&w->mnuEChillers, "11", "No. of Chillers must be within 1 to 10"},
                                   {&w->mnuEPLPs, "-1", "No. of PL Pumps must be within 1 to 10"},
                                   {&w->mnuEAHVAC, "1E9", "No. of Systems must be within 1 to 10"}};
  for (const auto& c : cases) {
    c.menu->Click();
    w->txtNoEq.Type(c.text);
    platform.ExpectMessage(c.message);
    w->cmdOK.Click();
    EXPECT_TRUE(w->cmdOK.Visible()) << c.text;
    w->txtNoEq.Type("0");
    w->cmdOK.Click();
    EXPECT_FALSE(w->cmdOK.Visible());
  }
  EXPECT_EQ(Plant().NoOfChr, 0);
}

TEST_F(CPltTest, AddInsertsAnEmptyItemAfterTheSelectedOne) {
  auto& p = prog.plant.CPlt;
  p.HRSType = 1;
  p.NoOfChr = 4;
  for (int i = 1; i <= 4; ++i) {
    p.ChrType[i] = static_cast<common::Integer>(i % 3);
    p.ChrCap[0][i] = 100.0f * i;
    p.ChrPower[0][i] = 10.0f * i;
    p.ChrChWFlow[i] = 1.0f * i;
    p.ChrCWFlow[i] = i + 0.5f;
  }
  const auto before = p;
  Open();
  ConfirmPlantType();
  w->mnuEChillers.Click();
  w->cboEqNo.SetListIndex(1);
  Enter(2, "222");  // on screen, stored into item 2 by the Add
  w->cmdAddEq.Click();
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(w->cboEqNo.ListIndex(), 2);
  EXPECT_EQ(w->txtNoEq.Text(), "5");
  EXPECT_EQ(w->ItemNo(), 3);
  EXPECT_EQ(Val(2), "0");
  EXPECT_EQ(Val(5), "0");
  EXPECT_EQ(w->cboEqTyp.ListIndex(), 0);
  const auto& m = Plant();
  EXPECT_EQ(m.NoOfChr, 4);  // until OK
  EXPECT_EQ(m.ChrCap[0][2], 222);
  EXPECT_EQ(m.ChrCap[0][3], 0);
  EXPECT_EQ(m.ChrType[3], 0);
  EXPECT_EQ(m.ChrCWFlow[3], 0);
  for (int old = 3; old <= 4; ++old) {
    EXPECT_EQ(m.ChrType[old + 1], before.ChrType[old]);
    EXPECT_EQ(m.ChrCap[0][old + 1], before.ChrCap[0][old]);
    EXPECT_EQ(m.ChrPower[0][old + 1], before.ChrPower[0][old]);
    EXPECT_EQ(m.ChrChWFlow[old + 1], before.ChrChWFlow[old]);
    EXPECT_EQ(m.ChrCWFlow[old + 1], before.ChrCWFlow[old]);
  }
  w->cmdOK.Click();
  EXPECT_EQ(Plant().NoOfChr, 5);

  // With the last item selected nothing moves.
  w->mnuEChillers.Click();
  w->cboEqNo.SetListIndex(4);
  w->cmdAddEq.Click();
  EXPECT_EQ(w->ItemNo(), 6);
  EXPECT_EQ(Plant().ChrCap[0][5], before.ChrCap[0][4]);
  EXPECT_EQ(Plant().ChrCap[0][6], 0);

  // Full list: refused.
  SetCount("10");
  platform.ExpectMessage("No. of chillers defined already the maximum allowable!!");
  w->cmdAddEq.Click();
  EXPECT_EQ(w->cboEqNo.ListCount(), 10);
  EXPECT_EQ(w->txtNoEq.Text(), "10");
}

TEST_F(CPltTest, FullListMessagesPerKind) {
  Open();
  ConfirmPlantType();
  const std::vector<std::pair<forms::Menu*, const char*>> cases = {
      {&w->mnuEPLPs, "No. of PL Pumps defined already the maximum allowable!!"},
      {&w->mnuEFAUs, "No. of FAUs defined already the maximum allowable!!"},
      {&w->mnuEPaDS, "No. of systems defined already the maximum allowable!!"},
  };
  for (const auto& [menu, text] : cases) {
    menu->Click();
    SetCount("10");
    platform.ExpectMessage(text);
    w->cmdAddEq.Click();
    w->cmdOK.Click();
  }
}

TEST_F(CPltTest, DeleteMovesLaterItemsDownAndLeavesNoneSelected) {
  auto& p = prog.plant.CPlt;
  p.NoOfPLP = 4;
  for (int i = 1; i <= 4; ++i) {
    p.PLPFlow[i] = 10.0f * i;
    p.PLPPres[i] = 100.0f * i;
    p.PLPPower[i] = 1.0f * i;
  }
  Open();
  ConfirmPlantType();
  w->mnuEPLPs.Click();
  w->cboEqNo.SetListIndex(1);
  Enter(1, "999");  // dropped with the item
  w->cmdDelEq.Click();
  const auto& m = Plant();
  EXPECT_EQ(m.PLPFlow[2], 30);
  EXPECT_EQ(m.PLPPres[3], 400);
  EXPECT_EQ(m.PLPPower[4], 0);
  EXPECT_EQ(m.PLPFlow[4], 0);
  EXPECT_EQ(m.PLPFlow[1], 10);
  EXPECT_EQ(w->cboEqNo.ListIndex(), -1);
  EXPECT_EQ(w->ItemNo(), 0);
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(w->txtNoEq.Text(), "3");
  for (int r = 1; r <= 10; ++r) EXPECT_EQ(Val(r), "");
  w->cmdOK.Click();  // right after a delete: the count only
  EXPECT_EQ(Plant().NoOfPLP, 3);
  EXPECT_EQ(Plant().PLPFlow[1], 10);

  // The only item.
  w->mnuEPLPs.Click();
  SetCount("1");
  w->cmdDelEq.Click();
  EXPECT_EQ(w->cboEqNo.ListCount(), 0);
  EXPECT_EQ(w->txtNoEq.Text(), "0");
  w->cmdAddEq.Click();  // nothing selected: nothing happens
  w->cmdDelEq.Click();
  w->cmdSame.Click();
  EXPECT_EQ(w->cboEqNo.ListCount(), 0);
  w->cmdOK.Click();
  EXPECT_EQ(Plant().NoOfPLP, 0);
}

TEST_F(CPltTest, NamesOfNewAndVacatedSystems) {
  auto& s = prog.plant.NAC;
  s.NoOfFS = 2;
  s.FSName = {"", "Pumps", "Fans"};
  s.FSEgy = {0, 11, 22};
  Open();
  w->mnuEFSerS.Click();
  EXPECT_EQ(w->txtSysNam.Text(), "Pumps");
  w->cmdAddEq.Click();
  EXPECT_EQ(w->txtSysNam.Text(), "");
  w->cboEqNo.SetListIndex(0);
  w->cmdDelEq.Click();
  EXPECT_EQ(Services().FSName[1], "");  // the new, empty system moved down
  EXPECT_EQ(Services().FSName[2], "Fans");
  EXPECT_EQ(Services().FSName[3], "");
  EXPECT_EQ(Services().FSEgy, s.FSEgy);  // annual energy is no part of an item
  w->cmdOK.Click();

  w->mnuEPaDS.Click();
  SetCount("1");
  w->cmdAddEq.Click();
  EXPECT_EQ(w->txtSysNam.Text(), "0");
  w->cmdDelEq.Click();
  EXPECT_EQ(Services().PDName[2], "");
  w->cmdOK.Click();
}

TEST_F(CPltTest, SameAsLastShowsThePreviousItem) {
  auto& p = prog.plant.CPlt;
  p.HRSType = 1;
  p.NoOfChr = 3;
  p.ChrType = {0, 0, 2, 1};
  p.ChrCap[0] = {0, 100, 200, 300};
  p.ChrCWFlow = {0, 1, 2, 3};
  Open();
  ConfirmPlantType();
  w->mnuEChillers.Click();
  w->cmdSame.Click();  // item 1: nothing
  EXPECT_EQ(Val(2), "100");
  w->cboEqNo.SetListIndex(2);
  w->cmdSame.Click();
  EXPECT_EQ(w->ItemNo(), 3);
  EXPECT_EQ(Val(2), "200");
  EXPECT_EQ(Val(5), "2");
  EXPECT_EQ(w->cboEqTyp.ListIndex(), 2);
  EXPECT_EQ(Plant().ChrCap[0][3], 300);  // not yet stored
  w->cboEqNo.SetListIndex(0);
  EXPECT_EQ(Plant().ChrCap[0][3], 200);
  EXPECT_EQ(Plant().ChrType[3], 2);
  EXPECT_EQ(Plant().ChrCWFlow[3], 2);
}

TEST_F(CPltTest, CellsReadByTheLeadingNumberRule) {
  prog.plant.NAC.NoOfAddElec = 1;
  prog.plant.NAC.AddElecHours[1] = 100;
  Open();
  w->mnuEALgtS.Click();
  EXPECT_EQ(Item(2), "Annual Operating Hours");
  EXPECT_EQ(w->msgPlt.TextMatrix(2, 1), "hrs");
  Enter(1, "12.5 kW");
  Enter(2, "abc");
  Enter(3, "");
  w->cmdOK.Click();
  EXPECT_EQ(Services().AddElecPower[1], 12.5f);
  EXPECT_EQ(Services().AddElecHours[1], 0);
  EXPECT_EQ(Services().AddElecLF[1], 0);

  // A number beyond a Single keeps the value it would replace.
  w->mnuEALgtS.Click();
  Enter(1, "1E39");
  platform.ExpectMessage("Installed Power Demand: the number is too large. The previous value is kept.");
  w->cmdOK.Click();
  EXPECT_EQ(Services().AddElecPower[1], 12.5f);
  w->mnuEType.Click();
  Enter(1, "99999");
  platform.ExpectMessage(
      "Plant Start Hour (0-23): the number lies outside -32768 to 32767. The previous value is kept.");
  w->cmdOK.Click();
  EXPECT_EQ(Plant().StartHour, 0);
}

TEST_F(CPltTest, InPlaceEditorFollowsTheCellAndBlocksTheCommands) {
  prog.plant.CPlt.NoOfCT = 2;
  prog.plant.CPlt.HRSType = 1;
  prog.plant.CPlt.CTCap = {0, 380, 390};
  Open();
  ConfirmPlantType();
  w->mnuECTrs.Click();
  w->msgPlt.ClickCell(2, 2);
  EXPECT_TRUE(w->CellEditing());
  EXPECT_TRUE(w->txtData.Visible());
  EXPECT_TRUE(w->txtData.HasFocus());
  EXPECT_EQ(w->txtData.Left(), w->msgPlt.Left() + w->msgPlt.ColPos(2));
  EXPECT_EQ(w->txtData.Top(), w->msgPlt.Top() + w->msgPlt.RowPos(2));
  EXPECT_EQ(w->cmdEntCell.Left(), w->txtData.Left() + 1060);
  EXPECT_EQ(w->txtData.Text(), "0");

  // While the box is open: a further click, OK, the list buttons, the count
  // button, Load, Save and Exit do nothing (no dialog, no question).
  w->msgPlt.ClickCell(3, 2);
  EXPECT_EQ(w->txtData.Text(), "0");
  w->cmdOK.Click();
  w->cmdAddEq.Click();
  w->cmdDelEq.Click();
  w->cmdSame.Click();
  w->mnuFLoad.Click();
  w->mnuFSave.Click();
  w->mnuFExit.Click();
  SetCount("5");
  EXPECT_EQ(w->cboEqNo.ListCount(), 2);
  EXPECT_TRUE(w->IsLoaded());
  EXPECT_TRUE(w->cmdOK.Visible());

  // Choosing another item leaves the box open; Enter writes into the same
  // cell of the item now shown.
  w->cboEqNo.SetListIndex(1);
  EXPECT_EQ(Val(1), "390");
  EXPECT_TRUE(w->CellEditing());
  w->txtData.SetText("18.5");
  w->cmdEntCell.Click();
  EXPECT_FALSE(w->txtData.Visible());
  EXPECT_FALSE(w->cmdEntCell.Visible());
  EXPECT_TRUE(w->cmdOK.HasFocus());
  w->msgPlt.ClickCell(3, 2);
  EXPECT_EQ(w->txtData.Left(), w->msgPlt.Left() + w->msgPlt.ColPos(2));
  EXPECT_EQ(w->txtData.Top(), w->msgPlt.Top() + w->msgPlt.RowPos(3));
  w->cmdEntCell.Click();
  w->cmdOK.Click();
  EXPECT_EQ(Plant().CTFlow[2], 18.5f);
  EXPECT_EQ(Plant().CTFlow[1], 0);
  EXPECT_EQ(Plant().CTCap[1], 380);
  // Fixed cells never open the editor.
  w->mnuECTrs.Click();
  w->msgPlt.ClickCell(0, 2);
  w->msgPlt.ClickCell(2, 0);
  EXPECT_FALSE(w->CellEditing());
}

TEST_F(CPltTest, NamesKeepDoubleQuotesAsTyped) {
  Open();
  w->mnuEAHVAC.Click();
  SetCount("1");
  w->txtSysNam.Type("Fan \"A\"");
  EXPECT_EQ(w->txtSysNam.Text(), "Fan \"A\"");
  w->cmdOK.Click();
  EXPECT_EQ(Plant().AddHVACName[1], "Fan \"A\"");
}

TEST_F(CPltTest, ExitAsksOnlyAfterAnOkSinceTheLastSave) {
  Open();
  w->mnuEFSerS.Click();
  EXPECT_FALSE(w->mnuDirExit.Enabled());
  w->mnuDirExit.Click();  // disabled in a view
  EXPECT_TRUE(w->IsLoaded());
  w->mnuFExit.Click();  // nothing confirmed yet: no question
  EXPECT_FALSE(w->IsLoaded());

  // Opened again: idle, with its Edit menu and Exit usable.
  Open();
  EXPECT_TRUE(w->mnuE.Enabled());
  EXPECT_TRUE(w->mnuDirExit.Enabled());
  EXPECT_EQ(w->ItemType(), 0);
  w->mnuEFSerS.Click();
  SetCount("1");
  Enter(1, "45");
  w->cmdOK.Click();
  platform.ExpectMessage(kSaveQuestion, MsgResult::Cancel);
  w->mnuDirExit.Click();
  EXPECT_TRUE(w->IsLoaded());
  platform.ExpectMessage(kSaveQuestion, MsgResult::No);
  w->mnuDirExit.Click();
  EXPECT_FALSE(w->IsLoaded());
  EXPECT_EQ(prog.plant.NAC, common::NonACServicesData{});  // the edits went with the window

  // Closed by its frame: the same question.
  Open();
  w->mnuEFSerS.Click();
  SetCount("1");
  Enter(1, "45");
  w->cmdOK.Click();
  platform.ExpectMessage(kSaveQuestion, MsgResult::Cancel);
  w->UserClose();
  EXPECT_TRUE(w->IsLoaded());

  // Load Plant Data asks it too before it replaces the edits: Cancel ends
  // the load before its dialog, No goes on to it.
  platform.ExpectMessage(kSaveQuestion, MsgResult::Cancel);
  w->mnuFLoad.Click();
  EXPECT_EQ(Services().FSPower[1], 45.0f);
  platform.ExpectMessage(kSaveQuestion, MsgResult::No);
  platform.ExpectOpenDialog(std::nullopt);
  w->mnuFLoad.Click();
  EXPECT_TRUE(platform.ScriptDone());
}

// Yes, then a cancelled save dialog: nothing is written, so the window
// stays open with its edits still marked unsaved (by either dialog).
TEST_F(CPltTest, YesThenCancelledSaveKeepsTheWindowAndItsEditsUnsaved) {
  Open();
  w->mnuELiftS.Click();
  SetCount("1");
  w->txtSysNam.Type("Lifts");
  w->cmdOK.Click();
  platform.ExpectMessage(kSaveQuestion, MsgResult::Yes);
  platform.ExpectSaveDialog(std::nullopt);
  w->mnuFExit.Click();
  EXPECT_TRUE(w->IsLoaded());
  EXPECT_TRUE(w->DataChanged());
  EXPECT_EQ(prog.plant.NAC.LiftName[1], "Lifts");  // handed over before the dialog
  EXPECT_EQ(platform.Dialogs().back().title, "Save Central Plant Input Data");

  platform.ExpectMessage(kSaveQuestion, MsgResult::Yes);
  platform.ExpectSaveDialog(folder.Path() + "T.WSS");
  platform.ExpectSaveDialog(std::nullopt);
  w->UserClose();
  EXPECT_TRUE(w->IsLoaded());
  EXPECT_TRUE(w->DataChanged());

  platform.ExpectMessage(kSaveQuestion, MsgResult::Yes);
  platform.ExpectSaveDialog(folder.Path() + "T.WSS");
  platform.ExpectSaveDialog(folder.Path() + "T.NAC");
  w->mnuFExit.Click();
  EXPECT_FALSE(w->IsLoaded());
  EXPECT_TRUE(platform.ScriptDone());
}

TEST_F(CPltTest, SaveWritesBothFilesAndLoadReadsThemBack) {
  prog.plant.WssFile = "OLD.WSS";
  Open();
  w->mnuEType.Click();
  w->cboACHRS.SetListIndex(3);  // direct seawater-cooled
  Enter(1, "8");
  Enter(2, "18");
  Enter(3, "27");
  Enter(4, "32");
  w->cmdOK.Click();
  w->mnuESWPs.Click();
  SetCount("1");
  w->cboEqTyp.SetListIndex(2);
  Enter(2, "20");
  w->cmdOK.Click();
  w->mnuEGasS.Click();
  SetCount("1");
  w->txtSysNam.Type("Kitchen");
  w->cboEqTyp.SetListIndex(4);
  Enter(3, "0.8");
  w->cmdOK.Click();

  std::string wss = folder.Path() + "SEA.WSS", nac = folder.Path() + "SEA.NAC";
  platform.ExpectSaveDialog(wss);
  platform.ExpectSaveDialog(nac);
  w->mnuFSave.Click();
  EXPECT_FALSE(w->DataChanged());
  EXPECT_EQ(platform.Dialogs()[0].fileName, "OLD.WSS");
  EXPECT_EQ(platform.Dialogs()[1].title, "Save Input Data For Non-AC Services");
  EXPECT_EQ(prog.plant.WssFile, wss);
  EXPECT_EQ(prog.plant.NacFile, nac);
  EXPECT_EQ(prog.plant.CPlt, Plant());
  const std::string head =
      "\"Central Plant Data for Project: Sample Office Building\"\r\n3\r\n0\r\n8,18\r\n27,32,0,0\r\n0\r\n";
  EXPECT_EQ(folder.Read("SEA.WSS").substr(0, head.size()), head);

  // Another run reads them back.
  common::Program other;
  frmCPlt w2(other, platform);
  w2.Show();
  platform.ExpectOpenDialog(wss);
  platform.ExpectOpenDialog(nac);
  w2.mnuFLoad.Click();
  EXPECT_EQ(other.plant.CPlt, prog.plant.CPlt);
  EXPECT_EQ(other.plant.NAC, prog.plant.NAC);
  EXPECT_EQ(other.plant.NAC.GasSubSys[1], 4);
  EXPECT_EQ(other.plant.CPlt.SWPType[1], 2);
  EXPECT_TRUE(w2.mnuESWPs.Enabled());
  EXPECT_FALSE(w2.mnuECWPs.Enabled());
}

TEST_F(CPltTest, CancelledOrFailedLoadsKeepTheRecords) {
  prog.plant.CPlt = plant_test::OfficePlant();
  prog.plant.NAC = plant_test::OfficeServices();
  Open();
  w->mnuEType.Click();
  Enter(1, "5");
  w->cmdOK.Click();
  // Cancelling the plant file changes nothing: neither the records nor the
  // window's unsaved edits. (Each load first asks about those edits.)
  platform.ExpectMessage(kSaveQuestion, MsgResult::No);
  platform.ExpectOpenDialog(std::nullopt);
  w->mnuFLoad.Click();
  EXPECT_EQ(prog.plant.CPlt, plant_test::OfficePlant());
  EXPECT_EQ(Plant().StartHour, 5);
  EXPECT_TRUE(w->DataChanged());       // Load leaves it alone
  EXPECT_TRUE(w->mnuECTrs.Enabled());  // the menus follow the window's water-cooled plant
  auto edited = Plant();

  // A broken plant file: said so, nothing taken, the services not offered,
  // the window's edits kept.
  std::string bad = folder.Write("BAD.WSS", "\"head\"\r\n1\r\n0\r\n7,19\r\n");
  platform.AllowAnyMessage();
  platform.ExpectMessage(kSaveQuestion, MsgResult::No);
  platform.ExpectOpenDialog(bad);
  w->mnuFLoad.Click();
  ASSERT_EQ(platform.Messages().size(), 3u);
  EXPECT_EQ(platform.Messages()[2].rfind("The central plant input file could not be read: ", 0), 0u)
      << platform.Messages()[2];
  EXPECT_EQ(prog.plant.CPlt, plant_test::OfficePlant());
  EXPECT_EQ(prog.plant.WssFile, bad);
  EXPECT_EQ(Plant(), edited);

  // A plant file read, the services file cancelled: the window takes the
  // plant read and keeps its own services edits.
  w->mnuELiftS.Click();
  w->txtNoEq.Type("0");
  w->cmdOK.Click();
  common::CentralPlantData small;
  small.NoOfChr = 1;
  small.ChrCap[0][1] = 99;
  std::string error;
  std::string wss = folder.Path() + "SMALL.WSS";
  ASSERT_TRUE(WriteCentralPlantFile(wss, "Another project", small, error));
  platform.ExpectMessage(kSaveQuestion, MsgResult::No);
  platform.ExpectOpenDialog(wss);
  platform.ExpectOpenDialog(std::nullopt);
  w->mnuFLoad.Click();
  EXPECT_EQ(prog.plant.CPlt.NoOfChr, 1);
  EXPECT_EQ(prog.plant.CPlt.ChrCap[0][1], 99);
  EXPECT_EQ(prog.plant.CPlt.ChrCap[0][2], 320);  // beyond the count: kept
  EXPECT_EQ(prog.plant.NAC, plant_test::OfficeServices());
  EXPECT_EQ(Plant(), prog.plant.CPlt);
  EXPECT_EQ(Services().NoOfLift, 0);
  EXPECT_NE(prog.plant.NAC.NoOfLift, 0);

  // A broken services file after a good plant file.
  std::string badNac = folder.Write("BAD.NAC", "\"head\"\r\n11\r\n");
  platform.ExpectMessage(kSaveQuestion, MsgResult::No);
  platform.ExpectOpenDialog(wss);
  platform.ExpectOpenDialog(badNac);
  w->mnuFLoad.Click();
  ASSERT_EQ(platform.Messages().size(), 6u);
  EXPECT_NE(platform.Messages()[5].find("additional lighting system count of 11"), std::string::npos);
  EXPECT_EQ(prog.plant.NAC, plant_test::OfficeServices());
}

TEST_F(CPltTest, CancelledOrFailedSaves) {
  Open();
  w->mnuEType.Click();
  Enter(1, "9");
  w->cmdOK.Click();
  // Cancelled: nothing written, yet the records hold the window's data;
  // the edits are still unsaved.
  platform.ExpectSaveDialog(std::nullopt);
  w->mnuFSave.Click();
  EXPECT_EQ(prog.plant.CPlt.StartHour, 9);
  EXPECT_TRUE(w->DataChanged());

  // A file that cannot be written says so and the edits stay unsaved; Exit
  // with Yes then keeps the window open.
  w->mnuEType.Click();
  w->cmdOK.Click();
  platform.AllowAnyMessage();
  platform.ExpectSaveDialog(folder.Path() + "no/such/folder/P.WSS");
  w->mnuFSave.Click();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].rfind("The central plant input file could not be saved: ", 0), 0u);
  EXPECT_TRUE(w->DataChanged());
  platform.ExpectMessage(kSaveQuestion, MsgResult::Yes);
  platform.ExpectSaveDialog(folder.Path() + "no/such/folder/P.WSS");
  w->mnuFExit.Click();
  EXPECT_TRUE(w->IsLoaded());

  // The plant written, the services file cancelled: the plant file stays,
  // the services are not saved yet.
  platform.ExpectSaveDialog(folder.Path() + "P.WSS");
  platform.ExpectSaveDialog(std::nullopt);
  w->mnuFSave.Click();
  EXPECT_TRUE(std::filesystem::exists(folder.Path() + "P.WSS"));
  EXPECT_TRUE(w->DataChanged());
  platform.ExpectSaveDialog(folder.Path() + "P.WSS");
  platform.ExpectSaveDialog(folder.Path() + "P.NAC");
  w->mnuFSave.Click();
  EXPECT_FALSE(w->DataChanged());
}

}  // namespace
