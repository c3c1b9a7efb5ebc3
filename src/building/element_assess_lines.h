#pragma once
// The "Assess Element?" flags of the component being edited. The selection
// table holds one flag per element slot of the component file, as the
// calculation reads them. While the element list is edited, each line
// remembers the slot its element holds in the file, or its own flag when it
// was added since, so a flag stays with its element when lines are
// inserted, deleted or moved; the table takes the list's order when the
// component is saved.
#include <array>
#include <vector>

namespace building {

using ElementFlags = std::array<bool, 21>;

class ElementAssessLines {
 public:
  // Lines 0..count-1 are the file's slots 0..count-1.
  void Reset(int count);
  // An element added at `line`: assessed until the user says otherwise.
  void Insert(int line);
  void Remove(int line);
  void Swap(int a, int b);

  bool Assessed(int line, const ElementFlags& table) const;
  // A line that stands for a slot of the file stores its flag in the table
  // at once; an added line keeps it until the component is saved.
  void SetAssessed(int line, bool assessed, ElementFlags& table);
  // After the component was saved: the table in the list's order (slots
  // beyond the list assessed), each line its own slot again.
  void Commit(ElementFlags& table);

 private:
  struct Line {
    int slot = -1;  // -1: added since the component was last read or saved
    bool assessed = true;
  };
  bool Has(int line) const { return line >= 0 && line < static_cast<int>(lines_.size()); }
  std::vector<Line> lines_;
};

}  // namespace building
