// File-name helpers and the Linux side of files and folders: settings
// folder, case-insensitive lookup, plain names and safe writing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "common/file_names.h"
#include "common/paths.h"
#include "support/temp_folder.h"

namespace {
namespace fs = std::filesystem;

TEST(FileNames, SplitAtTheLastSeparator) {
  struct Case {
    const char* path;
    const char* dir;
    const char* file;
  };
  const Case cases[] = {
      {"C:\\a\\b.prj", "C:\\a\\", "b.prj"},
      {"/x/y/z.txt", "/x/y/", "z.txt"},
      {"C:\\a/b\\c.grp", "C:\\a/b\\", "c.grp"},
      {"d/e\\f", "d/e\\", "f"},
      {"C:\\a\\", "C:\\a\\", ""},
      {"name.elb", "", "name.elb"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    std::string dir = c.path, file = c.path;
    ModInpCtl::ExtractDirectory(dir);
    ModInpCtl::ExtractFileName(file);
    EXPECT_EQ(dir, c.dir);
    EXPECT_EQ(file, c.file);
  }
}

TEST(FileNames, ToLowerCaseLowersOnlyAtoZ) {
  const std::pair<std::string, std::string> cases[] = {
      {"ABCXYZ abc", "abcxyz abc"},
      {"Wall 12-B_@[`", "wall 12-b_@[`"},
      {"\xC3\x89T\xC3\x89 \xC3\x84", "\xC3\x89t\xC3\x89 \xC3\x84"},  // "ÉTÉ Ä": accents stay
      {"", ""},
  };
  for (auto [text, expected] : cases) {
    SCOPED_TRACE(expected);
    ModInpCtl::ToLowerCase(text);
    EXPECT_EQ(text, expected);
  }
}

// Sets an environment variable for the test's duration.
class EnvGuard {
 public:
  EnvGuard(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~EnvGuard() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(Paths, SettingsFolderHonoursOstrevoHomeThenXdg) {
  {
    EnvGuard a("OSTREVO_HOME", "/opt/ost"), b("XDG_CONFIG_HOME", "/xdg");
    EXPECT_EQ(common::SettingsFolder(), "/opt/ost/");
  }
  {
    EnvGuard a("OSTREVO_HOME", ""), b("XDG_CONFIG_HOME", "/xdg/");
    EXPECT_EQ(common::SettingsFolder(), "/xdg/ostrevo/");
  }
  {
    EnvGuard a("OSTREVO_HOME", nullptr), b("XDG_CONFIG_HOME", nullptr), c("HOME", "/home/u");
    EXPECT_EQ(common::SettingsFolder(), "/home/u/.config/ostrevo/");
  }
  {  // a relative folder is anchored in the start folder, whatever is current later
    testsupport::TempFolder start;
    EnvGuard a("OSTREVO_HOME", "rel/home");
    common::AnchorSettingsFolder();
    fs::current_path("/");
    EXPECT_EQ(common::SettingsFolder(), start.Path() + "rel/home/");
  }
}

TEST(Paths, IsPlainName) {
  for (const char* bad : {"", ".", "..", "a/b", "a\\b", "../x", "/abs"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(common::IsPlainName(bad));
  }
  for (const char* good : {"Project1", "a.b", "..x", "My house"}) {
    SCOPED_TRACE(good);
    EXPECT_TRUE(common::IsPlainName(good));
  }
}

TEST(Paths, FindExistingMatchesCaseOfFileAndFolders) {
  testsupport::TempFolder tmp;
  const std::string dir = tmp.Path();
  tmp.Write("DATA/FOUND/FOUND.ELB", "x");
  tmp.Write("exact.txt", "y");
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {dir + "exact.txt", dir + "exact.txt"},
      {dir + "EXACT.TXT", dir + "exact.txt"},
      {dir + "data/found/found.elb", dir + "DATA/FOUND/FOUND.ELB"},
      {dir + "Data\\Found\\Found.Elb", dir + "DATA/FOUND/FOUND.ELB"},
      {"data/found/found.elb", "DATA/FOUND/FOUND.ELB"},  // from the current folder
      {dir + "data/found/missing.elb", std::nullopt},
      {dir + "nowhere/found.elb", std::nullopt},
      {dir + "data/found", std::nullopt},  // a folder is not a file
      {"", std::nullopt},
  };
  for (const auto& [asked, found] : cases) {
    SCOPED_TRACE(asked);
    EXPECT_EQ(common::FindExisting(asked), found);
  }
  EXPECT_EQ(common::ReadWholeFile("data/FOUND/found.ELB"), "x");
  std::string error;
  EXPECT_FALSE(common::ReadWholeFile("none.txt", &error));
  EXPECT_NE(error.find("none.txt"), std::string::npos);
  EXPECT_FALSE(common::ReadWholeFile("", &error));
  EXPECT_EQ(error, "no file name given");
}

TEST(Paths, WriteFileSafelyReplacesOrLeavesTheOldFile) {
  testsupport::TempFolder tmp;
  const std::string dir = tmp.Path();
  std::string error;
  ASSERT_TRUE(common::WriteFileSafely(dir + "f.prj", "old\r\n", &error)) << error;
  EXPECT_EQ(tmp.Read("f.prj"), "old\r\n");
  ASSERT_TRUE(common::WriteFileSafely("f.prj", "new", &error)) << error;
  EXPECT_EQ(tmp.Read("f.prj"), "new");

  fs::create_directory(dir + "adir");
  for (const std::string& path : {dir + "missing/f.prj", dir + "adir", dir + "adir/", std::string()}) {
    SCOPED_TRACE(path);
    error.clear();
    EXPECT_FALSE(common::WriteFileSafely(path, "bad", &error));
    EXPECT_FALSE(error.empty());
  }
  EXPECT_TRUE(fs::is_directory(dir + "adir"));
  EXPECT_EQ(tmp.Read("f.prj"), "new");
  // No temporary file is left behind.
  int entries = 0;
  for (const auto& e : fs::directory_iterator(dir)) entries += e.path().filename() != "adir";
  EXPECT_EQ(entries, 1);
}

}  // namespace
