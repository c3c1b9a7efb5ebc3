// The element data grid: its rows from the library record, the edit box,
// the key filter, the keyboard navigation and the material pick of a
// generic element.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>

#include "common/paths.h"
#include "element_editor_fixture.h"
#include "forms/keys.h"

namespace {

namespace keys = forms::keys;
using building::GridCell;

TEST(NextGridCell, WrapsAtTheLastDataRow) {
  struct Case {
    int key;
    GridCell from, to;
  } cases[] = {
      {keys::Right, {10, 3}, {1, 2}},
      {keys::Right, {4, 2}, {4, 3}},
      {keys::Right, {4, 3}, {5, 2}},
      {keys::Left, {1, 2}, {9, 3}},
      {keys::Left, {4, 3}, {4, 2}},
      {keys::Left, {4, 2}, {3, 3}},
      {keys::Down, {10, 2}, {1, 2}},
      {keys::Down, {3, 3}, {4, 3}},
      {keys::Up, {1, 3}, {9, 3}},
      {keys::Up, {10, 2}, {9, 2}},
      {0, {10, 3}, {11, 2}},
      {0, {16, 3}, {17, 2}},
      {0, {5, 2}, {5, 3}},
      {keys::Escape, {5, 2}, {5, 2}},
      {'A', {5, 3}, {5, 3}},
      {keys::Right, {5, 1}, {5, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.key) + " from " + std::to_string(c.from.row) + "," + std::to_string(c.from.col));
    EXPECT_EQ(building::NextGridCell(c.key, c.from, 10), c.to);
  }
}

class ElementGrid : public elmtest::ElementEditor {
 protected:
  // A new element of type "Brick Wall": five rows listed (item 5 has no
  // unit), so the last data row is 4.
  void AddBrickWall() {
    w->Show();
    w->cmdAddElm.Click();
    w->txtElmName.SetText("Wall");
    PickTypeNext("Brick Wall");
    w->cmdElmType.Click();
  }
  void Key(int code) { w->KeyDown(w->ActiveControl(), code, 0); }
  GridCell Cell() const { return {w->msgElm.Row(), w->msgElm.Col()}; }
};

TEST_F(ElementGrid, RowsFollowTheLibraryRecord) {
  AddBrickWall();
  EXPECT_EQ(w->msgElm.TextMatrix(0, 3), "Remark");
  EXPECT_EQ(w->msgElm.TextMatrix(1, 0), "Thickness");
  EXPECT_EQ(w->msgElm.TextMatrix(4, 1), "m");
  EXPECT_EQ(w->msgElm.TextMatrix(5, 0), "Note");
  EXPECT_EQ(w->msgElm.TextMatrix(6, 0), "");  // listed up to the first item without a unit
  EXPECT_EQ(w->LastDataRow, 4);
  EXPECT_EQ(w->msgElm.Height(), 9 * w->msgElm.RowHeight(0) + 90);
}

TEST_F(ElementGrid, KeyboardNavigation) {
  AddBrickWall();
  w->msgElm.ClickCell(4, 2);
  EXPECT_TRUE(w->txtmsgCell.Visible());
  EXPECT_EQ(w->ActiveControl(), &w->txtmsgCell);
  Key(keys::Down);  // from the last data row back to row 1
  EXPECT_EQ(Cell(), (GridCell{1, 2}));
  Key(keys::Up);  // from row 1 to the row above the last data row
  EXPECT_EQ(Cell(), (GridCell{3, 2}));
  Key(keys::Return);  // Enter acts as Right
  EXPECT_EQ(Cell(), (GridCell{3, 3}));
  EXPECT_EQ(w->CurCellCol, 3);
  Key(keys::Right);
  Key(keys::Right);
  EXPECT_EQ(Cell(), (GridCell{4, 3}));
  EXPECT_TRUE(w->AtLastCell);
  Key(keys::Right);
  EXPECT_EQ(Cell(), (GridCell{1, 2}));
  // Row 5 is still reached by a click.
  w->msgElm.ClickCell(5, 2);
  EXPECT_EQ(Cell(), (GridCell{5, 2}));
  // The edit box lies over the current cell.
  EXPECT_EQ(w->txtmsgCell.Left(), w->msgElm.Left() + w->msgElm.ColPos(2) + 30);
  EXPECT_EQ(w->txtmsgCell.Width(), w->msgElm.ColWidth(2) + 30);
}

TEST_F(ElementGrid, MovingBeyondTheGridLandsOnTheFirstValue) {
  AddBrickWall();
  w->msgElm.ClickCell(16, 3);
  w->KeyDown(&w->txtGrpName, 'A', 0);  // a key that moves nothing
  EXPECT_EQ(Cell(), (GridCell{16, 3}));
  w->txtGrpName.SetFocus();  // the tab step: on to the next cell, which is beyond the grid
  EXPECT_EQ(Cell(), (GridCell{1, 2}));
  EXPECT_EQ(w->msgElm.TopRow(), 1);
  EXPECT_EQ(w->ActiveControl(), &w->txtmsgCell);  // the edit box took the focus back
}

TEST_F(ElementGrid, TabStepAtTheLastCellHidesTheEditBox) {
  AddBrickWall();
  w->msgElm.ClickCell(4, 3);
  EXPECT_TRUE(w->AtLastCell);
  w->txtGrpName.SetFocus();
  EXPECT_FALSE(w->txtmsgCell.Visible());
  EXPECT_EQ(Cell(), (GridCell{4, 3}));
}

TEST_F(ElementGrid, TypingIntoTheCells) {
  AddBrickWall();
  w->msgElm.ClickCell(1, 2);
  struct Case {
    std::string typed, value;
  } cases[] = {{"-1", "1"}, {"a", ""}, {"1.5", "1.5"}, {"1.2.3", "1.2.3"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    w->txtmsgCell.Type(c.typed);
    EXPECT_EQ(w->msgElm.TextMatrix(1, 2), c.value);
  }
  w->msgElm.ClickCell(1, 3);
  w->txtmsgCell.Type("cast - in situ");  // the Remark column takes any text
  EXPECT_EQ(w->msgElm.TextMatrix(1, 3), "cast - in situ");
  w->cmdEnter.Click();
  EXPECT_EQ(w->CurCellCol, -1);
  EXPECT_EQ(w->txtmsgCell.Text(), "");
  EXPECT_EQ(w->msgElm.TextMatrix(1, 3), "cast - in situ");
  // With no cell remembered, typing reaches no cell; Clear empties the
  // remembered cell.
  w->txtmsgCell.Type("9");
  EXPECT_EQ(w->msgElm.TextMatrix(1, 3), "cast - in situ");
  w->msgElm.ClickCell(1, 2);
  w->cmdClrTxt.Click();
  EXPECT_EQ(w->msgElm.TextMatrix(1, 2), "");
  // The grid reaches the element only when it is saved.
  w->msgElm.SetTextMatrix(1, 2, "0.25");
  EXPECT_EQ(st.CurElm.ElmValue[0], "");
  w->cmdSaveElm.Click();
  EXPECT_EQ(st.CurElm.ElmValue[0], "0.25");
  EXPECT_EQ(st.CurElm.ElmRemark[0], "cast - in situ");
}

TEST_F(ElementGrid, ALockedEditBoxIsNeverShown) {
  WriteElement("W.FLE", "W", 2, {{"0.1", ""}, {"5", ""}});
  WriteComponent("C.FLC", "C", 0, {{"W.FLE", "W", 2}});
  w->Show();
  w->lstElm.SetListIndex(0);
  w->msgElm.ClickCell(2, 2);
  EXPECT_FALSE(w->txtmsgCell.Visible());
  w->msgElm.SetFocus();
  // Moved by the form; the key is swallowed so that the grid does not move again.
  EXPECT_EQ(w->KeyDown(&w->msgElm, keys::Down, 0), 0);
  EXPECT_EQ(Cell(), (GridCell{3, 2}));
}

TEST_F(ElementGrid, UserScrollHidesTheEditBox) {
  AddBrickWall();
  w->msgElm.ClickCell(2, 2);
  w->msgElm.UserScroll(3);
  EXPECT_FALSE(w->txtmsgCell.Visible());
}

TEST_F(ElementGrid, GenericMaterialRowsOpenTheMaterialPicker) {
  w->Show();
  w->cmdAddElm.Click();
  w->txtElmName.SetText("Generic");
  PickTypeNext("Generic Element");
  w->cmdElmType.Click();
  PickMaterialNext(120);
  w->msgElm.DblClickCell(5, 2);
  EXPECT_EQ(matLib->ElmTypeStr, "0");
  EXPECT_EQ(matLib->GrpKindStr, "Floor");
  EXPECT_EQ(w->msgElm.TextMatrix(5, 2), "120");
  EXPECT_EQ(w->msgElm.TextMatrix(5, 3), "Brick (kg)");
  // The box shows the picked number and edits its cell, not an emptied box over it.
  EXPECT_EQ(w->txtmsgCell.Text(), "120");
  EXPECT_EQ(w->CurCellCol, 2);
  // Cancelling the picker leaves the cell as it was.
  PickMaterialNext(0);
  w->msgElm.DblClickCell(5, 2);
  EXPECT_EQ(w->msgElm.TextMatrix(5, 2), "120");
  // Other rows open no picker: a double-click enters the cell's own text.
  w->msgElm.ClickCell(6, 2);
  w->txtmsgCell.Type("7");
  w->cmdEnter.Click();
  w->msgElm.DblClickCell(6, 2);
  EXPECT_EQ(w->msgElm.TextMatrix(6, 2), "7");
  // A ">_" cell is not copied into the (emptied) box, so it is emptied.
  w->cmdEnter.Click();
  w->msgElm.SetTextMatrix(6, 2, ">_");
  w->msgElm.DblClickCell(6, 2);
  EXPECT_EQ(w->msgElm.TextMatrix(6, 2), "");
}

TEST_F(ElementGrid, ANewTypeRefillsValuesFromTheElement) {
  AddBrickWall();
  w->msgElm.SetTextMatrix(1, 2, "0.2");
  w->cmdSaveElm.Click();
  w->cmdEditElm.Click();
  w->msgElm.SetTextMatrix(1, 2, "0.3");
  PickTypeNext("RC Wall");
  w->lblElmType.DblClick();
  EXPECT_EQ(w->msgElm.TextMatrix(1, 0), "Item 1");
  EXPECT_EQ(w->msgElm.TextMatrix(1, 2), "0.2");  // typed since the last save: replaced
  EXPECT_EQ(w->LastDataRow, 3);
}

// A value list ends at its first empty value: an empty value with a filled
// one after it would lose the later ones, so the save is refused and names
// the empty row, the first and the last data row included. An empty last
// row only ends the list.
TEST_F(ElementGrid, AnEmptyValueBeforeAFilledOneRefusesTheSave) {
  AddBrickWall();
  const struct {
    std::array<const char*, 4> values;  // rows 1 to 4, the data rows
    const char* refused;                // the row the message names
  } cases[] = {
      {{"", "20", "", ""}, "row 1 (Thickness)"},
      {{"10", "", "30", ""}, "row 2 (Area)"},
      {{"10", "20", "", "40"}, "row 3 (Mortar)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.refused);
    for (int r = 1; r <= 4; ++r) w->msgElm.SetTextMatrix(r, 2, c.values[static_cast<std::size_t>(r - 1)]);
    platform.ExpectMessage(std::string("The value of ") + c.refused +
                           " is empty while a later row holds one. Fill it in, or empty the values after it, before "
                           "saving the element.");
    w->cmdSaveElm.Click();
    EXPECT_FALSE(common::FileExists(st.ProjDir + "Wall.FLE"));
    EXPECT_EQ(w->txtElmName.Text(), "Wall");  // still being added
    EXPECT_EQ(w->lstElm.ListCount(), 0);
  }
  for (int r = 1; r <= 4; ++r) w->msgElm.SetTextMatrix(r, 2, r < 4 ? std::to_string(10 * r) : "");
  w->msgElm.SetTextMatrix(3, 3, "kept");
  w->cmdSaveElm.Click();
  EXPECT_NE(folder.Read("proj/Wall.FLE").find("\"10\",\"\"\r\n\"20\",\"\"\r\n\"30\",\"kept\"\r\n\"\",\"\"\r\n"),
            std::string::npos);
  // Emptying the last values is fine: the list simply ends earlier.
  w->cmdEditElm.Click();
  w->msgElm.SetTextMatrix(3, 2, "");
  w->cmdSaveElm.Click();
  EXPECT_NE(folder.Read("proj/Wall.FLE").find("\"20\",\"\"\r\n\"\",\"kept\"\r\n"), std::string::npos);
}

// Closing the type picker without a choice, or choosing the same type,
// keeps what was typed since the last save; only a new type rebuilds.
TEST_F(ElementGrid, TheGridIsRebuiltOnlyForANewType) {
  AddBrickWall();
  w->msgElm.SetTextMatrix(1, 2, "0.2");
  w->cmdElmType.Click();  // the picker closed by its frame
  EXPECT_EQ(w->msgElm.TextMatrix(1, 2), "0.2");
  EXPECT_EQ(w->lblElmType.Caption(), "Brick Wall");
  PickTypeNext("Brick Wall");
  w->cmdElmType.Click();
  EXPECT_EQ(w->msgElm.TextMatrix(1, 2), "0.2");
  PickTypeNext("RC Wall");
  w->cmdElmType.Click();
  EXPECT_EQ(w->lblElmType.Caption(), "RC Wall");
  EXPECT_EQ(w->msgElm.TextMatrix(1, 0), "Item 1");
}

// A double quote typed into a Remark cell stays, with no message in the
// middle of the typing, and reads back as typed; a line break is dropped.
TEST_F(ElementGrid, ARemarkKeepsItsDoubleQuote) {
  AddBrickWall();
  w->msgElm.SetTextMatrix(1, 2, "0.3");
  w->msgElm.ClickCell(1, 3);
  w->txtmsgCell.Type("12\" brick, \"fair\" face");
  EXPECT_EQ(w->msgElm.TextMatrix(1, 3), "12\" brick, \"fair\" face");
  w->msgElm.ClickCell(2, 3);
  w->txtmsgCell.SetText("two\r\nlines");
  EXPECT_EQ(w->msgElm.TextMatrix(2, 3), "twolines");
  EXPECT_TRUE(platform.Messages().empty());
  w->cmdSaveElm.Click();
  EXPECT_NE(folder.Read("proj/Wall.FLE").find("\"0.3\",\"12\"\" brick, \"\"fair\"\" face\""), std::string::npos);
  EXPECT_EQ(w->msgElm.TextMatrix(1, 3), "12\" brick, \"fair\" face");  // shown again from the file
}

}  // namespace
