#pragma once
// The selection summary report: what of the building the assessment takes in.
#include "common/program.h"
#include "forms/form.h"

namespace ModCal {

// Writes the selection summary report to SelSumFile; a file that cannot be
// written is reported through `owner`'s message box.
void WriteSelectionReport(common::Program& prog, forms::Form& owner);

}  // namespace ModCal
