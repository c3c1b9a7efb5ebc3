// The choice of the LCIA database, the library paths under the data
// directory, and the data-directory file read at start-up.
#include "app/main_window.h"
#include "assessment/lcia_database.h"
#include "building/element_library.h"
#include "common/data_dir_file.h"
#include "common/data_file.h"
#include "common/failure_text.h"
#include "common/file_names.h"
#include "common/paths.h"

namespace app {

namespace {
constexpr const char* kNoDatabase = "No material LCIA profile file loaded!!";

}  // namespace

std::string DataDirFilePath() { return common::DataDirFilePath(); }

// A load that fails reports it and changes nothing: the material table,
// DataDir and the library paths stay as they were.
void frmMain::mnuOpenData_Click() {
  auto& b = prog_.building;
  NewMsg = "   Load LCIA profile file";
  ShowMessage();

  std::string dataDir, dbFile;
  if (auto found = common::FindExisting("MATLCIA.IDB")) {
    dataDir = common::CurrentFolder();
    dbFile = dataDir + *found;  // the name as the folder spells it
  } else {
    auto chosen = GetPlatform().OpenFileDialog(
        {"Select LCIA Database", "LCIA database files (*.IDB)|*.IDB", common::CurrentFolder(), ""});
    if (!chosen) {
      MsgBox(kNoDatabase);
      return;
    }
    dbFile = *chosen;
    dataDir = dbFile;
    ModInpCtl::ExtractDirectory(dataDir);
  }
  std::string profFile = dbFile.size() >= 3 ? dbFile.substr(0, dbFile.size() - 3) + "ILF" : dbFile;
  std::string error;
  if (!ModCal::LoadLCIADatabase(prog_.assess.mat, profFile, dbFile, error)) {
    MsgBox(common::WithReason(kNoDatabase, error));
    return;
  }
  b.DataDir = dataDir;
  b.LCIADbFile = dbFile;
  b.LCIAProfFile = profFile;
  b.DatabaseLoaded = true;
  building::SetLibraryPaths(b);
  NewMsg = "   LCIA profile file loaded";
  ShowMessage();
  mnuOpenData.SetChecked(true);

  // Recording the folder for the next start may fail without undoing the load.
  common::DataWriter out;
  out.Str(b.DataDir).EndLine();
  std::string folder = common::SettingsFolder();
  error.clear();
  if (!common::MakeFolder(folder)) error = "cannot create the folder " + folder;
  if (!error.empty() || !common::WriteFileSafely(DataDirFilePath(), out.Text(), &error))
    MsgBox(common::WithReason("The data folder could not be recorded for the next start: " + DataDirFilePath(), error));
}

// At start: the data-directory file names the data folder; the database
// found there is loaded. A folder that no longer exists is skipped quietly.
void frmMain::StartupHook() {
  auto folder = common::ReadDataDirFile();
  if (!folder || !common::FolderExists(*folder) || !common::ChangeFolder(*folder)) return;
  mnuOpenData_Click();
}

}  // namespace app
