// Number text forms, the leading-number rule, whole-token parsing and the
// checked conversions to Integer.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "common/number_text.h"
#include "common/value_types.h"

namespace common {
namespace {

struct SingleCase {
  float value;
  const char* display;
  const char* shortForm;
};

TEST(NumberText, SingleForms) {
  const SingleCase cases[] = {
      {0.0f, "0", " 0"},
      {0.5f, "0.5", " .5"},
      {-0.5f, "-0.5", "-.5"},
      {2.0f, "2", " 2"},
      {1.5f, "1.5", " 1.5"},
      {-2.5f, "-2.5", "-2.5"},
      {3.1415926f, "3.141593", " 3.141593"},
      {12345678.0f, "1.234568E+07", " 1.234568E+07"},
      {9999999.0f, "9999999", " 9999999"},
      {6.123234E-17f, "6.123234E-17", " 6.123234E-17"},
      {0.0001f, "0.0001", " .0001"},
      {0.00005f, "5E-05", " 5E-05"},
      {-1.0e20f, "-1E+20", "-1E+20"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.display);
    EXPECT_EQ(DisplayText(c.value), c.display);
    EXPECT_EQ(ShortText(c.value), c.shortForm);
    EXPECT_EQ(PrintText(c.value), std::string(c.shortForm) + " ");
  }
}

TEST(NumberText, DoubleFormsKeepFifteenDigits) {
  const std::pair<double, const char*> cases[] = {
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.333333333333333"},
      {123456789012345.0, "123456789012345"},
      {1234567890123456.0, "1.23456789012346E+15"},
      {-2.5, "-2.5"},
      {6.123234E-17, "6.123234E-17"},
      {0.00005, "5E-05"},
  };
  for (const auto& [value, text] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(DisplayText(value), text);
  }
  EXPECT_EQ(ShortText(1.0 / 3.0), " .333333333333333");
  EXPECT_EQ(PrintText(-0.25), "-.25 ");
}

TEST(NumberText, IntegerForms) {
  const std::tuple<long, const char*, const char*, const char*> cases[] = {
      {0, "0", " 0", " 0 "},
      {7, "7", " 7", " 7 "},
      {-32768, "-32768", "-32768", "-32768 "},
      {2147483647, "2147483647", " 2147483647", " 2147483647 "},
  };
  for (const auto& [value, display, shortForm, print] : cases) {
    SCOPED_TRACE(display);
    EXPECT_EQ(DisplayTextInt(value), display);
    EXPECT_EQ(ShortTextInt(value), shortForm);
    EXPECT_EQ(PrintTextInt(value), print);
  }
}

TEST(NumberText, LeadingNumberRule) {
  const std::pair<std::string, double> cases[] = {
      {" 12ab", 12},
      {"1,500", 1},
      {"1 500", 1500},  // blanks are dropped wherever they stand
      {"- 5", -5},
      {"", 0},
      {"   ", 0},
      {"abc", 0},
      {"1.234568E+07", 12345680},
      {"1D3", 1000},
      {"1d-2", 0.01},
      {"1e", 1},
      {"1E+", 1},
      {"-.5", -0.5},
      {".5", 0.5},
      {"+5", 5},
      {".", 0},
      {"1.2.3", 1.2},
      {"\t7x", 7},
      {"1E-400", 0},
      {"1E400", DBL_MAX},
      {"-1E400", -DBL_MAX},
      {"1" + std::string(400, '0'), DBL_MAX},
      {"0." + std::string(400, '0') + "1", 0},
      {"1" + std::string(400, '0') + "E-390", 1e10},
      {"1" + std::string(400, '0') + "E-5", DBL_MAX},
      {"0." + std::string(400, '0') + "1E+500", 1e99},
      {"1E99999999999999999999", DBL_MAX},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE("\"" + text.substr(0, 40) + "\"");
    double v = LeadingNumber(text);
    EXPECT_TRUE(std::isfinite(v));
    EXPECT_DOUBLE_EQ(v, expected);
  }
}

TEST(NumberText, ParseNumberTakesOnlyAWholeToken) {
  const std::pair<const char*, double> good[] = {
      {".5", 0.5}, {"0.5", 0.5}, {"-3", -3}, {"+5", 5}, {"1.234568E+07", 12345680}, {"1D3", 1000}, {"1E-400", 0},
  };
  for (const auto& [text, expected] : good) {
    SCOPED_TRACE(text);
    double v = -99;
    ASSERT_TRUE(ParseNumber(text, v));
    EXPECT_DOUBLE_EQ(v, expected);
  }
  for (const char* text : {"", " 5", "5 ", "12ab", "1,5", "1e", ".", "-", "1.2.3", "1E400", "NaN", "inf"}) {
    SCOPED_TRACE(text);
    double v = -99;
    EXPECT_FALSE(ParseNumber(text, v));
    EXPECT_EQ(v, -99);  // untouched on failure
  }
}

TEST(ValueTypes, ToIntegerRoundsHalfToEvenAndChecksRange) {
  const std::pair<double, std::optional<Integer>> cases[] = {
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {-0.5, 0},
      {-1.5, -2},
      {32767.4, 32767},
      {32767.5, std::nullopt},
      {-32768, -32768},
      {-32768.6, std::nullopt},
      {40000, std::nullopt},
      {std::nan(""), std::nullopt},
      {INFINITY, std::nullopt},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(ToInteger(value), expected);
  }
  EXPECT_EQ(ToLong(2147483647.0), 2147483647);
  EXPECT_EQ(ToLong(2147483647.5), std::nullopt);
  EXPECT_EQ(ToSingle(1e39), std::nullopt);
  EXPECT_EQ(ToSingle(-1e39), std::nullopt);
  EXPECT_EQ(ToSingle(std::nan("")), std::nullopt);
  EXPECT_EQ(ToSingle(0.1), 0.1f);
}

}  // namespace
}  // namespace common
