#include "building/frm_platform_dialogs.h"

namespace building {

bool PlatformDialogs::AskYesNo(const std::string& text) {
  return platform_.MessageBox(text, forms::MsgButtons::YesNo, "") == forms::MsgResult::Yes;
}

std::optional<std::string> PlatformDialogs::ChooseFileToOpen(const OpenFileRequest& request) {
  return platform_.OpenFileDialog({request.title, request.filter, request.initialFolder, ""});
}

void ShowCommandMessage(forms::Form& form, const std::string& message) {
  if (!message.empty()) form.MsgBox(message);
}

}  // namespace building
