#include "building/component_commands.h"

#include <algorithm>

#include "building/component_file.h"
#include "building/file_naming.h"
#include "common/failure_text.h"
#include "common/file_names.h"
#include "common/number_text.h"
#include "common/project_paths.h"

namespace building {
namespace {

ComponentBoxes BoxesOf(const common::CompRec& comp) {
  ComponentBoxes b;
  b.compName = comp.CompName;
  b.compTypeIndex = comp.CompType;
  b.compNo = common::ExactText(comp.CompQty);  // a second save keeps every digit
  for (int i = 0; i < comp.NoOfElm; ++i) b.elementNames.push_back(comp.CompElmName[i]);
  return b;
}

}  // namespace

CommandResult SaveCompFile(common::BuildingState& st, CommandDialogs& dialogs, const ComponentBoxes& boxes,
                           const std::string& ownFile) {
  if (boxes.compTypeIndex < 0) return {false, "Component type not defined!!"};
  if (boxes.compName.empty()) return {false, "Component Name not defined!!"};
  if (boxes.compNo.empty()) return {false, "No. of Identical Components not defined!!"};
  auto kind = SetCompFileKind(st);
  // An unknown group type has no file kind: nothing can be named or written.
  if (!kind) return {};

  common::CompRec comp = st.CurComp;
  comp.CompType = static_cast<common::Integer>(boxes.compTypeIndex);
  comp.CompFile = SaveFileName(comp.CompFile, boxes.compName, kind->DefExt);
  comp.CompName = boxes.compName;
  auto qty = common::TypedSingle(boxes.compNo);
  comp.CompQty = qty.value_or(0);
  comp.NoOfElm = static_cast<common::Integer>(std::min<size_t>(boxes.elementNames.size(), 21));

  // Why the boxes cannot be saved; empty when they can.
  std::string error = !qty                             ? common::TooLargeNumber(boxes.compNo)
                      : boxes.compTypeIndex > 19       ? "a type out of range"
                      : boxes.elementNames.size() > 20 ? "more than 20 elements"
                                                       : "";
  const bool fits = error.empty();
  if (fits && !MayReplaceFile(dialogs, comp.CompFile, ownFile, st.ProjDir)) return {};
  if (!fits || !WriteComponentFile(common::ProjectSaveFile(comp.CompFile, st.ProjDir), comp, kind->FileType, error))
    return {false, common::WithReason("Error in saving component data!!", error)};
  st.CurComp = std::move(comp);
  return {true, ""};
}

namespace {

// Reads the component file at `path`; `compFile` is the name the messages show.
ComponentRead ReadCompAt(common::BuildingState& st, const std::string& path, const std::string& compFile) {
  std::string bare = compFile;
  ModInpCtl::ExtractFileName(bare);
  st.CurFileName = bare;

  common::CompRec read = st.CurComp;
  ReadOutcome out = ReadComponentFile(path, st.FileType, read);
  switch (out.status) {
    case FileRead::Ok:
      read.CompFile = bare;
      st.CurComp = std::move(read);
      return {CommandRead::Read, BoxesOf(st.CurComp), "", ""};
    case FileRead::WrongKind:
      return {CommandRead::WrongKind, {}, ComponentKindMessage(compFile, out.kindFound, st.FileType), ""};
    case FileRead::Failed:
      return {CommandRead::Failed, {}, common::WithReason("Error in reading component data!!", out.error), ""};
    case FileRead::NotOpened:
      break;
  }
  return {CommandRead::NotOpened, {}, "", out.error};
}

}  // namespace

ComponentRead ReadCompFile(common::BuildingState& st, const std::string& compFile) {
  return ReadCompAt(st, common::ResolveStoredFile(compFile, st.ProjDir), compFile);
}

ComponentRead ReadCompFile(common::BuildingState& st) {
  std::string name = st.CurComp.CompFile;
  return ReadCompFile(st, name);
}

ComponentRead LoadCompFile(common::BuildingState& st, CommandDialogs& dialogs) {
  auto kind = SetCompFileKind(st);
  auto chosen = dialogs.ChooseFileToOpen({"Load Component", kind ? kind->FileFilter : "", st.ProjDir});
  if (!chosen) return {CommandRead::Cancelled, {}, "", ""};
  return ReadCompAt(st, *chosen, *chosen);
}

}  // namespace building
