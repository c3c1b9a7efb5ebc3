#include "forms/platform.h"

#include <cctype>

#include "common/file_names.h"
#include "common/paths.h"

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

namespace {

// The name with `ext` after it unless it ends in `ext` in lower or in
// upper case already.
std::string WithExtension(std::string name, const std::string& ext) {
  std::string upper = ext;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (!name.ends_with(ext) && !name.ends_with(upper)) name += ext;
  return name;
}

}  // namespace

std::optional<std::string> Platform::SaveFileDialog(const FileDialogRequest& request) {
  FileDialogRequest shown = WithStartFolder(request);
  for (;;) {
    auto chosen = ShowSaveDialog(shown);
    if (chosen && !request.addedExtension.empty()) chosen = WithExtension(*chosen, request.addedExtension);
    if (!chosen || request.readsChosenFile || !common::FileExists(*chosen) ||
        common::SameFile(*chosen, request.ownFile))
      return chosen;
    std::string name = *chosen;
    ModInpCtl::ExtractFileName(name);
    if (MessageBox(name + " already exists.\nDo you want to replace it?", MsgButtons::YesNo, "") == MsgResult::Yes)
      return chosen;
    shown.fileName = *chosen;  // back to the dialog, on the name refused
  }
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
