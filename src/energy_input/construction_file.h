#pragma once
// The construction file: the construction tables of one project.
#include <string>

#include "common/energy_input_state.h"

namespace energy_input {

// Fills the tables only when the whole file was read.
bool ReadConstructionFile(const std::string& path, common::ConstructionTables& tables, std::string& error);
bool WriteConstructionFile(const std::string& path, const common::ConstructionTables& tables, std::string& error);

}  // namespace energy_input
