#include "common/project_paths.h"

#include "common/file_names.h"
#include "common/paths.h"

namespace common {

std::string ResolveProjectFile(const std::string& name, const std::string& projDir) { return PathIn(projDir, name); }

std::string ResolveStoredFile(const std::string& name, const std::string& projDir) {
  std::string bare = name;
  ModInpCtl::ExtractFileName(bare);
  return ResolveProjectFile(bare, projDir);
}

std::string ProjectSaveFile(const std::string& name, const std::string& projDir) {
  return ResolveProjectFile(name, projDir);
}

}  // namespace common
