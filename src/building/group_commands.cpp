#include "building/group_commands.h"

#include "building/file_naming.h"
#include "building/group_file.h"
#include "common/failure_text.h"
#include "common/file_names.h"
#include "common/number_text.h"
#include "common/project_paths.h"

namespace building {

namespace {

// Reads the group file at `path`; `grpFile` is the name the messages show.
CommandResult ReadGrpAt(common::BuildingState& st, const std::string& path, const std::string& grpFile) {
  std::string bare = grpFile;
  ModInpCtl::ExtractFileName(bare);
  st.CurFileName = bare;

  common::GroupRec read = st.CurGrp;
  ReadOutcome out = ReadGroupFile(path, st.GrpType, read);
  switch (out.status) {
    case FileRead::Ok:
      read.GrpFile = bare;
      st.CurGrp = std::move(read);
      return {true, ""};
    case FileRead::WrongKind:
      return {false, GroupKindMessage(grpFile, st.GrpTypeName)};
    case FileRead::NotOpened:
    case FileRead::Failed:
      break;
  }
  return {false, common::WithReason(GroupReadErrorMessage(grpFile), out.error)};
}

}  // namespace

CommandResult ReadGrpFile(common::BuildingState& st, const std::string& grpFile) {
  return ReadGrpAt(st, common::ResolveStoredFile(grpFile, st.ProjDir), grpFile);
}

CommandResult ReadGrpFile(common::BuildingState& st) {
  std::string name = st.CurGrp.GrpFile;
  return ReadGrpFile(st, name);
}

CommandResult LoadGrpFile(common::BuildingState& st, CommandDialogs& dialogs, bool* cancelled) {
  const GroupKind* kind = GroupKindOf(st.GrpType);
  auto chosen =
      dialogs.ChooseFileToOpen({"Load a " + st.GrpTypeName + " File", kind ? kind->GrpFileFilter : "", st.ProjDir});
  if (cancelled) *cancelled = !chosen;
  if (!chosen) return {};
  return ReadGrpAt(st, *chosen, *chosen);
}

CommandResult SaveGrpFile(common::BuildingState& st, CommandDialogs& dialogs, const GroupBoxes& boxes,
                          const std::string& ownFile) {
  if (boxes.groupName.empty()) return {false, st.GrpTypeName + " name missing!"};
  if (boxes.groupNo.empty()) return {false, "Missing no. of identical " + st.GrpTypeName + "(s) in Building!"};
  const GroupKind* kind = GroupKindOf(st.GrpType);
  auto qty = common::TypedSingle(boxes.groupNo);
  // Why the boxes cannot be saved; empty when they can.
  const std::string refusal = !kind  ? "a group type of " + std::to_string(st.GrpType)
                              : !qty ? common::TooLargeNumber(boxes.groupNo)
                              : boxes.listedComponents < 0 || boxes.listedComponents > 101
                                  ? "a component count of " + std::to_string(boxes.listedComponents)
                                  : "";
  const bool fits = refusal.empty();

  common::GroupRec grp = st.CurGrp;
  if (fits) {
    grp.GrpFile = GroupSaveFileName(grp.GrpFile, boxes.groupName, kind->DefExt);
    grp.GrpName = boxes.groupName;
    grp.GrpQty = *qty;
    grp.NoOfComp = static_cast<common::Integer>(boxes.listedComponents);
  }
  if (fits && !MayReplaceFile(dialogs, grp.GrpFile, ownFile, st.ProjDir)) return {};
  std::string error = refusal;
  if (!fits || !WriteGroupFile(common::ProjectSaveFile(grp.GrpFile, st.ProjDir), grp, st.GrpType, error))
    return {false, common::WithReason(GroupWriteErrorMessage(st.GrpTypeName), error)};
  st.CurGrp = std::move(grp);
  return {true, ""};
}

}  // namespace building
