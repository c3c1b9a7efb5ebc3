#include "slideviewer/slide_book_file.h"

#include "common/data_file.h"
#include "common/paths.h"
#include "slideviewer/slide_tables.h"

namespace slideviewer {

std::optional<SlideBook> ReadSlideBook(const std::string& path, std::string& error) {
  auto fail = [&](const std::string& why) -> std::optional<SlideBook> {
    error = "The slide book file " + path + " cannot be read: " + why;
    return std::nullopt;
  };
  std::string reason;
  auto text = common::ReadWholeFile(common::ToNativeSeparators(path), &reason);
  if (!text) return fail(reason);
  common::DataReader in(std::move(*text));
  SlideBook book;
  common::Integer count = 0;
  if (!in.Read(book.Title) || !in.Read(count)) return fail(in.Error());
  if (count < 0 || count > kMaxChapters)
    return fail("it lists " + std::to_string(count) + " chapters; a book holds 0 to " + std::to_string(kMaxChapters));
  book.Chapters.resize(static_cast<size_t>(count));
  for (ChapterEntry& chapter : book.Chapters)
    if (!in.Read(chapter.Title) || !in.Read(chapter.File)) return fail(in.Error());
  return book;
}

}  // namespace slideviewer
