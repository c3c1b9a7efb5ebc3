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

}  // namespace ModCal
