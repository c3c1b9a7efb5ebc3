// The data-file form: exact bytes written, round trips of every item kind,
// line ends, and every way a read can fail.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/data_file.h"

namespace common {
namespace {

TEST(DataWriter, WritesExactBytes) {
  DataWriter w;
  w.Str("a").Int(1).Sng(0.5f).EndLine();
  w.EndLine();
  w.Dbl(-2.5).Bool(true).Bool(false).Str("").EndLine();
  w.Int(3).Line("raw line");
  EXPECT_EQ(w.Text(), "\"a\",1,0.5\r\n\r\n-2.5,#TRUE#,#FALSE#,\"\"\r\n3\r\nraw line\r\n");
}

TEST(DataFile, EveryItemKindRoundTrips) {
  DataWriter w;
  w.Str("Wall, external").Str("").Int(-32768).Int(2147483647).EndLine();
  w.Sng(3.141593f).Sng(1.234568e7f).Sng(-0.5f).Dbl(0.123456789012345).Dbl(1e-300).EndLine();
  w.Bool(true).Bool(false).EndLine();

  DataReader r(w.Text());
  std::string s1, s2;
  Integer i = 0;
  Long l = 0;
  Single f1 = 0, f2 = 0, f3 = 0;
  double d1 = 0, d2 = 0;
  bool b1 = false, b2 = true;
  ASSERT_TRUE(r.Read(s1) && r.Read(s2) && r.Read(i) && r.Read(l)) << r.Error();
  ASSERT_TRUE(r.Read(f1) && r.Read(f2) && r.Read(f3) && r.Read(d1) && r.Read(d2)) << r.Error();
  ASSERT_TRUE(r.ReadBool(b1) && r.ReadBool(b2)) << r.Error();
  EXPECT_EQ(s1, "Wall, external");
  EXPECT_EQ(s2, "");
  EXPECT_EQ(i, -32768);
  EXPECT_EQ(l, 2147483647);
  EXPECT_EQ(f1, 3.141593f);
  EXPECT_EQ(f2, 1.234568e7f);
  EXPECT_EQ(f3, -0.5f);
  EXPECT_EQ(d1, 0.123456789012345);
  EXPECT_EQ(d2, 1e-300);
  EXPECT_TRUE(b1);
  EXPECT_FALSE(b2);
  EXPECT_TRUE(r.AtEnd());
  EXPECT_TRUE(r.Ok());
}

// A Single text is read as the nearest Single as long as that is finite,
// so the shortest text of each extreme the writers give reads back as it.
TEST(DataFile, TheWholeSingleRangeRoundTrips) {
  constexpr float kMax = std::numeric_limits<float>::max();
  const struct Case {
    float value;
    const char* written;   // by SngExact
    const char* alsoRead;  // another text that reads as `value`
  } cases[] = {
      {kMax, "3.4028235E+38", "3.40282356779733E+38"},
      {-kMax, "-3.4028235E+38", "-340282350000000000000000000000000000000"},
      {std::numeric_limits<float>::min(), "1.1754944E-38", "1.17549435E-38"},
      {-std::numeric_limits<float>::denorm_min(), "-1.401298E-45", "-1E-45"},
      {-0.0f, "0", "-0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written);
    DataWriter w;
    w.SngExact(c.value).Sng(c.value).EndLine();
    EXPECT_EQ(w.Text().substr(0, w.Text().find(',')), c.written);
    DataReader r(w.Text() + c.alsoRead + "\r\n");
    Single exact = 1, shown = 1, also = 1;
    ASSERT_TRUE(r.Read(exact) && r.Read(shown) && r.Read(also)) << r.Error();
    EXPECT_EQ(exact, c.value);
    EXPECT_EQ(also, c.value);
    EXPECT_LE(std::fabs(shown - c.value), std::fabs(c.value) * 1e-6f);
  }
}

TEST(DataFile, DoubleQuotesInTextAreWrittenDoubledAndReadBackAsOne) {
  struct Case {
    const char* text;
    const char* written;
  } cases[] = {
      {"12\" brick, \"red\"", "\"12\"\" brick, \"\"red\"\"\""},
      {"\"", "\"\"\"\""},
      {"\"\"", "\"\"\"\"\"\""},
      {"plain, text", "\"plain, text\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    DataWriter w;
    w.Str(c.text).Int(7).EndLine();
    EXPECT_EQ(w.Text(), std::string(c.written) + ",7\r\n");
    DataReader r(w.Text());
    std::string s;
    Integer i = 0;
    ASSERT_TRUE(r.Read(s) && r.Read(i)) << r.Error();
    EXPECT_EQ(s, c.text);
    EXPECT_EQ(i, 7);
    EXPECT_TRUE(r.AtEnd());
  }
  EXPECT_TRUE(IsDataText("a \"quoted\" name"));
  EXPECT_FALSE(IsDataText("two\nlines"));
  EXPECT_FALSE(IsDataText("two\rlines"));
}

TEST(DataReader, ItemsRunOverLinesWithAnyLineEnd) {
  for (const char* eol : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(testing::PrintToString(eol));
    std::string text = std::string("\"x\", .5 ,0.5") + eol + "-3" + eol + "1.234568E+07,1D3" + eol;
    DataReader r(text);
    std::string s;
    double a = 0, b = 0, e = 0, g = 0;
    Integer c = 0;
    ASSERT_TRUE(r.Read(s) && r.Read(a) && r.Read(b) && r.Read(c) && r.Read(e) && r.Read(g)) << r.Error();
    EXPECT_EQ(s, "x");
    EXPECT_EQ(a, 0.5);
    EXPECT_EQ(b, 0.5);
    EXPECT_EQ(c, -3);
    EXPECT_EQ(e, 12345680);
    EXPECT_EQ(g, 1000);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(r.LineNumber(), 4);
  }
}

// Four million items on one line of 12 MB are read in one pass: searching
// the rest of the line again for each item, as a reader that looks for the
// line end before each text item does, would examine some 12 TB and run
// for hours, far past ctest's timeout.
TEST(DataReader, AOneLineFileOfFourMillionItemsIsReadInOnePass) {
  const int pairs = 2'000'000;
  std::string text;
  text.reserve(6 * pairs);
  for (int n = 0; n < pairs; ++n) text += "\"a\",1,";
  text.back() = '\n';
  DataReader r(std::move(text));
  std::string s;
  Integer i = 0;
  int read = 0;
  while (read < pairs && r.Read(s) && r.Read(i) && s == "a" && i == 1) ++read;
  EXPECT_EQ(read, pairs) << r.Error();
  EXPECT_TRUE(r.AtEnd());
}

TEST(DataReader, ReadLineTakesTheLineAsItStands) {
  DataReader r("first, \"line\"\r\nsecond\n");
  std::string a, b, c;
  ASSERT_TRUE(r.ReadLine(a) && r.ReadLine(b));
  EXPECT_EQ(a, "first, \"line\"");
  EXPECT_EQ(b, "second");
  EXPECT_FALSE(r.ReadLine(c));
}

enum class Want { Text, Int, Sng, Dbl };

struct FailCase {
  const char* name;
  const char* text;
  int goodItems;  // items read as `want` before the failing one
  Want want;
  const char* errorPart;
  int line;
};

TEST(DataReader, FailuresAreStickyAndNameTheLine) {
  const FailCase cases[] = {
      {"end of file", "1\r\n", 1, Want::Int, "end of file", 2},
      {"truncated record", "1,2", 2, Want::Int, "end of file", 2},
      {"Ctrl-Z after the last item", "1,\"a\"\x1a", 2, Want::Text, "end of file", 2},
      {"unterminated quote", "\"ok\"\r\n\"abc,1\r\n", 1, Want::Text, "unterminated", 2},
      {"junk after quote", "\"a\"b,1\r\n", 0, Want::Text, "after a text", 1},
      {"quoted number", "1\r\n\"2\"\r\n", 1, Want::Int, "text was found", 2},
      {"not a number", "1\r\nabc\r\n", 1, Want::Dbl, "\"abc\" is not a number", 2},
      {"partial number", "12ab\r\n", 0, Want::Dbl, "not a number", 1},
      {"Integer out of range", "1\r\n40000\r\n", 1, Want::Int, "out of range", 2},
      {"Integer out of range mid line", "1,40000,2\r\n", 1, Want::Int, "out of range", 1},
      {"Single out of range", "1E39\r\n", 0, Want::Sng, "out of range", 1},
      // Halfway between the largest Single and the next power of two: the
      // tie rounds to infinity.
      {"Single at the overflow midpoint", "3.4028235677973366E+38\r\n", 0, Want::Sng, "out of range", 1},
      {"Single below minus the midpoint", "-3.4028236E+38\r\n", 0, Want::Sng, "out of range", 1},
      {"empty number item", "1,,2\r\n", 1, Want::Int, "missing", 1},
      {"number too large", "1E400\r\n", 0, Want::Dbl, "not a number", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DataReader r(c.text);
    auto read = [&]() {
      std::string s;
      Integer i;
      Single f;
      double d;
      switch (c.want) {
        case Want::Text:
          return r.Read(s);
        case Want::Int:
          return r.Read(i);
        case Want::Sng:
          return r.Read(f);
        case Want::Dbl:
          return r.Read(d);
      }
      return false;
    };
    for (int k = 0; k < c.goodItems; ++k) ASSERT_TRUE(read()) << r.Error();
    EXPECT_FALSE(read());
    EXPECT_FALSE(r.Ok());
    EXPECT_NE(r.Error().find(c.errorPart), std::string::npos) << r.Error();
    EXPECT_NE(r.Error().find("(line " + std::to_string(c.line) + ")"), std::string::npos) << r.Error();
    // Sticky: the next read fails too and the first reason stays.
    std::string first = r.Error();
    std::string s;
    EXPECT_FALSE(r.Read(s));
    EXPECT_FALSE(r.ReadLine(s));
    EXPECT_EQ(r.Error(), first);
  }
}

// After the first item: does its line end there, and does the file? The
// reason names the line where the extra text stands, whatever the line ends.
TEST(DataReader, EndOfLineAndEndOfFileNameTheLine) {
  const struct Case {
    const char* text;
    const char* lineReason;  // of EndOfLine; "" when it passes
    const char* fileReason;  // of EndOfFile after a passing EndOfLine
  } cases[] = {
      {"1\r\n", "", ""},
      {"1 \t\r\n\r\n \t\r\n\x1a", "", ""},
      {"1\x1a", "", ""},
      {"1", "", ""},
      {"1,5\r\n", "text is left on the line after its items (line 1)", ""},
      {"1,\r\n", "text is left on the line after its items (line 1)", ""},
      {"1\r\n\r\n2\r\n", "", "the file goes on after its record (line 3)"},
      {"1\n\n 2", "", "the file goes on after its record (line 3)"},
      {"1\r\r\r\n\"x\"", "", "the file goes on after its record (line 4)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
    DataReader r(c.text);
    Integer first = 0;
    ASSERT_TRUE(r.Read(first)) << r.Error();
    EXPECT_EQ(r.EndOfLine(), *c.lineReason == 0);
    if (*c.lineReason == 0) {
      EXPECT_EQ(r.EndOfFile(), *c.fileReason == 0);
    }
    EXPECT_EQ(r.Error(), *c.lineReason ? c.lineReason : c.fileReason);
  }
}

TEST(DataReader, FailedReadLeavesTheTargetAsItWas) {
  DataReader r("40000,abc\r\n");
  Integer i = 7;
  EXPECT_FALSE(r.Read(i));
  EXPECT_EQ(i, 7);
}

TEST(DataReader, CallerFailureNamesTheLineOfTheLastItem) {
  DataReader r("1\r\n99\r\n");
  Integer a, count;
  ASSERT_TRUE(r.Read(a) && r.Read(count));
  r.Fail("count beyond its array");
  EXPECT_EQ(r.Error(), "count beyond its array (line 2)");
}

}  // namespace
}  // namespace common
