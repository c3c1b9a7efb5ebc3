#include "calculator/frm_calculator.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "support/scripted_platform.h"

namespace calculator {
namespace {

using Boxes = std::array<std::string, RegisterStack::kSize>;  // Y, X, 2, 3, 4

// One run of the window on a scripted platform.
struct Session {
  testsupport::ScriptedPlatform platform;
  frmCalculator form{platform};
  Session() { form.Show(); }

  forms::CommandButton* Button(const std::string& caption) {
    for (forms::CommandButton& b : form.cmdOp)
      if (b.Caption() == caption) return &b;
    if (caption == "Clear Y") return &form.cmdClrY;
    if (caption == "Clear All") return &form.cmdClrAll;
    return nullptr;
  }
  // Each key presses the upper button of that caption, or else is typed
  // into the Y box.
  void Keys(const std::vector<std::string>& keys) {
    for (const std::string& k : keys) {
      if (forms::CommandButton* b = Button(k)) {
        b->Click();
      } else {
        form.txtValue[0].Type(k);
      }
    }
  }
  Boxes Shown() const {
    Boxes b;
    for (int i = 0; i < RegisterStack::kSize; ++i) b[i] = form.txtValue[i].Text();
    return b;
  }
  std::array<float, RegisterStack::kSize> Registers() const {
    std::array<float, RegisterStack::kSize> r;
    for (int i = 0; i < RegisterStack::kSize; ++i) r[i] = form.Registers().R(i);
    return r;
  }
  bool YHasFocus() const { return form.ActiveControl() == &form.txtValue[0]; }
};

TEST(frmCalculator, LoadShowsEmptyYAndZerosAbove) {
  Session s;
  EXPECT_EQ(s.form.Caption(), "Calculator");
  EXPECT_EQ(s.Shown(), (Boxes{"", "0", "0", "0", "0"}));
  for (forms::TextBox* box : {&s.form.txtNIR, &s.form.txtIFR, &s.form.txtPER, &s.form.txtCI, &s.form.txtCP,
                              &s.form.txtNP, &s.form.txtCL, &s.form.txtRDR, &s.form.txtPW})
    EXPECT_EQ(box->Text(), "") << box->Name();
}

TEST(frmCalculator, LayoutPlacesControlsByName) {
  struct Place {
    const char* name;
    int left, top, width, height;
  };
  const Place places[] = {
      {"txtValue(4)", 720, 600, 2175, 285},  {"txtValue(1)", 720, 1680, 2175, 285},
      {"txtValue(0)", 720, 2040, 2175, 285}, {"cmdOp(0)", 720, 2400, 2175, 375},
      {"cmdOp(1)", 3000, 600, 1095, 375},    {"cmdOp(6)", 3000, 2400, 1095, 375},
      {"cmdOp(7)", 4080, 600, 1095, 375},    {"cmdOp(12)", 4080, 2400, 1095, 375},
      {"cmdClrY", 3000, 240, 1095, 375},     {"cmdClrAll", 4080, 240, 1095, 375},
      {"cmdClrFIn", 3000, 3000, 1095, 375},  {"CalFinancial", 4080, 3000, 1095, 375},
      {"txtNIR", 4080, 3600, 1095, 285},     {"txtPW", 4080, 6480, 1095, 285},
      {"lblPW", 720, 6480, 3255, 285},
  };
  Session s;
  EXPECT_EQ(s.form.ClientWidth(), 5670);
  EXPECT_EQ(s.form.ClientHeight(), 7095);
  for (const Place& p : places) {
    forms::Control* c = s.form.FindControl(p.name);
    ASSERT_NE(c, nullptr) << p.name;
    EXPECT_EQ((std::array{c->Left(), c->Top(), c->Width(), c->Height()}),
              (std::array{p.left, p.top, p.width, p.height}))
        << p.name;
  }
}

TEST(frmCalculator, StackSequences) {
  struct Case {
    std::vector<std::string> keys;
    Boxes shown;
  };
  const Case cases[] = {
      {{"2", "Enter", "3", "X + Y"}, {"5", "0", "0", "0", "0"}},
      // X takes what stood in box 2; box 4 shows "0" after the drop.
      {{"7", "Enter", "8", "Enter", "2", "Enter", "3", "X + Y"}, {"5", "8", "7", "0", "0"}},
      {{"1", "Enter", "2", "Enter", "3", "Enter", "4", "Enter", "5", "Enter", "6", "X * Y"},
       {"30", "4", "3", "2", "0"}},
      {{"10", "Enter", "4", "X - Y"}, {"6", "0", "0", "0", "0"}},
      {{"10", "Enter", "4", "X / Y"}, {"2.5", "0", "0", "0", "0"}},
      {{"2", "Enter", "10", "X ^ Y"}, {"1024", "0", "0", "0", "0"}},
      {{"5", "Enter", "Y = pi"}, {"3.141593", "5", "0", "0", "0"}},  // no push
      {{"30", "Sin (Y)"}, {"0.5", "0", "0", "0", "0"}},
      {{"60", "Cos (Y)"}, {"0.5", "0", "0", "0", "0"}},
      {{"90", "Cos (Y)"}, {"6.123234E-17", "0", "0", "0", "0"}},
      {{"1", "ATan (Y)"}, {"45", "0", "0", "0", "0"}},
      {{"9", "Enter", "16", "Sqr (Y)"}, {"4", "9", "0", "0", "0"}},
      {{"1", "Exp (Y)"}, {"2.718282", "0", "0", "0", "0"}},
      {{"1", "Exp (Y)", "Ln (Y)"}, {"1", "0", "0", "0", "0"}},
      {{"12345678", "Sqr (Y)", "Enter", "2", "X ^ Y"}, {"1.234568E+07", "0", "0", "0", "0"}},
      // A shown result is read back from its box like typed text.
      {{"2", "Enter", "3", "X + Y", "Enter"}, {"", "5", "0", "0", "0"}},
      // Enter copies the box text as typed; X holds only its leading number.
      {{"1,000", "Enter"}, {"", "1,000", "0", "0", "0"}},
      {{"1,000", "Enter", "5", "X + Y"}, {"6", "0", "0", "0", "0"}},
      {{" 2x", "Enter", "ab", "X + Y"}, {"2", "0", "0", "0", "0"}},
      {{"5", "Enter", "4", "Enter", "3", "Enter", "2", "Enter", "1", "Clear Y"}, {"2", "3", "4", "5", "0"}},
      {{"5", "Enter", "4", "Enter", "3", "Clear All"}, {"", "0", "0", "0", "0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.keys));
    Session s;
    s.Keys(c.keys);
    EXPECT_EQ(s.Shown(), c.shown);
  }
}

TEST(frmCalculator, NumericErrorsShowErrorAndMoveNothing) {
  struct Case {
    std::vector<std::string> keys;
    Boxes shown;
  };
  const Case cases[] = {
      {{"8", "Enter", "7", "Enter", "0", "X / Y"}, {"Error", "7", "8", "0", "0"}},
      {{"-4", "Sqr (Y)"}, {"Error", "0", "0", "0", "0"}},
      {{"0", "Ln (Y)"}, {"Error", "0", "0", "0", "0"}},
      {{"-1", "Ln (Y)"}, {"Error", "0", "0", "0", "0"}},
      {{"-8", "Enter", "0.5", "X ^ Y"}, {"Error", "-8", "0", "0", "0"}},
      {{"0", "Enter", "-1", "X ^ Y"}, {"Error", "0", "0", "0", "0"}},
      {{"1e30", "Enter", "1e30", "X * Y"}, {"Error", "1e30", "0", "0", "0"}},
      {{"3e38", "Enter", "3e38", "X + Y"}, {"Error", "3e38", "0", "0", "0"}},
      {{"1000", "Exp (Y)"}, {"Error", "0", "0", "0", "0"}},
      // Our choice: beyond the Single range but within the Double range.
      {{"100", "Exp (Y)"}, {"Error", "0", "0", "0", "0"}},
      {{"1e20", "Enter", "2", "X ^ Y"}, {"Error", "1e20", "0", "0", "0"}},
      {{"1e39", "Enter"}, {"Error", "0", "0", "0", "0"}},
      {{"1e39", "Y = pi"}, {"Error", "0", "0", "0", "0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.keys));
    Session s;
    s.Keys(c.keys);
    EXPECT_EQ(s.Shown(), c.shown);
    for (int i = 1; i < RegisterStack::kSize; ++i)
      EXPECT_EQ(s.Registers()[i], static_cast<float>(common::LeadingNumber(c.shown[i]))) << i;
    EXPECT_TRUE(s.platform.Messages().empty());
  }
}

TEST(frmCalculator, BoxTextAndRegisterAreSeparate) {
  Session s;
  s.Keys({"1,000", "Enter", "7.5kg", "Enter"});
  EXPECT_EQ(s.Shown(), (Boxes{"", "7.5kg", "1,000", "0", "0"}));
  EXPECT_EQ(s.Registers(), (std::array<float, 5>{0, 7.5f, 1, 0, 0}));
  s.Keys({"Clear Y"});
  EXPECT_EQ(s.Registers(), (std::array<float, 5>{7.5f, 1, 0, 0, 0}));
  EXPECT_EQ(s.Shown(), (Boxes{"7.5kg", "1,000", "0", "0", "0"}));
}

TEST(frmCalculator, EmptyYOnlyTakesTheFocus) {
  for (int k = 0; k < kOperationCount; ++k) {
    if (static_cast<Operation>(k) == Operation::Pi) continue;
    SCOPED_TRACE(k);
    Session s;
    s.Keys({"5", "Enter", "3", "Enter"});
    s.form.cmdOp[k].SetFocus();
    s.form.cmdOp[k].Click();
    EXPECT_EQ(s.Shown(), (Boxes{"", "3", "5", "0", "0"}));
    EXPECT_EQ(s.Registers(), (std::array<float, 5>{0, 3, 5, 0, 0}));
    EXPECT_TRUE(s.YHasFocus());
  }
}

TEST(frmCalculator, AnyOperationAfterAnErrorOnlyClearsIt) {
  for (int k = 0; k < kOperationCount; ++k) {
    SCOPED_TRACE(k);
    Session s;
    s.Keys({"8", "Enter", "0", "X / Y"});
    s.form.cmdClrY.SetFocus();
    s.form.cmdOp[k].Click();
    EXPECT_EQ(s.Shown(), (Boxes{"", "8", "0", "0", "0"}));
    EXPECT_TRUE(s.YHasFocus());
    // The calculator works on from there.
    s.Keys({"2", "X * Y"});
    EXPECT_EQ(s.Shown(), (Boxes{"16", "0", "0", "0", "0"}));
  }
}

TEST(frmCalculator, OnlyEnterAndClearAllMoveTheFocusToY) {
  Session s;
  s.Keys({"2", "Enter"});
  EXPECT_TRUE(s.YHasFocus());
  s.form.cmdOp[1].SetFocus();
  s.Keys({"3", "X + Y", "Sqr (Y)", "Y = pi", "Clear Y"});
  EXPECT_EQ(s.form.ActiveControl(), &s.form.cmdOp[1]);
  s.Keys({"0", "Ln (Y)"});  // an error leaves the focus too
  EXPECT_EQ(s.form.ActiveControl(), &s.form.cmdOp[1]);
  s.Keys({"4", "Enter", "Clear All"});
  EXPECT_TRUE(s.YHasFocus());
  EXPECT_EQ(s.Registers(), (std::array<float, 5>{}));
}

// ---- financial calculator ----

struct Financial {
  const char *NIR, *IFR, *PER, *CI, *CP, *NP, *CL;
};

void Fill(frmCalculator& f, const Financial& in) {
  f.txtNIR.Type(in.NIR);
  f.txtIFR.Type(in.IFR);
  f.txtPER.Type(in.PER);
  f.txtCI.Type(in.CI);
  f.txtCP.Type(in.CP);
  f.txtNP.Type(in.NP);
  f.txtCL.Type(in.CL);
}

TEST(frmCalculator, CalculateShowsRealRateAndPresentWorth) {
  struct Case {
    Financial in;
    const char *rdr, *pw;
  };
  const Case cases[] = {
      {{"10", "0", "0", "0", "100", "1", "0"}, "10", "90.90909"},
      // Letters count as 0; a comma ends the number.
      {{"10", "none", "x", "abc", "100", "1", ""}, "10", "90.90909"},
      {{"10", "0", "0", "0", "1,000", "1", "0"}, "10", "0.9090909"},
      {{" 10%", "0", "0", "50", "0", "2", "121"}, "10", "150"},
      {{"125", "50", "0", "0", "0", "2", "225"}, "50", "100"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in.NIR + std::string("/") + c.in.CI + "/" + c.in.CP);
    Session s;
    Fill(s.form, c.in);
    s.form.CalFinancial.Click();
    EXPECT_EQ(s.form.txtRDR.Text(), c.rdr);
    EXPECT_EQ(s.form.txtPW.Text(), c.pw);
  }
}

TEST(frmCalculator, CalculateErrorsKeepThePreviousResults) {
  const Financial cases[] = {
      {"5", "0", "5", "0", "100", "10", "0"},
      {"10", "", "10", "0", "100", "1", "0"},
      {"", "", "", "", "", "", ""},
      {"10", "-100", "0", "0", "100", "1", "0"},
      {"-100", "0", "0", "0", "100", "1", "0"},
      {"10", "0", "-200", "0", "100", "0.5", "0"},
      {"10", "0", "0", "0", "1e38", "100", "0"},
      {"1e45", "0", "0", "0", "100", "1", "0"},
  };
  for (const Financial& in : cases) {
    SCOPED_TRACE(in.NIR + std::string("/") + in.IFR + "/" + in.PER);
    Session s;
    Fill(s.form, {"10", "0", "0", "0", "100", "1", "0"});
    s.form.CalFinancial.Click();
    Fill(s.form, in);
    s.platform.ExpectMessage("Input Error; Cannot complete calculation!");
    s.form.CalFinancial.Click();
    EXPECT_TRUE(s.platform.ScriptDone());
    EXPECT_EQ(s.form.txtRDR.Text(), "10");
    EXPECT_EQ(s.form.txtPW.Text(), "90.90909");
  }
}

TEST(frmCalculator, FinancialClearAllEmptiesItsNineBoxesOnly) {
  Session s;
  s.Keys({"4", "Enter"});
  Fill(s.form, {"8", "3", "5", "1000", "100", "50", "500"});
  s.form.CalFinancial.Click();
  EXPECT_NE(s.form.txtPW.Text(), "");
  s.form.cmdClrFIn.Click();
  for (forms::TextBox* box : {&s.form.txtNIR, &s.form.txtIFR, &s.form.txtPER, &s.form.txtCI, &s.form.txtCP,
                              &s.form.txtNP, &s.form.txtCL, &s.form.txtRDR, &s.form.txtPW})
    EXPECT_EQ(box->Text(), "") << box->Name();
  EXPECT_EQ(s.Shown(), (Boxes{"", "4", "0", "0", "0"}));
}

}  // namespace
}  // namespace calculator
