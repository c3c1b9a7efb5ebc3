#include "simulation/mean_radiant.h"

#include <cmath>

#include "simulation/sim_error.h"
#include "simulation/solar.h"

namespace ModRoutine {
namespace {

// True when a surface of type ti, orientation oi sees a surface of type tj,
// orientation oj: surfaces in one plane, and roofs among themselves, do not.
bool Sees(int ti, int oi, int tj, int oj) {
  if (ti == kRoof) return !(tj == kRoof || (tj == kWindow && oj == oi));
  if (ti == kWindow) {
    if (oi == kHorizontal) return tj != kRoof;
    return oj != oi;
  }
  if (ti == kExtWall) return !((tj == kWindow || tj == kExtWall) && oj == oi);
  return true;
}

}  // namespace

Integer FloorComponent(const common::CoolingLoadModelState& m) {
  Integer floor = 0;
  for (int c = 1; c <= m.CurNFab; ++c)
    if (m.CurFabType[c] == kFloorCeiling) floor = static_cast<Integer>(c);
  return floor;
}

void PrepareEnclosure(common::CoolingLoadModelState& m) {
  m.HasRoof = false;
  for (int c = 1; c <= m.CurNFab; ++c)
    if (m.CurFabType[c] == kRoof) m.HasRoof = true;
  m.FloorFab = FloorComponent(m);
  // Without a roof, the underside of the floor component above closes the
  // room as its ceiling. A room with neither has no ceiling surface.
  const bool ceiling = !m.HasRoof && m.FloorFab > 0;
  m.NoOfSurf = static_cast<Integer>(m.CurNFab + (ceiling ? 1 : 0));
  std::array<int, common::kMaxSurfaces + 1> type{}, orient{};
  for (int i = 1; i <= m.NoOfSurf; ++i) {
    int c = i <= m.CurNFab ? i : m.FloorFab;
    type[i] = m.CurFabType[c];
    orient[i] = m.CurFabOrient[c];
    m.SurfArea[i] = m.CurFabArea[c];
  }
  m.SurfTotArea = 0;
  for (int i = 1; i <= m.NoOfSurf; ++i) m.SurfTotArea += m.SurfArea[i];
  m.EnclosureOk = true;
  for (int i = 1; i <= m.NoOfSurf; ++i) {
    Single other = 0;
    for (int j = 1; j <= m.NoOfSurf; ++j) {
      m.SurfSees[i][j] = j != i && Sees(type[i], orient[i], type[j], orient[j]);
      if (m.SurfSees[i][j]) other += m.SurfArea[j];
    }
    m.SurfOthArea[i] = other;
    if (!(other > 0)) {
      m.EnclosureOk = false;
      continue;
    }
    // Grey surfaces of emissivity 0.95.
    Single ratio = m.SurfArea[i] / other + 1;
    m.SurfExchFtr[i] = 1 / (ratio * 0.050000000000000044 / 0.95 + 1);
  }
}

bool FailZeroInternalArea(common::SimulationState& sim) {
  return simulation::Fail(sim, "CalQMRT", "Zero total internal area found!!");
}

}  // namespace ModRoutine
