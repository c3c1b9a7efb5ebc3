#pragma once
// The project file (.PRJ): the project record written line by line and
// read back in the same order.
#include <string>

#include "common/building_state.h"

namespace building {

enum class ReadStatus { Ok, Missing, Failed };

// Reads the project file at `path` into `bldg`. A missing file empties the
// three group lists (name and floor area stay). A file that fails part-way
// leaves `bldg` exactly as it was and returns Failed with the reason.
ReadStatus ReadProjectFile(const std::string& path, common::BldgRec& bldg, std::string& error);

// Writes safely (a failed write leaves an old file intact).
bool WriteProjectFile(const std::string& path, const common::BldgRec& bldg, std::string& error);

}  // namespace building
