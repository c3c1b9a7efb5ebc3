#pragma once
// The weather file "VLW1989.TXT" of the data directory: 8,760 lines of 19
// items, one per hour in calendar order: hour stamp (Long); outdoor dry bulb
// (degC), a second outdoor value, wet bulb (degC), humidity ratio (kg/kg);
// direct solar irradiance on orientation codes 0..9 (W/m2); diffuse
// irradiance on a horizontal and on a vertical surface (W/m2); solar altitude
// and azimuth (rad, azimuth from south towards west).
#include <array>
#include <string>

#include "common/data_file.h"
#include "common/simulation_state.h"

namespace ModRoutine {

inline constexpr const char* kWeatherFileName = "VLW1989.TXT";

// Reads one weather line into the hour stamp, the outdoor values and the
// solar values of the cooling-load model; false when the line is malformed.
bool ReadWeatherHour(common::DataReader& r, common::Long& stamp, common::SimulationState& sim);

// The values of one weather line, kept to be played again.
struct WeatherHour {
  common::Long stamp = 0;
  common::Single OutTdb = 0, OutWxItem2 = 0, OutTwb = 0, OutW = 0;
  std::array<common::Single, 10> DirSolRad{};
  std::array<common::Single, 2> DifSolRad{};
  common::Single SolAlt = 0, SolAzi = 0;
};
// The hour now in the model state, and back.
WeatherHour KeepWeatherHour(const common::SimulationState& sim, common::Long stamp);
void PutWeatherHour(const WeatherHour& w, common::SimulationState& sim);

}  // namespace ModRoutine
