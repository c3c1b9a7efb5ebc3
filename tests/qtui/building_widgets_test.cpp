// The component editor and the material picker on their real widgets: the
// grid's scroll thumb, the values panel laid over the editor, a picker
// that opens with nothing chosen, and the element grid's cells, edit box
// and material pick driven by the mouse through the window system.
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTableWidget>
#include <QWheelEvent>
#include <QWindow>
#include <filesystem>
#include <functional>
#include <utility>

#include "building/component_file.h"
#include "building/element_file.h"
#include "building/element_library.h"
#include "building/frm_add_group.h"
#include "building/frm_bldg_sys_input.h"
#include "building/frm_elm_select.h"
#include "building/frm_group_comp.h"
#include "building/frm_inp_mat_data.h"
#include "building/frm_mat_lib.h"
#include "building/project_file.h"
#include "common/paths.h"
#include "energy_input/frm_sel_cons.h"
#include "qtui/picture_painter.h"
#include "real_windows.h"
#include "support/qt_window_shots.h"

namespace {

// Presses a key on the next message box as soon as it is shown, before
// the fixture's answerer clicks a button, as a user closes it with the
// keyboard; the box's text is kept.
class KeyOnNextMessage : public QObject {
 public:
  explicit KeyOnNextMessage(Qt::Key key) : key_(key) { qApp->installEventFilter(this); }
  ~KeyOnNextMessage() override { qApp->removeEventFilter(this); }
  std::string text;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box == nullptr || event->type() != QEvent::Show) return false;
    qApp->removeEventFilter(this);
    QPointer<QMessageBox> shown(box);
    QMetaObject::invokeMethod(
        this,
        [this, shown] {
          if (!shown) return;
          text = shown->text().toStdString();
          QTest::simulateEvent(shown->windowHandle(), true, key_, {}, {}, false);
        },
        Qt::QueuedConnection);
    return false;
  }

 private:
  Qt::Key key_;
};

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

  // A floor group's data: a fabric library with the generic element and a
  // library wall (16 rows each, every row with a unit), the wall's default
  // data (concrete and rebar), and three building materials.
  void WriteFloorData() {
    auto& st = prog.building;
    st.DataDir = folder.Path() + "data/";
    st.ProjDir = folder.Path() + "proj/";
    folder.Write("proj/.keep", "");
    building::SetLibraryPaths(st);
    std::string library = "\"LIB\",\"Floor Envelope and Frame Element Types\"";
    for (int i = 0; i < 32; ++i) library += ",\"\"";
    library += "\r\n";
    for (const char* type : {"0,\"Generic Element\"", "1,\"RC Wall\""}) {
      library += type;
      for (int k = 1; k <= 16; ++k) library += ",\"Item " + std::to_string(k) + "\",\"no.\"";
      library += "\r\n";
    }
    folder.Write("data/FABRIC/FABRIC.ELB", library);
    folder.Write("data/FABRIC/E1.IMP",
                 "2\r\n\"Concrete\"\r\n12\r\n1\r\n1,0,\"Wall Thickness\",\"push\"\r\n5\r\n60\r\n"
                 "\"Rebar\"\r\n20\r\n0\r\n3\r\n40\r\n");
    auto& mat = prog.assess.mat;
    const char* names[] = {"Concrete", "Rebar", "Brick"};
    const int numbers[] = {12, 20, 120};
    mat.MatListNo[0] = 3;
    for (size_t r = 1; r <= 3; ++r) {
      mat.MatListNo[r] = static_cast<common::Integer>(numbers[r - 1]);
      mat.MatName[r] = names[r - 1];
      mat.MatUnit[r] = "kg";
      mat.MatIdx[static_cast<size_t>(numbers[r - 1])] = static_cast<common::Integer>(r);
    }
    st.GrpType = 200;
    st.GrpTypeName = "Floor";
    ModInpCtl::SetCompTypeNames(st);
    st.CurGrp.GrpName = "Level 1";
    st.SelGrpIdx = st.SelCompIdx = -1;
  }
  building::frmGroupComp& ShowEditor() {
    building::frmGroupComp& w = windows.frmGroupComp();
    w.Show();
    Activate(w);
    return w;
  }
  // The editor as the group editor opens it for a new component.
  building::frmGroupComp& NewFloorComponent() {
    WriteFloorData();
    return ShowEditor();
  }
  // The editor on the first component of the first floor group: a wall of
  // an outer leaf, a generic screed assessed "No" and an inner leaf.
  building::frmGroupComp& OpenWallComponent() {
    WriteFloorData();
    auto& st = prog.building;
    const char* files[] = {"A.FLE", "B.FLE", "C.FLE"};
    const char* names[] = {"Outer leaf", "Screed", "Inner leaf"};
    const common::Integer types[] = {1, 0, 1};
    common::CompRec comp;
    comp.CompFile = "WALL.FLC";
    comp.CompName = "External wall";
    comp.CompType = 0;  // Envelope
    comp.CompQty = 4;
    comp.NoOfElm = 3;
    for (size_t i = 0; i < 3; ++i) {
      common::ElmRec elm;
      elm.ElmFile = files[i];
      elm.ElmName = names[i];
      elm.ElmTypeNo = types[i];
      const char* values[] = {"12", "0.1", "5", "60"};
      for (size_t k = 0; k < 4; ++k) elm.ElmValue[k] = values[k];
      std::string error;
      EXPECT_TRUE(building::WriteElementFile(st.ProjDir + files[i], elm, 220, error)) << error;
      comp.CompElmFile[i] = files[i];
      comp.CompElmName[i] = names[i];
      comp.CompElmTypeNo[i] = types[i];
    }
    std::string error;
    EXPECT_TRUE(building::WriteComponentFile(st.ProjDir + "WALL.FLC", comp, 210, error)) << error;
    st.CurComp = common::CompRec{};
    st.CurComp.CompFile = "WALL.FLC";
    st.SelGrpIdx = st.SelCompIdx = 0;
    prog.assess.sel.FlrElmAssess[0][0] = {true, false, true};
    return ShowEditor();
  }

  QTableWidget* Table(const forms::Grid& grid) { return platform.WidgetOf(grid)->findChild<QTableWidget*>(); }
  QPoint CellCentre(const forms::Grid& grid, int row, int col) {
    return Table(grid)->visualItemRect(Table(grid)->item(row, col)).center();
  }
  void DoubleClickCell(const forms::Grid& grid, int row, int col) {
    DoubleClickAt(Table(grid)->viewport(), CellCentre(grid, row, col));
  }
  void ClickCell(const forms::Grid& grid, int row, int col) {
    ClickAt(Table(grid)->viewport(), CellCentre(grid, row, col));
  }
  // The widget that takes the window's keys.
  QWidget* Focused(const forms::Form& form) { return Window(form)->focusWidget(); }
  // The grid's edit box stands over the cell, shown.
  bool BoxOver(building::frmGroupComp& w, int row, int col) {
    QWidget* box = platform.WidgetOf(w.txtmsgCell);
    return box->isVisible() && box->geometry().contains(Table(w.msgElm)->viewport()->mapTo(
                                   box->parentWidget(), CellCentre(w.msgElm, row, col)));
  }
  // When `picker` is shown modally next, a double-click on its list row
  // `row` (none: its window is closed by the frame).
  void DoubleClickRowWhenShown(forms::Form& picker, const forms::ListBox& list, int row) {
    if (row < 0) return CloseWhenShownModal(picker);
    WhenShownModal(picker,
                   [this, &list, row] { DoubleClickAt(Widget<QListWidget>(list)->viewport(), RowCentre(list, row)); });
  }
  // Adds a new element of the library type RC Wall: Add, then the type
  // button and a double-click on the type's row in the picker.
  void AddWallElement(building::frmGroupComp& w) {
    Click(w.cmdAddElm);
    QTest::keyClicks(Widget<QLineEdit>(w.txtElmName), "Wall");
    DoubleClickRowWhenShown(windows.frmElmSelect(), windows.frmElmSelect().lstElmTypNam, 1);
    Click(w.cmdElmType);
    Activate(w);
    ASSERT_EQ(w.lblElmType.Caption(), "RC Wall");
  }
  // A key held on the window: `repeats` more presses as the keyboard
  // repeats them, then the release.
  void HoldKey(const forms::Form& form, Qt::Key key, int repeats) {
    QWindow* window = Window(form)->windowHandle();
    for (int i = 0; i < repeats; ++i) QTest::simulateEvent(window, true, key, {}, {}, true);
    QTest::simulateEvent(window, false, key, {}, {}, false);
  }
  // Adds a new element of the generic type through the mouse: Add, then a
  // double-click on the type label and on the type's row in the picker.
  void AddGenericElement(building::frmGroupComp& w) {
    Click(w.cmdAddElm);
    QTest::keyClicks(Widget<QLineEdit>(w.txtElmName), "Screed");
    DoubleClickRowWhenShown(windows.frmElmSelect(), windows.frmElmSelect().lstElmTypNam, 0);
    DoubleClick(w.lblElmType);
    Activate(w);  // the window system gives the editor back the focus
    ASSERT_EQ(prog.building.CurElm.ElmTypeNo, 0);
    ASSERT_EQ(w.msgElm.TextMatrix(5, 0), "Item 5");
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

// A double-click on a generic element's material cell: the first press
// lays the edit box over the cell, the second lands on the box, and the
// double-click still opens the material picker for that cell. Afterwards
// the box shows the cell's new value, not an emptied box over it.
TEST_F(BuildingWidgets, DoubleClickOnAMaterialCellPicksTheMaterial) {
  building::frmGroupComp& w = NewFloorComponent();
  AddGenericElement(w);
  auto* box = Widget<QLineEdit>(w.txtmsgCell);
  DoubleClickRowWhenShown(windows.frmMatLib(), windows.frmMatLib().lstMatData, 3);
  DoubleClickCell(w.msgElm, 5, 2);
  EXPECT_EQ(windows.frmMatLib().ElmTypeStr, "0");
  EXPECT_EQ(w.msgElm.TextMatrix(5, 2), "120");
  EXPECT_EQ(w.msgElm.TextMatrix(5, 3), "Brick (kg)");
  ASSERT_TRUE(box->isVisible());
  EXPECT_TRUE(
      box->geometry().contains(Table(w.msgElm)->viewport()->mapTo(box->parentWidget(), CellCentre(w.msgElm, 5, 2))));
  EXPECT_EQ(box->text(), "120");
  Shot(w, "component_editor_material_picked");

  // The picker closed without a choice leaves the cell as it was.
  DoubleClickRowWhenShown(windows.frmMatLib(), windows.frmMatLib().lstMatData, -1);
  DoubleClickCell(w.msgElm, 5, 2);
  EXPECT_EQ(w.msgElm.TextMatrix(5, 2), "120");
  EXPECT_EQ(box->text(), "120");
}

// Every mouse and key path of the element grid reaches the editor.
TEST_F(BuildingWidgets, ElementGridPathsReachTheEditor) {
  building::frmGroupComp& w = NewFloorComponent();
  AddGenericElement(w);
  auto* box = Widget<QLineEdit>(w.txtmsgCell);
  auto at = [&w](int row, int col) { return w.msgElm.Row() == row && w.msgElm.Col() == col; };
  int topBefore = 0;
  struct Step {
    const char* what;
    std::function<void()> act;
    std::function<bool()> done;
  };
  const Step steps[] = {
      {"a click on a value cell lays the box over it", [&] { ClickCell(w.msgElm, 2, 2); },
       [&] { return at(2, 2) && BoxOver(w, 2, 2) && w.CurCellRow == 2 && w.CurCellCol == 2 && Focused(w) == box; }},
      {"typing into the box fills the cell, letters dropped", [&] { QTest::keyClicks(box, "1a2"); },
       [&] { return w.msgElm.TextMatrix(2, 2) == "12"; }},
      {"Right", [&] { Key(w, Qt::Key_Right); }, [&] { return at(2, 3) && BoxOver(w, 2, 3); }},
      {"a remark takes any text", [&] { QTest::keyClicks(box, "cast in situ"); },
       [&] { return w.msgElm.TextMatrix(2, 3) == "cast in situ"; }},
      {"Enter goes on like Right", [&] { Key(w, Qt::Key_Return); }, [&] { return at(3, 2) && BoxOver(w, 3, 2); }},
      {"Down", [&] { Key(w, Qt::Key_Down); }, [&] { return at(4, 2); }},
      {"Up", [&] { Key(w, Qt::Key_Up); }, [&] { return at(3, 2); }},
      {"Left", [&] { Key(w, Qt::Key_Left); }, [&] { return at(2, 3) && BoxOver(w, 2, 3); }},
      {"Tab steps on to the next cell", [&] { Key(w, Qt::Key_Tab); },
       [&] { return at(3, 2) && BoxOver(w, 3, 2) && Focused(w) == box; }},
      {"the Enter button enters the box and empties it", [&] { Click(w.cmdEnter); },
       [&] { return w.CurCellCol == -1 && box->text().isEmpty() && w.msgElm.TextMatrix(2, 3) == "cast in situ"; }},
      {"Clear empties the box and the cell",
       [&] {
         ClickCell(w.msgElm, 4, 2);
         QTest::keyClicks(box, "5");
         Click(w.cmdClrTxt);
       },
       [&] { return w.msgElm.TextMatrix(4, 2).empty() && box->text().isEmpty(); }},
      {"a double-click on another value edits it", [&] { DoubleClickCell(w.msgElm, 2, 2); },
       [&] { return at(2, 2) && BoxOver(w, 2, 2) && box->text() == "12" && w.msgElm.TextMatrix(2, 2) == "12"; }},
      {"the scroll bar scrolls and hides the box",
       [&] {
         auto* bar = platform.WidgetOf(w.msgElm)->findChild<QScrollBar*>();
         ClickAt(bar, QPoint(bar->width() / 2, bar->height() - bar->width() - 4));
       },
       [&] { return w.msgElm.TopRow() > 1 && !box->isVisible(); }},
      {"the wheel scrolls three rows",
       [&] {
         topBefore = w.msgElm.TopRow();
         QWidget* viewport = Table(w.msgElm)->viewport();
         const QPointF centre = viewport->rect().center();
         QWheelEvent wheel(centre, viewport->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase,
                           false);
         QApplication::sendEvent(viewport, &wheel);
       },
       [&] { return w.msgElm.TopRow() == topBefore - 3; }},
      {"Down with the grid focused moves one row and brings the box back", [&] { Key(w, Qt::Key_Down); },
       [&] { return at(3, 2) && BoxOver(w, 3, 2) && Focused(w) == box; }},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_TRUE(step.done()) << step.what << ": cell " << w.msgElm.Row() << "," << w.msgElm.Col();
  }
}

// The window presets row 1's Value as the current cell: the first click
// on it, after the type is chosen, lays the edit box there all the same,
// and the digits typed go into the cell and are saved.
TEST_F(BuildingWidgets, TheFirstClickOnThePresetCellEditsIt) {
  building::frmGroupComp& w = NewFloorComponent();
  AddWallElement(w);
  ASSERT_EQ(w.msgElm.Row(), 1);
  ASSERT_EQ(w.msgElm.Col(), 2);
  ClickCell(w.msgElm, 1, 2);
  EXPECT_TRUE(BoxOver(w, 1, 2));
  QTest::keyClicks(Focused(w), "25");
  Shot(w, "component_editor_first_value_typed");
  ClickCell(w.msgElm, 2, 2);
  QTest::keyClicks(Focused(w), "3");
  Click(w.cmdSaveElm);
  EXPECT_EQ(messages, std::vector<std::string>{});
  ASSERT_EQ(w.lstElm.ListCount(), 1);
  EXPECT_EQ(w.msgElm.TextMatrix(1, 2), "25");
  EXPECT_EQ(w.msgElm.TextMatrix(2, 2), "3");
}

// The Return that closes a message is held a little: its repeats come to
// the editor once the message has gone, and move nothing there. A key
// held in the editor itself repeats as usual.
TEST_F(BuildingWidgets, TheKeyThatClosesAMessageStaysOutOfTheGrid) {
  building::frmGroupComp& w = NewFloorComponent();
  AddWallElement(w);
  KeyOnNextMessage closer(Qt::Key_Return);
  Click(w.cmdChgElmD);
  EXPECT_EQ(closer.text,
            "Save the element first: the default values of its materials can be changed once it has been saved.");
  EXPECT_EQ(messages, std::vector<std::string>{});  // closed by the key, not by the answerer
  HoldKey(w, Qt::Key_Return, 14);
  EXPECT_EQ(w.msgElm.Row(), 1);
  EXPECT_EQ(w.msgElm.Col(), 2);

  ClickCell(w.msgElm, 2, 2);
  QTest::simulateEvent(Window(w)->windowHandle(), true, Qt::Key_Down, {}, {}, false);
  HoldKey(w, Qt::Key_Down, 2);
  EXPECT_EQ(w.msgElm.Row(), 5);
  EXPECT_TRUE(BoxOver(w, 5, 2));
}

// Every mouse path of the element list and the component reaches the
// editor: list clicks and double-clicks, the list buttons, the assess
// choice, the component type, the element type button and the menus.
TEST_F(BuildingWidgets, ElementListPathsReachTheEditor) {
  building::frmGroupComp& w = OpenWallComponent();
  auto& marks = prog.assess.sel.FlrElmAssess[0][0];
  auto lines = [&w] {
    std::string all;
    for (int i = 0; i < w.lstElm.ListCount(); ++i) all += w.lstElm.List(i) + ";";
    return all;
  };
  struct Step {
    const char* what;
    std::function<void()> act;
    std::function<bool()> done;
  };
  const Step steps[] = {
      {"the component type Contents hides the order hint", [&] { Choose(w.cboCompType, 2); },
       [&] { return w.cboCompType.ListIndex() == 2 && !w.Label3.Visible(); }},
      {"and Frame shows it", [&] { Choose(w.cboCompType, 1); },
       [&] { return w.cboCompType.ListIndex() == 1 && w.Label3.Visible(); }},
      {"a click on a line shows the element", [&] { ClickRow(w.lstElm, 1); },
       [&] {
         return w.txtElmName.Text() == "Screed" && w.Option2.Value() && w.cmdEditElm.Enabled() &&
                w.msgElm.TextMatrix(1, 2) == "12" && w.txtmsgCell.Locked();
       }},
      {"Yes", [&] { Click(w.Option1); }, [&] { return marks[1]; }},
      {"No", [&] { Click(w.Option2); }, [&] { return !marks[1]; }},
      {"move down", [&] { Click(w.cmdElmDn); },
       [&] { return lines() == "Outer leaf;Inner leaf;Screed;" && w.lstElm.ListIndex() == 2; }},
      {"move up", [&] { Click(w.cmdElmUp); },
       [&] { return lines() == "Outer leaf;Screed;Inner leaf;" && w.lstElm.ListIndex() == 1; }},
      {"a double-click on a line edits the element",
       [&] { DoubleClickAt(Widget<QListWidget>(w.lstElm)->viewport(), RowCentre(w.lstElm, 0)); },
       [&] { return w.txtElmName.Text() == "Outer leaf" && !w.lstElm.Enabled() && !w.txtmsgCell.Locked(); }},
      {"Save Element && Return", [&] { Click(w.cmdSaveElm); },
       [&] { return w.lstElm.Enabled() && w.lstElm.ListIndex() == 0 && w.txtmsgCell.Locked(); }},
      {"Edit Element", [&] { ClickRow(w.lstElm, 2), Click(w.cmdEditElm); },
       [&] { return w.txtElmName.Text() == "Inner leaf" && !w.lstElm.Enabled(); }},
      {"Delete Element", [&] { Click(w.cmdSaveElm), Click(w.cmdDeleteElm); },
       [&] { return lines() == "Outer leaf;Screed;"; }},
      {"Add Element, the type button, Save",
       [&] {
         ClickRow(w.lstElm, 0);
         Click(w.cmdAddElm);
         QTest::keyClicks(Widget<QLineEdit>(w.txtElmName), "Render");
         DoubleClickRowWhenShown(windows.frmElmSelect(), windows.frmElmSelect().lstElmTypNam, 1);
         Click(w.cmdElmType);
         Activate(w);
         Click(w.cmdSaveElm);
       },
       [&] { return lines() == "Outer leaf;Render;Screed;" && w.lblElmType.Caption() == "RC Wall"; }},
      {"File > Save Component",
       [&] {
         fileAnswers.push_back(prog.building.ProjDir + "WALL.FLC");
         ChooseMenu(w.mnuFSComp);
       },
       [&] { return w.CompSaved && folder.Read("proj/WALL.FLC").find("\"Render\"") != std::string::npos; }},
      {"Return", [&] { ChooseMenu(w.mnuDirRet); }, [&] { return !w.IsLoaded(); }},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_TRUE(step.done()) << step.what;
  }
  EXPECT_EQ(messages, std::vector<std::string>{});
}

// The component editor's File menu on a new component: Load Component
// reads a component file, Save As Construction hands its elements to the
// constructions window, each chosen with the mouse on the real menus.
TEST_F(BuildingWidgets, ComponentFileMenuPathsReachTheEditor) {
  WriteFloorData();
  auto& st = prog.building;
  common::ElmRec elm;
  elm.ElmFile = "S.FLE";
  elm.ElmName = "Screed";
  elm.ElmTypeNo = 0;
  elm.ElmValue[0] = "12";  // a generic element's material no.
  common::CompRec comp;
  comp.CompName = "Slab";
  comp.CompType = 0;  // Envelope
  comp.CompQty = 1;
  comp.NoOfElm = 1;
  comp.CompElmFile[0] = elm.ElmFile;
  comp.CompElmName[0] = elm.ElmName;
  comp.CompElmTypeNo[0] = elm.ElmTypeNo;
  std::string error;
  ASSERT_TRUE(building::WriteElementFile(st.ProjDir + "S.FLE", elm, 220, error)) << error;
  ASSERT_TRUE(building::WriteComponentFile(st.ProjDir + "SLAB.FLC", comp, 210, error)) << error;
  building::frmGroupComp& w = ShowEditor();
  const auto& buf = prog.energyInput;

  fileAnswers.push_back(st.ProjDir + "SLAB.FLC");
  ChooseMenu(w.mnuFLComp);
  ASSERT_EQ(w.lstElm.ListCount(), 1);
  EXPECT_EQ(w.lstElm.List(0), "Screed");
  EXPECT_FALSE(w.CompSaved);

  building::frmInpMatData& thickness = windows.frmInpMatData();
  WhenShownModal(thickness, [&] {
    QTest::keyClicks(Widget<QLineEdit>(thickness.txtMatProp), "0.05");
    Click(thickness.cmdReturn);
  });
  CloseWhenShownModal(windows.frmSelCons());
  ChooseMenu(w.mnuFSCons);
  EXPECT_EQ(buf.CurNLay, 1);
  EXPECT_EQ(buf.CurLayMatNo[1], 12);
  EXPECT_EQ(buf.CurLayThk[1], 0.05f);
  EXPECT_EQ(buf.CurLayMatName[1], "Concrete");
  EXPECT_EQ(messages, std::vector<std::string>{
                          "Enter Outer and Inner Surface Absorptivity and Name the Construction in the next form."});
}

// Every mouse and key path of the default-values panel reaches the editor.
TEST_F(BuildingWidgets, ValuesPanelPathsReachTheEditor) {
  building::frmGroupComp& w = OpenWallComponent();
  const auto& mat = prog.building.elmMat;
  auto* lifeU = Widget<QLineEdit>(w.txtLifeU);
  struct Step {
    const char* what;
    std::function<void()> act;
    std::function<bool()> done;
  };
  const Step steps[] = {
      {"Edit Element, then Load Element enables Edit",
       [&] {
         ClickRow(w.lstElm, 0);
         Click(w.cmdEditElm);
         fileAnswers.push_back(prog.building.ProjDir + "A.FLE");
         Click(w.cmdLoadElm);
         Activate(w);
       },
       [&] { return w.cmdChgElmD.Enabled(); }},
      {"Edit opens the panel on the last material", [&] { Click(w.cmdChgElmD); },
       [&] { return w.fraChgElmD.Visible() && w.cboMNoInElm.ListIndex() == 1 && w.lblMatD.Caption() == "Rebar"; }},
      {"choosing a material shows it", [&] { Choose(w.cboMNoInElm, 0); },
       [&] { return w.lblMatD.Caption() == "Concrete" && w.txtLifeD.Text() == "60"; }},
      {"typing a life to be used",
       [&] {
         lifeU->selectAll();
         QTest::keyClicks(lifeU, "75");
       },
       [&] { return w.txtLifeU.Text() == "75"; }},
      {"the material button",
       [&] {
         DoubleClickRowWhenShown(windows.frmMatLib(), windows.frmMatLib().lstMatData, 2);
         Click(w.cmdSelMat);
         Activate(w);
       },
       [&] { return w.lblMatU.Caption() == "Rebar" && mat.ElmMatNo[1][1] == 20; }},
      {"a double-click on the material to be used",
       [&] {
         DoubleClickRowWhenShown(windows.frmMatLib(), windows.frmMatLib().lstMatData, 3);
         DoubleClick(w.lblMatU);
         Activate(w);
       },
       [&] { return w.lblMatU.Caption() == "Brick" && mat.ElmMatNo[1][1] == 120; }},
      {"Apply Changes writes the values in force", [&] { Click(w.cmdUseUIV); },
       [&] { return !w.fraChgElmD.Visible() && folder.Read("proj/A_.FLE").rfind("2\r\n120,5,75,", 0) == 0; }},
      {"Reset to Default Values keeps them but not in force",
       [&] {
         Click(w.cmdChgElmD);
         Click(w.cmdUseDV);
       },
       [&] { return !w.fraChgElmD.Visible() && folder.Read("proj/A_.FLE").rfind("0\r\n120,5,75,", 0) == 0; }},
      {"Exit closes the panel",
       [&] {
         Click(w.cmdChgElmD);
         Click(w.cmdXFraChgElmD);
       },
       [&] { return !w.fraChgElmD.Visible() && w.mnuF.Enabled(); }},
      {"File > Return, not saving",
       [&] {
         answer = QMessageBox::No;
         ChooseMenu(w.mnuFReturn);
       },
       [&] { return !w.IsLoaded(); }},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_TRUE(step.done()) << step.what;
  }
}

// The sample office's floor slab, reached as a designer does: Edit Floor
// (Typical office floor), Edit Component (Typical floor frame), the slab
// chosen and Edit Element, 999 typed over the Reinforcement Rate 110, then
// Return. Its Yes keeps the typed rate in the element file; its No leaves
// the file as it was.
TEST_F(BuildingWidgets, ReturnYesKeepsTheElementBeingEdited) {
  const std::string sample = std::string(OSTREVO_SOURCE_DIR) + "/samples/office/";
  const std::string original = common::ReadWholeFile(sample + "TYP_RC_SLAB.FLE").value_or("");
  for (auto [button, held] : {std::pair{QMessageBox::Yes, "\"999\",\"\""}, std::pair{QMessageBox::No, "\"110\""}}) {
    SCOPED_TRACE(held);
    auto& st = prog.building;
    const std::string copy = button == QMessageBox::Yes ? "yes/" : "no/";
    st.ProjDir = folder.Path() + copy;
    std::filesystem::copy(sample, st.ProjDir);
    st.DataDir = std::string(OSTREVO_SOURCE_DIR) + "/data/";
    building::SetLibraryPaths(st);
    std::string error;
    ASSERT_EQ(building::ReadProjectFile(st.ProjDir + "OFFICE.PRJ", st.Bldg, error), building::ReadStatus::Ok) << error;
    st.Bldg.ProjFile = "OFFICE.PRJ";
    messages.clear();

    building::frmBldgSysInput& bldg = windows.frmBldgSysInput();
    building::frmAddGroup& group = windows.frmAddGroup();
    building::frmGroupComp& comp = windows.frmGroupComp();
    bldg.Show();
    Activate(bldg);
    ClickRow(bldg.lstFloorName, 1);
    WhenShownModal(group, [&, button = button] {
      ClickRow(group.lstGrpComp, 1);
      WhenShownModal(comp, [&] {
        ClickRow(comp.lstElm, 0);
        Click(comp.cmdEditElm);
        ClickCell(comp.msgElm, 3, 2);
        QTest::keyClicks(Focused(comp), "999");
        EXPECT_EQ(comp.msgElm.TextMatrix(3, 0), "Reinforcement Rate");
        EXPECT_EQ(comp.msgElm.TextMatrix(3, 2), "999");
        answer = button;
        ChooseMenu(comp.mnuFReturn);
      });
      Click(group.cmdEditGrpComp);
      answer = QMessageBox::No;
      Click(group.cmdReturn);
    });
    Click(bldg.cmdEditFloor);
    EXPECT_FALSE(comp.IsLoaded() || group.IsLoaded());
    bldg.Unload();
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Press Yes to save data before closing this form; No to skip saving; and Cancel to abort.",
                            "Save data before closing this form?"}));
    const std::string slab = folder.Read(copy + "TYP_RC_SLAB.FLE");
    EXPECT_NE(slab.find(held), std::string::npos) << slab;
    if (button == QMessageBox::No) {
      EXPECT_EQ(slab, original);
    }
  }
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
