#pragma once
// The group editor's file commands, without the window: what the window
// supplies comes in as arguments, what it shows afterwards comes back.
// Messages and dialogs go through the window `form`.
#include <string>

#include "common/building_state.h"
#include "forms/form.h"

namespace building {

// Reads the group file `grpFile` (reduced to its file part, then looked
// up by the project-folder rule) into CurGrp. True when the whole file was
// read: CurGrp then holds it, with GrpFile := `grpFile` reduced to its file
// part. A file of another kind or one that cannot be read is reported with
// its message and leaves CurGrp exactly as it was.
bool ReadGrpFile(common::BuildingState& st, forms::Form& form, const std::string& grpFile);
// The same for the file CurGrp.GrpFile names.
bool ReadGrpFile(common::BuildingState& st, forms::Form& form);

// "Load": the open dialog, then ReadGrpFile of the chosen file. False when
// cancelled (nothing changes; *cancelled set when given) or when the read
// failed.
bool LoadGrpFile(common::BuildingState& st, forms::Form& form, bool* cancelled = nullptr);

// The editor's boxes that a save takes.
struct GroupBoxes {
  std::string groupName;     // txtGroupName
  std::string groupNo;       // txtGroupNo, read by the leading-number rule
  int listedComponents = 0;  // rows of the component lists
};

// "Save": checks the boxes, settles the file name and writes CurGrp (its
// first `listedComponents` components). True after a complete write; only
// then do GrpFile (bare name), GrpName, GrpQty and NoOfComp change.
bool SaveGrpFile(common::BuildingState& st, forms::Form& form, const GroupBoxes& boxes);

}  // namespace building
