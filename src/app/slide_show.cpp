// The slide show in the main window: two chapters of explanatory slides
// shown in place of the message panel.
#include <string>

#include "app/main_window.h"
#include "common/paths.h"
#include "common/slide_chapter_file.h"

namespace app {

void frmMain::mnuSSCh1_Click() { OpenChapter(".\\Ch1\\Ch1Slides.txt"); }
void frmMain::mnuSSCh2_Click() { OpenChapter(".\\Ch2\\Ch2Slides.txt"); }

// Opens a chapter of the data folder; a chapter file that cannot be read
// whole ends the command silently, with the list emptied and the End button
// shown. Nothing of the chapter before stays: without slides there is no
// count, no current slide, no picture and no Next or Last.
void frmMain::OpenChapter(const std::string& chapterFile) {
  const std::string& dataDir = prog_.building.DataDir;
  if (dataDir.empty()) {
    MsgBox("Open the Main Library File First!");
    return;
  }
  cboSldLst.Clear();
  cboSldLst.SetVisible(true);
  cmdEndSldShow.SetVisible(true);

  chapterFile_ = chapterFile;
  noOfSld_ = 0;
  curSld_ = 0;
  ShowSlideSteps(false);
  Image1.SetVisible(false);
  std::string error;
  auto chapter = common::ReadSlideChapter(common::PathIn(dataDir, chapterFile), error);
  if (!chapter) return;
  chapterTitle_ = chapter->Title;
  noOfSld_ = static_cast<int>(chapter->Slides.size());
  for (int i = 1; i <= noOfSld_; ++i) {
    const common::SlideEntry& slide = chapter->Slides[static_cast<size_t>(i - 1)];
    sldTitle_[static_cast<size_t>(i)] = slide.Title;
    sldFile_[static_cast<size_t>(i)] = slide.Picture;
    cboSldLst.AddItem(slide.Title);
  }
  if (noOfSld_ == 0) return;
  ShowSlideSteps(true);
  curSld_ = 1;
  cboSldLst.SetListIndex(0);
  Image1.SetVisible(true);
  ShowSlide();
}

// Shows or hides "Last Slide" and "Next Slide" with their buttons.
void frmMain::ShowSlideSteps(bool visible) {
  for (forms::Control* c : {static_cast<forms::Control*>(&lblNxSld), static_cast<forms::Control*>(&cmdNxSld),
                            static_cast<forms::Control*>(&lblLsSld), static_cast<forms::Control*>(&cmdLsSld)})
    c->SetVisible(visible);
}

// Shows the current slide's picture, named in the data folder. A picture
// that is missing or cannot be shown leaves the picture blank, never the
// slide before under this title, and the message panel says so.
void frmMain::ShowSlide() {
  if (curSld_ < 1 || curSld_ > noOfSld_) return;
  const std::string& file = sldFile_[static_cast<size_t>(curSld_)];
  auto found = common::FindExisting(common::PathIn(prog_.building.DataDir, file));
  if (found && GetPlatform().CanLoadPicture(*found)) {
    Image1.SetPicture(*found);
    return;
  }
  Image1.SetPicture("");
  NewMsg = "   Slide " + std::to_string(curSld_) + ": picture cannot be shown: " + file;
  ShowMessage();
}

void frmMain::cboSldLst_Click() {
  if (cboSldLst.ListIndex() < 0) return;
  curSld_ = cboSldLst.ListIndex() + 1;
  ShowSlide();
}

void frmMain::cmdLsSld_Click() {
  if (curSld_ <= 1) return;
  --curSld_;
  ShowSlide();
  cboSldLst.SetListIndex(curSld_ - 1);
}

void frmMain::cmdNxSld_Click() {
  if (curSld_ >= noOfSld_) return;
  ++curSld_;
  ShowSlide();
  cboSldLst.SetListIndex(curSld_ - 1);
}

void frmMain::Image1_Click() { Image1.SetVisible(false); }

void frmMain::PicMain_Click() {
  std::string name = curSld_ != 0 ? sldFile_[static_cast<size_t>(curSld_)] : "FrontPic.emf";
  auto found = common::FindExisting(common::PathIn(prog_.building.DataDir, name));
  if (!found || !GetPlatform().CanLoadPicture(*found)) return;
  Image1.SetPicture(*found);
  Image1.SetVisible(true);
}

void frmMain::mnuSSEnd_Click() {
  cboSldLst.Clear();
  cboSldLst.SetVisible(false);
  ShowSlideSteps(false);
  Image1.SetVisible(false);
  cmdEndSldShow.SetVisible(false);
  curSld_ = 0;
  noOfSld_ = 0;
}

}  // namespace app
