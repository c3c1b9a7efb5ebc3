#include "energy_input/construction_references.h"

namespace energy_input {

namespace {
// A message box holds so many lines before the rest is only counted.
constexpr size_t kListedAtMost = 12;
}  // namespace

int NumberAfterDelete(int number, int deleted) {
  if (number == deleted) return 0;
  return number > deleted ? number - 1 : number;
}

int NumberAfterDeletes(int number, const std::vector<int>& deleted) {
  for (int d : deleted) number = NumberAfterDelete(number, d);
  return number;
}

std::vector<FabricRef> RenumberAfterDeletes(common::EnergyModel& m, const std::vector<int>& deleted) {
  std::vector<FabricRef> lost;
  for (int z = 1; z <= common::kMaxZones; ++z) {
    for (int r = 1; r <= common::kMaxRooms; ++r) {
      for (int c = 1; c <= common::kMaxFabrics; ++c) {
        auto& cons = m.FabCons[z][r][c];
        if (cons < 1) continue;
        cons = static_cast<common::Integer>(NumberAfterDeletes(cons, deleted));
        if (cons == 0 && z <= m.NoOfZn && r <= m.ZnNRm[z] && c <= m.RmNFab[z][r])
          lost.push_back({z, r, c, m.FabName[z][r][c]});
      }
    }
  }
  return lost;
}

std::string LostConstructionMessage(int deleted, const std::string& name, const std::vector<FabricRef>& lost) {
  if (lost.empty()) return "";
  const std::string number = std::to_string(deleted);
  std::string text = "Construction " + number + " \"" + name +
                     "\" is deleted. When the constructions are saved, the constructions after it move down one "
                     "number and the fabric components that use them follow. These fabric components use "
                     "construction " +
                     number + " and will then have none:";
  for (size_t i = 0; i < lost.size() && i < kListedAtMost; ++i) {
    const FabricRef& f = lost[i];
    text += "\nZone " + std::to_string(f.zone) + ", Room " + std::to_string(f.room) + ", Component " +
            std::to_string(f.component) + " (" + f.name + ")";
  }
  if (lost.size() > kListedAtMost) text += "\n... and " + std::to_string(lost.size() - kListedAtMost) + " more.";
  return text;
}

}  // namespace energy_input
