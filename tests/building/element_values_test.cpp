// The panel "Change Default Values of Element Parameters" and the element
// user-value file it writes.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/paths.h"
#include "element_editor_fixture.h"

namespace {

using forms::MsgResult;

constexpr const char* kResetQuestion =
    "Previously entered user input data will be saved but ignored; default values will be used instead! Go ahead?";
constexpr const char* kResetReminder = "Make sure corresponding changes are made to the element inputs!";
constexpr const char* kApplyReminder =
    "Default values will be replaced by the user input. Make sure corresponding changes are made to the element "
    "inputs!";

class ValuesPanel : public elmtest::ElementEditor {
 protected:
  // Opens the component with the element `file` and loads that element
  // into the editor, as "Load Element" does.
  void LoadElement(const std::string& file) {
    WriteComponent("Wall.FLC", "Wall", 0, {});
    w->Show();
    w->cmdAddElm.Click();
    platform.ExpectOpenDialog(st.ProjDir + file);
    w->cmdLoadElm.Click();
  }
  std::string Combo() const {
    std::string items;
    for (int i = 0; i < w->cboMNoInElm.ListCount(); ++i) items += w->cboMNoInElm.List(i);
    return items;
  }
};

TEST_F(ValuesPanel, LibraryElementResetThenApply) {
  WriteElement("Beam.FLE", "Beam", 1, {{"0.3", ""}});
  LoadElement("Beam.FLE");
  ASSERT_TRUE(w->cmdChgElmD.Enabled());
  w->cmdChgElmD.Click();
  ASSERT_TRUE(w->fraChgElmD.Visible());
  EXPECT_FALSE(w->mnuF.Enabled() || w->mnuDirRet.Enabled());
  EXPECT_EQ(w->ElmUserValFile, "Beam_.FLE");
  EXPECT_EQ(Combo(), "12");
  // The last material is shown; no user-value file: the defaults are used.
  EXPECT_EQ(w->cboMNoInElm.ListIndex(), 1);
  EXPECT_EQ(w->lblMatD.Caption(), "Rebar");
  EXPECT_EQ(w->lblUnitU.Caption(), "per kg");
  EXPECT_EQ(w->txtLifeD.Text(), "40");
  EXPECT_EQ(w->txtWasU.Text(), "3");
  EXPECT_EQ(w->txtUCostD.Text(), "10");
  EXPECT_FALSE(st.elmMat.ElmUserValFlag);

  w->txtWasU.SetText("4.5");
  w->cboMNoInElm.SetListIndex(0);  // the typed value of material 2 is kept
  EXPECT_EQ(st.elmMat.ElmMatWas[1][2], 4.5f);
  EXPECT_EQ(w->lblMatU.Caption(), "Concrete");
  // Another material to be used: the default column stays.
  PickMaterialNext(120);
  w->cmdSelMat.Click();
  EXPECT_EQ(w->lblMatU.Caption(), "Brick");
  EXPECT_EQ(st.elmMat.ElmMatNo[1][1], 120);
  EXPECT_EQ(st.elmMat.ElmMatNo[0][1], 12);
  EXPECT_EQ(w->lblMatD.Caption(), "Concrete");

  platform.ExpectMessage(kResetQuestion, MsgResult::OK);
  platform.ExpectMessage(kResetReminder);
  w->cmdUseDV.Click();
  const std::string lines = "120,5,60,6\r\n20,4.5,40,10\r\n";
  EXPECT_EQ(folder.Read("proj/Beam_.FLE"), "0\r\n" + lines);
  EXPECT_FALSE(w->fraChgElmD.Visible());
  EXPECT_TRUE(w->mnuF.Enabled() && w->mnuDirRet.Enabled());
  EXPECT_EQ(w->ElmMatCount, 0);

  // At the next opening the user's values are shown but not in force.
  w->cmdChgElmD.Click();
  EXPECT_FALSE(st.elmMat.ElmUserValFlag);
  EXPECT_EQ(w->txtWasU.Text(), "4.5");
  platform.ExpectMessage(kApplyReminder);
  w->cmdUseUIV.Click();
  EXPECT_EQ(folder.Read("proj/Beam_.FLE"), "2\r\n" + lines);
  w->cmdChgElmD.Click();
  EXPECT_TRUE(st.elmMat.ElmUserValFlag);
  w->cmdXFraChgElmD.Click();
  EXPECT_FALSE(w->fraChgElmD.Visible());
  EXPECT_TRUE(w->mnuF.Enabled());
}

TEST_F(ValuesPanel, ResetCancelledWritesNothing) {
  WriteElement("Beam.FLE", "Beam", 1, {{"0.3", ""}});
  LoadElement("Beam.FLE");
  w->cmdChgElmD.Click();
  platform.ExpectMessage(kResetQuestion, MsgResult::Cancel);
  w->cmdUseDV.Click();
  EXPECT_TRUE(w->fraChgElmD.Visible());
  EXPECT_FALSE(common::FileExists(st.ProjDir + "Beam_.FLE"));
}

TEST_F(ValuesPanel, LibraryElementWithoutMaterialsWritesNothing) {
  WriteElement("Panel.FLE", "Panel", 7, {{"0.1", ""}});
  LoadElement("Panel.FLE");
  w->cmdChgElmD.Click();
  EXPECT_TRUE(w->fraChgElmD.Visible());
  EXPECT_EQ(w->cboMNoInElm.ListCount(), 0);
  platform.ExpectMessage(kApplyReminder);
  w->cmdUseUIV.Click();
  EXPECT_FALSE(w->fraChgElmD.Visible());
  EXPECT_FALSE(common::FileExists(st.ProjDir + "Panel_.FLE"));
}

TEST_F(ValuesPanel, GenericElementListsItsMaterials) {
  struct Case {
    std::vector<std::pair<std::string, std::string>> values;
    std::string combo;
  } cases[] = {
      // Materials in rows 1 and 5: positions 1 and 2.
      {{{"12", ""}, {"2", ""}, {"5", ""}, {"50", ""}, {"20", ""}, {"3", ""}, {"2", ""}, {"30", ""}}, "12"},
      // Row 1 filled, row 5 empty: position 1 only (the file ends at the empty value).
      {{{"12", ""}, {"2", ""}, {"5", ""}, {"50", ""}}, "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.combo);
    WriteElement("Gen.FLE", "Gen", 0, c.values);
    LoadElement("Gen.FLE");
    w->cmdChgElmD.Click();
    EXPECT_EQ(Combo(), c.combo);
    w->cboMNoInElm.SetListIndex(0);
    EXPECT_EQ(w->lblMatD.Caption(), "Concrete");
    EXPECT_EQ(w->txtWasD.Text(), "5");
    EXPECT_EQ(w->txtLifeD.Text(), "50");
    EXPECT_EQ(w->txtUCostD.Text(), "6");
    w->cmdXFraChgElmD.Click();
    w->Unload();
  }
}

TEST_F(ValuesPanel, PanelRefusals) {
  struct Case {
    const char* what;
    std::function<void()> setUp;
    std::string message;
  } cases[] = {
      {"a generic element with a bad material no.",
       [this] {
         WriteElement("Bad.FLE", "Bad", 0, {{"1.2.3", ""}, {"2", ""}, {"5", ""}, {"50", ""}});
       },
       "Material 1 of element Bad has no valid material no., wastage or life. Correct the element's values "
       "first."},
      {"a generic element naming a material the table lacks",
       [this] {
         WriteElement("Bad.FLE", "Bad", 0, {{"400", ""}, {"2", ""}, {"5", ""}, {"50", ""}});
       },
       "Material 1 of element Bad has no valid material no., wastage or life. Correct the element's values "
       "first."},
      {"a generic element without a life",
       [this] {
         WriteElement("Bad.FLE", "Bad", 0, {{"12", ""}, {"2", ""}, {"5", ""}});
       },
       "Material 1 of element Bad has no valid material no., wastage or life. Correct the element's values "
       "first."},
      {"a library type without a default data file",
       [this] {
         WriteElement("Bad.FLE", "Bad", 2, {{"1", ""}});
       },
       "Error in reading " + st.DataDir + "FABRIC/E2.IMP"},
      {"a library type whose default data name a material the table lacks",
       [this] {
         folder.Write("data/FABRIC/E2.IMP", "1\r\n\"Stone\"\r\n400\r\n0\r\n5\r\n60\r\n");
         WriteElement("Bad.FLE", "Bad", 2, {{"1", ""}});
       },
       "Material no. 400 of " + st.DataDir + "FABRIC/E2.IMP is not in the LCIA database."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.setUp();
    LoadElement("Bad.FLE");
    platform.ExpectMessage(c.message);
    w->cmdChgElmD.Click();
    EXPECT_FALSE(w->fraChgElmD.Visible());
    EXPECT_TRUE(w->mnuF.Enabled());
    w->Unload();
  }
}

TEST_F(ValuesPanel, NewElementsNotYetSaved) {
  WriteComponent("Wall.FLC", "Wall", 0, {});
  w->Show();
  w->cmdAddElm.Click();
  PickTypeNext("RC Wall");
  w->cmdElmType.Click();
  // A library element has no user-value file name either: the same message.
  platform.ExpectMessage(
      "Save the element first: the default values of its materials can be changed once it has been saved.");
  w->cmdChgElmD.Click();
  EXPECT_FALSE(w->fraChgElmD.Visible());
  PickTypeNext("Generic Element");
  w->cmdElmType.Click();
  platform.ExpectMessage(
      "Save the element first: the default values of its materials can be changed once it has been saved.");
  w->cmdChgElmD.Click();
  EXPECT_FALSE(w->fraChgElmD.Visible());
}

TEST_F(ValuesPanel, UndefinedElementKind) {
  WriteElement("Beam.FLE", "Beam", 1, {{"0.3", ""}});
  LoadElement("Beam.FLE");
  st.FileType = 210;
  platform.ExpectMessage("Type of element undefined!!");
  w->cmdChgElmD.Click();
  EXPECT_FALSE(w->fraChgElmD.Visible());
}

TEST_F(ValuesPanel, AUserValueFileThatCannotBeWrittenKeepsThePanelOpen) {
  WriteElement("Beam.FLE", "Beam", 1, {{"0.3", ""}});
  LoadElement("Beam.FLE");
  w->cmdChgElmD.Click();
  std::filesystem::create_directory(st.ProjDir + "Beam_.FLE");  // in the way of the file
  platform.AllowAnyMessage();
  w->cmdUseUIV.Click();
  EXPECT_TRUE(w->fraChgElmD.Visible());
  EXPECT_EQ(platform.Messages().back().rfind("The user values of the element were not saved", 0), 0u);
  EXPECT_EQ(w->ElmMatCount, 2);
}

TEST_F(ValuesPanel, AValueTooLargeIsRefused) {
  WriteElement("Beam.FLE", "Beam", 1, {{"0.3", ""}});
  LoadElement("Beam.FLE");
  w->cmdChgElmD.Click();
  w->txtLifeU.SetText("1E40");
  platform.ExpectMessage("The number 1E40 is too large; the value stays 40.");
  w->cboMNoInElm.SetListIndex(0);
  EXPECT_EQ(st.elmMat.ElmMatLife[1][2], 40.0f);
}

}  // namespace
