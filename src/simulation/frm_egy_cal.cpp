#include "simulation/frm_egy_cal.h"

#include <cmath>

#include "common/number_text.h"
#include "forms/control_array.h"
#include "forms/typed_input.h"
#include "simulation/system_lists.h"

namespace simulation {

using common::Single;

namespace {

const char* const kIdlePrompt = "Select System from Menu for Calculation";
const char* const kCalculatePrompt = "Click Calculate to Proceed.";

const std::array<const char*, common::kACEgySlots> kACRows{"Whole Air Conditioning System (kWh)",
                                                           "Air Side Systems (Fans) (kWh)",
                                                           "Chillers (kWh)",
                                                           "Primary Loop Chilled Water Pumps (kWh)",
                                                           "Secondary Loop Chilled Water Pumps (kWh)",
                                                           "Condenser Water Pumps (kWh)",
                                                           "Seawater Pumps (kWh)",
                                                           "Cooling Towers (kWh)"};
const std::array<const char*, common::kZnElecEgySlots> kZoneRows{"Annual Electricity Consumption (kWh)",
                                                                 "Lighting in Zones(kWh)", "Equipment in Zones (kWh)"};

const char* Unit(int code) { return code == 8 ? "MJ" : "kWh"; }

}  // namespace

frmEgyCal::frmEgyCal(common::Program& prog, forms::Platform& platform)
    : Form(platform, "frmEgyCal"),
      lblHead(*this, "lblHead"),
      lblMsg(*this, "lblMsg"),
      lblItem(forms::MakeControlArray<forms::Label, 11>(*this, "lblItem")),
      txtItem(forms::MakeControlArray<forms::TextBox, 11>(*this, "txtItem")),
      cmdGO(*this, "cmdGO"),
      cmdAsTyped(*this, "cmdAsTyped"),
      cmdOK(*this, "cmdOK"),
      lstRun(*this, "lstRun"),
      cmdEndRun(*this, "cmdEndRun"),
      lstRunRpt(*this, "lstRunRpt"),
      mnuF(*this, nullptr, "mnuF", "File"),
      mnuFLoad(*this, &mnuF, "mnuFLoad", "Load Previous Results"),
      mnuFSave(*this, &mnuF, "mnuFSave", "Save Current Results"),
      mnuFExit(*this, &mnuF, "mnuFExit", "Exit"),
      mnuM(*this, nullptr, "mnuM", "Calculate"),
      mnuMAll(*this, &mnuM, "mnuMAll", "All Systems, One-by-one"),
      mnuML0(*this, &mnuM, "mnuML0", "-"),
      mnuMAC(*this, &mnuM, "mnuMAC", "Air Conditioning"),
      mnuMElec(*this, &mnuM, "mnuMElec", "Elect. && Lighting"),
      mnuML1(*this, &mnuM, "mnuML1", "-"),
      mnuMAAC(*this, &mnuM, "mnuMAAC", "Additional HVAC"),
      mnuMAElec(*this, &mnuM, "mnuMAElec", "Additional Elect. && Lgt"),
      mnuMFSer(*this, &mnuM, "mnuMFSer", "Fire Services"),
      mnuMLift(*this, &mnuM, "mnuMLift", "Lifts and Escalators"),
      mnuMPaD(*this, &mnuM, "mnuMPaD", "P && D"),
      mnuMGasS(*this, &mnuM, "mnuMGasS", "Systems using Town Gas"),
      mnuDirExit(*this, nullptr, "mnuDirExit", "Exit"),
      prog_(prog) {
  SetCaption("Operating Energy Calculation");
  SetClientSize(8055, 5400);
  lblHead.Move(240, 120, 7575, 375);
  lblHead.SetFontBold(true);
  for (size_t i = 0; i < lblItem.size(); ++i) {
    int top = 600 + 330 * static_cast<int>(i);
    lblItem[i].Move(240, top, 4935, 285);
    txtItem[i].Move(5280, top, 2535, 285);
    txtItem[i].SetAlignment(forms::Alignment::Right);
  }
  lblMsg.Move(240, 4320, 7575, 285);
  cmdGO.SetCaption("Calculate");
  cmdGO.Move(240, 4800, 1335, 375);
  cmdEndRun.SetCaption("Close");
  cmdEndRun.Move(3120, 4800, 1215, 375);
  cmdAsTyped.SetCaption("Enter Changes");
  cmdAsTyped.Move(4560, 4800, 1575, 375);
  cmdOK.SetCaption("OK");
  cmdOK.Move(6480, 4800, 1335, 375);
  lstRun.Move(240, 600, 7575, 4125);
  lstRun.SetWordWrap(true);  // a long failure text reads whole within the log
  lstRunRpt.Move(240, 600, 1935, 495);

  mnuFLoad.OnClick = [this] { mnuFLoad_Click(); };
  mnuFSave.OnClick = [this] { mnuFSave_Click(); };
  mnuFExit.OnClick = [this] { mnuFExit_Click(); };
  mnuMAll.OnClick = [this] { mnuMAll_Click(); };
  mnuMAC.OnClick = [this] { mnuMAC_Click(); };
  mnuMElec.OnClick = [this] { mnuMElec_Click(); };
  mnuMAAC.OnClick = [this] { mnuMAAC_Click(); };
  mnuMAElec.OnClick = [this] { mnuMAElec_Click(); };
  mnuMFSer.OnClick = [this] { mnuMFSer_Click(); };
  mnuMLift.OnClick = [this] { mnuMLift_Click(); };
  mnuMPaD.OnClick = [this] { mnuMPaD_Click(); };
  mnuMGasS.OnClick = [this] { mnuMGasS_Click(); };
  mnuDirExit.OnClick = [this] { mnuDirExit_Click(); };
  cmdGO.OnClick = [this] { cmdGO_Click(); };
  cmdAsTyped.OnClick = [this] { cmdAsTyped_Click(); };
  cmdOK.OnClick = [this] { cmdOK_Click(); };
  cmdEndRun.OnClick = [this] { cmdEndRun_Click(); };
  lstRun.OnClick = [this] { lstRun_Click(); };
  lstRunRpt.OnClick = [this] { lstRunRpt_Click(); };
}

void frmEgyCal::Form_Load() {
  AllSysMode = false;
  ownEur_.clear();
  ownRunLog_.clear();
  ResetScreen();
  // A log left from an earlier opening is gone; the prompt shows again.
  lblMsg.SetVisible(true);
  lstRun.SetVisible(false);
  cmdEndRun.SetVisible(false);
  lstRunRpt.Clear();
  lstRunRpt.AddItem("Save Run Log");
  lstRunRpt.AddItem("Exit");
  lstRunRpt.SetVisible(false);
  AnnHrs = DefaultAnnHrs();
  // Nothing counts as read until it is, and no figure as the user's.
  unread_.fill(true);
  given_.fill(false);
  if (prog_.building.Bldg.ProjFile.empty()) {
    MsgBox("Open a Project File first!");
    return;
  }
  ReadInputs();
}

void frmEgyCal::ResetScreen() {
  lblHead.SetCaption("");
  lblMsg.SetCaption(kIdlePrompt);
  for (size_t i = 0; i < lblItem.size(); ++i) {
    lblItem[i].SetCaption("");
    lblItem[i].SetVisible(false);
    txtItem[i].SetText("");
    txtItem[i].SetVisible(false);
  }
  cmdGO.SetVisible(false);
  cmdOK.SetVisible(false);
  cmdAsTyped.SetVisible(false);
  mnuM.SetEnabled(true);
  mnuDirExit.SetEnabled(true);
}

// ---- Views ----

void frmEgyCal::BeginView(int code, const std::string& heading) {
  SysNo = code;
  lblHead.SetCaption(heading);
  mnuM.SetEnabled(false);
  mnuDirExit.SetEnabled(false);
  cmdOK.SetVisible(true);
  cmdAsTyped.SetVisible(true);
  cmdAsTyped.SetEnabled(true);
}

void frmEgyCal::ShowRow(int i, const std::string& caption, Single value) {
  auto k = static_cast<size_t>(i);
  lblItem[k].SetCaption(caption);
  lblItem[k].SetVisible(true);
  txtItem[k].SetVisible(true);
  forms::ShowNumber(txtItem[k], value);
}

bool frmEgyCal::SayNotRead() {
  std::string note = NotReadNote(SysNo);
  if (!note.empty()) lblMsg.SetCaption("Not calculated: " + note + ".");
  return !note.empty();
}

// Calculate only on an input that was read; otherwise the prompt says why.
void frmEgyCal::OfferCalculate() {
  if (SayNotRead()) return;
  cmdGO.SetVisible(true);
  lblMsg.SetCaption(kCalculatePrompt);
  cmdGO.SetFocus();
}

void frmEgyCal::mnuMAC_Click() {
  BeginView(1, "Annual Energy Use for Air Conditioning");
  for (size_t i = 0; i < kACRows.size(); ++i) ShowRow(static_cast<int>(i), kACRows[i], prog_.sim.ACEgy[i]);
  OfferCalculate();
}

void frmEgyCal::mnuMElec_Click() {
  BeginView(3, "Annual Energy Use for Lighting && Equipment in Building Zones");
  for (size_t i = 0; i < kZoneRows.size(); ++i) ShowRow(static_cast<int>(i), kZoneRows[i], prog_.sim.ZnElecEgy[i]);
  OfferCalculate();
}

// A list: its total, and each system's value, read back at once so that
// the total is the sum of the values as shown.
void frmEgyCal::ShowList(int code, const std::string& heading) {
  BeginView(code, heading);
  auto list = ListOf(CalculationLists(prog_), code);
  std::string unit = Unit(code);
  ShowRow(0, "Total of all Systems (" + unit + ")", (*list->egy)[0]);
  if (*list->count < 1) {
    if (!SayNotRead()) lblMsg.SetCaption("No such systems defined");
    return;
  }
  for (int i = 1; i <= SystemCount(*list->count); ++i) {
    auto k = static_cast<size_t>(i);
    ShowRow(i, common::ShortTextInt(i) + ": " + (*list->names)[k] + " (" + unit + ")", (*list->egy)[k]);
  }
  EnterTyped();
  OfferCalculate();
}

void frmEgyCal::ShowListValues(int code) {
  auto list = ListOf(CalculationLists(prog_), code);
  for (int i = 0; i <= SystemCount(*list->count); ++i)
    forms::ShowNumber(txtItem[static_cast<size_t>(i)], (*list->egy)[static_cast<size_t>(i)]);
}

void frmEgyCal::mnuMAAC_Click() { ShowList(2, "Annual Energy Use of Additional HVAC Systems"); }
void frmEgyCal::mnuMAElec_Click() { ShowList(4, "Annual Energy Use of Additional Elec. && Lgt. Systems"); }
void frmEgyCal::mnuMFSer_Click() { ShowList(5, "Annual Energy Use of Fire Services Systems"); }
void frmEgyCal::mnuMLift_Click() { ShowList(6, "Annual Energy Use of Lift and Escalator Systems"); }
void frmEgyCal::mnuMPaD_Click() { ShowList(7, "Annual Energy Use of P && D Systems"); }
void frmEgyCal::mnuMGasS_Click() { ShowList(8, "Annual Energy Use of Systems using Town Gas"); }

void frmEgyCal::mnuMAll_Click() {
  AllSysMode = true;
  mnuMAC_Click();
}

// ---- Calculate ----

void frmEgyCal::CalcNonACEgy(int code) {
  std::string error = simulation::CalcNonACEgy(CalculationLists(prog_), code);
  if (!error.empty()) MsgBox(error);
}

void frmEgyCal::CalcGasEgy() {
  std::string error = simulation::CalcGasEgy(prog_.plant.NAC);
  if (!error.empty()) MsgBox(error);
}

void frmEgyCal::CalcZnElecEgy() {
  std::string error = simulation::CalcZnElecEgy(prog_.sim.run->EgyModel, AnnHrs, prog_.sim.ZnElecEgy);
  if (!error.empty()) MsgBox(error);
}

// Nothing that could start another run or change this one's data can be
// used while the air-conditioning run goes on; afterwards every command is
// as it was.
class frmEgyCal::HeldCommands {
 public:
  explicit HeldCommands(frmEgyCal& w)
      : buttons_{&w.cmdGO, &w.cmdOK, &w.cmdAsTyped}, menus_{&w.mnuF, &w.mnuM, &w.mnuDirExit} {
    for (std::size_t i = 0; i < buttons_.size(); ++i) buttonsWere_[i] = buttons_[i]->Enabled();
    for (std::size_t i = 0; i < menus_.size(); ++i) menusWere_[i] = menus_[i]->Enabled();
    for (auto* b : buttons_) b->SetEnabled(false);
    for (auto* m : menus_) m->SetEnabled(false);
  }
  ~HeldCommands() {
    for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetEnabled(buttonsWere_[i]);
    for (std::size_t i = 0; i < menus_.size(); ++i) menus_[i]->SetEnabled(menusWere_[i]);
  }
  HeldCommands(const HeldCommands&) = delete;
  HeldCommands& operator=(const HeldCommands&) = delete;

 private:
  std::array<forms::CommandButton*, 3> buttons_;
  std::array<forms::Menu*, 3> menus_;
  std::array<bool, 3> buttonsWere_{}, menusWere_{};
};

void frmEgyCal::cmdGO_Click() {
  if (!NotReadNote(SysNo).empty()) return;  // not offered: the view says why
  switch (SysNo) {
    case 1:
      lblMsg.SetVisible(false);
      // Nothing of an earlier run stands for this one: its values and its
      // Close come back only when this run succeeds.
      cmdEndRun.SetVisible(false);
      for (size_t i = 0; i < kACRows.size(); ++i) txtItem[i].SetText("");
      lstRun.Clear();
      lstRun.Move(240, 600, 7575, 4125);
      lstRun.SetVisible(true);
      lstRun.ZOrder();
      prog_.sim.SimErr = 0;
      {
        HeldCommands held(*this);
        RunSimulation();
      }
      if (prog_.sim.SimErr == 0) {
        cmdEndRun.Move(3120, 4800);
        cmdEndRun.SetVisible(true);
        for (size_t i = 0; i < kACRows.size(); ++i) forms::ShowNumber(txtItem[i], prog_.sim.ACEgy[i]);
        // The values shown can be entered again, also when a failed run
        // before this one in the view had disabled Enter Changes.
        cmdAsTyped.SetEnabled(true);
      } else {
        lstRun.AddItem(prog_.sim.SimErrMsg);
        // The emptied boxes are no values to enter: Enter Changes would
        // store zeros over the energies held.
        cmdAsTyped.SetEnabled(false);
      }
      break;
    case 2:
    case 4:
    case 5:
    case 6:
    case 7: {
      auto list = ListOf(CalculationLists(prog_), SysNo);
      if (*list->count > 0) {
        CalcNonACEgy(SysNo);
        ShowListValues(SysNo);
      }
      break;
    }
    case 3:
      CalcZnElecEgy();
      for (size_t i = 0; i < kZoneRows.size(); ++i) forms::ShowNumber(txtItem[i], prog_.sim.ZnElecEgy[i]);
      break;
    case 8:
      if (prog_.plant.NAC.NoOfGasSys > 0) {
        CalcGasEgy();
        ShowListValues(8);
      }
      break;
    default:
      break;
  }
}

// ---- Enter Changes ----

std::optional<Single> frmEgyCal::TypedValue(int i) {
  auto k = static_cast<size_t>(i);
  auto value = forms::BoxSingle(txtItem[k]);
  if (!value) MsgBox(forms::PlainCaption(lblItem[k].Caption()) + ": the number is too large. Nothing is stored.");
  return value;
}

namespace {

// Takes boxes 1..n as the parts and their single-precision sum as element 0.
template <size_t N>
bool SumParts(std::array<Single, N>& values, int n) {
  Single sum = 0;
  for (int i = 1; i <= n; ++i) sum += values[static_cast<size_t>(i)];
  if (!std::isfinite(sum)) return false;
  values[0] = sum;
  return true;
}

const char* const kTotalTooLarge = "The total is too large to be held. Nothing is stored.";

}  // namespace

bool frmEgyCal::EnterList(int code) {
  auto list = ListOf(CalculationLists(prog_), code);
  common::ItemSingles egy = *list->egy;
  if (*list->count < 1) {
    auto total = TypedValue(0);
    if (!total) return false;
    egy[0] = *total;
    *list->egy = egy;
    return true;
  }
  int n = SystemCount(*list->count);
  for (int i = 1; i <= n; ++i) {
    auto v = TypedValue(i);
    if (!v) return false;
    egy[static_cast<size_t>(i)] = *v;
  }
  if (!SumParts(egy, n)) {
    MsgBox(kTotalTooLarge);
    return false;
  }
  *list->egy = egy;
  forms::ShowNumber(txtItem[0], egy[0]);
  return true;
}

// The figures the user entered are the user's, whatever input was read.
void frmEgyCal::cmdAsTyped_Click() {
  if (EnterTyped() && SysNo >= 1 && SysNo < kViews) given_[static_cast<size_t>(SysNo)] = true;
}

bool frmEgyCal::EnterTyped() {
  if (SysNo == 1 || SysNo == 3) {
    // The parts follow the whole in both arrays.
    std::array<Single, common::kACEgySlots> parts{};
    int n = SysNo == 1 ? common::kACEgySlots - 1 : common::kZnElecEgySlots - 1;
    for (int i = 1; i <= n; ++i) {
      auto v = TypedValue(i);
      if (!v) return false;
      parts[static_cast<size_t>(i)] = *v;
    }
    if (!SumParts(parts, n)) {
      MsgBox(kTotalTooLarge);
      return false;
    }
    for (int i = 0; i <= n; ++i) {
      auto k = static_cast<size_t>(i);
      if (SysNo == 1) {
        prog_.sim.ACEgy[k] = parts[k];
      } else {
        prog_.sim.ZnElecEgy[k] = parts[k];
      }
    }
    forms::ShowNumber(txtItem[0], parts[0]);
    return true;
  }
  return ListOf(CalculationLists(prog_), SysNo) && EnterList(SysNo);
}

// ---- OK and Exit ----

void frmEgyCal::cmdOK_Click() {
  ResetScreen();
  if (!AllSysMode) return;
  switch (SysNo) {
    case 1:
      mnuMElec_Click();
      break;
    case 3:
      mnuMAAC_Click();
      break;
    case 2:
      mnuMAElec_Click();
      break;
    case 4:
      mnuMFSer_Click();
      break;
    case 5:
      mnuMLift_Click();
      break;
    case 6:
      mnuMPaD_Click();
      break;
    case 7:
      mnuMGasS_Click();
      break;
    default:
      AllSysMode = false;
      break;
  }
}

// The totals as they stand become the annual energy of the assessment,
// except those standing on an input that was not read (and not given by the
// user): they keep their values, and a message says which and why.
void frmEgyCal::mnuFExit_Click() {
  static constexpr std::array<const char*, common::kAnnEgySlots> kSlotNames{
      "HVAC", "Electricity and lighting", "Fire services", "Lifts and escalators", "Plumbing and drainage", "Town gas"};
  AnnualSlots kept{};
  std::array<std::string, common::kAnnEgySlots> why;
  for (int code = 1; code < kViews; ++code) {
    std::string note = NotReadNote(code);
    if (note.empty() || given_[static_cast<size_t>(code)]) continue;
    const size_t slot = InputOf(code).slot;
    kept[slot] = true;
    if (why[slot].find(note) == std::string::npos) why[slot] += (why[slot].empty() ? "" : ", ") + note;
  }
  HandOverAnnualEnergy(prog_, kept);
  std::string told;
  for (size_t k = 0; k < kept.size(); ++k)
    if (kept[k]) told += std::string("\n") + kSlotNames[k] + ": " + why[k];
  if (!told.empty()) MsgBox("This annual energy was not handed over and keeps its earlier value:" + told);
  Unload();
}

void frmEgyCal::mnuDirExit_Click() { mnuFExit_Click(); }

}  // namespace simulation
