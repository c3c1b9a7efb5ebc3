// The results window and the life-cycle cost window on their real widgets:
// the choices show only what is chosen, and the cost window shades its
// total rows and its "Life Cycle" column.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "assessment/factors.h"
#include "assessment/frm_lcc_result.h"
#include "assessment/frm_result.h"
#include "assessment/lcc_values.h"
#include "forms/picture_box.h"
#include "qtui/picture_painter.h"
#include "real_windows.h"

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
  }
  QString Shown(const forms::Control& control) {
    if (auto* combo = Widget<QComboBox>(control)) return combo->currentText();
    return Widget<QLineEdit>(control)->text();
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
