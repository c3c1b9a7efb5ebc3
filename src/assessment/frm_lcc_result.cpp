#include "assessment/frm_lcc_result.h"

#include "assessment/lcc_values.h"
#include "common/number_text.h"
#include "common/paths.h"
#include "forms/control_array.h"
#include "forms/typed_input.h"

namespace assessment {

using common::Single;

namespace {

constexpr const char* kLccFilter = "LCC Calculation Result File (*.LCC)|*.LCC";
constexpr const char* kNoProject = "Open a Project File first!";
constexpr const char* kCopyFirst = "Copy all data to Values for LCC Assessment before confirmation";
constexpr const char* kViewFirst = "View Values for LCC Assessment before Confirmation";
constexpr const char* kRecordChanged =
    "The life-cycle costs have changed since this window was filled (a new costing run, or the project was "
    "closed). Nothing is confirmed: return and open the window again to review the new costs.";

const char* const kRowCaption[kLccRows] = {"Foundation",      "Envelope", "Frame",         "Contents",
                                           "Floors Tot.",     "HVAC",     "Elec && Light", "Fire Services",
                                           "Lifts && Escal.", "P && D",   "Services Tot.", "Building Total"};
const char* const kStageCaption[kLccStages] = {"Life Cycle", "As Built", "Optg (Mat'l)", "Optg (Egy)", "Demolition"};
constexpr int kRowTop[kLccRows] = {1920, 2400, 2760, 3120, 3480, 3960, 4320, 4680, 5040, 5400, 5760, 6240};
constexpr int kRuleY[6] = {1440, 1800, 2280, 3840, 6120, 6600};

// Screen columns run As Built .. Demolition, then Life Cycle.
int StageLeft(size_t s) { return s == 0 ? 7440 : 1680 + 1440 * static_cast<int>(s - 1); }

forms::Font BoldFont(float size) {
  forms::Font f;
  f.Bold = true;
  f.Size = size;
  return f;
}

}  // namespace

frmLCCResult::frmLCCResult(common::Program& prog, forms::Platform& platform)
    : Form(platform, "frmLCCResult"),
      Label1(*this, "Label1"),
      cmdOkay(*this, "cmdOkay"),
      cmdExit(*this, "cmdExit"),
      Frame1(*this, "Frame1"),
      Option1(Frame1, "Option1"),
      cmdCopy(Frame1, "cmdCopy"),
      Option2(Frame1, "Option2"),
      cmdUpDate(*this, "cmdUpDate"),
      lblStage(forms::MakeControlArray<forms::Label, 5>(*this, "lblStage")),
      lblFdnCost(*this, "lblFdnCost"),
      lblFlrEnv(*this, "lblFlrEnv"),
      lblFlrFram(*this, "lblFlrFram"),
      lblFlrCont(*this, "lblFlrCont"),
      lblFlrs(*this, "lblFlrs"),
      lblHVAC(*this, "lblHVAC"),
      lblElec(*this, "lblElec"),
      lblFS(*this, "lblFS"),
      lblLift(*this, "lblLift"),
      lblPD(*this, "lblPD"),
      lblSers(*this, "lblSers"),
      lblBldg(*this, "lblBldg"),
      txtFdn(forms::MakeControlArray<forms::TextBox, 5>(*this, "txtFdn")),
      txtEnv(forms::MakeControlArray<forms::TextBox, 5>(*this, "txtEnv")),
      txtFram(forms::MakeControlArray<forms::TextBox, 5>(*this, "txtFram")),
      txtCont(forms::MakeControlArray<forms::TextBox, 5>(*this, "txtCont")),
      txtFlrs(forms::MakeControlArray<forms::TextBox, 5>(*this, "txtFlrs")),
      txtHVAC(forms::MakeControlArray<forms::TextBox, 5>(*this, "txtHVAC")),
      txtELec(forms::MakeControlArray<forms::TextBox, 5>(*this, "txtELec")),
      txtFSer(forms::MakeControlArray<forms::TextBox, 5>(*this, "txtFSer")),
      txtLift(forms::MakeControlArray<forms::TextBox, 5>(*this, "txtLift")),
      txtPaD(forms::MakeControlArray<forms::TextBox, 5>(*this, "txtPaD")),
      txtSers(forms::MakeControlArray<forms::TextBox, 5>(*this, "txtSers")),
      txtBldg(forms::MakeControlArray<forms::TextBox, 5>(*this, "txtBldg")),
      Line1(forms::MakeControlArray<forms::Line, 6>(*this, "Line1")),
      mnuF(*this, nullptr, "mnuF", "File"),
      mnuFLoad(*this, &mnuF, "mnuFLoad", "Load Results into Current Form"),
      mnuFSave(*this, &mnuF, "mnuFSave", "Save Results Shown"),
      mnuFExp(*this, &mnuF, "mnuFExp", "Export Results Shown (.CSV)"),
      mnuFSep1(*this, &mnuF, "mnuFSep1", "-"),
      mnuFRet(*this, &mnuF, "mnuFRet", "Return (no changes)"),
      mnuFSep2(*this, &mnuF, "mnuFSep2", "-"),
      mnuFExit(*this, &mnuF, "mnuFExit", "Confirm and Exit"),
      prog_(prog) {
  SetCaption("Life Cycle Costing Results");
  SetClientSize(9255, 7005);
  Layout();
  WireHandlers();
}

forms::Label& frmLCCResult::RowLabel(int row) {
  forms::Label* labels[kLccRows] = {&lblFdnCost, &lblFlrEnv, &lblFlrFram, &lblFlrCont, &lblFlrs, &lblHVAC,
                                    &lblElec,    &lblFS,     &lblLift,    &lblPD,      &lblSers, &lblBldg};
  return *labels[row];
}

forms::TextBox& frmLCCResult::Box(int row, int stage) {
  std::array<forms::TextBox, 5>* rows[kLccRows] = {&txtFdn,  &txtEnv,  &txtFram, &txtCont, &txtFlrs, &txtHVAC,
                                                   &txtELec, &txtFSer, &txtLift, &txtPaD,  &txtSers, &txtBldg};
  return (*rows[row])[static_cast<size_t>(stage)];
}

void frmLCCResult::Layout() {
  const forms::Font bold = BoldFont(8.25f);
  Label1.SetCaption("Life Cycle Costing Results (VL$)");
  Label1.Move(360, 120, 6135, 375);
  Label1.SetFont(BoldFont(9.75f));
  cmdOkay.SetCaption("Confirm and Exit");
  cmdOkay.Move(6600, 120, 2175, 375);
  cmdExit.SetCaption("Return (no changes)");
  cmdExit.Move(6600, 120, 2175, 375);
  Frame1.Move(360, 480, 8415, 855);
  Frame1.SetFont(BoldFont(9.75f));
  Option1.SetCaption("Predicted / Last Confirmed Values");
  Option1.Move(120, 360, 3375, 255);
  cmdCopy.SetCaption("Copy All to ->");
  cmdCopy.Move(3480, 360, 1455, 375);
  Option2.SetCaption("Values for LCC Assessment");
  Option2.Move(5520, 360, 2775, 255);
  cmdUpDate.SetCaption("Update LCC");
  cmdUpDate.Move(3840, 840, 1455, 375);
  for (forms::CommandButton* b : {&cmdOkay, &cmdExit, &cmdCopy, &cmdUpDate}) b->SetFont(bold);
  for (size_t s = 0; s < kLccStages; ++s) {
    lblStage[s].SetCaption(kStageCaption[s]);
    lblStage[s].Move(StageLeft(s), 1560, 1335, 255);
    lblStage[s].SetFont(bold);
  }
  for (int row = 0; row < kLccRows; ++row) {
    auto& label = RowLabel(row);
    label.SetCaption(kRowCaption[row]);
    label.Move(360, kRowTop[row], 1215, 285);
    label.SetFont(bold);
    for (size_t s = 0; s < kLccStages; ++s) {
      forms::TextBox& box = Box(row, static_cast<int>(s));
      box.Move(StageLeft(s), kRowTop[row], 1335, 285);
      // The totals and the "Life Cycle" column are shaded in the button face.
      if (s == 0 || !IsLccItemRow(row)) box.SetBackColor(forms::kButtonFace);
    }
  }
  for (size_t i = 0; i < Line1.size(); ++i) Line1[i].SetPoints(360, kRuleY[i], 8760, kRuleY[i]);
}

void frmLCCResult::WireHandlers() {
  Option1.OnClick = [this] { Option1_Click(); };
  Option2.OnClick = [this] { Option2_Click(); };
  cmdCopy.OnClick = [this] { cmdCopy_Click(); };
  cmdUpDate.OnClick = [this] { cmdUpDate_Click(); };
  cmdOkay.OnClick = [this] { cmdOkay_Click(); };
  cmdExit.OnClick = [this] { cmdExit_Click(); };
  mnuFExit.OnClick = [this] { cmdOkay_Click(); };
  mnuFRet.OnClick = [this] { cmdExit_Click(); };
  mnuFSave.OnClick = [this] { mnuFSave_Click(); };
  mnuFLoad.OnClick = [this] { mnuFLoad_Click(); };
  mnuFExp.OnClick = [this] { mnuFExp_Click(); };
}

void frmLCCResult::Form_Load() { FillFromRecord(); }

void frmLCCResult::CostingRunEnded() {
  if (IsLoaded()) FillFromRecord();
}

// The window as it opens: the predicted column from the record, the
// assessment column at 0 (its boxes hold no numbers yet), the predicted
// view shown and "Copy All to ->" offered.
void frmLCCResult::FillFromRecord() {
  predicted_ = ReadCostCells(prog_.assess.LCAResult);
  filledFrom_ = predicted_;
  assessment_ = LccValues{};
  lccFileName_.clear();
  ownLcc_.clear();
  ownCsv_.clear();
  for (int row = 0; row < kLccRows; ++row)
    for (int s = 0; s < kLccStages; ++s) Box(row, s).SetText("");
  Option1.SetValue(false);
  Option2.SetValue(false);
  Option1.SetFontBold(false);
  Option2.SetFontBold(false);
  cmdCopy.SetVisible(true);
  cmdUpDate.SetVisible(false);
  cmdExit.SetVisible(true);
  Option1.SetValue(true);
}

void frmLCCResult::ShowValue(int row, int stage, Single value) { forms::ShowNumber(Box(row, stage), value); }

void frmLCCResult::ShowColumn(const LccValues& v) {
  for (int s = 0; s < kLccStages; ++s)
    for (int row = 0; row < kLccRows; ++row) ShowValue(row, s, v[static_cast<size_t>(row)][static_cast<size_t>(s)]);
}

std::optional<double> frmLCCResult::ReadBoxNumber(int row, int stage, bool asShown) {
  auto& box = Box(row, stage);
  const auto shown = box.Number();
  const double number = asShown || !shown ? LccBoxNumber(box.Text()) : *shown;
  if (common::NearestSingle(number)) return number;
  if (badBox_.empty())
    badBox_ = forms::PlainCaption(RowLabel(row).Caption()) + " / " + lblStage[static_cast<size_t>(stage)].Caption();
  return std::nullopt;
}

std::optional<Single> frmLCCResult::ReadBox(int row, int stage) {
  auto number = ReadBoxNumber(row, stage);
  return number ? common::NearestSingle(*number) : std::nullopt;
}

void frmLCCResult::ReportBadBox(const std::string& consequence) {
  if (badBox_.empty()) return;
  MsgBox(badBox_ + ": the number is too large. " + consequence);
  badBox_.clear();
}

std::optional<LccNumbers> frmLCCResult::ReadAllBoxes(const std::string& consequence) {
  LccNumbers v{};
  bool ok = true;
  for (int s = 0; s < kLccStages; ++s)
    for (int row = 0; row < kLccRows; ++row) {
      auto x = ReadBoxNumber(row, s, true);
      if (x) v[static_cast<size_t>(row)][static_cast<size_t>(s)] = *x;
      ok = ok && x.has_value();
    }
  if (!ok) {
    ReportBadBox(consequence);
    return std::nullopt;
  }
  return v;
}

bool frmLCCResult::Retotal(LccValues& v) {
  if (RecalcTotals(v)) return true;
  MsgBox("The totals are too large to be held. The values are not updated.");
  return false;
}

// The predicted view: what the boxes hold goes to the assessment column
// (a number too large keeps its previous value), the predicted column is
// shown. Totals are not recomputed here.
void frmLCCResult::Option1_Click() {
  Option1.SetFontBold(true);
  Option2.SetFontBold(false);
  cmdUpDate.SetVisible(false);
  for (int s = 0; s < kLccStages; ++s)
    for (int row = 0; row < kLccRows; ++row) {
      if (auto x = ReadBox(row, s)) assessment_[static_cast<size_t>(row)][static_cast<size_t>(s)] = *x;
      ShowValue(row, s, predicted_[static_cast<size_t>(row)][static_cast<size_t>(s)]);
    }
  ReportBadBox("The previous value is kept.");
}

void frmLCCResult::Option2_Click() {
  Option2.SetFontBold(true);
  Option1.SetFontBold(false);
  if (!cmdCopy.Visible()) cmdUpDate.SetVisible(true);
  Retotal(assessment_);
  ShowColumn(assessment_);
}

void frmLCCResult::cmdCopy_Click() {
  Option1.SetValue(true);
  for (int row = 0; row < kLccRows; ++row) {
    if (!IsLccItemRow(row)) continue;
    for (size_t s = 1; s <= 4; ++s) assessment_[static_cast<size_t>(row)][s] = predicted_[static_cast<size_t>(row)][s];
  }
  Option2.SetValue(true);
  cmdUpDate.SetVisible(true);
  cmdExit.SetVisible(false);
  cmdCopy.SetVisible(false);
}

// Reads the item rows of stages 1..4, re-totals and shows the assessment
// column; a total row or the "Life Cycle" column is never read. A box
// typed as one plain number keeps its digits (1234567.89 is not shown
// back as 1234568), so a later save writes them as typed.
bool frmLCCResult::Update() {
  LccValues next = assessment_;
  common::Array2<std::string, kLccRows, kLccStages> typed;
  bool ok = true;
  for (int row = 0; row < kLccRows; ++row) {
    if (!IsLccItemRow(row)) continue;
    for (int s = 1; s <= 4; ++s) {
      typed[static_cast<size_t>(row)][static_cast<size_t>(s)] = Box(row, s).Text();
      auto x = ReadBox(row, s);
      if (x) next[static_cast<size_t>(row)][static_cast<size_t>(s)] = *x;
      ok = ok && x.has_value();
    }
  }
  ReportBadBox("The previous value is kept.");
  if (!Retotal(next)) {
    ShowColumn(assessment_);
    return false;
  }
  assessment_ = next;
  ShowColumn(assessment_);
  for (int row = 0; row < kLccRows; ++row) {
    if (!IsLccItemRow(row)) continue;
    for (int s = 1; s <= 4; ++s) {
      const std::string& text = typed[static_cast<size_t>(row)][static_cast<size_t>(s)];
      double number = 0;
      if (text == Box(row, s).Text() || !common::ParseNumber(text, number)) continue;
      auto single = common::ToSingle(number);
      if (single && *single == assessment_[static_cast<size_t>(row)][static_cast<size_t>(s)]) Box(row, s).SetText(text);
    }
  }
  return ok;
}

void frmLCCResult::cmdOkay_Click() {
  if (cmdCopy.Visible()) {
    MsgBox(kCopyFirst);
    return;
  }
  if (!Option2.Value()) {
    MsgBox(kViewFirst);
    return;
  }
  if (ReadCostCells(prog_.assess.LCAResult) != filledFrom_) {
    MsgBox(kRecordChanged);
    return;
  }
  if (!Update()) return;
  WriteCostCells(prog_.assess.LCAResult, assessment_);
  Unload();
}

bool frmLCCResult::NeedsProject() {
  if (!prog_.building.Bldg.ProjFile.empty()) return false;
  MsgBox(kNoProject);
  return true;
}

void frmLCCResult::mnuFSave_Click() {
  if (NeedsProject()) return;
  if (lccFileName_.empty()) lccFileName_ = DefaultLccFileName(prog_.building.Bldg.ProjFile);
  auto chosen = GetPlatform().SaveFileDialog({"Save LCC Calculation Results", kLccFilter, "", lccFileName_, ownLcc_});
  if (!chosen || chosen->empty()) return;
  lccFileName_ = *chosen;
  auto values = ReadAllBoxes("Nothing is saved.");
  if (!values) return;
  std::string why;
  if (WriteLccFile(*chosen, *values, why)) {
    ownLcc_ = *chosen;
  } else {
    MsgBox("The LCC results were not saved: " + why + ".");
  }
}

// Every number of the file is read before any box changes.
void frmLCCResult::mnuFLoad_Click() {
  if (NeedsProject()) return;
  if (lccFileName_.empty()) lccFileName_ = DefaultLccFileName(prog_.building.Bldg.ProjFile);
  forms::FileDialogRequest request{"Load LCC Calculation Results", kLccFilter, "", lccFileName_};
  request.readsChosenFile = true;
  auto chosen = GetPlatform().SaveFileDialog(request);
  if (!chosen || chosen->empty()) return;
  lccFileName_ = *chosen;
  std::string why;
  LccValues loaded{};
  auto text = common::ReadWholeFile(*chosen, &why);
  if (!text || !ParseLccFile(*text, loaded, why)) {
    MsgBox("The LCC results could not be loaded (" + why + "). No value was changed.");
    return;
  }
  ownLcc_ = *chosen;
  ShowColumn(loaded);
}

void frmLCCResult::mnuFExp_Click() {
  auto chosen = GetPlatform().SaveFileDialog(
      {"Export LCC Calculation Results", "LCC Calculation Result File (*.CSV)|*.CSV", "", "", ownCsv_});
  if (!chosen || chosen->empty()) return;
  auto numbers = ReadAllBoxes("Nothing is exported.");
  if (!numbers) return;
  LccValues values{};  // the table holds Singles
  for (size_t row = 0; row < kLccRows; ++row)
    for (size_t s = 0; s < kLccStages; ++s) values[row][s] = *common::NearestSingle((*numbers)[row][s]);
  std::array<std::string, kLccStages> stageCaption;
  for (size_t s = 0; s < kLccStages; ++s) stageCaption[s] = lblStage[s].Caption();
  std::array<std::string, kLccRows> rowCaption;
  for (int row = 0; row < kLccRows; ++row) rowCaption[static_cast<size_t>(row)] = RowLabel(row).Caption();
  std::string why;
  if (common::WriteFileSafely(*chosen, FormatLccTable(stageCaption, rowCaption, values), &why)) {
    ownCsv_ = *chosen;
  } else {
    MsgBox("The LCC results were not exported: " + why + ".");
  }
}

}  // namespace assessment
