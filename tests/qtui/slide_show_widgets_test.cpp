// The slides of the main window and of Vistrel, clicked through with the
// mouse on the real picture, panel, buttons, labels and lists.
#include <QComboBox>
#include <QListWidget>

#include "app/main_window.h"
#include "real_windows.h"
#include "slideviewer/frm_slide_show.h"

namespace {

class SlideShowWidgets : public qtui_test::RealWindows {
 protected:
  SlideShowWidgets() { folder.Write("home/Ostrevo_Str.TXT", "\"" OSTREVO_SOURCE_DIR "/data/\"\r\n"); }
  static bool Shows(const forms::Image& image, const std::string& file) {
    const std::string& path = image.PicturePath();
    return path.size() >= file.size() && path.compare(path.size() - file.size(), file.size(), file) == 0;
  }
};

TEST_F(SlideShowWidgets, MainWindowPictureAndPanelAnswerClicks) {
  app::frmMain main(prog, platform, windows);
  windows.SetMainWindow(&main);
  main.Show();
  ASSERT_FALSE(prog.building.DataDir.empty());

  // No chapter open: the panel shows the front picture, the picture hides again.
  Click(main.PicMain);
  EXPECT_TRUE(main.Image1.Visible());
  EXPECT_TRUE(Shows(main.Image1, "FrontPic.emf"));
  Click(main.Image1);
  EXPECT_FALSE(main.Image1.Visible());

  ChooseMenu(main.mnuSSCh1);
  ASSERT_EQ(main.NoOfSld(), 9);
  auto* list = Widget<QComboBox>(main.cboSldLst);
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(list->isEditable());
  Click(main.cmdNxSld);
  Click(main.lblNxSld);
  EXPECT_EQ(main.CurSld(), 3);
  EXPECT_EQ(list->currentText(), "3 From Quantities to Impacts");
  EXPECT_TRUE(Shows(main.Image1, "Slide03.svg"));
  Click(main.lblLsSld);
  EXPECT_EQ(main.CurSld(), 2);
  Click(main.cmdNxSld);

  Click(main.Image1);  // the message panel shows again
  EXPECT_FALSE(main.Image1.Visible());
  EXPECT_FALSE(platform.WidgetOf(main.Image1)->isVisible());
  Click(main.PicMain);  // and the slide comes back
  EXPECT_TRUE(main.Image1.Visible());
  EXPECT_TRUE(Shows(main.Image1, "Slide03.svg"));
  Shot(main, "main_window_slide_3_after_clicks");

  Click(main.cmdEndSldShow);
  EXPECT_EQ(main.NoOfSld(), 0);
  EXPECT_EQ(list->currentText(), "");

  // The second chapter: a slide chosen in the list, then the previous one.
  ChooseMenu(main.mnuSSCh2);
  ASSERT_GT(main.NoOfSld(), 3);
  Choose(main.cboSldLst, 2);
  EXPECT_EQ(main.CurSld(), 3);
  Click(main.cmdLsSld);
  EXPECT_EQ(main.CurSld(), 2);
}

TEST_F(SlideShowWidgets, VistrelSlidesFollowClicksOnThePicture) {
  slideviewer::ModSldpara slides;
  slideviewer::frmMain window(platform, slides);
  window.Show();
  auto* chapters = Widget<QComboBox>(window.cboChLst);
  ASSERT_NE(chapters, nullptr);
  EXPECT_FALSE(chapters->isEditable());
  ASSERT_EQ(chapters->count(), 3);
  Choose(window.cboChLst, 1);
  ASSERT_EQ(slides.CurSld, 1);
  EXPECT_EQ(chapters->currentText(), "Ostrevo Slides");

  auto* list = Widget<QListWidget>(window.lstSlides);
  Click(window.Image1);
  Click(window.Image1);
  EXPECT_EQ(slides.CurSld, 3);
  EXPECT_EQ(list->currentRow(), 3);
  EXPECT_EQ(window.lblMessage.Caption(), "Slide No. and Title  -->  3 From Quantities to Impacts");
  Shot(window, "vistrel_slide_3_after_two_picture_clicks");

  // A click on the slide already chosen shows it again.
  window.lblMessage.SetCaption("");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
  EXPECT_EQ(window.lblMessage.Caption(), "Slide No. and Title  -->  3 From Quantities to Impacts");

  // A reset leaves the chapter box empty, not showing the book title.
  window.ResetViewer();
  EXPECT_EQ(chapters->count(), 0);
  EXPECT_EQ(chapters->currentText(), "");
  EXPECT_EQ(list->count(), 0);

  // A book opened in another folder, then File > Open cancelled: the
  // viewer is empty and shows the front picture all the same.
  folder.Write("other/TALK.TXT", "\"Talk\",0\r\n");
  fileAnswers.push_back(folder.Path() + "other/TALK.TXT");
  ChooseMenu(window.mnuFOpen);
  ASSERT_EQ(chapters->currentText(), "Talk");
  ChooseMenu(window.mnuFOpen);
  EXPECT_EQ(chapters->count(), 0);
  EXPECT_TRUE(Shows(window.Image1, "FrontPic.emf"));
  Shot(window, "vistrel_front_picture_after_a_cancelled_open");
}

}  // namespace
