#pragma once
// Small energy models, constructions and files made for the tests.
#include <string>
#include <vector>

#include "common/program.h"

namespace energytest {

// A model of `zones` zones; zone z has z rooms (at most 12), room r has r
// components (at most 10). Names and numbers tell where they belong
// ("Z2R1C3", area 2103); component 1 of every room has a shading mask.
common::EnergyModel SmallModel(int zones, common::PerFabric<std::string>* masks = nullptr);

// `count` constructions of 1 + c % 3 layers each ("Cons c").
common::ConstructionTables SomeConstructions(int count);

// Lines of a text ended by CR LF, without the line ends.
std::vector<std::string> Lines(const std::string& text);

}  // namespace energytest
