#include "simulation/weather.h"

namespace ModRoutine {

bool ReadWeatherHour(common::DataReader& r, common::Long& stamp, common::SimulationState& sim) {
  auto& m = sim.load;
  r.Read(stamp);
  r.Read(sim.OutTdb);
  r.Read(sim.OutWxItem2);
  r.Read(sim.OutTwb);
  r.Read(sim.OutW);
  for (auto& v : m.DirSolRad) r.Read(v);
  for (auto& v : m.DifSolRad) r.Read(v);
  r.Read(m.SolAlt);
  r.Read(m.SolAzi);
  return r.Ok();
}

WeatherHour KeepWeatherHour(const common::SimulationState& sim, common::Long stamp) {
  const auto& m = sim.load;
  return {stamp, sim.OutTdb, sim.OutWxItem2, sim.OutTwb, sim.OutW, m.DirSolRad, m.DifSolRad, m.SolAlt, m.SolAzi};
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

}  // namespace ModRoutine
