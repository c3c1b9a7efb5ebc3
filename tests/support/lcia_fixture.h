#pragma once
// LCIA database and profile texts made inside tests.
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// One 18-item record: number, name, unit "kg", density 2400, conductivity
// 1.4, specific heat 880, ten factors base + 1 .. base + 10, energy
// base * 10 and cost base + 0.5.
std::string LciaRecord(int no, const std::string& name, double base);

// Three sections given as lists of (material number, base); names "M<no>".
std::string LciaFile(const std::vector<std::vector<std::pair<int, double>>>& sections);

// A small database of materials 1, 2, 201, 501 and 502.
std::string SmallLciaFile();

}  // namespace testsupport
