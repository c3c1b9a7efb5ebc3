#pragma once
// The input summary report: a text file listing everything put into the
// project, from the project's head down through every group, component
// and element to each element's input items, read from the project's files.
#include "building/command_dialogs.h"
#include "common/building_state.h"

namespace ModInpCtl {

// Writes the report to InpSumFile (saved as project files are); the message tells
// the outcome. A file that fails to read ends the report, which keeps the
// lines written before. Done when the whole report was written.
building::CommandResult WriteInputSummary(common::BuildingState& st);

}  // namespace ModInpCtl
