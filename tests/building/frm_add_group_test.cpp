#include "building/frm_add_group.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "assessment/selection.h"
#include "building/group_file.h"
#include "common/paths.h"
#include "forms/keys.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using building::frmAddGroup;
using forms::MsgResult;

// What the component editor saw when it was shown.
struct CompExchange {
  common::CompRec comp;
  common::Integer selCompIdx = 0;
  std::string grpName;
};

class GroupEditorTest : public testing::Test {
 protected:
  GroupEditorTest() {
    st.ProjDir = folder.Path() + "proj/";
    folder.Write("proj/.keep", "");
    ModCal::ResetAllSelections(sel);
  }

  void Kind(common::Integer grpType) {
    st.GrpType = grpType;
    st.GrpTypeName = grpType == 100 ? "Foundation" : grpType == 200 ? "Floor" : "Services";
  }
  // Opens the editor as the building window's Add does.
  void OpenNew(common::Integer grpType) {
    Kind(grpType);
    st.SelGrpIdx = -1;
    st.CurGrp.GrpFile.clear();
    st.CurGrp.GrpName.clear();
    st.CurGrp.GrpQty = 0;
    w->Show();
  }
  // Writes a floor group of components named A, B, ... in the project
  // folder and opens it as the building window's Edit of row `row` does.
  void OpenExisting(int components, int row = 2, float qty = 3) {
    common::GroupRec g;
    g.GrpFile = "G.FLR";
    g.GrpName = "Typical floor";
    g.GrpQty = qty;
    g.NoOfComp = static_cast<common::Integer>(components);
    for (int i = 0; i < components; ++i) {
      auto c = static_cast<size_t>(i);
      g.GrpCompFile[c] = std::string(1, static_cast<char>('A' + i)) + ".FLC";
      g.GrpCompName[c] = std::string(1, static_cast<char>('A' + i));
      g.GrpCompType[c] = static_cast<common::Integer>(i % 3);
      g.GrpCompQty[c] = 1.0f + static_cast<float>(i);
    }
    folder.Write("proj/G.FLR", testsupport::SavedText([&](const std::string& path, std::string& error) {
                   return building::WriteGroupFile(path, g, 200, error);
                 }));
    Kind(200);
    st.SelGrpIdx = static_cast<common::Integer>(row);
    st.CurGrp.GrpFile = "G.FLR";
    st.CurGrp.GrpName = "Old name";
    st.CurGrp.GrpQty = qty;
    w->Show();
  }

  // The next showing of the component editor records the exchange and
  // leaves CurComp with the values given (an empty name: nothing added).
  void ComponentEditorReturns(std::string file, std::string name, common::Integer type, float qty,
                              std::function<void()> alsoDo = {}) {
    platform.OnModal("frmGroupComp", [=, this](forms::Form& f) {
      seen = {st.CurComp, st.SelCompIdx, st.CurGrp.GrpName};
      st.CurComp.CompFile = file;
      st.CurComp.CompName = name;
      st.CurComp.CompType = type;
      st.CurComp.CompQty = qty;
      if (alsoDo) alsoDo();
      f.Unload();
    });
  }

  static std::vector<std::string> Items(const forms::ListBox& l) {
    std::vector<std::string> out;
    for (int i = 0; i < l.ListCount(); ++i) out.push_back(l.List(i));
    return out;
  }
  std::vector<std::string> Names() const {
    return {st.CurGrp.GrpCompName.begin(), st.CurGrp.GrpCompName.begin() + w->lstGrpComp.ListCount()};
  }
  int EditorShowings() const {
    int n = 0;
    for (const auto& s : platform.ShownForms()) n += s.form == "frmGroupComp";
    return n;
  }
  std::vector<std::string> Letters(int n) const {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) out.push_back(std::string(1, static_cast<char>('A' + i)));
    return out;
  }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  common::BuildingState& st = prog.building;
  common::SelectionTables& sel = prog.assess.sel;
  forms::Form componentEditor{platform, "frmGroupComp"};
  std::unique_ptr<frmAddGroup> w =
      std::make_unique<frmAddGroup>(prog, platform, [this]() -> forms::Form& { return componentEditor; });
  CompExchange seen;
};

TEST_F(GroupEditorTest, ANewGroupOpensEmptyAndUnsavedWithTheKindsCaptions) {
  struct Case {
    common::Integer grpType;
    const char* word;
    const char* countLabel;
  } cases[] = {{100, "Foundation", "No. in Fdn"}, {200, "Floor", "No. in Flr"}, {300, "Services", "No. in Ser"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    OpenNew(c.grpType);
    std::string word = c.word;
    EXPECT_EQ(w->Caption(), word);
    EXPECT_EQ(w->lblGroupName.Caption(), word + " Name");
    EXPECT_EQ(w->lblGrpFileName.Caption(), word + " File Name");
    EXPECT_EQ(w->lblGrpComp.Caption(), word + " Components");
    EXPECT_EQ(w->cmdLoadGroup.Caption(), "Load " + word);
    EXPECT_EQ(w->cmdSaveGroup.Caption(), "Save " + word);
    EXPECT_EQ(w->lblGrpCNo.Caption(), c.countLabel);
    EXPECT_EQ(w->lblGroupNo.Caption(), "No. in the Building");
    EXPECT_TRUE(w->cmdLoadGroup.Enabled());
    EXPECT_FALSE(w->Saved());
    EXPECT_FALSE(w->cmdEditGrpComp.Enabled() || w->cmdDeleteGrpComp.Enabled());
    EXPECT_FALSE(w->Option1.Enabled() || w->Option2.Enabled() || w->Option3.Enabled());
    EXPECT_EQ(w->txtGroupName.Text(), "");
    EXPECT_EQ(w->lstGrpComp.ListCount(), 0);
    platform.ExpectMessage("Save data before closing this form?", MsgResult::No);
    w->cmdReturn.Click();
    EXPECT_FALSE(w->IsLoaded());
  }
}

TEST_F(GroupEditorTest, AnExistingGroupIsReadFromItsFile) {
  OpenExisting(3);
  EXPECT_EQ(w->txtGrpFileName.Text(), "G.FLR");
  EXPECT_EQ(w->txtGroupName.Text(), "Typical floor");
  EXPECT_EQ(w->txtGroupNo.Text(), "3");
  EXPECT_EQ(Items(w->lstGrpComp), Letters(3));
  EXPECT_EQ(Items(w->lstGrpType), (std::vector<std::string>{"Envelope", "Frame", "Contents"}));
  EXPECT_EQ(Items(w->lstGrpCNo), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_FALSE(w->cmdLoadGroup.Enabled());
  EXPECT_TRUE(w->Saved());
  w->cmdReturn.Click();  // nothing to ask
  EXPECT_FALSE(w->IsLoaded());
  EXPECT_EQ(st.CurGrp.GrpName, "Typical floor");
  EXPECT_EQ(st.CurGrp.NoOfComp, 3);
}

// A group whose number in the building is 0 but which names a file is
// read, not opened empty (a save would overwrite its file).
TEST_F(GroupEditorTest, AGroupNumberedZeroIsStillReadFromItsFile) {
  OpenExisting(2, 0, 0);
  EXPECT_EQ(Items(w->lstGrpComp), Letters(2));
  EXPECT_FALSE(w->cmdLoadGroup.Enabled());
  EXPECT_TRUE(w->Saved());
}

TEST_F(GroupEditorTest, AFileOfAnotherKindIsRefusedAtOpening) {
  OpenExisting(0);
  w->Unload();
  Kind(100);
  st.CurGrp.GrpName = "Old name";
  platform.ExpectMessage("G.FLR is not a Foundation file!");
  w->Show();
  EXPECT_EQ(w->lstGrpComp.ListCount(), 0);
  EXPECT_EQ(st.CurGrp.GrpName, "Old name");
  EXPECT_EQ(w->txtGroupName.Text(), "");
}

TEST_F(GroupEditorTest, AddPutsTheComponentAfterTheSelectedRow) {
  struct Case {
    int rows, selected, at;
  } cases[] = {{0, -1, 0}, {5, 2, 3}, {5, -1, 0}, {5, 4, 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.rows) + " rows, row " + std::to_string(c.selected) + " selected");
    OpenExisting(c.rows);
    w->lstGrpComp.SetListIndex(c.selected);
    w->txtGroupName.SetText("Typed name");
    st.CurComp.NoOfElm = 7;
    ComponentEditorReturns("NEW.FLC", "New", 2, 2.5f);
    w->cmdAddGrpComp.Click();
    EXPECT_EQ(seen.comp.CompFile, "");
    EXPECT_EQ(seen.comp.CompName, "");
    EXPECT_EQ(seen.comp.CompType, 0);
    EXPECT_EQ(seen.comp.CompQty, 0.0f);
    EXPECT_EQ(seen.comp.NoOfElm, 0);
    EXPECT_EQ(seen.selCompIdx, -1);
    EXPECT_EQ(seen.grpName, "Typed name");
    std::vector<std::string> expected = Letters(c.rows);
    expected.insert(expected.begin() + c.at, "New");
    EXPECT_EQ(Items(w->lstGrpComp), expected);
    EXPECT_EQ(Names(), expected);
    auto at = static_cast<size_t>(c.at);
    EXPECT_EQ(st.CurGrp.GrpCompFile[at], "NEW.FLC");
    EXPECT_EQ(st.CurGrp.GrpCompType[at], 2);
    EXPECT_EQ(w->lstGrpType.List(c.at), "Contents");
    EXPECT_EQ(w->lstGrpCNo.List(c.at), "2.5");
    EXPECT_EQ(w->lstGrpComp.ListIndex(), c.selected);
    EXPECT_EQ(w->lstGrpCNo.ListIndex(), c.selected);
    EXPECT_EQ(st.CurGrp.NoOfComp, c.rows);  // only a save or a read sets the count
    EXPECT_FALSE(w->Saved());
    platform.ExpectMessage("Save data before closing this form?", MsgResult::No);
    w->cmdReturn.Click();
  }
}

TEST_F(GroupEditorTest, AddCancelledInTheComponentEditorAddsNothing) {
  OpenExisting(2);
  w->txtGroupName.SetText("Renamed");
  ComponentEditorReturns("", "", 0, 0);
  w->cmdAddGrpComp.Click();
  EXPECT_EQ(Items(w->lstGrpComp), Letters(2));
  EXPECT_EQ(st.CurGrp.GrpCompName[2], "");
  EXPECT_EQ(st.CurGrp.GrpName, "Renamed");
  EXPECT_TRUE(w->Saved());
}

TEST_F(GroupEditorTest, AddToAFullGroupIsRefusedBeforeTheComponentEditor) {
  OpenExisting(101);
  platform.ExpectMessage("A group holds at most 101 components: no more can be added.");
  w->cmdAddGrpComp.Click();
  EXPECT_EQ(EditorShowings(), 0);
  EXPECT_EQ(w->lstGrpComp.ListCount(), 101);
}

TEST_F(GroupEditorTest, DeleteMovesTheFollowingRowsUp) {
  struct Case {
    int row;
    std::vector<std::string> expected;
    int selectedAfter;
  } cases[] = {{2, {"A", "B"}, -1}, {0, {"B", "C"}, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    OpenExisting(3);
    w->lstGrpComp.SetListIndex(c.row);
    w->cmdDeleteGrpComp.Click();
    EXPECT_EQ(Items(w->lstGrpComp), c.expected);
    EXPECT_EQ(Names(), c.expected);
    EXPECT_EQ(w->lstGrpCNo.ListCount(), 2);
    EXPECT_EQ(w->lstGrpType.ListCount(), 2);
    EXPECT_EQ(st.CurGrp.GrpCompFile[2], "");
    EXPECT_EQ(st.CurGrp.GrpCompName[2], "");
    EXPECT_EQ(st.CurGrp.GrpCompQty[2], 0.0f);
    EXPECT_EQ(st.CurGrp.GrpCompQty[0], c.row == 0 ? 2.0f : 1.0f);
    EXPECT_EQ(w->lstGrpComp.ListIndex(), c.selectedAfter);
    EXPECT_FALSE(w->Saved());
    platform.ExpectMessage("Save data before closing this form?", MsgResult::No);
    w->cmdReturn.Click();
  }
}

TEST_F(GroupEditorTest, MovesExchangeRowsExactlyAndDoNothingAtTheEnds) {
  OpenExisting(3);
  st.CurGrp.GrpCompQty[1] = 2.5f;
  w->lstGrpComp.SetListIndex(0);
  w->cmdGrpCUp.Click();
  w->lstGrpComp.SetListIndex(2);
  w->cmdGrpCDn.Click();
  EXPECT_EQ(Items(w->lstGrpComp), Letters(3));
  EXPECT_TRUE(w->Saved());
  w->lstGrpComp.SetListIndex(1);
  w->cmdGrpCDn.Click();
  EXPECT_EQ(Items(w->lstGrpComp), (std::vector<std::string>{"A", "C", "B"}));
  EXPECT_EQ(st.CurGrp.GrpCompQty[2], 2.5f);
  EXPECT_EQ(st.CurGrp.GrpCompFile[2], "B.FLC");
  EXPECT_EQ(st.CurGrp.GrpCompType[2], 1);
  EXPECT_EQ(w->lstGrpCNo.List(2), "2.5");
  EXPECT_EQ(w->lstGrpComp.ListIndex(), 2);
  EXPECT_EQ(w->lstGrpType.ListIndex(), 2);
  w->cmdGrpCUp.Click();
  EXPECT_EQ(Items(w->lstGrpComp), Letters(3));
  EXPECT_EQ(w->lstGrpComp.ListIndex(), 1);
  EXPECT_FALSE(w->Saved());
}

TEST_F(GroupEditorTest, SelectingAComponentShowsItsFactor) {
  OpenExisting(3);
  sel.FlrCompAssess[2][0] = 0.5f;
  sel.FlrCompAssess[2][1] = 0.0f;
  w->lstGrpComp.SetListIndex(0);
  EXPECT_TRUE(w->Option2.Enabled() && w->Option2.Value());
  EXPECT_TRUE(w->cmdEditGrpComp.Enabled() && w->Option1.Enabled() && w->Option3.Enabled());
  w->lstGrpComp.SetListIndex(1);
  EXPECT_TRUE(w->Option3.Value());
  EXPECT_FALSE(w->Option2.Enabled());
  w->lstGrpCNo.SetListIndex(2);  // a click in a side list selects the row in all three
  EXPECT_EQ(w->lstGrpComp.ListIndex(), 2);
  EXPECT_EQ(w->lstGrpType.ListIndex(), 2);
  EXPECT_TRUE(w->Option1.Value());
  EXPECT_EQ(sel.FlrCompAssess[2][0], 0.5f);
}

TEST_F(GroupEditorTest, OptionsSetTheComponentsShareOfElements) {
  OpenExisting(2);
  w->lstGrpComp.SetListIndex(1);
  sel.FlrElmAssess[2][1][4] = false;
  w->Option3.Click();
  EXPECT_EQ(sel.FlrCompAssess[2][1], 0.0f);
  EXPECT_FALSE(sel.FlrElmAssess[2][1][4]);
  w->Option1.Click();
  EXPECT_EQ(sel.FlrCompAssess[2][1], 1.0f);
  EXPECT_TRUE(sel.FlrElmAssess[2][1][4]);
  EXPECT_EQ(sel.FlrCompAssess[1][1], 1.0f);
  EXPECT_TRUE(w->Saved());  // a choice of assessment is not a change of the group
}

TEST_F(GroupEditorTest, OptionsOfANewGroupStoreNothing) {
  OpenNew(200);
  ComponentEditorReturns("A.FLC", "A", 0, 1);
  w->cmdAddGrpComp.Click();
  w->lstGrpComp.SetListIndex(0);
  w->Option3.Click();
  EXPECT_TRUE(w->Option3.Value());
  for (int g = 0; g < 20; ++g) EXPECT_EQ(sel.FlrCompAssess[g][0], 1.0f);
  platform.ExpectMessage("Save data before closing this form?", MsgResult::No);
  w->cmdReturn.Click();
}

// List changes reset the group's selection; the options then show the
// factor the selected component holds.
TEST_F(GroupEditorTest, ListChangesResetTheGroupAndShowTheResult) {
  OpenExisting(3);
  w->lstGrpComp.SetListIndex(1);
  w->Option3.Click();
  sel.FlrCompAssess[2][2] = 0.5f;
  sel.FlrCompAssess[3][0] = 0.0f;  // another group's row
  ComponentEditorReturns("N.FLC", "N", 0, 1);
  w->cmdAddGrpComp.Click();
  EXPECT_EQ(sel.FlrCompAssess[2][1], 1.0f);
  EXPECT_EQ(sel.FlrCompAssess[2][2], 1.0f);
  EXPECT_EQ(sel.FlrCompAssess[3][0], 0.0f);
  EXPECT_TRUE(w->Option1.Value());

  w->Option3.Click();
  w->cmdGrpCUp.Click();
  EXPECT_EQ(sel.FlrCompAssess[2][1], 1.0f);
  EXPECT_EQ(w->lstGrpComp.ListIndex(), 0);
  EXPECT_TRUE(w->Option1.Value());

  w->Option3.Click();
  w->cmdDeleteGrpComp.Click();
  EXPECT_EQ(sel.FlrCompAssess[2][0], 1.0f);
  EXPECT_TRUE(w->Option1.Value());
  platform.ExpectMessage("Save data before closing this form?", MsgResult::No);
  w->cmdReturn.Click();
}

TEST_F(GroupEditorTest, EditHandsTheComponentAndRederivesItsOption) {
  OpenExisting(3);
  w->lstGrpComp.SetListIndex(1);
  st.CurComp.NoOfElm = 4;
  ComponentEditorReturns("B2.FLC", "B renamed", 2, 6, [this] { sel.FlrElmAssess[2][1][3] = false; });
  w->cmdEditGrpComp.Click();
  EXPECT_EQ(seen.comp.CompFile, "B.FLC");
  EXPECT_EQ(seen.comp.CompName, "B");
  EXPECT_EQ(seen.comp.CompType, 1);
  EXPECT_EQ(seen.comp.CompQty, 2.0f);
  EXPECT_EQ(seen.comp.NoOfElm, 4);  // not touched by Edit
  EXPECT_EQ(seen.selCompIdx, 1);
  EXPECT_EQ(st.CurGrp.GrpCompFile[1], "B2.FLC");
  EXPECT_EQ(Items(w->lstGrpComp)[1], "B renamed");
  EXPECT_EQ(w->lstGrpType.List(1), "Contents");
  EXPECT_EQ(w->lstGrpCNo.List(1), "6");
  EXPECT_FALSE(w->Saved());
  // An element left out turns All into Some.
  EXPECT_TRUE(w->Option2.Value() && w->Option2.Enabled());
  EXPECT_EQ(sel.FlrCompAssess[2][1], 0.5f);

  // Some with every element assessed again turns back to All.
  ComponentEditorReturns("B2.FLC", "B renamed", 2, 6, [this] { sel.FlrElmAssess[2][1][3] = true; });
  w->cmdEditGrpComp.Click();
  EXPECT_TRUE(w->Option1.Value());
  EXPECT_EQ(sel.FlrCompAssess[2][1], 1.0f);

  // Only the component's own elements count.
  sel.FlrElmAssess[2][1][4] = false;
  ComponentEditorReturns("B2.FLC", "B renamed", 2, 6);
  w->cmdEditGrpComp.Click();
  EXPECT_TRUE(w->Option1.Value());

  // Double-click and Enter edit too.
  ComponentEditorReturns("B2.FLC", "Via double-click", 2, 6);
  w->lstGrpComp.DblClick();
  ComponentEditorReturns("B2.FLC", "Via Enter", 2, 6);
  w->KeyDown(&w->lstGrpComp, forms::keys::Return, 0);
  EXPECT_EQ(w->lstGrpComp.List(1), "Via Enter");
  EXPECT_EQ(EditorShowings(), 5);
}

TEST_F(GroupEditorTest, SaveNamesTheFileFromTheGroupName) {
  OpenNew(200);
  w->txtGroupName.SetText("Roof");
  w->txtGroupNo.SetText("12 floors");
  ComponentEditorReturns("SLAB.FLC", "Slab", 0, 1.5f);
  w->cmdAddGrpComp.Click();
  w->cmdSaveGroup.Click();
  EXPECT_TRUE(w->Saved());
  EXPECT_EQ(st.CurGrp.GrpFile, "Roof.FLR");
  EXPECT_EQ(w->txtGrpFileName.Text(), "Roof.FLR");
  EXPECT_EQ(st.CurGrp.GrpQty, 12.0f);
  EXPECT_EQ(st.CurGrp.NoOfComp, 1);
  EXPECT_EQ(folder.Read("proj/Roof.FLR"),
            "\"Roof.FLR\"\r\n200\r\n\"Roof\"\r\n12\r\n1\r\n\"SLAB.FLC\",\"Slab\",0,1.5\r\n");
  w->cmdReturn.Click();
  EXPECT_FALSE(w->IsLoaded());
}

// A new group named like a group file of the project (used elsewhere in the
// building) replaces it only when the user says so; No keeps the file as it
// was and the editor open with its edits.
TEST_F(GroupEditorTest, ANewGroupNamedLikeAGroupFileAsksBeforeReplacingIt) {
  OpenExisting(3);
  w->Unload();
  const std::string existing = folder.Read("proj/G.FLR");
  const std::string question = "G.FLR already exists in the project folder. Replace it?";
  OpenNew(200);
  w->txtGroupName.SetText("G");
  w->txtGroupNo.SetText("1");
  ComponentEditorReturns("NEW.FLC", "New", 0, 1);
  w->cmdAddGrpComp.Click();
  platform.ExpectMessage(question, MsgResult::No);
  w->cmdSaveGroup.Click();
  platform.ExpectMessage("Save data before closing this form?", MsgResult::Yes);
  platform.ExpectMessage(question, MsgResult::No);
  w->cmdReturn.Click();
  EXPECT_TRUE(w->IsLoaded());
  EXPECT_FALSE(w->Saved());
  EXPECT_EQ(folder.Read("proj/G.FLR"), existing);
  EXPECT_EQ(st.CurGrp.GrpFile, "");
  EXPECT_EQ(w->txtGroupName.Text(), "G");
  EXPECT_EQ(Items(w->lstGrpComp), std::vector<std::string>{"New"});

  platform.ExpectMessage(question, MsgResult::Yes);
  w->cmdSaveGroup.Click();
  EXPECT_TRUE(w->Saved());
  EXPECT_NE(folder.Read("proj/G.FLR").find("\"NEW.FLC\""), std::string::npos);
  w->cmdSaveGroup.Click();  // its own file now: nothing to ask
  EXPECT_TRUE(platform.ScriptDone());
}

TEST_F(GroupEditorTest, ReturnQuestion) {
  OpenNew(300);
  ComponentEditorReturns("P.SEC", "Pump", 0, 1);
  w->cmdAddGrpComp.Click();
  platform.ExpectMessage("Save data before closing this form?", MsgResult::Cancel);
  w->cmdReturn.Click();
  EXPECT_TRUE(w->IsLoaded());

  // Yes with no name: the save is refused and the window stays with the
  // changes; No then closes without a file.
  platform.ExpectMessage("Save data before closing this form?", MsgResult::Yes);
  platform.ExpectMessage("Services name missing!");
  w->cmdReturn.Click();
  EXPECT_TRUE(w->IsLoaded());
  EXPECT_EQ(w->lstGrpComp.ListCount(), 1);
  w->txtGroupName.SetText("Plant");
  platform.ExpectMessage("Save data before closing this form?", MsgResult::Yes);
  platform.ExpectMessage("Missing no. of identical Services(s) in Building!");
  w->cmdReturn.Click();
  EXPECT_TRUE(w->IsLoaded());
  platform.ExpectMessage("Save data before closing this form?", MsgResult::No);
  w->cmdReturn.Click();
  EXPECT_FALSE(w->IsLoaded());
  EXPECT_EQ(st.CurGrp.GrpFile, "");
  EXPECT_FALSE(common::FileExists(folder.Path() + "proj/Plant.SER"));

  // Yes that saves closes.
  OpenNew(300);
  w->txtGroupName.SetText("Plant");
  w->txtGroupNo.SetText("1");
  platform.ExpectMessage("Save data before closing this form?", MsgResult::Yes);
  w->cmdReturn.Click();
  EXPECT_FALSE(w->IsLoaded());
  EXPECT_EQ(st.CurGrp.GrpFile, "Plant.SER");
}

TEST_F(GroupEditorTest, ClosingByTheFrameAsksTheSameQuestion) {
  OpenExisting(2);
  w->lstGrpComp.SetListIndex(0);
  w->cmdDeleteGrpComp.Click();
  platform.ExpectMessage("Save data before closing this form?", MsgResult::Cancel);
  w->UserClose();
  EXPECT_TRUE(w->IsLoaded());
  platform.ExpectMessage("Save data before closing this form?", MsgResult::Yes);
  w->UserClose();
  EXPECT_FALSE(w->IsLoaded());
  EXPECT_EQ(folder.Read("proj/G.FLR").find("\"A.FLC\""), std::string::npos);
}

TEST_F(GroupEditorTest, LoadReadsAGroupFileIntoANewGroup) {
  OpenExisting(2);
  w->Unload();
  OpenNew(200);
  w->txtGroupName.SetText("Roof");
  w->txtGroupNo.SetText("1");
  w->cmdSaveGroup.Click();
  ASSERT_TRUE(w->Saved());

  platform.ExpectOpenDialog(std::nullopt);  // cancelled: nothing changes
  w->cmdLoadGroup.Click();
  EXPECT_TRUE(w->Saved());
  EXPECT_EQ(platform.Dialogs().back().title, "Load a Floor File");
  EXPECT_EQ(platform.Dialogs().back().filter, "Floor Component Group Files (*.FLR)|*.FLR");
  EXPECT_EQ(platform.Dialogs().back().initialFolder, st.ProjDir);

  folder.Write("other/W.FDN", "\"W.FDN\"\r\n100\r\n\"Piles\"\r\n1\r\n0\r\n");
  platform.ExpectOpenDialog(folder.Path() + "other/W.FDN");
  platform.ExpectMessage(folder.Path() + "other/W.FDN is not a Floor file!");
  w->cmdLoadGroup.Click();
  EXPECT_EQ(w->txtGroupName.Text(), "Roof");
  EXPECT_EQ(st.CurGrp.GrpFile, "Roof.FLR");
  EXPECT_FALSE(w->Saved());

  platform.ExpectOpenDialog(folder.Path() + "proj/G.FLR");
  w->cmdLoadGroup.Click();
  EXPECT_EQ(Items(w->lstGrpComp), Letters(2));
  EXPECT_EQ(w->txtGroupName.Text(), "Typical floor");
  EXPECT_EQ(w->txtGrpFileName.Text(), "G.FLR");
  EXPECT_FALSE(w->Saved());
  platform.ExpectMessage("Save data before closing this form?", MsgResult::No);
  w->cmdReturn.Click();
}

// The group file chosen in another folder is read by its full path; the
// current folder stays and the save lands in the project folder.
TEST_F(GroupEditorTest, AGroupLoadedFromAnotherFolderIsSavedIntoTheProjectFolder) {
  folder.Write("other/W.FLR", "\"W.FLR\"\r\n200\r\n\"Wing\"\r\n1\r\n0\r\n");
  const std::string other = folder.Read("other/W.FLR");
  std::filesystem::current_path(st.ProjDir);
  OpenNew(200);
  platform.ExpectOpenDialog(folder.Path() + "other/W.FLR");
  w->cmdLoadGroup.Click();
  EXPECT_EQ(w->txtGroupName.Text(), "Wing");
  EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), st.ProjDir));
  w->txtGroupNo.SetText("4");
  w->cmdSaveGroup.Click();
  EXPECT_EQ(folder.Read("other/W.FLR"), other);
  EXPECT_EQ(folder.Read("proj/W.FLR"), "\"W.FLR\"\r\n200\r\n\"Wing\"\r\n4\r\n0\r\n");
}

}  // namespace
