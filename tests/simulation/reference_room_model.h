#pragma once
// The reference model of a room's one-minute step: the radiant exchange
// (CalQMRT), the wall nodes (StepWallNodes) and the room air (CalRoomLoad),
// written plainly on the model state of a Program, one routine per piece of
// physics, called in that order for each minute. The program runs the same
// physics through ModRoutine::RoomStepper, which is laid out for speed; the
// tests hold the stepper to this model bit for bit, so a change of the
// physics is made in the stepper and here, and checked against each other.
#include "common/program.h"

namespace refmodel {

using common::Integer;

// Sets SurfRefTemp(c, 1) of every component and SurfRefTemp(f, 0) of the
// floor component f from the radiant exchange, the radiant internal gains and
// the solar gains; fails with "CalQMRT: Zero total internal area found!!".
void CalQMRT(common::Program& prog);

// Advances every node of every component by one time step: plane 1 of
// NodeTemp from plane 0 and the surface reference temperatures.
void StepWallNodes(common::Program& prog);

// h: hour of the day 0..23 (the hour from h to h + 1 o'clock); z, r: zone and
// room; t: the room type. Sets RmAirT, RmAirW, StepSensLd and StepLatLd.
void CalRoomLoad(common::Program& prog, Integer h, Integer z, Integer r, Integer t);

}  // namespace refmodel
