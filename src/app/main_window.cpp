#include "app/main_window.h"

#include <unistd.h>

#include <memory>
#include <string>

#include "assessment/factors.h"
#include "assessment/selection_report.h"
#include "building/frm_platform_dialogs.h"
#include "building/input_summary.h"
#include "building/input_summary_workbook.h"
#include "common/safe_writing.h"

namespace app {

namespace {
constexpr const char* kLogFileName = "Ostrevo.LOG";
}

frmMain::frmMain(common::Program& prog, forms::Platform& platform, Windows& windows)
    : Form(platform, "frmMain"),
      lblProjName(*this, "lblProjName"),
      txtProjName(*this, "txtProjName"),
      cmdEnterProjName(*this, "cmdEnterProjName"),
      lblProjFName(*this, "lblProjFName"),
      txtProjFName(*this, "txtProjFName"),
      cmdEndSldShow(*this, "cmdEndSldShow"),
      PicMain(*this, "PicMain"),
      Image1(PicMain, "Image1"),
      cmdLsSld(*this, "cmdLsSld"),
      lblLsSld(*this, "lblLsSld"),
      cboSldLst(*this, "cboSldLst"),
      lblNxSld(*this, "lblNxSld"),
      cmdNxSld(*this, "cmdNxSld"),
      mnuFile(*this, nullptr, "mnuFile", "&File"),
      mnuOpenData(*this, &mnuFile, "mnuOpenData", "Open LCIA/LCC &Database"),
      OpenL0(*this, &mnuFile, "OpenL0", "-"),
      mnuFNew(*this, &mnuFile, "mnuFNew", "Cre&at New Project"),
      mnuL1(*this, &mnuFile, "mnuL1", "-"),
      mnuFileOpen(*this, &mnuFile, "mnuFileOpen", "&Open Project"),
      mnuFileSave(*this, &mnuFile, "mnuFileSave", "&Save Project"),
      mnuFileClose(*this, &mnuFile, "mnuFileClose", "&Close Project"),
      FileL2(*this, &mnuFile, "FileL2", "-"),
      mnuFileExit(*this, &mnuFile, "mnuFileExit", "E&xit"),
      mnuEdit(*this, nullptr, "mnuEdit", "&Edit"),
      mnuEditBldg(*this, &mnuEdit, "mnuEditBldg", "&Building and System LCA Input"),
      mnuEditBEUInput(*this, &mnuEdit, "mnuEditBEUInput", "&Energy Use Modelling Input"),
      EditL1(*this, &mnuEdit, "EditL1", "-"),
      mnuRunReset(*this, &mnuEdit, "mnuRunReset", "&Reset Selection for Assessment"),
      EditL2(*this, &mnuEdit, "EditL2", "-"),
      mnuEditWeights(*this, &mnuEdit, "mnuEditWeights", "LCA &Weightings and Cost Para."),
      MnuPrint(*this, nullptr, "MnuPrint", "&Write"),
      MnuPrintInSum(*this, &MnuPrint, "MnuPrintInSum", "&Input Summary"),
      MnuPrintInSumExcel(*this, &MnuPrint, "MnuPrintInSumExcel", "&Input Summary (Excel)"),
      mnuWSelected(*this, &MnuPrint, "mnuWSelected", "&Selected Components and Elements"),
      mnuRun(*this, nullptr, "mnuRun", "&Run"),
      mnuRunOprEgy(*this, &mnuRun, "mnuRunOprEgy", "Calculate Operating &Energy Use"),
      mnuRunLCA(*this, &mnuRun, "mnuRunLCA", "Calculate Life Cycle &Impact"),
      mnuRunLCC(*this, &mnuRun, "mnuRunLCC", "Calculate Life Cycle &Cost"),
      mnuRL1(*this, nullptr, "mnuRL1", "&View"),
      mnuViewEgy(*this, &mnuRL1, "mnuViewEgy", "Operating Energy Results"),
      mnuViewLCC(*this, &mnuRL1, "mnuViewLCC", "LCC Results"),
      mnuViewRes(*this, &mnuRL1, "mnuViewRes", "Overall Results"),
      mnuViewSS(*this, nullptr, "mnuViewSS", "&SlideShow"),
      mnuSSCh1(*this, &mnuViewSS, "mnuSSCh1", "About &LCA"),
      mnuSSCh2(*this, &mnuViewSS, "mnuSSCh2", "About this &Program"),
      mnuSSEnd(*this, &mnuViewSS, "mnuSSEnd", "&End Slide Show"),
      prog_(prog),
      windows_(windows) {
  SetCaption("LCA/LCC for VL Commercial Buildings");
  SetClientSize(8790, 7695);

  lblProjName.Move(480, 240, 1215, 255);
  lblProjName.SetCaption("Project Name");
  txtProjName.Move(1800, 240, 5175, 285);
  cmdEnterProjName.Move(7065, 240, 1335, 375);
  cmdEnterProjName.SetCaption("Enter");
  lblProjFName.Move(480, 720, 1215, 255);
  lblProjFName.SetCaption("Project Filename: ");
  txtProjFName.Move(1800, 720, 6615, 405);
  cmdEndSldShow.Move(7080, 600, 1335, 375);
  cmdEndSldShow.SetCaption("End Slide Show");
  PicMain.Move(360, 1065, 8000, 6000);
  PicMain.SetFont({"Courier New", 9, false, false, false});
  Image1.Move(0, 0, 8000, 6000);
  Image1.SetStretch(true);
  cmdLsSld.Move(360, 7200, 495, 255);
  cmdLsSld.SetCaption("<");
  lblLsSld.Move(960, 7200, 855, 255);
  lblLsSld.SetCaption("Last Slide");
  cboSldLst.Move(2040, 7200, 4815, 315);
  cboSldLst.SetStyle(forms::ComboStyle::DropDownList);
  lblNxSld.Move(6960, 7200, 855, 255);
  lblNxSld.SetCaption("Next Slide");
  cmdNxSld.Move(7920, 7200, 495, 255);
  cmdNxSld.SetCaption(">");

  // The text report of the input summary is not offered to the user.
  MnuPrintInSum.SetEnabled(false);
  WireHandlers();
  windows_.SetMainWindow(this);
}

frmMain::~frmMain() { CloseLogFile(); }

void frmMain::WireHandlers() {
  mnuOpenData.OnClick = [this] { mnuOpenData_Click(); };
  mnuFNew.OnClick = [this] { mnuFNew_Click(); };
  mnuFileOpen.OnClick = [this] { mnuFileOpen_Click(); };
  mnuFileSave.OnClick = [this] { mnuFileSave_Click(); };
  mnuFileClose.OnClick = [this] { mnuFileClose_Click(); };
  mnuFileExit.OnClick = [this] { mnuFileExit_Click(); };
  mnuEditBldg.OnClick = [this] { mnuEditBldg_Click(); };
  mnuEditBEUInput.OnClick = [this] { mnuEditBEUInput_Click(); };
  mnuRunReset.OnClick = [this] { mnuRunReset_Click(); };
  mnuEditWeights.OnClick = [this] { mnuEditWeights_Click(); };
  MnuPrintInSum.OnClick = [this] { MnuPrintInSum_Click(); };
  MnuPrintInSumExcel.OnClick = [this] { MnuPrintInSumExcel_Click(); };
  mnuWSelected.OnClick = [this] { mnuWSelected_Click(); };
  mnuRunOprEgy.OnClick = [this] { mnuRunOprEgy_Click(); };
  mnuRunLCA.OnClick = [this] { mnuRunLCA_Click(); };
  mnuRunLCC.OnClick = [this] { mnuRunLCC_Click(); };
  mnuViewEgy.OnClick = [this] { mnuViewEgy_Click(); };
  mnuViewLCC.OnClick = [this] { mnuViewLCC_Click(); };
  mnuViewRes.OnClick = [this] { mnuViewRes_Click(); };
  mnuSSCh1.OnClick = [this] { mnuSSCh1_Click(); };
  mnuSSCh2.OnClick = [this] { mnuSSCh2_Click(); };
  mnuSSEnd.OnClick = [this] { mnuSSEnd_Click(); };
  cmdEnterProjName.OnClick = [this] { cmdEnterProjName_Click(); };
  cmdEndSldShow.OnClick = [this] { mnuSSEnd_Click(); };
  cboSldLst.OnClick = [this] { cboSldLst_Click(); };
  cmdLsSld.OnClick = [this] { cmdLsSld_Click(); };
  lblLsSld.OnClick = [this] { cmdLsSld_Click(); };
  cmdNxSld.OnClick = [this] { cmdNxSld_Click(); };
  lblNxSld.OnClick = [this] { cmdNxSld_Click(); };
  Image1.OnClick = [this] { Image1_Click(); };
  PicMain.OnClick = [this] { PicMain_Click(); };
}

void frmMain::Form_Load() {
  // The log file is created empty in the start-up folder and held open
  // until Exit. One that cannot be opened (a folder or a link of its name
  // in the way, a read-only folder) does not stop the program; the panel
  // says so once it shows.
  CloseLogFile();
  std::string logError;
  logFile_ = common::OpenEmptiedFile(kLogFileName, logError);

  txtProjName.SetText("");
  txtProjFName.SetText("");
  prog_.building.ProjDir.clear();
  prog_.building.DataDir.clear();
  ModCal::SetDefaultFactors(prog_.assess.factors);
  prog_.building.ProjSaved = true;

  PicMain.Move(360, 1065, 8000, 6000);
  Image1.Move(0, 0, 8000, 6000);
  Image1.SetVisible(false);
  cmdEndSldShow.SetVisible(false);
  mnuSSEnd_Click();
  ShowSplashText();
  if (logFile_ < 0) {
    NewMsg = std::string("   Log file ") + kLogFileName + " not opened: " + logError;
    ShowMessage();
  }
  StartupHook();
}

void frmMain::CloseLogFile() {
  if (logFile_ >= 0) close(logFile_);
  logFile_ = -1;
}

// Exit first closes the project's windows, each through its own question
// where it holds unsaved work (Cancel there keeps the program running), as
// Open, Creat New and Close do; then it asks only while the building is
// unsaved.
void frmMain::mnuFileExit_Click() {
  if (!windows_.CloseProjectWindows()) return;
  if (!prog_.building.ProjSaved &&
      MsgBox("Quit program without saving?", forms::MsgButtons::OKCancel) == forms::MsgResult::Cancel)
    return;
  CloseLogFile();
  GetPlatform().EndProgram();
}

// Closing the window by its frame goes through Exit, so unsaved work is
// never lost without the question.
void frmMain::Form_QueryUnload(int& cancel, int unloadMode) {
  (void)unloadMode;
  cancel = 1;
  mnuFileExit_Click();
}

void frmMain::mnuEditBldg_Click() { cmdEnterProjName_Click(); }

void frmMain::mnuEditBEUInput_Click() { windows_.frmEgyCalInput().Show(); }

void frmMain::mnuEditWeights_Click() {
  windows_.frmNormWgt().Show();
  NewMsg = "   Viewed weighting factors";
  ShowMessage();
}

void frmMain::mnuViewEgy_Click() { windows_.frmEgyResult().Show(true); }
void frmMain::mnuViewLCC_Click() { windows_.frmLCCResult().Show(); }
void frmMain::mnuViewRes_Click() { windows_.frmResult().Show(); }

// The text report (its menu entry is not offered to the user). A cancelled
// dialog ends the command silently.
void frmMain::MnuPrintInSum_Click() {
  NewMsg = "   Print input summary";
  ShowMessage();
  auto chosen =
      GetPlatform().OpenFileDialog({"Generate Input Summary Report", "Input Summary Report (*.TXT)|*.TXT", "", ""});
  if (!chosen) return;
  prog_.building.InpSumFile = *chosen;
  building::CommandResult written = ModInpCtl::WriteInputSummary(prog_.building);
  building::ShowCommandMessage(*this, written.message);
  if (!written.done) return;
  NewMsg = "   Input summary printed";
  ShowMessage();
}

// The workbook; a cancelled dialog is told as the command's failure.
void frmMain::MnuPrintInSumExcel_Click() {
  NewMsg = "   Export input summary (Excel)";
  ShowMessage();
  auto chosen = GetPlatform().OpenFileDialog(
      {"Generate Input Summary to Excel", "Input Summary (Excel) (*.xlsx)|*.xlsx;*.xls", "", ""});
  if (!chosen) {
    MsgBox("Cancel was selected.");
    return;
  }
  prog_.building.InpSumFile = ModInpCtl::WorkbookFileName(*chosen);
  std::unique_ptr<forms::Workbook> book = GetPlatform().NewWorkbook();
  building::CommandResult written = ModInpCtl::WriteInputSummaryExcel(prog_.building, book.get());
  building::ShowCommandMessage(*this, written.message);
  if (!written.done) return;
  NewMsg = "   Input summary exported";
  ShowMessage();
}

void frmMain::mnuWSelected_Click() {
  forms::FileDialogRequest request;
  request.title = "Generate Selection Summary Report";
  request.filter = "Input Summary Report (*.TXT)|*.TXT";
  auto chosen = GetPlatform().OpenFileDialog(request);
  if (!chosen) return;  // a cancelled dialog ends the command silently
  prog_.assess.SelSumFile = *chosen;
  NewMsg = "   Print selection summary";
  ShowMessage();
  ModCal::SelectionReportResult written = ModCal::WriteSelectionReport(prog_);
  for (const std::string& message : written.messages) MsgBox(message);
  if (!written.complete) return;
  NewMsg = "   Selection summary printed";
  ShowMessage();
}

}  // namespace app
