#pragma once
// The project-folder rule: how a stored file name becomes the path that is
// read or saved. The process's current folder never takes part, so a name
// means the same file whatever folder a dialog or the start left current.
#include <string>

namespace common {

// A full path (as a dialog returns) stands; any other name is taken in the
// project folder alone. With no project folder (no project open: at start
// and after Close) a bare name names no file: the result is empty, so a
// read finds nothing and a save is refused. Backslashes become "/".
std::string ResolveProjectFile(const std::string& name, const std::string& projDir);

// A group, component or element file name as a project stores it: its file
// part only, in the project folder. A folder in the stored name is never
// followed, so the editors and the calculation, which both resolve stored
// names here, read the same file.
std::string ResolveStoredFile(const std::string& name, const std::string& projDir);

// Where a file of the project is saved: the path it is read from, by the
// rule above.
std::string ProjectSaveFile(const std::string& name, const std::string& projDir);

}  // namespace common
