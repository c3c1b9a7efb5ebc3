#include "building/element_commands.h"

#include "building/element_file.h"
#include "building/file_naming.h"
#include "common/failure_text.h"
#include "common/file_names.h"
#include "common/project_paths.h"

namespace building {

bool SaveElmFile(common::BuildingState& st, int compTypeListIndex, std::string* error) {
  auto kind = SetElmFileKind(st, compTypeListIndex);
  // Without a name there is nothing to name the file after.
  if (!kind || (st.CurElm.ElmFile.empty() && st.CurElm.ElmName.empty())) return false;
  common::ElmRec elm = st.CurElm;
  elm.ElmFile = SaveFileName(elm.ElmFile, elm.ElmName, kind->DefExt);
  std::string why;
  if (!WriteElementFile(common::ProjectSaveFile(elm.ElmFile, st.ProjDir), elm, kind->FileType, why)) {
    if (error) *error = why;
    return false;
  }
  st.CurElm.ElmFile = elm.ElmFile;
  return true;
}

namespace {

// Reads the element file at `path`; `elmFile` is the name the messages show.
ElementRead ReadElmAt(common::BuildingState& st, const std::string& path, const std::string& elmFile) {
  std::string bare = elmFile;
  ModInpCtl::ExtractFileName(bare);
  st.CurFileName = bare;

  common::ElmRec read = st.CurElm;
  ReadOutcome out = ReadElementFile(path, st.FileType, read);
  switch (out.status) {
    case FileRead::Ok:
      break;
    case FileRead::WrongKind:
      return {CommandRead::WrongKind, {}, ElementKindMessage(elmFile, st.GrpTypeName), ""};
    case FileRead::Failed:
      return {CommandRead::Failed, {}, common::WithReason(ElementReadErrorMessage(elmFile, st.ProjDir), out.error), ""};
    case FileRead::NotOpened:
      return {CommandRead::NotOpened, {}, "", out.error};
  }
  read.ElmFile = bare;
  st.CurElm = std::move(read);

  ElementRead done{CommandRead::Read, {}, "", ""};
  ElementShown& shown = done.shown;
  shown.elmName = st.CurElm.ElmName;
  std::string why;
  shown.library = ModInpCtl::LoadElmLib(st, &why);
  std::string libFile = ElementLibraryFile(st, st.GrpType, st.CompTypeIdx);
  if (shown.library == LibraryLoad::NotOpened) {
    done.message = common::WithReason(LibraryNotOpenedMessage(libFile), why);
  } else if (!HasElementType(st.lib, st.CurElm.ElmTypeNo)) {
    done.message = TypeNotInLibraryMessage(st.CurElm.ElmTypeNo, libFile);
  } else {
    shown.typeInLibrary = true;
    shown.typeName = ElementTypeName(st.lib, st.CurElm.ElmTypeNo);
  }
  return done;
}

}  // namespace

ElementRead ReadElmFile(common::BuildingState& st, const std::string& elmFile) {
  return ReadElmAt(st, common::ResolveStoredFile(elmFile, st.ProjDir), elmFile);
}

ElementRead ReadElmFile(common::BuildingState& st) {
  std::string name = st.CurElm.ElmFile;
  return ReadElmFile(st, name);
}

ElementRead LoadElmFile(common::BuildingState& st, CommandDialogs& dialogs, int compTypeListIndex) {
  auto kind = SetElmFileKind(st, compTypeListIndex);
  auto chosen = dialogs.ChooseFileToOpen({"Load Element", kind ? kind->FileFilter : "", st.ProjDir});
  if (!chosen) return {CommandRead::Cancelled, {}, "", ""};
  return ReadElmAt(st, *chosen, *chosen);
}

}  // namespace building
