#pragma once
// When a room may be cooled. The room step (RoomStepper) balances the room
// air at the end of each time step: cooling only, a room that would settle
// below its design temperature floats, as does a room outside the operating
// hours of its type.
#include "common/program.h"

namespace ModRoutine {

using common::Integer;

// Whether a room of type t may be cooled in hour h of the day (0..23, the
// hour from h to h + 1 o'clock): the operating hours of its type; an office
// is closed on day 0 of the week and stops at 13 o'clock on day 6.
bool CoolingHour(const common::SimulationState& sim, Integer h, Integer t);

}  // namespace ModRoutine
