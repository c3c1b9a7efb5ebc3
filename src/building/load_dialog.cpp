#include "building/load_dialog.h"

#include "common/paths.h"

namespace building {

std::optional<std::string> ChooseFileToLoad(CommandDialogs& dialogs, const OpenFileRequest& request) {
  // The dialog makes the chosen file's folder current; the folder before it comes back.
  const std::string current = common::CurrentFolder();
  auto chosen = dialogs.ChooseFileToOpen(request);
  if (common::CurrentFolder() != current) common::ChangeFolder(current);
  return chosen;
}

}  // namespace building
