// The component editor and the material picker on their real widgets: the
// grid's scroll thumb, the values panel laid over the editor, and a picker
// that opens with nothing chosen.
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTableWidget>

#include "building/frm_add_group.h"
#include "building/frm_bldg_sys_input.h"
#include "building/frm_group_comp.h"
#include "building/frm_mat_lib.h"
#include "qtui/picture_painter.h"
#include "real_windows.h"
#include "support/qt_window_shots.h"

namespace {

class BuildingWidgets : public qtui_test::RealWindows {
 protected:
  // Where the style draws the scroll bar's thumb.
  static QRect Thumb(const QScrollBar* bar) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    option.singleStep = bar->singleStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
  }
};

// While rows 1 to 8 show, the thumb stands at the top of its groove and is
// drawn as a raised thumb on a lighter, patterned groove.
TEST_F(BuildingWidgets, ElementGridThumbStandsAtTheTop) {
  building::frmGroupComp& w = windows.frmGroupComp();
  w.Show();
  auto* bar = platform.WidgetOf(w.msgElm)->findChild<QScrollBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_FALSE(bar->isHidden());
  EXPECT_EQ(w.msgElm.TopRow(), 1);
  EXPECT_EQ(bar->value(), bar->minimum());
  const QRect thumb = Thumb(bar);
  const QImage shown = bar->grab().toImage();
  const int x = shown.width() / 2;
  // The thumb's face is plain; the groove below it is a pattern of two colours.
  const QColor face = shown.pixelColor(x, thumb.center().y());
  EXPECT_EQ(shown.pixelColor(x, thumb.center().y() + 2), face);
  const int groove = (thumb.bottom() + bar->height()) / 2;
  EXPECT_NE(shown.pixelColor(x, groove), shown.pixelColor(x + 1, groove));
  EXPECT_LT(thumb.top(), bar->height() / 4);

  // Scrolled to the end, the thumb goes to the bottom.
  bar->setValue(bar->maximum());
  EXPECT_EQ(w.msgElm.TopRow(), bar->maximum());
  EXPECT_GT(Thumb(bar).bottom(), bar->height() * 3 / 4);
}

// The values panel is a frame laid over the editor: the grid under it does
// not show through, and every frame of the program fills its background.
TEST_F(BuildingWidgets, TheValuesPanelHidesTheEditorUnderIt) {
  building::frmGroupComp& w = windows.frmGroupComp();
  w.Show();
  QWidget* window = Window(w);
  QWidget* grid = platform.WidgetOf(w.msgElm);
  QWidget* frame = platform.WidgetOf(w.fraChgElmD);
  // A point of the grid's Value column that no control of the panel covers.
  const QPoint spot = grid->mapTo(window, QPoint(grid->width() * 45 / 100, grid->height() * 45 / 100));
  const QColor gridColour = window->grab().toImage().pixelColor(spot);
  w.fraChgElmD.SetVisible(true);
  ASSERT_TRUE(frame->isVisible());
  ASSERT_EQ(frame->childAt(frame->mapFrom(window, spot)), nullptr);
  const QColor shown = window->grab().toImage().pixelColor(spot);
  EXPECT_NE(shown, gridColour);
  EXPECT_LE(std::abs(shown.lightness() - qtui::ToQColor(forms::kButtonFace).lightness()), 8);
  Shot(w, "component_editor_values_panel");
  EXPECT_TRUE(qobject_cast<QGroupBox*>(frame)->autoFillBackground());
}

// After Add or Edit the chosen row stays chosen with Edit and Delete off; a
// click on that row turns them on again.
TEST_F(BuildingWidgets, ClickingTheChosenGroupAgainEnablesEditAndDelete) {
  auto& b = prog.building.Bldg;
  b.ProjFile = folder.Path() + "OFFICE.PRJ";
  b.NoOfFlrGrp = 2;
  b.FlrGrpName[0] = "Ground floor";
  b.FlrGrpName[1] = "Typical office floor";
  building::frmBldgSysInput& w = windows.frmBldgSysInput();
  w.Show();
  auto* list = Widget<QListWidget>(w.lstFloorName);
  ASSERT_EQ(list->count(), 2);
  const QPoint row1 = list->visualItemRect(list->item(1)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1);
  EXPECT_EQ(w.lstFlrNo.ListIndex(), 1);
  EXPECT_TRUE(w.cmdEditFloor.Enabled());
  w.cmdEditFloor.SetEnabled(false);  // as an accepted Add or an Edit leaves them
  w.cmdDeleteFloor.SetEnabled(false);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1);
  EXPECT_TRUE(w.cmdEditFloor.Enabled());
  EXPECT_TRUE(w.cmdDeleteFloor.Enabled());
  EXPECT_TRUE(platform.WidgetOf(w.cmdEditFloor)->isEnabled());
}

// A new group typed with the name of a group file of the project: the Save
// click asks first; No keeps the file and the editor with its edits.
TEST_F(BuildingWidgets, SavingANewGroupOverAGroupFileAsksFirst) {
  auto& st = prog.building;
  st.ProjDir = folder.Path();
  const std::string existing = "\"G.FLR\"\r\n200\r\n\"Typical\"\r\n3\r\n0\r\n";
  folder.Write("G.FLR", existing);
  st.GrpType = 200;
  st.GrpTypeName = "Floor";
  st.SelGrpIdx = -1;
  st.CurGrp = common::GroupRec{};
  building::frmAddGroup& w = windows.frmAddGroup();
  w.Show();
  QTest::keyClicks(Widget<QLineEdit>(w.txtGroupName), "G");
  QTest::keyClicks(Widget<QLineEdit>(w.txtGroupNo), "2");
  answer = QMessageBox::No;
  Click(w.cmdSaveGroup);
  EXPECT_EQ(messages, std::vector<std::string>{"G.FLR already exists in the project folder. Replace it?"});
  EXPECT_EQ(folder.Read("G.FLR"), existing);
  EXPECT_FALSE(w.Saved());
  EXPECT_TRUE(w.IsLoaded());
  EXPECT_EQ(w.txtGroupName.Text(), "G");
  answer = QMessageBox::Yes;
  Click(w.cmdSaveGroup);
  EXPECT_TRUE(w.Saved());
  EXPECT_EQ(folder.Read("G.FLR"), "\"G.FLR\"\r\n200\r\n\"G\"\r\n2\r\n0\r\n");
  w.Unload();
}

TEST_F(BuildingWidgets, MaterialPickerOpensWithNothingChosen) {
  auto& mat = prog.assess.mat;
  mat.MatListNo[0] = 3;
  for (int r = 1; r <= 3; ++r) {
    mat.MatListNo[static_cast<size_t>(r)] = static_cast<common::Integer>(r);
    mat.MatName[static_cast<size_t>(r)] = "Material " + std::to_string(r);
    mat.MatUnit[static_cast<size_t>(r)] = "kg";
  }
  building::frmMatLib& picker = windows.frmMatLib();
  picker.Show();
  Window(picker)->activateWindow();
  testsupport::ProcessEventsUntil([this, &picker] { return Window(picker)->isActiveWindow(); });
  auto* list = Widget<QListWidget>(picker.lstMatData);
  list->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  ASSERT_TRUE(list->hasFocus());
  EXPECT_EQ(picker.lstMatData.ListIndex(), -1);
  EXPECT_EQ(list->currentRow(), -1);
  EXPECT_TRUE(list->selectedItems().isEmpty());
  Shot(picker, "material_picker_opened");
}

}  // namespace
