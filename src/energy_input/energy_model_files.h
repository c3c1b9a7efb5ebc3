#pragma once
// The energy calculation input file (.ECI: the energy model and the shading
// mask of each fabric component) and the air-side system input file (.ASS:
// the design rows of the air-side systems, counted by the energy model).
// Readers fill the records only when the whole file was read; a failure
// leaves them as they were and says why in `error`.
#include <string>

#include "common/energy_input_state.h"

namespace energy_input {

bool ReadEnergyModelFile(const std::string& path, common::EnergyModel& model,
                         common::PerFabric<std::string>& shadingMasks, std::string& error);
bool WriteEnergyModelFile(const std::string& path, const std::string& projName, const common::EnergyModel& model,
                          const common::PerFabric<std::string>& shadingMasks, std::string& error);
// The same on the file's text; `projName`, when given, receives the project
// name of the head line.
bool ReadEnergyModelText(std::string text, common::EnergyModel& model, common::PerFabric<std::string>& shadingMasks,
                         std::string& error, std::string* projName = nullptr);
bool EnergyModelText(const std::string& projName, const common::EnergyModel& model,
                     const common::PerFabric<std::string>& shadingMasks, std::string& text, std::string& error);

bool ReadAirSideFile(const std::string& path, const common::EnergyModel& model, common::AirSideSystemData& airSide,
                     std::string& error);
bool WriteAirSideFile(const std::string& path, const std::string& projName, const common::EnergyModel& model,
                      const common::AirSideSystemData& airSide, std::string& error);

}  // namespace energy_input
