#pragma once
// The construction file of the open project, as the energy-input windows
// read it when they load.
#include <string>

#include "common/program.h"

namespace energy_input {

enum class ConsLoad {
  Missing,  // no such file: nothing read, the tables as they were
  Failed,   // the file could not be read: the tables as they were, `message` says why
  Read,     // the tables hold the file's constructions 1..NoOfCons
};

struct ConsLoadResult {
  ConsLoad outcome = ConsLoad::Missing;
  std::string message;
};

// The path the construction file is opened under: ConsFile as it stands
// when a file of that name exists, else in the project folder.
std::string ConstructionPath(const common::Program& prog);

// Reads the file named by ConsFile (resolved as above) into the tables.
ConsLoadResult ReadProjectConstructions(common::Program& prog);

}  // namespace energy_input
