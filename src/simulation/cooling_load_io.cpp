#include "simulation/cooling_load_io.h"

namespace ModRoutine {

bool FailRun(common::SimulationState& sim, std::string msg) {
  sim.SimErr = -1;
  sim.SimErrMsg = std::move(msg);
  return false;
}

const WeatherHour* WeatherAt(const WeatherYear& weather, int i, common::SimulationState& sim) {
  if (i >= 0 && static_cast<std::size_t>(i) < weather.hours.size()) return &weather.hours[static_cast<std::size_t>(i)];
  FailRun(sim, std::string("BCLSim: Failed to read weather data file ") + kWeatherFileName + ": " + weather.error);
  return nullptr;
}

bool OpenWriter(common::SimulationState& sim, simulation::BlockWriter& w, const std::string& path) {
  std::string error;
  if (!w.Open(path, error)) return FailRun(sim, "BCLSim: Failed to create " + path + ": " + error);
  return true;
}

bool FlushWriter(common::SimulationState& sim, simulation::BlockWriter& w, const std::string& path) {
  if (!w.Flush()) return FailRun(sim, "BCLSim: Failed to write " + path + "!");
  return true;
}

bool CommitWriter(common::SimulationState& sim, simulation::BlockWriter& w, const std::string& path) {
  std::string error;
  if (!w.Commit(error)) return FailRun(sim, "BCLSim: Failed to write " + path + ": " + error);
  return true;
}

bool OpenReader(common::SimulationState& sim, simulation::BlockReader& in, const std::string& path) {
  std::string error;
  if (!in.Open(path, error)) return FailRun(sim, "BCLSim: Failed to open " + path + ": " + error);
  return true;
}

}  // namespace ModRoutine
