// The slide chapter file and the data-directory file, as both programs
// read them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "common/data_dir_file.h"
#include "common/slide_chapter_file.h"
#include "support/temp_folder.h"

namespace {

std::string Slides(int count, int written) {
  std::string text = "\"About LCA\"\r\n" + std::to_string(count) + "\r\n";
  for (int i = 1; i <= written; ++i)
    text += "\"" + std::to_string(i) + " Slide\",\"Ch1\\S" + std::to_string(i) + ".svg\",\"note " + std::to_string(i) +
            "\"\r\n";
  return text;
}

TEST(SlideChapterFile, ReadsTitlesPicturesAndNotesAcrossLineBreaks) {
  testsupport::TempFolder folder;
  folder.Write("Ch1/Ch1Slides.txt",
               "\"About LCA\",2\r\n\"1 What is LCA\"\r\n\"Ch1\\S1.svg\",\"first, with a comma\"\r\n"
               "\"2 Stages\",\"Ch1\\S2.svg\",\"\"\r\n");
  std::string error;
  // The name as chapter files give it: backslashes, any letter case.
  auto chapter = common::ReadSlideChapter(".\\ch1\\CH1SLIDES.TXT", error);
  ASSERT_TRUE(chapter.has_value()) << error;
  EXPECT_EQ(chapter->Title, "About LCA");
  ASSERT_EQ(chapter->Slides.size(), 2u);
  EXPECT_EQ(chapter->Slides[0].Title, "1 What is LCA");
  EXPECT_EQ(chapter->Slides[0].Picture, "Ch1\\S1.svg");
  EXPECT_EQ(chapter->Slides[0].Note, "first, with a comma");
  EXPECT_EQ(chapter->Slides[1].Note, "");
}

TEST(SlideChapterFile, CountsFromNoneToThreeHundredLoad) {
  testsupport::TempFolder folder;
  for (int count : {0, 1, 300}) {
    folder.Write("c.txt", Slides(count, count));
    std::string error;
    auto chapter = common::ReadSlideChapter("c.txt", error);
    ASSERT_TRUE(chapter.has_value()) << count << ": " << error;
    EXPECT_EQ(chapter->Slides.size(), static_cast<size_t>(count));
  }
}

TEST(SlideChapterFile, BadFilesAreRefusedWithTheirReason) {
  testsupport::TempFolder folder;
  struct Case {
    const char* name;
    std::string text;  // empty: no file at all
    const char* reason;
  };
  const Case cases[] = {
      {"missing file", "", "not found"},
      {"more than 300 slides", Slides(301, 301), "301 slides"},
      {"negative count", Slides(-1, 0), "-1 slides"},
      {"count is text", "\"About\",\"many\"\r\n", "a number was expected"},
      {"count beyond an Integer", "\"About\",40000\r\n", "out of range"},
      {"truncated slide list", Slides(3, 2), "end of file"},
      {"slide cut after its title", Slides(1, 0) + "\"1 Lone title\"\r\n", "end of file"},
      {"unterminated title", "\"About\",1\r\n\"1 Title\r\n\"p.svg\",\"n\"\r\n", "unterminated"},
      {"empty file", "\r\n", "end of file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string path = "chapter.txt";
    if (!c.text.empty()) folder.Write(path, c.text);
    std::string error;
    EXPECT_FALSE(common::ReadSlideChapter(c.text.empty() ? "absent.txt" : path, error).has_value());
    EXPECT_NE(error.find("The slide chapter file"), std::string::npos) << error;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
}

TEST(DataDirFile, NamesTheDataFolderWithItsTrailingSeparator) {
  testsupport::TempFolder folder;
  setenv("OSTREVO_HOME", (folder.Path() + "home").c_str(), 1);
  EXPECT_EQ(common::DataDirFilePath(), folder.Path() + "home/Ostrevo_Str.TXT");
  EXPECT_FALSE(common::ReadDataDirFile().has_value());  // no file
  struct Case {
    std::string text;
    std::optional<std::string> folder;
  };
  const Case cases[] = {
      {"\"/srv/ostrevo/data/\"\r\n", "/srv/ostrevo/data/"},
      {"\"/srv/ostrevo/data\"\r\n", "/srv/ostrevo/data/"},
      {"\"\\srv\\data\\\"\r\n", "/srv/data/"},
      {"\"/srv/data/\",\"more\"\r\n", "/srv/data/"},
      {"\"data\"\r\n", folder.Path() + "home/data/"},  // taken where the file lies
      {"\"\"\r\n", std::nullopt},
      {"", std::nullopt},
      {"\"/srv/data/\r\n", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    folder.Write("home/Ostrevo_Str.TXT", c.text);
    EXPECT_EQ(common::ReadDataDirFile(), c.folder);
  }
  unsetenv("OSTREVO_HOME");
}

}  // namespace
