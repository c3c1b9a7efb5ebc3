#include "building/element_file.h"

#include "common/data_file.h"
#include "common/paths.h"

namespace building {
namespace {

using common::Integer;

constexpr int kSlots = 17;
constexpr int kMaxElementType = 300;

}  // namespace

std::optional<ElmFileKind> SetElmFileKind(common::BuildingState& st, int compTypeListIndex) {
  ElmFileKind kind;
  switch (st.GrpType) {
    case 100:
      kind = {"Foundation Element files (*.FDE)|*.FDE", 120, ".FDE"};
      break;
    case 200:
      kind = {"Floor Element files (*.FLE)|*.FLE", 220, ".FLE"};
      break;
    case 300:
      kind = {"Services Element files (*.SRE)|*.SRE", 320, ".SRE"};
      break;
    default:
      return std::nullopt;
  }
  st.FileType = kind.FileType;
  st.CompTypeIdx = static_cast<Integer>(compTypeListIndex);
  return kind;
}

ReadOutcome ReadElementFile(const std::string& path, Integer fileType, common::ElmRec& elm, common::FileCache* cache) {
  ReadOutcome out;
  auto in = OpenDataFile(path, out, cache);
  if (!in) return out;
  if (!ReadKindHead(*in, fileType, out)) return out;

  common::ElmRec r;
  r.ElmFile = elm.ElmFile;
  if (!in->Read(r.ElmName) || !in->EndOfLine() ||
      !in->ReadInRange(r.ElmTypeNo, 0, kMaxElementType, "an element type") || !in->EndOfLine())
    return Fail(out, *in);
  for (int k = 0;; ++k) {
    if (k == kSlots) {
      in->Fail("a 17th value that is not empty");
      return Fail(out, *in);
    }
    if (!in->Read(r.ElmValue[k]) || !in->Read(r.ElmRemark[k]) || !in->EndOfLine()) return Fail(out, *in);
    if (r.ElmValue[k].empty()) break;
  }
  if (!in->EndOfFile()) return Fail(out, *in);
  elm = std::move(r);
  return out;
}

std::string ElementFileText(const common::ElmRec& elm, Integer fileType) {
  common::DataWriter w;
  w.Str(elm.ElmFile).EndLine();
  w.Int(fileType).EndLine();
  w.Str(elm.ElmName).EndLine();
  w.Int(elm.ElmTypeNo).EndLine();
  for (int k = 0; k < kSlots; ++k) {
    w.Str(elm.ElmValue[k]).Str(elm.ElmRemark[k]).EndLine();
    if (elm.ElmValue[k].empty()) break;
  }
  return w.Text();
}

bool WriteElementFile(const std::string& path, const common::ElmRec& elm, Integer fileType, std::string& error) {
  if (elm.ElmTypeNo < 0 || elm.ElmTypeNo > kMaxElementType) {
    error = "an element type of " + std::to_string(elm.ElmTypeNo);
    return false;
  }
  bool textsFit = common::IsDataText(elm.ElmFile) && common::IsDataText(elm.ElmName);
  int k = 0;
  for (; k < kSlots; ++k) {
    textsFit = textsFit && common::IsDataText(elm.ElmValue[k]) && common::IsDataText(elm.ElmRemark[k]);
    if (elm.ElmValue[k].empty()) break;
  }
  if (k == kSlots) {
    error = "a 17th value that is not empty";
    return false;
  }
  if (!textsFit) {
    error = "a text holds a line break";
    return false;
  }
  return common::WriteFileSafely(path, ElementFileText(elm, fileType), &error);
}

std::string ElementKindMessage(const std::string& elmFile, const std::string& grpTypeName) {
  return elmFile + " is not for a " + grpTypeName + " element!";
}

std::string ElementReadErrorMessage(const std::string& elmFile, const std::string& projDir) {
  std::string folder = elmFile.empty() || elmFile.front() != '/' ? projDir : std::string();
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return "Error in reading element data!! " + folder + elmFile;
}

}  // namespace building
