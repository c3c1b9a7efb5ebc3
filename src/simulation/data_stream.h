#pragma once
// Streaming access to the long data files of the simulations (weather, room
// and zone loads, annual cooling loads, plant output): files are read and
// written in blocks of whole lines through common::DataReader and
// common::DataWriter, so no file is held whole in memory. Files are opened
// and replaced as every file of the program is (common::InputFile,
// common::SafeOutputFile).
#include <cstddef>
#include <optional>
#include <string>

#include "common/data_file.h"
#include "common/file_reading.h"
#include "common/safe_writing.h"

namespace simulation {

class BlockReader {
 public:
  // Opens an existing file; false with the reason when it cannot be read,
  // is not a regular file or is larger than any hourly file.
  bool Open(const std::string& path, std::string& error);
  // The reader positioned at the start of the next line, or nullptr at the
  // end of the file (or when the file cannot be read further: see Error()).
  common::DataReader* Line();
  // The file line at which the reader stands.
  int LineNumber() const;
  // Why reading failed, with the file line: the reader's reason, or the file's.
  std::string Error() const;
  void Close();
  // The bytes searched so far for the last line end of a block: at most the
  // file's size, as each byte read is searched once, however long its line.
  std::size_t BytesSearched() const { return searched_; }

 private:
  bool LoadBlock();
  // The last line end among `length` bytes from `from`, or nullptr, with
  // the bytes counted in BytesSearched(): the reader finds where a block's
  // whole lines end through this function only.
  const char* LastLineEnd(const char* from, std::size_t length);
  // Appends up to one block of the file to `block`; false on a read failure.
  bool ReadMore(std::string& block);

  common::InputFile in_;
  bool atEnd_ = false;
  std::string carry_;  // the start of a line cut off at the end of the last block
  std::optional<common::DataReader> reader_;
  int baseLine_ = 1;    // file line of the block's first line
  int blockLines_ = 0;  // lines in the current block
  std::size_t searched_ = 0;
  std::string ioError_;
};

// Writes a file through a temporary file beside it, renamed over the target
// by Commit; a writer destroyed without Commit removes its temporary file.
class BlockWriter {
 public:
  bool Open(const std::string& path, std::string& error);
  // The current block: write items and end each statement there.
  common::DataWriter& Out() { return out_; }
  // Writes the block to the file once it has grown large; false on failure,
  // with the reason in Error().
  bool Flush(bool force = false);
  const std::string& Error() const { return ioError_; }
  // Writes what remains and puts the file in place of the target.
  bool Commit(std::string& error);
  // Drops the temporary file.
  void Abandon();

 private:
  common::SafeOutputFile file_;
  common::DataWriter out_;
  std::string ioError_;
};

}  // namespace simulation
