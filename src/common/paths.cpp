#include "common/paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace common {
namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// The entry of `folder` whose name matches `name` ignoring case.
std::optional<std::string> MatchInFolder(const std::string& folder, const std::string& name) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return std::nullopt;
  std::optional<std::string> found;
  while (dirent* entry = readdir(dir)) {
    if (SameIgnoringCase(entry->d_name, name)) {
      found = entry->d_name;
      break;
    }
  }
  closedir(dir);
  return found;
}

}  // namespace

std::string SettingsFolder() {
  if (const char* home = std::getenv("OSTREVO_HOME"); home && *home) return WithSlash(home);
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return WithSlash(xdg) + "ostrevo/";
  const char* home = std::getenv("HOME");
  return WithSlash(home && *home ? home : ".") + ".config/ostrevo/";
}

void AnchorSettingsFolder() {
  const std::string folder = SettingsFolder();
  if (folder.front() == '/') return;
  std::error_code ec;
  const fs::path absolute = fs::absolute(folder, ec);
  if (!ec) setenv("OSTREVO_HOME", absolute.c_str(), 1);
}

std::string ToNativeSeparators(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

std::string PathIn(const std::string& folder, const std::string& name) {
  std::string n = ToNativeSeparators(name);
  if (!n.empty() && n.front() == '/') return n;
  if (folder.empty()) return {};
  while (n.compare(0, 2, "./") == 0) n.erase(0, 2);
  return WithSlash(ToNativeSeparators(folder)) + n;
}

std::string NameHoldsNulError(const std::string& path) {
  std::string shown;
  for (char c : path) shown += c == '\0' ? std::string("\\0") : std::string(1, c);
  return "the name " + shown + " holds a NUL byte";
}

bool FileExists(const std::string& path) {
  struct stat st;
  return !path.empty() && !HoldsNul(path) && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  if (a.empty() || b.empty() || HoldsNul(a) || HoldsNul(b)) return false;
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool NothingAt(const std::string& rawPath) {
  const std::string path = ToNativeSeparators(rawPath);
  struct stat st;
  if (path.empty() || HoldsNul(path) || stat(path.c_str(), &st) == 0 || errno != ENOENT) return false;
  return !FindExisting(path);
}

bool FolderExists(const std::string& path) {
  struct stat st;
  return !path.empty() && !HoldsNul(path) && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::string> FindExisting(const std::string& rawPath) {
  std::string path = ToNativeSeparators(rawPath);
  if (path.empty()) return std::nullopt;
  if (FileExists(path)) return path;
  // Walk the path part by part, matching each part ignoring case.
  bool absolute = path[0] == '/';
  std::string built = absolute ? "/" : "";
  size_t start = absolute ? 1 : 0;
  while (start <= path.size()) {
    size_t slash = path.find('/', start);
    std::string part = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
    bool last = slash == std::string::npos;
    if (!part.empty()) {
      std::string candidate = built + part;
      struct stat st;
      if (part == "." || part == ".." || stat(candidate.c_str(), &st) == 0) {
        built = candidate;
      } else {
        auto match = MatchInFolder(built, part);
        if (!match) return std::nullopt;
        built += *match;
      }
      if (!last) built += '/';
    }
    if (last) break;
    start = slash + 1;
  }
  if (FileExists(built)) return built;
  return std::nullopt;
}

bool MakeFolder(const std::string& folder) {
  if (HoldsNul(folder)) return false;
  std::error_code ec;
  fs::create_directories(ToNativeSeparators(folder), ec);
  return FolderExists(ToNativeSeparators(folder));
}

bool IsPlainName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of("/\\") == std::string::npos && name.find('\0') == std::string::npos;
}

}  // namespace common
