#include "assessment/selection_report.h"

namespace ModCal {

// The report's contents come with the selection tables; until then the
// command writes nothing.
void WriteSelectionReport(common::Program& prog, forms::Form& owner) {
  (void)prog;
  (void)owner;
}

}  // namespace ModCal
