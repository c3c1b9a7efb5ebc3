#pragma once
// The one way a routine of the simulation reports a failure: through SimErr
// and SimErrMsg of the simulation state it works in. Every simulation
// thread has a state of its own, so a report never crosses threads; the
// run takes the first failure in room order from them.
//
// The routine is named where the error is raised and the message composed
// here as "NAME: text". A model whose solver or pump model failed adds its
// own reason after the callee's, " NAME: text", so that one line shows both.
#include <string_view>

#include "common/simulation_state.h"

namespace simulation {

// SimErr = -1 and SimErrMsg = "routine: text". False, so that a routine
// can return it.
bool Fail(common::SimulationState& sim, std::string_view routine, std::string_view text);

// After a routine it called has failed: " routine: text" is added to the
// callee's message; SimErr stays as the callee set it. False.
bool FailAfter(common::SimulationState& sim, std::string_view routine, std::string_view text);

// A failure composed in another simulation state (a simulation thread's),
// reported here as it stands. False.
bool FailAs(common::SimulationState& sim, std::string_view message);

}  // namespace simulation
