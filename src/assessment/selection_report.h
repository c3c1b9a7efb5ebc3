#pragma once
// The selection summary report: what of the building the assessment takes
// in, from the project's head down to each selected component's elements.
#include "common/program.h"
#include "forms/form.h"

namespace ModCal {

// Writes the report to SelSumFile (project-folder rule) and tells the
// outcome through `owner`'s message boxes. A group or component file that
// fails to read ends the report, which keeps the lines written before.
// True when the whole report was written.
bool WriteSelectionReport(common::Program& prog, forms::Form& owner);

}  // namespace ModCal
