#include "assessment/lcc_file.h"

#include <cfloat>
#include <charconv>
#include <cmath>

#include "common/data_file.h"

namespace assessment {

using common::Single;

namespace {

// The shortest text of `v`: full digits below 1E+15, else the exponent
// form ("1.5E+15").
template <class T>
std::string ShortestText(T v) {
  char buf[400];
  auto fmt = std::fabs(v) < T(1e15) ? std::chars_format::fixed : std::chars_format::scientific;
  auto res = std::to_chars(buf, buf + sizeof buf, v, fmt);
  std::string text(buf, res.ptr);
  for (char& c : text)
    if (c == 'e') c = 'E';
  return text;
}

// A Single as the shortest text of that Single; any other value rounded
// to 15 significant digits first.
std::string LccNumber(double v) {
  if (v == 0) return "0";
  if (std::fabs(v) <= FLT_MAX && static_cast<double>(static_cast<Single>(v)) == v)
    return ShortestText(static_cast<Single>(v));
  char buf[40];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
  double rounded = v;
  std::from_chars(buf, res.ptr, rounded);
  return ShortestText(rounded);
}

constexpr size_t kStageOrder[kLccStages] = {1, 2, 3, 4, 0};

}  // namespace

namespace {

common::DataWriter LccFileWriter(const LccNumbers& v) {
  common::DataWriter w;
  for (size_t s = 0; s < kLccStages; ++s) {
    for (size_t row = 0; row < kLccRows; ++row) {
      const double x = v[row][s];
      if (std::isfinite(x)) {
        w.Line(LccNumber(x));
      } else {
        w.Dbl(x, "row " + std::to_string(row + 1) + " of stage " + std::to_string(s)).EndLine();
      }
    }
  }
  return w;
}

}  // namespace

bool WriteLccFile(const std::string& path, const LccNumbers& v, std::string& error) {
  return common::WriteDataFile(path, LccFileWriter(v), &error);
}

bool ParseLccFile(const std::string& text, LccValues& out, std::string& error) {
  LccValues v{};
  common::DataReader r(text);
  for (size_t s = 0; s < kLccStages; ++s)
    for (size_t row = 0; row < kLccRows; ++row) r.Read(v[row][s]);
  r.EndOfFile("the file holds more than 60 numbers");
  if (!r.Ok()) {
    error = r.Error();
    return false;
  }
  out = v;
  return true;
}

std::string DefaultLccFileName(const std::string& projFile) {
  if (projFile.size() < 3) return "";
  return projFile.substr(0, projFile.size() - 3) + "LCC";
}

std::string FormatLccTable(const std::array<std::string, kLccStages>& stageCaption,
                           const std::array<std::string, kLccRows>& rowCaption, const LccValues& v) {
  common::DataWriter w;
  w.Str("");
  for (size_t s : kStageOrder) w.Str(stageCaption[s]);
  w.EndLine();
  for (size_t row = 0; row < kLccRows; ++row) {
    w.Str(rowCaption[row]);
    for (size_t s : kStageOrder) w.Sng(v[row][s]);
    w.EndLine();
  }
  return w.Text();
}

}  // namespace assessment
