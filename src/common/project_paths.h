#pragma once
// The project-folder rule: how a stored bare file name becomes the path
// that is opened.
#include <functional>
#include <string>

namespace common {

// 1. the project folder holds a file of that name: the project folder in
//    front of it; 2. a file of that name exists relative to the current
//    folder (only a fallback: a folder that a dialog made current never
//    stands in for the project's): the name as it stands; 3. the name
//    already contains the project folder, or is a full path: as it stands;
//    4. otherwise the project folder in front of it. With no project folder
//    the name stands. Backslashes become "/". `exists` tells whether a file
//    exists (FindExisting by default).
std::string ResolveProjectFile(const std::string& name, const std::string& projDir,
                               const std::function<bool(const std::string&)>& exists = {});

// A group, component or element file name as a project stores it: its file
// part only, by the rule above (the project folder, then the current
// folder). A folder in the stored name is never followed, so the editors
// and the calculation, which both resolve stored names here, read the same
// file.
std::string ResolveStoredFile(const std::string& name, const std::string& projDir,
                              const std::function<bool(const std::string&)>& exists = {});

// Where a file of the project is saved: the project folder in front of the
// name, whatever the current folder holds, so a save never lands in another
// folder that a dialog made current. A full path (as the save dialog
// returns) stands; with no project folder the name stands. Backslashes
// become "/".
std::string ProjectSaveFile(const std::string& name, const std::string& projDir);

}  // namespace common
