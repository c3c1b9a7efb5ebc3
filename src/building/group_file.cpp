#include "building/group_file.h"

#include "common/data_file.h"
#include "common/paths.h"

namespace building {
namespace {

using common::Integer;

constexpr int kMaxComponents = 101;
constexpr int kMaxCompType = 19;

constexpr GroupKind kKinds[] = {
    {100, ".FDN", "Foundation Component Group Files (*.FDN)|*.FDN", "No. in Fdn"},
    {200, ".FLR", "Floor Component Group Files (*.FLR)|*.FLR", "No. in Flr"},
    {300, ".SER", "Services Component Group Files (*.SER)|*.SER", "No. in Ser"},
};

}  // namespace

const GroupKind* GroupKindOf(Integer grpType) {
  for (const auto& kind : kKinds)
    if (kind.GrpType == grpType) return &kind;
  return nullptr;
}

ReadOutcome ReadGroupFile(const std::string& path, Integer grpType, common::GroupRec& grp, common::FileCache* cache) {
  ReadOutcome out;
  auto in = OpenDataFile(path, out, cache);
  if (!in) return out;
  if (!ReadKindHead(*in, grpType, out)) return out;

  common::GroupRec r = grp;
  if (!in->Read(r.GrpName) || !in->EndOfLine() || !in->Read(r.GrpQty) || !in->EndOfLine() ||
      !in->ReadInRange(r.NoOfComp, 0, kMaxComponents, "a component count") || !in->EndOfLine())
    return Fail(out, *in);
  for (int i = 0; i < r.NoOfComp; ++i) {
    if (!in->Read(r.GrpCompFile[i]) || !in->Read(r.GrpCompName[i]) ||
        !in->ReadInRange(r.GrpCompType[i], 0, kMaxCompType, "a component type") || !in->Read(r.GrpCompQty[i]) ||
        !in->EndOfLine())
      return Fail(out, *in);
  }
  if (!in->EndOfFile()) return Fail(out, *in);
  grp = std::move(r);
  return out;
}

namespace {

common::DataWriter GroupFileWriter(const common::GroupRec& grp, Integer grpType) {
  common::DataWriter w;
  w.Str(grp.GrpFile).EndLine();
  w.Int(grpType).EndLine();
  w.Str(grp.GrpName).EndLine();
  w.SngExact(grp.GrpQty).EndLine();
  w.Int(grp.NoOfComp).EndLine();
  for (int i = 0; i < grp.NoOfComp && i < kMaxComponents; ++i)
    w.Str(grp.GrpCompFile[i]).Str(grp.GrpCompName[i]).Int(grp.GrpCompType[i]).SngExact(grp.GrpCompQty[i]).EndLine();
  return w;
}

}  // namespace

bool WriteGroupFile(const std::string& path, const common::GroupRec& grp, Integer grpType, std::string& error) {
  if (grp.NoOfComp < 0 || grp.NoOfComp > kMaxComponents) {
    error = "a component count of " + std::to_string(grp.NoOfComp);
    return false;
  }
  // Nothing is written that the reader would refuse.
  bool textsFit = common::IsDataText(grp.GrpFile) && common::IsDataText(grp.GrpName);
  bool typesFit = true;
  for (int i = 0; i < grp.NoOfComp; ++i) {
    textsFit = textsFit && common::IsDataText(grp.GrpCompFile[i]) && common::IsDataText(grp.GrpCompName[i]);
    typesFit = typesFit && grp.GrpCompType[i] >= 0 && grp.GrpCompType[i] <= kMaxCompType;
  }
  if (!textsFit || !typesFit) {
    error = textsFit ? "a component type out of range" : "a name holds a line break";
    return false;
  }
  return common::WriteDataFile(path, GroupFileWriter(grp, grpType), &error);
}

std::string GroupKindMessage(const std::string& grpFile, const std::string& grpTypeName) {
  return grpFile + " is not a " + grpTypeName + " file!";
}

std::string GroupReadErrorMessage(const std::string& grpFile) { return "Error in reading file: " + grpFile; }

std::string GroupWriteErrorMessage(const std::string& grpTypeName) {
  return "Error in writing " + grpTypeName + " data";
}

}  // namespace building
