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

// All that a project leaves in memory besides its building record and the
// selection, as at start-up: the case records, every result cell, the
// building they were computed for and the per-stage scores, and the energy
// model with its shading masks and file names, the air-side systems, the
// constructions, the central plant, the services and the simulation's
// results and records.
void ClearProjectData(common::Program& prog);

}  // namespace ModCal
