#pragma once
// The element-type picker: the element types of the library that serves
// the current group type and component type, with a case-insensitive
// search. The caller sets SelItemNo (and GrpType, CompTypeIdx) and shows
// the window modally; OK returns the chosen type's number and name in
// SelItemNo and SelItemName, or -1 (name unchanged) with no row chosen.
// Closing the window otherwise leaves both as they were.
#include <string>

#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace building {

class frmElmSelect : public forms::Form {
 public:
  frmElmSelect(common::Program& prog, forms::Platform& platform);

  forms::TextBox txtElmTypHead;
  forms::ListBox lstElmTypNam;
  forms::Label Label1;
  forms::TextBox txtSrch;
  forms::CommandButton cmdSrch, cmdNX, cmdIgnore, cmdOK;

  void cmdSrch_Click();
  void cmdNX_Click();
  void lstElmTypNam_Click();
  void lstElmTypNam_DblClick();
  void cmdIgnore_Click();
  void cmdOK_Click();

 protected:
  void Form_Load() override;

 private:
  // The first listed row from `from` on whose name holds the search text.
  int FindFrom(int from) const;
  void SelectMatch(int row);

  common::BuildingState& st_;
  std::string srchText_;  // lower-cased text of the last Find
  int curRow_ = 0;        // row of the last match or click; -1 after Ignore
};

}  // namespace building
