#pragma once
// The program's data-file form: comma-separated items, strings in double
// quotes, numbers bare with "." as decimal point, each statement on one line
// ended by CR LF. Read back item by item in the order written.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/safe_writing.h"
#include "common/value_types.h"

namespace common {

// True when `text` can be written as a quoted item: a line break would end
// the statement early. A double quote is written doubled and read back as one.
inline bool IsDataText(std::string_view text) { return text.find_first_of("\r\n") == std::string_view::npos; }

// IsDataText for a writer's check: false with `what "text" holds a line
// break` in `error`.
inline bool CheckDataText(const std::string& text, const std::string& what, std::string& error) {
  if (IsDataText(text)) return true;
  error = what + " \"" + text + "\" holds a line break";
  return false;
}

// Writes the items of a data file. A number that is not finite (an
// overflowed or undefined result) is never written, as the reader would
// refuse the file: the first one given is recorded instead, Ok() turns
// false and Error() names it, and WriteDataFile refuses to save the text.
// `field` names the value in that message; without it the line and item do.
class DataWriter {
 public:
  DataWriter& Str(std::string_view text);
  DataWriter& Int(long value);
  DataWriter& Sng(float value, std::string_view field = {});
  // A Single in the shortest text that reads back as the same value (up to
  // 9 significant digits), for files that must round-trip exactly.
  DataWriter& SngExact(float value, std::string_view field = {});
  DataWriter& Dbl(double value, std::string_view field = {});
  DataWriter& Bool(bool value);  // #TRUE# / #FALSE#
  // Ends the statement (CR LF); an empty statement writes an empty line.
  DataWriter& EndLine();
  // A raw line as it stands (reports), ended by CR LF.
  DataWriter& Line(std::string_view text);

  const std::string& Text() const { return text_; }
  // False once a number that is not finite was given; Error() names it.
  bool Ok() const { return error_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  void Separate();
  // True when `value` is finite; else records it (the first one only).
  bool Finite(double value, std::string_view field);
  std::string text_;
  bool lineStarted_ = false;
  int line_ = 1, item_ = 0;  // where the next item goes
  std::string error_;
};

// Saves the text of `w` through WriteFileSafely, unless `w` was given a
// number that is not finite: then nothing is written, the file stays as it
// was, and `error` says which value. False with the reason.
bool WriteDataFile(const std::string& path, const DataWriter& w, std::string* error = nullptr);

// Reads items from a text held in memory. Every read returns false on
// failure (end of data, a missing item, text that is not a number, a value
// out of range); the first failure sticks: later reads fail too and Error()
// tells what and where (the line of the item last read, also for Fail()).
class DataReader {
 public:
  explicit DataReader(std::string text) : text_(std::move(text)) {}

  bool Read(std::string& out);
  bool Read(Integer& out);
  bool Read(Long& out);
  bool Read(Single& out);
  bool Read(double& out);
  bool ReadBool(bool& out);
  // An Integer that must lie within lo..hi; a value outside fails the read,
  // naming `what`, so nothing is ever stored beyond an array.
  bool ReadInRange(Integer& out, int lo, int hi, std::string_view what);
  // A whole line as it stands, without its line end.
  bool ReadLine(std::string& out);

  bool Ok() const { return error_.empty(); }
  const std::string& Error() const { return error_; }
  // True when only blanks and line ends remain.
  bool AtEnd() const;
  // The checks that a record's reader makes where the writer ended a line
  // and where it ended the file, so that a number split in two ("5" become
  // "1,5"), an item too many or a line too many is refused rather than read
  // shifted. Trailing blanks and line ends pass.
  // True when the item last read ended its line; else fails, naming it.
  bool EndOfLine();
  // True when the item last read ended its line; never fails.
  bool LineEnded() const { return lineEnded_; }
  // True when only blanks and line ends remain; else fails with `what`,
  // naming the line where the extra text begins.
  bool EndOfFile(std::string_view what = "the file goes on after its record");
  int LineNumber() const { return line_; }
  void Fail(std::string_view what);

 private:
  enum class Kind { Quoted, Bare };
  bool NextItem(std::string& item, Kind& kind);
  bool ReadNumber(double& out);
  void SkipBlanks();
  bool AtLineEnd() const;
  bool AtItemEnd() const;
  void ConsumeLineEnd();

  std::string text_;
  size_t pos_ = 0;
  int line_ = 1;
  int itemLine_ = 1;       // line where the item last read began
  bool lineEnded_ = true;  // the item last read ended its line
  std::string error_;
};

}  // namespace common
