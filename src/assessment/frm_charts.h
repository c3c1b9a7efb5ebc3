#pragma once
// The charts window: the reference, alternative and current cases side by
// side as a bar chart, each case at a stage of its own, for one result
// type (LCIA in ten categories, life-cycle energy, waste, life-cycle cost,
// or the single score) and chart type (bars or stacked bars). Plot Chart
// copies the values out of the three case records and draws them; after
// the first plot every change of a choice redraws at once. The chart can be
// put on the clipboard as a picture.
//
// Cases are numbered 0 reference, 1 alternative, 2 current throughout.
// Each opening starts afresh (Form_Load); the case records stay.
#include <array>
#include <string>

#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"
#include "forms/picture_box.h"

namespace assessment {

class frmCharts : public forms::Form {
 public:
  frmCharts(common::Program& prog, forms::Platform& platform);

  forms::Label lblCases, lblParts, lblStage;
  forms::CheckBox chkBC, chkAlt, chkCur;
  std::array<forms::TextBox, 3> txtParts;  // the building-part captions of each case
  std::array<forms::ComboBox, 3> cboStage;
  forms::PictureBox picCht;
  forms::Label lblLCIAStg, lblCat, lblResTyp, lblChtTyp;
  forms::ComboBox cboLCIAStg, cboCat;
  forms::TextBox txtResTyp, txtChtTyp;
  forms::CommandButton cmdOK, cmdExport, cmdReturn;

  forms::Menu mnuOptions, mnuPlot, mnuExport, mnuReturn;
  forms::Menu mnuResult, mnuLCIA, mnuLCEA, mnuLCWA, mnuLCC, mnuSScore;
  forms::Menu mnuChart, mnuBars, mnuStack;

  // Window state, set afresh at each opening.
  common::Integer ResTyp = 0;                  // 0 LCIA, 1 energy, 2 waste, 3 cost, 4 single score
  common::Integer ChtTyp = 1;                  // 0 Bars, 1 Stacked Bars
  common::Integer LCIAStg = 0;                 // 0 weighted, 1 characterised, 2 normalised
  common::Integer CatIdx = 0;                  // 0 all categories, 1..10 one
  std::array<common::Integer, 3> CaseStage{};  // -1 when a stage list has no entry chosen
  common::Integer NoOfCaseChk = 0;
  bool ChtPlotted = false;
  std::array<std::string, 5> StageName{};

  // Chart inputs: entry 0 the single value of result types 1..4, entries
  // 1..10 the categories. The drawing divides them in place when it rescales.
  std::array<common::Single, 11> RefVal{}, AltVal{}, CurVal{};
  std::array<forms::Colour, 11> ChtColour{};
  std::array<std::string, 11> CatName{};

  // Handlers.
  void chkBC_Click() { CaseBoxClick(0); }
  void chkAlt_Click() { CaseBoxClick(1); }
  void chkCur_Click() { CaseBoxClick(2); }
  void cboStage_Click(int index);
  void cboLCIAStg_Click();
  void cboCat_Click();
  void cmdOK_Click();
  void cmdExport_Click() { mnuExport_Click(); }
  void cmdReturn_Click() { Unload(); }
  void mnuPlot_Click();
  void mnuExport_Click();
  void mnuReturn_Click() { Unload(); }
  void mnuLCIA_Click() { ChooseResult(0, "LCIA (10 impacts)"); }
  void mnuLCEA_Click() { ChooseResult(1, "Life Cycle Energy"); }
  void mnuLCWA_Click() { ChooseResult(2, "Waste Assessment"); }
  void mnuLCC_Click() { ChooseResult(3, "Life Cycle Cost"); }
  void mnuSScore_Click() { ChooseResult(4, "LCIA and LCC, 1-Score"); }
  void mnuBars_Click() { ChooseChart(0, "Bars"); }
  void mnuStack_Click() { ChooseChart(1, "Stacked Bars"); }

  // Fills the value arrays of the checked cases from their records; false
  // (after its message) when it stopped at a case it cannot collect.
  bool CollectChartData();
  // Draws the chart from the value arrays (frm_charts_draw.cpp).
  void DrawChart();

 protected:
  void Form_Load() override;

 private:
  void Layout();
  void WireHandlers();
  void CaseBoxClick(int caseNo);
  void ChooseResult(common::Integer resTyp, const char* text);
  void ChooseChart(common::Integer chtTyp, const char* text);
  void ReplotIfPlotted();
  forms::CheckBox& CaseBox(int caseNo);
  const common::CaseResultRec& CaseRecord(int caseNo) const;
  std::array<common::Single, 11>& CaseValues(int caseNo);
  // The drawing's steps; false when the data cannot be plotted.
  bool DrawChartSteps();
  void Bar(double x1, double y1, double x2, double y2, forms::Colour fill);
  void PrintAt(double x, double y, const std::string& text);

  common::Program& prog_;
};

// The pattern "#.###E+##" of the chart's top label: one digit before the
// point, up to three after it, then E and the signed exponent ("1.5E+6",
// "1.E+3", "2.346E-2").
std::string ScientificLabel(double value);

}  // namespace assessment
