// The main window's slide show on the supplied data folder: both chapters
// open and every slide's picture file is there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/main_window.h"
#include "common/paths.h"
#include "common/slide_chapter_file.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

const std::string kData = std::string(OSTREVO_SOURCE_DIR) + "/data/";

class SuppliedSlidesTest : public testing::Test {
 protected:
  SuppliedSlidesTest() { setenv("OSTREVO_HOME", (folder.Path() + "home").c_str(), 1); }
  ~SuppliedSlidesTest() override { unsetenv("OSTREVO_HOME"); }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  common::Program prog;
  app::Windows windows{prog, platform};
  app::frmMain main{prog, platform, windows};
};

TEST_F(SuppliedSlidesTest, FrontPictureIsInTheDataFolder) {
  main.Show();
  prog.building.DataDir = kData;
  main.PicMain.Click();
  EXPECT_TRUE(main.Image1.Visible());
  EXPECT_EQ(main.Image1.PicturePath(), kData + "FrontPic.emf");
}

TEST_F(SuppliedSlidesTest, EverySlideOfBothChaptersShowsItsPicture) {
  main.Show();
  prog.building.DataDir = kData;
  struct Chapter {
    forms::Menu& entry;
    const char* file;
  };
  const Chapter chapters[] = {{main.mnuSSCh1, ".\\Ch1\\Ch1Slides.txt"}, {main.mnuSSCh2, ".\\Ch2\\Ch2Slides.txt"}};
  for (const Chapter& c : chapters) {
    SCOPED_TRACE(c.file);
    std::string error;
    auto chapter = common::ReadSlideChapter(kData + c.file, error);
    ASSERT_TRUE(chapter.has_value()) << error;
    c.entry.Click();
    ASSERT_EQ(main.NoOfSld(), static_cast<int>(chapter->Slides.size()));
    EXPECT_GE(main.NoOfSld(), 6);
    EXPECT_LE(main.NoOfSld(), 10);
    for (int i = 0; i < main.NoOfSld(); ++i) {
      const common::SlideEntry& slide = chapter->Slides[static_cast<size_t>(i)];
      SCOPED_TRACE(slide.Title);
      EXPECT_EQ(main.cboSldLst.List(i), slide.Title);
      main.cboSldLst.SetListIndex(i);
      EXPECT_EQ(main.CurSld(), i + 1);
      // The picture shown is the one listed, and it is there.
      const std::string shown = main.Image1.PicturePath();
      EXPECT_EQ(shown, kData + common::ToNativeSeparators(slide.Picture));
      EXPECT_TRUE(common::FileExists(shown));
    }
    main.cmdEndSldShow.Click();
  }
}

}  // namespace
