#include <gtest/gtest.h>

#include <memory>

#include "assessment/result_file.h"
#include "assessment/result_table.h"
#include "support/temp_folder.h"

namespace {

using assessment::CaseData;

int Lines(const std::string& text) {
  int n = 0;
  for (size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", i + 2)) ++n;
  return n;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", start)) {
    out.push_back(text.substr(start, i - start));
    start = i + 2;
  }
  return out;
}

std::unique_ptr<CaseData> SampleCase(int fdn, int flr, int ser) {
  auto d = std::make_unique<CaseData>();
  auto& b = d->Bldg;
  b.ProjFile = "House.PRJ";
  b.ProjName = "House, two storeys";
  b.CFA = 321;
  b.NoOfFdnGrp = static_cast<common::Integer>(fdn);
  b.NoOfFlrGrp = static_cast<common::Integer>(flr);
  b.NoOfSerGrp = static_cast<common::Integer>(ser);
  for (int i = 0; i < flr; ++i) {
    b.FlrGrpFile[static_cast<size_t>(i)] = "F" + std::to_string(i) + ".FLR";
    b.FlrGrpName[static_cast<size_t>(i)] = "Floor " + std::to_string(i);
    b.FlrGrpQty[static_cast<size_t>(i)] = 1.5f + static_cast<float>(i);
  }
  if (fdn > 0) b.FdnGrpName[0] = "Piles";
  // Values that need more than seven digits to read back exactly.
  d->LCAResult.BldgImp[4][10] = 1234.5677f;
  d->LCAResult.SerCost[0] = 0.1f;
  d->LCAResult.FlrTypeWaste[2][3] = 3.4e38f;
  d->LCAResult.SerTypeImp[4][4][0] = -1.0000001f;
  if (flr > 1) d->GroupResult.FlrGrpCost[1][4] = 16777218.0f;
  if (fdn > 0) d->GroupResult.FdnGrpImp[0][2][5] = 7;
  if (ser > 19) d->GroupResult.SerGrpWaste[19][0] = 0.3f;
  return d;
}

std::string SavedResultFile(const CaseData& d) {
  return testsupport::SavedText(
      [&](const std::string& path, std::string& error) { return assessment::WriteResultFile(path, d, error); });
}

TEST(ResultFile, RoundTripIn635LinesAnd71PerGroup) {
  struct Row {
    int fdn, flr, ser, lines;
  };
  for (const auto& row : {Row{0, 0, 0, 635}, Row{1, 2, 0, 635 + 3 * 71}, Row{10, 20, 20, 635 + 50 * 71}}) {
    auto written = SampleCase(row.fdn, row.flr, row.ser);
    std::string text = SavedResultFile(*written);
    EXPECT_EQ(Lines(text), row.lines);
    auto read = std::make_unique<CaseData>();
    read->Bldg.CFA = 99;                 // not in the file: kept
    read->Bldg.SerGrpName[19] = "kept";  // rows beyond the counts are not in the file
    if (row.ser < 20) written->Bldg.SerGrpName[19] = "kept";
    std::string error;
    ASSERT_TRUE(assessment::ParseResultFile(text, *read, error)) << error;
    written->Bldg.CFA = 99;
    EXPECT_EQ(read->Bldg, written->Bldg);
    EXPECT_EQ(read->LCAResult, written->LCAResult);
    EXPECT_EQ(read->GroupResult, written->GroupResult);
  }
}

TEST(ResultFile, BrokenFilesChangeNothing) {
  const std::string good = SavedResultFile(*SampleCase(1, 1, 0));
  auto lines = SplitLines(good);
  auto join = [](const std::vector<std::string>& ls) {
    std::string t;
    for (const auto& l : ls) t += l + "\r\n";
    return t;
  };
  auto with = [&](size_t line, const std::string& text) {
    auto ls = lines;
    ls[line] = text;
    return join(ls);
  };
  auto truncated = lines;
  truncated.pop_back();
  const std::string broken[] = {
      "",
      join(truncated),  // short by one line
      with(2, "11"),    // more foundation groups than the list holds
      with(2, "2"),     // a count beyond what follows
      with(2, "-1"),
      with(6, "1,2,x,4"),      // not a number
      with(6, "1,2,\"3\",4"),  // a text where a number belongs
      with(6, "1,2,1E+39,4"),  // beyond the Single range
      good + "1\r\n",          // more than one case
  };
  for (const auto& text : broken) {
    auto data = SampleCase(0, 0, 2);
    auto before = std::make_unique<CaseData>(*data);
    std::string error;
    EXPECT_FALSE(assessment::ParseResultFile(text, *data, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(data->Bldg, before->Bldg);
    EXPECT_EQ(data->LCAResult, before->LCAResult);
    EXPECT_EQ(data->GroupResult, before->GroupResult);
  }
}

TEST(ResultFile, DefaultNames) {
  EXPECT_EQ(assessment::DefaultResultFileName("House.PRJ", 2), "House_C.RES");
  EXPECT_EQ(assessment::DefaultResultFileName("/home/a/Work/House.PRJ", 0), "House_R.RES");
  EXPECT_EQ(assessment::DefaultResultFileName("C:\\Work\\House.PRJ", 1), "House_A.RES");
  EXPECT_EQ(assessment::DefaultResultFileName("", 2), "");
  EXPECT_EQ(assessment::DefaultResultFileName("/work/.PR", 2), "");
}

TEST(ResultTable, TwentyLinesOfFiveFields) {
  assessment::ResultTableContent c;
  c.projName = "Tower";
  c.choice = {"Current Case", "Whole Bldg.", "", "", "As Built"};
  for (size_t k = 1; k <= 10; ++k) {
    c.characterised[k] = std::to_string(k);
    c.normalised[k] = "0.5";
    c.weighted[k] = "";
  }
  c.characterised[4] = "1.234568E+07";
  c.weightedTotal = "0.25";
  c.energy = "12 MJ";
  c.waste = "abc";
  c.cost = "1000000";
  c.score = "2.173929";
  auto lines = SplitLines(assessment::ResultTableWriter(c).Text());
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], "\"Project:\",\"Tower\",\"\",\"\",\"\"");
  EXPECT_EQ(lines[1], "\"\",\"\",\"\",\"\",\"\"");
  EXPECT_EQ(lines[2], "\"Case\",\"Building Parts\",\"\",\"\",\"Life Cycle Stage\"");
  EXPECT_EQ(lines[3], "\"Current Case\",\"Whole Bldg.\",\"\",\"\",\"As Built\"");
  EXPECT_EQ(lines[5], "\"LCIA/LCC Results\",\"\",\"\",\"\",\"\"");
  EXPECT_EQ(lines[6], "\"Impact Categories\",\"Characterised\",\"Unit\",\"Normalised\",\"Weighted\"");
  EXPECT_EQ(lines[7], "\" 1. Abiotic Depl'n \",1,\"kg Sb eq.\",0.5,0");
  EXPECT_EQ(lines[10], "\" 4. Hum Toxicity \",12345680,\"kg 1,4-DB eq.\",0.5,0");
  EXPECT_EQ(lines[16], "\"10. Eutrophication\",10,\"kg PO4 eq.\",0.5,0");
  EXPECT_EQ(lines[17], "\"11. Energy Use\",12,\"MJ\",\"Tot. Imp. (Cat.1-10)\",0.25");
  EXPECT_EQ(lines[18], "\"12. Solid Waste\",0,\"kg\",\"Stage / LC Cost (VL$)\",1000000");
  EXPECT_EQ(lines[19], "\"\",\"\",\"\",\"Total LCA/LCC Score\",\"2.173929\"");
}

}  // namespace
