#pragma once
// Texts of files read once and kept, for the length of one calculation run:
// nothing changes the files while a run goes on, so every later read of the
// same name gives what the first read gave.
#include <optional>
#include <string>
#include <unordered_map>

namespace common {

class FileCache {
 public:
  // The whole text of the file at `path` (found as ReadWholeFile finds it);
  // nullopt with the reason when it cannot be read.
  const std::optional<std::string>& Text(const std::string& path, std::string* error = nullptr);
  // A stored file name turned into a path by the project-folder rule.
  const std::string& Resolve(const std::string& name, const std::string& projDir);

 private:
  struct Entry {
    std::optional<std::string> text;
    std::string error;
  };
  std::unordered_map<std::string, Entry> texts_;
  std::unordered_map<std::string, std::string> resolved_;
};

}  // namespace common
