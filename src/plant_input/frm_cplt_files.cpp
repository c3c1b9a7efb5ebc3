// Load Plant Data and Save Plant Data of the central plant window: the
// central plant input file first, then the non-AC services input file.
#include "plant_input/frm_cplt.h"
#include "plant_input/plant_files.h"

namespace plant_input {
namespace {

constexpr const char* kPlantFilter = "Central Plant Input Data File (*.WSS)|*.WSS";
constexpr const char* kServicesFilter = "Non-AC Services Input Data File (*.NAC)|*.NAC";

}  // namespace

// Edits confirmed with OK and not yet saved are asked about first, as
// Exit does; Cancel, or a save that did not complete, ends the load.
// Each file is read whole before the record takes it. A cancelled dialog
// or a plant file that cannot be read (which says why) changes no data,
// neither the records nor the window's unsaved edits. Once the plant file
// is read the window shows it; the services follow only when their file
// is read too. Either way the equipment menus follow the window's plant.
void frmCPlt::mnuFLoad_Click() {
  if (mCellEditing || !MayDropEdits()) return;
  LoadFiles();
  SetPlantMenus();
}

void frmCPlt::LoadFiles() {
  auto& platform = GetPlatform();
  std::string error;
  auto path = platform.OpenFileDialog({"Read Central Plant Input Data", kPlantFilter, "", plant_.WssFile});
  if (!path) return;
  plant_.WssFile = *path;
  if (!ReadCentralPlantFile(*path, plant_.CPlt, error)) {
    MsgBox("The central plant input file could not be read: " + error + ". The plant data are unchanged.");
    return;
  }
  ownWss_ = *path;
  mCPlt = plant_.CPlt;
  auto nac = platform.OpenFileDialog({"Read Input Data For Non-AC Services", kServicesFilter, "", plant_.NacFile});
  if (!nac) return;
  plant_.NacFile = *nac;
  if (!ReadServicesFile(*nac, plant_.NAC, error)) {
    MsgBox("The non-AC services input file could not be read: " + error + ". The services data are unchanged.");
    return;
  }
  ownNac_ = *nac;
  mNAC = plant_.NAC;
}

void frmCPlt::mnuFSave_Click() {
  if (mCellEditing) return;
  Save();
}

// The program-wide records take the window's data first, even when the
// user then cancels. A cancelled dialog ends the save quietly and a file
// that cannot be written says why; either way the edits stay marked
// unsaved, since the files do not hold them.
bool frmCPlt::Save() {
  plant_.CPlt = mCPlt;
  plant_.NAC = mNAC;
  auto& platform = GetPlatform();
  const std::string& projName = prog_.building.Bldg.ProjName;
  std::string error;
  auto path = platform.SaveFileDialog({"Save Central Plant Input Data", kPlantFilter, "", plant_.WssFile, ownWss_});
  if (!path) return false;
  plant_.WssFile = *path;
  if (!WriteCentralPlantFile(*path, projName, plant_.CPlt, error)) {
    MsgBox("The central plant input file could not be saved: " + error + ".");
    return false;
  }
  ownWss_ = *path;
  auto nac =
      platform.SaveFileDialog({"Save Input Data For Non-AC Services", kServicesFilter, "", plant_.NacFile, ownNac_});
  if (!nac) return false;
  plant_.NacFile = *nac;
  if (!WriteServicesFile(*nac, projName, plant_.NAC, error)) {
    MsgBox("The non-AC services input file could not be saved: " + error + ".");
    return false;
  }
  ownNac_ = *nac;
  mDataChanged = false;
  return true;
}

}  // namespace plant_input
