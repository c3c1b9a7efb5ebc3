#include "building/user_value_file.h"

#include <gtest/gtest.h>

#include "common/paths.h"
#include "composition_fixture.h"

namespace {

using building::FileRead;
using building::UserValueState;

TEST(UserValueFileName, InsertsAnUnderscoreBeforeTheLastFourCharacters) {
  struct Case {
    std::string elmFile;
    std::optional<std::string> name;
  } cases[] = {
      {"WALL.FLE", "WALL_.FLE"}, {"Beam.FLE", "Beam_.FLE"}, {"Slab 150.FLE", "Slab 150_.FLE"},
      {"ABCD", "_ABCD"},         {"ABC", std::nullopt},     {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(building::UserValueFileName(c.elmFile), c.name) << c.elmFile;
}

class UserValues : public buildingtest::Composition {
 protected:
  UserValues() {
    // Defaults of two materials in row 0, the user's choices in row 1.
    for (int m = 1; m <= 2; ++m) {
      mat.ElmMatNo[0][m] = static_cast<common::Integer>(m);
      mat.ElmMatWas[0][m] = 5;
      mat.ElmMatLife[0][m] = 50;
      mat.ElmMatUCost[0][m] = 100;
      mat.ElmMatNo[1][m] = static_cast<common::Integer>(200 + m);
      mat.ElmMatWas[1][m] = 7.5f;
      mat.ElmMatLife[1][m] = 25;
      mat.ElmMatUCost[1][m] = 120.25f;
    }
  }
  common::ElementMaterialValues mat;
};

TEST_F(UserValues, ResetWritesZeroAndApplyWritesTheCount) {
  std::string error;
  ASSERT_TRUE(building::SaveUserValues(mat, "Beam.FLE", 2, false, st.ProjDir, error)) << error;
  const std::string lines = "201,7.5,25,120.25\r\n202,7.5,25,120.25\r\n";
  EXPECT_EQ(ReadProject("Beam_.FLE"), "0\r\n" + lines);
  ASSERT_TRUE(building::SaveUserValues(mat, "Beam.FLE", 2, true, st.ProjDir, error)) << error;
  EXPECT_EQ(ReadProject("Beam_.FLE"), "2\r\n" + lines);
}

// After Reset the user's lines are still shown as the values to be used,
// but they are not in force.
TEST_F(UserValues, ReadingBackTellsWhetherTheValuesAreInForce) {
  std::string error;
  for (bool inForce : {false, true}) {
    SCOPED_TRACE(inForce);
    ASSERT_TRUE(building::SaveUserValues(mat, "Beam.FLE", 2, inForce, st.ProjDir, error));
    common::ElementMaterialValues shown = mat;
    shown.ElmMatNo[1] = {};
    shown.ElmUserValFlag = !inForce;
    EXPECT_EQ(building::LoadUserValues(shown, "Beam.FLE", 2, st.ProjDir),
              inForce ? UserValueState::InForce : UserValueState::Defaults);
    EXPECT_EQ(shown.ElmUserValFlag, inForce);
    EXPECT_EQ(shown.ElmMatNo[1][2], 202);
    EXPECT_EQ(shown.ElmMatUCost[1][1], 120.25f);
  }
}

TEST_F(UserValues, NoMaterialsWriteNothing) {
  std::string error;
  EXPECT_TRUE(building::SaveUserValues(mat, "Beam.FLE", 0, true, st.ProjDir, error));
  EXPECT_FALSE(common::FileExists(InProject("Beam_.FLE")));
  EXPECT_FALSE(building::SaveUserValues(mat, "new", 2, true, st.ProjDir, error));  // no file name yet
  EXPECT_FALSE(building::SaveUserValues(mat, "Beam.FLE", 11, true, st.ProjDir, error));
  EXPECT_FALSE(common::FileExists(InProject("Beam_.FLE")));
}

// A missing, short or broken file gives the defaults as the values to be
// used, and nothing of the broken file is taken.
TEST_F(UserValues, WithoutAGoodFileTheDefaultsAreUsed) {
  struct Case {
    const char* what;
    const char* text;  // nullptr: no file
    UserValueState state;
  } cases[] = {
      {"missing", nullptr, UserValueState::Missing},
      {"shorter than the materials", "2\r\n301,1,2,3\r\n", UserValueState::Failed},
      {"material 511", "2\r\n301,1,2,3\r\n511,1,2,3\r\n", UserValueState::Failed},
      {"material -1", "2\r\n-1,1,2,3\r\n302,1,2,3\r\n", UserValueState::Failed},
      {"count 11", "11\r\n301,1,2,3\r\n302,1,2,3\r\n", UserValueState::Failed},
      {"negative count", "-1\r\n301,1,2,3\r\n302,1,2,3\r\n", UserValueState::Failed},
      {"text for a number", "2\r\n301,1,2,3\r\n302,\"one\",2,3\r\n", UserValueState::Failed},
      {"truncated mid-record", "2\r\n301,1,2,3\r\n302,1", UserValueState::Failed},
      {"empty file", "", UserValueState::Failed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.text) WriteProject("Beam_.FLE", c.text);
    common::ElementMaterialValues shown = mat;
    shown.ElmUserValFlag = true;
    EXPECT_EQ(building::LoadUserValues(shown, "Beam.FLE", 2, st.ProjDir), c.state);
    EXPECT_FALSE(shown.ElmUserValFlag);
    for (int m = 1; m <= 2; ++m) {
      EXPECT_EQ(shown.ElmMatNo[1][m], m);
      EXPECT_EQ(shown.ElmMatWas[1][m], 5);
      EXPECT_EQ(shown.ElmMatLife[1][m], 50);
      EXPECT_EQ(shown.ElmMatUCost[1][m], 100);
    }
  }
  common::ElementMaterialValues shown = mat;
  EXPECT_EQ(building::LoadUserValues(shown, "new", 2, st.ProjDir), UserValueState::Missing);
  EXPECT_EQ(shown.ElmMatNo[1][1], 1);
}

// The calculation reads as many lines as line 1 says (nullopt), the panel
// and library elements as many as the element has materials. Lines beyond
// those asked for stay unused: as many as line 1 says in a file in force, at
// most one per material in a file that Reset wrote; any more are refused.
TEST_F(UserValues, ReadsTheLinesAskedForAndRefusesLinesBeyondTheFile) {
  std::string error;
  ASSERT_TRUE(building::SaveUserValues(mat, "Reset.FLE", 2, false, st.ProjDir, error)) << error;
  ASSERT_TRUE(building::SaveUserValues(mat, "Apply.FLE", 2, true, st.ProjDir, error)) << error;
  const std::string reset = ReadProject("Reset_.FLE"), apply = ReadProject("Apply_.FLE");
  std::string elevenLines = "0\r\n";
  for (int m = 1; m <= 11; ++m) elevenLines += "12,2.5,30,99\r\n";
  const struct Case {
    const char* what;
    std::string text;  // empty: no file
    std::optional<int> lines;
    FileRead status;
    int inForce = 0, count = 0;
    common::Integer matNo1 = 0;
  } cases[] = {
      {"in force", "1\r\n12,2.5,30,99\r\n", std::nullopt, FileRead::Ok, 1, 1, 12},
      {"no lines", "0\r\n", std::nullopt, FileRead::Ok},
      {"more lines asked for than a material count", "0\r\n", 11, FileRead::Failed},
      {"written by Reset, read by the calculation", reset, std::nullopt, FileRead::Ok},
      {"written by Reset, read by the panel", reset, 2, FileRead::Ok, 0, 2, 201},
      {"more lines than asked for", apply, 1, FileRead::Ok, 2, 1, 201},
      {"more lines than line 1 says", "1\r\n12,2.5,30,99\r\n13,2.5,30,99\r\n", std::nullopt, FileRead::Failed},
      {"more lines than materials after Reset", elevenLines, std::nullopt, FileRead::Failed},
      {"missing", "", std::nullopt, FileRead::NotOpened},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string name = c.text.empty() ? "NONE_.FLE" : "G_.FLE";
    if (!c.text.empty()) WriteProject(name, c.text);
    building::UserValueFile file;
    file.MatNo[1] = -1;
    ASSERT_EQ(building::ReadUserValueFile(InProject(name), c.lines, file).status, c.status);
    if (c.status != FileRead::Ok) {
      EXPECT_EQ(file.MatNo[1], -1);
      continue;
    }
    EXPECT_EQ(file.InForce, c.inForce);
    EXPECT_EQ(file.Count, c.count);
    EXPECT_EQ(file.MatNo[1], c.matNo1);
  }
}

}  // namespace
