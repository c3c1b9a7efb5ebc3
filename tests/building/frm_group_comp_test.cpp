// The component and element editor: opening, the element list, the
// assess choice, the order hint and Return.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <utility>

#include "common/paths.h"
#include "element_editor_fixture.h"

namespace {

using forms::MsgResult;
using Lines = std::vector<std::string>;

constexpr const char* kReturnQuestion =
    "Press Yes to save data before closing this form; No to skip saving; and Cancel to abort.";

class ComponentEditor : public elmtest::ElementEditor {
 protected:
  // An existing component of three elements A, B, C in a floor group.
  void OpenThree() {
    WriteElement("A.FLE", "A", 1, {{"0.1", ""}});
    WriteElement("B.FLE", "B", 1, {{"0.2", ""}});
    WriteElement("C.FLE", "C", 2, {{"0.3", ""}});
    WriteComponent("Wall.FLC", "Wall", 0, {{"A.FLE", "A", 1}, {"B.FLE", "B", 1}, {"C.FLE", "C", 2}});
    w->Show();
  }
  Lines Slots(int n) const {
    Lines names;
    for (int i = 0; i < n; ++i) names.push_back(st.CurComp.CompElmFile[static_cast<size_t>(i)]);
    return names;
  }
};

TEST_F(ComponentEditor, OpensAnExistingComponent) {
  OpenThree();
  EXPECT_EQ(w->Caption(), "Floor Component and Elements");
  EXPECT_EQ(w->lblCompNo.Caption(), "No. in this Floor");
  EXPECT_EQ(w->txtGrpName.Text(), "Level 1");
  EXPECT_EQ(w->txtCompName.Text(), "Wall");
  EXPECT_EQ(w->txtCompNo.Text(), "2");
  EXPECT_EQ(w->cboCompType.ListCount(), 3);
  EXPECT_EQ(ListLines(), (Lines{"A", "B", "C"}));
  EXPECT_TRUE(w->CompSaved);
  EXPECT_FALSE(w->mnuFLComp.Enabled());
  EXPECT_TRUE(w->mnuFSCons.Enabled());
  // Setting the type list's index counts as a choice: the order hint shows.
  EXPECT_TRUE(w->Label3.Visible());
  EXPECT_FALSE(w->cmdEditElm.Enabled() || w->cmdSaveElm.Enabled() || w->fraChgElmD.Visible());
  // Return right after opening closes without a question.
  w->mnuDirRet.Click();
  EXPECT_FALSE(w->IsLoaded());
}

TEST_F(ComponentEditor, MissingComponentFileOpensEmpty) {
  st.CurComp.CompFile = "Gone.FLC";
  st.CurComp.CompName = "Gone";
  platform.ExpectMessage("Component file Gone.FLC not found. The component is shown empty.");
  w->Show();
  EXPECT_EQ(w->lstElm.ListCount(), 0);
  w->mnuFReturn.Click();  // nothing to save: the group editor's row stays as it was
  EXPECT_EQ(st.CurComp.CompName, "Gone");
}

TEST_F(ComponentEditor, ShowingAnElementAndItsAssessFlag) {
  prog.assess.sel.FlrElmAssess[0][0] = {true, false, true};
  OpenThree();
  w->lstElm.SetListIndex(1);
  EXPECT_EQ(w->txtElmName.Text(), "B");
  EXPECT_EQ(w->lblElmType.Caption(), "RC Wall");
  EXPECT_EQ(w->msgElm.TextMatrix(1, 2), "0.2");
  EXPECT_TRUE(w->Option2.Value());
  EXPECT_TRUE(w->txtmsgCell.Locked());
  EXPECT_TRUE(w->cmdSaveElm.Enabled() && w->cmdLoadElm.Enabled());
  EXPECT_FALSE(w->cmdElmType.Enabled() || w->cmdChgElmD.Enabled());
  EXPECT_FALSE(w->CompSaved);
  w->Option1.Click();
  EXPECT_TRUE(prog.assess.sel.FlrElmAssess[0][0][1]);
  w->cmdElmUp.Click();
  EXPECT_EQ(ListLines(), (Lines{"B", "A", "C"}));
  EXPECT_EQ(Slots(3), (Lines{"B.FLE", "A.FLE", "C.FLE"}));
  EXPECT_EQ(w->lstElm.ListIndex(), 0);
  EXPECT_TRUE(w->Option1.Value());
  platform.ExpectMessage(kReturnQuestion, MsgResult::Cancel);
  w->mnuFReturn.Click();
  EXPECT_TRUE(w->IsLoaded());
}

TEST_F(ComponentEditor, NewComponentStoresNoAssessFlag) {
  for (int grp : {-1, 0}) {
    SCOPED_TRACE(grp);
    st.SelGrpIdx = static_cast<common::Integer>(grp);
    st.SelCompIdx = static_cast<common::Integer>(grp == 0 ? -1 : 0);
    prog.assess.sel.FlrElmAssess[0][0][0] = true;
    OpenThree();
    w->lstElm.SetListIndex(0);
    w->Option2.Click();
    EXPECT_TRUE(prog.assess.sel.FlrElmAssess[0][0][0]);
    w->Unload();
  }
}

TEST_F(ComponentEditor, MovesAtTheEndsDoNothing) {
  OpenThree();
  w->lstElm.SetListIndex(0);
  w->cmdElmUp.Click();
  w->lstElm.SetListIndex(2);
  w->cmdElmDn.Click();
  EXPECT_EQ(ListLines(), (Lines{"A", "B", "C"}));
  EXPECT_EQ(w->lstElm.ListIndex(), 2);
  w->cmdElmUp.Click();
  EXPECT_EQ(ListLines(), (Lines{"A", "C", "B"}));
}

TEST_F(ComponentEditor, InsertingANewElement) {
  struct Case {
    int selected;
    Lines lines;
    int selectedAfter;
  } cases[] = {{1, {"A", "B", "D", "C"}, 2}, {-1, {"D", "A", "B", "C"}, 0}, {2, {"A", "B", "C", "D"}, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.selected);
    OpenThree();
    w->lstElm.SetListIndex(c.selected);
    AddElement("D");
    EXPECT_EQ(ListLines(), c.lines);
    EXPECT_EQ(w->lstElm.ListIndex(), c.selectedAfter);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(st.CurComp.CompElmName[static_cast<size_t>(i)], c.lines[static_cast<size_t>(i)]);
      EXPECT_EQ(st.CurComp.CompElmFile[static_cast<size_t>(i)], c.lines[static_cast<size_t>(i)] + ".FLE");
    }
    // The new element is shown from its file, the list available again.
    EXPECT_EQ(w->txtElmName.Text(), "D");
    EXPECT_TRUE(w->lstElm.Enabled() && w->cmdAddElm.Enabled());
    w->Unload();
    std::filesystem::remove(st.ProjDir + "D.FLE");  // the next case adds D afresh
  }
}

TEST_F(ComponentEditor, TwentyElementsAtMost) {
  w->Show();
  for (int i = 1; i <= 20; ++i) AddElement("E" + std::to_string(i));
  EXPECT_EQ(w->lstElm.ListCount(), 20);
  platform.ExpectMessage("No. of Elements defined already reached the Max. (20)!");
  w->cmdAddElm.Click();
  EXPECT_TRUE(w->lstElm.Enabled());
  // Moved and deleted like any others; a deleted slot is emptied.
  w->lstElm.SetListIndex(19);
  w->cmdElmUp.Click();
  EXPECT_EQ(w->lstElm.List(18), "E20");
  w->lstElm.SetListIndex(0);
  w->cmdDeleteElm.Click();
  EXPECT_EQ(w->lstElm.ListCount(), 19);
  EXPECT_EQ(w->lstElm.List(0), "E2");
  EXPECT_EQ(st.CurComp.CompElmFile[19], "");
  EXPECT_EQ(st.CurComp.CompElmTypeNo[19], -1);
  // The panel no longer shows the deleted element, so it cannot be saved
  // back in the place of the one that followed it.
  EXPECT_EQ(w->txtElmName.Text(), "");
  EXPECT_FALSE(w->cmdSaveElm.Enabled());
  w->txtCompName.SetText("Big");
  w->txtCompNo.SetText("1");
  w->cboCompType.SetListIndex(0);
  w->mnuFSComp.Click();
  EXPECT_TRUE(w->CompSaved);
  EXPECT_EQ(st.CurComp.NoOfElm, 19);
}

TEST_F(ComponentEditor, SavingAnElementNeedsANameAndAType) {
  w->Show();
  w->cmdAddElm.Click();
  EXPECT_FALSE(w->lstElm.Enabled() || w->cmdAddElm.Enabled());
  EXPECT_FALSE(w->txtmsgCell.Locked());
  w->txtElmName.SetText("Slab 150");
  platform.ExpectMessage("Element Type or Name missing!!");
  w->cmdSaveElm.Click();
  EXPECT_EQ(w->MsgText, "Element Type or Name missing!!");
  EXPECT_EQ(w->lstElm.ListCount(), 0);
  PickTypeNext("Brick Wall");
  w->cmdElmType.Click();
  EXPECT_EQ(w->lblElmType.Caption(), "Brick Wall");
  w->msgElm.SetTextMatrix(1, 2, "0.1");
  w->cmdSaveElm.Click();
  EXPECT_EQ(ListLines(), (Lines{"Slab 150"}));
  EXPECT_NE(folder.Read("proj/Slab 150.FLE").find("\"Slab 150\"\r\n2\r\n\"0.1\",\"\"\r\n"), std::string::npos);
}

TEST_F(ComponentEditor, AFailedElementSaveAsksWhatToDo) {
  OpenThree();
  w->lstElm.SetListIndex(1);
  w->cmdAddElm.Click();
  w->txtElmName.SetText("D");
  PickTypeNext("RC Wall");
  w->cmdElmType.Click();
  std::filesystem::create_directory(st.ProjDir + "D.FLE");  // in the way of the file
  const char* question = "Click OK to Ignore All Changes Make; Click Cancel to Continue with Editing Element Data.";
  platform.ExpectMessage(question, MsgResult::Cancel);
  w->cmdSaveElm.Click();
  EXPECT_TRUE(w->ElmSaveFailed);
  EXPECT_EQ(w->txtElmName.Text(), "D");
  EXPECT_FALSE(w->lstElm.Enabled());
  platform.ExpectMessage(question, MsgResult::OK);
  w->cmdSaveElm.Click();
  // The new element is dropped; the line selected before is shown again.
  EXPECT_EQ(ListLines(), (Lines{"A", "B", "C"}));
  EXPECT_EQ(w->lstElm.ListIndex(), 1);
  EXPECT_EQ(w->txtElmName.Text(), "B");
  EXPECT_TRUE(w->lstElm.Enabled() && w->cmdAddElm.Enabled());
}

TEST_F(ComponentEditor, NamesKeepDoubleQuotesAndDropLineBreaksQuietly) {
  w->Show();
  w->txtCompName.SetText("12\" wall");
  EXPECT_EQ(w->txtCompName.Text(), "12\" wall");
  w->txtCompName.SetText("two\r\nlines");
  EXPECT_EQ(w->txtCompName.Text(), "twolines");
  w->cmdAddElm.Click();
  w->txtElmName.Type("A\"B");
  EXPECT_EQ(w->txtElmName.Text(), "A\"B");
}

TEST_F(ComponentEditor, EditingAnElement) {
  OpenThree();
  w->lstElm.SetListIndex(2);
  w->cmdEditElm.Click();
  EXPECT_FALSE(w->txtmsgCell.Locked());
  EXPECT_FALSE(w->lstElm.Enabled() || w->cmdElmType.Enabled() || w->cmdChgElmD.Enabled());
  EXPECT_EQ(w->msgElm.Row(), 1);
  EXPECT_EQ(w->msgElm.Col(), 2);
  w->txtElmName.SetText("C renamed");
  w->cmdSaveElm.Click();
  // Renamed under its old file name.
  EXPECT_EQ(ListLines(), (Lines{"A", "B", "C renamed"}));
  EXPECT_EQ(st.CurComp.CompElmFile[2], "C.FLE");
  EXPECT_NE(folder.Read("proj/C.FLE").find("\"C renamed\""), std::string::npos);
}

TEST_F(ComponentEditor, AnElementFileThatCannotBeReadLeavesTheListAvailable) {
  OpenThree();
  std::filesystem::remove(st.ProjDir + "B.FLE");
  platform.ExpectMessage("Element file B.FLE not found. The element is not shown.");
  w->lstElm.SetListIndex(1);
  EXPECT_FALSE(w->cmdSaveElm.Enabled());
  platform.ExpectMessage("Element file B.FLE not found. The element is not shown.");
  w->cmdEditElm.Click();
  EXPECT_TRUE(w->lstElm.Enabled() && w->cmdAddElm.Enabled());
  EXPECT_TRUE(w->txtmsgCell.Locked());
}

TEST_F(ComponentEditor, TypePickerClosedWithoutAChoiceKeepsTheType) {
  OpenThree();
  w->lstElm.SetListIndex(0);
  w->cmdEditElm.Click();
  st.SelItemName = "Concrete (m3)";  // left by an earlier material pick
  w->lblElmType.DblClick();          // works whatever the button's state
  EXPECT_EQ(st.CurElm.ElmTypeNo, 1);
  EXPECT_EQ(w->lblElmType.Caption(), "RC Wall");
}

TEST_F(ComponentEditor, OrderHint) {
  struct Case {
    int grpType;
    int type;
    bool afterElement;
    bool shown;
  } cases[] = {{200, 0, false, true},  {200, 1, false, true},  {200, 2, false, false},
               {100, 0, false, false}, {300, 1, false, false}, {200, 0, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.grpType) + "/" + std::to_string(c.type));
    UseGroup(static_cast<common::Integer>(c.grpType));
    st.CurComp = common::CompRec{};
    w->Show();
    if (c.afterElement) AddElement("X", "Timber Wall Panel");
    w->cboCompType.SetListIndex(c.type);
    EXPECT_EQ(w->Label3.Visible(), c.shown);
    EXPECT_EQ(w->mnuFSCons.Enabled(), c.grpType == 200);
    w->Unload();
  }
}

TEST_F(ComponentEditor, ReturnQuestion) {
  struct Case {
    MsgResult answer;
    std::string name;
    bool open;
  } cases[] = {{MsgResult::Cancel, "Wall", true},
               {MsgResult::No, "Wall", false},
               {MsgResult::Yes, "", true},
               {MsgResult::Yes, "Wall 2", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenThree();
    w->lstElm.SetListIndex(0);
    w->txtCompName.SetText(c.name);
    platform.ExpectMessage(kReturnQuestion, c.answer);
    if (c.name.empty()) platform.ExpectMessage("Component Name not defined!!");
    w->mnuFReturn.Click();
    EXPECT_EQ(w->IsLoaded(), c.open);
    if (c.answer == MsgResult::Yes && !c.open) {
      EXPECT_EQ(st.CurComp.CompName, "Wall 2");
    }
    w->Unload();
  }
}

// An element in the panel is unsaved data on every way out: Return and the
// frame ask even after Save Component, and Yes stores the element with Save
// Element's checks (the value stored: the real window's test). An element
// added but left empty holds nothing to store. B.FLE keeps its 0.2 here.
TEST_F(ComponentEditor, NoWayOutDropsAnElementEditUnasked) {
  auto editB = [this](const std::string& name) {
    w->lstElm.SetListIndex(1);
    w->cmdEditElm.Click();
    w->msgElm.SetTextMatrix(1, 2, "0.7");
    w->txtElmName.SetText(name);
  };
  struct Case {
    const char* what;
    std::function<void()> edit;
    bool byFrame;
    MsgResult answer;
    const char* refusal;  // Save Element's message; the window stays
  } cases[] = {
      {"after Save Component, the frame, No", [&] { editB("B"), w->mnuFSComp.Click(); }, true, MsgResult::No, nullptr},
      {"Return, Yes, the name emptied", [&] { editB(""); }, false, MsgResult::Yes, "Element Type or Name missing!!"},
      {"a new element left empty, Yes", [&] { w->cmdAddElm.Click(); }, true, MsgResult::Yes, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    OpenThree();
    const std::string before = folder.Read("proj/B.FLE");
    c.edit();
    platform.ExpectMessage(kReturnQuestion, c.answer);
    if (c.refusal) platform.ExpectMessage(c.refusal);
    if (c.byFrame) {
      w->UserClose();
    } else {
      w->mnuFReturn.Click();
    }
    EXPECT_EQ(w->IsLoaded(), c.refusal != nullptr);
    EXPECT_EQ(folder.Read("proj/B.FLE"), before);
    EXPECT_TRUE(platform.ScriptDone());
    w->Unload();
  }
}

TEST_F(ComponentEditor, LoadComponentReadsAnotherFile) {
  OpenThree();
  w->Unload();
  st.CurComp = common::CompRec{};
  w->Show();  // reopened: a new component, Load Component available
  EXPECT_TRUE(w->mnuFLComp.Enabled());
  EXPECT_EQ(w->lstElm.ListCount(), 0);
  platform.ExpectOpenDialog(st.ProjDir + "Wall.FLC");
  w->mnuFLComp.Click();
  EXPECT_EQ(platform.Dialogs().back().filter, "Floor Component files (*.FLC)|*.FLC");
  EXPECT_EQ(ListLines(), (Lines{"A", "B", "C"}));
  EXPECT_FALSE(w->CompSaved);
}

// A file loaded from another folder is read by its full path: the current
// folder stays where it was, the other folder's file is never written, and
// the save lands in the project folder under the bare name.
TEST_F(ComponentEditor, LoadingFromAnotherFolderLeavesItsFilesAlone) {
  namespace fs = std::filesystem;
  OpenThree();
  std::filesystem::current_path(st.ProjDir);
  const std::string otherDir = folder.Path() + "other/";
  folder.Write("other/.keep", "");
  WriteElement("A.FLE", "A", 1, {{"0.9", "other"}});
  fs::rename(st.ProjDir + "A.FLE", otherDir + "A.FLE");
  WriteElement("A.FLE", "A", 1, {{"0.1", ""}});
  const std::string otherElement = folder.Read("other/A.FLE");

  w->lstElm.SetListIndex(0);
  w->cmdEditElm.Click();
  platform.ExpectOpenDialog(otherDir + "A.FLE");
  w->cmdLoadElm.Click();
  EXPECT_EQ(w->msgElm.TextMatrix(1, 2), "0.9");
  EXPECT_TRUE(fs::equivalent(std::filesystem::current_path(), st.ProjDir));
  w->msgElm.SetTextMatrix(1, 2, "0.7");
  w->cmdSaveElm.Click();
  EXPECT_EQ(folder.Read("other/A.FLE"), otherElement);
  EXPECT_NE(folder.Read("proj/A.FLE").find("\"0.7\",\"other\""), std::string::npos);
  EXPECT_EQ(st.CurComp.CompElmFile[0], "A.FLE");

  // A component loaded from there is saved into the project folder too.
  w->Unload();
  fs::copy_file(st.ProjDir + "Wall.FLC", otherDir + "Wall2.FLC");
  const std::string otherComponent = folder.Read("other/Wall2.FLC");
  st.CurComp = common::CompRec{};
  w->Show();
  platform.ExpectOpenDialog(otherDir + "Wall2.FLC");
  w->mnuFLComp.Click();
  EXPECT_EQ(ListLines(), (Lines{"A", "B", "C"}));
  EXPECT_TRUE(fs::equivalent(std::filesystem::current_path(), st.ProjDir));
  w->txtCompNo.SetText("5");
  w->mnuFSComp.Click();
  EXPECT_TRUE(w->CompSaved);
  EXPECT_EQ(folder.Read("other/Wall2.FLC"), otherComponent);
  EXPECT_NE(folder.Read("proj/Wall2.FLC").find("\r\n5\r\n3\r\n"), std::string::npos);
}

// Saves go to the project folder even when the current folder holds a file
// of the same name.
TEST_F(ComponentEditor, SavesIgnoreAFileOfTheSameNameInTheCurrentFolder) {
  OpenThree();
  w->lstElm.SetListIndex(1);
  w->cmdEditElm.Click();
  folder.Write("B.FLE", "not this one");  // the current folder is the temporary folder
  w->msgElm.SetTextMatrix(1, 2, "0.25");
  w->cmdSaveElm.Click();
  EXPECT_EQ(folder.Read("B.FLE"), "not this one");
  EXPECT_NE(folder.Read("proj/B.FLE").find("\"0.25\""), std::string::npos);
}

// A new element or component whose name maps to an existing file of the
// project folder asks before replacing it; No keeps the file and the editor
// as they were. Saving a record over its own file asks nothing.
TEST_F(ComponentEditor, ANewRecordDoesNotSilentlyReplaceAFile) {
  OpenThree();
  WriteElement("Other.FLE", "Other", 2, {{"0.5", "of another component"}});
  const std::string other = folder.Read("proj/Other.FLE");
  const std::string question = "Other.FLE already exists in the project folder. Replace it?";
  w->lstElm.SetListIndex(2);
  w->cmdAddElm.Click();
  w->txtElmName.SetText("Other");
  PickTypeNext("RC Wall");
  w->cmdElmType.Click();
  platform.ExpectMessage(question, MsgResult::No);
  w->cmdSaveElm.Click();
  EXPECT_EQ(folder.Read("proj/Other.FLE"), other);
  EXPECT_EQ(ListLines(), (Lines{"A", "B", "C"}));
  EXPECT_FALSE(w->lstElm.Enabled());  // still adding
  platform.ExpectMessage(question, MsgResult::Yes);
  w->cmdSaveElm.Click();
  EXPECT_EQ(ListLines(), (Lines{"A", "B", "C", "Other"}));
  EXPECT_NE(folder.Read("proj/Other.FLE"), other);
  w->cmdEditElm.Click();
  w->cmdSaveElm.Click();  // its own file now

  // A new component named after an existing component file.
  w->Unload();
  const std::string wall = folder.Read("proj/Wall.FLC");
  st.CurComp = common::CompRec{};
  w->Show();
  w->txtCompName.SetText("Wall");
  w->txtCompNo.SetText("1");
  w->cboCompType.SetListIndex(1);
  platform.ExpectMessage("Wall.FLC already exists in the project folder. Replace it?", MsgResult::No);
  w->mnuFSComp.Click();
  EXPECT_FALSE(w->CompSaved);
  EXPECT_EQ(folder.Read("proj/Wall.FLC"), wall);
  EXPECT_EQ(st.CurComp.CompFile, "");
  platform.ExpectMessage("Wall.FLC already exists in the project folder. Replace it?", MsgResult::Yes);
  w->mnuFSComp.Click();
  EXPECT_TRUE(w->CompSaved);
  EXPECT_NE(folder.Read("proj/Wall.FLC"), wall);
  w->mnuFSComp.Click();  // its own file now
  EXPECT_TRUE(w->CompSaved);
}

// The "Assess Element?" marks stay with their elements when elements are
// inserted, deleted or moved. The selection table follows the component
// file, as the calculation reads it, and takes the new order when the
// component is saved.
TEST_F(ComponentEditor, AssessMarksStayWithTheirElements) {
  auto& flags = prog.assess.sel.FlrElmAssess[0][0];
  flags = {true, false, true};  // A Yes, B No, C Yes
  OpenThree();
  auto marks = [&] {
    std::string text;
    for (int i = 0; i < w->lstElm.ListCount(); ++i) {
      w->lstElm.SetListIndex(-1);  // so that each line is shown afresh
      w->lstElm.SetListIndex(i);
      text += w->Option1.Value() ? "Y" : w->Option2.Value() ? "N" : "?";
    }
    return text;
  };
  struct Step {
    std::function<void()> act;
    Lines lines;
    std::string marks;
  } steps[] = {
      {[&] { w->lstElm.SetListIndex(0), AddElement("D"); }, {"A", "D", "B", "C"}, "YYNY"},
      {[&] { w->lstElm.SetListIndex(2), w->cmdElmUp.Click(); }, {"A", "B", "D", "C"}, "YNYY"},
      {[&] { w->lstElm.SetListIndex(0), w->cmdDeleteElm.Click(); }, {"B", "D", "C"}, "NYY"},
      {[&] { w->lstElm.SetListIndex(1), w->Option2.Click(); }, {"B", "D", "C"}, "NNY"},
      {[&] { w->lstElm.SetListIndex(2), w->cmdElmUp.Click(); }, {"B", "C", "D"}, "NYN"},
  };
  for (const auto& step : steps) {
    step.act();
    EXPECT_EQ(ListLines(), step.lines);
    EXPECT_EQ(marks(), step.marks);
  }
  // Unsaved, the table still holds the marks of the file's order A, B, C.
  EXPECT_TRUE(flags[0] && !flags[1] && flags[2]);
  w->mnuFSComp.Click();
  ASSERT_TRUE(w->CompSaved);
  EXPECT_FALSE(flags[0]);
  EXPECT_TRUE(flags[1]);
  EXPECT_FALSE(flags[2]);
  EXPECT_EQ(marks(), "NYN");
}

// While an element is being added or edited the list cannot be reordered.
TEST_F(ComponentEditor, MovesAreDisabledWhileAnElementIsAddedOrEdited) {
  OpenThree();
  w->lstElm.SetListIndex(1);
  EXPECT_TRUE(w->cmdElmUp.Enabled() && w->cmdElmDn.Enabled());
  w->cmdEditElm.Click();
  EXPECT_FALSE(w->cmdElmUp.Enabled() || w->cmdElmDn.Enabled());
  w->msgElm.SetTextMatrix(1, 2, "0.9");
  w->cmdElmUp.Click();  // disabled: nothing moves, the edit stays
  EXPECT_EQ(ListLines(), (Lines{"A", "B", "C"}));
  EXPECT_EQ(w->msgElm.TextMatrix(1, 2), "0.9");
  w->cmdSaveElm.Click();
  EXPECT_TRUE(w->cmdElmUp.Enabled() && w->cmdElmDn.Enabled());
  w->cmdAddElm.Click();
  EXPECT_FALSE(w->cmdElmUp.Enabled() || w->cmdElmDn.Enabled());
}

// The quantity box shows the quantity exactly, so saving the component
// again keeps it, to the ends of the Single range.
TEST_F(ComponentEditor, AQuantityOfEightDigitsSurvivesASecondSave) {
  OpenThree();
  const std::pair<const char*, float> cases[] = {
      {"11683.875", 11683.875f},
      {"3.4028235E+38", std::numeric_limits<float>::max()},
      {"-3.4028235E+38", -std::numeric_limits<float>::max()},
  };
  for (const auto& [typed, qty] : cases) {
    SCOPED_TRACE(typed);
    w->txtCompNo.SetText(typed);
    w->mnuFSComp.Click();
    w->Unload();
    w->Show();
    EXPECT_EQ(w->txtCompNo.Text(), typed);
    w->mnuFSComp.Click();
    common::CompRec back;
    ASSERT_EQ(building::ReadComponentFile(st.ProjDir + "Wall.FLC", 210, back).status, building::FileRead::Ok);
    EXPECT_EQ(back.CompQty, qty);
  }
}

}  // namespace
