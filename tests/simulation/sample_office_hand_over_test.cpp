// The sample office's hand-over to the assessment: the energy calculation
// window on the sample project computes every system one by one (the
// cooling-load year and the plant of OFFICE.WSS, the zones' lighting and
// equipment, then each list of the non-AC services), and the six annual
// totals its Exit hands over are compared with the reference results in
// tests/data/sample_office_year.txt (see reference_results.h).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "reference_results.h"
#include "simulation/frm_egy_cal.h"
#include "support/sample_office.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

TEST(SampleOfficeHandOver, AllSystemsOneByOneThenExit) {
  testsupport::TempFolder folder;
  std::string error;
  ASSERT_TRUE(testsupport::CopySampleOfficeFiles(folder.Path(), error)) << error;
  testsupport::ScriptedPlatform platform;
  auto prog = std::make_unique<common::Program>();
  prog->building.Bldg.ProjFile = "OFFICE.PRJ";
  prog->building.ProjDir = folder.Path();
  prog->building.DataDir = std::string(OSTREVO_SOURCE_DIR) + "/data/";

  // The window asks for its input files as it loads.
  for (const char* name : {"OFFICE.ECI", "OFFICE.ASS", "OFFICE.WSS", "OFFICE.NAC"})
    platform.ExpectOpenDialog(folder.Path() + name);
  simulation::frmEgyCal w(*prog, platform);
  w.Show();
  ASSERT_EQ(prog->energyInput.ConsFile, "OFFICE.CON");

  w.mnuMAll.Click();
  ASSERT_EQ(w.SysNo, 1);
  platform.ExpectMessage("Proceed to predict air-conditioning energy use?", forms::MsgResult::Yes);
  w.cmdGO.Click();
  ASSERT_EQ(prog->sim.SimErr, 0) << prog->sim.SimErrMsg;
  // OK moves on to the next system, Calculate computes it: zones, additional
  // HVAC, additional electrical, fire services, lifts, P and D, town gas.
  for (int code : {3, 2, 4, 5, 6, 7, 8}) {
    w.cmdOK.Click();
    ASSERT_EQ(w.SysNo, code);
    w.cmdGO.Click();
  }
  w.cmdOK.Click();
  EXPECT_FALSE(w.AllSysMode);
  w.mnuFExit.Click();
  EXPECT_TRUE(platform.ScriptDone());

  // kWh of HVAC, electrical, fire services, lifts, P and D; MJ of town gas.
  simtest::ReferenceResults reference;
  for (size_t i = 0; i < prog->sim.AnnEgy.size(); ++i)
    reference.Expect("AnnEgy[" + std::to_string(i) + "]", prog->sim.AnnEgy[i]);
  reference.ExpectAllGiven("AnnEgy[");
}

}  // namespace
