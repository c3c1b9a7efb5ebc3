#pragma once
// Clearing the results: by kind before a run, and everything of the
// project when it is closed.
#include "common/program.h"

namespace ModCal {

constexpr int kModeAssessment = 0;
constexpr int kModeCosting = 3;

// Mode below 3: every impact, energy and waste cell of LCAResult and
// GroupResult is set to 0; mode 3: every cost cell; other modes nothing.
void ClearResults(common::AssessmentState& assess, int mode);

// The case records, every result cell, the operating-energy results, the
// annual energy of the plant's and services' systems and the five
// energy-model file paths.
void ClearProjectResults(common::Program& prog);

// All that a project leaves in memory besides its building record and the
// selection, as at start-up: the project's results as above with the
// per-stage scores, and the energy model with its shading masks, the
// air-side systems, the constructions, the central plant, the services and
// the simulation's records.
void ClearProjectData(common::Program& prog);

}  // namespace ModCal
