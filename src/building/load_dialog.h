#pragma once
// The open dialog of the editors' Load commands. The chosen file is read by
// its full path, so the current folder stays where it was: a bare name read
// or saved later must not meet the chosen folder's file of that name first.
#include <optional>
#include <string>

#include "building/command_dialogs.h"

namespace building {

// The chosen path, or nullopt when the dialog was cancelled.
std::optional<std::string> ChooseFileToLoad(CommandDialogs& dialogs, const OpenFileRequest& request);

}  // namespace building
