#pragma once
// The central plant input file (.WSS) and the non-air-conditioning services
// input file (.NAC). Readers fill the records only when the whole file was
// read; a failure leaves them as they were and says why in `error`.
#include <string>

#include "common/plant_state.h"

namespace plant_input {

bool ReadCentralPlantFile(const std::string& path, common::CentralPlantData& plant, std::string& error);
bool WriteCentralPlantFile(const std::string& path, const std::string& projName,
                           const common::CentralPlantData& plant, std::string& error);

bool ReadServicesFile(const std::string& path, common::NonACServicesData& services, std::string& error);
bool WriteServicesFile(const std::string& path, const std::string& projName,
                       const common::NonACServicesData& services, std::string& error);

}  // namespace plant_input
