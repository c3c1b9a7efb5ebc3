// Event rules of the simple controls: which handlers run, and when.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/keys.h"
#include "support/scripted_platform.h"
#include "test_form.h"

namespace {
using Log = std::vector<std::string>;
namespace keys = forms::keys;

class Controls : public testing::Test {
 protected:
  // One action, the handlers it must raise, and the state it must leave
  // (as `state` below describes it).
  struct Step {
    const char* what;
    std::function<void()> act;
    Log events;
    std::string state;
  };
  void Run(const std::vector<Step>& steps, const std::function<std::string()>& state) {
    for (const auto& s : steps) {
      SCOPED_TRACE(s.what);
      s.act();
      EXPECT_EQ(form.TakeLog(), s.events);
      EXPECT_EQ(state(), s.state);
    }
  }
  testsupport::ScriptedPlatform platform;
  TestForm form{platform};
};

TEST_F(Controls, ListIndexRaisesClickOnlyOnChange) {
  auto& l = form.lstZone;
  for (const char* t : {"a", "b", "c"}) l.AddItem(t);
  const Log click = {"lstZone_Click"};
  Run({{"choose 1", [&] { l.SetListIndex(1); }, click, "1 b"},
       {"same again", [&] { l.SetListIndex(1); }, {}, "1 b"},
       {"none", [&] { l.SetListIndex(-1); }, click, "-1 "},
       {"choose 2", [&] { l.SetListIndex(2); }, click, "2 c"},
       {"insert before", [&] { l.AddItem("z", 0); }, {}, "3 c"},
       {"append", [&] { l.AddItem("end"); }, {}, "3 c"},
       {"insert just after", [&] { l.AddItem("y", 4); }, {}, "3 c"},
       {"remove above", [&] { l.RemoveItem(0); }, {}, "2 c"},
       {"remove below", [&] { l.RemoveItem(3); }, {}, "2 c"},
       {"remove chosen", [&] { l.RemoveItem(2); }, {}, "-1 "},
       {"insert and choose", [&] { l.AddItem("z", 0), l.SetListIndex(0); }, click, "0 z"},
       {"clear", [&] { l.Clear(); }, {}, "-1 "}},
      [&] { return std::to_string(l.ListIndex()) + " " + l.Text(); });
  EXPECT_EQ(l.ListCount(), 0);
}

TEST_F(Controls, BadRowsThrowAndChangeNothing) {
  auto& l = form.lstZone;
  l.AddItem("a");
  l.AddItem("b");
  l.SetListIndex(1);
  form.TakeLog();
  const std::function<void()> bad[] = {
      [&] { l.SetListIndex(2); }, [&] { l.SetListIndex(-2); }, [&] { l.RemoveItem(2); },    [&] { l.RemoveItem(-1); },
      [&] { (void)l.List(5); },   [&] { l.AddItem("x", 3); },  [&] { l.AddItem("x", -2); }, [&] { l.SetList(-1, "x"); },
  };
  for (size_t i = 0; i < std::size(bad); ++i) {
    SCOPED_TRACE(i);
    EXPECT_THROW(bad[i](), std::out_of_range);
    EXPECT_EQ(l.ListIndex(), 1);
    EXPECT_EQ(l.ListCount(), 2);
  }
  EXPECT_TRUE(form.log.empty());
}

TEST_F(Controls, OptionButtonsSwitchOnlyTheirOwnGroup) {
  auto& a = form.optA;
  auto& b = form.optB;
  Run({{"A0 on", [&] { a[0].SetValue(true); }, {"optA(0)_Click"}, "100 00"},
       {"A2 on", [&] { a[2].SetValue(true); }, {"optA(2)_Click"}, "001 00"},
       {"A2 again", [&] { a[2].SetValue(true); }, {}, "001 00"},
       {"A2 clicked again", [&] { a[2].Click(); }, {}, "001 00"},
       {"B1 on", [&] { b[1].SetValue(true); }, {"optB(1)_Click"}, "001 01"},
       {"A1 clicked", [&] { a[1].Click(); }, {"optA(1)_Click"}, "010 01"},
       {"A1 off", [&] { a[1].SetValue(false); }, {}, "000 01"}},
      [&] {
        std::string s;
        for (auto& o : a) s += o.Value() ? '1' : '0';
        s += ' ';
        for (auto& o : b) s += o.Value() ? '1' : '0';
        return s;
      });
}

TEST_F(Controls, CheckBoxAndTextBoxRaiseOnlyOnChange) {
  auto& c = form.chkA;
  auto& t = form.txtA;
  Run({{"check", [&] { c.SetValue(1); }, {"chkA_Click"}, "1 "},
       {"check again", [&] { c.SetValue(1); }, {}, "1 "},
       {"click toggles off", [&] { c.Click(); }, {"chkA_Click"}, "0 "},
       {"grey", [&] { c.SetValue(2); }, {"chkA_Click"}, "2 "},
       {"click from grey", [&] { c.Click(); }, {"chkA_Click"}, "1 "},
       {"bad value", [&] { EXPECT_THROW(c.SetValue(3), std::out_of_range); }, {}, "1 "},
       {"text", [&] { t.SetText("12"); }, {"txtA_Change"}, "1 12"},
       {"same text", [&] { t.SetText("12"); }, {}, "1 12"},
       {"typed char", [&] { t.TypeChar('3'); }, {"txtA_Change"}, "1 123"},
       {"backspace", [&] { t.TypeChar(keys::Back); }, {"txtA_Change"}, "1 12"}},
      [&] { return std::to_string(c.Value()) + " " + t.Text(); });
}

TEST_F(Controls, KeyPressHandlersCanSwallowCharacters) {
  auto& t = form.txtA;
  // The box takes digits only; the form (previewing keys) drops "5".
  t.OnKeyPress = [](int& key) {
    if (key != keys::Back && (key < '0' || key > '9')) key = 0;
  };
  form.SetKeyPreview(true);
  form.keyPressSwallow = '5';
  t.Type("1a5-2");
  EXPECT_EQ(t.Text(), "12");
  t.SetLocked(true);
  t.TypeChar('7');
  EXPECT_EQ(t.Text(), "12");
}

TEST_F(Controls, KeyPreviewSendsKeyDownToTheFormFirst) {
  form.keyDownSwallow = keys::Escape;
  form.KeyDown(&form.txtA, keys::Down, 0);
  EXPECT_EQ(form.TakeLog(), Log{"txtA_KeyDown 40"});  // no preview yet
  form.SetKeyPreview(true);
  form.KeyDown(&form.txtA, keys::Down, 0);
  EXPECT_EQ(form.TakeLog(), (Log{"Form_KeyDown 40", "txtA_KeyDown 40"}));
  form.KeyDown(&form.txtA, keys::Escape, 0);
  EXPECT_EQ(form.TakeLog(), Log{"Form_KeyDown 27"});
}

TEST_F(Controls, EditableComboTypedTextChoosesNoRow) {
  auto& c = form.cboType;
  for (const char* t : {"Brick", "Concrete"}) c.AddItem(t);
  const Log change = {"cboType_Change"};
  Run({{"choose row", [&] { c.SetListIndex(1); }, {"cboType_Click"}, "1 Concrete"},
       {"type", [&] { c.TypeText("Conc"); }, change, "-1 Conc"},
       {"type a row's text", [&] { c.TypeText("Concrete"); }, change, "-1 Concrete"},
       {"code sets a row's text", [&] { c.SetText("Brick"); }, change, "0 Brick"},
       {"other row edited", [&] { c.SetList(1, "Steel"); }, {}, "0 Brick"},
       {"code sets other text", [&] { c.SetText("x"); }, change, "-1 x"},
       {"clear empties typed text", [&] { c.Clear(); }, {}, "-1 "},
       {"refill and choose", [&] { c.AddItem("1"), c.AddItem("2"), c.SetListIndex(1); }, {"cboType_Click"}, "1 2"},
       {"remove the chosen row", [&] { c.RemoveItem(1); }, {}, "-1 "},
       {"choose and clear", [&] { c.SetListIndex(0), c.Clear(); }, {"cboType_Click"}, "-1 "}},
      [&] { return std::to_string(c.ListIndex()) + " " + c.Text(); });
}

// A drop-down list takes no typing and always shows its chosen row.
TEST_F(Controls, DropDownListShowsOnlyItsChosenRow) {
  auto& c = form.cboType;
  c.SetStyle(forms::ComboStyle::DropDownList);
  for (const char* t : {"Brick", "Concrete"}) c.AddItem(t);
  const Log click = {"cboType_Click"};
  Run({{"choose row", [&] { c.SetListIndex(1); }, click, "1 Concrete"},
       {"typing is ignored", [&] { c.TypeText("Conc"); }, {}, "1 Concrete"},
       {"code sets a row's text", [&] { c.SetText("Brick"); }, click, "0 Brick"},
       {"code sets other text", [&] { c.SetText("x"); }, click, "-1 "},
       {"user clicks a row", [&] { c.ClickRow(0); }, click, "0 Brick"},
       {"clear", [&] { c.Clear(); }, {}, "-1 "}},
      [&] { return std::to_string(c.ListIndex()) + " " + c.Text(); });
}

// The user's click on a row raises Click also on the row already chosen.
TEST_F(Controls, UserClickOnARowAlwaysRaisesClick) {
  auto& l = form.lstZone;
  for (const char* t : {"a", "b"}) l.AddItem(t);
  const Log click = {"lstZone_Click"};
  Run({{"click", [&] { l.ClickRow(1); }, click, "1"},
       {"click the chosen row", [&] { l.ClickRow(1); }, click, "1"},
       {"code, same row", [&] { l.SetListIndex(1); }, {}, "1"},
       {"disabled list", [&] { l.SetEnabled(false), l.ClickRow(0); }, {}, "1"}},
      [&] { return std::to_string(l.ListIndex()); });
  l.SetEnabled(true);
  EXPECT_THROW(l.ClickRow(5), std::out_of_range);
}

TEST_F(Controls, BackColoursDefaultByKind) {
  EXPECT_EQ(form.txtA.BackColor(), forms::kWindowBackground);
  EXPECT_EQ(form.picA.BackColor(), 0xFFFFFFu);
  EXPECT_EQ(form.fraA.BackColor(), forms::kButtonFace);
  EXPECT_FALSE(form.txtA.HasBackColor());
  form.txtA.SetBackColor(forms::kButtonFace);
  EXPECT_TRUE(form.txtA.HasBackColor());
  EXPECT_EQ(form.txtA.BackColor(), forms::kButtonFace);
  EXPECT_TRUE(forms::IsSystemColour(forms::kButtonFace));
  EXPECT_FALSE(forms::IsSystemColour(0xFFFFFF));
}

TEST_F(Controls, UnusableButtonsAndMenusDoNothing) {
  auto& f = form;
  Run({{"button", [&] { f.cmdOK.Click(); }, {"cmdOK_Click"}, ""},
       {"disabled button", [&] { f.cmdOK.SetEnabled(false), f.cmdOK.Click(); }, {}, ""},
       {"hidden button", [&] { f.cmdOK.SetEnabled(true), f.cmdOK.SetVisible(false), f.cmdOK.Click(); }, {}, ""},
       {"button in disabled frame", [&] { f.fraB.SetEnabled(false), f.cmdInFrame.Click(); }, {}, ""},
       {"option in disabled frame", [&] { f.optB[0].Click(); }, {}, ""},
       {"menu", [&] { f.mnuFileOpen.Click(); }, {"mnuFileOpen_Click"}, ""},
       {"disabled menu", [&] { f.mnuFileOpen.SetEnabled(false), f.mnuFileOpen.Click(); }, {}, ""},
       {"under disabled parent",
        [&] { f.mnuFileOpen.SetEnabled(true), f.mnuFile.SetEnabled(false), f.mnuFileOpen.Click(); },
        {},
        ""}},
      [] { return std::string(); });
  EXPECT_FALSE(form.optB[0].Value());
  EXPECT_EQ(form.FindMenu("mnuFileOpen"), &form.mnuFileOpen);
  EXPECT_EQ(form.FindControl("optA(2)"), &form.optA[2]);
}

TEST_F(Controls, FocusMovesWithLostAndGotFocus) {
  Run({{"first", [&] { form.txtA.SetFocus(); }, {"txtA_GotFocus"}, "txtA"},
       {"same", [&] { form.txtA.SetFocus(); }, {}, "txtA"},
       {"next", [&] { form.txtB.SetFocus(); }, {"txtA_LostFocus", "txtB_GotFocus"}, "txtB"}},
      [&] { return form.ActiveControl() ? form.ActiveControl()->Name() : "none"; });
  EXPECT_TRUE(form.txtB.HasFocus());
  EXPECT_FALSE(form.txtA.HasFocus());
}

TEST(Menus, PlainCaptionAndFilter) {
  const std::pair<const char*, const char*> captions[] = {
      {"Cre&at New Project", "Creat New Project"}, {"&File", "File"}, {"Save && Exit", "Save & Exit"}, {"", ""}};
  for (const auto& [caption, plain] : captions) EXPECT_EQ(forms::PlainCaption(caption), plain);

  auto one = forms::ParseFilter("LCA project files (*.PRJ)|*.PRJ");
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].description, "LCA project files (*.PRJ)");
  EXPECT_EQ(one[0].pattern, "*.PRJ");
  auto two = forms::ParseFilter("Result (*.RES)|*.RES|All files (*.*)|*.*");
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[1].pattern, "*.*");
  EXPECT_TRUE(forms::ParseFilter("").empty());
}

}  // namespace
