#pragma once
// The platform's spreadsheet workbook is the program-wide one of
// common/workbook.h: the reports that fill it need no window.
#include "common/workbook.h"

namespace forms {

using Workbook = common::Workbook;

}  // namespace forms
