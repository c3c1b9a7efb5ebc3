#pragma once
// The slide book file: comma-separated items, strings in double quotes, read
// regardless of line breaks: the book title, the chapter count (0 to 50),
// then per chapter its title and its chapter file (relative to the book's
// folder).
#include <optional>
#include <string>
#include <vector>

namespace slideviewer {

struct ChapterEntry {
  std::string Title;
  std::string File;
};

struct SlideBook {
  std::string Title;
  std::vector<ChapterEntry> Chapters;
};

// Reads the whole book at `path` (found case-insensitively). nullopt with a
// message naming the file and the reason when it is missing, malformed,
// truncated or holds a count outside 0 .. 50.
std::optional<SlideBook> ReadSlideBook(const std::string& path, std::string& error);

}  // namespace slideviewer
