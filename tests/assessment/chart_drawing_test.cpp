// The chart drawing, read back from the picture's drawing list: the
// coordinate system fitted to the data, the rescaling by powers of 1000,
// the three layouts, the labels and the charts that cannot be plotted.
#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "assessment/factors.h"
#include "assessment/frm_charts.h"
#include "support/scripted_platform.h"

namespace {

using assessment::frmCharts;
using forms::DrawOp;
using Kind = forms::DrawOp::Kind;

constexpr forms::Colour kBlack = 0x000000, kGrey = 0xC0C0C0, kMagenta = 0xFF00FF, kBlue = 0x0000FF;

class ChartDrawingTest : public testing::Test {
 protected:
  ChartDrawingTest() {
    prog.building.Bldg.ProjName = "Tower";
    w->Show();
    w->picCht.Cls();
  }
  // The chart of the values set, with only the cases named checked.
  void Draw(int resTyp, int chtTyp, int catIdx, std::array<bool, 3> checked) {
    w->chkBC.SetValue(checked[0] ? 1 : 0);
    w->chkAlt.SetValue(checked[1] ? 1 : 0);
    w->chkCur.SetValue(checked[2] ? 1 : 0);
    w->ResTyp = static_cast<common::Integer>(resTyp);
    w->ChtTyp = static_cast<common::Integer>(chtTyp);
    w->CatIdx = static_cast<common::Integer>(catIdx);
    w->DrawChart();
  }
  const std::vector<DrawOp>& Ops() const { return w->picCht.Drawing(); }
  std::vector<DrawOp> OfKind(Kind kind) const {
    std::vector<DrawOp> out;
    for (const auto& op : Ops())
      if (op.kind == kind) out.push_back(op);
    return out;
  }
  const DrawOp* Text(const std::string& text) const {
    for (const auto& op : Ops())
      if (op.kind == Kind::Text && op.text == text) return &op;
    return nullptr;
  }
  static void ExpectBox(const DrawOp& op, double x1, double y1, double x2, double y2, forms::Colour colour) {
    EXPECT_NEAR(op.x1, x1, 1e-4);
    EXPECT_NEAR(op.y1, y1, 1e-4);
    EXPECT_NEAR(op.x2, x2, 1e-4);
    EXPECT_NEAR(op.y2, y2, 1e-4);
    EXPECT_EQ(op.colour, colour);
  }
  void ExpectTextAt(const std::string& text, double x, double y) const {
    const DrawOp* op = Text(text);
    ASSERT_NE(op, nullptr) << text;
    EXPECT_NEAR(op->x1, x, 1e-4) << text;
    EXPECT_NEAR(op->y1, y, 1e-4) << text;
  }

  testsupport::ScriptedPlatform platform;
  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  std::unique_ptr<frmCharts> w = std::make_unique<frmCharts>(prog, platform);
};

// Single-value bars, the current case alone: range 220, unit height 10.
TEST_F(ChartDrawingTest, SingleValueBarsOfTheCurrentCase) {
  w->CurVal[0] = 220;
  Draw(1, 0, 0, {false, false, true});
  const auto& scale = Ops().at(0).scale;
  EXPECT_DOUBLE_EQ(scale.left, -12);
  EXPECT_DOUBLE_EQ(scale.width, 100);
  EXPECT_NEAR(scale.top, 250, 1e-4);
  EXPECT_NEAR(scale.top + scale.height, -26, 1e-4);

  ExpectTextAt(" Project: Tower", -12, 250);
  auto outlines = OfKind(Kind::Box), fills = OfKind(Kind::FilledBox);
  ASSERT_EQ(outlines.size(), 5u);  // frame, bar, three legend boxes
  ASSERT_EQ(fills.size(), 4u);
  ExpectBox(outlines[0], 0, 0, 60, 220, kBlack);
  ExpectBox(fills[0], 43, 0, 57, 220, kBlue);
  ExpectBox(outlines[1], 43, 0, 57, 220, kBlack);
  // The case texts are printed below every place, checked or not.
  ExpectTextAt("Reference Case", 3, -5);
  ExpectTextAt("Alternative Case", 23, -5);
  ExpectTextAt("Current Case", 43, -5);
  ExpectBox(fills[1], 62, 210, 63, 220, kGrey);
  ExpectBox(fills[2], 62, 200, 63, 210, kMagenta);
  ExpectBox(fills[3], 62, 190, 63, 200, kBlue);
  ExpectTextAt("Reference", 64, 220);
  ExpectTextAt("Alternative", 64, 210);
  ExpectTextAt("Current", 64, 200);
  // The value labels end at x = -0.5.
  ExpectTextAt("2.2E+2", -0.5 - w->picCht.TextWidth("2.2E+2"), 225);
  ExpectTextAt(" 0", -0.5 - w->picCht.TextWidth(" 0"), 5);
}

// Large ranges are divided by 1000 until they are 1000 or less; the top
// label keeps the undivided value.
TEST_F(ChartDrawingTest, Rescaling) {
  struct Case {
    float value;
    float drawn;
    const char* label;
  };
  const std::vector<Case> cases = {
      {1000, 1000, "1.E+3"}, {1500, 1.5f, "1.5E+3"}, {2500000, 2.5f, "2.5E+6"}, {987654321.f, 987.654321f, "9.877E+8"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    w->RefVal.fill(0), w->AltVal.fill(0), w->CurVal.fill(0);
    w->CurVal[0] = c.value;
    w->AltVal[0] = c.value / 2;
    Draw(3, 0, 0, {false, true, true});
    EXPECT_FLOAT_EQ(w->CurVal[0], c.drawn);
    EXPECT_FLOAT_EQ(w->AltVal[0], c.drawn / 2);
    EXPECT_NE(Text(c.label), nullptr);
    ExpectBox(OfKind(Kind::Box)[0], 0, 0, 60, c.drawn, kBlack);
  }
}

// Stacked bars of all ten categories: category 10 at the bottom; the range
// is the largest case total.
TEST_F(ChartDrawingTest, StackedCategories) {
  for (size_t c = 1; c <= 10; ++c) {
    w->RefVal[c] = static_cast<float>(c);  // total 55
    w->CurVal[c] = 2;                      // total 20
  }
  Draw(0, 1, 0, {true, false, true});
  auto fills = OfKind(Kind::FilledBox);
  ASSERT_EQ(fills.size(), 30u);  // two stacks of ten, ten legend boxes
  ExpectBox(fills[0], 3, 0, 17, 10, w->ChtColour[10]);
  ExpectBox(fills[1], 3, 10, 17, 19, w->ChtColour[9]);
  ExpectBox(fills[9], 3, 54, 17, 55, w->ChtColour[1]);
  ExpectBox(fills[10], 43, 0, 57, 2, w->ChtColour[10]);
  const double u = 55.0 / 22, top = 25 * u;
  ExpectBox(fills[20], 62, top - 4 * u, 63, top - 3 * u, w->ChtColour[1]);
  ExpectTextAt(" 1. Abiotic Depl'n ", 64, top - 3 * u);
  ExpectTextAt("10. Eutrophication", 64, top - 12 * u);
  EXPECT_NE(Text("5.5E+1"), nullptr);
  ExpectBox(OfKind(Kind::Box)[0], 0, 0, 60, 55, kBlack);
}

TEST_F(ChartDrawingTest, StackedSingleCategoryAndSingleValue) {
  for (size_t c = 1; c <= 10; ++c) w->CurVal[c] = 10.f * c;
  Draw(0, 1, 4, {false, false, true});
  auto fills = OfKind(Kind::FilledBox);
  ASSERT_EQ(fills.size(), 11u);  // one box, ten legend boxes
  ExpectBox(fills[0], 43, 0, 57, 40, w->ChtColour[4]);
  EXPECT_NE(Text("10. Eutrophication"), nullptr);

  // A single-value type stacked: the range is the largest of the values.
  w->RefVal[0] = 30, w->AltVal[0] = 80, w->CurVal[0] = 50;
  Draw(2, 1, 0, {true, true, true});
  ExpectBox(OfKind(Kind::Box)[0], 0, 0, 60, 80, kBlack);
  EXPECT_NE(Text("8.E+1"), nullptr);
}

// Grouped bars with one category: only its group has bars; every category
// number and name is printed.
TEST_F(ChartDrawingTest, GroupedBarsOfOneCategory) {
  for (size_t c = 1; c <= 10; ++c) w->RefVal[c] = w->AltVal[c] = w->CurVal[c] = 5;
  w->CurVal[3] = 11;
  Draw(0, 0, 3, {true, true, true});
  auto fills = OfKind(Kind::FilledBox);
  ASSERT_EQ(fills.size(), 6u);  // three bars, three legend boxes
  ExpectBox(fills[0], 13, 0, 14, 5, kGrey);
  ExpectBox(fills[1], 14, 0, 15, 5, kMagenta);
  ExpectBox(fills[2], 15, 0, 16, 11, kBlue);
  const double u = 11.0 / 22, top = 25 * u;
  for (int c = 1; c <= 10; ++c) ExpectTextAt(" " + std::to_string(c), 6.0 * (c - 1) + 1, -0.5 * u);
  ExpectTextAt("Reference Case", 64, top - 3 * u);
  ExpectTextAt(" 1. Abiotic Depl'n ", 62, top - 7 * u);
  ExpectTextAt("10. Eutrophication", 62, top - 16 * u);
}

// Charts that cannot be plotted: the message once, the picture cleared.
TEST_F(ChartDrawingTest, DataThatCannotBePlotted) {
  struct Case {
    const char* what;
    int resTyp, chtTyp, catIdx;
    float value;
  };
  const std::vector<Case> cases = {
      {"nothing computed", 1, 0, 0, 0},
      {"category outside the list", 0, 0, 11, 5},
      {"category typed over", 0, 1, -1, 5},
      {"a value beyond the Single range", 0, 1, 0, std::numeric_limits<float>::infinity()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    w->CurVal.fill(c.value);
    w->picCht.Print("earlier chart");
    platform.ExpectMessage("Current set of data cannot be plotted!!");
    Draw(c.resTyp, c.chtTyp, c.catIdx, {false, false, true});
    EXPECT_TRUE(Ops().empty());
  }
  EXPECT_TRUE(platform.ScriptDone());
}

// Bars hang down from 0 for negative values, inside the frame; the bottom
// label gives the real lower value.
TEST_F(ChartDrawingTest, NegativeValues) {
  w->RefVal[0] = -2000;
  w->CurVal[0] = 3000;
  Draw(3, 0, 0, {true, false, true});
  auto fills = OfKind(Kind::FilledBox);
  ExpectBox(OfKind(Kind::Box)[0], 0, -2, 60, 3, kBlack);
  ExpectBox(fills[0], 3, 0, 17, -2, kGrey);
  ExpectBox(fills[1], 43, 0, 57, 3, kBlue);
  EXPECT_NE(Text("-2000"), nullptr);
  EXPECT_NE(Text("3.E+3"), nullptr);
}

// An unchecked case's array may hold an earlier plot's values; they do not
// stretch the chart.
TEST_F(ChartDrawingTest, UncheckedCasesDoNotCountInTheBounds) {
  w->RefVal[0] = 900000;
  w->CurVal[0] = 44;
  Draw(1, 0, 0, {false, false, true});
  ExpectBox(OfKind(Kind::Box)[0], 0, 0, 60, 44, kBlack);
}

TEST(ChartLabel, Pattern) {
  const std::vector<std::pair<double, std::string>> cases = {
      {1500000, "1.5E+6"}, {1000, "1.E+3"},     {55, "5.5E+1"}, {1234567, "1.235E+6"},
      {999999, "1.E+6"},   {0.0234, "2.34E-2"}, {7, "7.E+0"},   {3.5e38, "3.5E+38"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(assessment::ScientificLabel(value), text) << value;
}

}  // namespace
