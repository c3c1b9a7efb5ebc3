#pragma once
// The main window: project name and file boxes, the message panel, the
// slide area and the menu bar through which every other window and every
// calculation is reached.
#include <array>
#include <string>

#include "app/windows.h"
#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"
#include "forms/picture_box.h"

namespace app {

// The data-directory file in the settings folder.
std::string DataDirFilePath();

class frmMain : public forms::Form {
 public:
  frmMain(common::Program& prog, forms::Platform& platform, Windows& windows);
  ~frmMain() override;

  // Message panel: set NewMsg, then ShowMessage.
  std::array<std::string, 23> MsgLine;
  std::string NewMsg;
  void ShowMessage();
  void ShowSplashText();

  // Menu commands.
  void mnuOpenData_Click();
  void mnuFNew_Click();
  void mnuFileOpen_Click();
  void mnuFileSave_Click();
  void mnuFileClose_Click();
  void mnuFileExit_Click();
  void mnuEditBldg_Click();
  void mnuEditBEUInput_Click();
  void mnuRunReset_Click();
  void mnuEditWeights_Click();
  void MnuPrintInSum_Click();
  void MnuPrintInSumExcel_Click();
  void mnuWSelected_Click();
  void mnuRunOprEgy_Click();
  void mnuRunLCA_Click();
  void mnuRunLCC_Click();
  void mnuViewEgy_Click();
  void mnuViewLCC_Click();
  void mnuViewRes_Click();
  void mnuSSCh1_Click();
  void mnuSSCh2_Click();
  void mnuSSEnd_Click();

  // Project name.
  void cmdEnterProjName_Click();
  void AcceptProjName();

  // Slide show.
  void cboSldLst_Click();
  void cmdLsSld_Click();
  void cmdNxSld_Click();
  void Image1_Click();
  void PicMain_Click();
  int NoOfSld() const { return noOfSld_; }
  int CurSld() const { return curSld_; }

  bool LogFileOpen() const { return logFile_ >= 0; }

  // Controls.
  forms::Label lblProjName;
  forms::TextBox txtProjName;
  forms::CommandButton cmdEnterProjName;
  forms::Label lblProjFName;
  forms::TextBox txtProjFName;
  forms::CommandButton cmdEndSldShow;
  forms::PictureBox PicMain;
  forms::Image Image1;
  forms::CommandButton cmdLsSld;
  forms::Label lblLsSld;
  forms::ComboBox cboSldLst;
  forms::Label lblNxSld;
  forms::CommandButton cmdNxSld;

  // Menus.
  forms::Menu mnuFile, mnuOpenData, OpenL0, mnuFNew, mnuL1, mnuFileOpen, mnuFileSave, mnuFileClose, FileL2, mnuFileExit;
  forms::Menu mnuEdit, mnuEditBldg, mnuEditBEUInput, EditL1, mnuRunReset, EditL2, mnuEditWeights;
  forms::Menu MnuPrint, MnuPrintInSum, MnuPrintInSumExcel, mnuWSelected;
  forms::Menu mnuRun, mnuRunOprEgy, mnuRunLCA, mnuRunLCC;
  forms::Menu mnuRL1, mnuViewEgy, mnuViewLCC, mnuViewRes;
  forms::Menu mnuViewSS, mnuSSCh1, mnuSSCh2, mnuSSEnd;

 protected:
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  void WireHandlers();
  void OpenChapter(const std::string& chapterFile);
  void ShowSlide();
  void ShowSlideSteps(bool visible);
  void CloseLogFile();
  void StartupHook();
  void LoadDatabase(const std::string& folder, bool takeDefault);
  // Close with its question; false when the user cancelled. `report`
  // shows its two panel messages (New closes without them).
  bool CloseProject(bool report = true);
  // Close's question, asked while the building holds unsaved edits; false
  // when the user cancelled.
  bool AskToDropEdits();
  // Leaves the open project as at start-up, so that nothing of it is shown
  // or saved under the name of the project that follows: the windows that
  // show it close, its results, costs, energy model, air-side systems,
  // constructions, plant and services are cleared, and the Run entries
  // lose their check marks. False, with nothing changed, when the energy
  // modelling input stays open (its user cancelled its question).
  bool LeaveProject();
  // The project file through the project-folder rule; false on failure
  // (reported in a message box).
  bool WriteProjFile();
  bool ReadProjFile();
  bool RunStages(int mode, forms::Menu& entry, const char* commenced, const char* completed);

  common::Program& prog_;
  Windows& windows_;
  int logFile_ = -1;  // the start-up log, held open until Exit
  // The project file read or written last: Save replaces it unasked.
  std::string ownProjFile_;

  // Slide show state.
  std::string chapterFile_;
  std::string chapterTitle_;
  int noOfSld_ = 0;
  int curSld_ = 0;
  std::array<std::string, 301> sldTitle_{};
  std::array<std::string, 301> sldFile_{};
};

}  // namespace app
