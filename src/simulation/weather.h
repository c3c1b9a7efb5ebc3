#pragma once
// The weather file "VLW1989.TXT" of the data directory: 8,760 lines of 19
// items, one per hour in calendar order: hour stamp (Long); outdoor dry bulb
// (degC), a second outdoor value, wet bulb (degC), humidity ratio (kg/kg);
// direct solar irradiance on orientation codes 0..9 (W/m2); diffuse
// irradiance on a horizontal and on a vertical surface (W/m2); solar altitude
// and azimuth (rad, azimuth from south towards west).
#include <array>
#include <string>
#include <vector>

#include "common/data_file.h"
#include "common/simulation_state.h"

namespace ModRoutine {

inline constexpr const char* kWeatherFileName = "VLW1989.TXT";
// The hours of the weather year, one line each, and the items of a line.
inline constexpr int kWeatherHours = 8760;
inline constexpr int kWeatherItems = 19;

// The values of one weather line.
struct WeatherHour {
  common::Long stamp = 0;
  common::Single OutTdb = 0, OutWxItem2 = 0, OutTwb = 0, OutW = 0;
  std::array<common::Single, 10> DirSolRad{};
  std::array<common::Single, 2> DifSolRad{};
  common::Single SolAlt = 0, SolAzi = 0;
};

// Reads one weather line; false when the line is malformed or holds other
// than 19 items.
bool ReadWeatherHour(common::DataReader& r, WeatherHour& w);
// The hour's outdoor and solar values into the cooling-load model state.
void PutWeatherHour(const WeatherHour& w, common::SimulationState& sim);

// The first hours of the weather file, read once for a whole run and shared
// by the rooms: the hours asked for, or none and why the file was refused
// (with its line): fewer hours than asked for, a line of other than 19
// items, or a line after the 8,760th.
struct WeatherYear {
  std::vector<WeatherHour> hours;
  std::string error;
};
// Reads the first `count` hours of the file at `path` and checks the rest;
// false when the file cannot be opened.
bool ReadWeatherYear(const std::string& path, int count, WeatherYear& year);

}  // namespace ModRoutine
