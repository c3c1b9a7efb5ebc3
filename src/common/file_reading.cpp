#include "common/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "common/paths.h"

namespace common {

InputFile::InputFile(InputFile&& other) noexcept { *this = std::move(other); }

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
    size_ = other.size_;
    limit_ = other.limit_;
    read_ = other.read_;
  }
  return *this;
}

void InputFile::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

bool InputFile::Open(const std::string& path, std::uint64_t maxBytes, std::string& error) {
  Close();
  if (HoldsNul(path)) {
    error = "cannot open: " + NameHoldsNulError(path);
    return false;
  }
  // O_NONBLOCK: opening a named pipe would otherwise wait for a writer. The
  // kind of file is then taken from what was opened, not from an earlier
  // look at the name.
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  struct stat st;
  if (fstat(fd, &st) != 0) {
    error = "cannot open " + path + ": " + std::strerror(errno);
    close(fd);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    error = "cannot read " + path + ": it is not a regular file";
    close(fd);
    return false;
  }
  const auto size = static_cast<std::uint64_t>(st.st_size);
  if (size > maxBytes) {
    error = "cannot read " + path + ": it holds " + std::to_string(size) +
            " bytes, more than any file of its kind (at most " + std::to_string(maxBytes) + ")";
    close(fd);
    return false;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  fd_ = fd;
  path_ = path;
  size_ = size;
  limit_ = maxBytes;
  read_ = 0;
  return true;
}

std::optional<std::size_t> InputFile::Read(char* buffer, std::size_t n, std::string& error) {
  if (fd_ < 0) {
    error = "the file is not open";
    return std::nullopt;
  }
  for (;;) {
    ssize_t got = read(fd_, buffer, n);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error = "cannot read " + path_ + ": " + std::strerror(errno);
      return std::nullopt;
    }
    read_ += static_cast<std::uint64_t>(got);
    if (read_ > limit_) {
      error = "cannot read " + path_ + ": it grew beyond " + std::to_string(limit_) + " bytes while being read";
      return std::nullopt;
    }
    return static_cast<std::size_t>(got);
  }
}

std::optional<std::string> ReadFileAt(const std::string& path, std::string* error, std::uint64_t maxBytes) {
  std::string why;
  InputFile in;
  if (!in.Open(path, maxBytes, why)) {
    if (error) *error = why;
    return std::nullopt;
  }
  std::string text;
  text.reserve(static_cast<std::size_t>(in.Size()));
  char buffer[65536];
  for (;;) {
    auto got = in.Read(buffer, sizeof buffer, why);
    if (!got) {
      if (error) *error = why;
      return std::nullopt;
    }
    if (*got == 0) break;
    text.append(buffer, *got);
  }
  return text;
}

std::optional<std::string> ReadExactOrFound(const std::string& path, const FileFinder& find, std::string* error,
                                            std::uint64_t maxBytes) {
  const std::string native = ToNativeSeparators(path);
  if (native.empty()) {  // as a bare name with no project folder resolves
    if (error) *error = "no file name given";
    return std::nullopt;
  }
  std::string why;
  if (auto text = ReadFileAt(native, &why, maxBytes)) return text;
  struct stat st;
  if (HoldsNul(native) || stat(native.c_str(), &st) == 0 || errno != ENOENT) {
    if (error) *error = why;
    return std::nullopt;
  }
  auto found = find(native);
  if (!found || *found == native) {
    if (error) *error = "file not found: " + path;
    return std::nullopt;
  }
  return ReadFileAt(*found, error, maxBytes);
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error, std::uint64_t maxBytes) {
  return ReadExactOrFound(path, FindExisting, error, maxBytes);
}

}  // namespace common
