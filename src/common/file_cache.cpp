#include "common/file_cache.h"

#include "common/paths.h"
#include "common/project_paths.h"

namespace common {

const std::optional<std::string>& FileCache::Text(const std::string& path, std::string* error) {
  auto it = texts_.find(path);
  if (it == texts_.end()) {
    Entry entry;
    entry.text = ReadWholeFile(path, &entry.error);
    it = texts_.emplace(path, std::move(entry)).first;
  }
  if (error && !it->second.text) *error = it->second.error;
  return it->second.text;
}

const std::string& FileCache::Resolve(const std::string& name, const std::string& projDir) {
  std::string key = projDir + '\n' + name;
  auto it = resolved_.find(key);
  if (it == resolved_.end()) it = resolved_.emplace(key, ResolveProjectFile(name, projDir)).first;
  return it->second;
}

}  // namespace common
