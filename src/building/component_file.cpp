#include "building/component_file.h"

#include "common/data_file.h"
#include "common/number_text.h"
#include "common/paths.h"

namespace building {
namespace {

using common::Integer;

constexpr int kMaxElements = 20;
constexpr int kMaxCompType = 19;
constexpr int kMaxElementType = 300;

}  // namespace

std::optional<CompFileKind> SetCompFileKind(common::BuildingState& st) {
  CompFileKind kind;
  switch (st.GrpType) {
    case 100:
      kind = {"Foundation Component files (*.FDC)|*.FDC", 110, ".FDC", false};
      break;
    case 200:
      kind = {"Floor Component files (*.FLC)|*.FLC", 210, ".FLC", true};
      break;
    case 300:
      kind = {"Services Component files (*.SRC)|*.SRC", 310, ".SRC", false};
      break;
    default:
      return std::nullopt;
  }
  st.FileType = kind.FileType;
  return kind;
}

ReadOutcome ReadComponentFile(const std::string& path, Integer fileType, common::CompRec& comp,
                              common::FileCache* cache) {
  ReadOutcome out;
  auto in = OpenDataFile(path, out, cache);
  if (!in) return out;
  if (!ReadKindHead(*in, fileType, out)) return out;

  common::CompRec r = comp;
  if (!in->Read(r.CompName) || !in->EndOfLine() || !in->ReadInRange(r.CompType, 0, kMaxCompType, "a component type") ||
      !in->EndOfLine() || !in->Read(r.CompQty) || !in->EndOfLine() ||
      !in->ReadInRange(r.NoOfElm, 0, kMaxElements, "an element count") || !in->EndOfLine())
    return Fail(out, *in);
  for (int i = 0; i < r.NoOfElm; ++i) {
    if (!in->Read(r.CompElmFile[i]) || !in->Read(r.CompElmName[i]) ||
        !in->ReadInRange(r.CompElmTypeNo[i], -1, kMaxElementType, "an element type") || !in->EndOfLine())
      return Fail(out, *in);
  }
  if (!in->EndOfFile()) return Fail(out, *in);
  comp = std::move(r);
  return out;
}

namespace {

common::DataWriter ComponentFileWriter(const common::CompRec& comp, Integer fileType) {
  common::DataWriter w;
  w.Str(comp.CompFile).EndLine();
  w.Int(fileType).EndLine();
  w.Str(comp.CompName).EndLine();
  w.Int(comp.CompType).EndLine();
  w.SngExact(comp.CompQty).EndLine();
  w.Int(comp.NoOfElm).EndLine();
  for (int i = 0; i < comp.NoOfElm && i < kMaxElements; ++i)
    w.Str(comp.CompElmFile[i]).Str(comp.CompElmName[i]).Int(comp.CompElmTypeNo[i]).EndLine();
  return w;
}

}  // namespace

bool WriteComponentFile(const std::string& path, const common::CompRec& comp, Integer fileType, std::string& error) {
  if (comp.NoOfElm < 0 || comp.NoOfElm > kMaxElements) {
    error = "an element count of " + std::to_string(comp.NoOfElm);
    return false;
  }
  // Nothing is written that the reader would refuse.
  bool textsFit = common::IsDataText(comp.CompFile) && common::IsDataText(comp.CompName);
  bool typesFit = comp.CompType >= 0 && comp.CompType <= kMaxCompType;
  for (int i = 0; i < comp.NoOfElm; ++i) {
    textsFit = textsFit && common::IsDataText(comp.CompElmFile[i]) && common::IsDataText(comp.CompElmName[i]);
    typesFit = typesFit && comp.CompElmTypeNo[i] >= -1 && comp.CompElmTypeNo[i] <= kMaxElementType;
  }
  if (!textsFit || !typesFit) {
    error = textsFit ? "a type out of range" : "a name holds a line break";
    return false;
  }
  return common::WriteDataFile(path, ComponentFileWriter(comp, fileType), &error);
}

std::string ComponentKindMessage(const std::string& compFile, Integer found, Integer expected) {
  return compFile + " is for type " + common::ShortTextInt(found) + " but not " + common::ShortTextInt(expected);
}

}  // namespace building
