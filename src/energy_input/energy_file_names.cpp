#include "energy_input/energy_file_names.h"

namespace energy_input {

std::string EnergyFileName(const std::string& projFile, std::string_view extension) {
  std::string name = projFile.size() >= 3 ? projFile.substr(0, projFile.size() - 3) : std::string();
  name += extension;
  return name;
}

}  // namespace energy_input
