// The charts window: its opening state, the choices that redraw once a
// chart has been plotted, the collection of each result type from the case
// records, and the clipboard.
#include "assessment/frm_charts.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "assessment/factors.h"
#include "assessment/frm_result.h"
#include "common/number_text.h"
#include "support/scripted_platform.h"

namespace {

using assessment::frmCharts;

class ChartsWindowTest : public testing::Test {
 protected:
  ChartsWindowTest() {
    ModCal::SetDefaultFactors(prog.assess.factors);
    prog.building.Bldg.ProjName = "Tower";
    // Every stage and category of every case holds a value of its own.
    for (auto* rec : {&prog.assess.RefResult, &prog.assess.AltResult, &prog.assess.CurResult}) {
      float base = rec == &prog.assess.RefResult ? 100.f : rec == &prog.assess.AltResult ? 200.f : 300.f;
      for (size_t kind = 0; kind < 3; ++kind)
        for (size_t s = 0; s < 5; ++s)
          for (size_t c = 0; c < 11; ++c) rec->Res[kind][s][c] = base + 10.f * kind + s + 0.01f * c;
      for (size_t s = 0; s < 5; ++s) {
        rec->Egy[s] = base + 1 + s;
        rec->Waste[s] = base + 2 + s;
        rec->Cost[s] = base + 3 + s;
      }
    }
    prog.assess.CurResult.PartCaption = {"Floors", "Envelope", ""};
    prog.assess.RefResult.PartCaption = {"Whole Bldg.", "", ""};
    w->Show();
  }
  bool Drawn() const { return !w->picCht.Drawing().empty(); }

  testsupport::ScriptedPlatform platform;
  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  std::unique_ptr<frmCharts> w = std::make_unique<frmCharts>(prog, platform);
};

TEST_F(ChartsWindowTest, OpeningState) {
  EXPECT_EQ(w->Caption(), "LCIA/LCC Results (Charts)");
  EXPECT_EQ(w->chkCur.Value(), 1);
  EXPECT_EQ(w->chkBC.Value(), 0);
  EXPECT_EQ(w->chkAlt.Value(), 0);
  EXPECT_EQ(w->txtParts[2].Text(), "Floors; Envelope; ");
  EXPECT_EQ(w->txtParts[0].Text(), "");
  EXPECT_EQ(w->txtParts[1].Text(), "");
  for (const auto& cbo : w->cboStage) {
    EXPECT_EQ(cbo.ListCount(), 5);
    EXPECT_EQ(cbo.Text(), "Whole Life Cycle");
  }
  EXPECT_EQ(w->cboLCIAStg.Text(), "Weighted");
  EXPECT_EQ(w->cboCat.Text(), "All");
  EXPECT_EQ(w->cboCat.List(10), "10. Eutrophication");
  EXPECT_EQ(w->txtResTyp.Text(), "LCIA (10 impacts)");
  EXPECT_EQ(w->txtChtTyp.Text(), "Stacked Bars");
  EXPECT_EQ(w->NoOfCaseChk, 1);
  EXPECT_FALSE(w->ChtPlotted);
  EXPECT_FALSE(Drawn());
  EXPECT_EQ(w->ChtColour[2], 0xFF00FFu);
  EXPECT_EQ(w->ChtColour[6], 0x008080u);
}

// Every choice redraws once a chart has been plotted, and never before.
TEST_F(ChartsWindowTest, ChoicesRedrawOnlyAfterTheFirstPlot) {
  const std::vector<std::pair<const char*, std::function<void()>>> choices = {
      {"stage of a case", [&] { w->cboStage[2].SetListIndex(w->cboStage[2].ListIndex() == 1 ? 2 : 1); }},
      {"value kind", [&] { w->cboLCIAStg.SetListIndex(w->cboLCIAStg.ListIndex() == 1 ? 2 : 1); }},
      {"category", [&] { w->cboCat.SetListIndex(w->cboCat.ListIndex() == 3 ? 4 : 3); }},
      {"Options > Plot Chart", [&] { w->mnuPlot.Click(); }},
      {"LCIA", [&] { w->mnuLCIA.Click(); }},
      {"energy", [&] { w->mnuLCEA.Click(); }},
      {"waste", [&] { w->mnuLCWA.Click(); }},
      {"cost", [&] { w->mnuLCC.Click(); }},
      {"single score", [&] { w->mnuSScore.Click(); }},
      {"bars", [&] { w->mnuBars.Click(); }},
      {"stacked bars", [&] { w->mnuStack.Click(); }},
  };
  for (const auto& [what, choose] : choices) {
    SCOPED_TRACE(what);
    choose();
    EXPECT_FALSE(Drawn());
  }
  w->cmdOK.Click();
  ASSERT_TRUE(w->ChtPlotted);
  for (const auto& [what, choose] : choices) {
    SCOPED_TRACE(what);
    w->picCht.Cls();
    choose();
    EXPECT_TRUE(Drawn());
  }
  // A case box takes effect at the next plot only.
  w->picCht.Cls();
  w->chkBC.Click();
  EXPECT_FALSE(Drawn());
  EXPECT_EQ(w->NoOfCaseChk, 2);
  EXPECT_EQ(w->txtParts[0].Text(), "Whole Bldg.; ; ");
}

TEST_F(ChartsWindowTest, PlotWithNoCaseCheckedLeavesTheChart) {
  w->cmdOK.Click();
  const size_t ops = w->picCht.Drawing().size();
  w->chkCur.Click();
  EXPECT_EQ(w->txtParts[2].Text(), "");
  w->cmdOK.Click();
  EXPECT_EQ(w->picCht.Drawing().size(), ops);
}

// A checked case whose stage list was typed over stops the plot with its
// message; the later cases are not collected and nothing is drawn.
TEST_F(ChartsWindowTest, CaseWithoutStageStopsThePlot) {
  w->chkBC.Click();
  w->cboStage[0].TypeText("my stage");
  platform.ExpectMessage("Select Life Cycle Stage for the Base Case first!");
  w->cmdOK.Click();
  EXPECT_FALSE(Drawn());
  EXPECT_FALSE(w->ChtPlotted);
  EXPECT_EQ(w->CurVal, (std::array<float, 11>{}));
  EXPECT_EQ(platform.Messages().size(), 1u);
}

TEST_F(ChartsWindowTest, ValueKindTypedOverStopsAnLCIAPlot) {
  w->cboLCIAStg.TypeText("Weighted?");
  platform.ExpectMessage("Select LCIA Stage first!");
  w->cmdOK.Click();
  EXPECT_FALSE(Drawn());
}

// What each result type takes from the case record, at the chosen stage.
TEST_F(ChartsWindowTest, CollectionByResultType) {
  const auto& cur = prog.assess.CurResult;
  w->cboStage[2].SetListIndex(3);
  w->cboLCIAStg.SetListIndex(2);
  struct Case {
    void (frmCharts::*choose)();
    size_t entry;
    float value;
  };
  const std::vector<Case> cases = {
      {&frmCharts::mnuLCIA_Click, 4, cur.Res[2][3][4]},
      {&frmCharts::mnuLCEA_Click, 0, cur.Egy[3]},
      {&frmCharts::mnuLCWA_Click, 0, cur.Waste[3]},
      {&frmCharts::mnuLCC_Click, 0, cur.Cost[3]},
  };
  for (const auto& c : cases) {
    (w.get()->*c.choose)();
    w->CaseStage = {0, 0, 3};
    w->LCIAStg = 2;
    ASSERT_TRUE(w->CollectChartData());
    EXPECT_EQ(w->CurVal[c.entry], c.value);
    EXPECT_EQ(w->RefVal, (std::array<float, 11>{}));  // unchecked cases are not collected
  }
}

// The single score of a case is its score under the weights in use: its
// characterised values weighted again, plus the weighted cost.
TEST_F(ChartsWindowTest, SingleScoreAddsTheWeightedCost) {
  auto& f = prog.assess.factors;
  f.WgtFtr[0] = 1;
  f.EgyPrice[0] = 1;
  f.NormFtr[1] = 1;
  f.WgtFtr[1] = 1;
  prog.assess.CurResult.Cost[2] = 277778;
  prog.assess.CurResult.Res[1][2] = {0, 41};
  w->mnuSScore_Click();
  w->CaseStage = {0, 0, 2};
  ASSERT_TRUE(w->CollectChartData());
  EXPECT_EQ(w->CurVal[0], 42.f);

  // Weights changed since the last Show Data: the chart plots the figure
  // the results window shows at its next Show Data.
  ModCal::SetDefaultFactors(f);
  assessment::frmResult results(prog, platform, [] {});
  results.Show();
  prog.assess.LCAResult.BldgCost[1] = 2.5555576e7f;  // 100 per unit of cost weight
  prog.assess.LCAResult.BldgImp[1][2] = 1.97e8f;     // 1000 normalised
  results.cboPortion.SetListIndex(0);
  results.cboStage.SetListIndex(1);
  results.cmdShowRes.Click();
  f.WgtFtr[0] = 1;
  f.WgtFtr[2] = 0.6f;
  w->CaseStage = {0, 0, 1};
  ASSERT_TRUE(w->CollectChartData());
  results.cmdShowRes.Click();
  EXPECT_EQ(w->CurVal[0], prog.assess.ProjScore[1]);
  EXPECT_EQ(common::DisplayText(w->CurVal[0]), results.txtProjScore.Text());

  // With no electricity price there is no score to plot.
  prog.assess.factors.EgyPrice[0] = 0;
  platform.ExpectMessage("Current set of data cannot be plotted!!");
  w->cmdOK.Click();
  EXPECT_FALSE(Drawn());
}

TEST_F(ChartsWindowTest, ExportPutsThePictureOnTheClipboard) {
  w->cmdExport.Click();
  EXPECT_EQ(platform.ClipboardClears(), 1);
  EXPECT_EQ(platform.ClipboardPictures(), 1);
  EXPECT_EQ(platform.ClipboardDrawingOps(), 0u);  // the empty picture before any plot
  w->cmdOK.Click();
  w->mnuExport.Click();
  EXPECT_EQ(platform.ClipboardPictures(), 2);
  EXPECT_EQ(platform.ClipboardDrawingOps(), w->picCht.Drawing().size());
}

TEST_F(ChartsWindowTest, ReturnCloseTheWindowAndTheNextOpeningStartsAfresh) {
  w->chkBC.Click();
  w->mnuLCC.Click();
  w->cmdOK.Click();
  ASSERT_TRUE(Drawn());
  w->cmdReturn.Click();
  EXPECT_FALSE(w->IsLoaded());
  w->Show();
  EXPECT_FALSE(w->ChtPlotted);
  EXPECT_FALSE(Drawn());
  EXPECT_EQ(w->chkBC.Value(), 0);
  EXPECT_EQ(w->NoOfCaseChk, 1);
  EXPECT_EQ(w->txtResTyp.Text(), "LCIA (10 impacts)");
  EXPECT_EQ(w->ResTyp, 0);
  w->mnuReturn.Click();
  EXPECT_FALSE(w->IsLoaded());
}

}  // namespace
