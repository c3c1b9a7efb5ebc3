#pragma once
// The names under which groups, components and elements are saved. No
// dialog is involved: the stored or typed name settles the file.
#include <string>

#include "building/command_dialogs.h"

namespace building {

// `name` with `ext` appended unless it already ends in exactly `ext`
// (a case-sensitive test: Slab.flc gets .FLC appended).
std::string WithDefaultExtension(const std::string& name, const std::string& ext);

// Components and elements: a stored file name stands unchanged; without
// one, the typed name with the default extension. The folder part is
// removed either way.
std::string SaveFileName(const std::string& stored, const std::string& typed, const std::string& ext);

// Groups: the stored file name, or else the typed name, with the default
// extension appended in both cases; the folder part removed.
std::string GroupSaveFileName(const std::string& stored, const std::string& typed, const std::string& ext);

// Before a record is saved under `name` in the project folder: when a file
// of that name is there and it is not the record's own file (`ownFile`, the
// bare name it was opened or last saved under; empty for a new record), asks
// whether to replace it. True when the save may go on.
bool MayReplaceFile(CommandDialogs& dialogs, const std::string& name, const std::string& ownFile,
                    const std::string& projDir);

}  // namespace building
