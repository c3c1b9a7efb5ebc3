#include "building/element_assess_lines.h"

#include <algorithm>
#include <utility>

namespace building {

void ElementAssessLines::Reset(int count) {
  lines_.clear();
  const int n = std::clamp(count, 0, static_cast<int>(ElementFlags{}.size()));
  for (int i = 0; i < n; ++i) lines_.push_back({i, true});
}

void ElementAssessLines::Insert(int line) {
  if (line < 0 || line > static_cast<int>(lines_.size()) || lines_.size() >= ElementFlags{}.size()) return;
  lines_.insert(lines_.begin() + line, Line{});
}

void ElementAssessLines::Remove(int line) {
  if (Has(line)) lines_.erase(lines_.begin() + line);
}

void ElementAssessLines::Swap(int a, int b) {
  if (Has(a) && Has(b)) std::swap(lines_[static_cast<size_t>(a)], lines_[static_cast<size_t>(b)]);
}

bool ElementAssessLines::Assessed(int line, const ElementFlags& table) const {
  if (!Has(line)) return true;
  const Line& l = lines_[static_cast<size_t>(line)];
  return l.slot >= 0 ? table[static_cast<size_t>(l.slot)] : l.assessed;
}

void ElementAssessLines::SetAssessed(int line, bool assessed, ElementFlags& table) {
  if (!Has(line)) return;
  Line& l = lines_[static_cast<size_t>(line)];
  if (l.slot >= 0) {
    table[static_cast<size_t>(l.slot)] = assessed;
  } else {
    l.assessed = assessed;
  }
}

void ElementAssessLines::Commit(ElementFlags& table) {
  ElementFlags ordered;
  ordered.fill(true);
  for (size_t i = 0; i < lines_.size(); ++i) ordered[i] = Assessed(static_cast<int>(i), table);
  table = ordered;
  Reset(static_cast<int>(lines_.size()));
}

}  // namespace building
