#pragma once
// The building and system input window: the construction floor area and
// the three ordered lists of foundation, floor and services groups of the
// open project, with the selection-for-assessment controls of each list.
// The groups themselves are composed in the group editor, which this
// window shows modally for Add and Edit.
#include <array>
#include <functional>

#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace building {

class frmBldgSysInput : public forms::Form {
 public:
  // `groupEditor` is shown modally by Add and Edit and exchanges the group
  // through CurGrp; `showMain` brings the main window to the front.
  frmBldgSysInput(common::Program& prog, forms::Platform& platform, forms::Form& groupEditor,
                  std::function<void()> showMain);

  forms::Label lblProjName, lblCFA;
  forms::TextBox txtProjName, txtCFA;
  forms::CommandButton cmdReturn;
  forms::Line Line1, Line2, Line3;

  forms::CommandButton cmdFdnUp, cmdFdnDn;
  forms::Label lblFoundationName, lblFdnNo;
  forms::ListBox lstFoundationName, lstFdnNo;
  forms::CommandButton cmdAddFoundation, cmdEditFoundation, cmdDeleteFoundation;
  forms::Label lblFdnAssess;
  forms::Frame Frame1;
  forms::OptionButton Option1, Option2, Option3;
  forms::CheckBox chkFdn;

  forms::CommandButton cmdFlrUp, cmdFlrDn;
  forms::Label lblFloorName, lblFlrNo;
  forms::ListBox lstFloorName, lstFlrNo;
  forms::CommandButton cmdAddFloor, cmdEditFloor, cmdDeleteFloor;
  forms::Label lblFlrAssess;
  forms::Frame Frame2;
  forms::OptionButton Option4, Option5, Option6;
  forms::CheckBox chkFlr;

  forms::CommandButton cmdSerUp, cmdSerDn;
  forms::Label lblServicesName, lblSerNo;
  forms::ListBox lstServicesName, lstSerNo;
  forms::CommandButton cmdAddServices, cmdEditServices, cmdDeleteServices;
  forms::Label lblSerAssess;
  forms::Frame Frame3;
  forms::OptionButton Option7, Option8, Option9;
  forms::CheckBox chkSer;

  // The three kinds of group, in the order of the bands.
  enum Kind { kFdn = 0, kFlr = 1, kSer = 2 };

  // Handlers: each control's event runs the operation of its kind.
  void cmdAddFoundation_Click() { Add(kFdn); }
  void cmdAddFloor_Click() { Add(kFlr); }
  void cmdAddServices_Click() { Add(kSer); }
  void cmdEditFoundation_Click() { Edit(kFdn); }
  void cmdEditFloor_Click() { Edit(kFlr); }
  void cmdEditServices_Click() { Edit(kSer); }
  void cmdDeleteFoundation_Click() { Delete(kFdn); }
  void cmdDeleteFloor_Click() { Delete(kFlr); }
  void cmdDeleteServices_Click() { Delete(kSer); }
  void cmdFdnUp_Click() { MoveUp(kFdn); }
  void cmdFlrUp_Click() { MoveUp(kFlr); }
  void cmdSerUp_Click() { MoveUp(kSer); }
  void cmdFdnDn_Click() { MoveDown(kFdn); }
  void cmdFlrDn_Click() { MoveDown(kFlr); }
  void cmdSerDn_Click() { MoveDown(kSer); }
  void lstFoundationName_Click() { NameSelected(kFdn); }
  void lstFloorName_Click() { NameSelected(kFlr); }
  void lstServicesName_Click() { NameSelected(kSer); }
  void lstFoundationName_DblClick() { Edit(kFdn); }
  void lstFloorName_DblClick() { Edit(kFlr); }
  void lstServicesName_DblClick() { Edit(kSer); }
  void lstFoundationName_KeyDown(int& keyCode, int shift) { NameKeyDown(kFdn, keyCode, shift); }
  void lstFloorName_KeyDown(int& keyCode, int shift) { NameKeyDown(kFlr, keyCode, shift); }
  void lstServicesName_KeyDown(int& keyCode, int shift) { NameKeyDown(kSer, keyCode, shift); }
  void lstFdnNo_Click() { NumberSelected(kFdn); }
  void lstFlrNo_Click() { NumberSelected(kFlr); }
  void lstSerNo_Click() { NumberSelected(kSer); }
  void chkFdn_Click() { SkipAllClicked(kFdn); }
  void chkFlr_Click() { SkipAllClicked(kFlr); }
  void chkSer_Click() { SkipAllClicked(kSer); }
  void Option1_Click() { OptionAll(kFdn); }
  void Option2_Click() { OptionSome(kFdn); }
  void Option3_Click() { OptionNone(kFdn); }
  void Option4_Click() { OptionAll(kFlr); }
  void Option5_Click() { OptionSome(kFlr); }
  void Option6_Click() { OptionNone(kFlr); }
  void Option7_Click() { OptionAll(kSer); }
  void Option8_Click() { OptionSome(kSer); }
  void Option9_Click() { OptionNone(kSer); }
  // Stores the floor area and the three counts, then goes back to the
  // main window.
  void cmdReturn_Click();

 protected:
  void Form_Load() override;
  // Closing by the frame stores like Return, so the counts always match
  // the rows already edited in Bldg.
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  // The controls and the codes of one kind.
  struct Band {
    common::Integer grpType;
    const char* word;  // GrpTypeName
    forms::ListBox& names;
    forms::ListBox& numbers;
    forms::CommandButton &add, &edit, &del, &up, &dn;
    forms::CheckBox& skip;
    forms::OptionButton &all, &some, &none;
  };

  void Add(Kind k);
  void Edit(Kind k);
  void Delete(Kind k);
  void MoveUp(Kind k);
  void MoveDown(Kind k);
  void NameSelected(Kind k);
  void NumberSelected(Kind k);
  void NameKeyDown(Kind k, int& keyCode, int shift);
  void SkipAllClicked(Kind k);
  void OptionAll(Kind k);
  void OptionSome(Kind k);
  void OptionNone(Kind k);

  // Shows the selected group's factor in the kind's options.
  void OptionDisplay(Kind k);
  // After Edit of row s: All becomes Some when a component of the group is
  // no longer wholly assessed, Some becomes All when every one is.
  void RederiveAfterEdit(Kind k, int s);
  void SetEditDelete(Kind k, bool enabled);
  void SwapRows(Kind k, int a, int b);
  // Clears the name list's selection and runs the selection steps, also
  // when the row had already gone with a removed row.
  void ClearSelection(Kind k);
  // Stores CFA and counts; false (after a message) when the floor area
  // cannot be stored.
  bool StoreBuilding();

  void Layout();
  void LayoutBand(Band& b, forms::Label& nameHead, forms::Label& numberHead, forms::Label& assessHead,
                  forms::Frame& frame, const char* nameCaption, int top);
  void WireHandlers();

  common::Program& prog_;
  forms::Form& groupEditor_;
  std::function<void()> showMain_;
  std::array<Band, 3> bands_;
};

}  // namespace building
