#include "simulation/mean_radiant.h"

#include <cmath>

#include "simulation/load_constants.h"
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

void PrepareEnclosure(common::CoolingLoadModelState& m) {
  m.HasRoof = false;
  m.FloorFab = 0;
  for (int c = 1; c <= m.CurNFab; ++c) {
    if (m.CurFabType[c] == kRoof) m.HasRoof = true;
    if (m.CurFabType[c] == kFloorCeiling) m.FloorFab = static_cast<Integer>(c);
  }
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

void CalQMRT(common::Program& prog) {
  auto& m = prog.sim.load;
  if (!m.EnclosureOk) {
    FailZeroInternalArea(prog.sim);
    return;
  }
  const auto& ct = prog.energyInput.cons;
  const int ns = m.NoOfSurf;
  const int f = m.FloorFab;
  // Surface temperatures in kelvin.
  std::array<double, common::kMaxSurfaces + 1> tk{};
  for (int i = 1; i <= ns; ++i) {
    int node;
    int c = i <= m.CurNFab ? i : f;
    if (i > m.CurNFab)
      node = m.LayEndNode[f][ct.ConsNLay[m.CurFabCons[f]]];
    else if (i == f)
      node = m.LayEndNode[f][1];
    else
      node = m.LayEndNode[c][ct.ConsNLay[m.CurFabCons[c]]];
    tk[i] = m.NodeTemp[0][c][node] + 273.15;
  }
  // Net long-wave flux leaving each surface (W/m2).
  std::array<double, common::kMaxSurfaces + 1> q{};
  double total = 0;
  for (int i = 1; i <= ns; ++i) {
    double sum = 0;
    for (int j = 1; j <= ns; ++j)
      if (m.SurfSees[i][j]) sum += m.SurfArea[j] * tk[j];
    Single tOth = static_cast<Single>(sum / m.SurfOthArea[i]);
    double tm = (tOth + tk[i]) / 2;
    q[i] = m.SurfExchFtr[i] * 5.67e-8 * 4 * (tm * tm * tm) * (tk[i] - tOth);
    total += m.SurfArea[i] * q[i];
  }
  // The exchange only moves heat between the surfaces: what the simple
  // two-surface estimates leave unbalanced is taken evenly off every
  // surface, so that the area-weighted sum is zero.
  for (int i = 1; i <= ns; ++i) q[i] -= total / m.SurfTotArea;

  // Radiant parts of the lighting (0.6) and equipment (0.5) gains and the
  // diffuse solar gain, spread over all surfaces (W/m2).
  const double qInt = (0.6 * m.LgtFrac * m.RmLgtLd + 0.5 * m.EqpFrac * m.RmEqpLd) / m.SurfTotArea;
  const Single qSol = m.DifSolGain[0] / m.SurfTotArea;
  const Single hi = kInsideFilm;
  for (int c = 1; c <= m.CurNFab; ++c) {
    if (c == f) {
      // The whole beam gain falls on the floor.
      m.SurfRefTemp[f][0] =
          static_cast<Single>((qSol + qInt - q[f]) / hi + m.RmAirT + m.BeamSolGain[0] / (hi * m.CurFabArea[f]));
      m.SurfRefTemp[f][1] = m.HasRoof ? m.RmSetT : static_cast<Single>((qSol + qInt - q[ns]) / hi + m.RmAirT);
    } else {
      m.SurfRefTemp[c][1] = static_cast<Single>((qSol + qInt - q[c]) / hi + m.RmAirT);
    }
  }
}

}  // namespace ModRoutine
