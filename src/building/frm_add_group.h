#pragma once
// The component group editor: one foundation, floor or services group, its
// name, its number in the building, its file and its ordered components,
// with the share of each component's elements to be assessed. Shown
// modally by the building window, which exchanges the group through CurGrp.
#include <functional>
#include <string>

#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace building {

class frmAddGroup : public forms::Form {
 public:
  // `componentEditor` gives the component and element editor, shown
  // modally by Add and Edit and exchanging the component through CurComp.
  frmAddGroup(common::Program& prog, forms::Platform& platform, std::function<forms::Form&()> componentEditor);

  forms::Label lblGroupName, lblGroupNo, lblGrpFileName;
  forms::TextBox txtGroupName, txtGroupNo, txtGrpFileName;
  forms::Label lblGrpComp, lblGrpType, lblGrpCNo;
  forms::ListBox lstGrpComp, lstGrpType, lstGrpCNo;
  forms::CommandButton cmdAddGrpComp, cmdEditGrpComp, cmdDeleteGrpComp, cmdGrpCUp, cmdGrpCDn;
  forms::CommandButton cmdLoadGroup, cmdSaveGroup, cmdReturn;
  forms::Label Label1;
  forms::Frame Frame1;
  forms::OptionButton Option1, Option2, Option3;

  void lstGrpComp_Click();
  void lstGrpComp_DblClick() { cmdEditGrpComp_Click(); }
  void lstGrpComp_KeyDown(int& keyCode, int shift);
  void lstGrpCNo_Click() { SideListClicked(lstGrpCNo); }
  void lstGrpType_Click() { SideListClicked(lstGrpType); }
  void cmdAddGrpComp_Click();
  void cmdEditGrpComp_Click();
  void cmdDeleteGrpComp_Click();
  void cmdGrpCUp_Click();
  void cmdGrpCDn_Click();
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void cmdLoadGroup_Click();
  void cmdSaveGroup_Click();
  // Asks to save unsaved changes, then closes.
  void cmdReturn_Click();

  // Empties the boxes and lists; Edit, Delete and the options disabled.
  void ClearGrpForm();
  // Shows CurGrp in the boxes and (empty) lists.
  void ShowGrp();
  // Every component of the group back to all elements assessed.
  void ResetGrpSelection();

  // True when what is shown has been read from or written to the group
  // file and not changed since.
  bool Saved() const { return saved_; }

 protected:
  void Form_Load() override;
  // Closing by the frame asks the same question as Return, so unsaved
  // changes are never dropped unasked.
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  // Writes the group; true when the file was written.
  bool SaveGroup();
  // The Return question; false when the window is to stay open.
  bool MayClose();
  void SideListClicked(forms::ListBox& clicked);
  // Shows the selected component's factor in the options.
  void ShowFactor();
  // The component row r in the three lists, from CurGrp.
  void ShowRow(int r);
  void AddRow(int r);
  void SwapComponents(int a, int b);
  // The group's row in its building list when it indexes the selection
  // tables of the kind, else -1.
  int GroupRow() const;
  std::string TypeName(common::Integer type) const;
  void Layout();
  void WireHandlers();

  common::Program& prog_;
  std::function<forms::Form&()> componentEditor_;
  bool saved_ = false;
  // The file the group was opened or last saved under: saving over any
  // other file of the project folder asks first.
  std::string ownGrpFile_;
};

}  // namespace building
