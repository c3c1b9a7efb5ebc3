#include "building/group_commands.h"

#include "building/file_naming.h"
#include "building/group_file.h"
#include "building/load_dialog.h"
#include "common/file_names.h"
#include "common/number_text.h"
#include "common/project_paths.h"

namespace building {

namespace {

// Reads the group file at `path`; `grpFile` is the name the messages show.
bool ReadGrpAt(common::BuildingState& st, forms::Form& form, const std::string& path, const std::string& grpFile) {
  std::string bare = grpFile;
  ModInpCtl::ExtractFileName(bare);
  st.CurFileName = bare;

  common::GroupRec read = st.CurGrp;
  ReadOutcome out = ReadGroupFile(path, st.GrpType, read);
  switch (out.status) {
    case FileRead::Ok:
      read.GrpFile = bare;
      st.CurGrp = std::move(read);
      return true;
    case FileRead::WrongKind:
      form.MsgBox(GroupKindMessage(grpFile, st.GrpTypeName));
      return false;
    case FileRead::NotOpened:
    case FileRead::Failed:
      form.MsgBox(GroupReadErrorMessage(grpFile));
      return false;
  }
  return false;
}

}  // namespace

bool ReadGrpFile(common::BuildingState& st, forms::Form& form, const std::string& grpFile) {
  std::string bare = grpFile;
  ModInpCtl::ExtractFileName(bare);
  return ReadGrpAt(st, form, common::ResolveProjectFile(bare, st.ProjDir), grpFile);
}

bool ReadGrpFile(common::BuildingState& st, forms::Form& form) {
  std::string name = st.CurGrp.GrpFile;
  return ReadGrpFile(st, form, name);
}

bool LoadGrpFile(common::BuildingState& st, forms::Form& form, bool* cancelled) {
  const GroupKind* kind = GroupKindOf(st.GrpType);
  auto chosen =
      ChooseFileToLoad(form, {"Load a " + st.GrpTypeName + " File", kind ? kind->GrpFileFilter : "", st.ProjDir, ""});
  if (cancelled) *cancelled = !chosen;
  if (!chosen) return false;
  return ReadGrpAt(st, form, *chosen, *chosen);
}

bool SaveGrpFile(common::BuildingState& st, forms::Form& form, const GroupBoxes& boxes) {
  if (boxes.groupName.empty()) {
    form.MsgBox(st.GrpTypeName + " name missing!");
    return false;
  }
  if (boxes.groupNo.empty()) {
    form.MsgBox("Missing no. of identical " + st.GrpTypeName + "(s) in Building!");
    return false;
  }
  const GroupKind* kind = GroupKindOf(st.GrpType);
  auto qty = common::ToSingle(common::LeadingNumber(boxes.groupNo));
  bool fits = kind && qty && boxes.listedComponents >= 0 && boxes.listedComponents <= 101;

  common::GroupRec grp = st.CurGrp;
  if (fits) {
    grp.GrpFile = GroupSaveFileName(grp.GrpFile, boxes.groupName, kind->DefExt);
    grp.GrpName = boxes.groupName;
    grp.GrpQty = *qty;
    grp.NoOfComp = static_cast<common::Integer>(boxes.listedComponents);
  }
  std::string error;
  if (!fits || !WriteGroupFile(common::ProjectSaveFile(grp.GrpFile, st.ProjDir), grp, st.GrpType, error)) {
    form.MsgBox(GroupWriteErrorMessage(st.GrpTypeName));
    return false;
  }
  st.CurGrp = std::move(grp);
  return true;
}

}  // namespace building
