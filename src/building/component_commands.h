#pragma once
// The component editor's component-file commands, without the window: the
// texts of its boxes come in, what it shows afterwards and the message to
// show come back. Questions and the open dialog go through `dialogs`.
#include <string>
#include <vector>

#include "building/command_dialogs.h"
#include "building/file_reading.h"
#include "common/building_state.h"

namespace building {

// The component boxes of the editor.
struct ComponentBoxes {
  std::string compName;                   // txtCompName
  int compTypeIndex = -1;                 // cboCompType list index
  std::string compNo;                     // txtCompNo
  std::vector<std::string> elementNames;  // lstElm, line i = element slot i
};

// How a read or load command ended; Cancelled only for a cancelled dialog.
enum class CommandRead { Read, Cancelled, NotOpened, WrongKind, Failed };

struct ComponentRead {
  CommandRead result = CommandRead::Failed;
  ComponentBoxes shown;  // the boxes to show after Read
  std::string message;   // the message box to show; empty: none
  std::string reason;    // NotOpened: why the file could not be opened
};

// "Save Component": validates the boxes, settles the file name and writes
// CurComp with its first elementNames.size() elements. A file of that name
// in the project folder other than `ownFile` (the bare name the component
// was opened or last saved under; empty for a new one) is replaced only
// when the user agrees. Done after a complete write, and only then do
// CompFile (bare name), CompName, CompType, CompQty and NoOfElm change;
// otherwise the message says why, unless the user declined the replacing.
CommandResult SaveCompFile(common::BuildingState& st, CommandDialogs& dialogs, const ComponentBoxes& boxes,
                           const std::string& ownFile);

// Reads the component file `compFile` (file part, then the project-folder
// rule) into CurComp against st.FileType. On Read CurComp holds the file,
// CompFile its bare name. A file of another kind or a malformed one is
// reported in the message and leaves CurComp exactly as it was; a file
// that cannot be opened is not reported here (NotOpened).
ComponentRead ReadCompFile(common::BuildingState& st, const std::string& compFile);
// The same for the file CurComp.CompFile names.
ComponentRead ReadCompFile(common::BuildingState& st);

// "Load Component": the open dialog (filter of the kind, starting in the
// project folder), then ReadCompFile of the chosen file.
ComponentRead LoadCompFile(common::BuildingState& st, CommandDialogs& dialogs);

}  // namespace building
