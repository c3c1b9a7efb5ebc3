#pragma once
// Loading the LCIA database (.IDB) and profile (.ILF) files into the
// material table.
#include <string>

#include "common/assessment_state.h"

namespace ModCal {

// Reads the profile file, then the database file, into a fresh table and
// replaces the material table only when both were read completely; on
// failure the table is left as it was and `error` says what went wrong.
// Paths are used as given (the caller resolves them).
bool LoadLCIADatabase(common::MaterialTable& table, const std::string& profFile, const std::string& dbFile,
                      std::string& error);

using common::MaterialRow;

}  // namespace ModCal
