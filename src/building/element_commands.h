#pragma once
// The component editor's element-file commands, without the window: the
// message to show comes back in the result; the open dialog goes through
// `dialogs`.
#include <string>

#include "building/component_commands.h"
#include "building/element_library.h"
#include "common/building_state.h"

namespace building {

// What the element panel shows after a read. The grid is filled from
// CurElm and the library row of its type.
struct ElementShown {
  std::string elmName;         // txtElmName
  std::string typeName;        // lblElmType; empty when the type is not in the library
  bool typeInLibrary = false;  // the loaded library has a record for ElmTypeNo
  LibraryLoad library = LibraryLoad::NotOpened;
};

struct ElementRead {
  CommandRead result = CommandRead::Failed;
  ElementShown shown;   // after Read
  std::string message;  // the message box to show; empty: none
  std::string reason;   // NotOpened: why the file could not be opened
};

// "Save Element": writes CurElm (name and values already copied from the
// panel) under its settled file name. `compTypeListIndex` is the list
// index of the component type box. True after a complete write, and only
// then does ElmFile change (to the bare name). Shows no message; the
// reason of a failed write goes to `error` when given.
bool SaveElmFile(common::BuildingState& st, int compTypeListIndex, std::string* error = nullptr);

// Reads the element file `elmFile` (reduced to its file part, then looked
// up by the project-folder rule) into CurElm against st.FileType (set
// with SetElmFileKind first), then loads the element library of st.GrpType
// and st.CompTypeIdx. On Read CurElm holds the file, ElmFile its bare name;
// a library that cannot be opened or lacks the element's type is reported
// in the message. A file of another kind or a malformed one is reported and
// leaves CurElm exactly as it was; a file that cannot be opened is not
// reported here.
ElementRead ReadElmFile(common::BuildingState& st, const std::string& elmFile);
// The same for the file CurElm.ElmFile names.
ElementRead ReadElmFile(common::BuildingState& st);

// "Load Element": SetElmFileKind, the open dialog (filter of the kind,
// starting in the project folder), then reads the chosen file as ReadElmFile
// does.
ElementRead LoadElmFile(common::BuildingState& st, CommandDialogs& dialogs, int compTypeListIndex);

}  // namespace building
