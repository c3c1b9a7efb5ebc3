#pragma once
// A slide chapter file, supplied with the data folder and read by the main
// program's slide show and by the slide viewer: comma-separated items,
// strings in double quotes: the chapter title, the slide count (at most
// 300), then per slide its title, its picture file (relative to the data
// folder) and a note.
#include <optional>
#include <string>
#include <vector>

namespace common {

inline constexpr int kMaxSlidesInChapter = 300;

struct SlideEntry {
  std::string Title;
  std::string Picture;
  std::string Note;
};

struct SlideChapter {
  std::string Title;
  std::vector<SlideEntry> Slides;
};

// Reads the whole chapter at `path` (found case-insensitively, "\" read as
// "/"). nullopt with a message naming the file and the reason when it is
// missing, malformed, truncated or holds a count outside 0 .. 300.
std::optional<SlideChapter> ReadSlideChapter(const std::string& path, std::string& error);

}  // namespace common
