#include "simulation/cooling_load_io.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "common/number_text.h"

namespace ModRoutine {
namespace {

using simulation::Fail;

// The Single the reader takes from a number's text, as the load files'
// reader takes it.
std::optional<common::Single> ReadBack(std::string_view text) {
  double value = 0;
  if (!common::ParseNumber(text, value)) return std::nullopt;
  return common::ToSingle(value);
}

// Whether writing the Single read back from `text` (itself written from a
// Single, 7 significant digits) gives `text` again. It does when the Single
// read back lies nearer to the text's decimal value than half a unit of its
// 7th digit: so when the Singles' spacing at that magnitude, 2^(e - 24) for
// magnitudes in [2^(e-1), 2^e), is below that unit, 10^(E - 6) for a value
// of decimal order E. The two never come within 1 % of each other over the
// Single range (log10 of their ratio stays 0.0042 away from 0), so a margin
// of 0.001 in log10 keeps the reader's own rounding out of the question.
// Not taken as stable: a text that is a power of ten (the Single read back
// may lie just below it, a decade lower), and magnitudes below the smallest
// normal Single.
bool WritesBackAlike(std::string_view text, double read) {
  if (read == 0) return true;
  if (std::fabs(read) < FLT_MIN) return false;
  // The decimal order of the text and whether its digits are 1 then zeros.
  std::size_t i = text[0] == '-' ? 1 : 0;
  int order = 0;
  const std::size_t e = text.find('E');
  const std::string_view digits = text.substr(i, e == std::string_view::npos ? std::string_view::npos : e - i);
  const std::size_t point = digits.find('.');
  const std::size_t intLen = point == std::string_view::npos ? digits.size() : point;
  std::size_t first = digits.find_first_not_of("0.");
  if (first == std::string_view::npos) return false;
  order = first < intLen ? static_cast<int>(intLen - first) - 1 : -static_cast<int>(first - intLen);
  if (e != std::string_view::npos) order += std::atoi(std::string(text.substr(e + 1)).c_str());
  if (digits[first] == '1' && digits.find_first_not_of("0.", first + 1) == std::string_view::npos) return false;
  int binary = 0;
  std::frexp(read, &binary);
  return (binary - 24) * 0.30102999566398120 < (order - 6) - 0.001;
}

}  // namespace

std::string AnnualText(common::Single value) {
  if (!std::isfinite(value)) return {};
  std::string text = common::DisplayText(value);
  double read = 0;
  if (!common::ParseNumber(text, read) || !common::ToSingle(read)) return {};
  if (WritesBackAlike(text, read)) return text;
  // The way in full: into the zone file and into the annual file.
  for (int pass = 0; pass < 2; ++pass) {
    auto single = ReadBack(text);
    if (!single) return {};
    text = common::DisplayText(*single);
  }
  return ReadBack(text) ? text : std::string();
}

bool ReadLoadText(common::SimulationState& sim, simulation::BlockReader& in, const std::string& path, int items,
                  std::string& line) {
  common::DataReader* r = in.Line();
  if (!r || !r->ReadLine(line)) return Fail(sim, kBCLSim, "Failed to read " + path + ": " + in.Error());
  int found = 1;
  bool empty = line.empty() || line.front() == ',' || line.back() == ',';
  for (std::size_t k = 0; k + 1 < line.size(); ++k)
    if (line[k] == ',') ++found, empty = empty || line[k + 1] == ',';
  if (found != items || empty)
    return Fail(sim, kBCLSim,
                "Failed to read " + path + ": a line of " + std::to_string(items) + " numbers was expected (line " +
                    std::to_string(in.LineNumber() - 1) + ")");
  return true;
}

const WeatherHour* WeatherAt(const WeatherYear& weather, int i, common::SimulationState& sim) {
  if (i >= 0 && static_cast<std::size_t>(i) < weather.hours.size()) return &weather.hours[static_cast<std::size_t>(i)];
  Fail(sim, kBCLSim, std::string("Failed to read weather data file ") + kWeatherFileName + ": " + weather.error);
  return nullptr;
}

bool OpenWriter(common::SimulationState& sim, simulation::BlockWriter& w, const std::string& path) {
  std::string error;
  if (!w.Open(path, error)) return Fail(sim, kBCLSim, "Failed to create " + path + ": " + error);
  return true;
}

bool FlushWriter(common::SimulationState& sim, simulation::BlockWriter& w, const std::string& path) {
  if (!w.Flush()) return Fail(sim, kBCLSim, "Failed to write " + path + ": " + w.Error());
  return true;
}

bool CommitWriter(common::SimulationState& sim, simulation::BlockWriter& w, const std::string& path) {
  std::string error;
  if (!w.Commit(error)) return Fail(sim, kBCLSim, "Failed to write " + path + ": " + error);
  return true;
}

bool OpenReader(common::SimulationState& sim, simulation::BlockReader& in, const std::string& path) {
  std::string error;
  if (!in.Open(path, error)) return Fail(sim, kBCLSim, "Failed to open " + path + ": " + error);
  return true;
}

}  // namespace ModRoutine
