#include "simulation/energy_use_file.h"

#include <cmath>

#include "common/data_file.h"
#include "simulation/system_lists.h"

namespace simulation {

EnergyUseResults TakeEnergyUse(common::Program& prog) {
  EnergyUseResults r;
  r.ACEgy = prog.sim.ACEgy;
  r.ZnElecEgy = prog.sim.ZnElecEgy;
  for (size_t k = 0; k < kListCodes.size(); ++k) {
    auto list = ListOf(prog.plant, kListCodes[k]);
    r.count[k] = *list->count;
    r.egy[k] = *list->egy;
  }
  return r;
}

void PutEnergyUse(const EnergyUseResults& results, common::Program& prog) {
  prog.sim.ACEgy = results.ACEgy;
  prog.sim.ZnElecEgy = results.ZnElecEgy;
  for (size_t k = 0; k < kListCodes.size(); ++k) {
    auto list = ListOf(prog.plant, kListCodes[k]);
    *list->count = results.count[k];
    *list->egy = results.egy[k];
  }
}

std::string FormatEnergyUseFile(const EnergyUseResults& results) {
  common::DataWriter w;
  for (common::Single v : results.ACEgy) w.Sng(v).EndLine();
  for (common::Single v : results.ZnElecEgy) w.Sng(v).EndLine();
  for (size_t k = 0; k < kListCodes.size(); ++k) {
    w.Int(results.count[k]).EndLine();
    for (int i = 1; i <= SystemCount(results.count[k]); ++i) w.Sng(results.egy[k][static_cast<size_t>(i)]).EndLine();
  }
  return w.Text();
}

bool ParseEnergyUseFile(const std::string& text, EnergyUseResults& results, std::string& why) {
  common::DataReader in(text);
  EnergyUseResults r = results;
  for (common::Single& v : r.ACEgy) in.Read(v);
  for (common::Single& v : r.ZnElecEgy) in.Read(v);
  for (size_t k = 0; k < kListCodes.size() && in.Ok(); ++k) {
    common::Integer count = 0;
    if (!in.Read(count)) break;
    if (count > kMaxSystems) {
      in.Fail("a count of " + std::to_string(count) + " systems is more than " + std::to_string(kMaxSystems));
      break;
    }
    r.count[k] = count;
    if (count < 1) continue;
    auto& egy = r.egy[k];
    egy[0] = 0;
    for (int i = 1; i <= count && in.Ok(); ++i) {
      auto& v = egy[static_cast<size_t>(i)];
      if (!in.Read(v)) break;
      egy[0] += v;
      if (!std::isfinite(egy[0])) in.Fail("the total of a list is too large to be held");
    }
  }
  if (!in.Ok()) {
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
