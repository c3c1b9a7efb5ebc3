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

}  // namespace ModRoutine
