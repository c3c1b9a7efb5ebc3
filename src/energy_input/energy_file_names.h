#pragma once
// Default names of the energy-model files, taken from the project file.
#include <string>
#include <string_view>

namespace energy_input {

// The project file name less its last three characters, followed by
// `extension` ("ECI", "ASS", "CON"): C:\Jobs\Tower.PRJ gives C:\Jobs\Tower.ECI,
// Tower.prj gives Tower.CON. Only the last three characters are replaced.
std::string EnergyFileName(const std::string& projFile, std::string_view extension);

}  // namespace energy_input
