#include "common/data_file.h"

#include <cmath>

#include "common/number_text.h"

namespace common {

// ---- DataWriter ----

void DataWriter::Separate() {
  if (lineStarted_) text_ += ',';
  lineStarted_ = true;
  ++item_;
}

bool DataWriter::Finite(double value, std::string_view field) {
  if (std::isfinite(value)) return true;
  if (error_.empty()) {
    const std::string what = std::isnan(value) ? "undefined" : "an overflow";
    error_ = field.empty() ? "the number at item " + std::to_string(item_) + " of line " + std::to_string(line_)
                           : "the value of " + std::string(field) + " on line " + std::to_string(line_);
    error_ += " is not a finite number (" + what + ")";
  }
  return false;
}

DataWriter& DataWriter::Str(std::string_view text) {
  Separate();
  text_ += '"';
  for (char c : text) {
    if (c == '"') text_ += '"';
    text_ += c;
  }
  text_ += '"';
  return *this;
}

DataWriter& DataWriter::Int(long value) {
  Separate();
  text_ += std::to_string(value);
  return *this;
}

DataWriter& DataWriter::Sng(float value, std::string_view field) {
  Separate();
  text_ += Finite(value, field) ? DisplayText(value) : "0";
  return *this;
}

DataWriter& DataWriter::SngExact(float value, std::string_view field) {
  Separate();
  text_ += Finite(value, field) ? ExactText(value) : "0";
  return *this;
}

DataWriter& DataWriter::Dbl(double value, std::string_view field) {
  Separate();
  text_ += Finite(value, field) ? DisplayText(value) : "0";
  return *this;
}

DataWriter& DataWriter::Bool(bool value) {
  Separate();
  text_ += value ? "#TRUE#" : "#FALSE#";
  return *this;
}

DataWriter& DataWriter::EndLine() {
  text_ += "\r\n";
  lineStarted_ = false;
  ++line_;
  item_ = 0;
  return *this;
}

bool WriteDataFile(const std::string& path, const DataWriter& w, std::string* error) {
  if (!w.Ok()) {
    if (error) *error = "cannot save " + path + ": " + w.Error();
    return false;
  }
  return WriteFileSafely(path, w.Text(), error);
}

DataWriter& DataWriter::Line(std::string_view text) {
  if (lineStarted_) EndLine();
  text_ += text;
  return EndLine();
}

// ---- DataReader ----

void DataReader::Fail(std::string_view what) {
  if (!error_.empty()) return;
  // Reading an item also consumes its line end, so name the line the item
  // stood on rather than the line after it.
  error_ = std::string(what) + " (line " + std::to_string(itemLine_) + ")";
}

void DataReader::SkipBlanks() {
  while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
}

bool DataReader::AtLineEnd() const { return pos_ >= text_.size() || text_[pos_] == '\r' || text_[pos_] == '\n'; }

// A Ctrl-Z ends the file: an item right before it ends there, as at a line
// end, and reading on finds the end of the file.
bool DataReader::AtItemEnd() const { return AtLineEnd() || text_[pos_] == ',' || text_[pos_] == '\x1a'; }

void DataReader::ConsumeLineEnd() {
  if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  ++line_;
}

bool DataReader::AtEnd() const {
  for (size_t i = pos_; i < text_.size(); ++i) {
    char c = text_[i];
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\x1a') return false;
  }
  return true;
}

bool DataReader::NextItem(std::string& item, Kind& kind) {
  if (!Ok()) return false;
  itemLine_ = line_;
  if (pos_ >= text_.size() || (text_[pos_] == '\x1a')) {
    Fail("unexpected end of file");
    return false;
  }
  SkipBlanks();
  item.clear();
  if (pos_ < text_.size() && text_[pos_] == '"') {
    kind = Kind::Quoted;
    // One pass to the closing quote; a doubled quote stands for one.
    size_t i = pos_ + 1;
    for (;;) {
      if (i >= text_.size() || text_[i] == '\r' || text_[i] == '\n') {
        Fail("unterminated text item");
        return false;
      }
      if (text_[i] == '"') {
        if (i + 1 < text_.size() && text_[i + 1] == '"') {
          item += '"';
          i += 2;
          continue;
        }
        break;
      }
      item += text_[i++];
    }
    pos_ = i + 1;
    SkipBlanks();
    if (!AtItemEnd()) {
      Fail("unexpected characters after a text item");
      return false;
    }
  } else {
    kind = Kind::Bare;
    size_t start = pos_;
    while (!AtItemEnd()) ++pos_;
    size_t end = pos_;
    while (end > start && (text_[end - 1] == ' ' || text_[end - 1] == '\t')) --end;
    item.assign(text_, start, end - start);
  }
  lineEnded_ = pos_ >= text_.size() || text_[pos_] != ',';
  if (lineEnded_) {
    ConsumeLineEnd();
  } else {
    ++pos_;
  }
  return true;
}

bool DataReader::EndOfLine() {
  if (!Ok()) return false;
  if (lineEnded_) return true;
  Fail("text is left on the line after its items");
  return false;
}

bool DataReader::EndOfFile(std::string_view what) {
  if (!Ok()) return false;
  int line = line_;
  for (size_t i = pos_; i < text_.size(); ++i) {
    const char c = text_[i];
    if (c == '\n' || (c == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n'))) {
      ++line;
    } else if (c != ' ' && c != '\t' && c != '\r' && c != '\x1a') {
      itemLine_ = line;
      Fail(what);
      return false;
    }
  }
  return true;
}

bool DataReader::Read(std::string& out) {
  std::string item;
  Kind kind;
  if (!NextItem(item, kind)) return false;
  out = std::move(item);
  return true;
}

bool DataReader::ReadNumber(double& out) {
  std::string item;
  Kind kind;
  if (!NextItem(item, kind)) return false;
  if (kind == Kind::Quoted) {
    Fail("a number was expected but a text was found");
    return false;
  }
  if (item.empty()) {
    Fail("a number is missing");
    return false;
  }
  if (item[0] == '#') {
    if (item == "#TRUE#") {
      out = -1;
      return true;
    }
    if (item == "#FALSE#") {
      out = 0;
      return true;
    }
  }
  if (!ParseNumber(item, out)) {
    Fail("\"" + item + "\" is not a number");
    return false;
  }
  return true;
}

bool DataReader::Read(Integer& out) {
  double v;
  if (!ReadNumber(v)) return false;
  auto i = ToInteger(v);
  if (!i) {
    Fail("a whole number is out of range");
    return false;
  }
  out = *i;
  return true;
}

bool DataReader::Read(Long& out) {
  double v;
  if (!ReadNumber(v)) return false;
  auto i = ToLong(v);
  if (!i) {
    Fail("a whole number is out of range");
    return false;
  }
  out = *i;
  return true;
}

bool DataReader::Read(Single& out) {
  double v;
  if (!ReadNumber(v)) return false;
  auto s = NearestSingle(v);
  if (!s) {
    Fail("a number is out of range");
    return false;
  }
  out = *s;
  return true;
}

bool DataReader::Read(double& out) { return ReadNumber(out); }

bool DataReader::ReadInRange(Integer& out, int lo, int hi, std::string_view what) {
  Integer value = 0;
  if (!Read(value)) return false;
  if (value < lo || value > hi) {
    Fail(std::string(what) + " of " + std::to_string(value) + " lies outside " + std::to_string(lo) + " to " +
         std::to_string(hi));
    return false;
  }
  out = value;
  return true;
}

bool DataReader::ReadBool(bool& out) {
  double v;
  if (!ReadNumber(v)) return false;
  out = v != 0;
  return true;
}

bool DataReader::ReadLine(std::string& out) {
  if (!Ok()) return false;
  itemLine_ = line_;
  if (pos_ >= text_.size()) {
    Fail("unexpected end of file");
    return false;
  }
  size_t start = pos_;
  while (!AtLineEnd()) ++pos_;
  out.assign(text_, start, pos_ - start);
  ConsumeLineEnd();
  lineEnded_ = true;
  return true;
}

}  // namespace common
