// The slide book file: the book title and its chapters.
#include "slideviewer/slide_book_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace {

std::string Book(int count, int written) {
  std::string text = "\"LCA Slides\"," + std::to_string(count) + "\r\n";
  for (int i = 1; i <= written; ++i)
    text += "\"Chapter " + std::to_string(i) + "\",\"Ch" + std::to_string(i) + "\\Slides.txt\"\r\n";
  return text;
}

TEST(SlideBookFile, ReadsItemsRegardlessOfLineBreaks) {
  testsupport::TempFolder folder;
  folder.Write("LCA.TXT",
               "\"LCA Slides\"\r\n2,\"About LCA\"\r\n\"Ch1\\Ch1Slides.txt\"\r\n"
               "\"About this Program\",\"Ch2\\Ch2Slides.txt\"\r\n");
  std::string error;
  auto book = slideviewer::ReadSlideBook("lca.txt", error);
  ASSERT_TRUE(book.has_value()) << error;
  EXPECT_EQ(book->Title, "LCA Slides");
  ASSERT_EQ(book->Chapters.size(), 2u);
  EXPECT_EQ(book->Chapters[0].Title, "About LCA");
  EXPECT_EQ(book->Chapters[0].File, "Ch1\\Ch1Slides.txt");
  EXPECT_EQ(book->Chapters[1].Title, "About this Program");
}

TEST(SlideBookFile, CountsAndDefects) {
  testsupport::TempFolder folder;
  struct Case {
    const char* name;
    std::string text;
    int chapters;        // -1: refused
    const char* reason;  // part of the message when refused
  };
  const Case cases[] = {
      {"no chapters", Book(0, 0), 0, ""},
      {"fifty chapters", Book(50, 50), 50, ""},
      {"fifty-one chapters", Book(51, 51), -1, "51 chapters"},
      {"negative count", Book(-2, 0), -1, "-2 chapters"},
      {"truncated list", Book(3, 2), -1, "end of file"},
      {"chapter without its file", Book(1, 0) + "\"Chapter 1\"\r\n", -1, "end of file"},
      {"count missing", "\"LCA Slides\"\r\n", -1, "end of file"},
      {"count is text", "\"LCA Slides\",\"two\"\r\n", -1, "a number was expected"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    folder.Write("BOOK.TXT", c.text);
    std::string error;
    auto book = slideviewer::ReadSlideBook("BOOK.TXT", error);
    if (c.chapters < 0) {
      EXPECT_FALSE(book.has_value());
      EXPECT_NE(error.find("The slide book file BOOK.TXT cannot be read"), std::string::npos) << error;
      EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    } else {
      ASSERT_TRUE(book.has_value()) << error;
      EXPECT_EQ(book->Chapters.size(), static_cast<size_t>(c.chapters));
    }
  }
  std::string error;
  EXPECT_FALSE(slideviewer::ReadSlideBook("NOBOOK.TXT", error).has_value());
  EXPECT_NE(error.find("not found"), std::string::npos) << error;
}

}  // namespace
