// The energy modelling input's Add and Del of zones, rooms and fabric
// components, the choice of a construction and a shading mask, and the
// doors to the other energy input windows.
#include <string>

#include "common/file_names.h"
#include "energy_input/construction_references.h"
#include "energy_input/energy_model_items.h"
#include "energy_input/frm_egy_cal_input.h"
#include "forms/typed_input.h"

namespace energy_input {

using common::Integer;

// ---- add and delete ----

void frmEgyCalInput::cmdAZn_Click() {
  if (mCurZn < 1) return;
  const int n = cboZNo.ListCount();
  if (n >= common::kMaxZones) {
    MsgBox("No. of Zones already reached the Maximum No.!");
    return;
  }
  StoreZnData();
  StoreFabCompData();
  StoreRmData();
  ClearFabCompControls();
  ClearRmControls();
  EmptyZnFields();
  const int s = mCurZn;
  if (!InsertZone(mEgyModel, egy_.FabShMask, egy_.ASSys, s, n)) return;
  mEgyModel.NoOfZn = static_cast<Integer>(n + 1);
  mUnsaved = true;
  cboZNo.AddItem(std::to_string(n + 1));
  // Selecting the new zone stores the emptied boxes into it.
  mCurZn = s + 1;
  cboZNo.SetListIndex(s);
}

void frmEgyCalInput::cmdARm_Click() {
  if (mCurZn < 1 || mCurRm < 1) return;
  const int n = cboRmNo.ListCount();
  if (n >= common::kMaxRooms) {
    MsgBox("No. of Rooms per Zone already reached the Maximum No.!");
    return;
  }
  StoreFabCompData();
  ClearFabCompControls();
  StoreRmData();
  const int s = mCurRm;
  if (!InsertRoom(mEgyModel, egy_.FabShMask, egy_.ASSys, mCurZn, s, n)) return;
  mEgyModel.ZnNRm[static_cast<size_t>(mCurZn)] = static_cast<Integer>(n + 1);
  mUnsaved = true;
  txtNRmIZ.SetText(std::to_string(n + 1));
  EmptyRmFields();
  cboRmNo.AddItem(std::to_string(n + 1));
  mCurRm = s + 1;
  cboRmNo.SetListIndex(s);
}

void frmEgyCalInput::cmdAExWall_Click() {
  if (mCurZn < 1 || mCurRm < 1 || mCurFab < 1) return;
  const int n = cboFabComp.ListCount();
  if (n >= common::kMaxFabrics) {
    MsgBox("No. of Constructions already reached the Maximum No.!");
    return;
  }
  cmdEntComp_Click();
  const int s = mCurFab;
  if (!InsertComponent(mEgyModel, egy_.FabShMask, mCurZn, mCurRm, s, n)) return;
  mEgyModel.RmNFab[static_cast<size_t>(mCurZn)][static_cast<size_t>(mCurRm)] = static_cast<Integer>(n + 1);
  mUnsaved = true;
  txtNFabComp.SetText(std::to_string(n + 1));
  EmptyFabCompFields();
  cboFabComp.AddItem(std::to_string(n + 1));
  mCurFab = s + 1;
  cboFabComp.SetListIndex(s);
}

void frmEgyCalInput::cmdDZn_Click() {
  if (mCurZn < 1) return;
  if (MsgBox("Delete all data for the selected Zone?", forms::MsgButtons::OKCancel) != forms::MsgResult::OK) return;
  const int n = cboZNo.ListCount(), s = mCurZn;
  EmptyZnFields();
  ClearRmControls();
  ClearFabCompControls();
  RemoveZone(mEgyModel, egy_.FabShMask, egy_.ASSys, s, n);
  mEgyModel.NoOfZn = static_cast<Integer>(n - 1);
  mUnsaved = true;
  txtNZn.SetText(std::to_string(n - 1));
  mCurZn = 0;
  FillNumbers(cboZNo, n - 1);
}

void frmEgyCalInput::cmdDRm_Click() {
  if (mCurZn < 1 || mCurRm < 1) return;
  if (MsgBox("Delete all data for the selected Room?", forms::MsgButtons::OKCancel) != forms::MsgResult::OK) return;
  const int n = cboRmNo.ListCount(), s = mCurRm;
  ClearRmControls();
  ClearFabCompControls();
  RemoveRoom(mEgyModel, egy_.FabShMask, egy_.ASSys, mCurZn, s, n);
  mEgyModel.ZnNRm[static_cast<size_t>(mCurZn)] = static_cast<Integer>(n - 1);
  mUnsaved = true;
  txtNRmIZ.SetText(std::to_string(n - 1));
  FillNumbers(cboRmNo, n - 1);
}

void frmEgyCalInput::cmdDExWall_Click() {
  if (mCurZn < 1 || mCurRm < 1 || mCurFab < 1) return;
  if (MsgBox("Delete selected Fabric Component?", forms::MsgButtons::OKCancel) != forms::MsgResult::OK) return;
  const int n = cboFabComp.ListCount(), s = mCurFab;
  ClearFabCompControls();
  RemoveComponent(mEgyModel, egy_.FabShMask, mCurZn, mCurRm, s, n);
  mEgyModel.RmNFab[static_cast<size_t>(mCurZn)][static_cast<size_t>(mCurRm)] = static_cast<Integer>(n - 1);
  mUnsaved = true;
  txtNFabComp.SetText(std::to_string(n - 1));
  FillNumbers(cboFabComp, n - 1);
}

// ---- construction and shading mask of the component ----

void frmEgyCalInput::cmdSelCons_Click() {
  auto& bldg = prog_.building;
  bldg.SelItemNo = forms::TypedInteger(txtCompC[0].Text()).value_or(0);
  egy_.ConsFormMode = 0;
  if (windows_.frmSelCons) windows_.frmSelCons().Show(true);
  if (bldg.SelItemNo >= 1) {
    txtCompC[0].SetText(std::to_string(bldg.SelItemNo));
    txtCompC[1].SetText(bldg.SelItemName);
  }
}

void frmEgyCalInput::cmdSelShM_Click() {
  forms::FileDialogRequest request;
  request.title = "Select Shading Mask for a Window";
  request.filter = "Shading Mask File (*.SHM)|*.SHM";
  auto chosen = GetPlatform().OpenFileDialog(request);
  if (!chosen || chosen->empty()) return;
  std::string name = *chosen;
  ModInpCtl::ExtractFileName(name);
  txtShMask.SetText(name);
}

// ---- the other windows ----

bool frmEgyCalInput::ConstructionsDeleted(const std::vector<int>& deleted) {
  if (!IsLoaded()) return false;
  const common::EnergyModel before = mEgyModel;
  RenumberAfterDeletes(mEgyModel, deleted);
  if (mEgyModel != before) mUnsaved = true;
  // The component shown follows too: its number as typed, and the name.
  if (auto shown = forms::TypedInteger(txtCompC[0].Text()); shown && *shown >= 1 && mCurFab >= 1) {
    const int number = NumberAfterDeletes(*shown, deleted);
    txtCompC[0].SetText(std::to_string(number));
    txtCompC[1].SetText(ConstructionName(number));
  }
  return true;
}

void frmEgyCalInput::cmdEAC_Click() { mnuESIZn_Click(); }

void frmEgyCalInput::mnuESIZn_Click() {
  if (mCurZn <= 0) return;
  egy_.SIZnCurZn = static_cast<Integer>(mCurZn);
  egy_.EgyModel = mEgyModel;
  // The air-side design is saved with the building data: a change made
  // there is an edit of this window's data.
  const common::AirSideSystemData before = egy_.ASSys;
  if (windows_.frmSIZn) windows_.frmSIZn().Show(true);
  if (egy_.ASSys != before) mUnsaved = true;
}

void frmEgyCalInput::mnuEConstr_Click() {
  egy_.ConsFormMode = 1;
  egy_.CurNLay = 0;
  if (windows_.frmSelCons) windows_.frmSelCons().Show(true);
}

void frmEgyCalInput::mnuEShMask_Click() {
  if (windows_.frmShMask) windows_.frmShMask().Show();
}

void frmEgyCalInput::mnuECPlt_Click() {
  egy_.EgyModel = mEgyModel;
  if (windows_.frmCPlt) windows_.frmCPlt().Show(true);
}

}  // namespace energy_input
