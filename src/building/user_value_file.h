#pragma once
// The element user-value file beside an element file: whether the user's
// material values are in force, and per material position its material
// number, wastage (%), life (years) and unit cost.
//
//   1 0 = the defaults are in force; n > 0 = the values below are, n lines
//   then per material position m = 1, 2, ...: number (0..510), wastage,
//   life, unit cost
#include <array>
#include <optional>
#include <string>

#include "building/file_reading.h"
#include "common/building_state.h"

namespace building {

// The user-value file of an element file: its name less the last four
// characters, "_", then those four (WALL.FLE -> WALL_.FLE); nullopt for a
// name of fewer than four characters.
std::optional<std::string> UserValueFileName(const std::string& elmFile);

// One user-value file; material positions 1..Count are filled.
struct UserValueFile {
  common::Integer InForce = 0;  // line 1
  int Count = 0;                // material lines read
  std::array<common::Integer, 11> MatNo{};
  std::array<common::Single, 11> MatWas{}, MatLife{}, MatUCost{};
};

// Reads line 1, then `lines` material lines (0..10), or as many as line 1
// says when `lines` is nullopt. `file` changes only when all were read;
// line 1 outside 0..10 or a material number outside 0..510 fails the read.
ReadOutcome ReadUserValueFile(const std::string& path, std::optional<int> lines, UserValueFile& file,
                              common::FileCache* cache = nullptr);

// Writes safely; refuses a count outside 0..10 or line 1 outside 0..10.
bool WriteUserValueFile(const std::string& path, const UserValueFile& file, std::string& error);

// How the element panel found the user values of an element.
enum class UserValueState {
  InForce,   // line 1 > 0: row 1 holds the file's values, ElmUserValFlag True
  Defaults,  // line 1 is 0: row 1 holds the file's values, ElmUserValFlag False
  Missing,   // no user-value name or no file: row 1 := row 0
  Failed,    // short or malformed: row 1 := row 0
};

// The panel's reading of the user values of `elmFile` for materials
// 1..matCount into row 1 of `mat` (path by the project-folder rule). A file
// that is missing, short or malformed gives the defaults of row 0 as the
// values to be used; nothing of it is taken.
UserValueState LoadUserValues(common::ElementMaterialValues& mat, const std::string& elmFile, int matCount,
                              const std::string& projDir);

// "Reset to Default Values" (inForce False: line 1 is 0) and "Apply
// Changes" (inForce True: line 1 is matCount): writes row 1 of materials
// 1..matCount. Nothing is written when matCount is 0 (true). False when the
// element has no user-value name or the file cannot be written.
bool SaveUserValues(const common::ElementMaterialValues& mat, const std::string& elmFile, int matCount, bool inForce,
                    const std::string& projDir, std::string& error);

}  // namespace building
