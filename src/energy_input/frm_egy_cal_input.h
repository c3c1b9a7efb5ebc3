#pragma once
// The energy modelling input window: zones, rooms and fabric components of
// the energy model. They are edited in the window's own model, which becomes
// the program's EgyModel when the data are saved and before the air-side
// system or central plant window opens. The shading-mask names and the
// air-side record are edited in the program's records themselves (adding or
// deleting a zone, room or component moves them along with it). Loads and
// saves the energy calculation and air-side system input files, and opens
// the construction, shading mask, air-side system and central plant windows.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"

namespace energy_input {

class frmEgyCalInput : public forms::Form {
 public:
  // The windows this one opens, each created on first use by the caller.
  struct Windows {
    std::function<forms::Form&()> frmSelCons, frmShMask, frmSIZn, frmCPlt;
  };

  frmEgyCalInput(common::Program& prog, forms::Platform& platform, Windows windows);

  forms::Frame fraZn, fraRm, fraFab;
  // Zone characteristics.
  forms::Label lblNZn, lblZNo, lblZnNam, lblNIZn, lblNRmIZ;
  forms::TextBox txtNZn, txtZnNam, txtNIZn, txtNRmIZ;
  forms::ComboBox cboZNo;
  forms::CommandButton cmdEntNZn, cmdAZn, cmdDZn, cmdEntNRm, cmdEAC;
  // Room characteristics.
  forms::Label lblRmNo, lblRmNam, lblRmTyp, lblNIdRm, lblRmArea, lblRmHgt, lblNOcc, lblVent, lblTemp, lblRH, lblLgtW,
      lblEqpW, lblNFabComp;
  forms::ComboBox cboRmNo, cboRmTyp;
  forms::TextBox txtRmNam, txtNIdRm, txtRmArea, txtRmHgt, txtNOcc, txtVent, txtTemp, txtRH, txtLgtW, txtEqpW,
      txtNFabComp;
  forms::CommandButton cmdARm, cmdDRm, cmdEntRmChar;
  // Fabric component characteristics.
  forms::Label lblFabComp, lblCompL, lblCompA, lblCompTyp, lblCompC, lblOrient, lblShMask;
  forms::ComboBox cboFabComp, cboCompTyp, cboOrient;
  forms::TextBox txtCompL, txtCompA, txtShMask;
  std::array<forms::TextBox, 2> txtCompC;  // (0) construction number, (1) its name
  forms::CommandButton cmdAExWall, cmdDExWall, cmdSelCons, cmdSelShM, cmdEntComp;
  // Menus.
  forms::Menu mnuF, mnuFLoad, mnuFSave, mnuFReturn;
  forms::Menu mnuE, mnuEConstr, mnuEShMask, mnuESIZn, mnuECPlt;
  forms::Menu mnuDirRet;

  // Counts: each takes effect through its Enter button.
  void cmdEntNZn_Click();
  void cmdEntNRm_Click();
  void cmdEntRmChar_Click();
  void cmdEntComp_Click();
  // Selections store what is shown at that level and below first.
  void cboZNo_Click();
  void cboRmNo_Click();
  void cboFabComp_Click();
  void cboCompTyp_Click();
  // Add inserts an empty item after the selected one; Del removes the
  // selected item after a question. Later items are renumbered.
  void cmdAZn_Click();
  void cmdARm_Click();
  void cmdAExWall_Click();
  void cmdDZn_Click();
  void cmdDRm_Click();
  void cmdDExWall_Click();
  void cmdSelCons_Click();
  void cmdSelShM_Click();
  void cmdEAC_Click();
  void mnuFLoad_Click();
  void mnuFSave_Click();
  void mnuFReturn_Click();
  void mnuEConstr_Click();
  void mnuEShMask_Click();
  void mnuESIZn_Click();
  void mnuECPlt_Click();

  // The constructions `deleted` (in the order they were deleted) were
  // removed from the saved tables: the working model's components, and the
  // component shown, follow the new numbering, and a changed model is
  // marked unsaved. False when the window is not loaded.
  bool ConstructionsDeleted(const std::vector<int>& deleted);

  // The window's state, for its callers' tests.
  const common::EnergyModel& WorkingModel() const { return mEgyModel; }
  int CurZn() const { return mCurZn; }
  int CurRm() const { return mCurRm; }
  int CurFab() const { return mCurFab; }
  bool Unsaved() const { return mUnsaved; }

 protected:
  void Form_Load() override;
  // Closing by the frame asks as Return does.
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  // While the window itself fills its controls, their change events are
  // no edits of the user's.
  class Filling {
   public:
    explicit Filling(int& depth) : depth_(depth) { ++depth_; }
    ~Filling() { --depth_; }
    Filling(const Filling&) = delete;
    Filling& operator=(const Filling&) = delete;

   private:
    int& depth_;
  };
  Filling FillingControls() { return Filling(filling_); }
  // A change of a control by the user marks the data unsaved.
  void Edited();

  void Layout();
  void ClearEgyModel();
  void ClearRmControls();
  void ClearFabCompControls();
  // The zone's name, identical zones and room count boxes emptied.
  void EmptyZnFields();
  void EmptyRmFields();
  void EmptyFabCompFields();
  void StoreZnData();
  void StoreRmData();
  // False when the construction number typed was refused (and said so);
  // the component's other fields are stored all the same.
  bool StoreFabCompData();
  // The zone Enter step; false when the room count was refused.
  bool EnterZone();
  void ShowZnData();
  // The name of construction `number` of the tables; "" for none.
  std::string ConstructionName(int number) const;
  // Fills a list with "1" .. n, nothing selected.
  static void FillNumbers(forms::ComboBox& list, int n);
  // The count in a box; -1 when it is beyond any count.
  static int TypedCount(const forms::TextBox& box);
  // Both files; true when both were written.
  bool SaveBuildingData();
  void ShowLoadedModel();
  // Asks while the data are unsaved; false to keep the window open.
  bool MayClose();

  common::Program& prog_;
  common::EnergyInputState& egy_;
  Windows windows_;

  common::EnergyModel mEgyModel;
  int mCurZn = 0;
  int mCurRm = 0;
  int mCurFab = 0;
  bool mUnsaved = true;
  int filling_ = 0;  // depth of the window filling its own controls
  // The files read or written since the window loaded: saving to them
  // again asks nothing.
  std::string ownEci_, ownAss_;
};

}  // namespace energy_input
