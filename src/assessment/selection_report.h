#pragma once
// The selection summary report: what of the building the assessment takes
// in, from the project's head down to each selected component's elements.
#include <string>
#include <vector>

#include "common/program.h"

namespace ModCal {

struct SelectionReportResult {
  bool complete = false;
  std::vector<std::string> messages;  // one message box each, in order
};

// Writes the report to SelSumFile (saved as project files are); the messages tell
// the outcome. A group or component file that fails to read ends the
// report, which keeps the lines written before. Complete when the whole
// report was written.
SelectionReportResult WriteSelectionReport(common::Program& prog);

}  // namespace ModCal
