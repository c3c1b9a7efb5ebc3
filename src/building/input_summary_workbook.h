#pragma once
// The input summary as a workbook: one sheet named after the project with
// a table of three sections (foundations, floors, services), one row per
// input item of every element, with the group, component and element
// names and the element type on the row of their first item.
#include <string>

#include "building/command_dialogs.h"
#include "common/building_state.h"
#include "common/workbook.h"

namespace ModInpCtl {

// The file the workbook is saved in for the name chosen in the dialog: the
// workbook is .xlsx content, so a name ending in ".xls" becomes ".xlsx" and
// any other name not ending in ".xlsx" gets ".xlsx" appended.
std::string WorkbookFileName(const std::string& chosen);

// Fills `book` (the platform's new workbook; nullptr when it can make none)
// and saves it as InpSumFile; the message tells the outcome. Nothing is
// saved when a failure ends it. Done when the workbook was saved.
building::CommandResult WriteInputSummaryExcel(common::BuildingState& st, common::Workbook* book);

}  // namespace ModInpCtl
