// The results window and the life-cycle cost window on their real widgets:
// the choices show only what is chosen, figures stay under the groups the
// run computed them for, the cost window shades its total rows and its
// "Life Cycle" column, and every button and menu entry chosen with the
// mouse reaches its command.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <map>
#include <memory>

#include "assessment/calculation.h"
#include "assessment/factors.h"
#include "assessment/frm_charts.h"
#include "assessment/frm_lcc_result.h"
#include "assessment/frm_result.h"
#include "assessment/lcc_values.h"
#include "assessment/lcia_database.h"
#include "assessment/results.h"
#include "assessment/selection.h"
#include "building/element_library.h"
#include "building/frm_add_group.h"
#include "building/frm_bldg_sys_input.h"
#include "building/project_file.h"
#include "common/number_text.h"
#include "forms/picture_box.h"
#include "qtui/picture_painter.h"
#include "real_windows.h"
#include "support/sample_office.h"

namespace {

class AssessmentWidgets : public qtui_test::RealWindows {
 protected:
  AssessmentWidgets() {
    ModCal::SetDefaultFactors(prog.assess.factors);
    auto& b = prog.building.Bldg;
    b.ProjFile = folder.Path() + "OFFICE.PRJ";
    b.ProjName = "Office";
    b.NoOfFlrGrp = 2;
    b.FlrGrpName[0] = "Ground floor";
    b.FlrGrpName[1] = "Typical office floor";
    prog.assess.LCAResult.BldgCost[1] = 1000000;
    prog.assess.LCAResult.BldgImp[1][1] = 1480;
    prog.assess.RunBldg = b;  // as a run of it left them
  }
  QString Shown(const forms::Control& control) {
    if (auto* combo = Widget<QComboBox>(control)) return combo->currentText();
    return Widget<QLineEdit>(control)->text();
  }
  // Types into a box over what it holds, as the user does.
  void TypeOver(const forms::TextBox& box, const char* text) {
    auto* line = Widget<QLineEdit>(box);
    line->selectAll();
    QTest::keyClicks(line, text);
  }
  struct Step {
    const char* what;
    std::function<void()> act;
    std::function<bool()> done;
  };
  void Run(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
      step.act();
      EXPECT_TRUE(step.done()) << step.what << " " << (messages.empty() ? "" : messages.back());
    }
  }
};

TEST_F(AssessmentWidgets, ResultsShowNoStaleChoiceAfterACaseChange) {
  assessment::frmResult& w = windows.frmResult();
  w.Show();
  for (const forms::ComboBox* c : {&w.cboSelCase, &w.cboPortion, &w.cboClass, &w.cboCGNo, &w.cboStage})
    EXPECT_FALSE(Widget<QComboBox>(*c)->isEditable()) << c->Name();
  Choose(w.cboPortion, 2);
  Choose(w.cboClass, 4);
  Choose(w.cboCGNo, 1);
  Choose(w.cboStage, 1);
  EXPECT_EQ(Shown(w.cboClass), "Select ........");
  EXPECT_EQ(Shown(w.cboCGNo), "Typical office floor");
  Click(w.cmdShowRes);
  ASSERT_FALSE(w.txtLCCA.Text().empty());
  EXPECT_EQ(Shown(w.txtLCCA), QString::fromStdString(w.txtLCCA.Text()));

  Choose(w.cboSelCase, 0);
  EXPECT_EQ(w.cboSelCase.ListIndex(), 0);
  for (const forms::ComboBox* c : {&w.cboPortion, &w.cboClass, &w.cboCGNo}) {
    EXPECT_EQ(c->Text(), "") << c->Name();
    EXPECT_EQ(Shown(*c), "") << c->Name();
  }
  EXPECT_EQ(Shown(w.txtLCCA), "");
  EXPECT_EQ(Shown(w.cboStage), "As Built");
  Shot(w, "results_after_case_change");
}

// A letter typed into a drop-down list chooses the row it begins, so Show
// Data has a class to show.
TEST_F(AssessmentWidgets, ResultsChoicesTakeNoTypedText) {
  assessment::frmResult& w = windows.frmResult();
  w.Show();
  Choose(w.cboPortion, 2);
  Choose(w.cboStage, 1);
  auto* classes = Widget<QComboBox>(w.cboClass);
  classes->setFocus();
  QTest::keyClicks(classes, "Env");
  EXPECT_EQ(w.cboClass.ListIndex(), 1);
  EXPECT_EQ(classes->currentText(), "Envelope");
  Click(w.cmdShowRes);
  EXPECT_FALSE(w.txtLCCA.Text().empty());
}

TEST_F(AssessmentWidgets, EveryResultsCommandReachesTheWindow) {
  assessment::frmResult& w = windows.frmResult();
  w.Show();
  const std::string res = folder.Path() + "OFFICE_C.RES";
  auto showWholeBuilding = [&] {
    Choose(w.cboPortion, 0);
    Choose(w.cboStage, 1);
    Click(w.cmdShowRes);
  };
  Run({
      {"Show Data", showWholeBuilding, [&] { return Shown(w.txtLCCA) == "1000000" && w.mnuExpTab.Enabled(); }},
      {"Show Charts", [&] { Click(w.cmdShowChart); }, [&] { return windows.frmCharts().Visible(); }},
      {"Set Current Case As > Reference Case", [&] { ChooseMenu(w.mnuSetBC); },
       [&] { return w.mnuSaveBC.Enabled() && w.RefBldg.ProjName == "Office" && Shown(w.txtLCCA).isEmpty(); }},
      {"Set Current Case As > Alternative Case", [&] { ChooseMenu(w.mnuSetAlt); },
       [&] { return w.mnuSaveAlt.Enabled() && w.AltBldg.ProjName == "Office"; }},
      {"Save Results > Current Case",
       [&] {
         fileAnswers.push_back(res);
         ChooseMenu(w.mnuSaveCur);
       },
       [&] { return !folder.Read("OFFICE_C.RES").empty() && w.cboSelCase.ListIndex() == 2; }},
      {"Save Results > Reference Case",
       [&] {
         fileAnswers.push_back(folder.Path() + "REF.RES");
         ChooseMenu(w.mnuSaveBC);
       },
       [&] { return folder.Read("REF.RES") == folder.Read("OFFICE_C.RES") && w.cboSelCase.ListIndex() == 0; }},
      {"Save Results > Alternative Case",
       [&] {
         fileAnswers.push_back(folder.Path() + "ALT.RES");
         ChooseMenu(w.mnuSaveAlt);
       },
       [&] { return !folder.Read("ALT.RES").empty() && w.cboSelCase.ListIndex() == 1; }},
      {"Load > Reference Case",
       [&] {
         fileAnswers.push_back(res);
         ChooseMenu(w.mnuLoadBC);
       },
       [&] { return w.cboSelCase.ListIndex() == 0 && w.ShownBldg.ProjName == "Office"; }},
      {"Load > Alternative Case",
       [&] {
         fileAnswers.push_back(res);
         ChooseMenu(w.mnuLoadAlt);
       },
       [&] { return w.cboSelCase.ListIndex() == 1; }},
      {"Export Table (*.CSV)",
       [&] {
         showWholeBuilding();
         fileAnswers.push_back(folder.Path() + "T.CSV");
         ChooseMenu(w.mnuExpTab);
       },
       [&] { return folder.Read("T.CSV").find("1000000") != std::string::npos; }},
      {"Options > Return", [&] { ChooseMenu(w.mnuQuit); }, [&] { return !w.IsLoaded(); }},
      {"Return", [&] { w.Show(), ChooseMenu(w.mnuDirRet); }, [&] { return !w.IsLoaded(); }},
  });
  EXPECT_EQ(messages, std::vector<std::string>{});
}

// After a run of the sample office, the building window moves the ground
// floor down, deletes the roof and adds a podium: the results window still
// shows, and saves, each floor's figures under that floor's own name.
TEST_F(AssessmentWidgets, ResultsStayWithTheBuildingTheRunComputed) {
  auto& st = prog.building;
  const std::string data = std::string(OSTREVO_SOURCE_DIR) + "/data/";
  std::string error;
  ASSERT_TRUE(testsupport::CopySampleOfficeProject(folder.Path(), error)) << error;
  ASSERT_TRUE(ModCal::LoadLCIADatabase(prog.assess.mat, data + "MATLCIA.ILF", data + "MATLCIA.IDB", error)) << error;
  st.DataDir = data;
  building::SetLibraryPaths(st);
  st.ProjDir = folder.Path();
  ASSERT_EQ(building::ReadProjectFile(folder.Path() + "OFFICE.PRJ", st.Bldg, error), building::ReadStatus::Ok);
  ModCal::ResetAllSelections(prog.assess.sel);
  ASSERT_EQ(ModCal::RunStages(prog, ModCal::kModeAssessment).errText, "");
  // Each floor's abiotic depletion over the life cycle, by name.
  std::map<std::string, float> figure;
  for (size_t g = 0; g < 3; ++g) figure[st.Bldg.FlrGrpName[g]] = prog.assess.GroupResult.FlrGrpImp[g][0][1];
  const std::vector<std::string> runFloors = {"Ground floor", "Typical office floor", "Roof"};

  building::frmBldgSysInput& bldg = windows.frmBldgSysInput();
  bldg.Show();
  ClickRow(bldg.lstFloorName, 0);
  Click(bldg.cmdFlrDn);
  ClickRow(bldg.lstFloorName, 2);
  Click(bldg.cmdDeleteFloor);
  ClickRow(bldg.lstFloorName, 0);
  building::frmAddGroup& group = windows.frmAddGroup();
  WhenShownModal(group, [&] {
    QTest::keyClicks(Widget<QLineEdit>(group.txtGroupName), "Podium");
    QTest::keyClicks(Widget<QLineEdit>(group.txtGroupNo), "2");
    Click(group.cmdSaveGroup);
    Click(group.cmdReturn);
  });
  Click(bldg.cmdAddFloor);
  Click(bldg.cmdReturn);
  ASSERT_EQ(st.Bldg.NoOfFlrGrp, 3);
  ASSERT_EQ(st.Bldg.FlrGrpName[1], "Podium");

  assessment::frmResult& w = windows.frmResult();
  w.Show();
  Choose(w.cboPortion, 2);
  Choose(w.cboClass, 4);
  Choose(w.cboStage, 0);
  std::vector<std::string> listed;
  for (int i = 0; i < w.cboCGNo.ListCount(); ++i) {
    listed.push_back(w.cboCGNo.List(i));
    Choose(w.cboCGNo, i);
    Click(w.cmdShowRes);
    EXPECT_EQ(Shown(w.txtBN[1]).toStdString(), common::DisplayText(figure[listed.back()])) << listed.back();
  }
  EXPECT_EQ(listed, runFloors);

  fileAnswers.push_back(folder.Path() + "OFFICE_C.RES");
  ChooseMenu(w.mnuSaveCur);
  auto saved = std::make_unique<assessment::CaseData>();
  ASSERT_TRUE(assessment::ParseResultFile(folder.Read("OFFICE_C.RES"), *saved, error)) << error;
  ASSERT_EQ(saved->Bldg.NoOfFlrGrp, 3);
  for (size_t g = 0; g < 3; ++g) {
    EXPECT_EQ(saved->Bldg.FlrGrpName[g], runFloors[g]);
    EXPECT_EQ(saved->GroupResult.FlrGrpImp[g][0][1], figure[runFloors[g]]) << runFloors[g];
  }
  ChooseMenu(w.mnuSetBC);
  EXPECT_EQ(w.RefBldg.FlrGrpName[1], "Typical office floor");
  EXPECT_EQ(messages, std::vector<std::string>{"Roof will be removed from the Project. Continue?"});
}

TEST_F(AssessmentWidgets, EveryCostWindowCommandReachesTheWindow) {
  assessment::frmLCCResult& w = windows.frmLCCResult();
  w.Show();
  auto& cost = prog.assess.LCAResult.BldgCost;
  auto reopen = [&] {
    if (!w.IsLoaded()) w.Show();
  };
  Run({
      {"the assessment view before the copy", [&] { Click(w.Option2); },
       [&] { return Shown(w.Box(assessment::kRowBldg, 1)) == "0" && !w.cmdUpDate.Visible(); }},
      {"the predicted view", [&] { Click(w.Option1); },
       [&] { return Shown(w.Box(assessment::kRowBldg, 1)) == "1000000"; }},
      {"File > Confirm and Exit before the copy", [&] { ChooseMenu(w.mnuFExit); },
       [&] {
         return messages == std::vector<std::string>{"Copy all data to Values for LCC Assessment before confirmation"};
       }},
      {"Copy All to ->", [&] { messages.clear(), Click(w.cmdCopy); },
       [&] { return w.cmdUpDate.Visible() && !w.cmdCopy.Visible() && w.Option2.Value(); }},
      {"typing and Update LCC",
       [&] {
         TypeOver(w.Box(assessment::kRowFdn, 1), "5250");
         Click(w.cmdUpDate);
       },
       [&] { return Shown(w.Box(assessment::kRowBldg, 1)) == "5250"; }},
      {"File > Save Results Shown",
       [&] {
         fileAnswers.push_back(folder.Path() + "OFFICE.LCC");
         ChooseMenu(w.mnuFSave);
       },
       [&] { return folder.Read("OFFICE.LCC").find("\r\n5250\r\n") != std::string::npos; }},
      {"File > Load Results into Current Form",
       [&] {
         TypeOver(w.Box(assessment::kRowFdn, 1), "1");
         fileAnswers.push_back(folder.Path() + "OFFICE.LCC");
         ChooseMenu(w.mnuFLoad);
       },
       [&] { return Shown(w.Box(assessment::kRowFdn, 1)) == "5250"; }},
      {"File > Export Results Shown (.CSV)",
       [&] {
         fileAnswers.push_back(folder.Path() + "LCC.CSV");
         ChooseMenu(w.mnuFExp);
       },
       [&] { return folder.Read("LCC.CSV").find("\"Foundation\",5250,") != std::string::npos; }},
      {"Confirm and Exit", [&] { Click(w.cmdOkay); }, [&] { return !w.IsLoaded() && cost[1] == 5250; }},
      {"Return (no changes)", [&] { reopen(), Click(w.cmdExit); }, [&] { return !w.IsLoaded(); }},
      {"File > Return (no changes)", [&] { reopen(), ChooseMenu(w.mnuFRet); }, [&] { return !w.IsLoaded(); }},
      {"the close box", [&] { reopen(), Window(w)->close(); }, [&] { return !w.IsLoaded() && cost[1] == 5250; }},
      {"File > Confirm and Exit after the copy",
       [&] {
         reopen();
         Click(w.cmdCopy);
         TypeOver(w.Box(assessment::kRowFdn, 1), "6000");
         Click(w.cmdUpDate);
         ChooseMenu(w.mnuFExit);
       },
       [&] { return !w.IsLoaded() && cost[1] == 6000; }},
  });
  EXPECT_EQ(messages, std::vector<std::string>{});
}

TEST_F(AssessmentWidgets, CostWindowShadesTotalsAndTheLifeCycleColumn) {
  assessment::frmLCCResult& w = windows.frmLCCResult();
  w.Show();
  const QColor face = qtui::ToQColor(forms::kButtonFace);
  const QColor plain = qtui::ToQColor(forms::kWindowBackground);
  ASSERT_NE(face, plain);
  for (int row = 0; row < 12; ++row) {
    for (int stage = 0; stage < 5; ++stage) {
      SCOPED_TRACE("row " + std::to_string(row) + " stage " + std::to_string(stage));
      const bool shaded = stage == 0 || !assessment::IsLccItemRow(row);
      EXPECT_EQ(w.Box(row, stage).BackColor(), shaded ? forms::kButtonFace : forms::kWindowBackground);
      auto* box = Widget<QLineEdit>(w.Box(row, stage));
      const QImage shown = box->grab().toImage();
      EXPECT_EQ(shown.pixelColor(shown.width() - 4, shown.height() / 2), shaded ? face : plain);
    }
  }
  Shot(w, "cost_window_shading");
}

}  // namespace
