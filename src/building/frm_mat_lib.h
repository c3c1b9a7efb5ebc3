#pragma once
// The material picker: the materials of the loaded LCIA database in two
// sections (building, then services materials, the latter left out for
// floor component files), in fixed-width rows, with jumps to each section
// and a case-insensitive search. OK on a material row returns its number
// in SelItemNo and "name (unit)" in SelItemName; otherwise both stay as
// the caller set them.
#include <string>
#include <utility>
#include <vector>

#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace building {

class frmMatLib : public forms::Form {
 public:
  frmMatLib(common::Program& prog, forms::Platform& platform);

  // Set by a caller before showing the window and kept from one showing to
  // the next: the element type number as text ("0" for a generic
  // element's material row, empty otherwise) and the group kind word.
  std::string ElmTypeStr;
  std::string GrpKindStr;
  // Every caller sets both before each opening, since they are kept: a
  // generic element's material row ("0" and the group kind word), or no
  // context (both empty) for the other callers.
  void SetContext(std::string elmTypeStr, std::string grpKindStr) {
    ElmTypeStr = std::move(elmTypeStr);
    GrpKindStr = std::move(grpKindStr);
  }

  forms::Label lblNo;
  forms::ListBox lstMatData;
  forms::Label Label1;
  forms::TextBox txtSrch;
  forms::CommandButton cmdBM, cmdSM, cmdSrch, cmdNX, cmdIgnore, cmdClose;

  void cmdBM_Click();
  void cmdSM_Click();
  void cmdSrch_Click();
  void cmdNX_Click();
  void lstMatData_Click();
  void lstMatData_DblClick();
  void cmdIgnore_Click();
  void cmdClose_Click();

  // Whether list row `row` may be returned.
  bool Selectable(int row) const;

 protected:
  void Form_Load() override;

 private:
  void AddMaterialRow(int tableRow, bool selectable);
  int FindFrom(int from) const;
  void SelectMatch(int row);

  common::BuildingState& st_;
  const common::MaterialTable& mat_;
  std::vector<bool> selectable_;  // per list row
  int servicesHeader_ = 0;        // 0 when the services section is left out
  std::string srchText_;          // lower-cased text of the last Find
  int count_ = 0;                 // list rows at the last Find
  int curRow_ = 0;
};

// The fixed-width text of a material row: the number in 5 columns, the
// name in 40 and the unit in 10, each left-aligned and padded with blanks.
std::string MaterialRowText(int number, const std::string& name, const std::string& unit);

}  // namespace building
