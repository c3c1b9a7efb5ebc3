#pragma once
// The project-folder rule: how a stored bare file name becomes the path
// that is opened.
#include <functional>
#include <string>

namespace common {

// 1. a file of that name exists (relative to the current folder): the name
//    as it stands; 2. the name already contains the project folder: as it
//    stands; a full path stands too; 3. otherwise the project folder in
//    front of it. With no project folder the name stands. Backslashes
//    become "/". `exists` tells whether a file exists (FindExisting by
//    default).
std::string ResolveProjectFile(const std::string& name, const std::string& projDir,
                               const std::function<bool(const std::string&)>& exists = {});

// The reports' shorter form: the name cut to its file part; that file when
// it exists, else the project folder in front of it.
std::string ResolveReportFile(const std::string& name, const std::string& projDir);

}  // namespace common
