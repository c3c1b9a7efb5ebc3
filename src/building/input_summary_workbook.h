#pragma once
// The input summary as a workbook: one sheet named after the project with
// a table of three sections (foundations, floors, services), one row per
// input item of every element, with the group, component and element
// names and the element type on the row of their first item.
#include <string>

#include "common/building_state.h"
#include "forms/form.h"

namespace ModInpCtl {

// The file the workbook is saved in for the name chosen in the dialog: the
// workbook is .xlsx content, so a name ending in ".xls" becomes ".xlsx" and
// any other name not ending in ".xlsx" gets ".xlsx" appended.
std::string WorkbookFileName(const std::string& chosen);

// Builds the workbook through `owner`'s platform and saves it as
// InpSumFile; every outcome is told in `owner`'s message boxes. Nothing is
// saved when a failure ends it. True when the workbook was saved.
bool WriteInputSummaryExcel(common::BuildingState& st, forms::Form& owner);

}  // namespace ModInpCtl
