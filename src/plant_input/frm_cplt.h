#pragma once
// The central plant window: the plant (heat rejection type, chilled-water
// pumping scheme, operating hours, design temperatures), its equipment
// lists and the other services' systems, up to 10 items a list. It edits
// working copies of the plant and services records, one kind of item at
// a time through the Edit menu, and gives them back to the program-wide
// records only on Save.
#include <optional>
#include <string>

#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/grid.h"
#include "forms/menu.h"
#include "plant_input/plant_items.h"

namespace plant_input {

class frmCPlt : public forms::Form {
 public:
  frmCPlt(common::Program& prog, forms::Platform& platform);

  forms::Label lblSysDes;
  forms::ComboBox cboACHRS, cboChWPS;
  forms::Label lblNoEq;
  forms::TextBox txtNoEq;
  forms::CommandButton cmdNoEq;
  forms::Label lblEqNo;
  forms::ComboBox cboEqNo;
  forms::CommandButton cmdAddEq, cmdDelEq, cmdSame;
  forms::Label lblSysNam;
  forms::TextBox txtSysNam;
  forms::Label lblTabHead;
  forms::Grid msgPlt;
  forms::ComboBox cboEqTyp;
  forms::TextBox txtData;
  forms::CommandButton cmdEntCell;
  forms::CommandButton cmdOK;

  forms::Menu mnuF, mnuFLoad, mnuFSave, mnuFExit;
  forms::Menu mnuE, mnuEHVAC, mnuEType, mnuEChillers, mnuEPLPs, mnuESLPs, mnuECWPs, mnuESWPs, mnuECTrs, mnuEFAUs;
  forms::Menu mnuEOthers, mnuEAHVAC, mnuEALgtS, mnuEFSerS, mnuELiftS, mnuEPaDS, mnuEGasS;
  forms::Menu mnuDirExit;

  // Handlers.
  void cboACHRS_Click();
  void cboChWPS_Click();
  void cboEqNo_Click();
  void cmdNoEq_Click();
  void cmdAddEq_Click();
  void cmdDelEq_Click();
  void cmdSame_Click();
  void cmdEntCell_Click();
  void cmdOK_Click();
  void msgPlt_Click();
  void txtNoEq_Change();
  void txtSysNam_Change();
  void mnuFLoad_Click();
  void mnuFSave_Click();
  void mnuFExit_Click();
  void mnuDirExit_Click() { mnuFExit_Click(); }
  void mnuEType_Click();
  void mnuEChillers_Click() { OpenListView(kChillers); }
  void mnuEPLPs_Click() { OpenListView(kPrimaryPumps); }
  void mnuESLPs_Click() { OpenListView(kSecondaryPumps); }
  void mnuECWPs_Click() { OpenListView(kCondenserPumps); }
  void mnuESWPs_Click() { OpenListView(kSeawaterPumps); }
  void mnuECTrs_Click() { OpenListView(kCoolingTowers); }
  void mnuEFAUs_Click() { OpenListView(kFreshAirUnits); }
  void mnuEAHVAC_Click() { OpenListView(kAddHVAC); }
  void mnuEALgtS_Click() { OpenListView(kAddLighting); }
  void mnuEFSerS_Click() { OpenListView(kFireServices); }
  void mnuELiftS_Click() { OpenListView(kLifts); }
  void mnuEPaDS_Click() { OpenListView(kPlumbing); }
  void mnuEGasS_Click() { OpenListView(kTownGas); }

  // The window's state, for the windows that look at it and for tests.
  int ItemType() const { return mItemType; }
  int ItemNo() const { return mItemNo; }
  bool DataChanged() const { return mDataChanged; }
  bool CellEditing() const { return mCellEditing; }
  const common::CentralPlantData& WorkingPlant() const { return mCPlt; }
  const common::NonACServicesData& WorkingServices() const { return mNAC; }

 protected:
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  void OpenListView(ItemCode code);
  void BeginView(int code);
  void StoreItemFromGrid();
  void ShowItemInGrid();
  void SetPlantMenus();
  bool StoreCount(const ItemKind& kind);
  void StorePlant();
  void GoIdle();
  // The two files of Load, each into its record and the window's copy.
  void LoadFiles();
  // Both files; true when both were written.
  bool Save();
  // Asks about unsaved edits before they are dropped (Exit, Load): false
  // keeps them.
  bool MayDropEdits();
  // Reads a value cell under the leading-number rule; nullopt (after a
  // message) when the number lies beyond the field's range.
  std::optional<common::Single> CellSingle(int row);
  std::optional<common::Integer> CellInteger(int row);

  common::Program& prog_;
  common::PlantState& plant_;

  int mItemType = 0;
  int mItemNo = 0;
  bool mDataChanged = false;
  bool mCellEditing = false;
  // The count box was emptied by the range message and not typed in since:
  // OK then keeps the items listed rather than reading the empty box as 0.
  bool countRefused_ = false;
  int mEditCol = 0, mEditRow = 0;
  int mCellLeft = 0, mCellTop = 0;
  common::CentralPlantData mCPlt;
  common::NonACServicesData mNAC;
  // The plant and services files read or written since the window loaded:
  // saving to them again asks nothing.
  std::string ownWss_, ownNac_;
};

}  // namespace plant_input
