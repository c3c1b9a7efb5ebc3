#pragma once
// Files as one calculation run sees them: nothing changes them while a run
// goes on, so each folder is listed once (names are then looked up in that
// list, exactly or ignoring case) and each file is read once.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace common {

// Hashing that lets a std::string table be searched with a string_view.
struct TextHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
template <class V>
using TextMap = std::unordered_map<std::string, V, TextHash, std::equal_to<>>;
using TextSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;

class FileCache {
 public:
  // The name of an existing file for `path`, as FindExisting finds it.
  std::optional<std::string> Find(std::string_view path);
  // The whole text of the file at `path`; nullopt with the reason when it
  // cannot be read.
  const std::optional<std::string>& Text(const std::string& path, std::string* error = nullptr);
  // A stored file name turned into a path by the project-folder rule.
  const std::string& Resolve(const std::string& name, const std::string& projDir);
  // A stored group, component or element file name turned into a path by
  // ResolveStoredFile.
  const std::string& ResolveStored(const std::string& name, const std::string& projDir);

 private:
  struct Entry {
    std::optional<std::string> text;
    std::string error;
  };
  // The regular files of a folder: their names, and lower-cased name ->
  // name as the folder spells it.
  struct FolderIndex {
    bool listed = false;
    TextSet names;
    TextMap<std::string> lowered;
  };
  const FolderIndex& Index(std::string_view folder);
  const std::string& Resolved(TextMap<std::string>& memo, const std::string& name, const std::string& projDir,
                              bool stored);

  TextMap<Entry> texts_;
  std::string projDir_;  // the folder the resolved names are for
  TextMap<std::string> resolved_, resolvedStored_;
  TextMap<FolderIndex> folders_;
};

}  // namespace common
