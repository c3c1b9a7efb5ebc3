#include "simulation/energy_use_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {

using simulation::EnergyUseResults;

size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

std::string Join(const std::vector<std::string>& lines) {
  std::string t;
  for (const auto& l : lines) t += l + "\r\n";
  return t;
}

std::string SavedEnergyUseFile(const EnergyUseResults& r) {
  return testsupport::SavedText(
      [&](const std::string& path, std::string& error) { return simulation::WriteEnergyUseFile(path, r, error); });
}

TEST(EnergyUseFile, ProjectWithoutSystemsHasSeventeenLines) {
  EnergyUseResults r;
  r.ACEgy = {8, 1, 2, 1, 1, 1, 1, 1};
  r.ZnElecEgy = {3, 1, 2};
  r.egy[0][0] = 55;  // a typed total of a list without systems is not stored
  std::string text = SavedEnergyUseFile(r);
  EXPECT_EQ(text, Join({"8", "1", "2", "1", "1", "1", "1", "1", "3", "1", "2", "0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(Lines(text), 17u);
}

// Save then load restores every stored value to seven digits and every
// total as the sum of its loaded values; a list without systems keeps
// the total held in memory.
TEST(EnergyUseFile, RoundTrip) {
  EnergyUseResults saved;
  saved.ACEgy = {1.23456789e6f, 2, 3, 4, 5, 6, 7, 8};
  saved.ZnElecEgy = {0.1f, 2.5e-7f, 3};
  saved.count = {2, 0, 1, 0, 10, 3};
  saved.egy[0] = {999, 1.5f, 2.25f};
  saved.egy[1] = {42};
  saved.egy[2] = {0, 7};
  saved.egy[3] = {13, 1};
  for (int i = 1; i <= 10; ++i) saved.egy[4][static_cast<size_t>(i)] = static_cast<float>(i);
  saved.egy[5] = {0, 1e8f, 2, 3};
  std::string text = SavedEnergyUseFile(saved);
  EXPECT_EQ(Lines(text), 11u + 6 + 2 + 1 + 10 + 3);

  EnergyUseResults loaded = saved;
  loaded.egy[1][0] = 17;  // the memory's total of the list without systems
  std::string why;
  ASSERT_TRUE(simulation::ParseEnergyUseFile(text, loaded, why)) << why;
  EXPECT_EQ(loaded.ACEgy[0], 1234568.0f);
  EXPECT_EQ(loaded.ZnElecEgy[1], 2.5e-7f);
  EXPECT_EQ(loaded.count, saved.count);
  EXPECT_EQ(loaded.egy[0][0], 3.75f);
  EXPECT_EQ(loaded.egy[1][0], 17.0f);
  EXPECT_EQ(loaded.egy[3][0], 13.0f);
  EXPECT_EQ(loaded.egy[4][0], 55.0f);
  EXPECT_EQ(loaded.egy[5][0], 1e8f);  // summed in single precision
  EXPECT_EQ(loaded.egy[5][1], 1e8f);
}

struct BadFile {
  const char* name;
  std::string text;
  const char* why;
};

void PrintTo(const BadFile& file, std::ostream* os) { *os << file.name; }

class BadEnergyUseFileTest : public testing::TestWithParam<BadFile> {};

TEST_P(BadEnergyUseFileTest, LeavesEverythingAsItWas) {
  EnergyUseResults r;
  r.ACEgy[0] = 5;
  r.count[0] = 2;
  r.egy[0] = {8, 4, 4};
  EnergyUseResults before = r;
  std::string why;
  EXPECT_FALSE(simulation::ParseEnergyUseFile(GetParam().text, r, why));
  EXPECT_NE(why.find(GetParam().why), std::string::npos) << why;
  EXPECT_EQ(r, before);
}

const std::string kHead = Join({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"});

INSTANTIATE_TEST_SUITE_P(
    Files, BadEnergyUseFileTest,
    testing::Values(BadFile{"Empty", "", "line 1"},
                    BadFile{"Truncated", kHead + Join({"2", "1"}), "end of file (line 14)"},
                    BadFile{"NotANumber", kHead + Join({"2", "abc", "0", "0", "0", "0", "0"}), "line 13"},
                    BadFile{"CountAboveTen", kHead + Join({"2", "4", "5", "11"}), "11 additional electricity"},
                    BadFile{"CountOutOfRange", kHead + Join({"70000"}), "line 12"},
                    BadFile{"TotalTooLarge", kHead + Join({"2", "3E+38", "3E+38", "0", "0", "0", "0", "0"}),
                            "too large"}),
    [](const auto& info) { return std::string(info.param.name); });

// The file holds energies only: its counts must be those of the project's
// lists, within 0 to 10, or the file belongs to other systems and is
// refused whole.
TEST(EnergyUseFile, CountsMustBeTheRecordsCounts) {
  struct Case {
    common::Integer recordCount;
    const char* fileCount;
    std::vector<std::string> values;
    const char* why;  // empty: read
  } cases[] = {
      {1, "3", {"7", "8", "9"}, "3 systems using town gas where the project has 1"},
      {1, "0", {}, "0 systems using town gas where the project has 1"},
      {0, "1", {"7"}, "1 systems using town gas where the project has 0"},
      {-3, "-3", {}, "a count of -3 systems using town gas lies outside 0 to 10"},
      {11, "11", {}, "a count of 11 systems using town gas lies outside 0 to 10"},
      {2, "2", {"7", "8"}, ""},
      {0, "0", {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.recordCount << " / " << c.fileCount);
    EnergyUseResults r;
    r.count[5] = c.recordCount;
    r.egy[5] = {5, 2, 3};
    EnergyUseResults before = r;
    std::vector<std::string> lines{"0", "0", "0", "0", "0", "0", "0", "0",        "0",
                                   "0", "0", "0", "0", "0", "0", "0", c.fileCount};
    lines.insert(lines.end(), c.values.begin(), c.values.end());
    std::string why;
    bool read = simulation::ParseEnergyUseFile(Join(lines), r, why);
    if (std::string(c.why).empty()) {
      ASSERT_TRUE(read) << why;
      EXPECT_EQ(r.count[5], c.recordCount);
      EXPECT_EQ(r.egy[5][0], c.recordCount > 0 ? 15.0f : 5.0f);  // no systems: the total stays
    } else {
      EXPECT_FALSE(read);
      EXPECT_NE(why.find(c.why), std::string::npos) << why;
      EXPECT_EQ(r, before);
    }
  }
}

TEST(RunLogFile, OneLinePerEntry) {
  EXPECT_EQ(simulation::FormatRunLog({"Started", "", "  done, 3 \"x\""}), "Started\r\n\r\n  done, 3 \"x\"\r\n");
  EXPECT_EQ(simulation::FormatRunLog({}), "");
}

}  // namespace
