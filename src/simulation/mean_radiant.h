#pragma once
// The room's radiant enclosure: its inside surfaces and which of them see
// each other, for the long-wave exchange of the room step (RoomStepper).
#include "common/program.h"

namespace ModRoutine {

using common::Integer;

// The room's floor: its last floor/ceiling component, 0 when it has none.
// Its node 1 is the room's floor face; without a roof its last node is the
// room's ceiling.
Integer FloorComponent(const common::CoolingLoadModelState& m);

// Sets up the room's enclosure once its components are loaded: the surfaces
// (the components and, for a room without a roof, the ceiling face of its
// floor/ceiling component), which surfaces each one sees, and the exchange
// factors. A surface that sees no area is reported by the room step.
void PrepareEnclosure(common::CoolingLoadModelState& m);

// The failure of the radiant exchange when a surface of the room sees no
// area: "CalQMRT: Zero total internal area found!!"; false.
bool FailZeroInternalArea(common::SimulationState& sim);

}  // namespace ModRoutine
