#include "building/project_file.h"

#include "common/data_file.h"
#include "common/paths.h"

namespace building {
namespace {

using common::Integer;

// A group count on its own line, then one line per group.
template <size_t N>
bool ReadGroupList(common::DataReader& in, Integer& count, std::array<std::string, N>& file,
                   std::array<std::string, N>& name, std::array<common::Single, N>& qty) {
  if (!in.ReadInRange(count, 0, static_cast<int>(N), "a group count") || !in.EndOfLine()) return false;
  for (size_t i = 0; i < static_cast<size_t>(count); ++i)
    if (!in.Read(file[i]) || !in.Read(name[i]) || !in.Read(qty[i]) || !in.EndOfLine()) return false;
  return true;
}

template <size_t N>
void WriteGroupList(common::DataWriter& out, Integer count, const std::array<std::string, N>& file,
                    const std::array<std::string, N>& name, const std::array<common::Single, N>& qty) {
  out.Int(count).EndLine();
  for (size_t i = 0; i < static_cast<size_t>(count) && i < N; ++i)
    out.Str(file[i]).Str(name[i]).SngExact(qty[i]).EndLine();
}

}  // namespace

ReadStatus ReadProjectFile(const std::string& path, common::BldgRec& bldg, std::string& error) {
  // Only a name that nothing stands at is a new project; a folder, a named
  // pipe or a link loop is refused below with its reason.
  if (common::NothingAt(path)) {
    common::BldgRec empty;
    empty.ProjFile = bldg.ProjFile;
    empty.ProjName = bldg.ProjName;
    empty.CFA = bldg.CFA;
    bldg = empty;
    return ReadStatus::Missing;
  }
  auto text = common::ReadWholeFile(path, &error);
  if (!text) return ReadStatus::Failed;
  common::DataReader in(std::move(*text));
  common::BldgRec r;
  r.ProjFile = bldg.ProjFile;
  // Each line holds exactly the items the writer put on it and nothing
  // follows the services groups, so a number split in two or a line too
  // many is refused rather than read shifted.
  std::string discarded;
  bool ok = in.Read(discarded) && in.EndOfLine() && in.Read(r.ProjName) && in.Read(r.CFA) && in.EndOfLine() &&
            ReadGroupList(in, r.NoOfFdnGrp, r.FdnGrpFile, r.FdnGrpName, r.FdnGrpQty) &&
            ReadGroupList(in, r.NoOfFlrGrp, r.FlrGrpFile, r.FlrGrpName, r.FlrGrpQty) &&
            ReadGroupList(in, r.NoOfSerGrp, r.SerGrpFile, r.SerGrpName, r.SerGrpQty) && in.EndOfFile();
  if (!ok) {
    error = in.Error();
    return ReadStatus::Failed;
  }
  bldg = std::move(r);
  return ReadStatus::Ok;
}

namespace {

common::DataWriter ProjectFileWriter(const common::BldgRec& b) {
  common::DataWriter out;
  out.Str(b.ProjFile).EndLine();
  out.Str(b.ProjName).SngExact(b.CFA).EndLine();
  WriteGroupList(out, b.NoOfFdnGrp, b.FdnGrpFile, b.FdnGrpName, b.FdnGrpQty);
  WriteGroupList(out, b.NoOfFlrGrp, b.FlrGrpFile, b.FlrGrpName, b.FlrGrpQty);
  WriteGroupList(out, b.NoOfSerGrp, b.SerGrpFile, b.SerGrpName, b.SerGrpQty);
  return out;
}

}  // namespace

bool WriteProjectFile(const std::string& path, const common::BldgRec& bldg, std::string& error) {
  return common::WriteDataFile(path, ProjectFileWriter(bldg), &error);
}

}  // namespace building
