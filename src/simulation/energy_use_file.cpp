#include "simulation/energy_use_file.h"

#include <array>
#include <cmath>

#include "common/data_file.h"
#include "simulation/system_lists.h"

namespace simulation {

namespace {

// The lists of kListCodes, as a message names them.
const std::array<const char*, 6> kListNames{
    "additional HVAC systems",       "additional electricity and lighting systems",
    "fire services systems",         "lift and escalator systems",
    "plumbing and drainage systems", "systems using town gas"};

}  // namespace

EnergyUseResults TakeEnergyUse(common::Program& prog) {
  EnergyUseResults r;
  r.ACEgy = prog.sim.ACEgy;
  r.ZnElecEgy = prog.sim.ZnElecEgy;
  for (size_t k = 0; k < kListCodes.size(); ++k) {
    auto list = ListOf(CalculationLists(prog), kListCodes[k]);
    r.count[k] = *list->count;
    r.egy[k] = *list->egy;
  }
  return r;
}

void PutEnergyUse(const EnergyUseResults& results, common::Program& prog) {
  prog.sim.ACEgy = results.ACEgy;
  prog.sim.ZnElecEgy = results.ZnElecEgy;
  for (size_t k = 0; k < kListCodes.size(); ++k) {
    *ListOf(CalculationLists(prog), kListCodes[k])->egy = results.egy[k];
  }
}

namespace {

common::DataWriter EnergyUseFileWriter(const EnergyUseResults& results) {
  common::DataWriter w;
  for (common::Single v : results.ACEgy) w.Sng(v, "the annual energy of the air-conditioning").EndLine();
  for (common::Single v : results.ZnElecEgy) w.Sng(v, "the annual energy of the zones").EndLine();
  for (size_t k = 0; k < kListCodes.size(); ++k) {
    w.Int(results.count[k]).EndLine();
    for (int i = 1; i <= SystemCount(results.count[k]); ++i)
      w.Sng(results.egy[k][static_cast<size_t>(i)], std::string("the annual energy of the ") + kListNames[k]).EndLine();
  }
  return w;
}

}  // namespace

bool WriteEnergyUseFile(const std::string& path, const EnergyUseResults& results, std::string& error) {
  return common::WriteDataFile(path, EnergyUseFileWriter(results), &error);
}

bool ParseEnergyUseFile(const std::string& text, EnergyUseResults& results, std::string& why) {
  // One value per line and nothing after the last list, so a number split
  // in two or a line too many is refused rather than read shifted.
  common::DataReader in(text);
  EnergyUseResults r = results;
  for (common::Single& v : r.ACEgy)
    if (!in.Read(v) || !in.EndOfLine()) break;
  for (common::Single& v : r.ZnElecEgy)
    if (!in.Read(v) || !in.EndOfLine()) break;
  for (size_t k = 0; k < kListCodes.size() && in.Ok(); ++k) {
    common::Integer count = 0;
    if (!in.Read(count) || !in.EndOfLine()) break;
    const std::string systems = std::to_string(count) + " " + kListNames[k];
    if (count < 0 || count > kMaxSystems) {
      in.Fail("a count of " + systems + " lies outside 0 to " + std::to_string(kMaxSystems));
      break;
    }
    if (count != r.count[k]) {
      in.Fail("the file holds " + systems + " where the project has " + std::to_string(r.count[k]));
      break;
    }
    if (count < 1) continue;
    auto& egy = r.egy[k];
    egy[0] = 0;
    for (int i = 1; i <= count && in.Ok(); ++i) {
      auto& v = egy[static_cast<size_t>(i)];
      if (!in.Read(v) || !in.EndOfLine()) break;
      egy[0] += v;
      if (!std::isfinite(egy[0])) in.Fail("the total of a list is too large to be held");
    }
  }
  if (!in.EndOfFile()) {
    why = in.Error();
    return false;
  }
  results = r;
  return true;
}

std::string FormatRunLog(const std::vector<std::string>& lines) {
  common::DataWriter w;
  for (const std::string& line : lines) w.Line(line);
  return w.Text();
}

}  // namespace simulation
