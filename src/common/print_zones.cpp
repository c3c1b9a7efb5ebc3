#include "common/print_zones.h"

namespace common {

std::string ZonedLine(std::initializer_list<std::string_view> items) {
  std::string line;
  size_t lastUsed = 0;  // 0-based column of the previous item's last character
  bool first = true;
  for (std::string_view item : items) {
    if (!first) {
      size_t next = (lastUsed / kPrintZoneWidth + 1) * kPrintZoneWidth;
      line.append(next - line.size(), ' ');
    }
    size_t start = line.size();
    line += item;
    // An empty item uses the column it starts in, so it still takes its zone.
    lastUsed = item.empty() ? start : line.size() - 1;
    first = false;
  }
  return line;
}

}  // namespace common
