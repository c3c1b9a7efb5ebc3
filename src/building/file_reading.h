#pragma once
// What the readers of group, component, element and user-value files have
// in common: how a read ended, opening a file as data items, and the head
// line pair (the file's own name, then its kind code) of the first three.
#include <optional>
#include <string>

#include "common/data_file.h"
#include "common/file_cache.h"
#include "common/value_types.h"

namespace building {

enum class FileRead {
  Ok,         // the whole file was read and committed
  NotOpened,  // no such file, or it cannot be read
  WrongKind,  // its kind code differs from the one expected; nothing else read
  Failed,     // malformed, truncated or out of range; nothing committed
};

struct ReadOutcome {
  FileRead status = FileRead::Ok;
  common::Integer kindFound = 0;  // the kind code the file holds
  std::string error;              // the reason of NotOpened and Failed
};

// The file's text as data items; nullopt (and `out` NotOpened) when it
// cannot be read. With a cache the text is read once per run.
std::optional<common::DataReader> OpenDataFile(const std::string& path, ReadOutcome& out,
                                               common::FileCache* cache = nullptr);

// Reads the file's own name (dropped) and its kind code. False with `out`
// set when either is missing or the code is not `expected`.
bool ReadKindHead(common::DataReader& in, common::Integer expected, ReadOutcome& out);

// Marks `out` Failed with the reader's error.
ReadOutcome& Fail(ReadOutcome& out, const common::DataReader& in);

}  // namespace building
