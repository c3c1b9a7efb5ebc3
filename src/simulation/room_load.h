#pragma once
// The heat balance of the room air at the end of each time step: whether the
// room floats or is cooled, its air temperature and the sensible and latent
// cooling load of the step (W). Cooling only: a room that would settle below
// its design temperature floats, as does a room outside the operating hours
// of its type; the cooling is limited to the design sensible load of the
// room's air-side system.
#include "common/program.h"

namespace ModRoutine {

using common::Integer;

// Whether a room of type t may be cooled in hour h of the day (0..23, the
// hour from h to h + 1 o'clock): the operating hours of its type; an office
// is closed on day 0 of the week and stops at 13 o'clock on day 6.
bool CoolingHour(const common::SimulationState& sim, Integer h, Integer t);

// h: hour of the day 0..23 (the hour from h to h + 1 o'clock); z, r: zone and
// room; t: the room type. Sets RmAirT, RmAirW, StepSensLd and StepLatLd.
void CalRoomLoad(common::Program& prog, Integer h, Integer z, Integer r, Integer t);

}  // namespace ModRoutine
