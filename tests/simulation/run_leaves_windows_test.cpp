// A cooling-load run reads the energy model and the constructions from
// their files and leaves alone what the construction window holds: its edit
// buffer, the tables it has changed but not saved, and its controls.
#include <gtest/gtest.h>

#include <tuple>

#include "energy_input/frm_sel_cons.h"
#include "sim_fixture.h"
#include "simulation/cooling_load_sim.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

class StandIn : public forms::Form {
 public:
  using Form::Form;
};

simulation::SimCalendar FirstDays(int days) {
  simulation::SimCalendar cal{};
  cal.MonthDays[1] = days;
  return cal;
}

// The office's input files and two days of weather in `tmp`.
std::unique_ptr<common::Program> OfficeProject(testsupport::TempFolder& tmp) {
  auto prog = simtest::NewProgram();
  simtest::OfficeModel(*prog);
  simtest::AirCooledPlant(prog->plant.CPlt);
  simtest::WriteInputFiles(*prog, tmp.Path());
  tmp.Write("VLW1989.TXT", simtest::WeatherText(48));
  prog->building.Bldg.ProjFile = tmp.Path() + "MODEL.PRJ";
  return prog;
}

// The construction edit buffer.
auto Buffer(const common::EnergyInputState& e) {
  return std::tie(e.ConsFormMode, e.CurConsType, e.CurNLay, e.CurSurf, e.CurLayMatNo, e.CurLayMatName, e.CurLayThk,
                  e.CurLayProp);
}

TEST(RunLeavesWindows, AnOpenConstructionWindowKeepsItsUnsavedEdits) {
  // The loads of the constructions as saved, from a run without the window.
  testsupport::TempFolder plainFolder;
  auto plain = OfficeProject(plainFolder);
  simtest::RecordingLog plainLog;
  ModRoutine::RunCoolingLoad(*plain, plainLog, FirstDays(2));
  ASSERT_EQ(plain->sim.SimErr, 0) << plain->sim.SimErrMsg;

  testsupport::TempFolder tmp;
  auto prog = OfficeProject(tmp);
  testsupport::ScriptedPlatform platform;
  StandIn matLib{platform, "frmMatLib"};
  energy_input::frmSelCons w{*prog, platform, [&]() -> forms::Form& { return matLib; }};
  prog->energyInput.ConsFormMode = 1;
  w.Show();
  // The brick cavity wall's inner leaf made thicker and recorded in the
  // tables, not saved; then the concrete slab in the buffer with its slab
  // made thicker (taken into the buffer) and its screed typed thinner (not
  // taken yet).
  w.lstCons.SetListIndex(1);
  w.cboElmNo.SetListIndex(2);
  w.txtMatThk.SetText("0.2");
  w.cmdChg.Click();
  ASSERT_EQ(prog->energyInput.cons.LayThk[1][3], 0.2f);
  w.lstCons.SetListIndex(3);
  w.cboElmNo.SetListIndex(1);
  w.txtMatThk.SetText("0.3");
  w.cboElmNo.SetListIndex(0);
  ASSERT_EQ(prog->energyInput.CurLayThk[2], 0.3f);
  w.txtMatThk.SetText("0.07");
  ASSERT_TRUE(w.UnsavedMark());

  const auto tables = prog->energyInput.cons;
  const auto buffer = Buffer(prog->energyInput);
  std::vector<std::string> shown;
  for (const forms::TextBox* box : {&w.txtConsNam, &w.txtNElmInC, &w.txtMatNo, &w.txtMatThk, &w.txtProp[0]})
    shown.push_back(box->Text());

  simtest::RecordingLog log;
  ModRoutine::RunCoolingLoad(*prog, log, FirstDays(2));
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;

  // The run took the saved constructions ...
  EXPECT_EQ(tmp.Read("AnHSpCL.TXT"), plainFolder.Read("AnHSpCL.TXT"));
  // ... and the window still holds every edit.
  EXPECT_TRUE(prog->energyInput.cons == tables);
  EXPECT_TRUE(Buffer(prog->energyInput) == buffer);
  std::vector<std::string> after;
  for (const forms::TextBox* box : {&w.txtConsNam, &w.txtNElmInC, &w.txtMatNo, &w.txtMatThk, &w.txtProp[0]})
    after.push_back(box->Text());
  EXPECT_EQ(after, shown);
  EXPECT_EQ(w.CurrentLayer(), 1);
  EXPECT_EQ(w.SelectedConstruction(), 3);
  EXPECT_TRUE(w.UnsavedMark());
  EXPECT_TRUE(w.IsLoaded());
}

}  // namespace
