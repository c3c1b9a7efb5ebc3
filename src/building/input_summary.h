#pragma once
// The input summary report: a text file listing everything put into the
// project, from the project's head down through every group, component
// and element to each element's input items, read from the project's files.
#include "common/building_state.h"
#include "forms/form.h"

namespace ModInpCtl {

// Writes the report to InpSumFile (project-folder rule) and tells the
// outcome through `owner`'s message boxes. A file that fails to read ends
// the report, which keeps the lines written before. True when the whole
// report was written.
bool WriteInputSummary(common::BuildingState& st, forms::Form& owner);

}  // namespace ModInpCtl
