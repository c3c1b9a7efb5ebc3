#pragma once
// Report lines whose items stand in print zones of 14 columns: the first
// item starts in column 1 and each further item at the next zone start
// (column 15, 29, 43, ...) after the end of the item before it, the gap
// filled with blanks. An empty item still takes its zone.
#include <initializer_list>
#include <string>
#include <string_view>

namespace common {

constexpr int kPrintZoneWidth = 14;

std::string ZonedLine(std::initializer_list<std::string_view> items);

}  // namespace common
