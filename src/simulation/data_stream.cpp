#include "simulation/data_stream.h"

#include <cstdlib>
#include <cstring>

namespace simulation {
namespace {

constexpr std::size_t kBlockBytes = 1 << 20;

}  // namespace

bool BlockReader::Open(const std::string& path, std::string& error) {
  Close();
  return in_.Open(path, common::kMaxHourlyFileBytes, error);
}

void BlockReader::Close() {
  in_.Close();
  atEnd_ = false;
  carry_.clear();
  reader_.reset();
  baseLine_ = 1;
  blockLines_ = 0;
  searched_ = 0;
  ioError_.clear();
}

bool BlockReader::ReadMore(std::string& block) {
  const std::size_t old = block.size();
  std::size_t got = 0;
  block.resize(old + kBlockBytes);
  while (got < kBlockBytes) {
    auto n = in_.Read(block.data() + old + got, kBlockBytes - got, ioError_);
    if (!n) return false;
    if (*n == 0) {
      atEnd_ = true;
      break;
    }
    got += *n;
  }
  block.resize(old + got);
  return true;
}

const char* BlockReader::LastLineEnd(const char* from, std::size_t length) {
  searched_ += length;
  return static_cast<const char*>(memrchr(from, '\n', length));
}

bool BlockReader::LoadBlock() {
  if (!in_.IsOpen()) return false;
  std::string block = std::move(carry_);
  carry_.clear();
  // Keep whole lines; a line cut off at the end waits for the next block.
  // Only the text just read is searched for a line end (the carried start
  // of a line holds none), so a file without line ends is read in one pass.
  for (;;) {
    const std::size_t searched = block.size();
    if (!ReadMore(block)) return false;
    if (atEnd_) break;
    const char* const end = LastLineEnd(block.data() + searched, block.size() - searched);
    if (end) {
      const std::size_t kept = static_cast<std::size_t>(end - block.data()) + 1;
      carry_.assign(block, kept, std::string::npos);
      block.resize(kept);
      break;
    }
  }
  if (block.empty()) return false;
  baseLine_ += blockLines_;
  blockLines_ = 0;
  const char* const last = block.data() + block.size();
  for (const char* p = block.data();
       (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(last - p)))) != nullptr; ++p)
    ++blockLines_;
  reader_.emplace(std::move(block));
  return true;
}

common::DataReader* BlockReader::Line() {
  if (reader_ && !reader_->Ok()) return nullptr;
  while (!reader_ || reader_->AtEnd()) {
    if (!LoadBlock()) return nullptr;
  }
  return &*reader_;
}

int BlockReader::LineNumber() const { return baseLine_ + (reader_ ? reader_->LineNumber() - 1 : 0); }

std::string BlockReader::Error() const {
  if (!ioError_.empty()) return ioError_;
  if (!reader_ || reader_->Ok()) return "unexpected end of file (line " + std::to_string(LineNumber()) + ")";
  // The reader names the line within its block; name the file line instead.
  std::string why = reader_->Error();
  if (auto at = why.rfind(" (line "); at != std::string::npos) {
    int inBlock = std::atoi(why.c_str() + at + 7);
    why.resize(at);
    why += " (line " + std::to_string(baseLine_ + inBlock - 1) + ")";
  }
  return why;
}

bool BlockWriter::Open(const std::string& path, std::string& error) {
  Abandon();
  ioError_.clear();
  return file_.Open(path, error);
}

bool BlockWriter::Flush(bool force) {
  if (!file_.IsOpen() || !ioError_.empty()) return false;
  if (!out_.Ok()) {
    ioError_ = out_.Error();
    return false;
  }
  if (!force && out_.Text().size() < kBlockBytes) return true;
  if (!file_.Write(out_.Text(), ioError_)) return false;
  out_ = common::DataWriter();
  return true;
}

bool BlockWriter::Commit(std::string& error) {
  if (!file_.IsOpen()) {
    error = "the file is not open";
    return false;
  }
  if (!Flush(true)) {
    error = ioError_;
    Abandon();
    return false;
  }
  return file_.Commit(error);
}

void BlockWriter::Abandon() {
  file_.Abandon();
  out_ = common::DataWriter();
}

}  // namespace simulation
