#pragma once
// The slide viewer's program-wide tables: the slide book's chapters and the
// slides of the chapter read last.
#include <array>
#include <string>

#include "common/slide_chapter_file.h"
#include "common/value_types.h"

namespace slideviewer {

inline constexpr int kMaxChapters = 50;
inline constexpr int kMaxSlides = common::kMaxSlidesInChapter;

struct ModSldpara {
  std::string BookFile;  // the slide book file: "LCA.TXT" at start, or the file opened
  common::Integer NoOfCh = 0;
  std::array<std::string, kMaxChapters + 1> ChFile{};  // chapter file of chapters 1 .. NoOfCh
  common::Integer CurCh = 0;                           // chapter chosen last, 0 = none

  std::array<std::string, kMaxSlides + 1> SldTitle{};  // slides 1 .. NoOfSld
  std::array<std::string, kMaxSlides + 1> SldPic{};    // element 0: the front picture
  std::array<std::string, kMaxSlides + 1> SldNote{};   // read and kept, never shown
  common::Integer NoOfSld = 0;
  common::Integer CurSld = 0;  // slide shown, 0 = the front picture
};

}  // namespace slideviewer
