#pragma once
// Writing a file so that a save never damages the file the user keeps: the
// text goes to a temporary file beside the target, which is flushed and then
// renamed over the target, and the folder is flushed before success is
// reported, so neither a failed write nor a power cut right after "saved"
// loses the file.
//
// The temporary file has a short hidden name that says what it is (see
// safe_writing.cpp), never near the system's name limit, so any name up to
// that limit saves. One left by a crash or kill is removed at the next save
// of the same target; that of a save in progress, in this or another
// program, is locked from its creation until it is renamed or removed, and
// so never taken for a stale one. Locking is an extra, never a condition:
// where the file system has none (an NFS mount without its lock service,
// some FUSE file systems), a save goes on unlocked, and a leftover
// temporary stays there, as it cannot be told from one in progress.
//
// The target is the file the name leads to: a symbolic link is followed and
// the file it names replaced, the link kept. A read-only target, or one that
// is not a regular file, is refused and left as it is. The replaced file
// keeps its permissions (and, where the system allows, its owner); a new
// file gets those the user's file-creation mask gives.
#include <sys/types.h>
#include <string>
#include <string_view>

namespace common {

// The call that locks a file, flock(2)'s: 0, or -1 with errno.
using LockCall = int (*)(int fd, int operation);

class SafeOutputFile {
 public:
  // `lock` locks the temporary files (a test passes one that fails as a
  // file system without locks does).
  explicit SafeOutputFile(LockCall lock = nullptr);
  SafeOutputFile(const SafeOutputFile&) = delete;
  SafeOutputFile& operator=(const SafeOutputFile&) = delete;
  // A file never committed is dropped: the target stays as it was.
  ~SafeOutputFile() { Abandon(); }

  // Checks the target and creates the temporary file. False with the reason.
  bool Open(const std::string& path, std::string& error);
  bool IsOpen() const { return fd_ >= 0; }
  // Appends to the temporary file. False with the reason.
  bool Write(std::string_view text, std::string& error);
  // Puts the temporary file in place of the target; on failure the
  // temporary file is dropped. False with the reason.
  bool Commit(std::string& error);
  // Drops the temporary file.
  void Abandon();

 private:
  LockCall lock_;
  std::string target_, temporary_;
  int fd_ = -1;
  bool replaces_ = false;  // the target exists: its mode and owner are kept
  mode_t mode_ = 0;
  uid_t owner_ = 0;
  gid_t group_ = 0;
};

// Why an existing target with `mode` cannot be replaced, given what the
// system said when asked whether it may be written (0: it may); empty when
// it can be.
std::string ReplaceRefusal(mode_t mode, int writeError);

// Writes `content` through a SafeOutputFile. False with the reason.
bool WriteFileSafely(const std::string& path, const std::string& content, std::string* error = nullptr);

// Opens `path` for writing, created empty or emptied, to be held open (a
// log). Only a regular file named so is opened: a symbolic link is never
// followed (the file it names would be emptied), and a folder, a named pipe
// or a device is refused without waiting or emptying anything. The
// descriptor, or -1 with the reason.
int OpenEmptiedFile(const std::string& path, std::string& error);

}  // namespace common
