#pragma once
// Constants of the cooling-load model: operating hours and hourly schedules
// per room type, the glass transmittance polynomial and the surface film
// coefficients.
#include "common/energy_input_state.h"
#include "common/simulation_state.h"

namespace ModRoutine {

using common::Integer;
using common::Single;

// Room types: 0 not set, 1 Office, 2 Retail, 3 Restaurant, 4 Hotel Guest Room, 5 Non-AC.
constexpr int kOfficeRoom = 1;
constexpr int kNonACRoom = 5;
constexpr int kMaxRoomType = 5;

// Fixed values of the wall and room model.
constexpr Single kTimeStep = 60;         // s
constexpr Single kOutsideFilm = 17;      // W/m2K
constexpr Single kInsideFilm = 8.3f;     // W/m2K
constexpr Single kAirDensity = 1.2f;     // kg/m3
constexpr Single kLatentHeat = 2501000;  // J/kg, of water vapour at 0 degC

// Sets SchedHrs, OccSched, LgtSched, EqpSched, GlassTransCoef and GlassDifTrans.
void SetLoadModelDefaults(common::SimulationState& sim);
// Sets only the operating hours SchedHrs of the room types.
void SetSchedHrs(common::SimulationState& sim);
// Sets the operating hours ZnOpHrs of the zones from SchedHrs: per zone the
// earliest start and latest stop of its rooms' types, in column 0 those of
// all zones (25 and -1 where there are none).
void SetZoneOpHrs(const common::EnergyModel& em, common::SimulationState& sim);
// Surface film coefficient: 8.3 inside, 17 outside (W/m2K).
Single FilmCoef(bool inside);

}  // namespace ModRoutine
