#include "simulation/room_load.h"

#include "simulation/load_constants.h"
#include "simulation/solar.h"

namespace ModRoutine {

bool CoolingHour(const common::SimulationState& sim, Integer h, Integer t) {
  int start = sim.SchedHrs[0][t], stop = sim.SchedHrs[1][t];
  if (t == kOfficeRoom) {
    if (sim.DayOfWeek == 0) start = 25, stop = -1;
    if (sim.DayOfWeek == 6) stop = 13;
  }
  return !(h < start || h + 1 > stop);
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
    int node = c == f ? m.LayEndNode[c][1] : m.LayEndNode[c][ct.ConsNLay[m.CurFabCons[c]]];
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

  if (!CoolingHour(sim, h, t)) return;

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

}  // namespace ModRoutine
