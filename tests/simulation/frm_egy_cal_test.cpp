#include "simulation/frm_egy_cal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "common/paths.h"
#include "energy_input/energy_model_files.h"
#include "plant_input/plant_files.h"
#include "simulation/system_lists.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using forms::MsgResult;
using simulation::frmEgyCal;

constexpr const char* kNoProject = "Open a Project File first!";
constexpr const char* kOverwrite = "Cooling load data file already exits. Re-calculate and overwrite the file?";
constexpr const char* kProceed = "Proceed to predict air-conditioning energy use?";

class EgyCalTest : public testing::Test {
 protected:
  EgyCalTest() {
    prog.building.Bldg.ProjFile = "TOWER.PRJ";
    prog.building.Bldg.ProjName = "Tower";
    prog.building.ProjDir = folder.Path();
    SetAllPaths();
    prog.sim.run->CPlt.StartHour = 7;
    prog.sim.run->CPlt.StopHour = 19;
    WriteRunInputs();
    // Stand-ins for the two simulations: progress lines, then the outcome
    // the test asks for.
    w.coolingLoadRun = [this](common::Program& p, simulation::RunLog& log) {
      ++coolingRuns;
      log.Add("Zone 1 done");
      if (!coolingError.empty()) p.sim.SimErr = 1, p.sim.SimErrMsg = coolingError;
    };
    w.plantRun = [this](common::Program& p, simulation::RunLog& log) {
      ++plantRuns;
      log.Add("Hour 8760");
      if (!plantError.empty()) {
        p.sim.SimErr = 2, p.sim.SimErrMsg = plantError;
        return;
      }
      p.sim.ACEgy = {28, 1, 2, 3, 4, 5, 6, 7};
    };
  }
  void SetAllPaths() {
    prog.energyInput.EciFile = "TOWER.ECI";
    prog.energyInput.AssFile = "TOWER.ASS";
    prog.energyInput.ConsFile = "TOWER.CON";
    prog.plant.WssFile = "TOWER.WSS";
    prog.plant.NacFile = "TOWER.NAC";
  }
  // The named energy model, air-side and plant files, holding what the
  // run's records hold, so the window reads them back as it opens.
  void WriteRunInputs() {
    const auto& run = *prog.sim.run;
    std::string why;
    ASSERT_TRUE(
        energy_input::WriteEnergyModelFile(folder.Path() + "TOWER.ECI", "Tower", run.EgyModel, run.FabShMask, why) &&
        energy_input::WriteAirSideFile(folder.Path() + "TOWER.ASS", "Tower", run.EgyModel, run.ASSys, why) &&
        plant_input::WriteCentralPlantFile(folder.Path() + "TOWER.WSS", "Tower", run.CPlt, why))
        << why;
  }
  void ClearAllPaths() {
    prog.energyInput.EciFile.clear();
    prog.energyInput.AssFile.clear();
    prog.energyInput.ConsFile.clear();
    prog.plant.WssFile.clear();
    prog.plant.NacFile.clear();
  }
  std::vector<std::string> Log() const {
    std::vector<std::string> lines;
    for (int i = 0; i < w.lstRun.ListCount(); ++i) lines.push_back(w.lstRun.List(i));
    return lines;
  }
  std::vector<std::string> Shown(int rows) const {
    std::vector<std::string> t;
    for (int i = 0; i < rows; ++i) t.push_back(w.txtItem[static_cast<size_t>(i)].Text());
    return t;
  }
  int VisibleRows() const {
    int n = 0;
    for (const auto& t : w.txtItem) n += t.Visible() ? 1 : 0;
    return n;
  }
  void FireServices(std::initializer_list<common::Single> power) {
    auto& n = prog.plant.NAC;
    n.NoOfFS = static_cast<common::Integer>(power.size());
    size_t i = 1;
    for (common::Single p : power) {
      n.FSName[i] = "Pump " + std::to_string(i);
      n.FSPower[i] = p;
      n.FSHours[i] = 100;
      n.FSLF[i] = 1;
      ++i;
    }
  }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  common::Program prog;
  frmEgyCal w{prog, platform};
  std::string coolingError, plantError;
  int coolingRuns = 0, plantRuns = 0;
};

// ---- Loading ----

TEST_F(EgyCalTest, WithoutProjectShowsTheMessageAndReadsNothing) {
  prog.building.Bldg.ProjFile.clear();
  ClearAllPaths();
  platform.ExpectMessage(kNoProject);
  w.Show();
  EXPECT_TRUE(w.Visible());
  EXPECT_TRUE(platform.Dialogs().empty());
  EXPECT_TRUE(prog.energyInput.ConsFile.empty());
  EXPECT_EQ(w.Caption(), "Operating Energy Calculation");
  EXPECT_EQ(w.lblMsg.Caption(), "Select System from Menu for Calculation");
  EXPECT_FALSE(w.lstRun.Visible() || w.cmdEndRun.Visible() || w.lstRunRpt.Visible() || w.cmdGO.Visible());
  ASSERT_EQ(w.lstRunRpt.ListCount(), 2);
  EXPECT_EQ(w.lstRunRpt.List(0), "Save Run Log");
  EXPECT_EQ(w.lstRunRpt.List(1), "Exit");
  EXPECT_EQ(w.AnnHrs[0][1], 3065.0f);
  EXPECT_EQ(w.AnnHrs[1][4], 2556.0f);
}

// The named files are read into the run's records only.
TEST_F(EgyCalTest, WithAllPathsSetAsksAndReadsNothing) {
  prog.energyInput.EgyModel.NoOfZn = 3;
  w.Show();
  EXPECT_TRUE(platform.Dialogs().empty());
  EXPECT_EQ(prog.energyInput.EgyModel.NoOfZn, 3);
}

class EgyCalInputsTest : public EgyCalTest {
 protected:
  EgyCalInputsTest() {
    ClearAllPaths();
    common::MakeFolder(folder.Path() + "in/");
    auto& m = model;
    m.NoOfZn = 1;
    m.ZnName[1] = "Core";
    m.ZnNIdent[1] = 1;
    m.ZnNRm[1] = 1;
    m.RmName[1][1] = "Office";
    m.RmNIdent[1][1] = 1;
    m.RmType[1][1] = 1;
    m.RmArea[1][1] = 100;
    m.RmLgtW[1][1] = 10;
    airSide.ASTyp[1] = 1;
    airSide.FATyp[1] = 1;
    airSide.DsgSensLd[0][1][1] = 12;
    services.NoOfLift = 1;
    services.LiftName[1] = "Lift A";
    services.LiftPower[1] = 15;
    std::string why;
    EXPECT_TRUE(energy_input::WriteEnergyModelFile(folder.Path() + "in/T.ECI", "Tower", model, masks, why)) << why;
    EXPECT_TRUE(energy_input::WriteAirSideFile(folder.Path() + "in/T.ASS", "Tower", model, airSide, why)) << why;
    EXPECT_TRUE(plant_input::WriteServicesFile(folder.Path() + "in/T.NAC", "Tower", services, why)) << why;
  }
  void ExpectDialogs(const std::vector<std::string>& titles) {
    ASSERT_EQ(platform.Dialogs().size(), titles.size());
    for (size_t i = 0; i < titles.size(); ++i) {
      EXPECT_EQ(platform.Dialogs()[i].title, titles[i]);
      EXPECT_EQ(platform.Dialogs()[i].fileName, "");
    }
  }
  std::string In(const std::string& name) { return folder.Path() + "in/" + name; }
  common::EnergyModel model;
  common::PerFabric<std::string> masks{};
  common::AirSideSystemData airSide;
  common::NonACServicesData services;
};

TEST_F(EgyCalInputsTest, AsksForEachMissingFileAndReadsIt) {
  std::string why;
  ASSERT_TRUE(plant_input::WriteCentralPlantFile(In("T.WSS"), "Tower", {}, why)) << why;
  prog.plant.NAC.LiftEgy = {7, 7};  // not input: kept
  platform.ExpectOpenDialog(In("T.ECI"));
  platform.ExpectOpenDialog(In("T.ASS"));
  platform.ExpectOpenDialog(In("T.WSS"));
  platform.ExpectOpenDialog(In("T.NAC"));
  w.Show();
  ExpectDialogs({"Open Energy Calculation Input File", "Air Side Air-conditioning System Input File",
                 "Read Central Plant Input Data", "Read Input Data For Non-AC Services"});
  EXPECT_EQ(platform.Dialogs()[0].filter, "Energy Calculation Input File (*.ECI)|*.ECI");
  EXPECT_EQ(platform.Dialogs()[1].filter, "Air Side AC System Input File (*.ASS)|*.ASS");
  EXPECT_EQ(platform.Dialogs()[2].filter, "Central Plant Input Data File (*.WSS)|*.WSS");
  EXPECT_EQ(platform.Dialogs()[3].filter, "Non-AC Services Input Data File (*.NAC)|*.NAC");
  EXPECT_EQ(prog.energyInput.EciFile, In("T.ECI"));
  EXPECT_EQ(prog.energyInput.ConsFile, "TOWER.CON");
  EXPECT_EQ(prog.energyInput.AssFile, In("T.ASS"));
  EXPECT_EQ(prog.plant.WssFile, In("T.WSS"));
  EXPECT_EQ(prog.plant.NacFile, In("T.NAC"));
  EXPECT_EQ(prog.sim.run->EgyModel, model);
  EXPECT_EQ(prog.sim.run->ASSys.DsgSensLd[0][1][1], 12.0f);
  EXPECT_EQ(prog.energyInput.EgyModel, common::EnergyModel{});  // the input windows' records are not the run's
  EXPECT_EQ(prog.plant.NAC.LiftName[1], "Lift A");
  EXPECT_EQ(prog.plant.NAC.LiftEgy[1], 7.0f);
  EXPECT_EQ(prog.plant.CPlt, common::CentralPlantData{});
}

TEST_F(EgyCalInputsTest, CancelledEnergyModelEndsLoading) {
  platform.ExpectOpenDialog(std::nullopt);
  w.Show();
  ExpectDialogs({"Open Energy Calculation Input File"});
  EXPECT_TRUE(prog.energyInput.EciFile.empty());
  EXPECT_TRUE(prog.energyInput.ConsFile.empty());
}

// A file that cannot be read is named in a message, leaves the record and
// its path as they were (so the next opening asks again), and ends loading.
TEST_F(EgyCalInputsTest, UnreadableEnergyModelEndsLoadingAndKeepsTheModel) {
  (void)folder.Write("in/bad.ECI", "\"Energy Calculation Input for Project: Tower\"\r\n99\r\n");
  prog.sim.run->EgyModel.NoOfZn = 2;
  platform.ExpectOpenDialog(In("bad.ECI"));
  platform.AllowAnyMessage();
  w.Show();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(
      platform.Messages()[0].rfind("The energy calculation input file " + In("bad.ECI") + " could not be read (", 0),
      0u);
  ExpectDialogs({"Open Energy Calculation Input File"});
  EXPECT_TRUE(prog.energyInput.EciFile.empty());
  EXPECT_EQ(prog.sim.run->EgyModel.NoOfZn, 2);
}

// Without an air-side file the central plant and the services still come.
TEST_F(EgyCalInputsTest, CancelledAirSideGoesOnWithThePlant) {
  prog.energyInput.EciFile = "TOWER.ECI";
  platform.ExpectOpenDialog(std::nullopt);
  platform.ExpectOpenDialog(std::nullopt);
  platform.ExpectOpenDialog(In("T.NAC"));
  w.Show();
  ExpectDialogs({"Air Side Air-conditioning System Input File", "Read Central Plant Input Data",
                 "Read Input Data For Non-AC Services"});
  EXPECT_TRUE(prog.energyInput.AssFile.empty());
  EXPECT_TRUE(prog.plant.WssFile.empty());
  EXPECT_EQ(prog.plant.NAC.NoOfLift, 1);
}

TEST_F(EgyCalInputsTest, UnreadableServicesFileKeepsTheRecord) {
  SetAllPaths();
  prog.plant.NacFile.clear();
  (void)folder.Write("in/bad.NAC", "\"Non-AC\"\r\n1\r\n");
  prog.plant.NAC.NoOfFS = 4;
  platform.ExpectOpenDialog(In("bad.NAC"));
  platform.AllowAnyMessage();
  w.Show();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].rfind("The non-AC services input file " + In("bad.NAC") + " could not be read (", 0),
            0u);
  EXPECT_TRUE(prog.plant.NacFile.empty());
  EXPECT_EQ(prog.plant.NAC.NoOfFS, 4);
}

// ---- Views, Calculate, Enter Changes ----

TEST_F(EgyCalTest, ListWithoutSystemsTakesATypedTotalAndHandsItOver) {
  w.Show();
  w.mnuMFSer.Click();
  EXPECT_EQ(w.SysNo, 5);
  EXPECT_EQ(w.lblHead.Caption(), "Annual Energy Use of Fire Services Systems");
  EXPECT_EQ(w.lblMsg.Caption(), "No such systems defined");
  EXPECT_FALSE(w.cmdGO.Visible());
  EXPECT_TRUE(w.cmdOK.Visible() && w.cmdAsTyped.Visible());
  EXPECT_EQ(VisibleRows(), 1);
  EXPECT_EQ(w.lblItem[0].Caption(), "Total of all Systems (kWh)");
  EXPECT_FALSE(w.mnuM.Enabled() || w.mnuDirExit.Enabled());
  EXPECT_TRUE(w.mnuFExit.Enabled());
  w.txtItem[0].Type("1500");
  w.cmdAsTyped.Click();
  EXPECT_EQ(prog.plant.NAC.FSEgy[0], 1500.0f);
  w.cmdOK.Click();
  EXPECT_EQ(w.lblMsg.Caption(), "Select System from Menu for Calculation");
  EXPECT_EQ(VisibleRows(), 0);
  EXPECT_TRUE(w.mnuM.Enabled() && w.mnuDirExit.Enabled());
  w.mnuDirExit.Click();
  EXPECT_FALSE(w.IsLoaded());
  EXPECT_EQ(prog.sim.AnnEgy[2], 1500.0f);
}

// Showing a list reads its rows back: each value becomes the number of
// its seven-digit text and the total their sum.
TEST_F(EgyCalTest, ShowingAListReadsItsRowsBack) {
  FireServices({1, 2});
  prog.plant.NAC.FSEgy = {999, 1.23456789f, 2};
  w.Show();
  w.mnuMFSer.Click();
  EXPECT_EQ(w.lblItem[1].Caption(), " 1: Pump 1 (kWh)");
  EXPECT_EQ(w.lblItem[2].Caption(), " 2: Pump 2 (kWh)");
  EXPECT_EQ(Shown(3), (std::vector<std::string>{"3.234568", "1.234568", "2"}));
  // The rows are read back as they stand, not as their seven digits.
  EXPECT_EQ(prog.plant.NAC.FSEgy[1], 1.23456789f);
  EXPECT_EQ(prog.plant.NAC.FSEgy[0], 1.23456789f + 2.0f);
  EXPECT_TRUE(w.cmdGO.Visible());
  EXPECT_TRUE(w.cmdGO.HasFocus());
  EXPECT_EQ(w.lblMsg.Caption(), "Click Calculate to Proceed.");
}

// Calculate replaces every system's value and the total; a typed box 0
// never becomes the total while the list has systems.
TEST_F(EgyCalTest, CalculateReplacesTypedValues) {
  FireServices({1, 2});
  w.Show();
  w.mnuMFSer.Click();
  w.txtItem[1].Type("50");
  w.txtItem[0].Type("7");
  w.cmdAsTyped.Click();
  EXPECT_EQ(prog.plant.NAC.FSEgy[0], 50.0f);
  EXPECT_EQ(w.txtItem[0].Text(), "50");
  w.cmdGO.Click();
  EXPECT_EQ(Shown(3), (std::vector<std::string>{"300", "100", "200"}));
  EXPECT_EQ(prog.plant.NAC.FSEgy[1], 100.0f);
}

struct ViewCase {
  const char* name;
  forms::Menu frmEgyCal::*menu;
  int code;
  const char* heading;
};

void PrintTo(const ViewCase& c, std::ostream* os) { *os << c.name; }

class EgyCalViewTest : public EgyCalTest, public testing::WithParamInterface<ViewCase> {};

// Every list view shows its heading, its unit and computes its own list.
TEST_P(EgyCalViewTest, ListViewCalculatesItsList) {
  const ViewCase& c = GetParam();
  auto list = *simulation::ListOf(simulation::CalculationLists(prog), c.code);
  *list.count = 1;
  (*list.names)[1] = "S";
  (*list.power)[1] = 2, (*list.hours)[1] = 3, (*list.loadFactor)[1] = 1;
  if (c.code == 8) prog.plant.NAC.GasEff[1] = 1;
  WriteRunInputs();
  w.Show();
  (w.*(c.menu)).Click();
  EXPECT_EQ(w.SysNo, c.code);
  EXPECT_EQ(w.lblHead.Caption(), c.heading);
  std::string unit = c.code == 8 ? "MJ" : "kWh";
  EXPECT_EQ(w.lblItem[0].Caption(), "Total of all Systems (" + unit + ")");
  EXPECT_EQ(w.lblItem[1].Caption(), " 1: S (" + unit + ")");
  w.cmdGO.Click();
  EXPECT_EQ(w.txtItem[1].Text(), c.code == 8 ? "21.6" : "6");
  EXPECT_EQ(w.txtItem[0].Text(), w.txtItem[1].Text());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, EgyCalViewTest,
    testing::Values(ViewCase{"AddHVAC", &frmEgyCal::mnuMAAC, 2, "Annual Energy Use of Additional HVAC Systems"},
                    ViewCase{"AddElec", &frmEgyCal::mnuMAElec, 4,
                             "Annual Energy Use of Additional Elec. && Lgt. Systems"},
                    ViewCase{"FS", &frmEgyCal::mnuMFSer, 5, "Annual Energy Use of Fire Services Systems"},
                    ViewCase{"Lift", &frmEgyCal::mnuMLift, 6, "Annual Energy Use of Lift and Escalator Systems"},
                    ViewCase{"PD", &frmEgyCal::mnuMPaD, 7, "Annual Energy Use of P && D Systems"},
                    ViewCase{"Gas", &frmEgyCal::mnuMGasS, 8, "Annual Energy Use of Systems using Town Gas"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EgyCalTest, ZeroGasEfficiencyShowsTheMessageAndTheValuesAsTheyStand) {
  auto& n = prog.plant.NAC;
  n.NoOfGasSys = 2;
  n.GasCap = {0, 100, 1};
  n.GasHours = {0, 1000, 1};
  n.GasLF = {0, 0.5f, 1};
  n.GasEff = {0, 0.8f, 0};
  w.Show();
  w.mnuMGasS.Click();
  platform.ExpectMessage("Error: Zero Eff. for Gas System No. 2");
  w.cmdGO.Click();
  EXPECT_EQ(Shown(3), (std::vector<std::string>{"225000", "225000", "0"}));
}

TEST_F(EgyCalTest, ZonesViewCalculatesLightingAndEquipment) {
  auto& m = prog.sim.run->EgyModel;
  m.NoOfZn = 1;
  m.ZnNIdent[1] = 3;
  m.ZnNRm[1] = 1;
  m.RmType[1][1] = 1;
  m.RmArea[1][1] = 100;
  m.RmLgtW[1][1] = 10;
  m.RmEqpW[1][1] = 20;
  m.RmNIdent[1][1] = 2;
  WriteRunInputs();
  w.Show();
  w.mnuMElec.Click();
  EXPECT_EQ(w.lblHead.Caption(), "Annual Energy Use for Lighting && Equipment in Building Zones");
  EXPECT_EQ(w.lblItem[1].Caption(), "Lighting in Zones(kWh)");
  EXPECT_EQ(VisibleRows(), 3);
  w.cmdGO.Click();
  EXPECT_EQ(Shown(3), (std::vector<std::string>{"55422", "18390", "37032"}));
  w.txtItem[1].Type("10");
  w.txtItem[0].Type("999");
  w.cmdAsTyped.Click();
  EXPECT_EQ(prog.sim.ZnElecEgy, (std::array<common::Single, 3>{37042, 10, 37032}));
}

TEST_F(EgyCalTest, EnterChangesOnAirConditioningSumsRowsOneToSeven) {
  w.Show();
  w.mnuMAC.Click();
  EXPECT_EQ(VisibleRows(), 8);
  EXPECT_EQ(w.lblItem[7].Caption(), "Cooling Towers (kWh)");
  for (size_t i = 1; i <= 7; ++i) w.txtItem[i].Type(std::to_string(i) + "x");
  w.txtItem[0].Type("12345");
  w.cmdAsTyped.Click();
  EXPECT_EQ(prog.sim.ACEgy, (std::array<common::Single, 8>{28, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(w.txtItem[0].Text(), "28");
}

TEST_F(EgyCalTest, TooLargeTypedNumberStoresNothing) {
  FireServices({1, 2});
  prog.plant.NAC.FSEgy = {3, 1, 2};
  w.Show();
  w.mnuMFSer.Click();
  w.txtItem[2].Type("1E+39");
  platform.ExpectMessage(" 2: Pump 2 (kWh): the number is too large. Nothing is stored.");
  w.cmdAsTyped.Click();
  w.txtItem[1].Type("3E+38");
  w.txtItem[2].Type("3E+38");
  platform.ExpectMessage("The total is too large to be held. Nothing is stored.");
  w.cmdAsTyped.Click();
  EXPECT_EQ(prog.plant.NAC.FSEgy, (common::ItemSingles{3, 1, 2}));
}

TEST_F(EgyCalTest, AllSystemsOneByOneWalksEightViews) {
  w.Show();
  w.mnuMAll.Click();
  std::vector<int> codes{w.SysNo};
  for (int k = 0; k < 7; ++k) {
    w.cmdOK.Click();
    codes.push_back(w.SysNo);
  }
  EXPECT_EQ(codes, (std::vector<int>{1, 3, 2, 4, 5, 6, 7, 8}));
  EXPECT_TRUE(w.AllSysMode);
  w.cmdOK.Click();
  EXPECT_FALSE(w.AllSysMode);
  EXPECT_EQ(VisibleRows(), 0);
  EXPECT_EQ(w.lblMsg.Caption(), "Select System from Menu for Calculation");
  EXPECT_TRUE(w.mnuM.Enabled());
}

TEST_F(EgyCalTest, ExitHandsOverTheTotalsAsTheyStand) {
  w.Show();
  w.mnuFExit.Click();
  EXPECT_EQ(prog.sim.AnnEgy, (std::array<common::Single, 6>{}));

  prog.sim.ACEgy[0] = 100;
  prog.sim.ZnElecEgy[0] = 20;
  prog.sim.run->CPlt.AddHVACEgy[0] = 1;
  prog.plant.NAC.AddElecEgy[0] = 2;
  prog.plant.NAC.FSEgy[0] = 3;
  prog.plant.NAC.LiftEgy[0] = 4;
  prog.plant.NAC.PDEgy[0] = 5;
  prog.plant.NAC.GasEgy[0] = 6;
  w.Show();
  w.mnuFExit.Click();
  EXPECT_EQ(prog.sim.AnnEgy, (std::array<common::Single, 6>{101, 22, 3, 4, 5, 6}));

  // Closing the window by its frame hands nothing over.
  prog.plant.NAC.PDEgy[0] = 50;
  w.Show();
  w.UserClose();
  EXPECT_EQ(prog.sim.AnnEgy[4], 5.0f);
}

// A named energy model or central plant file that cannot be read is named
// with the reason as the window opens. The view computing from it says why
// and offers no Calculate, its figures stay, and Exit keeps the annual energy
// that stands on it and says so, while the rest is handed over. Figures the
// user enters are the user's and are handed over.
TEST_F(EgyCalTest, UnreadableNamedInputComputesAndHandsOverNothing) {
  struct Case {
    const char* file;
    const char* text;  // nullptr: missing
    forms::Menu frmEgyCal::*view;
    const char* input;
    const char* reason;
    const char* kept;  // in the message at Exit
    size_t slot;
  } cases[] = {
      {"TOWER.ECI", nullptr, &frmEgyCal::mnuMElec, "energy calculation", "file not found", "Electricity and lighting",
       common::kAnnElec},
      {"TOWER.ECI", "\"Energy Calculation Input for Project: Tower\"\r\n99\r\n", &frmEgyCal::mnuMElec,
       "energy calculation", "(line 2)", "Electricity and lighting", common::kAnnElec},
      {"TOWER.WSS", nullptr, &frmEgyCal::mnuMAAC, "central plant", "file not found", "HVAC", common::kAnnHVAC},
      {"TOWER.WSS", "\"Central Plant Input for Project: Tower\"\r\n1\r\n", &frmEgyCal::mnuMAAC, "central plant",
       "line 3", "HVAC", common::kAnnHVAC},
  };
  FireServices({1});
  prog.plant.NAC.FSEgy = {100, 100};
  const std::array<common::Single, 3> zones{30, 10, 20};
  prog.sim.ZnElecEgy = zones;
  platform.AllowAnyMessage();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + (c.text ? " damaged" : " missing"));
    WriteRunInputs();
    c.text ? (void)folder.Write(c.file, c.text) : (void)std::filesystem::remove(folder.Path() + c.file);
    prog.sim.AnnEgy = {1, 1, 1, 1, 1, 1};
    const size_t before = platform.Messages().size();
    w.Show();
    ASSERT_EQ(platform.Messages().size(), before + 1);
    const std::string said = platform.Messages().back();
    EXPECT_EQ(said.rfind(std::string("The ") + c.input + " input file " + c.file + " could not be read (", 0), 0u);
    EXPECT_NE(said.find(c.reason), std::string::npos) << said;
    (w.*(c.view)).Click();
    EXPECT_EQ(w.lblMsg.Caption(), std::string("Not calculated: the ") + c.input + " input file was not read.");
    EXPECT_FALSE(w.cmdGO.Visible());
    const auto shown = Shown(3);
    w.cmdGO.Click();
    EXPECT_EQ(Shown(3), shown);
    EXPECT_EQ(prog.sim.ZnElecEgy, zones);
    w.cmdOK.Click();
    w.mnuDirExit.Click();
    EXPECT_EQ(prog.sim.AnnEgy[c.slot], 1.0f);
    EXPECT_EQ(prog.sim.AnnEgy[common::kAnnFSer], 100.0f);
    EXPECT_EQ(platform.Messages().back(), std::string("This annual energy was not handed over and keeps its earlier "
                                                      "value:\n") +
                                              c.kept + ": the " + c.input + " input file was not read");
  }
  // Typed and entered, the zones' figures are the user's and handed over.
  std::filesystem::remove(folder.Path() + "TOWER.ECI");
  w.Show();
  w.mnuMElec.Click();
  w.txtItem[1].Type("5");
  w.cmdAsTyped.Click();
  w.mnuFExit.Click();
  EXPECT_EQ(prog.sim.AnnEgy[common::kAnnElec], 25.0f);
}

// ---- The air-conditioning run ----

TEST_F(EgyCalTest, SuccessfulRunShowsTheValuesAndClose) {
  w.Show();
  w.mnuMAC.Click();
  EXPECT_EQ(w.lblHead.Caption(), "Annual Energy Use for Air Conditioning");
  platform.ExpectMessage(kProceed, MsgResult::Yes);
  w.cmdGO.Click();
  EXPECT_EQ(Log(), (std::vector<std::string>{
                       "Started to calculate cooling load", "Zone 1 done", "Cooling load calculation completed",
                       "Started to calculate A/C energy use", "Hour 8760", "A/C energy use calculation completed"}));
  EXPECT_TRUE(w.lstRun.Visible());
  EXPECT_FALSE(w.lblMsg.Visible());
  EXPECT_EQ(w.lstRun.Left(), 240);
  EXPECT_EQ(w.lstRun.Top(), 600);
  EXPECT_EQ(w.lstRun.Width(), 7575);
  EXPECT_EQ(w.lstRun.Height(), 4125);
  EXPECT_TRUE(w.cmdEndRun.Visible());
  EXPECT_EQ(w.cmdEndRun.Left(), 3120);
  EXPECT_EQ(w.cmdEndRun.Top(), 4800);
  EXPECT_EQ(Shown(8), (std::vector<std::string>{"28", "1", "2", "3", "4", "5", "6", "7"}));
  w.cmdEndRun.Click();
  EXPECT_FALSE(w.lstRun.Visible() || w.cmdEndRun.Visible());
  EXPECT_TRUE(w.lblMsg.Visible());
}

// The window while the cooling loads are computed: each progress line is in
// the log as soon as the simulation gives it (the month lines replacing the
// log as the simulation clears it), over the rows of the view, with the
// prompt hidden, no Close and no values yet, and every command that could
// start another run or change this one disabled: Calculate, OK, Enter
// Changes and the menus.
TEST_F(EgyCalTest, ProgressLinesShowWhileTheRunGoesOn) {
  std::vector<std::vector<std::string>> seen;
  auto keep = [&] {
    seen.push_back(Log());
    EXPECT_TRUE(w.lstRun.Visible());
    EXPECT_FALSE(w.lblMsg.Visible());
    EXPECT_FALSE(w.cmdEndRun.Visible());
    EXPECT_FALSE(w.mnuM.Enabled());
    EXPECT_FALSE(w.mnuDirExit.Enabled());
    EXPECT_FALSE(w.mnuF.Enabled());
    EXPECT_TRUE(w.cmdGO.Visible() && w.cmdOK.Visible() && w.cmdAsTyped.Visible());
    EXPECT_FALSE(w.cmdGO.Enabled() || w.cmdOK.Enabled() || w.cmdAsTyped.Enabled());
    EXPECT_EQ(w.txtItem[0].Text(), "");
  };
  w.coolingLoadRun = [&](common::Program&, simulation::RunLog& log) {
    log.Add("Reading TOWER.ECI");
    keep();
    for (int month = 1; month <= 2; ++month) {
      log.Clear();
      log.Add("Modelling Office - Processing Month No. " + std::to_string(month) + "....");
      keep();
    }
    log.Add("Space Load Calculations Finished!");
    keep();
  };
  w.Show();
  w.mnuMAC.Click();
  platform.ExpectMessage(kProceed, MsgResult::Yes);
  w.cmdGO.Click();
  using Lines = std::vector<std::string>;
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0], (Lines{"Started to calculate cooling load", "Reading TOWER.ECI"}));
  EXPECT_EQ(seen[1], (Lines{"Modelling Office - Processing Month No. 1...."}));
  EXPECT_EQ(seen[2], (Lines{"Modelling Office - Processing Month No. 2...."}));
  EXPECT_EQ(seen[3], (Lines{"Modelling Office - Processing Month No. 2....", "Space Load Calculations Finished!"}));
  EXPECT_EQ(Log(), (Lines{"Modelling Office - Processing Month No. 2....", "Space Load Calculations Finished!",
                          "Cooling load calculation completed", "Started to calculate A/C energy use", "Hour 8760",
                          "A/C energy use calculation completed"}));
  EXPECT_TRUE(w.cmdEndRun.Visible());
  EXPECT_EQ(w.txtItem[0].Text(), "28");
  // The commands are back as the view had them.
  EXPECT_TRUE(w.cmdGO.Enabled() && w.cmdOK.Enabled() && w.cmdAsTyped.Enabled() && w.mnuF.Enabled());
  EXPECT_FALSE(w.mnuM.Enabled() || w.mnuDirExit.Enabled());
}

TEST_F(EgyCalTest, FailedCoolingLoadRunLogsTheFailureTwice) {
  coolingError = "Weather file VLW1989.TXT not found";
  prog.sim.ACEgy[0] = 5;
  w.Show();
  w.mnuMAC.Click();
  w.cmdGO.Click();
  EXPECT_EQ(Log(), (std::vector<std::string>{"Started to calculate cooling load", "Zone 1 done", coolingError,
                                             "Cooling load calculation terminated.", coolingError}));
  EXPECT_FALSE(w.cmdEndRun.Visible());
  EXPECT_EQ(plantRuns, 0);
  EXPECT_EQ(w.txtItem[0].Text(), "");
  // OK leaves the log and the hidden prompt as they are.
  w.cmdOK.Click();
  EXPECT_TRUE(w.lstRun.Visible());
  EXPECT_FALSE(w.lblMsg.Visible());
}

// A central plant file not chosen, or plant hours without a working day,
// stop the run before the year's cooling loads are computed, whatever else
// the plant file holds.
TEST_F(EgyCalTest, UnusablePlantStopsTheRunBeforeTheCoolingLoads) {
  struct Case {
    common::Integer start, stop;
    bool chosen;
    const char* said;  // in the log's first line
  } cases[] = {{0, 0, true, "are refused"},
               {20, 6, true, "are refused"},
               {7, 25, true, "are refused"},
               {7, 19, false, "RunPlantSimulation: No central plant input file chosen"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.start) + " to " + std::to_string(c.stop));
    common::CentralPlantData plant;
    plant.StartHour = c.start;
    plant.StopHour = c.stop;
    std::string error;
    ASSERT_TRUE(plant_input::WriteCentralPlantFile(folder.Path() + "TOWER.WSS", "Tower", plant, error)) << error;
    coolingRuns = plantRuns = 0;
    w.Show();
    if (!c.chosen) prog.plant.WssFile.clear();
    w.mnuMAC.Click();
    w.cmdGO.Click();
    auto log = Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_NE(log[0].find(c.said), std::string::npos) << log[0];
    EXPECT_EQ(log[1], "A/C energy use calculation terminated.");
    EXPECT_EQ(coolingRuns, 0);
    EXPECT_EQ(plantRuns, 0);
    w.Hide();
  }
}

TEST_F(EgyCalTest, FailedPlantRunShowsNoValues) {
  plantError = "Chiller capacity exceeded";
  w.Show();
  w.mnuMAC.Click();
  platform.ExpectMessage(kProceed, MsgResult::Yes);
  w.cmdGO.Click();
  auto log = Log();
  ASSERT_EQ(log.size(), 8u);
  EXPECT_EQ(log[5], plantError);
  EXPECT_EQ(log[6], "A/C energy use calculation terminated.");
  EXPECT_EQ(log[7], plantError);
  EXPECT_FALSE(w.cmdEndRun.Visible());
  EXPECT_EQ(w.txtItem[0].Text(), "");
}

// A run that fails after a successful one in the same view: the earlier
// run's Close and energies are gone with the start of the run and stay
// gone, so Close can never show them as this run's.
TEST_F(EgyCalTest, AFailedRunAfterASuccessfulOneShowsNoCloseAndNoValues) {
  struct Case {
    const char* name;
    bool plantFails;
  } cases[] = {{"cooling load", false}, {"plant", true}};
  w.Show();
  w.mnuMAC.Click();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    coolingError.clear();
    plantError.clear();
    platform.ExpectMessage(kProceed, MsgResult::Yes);
    w.cmdGO.Click();
    ASSERT_TRUE(w.cmdEndRun.Visible());
    ASSERT_EQ(Shown(8), (std::vector<std::string>{"28", "1", "2", "3", "4", "5", "6", "7"}));
    (c.plantFails ? plantError : coolingError) = "Failed on purpose";
    if (c.plantFails) platform.ExpectMessage(kProceed, MsgResult::Yes);
    w.cmdGO.Click();
    EXPECT_EQ(Log().back(), "Failed on purpose");
    EXPECT_FALSE(w.cmdEndRun.Visible());
    EXPECT_EQ(Shown(8), std::vector<std::string>(8, ""));
    EXPECT_TRUE(w.lstRun.Visible());
    EXPECT_TRUE(platform.ScriptDone());
    // Enter Changes stores no zeros from the emptied boxes.
    const auto held = prog.sim.ACEgy;
    w.cmdAsTyped.Click();
    EXPECT_EQ(prog.sim.ACEgy, held);
  }
}

// The answers to the overwrite question: Cancel logs nothing and shows
// Close and the earlier values; No uses the existing cooling loads.
TEST_F(EgyCalTest, ExistingCoolingLoadFile) {
  (void)folder.Write("AnHSpCL.TXT", "loads");
  prog.sim.ACEgy[0] = 9;
  w.Show();
  w.mnuMAC.Click();
  platform.ExpectMessage(kOverwrite, MsgResult::Cancel);
  w.cmdGO.Click();
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(w.cmdEndRun.Visible());
  EXPECT_EQ(w.txtItem[0].Text(), "9");

  platform.ExpectMessage(kOverwrite, MsgResult::No);
  platform.ExpectMessage(kProceed, MsgResult::No);
  w.cmdGO.Click();
  EXPECT_TRUE(Log().empty());

  platform.ExpectMessage(kOverwrite, MsgResult::No);
  platform.ExpectMessage(kProceed, MsgResult::Yes);
  w.cmdGO.Click();
  EXPECT_EQ(Log(), (std::vector<std::string>{"Started to calculate A/C energy use", "Hour 8760",
                                             "A/C energy use calculation completed"}));
  EXPECT_EQ(coolingRuns, 0);
  EXPECT_EQ(w.txtItem[0].Text(), "28");
}

// The question about an existing cooling load file looks where the plant
// run reads it: the project folder, whatever folder a dialog made current.
TEST_F(EgyCalTest, ExistingCoolingLoadFileIsLookedForInTheProjectFolder) {
  (void)folder.Write("AnHSpCL.TXT", "loads");
  w.Show();
  w.mnuMAC.Click();
  testsupport::TempFolder elsewhere;  // current while it lasts
  platform.ExpectMessage(kOverwrite, MsgResult::Cancel);
  w.cmdGO.Click();
  EXPECT_TRUE(platform.ScriptDone());
  EXPECT_EQ(coolingRuns, 0);
}

// The real simulations, with none of their input files present, fail and
// say so through SimErr; the window logs it as for any failed run.
TEST_F(EgyCalTest, RealEntryPointsReportTheirFailure) {
  frmEgyCal real(prog, platform);
  real.Show();
  real.mnuMAC.Click();
  real.cmdGO.Click();
  ASSERT_GE(real.lstRun.ListCount(), 3);
  EXPECT_EQ(real.lstRun.List(0), "Started to calculate cooling load");
  EXPECT_EQ(real.lstRun.List(real.lstRun.ListCount() - 1), prog.sim.SimErrMsg);
  EXPECT_NE(prog.sim.SimErr, 0);
  EXPECT_FALSE(real.cmdEndRun.Visible());
}

// ---- The run log ----

TEST_F(EgyCalTest, SavingTheRunLogOfAFailedRun) {
  coolingError = "No weather";
  w.Show();
  w.mnuMAC.Click();
  w.cmdGO.Click();
  w.lstRun.SetListIndex(1);
  EXPECT_TRUE(w.lstRunRpt.Visible());
  EXPECT_EQ(w.lstRunRpt.Left(), 240);
  EXPECT_EQ(w.lstRunRpt.Top(), 600);

  // A cancelled dialog is reported and the actions stay offered.
  platform.ExpectSaveDialog(std::nullopt);
  platform.ExpectMessage("Error in printing run log!!");
  w.lstRunRpt.SetListIndex(0);
  EXPECT_TRUE(w.lstRunRpt.Visible());
  EXPECT_EQ(platform.Dialogs().back().title, "Save Run Log");
  EXPECT_EQ(platform.Dialogs().back().filter, "Run Log File (*.TXT)|*.TXT");

  platform.ExpectSaveDialog(folder.Path() + "run.TXT");
  w.lstRunRpt.SetListIndex(0);
  EXPECT_FALSE(w.lstRunRpt.Visible());
  EXPECT_EQ(folder.Read("run.TXT"),
            "Started to calculate cooling load\r\nZone 1 done\r\nNo weather\r\n"
            "Cooling load calculation terminated.\r\nNo weather\r\n");

  // Offered again by a click on the log; Exit only hides the actions.
  w.lstRun.SetListIndex(0);
  EXPECT_TRUE(w.lstRunRpt.Visible());
  w.lstRunRpt.SetListIndex(1);
  EXPECT_FALSE(w.lstRunRpt.Visible());
}

TEST_F(EgyCalTest, UnwritableRunLogIsReported) {
  w.Show();
  w.mnuMAC.Click();
  platform.ExpectMessage(kProceed, MsgResult::No);
  w.cmdGO.Click();
  w.lstRun.AddItem("line");
  w.lstRun.SetListIndex(0);
  platform.ExpectSaveDialog(folder.Path() + "missing/run.TXT");
  platform.ExpectMessage("Error in printing run log!!");
  w.lstRunRpt.SetListIndex(0);
  EXPECT_TRUE(w.lstRunRpt.Visible());
}

// ---- The energy use result file ----

TEST_F(EgyCalTest, ResultFileSaveThenLoad) {
  FireServices({1, 2});
  prog.sim.ACEgy = {10, 1, 1, 1, 1, 1, 1, 4};
  prog.plant.NAC.FSEgy = {0, 1.5f, 2.123456789f};
  w.Show();
  platform.ExpectSaveDialog(folder.Path() + "T.EUR");
  w.mnuFSave.Click();
  EXPECT_EQ(platform.Dialogs().back().title, "Save Energy Use Calculation Results");
  EXPECT_EQ(platform.Dialogs().back().filter, "Energy User Calculation Result File (*.EUR)|*.EUR");
  EXPECT_EQ(platform.Dialogs().back().fileName, "TOWER.EUR");
  EXPECT_EQ(prog.sim.EurFile, folder.Path() + "T.EUR");

  prog.sim.ACEgy = {};
  prog.plant.NAC.FSEgy = {};
  platform.ExpectOpenDialog(folder.Path() + "T.EUR");
  w.mnuFLoad.Click();
  EXPECT_EQ(platform.Dialogs().back().title, "Load Energy Use Calculation Results");
  EXPECT_EQ(platform.Dialogs().back().fileName, folder.Path() + "T.EUR");
  EXPECT_EQ(prog.sim.ACEgy[7], 4.0f);
  EXPECT_EQ(prog.plant.NAC.NoOfFS, 2);
  EXPECT_EQ(prog.plant.NAC.FSEgy[2], 2.123457f);
  EXPECT_EQ(prog.plant.NAC.FSEgy[0], 1.5f + 2.123457f);
}

TEST_F(EgyCalTest, ResultFileCommandsNeedAProject) {
  w.Show();
  prog.building.Bldg.ProjFile.clear();
  prog.sim.ACEgy[1] = 3;
  platform.ExpectMessage(kNoProject);
  w.mnuFLoad.Click();
  platform.ExpectMessage(kNoProject);
  w.mnuFSave.Click();
  EXPECT_TRUE(platform.Dialogs().empty());
  EXPECT_TRUE(prog.sim.EurFile.empty());
  EXPECT_EQ(prog.sim.ACEgy[1], 3.0f);
}

// A file saved for other systems (3 town-gas systems where the project has
// 1, or a count below 0) is refused whole: no phantom system appears and no
// count changes.
TEST_F(EgyCalTest, ResultFileWithOtherCountsIsRefused) {
  auto& n = prog.plant.NAC;
  n.NoOfGasSys = 1;
  n.GasName[1] = "Boiler";
  n.GasSubSys[1] = 1;
  n.GasEgy = {10, 10};
  prog.sim.ACEgy[0] = 7;
  const auto nacBefore = n;
  const auto cpltBefore = prog.sim.run->CPlt;
  const std::vector<std::string> head(16, "0");  // 8 + 3 values, five empty lists
  struct Case {
    const char* file;
    std::vector<std::string> tail;
    const char* why;
  } cases[] = {{"three.EUR", {"3", "1", "2", "3"}, "3 systems using town gas where the project has 1"},
               {"minus.EUR", {"-3"}, "a count of -3 systems using town gas lies outside 0 to 10"}};
  w.Show();
  platform.AllowAnyMessage();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::string text;
    for (const auto& line : head) text += line + "\r\n";
    for (const auto& line : c.tail) text += line + "\r\n";
    (void)folder.Write(c.file, text);
    platform.ExpectOpenDialog(folder.Path() + c.file);
    w.mnuFLoad.Click();
    ASSERT_FALSE(platform.Messages().empty());
    const std::string& said = platform.Messages().back();
    EXPECT_EQ(said.rfind("The energy use results could not be loaded (", 0), 0u) << said;
    EXPECT_NE(said.find(c.why), std::string::npos) << said;
    EXPECT_EQ(n, nacBefore);
    EXPECT_EQ(prog.sim.run->CPlt, cpltBefore);
    EXPECT_EQ(prog.sim.ACEgy[0], 7.0f);
  }
}

TEST_F(EgyCalTest, BadResultFileChangesNothing) {
  (void)folder.Write("bad.EUR", "1\r\n2\r\n");
  FireServices({1});
  prog.plant.NAC.FSEgy = {4, 4};
  auto acBefore = prog.sim.ACEgy;
  auto nacBefore = prog.plant.NAC;
  w.Show();
  platform.ExpectOpenDialog(folder.Path() + "bad.EUR");
  platform.AllowAnyMessage();
  w.mnuFLoad.Click();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].rfind("The energy use results could not be loaded (", 0), 0u);
  EXPECT_EQ(prog.sim.ACEgy, acBefore);
  EXPECT_EQ(prog.plant.NAC, nacBefore);

  // A cancelled dialog says nothing.
  platform.ExpectOpenDialog(std::nullopt);
  w.mnuFLoad.Click();
  EXPECT_EQ(platform.Messages().size(), 1u);
}

}  // namespace
