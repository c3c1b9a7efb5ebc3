#pragma once
// File-name and text helpers shared by the whole program. Paths are split
// at the last "/" or "\" (names read from stored files may hold either).
#include <string>

namespace ModInpCtl {

// Replaces the path with its folder part, up to and including the last
// separator; empty when it holds none.
void ExtractDirectory(std::string& path);
// Replaces the path with the part after the last separator; the whole text
// when it holds none.
void ExtractFileName(std::string& path);
// Lowers the 26 capital letters A..Z; every other byte is unchanged, so
// UTF-8 text stays intact.
void ToLowerCase(std::string& text);

}  // namespace ModInpCtl
