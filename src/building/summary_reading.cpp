#include "building/summary_reading.h"

#include "building/component_file.h"
#include "building/element_file.h"
#include "building/element_library.h"
#include "building/file_reading.h"
#include "building/group_file.h"
#include "common/file_names.h"
#include "common/project_paths.h"

namespace building {
namespace {

using common::Integer;

// The path of a stored name, with CurFileName set to its file part.
std::string SummaryPath(common::BuildingState& st, const std::string& storedName) {
  std::string file = storedName;
  ModInpCtl::ExtractFileName(file);
  st.CurFileName = file;
  return common::ResolveStoredFile(storedName, st.ProjDir);
}

// The kind code on line 2, which the summaries take as the file gives it.
bool KindCodeOf(const std::string& path, common::FileCache& files, Integer& code, std::string& description) {
  ReadOutcome out;
  auto in = OpenDataFile(path, out, &files);
  std::string ownName;
  if (in && in->Read(ownName) && in->Read(code)) return true;
  description = in ? in->Error() : out.error;
  return false;
}

bool Explain(const ReadOutcome& out, const std::string& storedName, std::string& description) {
  if (out.status == FileRead::Ok) return true;
  description = storedName + ": " + out.error;
  return false;
}

}  // namespace

bool ReadSummaryGroup(common::BuildingState& st, const std::string& storedName, common::FileCache& files,
                      std::string& description) {
  std::string path = SummaryPath(st, storedName);
  Integer code = 0;
  if (!KindCodeOf(path, files, code, description)) {
    description = storedName + ": " + description;
    return false;
  }
  if (!Explain(ReadGroupFile(path, code, st.CurGrp, &files), storedName, description)) return false;
  st.GrpType = code;
  ModInpCtl::SetCompTypeNames(st);
  return true;
}

bool ReadSummaryComponent(common::BuildingState& st, const std::string& storedName, common::FileCache& files,
                          std::string& description) {
  std::string path = SummaryPath(st, storedName);
  Integer code = 0;
  if (!KindCodeOf(path, files, code, description)) {
    description = storedName + ": " + description;
    return false;
  }
  if (!Explain(ReadComponentFile(path, code, st.CurComp, &files), storedName, description)) return false;
  st.CompTypeIdx = st.CurComp.CompType;
  if (ModInpCtl::LoadElmLib(st) == LibraryLoad::NotOpened) {
    std::string library = ElementLibraryFile(st, st.GrpType, st.CompTypeIdx);
    description = library.empty() ? storedName + ": no element library serves group type " + std::to_string(st.GrpType)
                                  : LibraryNotOpenedMessage(library);
    return false;
  }
  return true;
}

bool ReadSummaryElement(common::BuildingState& st, const std::string& storedName, common::FileCache& files,
                        std::string& description) {
  std::string path = SummaryPath(st, storedName);
  Integer code = 0;
  if (!KindCodeOf(path, files, code, description)) {
    description = storedName + ": " + description;
    return false;
  }
  return Explain(ReadElementFile(path, code, st.CurElm, &files), storedName, description);
}

bool LibraryTypeName(const common::ElementLibrary& lib, int typeNo, std::string& name) {
  if (!HasElementType(lib, typeNo)) return false;
  name = ElementTypeName(lib, typeNo);
  return true;
}

}  // namespace building
