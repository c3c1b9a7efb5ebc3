// The energy modelling input's File menu: Load and Save Building Data, and
// Return, which asks while the data are unsaved.
#include <optional>
#include <string>

#include "common/failure_text.h"
#include "common/number_text.h"
#include "common/project_paths.h"
#include "energy_input/energy_model_files.h"
#include "energy_input/frm_egy_cal_input.h"

namespace energy_input {

namespace {

constexpr const char* kEciFilter = "Energy Calculation Input File (*.ECI)|*.ECI";
constexpr const char* kAssTitle = "Air Side Air-conditioning System Input File";
constexpr const char* kAssFilter = "Air Side AC System Input File (*.ASS)|*.ASS";
constexpr const char* kEciReadError = "Error reading energy calcuation input data file!!";
constexpr const char* kAssReadError = "Error reading air-side AC system input data file!!";
constexpr const char* kEciWriteError = "Error writing energy input data!!";
constexpr const char* kAssWriteError = "Error writing air-side AC system input data!!";

enum class Dialog { Open, Save };

// The file the user chooses in the dialog, starting from `current`; nothing,
// once `refusal` has been said, when the dialog is cancelled or names none.
// A save replaces `own` (the file the window read or wrote) unasked.
std::optional<std::string> ChooseFile(forms::Form& form, Dialog dialog, const char* title, const char* filter,
                                      const std::string& current, const char* refusal, const std::string& own = "") {
  const forms::FileDialogRequest request{title, filter, "", current, own};
  forms::Platform& platform = form.GetPlatform();
  auto chosen = dialog == Dialog::Open ? platform.OpenFileDialog(request) : platform.SaveFileDialog(request);
  if (chosen && !chosen->empty()) return chosen;
  form.MsgBox(refusal);
  return std::nullopt;
}

}  // namespace

// ---- files ----

void frmEgyCalInput::ShowLoadedModel() {
  auto filling = FillingControls();  // loading leaves the unsaved mark as it was
  txtNZn.SetText(common::DisplayTextInt(mEgyModel.NoOfZn));
  cmdEntNZn_Click();
  if (mEgyModel.NoOfZn < 1 || mEgyModel.ZnNRm[1] < 1 || cboRmNo.ListCount() < 1) return;
  cboRmNo.SetListIndex(0);
  if (mEgyModel.RmNFab[1][1] >= 1 && cboFabComp.ListCount() >= 1) cboFabComp.SetListIndex(0);
}

void frmEgyCalInput::mnuFLoad_Click() {
  const std::string& projDir = prog_.building.ProjDir;
  auto chosen =
      ChooseFile(*this, Dialog::Open, "Open Energy Calculation Input File", kEciFilter, egy_.EciFile, kEciReadError);
  if (!chosen) return;
  // The whole file is read before anything is cleared: a file that cannot
  // be read leaves the window, the model, the shading masks and the file's
  // name as they were, so no later command opens the unreadable file.
  common::EnergyModel model = egy_.EgyModel;
  common::PerFabric<std::string> masks{};
  std::string why;
  const std::string eci = common::ResolveProjectFile(*chosen, projDir);
  if (!ReadEnergyModelFile(eci, model, masks, why)) {
    MsgBox(common::WithReason(kEciReadError, why));
    return;
  }
  egy_.EciFile = *chosen;
  ownEci_ = eci;
  ClearEgyModel();
  egy_.EgyModel = std::move(model);
  egy_.FabShMask = std::move(masks);
  mEgyModel = egy_.EgyModel;
  ShowLoadedModel();

  chosen = ChooseFile(*this, Dialog::Open, kAssTitle, kAssFilter, egy_.AssFile, kAssReadError);
  if (!chosen) return;
  const std::string ass = common::ResolveProjectFile(*chosen, projDir);
  if (!ReadAirSideFile(ass, egy_.EgyModel, egy_.ASSys, why)) {
    MsgBox(common::WithReason(kAssReadError, why));
    return;
  }
  egy_.AssFile = *chosen;
  ownAss_ = ass;
}

bool frmEgyCalInput::SaveBuildingData() {
  // What is shown is taken first, as the zone Enter step takes it; a
  // construction number or a room count that is refused stops the save with
  // the shown values still there to be mended.
  if (!StoreFabCompData() || !EnterZone()) return false;
  const std::string& projDir = prog_.building.ProjDir;
  const std::string& projName = prog_.building.Bldg.ProjName;
  auto chosen = ChooseFile(*this, Dialog::Save, "Save Energy Calculation Input File", kEciFilter, egy_.EciFile,
                           kEciWriteError, ownEci_);
  if (!chosen) return false;
  const std::string eci = common::ResolveProjectFile(*chosen, projDir);
  egy_.EciFile = *chosen;
  egy_.EgyModel = mEgyModel;
  std::string why;
  if (!WriteEnergyModelFile(eci, projName, egy_.EgyModel, egy_.FabShMask, why)) {
    MsgBox(common::WithReason(kEciWriteError, why));
    return false;
  }
  ownEci_ = eci;

  chosen = ChooseFile(*this, Dialog::Save, kAssTitle, kAssFilter, egy_.AssFile, kAssWriteError, ownAss_);
  if (!chosen) return false;
  const std::string ass = common::ResolveProjectFile(*chosen, projDir);
  egy_.AssFile = *chosen;
  if (!WriteAirSideFile(ass, projName, egy_.EgyModel, egy_.ASSys, why)) {
    MsgBox(common::WithReason(kAssWriteError, why));
    return false;
  }
  ownAss_ = ass;
  mUnsaved = false;
  return true;
}

void frmEgyCalInput::mnuFSave_Click() { SaveBuildingData(); }

bool frmEgyCalInput::MayClose() {
  return !mUnsaved || SaveBeforeClosing("Save data before closing this form?", [this] { return SaveBuildingData(); });
}

void frmEgyCalInput::mnuFReturn_Click() {
  if (MayClose()) Unload();
}

void frmEgyCalInput::Form_QueryUnload(int& cancel, int unloadMode) {
  if (unloadMode == 0 && !MayClose()) cancel = 1;
}

}  // namespace energy_input
