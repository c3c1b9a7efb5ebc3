#include "building/frm_bldg_sys_input.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "assessment/selection.h"
#include "forms/keys.h"
#include "support/scripted_platform.h"

namespace {

using building::frmBldgSysInput;
using forms::MsgResult;

struct Row {
  std::string name;
  float qty;
};

// What the group editor saw when it was shown.
struct Exchange {
  common::Integer grpType = 0;
  std::string word;
  common::Integer selGrpIdx = 0;
  std::string file, name;
  float qty = -1;
};

class BuildingWindowTest : public testing::Test {
 protected:
  BuildingWindowTest() {
    st.Bldg.ProjFile = "TOWER.PRJ";
    st.Bldg.ProjName = "Tower";
    ModCal::ResetAllSelections(sel);
  }

  // Rows of foundations (100), floors (200) or services (300) in Bldg; file
  // names are the names with ".G" appended.
  void SetRows(int grpType, const std::vector<Row>& rows) {
    auto& b = st.Bldg;
    for (size_t i = 0; i < rows.size(); ++i) {
      std::string file = rows[i].name + ".G";
      if (grpType == 100) b.FdnGrpFile[i] = file, b.FdnGrpName[i] = rows[i].name, b.FdnGrpQty[i] = rows[i].qty;
      if (grpType == 200) b.FlrGrpFile[i] = file, b.FlrGrpName[i] = rows[i].name, b.FlrGrpQty[i] = rows[i].qty;
      if (grpType == 300) b.SerGrpFile[i] = file, b.SerGrpName[i] = rows[i].name, b.SerGrpQty[i] = rows[i].qty;
    }
    auto n = static_cast<common::Integer>(rows.size());
    (grpType == 100 ? b.NoOfFdnGrp : grpType == 200 ? b.NoOfFlrGrp : b.NoOfSerGrp) = n;
  }
  void Floors(std::initializer_list<const char*> names) {
    std::vector<Row> rows;
    float q = 1;
    for (const char* n : names) rows.push_back({n, q++});
    SetRows(200, rows);
  }

  // The next showing of the group editor records the exchange and returns
  // the group given (an empty name: nothing added).
  void EditorReturns(std::string file, std::string name, float qty, int noOfComp = 0,
                     std::function<void()> alsoDo = {}) {
    platform.OnModal("frmAddGroup", [=, this](forms::Form& f) {
      seen = {st.GrpType, st.GrpTypeName, st.SelGrpIdx, st.CurGrp.GrpFile, st.CurGrp.GrpName, st.CurGrp.GrpQty};
      st.CurGrp.GrpFile = file;
      st.CurGrp.GrpName = name;
      st.CurGrp.GrpQty = qty;
      st.CurGrp.NoOfComp = static_cast<common::Integer>(noOfComp);
      if (alsoDo) alsoDo();
      f.Unload();
    });
  }

  static std::vector<std::string> Items(const forms::ListBox& l) {
    std::vector<std::string> out;
    for (int i = 0; i < l.ListCount(); ++i) out.push_back(l.List(i));
    return out;
  }
  std::vector<std::string> FloorNames() const {
    return {st.Bldg.FlrGrpName.begin(), st.Bldg.FlrGrpName.begin() + w->lstFloorName.ListCount()};
  }
  int EditorShowings() const {
    int n = 0;
    for (const auto& s : platform.ShownForms()) n += s.form == "frmAddGroup";
    return n;
  }

  testsupport::ScriptedPlatform platform;
  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  common::BuildingState& st = prog.building;
  common::SelectionTables& sel = prog.assess.sel;
  forms::Form editor{platform, "frmAddGroup"};
  int mainShown = 0;
  std::unique_ptr<frmBldgSysInput> w =
      std::make_unique<frmBldgSysInput>(prog, platform, editor, [this] { ++mainShown; });
  Exchange seen;
};

TEST_F(BuildingWindowTest, LoadShowsTheRowsInShortForm) {
  SetRows(100, {{"Piles", 2}, {"Raft", 0.5f}});
  SetRows(300, {{"Chillers", 0}, {"Pumps", -1.5f}});
  st.Bldg.CFA = 1500;
  sel.SkipAllFlr = 1;
  w->Show();
  EXPECT_EQ(w->Caption(), "Building and System");
  EXPECT_EQ(w->txtProjName.Text(), "Tower");
  EXPECT_EQ(w->txtCFA.Text(), " 1500");
  EXPECT_EQ(Items(w->lstFoundationName), (std::vector<std::string>{"Piles", "Raft"}));
  EXPECT_EQ(Items(w->lstFdnNo), (std::vector<std::string>{" 2", " .5"}));
  EXPECT_EQ(Items(w->lstSerNo), (std::vector<std::string>{" 0", "-1.5"}));
  EXPECT_EQ(w->lstFloorName.ListCount(), 0);
  EXPECT_EQ(w->lstFoundationName.ListIndex(), -1);
  EXPECT_FALSE(w->cmdEditFoundation.Enabled() || w->cmdDeleteServices.Enabled());
  EXPECT_EQ(w->chkFlr.Value(), 1);
  EXPECT_EQ(w->chkFdn.Value(), 0);
  for (auto* o : {&w->Option1, &w->Option2, &w->Option3, &w->Option4, &w->Option9})
    EXPECT_FALSE(o->Enabled() || o->Value()) << o->Name();
}

// Return keeps the floor area as stored when its box was left as shown:
// the box shows seven digits, which would not read back exactly.
TEST_F(BuildingWindowTest, AnUntouchedFloorAreaKeepsAllItsDigits) {
  st.Bldg.CFA = 11683.875f;
  w->Show();
  EXPECT_EQ(w->txtCFA.Text(), " 11683.88");
  w->cmdReturn.Click();
  EXPECT_EQ(st.Bldg.CFA, 11683.875f);
  w->Show();
  w->txtCFA.SetText("1200");
  w->cmdReturn.Click();
  EXPECT_EQ(st.Bldg.CFA, 1200.0f);
}

TEST_F(BuildingWindowTest, NoProjectFileShowsNoRowsAndReturnStoresZeroCounts) {
  Floors({"L1", "L2"});
  st.Bldg.ProjFile.clear();
  st.Bldg.CFA = 0.5f;
  w->Show();
  EXPECT_EQ(w->txtCFA.Text(), " .5");
  EXPECT_EQ(w->lstFloorName.ListCount(), 0);
  w->cmdReturn.Click();
  EXPECT_EQ(st.Bldg.NoOfFlrGrp, 0);
  EXPECT_EQ(st.Bldg.CFA, 0.5f);
  EXPECT_FALSE(w->IsLoaded());
  EXPECT_EQ(mainShown, 1);
}

TEST_F(BuildingWindowTest, AddPutsTheNewGroupAfterTheSelectedRow) {
  struct Case {
    int rows, selected;
    std::vector<std::string> expected;
  } cases[] = {
      {0, -1, {"New"}},
      {3, 2, {"A", "B", "C", "New"}},
      {3, 0, {"A", "New", "B", "C"}},
      {3, -1, {"New", "A", "B", "C"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.rows) + " rows, row " + std::to_string(c.selected) + " selected");
    std::vector<Row> rows;
    for (int i = 0; i < c.rows; ++i) rows.push_back({std::string(1, static_cast<char>('A' + i)), 1.0f + i});
    SetRows(200, rows);
    w->Show();
    w->lstFloorName.SetListIndex(c.selected);
    EditorReturns("NEW.FLR", "New", 2.5f);
    w->cmdAddFloor.Click();
    EXPECT_EQ(seen.grpType, 200);
    EXPECT_EQ(seen.word, "Floor");
    EXPECT_EQ(seen.selGrpIdx, -1);
    EXPECT_EQ(seen.file, "");
    EXPECT_EQ(seen.name, "");
    EXPECT_EQ(seen.qty, 0.0f);
    EXPECT_EQ(Items(w->lstFloorName), c.expected);
    EXPECT_EQ(FloorNames(), c.expected);
    auto at = static_cast<size_t>(c.selected + 1);
    EXPECT_EQ(st.Bldg.FlrGrpFile[at], "NEW.FLR");
    EXPECT_EQ(st.Bldg.FlrGrpQty[at], 2.5f);
    EXPECT_EQ(w->lstFlrNo.List(c.selected + 1), " 2.5");
    EXPECT_EQ(st.Bldg.NoOfFlrGrp, c.rows + 1);  // the count follows the rows at once
    EXPECT_EQ(w->lstFloorName.ListIndex(), c.selected);
    EXPECT_EQ(w->lstFlrNo.ListIndex(), c.selected);
    EXPECT_FALSE(w->cmdEditFloor.Enabled() || w->cmdDeleteFloor.Enabled());
    w->cmdReturn.Click();
  }
}

TEST_F(BuildingWindowTest, EachKindHandsItsOwnCodeAndWord) {
  w->Show();
  struct Case {
    forms::CommandButton& add;
    forms::ListBox& names;
    common::Integer grpType;
    const char* word;
    common::Integer& count;
  } cases[] = {{w->cmdAddFoundation, w->lstFoundationName, 100, "Foundation", st.Bldg.NoOfFdnGrp},
               {w->cmdAddFloor, w->lstFloorName, 200, "Floor", st.Bldg.NoOfFlrGrp},
               {w->cmdAddServices, w->lstServicesName, 300, "Services", st.Bldg.NoOfSerGrp}};
  for (auto& c : cases) {
    EditorReturns("G", "Group", 1);
    c.add.Click();
    EXPECT_EQ(seen.grpType, c.grpType);
    EXPECT_EQ(seen.word, c.word);
    EXPECT_EQ(c.names.ListCount(), 1);
    EXPECT_EQ(c.count, 1);
  }
}

// An editor that comes back without a name, or with a group that was never
// saved or loaded, adds nothing and changes nothing else either.
TEST_F(BuildingWindowTest, AddWithNothingReturnedChangesNothing) {
  Floors({"A", "B"});
  w->Show();
  w->lstFloorName.SetListIndex(1);
  sel.FlrGrpAssess[0] = 0.5f;
  sel.FlrCompAssess[1][3] = 0.0f;
  for (auto [file, name] : {std::pair{"X.FLR", ""}, std::pair{"", "Unsaved"}}) {
    EditorReturns(file, name, 3);
    w->cmdAddFloor.Click();
    EXPECT_EQ(Items(w->lstFloorName), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(st.Bldg.FlrGrpName[2], "");
    EXPECT_EQ(st.Bldg.NoOfFlrGrp, 2);
    EXPECT_TRUE(w->cmdEditFloor.Enabled() && w->cmdDeleteFloor.Enabled());
    EXPECT_EQ(sel.FlrGrpAssess[0], 0.5f);
    EXPECT_EQ(sel.FlrCompAssess[1][3], 0.0f);
  }
}

TEST_F(BuildingWindowTest, AcceptedAddSetsTheWholeKindToAllEvenWhenSkipped) {
  Floors({"A", "B"});
  w->Show();
  w->chkFlr.Click();
  EXPECT_EQ(sel.SkipAllFlr, 1);
  w->lstFloorName.SetListIndex(1);
  w->cmdFlrUp.Click();  // resets from the flags: every floor factor 0
  EXPECT_EQ(sel.FlrGrpAssess[0], 0.0f);
  EXPECT_TRUE(w->Option6.Value());
  sel.SerGrpAssess[0] = 0.5f;
  EditorReturns("C.FLR", "C", 1);
  w->cmdAddFloor.Click();
  for (int g = 0; g < 20; ++g) {
    EXPECT_EQ(sel.FlrGrpAssess[g], 1.0f) << g;
    EXPECT_EQ(sel.FlrCompAssess[g][100], 1.0f) << g;
    EXPECT_TRUE(sel.FlrElmAssess[g][100][20]) << g;
  }
  EXPECT_EQ(sel.SerGrpAssess[0], 0.5f);  // other kinds keep theirs
  EXPECT_EQ(w->chkFlr.Value(), 1);
  EXPECT_EQ(sel.SkipAllFlr, 1);
  // The row still selected shows its new factor.
  EXPECT_TRUE(w->Option4.Value());
  EXPECT_FALSE(w->Option5.Enabled());
}

TEST_F(BuildingWindowTest, AddToAFullListIsRefusedBeforeTheEditor) {
  std::vector<Row> rows;
  for (int i = 0; i < 10; ++i) rows.push_back({"F" + std::to_string(i), 1});
  SetRows(100, rows);
  w->Show();
  platform.ExpectMessage("No more Foundation groups can be added: a building holds at most 10.");
  w->cmdAddFoundation.Click();
  EXPECT_EQ(EditorShowings(), 0);
  EXPECT_EQ(w->lstFoundationName.ListCount(), 10);
}

TEST_F(BuildingWindowTest, DeleteMovesTheRowsUpAndEmptiesTheVacatedEntry) {
  struct Case {
    int row;
    MsgResult answer;
    std::vector<std::string> expected;
  } cases[] = {
      {2, MsgResult::OK, {"A", "B"}},
      {0, MsgResult::OK, {"B", "C"}},
      {1, MsgResult::Cancel, {"A", "B", "C"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    Floors({"A", "B", "C"});
    w->Show();
    w->lstFloorName.SetListIndex(c.row);
    EXPECT_EQ(st.SelGrpIdx, c.row);
    sel.FlrGrpAssess[1] = 0.5f;
    platform.ExpectMessage(
        std::string(1, static_cast<char>('A' + c.row)) + " will be removed from the Project. Continue?", c.answer);
    w->cmdDeleteFloor.Click();
    EXPECT_EQ(Items(w->lstFloorName), c.expected);
    EXPECT_EQ(FloorNames(), c.expected);
    EXPECT_EQ(w->lstFlrNo.ListCount(), static_cast<int>(c.expected.size()));
    EXPECT_EQ(st.Bldg.NoOfFlrGrp, static_cast<int>(c.expected.size()));
    if (c.answer == MsgResult::OK) {
      EXPECT_EQ(st.Bldg.FlrGrpFile[2], "");
      EXPECT_EQ(st.Bldg.FlrGrpName[2], "");
      EXPECT_EQ(st.Bldg.FlrGrpQty[2], 0.0f);
      EXPECT_EQ(st.Bldg.FlrGrpQty[0], c.row == 0 ? 2.0f : 1.0f);  // quantities move with their rows
      EXPECT_EQ(w->lstFlrNo.List(0), c.row == 0 ? " 2" : " 1");
    }
    EXPECT_EQ(w->lstFloorName.ListIndex(), -1);
    EXPECT_EQ(w->lstFlrNo.ListIndex(), -1);
    EXPECT_EQ(st.SelGrpIdx, -1);
    EXPECT_FALSE(w->cmdEditFloor.Enabled() || w->cmdDeleteFloor.Enabled());
    EXPECT_EQ(sel.FlrGrpAssess[1], 1.0f);
    w->cmdReturn.Click();
  }
}

TEST_F(BuildingWindowTest, MovesThatCannotTakePlaceDoNothing) {
  Floors({"A", "B", "C"});
  w->Show();
  sel.FlrGrpAssess[1] = 0.5f;
  struct Case {
    int selected;
    forms::CommandButton& button;
  } cases[] = {{0, w->cmdFlrUp}, {2, w->cmdFlrDn}, {-1, w->cmdFlrUp}, {-1, w->cmdFlrDn}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button.Name() + " on row " + std::to_string(c.selected));
    w->lstFloorName.SetListIndex(c.selected);
    c.button.Click();
    EXPECT_EQ(Items(w->lstFloorName), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(w->lstFloorName.ListIndex(), c.selected);
    EXPECT_EQ(sel.FlrGrpAssess[1], 0.5f);  // no reset either
  }
}

TEST_F(BuildingWindowTest, DownExchangesTwoRowsExactlyAndResetsFromTheFlags) {
  SetRows(100, {{"A", 1}, {"B", 2.5f}, {"C", 3}});
  w->Show();
  w->chkFdn.Click();
  w->lstFdnNo.SetListIndex(1);  // a click in the number list selects the name row
  EXPECT_EQ(w->lstFoundationName.ListIndex(), 1);
  EXPECT_TRUE(w->cmdEditFoundation.Enabled());
  w->cmdFdnDn.Click();
  EXPECT_EQ(Items(w->lstFoundationName), (std::vector<std::string>{"A", "C", "B"}));
  EXPECT_EQ(Items(w->lstFdnNo), (std::vector<std::string>{" 1", " 3", " 2.5"}));
  EXPECT_EQ(st.Bldg.FdnGrpQty[2], 2.5f);
  EXPECT_EQ(st.Bldg.FdnGrpFile[2], "B.G");
  EXPECT_EQ(w->lstFoundationName.ListIndex(), 2);
  EXPECT_EQ(w->lstFdnNo.ListIndex(), 2);
  EXPECT_EQ(st.SelGrpIdx, 2);
  for (int g = 0; g < 10; ++g) EXPECT_EQ(sel.FdnGrpAssess[g], 0.0f);
  EXPECT_TRUE(w->Option3.Value());  // the selected group shows None
  EXPECT_EQ(sel.FlrGrpAssess[0], 1.0f);
}

TEST_F(BuildingWindowTest, EditHandsTheRowAndWritesBackWhatReturns) {
  SetRows(300, {{"Chillers", 1}, {"Pumps", 2}});
  w->Show();
  w->lstServicesName.SetListIndex(1);
  EditorReturns("PUMPS2.SER", "Pumps, renewed", 4);
  w->cmdEditServices.Click();
  EXPECT_EQ(seen.grpType, 300);
  EXPECT_EQ(seen.word, "Services");
  EXPECT_EQ(seen.selGrpIdx, 1);
  EXPECT_EQ(seen.file, "Pumps.G");
  EXPECT_EQ(seen.name, "Pumps");
  EXPECT_EQ(seen.qty, 2.0f);
  EXPECT_EQ(st.Bldg.SerGrpFile[1], "PUMPS2.SER");
  EXPECT_EQ(st.Bldg.SerGrpName[1], "Pumps, renewed");
  EXPECT_EQ(w->lstServicesName.List(1), "Pumps, renewed");
  EXPECT_EQ(w->lstSerNo.List(1), " 4");
  EXPECT_EQ(w->lstServicesName.ListIndex(), 1);
  EXPECT_FALSE(w->cmdEditServices.Enabled() || w->cmdDeleteServices.Enabled());

  // Double-click and Enter edit too; other keys do nothing.
  EditorReturns("A.SER", "Via double-click", 1);
  w->lstServicesName.DblClick();
  EXPECT_EQ(w->lstServicesName.List(1), "Via double-click");
  EditorReturns("A.SER", "Via Enter", 1);
  w->lstServicesName.OwnerForm().KeyDown(&w->lstServicesName, forms::keys::Return, 0);
  EXPECT_EQ(w->lstServicesName.List(1), "Via Enter");
  w->KeyDown(&w->lstServicesName, forms::keys::Space, 0);
  EXPECT_EQ(EditorShowings(), 3);
}

TEST_F(BuildingWindowTest, EditWithNoRowSelectedDoesNothing) {
  Floors({"A"});
  w->Show();
  w->cmdEditFloor.SetEnabled(true);
  w->cmdEditFloor.Click();
  w->lstFloorName.DblClick();
  w->KeyDown(&w->lstFloorName, forms::keys::Return, 0);
  EXPECT_EQ(EditorShowings(), 0);
}

TEST_F(BuildingWindowTest, OptionsShowTheSelectedGroupsFactor) {
  SetRows(100, {{"A", 1}, {"B", 1}, {"C", 1}});
  sel.FdnGrpAssess[0] = 0.5f;
  sel.FdnGrpAssess[2] = 0.0f;
  w->Show();
  w->lstFoundationName.SetListIndex(0);
  EXPECT_TRUE(w->Option2.Enabled() && w->Option2.Value());
  EXPECT_TRUE(w->Option1.Enabled() && w->Option3.Enabled());
  w->lstFoundationName.SetListIndex(1);
  EXPECT_TRUE(w->Option1.Value());
  EXPECT_FALSE(w->Option2.Enabled());
  w->lstFoundationName.SetListIndex(2);
  EXPECT_TRUE(w->Option3.Value());
  EXPECT_EQ(sel.FdnGrpAssess[0], 0.5f);
}

TEST_F(BuildingWindowTest, NoneKeepsTheComponentsAndAllResetsThem) {
  Floors({"A", "B"});
  w->Show();
  w->lstFloorName.SetListIndex(1);
  sel.FlrCompAssess[1][4] = 0.5f;
  sel.FlrElmAssess[1][4][2] = false;
  w->Option6.Click();
  EXPECT_EQ(sel.FlrGrpAssess[1], 0.0f);
  EXPECT_EQ(sel.FlrCompAssess[1][4], 0.5f);
  w->Option4.Click();
  EXPECT_EQ(sel.FlrGrpAssess[1], 1.0f);
  EXPECT_EQ(sel.FlrCompAssess[1][4], 1.0f);
  EXPECT_TRUE(sel.FlrElmAssess[1][4][2]);
  EXPECT_EQ(st.SelGrpIdx, 1);
}

TEST_F(BuildingWindowTest, SkipAllChangesNoFactorUntilAMove) {
  SetRows(300, {{"A", 1}, {"B", 1}});
  w->Show();
  w->chkSer.Click();
  EXPECT_EQ(sel.SkipAllSer, 1);
  EXPECT_EQ(sel.SerGrpAssess[0], 1.0f);
  w->lstServicesName.SetListIndex(0);
  EXPECT_TRUE(w->Option7.Value());
  w->cmdSerDn.Click();
  EXPECT_EQ(sel.SerGrpAssess[0], 0.0f);
  EXPECT_EQ(sel.SerGrpAssess[1], 0.0f);
  EXPECT_TRUE(w->Option9.Value());
  w->chkSer.Click();
  EXPECT_EQ(sel.SkipAllSer, 0);
  EXPECT_EQ(sel.SerGrpAssess[1], 0.0f);
}

TEST_F(BuildingWindowTest, EditRederivesAllAndSome) {
  Floors({"A", "B"});
  w->Show();
  w->lstFloorName.SetListIndex(1);
  ASSERT_TRUE(w->Option4.Value());
  // Edit leaves the row selected (its button disabled): a double-click
  // edits it again.
  auto leaveComponentOut = [this] { sel.FlrCompAssess[1][1] = 0.0f; };
  EditorReturns("B.G", "B", 1, 3, leaveComponentOut);
  w->lstFloorName.DblClick();
  EXPECT_TRUE(w->Option5.Value() && w->Option5.Enabled());
  EXPECT_EQ(sel.FlrGrpAssess[1], 0.5f);

  EditorReturns("B.G", "B", 1, 3);  // nothing changed: stays Some
  w->lstFloorName.DblClick();
  EXPECT_TRUE(w->Option5.Value());

  EditorReturns("B.G", "B", 1, 3, [this] { sel.FlrCompAssess[1][1] = 1.0f; });
  w->lstFloorName.DblClick();
  EXPECT_TRUE(w->Option4.Value());
  EXPECT_EQ(sel.FlrGrpAssess[1], 1.0f);
  EXPECT_FALSE(w->Option5.Enabled());

  // Only the group's own components count: a leftover past the last one
  // does not turn the group to Some, and a Some group with no components
  // returns to All.
  sel.FlrCompAssess[1][3] = 0.0f;
  EditorReturns("B.G", "B", 1, 3);
  w->lstFloorName.DblClick();
  EXPECT_TRUE(w->Option4.Value());
  sel.FlrGrpAssess[0] = 0.5f;
  w->lstFloorName.SetListIndex(0);
  ASSERT_TRUE(w->Option5.Value());
  EditorReturns("A.G", "A", 1, 0);
  w->lstFloorName.DblClick();
  EXPECT_TRUE(w->Option4.Value());
  EXPECT_EQ(sel.FlrGrpAssess[0], 1.0f);

  // None stays None whatever the components.
  w->Option6.Click();
  EditorReturns("A.G", "A", 1, 3, leaveComponentOut);
  w->lstFloorName.DblClick();
  EXPECT_TRUE(w->Option6.Value());
  EXPECT_EQ(sel.FlrGrpAssess[0], 0.0f);
}

TEST_F(BuildingWindowTest, AfterDeleteFoundationOptionsAreOpenButActOnNothing) {
  SetRows(100, {{"A", 1}, {"B", 1}});
  Floors({"L1", "L2"});
  w->Show();
  w->lstFoundationName.SetListIndex(0);
  platform.ExpectMessage("A will be removed from the Project. Continue?", MsgResult::OK);
  w->cmdDeleteFoundation.Click();
  EXPECT_TRUE(w->Option1.Enabled() && w->Option3.Enabled());
  w->Option3.Click();
  EXPECT_TRUE(w->Option3.Value());       // shows checked ...
  EXPECT_EQ(sel.FdnGrpAssess[0], 1.0f);  // ... but changes no factor

  w->lstFloorName.SetListIndex(1);
  platform.ExpectMessage("L2 will be removed from the Project. Continue?", MsgResult::OK);
  w->cmdDeleteFloor.Click();
  EXPECT_TRUE(w->Option4.Enabled());  // floors keep their state
  EXPECT_TRUE(w->Option4.Value());

  w->Hide();
  w->Unload();
  w->Show();
  EXPECT_FALSE(w->Option4.Enabled() || w->Option4.Value());
}

TEST_F(BuildingWindowTest, ReturnReadsTheFloorAreaByTheLeadingNumberRule) {
  struct Case {
    const char* typed;
    float stored;
  } cases[] = {{"1200", 1200}, {" 1200 sqm", 1200}, {"1 200", 1200}, {"1,200", 1}, {"", 0},
               {"abc", 0},     {"\t-2.5E2", -250},  {"&H1F", 31},    {"&o17", 15}, {"1D3", 1000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    Floors({"A", "B"});
    w->Show();
    w->txtCFA.SetText(c.typed);
    w->cmdReturn.Click();
    EXPECT_FALSE(w->IsLoaded());
    EXPECT_EQ(st.Bldg.CFA, c.stored);
  }
  EXPECT_EQ(mainShown, 10);
}

TEST_F(BuildingWindowTest, ReturnCountsTheListsAndKeepsAnAreaBeyondRangeOpen) {
  Floors({"A", "B"});
  SetRows(100, {{"F", 1}});
  st.Bldg.CFA = 7;
  w->Show();
  EditorReturns("C.G", "C", 1);
  w->cmdAddFloor.Click();
  platform.ExpectMessage("F will be removed from the Project. Continue?", MsgResult::OK);
  w->lstFoundationName.SetListIndex(0);
  w->cmdDeleteFoundation.Click();
  w->txtCFA.SetText("1E39");
  platform.ExpectMessage("The construction floor area is too large to be stored.");
  w->cmdReturn.Click();
  EXPECT_TRUE(w->IsLoaded());
  EXPECT_EQ(st.Bldg.CFA, 7.0f);
  EXPECT_EQ(mainShown, 0);
  w->txtCFA.SetText("950");
  w->cmdReturn.Click();
  EXPECT_EQ(st.Bldg.NoOfFdnGrp, 0);
  EXPECT_EQ(st.Bldg.NoOfFlrGrp, 3);
  EXPECT_EQ(st.Bldg.NoOfSerGrp, 0);
  EXPECT_EQ(st.Bldg.CFA, 950.0f);
}

TEST_F(BuildingWindowTest, ClosingByTheFrameStoresLikeReturn) {
  Floors({"A"});
  w->Show();
  EditorReturns("B.G", "B", 1);
  w->cmdAddFloor.Click();
  w->txtCFA.SetText("321");
  w->UserClose();
  EXPECT_FALSE(w->IsLoaded());
  EXPECT_EQ(st.Bldg.CFA, 321.0f);
  EXPECT_EQ(st.Bldg.NoOfFlrGrp, 2);
}

TEST_F(BuildingWindowTest, ACountBeyondItsListShowsOnlyTheRowsThereAre) {
  Floors({"A"});
  st.Bldg.NoOfFlrGrp = 25;
  st.Bldg.NoOfFdnGrp = -3;
  w->Show();
  EXPECT_EQ(w->lstFloorName.ListCount(), 20);
  EXPECT_EQ(w->lstFoundationName.ListCount(), 0);
}

}  // namespace
