#include "assessment/formula_machine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

using building::FormulaLine;
using common::Single;

class FormulaMachineTest : public testing::Test {
 protected:
  FormulaMachineTest() {
    // Material 12 at row 3 with density 2400, conductivity 1.5, specific heat 880.
    mat->MatIdx[12] = 3;
    mat->MatProp[3] = {2400, 1.5f, 880};
    mat->MatIdx[40] = 5;
    mat->MatProp[5] = {7850, 50, 460};
    values[0] = "2";
    values[1] = "3.5";
    values[2] = " 4abc";
    values[3] = "";
    values[4] = "3.4028235E+38";  // the largest Single as a box shows it
    values[5] = "3.4028236E+38";  // beyond it by more than half a unit
    values[16] = "9";
  }
  std::optional<Single> Run(std::vector<FormulaLine> lines,
                            const std::vector<std::pair<common::Integer, common::Integer>>* subst = nullptr) {
    return ModCal::EvaluateFormula(lines, {*mat, values, subst});
  }
  std::unique_ptr<common::MaterialTable> mat = std::make_unique<common::MaterialTable>();
  std::array<std::string, 17> values{};
};

TEST_F(FormulaMachineTest, EachOpCode) {
  struct Case {
    const char* what;
    std::vector<FormulaLine> lines;
    double expected;
  } cases[] = {
      {"push then load-and-multiply", {{3, 0}, {4, 3}}, 4 * 0},  // row 3 = 4, row 4 empty = 0
      {"row 1 times row 2", {{1, 0}, {2, 3}}, 7},
      {"add", {{1, 0}, {2, 1}}, 5.5},
      {"subtract", {{1, 0}, {2, 2}}, -1.5},
      {"divide", {{2, 0}, {1, 4}}, 1.75},
      {"power", {{1, 0}, {3, 5}}, 16},
      {"copy s1 without pop", {{2, 0}, {1, 6}}, 3.5},
      {"pi", {{0, 7}}, 4 * std::atan(1.0)},
      {"square root", {{3, 8}}, 2},
      {"cube root", {{27, 101}, {0, 9}}, 3},
      {"percent", {{1, 10}}, 0.02},
      {"half", {{2, 11}}, 1.75},
      {"quarter pi d squared", {{1, 12}}, std::atan(1.0) * 4},
      {"codes 13..99 only load", {{2, 13}, {1, 99}}, 2},
      {"codes above 101 and negative only load", {{2, 150}, {1, -4}}, 2},
      {"literal", {{0.25f, 101}}, 0.25},
      {"density of material 12", {{120, 100}}, 2400},
      {"conductivity", {{121, 100}}, 1.5},
      {"specific heat", {{122, 100}}, 880},
      {"operand zero keeps s0", {{2, 0}, {1, 0}, {0, 3}}, 0},
      {"operand negative keeps s0", {{1, 13}, {-1, 10}}, 0.02},
      {"row 17", {{17, 13}}, 9},
      {"row 5, the largest Single", {{5, 13}}, std::numeric_limits<float>::max()},
      {"operand rounds half to even", {{2.5f, 13}}, 3.5},
      {"thickness x area x density", {{1, 0}, {2, 3}, {0, 0}, {120, 100}, {0, 3}}, 7 * 2400},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto got = Run(c.lines);
    ASSERT_TRUE(got.has_value());
    EXPECT_NEAR(*got, c.expected, 1e-5 * (1 + std::fabs(c.expected)));
  }
}

// Each failure refuses the quantity; those of a number beyond the Single
// range say so.
TEST_F(FormulaMachineTest, ErrorsAreRefusedNotBooked) {
  struct Case {
    const char* what;
    std::vector<FormulaLine> lines;
    bool overflow = false;
  } cases[] = {
      {"property digit 3", {{123, 100}}},
      {"material beyond 510", {{5110, 100}}},
      {"negative property code", {{-10, 100}}},
      {"value row 18", {{18, 13}}},
      {"division by zero", {{1, 0}, {4, 4}}},
      {"root of a negative", {{1, 0}, {2, 2}, {0, 8}}},
      {"cube root of a negative", {{1, 0}, {2, 2}, {0, 9}}},
      {"negative to a fractional power", {{1, 0}, {2, 2}, {0, 0}, {0.5f, 101}, {0, 5}}},
      {"zero to a negative power", {{4, 0}, {0, 0}, {-2, 101}, {0, 5}}},
      {"overflow", {{1e30f, 101}, {0, 0}, {1e30f, 101}, {0, 3}}, true},
      {"overflow of a power", {{1e30f, 101}, {0, 0}, {2, 101}, {0, 5}}, true},
      {"a value beyond the Single range", {{6, 13}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    bool overflowed = !c.overflow;
    EXPECT_FALSE(ModCal::EvaluateFormula(c.lines, {*mat, values, nullptr}, &overflowed).has_value());
    EXPECT_EQ(overflowed, c.overflow);
  }
}

TEST_F(FormulaMachineTest, UserMaterialReplacesPropertyReads) {
  std::vector<std::pair<common::Integer, common::Integer>> subst = {{12, 40}};
  auto got = Run({{120, 100}}, &subst);
  ASSERT_TRUE(got);
  EXPECT_EQ(*got, 7850);
}

TEST_F(FormulaMachineTest, EmptyFormulaIsZero) {
  auto got = Run({});
  ASSERT_TRUE(got);
  EXPECT_EQ(*got, 0);
}

}  // namespace
