#include "building/project_file.h"

#include "common/data_file.h"
#include "common/paths.h"

namespace building {
namespace {

using common::Integer;

template <size_t N>
bool ReadGroupList(common::DataReader& in, Integer& count, std::array<std::string, N>& file,
                   std::array<std::string, N>& name, std::array<common::Single, N>& qty, std::string& error) {
  if (!in.Read(count)) return false;
  if (count < 0 || count > static_cast<Integer>(N)) {
    error = "a group count of " + std::to_string(count) + " (at most " + std::to_string(N) + ")";
    return false;
  }
  for (size_t i = 0; i < static_cast<size_t>(count); ++i)
    if (!in.Read(file[i]) || !in.Read(name[i]) || !in.Read(qty[i])) return false;
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
  std::string discarded;
  std::string countError;
  bool ok = in.Read(discarded) && in.Read(r.ProjName) && in.Read(r.CFA) &&
            ReadGroupList(in, r.NoOfFdnGrp, r.FdnGrpFile, r.FdnGrpName, r.FdnGrpQty, countError) &&
            ReadGroupList(in, r.NoOfFlrGrp, r.FlrGrpFile, r.FlrGrpName, r.FlrGrpQty, countError) &&
            ReadGroupList(in, r.NoOfSerGrp, r.SerGrpFile, r.SerGrpName, r.SerGrpQty, countError);
  if (!ok) {
    error = countError.empty() ? in.Error() : countError;
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
