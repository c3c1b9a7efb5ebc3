#include "slideviewer/frm_slide_show.h"

#include "common/data_dir_file.h"
#include "common/file_names.h"
#include "common/paths.h"
#include "common/slide_chapter_file.h"
#include "slideviewer/slide_book_file.h"
#include "slideviewer/title_search.h"

namespace slideviewer {

namespace {

constexpr const char* kSelectChapter = "Click Select Chapter dropdown list to select chapter";
constexpr const char* kSlideTitle = "Slide No. and Title  -->  ";
constexpr const char* kFrontPicture = "FrontPic.emf";
constexpr const char* kDefaultBook = "LCA.TXT";

// Twips.
constexpr int kListLeft = 240, kListWidth = 2655;
constexpr int kPictureLeft = 3000, kPictureTop = 720, kPictureWidth = 12000, kPictureHeight = 9000;
constexpr int kListHeight = 9200;
constexpr int kSearchGap = 75;
constexpr int kRowHeight = 315;

}  // namespace

frmMain::frmMain(forms::Platform& platform, ModSldpara& sld)
    : Form(platform, "frmMain"),
      Label1(*this, "Label1"),
      cboChLst(*this, "cboChLst"),
      lstSlides(*this, "lstSlides"),
      lblMessage(*this, "lblMessage"),
      Image1(*this, "Image1"),
      lblSrch(*this, "lblSrch"),
      txtSrch(*this, "txtSrch"),
      cmdSrch(*this, "cmdSrch"),
      cmdNX(*this, "cmdNX"),
      mnuF(*this, nullptr, "mnuF", "&File"),
      mnuFOpen(*this, &mnuF, "mnuFOpen", "&Open"),
      mnuExit(*this, &mnuF, "mnuExit", "E&xit"),
      sld_(sld) {
  SetCaption("Slide Show");
  SetClientSize(15240, 10500);
  Layout();

  cboChLst.OnClick = [this] { cboChLst_Click(); };
  lstSlides.OnClick = [this] { lstSlides_Click(); };
  Image1.OnClick = [this] { Image1_Click(); };
  cmdSrch.OnClick = [this] { cmdSrch_Click(); };
  cmdNX.OnClick = [this] { cmdNX_Click(); };
  mnuFOpen.OnClick = [this] { mnuFOpen_Click(); };
  mnuExit.OnClick = [this] { mnuExit_Click(); };
}

// The design-time layout; Form_Load sizes the list, the picture and the
// message line and puts the search row under the list.
void frmMain::Layout() {
  Label1.SetCaption("Select Chapter");
  Label1.Move(kListLeft, 120, kListWidth, 255);
  cboChLst.Move(kListLeft, 360, kListWidth, kRowHeight);
  cboChLst.SetStyle(forms::ComboStyle::DropDownList);
  lstSlides.Move(kListLeft, 720, kListWidth, kListHeight);
  lblMessage.SetCaption("Lable");
  lblMessage.Move(kPictureLeft, 360, kPictureWidth, 255);
  Image1.Move(kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);
  Image1.SetStretch(true);  // slides are drawn for the 4:3 picture area
  const int searchTop = 720 + kListHeight + kSearchGap;
  lblSrch.SetCaption("Search Slide");
  lblSrch.Move(kListLeft, searchTop, 975, kRowHeight);
  txtSrch.Move(1320, searchTop, 1575, kRowHeight);
  cmdSrch.SetCaption("Find");
  cmdSrch.Move(3000, searchTop, 735, kRowHeight);
  cmdNX.SetCaption("Next");
  cmdNX.Move(3720, searchTop, 735, kRowHeight);
}

// Start-up passes over every failure: without a data-directory file there
// is no data folder, so no book and no front picture; without a readable
// book the chapter list stays empty and the message line keeps its first
// text.
void frmMain::Form_Load() {
  dataDir_ = common::ReadDataDirFile().value_or("");

  Image1.Move(Image1.Left(), Image1.Top(), kPictureWidth, kPictureHeight);
  lstSlides.SetHeight(kListHeight);
  lblMessage.SetWidth(kPictureWidth);
  const int searchTop = lstSlides.Top() + lstSlides.Height() + kSearchGap;
  lblSrch.SetTop(searchTop);
  cmdSrch.SetTop(searchTop);
  cmdNX.SetTop(searchTop);
  txtSrch.SetTop(searchTop);
  txtSrch.SetText("");

  ResetViewer();
  sld_.BookFile = kDefaultBook;
  OpenBookFile();
}

// The book's name is taken in the data folder unless it is a full path;
// its chapter files, and their pictures, are named relative to the book.
std::string frmMain::OpenBookFile() {
  std::string error;
  const std::string path = common::PathIn(dataDir_, sld_.BookFile);
  auto book = ReadSlideBook(path, error);
  if (!book) return error;
  bookFolder_ = path;
  ModInpCtl::ExtractDirectory(bookFolder_);
  cboChLst.Clear();
  cboChLst.AddItem(book->Title);
  sld_.NoOfCh = static_cast<common::Integer>(book->Chapters.size());
  for (size_t i = 0; i < book->Chapters.size(); ++i) {
    sld_.ChFile[i + 1] = book->Chapters[i].File;
    cboChLst.AddItem(book->Chapters[i].Title);
  }
  cboChLst.SetListIndex(0);
  lblMessage.SetCaption(kSelectChapter);
  return {};
}

void frmMain::ResetViewer() {
  cboChLst.Clear();
  lstSlides.Clear();
  sld_.CurCh = 0;
  sld_.NoOfSld = 0;
  sld_.SldPic[0] = kFrontPicture;
  sld_.CurSld = 0;
  ShowSlidePicture();
}

bool frmMain::ShowSlidePicture() {
  const int slide = sld_.CurSld;
  std::optional<std::string> found;
  if (slide == 0) {
    found = common::FindExisting(common::PathIn(dataDir_, sld_.SldPic[0]));
  } else if (slide > 0 && slide <= kMaxSlides) {
    found = common::FindExisting(common::PathIn(bookFolder_, sld_.SldPic[static_cast<size_t>(slide)]));
  }
  if (!found || !GetPlatform().CanLoadPicture(*found)) {
    Image1.SetPicture("");  // never leave another slide's picture under this title
    return false;
  }
  Image1.SetPicture(*found);
  return true;
}

// A chapter chosen. Item 0 (the book title) chooses nothing.
// A chapter file that cannot be read is reported and the slides shown stay.
void frmMain::cboChLst_Click() {
  const int chosen = cboChLst.ListIndex();
  if (chosen <= 0 || chosen > sld_.NoOfCh) return;
  std::string error;
  auto chapter = common::ReadSlideChapter(common::PathIn(bookFolder_, sld_.ChFile[static_cast<size_t>(chosen)]), error);
  if (!chapter) {
    cboChLst.SetListIndex(0);
    MsgBox(error);
    return;
  }
  lstSlides.Clear();
  sld_.CurCh = static_cast<common::Integer>(chosen);
  lstSlides.AddItem(chapter->Title);
  sld_.NoOfSld = static_cast<common::Integer>(chapter->Slides.size());
  for (size_t i = 0; i < chapter->Slides.size(); ++i) {
    const common::SlideEntry& slide = chapter->Slides[i];
    sld_.SldTitle[i + 1] = slide.Title;
    sld_.SldPic[i + 1] = slide.Picture;
    sld_.SldNote[i + 1] = slide.Note;
    lstSlides.AddItem(slide.Title);
  }
  cboChLst.SetListIndex(0);
  lstSlides.SetFocus();
  if (sld_.NoOfSld > 0) {
    lstSlides.SetListIndex(1);
  } else {
    lstSlides.SetListIndex(0);
    lblMessage.SetCaption("This chapter holds no slides.");
  }
}

void frmMain::lstSlides_Click() {
  const int chosen = lstSlides.ListIndex();
  if (chosen < 0 || chosen > sld_.NoOfSld) return;
  sld_.CurSld = static_cast<common::Integer>(chosen);
  const bool shown = ShowSlidePicture();
  if (chosen > 0) {
    std::string message = kSlideTitle + lstSlides.List(chosen);
    if (!shown) message += "   (picture cannot be shown: " + sld_.SldPic[static_cast<size_t>(chosen)] + ")";
    lblMessage.SetCaption(message);
  } else {
    lblMessage.SetCaption(kSelectChapter);
  }
  lastSld_ = sld_.CurSld;
}

void frmMain::Image1_Click() {
  if (sld_.CurSld >= sld_.NoOfSld) return;
  lstSlides.SetListIndex(sld_.CurSld + 1);
  lstSlides.SetFocus();
}

void frmMain::SelectFound(int slide) {
  if (slide == 0) return;
  lstSlides.SetListIndex(slide);
  lastSld_ = slide;
}

void frmMain::cmdSrch_Click() {
  srchText_ = txtSrch.Text();
  if (srchText_.empty()) return;
  ModInpCtl::ToLowerCase(srchText_);
  srchLen_ = static_cast<int>(srchText_.size());
  SelectFound(FindSlide(sld_, 1, srchText_, srchLen_));
}

void frmMain::cmdNX_Click() { SelectFound(FindSlide(sld_, lastSld_ + 1, srchText_, srchLen_)); }

// Open leaves the viewer empty with the front picture, also when the
// dialog is cancelled or the chosen book cannot be read.
void frmMain::mnuFOpen_Click() {
  ResetViewer();
  auto chosen =
      GetPlatform().OpenFileDialog({"Open Slide Book", "Slide book files (*.TXT)|*.TXT|All files (*.*)|*.*", "", ""});
  if (!chosen) return;
  sld_.BookFile = *chosen;
  if (std::string error = OpenBookFile(); !error.empty()) MsgBox(error);
}

void frmMain::mnuExit_Click() { GetPlatform().EndProgram(); }

}  // namespace slideviewer
