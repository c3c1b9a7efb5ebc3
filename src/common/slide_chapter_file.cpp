#include "common/slide_chapter_file.h"

#include "common/data_file.h"
#include "common/paths.h"

namespace common {

std::optional<SlideChapter> ReadSlideChapter(const std::string& path, std::string& error) {
  auto fail = [&](const std::string& why) -> std::optional<SlideChapter> {
    error = "The slide chapter file " + path + " cannot be read: " + why;
    return std::nullopt;
  };
  std::string reason;
  auto text = ReadWholeFile(ToNativeSeparators(path), &reason);
  if (!text) return fail(reason);
  DataReader in(std::move(*text));
  SlideChapter chapter;
  Integer count = 0;
  if (!in.Read(chapter.Title) || !in.Read(count)) return fail(in.Error());
  if (count < 0 || count > kMaxSlidesInChapter)
    return fail("it lists " + std::to_string(count) + " slides; a chapter holds 0 to " +
                std::to_string(kMaxSlidesInChapter));
  chapter.Slides.resize(static_cast<size_t>(count));
  for (SlideEntry& slide : chapter.Slides)
    if (!in.Read(slide.Title) || !in.Read(slide.Picture) || !in.Read(slide.Note)) return fail(in.Error());
  return chapter;
}

}  // namespace common
