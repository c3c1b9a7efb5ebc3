#pragma once
// File steps of the cooling-load simulation that stop the run with a
// message of BCLSim's when they fail: the weather hours read for the run, and
// the room, zone and annual load files.
#include <string>
#include <string_view>

#include "common/simulation_state.h"
#include "simulation/data_stream.h"
#include "simulation/sim_error.h"
#include "simulation/weather.h"

namespace ModRoutine {

// The cooling-load simulation as its failures name it.
inline constexpr std::string_view kBCLSim = "BCLSim";

// Weather hour i of the run (from 0), or the reason the weather file holds
// no such hour.
const WeatherHour* WeatherAt(const WeatherYear& weather, int i, common::SimulationState& sim);

bool OpenWriter(common::SimulationState& sim, simulation::BlockWriter& w, const std::string& path);
bool FlushWriter(common::SimulationState& sim, simulation::BlockWriter& w, const std::string& path);
bool CommitWriter(common::SimulationState& sim, simulation::BlockWriter& w, const std::string& path);
bool OpenReader(common::SimulationState& sim, simulation::BlockReader& in, const std::string& path);

// The text a value written to a room load file ends up as in the annual
// file. A value's way there is: written (7 significant digits), read back as
// a Single into the zone file and written again, read back and written into
// the annual file. The text almost always survives that unchanged, and
// whether it does is told from the text and the Single read back alone;
// where it might not, the way is taken in full. So the zone and annual
// files can take the room files' text as it stands and still hold exactly
// what reading and writing each value would give. Empty when the value is
// not finite or its text does not read back as a Single.
std::string AnnualText(common::Single value);

// The next line of a load file as it stands (without its line end), when
// it holds `items` items separated by commas.
bool ReadLoadText(common::SimulationState& sim, simulation::BlockReader& in, const std::string& path, int items,
                  std::string& line);

// Reads the items of the next line of a load file.
bool ReadLoadLine(common::SimulationState& sim, simulation::BlockReader& in, const std::string& path, auto&... items) {
  common::DataReader* r = in.Line();
  if (r) (r->Read(items), ...);
  if (!r || !r->Ok()) return simulation::Fail(sim, kBCLSim, "Failed to read " + path + ": " + in.Error());
  return true;
}

}  // namespace ModRoutine
