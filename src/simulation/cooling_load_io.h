#pragma once
// File steps of the cooling-load simulation that stop the run with a
// "BCLSim: " message in SimErrMsg when they fail: the weather hours read for
// the run, and the room, zone and annual load files.
#include <string>

#include "common/simulation_state.h"
#include "simulation/data_stream.h"
#include "simulation/weather.h"

namespace ModRoutine {

// Sets SimErr and SimErrMsg; false.
bool FailRun(common::SimulationState& sim, std::string msg);

// Weather hour i of the run (from 0), or the reason the weather file holds
// no such hour.
const WeatherHour* WeatherAt(const WeatherYear& weather, int i, common::SimulationState& sim);

bool OpenWriter(common::SimulationState& sim, simulation::BlockWriter& w, const std::string& path);
bool FlushWriter(common::SimulationState& sim, simulation::BlockWriter& w, const std::string& path);
bool CommitWriter(common::SimulationState& sim, simulation::BlockWriter& w, const std::string& path);
bool OpenReader(common::SimulationState& sim, simulation::BlockReader& in, const std::string& path);

// Reads the items of the next line of a load file.
bool ReadLoadLine(common::SimulationState& sim, simulation::BlockReader& in, const std::string& path,
                  auto&... items) {
  common::DataReader* r = in.Line();
  if (r) (r->Read(items), ...);
  if (!r || !r->Ok()) return FailRun(sim, "BCLSim: Failed to read " + path + ": " + in.Error());
  return true;
}

}  // namespace ModRoutine
