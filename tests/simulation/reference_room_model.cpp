#include "reference_room_model.h"

#include <array>

#include "simulation/cooling_hour.h"
#include "simulation/load_constants.h"
#include "simulation/mean_radiant.h"
#include "simulation/wall_conduction.h"

namespace refmodel {

using common::Single;
using ModRoutine::kAirDensity;
using ModRoutine::kInsideFilm;
using ModRoutine::kLatentHeat;

void CalQMRT(common::Program& prog) {
  auto& m = prog.sim.load;
  if (!m.EnclosureOk) {
    ModRoutine::FailZeroInternalArea(prog.sim);
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
      node = 1;  // the floor face
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
  // diffuse solar gain, spread over all surfaces (W/m2); in a room without a
  // floor the beam gain too.
  const double qInt = (0.6 * m.LgtFrac * m.RmLgtLd + 0.5 * m.EqpFrac * m.RmEqpLd) / m.SurfTotArea;
  const Single qSol = (f > 0 ? m.DifSolGain[0] : m.DifSolGain[0] + m.BeamSolGain[0]) / m.SurfTotArea;
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

void StepWallNodes(common::Program& prog) {
  auto& m = prog.sim.load;
  const auto& ct = prog.energyInput.cons;
  for (int c = 1; c <= m.CurNFab; ++c) {
    const int L = ct.ConsNLay[m.CurFabCons[c]];
    const int last = m.LayEndNode[c][L];
    const auto& T = m.NodeTemp[0][c];
    auto& Tn = m.NodeTemp[1][c];
    const auto& A = m.NodeCoefA[c];
    const auto& B = m.NodeCoefB[c];
    const auto& C = m.NodeCoefC[c];
    const auto& heat = m.NodeHeat[c];
    // Node n of a plane, 0 and last + 1 being the surface references.
    auto at = [&](const auto& plane, int n) {
      return n == 0 ? m.SurfRefTemp[c][0] : n == last + 1 ? m.SurfRefTemp[c][1] : plane[n];
    };
    // The nodes that hold heat, from the start of the step.
    for (int n = 1; n <= last; ++n) {
      if (!(heat[n] > 0)) continue;
      const auto nb = ModRoutine::HeatNeighbours(heat, last, n);
      Tn[n] = A[n] * at(T, nb.prev) - B[n] * T[n] + C[n] * at(T, nb.next);
    }
    // Then those that hold none, from the same temperatures.
    for (int n = 1; n <= last; ++n) {
      if (heat[n] > 0) continue;
      const auto nb = ModRoutine::HeatNeighbours(heat, last, n);
      Tn[n] = A[n] * at(T, nb.prev) + C[n] * at(T, nb.next);
    }
  }
}

void CalRoomLoad(common::Program& prog, Integer h, Integer z, Integer r, Integer t) {
  auto& sim = prog.sim;
  auto& m = sim.load;
  const auto& ct = prog.energyInput.cons;
  const auto& as = prog.energyInput.ASSys;
  const int f = m.FloorFab;

  // Inside surfaces: conductance to the air and temperature after the step.
  Single sumHA = 0, sumHAT = 0;
  std::array<Single, common::kMaxFabrics + 2> hA{}, tS{};
  int ns = 0;
  for (int c = 1; c <= m.CurNFab; ++c) {
    int node = c == f ? 1 : m.LayEndNode[c][ct.ConsNLay[m.CurFabCons[c]]];
    ++ns;
    hA[ns] = kInsideFilm * m.CurFabArea[c];
    tS[ns] = m.NodeTemp[1][c][node];
  }
  if (!m.HasRoof && f > 0) {
    // The ceiling face of the floor component.
    ++ns;
    hA[ns] = hA[f];
    tS[ns] = m.NodeTemp[1][f][m.LayEndNode[f][ct.ConsNLay[m.CurFabCons[f]]]];
  }
  for (int i = 1; i <= ns; ++i) {
    sumHA = sumHA + hA[i];
    sumHAT = sumHAT + hA[i] * tS[i];
  }
  // Convective gains: occupants 65 W each, 0.4 of the lighting, 0.5 of the equipment.
  const Single gains =
      static_cast<Single>(65.0 * m.RmOcc * m.OccFrac + 0.4 * m.RmLgtLd * m.LgtFrac + 0.5 * m.RmEqpLd * m.EqpFrac);

  // Free floating with the plant off: infiltration 0.6 air changes per hour,
  // air 1020 J/(m3 K).
  const Single flowOff = static_cast<Single>(m.RmVol * 0.6 / 3600);
  const Single uaOff = 1020 * flowOff;
  const Single tFree = (sim.OutTdb * uaOff + sumHAT + gains) / (sumHA + uaOff);
  m.RmAirT = tFree;
  m.StepSensLd = 0;
  m.StepLatLd = 0;
  if (tFree < m.RmSetT) return;

  if (!ModRoutine::CoolingHour(sim, h, t)) return;

  // Cooled at the design state; infiltration 0.12 air changes per hour.
  const Single flowOn = static_cast<Single>(m.RmVol * 0.12 / 3600);
  const Single uaOn = 1020 * flowOn;
  m.RmAirW = m.RmSetW;
  m.RmAirT = m.RmSetT;
  Single qSurf = 0;
  for (int i = 1; i <= ns; ++i) qSurf = qSurf + hA[i] * (tS[i] - m.RmAirT);
  m.StepSensLd = (sim.OutTdb - m.RmAirT) * uaOn + qSurf + gains;
  // Latent: the water the infiltrating air brings in (1.2 kg/m3 of air,
  // 2,501,000 J/kg to condense it) and 55 W a person.
  m.StepLatLd =
      (sim.OutW - m.RmAirW) * flowOn * kAirDensity * kLatentHeat + 55 * static_cast<Single>(m.RmOcc) * m.OccFrac;

  // The air-side system delivers at most its design sensible load (kW).
  const Single cap = as.DsgSensLd[0][z][r] * 1000;
  if (cap < m.StepSensLd) {
    m.StepSensLd = cap;
    m.StepLatLd = (as.DsgTotLd[0][z][r] - as.DsgSensLd[0][z][r]) * 1000;
    m.RmAirT = (sim.OutTdb * uaOn + sumHAT + gains - m.StepSensLd) / (uaOn + sumHA);
  }
}

}  // namespace refmodel
