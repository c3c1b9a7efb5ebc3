#include "simulation/weather.h"

#include <algorithm>

#include "simulation/data_stream.h"

namespace ModRoutine {

bool ReadWeatherHour(common::DataReader& r, WeatherHour& w) {
  r.Read(w.stamp);
  r.Read(w.OutTdb);
  r.Read(w.OutWxItem2);
  r.Read(w.OutTwb);
  r.Read(w.OutW);
  for (auto& v : w.DirSolRad) r.Read(v);
  for (auto& v : w.DifSolRad) r.Read(v);
  r.Read(w.SolAlt);
  r.Read(w.SolAzi);
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
  year.hours.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) {
    common::DataReader* r = in.Line();
    WeatherHour w;
    if (!r || !ReadWeatherHour(*r, w)) {
      year.error = in.Error();
      break;
    }
    year.hours.push_back(w);
  }
  return true;
}

}  // namespace ModRoutine
