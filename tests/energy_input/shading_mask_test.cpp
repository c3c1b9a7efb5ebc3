#include "energy_input/shading_mask.h"
#include "common/number_text.h"
#include "common/paths.h"

#include <gtest/gtest.h>

#include <cmath>

#include "energy_fixture.h"
#include "energy_input/frm_sh_mask.h"
#include "energy_input/shading_mask_file.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using energy_input::GenerateShadingMask;
using energy_input::ShadingMask;
using energy_input::WindowShading;

constexpr double kPi = 3.14159265358979323846;
constexpr int S = 5, N = 1, SE = 4;

double Rad(double deg) { return deg * kPi / 180.0; }

ShadingMask Generate(int orientation, const WindowShading& s) {
  ShadingMask mask{};
  EXPECT_EQ(GenerateShadingMask(orientation, s, mask), "");
  return mask;
}

// Which columns see the sun at all: those with a value above zero at the
// lowest altitude.
std::vector<int> LitColumns(const ShadingMask& m) {
  std::vector<int> lit;
  for (int i = 0; i < 36; ++i)
    if (m[i][0] > 0) lit.push_back(i);
  return lit;
}

std::vector<int> Range(int from, int to) {
  std::vector<int> r;
  for (int i = from; i <= to; ++i) r.push_back(i);
  return r;
}

TEST(ShadingMask, WindowsWithoutDevicesSeeTheSunOnTheirSideOnly) {
  WindowShading bare{2, 1.5f};
  ShadingMask south = Generate(S, bare);
  std::vector<int> southLit = Range(0, 8);
  for (int i : Range(27, 35)) southLit.push_back(i);
  EXPECT_EQ(LitColumns(south), southLit);
  for (int i : southLit)
    for (int j = 0; j < 9; ++j) EXPECT_EQ(south[i][j], 1.0f) << i << "," << j;
  EXPECT_EQ(energy_input::RoundShadingMask(south), 1.0f);  // 162 / 162
  EXPECT_EQ(LitColumns(Generate(N, bare)), Range(9, 26));
}

TEST(ShadingMask, OverhangShadesMoreAsTheSunRises) {
  WindowShading s{1, 2};
  s.OP = 0.5f;
  ShadingMask m = Generate(S, s);
  for (int i : {0, 3, 8, 30, 35}) {
    double r = Rad(10 * i + 5) - (i >= 27 ? 2 * kPi : 0);
    for (int j = 0; j < 9; ++j) {
      double h = 2 - 0.5 * std::tan(Rad(10 * j + 5)) / std::cos(r);
      EXPECT_NEAR(m[i][j], std::max(0.0, h) / 2, 2e-5) << i << "," << j;
    }
  }
  EXPECT_EQ(m[8][8], 0.0f);  // low sun far to the side under a high altitude: all shaded
}

TEST(ShadingMask, LeftFinCutsOffBeyondItsAngle) {
  WindowShading s{1, 1};
  s.LP = 2;  // deeper than 1 % of the total width 1: cut-off arctan(1 / 2) = 26.6°
  ShadingMask m = Generate(S, s);
  const double expected[] = {1 - 2 * std::tan(Rad(5)), 1 - 2 * std::tan(Rad(15)), 1 - 2 * std::tan(Rad(25))};
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(m[i][4], expected[i], 2e-6) << i;
  for (int i = 3; i <= 8; ++i) EXPECT_EQ(m[i][4], 0.0f) << i;    // r >= cut-off: width W + DL - Wt = 0
  for (int i = 27; i <= 35; ++i) EXPECT_EQ(m[i][4], 1.0f) << i;  // the sun on the right: the left fin is no matter

  s.LP = 0.005f;  // no deeper than 1 %: the cut-off stays at 90°, the shadow LP tan r
  m = Generate(S, s);
  EXPECT_NEAR(m[8][0], 1 - 0.005 * std::tan(Rad(85)), 2e-6);
}

TEST(ShadingMask, RightFinShadesTheSunFromTheRight) {
  WindowShading s{1, 1};
  s.RP = 0.5f;
  s.DR = 0.1f;
  ShadingMask m = Generate(S, s);
  // Azimuth 355°: 5° to the right; the shadow 0.5 tan 5° = 0.044 falls short of the fin's offset.
  EXPECT_EQ(m[35][0], 1.0f);
  EXPECT_NEAR(m[33][0], 1 + 0.1 - 0.5 * std::tan(Rad(25)), 2e-6);
  EXPECT_EQ(m[0][0], 1.0f);
}

TEST(ShadingMask, DiagonalOrientationsStayWithinBounds) {
  WindowShading s{1.5f, 2, 0.6f, 0.1f, 0.3f, 0.05f, 0.3f, 0.05f};
  for (int k : {2, SE, 6, 8}) {
    SCOPED_TRACE(k);
    ShadingMask m = Generate(k, s);
    size_t lit = LitColumns(Generate(k, WindowShading{1, 1})).size();
    EXPECT_GE(lit, 17u);
    EXPECT_LE(lit, 19u);
    for (const auto& column : m)
      for (float v : column) {
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_GE(v, 0.0f);
        EXPECT_LE(v, 1.0f);
      }
  }
}

// A negative total width with a fin of no projection would divide by zero
// for the fin's cut-off angle; it keeps 90° instead.
TEST(ShadingMask, NegativeTotalWidthWithoutFinGivesFiniteValues) {
  WindowShading s{1, 1};
  s.DL = -3;
  ShadingMask m = Generate(S, s);
  for (const auto& column : m)
    for (float v : column) EXPECT_TRUE(std::isfinite(v));
}

TEST(ShadingMask, RefusalsLeaveTheMaskAsItWas) {
  ShadingMask m{};
  m[3][3] = 0.5f;
  const ShadingMask before = m;
  EXPECT_EQ(GenerateShadingMask(0, WindowShading{1, 1}, m), "Window orientation not yet set !");
  EXPECT_EQ(GenerateShadingMask(S, WindowShading{0, 1}, m), "Window area <= 0!");
  EXPECT_EQ(GenerateShadingMask(S, WindowShading{-1, 1}, m), "Window area <= 0!");
  EXPECT_EQ(GenerateShadingMask(S, WindowShading{3e20f, 3e20f}, m), "Window or shading device dimensions out of range!")
      << "an area beyond the Single range";
  EXPECT_EQ(m, before);
}

TEST(ShadingMask, RoundingToFourPlaces) {
  EXPECT_EQ(energy_input::RoundTo4(0.12344f), 0.1234f);
  EXPECT_EQ(energy_input::RoundTo4(2.0f / 3.0f), 0.6667f);
  EXPECT_EQ(energy_input::RoundTo4(0.00004f), 0.0f);
  EXPECT_EQ(energy_input::RoundTo4(1.0f), 1.0f);
  // The mean is taken of the values before rounding; a second rounding sums
  // the rounded values.
  ShadingMask m{};
  for (auto& column : m)
    for (float& v : column) v = 0.00004f;
  EXPECT_EQ(energy_input::RoundShadingMask(m), 0.0001f);
  EXPECT_EQ(m[0][0], 0.0f);
  EXPECT_EQ(energy_input::RoundShadingMask(m), 0.0f);
}

// ---- the window and its file ----

class ShadingMaskWindow : public testing::Test {
 protected:
  ShadingMaskWindow() {
    prog.building.ProjDir = folder.Path() + "proj/";
    folder.Write("proj/OFFICE.PRJ", "");
    w.Show();
  }
  void Type(int orientation, float width, float height, float overhang) {
    w.cboOri.SetListIndex(orientation);
    w.txtWW.SetText(common::DisplayText(width));
    w.txtWH.SetText(common::DisplayText(height));
    w.txtOP.SetText(common::DisplayText(overhang));
  }
  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  common::Program prog;
  energy_input::frmShMask w{prog, platform};
};

TEST_F(ShadingMaskWindow, OpensEmpty) {
  EXPECT_EQ(w.Caption(), "Shading Mask Calculation");
  ASSERT_EQ(w.cboOri.ListCount(), 9);
  EXPECT_EQ(w.cboOri.List(8), "NW");
  EXPECT_EQ(w.cboOri.ListIndex(), -1);
  EXPECT_EQ(w.txtDR.Text(), "0");
  EXPECT_EQ(w.lblCurDir.Caption(), folder.Path() + "proj/");  // where masks are saved
}

TEST_F(ShadingMaskWindow, EastWindowLandsInTheProjectFolder) {
  Type(3, 1.5f, 2.2f, 0.3f);
  w.txtDT.SetText("0.1");
  w.txtLP.SetText("0.6");
  w.txtShMaskFNam.SetText("EastWin");
  w.cmdGO.Click();
  EXPECT_EQ(w.lblCurDir.Caption(), "Shading mask generated and saved.");
  auto lines = energytest::Lines(folder.Read("proj/EastWin.SHM"));
  ASSERT_EQ(lines.size(), 49u);
  EXPECT_EQ(lines[37], "");
  EXPECT_EQ(lines[38], "The above shading mask is for:");
  auto label = [](std::string text) {
    text.resize(37, ' ');
    return text;
  };
  EXPECT_EQ(lines[39], label("Window orientation") + "E ");
  EXPECT_EQ(lines[40], label("Window Width (m)") + " 1.5 ");
  EXPECT_EQ(lines[41], label("Window Height (m)") + " 2.2 ");
  EXPECT_EQ(lines[43], label("Overhang above window top (m)") + " .1 ");
  EXPECT_EQ(lines[44], label("Left Sidefin Projection (m)") + " .6 ");
  EXPECT_EQ(lines[45], label("Left Sidefin from LHS of window (m)") + " 0 ");
  EXPECT_EQ(lines[47], label("Right Sidefin from RHS of window (m)") + " 0 ");
  EXPECT_EQ(lines[48], label("Filename for this set of data") + "EastWin.SHM ");

  ShadingMask read{};
  float mean = -1;
  std::string error;
  ASSERT_TRUE(energy_input::ReadShadingMaskFile(folder.Path() + "proj/EastWin.SHM", read, mean, error)) << error;
  EXPECT_EQ(read, w.Mask());
  EXPECT_GT(mean, 0.0f);
  EXPECT_EQ(read[27][0], energy_input::RoundTo4(read[27][0]));
  // East: the sun from 180° to 360° reaches the window, not from the west.
  EXPECT_EQ(read[9][0], 0.0f);
  EXPECT_GT(read[27][0], 0.0f);
}

// The current folder is never written to, whatever it holds; with no
// project open there is no folder to save into.
TEST_F(ShadingMaskWindow, AFileOfThatNameInTheCurrentFolderIsLeftAlone) {
  folder.Write("EastWin.SHM", "old");
  Type(3, 1, 1, 0);
  w.txtShMaskFNam.SetText("EastWin");
  w.cmdGO.Click();
  EXPECT_EQ(folder.Read("EastWin.SHM"), "old");
  EXPECT_EQ(energytest::Lines(folder.Read("proj/EastWin.SHM")).size(), 49u);

  prog.building.ProjDir.clear();
  platform.ExpectMessage("The shading mask was not saved: no project is open to hold it.");
  w.txtShMaskFNam.SetText("Other");
  w.cmdGO.Click();
  EXPECT_FALSE(common::FileExists(folder.Path() + "Other.SHM"));
}

// A failed Generate saves nothing: the file and the stored dimensions stay
// those of the last mask generated.
TEST_F(ShadingMaskWindow, AFailedGenerateSavesNothing) {
  w.txtShMaskFNam.SetText("");
  platform.ExpectMessage("Window orientation not yet set !");
  w.cmdGO.Click();
  EXPECT_EQ(w.lblCurDir.Caption(), "Shading mask generation in progress ...");

  Type(5, 1.2f, 2, 0);
  w.txtShMaskFNam.SetText("South");
  w.cmdGO.Click();
  EXPECT_EQ(w.lblCurDir.Caption(), "Shading mask generated and saved.");
  const std::string saved = folder.Read("proj/South.SHM");
  const ShadingMask mask = w.Mask();

  struct Case {
    const char* what;
    int orientation;
    const char* width;
    const char* message;
  };
  const Case cases[] = {{"no area", 5, "0", "Window area <= 0!"},
                        {"negative area", 5, "-1", "Window area <= 0!"},
                        {"no orientation", 0, "3", "Window orientation not yet set !"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    w.cboOri.SetListIndex(c.orientation);
    w.txtWW.SetText(c.width);
    w.txtWH.SetText("2.5");
    platform.ExpectMessage(c.message);
    w.cmdGO.Click();
    EXPECT_EQ(folder.Read("proj/South.SHM"), saved);
    EXPECT_EQ(w.Dimensions().W, 1.2f);
    EXPECT_EQ(w.Dimensions().H, 2.0f);
    EXPECT_EQ(w.Mask(), mask);
    EXPECT_NE(w.lblCurDir.Caption(), "Shading mask generated and saved.");
  }
  w.txtShMaskFNam.SetText("Zero");
  w.txtWW.SetText("0");
  w.cboOri.SetListIndex(5);
  platform.ExpectMessage("Window area <= 0!");
  w.cmdGO.Click();
  EXPECT_FALSE(common::FileExists(folder.Path() + "proj/Zero.SHM"));

  w.txtShMaskFNam.SetText("../elsewhere");
  platform.ExpectMessage("Type the name of the shading mask without a folder.");
  w.mnuASave.Click();
  EXPECT_TRUE(platform.ScriptDone());
}

TEST(ShadingMaskFile, ShortFilesAreRefused) {
  testsupport::TempFolder folder;
  std::string text;
  for (int i = 0; i < 36; ++i) text += "1,1,1,1,1,1,1,1,1\r\n";
  folder.Write("NOMEAN.SHM", text);
  folder.Write("BAD.SHM", "1,1,x\r\n");
  for (const char* name : {"NOMEAN.SHM", "BAD.SHM", "MISSING.SHM"}) {
    ShadingMask mask{};
    float mean = 7;
    std::string error;
    EXPECT_FALSE(energy_input::ReadShadingMaskFile(folder.Path() + name, mask, mean, error)) << name;
    EXPECT_EQ(mean, 7.0f);
    EXPECT_EQ(mask, ShadingMask{});
  }
}

}  // namespace
