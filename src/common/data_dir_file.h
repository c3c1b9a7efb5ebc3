#pragma once
// The data-directory file: one quoted string naming the data folder, with
// its trailing separator. It lives in the settings folder under a fixed
// name; the main program writes it when a database is opened, and both
// the main program and the slide viewer read it at start.
#include <optional>
#include <string>

namespace common {

// The data-directory file's path: the settings folder and "Ostrevo_Str.TXT".
std::string DataDirFilePath();

// The data folder named by the file's first item, with "/" separators and
// a trailing "/"; a relative folder is taken in the settings folder, where
// the file lives. nullopt when the file is missing or unreadable or its
// first item is no text or an empty one.
std::optional<std::string> ReadDataDirFile();

}  // namespace common
