#pragma once
// Opening files for reading. Every reader goes through here: only a regular
// file is read (a named pipe is refused rather than waited on, a device
// rather than read without end), and only up to a size that no legitimate
// file of the reader's kind reaches, so a wrong choice in a dialog ends in
// the reader's message instead of a hang or an exhausted memory.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace common {

// The largest file each kind of reader takes: far above any legitimate file
// of the kind.
// Data files read whole: projects, groups, libraries, the LCIA database,
// energy and plant input, results, slide books and chapters.
inline constexpr std::uint64_t kMaxDataFileBytes = std::uint64_t{16} << 20;
// The data-directory file: one quoted folder name.
inline constexpr std::uint64_t kMaxDataDirFileBytes = std::uint64_t{64} << 10;
// Pictures: slides, the front picture.
inline constexpr std::uint64_t kMaxPictureBytes = std::uint64_t{64} << 20;
// The simulations' hourly files, read line by line: the annual cooling-load
// file of the largest building comes to about 45 MB.
inline constexpr std::uint64_t kMaxHourlyFileBytes = std::uint64_t{256} << 20;

// A regular file open for reading, read from the start in pieces.
class InputFile {
 public:
  InputFile() = default;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&& other) noexcept;
  ~InputFile() { Close(); }

  // Opens exactly `path` (no lookup). False with the reason when it does
  // not exist, cannot be opened, is not a regular file or is larger than
  // `maxBytes`. Never blocks.
  bool Open(const std::string& path, std::uint64_t maxBytes, std::string& error);
  bool IsOpen() const { return fd_ >= 0; }
  // The size when opened.
  std::uint64_t Size() const { return size_; }
  // Reads up to `n` bytes into `buffer`: the count read, 0 at the end of the
  // file, nullopt with the reason on failure (also when the file has grown
  // beyond its limit since it was opened).
  std::optional<std::size_t> Read(char* buffer, std::size_t n, std::string& error);
  void Close();

 private:
  int fd_ = -1;
  std::string path_;
  std::uint64_t size_ = 0, limit_ = 0, read_ = 0;
};

// Reads the file at exactly `path`, with no lookup; nullopt with the reason
// when it cannot be read (see InputFile::Open).
std::optional<std::string> ReadFileAt(const std::string& path, std::string* error = nullptr,
                                      std::uint64_t maxBytes = kMaxDataFileBytes);

// Reads the file at `path` ("\" read as "/"): the exact name first; only
// when no file of that name exists, the name `find` gives for it ("file not
// found" when it gives none, or the same name). A file that is there under
// the exact name but cannot be read is reported for what it is. nullopt
// with the reason when it cannot be read.
using FileFinder = std::function<std::optional<std::string>(const std::string&)>;
std::optional<std::string> ReadExactOrFound(const std::string& path, const FileFinder& find,
                                            std::string* error = nullptr, std::uint64_t maxBytes = kMaxDataFileBytes);

// Reads a whole file: the exact name ("\" read as "/"), else the name found
// by FindExisting. nullopt with the reason when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error = nullptr,
                                         std::uint64_t maxBytes = kMaxDataFileBytes);

}  // namespace common
