#include "simulation/weather.h"

#include <algorithm>

#include "simulation/data_stream.h"

namespace ModRoutine {

bool ReadWeatherHour(common::DataReader& r, WeatherHour& w) {
  // The hour's items stand on its own line: a line of other than 19 items
  // is refused, naming it, rather than read shifted into the next hour.
  int items = 0;
  auto item = [&](auto& v) {
    if (!r.Read(v)) return false;
    if (++items < kWeatherItems && r.LineEnded()) {
      r.Fail("a weather line holds " + std::to_string(items) + " items, not " + std::to_string(kWeatherItems));
      return false;
    }
    return true;
  };
  bool ok = item(w.stamp) && item(w.OutTdb) && item(w.OutWxItem2) && item(w.OutTwb) && item(w.OutW);
  for (auto& v : w.DirSolRad) ok = ok && item(v);
  for (auto& v : w.DifSolRad) ok = ok && item(v);
  ok = ok && item(w.SolAlt) && item(w.SolAzi);
  if (ok && !r.LineEnded()) {
    std::string extra;
    while (!r.LineEnded() && r.Read(extra)) ++items;
    r.Fail("a weather line holds " + std::to_string(items) + " items, not " + std::to_string(kWeatherItems));
  }
  return r.Ok();
}

void PutWeatherHour(const WeatherHour& w, common::SimulationState& sim) {
  auto& m = sim.load;
  sim.OutTdb = w.OutTdb;
  sim.OutWxItem2 = w.OutWxItem2;
  sim.OutTwb = w.OutTwb;
  sim.OutW = w.OutW;
  m.DirSolRad = w.DirSolRad;
  m.DifSolRad = w.DifSolRad;
  m.SolAlt = w.SolAlt;
  m.SolAzi = w.SolAzi;
}

bool ReadWeatherYear(const std::string& path, int count, WeatherYear& year) {
  year = WeatherYear{};
  simulation::BlockReader in;
  std::string error;
  if (!in.Open(path, error)) return false;
  year.hours.reserve(static_cast<std::size_t>(std::clamp(count, 0, kWeatherHours)));
  // The whole file is read, whatever part of the year a run asks for: a
  // damaged line or a line after the last hour of the year (a leap year's
  // 8,784 hours) refuses the file, rather than shifting the days after it.
  for (int hour = 1;; ++hour) {
    common::DataReader* r = in.Line();
    if (!r) {
      if (hour <= count) year.error = in.Error();
      break;
    }
    if (hour > kWeatherHours) {
      r->EndOfFile("the weather file goes on after its " + std::to_string(kWeatherHours) + " hours");
      year.error = in.Error();
      break;
    }
    WeatherHour w;
    if (!ReadWeatherHour(*r, w)) {
      year.error = in.Error();
      break;
    }
    if (hour <= count) year.hours.push_back(w);
  }
  // A refused file gives no hours, so a run stops at its first hour with
  // the reason.
  if (!year.error.empty()) year.hours.clear();
  return true;
}

}  // namespace ModRoutine
