// Reading and safe writing on a real file system: what is not a regular file
// or is too large is refused at once, and a save replaces exactly the file
// the user keeps, with its permissions, or refuses and leaves it as it was.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/file_cache.h"
#include "common/paths.h"
#include "common/safe_writing.h"
#include "support/named_pipe.h"
#include "support/temp_folder.h"

namespace {
namespace fs = std::filesystem;
mode_t ModeOf(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

mode_t Umask() {
  mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// The names in a folder, to see that no temporary file stays behind.
std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A save to `path` killed after it wrote part of the text: its temporary
// file stays behind, stale. True when the save was killed.
bool KilledWhileSaving(const std::string& path) {
  pid_t child = fork();
  if (child == 0) {
    common::SafeOutputFile out;
    std::string error;
    if (out.Open(path, error) && out.Write("part of", error)) kill(getpid(), SIGKILL);
    _exit(1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFSIGNALED(status);
}

TEST(FileReading, WhatIsNoRegularFileOrTooLargeIsRefusedAtOnce) {
  testsupport::TempFolder tmp;
  const std::string dir = tmp.Path();
  testsupport::NamedPipe pipe(dir + "pipe.PRJ");
  ASSERT_TRUE(pipe.Made());
  fs::create_directory(dir + "folder.PRJ");
  fs::create_symlink("/dev/zero", dir + "zero.PRJ");
  // A sparse file one byte beyond the limit of data files.
  const std::string huge = dir + "huge.PRJ";
  ASSERT_EQ(truncate(tmp.Write("huge.PRJ", "").c_str(), static_cast<off_t>(common::kMaxDataFileBytes + 1)), 0);
  struct Case {
    std::string path;
    const char* reason;
  };
  const Case cases[] = {
      {pipe.Path(), "not a regular file"},
      {"/dev/zero", "not a regular file"},
      {dir + "zero.PRJ", "not a regular file"},
      {dir + "folder.PRJ", "not a regular file"},
      {huge, "16777217 bytes, more than any file of its kind (at most 16777216)"},
      {dir + "PIPE.prj", "not found"},  // the lookup ignoring case finds regular files only
  };
  // Refused before a byte is read: waiting on the pipe or reading the
  // endless device would hold the test until ctest's timeout.
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    std::string error;
    EXPECT_FALSE(common::ReadWholeFile(c.path, &error));
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_NE(error.find(c.path), std::string::npos) << error;
    error.clear();
    common::FileCache cache;
    EXPECT_FALSE(cache.Text(c.path, &error));
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
}

TEST(FileReading, EachKindHasItsOwnLimit) {
  testsupport::TempFolder tmp;
  const std::string ten = tmp.Write("ten.txt", "0123456789");
  std::string error;
  EXPECT_EQ(common::ReadFileAt(ten, &error, 10), "0123456789");
  EXPECT_FALSE(common::ReadFileAt(ten, &error, 9));
  EXPECT_NE(error.find("10 bytes, more than any file of its kind (at most 9)"), std::string::npos) << error;
  EXPECT_FALSE(common::ReadWholeFile("TEN.TXT", &error, 9));  // found ignoring case, refused all the same
  EXPECT_NE(error.find("at most 9"), std::string::npos) << error;
  EXPECT_EQ(common::ReadWholeFile("TEN.TXT", &error, 10), "0123456789");

  // Streaming: the limit holds for a file that grows after it was opened.
  common::InputFile in;
  ASSERT_TRUE(in.Open(ten, 12, error)) << error;
  tmp.Write("ten.txt", "0123456789abc");
  char buffer[64];
  EXPECT_FALSE(in.Read(buffer, sizeof buffer, error));
  EXPECT_NE(error.find("grew beyond 12 bytes"), std::string::npos) << error;
}

// A name holding a NUL byte (a crafted data file's quoted item) would be cut
// at the NUL by the system: reading CUT<NUL>.FLR would open CUT, writing it
// would replace CUT. Every reading and writing function refuses it.
TEST(FileReading, ANameHoldingNulIsRefusedForReadingAndWriting) {
  testsupport::TempFolder tmp;
  const std::string cut = tmp.Write("CUT", "the file the cut name leads to");
  const std::string crafted = cut + std::string("\0.FLR", 5);
  common::FileCache cache;
  struct Case {
    const char* what;
    std::function<bool(std::string&)> use;
  } cases[] = {
      {"read", [&](std::string& e) { return common::ReadWholeFile(crafted, &e).has_value(); }},
      {"read exactly", [&](std::string& e) { return common::ReadFileAt(crafted, &e).has_value(); }},
      {"read once per run", [&](std::string& e) { return cache.Text(crafted, &e).has_value(); }},
      {"write", [&](std::string& e) { return common::WriteFileSafely(crafted, "new", &e); }},
      {"look up",
       [&](std::string& e) {
         e = "the name " + tmp.Path() + "CUT\\0.FLR holds a NUL byte";
         return common::FileExists(crafted) || common::FindExisting(crafted).has_value();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string error;
    EXPECT_FALSE(c.use(error));
    EXPECT_NE(error.find("the name " + tmp.Path() + "CUT\\0.FLR holds a NUL byte"), std::string::npos) << error;
    EXPECT_EQ(tmp.Read("CUT"), "the file the cut name leads to");
    EXPECT_EQ(Names(tmp.Path()), std::vector<std::string>{"CUT"});
  }
}

TEST(SafeWriting, ReadOnlyOrSpecialTargetIsRefusedAndLeftAsItWas) {
  testsupport::TempFolder tmp;
  const std::string dir = tmp.Path();
  testsupport::NamedPipe pipe(dir + "pipe.PRJ");
  for (mode_t mode : {0440, 0444, 0400, 0000}) {
    SCOPED_TRACE(mode);
    const std::string path = tmp.Write("ro.PRJ", "old\r\n");
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
    std::string error;
    EXPECT_FALSE(common::WriteFileSafely(path, "new\r\n", &error));
    EXPECT_NE(error.find("read-only"), std::string::npos) << error;
    EXPECT_EQ(ModeOf(path), mode);
    chmod(path.c_str(), 0600);
    EXPECT_EQ(tmp.Read("ro.PRJ"), "old\r\n");
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"pipe.PRJ", "ro.PRJ"}));
  }
  std::string error;
  EXPECT_FALSE(common::WriteFileSafely(pipe.Path(), "new\r\n", &error));
  EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
  EXPECT_EQ(fs::status(pipe.Path()).type(), fs::file_type::fifo);
}

// The reason names the true cause: a read-only file system is not a
// read-only file (a test run as root cannot make one, so the choice is
// tested on what the system would say).
TEST(SafeWriting, TheReasonForARefusedTargetNamesItsCause) {
  struct Case {
    mode_t mode;
    int writeError;
    std::string reason;
  } cases[] = {
      {0644, 0, ""},
      {0200, 0, ""},
      {0444, 0, "the file is read-only"},  // root may write, the bits say no
      {0444, EACCES, "the file is read-only"},
      {0644, EROFS, "Read-only file system"},
      {0444, EROFS, "Read-only file system"},
      {0644, EACCES, "Permission denied"},
      {0755, ETXTBSY, "Text file busy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.writeError);
    EXPECT_EQ(common::ReplaceRefusal(S_IFREG | c.mode, c.writeError), c.reason);
  }
}

TEST(SafeWriting, ATargetReachedThroughLinksIsReplacedAndTheLinksKept) {
  testsupport::TempFolder tmp;
  const std::string dir = tmp.Path();
  tmp.Write("projects/House.PRJ", "old\r\n");
  fs::create_directory(dir + "work");
  fs::create_symlink("../projects/House.PRJ", dir + "work/relative.PRJ");
  fs::create_symlink(dir + "projects/House.PRJ", dir + "work/absolute.PRJ");
  fs::create_symlink("relative.PRJ", dir + "work/chain.PRJ");
  fs::create_symlink("../projects/New.PRJ", dir + "work/dangling.PRJ");
  fs::create_symlink("loop2.PRJ", dir + "work/loop1.PRJ");
  fs::create_symlink("loop1.PRJ", dir + "work/loop2.PRJ");
  const std::vector<std::string> links = {"absolute.PRJ", "chain.PRJ", "dangling.PRJ",
                                          "loop1.PRJ",    "loop2.PRJ", "relative.PRJ"};
  ASSERT_EQ(chmod((dir + "projects/House.PRJ").c_str(), 0640), 0);
  for (const char* link : {"relative.PRJ", "absolute.PRJ", "chain.PRJ"}) {
    SCOPED_TRACE(link);
    const std::string content = std::string("saved through ") + link + "\r\n";
    std::string error;
    ASSERT_TRUE(common::WriteFileSafely(dir + "work/" + link, content, &error)) << error;
    EXPECT_EQ(tmp.Read("projects/House.PRJ"), content);
    EXPECT_EQ(ModeOf(dir + "projects/House.PRJ"), 0640u);
    EXPECT_EQ(Names(dir + "work"), links);
    EXPECT_EQ(Names(dir + "projects"), std::vector<std::string>{"House.PRJ"});
  }
  EXPECT_EQ(fs::read_symlink(dir + "work/relative.PRJ"), "../projects/House.PRJ");
  EXPECT_EQ(fs::read_symlink(dir + "work/chain.PRJ"), "relative.PRJ");

  // A link to a file not yet there makes the file where the link points.
  std::string error;
  ASSERT_TRUE(common::WriteFileSafely(dir + "work/dangling.PRJ", "first\r\n", &error)) << error;
  EXPECT_EQ(tmp.Read("projects/New.PRJ"), "first\r\n");
  EXPECT_TRUE(fs::is_symlink(dir + "work/dangling.PRJ"));

  // Links that lead round in a circle are refused.
  EXPECT_FALSE(common::WriteFileSafely(dir + "work/loop1.PRJ", "x", &error));
  EXPECT_NE(error.find("symbolic links"), std::string::npos) << error;
  EXPECT_EQ(Names(dir + "work"), links);
}

// A save writes to a short hidden file beside the target whose name says
// what it is. One that a killed save left behind goes at the target's next
// save; the file of a save still in progress, and another target's, stay.
TEST(SafeWriting, TheTemporaryFileIsHiddenAndAStaleOneGoesAtTheNextSave) {
  struct Case {
    std::string name, begins;
  } cases[] = {
      {"House.PRJ", ".House.PRJ~"},
      {std::string(255, 'L'), "." + std::string(24, 'L') + "~"},
      {std::string(23, 'a') + "\xC3\xA9.PRJ", "." + std::string(23, 'a') + "~"},  // never half a character
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.begins);
    testsupport::TempFolder tmp;
    const std::string dir = tmp.Path(), target = dir + c.name;
    ASSERT_TRUE(KilledWhileSaving(target));
    const std::vector<std::string> stale = Names(dir);
    ASSERT_EQ(stale.size(), 1u);
    EXPECT_EQ(stale[0].substr(0, c.begins.size()), c.begins);
    EXPECT_EQ(stale[0].substr(stale[0].size() - 7), ".saving");
    EXPECT_LE(stale[0].size(), 48u);
    ASSERT_TRUE(KilledWhileSaving(dir + "Other.PRJ"));
    const std::vector<std::string> otherStale = Names(dir);

    common::SafeOutputFile inProgress;
    std::string error;
    ASSERT_TRUE(inProgress.Open(target, error)) << error;
    std::vector<std::string> during = Names(dir);
    EXPECT_EQ(std::count(during.begin(), during.end(), stale[0]), 0);
    EXPECT_EQ(during.size(), 2u);  // the other target's, and the one in progress
    ASSERT_TRUE(common::WriteFileSafely(target, "saved", &error)) << error;
    EXPECT_EQ(tmp.Read(c.name), "saved");
    ASSERT_TRUE(inProgress.Write("saved later", error) && inProgress.Commit(error)) << error;
    EXPECT_EQ(tmp.Read(c.name), "saved later");
    std::vector<std::string> after = otherStale;
    std::replace(after.begin(), after.end(), stale[0], c.name);
    std::sort(after.begin(), after.end());
    EXPECT_EQ(Names(dir), after);
  }
}

// Two programs saving one file at once: neither takes the other's temporary
// file for a stale one, so every save succeeds and the file is always one
// of the two texts, whole.
TEST(SafeWriting, TwoProcessesSavingOneFileNeverTakeEachOthersTemporary) {
  testsupport::TempFolder tmp;
  const std::string target = tmp.Write("Shared.PRJ", "old\r\n");
  const std::string texts[] = {std::string(4096, 'a') + "\r\n", std::string(3000, 'b') + "\r\n"};
  // The saves of one process; the first failure's reason, or empty.
  auto saveInTurn = [&](const std::string& text) {
    std::string error;
    for (int i = 0; i < 1000; ++i) {
      if (!common::WriteFileSafely(target, text, &error)) return "save " + std::to_string(i) + ": " + error;
      const std::string read = tmp.Read("Shared.PRJ");
      if (read != texts[0] && read != texts[1]) return "save " + std::to_string(i) + ": the file is not whole";
    }
    return std::string();
  };
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(pipeEnds[0]);
    const std::string why = saveInTurn(texts[1]);
    const bool told = write(pipeEnds[1], why.data(), why.size()) == static_cast<ssize_t>(why.size());
    _exit(told ? 0 : 1);
  }
  close(pipeEnds[1]);
  EXPECT_EQ(saveInTurn(texts[0]), "");
  std::string childWhy;
  char buffer[256];
  for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) childWhy.append(buffer, static_cast<size_t>(n));
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(childWhy, "");
  EXPECT_EQ(Names(tmp.Path()), std::vector<std::string>{"Shared.PRJ"});
}

// A lock call that fails as a file system may make it fail.
template <int Error>
int RefusedLock(int, int) {
  errno = Error;
  return -1;
}

// A file system without locking makes flock fail with one of four reasons:
// the save goes on unlocked. Any other failure still refuses the save and
// leaves the file as it was. Either way a stale temporary stays: without a
// lock a save in progress cannot be told from one that was killed.
TEST(SafeWriting, ASaveGoesOnUnlockedWhereTheFileSystemHasNoLocking) {
  struct Case {
    common::LockCall lock;
    int error;
    bool saves;
  } cases[] = {
      {RefusedLock<ENOLCK>, ENOLCK, true}, {RefusedLock<EOPNOTSUPP>, EOPNOTSUPP, true},
      {RefusedLock<ENOSYS>, ENOSYS, true}, {RefusedLock<EINVAL>, EINVAL, true},
      {RefusedLock<EIO>, EIO, false},
  };
  testsupport::TempFolder tmp;
  const std::string path = tmp.Write("f.PRJ", "old");
  ASSERT_TRUE(KilledWhileSaving(path));
  const std::vector<std::string> before = Names(tmp.Path());
  ASSERT_EQ(before.size(), 2u);  // the file and the stale temporary
  for (const Case& c : cases) {
    SCOPED_TRACE(std::strerror(c.error));
    tmp.Write("f.PRJ", "old");
    common::SafeOutputFile out(c.lock);
    std::string error;
    const bool saved = out.Open(path, error) && out.Write("new", error) && out.Commit(error);
    EXPECT_EQ(saved, c.saves) << error;
    EXPECT_EQ(error, c.saves ? "" : "cannot create " + path + ": " + std::strerror(c.error));
    EXPECT_EQ(tmp.Read("f.PRJ"), c.saves ? "new" : "old");
    EXPECT_EQ(Names(tmp.Path()), before);
  }
}

// The temporary name never nears the system's limit: every name up to
// 255 bytes saves, and a longer one is refused with the system's reason.
TEST(SafeWriting, NamesUpToTheSystemLimitSave) {
  testsupport::TempFolder tmp;
  for (std::size_t bytes : {246u, 250u, 255u, 256u}) {
    SCOPED_TRACE(bytes);
    const std::string name(bytes, 'N');
    std::string error;
    for (const char* text : {"first", "second"}) {
      const bool saved = common::WriteFileSafely(tmp.Path() + name, text, &error);
      EXPECT_EQ(saved, bytes <= 255) << error;
      if (saved) {
        EXPECT_EQ(tmp.Read(name), text);
      }
    }
    if (bytes > 255) {
      EXPECT_NE(error.find("File name too long"), std::string::npos) << error;
    }
    EXPECT_EQ(Names(tmp.Path()), bytes <= 255 ? std::vector<std::string>{name} : std::vector<std::string>{});
    std::error_code ignored;
    std::filesystem::remove(tmp.Path() + name, ignored);
  }
}

TEST(SafeWriting, TheReplacedFileKeepsItsPermissions) {
  testsupport::TempFolder tmp;
  for (mode_t mode : {0600, 0640, 0664, 0755, 0200}) {
    SCOPED_TRACE(mode);
    const std::string path = tmp.Write("f.PRJ", "old");
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
    std::string error;
    ASSERT_TRUE(common::WriteFileSafely(path, "new", &error)) << error;
    EXPECT_EQ(ModeOf(path), mode);
    chmod(path.c_str(), 0600);
    EXPECT_EQ(tmp.Read("f.PRJ"), "new");
  }
  // A new file gets what the user's file-creation mask allows.
  std::string error;
  ASSERT_TRUE(common::WriteFileSafely(tmp.Path() + "g.PRJ", "new", &error)) << error;
  EXPECT_EQ(ModeOf(tmp.Path() + "g.PRJ"), 0666u & ~Umask());
}

}  // namespace
