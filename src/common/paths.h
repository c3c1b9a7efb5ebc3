#pragma once
// Files and folders on this system: the settings folder that takes the
// place of the root of drive C, separators, names taken in a folder and
// case-insensitive lookup of supplied files; reading and safe writing come
// with it. No name is ever looked up in the process's current folder.
#include <cstddef>
#include <optional>
#include <string>

#include "common/file_reading.h"
#include "common/safe_writing.h"

namespace common {

// The settings folder with a trailing "/": $OSTREVO_HOME, else
// $XDG_CONFIG_HOME/ostrevo/, else ~/.config/ostrevo/.
std::string SettingsFolder();

// Makes a relative settings folder absolute, against the folder the program
// started in: called once at start, before anything else, so the
// data-directory file stays where the user pointed whatever folder is
// current later. $OSTREVO_HOME is set to the absolute folder.
void AnchorSettingsFolder();

// Turns "\" into "/" (names read from supplied or stored files).
std::string ToNativeSeparators(std::string path);

// `name` taken in `folder`: a full path stands; any other name (a leading
// "./" dropped) goes under the folder. Empty when the name is relative and
// no folder is given: such a name names no file, rather than one in the
// current folder. Backslashes become "/".
std::string PathIn(const std::string& folder, const std::string& name);

// A name holding a NUL byte (a data file's quoted item may hold one) names
// no file: the system would cut it at the NUL and open another file. The
// reading and writing functions refuse it, with NameHoldsNulError as the
// reason: the name with the NUL shown as "\0".
inline bool HoldsNul(const std::string& path) { return path.find('\0') != std::string::npos; }
std::string NameHoldsNulError(const std::string& path);

// The name of an existing file for `path`: the exact name first, then a
// case-insensitive match of the file name (and of each folder) in the same
// folder. nullopt when none exists.
std::optional<std::string> FindExisting(const std::string& path);
// True when nothing stands at `path` (no file, folder, pipe or link that
// cannot be followed) and no regular file matches it ignoring case: the
// name of a file still to be made. A path that is something else than a
// regular file is not free: reading it fails with the reason.
bool NothingAt(const std::string& path);
bool FileExists(const std::string& path);
// True when both paths name one existing file, however each is spelled
// (links, "..", another folder's name for it).
bool SameFile(const std::string& a, const std::string& b);
bool FolderExists(const std::string& path);

// Creates a folder (and its parents); true when it exists afterwards.
bool MakeFolder(const std::string& folder);

// True when a name typed by the user is a plain name that cannot climb
// out of its folder (no separator, not "." or "..", not empty).
bool IsPlainName(const std::string& name);

// The longest file name, in bytes, that the system takes in a folder.
inline constexpr std::size_t kMaxFileNameBytes = 255;
inline bool FitsNameLimit(const std::string& fileName) { return fileName.size() <= kMaxFileNameBytes; }

}  // namespace common
