#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace testsupport {

TempFolder::TempFolder() {
  previous_ = std::filesystem::current_path();
  std::string tmpl = (std::filesystem::temp_directory_path() / "ostrevo-test-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) std::abort();
  path_ = tmpl + "/";
  std::filesystem::current_path(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::Write(const std::string& relative, const std::string& content) const {
  std::filesystem::path p = std::filesystem::path(path_) / relative;
  std::filesystem::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary);
  out << content;
  return p.string();
}

std::string TempFolder::Read(const std::string& relative) const {
  std::ifstream in(std::filesystem::path(path_) / relative, std::ios::binary);
  std::ostringstream buf;
  buf << in.rdbuf();
  return buf.str();
}

std::string SavedText(const std::function<bool(const std::string& path, std::string& error)>& save) {
  TempFolder folder;
  std::string error;
  if (!save(folder.Path() + "SAVED", error)) {
    ADD_FAILURE() << "the save failed: " << error;
    return "";
  }
  return folder.Read("SAVED");
}

}  // namespace testsupport
