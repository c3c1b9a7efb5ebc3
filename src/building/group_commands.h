#pragma once
// The group editor's file commands, without the window: what the window
// supplies comes in as arguments, the message to show comes back in the
// result. The open dialog goes through `dialogs`.
#include <string>

#include "building/command_dialogs.h"
#include "common/building_state.h"

namespace building {

// Reads the group file `grpFile` (reduced to its file part, then looked
// up by the project-folder rule) into CurGrp. True when the whole file was
// read: CurGrp then holds it, with GrpFile := `grpFile` reduced to its file
// part. A file of another kind or one that cannot be read is reported in
// the message and leaves CurGrp exactly as it was.
CommandResult ReadGrpFile(common::BuildingState& st, const std::string& grpFile);
// The same for the file CurGrp.GrpFile names.
CommandResult ReadGrpFile(common::BuildingState& st);

// "Load": the open dialog, then ReadGrpFile of the chosen file. Not done
// when cancelled (nothing changes, no message; *cancelled set when given)
// or when the read failed.
CommandResult LoadGrpFile(common::BuildingState& st, CommandDialogs& dialogs, bool* cancelled = nullptr);

// The editor's boxes that a save takes.
struct GroupBoxes {
  std::string groupName;     // txtGroupName
  std::string groupNo;       // txtGroupNo, read by the leading-number rule
  int listedComponents = 0;  // rows of the component lists
};

// "Save": checks the boxes, settles the file name and writes CurGrp (its
// first `listedComponents` components). A file of that name in the project
// folder that is not the group's own (`ownFile`, the bare name it was opened
// or last saved under) is replaced only when the user says Yes (No: not
// done, no message). Done after a complete write; only then do GrpFile
// (bare name), GrpName, GrpQty and NoOfComp change.
CommandResult SaveGrpFile(common::BuildingState& st, CommandDialogs& dialogs, const GroupBoxes& boxes,
                          const std::string& ownFile);

}  // namespace building
