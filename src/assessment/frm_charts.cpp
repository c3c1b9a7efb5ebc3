#include "assessment/frm_charts.h"

#include "assessment/case_result.h"
#include "assessment/category_captions.h"
#include "assessment/result_table.h"
#include "forms/control_array.h"

namespace assessment {

namespace {

constexpr const char* kValueKinds[] = {"Weighted", "Characterised", "Normalised"};
// The palette colour of each entry of the colour table.
constexpr int kPaletteOf[] = {0, 7, 13, 9, 4, 14, 3, 12, 1, 10, 5};
constexpr const char* kNoStage[] = {"Select Life Cycle Stage for the Base Case first!",
                                    "Select Life Cycle Stage for the Alternative Case first!",
                                    "Select Life Cycle Stage for the Current Case first!"};
constexpr const char* kNoValueKind = "Select LCIA Stage first!";
constexpr const char* kCannotPlot = "Current set of data cannot be plotted!!";

forms::Font BoldFont() {
  forms::Font f;
  f.Bold = true;
  return f;
}

}  // namespace

frmCharts::frmCharts(common::Program& prog, forms::Platform& platform)
    : Form(platform, "frmCharts"),
      lblCases(*this, "lblCases"),
      lblParts(*this, "lblParts"),
      lblStage(*this, "lblStage"),
      chkBC(*this, "chkBC"),
      chkAlt(*this, "chkAlt"),
      chkCur(*this, "chkCur"),
      txtParts(forms::MakeControlArray<forms::TextBox, 3>(*this, "txtParts")),
      cboStage(forms::MakeControlArray<forms::ComboBox, 3>(*this, "cboStage")),
      picCht(*this, "picCht"),
      lblLCIAStg(*this, "lblLCIAStg"),
      lblCat(*this, "lblCat"),
      lblResTyp(*this, "lblResTyp"),
      lblChtTyp(*this, "lblChtTyp"),
      cboLCIAStg(*this, "cboLCIAStg"),
      cboCat(*this, "cboCat"),
      txtResTyp(*this, "txtResTyp"),
      txtChtTyp(*this, "txtChtTyp"),
      cmdOK(*this, "cmdOK"),
      cmdExport(*this, "cmdExport"),
      cmdReturn(*this, "cmdReturn"),
      mnuOptions(*this, nullptr, "mnuOptions", "Options"),
      mnuPlot(*this, &mnuOptions, "mnuPlot", "Plot Chart"),
      mnuExport(*this, &mnuOptions, "mnuExport", "Export Chart"),
      mnuReturn(*this, &mnuOptions, "mnuReturn", "Close Form"),
      mnuResult(*this, nullptr, "mnuResult", "Result"),
      mnuLCIA(*this, &mnuResult, "mnuLCIA", "LCIA (10 Impacts)"),
      mnuLCEA(*this, &mnuResult, "mnuLCEA", "Life Cycle Energy"),
      mnuLCWA(*this, &mnuResult, "mnuLCWA", "Waste"),
      mnuLCC(*this, &mnuResult, "mnuLCC", "Life Cycle Cost"),
      mnuSScore(*this, &mnuResult, "mnuSScore", "LCIA and LCC (Single Score)"),
      mnuChart(*this, nullptr, "mnuChart", "Chart"),
      mnuBars(*this, &mnuChart, "mnuBars", "Bars"),
      mnuStack(*this, &mnuChart, "mnuStack", "Stacked Bars"),
      prog_(prog) {
  SetCaption("LCIA/LCC Results (Charts)");
  SetClientSize(10005, 7455);
  Layout();
  WireHandlers();
}

void frmCharts::Layout() {
  const forms::Font bold = BoldFont();
  auto label = [&](forms::Label& l, const char* caption, int left, int top, int width, int height) {
    l.SetCaption(caption);
    l.Move(left, top, width, height);
    l.SetFont(bold);
  };
  label(lblCases, "Cases:", 360, 120, 615, 255);
  label(lblParts, "Building Parts:", 1800, 120, 3735, 255);
  label(lblStage, "Life Cycle Stage:", 7680, 120, 2055, 255);
  const char* boxCaptions[] = {"Reference", "Alternative", "Current"};
  const int boxWidths[] = {1215, 1335, 1095};
  for (int k = 0; k < 3; ++k) {
    auto i = static_cast<size_t>(k);
    int top = 480 + 360 * k;
    CaseBox(k).SetCaption(boxCaptions[i]);
    CaseBox(k).Move(360, top, boxWidths[i], 255);
    CaseBox(k).SetFont(bold);
    txtParts[i].Move(1800, top, 5775, 285);
    cboStage[i].Move(7680, top, 2055, 315);
  }
  picCht.Move(360, 1680, 7200, 5400);
  label(lblLCIAStg, "LCIA Stage", 7680, 1800, 1935, 255);
  cboLCIAStg.Move(7680, 2040, 2055, 315);
  label(lblCat, "Impact Categories", 7680, 2520, 1935, 255);
  cboCat.Move(7680, 2760, 2055, 315);
  label(lblResTyp, "Result", 7680, 3240, 2055, 255);
  txtResTyp.Move(7680, 3480, 2055, 285);
  label(lblChtTyp, "Chart Type", 7680, 3960, 2055, 255);
  txtChtTyp.Move(7680, 4200, 2055, 285);
  auto button = [&](forms::CommandButton& b, const char* caption, int top) {
    b.SetCaption(caption);
    b.Move(7680, top, 2055, 495);
    b.SetFont(bold);
  };
  button(cmdOK, "Plot Chart", 4800);
  button(cmdExport, "Export Chart", 5640);
  button(cmdReturn, "Return", 6480);
}

void frmCharts::WireHandlers() {
  chkBC.OnClick = [this] { chkBC_Click(); };
  chkAlt.OnClick = [this] { chkAlt_Click(); };
  chkCur.OnClick = [this] { chkCur_Click(); };
  for (int i = 0; i < 3; ++i) cboStage[static_cast<size_t>(i)].OnClick = [this, i] { cboStage_Click(i); };
  cboLCIAStg.OnClick = [this] { cboLCIAStg_Click(); };
  cboCat.OnClick = [this] { cboCat_Click(); };
  cmdOK.OnClick = [this] { cmdOK_Click(); };
  cmdExport.OnClick = [this] { cmdExport_Click(); };
  cmdReturn.OnClick = [this] { cmdReturn_Click(); };
  mnuPlot.OnClick = [this] { mnuPlot_Click(); };
  mnuExport.OnClick = [this] { mnuExport_Click(); };
  mnuReturn.OnClick = [this] { mnuReturn_Click(); };
  mnuLCIA.OnClick = [this] { mnuLCIA_Click(); };
  mnuLCEA.OnClick = [this] { mnuLCEA_Click(); };
  mnuLCWA.OnClick = [this] { mnuLCWA_Click(); };
  mnuLCC.OnClick = [this] { mnuLCC_Click(); };
  mnuSScore.OnClick = [this] { mnuSScore_Click(); };
  mnuBars.OnClick = [this] { mnuBars_Click(); };
  mnuStack.OnClick = [this] { mnuStack_Click(); };
}

forms::CheckBox& frmCharts::CaseBox(int caseNo) { return caseNo == 0 ? chkBC : caseNo == 1 ? chkAlt : chkCur; }

const common::CaseResultRec& frmCharts::CaseRecord(int caseNo) const {
  const auto& a = prog_.assess;
  return caseNo == 0 ? a.RefResult : caseNo == 1 ? a.AltResult : a.CurResult;
}

std::array<common::Single, 11>& frmCharts::CaseValues(int caseNo) {
  return caseNo == 0 ? RefVal : caseNo == 1 ? AltVal : CurVal;
}

void frmCharts::Form_Load() {
  // The window object outlives an unload: each opening starts afresh, with
  // no case box checked and nothing drawn.
  for (int k = 0; k < 3; ++k) CaseBox(k).SetValue(0);
  picCht.Cls();
  ResTyp = 0;
  ChtTyp = 1;
  LCIAStg = 0;
  CatIdx = 0;
  CaseStage = {0, 0, 0};

  ChtPlotted = false;
  for (size_t i = 0; i < ChtColour.size(); ++i) ChtColour[i] = forms::QBColor(kPaletteOf[i]);
  RefVal.fill(0);
  AltVal.fill(0);
  CurVal.fill(0);
  for (size_t s = 0; s < StageName.size(); ++s) StageName[s] = ModCal::kStageName[s];
  for (auto& cbo : cboStage) {
    cbo.Clear();
    for (const auto& name : StageName) cbo.AddItem(name);
    cbo.SetListIndex(0);
  }
  // "All", then the categories as the result table names them.
  CatName[0] = "All";
  for (size_t c = 1; c < CatName.size(); ++c) CatName[c] = TabCatName[c];
  cboCat.Clear();
  for (const auto& name : CatName) cboCat.AddItem(name);
  cboCat.SetListIndex(0);
  cboLCIAStg.Clear();
  for (const char* kind : kValueKinds) cboLCIAStg.AddItem(kind);
  cboLCIAStg.SetListIndex(0);
  for (auto& t : txtParts) t.SetText("");
  chkCur.SetValue(1);
  mnuLCIA_Click();
  mnuStack_Click();
}

// A case box shows the captions of its case while checked; it never redraws.
void frmCharts::CaseBoxClick(int caseNo) {
  auto& parts = txtParts[static_cast<size_t>(caseNo)];
  parts.SetText("");
  if (CaseBox(caseNo).Value() == 1) {
    const auto& cap = CaseRecord(caseNo).PartCaption;
    parts.SetText(cap[0] + "; " + cap[1] + "; " + cap[2]);
  }
  NoOfCaseChk = static_cast<common::Integer>(chkBC.Value() + chkAlt.Value() + chkCur.Value());
}

void frmCharts::ReplotIfPlotted() {
  if (ChtPlotted) cmdOK_Click();
}

void frmCharts::cboStage_Click(int index) {
  (void)index;
  ReplotIfPlotted();
}
void frmCharts::cboLCIAStg_Click() { ReplotIfPlotted(); }
void frmCharts::cboCat_Click() { ReplotIfPlotted(); }
void frmCharts::mnuPlot_Click() { ReplotIfPlotted(); }

void frmCharts::ChooseResult(common::Integer resTyp, const char* text) {
  ResTyp = resTyp;
  txtResTyp.SetText(text);
  ReplotIfPlotted();
}

void frmCharts::ChooseChart(common::Integer chtTyp, const char* text) {
  ChtTyp = chtTyp;
  txtChtTyp.SetText(text);
  ReplotIfPlotted();
}

void frmCharts::cmdOK_Click() {
  if (NoOfCaseChk < 1) return;
  for (size_t i = 0; i < 3; ++i) CaseStage[i] = static_cast<common::Integer>(cboStage[i].ListIndex());
  LCIAStg = static_cast<common::Integer>(cboLCIAStg.ListIndex());
  CatIdx = static_cast<common::Integer>(cboCat.ListIndex());
  if (!CollectChartData()) return;
  DrawChart();
  ChtPlotted = true;
}

bool frmCharts::CollectChartData() {
  for (int k = 0; k < 3; ++k) {
    if (CaseBox(k).Value() != 1) continue;
    int s = CaseStage[static_cast<size_t>(k)];
    if (s < 0 || s > 4) {
      MsgBox(kNoStage[k]);
      return false;
    }
    const auto& rec = CaseRecord(k);
    auto& val = CaseValues(k);
    auto si = static_cast<size_t>(s);
    switch (ResTyp) {
      case 0:
        // The value kind indexes the record: a kind list typed over names none.
        if (LCIAStg < 0 || LCIAStg > 2) {
          MsgBox(kNoValueKind);
          return false;
        }
        for (size_t c = 1; c <= 10; ++c) val[c] = rec.Res[static_cast<size_t>(LCIAStg)][si][c];
        break;
      case 1:
        val[0] = rec.Egy[si];
        break;
      case 2:
        val[0] = rec.Waste[si];
        break;
      case 3:
        val[0] = rec.Cost[si];
        break;
      case 4: {
        // The case's score under the weights in use, the figure the results
        // window shows for it after Show Data: its characterised values
        // weighted again, whatever weights were in use when it was stored.
        // None when the electricity price in use is 0.
        const auto& factors = prog_.assess.factors;
        std::array<common::Single, 11> normalised{}, weighted{};
        WeighStage(rec.Res[1][si], factors, normalised, weighted);
        auto score = StageScore(rec.Cost[si], weighted[0], factors);
        if (!score) {
          MsgBox(kCannotPlot);
          return false;
        }
        val[0] = *score;
        break;
      }
      default:
        break;
    }
  }
  return true;
}

void frmCharts::mnuExport_Click() {
  GetPlatform().ClearClipboard();
  GetPlatform().PutClipboardPicture(picCht);
}

}  // namespace assessment
