#include "common/project_paths.h"

#include "common/file_names.h"
#include "common/paths.h"

namespace common {

std::string ResolveProjectFile(const std::string& name, const std::string& projDir,
                               const std::function<bool(const std::string&)>& exists) {
  std::string n = ToNativeSeparators(name);
  std::string dir = ToNativeSeparators(projDir);
  auto there = [&](const std::string& path) { return exists ? exists(path) : FindExisting(path).has_value(); };
  // A full path (as the save dialog returns), or a name that holds the
  // project folder already (always so with no project folder), stands.
  const bool stands = (!n.empty() && n[0] == '/') || n.find(dir) != std::string::npos;
  // The project folder comes first; the current folder is only a fallback,
  // so a folder that a dialog made current never stands in for the project's.
  if (!stands && there(dir + n)) return dir + n;
  if (stands || there(n)) return n;
  return dir + n;
}

std::string ResolveStoredFile(const std::string& name, const std::string& projDir,
                              const std::function<bool(const std::string&)>& exists) {
  std::string bare = name;
  ModInpCtl::ExtractFileName(bare);
  return ResolveProjectFile(bare, projDir, exists);
}

std::string ProjectSaveFile(const std::string& name, const std::string& projDir) {
  std::string n = ToNativeSeparators(name);
  if (projDir.empty() || (!n.empty() && n[0] == '/')) return n;
  return ToNativeSeparators(projDir) + n;
}

}  // namespace common
