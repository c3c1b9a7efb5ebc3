#include "common/paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    return WithSlash(xdg) + "ostrevo/";
  const char* home = std::getenv("HOME");
  return WithSlash(home && *home ? home : ".") + ".config/ostrevo/";
}

std::string ToNativeSeparators(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
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

std::string CurrentFolder() {
  std::error_code ec;
  auto p = fs::current_path(ec);
  return ec ? std::string("./") : WithSlash(p.string());
}

bool ChangeFolder(const std::string& folder) {
  std::string f = ToNativeSeparators(folder);
  if (f.empty()) return false;
  return chdir(f.c_str()) == 0;
}

bool MakeFolder(const std::string& folder) {
  std::error_code ec;
  fs::create_directories(ToNativeSeparators(folder), ec);
  return FolderExists(ToNativeSeparators(folder));
}

bool IsPlainName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of("/\\") == std::string::npos && name.find('\0') == std::string::npos;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error) {
  // The exact name first; only a name the folder spells otherwise needs
  // the case-insensitive search.
  std::string native = ToNativeSeparators(path);
  if (auto text = ReadFileAt(native)) return text;
  auto found = FindExisting(native);
  if (!found || *found == native) {
    if (error) *error = "file not found: " + path;
    return std::nullopt;
  }
  return ReadFileAt(*found, error);
}

std::optional<std::string> ReadFileAt(const std::string& path, std::string* error) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = "cannot open " + path + ": " + std::strerror(errno);
    return std::nullopt;
  }
  std::string text;
  char buf[16384];
  for (;;) {
    ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (error) *error = "cannot read " + path + ": " + std::strerror(errno);
      close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    text.append(buf, static_cast<size_t>(n));
  }
  close(fd);
  return text;
}

bool WriteFileSafely(const std::string& rawPath, const std::string& content, std::string* error) {
  std::string path = ToNativeSeparators(rawPath);
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  if (path.empty() || path.back() == '/') return fail("no file name given");
  std::string tmpl = path + ".tmpXXXXXX";
  int fd = mkstemp(tmpl.data());
  if (fd < 0) return fail("cannot create " + path + ": " + std::strerror(errno));
  size_t done = 0;
  while (done < content.size()) {
    ssize_t n = write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      std::string why = std::strerror(errno);
      close(fd);
      unlink(tmpl.c_str());
      return fail("cannot write " + path + ": " + why);
    }
    done += static_cast<size_t>(n);
  }
  if (fsync(fd) != 0 || close(fd) != 0) {
    unlink(tmpl.c_str());
    return fail("cannot write " + path);
  }
  // Keep the permissions a plain new file would have.
  mode_t mask = umask(0);
  umask(mask);
  chmod(tmpl.c_str(), 0666 & ~mask);
  if (rename(tmpl.c_str(), path.c_str()) != 0) {
    std::string why = std::strerror(errno);
    unlink(tmpl.c_str());
    return fail("cannot replace " + path + ": " + why);
  }
  return true;
}

}  // namespace common
