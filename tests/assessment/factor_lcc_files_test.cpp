#include <gtest/gtest.h>

#include <algorithm>

#include "assessment/factor_checks.h"
#include "assessment/lcc_file.h"
#include "assessment/lcc_values.h"
#include "assessment/weighting_file.h"
#include "support/temp_folder.h"

namespace {

using assessment::LccValues;

std::string Numbers(int count, const char* separator = "\r\n") {
  std::string t;
  for (int i = 1; i <= count; ++i) t += std::to_string(i) + separator;
  return t;
}

TEST(WeightingFile, RoundTripOfFourteenLines) {
  assessment::WeightingValues v;
  for (size_t i = 0; i <= 10; ++i) v.wgtFtr[i] = 0.1f * static_cast<float>(i) + 0.0475f;
  v.costPara = {5.06f, 3, -2};
  std::string text = testsupport::SavedText(
      [&](const std::string& path, std::string& error) { return assessment::WriteWeightingFile(path, v, error); });
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 14);
  assessment::WeightingValues back;
  std::string error;
  ASSERT_TRUE(assessment::ParseWeightingFile(text, back, error)) << error;
  EXPECT_EQ(back.wgtFtr, v.wgtFtr);
  EXPECT_EQ(back.costPara, v.costPara);
}

TEST(WeightingFile, LeadingZeroOrNot) {
  for (const char* half : {".5", "0.5"}) {
    std::string text;
    for (int i = 0; i < 14; ++i) text += std::string(half) + "\r\n";
    assessment::WeightingValues v;
    std::string error;
    ASSERT_TRUE(assessment::ParseWeightingFile(text, v, error)) << half;
    EXPECT_EQ(v.wgtFtr[10], 0.5f);
    EXPECT_EQ(v.costPara[2], 0.5f);
  }
}

TEST(WeightingFile, BrokenFilesAreRefusedWhole) {
  const std::string broken[] = {"",
                                Numbers(13),
                                Numbers(15),
                                Numbers(13) + "x\r\n",
                                Numbers(13) + "1E+39\r\n",
                                Numbers(11) + "-100\r\n1\r\n1\r\n"};
  for (const auto& text : broken) {
    assessment::WeightingValues v;
    v.wgtFtr.fill(7);
    std::string error;
    EXPECT_FALSE(assessment::ParseWeightingFile(text, v, error)) << text;
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(v.wgtFtr[0], 7.0f);
  }
}

TEST(FactorChecks, RatesPricesAndRange) {
  EXPECT_EQ(assessment::CheckCostParameter(0, 5), "");
  EXPECT_EQ(assessment::CheckCostParameter(2, -99.9), "");
  EXPECT_NE(assessment::CheckCostParameter(1, -100), "");
  EXPECT_NE(assessment::CheckCostParameter(0, 1e39), "");
  EXPECT_EQ(assessment::CheckEnergyPrice(0, 0.92), "");
  EXPECT_EQ(assessment::CheckEnergyPrice(0, 0),
            "Price of Electricity (VL$/kWh): a price of 0 is not allowed. The value is not stored.");
  EXPECT_EQ(assessment::CheckEnergyPrice(1, 0), "");  // town gas is never divided by
  EXPECT_NE(assessment::CheckEnergyPrice(1, -1e40), "");
}

LccValues Sample() {
  LccValues v{};
  for (size_t row = 0; row < 12; ++row)
    for (size_t s = 0; s < 5; ++s) v[row][s] = static_cast<float>(row * 10 + s) + 0.25f;
  v[0][1] = 12345678;
  v[11][0] = 1.5e15f;
  v[5][2] = 0.1f;
  v[6][3] = -1234.5677f;
  return v;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

assessment::LccNumbers AsNumbers(const LccValues& v) {
  assessment::LccNumbers n{};
  for (size_t row = 0; row < 12; ++row)
    for (size_t s = 0; s < 5; ++s) n[row][s] = v[row][s];
  return n;
}

std::string SavedLccFile(const assessment::LccNumbers& n) {
  return testsupport::SavedText(
      [&](const std::string& path, std::string& error) { return assessment::WriteLccFile(path, n, error); });
}

TEST(LccFile, SixtyLinesInStageOrderAndBack) {
  auto lines = SplitLines(SavedLccFile(AsNumbers(Sample())));
  ASSERT_EQ(lines.size(), 60u);
  EXPECT_EQ(lines[0], "0.25");          // stage 0, Foundation
  EXPECT_EQ(lines[11], "1.5E+15");      // stage 0, Building Total: exponent form from 1E+15
  EXPECT_EQ(lines[12], "12345678");     // stage 1, Foundation: full digits
  EXPECT_EQ(lines[2 * 12 + 5], "0.1");  // stage 2, HVAC
  EXPECT_EQ(lines[3 * 12 + 6], "-1234.5677");
  LccValues back{};
  std::string error;
  ASSERT_TRUE(assessment::ParseLccFile(SavedLccFile(AsNumbers(Sample())), back, error)) << error;
  EXPECT_EQ(back, Sample());
}

// Typed numbers keep their digits, up to fifteen significant ones; a
// value that is a Single keeps the short text of that Single.
TEST(LccFile, NumbersInFullUpToFifteenDigits) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {1234567.89, "1234567.89"},
      {0.1, "0.1"},
      {static_cast<double>(0.1f), "0.1"},
      {-1234.5677, "-1234.5677"},
      {0.123456789012345678, "0.123456789012346"},
      {123456789012345.67, "123456789012346"},
      {987654321.987654321, "987654321.987654"},
      {999999999999999.9, "1E+15"},
      {2.5e15, "2.5E+15"},
      {1.2345678901234567e20, "1.23456789012346E+20"},
      {-0.000012345, "-0.000012345"},
  };
  for (const auto& c : cases) {
    assessment::LccNumbers n{};
    n[0][0] = c.value;
    EXPECT_EQ(SplitLines(SavedLccFile(n))[0], c.text) << c.value;
  }
}

TEST(LccFile, CommasAndLeadingZeros) {
  LccValues v{};
  std::string error;
  ASSERT_TRUE(assessment::ParseLccFile(Numbers(59, ",") + ".5", v, error)) << error;
  EXPECT_EQ(v[0][0], 1.0f);
  EXPECT_EQ(v[11][0], 12.0f);  // line 12: stage 0, Building Total
  EXPECT_EQ(v[0][1], 13.0f);   // line 13: stage 1, Foundation
  EXPECT_EQ(v[11][4], 0.5f);
}

TEST(LccFile, BrokenFilesAreRefusedWhole) {
  const std::string broken[] = {"", Numbers(59), Numbers(61), Numbers(59) + "abc\r\n", Numbers(59) + "1E+39\r\n"};
  for (const auto& text : broken) {
    LccValues v{};
    v[11][4] = 9;
    std::string error;
    EXPECT_FALSE(assessment::ParseLccFile(text, v, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(v[11][4], 9.0f);
  }
}

TEST(LccFile, DefaultNames) {
  EXPECT_EQ(assessment::DefaultLccFileName("OFFICE.PRJ"), "OFFICE.LCC");
  EXPECT_EQ(assessment::DefaultLccFileName("B1.PRJ"), "B1.LCC");
  EXPECT_EQ(assessment::DefaultLccFileName("PLAN"), "PLCC");
  EXPECT_EQ(assessment::DefaultLccFileName("/w/A.PRJ"), "/w/A.LCC");
  EXPECT_EQ(assessment::DefaultLccFileName("AB"), "");
}

TEST(LccTable, CaptionsAndStagesInScreenOrder) {
  std::array<std::string, 5> stages = {"Life Cycle", "As Built", "Optg (Mat'l)", "Optg (Egy)", "Demolition"};
  std::array<std::string, 12> rows = {"Foundation",      "Envelope", "Frame",         "Contents",
                                      "Floors Tot.",     "HVAC",     "Elec && Light", "Fire Services",
                                      "Lifts && Escal.", "P && D",   "Services Tot.", "Building Total"};
  LccValues v{};
  v[0][1] = 250;
  v[0][0] = 250;
  v[11][4] = 12345678;
  auto lines = SplitLines(assessment::FormatLccTable(stages, rows, v));
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], "\"\",\"As Built\",\"Optg (Mat'l)\",\"Optg (Egy)\",\"Demolition\",\"Life Cycle\"");
  EXPECT_EQ(lines[1], "\"Foundation\",250,0,0,0,250");
  EXPECT_EQ(lines[7], "\"Elec && Light\",0,0,0,0,0");
  EXPECT_EQ(lines[12], "\"Building Total\",0,0,0,1.234568E+07,0");
}

TEST(LccValues, BoxNumbers) {
  const std::pair<const char*, double> rows[] = {{"1,500", 1},     {"abc", 0},     {"", 0},      {"1 500", 1500},
                                                 {" 12.5x", 12.5}, {"-3E2", -300}, {"1D3", 1000}};
  for (const auto& [text, value] : rows) EXPECT_EQ(assessment::LccBoxNumber(text), value) << text;
}

TEST(LccValues, TotalsFromTheItemRows) {
  LccValues v{};
  v[assessment::kRowFdn][1] = 100;
  v[assessment::kRowEnv][2] = 10;
  v[assessment::kRowCont][2] = 5;
  v[assessment::kRowPaD][4] = 1;
  v[assessment::kRowFlrs][1] = 999;  // totals and the life-cycle column are recomputed
  v[assessment::kRowHVAC][0] = 999;
  ASSERT_TRUE(assessment::RecalcTotals(v));
  EXPECT_EQ(v[assessment::kRowFlrs][1], 0.0f);
  EXPECT_EQ(v[assessment::kRowFlrs][2], 15.0f);
  EXPECT_EQ(v[assessment::kRowSers][4], 1.0f);
  EXPECT_EQ(v[assessment::kRowHVAC][0], 0.0f);
  EXPECT_EQ(v[assessment::kRowBldg][0], 116.0f);
  EXPECT_EQ(v[assessment::kRowFdn][0], 100.0f);

  LccValues huge{};
  huge[assessment::kRowHVAC][1] = 3e38f;
  huge[assessment::kRowElec][1] = 3e38f;
  auto before = huge;
  EXPECT_FALSE(assessment::RecalcTotals(huge));
  EXPECT_EQ(huge, before);
}

TEST(LccValues, CostCellsRoundTrip) {
  common::LCAResultRec r;
  r.FlrTypeCost[2][3] = 4;  // Contents, Optg (Egy)
  r.SerTypeCost[3][1] = 5;  // Lifts & Escal., As Built
  r.BldgCost[0] = 6;
  auto v = assessment::ReadCostCells(r);
  EXPECT_EQ(v[assessment::kRowCont][3], 4.0f);
  EXPECT_EQ(v[assessment::kRowLift][1], 5.0f);
  EXPECT_EQ(v[assessment::kRowBldg][0], 6.0f);
  common::LCAResultRec back;
  back.BldgImp[1][1] = 3;  // not a cost cell: untouched
  assessment::WriteCostCells(back, v);
  EXPECT_EQ(back.FlrTypeCost, r.FlrTypeCost);
  EXPECT_EQ(back.SerTypeCost, r.SerTypeCost);
  EXPECT_EQ(back.BldgCost, r.BldgCost);
  EXPECT_EQ(back.BldgImp[1][1], 3.0f);
}

}  // namespace
