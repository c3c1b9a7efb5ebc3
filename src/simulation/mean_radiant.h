#pragma once
// Long-wave radiant exchange between the inside surfaces of the room and the
// temperature that drives each component's room-side face.
#include "common/program.h"

namespace ModRoutine {

// Sets up the room's enclosure once its components are loaded: the surfaces
// (the components and, for a room without a roof, the ceiling face of its
// floor/ceiling component), which surfaces each one sees, and the exchange
// factors. A surface that sees no area is reported by CalQMRT.
void PrepareEnclosure(common::CoolingLoadModelState& m);

// CalQMRT's failure when a surface of the room sees no area; false. The
// room step, which does CalQMRT's work, reports it the same way.
bool FailZeroInternalArea(common::SimulationState& sim);

// Sets SurfRefTemp(c, 1) of every component and SurfRefTemp(f, 0) of the
// floor component f from the radiant exchange, the radiant internal gains and
// the solar gains; fails with "CalQMRT: Zero total internal area found!!".
void CalQMRT(common::Program& prog);

}  // namespace ModRoutine
