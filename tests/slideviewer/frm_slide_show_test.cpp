// Vistrel's window driven through the scripted platform: start-up, the
// chapter and slide lists, the picture, the title search and File > Open.
#include "slideviewer/frm_slide_show.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/paths.h"
#include "support/named_pipe.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using slideviewer::frmMain;
using testsupport::ScriptedPlatform;

constexpr const char* kSelectChapter = "Click Select Chapter dropdown list to select chapter";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

class SlideViewerTest : public testing::Test {
 protected:
  SlideViewerTest() { setenv("OSTREVO_HOME", (folder.Path() + "home").c_str(), 1); }
  ~SlideViewerTest() override { unsetenv("OSTREVO_HOME"); }

  // A data folder with the front picture, the book "LCA.TXT" of two
  // chapters, and a data-directory file naming the folder.
  void MakeDataFolder() {
    folder.Write("data/FrontPic.emf", "emf");
    WriteBook("data/LCA.TXT", {{"About LCA", "Ch1\\Ch1Slides.txt"}, {"About this Program", "Ch2\\Ch2Slides.txt"}});
    WriteChapter("data/Ch1/Ch1Slides.txt", "About LCA",
                 {"1 Introduction", "2 Life Cycle Stages", "Overview", "4 Impact Categories", "5 Life Cycle Cost"});
    WriteChapter("data/Ch2/Ch2Slides.txt", "About this Program", {"1 Open the Database", "2 Projects"});
    folder.Write("home/Ostrevo_Str.TXT", Quoted(folder.Path() + "data/") + "\r\n");
  }
  void WriteBook(const std::string& path, const std::vector<std::pair<std::string, std::string>>& chapters) {
    std::string text = "\"LCA Slide Book\"\r\n" + std::to_string(chapters.size()) + "\r\n";
    for (const auto& [title, file] : chapters) text += Quoted(title) + "," + Quoted(file) + "\r\n";
    folder.Write(path, text);
  }
  // Slide i's picture is "<chapter folder>\S<i>.svg", written beside the file.
  void WriteChapter(const std::string& path, const std::string& title, const std::vector<std::string>& slides,
                    bool withPictures = true) {
    const std::string chapterFolder = path.substr(5, path.find('/', 5) - 5);  // after "data/"
    std::string text = Quoted(title) + "\r\n" + std::to_string(slides.size()) + "\r\n";
    for (size_t i = 1; i <= slides.size(); ++i) {
      const std::string picture = "S" + std::to_string(i) + ".svg";
      text += Quoted(slides[i - 1]) + "," + Quoted(chapterFolder + "\\" + picture) + ",\"note " + std::to_string(i) +
              "\"\r\n";
      if (withPictures) folder.Write("data/" + chapterFolder + "/" + picture, "<svg/>");
    }
    folder.Write(path, text);
  }
  frmMain& Start() {
    window.Show();
    return window;
  }
  void ChooseChapter(int index) { window.cboChLst.SetListIndex(index); }
  std::string Picture() const {
    std::string path = window.Image1.PicturePath();
    return path.empty() ? "" : path.substr(path.find_last_of('/') + 1);
  }
  std::vector<std::string> Items(const forms::ListControl& list) const {
    std::vector<std::string> items;
    for (int i = 0; i < list.ListCount(); ++i) items.push_back(list.List(i));
    return items;
  }

  testsupport::TempFolder folder;
  ScriptedPlatform platform;
  slideviewer::ModSldpara sld;
  slideviewer::frmMain window{platform, sld};
};

TEST_F(SlideViewerTest, StartReadsTheDataFolderAndTheDefaultBook) {
  MakeDataFolder();
  Start();
  EXPECT_EQ(window.Caption(), "Slide Show");
  EXPECT_EQ(sld.BookFile, "LCA.TXT");
  EXPECT_EQ(Items(window.cboChLst), (std::vector<std::string>{"LCA Slide Book", "About LCA", "About this Program"}));
  EXPECT_EQ(window.cboChLst.ListIndex(), 0);
  EXPECT_EQ(sld.NoOfCh, 2);
  EXPECT_EQ(sld.ChFile[2], "Ch2\\Ch2Slides.txt");
  EXPECT_EQ(window.lstSlides.ListCount(), 0);
  EXPECT_EQ(window.lblMessage.Caption(), kSelectChapter);
  EXPECT_EQ(Picture(), "FrontPic.emf");
  EXPECT_EQ(sld.SldPic[0], "FrontPic.emf");
  EXPECT_EQ(window.txtSrch.Text(), "");
  // The search row sits 75 twips under the slide list.
  EXPECT_EQ(window.lstSlides.Height(), 9200);
  for (const forms::Control* c :
       std::vector<const forms::Control*>{&window.lblSrch, &window.txtSrch, &window.cmdSrch, &window.cmdNX})
    EXPECT_EQ(c->Top(), 720 + 9200 + 75) << c->Name();
  EXPECT_EQ(window.Image1.Width(), 12000);
  EXPECT_EQ(window.Image1.Height(), 9000);
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(SlideViewerTest, StartPassesOverEveryMissingOrBadFile) {
  struct Case {
    const char* name;
    std::string dataDirFile;  // empty: none; "here": names the current folder
    std::string book;         // empty: none; else LCA.TXT in the current folder
  };
  const Case cases[] = {
      {"no data-directory file, no book", "", ""},
      {"data folder that does not exist", "\"/no/such/folder/\"\r\n", ""},
      {"no data-directory file, a book in the current folder", "", "\"Book\",1,\"Chapter 1\",\"Ch1.txt\"\r\n"},
      {"book with 51 chapters", "here", "\"Book\",51\r\n"},
      {"truncated book", "here", "\"Book\",2,\"Chapter 1\",\"Ch1.txt\"\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testsupport::TempFolder here;
    setenv("OSTREVO_HOME", (here.Path() + "home").c_str(), 1);
    if (!c.dataDirFile.empty())
      here.Write("home/Ostrevo_Str.TXT", c.dataDirFile == "here" ? Quoted(here.Path()) : c.dataDirFile);
    if (!c.book.empty()) here.Write("LCA.TXT", c.book);
    ScriptedPlatform quiet;  // any message box fails the test
    slideviewer::ModSldpara tables;
    frmMain viewer(quiet, tables);
    viewer.Show();
    EXPECT_EQ(viewer.cboChLst.ListCount(), 0);
    EXPECT_EQ(viewer.lblMessage.Caption(), "Lable");
    EXPECT_EQ(viewer.Image1.PicturePath(), "");  // no front picture here
    EXPECT_EQ(tables.NoOfCh, 0);
  }
}

TEST_F(SlideViewerTest, ChoosingAChapterListsItsSlidesAndShowsSlideOne) {
  MakeDataFolder();
  Start();
  ChooseChapter(1);
  EXPECT_EQ(Items(window.lstSlides),
            (std::vector<std::string>{"About LCA", "1 Introduction", "2 Life Cycle Stages", "Overview",
                                      "4 Impact Categories", "5 Life Cycle Cost"}));
  EXPECT_EQ(window.cboChLst.ListIndex(), 0);  // back to the book title
  EXPECT_EQ(window.cboChLst.Text(), "LCA Slide Book");
  EXPECT_EQ(sld.CurCh, 1);
  EXPECT_EQ(sld.NoOfSld, 5);
  EXPECT_EQ(sld.SldNote[4], "note 4");
  EXPECT_EQ(window.lstSlides.ListIndex(), 1);
  EXPECT_TRUE(window.lstSlides.HasFocus());
  EXPECT_EQ(sld.CurSld, 1);
  EXPECT_EQ(window.LastSld(), 1);
  EXPECT_EQ(Picture(), "S1.svg");
  EXPECT_EQ(window.lblMessage.Caption(), "Slide No. and Title  -->  1 Introduction");

  // Another chapter replaces the list and starts at its slide 1.
  window.lstSlides.SetListIndex(4);
  ChooseChapter(2);
  EXPECT_EQ(Items(window.lstSlides),
            (std::vector<std::string>{"About this Program", "1 Open the Database", "2 Projects"}));
  EXPECT_EQ(sld.CurCh, 2);
  EXPECT_EQ(sld.CurSld, 1);
  EXPECT_NE(window.Image1.PicturePath().find("Ch2/S1.svg"), std::string::npos);
  EXPECT_EQ(window.lblMessage.Caption(), "Slide No. and Title  -->  1 Open the Database");

  // The book title chooses nothing: the chapter on screen stays.
  window.cboChLst.SetListIndex(-1);
  window.cboChLst.SetListIndex(0);
  window.cboChLst.TypeText("About LCA");
  EXPECT_EQ(sld.CurCh, 2);
  EXPECT_EQ(window.lstSlides.ListCount(), 3);
  EXPECT_EQ(sld.CurSld, 1);
}

TEST_F(SlideViewerTest, SlideListAndPictureClicks) {
  MakeDataFolder();
  Start();
  ChooseChapter(1);
  window.lstSlides.SetListIndex(0);  // the chapter title: the front picture
  EXPECT_EQ(sld.CurSld, 0);
  EXPECT_EQ(Picture(), "FrontPic.emf");
  EXPECT_EQ(window.lblMessage.Caption(), kSelectChapter);
  EXPECT_EQ(window.LastSld(), 0);

  window.Image1.Click();  // from the front picture to slide 1
  EXPECT_EQ(window.lstSlides.ListIndex(), 1);
  EXPECT_EQ(Picture(), "S1.svg");
  window.lstSlides.SetListIndex(4);
  EXPECT_EQ(window.lblMessage.Caption(), "Slide No. and Title  -->  4 Impact Categories");
  window.Image1.Click();
  EXPECT_EQ(sld.CurSld, 5);
  EXPECT_EQ(window.LastSld(), 5);
  EXPECT_EQ(Picture(), "S5.svg");
  window.Image1.Click();  // the last slide: nothing
  EXPECT_EQ(sld.CurSld, 5);
  EXPECT_EQ(window.lstSlides.ListIndex(), 5);
}

TEST_F(SlideViewerTest, FindAndNextByWordsOfTheTitles) {
  MakeDataFolder();
  WriteChapter("data/Ch3/Ch3Slides.txt", "Search",
               {"1 Introduction", "12 Life Cycle Stages", "LifeCycle", "4 Cost over the life cycle", "5 Normalisation",
                "6 Life Cycle Cost"});
  WriteBook("data/LCA.TXT", {{"Search", "Ch3\\Ch3Slides.txt"}});
  Start();
  ChooseChapter(1);
  auto find = [&](const std::string& text) {
    window.txtSrch.SetText(text);
    window.cmdSrch.Click();
    return window.lstSlides.ListIndex();
  };
  // Words after the slide number, in any letter case; never the number.
  EXPECT_EQ(find("cycle"), 2);
  EXPECT_EQ(window.SrchText(), "cycle");
  EXPECT_EQ(window.LastSld(), 2);
  EXPECT_EQ(window.lblMessage.Caption(), "Slide No. and Title  -->  12 Life Cycle Stages");
  EXPECT_EQ(find("LIFE C"), 2);
  EXPECT_EQ(find("stages"), 2);
  window.lstSlides.SetListIndex(5);
  EXPECT_EQ(find("12"), 5);         // not found: the slide on screen stays
  EXPECT_EQ(find("lifecycle"), 5);  // a title without a blank is never found
  EXPECT_EQ(find(""), 5);           // an empty box does nothing

  // Next continues after the last match, and stays when nothing follows.
  EXPECT_EQ(find("LIFE"), 2);
  window.cmdNX.Click();
  EXPECT_EQ(window.lstSlides.ListIndex(), 4);
  window.cmdNX.Click();
  EXPECT_EQ(window.lstSlides.ListIndex(), 6);
  EXPECT_EQ(window.LastSld(), 6);
  window.cmdNX.Click();
  EXPECT_EQ(window.lstSlides.ListIndex(), 6);

  // Next reads the stored text, not the box; a slide chosen by hand is
  // where it continues from.
  window.txtSrch.SetText("normalisation");
  window.lstSlides.SetListIndex(1);
  window.cmdNX.Click();
  EXPECT_EQ(window.lstSlides.ListIndex(), 2);
}

TEST_F(SlideViewerTest, NextBeforeAnyFindTakesTheNextTitleWithTextAfterItsFirstWord) {
  MakeDataFolder();
  Start();
  ChooseChapter(1);
  window.lstSlides.SetListIndex(2);
  window.cmdNX.Click();  // slide 3 "Overview" has no text after its first word
  EXPECT_EQ(window.lstSlides.ListIndex(), 4);
  EXPECT_EQ(window.LastSld(), 4);
}

TEST_F(SlideViewerTest, OpenCancelledLeavesAnEmptyViewer) {
  MakeDataFolder();
  Start();
  ChooseChapter(1);
  window.lstSlides.SetListIndex(3);
  platform.ExpectOpenDialog(std::nullopt);
  window.mnuFOpen.Click();
  ASSERT_EQ(platform.Dialogs().size(), 1u);
  EXPECT_EQ(platform.Dialogs()[0].fileName, "");
  EXPECT_EQ(window.cboChLst.ListCount(), 0);
  EXPECT_EQ(window.lstSlides.ListCount(), 0);
  EXPECT_EQ(sld.NoOfSld, 0);
  EXPECT_EQ(sld.CurCh, 0);
  EXPECT_EQ(Picture(), "FrontPic.emf");
  window.Image1.Click();
  EXPECT_EQ(window.lstSlides.ListIndex(), -1);
  window.txtSrch.SetText("life");
  window.cmdSrch.Click();
  window.cmdNX.Click();
  EXPECT_EQ(window.lstSlides.ListIndex(), -1);
  EXPECT_EQ(sld.CurSld, 0);
}

TEST_F(SlideViewerTest, OpenReadsTheChosenBookRelativeToItsFolder) {
  MakeDataFolder();
  WriteBook("other/TALKS.TXT", {{"Talk", "Talk\\Slides.txt"}});
  folder.Write("other/Talk/Slides.txt", "\"Talk\",1,\"1 Hello there\",\"Talk\\Hello.svg\",\"\"\r\n");
  folder.Write("other/Talk/Hello.svg", "<svg/>");
  Start();
  platform.ExpectOpenDialog(folder.Path() + "other/TALKS.TXT");
  window.mnuFOpen.Click();
  EXPECT_EQ(sld.BookFile, folder.Path() + "other/TALKS.TXT");
  EXPECT_EQ(Items(window.cboChLst), (std::vector<std::string>{"LCA Slide Book", "Talk"}));
  ChooseChapter(1);
  EXPECT_EQ(window.lblMessage.Caption(), "Slide No. and Title  -->  1 Hello there");
  EXPECT_EQ(window.Image1.PicturePath(), folder.Path() + "other/Talk/Hello.svg");

  // A book that cannot be read is reported; the viewer stays empty.
  folder.Write("other/BAD.TXT", "\"Bad\",60\r\n");
  platform.ExpectOpenDialog(folder.Path() + "other/BAD.TXT");
  platform.ExpectMessage("The slide book file " + folder.Path() +
                         "other/BAD.TXT cannot be read: it lists 60 chapters; a book holds 0 to 50");
  window.mnuFOpen.Click();
  EXPECT_EQ(window.cboChLst.ListCount(), 0);
  EXPECT_EQ(window.lstSlides.ListCount(), 0);
  EXPECT_EQ(sld.NoOfCh, 1);  // the tables keep the book read last
  // The front picture is the data folder's, whatever folder the dialog left.
  EXPECT_EQ(window.Image1.PicturePath(), folder.Path() + "data/FrontPic.emf");
  platform.ExpectOpenDialog(std::nullopt);
  window.mnuFOpen.Click();
  EXPECT_EQ(window.Image1.PicturePath(), folder.Path() + "data/FrontPic.emf");
}

TEST_F(SlideViewerTest, UnreadableChapterIsReportedAndTheSlidesOnScreenStay) {
  MakeDataFolder();
  folder.Write("data/Ch2/Ch2Slides.txt", "\"About this Program\",2,\"1 Only one\",\"Ch2\\S1.svg\",\"\"\r\n");
  Start();
  ChooseChapter(1);
  window.lstSlides.SetListIndex(3);
  const std::string chapter = folder.Path() + "data/Ch2/Ch2Slides.txt";
  platform.ExpectMessage("The slide chapter file " + chapter + " cannot be read: unexpected end of file (line 2)");
  ChooseChapter(2);
  EXPECT_EQ(window.cboChLst.ListIndex(), 0);
  EXPECT_EQ(sld.CurCh, 1);
  EXPECT_EQ(sld.NoOfSld, 5);
  EXPECT_EQ(window.lstSlides.ListCount(), 6);
  EXPECT_EQ(window.lstSlides.ListIndex(), 3);
  EXPECT_EQ(sld.SldTitle[1], "1 Introduction");

  std::remove((folder.Path() + "data/Ch2/Ch2Slides.txt").c_str());
  platform.ExpectMessage("The slide chapter file " + chapter + " cannot be read: file not found: " + chapter);
  ChooseChapter(2);
  EXPECT_EQ(sld.NoOfSld, 5);
}

// What File > Open or a book may name that is no slide file at all: a
// device, a named pipe, a folder. Each is refused at once with the reader's
// message, and the viewer goes on (waiting on the pipe or reading the
// endless device would hold the test until ctest's timeout).
TEST_F(SlideViewerTest, ADeviceOrPipeIsRefusedAtOnce) {
  MakeDataFolder();
  testsupport::NamedPipe pipe(folder.Path() + "data/pipe.txt");
  ASSERT_TRUE(pipe.Made());
  WriteBook("data/LCA.TXT", {{"Zero", "/dev/zero"}, {"Pipe", "pipe.txt"}, {"Folder", "Ch1"}});
  Start();
  for (const std::string& book : {std::string("/dev/zero"), pipe.Path(), folder.Path() + "data/Ch1"}) {
    SCOPED_TRACE(book);
    platform.ExpectOpenDialog(book);
    platform.ExpectMessage("The slide book file " + book + " cannot be read: cannot read " + book +
                           ": it is not a regular file");
    window.mnuFOpen.Click();
    EXPECT_EQ(window.cboChLst.ListCount(), 0);
  }
  platform.ExpectOpenDialog(folder.Path() + "data/LCA.TXT");
  window.mnuFOpen.Click();
  ASSERT_EQ(window.cboChLst.ListCount(), 4);
  for (auto [chapter, file] :
       {std::pair{1, std::string("/dev/zero")}, {2, pipe.Path()}, {3, folder.Path() + "data/Ch1"}}) {
    SCOPED_TRACE(file);
    platform.ExpectMessage("The slide chapter file " + file + " cannot be read: cannot read " + file +
                           ": it is not a regular file");
    ChooseChapter(chapter);
  }
  EXPECT_EQ(sld.CurCh, 0);
  EXPECT_TRUE(platform.ScriptDone());
}

// A chapter of 300 slides with long notes, written on one line of 3 MB, is
// read whole (that the reader takes such a line in one pass is shown in
// tests/common/data_file_test.cpp).
TEST_F(SlideViewerTest, AOneLineChapterOfThreeMegabytesIsReadWhole) {
  MakeDataFolder();
  const std::string note(10000, 'n');
  std::string text = "\"Long notes\",300";
  for (int i = 1; i <= 300; ++i)
    text += ",\"" + std::to_string(i) + " Slide\",\"Ch2\\S" + std::to_string(i) + ".svg\",\"" + note + "\"";
  ASSERT_GT(text.size(), 3000000u);
  folder.Write("data/Ch2/Ch2Slides.txt", text);
  Start();
  ChooseChapter(2);
  EXPECT_EQ(sld.NoOfSld, 300);
  EXPECT_EQ(sld.SldTitle[300], "300 Slide");
  EXPECT_EQ(sld.SldNote[300], note);
}

TEST_F(SlideViewerTest, ChapterSizesFromNoneToThreeHundredAndOne) {
  MakeDataFolder();
  WriteChapter("data/Ch2/Ch2Slides.txt", "Empty", {});
  Start();
  ChooseChapter(2);
  EXPECT_EQ(Items(window.lstSlides), std::vector<std::string>{"Empty"});
  EXPECT_EQ(window.lstSlides.ListIndex(), 0);
  EXPECT_EQ(Picture(), "FrontPic.emf");
  EXPECT_EQ(window.lblMessage.Caption(), "This chapter holds no slides.");
  window.Image1.Click();
  EXPECT_EQ(window.lstSlides.ListIndex(), 0);

  std::vector<std::string> titles;
  for (int i = 1; i <= 300; ++i) titles.push_back(std::to_string(i) + " Slide number " + std::to_string(i));
  WriteChapter("data/Ch2/Ch2Slides.txt", "Long", titles);
  ChooseChapter(2);
  EXPECT_EQ(sld.NoOfSld, 300);
  EXPECT_EQ(window.lstSlides.ListCount(), 301);
  window.lstSlides.SetListIndex(299);
  window.Image1.Click();
  EXPECT_EQ(Picture(), "S300.svg");
  window.txtSrch.SetText("number 300");
  window.cmdSrch.Click();
  EXPECT_EQ(window.LastSld(), 300);

  titles.push_back("301 One too many");
  WriteChapter("data/Ch2/Ch2Slides.txt", "Too long", titles, false);
  platform.ExpectMessage("The slide chapter file " + folder.Path() +
                         "data/Ch2/Ch2Slides.txt cannot be read: it lists 301 slides; a chapter holds 0 to 300");
  ChooseChapter(2);
  EXPECT_EQ(sld.NoOfSld, 300);
  EXPECT_EQ(sld.SldTitle[1], "1 Slide number 1");
}

TEST_F(SlideViewerTest, MissingPictureShowsNoPictureAndSaysSo) {
  MakeDataFolder();
  std::remove((folder.Path() + "data/Ch1/S2.svg").c_str());
  Start();
  ChooseChapter(1);
  ASSERT_EQ(Picture(), "S1.svg");
  window.lstSlides.SetListIndex(2);
  EXPECT_EQ(window.Image1.PicturePath(), "");
  EXPECT_EQ(window.lblMessage.Caption(),
            "Slide No. and Title  -->  2 Life Cycle Stages   (picture cannot be shown: Ch1\\S2.svg)");
  window.Image1.Click();  // the viewer goes on
  EXPECT_EQ(Picture(), "S3.svg");
}

TEST_F(SlideViewerTest, ExitEndsTheProgram) {
  Start();
  window.mnuExit.Click();
  EXPECT_TRUE(platform.ProgramEnded());
  EXPECT_EQ(window.mnuF.Caption(), "&File");
  EXPECT_EQ(window.mnuFOpen.Caption(), "&Open");
  EXPECT_EQ(window.mnuExit.Caption(), "E&xit");
}

}  // namespace
