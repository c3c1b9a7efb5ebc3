#pragma once
// The air-side system window: for one zone at a time, the air-side system
// type, the fresh-air type and the design values of the zone and of each
// of its rooms. Edits a working copy of the air-side record and gives it
// back whole on Save Data.
#include <array>

#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"

namespace energy_input {

class frmSIZn : public forms::Form {
 public:
  frmSIZn(common::Program& prog, forms::Platform& platform);

  forms::Label lblZnNam, Label1, Label2, Label4, Label5, Label6, Label7, Label8, Label9;
  forms::ComboBox cboASTyp, cboFATyp, cboZnRm;
  forms::TextBox txtRmNam;
  std::array<forms::Label, 6> Label3;
  std::array<forms::TextBox, 6> txtZnRmD;
  forms::CommandButton cmdPrZn, cmdNxZn, cmdPrRm, cmdNxRm, cmdSaQ;
  forms::Menu mnuF, mnuFSave, mnuFExit;

  void StoreZnRmData();
  void cboZnRm_Click();
  void cboASTyp_Click();
  void cboFATyp_Click();
  void cmdNxRm_Click();
  void cmdPrRm_Click();
  void cmdNxZn_Click();
  void cmdPrZn_Click();
  void mnuFSave_Click();
  void mnuFExit_Click();
  void cmdSaQ_Click();

  int CurrentZone() const { return mCurZn; }
  int CurrentRow() const { return curRow_; }
  bool Changed() const { return changed_; }
  const common::AirSideSystemData& WorkingCopy() const { return asSys_; }

 protected:
  void Form_Load() override;
  // Closing by the frame asks as Exit does.
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  void Layout();
  // Loads the window for the zone in SIZnCurZn (first showing and each
  // change of zone).
  void LoadZone();
  int RoomCount() const;
  // Takes what is shown, asks while anything is unsaved; false to stay open.
  bool MayClose();

  common::EnergyInputState& egy_;
  int mCurZn = 0;
  int curRow_ = -1;  // -1 none shown yet, 0 the zone, 1.. a room
  bool changed_ = false;
  common::AirSideSystemData asSys_;
};

}  // namespace energy_input
