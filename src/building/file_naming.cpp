#include "building/file_naming.h"

#include "common/file_names.h"
#include "common/paths.h"
#include "common/project_paths.h"

namespace building {

std::string WithDefaultExtension(const std::string& name, const std::string& ext) {
  bool hasIt = name.size() >= ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0;
  return hasIt ? name : name + ext;
}

std::string SaveFileName(const std::string& stored, const std::string& typed, const std::string& ext) {
  std::string name = stored.empty() ? WithDefaultExtension(typed, ext) : stored;
  ModInpCtl::ExtractFileName(name);
  return name;
}

std::string GroupSaveFileName(const std::string& stored, const std::string& typed, const std::string& ext) {
  std::string name = WithDefaultExtension(stored.empty() ? typed : stored, ext);
  ModInpCtl::ExtractFileName(name);
  return name;
}

bool MayReplaceFile(CommandDialogs& dialogs, const std::string& name, const std::string& ownFile,
                    const std::string& projDir) {
  if (name == ownFile || !common::FileExists(common::ProjectSaveFile(name, projDir))) return true;
  return dialogs.AskYesNo(name + " already exists in the project folder. Replace it?");
}

}  // namespace building
