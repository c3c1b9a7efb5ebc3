#pragma once
// After a file dialog: make the project folder current again when one is
// set and another folder is current, so bare project file names keep
// resolving there.
#include <string>

namespace assessment {

void RestoreProjectFolder(const std::string& projDir);

}  // namespace assessment
