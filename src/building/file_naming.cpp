#include "building/file_naming.h"

#include "common/file_names.h"

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

std::string GroupSaveFileName(const std::string& stored, const std::string& typed,
                              const std::string& ext) {
  std::string name = WithDefaultExtension(stored.empty() ? typed : stored, ext);
  ModInpCtl::ExtractFileName(name);
  return name;
}

}  // namespace building
