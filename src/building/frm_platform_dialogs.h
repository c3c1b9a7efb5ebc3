#pragma once
// The file commands' questions answered by the platform's message boxes and
// open dialog, for the windows that run the commands; and the commands'
// messages shown in message boxes.
#include <optional>
#include <string>

#include "building/command_dialogs.h"
#include "forms/form.h"

namespace building {

class PlatformDialogs final : public CommandDialogs {
 public:
  explicit PlatformDialogs(forms::Platform& platform) : platform_(platform) {}

  bool AskYesNo(const std::string& text) override;
  std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) override;

 private:
  forms::Platform& platform_;
};

// Shows a command's message in a message box of `form`; an empty one shows nothing.
void ShowCommandMessage(forms::Form& form, const std::string& message);

}  // namespace building
