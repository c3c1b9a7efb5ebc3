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

// The menu command: the user chooses the database, in a dialog that starts
// in the data folder (the recorded one while none is loaded), so another
// database can always be chosen, also after a load that failed.
void frmMain::mnuOpenData_Click() {
  std::string start = prog_.building.DataDir;
  if (start.empty()) start = common::ReadDataDirFile().value_or("");
  LoadDatabase(start, false);
}

// Loads the database of `folder`: its MATLCIA.IDB without a dialog when
// `takeDefault` and the folder holds one, else the file the user chooses in
// a dialog that starts there. A load that fails reports it and changes
// nothing: the material table, DataDir and the library paths stay as they
// were. The current folder is never consulted.
void frmMain::LoadDatabase(const std::string& folder, bool takeDefault) {
  auto& b = prog_.building;
  NewMsg = "   Load LCIA profile file";
  ShowMessage();

  std::string dataDir, dbFile;
  std::optional<std::string> found;
  if (takeDefault) found = common::FindExisting(common::PathIn(folder, "MATLCIA.IDB"));
  if (found) {
    dataDir = folder;
    dbFile = *found;  // the name as the folder spells it
  } else {
    auto chosen =
        GetPlatform().OpenFileDialog({"Select LCIA Database", "LCIA database files (*.IDB)|*.IDB", folder, ""});
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
  const std::string settings = common::SettingsFolder();
  error.clear();
  if (!common::MakeFolder(settings)) error = "cannot create the folder " + settings;
  if (!error.empty() || !common::WriteFileSafely(DataDirFilePath(), out.Text(), &error))
    MsgBox(common::WithReason("The data folder could not be recorded for the next start: " + DataDirFilePath(), error));
}

// At start: the data-directory file names the data folder; the database
// found there is loaded without a dialog (one is asked for when the folder
// holds none). A folder that no longer exists is skipped quietly.
void frmMain::StartupHook() {
  auto folder = common::ReadDataDirFile();
  if (!folder || !common::FolderExists(*folder)) return;
  LoadDatabase(*folder, true);
}

}  // namespace app
