#include "common/safe_writing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>

#include "common/paths.h"

namespace common {
namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinks = 40;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a save to `path` replaces: `path` itself, or the file its chain
// of symbolic links names in the end (which need not exist yet).
std::optional<std::string> FollowLinks(std::string path, std::string& error) {
  for (int links = 0; links <= kMaxLinks; ++links) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(4096, '\0');
    const ssize_t n = readlink(path.c_str(), target.data(), target.size());
    if (n < 0 || static_cast<size_t>(n) >= target.size()) {
      error = "cannot follow the link " + path + ": " + std::strerror(n < 0 ? errno : ENAMETOOLONG);
      return std::nullopt;
    }
    target.resize(static_cast<size_t>(n));
    path = target.front() == '/' ? target : FolderOf(path) + target;
  }
  error = "cannot write " + path + ": too many symbolic links";
  return std::nullopt;
}

// A fresh name for each try; creation with O_EXCL settles any clash.
std::string TemporaryName(const std::string& target) {
  static std::atomic<unsigned long> counter{0};
  static const char kLetters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  unsigned long long x = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                         (static_cast<unsigned long long>(getpid()) << 32) ^ (++counter * 0x9E3779B97F4A7C15ull);
  std::string name = target + ".tmp";
  for (int i = 0; i < 6; ++i) {
    x ^= x >> 29;
    x *= 0xBF58476D1CE4E5B9ull;
    name += kLetters[x % (sizeof kLetters - 1)];
  }
  return name;
}

}  // namespace

bool SafeOutputFile::Open(const std::string& rawPath, std::string& error) {
  Abandon();
  const std::string path = ToNativeSeparators(rawPath);
  if (path.empty() || path.back() == '/') {
    error = "no file name given";
    return false;
  }
  if (HoldsNul(path)) {
    error = "cannot save: " + NameHoldsNulError(path);
    return false;
  }
  auto target = FollowLinks(path, error);
  if (!target) return false;

  struct stat st;
  replaces_ = stat(target->c_str(), &st) == 0;
  if (replaces_) {
    if (!S_ISREG(st.st_mode)) {
      error = "cannot replace " + *target + ": it is not a regular file";
      return false;
    }
    // The write bits decide, also for a user whom the system lets write anyway.
    const bool writable = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && access(target->c_str(), W_OK) == 0;
    if (!writable) {
      error = "cannot replace " + *target + ": the file is read-only";
      return false;
    }
    mode_ = st.st_mode & 07777;
    owner_ = st.st_uid;
    group_ = st.st_gid;
  } else if (errno != ENOENT) {
    error = "cannot write " + *target + ": " + std::strerror(errno);
    return false;
  }

  // Created with the target's mode (a new file: with the mask's), so the
  // text is never more widely readable than the file it replaces.
  const mode_t createMode = replaces_ ? (mode_ & 0777) : 0666;
  for (int tries = 0; tries < 100; ++tries) {
    std::string name = TemporaryName(*target);
    int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
    if (fd >= 0) {
      fd_ = fd;
      target_ = *target;
      temporary_ = std::move(name);
      return true;
    }
    if (errno != EEXIST) break;
  }
  error = "cannot create " + *target + ": " + std::strerror(errno);
  return false;
}

bool SafeOutputFile::Write(std::string_view text, std::string& error) {
  if (fd_ < 0) {
    error = "the file is not open";
    return false;
  }
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd_, text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = "cannot write " + target_ + ": " + std::strerror(errno);
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

bool SafeOutputFile::Commit(std::string& error) {
  if (fd_ < 0) {
    error = "the file is not open";
    return false;
  }
  auto fail = [&](const std::string& why) {
    error = why + ": " + std::strerror(errno);
    Abandon();
    return false;
  };
  if (replaces_) {
    // The owner is kept where the system allows it; elsewhere the saved
    // file is the saving user's, as any file the user makes.
    if ((owner_ != geteuid() || group_ != getegid()) && fchown(fd_, owner_, group_) != 0) errno = 0;
    if (fchmod(fd_, mode_) != 0) return fail("cannot keep the permissions of " + target_);
  }
  if (fsync(fd_) != 0) return fail("cannot write " + target_);
  const int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0) return fail("cannot write " + target_);
  if (rename(temporary_.c_str(), target_.c_str()) != 0) return fail("cannot replace " + target_);
  temporary_.clear();
  // The rename lives in the folder: flush it too. A file system that cannot
  // flush a folder says EINVAL; it keeps the rename all the same.
  const std::string folder = FolderOf(target_);
  const int dir = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return fail("cannot flush the folder of " + target_);
  const bool flushed = fsync(dir) == 0 || errno == EINVAL;
  const int why = errno;
  close(dir);
  if (!flushed) {
    errno = why;
    return fail("cannot flush the folder of " + target_);
  }
  return true;
}

void SafeOutputFile::Abandon() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
}

bool WriteFileSafely(const std::string& path, const std::string& content, std::string* error) {
  std::string why;
  SafeOutputFile out;
  if (out.Open(path, why) && out.Write(content, why) && out.Commit(why)) return true;
  if (error) *error = why;
  return false;
}

}  // namespace common
