#include "assessment/weighting_file.h"

#include "assessment/factor_checks.h"
#include "common/data_file.h"

namespace assessment {

namespace {

common::DataWriter WeightingFileWriter(const WeightingValues& v) {
  common::DataWriter w;
  for (auto x : v.wgtFtr) w.SngExact(x, "a weighting factor").EndLine();
  for (auto x : v.costPara) w.SngExact(x, "a cost parameter").EndLine();
  return w;
}

}  // namespace

bool WriteWeightingFile(const std::string& path, const WeightingValues& v, std::string& error) {
  return common::WriteDataFile(path, WeightingFileWriter(v), &error);
}

bool ParseWeightingFile(const std::string& text, WeightingValues& out, std::string& error) {
  WeightingValues v;
  common::DataReader r(text);
  for (auto& x : v.wgtFtr) r.Read(x);
  for (auto& x : v.costPara) r.Read(x);
  r.EndOfFile("the file holds more than 14 numbers");
  if (!r.Ok()) {
    error = r.Error();
    return false;
  }
  for (size_t i = 0; i < v.costPara.size(); ++i) {
    std::string why = CheckCostParameter(static_cast<int>(i), v.costPara[i]);
    if (!why.empty()) {
      error = why;
      return false;
    }
  }
  out = v;
  return true;
}

}  // namespace assessment
