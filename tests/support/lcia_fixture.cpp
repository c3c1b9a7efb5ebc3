#include "support/lcia_fixture.h"

namespace testsupport {

std::string LciaRecord(int no, const std::string& name, double base) {
  std::string line = std::to_string(no) + ",\"" + name + "\",\"kg\",2400,1.4,880";
  for (int k = 1; k <= 10; ++k) line += "," + std::to_string(base + k);
  line += "," + std::to_string(base * 10) + "," + std::to_string(base + 0.5) + "\r\n";
  return line;
}

std::string LciaFile(const std::vector<std::vector<std::pair<int, double>>>& sections) {
  std::string text;
  for (const auto& section : sections) {
    text += std::to_string(section.size()) + "\r\n";
    for (auto [no, base] : section) text += LciaRecord(no, "M" + std::to_string(no), base);
  }
  return text;
}

std::string SmallLciaFile() { return LciaFile({{{1, 0}, {2, 10}}, {{201, 50}}, {{501, 60}, {502, 70}}}); }

}  // namespace testsupport
