#pragma once
// A large project generated for benchmarks: foundation, floor and services
// groups of many components of many elements, mixing generic elements and
// library elements of the sample libraries.
#include <string>
#include <vector>

namespace bench {

struct LargeProjectShape {
  int foundationGroups = 10;
  int floorGroups = 20;
  int servicesGroups = 20;
  int componentsPerGroup = 20;
  int elementsPerComponent = 10;
};

// Writes the project into `folder` (with a trailing "/"): the project file
// "LARGE.PRJ" and every group, component, element and user-value file.
// Returns the paths of all files written.
std::vector<std::string> WriteLargeProject(const std::string& folder, const LargeProjectShape& shape);

}  // namespace bench
