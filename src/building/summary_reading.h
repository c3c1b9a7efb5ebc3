#pragma once
// How the input summaries and the selection summary read the project's
// group, component and element files: the stored name cut to its file part
// (kept in CurFileName), the file found by the reports' form of the
// project-folder rule, and the record read into the same records the
// editors use (CurGrp, CurComp, CurElm), which the summaries leave holding
// the last ones read. The kind code on line 2 is taken as the file gives
// it: a group file sets GrpType; component and element files are not
// checked against it.
#include <string>

#include "common/building_state.h"
#include "common/file_cache.h"

namespace building {

// Each returns false, leaving its record as it was, when the file is
// missing or cannot be read whole; `description` then tells why.

// Reads into CurGrp and GrpType and sets the component type names of the
// group type.
bool ReadSummaryGroup(common::BuildingState& st, const std::string& storedName, common::FileCache& files,
                      std::string& description);
// Reads into CurComp, makes its type CompTypeIdx and loads the element
// library of the group and component type; false also when the library
// cannot be opened.
bool ReadSummaryComponent(common::BuildingState& st, const std::string& storedName, common::FileCache& files,
                          std::string& description);
// Reads into CurElm.
bool ReadSummaryElement(common::BuildingState& st, const std::string& storedName, common::FileCache& files,
                        std::string& description);

// The name of element type `typeNo` in the loaded library; false when the
// library holds no such type.
bool LibraryTypeName(const common::ElementLibrary& lib, int typeNo, std::string& name);

}  // namespace building
