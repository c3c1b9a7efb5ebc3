#include "common/safe_writing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

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

// The temporary file of a save is hidden and short whatever the target's
// name (so a name up to the system's limit can be saved), and says what it
// is: ".House.PRJ~1a2b3c4d-Xy12Ab.saving", the first bytes of the target's
// name (never part of a character), a hash of the whole name, a random part
// for each try and the ending. The temporaries of one target share all but
// the random part, which is how a stale one is found.
constexpr std::size_t kNameHeadBytes = 24;
constexpr std::size_t kRandomLetters = 6;
constexpr std::string_view kTemporaryEnding = ".saving";

// What every temporary of a save to the file named `name` begins with.
std::string TemporaryPrefix(const std::string& name) {
  std::size_t head = std::min(name.size(), kNameHeadBytes);
  while (head > 0 && head < name.size() && (static_cast<unsigned char>(name[head]) & 0xC0) == 0x80) --head;
  std::uint32_t hash = 2166136261u;  // FNV-1a: the same for a name in every run
  for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hash));
  return "." + name.substr(0, head) + "~" + hex + "-";
}

// A fresh name for each try; creation with O_EXCL settles any clash.
std::string TemporaryName(const std::string& prefix) {
  static std::atomic<unsigned long> counter{0};
  static const char kLetters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  unsigned long long x = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                         (static_cast<unsigned long long>(getpid()) << 32) ^ (++counter * 0x9E3779B97F4A7C15ull);
  std::string name = prefix;
  for (std::size_t i = 0; i < kRandomLetters; ++i) {
    x ^= x >> 29;
    x *= 0xBF58476D1CE4E5B9ull;
    name += kLetters[x % (sizeof kLetters - 1)];
  }
  name += kTemporaryEnding;
  return name;
}

// True when `name` in the folder `dir` is still the file open as `fd`: a
// file that another save removed while it was not yet locked is not.
bool StillNamed(int dir, const char* name, int fd) {
  struct stat open, named;
  return fstat(fd, &open) == 0 && open.st_nlink > 0 && fstatat(dir, name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
         named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

// What flock says where the file system has no locking at all (no lock
// service, no support for it): locking is an extra, so the save goes on
// unlocked there.
bool NoLockingHere(int error) { return error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS || error == EINVAL; }

// Removes the temporaries that earlier saves to the same target left behind
// (a crash, a kill, a power cut). A save in progress holds a lock on its
// temporary file from its creation until it has been renamed or removed, so
// only a file that nobody holds is removed; the system drops the lock when
// the saving process ends. Without locking nothing is removed.
void RemoveStaleTemporaries(const std::string& folder, const std::string& prefix, LockCall lock) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return;
  const std::size_t length = prefix.size() + kRandomLetters + kTemporaryEnding.size();
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() != length || !name.starts_with(prefix) || !name.ends_with(kTemporaryEnding)) continue;
    int fd = openat(dirfd(dir), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) fd = openat(dirfd(dir), entry->d_name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && lock(fd, LOCK_EX | LOCK_NB) == 0 &&
        StillNamed(dirfd(dir), entry->d_name, fd))
      unlinkat(dirfd(dir), entry->d_name, 0);
    close(fd);
  }
  closedir(dir);
}

}  // namespace

SafeOutputFile::SafeOutputFile(LockCall lock) : lock_(lock ? lock : ::flock) {}

std::string ReplaceRefusal(mode_t mode, int writeError) {
  // A read-only file system refuses every file on it, whatever its bits.
  if (writeError == EROFS) return std::strerror(EROFS);
  // The write bits decide, also for a user whom the system lets write anyway.
  if ((mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return "the file is read-only";
  return writeError == 0 ? std::string() : std::strerror(writeError);
}

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
    const std::string refusal = ReplaceRefusal(st.st_mode, access(target->c_str(), W_OK) == 0 ? 0 : errno);
    if (!refusal.empty()) {
      error = "cannot replace " + *target + ": " + refusal;
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
  const std::string folder = FolderOf(*target);
  const std::string prefix = TemporaryPrefix(target->substr(folder.size()));
  RemoveStaleTemporaries(folder, prefix, lock_);
  for (int tries = 0; tries < 100; ++tries) {
    std::string name = folder + TemporaryName(prefix);
    int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
    if (fd < 0) {
      if (errno != EEXIST) break;
      continue;
    }
    // The lock is the mark of a save in progress, held until the file is
    // renamed or removed. Another save may have found the file before it
    // was locked and removed it as stale (it holds the lock only for that
    // moment): then the save goes on with a fresh name. Where the file
    // system has no locking, the save goes on unlocked.
    int locked;
    while ((locked = lock_(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    const bool usable = locked == 0 || NoLockingHere(errno);
    if (usable && StillNamed(AT_FDCWD, name.c_str(), fd)) {
      fd_ = fd;
      target_ = *target;
      temporary_ = std::move(name);
      return true;
    }
    const int why = errno;
    close(fd);
    if (!usable) {
      unlink(name.c_str());
      errno = why;
      break;
    }
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
  // The file stays open, and so locked, until it has its place: closed
  // before, it could be taken for a stale one by another save.
  if (rename(temporary_.c_str(), target_.c_str()) != 0) return fail("cannot replace " + target_);
  temporary_.clear();
  // The text is flushed already; closing can no longer lose any of it.
  close(fd_);
  fd_ = -1;
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
  // Removed while still locked, so no other save ever removes it instead.
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

bool WriteFileSafely(const std::string& path, const std::string& content, std::string* error) {
  std::string why;
  SafeOutputFile out;
  if (out.Open(path, why) && out.Write(content, why) && out.Commit(why)) return true;
  if (error) *error = why;
  return false;
}

int OpenEmptiedFile(const std::string& path, std::string& error) {
  // Opened before it is emptied, so only a regular file ever is.
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  struct stat st;
  if (fd < 0) {
    const int why = errno;
    if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
      error = "it is a symbolic link";
    else if (why == EISDIR || why == ENXIO)
      error = "it is not a regular file";
    else
      error = std::strerror(why);
    return -1;
  }
  auto refuse = [&](std::string why) {
    error = std::move(why);
    close(fd);
    return -1;
  };
  if (fstat(fd, &st) != 0) return refuse(std::strerror(errno));
  if (!S_ISREG(st.st_mode)) return refuse("it is not a regular file");
  if (ftruncate(fd, 0) != 0) return refuse(std::strerror(errno));
  return fd;
}

}  // namespace common
