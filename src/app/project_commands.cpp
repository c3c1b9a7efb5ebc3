// The project commands of the main window: Enter, Open, New, Save, Close.
#include <sys/stat.h>

#include "app/main_window.h"
#include "assessment/results.h"
#include "assessment/selection.h"
#include "building/project_file.h"
#include "common/failure_text.h"
#include "common/file_names.h"
#include "common/paths.h"
#include "common/project_paths.h"

namespace app {

namespace {
constexpr const char* kProjectFilter = "LCA project files (*.PRJ)|*.PRJ";

std::string FolderPart(std::string path) {
  ModInpCtl::ExtractDirectory(path);
  return path;
}
std::string FilePart(std::string path) {
  ModInpCtl::ExtractFileName(path);
  return path;
}
}  // namespace

void frmMain::AcceptProjName() {
  if (txtProjName.Text().empty()) {
    MsgBox("Project Name missing!");
    return;
  }
  prog_.building.Bldg.ProjName = txtProjName.Text();
  windows_.frmBldgSysInput().Show();
  prog_.building.ProjSaved = false;
}

void frmMain::cmdEnterProjName_Click() {
  auto& b = prog_.building;
  if (txtProjName.Text().empty()) {
    MsgBox("Project name missing!");
    return;
  }
  if (b.ProjDir.empty()) {
    MsgBox("Select Folder for Project file and Enter a Project File Name");
    auto chosen = GetPlatform().OpenFileDialog({"Open Project File", kProjectFilter, "", ""});
    if (!chosen) {
      MsgBox("Failed to set project file!!");
      return;
    }
    b.ProjDir = FolderPart(*chosen);
    b.Bldg.ProjFile = FilePart(*chosen);
    txtProjFName.SetText(b.ProjDir + b.Bldg.ProjFile);
    ModCal::ResetAllSelections(prog_.assess.sel);
  }
  if (!b.DatabaseLoaded) {
    MsgBox("Select Main LCIA Library to open");
    mnuOpenData_Click();
  }
  if (b.DatabaseLoaded) {
    AcceptProjName();
  } else {
    MsgBox("Main LCIA database not loaded!!");
  }
  NewMsg = "   Proceeded to edit project data";
  ShowMessage();
}

// Reads the chosen project file before anything else changes: a file that
// cannot be read, or is not there (Open makes no new project), leaves the
// open project as it was. Unsaved edits are dropped only after Close's
// question; Cancel there, or in a window's own question, keeps the open
// project. Nothing of the project it replaces stays, and the project
// opened counts as saved.
void frmMain::mnuFileOpen_Click() {
  auto& b = prog_.building;
  NewMsg = "   Load main project input file";
  ShowMessage();
  auto chosen = GetPlatform().OpenFileDialog({"Open Project File", kProjectFilter, b.DataDir, ""});
  if (!chosen) {
    MsgBox("Failed to open or read project file!!");
    return;
  }
  common::BldgRec bldg = b.Bldg;
  bldg.ProjFile = FilePart(*chosen);
  std::string error;
  b.CurFileName = bldg.ProjFile;
  const building::ReadStatus read = building::ReadProjectFile(*chosen, bldg, error);
  if (read == building::ReadStatus::Missing) {
    MsgBox(common::WithReason("Failed to open or read project file!!", "file not found: " + *chosen));
    return;
  }
  if (read == building::ReadStatus::Failed) {
    MsgBox(common::WithReason("Error encountered in reading project file!", error));
    return;
  }
  if (!AskToDropEdits() || !LeaveProject()) return;
  ownProjFile_ = read == building::ReadStatus::Ok ? *chosen : "";
  b.ProjDir = FolderPart(*chosen);
  txtProjFName.SetText(b.ProjDir + bldg.ProjFile);
  auto& sel = prog_.assess.sel;
  sel.SkipAllFdn = sel.SkipAllFlr = sel.SkipAllSer = 0;
  ModCal::ResetAllSelections(sel);
  b.Bldg = std::move(bldg);
  txtProjName.SetText(b.Bldg.ProjName);
  if (!b.DatabaseLoaded) mnuOpenData_Click();
  NewMsg = "   Project file loaded";
  ShowMessage();
  b.ProjSaved = true;
}

// New asks Close's question first; Cancel there ends New. The project
// folder is taken only once it has been created. New writes nothing to the
// message panel, so the opening text stays in view for a first project.
void frmMain::mnuFNew_Click() {
  auto& b = prog_.building;
  if (!CloseProject(false)) return;
  auto folder = GetPlatform().OpenFileDialog({"Select Parent Directory and Enter New Folder Name", "", b.DataDir, ""});
  std::string projDir;
  if (folder && !folder->empty()) {
    projDir = *folder;
    if (projDir.back() != '/' && projDir.back() != '\\') projDir += '/';
  }
  if (projDir.empty() || mkdir(common::ToNativeSeparators(projDir).c_str(), 0777) != 0) {
    MsgBox("Failed to create the Folder! A Folder of the same name may already exist.");
    return;
  }
  b.ProjDir = projDir;
  auto file =
      GetPlatform().OpenFileDialog({"Enter Project Filename", "LCA Project Files (*.PRJ)|*.PRJ", b.ProjDir, ""});
  if (!file) {
    MsgBox("Failed to create new project file!");
    return;
  }
  txtProjFName.SetText(*file);
  // A new project starts from an empty building record: nothing of the
  // project closed before it stays.
  b.Bldg = common::BldgRec{};
  b.Bldg.ProjFile = FilePart(*file);
  auto& sel = prog_.assess.sel;
  sel.SkipAllFdn = sel.SkipAllFlr = sel.SkipAllSer = 0;
  ModCal::ResetAllSelections(sel);
  ReadProjFile();
}

void frmMain::mnuFileSave_Click() {
  auto& b = prog_.building;
  NewMsg = "   Save main project data file";
  ShowMessage();
  if (txtProjName.Text().empty()) {
    MsgBox("Project name missing!");
    return;
  }
  std::string preset = txtProjFName.Text().empty() ? txtProjName.Text() + ".PRJ" : txtProjFName.Text();
  forms::FileDialogRequest request{"Save Project File As", kProjectFilter, "", preset, ownProjFile_};
  request.addedExtension = ".prj";
  auto chosen = GetPlatform().SaveFileDialog(request);
  if (!chosen) return;
  const std::string& file = *chosen;
  b.Bldg.ProjFile = file;
  txtProjFName.SetText(file);
  b.Bldg.ProjName = txtProjName.Text();
  if (!WriteProjFile()) return;
  NewMsg = "   Project data saved";
  ShowMessage();
}

void frmMain::mnuFileClose_Click() { CloseProject(); }

bool frmMain::CloseProject(bool report) {
  auto& b = prog_.building;
  if (report) {
    NewMsg = "   Close project";
    ShowMessage();
  }
  if (!AskToDropEdits() || !LeaveProject()) return false;
  txtProjName.SetText("");
  txtProjFName.SetText("");
  // Nothing of the closed building stays to be shown or saved under the
  // name of the project that follows.
  b.Bldg = common::BldgRec{};
  b.ProjDir.clear();
  ownProjFile_.clear();
  ModCal::ResetAllSelections(prog_.assess.sel);
  if (report) {
    NewMsg = "   Project closed";
    ShowMessage();
  }
  b.ProjSaved = true;
  return true;
}

bool frmMain::AskToDropEdits() {
  return prog_.building.ProjSaved ||
         MsgBox("Close project without saving?", forms::MsgButtons::OKCancel) != forms::MsgResult::Cancel;
}

bool frmMain::LeaveProject() {
  if (!windows_.CloseProjectWindows()) return false;
  ModCal::ClearProjectData(prog_);
  for (forms::Menu* entry : {&mnuRunLCA, &mnuRunOprEgy, &mnuRunLCC}) entry->SetChecked(false);
  return true;
}

bool frmMain::WriteProjFile() {
  auto& b = prog_.building;
  std::string path = common::ProjectSaveFile(b.Bldg.ProjFile, b.ProjDir);
  std::string error;
  if (!building::WriteProjectFile(path, b.Bldg, error)) {
    MsgBox(common::WithReason("Error encountered in writing project file!", error));
    return false;
  }
  ownProjFile_ = path;
  b.ProjSaved = true;
  return true;
}

bool frmMain::ReadProjFile() {
  auto& b = prog_.building;
  b.CurFileName = b.Bldg.ProjFile;
  std::string path = common::ResolveProjectFile(b.Bldg.ProjFile, b.ProjDir);
  std::string error;
  const building::ReadStatus read = building::ReadProjectFile(path, b.Bldg, error);
  if (read == building::ReadStatus::Failed) {
    MsgBox(common::WithReason("Error encountered in reading project file!", error));
    return false;
  }
  ownProjFile_ = read == building::ReadStatus::Ok ? path : "";
  return true;
}

}  // namespace app
