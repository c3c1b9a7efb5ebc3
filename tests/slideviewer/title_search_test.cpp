// Finding slides by words of their titles.
#include "slideviewer/title_search.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using slideviewer::PrepareTitle;
using slideviewer::TitleMatches;

TEST(TitleSearch, PreparedTitleLosesItsLeadingWord) {
  const std::pair<std::string, std::string> cases[] = {
      {"12 Life Cycle Stages", "life cycle stages"},
      {"3  Two Blanks", " two blanks"},
      {" Leading blank", "leading blank"},
      {"NoBlank", ""},
      {"A", ""},
      {"", ""},
      {"7 ", ""},
      {"ABC xyz-\xC3\x84", "xyz-\xC3\x84"},  // only A..Z are lowered
  };
  for (const auto& [title, prepared] : cases) EXPECT_EQ(PrepareTitle(title), prepared) << title;
}

TEST(TitleSearch, MatchComparesTheStoredLengthExactly) {
  struct Case {
    const char* prepared;
    const char* text;
    int len;
    bool match;
  };
  const Case cases[] = {
      {"life cycle stages", "cycle", 5, true},
      {"life cycle stages", "life c", 6, true},
      {"life cycle stages", "stages", 6, true},
      {"life cycle stages", "stages!", 7, false},
      {"life cycle stages", "12", 2, false},
      {"life cycle stages", "", 0, true},
      {"life cycle stages", "", 5, false},  // an empty Find after a longer one
      {"abc", "abcd", 4, false},
      {"", "", 0, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TitleMatches(c.prepared, c.text, c.len), c.match) << c.prepared << " / " << c.text;
}

}  // namespace
