#include "common/project_paths.h"

#include "common/file_names.h"
#include "common/paths.h"

namespace common {

std::string ResolveProjectFile(const std::string& name, const std::string& projDir,
                               const std::function<bool(const std::string&)>& exists) {
  std::string n = ToNativeSeparators(name);
  std::string dir = ToNativeSeparators(projDir);
  if (exists ? exists(n) : FindExisting(n).has_value()) return n;
  // A full path (as the save dialog returns) is used as it stands.
  if (!n.empty() && n[0] == '/') return n;
  if (n.find(dir) != std::string::npos) return n;
  return dir + n;
}

std::string ResolveReportFile(const std::string& name, const std::string& projDir) {
  std::string n = ToNativeSeparators(name);
  ModInpCtl::ExtractFileName(n);
  if (FindExisting(n)) return n;
  return ToNativeSeparators(projDir) + n;
}

}  // namespace common
