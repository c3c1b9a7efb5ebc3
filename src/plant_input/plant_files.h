#pragma once
// The central plant input file (.WSS) and the non-air-conditioning services
// input file (.NAC). Readers fill the records only when the whole file was
// read; a failure leaves them as they were and says why in `error`. Items
// beyond a file's counts and the fields no file holds (element 0, row 1,
// the annual energy) keep what they held.
//
// Counts lie within 0..10 and type codes within their lists, in a file as
// in a record to be written; a writer refuses a record that breaks these
// rules, or a name holding a line break, and writes
// nothing. Every write goes through a temporary file.
#include <string>

#include "common/plant_state.h"

namespace plant_input {

bool ReadCentralPlantFile(const std::string& path, common::CentralPlantData& plant, std::string& error);
bool WriteCentralPlantFile(const std::string& path, const std::string& projName, const common::CentralPlantData& plant,
                           std::string& error);

bool ReadServicesFile(const std::string& path, common::NonACServicesData& services, std::string& error);
bool WriteServicesFile(const std::string& path, const std::string& projName, const common::NonACServicesData& services,
                       std::string& error);

}  // namespace plant_input
