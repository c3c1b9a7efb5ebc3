#include "simulation/data_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace simulation {
namespace {

constexpr std::size_t kBlockBytes = 1 << 20;

// The process's file creation mask, read once while the program starts: it
// can only be read by setting it, which must not happen while simulation
// threads create files.
mode_t ReadUmask() {
  mode_t mask = umask(0);
  umask(mask);
  return mask;
}
const mode_t kUmask = ReadUmask();

}  // namespace

bool BlockReader::Open(const std::string& path, std::string& error) {
  Close();
  in_.open(path, std::ios::binary);
  if (!in_) {
    error = "cannot open " + path;
    return false;
  }
  return true;
}

void BlockReader::Close() {
  if (in_.is_open()) in_.close();
  in_.clear();
  carry_.clear();
  reader_.reset();
  baseLine_ = 1;
  blockLines_ = 0;
  ioError_.clear();
}

bool BlockReader::LoadBlock() {
  if (!in_.is_open()) return false;
  std::string block = std::move(carry_);
  carry_.clear();
  std::size_t old = block.size();
  block.resize(old + kBlockBytes);
  in_.read(block.data() + old, static_cast<std::streamsize>(kBlockBytes));
  block.resize(old + static_cast<std::size_t>(in_.gcount()));
  if (in_.bad()) {
    ioError_ = "the file cannot be read";
    return false;
  }
  // Keep whole lines; a line cut off at the end waits for the next block.
  while (!in_.eof()) {
    std::size_t end = block.find_last_of('\n');
    if (end != std::string::npos) {
      carry_.assign(block, end + 1, std::string::npos);
      block.resize(end + 1);
      break;
    }
    std::size_t size = block.size();
    block.resize(size + kBlockBytes);
    in_.read(block.data() + size, static_cast<std::streamsize>(kBlockBytes));
    block.resize(size + static_cast<std::size_t>(in_.gcount()));
    if (in_.bad()) {
      ioError_ = "the file cannot be read";
      return false;
    }
  }
  if (block.empty()) return false;
  baseLine_ += blockLines_;
  blockLines_ = static_cast<int>(std::count(block.begin(), block.end(), '\n'));
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

BlockWriter::~BlockWriter() { Abandon(); }

bool BlockWriter::Open(const std::string& path, std::string& error) {
  Abandon();
  if (path.empty() || path.back() == '/') {
    error = "no file name given";
    return false;
  }
  path_ = path;
  tmp_ = path + ".tmpXXXXXX";
  fd_ = mkstemp(tmp_.data());
  if (fd_ < 0) {
    error = "cannot create " + path + ": " + std::strerror(errno);
    tmp_.clear();
    return false;
  }
  out_ = common::DataWriter();
  ioError_.clear();
  return true;
}

bool BlockWriter::Flush(bool force) {
  if (fd_ < 0) return false;
  if (!ioError_.empty()) return false;
  const std::string& text = out_.Text();
  if (!force && text.size() < kBlockBytes) return true;
  std::size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd_, text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      ioError_ = "cannot write " + path_ + ": " + std::strerror(errno);
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  out_ = common::DataWriter();
  return true;
}

bool BlockWriter::Commit(std::string& error) {
  if (fd_ < 0) {
    error = "the file is not open";
    return false;
  }
  if (!Flush(true)) {
    error = ioError_;
    Abandon();
    return false;
  }
  if (close(fd_) != 0) {
    fd_ = -1;
    error = "cannot write " + path_;
    Abandon();
    return false;
  }
  fd_ = -1;
  chmod(tmp_.c_str(), 0666 & ~kUmask);
  if (rename(tmp_.c_str(), path_.c_str()) != 0) {
    error = "cannot replace " + path_ + ": " + std::strerror(errno);
    Abandon();
    return false;
  }
  tmp_.clear();
  return true;
}

void BlockWriter::Abandon() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!tmp_.empty()) unlink(tmp_.c_str());
  tmp_.clear();
  out_ = common::DataWriter();
}

}  // namespace simulation
