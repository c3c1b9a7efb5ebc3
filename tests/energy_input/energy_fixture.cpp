#include "energy_fixture.h"

#include <algorithm>

namespace energytest {

using common::Integer;
using common::Single;

common::EnergyModel SmallModel(int zones, common::PerFabric<std::string>* masks) {
  common::EnergyModel m;
  m.NoOfZn = static_cast<Integer>(zones);
  for (int z = 1; z <= zones; ++z) {
    const size_t zi = static_cast<size_t>(z);
    m.ZnName[zi] = "Zone " + std::to_string(z);
    m.ZnNIdent[zi] = static_cast<Single>(z % 3 + 1);
    int rooms = std::min(z, common::kMaxRooms);
    m.ZnNRm[zi] = static_cast<Integer>(rooms);
    for (int r = 1; r <= rooms; ++r) {
      const size_t ri = static_cast<size_t>(r);
      m.RmName[zi][ri] = "Z" + std::to_string(z) + "R" + std::to_string(r);
      m.RmType[zi][ri] = static_cast<Integer>(r % 6);
      m.RmNIdent[zi][ri] = static_cast<Single>(r);
      m.RmArea[zi][ri] = 100.5f * static_cast<Single>(z) + static_cast<Single>(r);
      m.RmHgt[zi][ri] = 2.8f;
      m.RmNOcc[zi][ri] = 10.0f * static_cast<Single>(r);
      m.RmVent[zi][ri] = 7.5f;
      m.RmTemp[zi][ri] = 24.5f;
      m.RmRH[zi][ri] = 55;
      m.RmLgtW[zi][ri] = 12.25f;
      m.RmEqpW[zi][ri] = 0.1f * static_cast<Single>(r);
      int fabs = std::min(r, common::kMaxFabrics);
      m.RmNFab[zi][ri] = static_cast<Integer>(fabs);
      for (int c = 1; c <= fabs; ++c) {
        const size_t ci = static_cast<size_t>(c);
        m.FabName[zi][ri][ci] = m.RmName[zi][ri] + "C" + std::to_string(c);
        m.FabArea[zi][ri][ci] = static_cast<Single>(1000 * z + 100 * r + c);
        m.FabType[zi][ri][ci] = static_cast<Integer>(c % 6);
        m.FabCons[zi][ri][ci] = static_cast<Integer>(c);
        m.FabOrient[zi][ri][ci] = static_cast<Integer>(c % 10);
        if (masks && c == 1) (*masks)[zi][ri][ci] = m.FabName[zi][ri][ci] + ".SHM";
      }
    }
  }
  return m;
}

common::ConstructionTables SomeConstructions(int count) {
  common::ConstructionTables t;
  t.NoOfCons = static_cast<Integer>(count);
  for (int c = 1; c <= count; ++c) {
    const size_t ci = static_cast<size_t>(c);
    t.ConsName[ci] = "Cons " + std::to_string(c);
    t.ConsType[ci] = static_cast<Integer>(c % 2);
    int layers = 1 + c % 3;
    t.ConsNLay[ci] = static_cast<Integer>(layers);
    t.ConsSurf[0][ci] = 0.6f;
    t.ConsSurf[1][ci] = 0.1f * static_cast<Single>(c);
    for (int j = 1; j <= layers; ++j) {
      const size_t l = static_cast<size_t>(j);
      t.LayMatNo[ci][l] = static_cast<Integer>(j == 2 ? 0 : 10 * c + j);
      t.LayMatName[ci][l] = j == 2 ? "Air Gap" : "Material " + std::to_string(10 * c + j);
      t.LayThk[ci][l] = 0.0125f * static_cast<Single>(j);
      t.LayProp[0][ci][l] = j == 2 ? 0 : 2400;
      t.LayProp[1][ci][l] = j == 2 ? 0 : 1.7f;
      t.LayProp[2][ci][l] = j == 2 ? 0 : 900;
    }
  }
  return t;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace energytest
