#pragma once
// The selection for assessment: resets of whole branches to all or none,
// and the texts shown for a factor and a flag.
#include <string>

#include "common/assessment_state.h"

namespace ModCal {

// Each reset takes the skip value s: non-zero means none (factors 0, flags
// off), 0 means all (factors 1.0, flags on).
void ResetAllSelections(common::SelectionTables& sel);
void ResetFdnSelection(common::SelectionTables& sel, common::Integer s);
void ResetFlrSelection(common::SelectionTables& sel, common::Integer s);
void ResetSerSelection(common::SelectionTables& sel, common::Integer s);
void ResetFdnCompSelection(common::SelectionTables& sel, int g, common::Integer s);
void ResetFlrCompSelection(common::SelectionTables& sel, int g, common::Integer s);
void ResetSerCompSelection(common::SelectionTables& sel, int g, common::Integer s);
void ResetFdnElmSelection(common::SelectionTables& sel, int g, int c, common::Integer s);
void ResetFlrElmSelection(common::SelectionTables& sel, int g, int c, common::Integer s);
void ResetSerElmSelection(common::SelectionTables& sel, int g, int c, common::Integer s);

// "All" for 1.0, "Some" for 0.5, "None" for 0, "" otherwise.
std::string SelectionText(common::Single v);
// "Yes" when non-zero, "No" when 0.
std::string YesNoText(int flag);

}  // namespace ModCal
