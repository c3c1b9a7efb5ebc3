#include "simulation/load_constants.h"

#include <algorithm>

namespace ModRoutine {
namespace {

// Fractions of occupants, lighting and equipment present in hours 1..24
// (the hour ending at h o'clock) for room types 1..4.
constexpr Single kOcc[4][24] = {
    {0,     0,     0,     0,     0,     0,    0,     0.05f, 0.4f,  0.95f, 0.95f, 0.95f,
     0.95f, 0.45f, 0.95f, 0.95f, 0.95f, 0.5f, 0.25f, 0.1f,  0.05f, 0,     0,     0},
    {0,     0,     0,     0,     0,     0,     0,     0,     0,     0.25f, 0.25f, 0.25f,
     0.75f, 0.75f, 0.25f, 0.25f, 0.25f, 0.25f, 0.75f, 0.75f, 0.75f, 0.75f, 0,     0},
    {0,    0,    0,     0,     0,     0,     0.6f,  0.6f,  0.6f,  0.6f,  0.6f,  0.9f,
     0.9f, 0.9f, 0.05f, 0.05f, 0.05f, 0.05f, 0.75f, 0.75f, 0.75f, 0.75f, 0.05f, 0.05f},
    {0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0.2f,  0.2f,  0.2f,  0.2f,
     0.2f,  0.2f,  0.2f,  0.2f,  0.2f,  0.2f,  0.2f,  0.2f,  0.95f, 0.95f, 0.95f, 0.95f},
};
constexpr Single kLgt[4][24] = {
    {0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.1f, 0.5f, 1,     1,     1,
     1,     0.9f,  1,     1,     1,     0.8f,  0.5f,  0.3f, 0.2f, 0.05f, 0.05f, 0.05f},
    {0,     0,     0,     0,     0,     0,     0,     0,     0,     0,     0.95f, 0.95f,
     0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0.95f, 0,     0},
    {0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.9f,  0.9f,  0.9f,  0.9f,  0.9f,  0.9f,
     0.9f, 0.9f, 0.9f, 0.5f, 0.5f, 0.5f, 0.95f, 0.95f, 0.95f, 0.95f, 0.75f, 0.25f},
    {0.2f,  0.2f,  0.2f,  0.2f,  0.2f,  0.2f,  0.2f,  0.2f,  0.35f, 0.35f, 0.35f, 0.35f,
     0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.9f,  0.9f,  0.9f,  0.9f},
};
constexpr Single kEqp[4][24] = {
    {0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.15f, 0.5f,  1,    1,    1,
     1,    0.8f, 1,    1,    1,    0.6f, 0.4f, 0.2f,  0.15f, 0.1f, 0.1f, 0.1f},
    {0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.75f, 0.75f,
     0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.05f, 0.05f},
    {0.1f,  0.1f,  0.1f, 0.1f, 0.1f, 0.1f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f,
     0.75f, 0.75f, 0.6f, 0.6f, 0.6f, 0.6f, 0.75f, 0.75f, 0.75f, 0.75f, 0.1f,  0.1f},
    {0.3f,  0.3f,  0.3f,  0.3f,  0.3f,  0.3f,  0.3f,  0.3f,  0.35f, 0.35f, 0.35f, 0.35f,
     0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.6f,  0.6f,  0.6f,  0.6f},
};

}  // namespace

void SetSchedHrs(common::SimulationState& sim) {
  // Start and stop hour of the air conditioning by room type; type 0 (not
  // set) is 0 and 0, Non-AC rooms (24 to 0) are never cooled.
  constexpr Integer start[6] = {0, 8, 9, 6, 0, 24};
  constexpr Integer stop[6] = {0, 19, 22, 24, 24, 0};
  for (int t = 0; t <= kMaxRoomType; ++t) {
    sim.SchedHrs[0][t] = start[t];
    sim.SchedHrs[1][t] = stop[t];
  }
}

void SetZoneOpHrs(const common::EnergyModel& em, common::SimulationState& sim) {
  sim.ZnOpHrs[0][0] = 25;
  sim.ZnOpHrs[1][0] = -1;
  for (int z = 1; z <= em.NoOfZn; ++z) {
    sim.ZnOpHrs[0][z] = 25;
    sim.ZnOpHrs[1][z] = -1;
    for (int r = 1; r <= em.ZnNRm[z]; ++r) {
      const int t = em.RmType[z][r];
      sim.ZnOpHrs[0][z] = std::min(sim.ZnOpHrs[0][z], sim.SchedHrs[0][t]);
      sim.ZnOpHrs[1][z] = std::max(sim.ZnOpHrs[1][z], sim.SchedHrs[1][t]);
    }
    sim.ZnOpHrs[0][0] = std::min(sim.ZnOpHrs[0][0], sim.ZnOpHrs[0][z]);
    sim.ZnOpHrs[1][0] = std::max(sim.ZnOpHrs[1][0], sim.ZnOpHrs[1][z]);
  }
}

void SetLoadModelDefaults(common::SimulationState& sim) {
  SetSchedHrs(sim);
  auto& m = sim.load;
  for (int t = 0; t <= kMaxRoomType; ++t) {
    for (int h = 0; h <= 24; ++h) {
      bool given = t >= 1 && t <= 4 && h >= 1;
      m.OccSched[t][h] = given ? kOcc[t - 1][h - 1] : 0;
      m.LgtSched[t][h] = given ? kLgt[t - 1][h - 1] : 0;
      m.EqpSched[t][h] = given ? kEqp[t - 1][h - 1] : 0;
    }
  }
  m.GlassTransCoef = {-0.00885f, 2.71235f, -0.62062f, -7.07329f, 9.75995f, -3.89922f};
  m.GlassDifTrans = 0.79901f;
}

Single FilmCoef(bool inside) { return inside ? kInsideFilm : kOutsideFilm; }

}  // namespace ModRoutine
