#include "common/file_names.h"

namespace ModInpCtl {

void ExtractDirectory(std::string& path) {
  size_t sep = path.find_last_of("/\\");
  if (sep == std::string::npos) {
    path.clear();
  } else {
    path.resize(sep + 1);
  }
}

void ExtractFileName(std::string& path) {
  std::string dir = path;
  ExtractDirectory(dir);
  path.erase(0, dir.size());
}

void ToLowerCase(std::string& text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

}  // namespace ModInpCtl
