#pragma once
// A fresh temporary folder made current for the length of a test; the
// previous current folder comes back and the folder is removed afterwards.
#include <filesystem>
#include <functional>
#include <string>

namespace testsupport {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder with a trailing "/".
  const std::string& Path() const { return path_; }
  // Writes a file under the folder (creating subfolders); returns its path.
  std::string Write(const std::string& relative, const std::string& content) const;
  std::string Read(const std::string& relative) const;

 private:
  std::string path_;
  std::filesystem::path previous_;
};

// The bytes that `save` (a file writer of the program, given a path and an
// error text) writes in a fresh folder; a failed save fails the test with
// its reason and gives "".
std::string SavedText(const std::function<bool(const std::string& path, std::string& error)>& save);

}  // namespace testsupport
