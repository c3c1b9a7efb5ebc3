// "Save As Construction": the elements of a floor component become the
// layers of the construction edit buffer, with the dialogs asking for what
// the elements cannot give.
#include <gtest/gtest.h>

#include "element_editor_fixture.h"

namespace {

constexpr const char* kNextForm =
    "Enter Outer and Inner Surface Absorptivity and Name the Construction in the next form.";

class SaveAsConstruction : public elmtest::ElementEditor {
 protected:
  // The dialog's next answer: material mode picks `material` through the
  // picker; thickness mode types `typed`.
  void AnswerNext(int material, const std::string& typed = "") {
    if (material > 0) PickMaterialNext(material);
    platform.OnModal("frmInpMatData", [this, material, typed](forms::Form& f) {
      auto& d = static_cast<building::frmInpMatData&>(f);
      headings.push_back(d.lblElmNam.Caption());
      if (material > 0) {
        d.cmdSel.Click();
      } else {
        d.txtMatProp.SetText(typed);
      }
      d.cmdReturn.Click();
    });
  }
  bool ConstructionWindowShown() const {
    for (const auto& s : platform.ShownForms())
      if (s.form == "frmSelCons" && s.modal) return true;
    return false;
  }

  std::vector<std::string> headings;
  common::EnergyInputState& buf = prog.energyInput;
};

TEST_F(SaveAsConstruction, LibraryAndGenericElements) {
  WriteElement("Block.FLE", "Block", 1, {{"0.15", "thick"}});
  WriteElement("Brick.FLE", "Brick skin", 0, {{"120", ""}, {"3", ""}, {"5", ""}, {"60", ""}});
  WriteComponent("Wall.FLC", "Wall", 0, {{"Block.FLE", "Block", 1}, {"Brick.FLE", "Brick skin", 0}});
  buf.CurConsType = 1;
  w->Show();
  AnswerNext(12);
  AnswerNext(0, "0.11");
  platform.ExpectMessage(kNextForm);
  w->mnuFSCons.Click();
  EXPECT_EQ(headings, (std::vector<std::string>{"Select Dominant Material for Element: Block",
                                                "Input Thickness of Element: Brick skin"}));
  EXPECT_EQ(buf.CurNLay, 2);
  EXPECT_EQ(buf.CurLayMatNo[1], 12);
  EXPECT_EQ(buf.CurLayMatName[1], "Concrete");
  EXPECT_EQ(buf.CurLayThk[1], 0.15f);
  EXPECT_EQ(buf.CurLayProp[0][1], 1012.0f);
  EXPECT_EQ(buf.CurLayProp[1][1], 0.12f);
  EXPECT_EQ(buf.CurLayMatNo[2], 120);
  EXPECT_EQ(buf.CurLayMatName[2], "Brick");
  EXPECT_EQ(buf.CurLayThk[2], 0.11f);
  EXPECT_EQ(buf.CurLayProp[2][2], 920.0f);
  EXPECT_EQ(buf.CurConsType, 1);  // the construction's kind is not set here
  EXPECT_EQ(buf.ConsFormMode, 1);
  EXPECT_EQ(w->MsgText, kNextForm);
  EXPECT_TRUE(ConstructionWindowShown());
}

TEST_F(SaveAsConstruction, NoStoredElements) {
  WriteComponent("Wall.FLC", "Wall", 0, {});
  w->Show();
  platform.ExpectMessage(kNextForm);
  w->mnuFSCons.Click();
  EXPECT_EQ(buf.CurNLay, 0);
  EXPECT_TRUE(ConstructionWindowShown());
}

TEST_F(SaveAsConstruction, StopsWithoutAnAnswer) {
  struct Case {
    const char* what;
    int type;
    std::string typed;
    std::string message;
  } cases[] = {
      {"no thickness", 0, "", "Failed to obtain material thickness. Try again!!"},
      {"a zero thickness", 0, "0", "Failed to obtain material thickness. Try again!!"},
      {"no material", 1, "", "Failed to obtain material no. Try again!!"},
      {"a material no. beyond the table", 1, "600", "Failed to obtain material no. Try again!!"},
      {"a material no. the table lacks", 1, "400", "Failed to obtain material no. Try again!!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteElement("A.FLE", "A", c.type, {{"12", ""}});
    WriteComponent("Wall.FLC", "Wall", 0, {{"A.FLE", "A", c.type}, {"A.FLE", "A", c.type}});
    w->Show();
    AnswerNext(0, c.typed);
    platform.ExpectMessage(c.message);
    w->mnuFSCons.Click();
    EXPECT_EQ(buf.CurNLay, 2);
    EXPECT_FALSE(ConstructionWindowShown());
    w->Unload();
  }
}

TEST_F(SaveAsConstruction, UnreadableElements) {
  struct Case {
    const char* what;
    std::vector<std::tuple<std::string, std::string, int>> elements;
    std::string message;
  } cases[] = {
      {"an element removed since the last save",
       {{"", "", -1}},
       "Element file  of layer 1 cannot be read. The construction is not made."},
      {"a missing file",
       {{"Gone.FLE", "Gone", 1}},
       "Element file Gone.FLE of layer 1 cannot be read. The construction is not made."},
      {"a generic element without a material no.",
       {{"G.FLE", "G", 0}},
       "The first value of element G is not a material no. The construction is not made."},
      {"a generic element naming a material the table lacks",
       {{"G400.FLE", "G400", 0}},
       "The first value of element G400 is not a material no. The construction is not made."},
  };
  WriteElement("G.FLE", "G", 0, {{"abc", ""}});
  WriteElement("G400.FLE", "G400", 0, {{"400", ""}});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteComponent("Wall.FLC", "Wall", 0, c.elements);
    w->Show();
    platform.ExpectMessage(c.message);
    w->mnuFSCons.Click();
    EXPECT_FALSE(ConstructionWindowShown());
    w->Unload();
  }
}

// The element in the editor keeps its own name and type, so that saving it
// afterwards stores what the user set.
TEST_F(SaveAsConstruction, TheElementBeingEditedIsKept) {
  WriteElement("Block.FLE", "Block", 1, {{"0.15", ""}});
  WriteComponent("Wall.FLC", "Wall", 0, {{"Block.FLE", "Block", 1}});
  w->Show();
  w->cmdAddElm.Click();
  w->txtElmName.SetText("New");
  PickTypeNext("Brick Wall");
  w->cmdElmType.Click();
  AnswerNext(12);
  platform.ExpectMessage(kNextForm);
  w->mnuFSCons.Click();
  EXPECT_EQ(st.CurElm.ElmTypeNo, 2);
  EXPECT_EQ(st.CurElm.ElmName, "");
  w->cmdSaveElm.Click();  // nothing selected: the new element becomes the first
  EXPECT_EQ(st.CurComp.CompElmName[0], "New");
  EXPECT_EQ(st.CurComp.CompElmTypeNo[0], 2);
}

}  // namespace
