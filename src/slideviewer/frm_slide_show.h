#pragma once
// Vistrel's only window: a slide book's chapters in a drop-down list, the
// chosen chapter's slides in a list, the slide picture beside them, and a
// search of the slide titles below the list. Closing it ends the program.
#include <string>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"
#include "slideviewer/slide_tables.h"

namespace slideviewer {

class frmMain : public forms::Form {
 public:
  frmMain(forms::Platform& platform, ModSldpara& sld);

  // Reads the book named by BookFile into the chapter list. Returns an
  // error text, empty on success; on failure the chapter list and the
  // tables stay as they were.
  std::string OpenBookFile();
  // Empties both lists and shows the front picture.
  void ResetViewer();
  // Shows SldPic(CurSld) in Image1; false (and no picture) when the file
  // is missing or holds no picture that can be shown.
  bool ShowSlidePicture();

  const std::string& SrchText() const { return srchText_; }
  int LastSld() const { return lastSld_; }

  forms::Label Label1;
  forms::ComboBox cboChLst;
  forms::ListBox lstSlides;
  forms::Label lblMessage;
  forms::Image Image1;
  forms::Label lblSrch;
  forms::TextBox txtSrch;
  forms::CommandButton cmdSrch;
  forms::CommandButton cmdNX;

  forms::Menu mnuF, mnuFOpen, mnuExit;

 protected:
  void Form_Load() override;

 private:
  void cboChLst_Click();
  void lstSlides_Click();
  void Image1_Click();
  void cmdSrch_Click();
  void cmdNX_Click();
  void mnuFOpen_Click();
  void mnuExit_Click();

  void Layout();
  // Selects the slide found by a search (which shows it) and remembers it.
  void SelectFound(int slide);

  ModSldpara& sld_;
  // The data folder named by the data-directory file (empty without one),
  // where the default book and the front picture live, and the folder of
  // the book read last, where its chapters and pictures are.
  std::string dataDir_, bookFolder_;
  std::string srchText_;  // lower-cased text of the last Find
  int srchLen_ = 0;
  int lastSld_ = 0;  // the slide found or shown last; Next starts after it
};

}  // namespace slideviewer
