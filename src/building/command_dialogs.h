#pragma once
// What the editors' file commands ask of the user while they run: a Yes/No
// question and the choice of a file to open. Every other message a command
// has for the user comes back in its result, for the window to show. The
// windows library answers these questions through the platform
// (building/frm_platform_dialogs.h), so the commands never see a window.
#include <optional>
#include <string>

namespace building {

struct OpenFileRequest {
  std::string title;
  std::string filter;         // "Description|*.EXT" pairs
  std::string initialFolder;  // empty: as the platform starts a dialog that names no folder
};

class CommandDialogs {
 public:
  virtual ~CommandDialogs() = default;
  // A Yes/No message box with the program's title: true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // An open dialog: the chosen path, or nullopt when cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) = 0;
};

// How a command ended, and the message box the window shows for it.
struct CommandResult {
  bool done = false;
  std::string message;  // empty: nothing to show
};

}  // namespace building
