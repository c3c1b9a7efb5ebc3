#pragma once
// The construction window: builds, changes, deletes and saves the
// project's constructions (edit mode) or picks the construction of a
// fabric component (select mode). It works on the program-wide
// construction tables and the one-construction edit buffer.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"

namespace energy_input {

class frmSelCons : public forms::Form {
 public:
  // `frmMatLib`: the material picker, shown modally.
  frmSelCons(common::Program& prog, forms::Platform& platform, std::function<forms::Form&()> frmMatLib);

  forms::Label lblCons, lblNCons, lblConsNam, lblElmIC, lblDefine, lblNElmInC, lblElmNo, lblMat, lblMatThk;
  std::array<forms::Label, 3> lblProp;
  forms::Label lblAbsorpOut, lblAbsorpIn;
  forms::ListBox lstCons, lstElmIC;
  forms::TextBox txtNCons, txtConsNam, txtNElmInC, txtMatNo, txtMatNam, txtMatThk;
  std::array<forms::TextBox, 3> txtProp;  // density, conductivity, specific heat
  std::array<forms::TextBox, 2> txtAbs;   // outside, inside (or shading coefficient)
  forms::OptionButton OptWall, OptWindow;
  forms::ComboBox cboElmNo;
  forms::CommandButton cmdEntNo, cmdAddLay, cmdDelLay, cmdSelMat, cmdAdd, cmdChg, cmdDel, cmdClr, cmdOkay;
  forms::Menu mnuF, mnuFSaveAll, mnuExit;

  void lstCons_Click();
  void cboElmNo_Click();
  void cmdEntNo_Click();
  void cmdAddLay_Click();
  void cmdDelLay_Click();
  void cmdSelMat_Click();
  void cmdAdd_Click();
  void cmdChg_Click();
  void cmdDel_Click();
  void cmdClr_Click();
  void cmdOkay_Click();
  void mnuFSaveAll_Click();
  void mnuExit_Click();
  void OptWall_Click();
  void OptWindow_Click();
  void txtMatNo_Change();

  // Empties the edit buffer and sets the unsaved mark.
  void ClearConsBuffer();

  // The copy of the energy model that an open energy modelling input edits
  // (the model the user sees and saves); nullptr when none is open.
  std::function<const common::EnergyModel*()> OpenEnergyModel;
  // Runs once the constructions `deleted` (in the order they were deleted)
  // are saved and the energy model files and the program-wide energy model
  // renumbered, for a window that edits a copy of the model.
  std::function<void(const std::vector<int>& deleted)> OnConstructionsDeleted;

  int CurrentLayer() const { return curLay_; }
  int SelectedConstruction() const { return mSelCons; }
  bool UnsavedMark() const { return mUnsaved; }

 protected:
  void Form_Load() override;
  // A window left without saving leaves the tables as the file holds them.
  void Form_Unload(int& cancel) override;

 private:
  void Layout();
  void StoreLayData();
  void ShowLayData();
  // The material table's name of material `no` ("Air Gap" for 0 and below,
  // "" for a number the table does not hold).
  std::string MaterialName(int no) const;
  void EmptyLayerBoxes();
  void Describe(int k);
  // The buffer into construction c, layers 1..lastLayer.
  void StoreBufferAs(int c, int lastLayer);
  void ListedCountChanged();
  // Save Constructions; true when the file was written, and with it the
  // references to the constructions deleted since the last save.
  bool SaveConstructions();
  // Names the components that will lose construction `deleted`.
  void TellLostComponents(int deleted, const std::string& name);

  common::Program& prog_;
  common::EnergyInputState& egy_;
  std::function<forms::Form&()> frmMatLib_;

  bool editMode_ = false;
  int curLay_ = 0;   // the layer shown in the layer controls; 0 none
  int mSelCons = 0;  // the construction last loaded from the list in edit mode
  bool mUnsaved = false;
  // The constructions deleted since the tables were loaded or saved, in
  // order; their references follow when the constructions are saved.
  std::vector<int> deleted_;
  // The tables as loaded or last saved.
  common::ConstructionTables savedTables_;
};

}  // namespace energy_input
