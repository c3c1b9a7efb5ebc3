#include "assessment/frm_result.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "assessment/category_captions.h"
#include "assessment/result_table.h"
#include "common/failure_text.h"
#include "common/number_text.h"
#include "common/paths.h"
#include "forms/control_array.h"

namespace assessment {

namespace {

constexpr const char* kResultFilter = "LCA/LCC Result files (*.RES)|*.RES";
constexpr const char* kSaveFailed = "Error encounterd in saving LCA/LCC results";
constexpr const char* kLoadFailed = "Error encounterd in loading LCA/LCC results";
constexpr const char* kTableFailed = "Failed to write results in table!!";
constexpr const char* kNoRun =
    "no results to save: no life cycle impact or cost calculation of this project has completed";

const char* const kCases[] = {"Reference Case", "Alternative Case", "Current Case"};
const char* const kPortions[] = {"Whole Bldg.", "Foundations", "Floors", "Services"};
const std::vector<std::vector<const char*>> kClasses = {
    {},
    {"All Foundations", "Select ........"},
    {"All Flrs.", "Envelope", "Frame", "Contents", "Select ........"},
    {"All Services.", "HVAC", "Elec. & Lgt.", "Fire Sers.", "Lifts & Esca.", "P & D", "Select ........"}};
const char* const kMessages[] = {"Data computed for the REFERENCE Case.", "Data computed for the ALTERNATIVE Case.",
                                 "Data computed for the CURRENT Case."};
// Rows 1..10 the categories, then energy use and solid waste.
const char* CatCaption(int k) {
  if (k == 11) return "11. Energy Use";
  if (k == 12) return "12. Solid Waste";
  return ModCal::kCategoryCaption[static_cast<size_t>(k)];
}

std::string ChosenText(const forms::ComboBox& cbo) {
  return cbo.ListIndex() < 0 ? std::string() : cbo.List(cbo.ListIndex());
}

// Twips: the columns of the result table and its row height.
constexpr int kColCaption = 240, kColChar = 3480, kColUnit = 4920, kColNorm = 6240, kColWgt = 7680;
constexpr int kBoxWidth = 1335, kBoxHeight = 285, kRowStep = 300, kFirstRow = 2400;

}  // namespace

frmResult::frmResult(common::Program& prog, forms::Platform& platform, std::function<void()> showCharts)
    : Form(platform, "frmResult"),
      lblCase(*this, "lblCase"),
      lblPortion(*this, "lblPortion"),
      lblStage(*this, "lblStage"),
      cboSelCase(*this, "cboSelCase"),
      cboPortion(*this, "cboPortion"),
      cboClass(*this, "cboClass"),
      cboCGNo(*this, "cboCGNo"),
      cboStage(*this, "cboStage"),
      cmdShowRes(*this, "cmdShowRes"),
      cmdShowChart(*this, "cmdShowChart"),
      lblMsg(forms::MakeControlArray<forms::Label, 3>(*this, "lblMsg")),
      lblTitle(*this, "lblTitle"),
      lblCatHead(*this, "lblCatHead"),
      lblCharHead(*this, "lblCharHead"),
      lblUnitHead(*this, "lblUnitHead"),
      lblNormHead(*this, "lblNormHead"),
      lblWgtHead(*this, "lblWgtHead"),
      lblCat(forms::MakeControlArray<forms::Label, 13>(*this, "lblCat")),
      lblUnit(forms::MakeControlArray<forms::Label, 13>(*this, "lblUnit")),
      txtBN(forms::MakeControlArray<forms::TextBox, 11>(*this, "txtBN")),
      txtWN(forms::MakeControlArray<forms::TextBox, 11>(*this, "txtWN")),
      txtAW(forms::MakeControlArray<forms::TextBox, 11>(*this, "txtAW")),
      txtLCEA(*this, "txtLCEA"),
      txtLCWA(*this, "txtLCWA"),
      txtLCCA(*this, "txtLCCA"),
      txtProjScore(*this, "txtProjScore"),
      lblTotImp(*this, "lblTotImp"),
      lblCost(*this, "lblCost"),
      lblScore(*this, "lblScore"),
      mnuOpt(*this, nullptr, "mnuOpt", "Options"),
      mnuLoad(*this, &mnuOpt, "mnuLoad", "Load"),
      mnuLoadBC(*this, &mnuLoad, "mnuLoadBC", "Reference Case"),
      mnuLoadAlt(*this, &mnuLoad, "mnuLoadAlt", "Alternative Case"),
      mnuSet(*this, &mnuOpt, "mnuSet", "Set Current Case As"),
      mnuSetBC(*this, &mnuSet, "mnuSetBC", "Reference Case"),
      mnuSetAlt(*this, &mnuSet, "mnuSetAlt", "Alternative Case"),
      mnuSave(*this, &mnuOpt, "mnuSave", "Save Results"),
      mnuSaveBC(*this, &mnuSave, "mnuSaveBC", "Reference Case"),
      mnuSaveAlt(*this, &mnuSave, "mnuSaveAlt", "Alternative Case"),
      mnuSaveCur(*this, &mnuSave, "mnuSaveCur", "Current Case"),
      mnuExpTab(*this, &mnuOpt, "mnuExpTab", "Export Table (*.CSV)"),
      mnuQuit(*this, &mnuOpt, "mnuQuit", "Return"),
      mnuDirRet(*this, nullptr, "mnuDirRet", "Return"),
      prog_(prog),
      showCharts_(std::move(showCharts)) {
  SetCaption("LCA/LCC Results");
  SetClientSize(9360, 6720);
  Layout();
  WireHandlers();
}

void frmResult::Layout() {
  lblCase.SetCaption("Case:");
  lblCase.Move(240, 240, 2055, 255);
  cboSelCase.Move(240, 480, 2055, 315);
  lblPortion.SetCaption("Building Parts:");
  lblPortion.Move(2520, 240, 2055, 255);
  cboPortion.Move(2520, 480, 1695, 315);
  cboClass.Move(4320, 480, 1695, 315);
  cboCGNo.Move(6120, 480, 2895, 315);
  lblStage.SetCaption("Life Cycle Stage:");
  lblStage.Move(240, 960, 2055, 255);
  cboStage.Move(240, 1200, 2055, 315);
  for (forms::ComboBox* c : {&cboSelCase, &cboPortion, &cboClass, &cboCGNo, &cboStage})
    c->SetStyle(forms::ComboStyle::DropDownList);
  cmdShowRes.SetCaption("Show Data");
  cmdShowRes.Move(2520, 1170, 1455, 375);
  cmdShowChart.SetCaption("Show Charts");
  cmdShowChart.Move(4080, 1170, 1455, 375);
  for (size_t i = 0; i < 3; ++i) lblMsg[i].Move(5640, 960 + 240 * static_cast<int>(i), 3720, 255);

  lblTitle.SetCaption("LCIA/LCC Results:");
  lblTitle.Move(kColCaption, 1800, 3000, 255);
  lblCatHead.SetCaption("Impact Categories");
  lblCatHead.Move(kColCaption, 2100, 3120, 255);
  lblCharHead.SetCaption("Characterised");
  lblCharHead.Move(kColChar, 2100, kBoxWidth, 255);
  lblUnitHead.SetCaption("Unit");
  lblUnitHead.Move(kColUnit, 2100, 1215, 255);
  lblNormHead.SetCaption("Normalised");
  lblNormHead.Move(kColNorm, 2100, kBoxWidth, 255);
  lblWgtHead.SetCaption("Weighted");
  lblWgtHead.Move(kColWgt, 2100, kBoxWidth, 255);
  lblCat[0].SetVisible(false);
  lblUnit[0].SetVisible(false);
  for (size_t k = 1; k <= 12; ++k) {
    int top = kFirstRow + kRowStep * static_cast<int>(k - 1);
    lblCat[k].SetCaption(CatCaption(k));
    lblCat[k].Move(kColCaption, top, 3120, kBoxHeight);
    lblUnit[k].SetCaption(TabCatUnit[k]);
    lblUnit[k].Move(kColUnit, top, 1215, kBoxHeight);
    if (k <= 10) {
      txtBN[k].Move(kColChar, top, kBoxWidth, kBoxHeight);
      txtWN[k].Move(kColNorm, top, kBoxWidth, kBoxHeight);
      txtAW[k].Move(kColWgt, top, kBoxWidth, kBoxHeight);
    }
  }
  const int energyRow = kFirstRow + kRowStep * 10, wasteRow = energyRow + kRowStep, scoreRow = wasteRow + 420;
  txtLCEA.Move(kColChar, energyRow, kBoxWidth, kBoxHeight);
  txtLCWA.Move(kColChar, wasteRow, kBoxWidth, kBoxHeight);
  lblTotImp.SetCaption("Tot. Imp. (Cat.1-10) >");
  lblTotImp.Move(kColNorm - 600, energyRow, 1935, kBoxHeight);
  txtAW[0].Move(kColWgt, energyRow, kBoxWidth, kBoxHeight);
  lblCost.SetCaption("Stage / LC Cost (VL$) >");
  lblCost.Move(kColNorm - 600, wasteRow, 1935, kBoxHeight);
  txtLCCA.Move(kColWgt, wasteRow, kBoxWidth, kBoxHeight);
  lblScore.SetCaption("Total LCA/LCC Score >");
  lblScore.Move(kColNorm - 600, scoreRow, 1935, kBoxHeight);
  txtProjScore.Move(kColWgt, scoreRow, kBoxWidth, kBoxHeight);
  txtBN[0].Move(kColChar, scoreRow, kBoxWidth, kBoxHeight);
  txtWN[0].Move(kColNorm, scoreRow, kBoxWidth, kBoxHeight);
}

void frmResult::WireHandlers() {
  cboSelCase.OnClick = [this] { cboSelCase_Click(); };
  cboPortion.OnClick = [this] { cboPortion_Click(); };
  cboClass.OnClick = [this] { cboClass_Click(); };
  cboCGNo.OnClick = [this] { cboCGNo_Click(); };
  cboStage.OnClick = [this] { cboStage_Click(); };
  cmdShowRes.OnClick = [this] { cmdShowRes_Click(); };
  cmdShowChart.OnClick = [this] { cmdShowChart_Click(); };
  mnuLoadBC.OnClick = [this] { mnuLoadBC_Click(); };
  mnuLoadAlt.OnClick = [this] { mnuLoadAlt_Click(); };
  mnuSetBC.OnClick = [this] { mnuSetBC_Click(); };
  mnuSetAlt.OnClick = [this] { mnuSetAlt_Click(); };
  mnuSaveBC.OnClick = [this] { mnuSaveBC_Click(); };
  mnuSaveAlt.OnClick = [this] { mnuSaveAlt_Click(); };
  mnuSaveCur.OnClick = [this] { mnuSaveCur_Click(); };
  mnuExpTab.OnClick = [this] { mnuExpTab_Click(); };
  mnuQuit.OnClick = [this] { mnuQuit_Click(); };
  mnuDirRet.OnClick = [this] { mnuQuit_Click(); };
}

// Each opening starts with nothing shown, the current case chosen and no
// part or stage; the reference and alternative copies stay.
void frmResult::Form_Load() {
  txtBN[0].SetText("Stage / LC Cost (VL$)");
  txtWN[0].SetText("Tot. Imp. (Cat.1-10)");
  txtBN[0].SetVisible(false);
  txtWN[0].SetVisible(false);
  mnuSaveBC.SetEnabled(false);
  mnuSaveAlt.SetEnabled(false);
  mnuExpTab.SetEnabled(false);
  EmptyMessages();
  cboPortion.Clear();
  for (const char* p : kPortions) cboPortion.AddItem(p);
  cboStage.Clear();
  for (const char* s : ModCal::kStageName) cboStage.AddItem(s);
  cboClass.Clear();
  cboCGNo.Clear();
  cboSelCase.Clear();
  for (const char* c : kCases) cboSelCase.AddItem(c);
  choice_ = CaseChoice{};
  ownFile_ = {};
  ClearResultBoxes();
  cboSelCase.SetListIndex(2);
}

void frmResult::EmptyMessages() {
  for (auto& m : lblMsg) m.SetCaption("");
}

common::CaseResultRec& frmResult::CaseRecord(int caseNo) {
  auto& a = prog_.assess;
  return caseNo == 0 ? a.RefResult : caseNo == 1 ? a.AltResult : a.CurResult;
}

void frmResult::ClearResultBoxes() {
  for (size_t k = 1; k <= 10; ++k) {
    txtBN[k].SetText("");
    txtWN[k].SetText("");
  }
  for (auto& t : txtAW) t.SetText("");
  txtLCEA.SetText("");
  txtLCWA.SetText("");
  txtLCCA.SetText("");
  txtProjScore.SetText("");
  mnuExpTab.SetEnabled(false);
}

void frmResult::ShowCaseResult() {
  auto s = static_cast<size_t>(choice_.SelStage);
  if (choice_.SelStage < 0 || s > 4) return;
  const auto& r = ShownResult;
  for (size_t k = 1; k <= 10; ++k) {
    txtBN[k].SetText(common::DisplayText(r.Res[1][s][k]));
    txtWN[k].SetText(common::DisplayText(r.Res[2][s][k]));
    txtAW[k].SetText(common::DisplayText(r.Res[0][s][k]));
  }
  txtAW[0].SetText(common::DisplayText(r.Res[0][s][0]));
  txtLCEA.SetText(common::DisplayText(r.Egy[s]));
  txtLCWA.SetText(common::DisplayText(r.Waste[s]));
  txtLCCA.SetText(common::DisplayText(r.Cost[s]));
  txtProjScore.SetText(scores_.available[s] ? common::DisplayText(prog_.assess.ProjScore[s])
                                            : std::string(kScoreNotAvailable));
  mnuExpTab.SetEnabled(true);
}

// The part, class and group lists belong to the building of the case
// chosen before: choosing a case starts them again, so no group of one
// building is shown under another.
void frmResult::TakeCaseData(int caseNo) {
  switch (caseNo) {
    case 0:
      ShownBldg = RefBldg;
      ShownLCAResult = RefLCAResult;
      ShownGroupResult = RefGroupResult;
      break;
    case 1:
      ShownBldg = AltBldg;
      ShownLCAResult = AltLCAResult;
      ShownGroupResult = AltGroupResult;
      break;
    default:
      ShownBldg = CurrentCaseBuilding();
      ShownLCAResult = prog_.assess.LCAResult;
      ShownGroupResult = prog_.assess.GroupResult;
      break;
  }
}

// Before the project's first completed run no result names a group: the
// building as edited stands for it.
const common::BldgRec& frmResult::CurrentCaseBuilding() const {
  return prog_.assess.RunBldg ? *prog_.assess.RunBldg : prog_.building.Bldg;
}

void frmResult::cboSelCase_Click() {
  choice_.SelCase = cboSelCase.ListIndex();
  if (choice_.SelCase >= 0 && choice_.SelCase <= 2) {
    ShownResult = CaseRecord(choice_.SelCase);
    TakeCaseData(choice_.SelCase);
  }
  cboPortion.SetListIndex(-1);
  cboClass.Clear();
  cboCGNo.Clear();
  choice_.SelPortion = choice_.SelClass = choice_.SelGroup = -1;
  ClearResultBoxes();
}

void frmResult::cboPortion_Click() {
  ClearResultBoxes();
  cboClass.Clear();
  cboCGNo.Clear();
  choice_.SelPortion = cboPortion.ListIndex();
  if (choice_.SelPortion <= 0) return;
  for (const char* c : kClasses[static_cast<size_t>(choice_.SelPortion)]) cboClass.AddItem(c);
  EmptyMessages();
}

void frmResult::cboClass_Click() {
  ClearResultBoxes();
  cboCGNo.Clear();
  choice_.SelClass = cboClass.ListIndex();
  if (choice_.SelClass < 0 || choice_.SelClass != GroupEntryClass(choice_.SelPortion)) return;
  // The current case lists the groups of the building the current results
  // were computed for, as Show Data then shows those results.
  if (choice_.SelCase == 2) TakeCaseData(2);
  if (ShownBldg.ProjFile.empty()) return;
  const auto& b = ShownBldg;
  auto fill = [&](int count, const auto& names) {
    int n = std::clamp<int>(count, 0, static_cast<int>(names.size()));
    for (int i = 0; i < n; ++i) cboCGNo.AddItem(names[static_cast<size_t>(i)]);
  };
  switch (choice_.SelPortion) {
    case 1:
      fill(b.NoOfFdnGrp, b.FdnGrpName);
      break;
    case 2:
      fill(b.NoOfFlrGrp, b.FlrGrpName);
      break;
    case 3:
      fill(b.NoOfSerGrp, b.SerGrpName);
      break;
    default:
      break;
  }
  EmptyMessages();
}

// Figures shown belong to one group: another group empties them, so the
// table never labels one group's figures with another's name.
void frmResult::cboCGNo_Click() { ClearResultBoxes(); }

void frmResult::cboStage_Click() {
  ClearResultBoxes();
  EmptyMessages();
}

void frmResult::cmdShowRes_Click() {
  choice_.SelPortion = cboPortion.ListIndex();
  choice_.SelClass = cboClass.ListIndex();
  choice_.SelGroup = cboCGNo.ListIndex();
  choice_.SelStage = cboStage.ListIndex();
  const auto& c = choice_;
  if (c.SelCase < 0 || c.SelPortion < 0 || c.SelStage < 0) return;
  if (c.SelPortion != 0 && c.SelClass < 0) return;
  if (c.SelPortion != 0 && c.SelClass == GroupEntryClass(c.SelPortion) && c.SelGroup < 0) return;
  // Figures labelled current are the program's current results: a run made
  // since the case was chosen is taken too.
  if (c.SelCase == 2) TakeCaseData(2);
  StageScores scores;
  common::CaseResultRec computed = ShownResult;
  if (!ComputeShownResult(ShownLCAResult, ShownGroupResult, c, prog_.assess.factors, computed, scores)) return;
  ShownResult = computed;
  scores_ = scores;
  prog_.assess.ProjScore = scores.value;
  ShownResult.PartCaption = {ChosenText(cboPortion), ChosenText(cboClass), ChosenText(cboCGNo)};
  CaseRecord(c.SelCase) = ShownResult;
  lblMsg[static_cast<size_t>(c.SelCase)].SetCaption(kMessages[c.SelCase]);
  ShowCaseResult();
}

void frmResult::cmdShowChart_Click() {
  if (showCharts_) showCharts_();
}

void frmResult::ChooseCase(int caseNo, bool refresh) {
  if (cboSelCase.ListIndex() == caseNo) {
    if (refresh) cboSelCase_Click();
  } else {
    cboSelCase.SetListIndex(caseNo);
  }
}

void frmResult::SetCase(int caseNo) {
  ClearResultBoxes();
  auto& a = prog_.assess;
  const auto& bldg = CurrentCaseBuilding();
  if (caseNo == 0) {
    a.RefResult = a.CurResult;
    RefBldg = bldg;
    RefLCAResult = a.LCAResult;
    RefGroupResult = a.GroupResult;
    mnuSaveBC.SetEnabled(true);
  } else {
    a.AltResult = a.CurResult;
    AltBldg = bldg;
    AltLCAResult = a.LCAResult;
    AltGroupResult = a.GroupResult;
    mnuSaveAlt.SetEnabled(true);
  }
  // The chosen case stays; when it is the one just set, its shown copies
  // follow the new inputs so Show Data and Save never use the old ones.
  if (cboSelCase.ListIndex() == caseNo) cboSelCase_Click();
}

void frmResult::LoadCase(int caseNo) {
  auto loaded = std::make_unique<CaseData>(CaseData{ShownBldg, ShownLCAResult, ShownGroupResult});
  if (!LoadResultFile(caseNo, *loaded)) return;
  if (caseNo == 0) {
    RefBldg = loaded->Bldg;
    RefLCAResult = loaded->LCAResult;
    RefGroupResult = loaded->GroupResult;
    mnuSaveBC.SetEnabled(true);
  } else {
    AltBldg = loaded->Bldg;
    AltLCAResult = loaded->LCAResult;
    AltGroupResult = loaded->GroupResult;
    mnuSaveAlt.SetEnabled(true);
  }
  ChooseCase(caseNo, true);
}

void frmResult::SaveCase(int caseNo) {
  TakeCaseData(caseNo);
  SaveResultFile(caseNo);
  ChooseCase(caseNo, false);
}

void frmResult::SaveResultFile(int caseNo) {
  std::string name = DefaultResultFileName(ShownBldg.ProjFile, caseNo);
  if (ShownBldg.ProjFile.size() < 4 || name.empty()) {
    MsgBox(kSaveFailed);
    return;
  }
  // Zeros saved as the current case would read as a building of no impact.
  if (caseNo == 2 && !prog_.assess.RunBldg) {
    MsgBox(common::WithReason(kSaveFailed, kNoRun));
    return;
  }
  forms::FileDialogRequest request{"Open File for Saving LCA/LCC Results", kResultFilter, "", name,
                                   ownFile_[static_cast<size_t>(caseNo)]};
  auto chosen = GetPlatform().SaveFileDialog(request);
  bool saved = false;
  std::string why;
  if (chosen && !chosen->empty()) {
    auto data = std::make_unique<CaseData>(CaseData{ShownBldg, ShownLCAResult, ShownGroupResult});
    saved = WriteResultFile(*chosen, *data, why);
  }
  if (saved) ownFile_[static_cast<size_t>(caseNo)] = *chosen;
  if (!saved) MsgBox(common::WithReason(kSaveFailed, why));
}

// Needs no open project: without a project file name to form the default
// from, the dialog proposes no name.
bool frmResult::LoadResultFile(int caseNo, CaseData& loaded) {
  forms::FileDialogRequest request{"Open File for Loading LCA/LCC Results", kResultFilter, "",
                                   DefaultResultFileName(ShownBldg.ProjFile, caseNo)};
  auto chosen = GetPlatform().OpenFileDialog(request);
  bool ok = false;
  std::string why;
  if (chosen && !chosen->empty()) {
    auto text = common::ReadWholeFile(*chosen, &why);
    ok = text && ParseResultFile(*text, loaded, why);
  }
  if (ok) ownFile_[static_cast<size_t>(caseNo)] = *chosen;
  if (!ok) MsgBox(common::WithReason(kLoadFailed, why));
  return ok;
}

void frmResult::mnuExpTab_Click() {
  choice_.SelCase = cboSelCase.ListIndex();
  choice_.SelPortion = cboPortion.ListIndex();
  choice_.SelClass = cboClass.ListIndex();
  choice_.SelGroup = cboCGNo.ListIndex();
  choice_.SelStage = cboStage.ListIndex();
  forms::FileDialogRequest request{"Write Results as Excel Table", "LCA/LCC Results (*.CSV)|*.CSV", "", ""};
  auto chosen = GetPlatform().OpenFileDialog(request);
  if (!chosen || chosen->empty()) {
    MsgBox(kTableFailed);
    return;
  }
  ResultTableContent t;
  t.projName = prog_.building.Bldg.ProjName;
  t.choice = {ChosenText(cboSelCase), ChosenText(cboPortion), ChosenText(cboClass), ChosenText(cboCGNo),
              ChosenText(cboStage)};
  for (size_t k = 1; k <= 10; ++k) {
    t.characterised[k] = txtBN[k].Text();
    t.normalised[k] = txtWN[k].Text();
    t.weighted[k] = txtAW[k].Text();
  }
  t.weightedTotal = txtAW[0].Text();
  t.energy = txtLCEA.Text();
  t.waste = txtLCWA.Text();
  t.cost = txtLCCA.Text();
  t.score = txtProjScore.Text();
  t.totalCaption = txtWN[0].Text();
  t.costCaption = txtBN[0].Text();
  std::string why;
  bool written = common::WriteDataFile(*chosen, ResultTableWriter(t), &why);
  if (!written) MsgBox(common::WithReason(kTableFailed, why));
}

}  // namespace assessment
