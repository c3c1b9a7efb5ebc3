#include "common/file_cache.h"

#include <dirent.h>

#include "common/file_names.h"
#include "common/paths.h"
#include "common/project_paths.h"

namespace common {

const FileCache::FolderIndex& FileCache::Index(std::string_view folder) {
  auto it = folders_.find(folder);
  if (it != folders_.end()) return it->second;
  FolderIndex index;
  std::string dirName(folder.empty() ? std::string_view(".") : folder);
  if (DIR* dir = opendir(dirName.c_str())) {
    index.listed = true;
    std::string prefix(folder);
    while (dirent* entry = readdir(dir)) {
      std::string name = entry->d_name;
      bool regular = entry->d_type == DT_REG ||
                     ((entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) && FileExists(prefix + name));
      if (!regular) continue;
      std::string key = name;
      ModInpCtl::ToLowerCase(key);
      index.lowered.emplace(std::move(key), name);
      index.names.insert(std::move(name));
    }
    closedir(dir);
  }
  return folders_.emplace(std::string(folder), std::move(index)).first->second;
}

std::optional<std::string> FileCache::Find(std::string_view rawPath) {
  std::string path = ToNativeSeparators(std::string(rawPath));
  if (path.empty()) return std::nullopt;  // a name with no folder to be in
  const size_t sep = path.find_last_of('/');
  const std::string_view folder =
      sep == std::string::npos ? std::string_view() : std::string_view(path).substr(0, sep + 1);
  const std::string_view name = std::string_view(path).substr(folder.size());
  const FolderIndex& index = Index(folder);
  if (!index.listed) return FindExisting(path);  // a folder spelt in another case, or unreadable
  if (index.names.find(name) != index.names.end()) return path;
  std::string key(name);
  ModInpCtl::ToLowerCase(key);
  auto match = index.lowered.find(key);
  if (match == index.lowered.end()) return std::nullopt;
  return std::string(folder) + match->second;
}

const std::optional<std::string>& FileCache::Text(const std::string& path, std::string* error) {
  auto it = texts_.find(path);
  if (it == texts_.end()) {
    // The exact name first (callers mostly pass names found already),
    // then the name as the folder spells it.
    Entry entry;
    entry.text = ReadExactOrFound(
        path, [this](const std::string& native) { return Find(native); }, &entry.error);
    it = texts_.emplace(path, std::move(entry)).first;
  }
  if (error && !it->second.text) *error = it->second.error;
  return it->second.text;
}

const std::string& FileCache::Resolved(TextMap<std::string>& memo, const std::string& name, const std::string& projDir,
                                       bool stored) {
  if (projDir != projDir_) {
    resolved_.clear();
    resolvedStored_.clear();
    projDir_ = projDir;
  }
  auto it = memo.find(name);
  if (it == memo.end())
    it = memo.emplace(name, stored ? ResolveStoredFile(name, projDir) : ResolveProjectFile(name, projDir)).first;
  return it->second;
}

const std::string& FileCache::Resolve(const std::string& name, const std::string& projDir) {
  return Resolved(resolved_, name, projDir, false);
}

const std::string& FileCache::ResolveStored(const std::string& name, const std::string& projDir) {
  return Resolved(resolvedStored_, name, projDir, true);
}

}  // namespace common
