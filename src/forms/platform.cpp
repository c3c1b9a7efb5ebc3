#include "forms/platform.h"

#include "common/file_names.h"

namespace forms {

FileDialogRequest Platform::WithStartFolder(const FileDialogRequest& request) const {
  if (!request.initialFolder.empty() || !projectFolder_) return request;
  std::string presetFolder = request.fileName;
  ModInpCtl::ExtractDirectory(presetFolder);
  if (!presetFolder.empty()) return request;
  FileDialogRequest started = request;
  started.initialFolder = projectFolder_();
  return started;
}

std::optional<std::string> Platform::OpenFileDialog(const FileDialogRequest& request) {
  return ShowOpenDialog(WithStartFolder(request));
}

std::optional<std::string> Platform::SaveFileDialog(const FileDialogRequest& request) {
  return ShowSaveDialog(WithStartFolder(request));
}

std::vector<FilterEntry> ParseFilter(const std::string& filter) {
  std::vector<FilterEntry> out;
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= filter.size() && !filter.empty()) {
    size_t bar = filter.find('|', start);
    parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  for (size_t i = 0; i + 1 < parts.size(); i += 2) out.push_back({parts[i], parts[i + 1]});
  if (parts.size() % 2 == 1 && !parts.back().empty()) out.push_back({parts.back(), "*"});
  return out;
}

}  // namespace forms
