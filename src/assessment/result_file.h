#pragma once
// The result file (.RES): a case's building record head and all its
// characterised results (whole building and parts, floor and services
// types, every group in use), one record per line.
#include <string>

#include "common/building_state.h"
#include "common/result_records.h"

namespace assessment {

// The three inputs of a case as the results window keeps them.
struct CaseData {
  common::BldgRec Bldg;
  common::LCAResultRec LCAResult;
  common::GroupResultRec GroupResult;
};

// Saves a result file at `path`: 635 lines for a building without groups,
// and 71 more for each group. A result that is not a finite number (an
// overflow) is never written: the save is refused, naming the field, and
// the file stays as it was. False with the reason.
bool WriteResultFile(const std::string& path, const CaseData& data, std::string& error);

// Reads a result file over `data`: fields the file does not hold (the
// floor area, group rows and group results beyond the counts) keep their
// values. All or nothing: on any fault (a count beyond its list, a missing
// or malformed item, text left over) `data` is unchanged and `error` says
// why.
bool ParseResultFile(const std::string& text, CaseData& data, std::string& error);

// The proposed name of a result file for case 0 (reference, "_R"),
// 1 (alternative, "_A") or 2 (current, "_C"): the file part of the project
// file less its last four characters, the case suffix and ".RES". Empty
// when the file part is shorter than four characters.
std::string DefaultResultFileName(const std::string& projFile, int caseNo);

}  // namespace assessment
