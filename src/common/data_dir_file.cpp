#include "common/data_dir_file.h"

#include "common/data_file.h"
#include "common/paths.h"

namespace common {

std::string DataDirFilePath() { return SettingsFolder() + "Ostrevo_Str.TXT"; }

std::optional<std::string> ReadDataDirFile() {
  auto text = ReadWholeFile(DataDirFilePath(), nullptr, kMaxDataDirFileBytes);
  if (!text) return std::nullopt;
  DataReader in(std::move(*text));
  std::string folder;
  if (!in.Read(folder) || folder.empty()) return std::nullopt;
  folder = PathIn(SettingsFolder(), folder);
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace common
