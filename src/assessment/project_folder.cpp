#include "assessment/project_folder.h"

#include "common/paths.h"

namespace assessment {

void RestoreProjectFolder(const std::string& projDir) {
  if (projDir.empty()) return;
  std::string dir = common::ToNativeSeparators(projDir);
  if (dir.back() != '/') dir += '/';
  if (common::CurrentFolder() != dir) common::ChangeFolder(dir);
}

}  // namespace assessment
