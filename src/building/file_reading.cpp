#include "building/file_reading.h"

#include "common/paths.h"

namespace building {

std::optional<common::DataReader> OpenDataFile(const std::string& path, ReadOutcome& out, common::FileCache* cache) {
  if (cache) {
    const auto& text = cache->Text(path, &out.error);
    if (!text) {
      out.status = FileRead::NotOpened;
      return std::nullopt;
    }
    return common::DataReader(*text);
  }
  auto text = common::ReadWholeFile(path, &out.error);
  if (!text) {
    out.status = FileRead::NotOpened;
    return std::nullopt;
  }
  return common::DataReader(std::move(*text));
}

bool ReadKindHead(common::DataReader& in, common::Integer expected, ReadOutcome& out) {
  std::string ownName;
  if (!in.Read(ownName) || !in.EndOfLine() || !in.Read(out.kindFound) || !in.EndOfLine()) {
    Fail(out, in);
    return false;
  }
  if (out.kindFound != expected) {
    out.status = FileRead::WrongKind;
    return false;
  }
  return true;
}

ReadOutcome& Fail(ReadOutcome& out, const common::DataReader& in) {
  out.status = FileRead::Failed;
  out.error = in.Error();
  return out;
}

}  // namespace building
