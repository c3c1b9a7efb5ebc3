// Every window reads a typed number by the same rule, and a box whose text
// the user did not change keeps the value it shows, every digit.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>

#include "app/windows.h"
#include "assessment/selection.h"
#include "calculator/frm_calculator.h"
#include "common/number_text.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

constexpr float kMax = std::numeric_limits<float>::max();

// A fresh program with its windows; every message box is answered OK.
struct Harness {
  Harness() {
    platform.AllowAnyMessage();
    auto& b = prog.building;
    b.Bldg.ProjFile = "T.PRJ";
    b.ProjDir = folder.Path();
    ModCal::ResetAllSelections(prog.assess.sel);
  }
  // What the user was told of a number refused.
  std::string Refusal() const {
    for (const auto& m : platform.Messages())
      if (m.find("too large") != std::string::npos) return m;
    return calc.txtValue[0].Text() == "Error" ? "Error" : "";
  }
  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  common::Program prog;
  app::Windows windows{prog, platform};
  calculator::frmCalculator calc{platform};
};

// One box of one window: `show` puts a value in the window's record and
// shows it, `type` types into the box, `commit` presses what stores the
// box, and `stored` reads the record.
struct Box {
  const char* name;
  bool showsTheValue;  // false: the box starts empty or as the user left it
  std::function<void(Harness&, float)> show;
  std::function<void(Harness&, const std::string&)> type;
  std::function<void(Harness&)> commit;
  std::function<float(Harness&)> stored;
};

void Typed(forms::TextBox& box, const std::string& text) { box.SetText(text); }

std::vector<Box> Boxes() {
  return {
      {"building: floor area", true,
       [](Harness& h, float v) {
         h.prog.building.Bldg.CFA = v;
         h.windows.frmBldgSysInput().Show();
       },
       [](Harness& h, const std::string& t) { Typed(h.windows.frmBldgSysInput().txtCFA, t); },
       [](Harness& h) { h.windows.frmBldgSysInput().cmdReturn.Click(); },
       [](Harness& h) { return h.prog.building.Bldg.CFA; }},
      {"group editor: no. in building", false,
       [](Harness& h, float v) {
         h.prog.building.GrpType = 200;
         h.prog.building.GrpTypeName = "Floor";
         h.prog.building.CurGrp.GrpQty = v;
         h.windows.frmAddGroup().Show();
         h.windows.frmAddGroup().txtGroupName.SetText("G");
         h.windows.frmAddGroup().txtGroupNo.SetText(common::DisplayText(v));
       },
       [](Harness& h, const std::string& t) { Typed(h.windows.frmAddGroup().txtGroupNo, t); },
       [](Harness& h) { h.windows.frmAddGroup().cmdSaveGroup.Click(); },
       [](Harness& h) { return h.prog.building.CurGrp.GrpQty; }},
      {"element values: wastage to be used", true,
       [](Harness& h, float v) {
         auto& w = h.windows.frmGroupComp();
         h.prog.building.elmMat.ElmMatWas[1][1] = v;
         w.Show();
         w.fraChgElmD.SetVisible(true);  // the panel as Edit opens it
         w.cboMNoInElm.AddItem("1");
         w.cboMNoInElm.SetListIndex(0);
       },
       [](Harness& h, const std::string& t) { Typed(h.windows.frmGroupComp().txtWasU, t); },
       [](Harness& h) { h.windows.frmGroupComp().cmdUseUIV.Click(); },
       [](Harness& h) { return h.prog.building.elmMat.ElmMatWas[1][1]; }},
      {"thickness dialog", false,
       [](Harness& h, float v) {
         h.prog.building.InpMatThk = v;
         h.prog.building.InpMatMode = 0;
         h.windows.frmInpMatData().Show();
       },
       [](Harness& h, const std::string& t) { Typed(h.windows.frmInpMatData().txtMatProp, t); },
       [](Harness& h) { h.windows.frmInpMatData().cmdReturn.Click(); },
       [](Harness& h) { return h.prog.building.InpMatThk; }},
      {"cost parameters: interest rate", true,
       [](Harness& h, float v) {
         h.prog.assess.factors.CostPara[0] = h.prog.assess.factors.UsrCostPara[0] = v;
         h.prog.assess.factors.EgyPrice = {1, 1};
         h.windows.frmCostPara().Show();
       },
       [](Harness& h, const std::string& t) { Typed(h.windows.frmCostPara().txtCostPara[0], t); },
       [](Harness& h) { h.windows.frmCostPara().Command1.Click(); },
       [](Harness& h) { return h.prog.assess.factors.UsrCostPara[0]; }},
      {"energy input: room area", true,
       [](Harness& h, float v) {
         auto& m = h.prog.energyInput.EgyModel;
         m.NoOfZn = 1, m.ZnNRm[1] = 1, m.RmArea[1][1] = v;
         h.prog.building.Bldg.ProjFile.clear();  // no files to load
         auto& w = h.windows.frmEgyCalInput();
         w.Show();
         w.txtNZn.SetText("1");
         w.cmdEntNZn.Click();
         w.cboRmNo.SetListIndex(0);
       },
       [](Harness& h, const std::string& t) { Typed(h.windows.frmEgyCalInput().txtRmArea, t); },
       [](Harness& h) { h.windows.frmEgyCalInput().cboRmNo.SetListIndex(-1); },
       [](Harness& h) { return h.windows.frmEgyCalInput().WorkingModel().RmArea[1][1]; }},
      {"constructions: layer thickness", true,
       [](Harness& h, float v) {
         h.prog.energyInput.ConsFormMode = 1;
         h.prog.energyInput.CurLayThk[1] = v;
         h.prog.building.Bldg.ProjFile.clear();  // no files to load
         auto& w = h.windows.frmSelCons();
         w.Show();
         w.txtNElmInC.SetText("1");
         w.cmdEntNo.Click();
         w.cboElmNo.SetListIndex(0);
       },
       [](Harness& h, const std::string& t) { Typed(h.windows.frmSelCons().txtMatThk, t); },
       [](Harness& h) { h.windows.frmSelCons().cboElmNo.SetListIndex(-1); },
       [](Harness& h) { return h.prog.energyInput.CurLayThk[1]; }},
      {"air side: fan power", true,
       [](Harness& h, float v) {
         h.prog.energyInput.EgyModel.NoOfZn = 1;
         h.prog.energyInput.ASSys.DsgFanPwr[0][1] = v;
         h.prog.energyInput.SIZnCurZn = 1;
         h.windows.frmSIZn().Show();
       },
       [](Harness& h, const std::string& t) { Typed(h.windows.frmSIZn().txtZnRmD[4], t); },
       [](Harness& h) { h.windows.frmSIZn().mnuFSave.Click(); },
       [](Harness& h) { return h.prog.energyInput.ASSys.DsgFanPwr[0][1]; }},
      {"plant: a value cell", true,
       [](Harness& h, float v) {
         h.prog.plant.NAC.NoOfAddElec = 1;
         h.prog.plant.NAC.AddElecPower[1] = v;
         h.windows.frmCPlt().Show();
         h.windows.frmCPlt().mnuEALgtS.Click();
       },
       [](Harness& h, const std::string& t) {
         auto& w = h.windows.frmCPlt();
         w.msgPlt.ClickCell(1, 2);
         w.txtData.SetText(t);
         w.cmdEntCell.Click();
       },
       [](Harness& h) { h.windows.frmCPlt().cmdOK.Click(); },
       [](Harness& h) { return h.windows.frmCPlt().WorkingServices().AddElecPower[1]; }},
      {"energy calculation: Enter Changes", true,
       [](Harness& h, float v) {
         h.prog.plant.NAC.NoOfFS = 1;
         h.prog.plant.NAC.FSEgy[1] = v;
         auto& e = h.prog.energyInput;
         e.EciFile = "T.ECI", e.AssFile = "T.ASS", e.ConsFile = "T.CON";
         h.prog.plant.WssFile = "T.WSS", h.prog.plant.NacFile = "T.NAC";
         h.windows.frmEgyCal().Show();
         h.windows.frmEgyCal().mnuMFSer.Click();
       },
       [](Harness& h, const std::string& t) { Typed(h.windows.frmEgyCal().txtItem[1], t); },
       [](Harness& h) { h.windows.frmEgyCal().cmdAsTyped.Click(); },
       [](Harness& h) { return h.prog.plant.NAC.FSEgy[1]; }},
      {"energy confirmation: copied and confirmed", true,
       [](Harness& h, float v) {
         h.prog.sim.AnnEgy = {v, 1, 1, 1, 1, 1};
         h.windows.frmEgyResult().Show();
         h.windows.frmEgyResult().cmdChgTo[6].Click();
       },
       [](Harness& h, const std::string& t) { Typed(h.windows.frmEgyResult().txtAAEC[0], t); },
       [](Harness& h) { h.windows.frmEgyResult().cmdOkay.Click(); }, [](Harness& h) { return h.prog.sim.AnnEgy[0]; }},
      {"calculator: Y box", false,
       [](Harness& h, float) {
         h.calc.Show();
         h.calc.txtValue[0].SetText("7");
       },
       [](Harness& h, const std::string& t) {
         h.calc.cmdOp[0].Click();  // Enter
         Typed(h.calc.txtValue[0], t);
       },
       [](Harness& h) { h.calc.cmdOp[0].Click(); }, [](Harness& h) { return h.calc.Registers().R(1); }},
  };
}

// What each window stores for a typed text; nullopt: refused, the value
// before kept and the user told why.
struct Column {
  const char* typed;
  std::optional<float> stored;
};
const Column kColumns[] = {{"1 000", 1000}, {" 12abc", 12}, {"1,5", 1},
                           {"-0", 0},       {"1e39", {}},   {"3.4028235E+38", kMax}};

TEST(TypedNumbers, EveryWindowReadsATypedTextAlike) {
  for (const Box& box : Boxes()) {
    for (const Column& c : kColumns) {
      SCOPED_TRACE(std::string(box.name) + " <- \"" + c.typed + "\"");
      Harness h;
      box.show(h, 7);
      box.type(h, c.typed);
      box.commit(h);
      const float stored = box.stored(h);
      EXPECT_EQ(stored, c.stored.value_or(7));
      EXPECT_FALSE(std::signbit(stored));
      EXPECT_EQ(h.Refusal().empty(), c.stored.has_value()) << h.Refusal();
    }
  }
}

// A value of more digits than a box shows is stored back bit for bit when
// the box is left as shown; a typed text is taken.
TEST(TypedNumbers, ABoxLeftAsShownKeepsEveryDigit) {
  const float value = 1234.56789f;  // shown as 1234.568
  for (const Box& box : Boxes()) {
    if (!box.showsTheValue) continue;
    SCOPED_TRACE(box.name);
    Harness h;
    box.show(h, value);
    box.commit(h);
    EXPECT_EQ(box.stored(h), value);
    Harness typed;
    box.show(typed, value);
    box.type(typed, "1234.5");
    box.commit(typed);
    EXPECT_EQ(box.stored(typed), 1234.5f);
  }
}

}  // namespace
