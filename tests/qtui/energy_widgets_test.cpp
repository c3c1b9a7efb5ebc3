// The energy input, construction and central plant windows on their real
// widgets: their lists show nothing stale, their code lists take no typing,
// and the plant grid's current cell is always a value cell.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "energy_input/frm_egy_cal_input.h"
#include "energy_input/frm_sel_cons.h"
#include "plant_input/frm_cplt.h"
#include "real_windows.h"

namespace {

class EnergyWidgets : public qtui_test::RealWindows {
 protected:
  QString Shown(const forms::ComboBox& combo) { return Widget<QComboBox>(combo)->currentText(); }
};

TEST_F(EnergyWidgets, ADeletedZoneLeavesNoNumberInTheZoneList) {
  energy_input::frmEgyCalInput& w = windows.frmEgyCalInput();
  w.Show();
  for (const forms::ComboBox* c : {&w.cboRmTyp, &w.cboCompTyp, &w.cboOrient})
    EXPECT_FALSE(Widget<QComboBox>(*c)->isEditable()) << c->Name();
  QTest::keyClicks(Widget<QLineEdit>(w.txtNZn), "3");
  Click(w.cmdEntNZn);
  ASSERT_EQ(w.cboZNo.ListCount(), 3);
  EXPECT_EQ(Shown(w.cboZNo), "1");
  Choose(w.cboZNo, 2);
  EXPECT_EQ(Shown(w.cboZNo), "3");
  Click(w.cmdDZn);  // "Delete all data for the selected Zone?" answered OK
  ASSERT_EQ(messages, std::vector<std::string>{"Delete all data for the selected Zone?"});
  EXPECT_EQ(w.cboZNo.ListCount(), 2);
  EXPECT_EQ(w.cboZNo.ListIndex(), -1);
  EXPECT_EQ(Shown(w.cboZNo), "");
  EXPECT_EQ(Widget<QLineEdit>(w.txtNZn)->text(), "2");
}

TEST_F(EnergyWidgets, ConstructionWindowAfterClearShowsNoLayer) {
  auto& e = prog.energyInput;
  prog.building.Bldg.ProjFile = folder.Path() + "T.PRJ";
  e.ConsFormMode = 1;
  e.CurNLay = 3;  // a buffer handed over by "Save As Construction"
  for (int j = 1; j <= 3; ++j) {
    e.CurLayMatNo[static_cast<size_t>(j)] = static_cast<common::Integer>(100 + j);
    e.CurLayMatName[static_cast<size_t>(j)] = "Layer material " + std::to_string(j);
    e.CurLayThk[static_cast<size_t>(j)] = 0.05f * static_cast<float>(j);
  }
  energy_input::frmSelCons& w = windows.frmSelCons();
  w.Show();
  EXPECT_FALSE(Widget<QComboBox>(w.cboElmNo)->isEditable());
  ASSERT_EQ(w.cboElmNo.ListCount(), 3);
  Choose(w.cboElmNo, 2);
  EXPECT_EQ(Shown(w.cboElmNo), "3");
  EXPECT_EQ(Widget<QLineEdit>(w.txtMatNam)->text(), "Layer material 3");
  Click(w.cmdClr);
  EXPECT_EQ(w.cboElmNo.ListCount(), 0);
  EXPECT_EQ(w.cboElmNo.Text(), "");
  EXPECT_EQ(Shown(w.cboElmNo), "");
  for (const forms::TextBox* box : {&w.txtNElmInC, &w.txtMatNo, &w.txtMatNam, &w.txtMatThk})
    EXPECT_EQ(Widget<QLineEdit>(*box)->text(), "") << box->Name();
  Shot(w, "construction_window_after_clear");
}

TEST_F(EnergyWidgets, PlantGridCurrentCellIsAlwaysAValueCell) {
  plant_input::frmCPlt& w = windows.frmCPlt();
  w.Show();
  for (const forms::ComboBox* c : {&w.cboACHRS, &w.cboChWPS, &w.cboEqNo, &w.cboEqTyp})
    EXPECT_FALSE(Widget<QComboBox>(*c)->isEditable()) << c->Name();
  platform.ActionOf(w.mnuEType)->trigger();
  EXPECT_EQ(w.msgPlt.Row(), 1);
  EXPECT_EQ(w.msgPlt.Col(), 2);
  auto* table = platform.WidgetOf(w.msgPlt)->findChild<QTableWidget*>();
  ASSERT_NE(table, nullptr);
  QApplication::processEvents();
  const QColor highlight = table->palette().color(QPalette::Highlight);
  EXPECT_NE(table->item(1, 1)->background().color(), highlight);  // the Unit cell of row 1
  EXPECT_EQ(table->item(1, 2)->background().color(), highlight);
  // A click on a fixed cell or the keys never make one current.
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(3, 1)).center());
  table->setFocus();
  QTest::keyClick(table, Qt::Key_Left);
  QTest::keyClick(table, Qt::Key_Home);
  EXPECT_EQ(w.msgPlt.Col(), 2);
  Shot(w, "plant_window_plant_view");
}

}  // namespace
