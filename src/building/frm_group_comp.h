#pragma once
// The component and element editor: one component of a building group
// (name, type, number in the group) and its ordered list of up to 20
// elements, each with its type, name and values edited in a grid; the
// element's default material values in a panel of their own; and the
// component turned into a construction of the energy model.
//
// The group editor fills CurComp, GrpType, GrpTypeName, CompTypeName,
// CurGrp.GrpName, SelGrpIdx and SelCompIdx, shows this window modally and
// reads CurComp back when it closes.
//
// The handlers live in four files: this window's element list and
// component commands (frm_group_comp.cpp), the element data grid
// (frm_group_comp_grid.cpp), the default-values panel
// (frm_group_comp_values.cpp) and "Save As Construction"
// (frm_group_comp_construction.cpp); the layout in frm_group_comp_layout.cpp.
#include <functional>
#include <string>

#include "building/component_commands.h"
#include "building/element_assess_lines.h"
#include "building/frm_elm_select.h"
#include "building/frm_inp_mat_data.h"
#include "building/frm_mat_lib.h"
#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/grid.h"
#include "forms/menu.h"

namespace building {

// The windows this one opens modally, each created on first use by the
// caller.
struct GroupCompLinks {
  std::function<frmElmSelect&()> elmSelect;
  std::function<frmMatLib&()> matLib;
  std::function<frmInpMatData&()> inpMatData;
  std::function<forms::Form&()> selCons;  // the constructions window
};

// The grid's data rows are 1..kElmGridRows; row 0 is the header.
constexpr int kElmGridRows = 16;

// Where a navigation key moves the grid's current cell from (row, col):
// Down, Up, Right, Left wrap at lastDataRow; key 0 (the tab step) moves
// like Right without wrapping; any other key stays. The result may lie
// outside the grid, which the caller treats as a failed move.
struct GridCell {
  int row = 1;
  int col = 2;
  bool operator==(const GridCell&) const = default;
};
GridCell NextGridCell(int keyCode, GridCell from, int lastDataRow);

class frmGroupComp : public forms::Form {
 public:
  frmGroupComp(common::Program& prog, forms::Platform& platform, GroupCompLinks links);

  // ---- the component and its element list ----
  forms::Label lblGrpName, lblCompName, lblCompNo, lblCompType, lblCompElm, Label3;
  forms::TextBox txtGrpName, txtCompName, txtCompNo;
  forms::ComboBox cboCompType;
  forms::ListBox lstElm;
  forms::CommandButton cmdAddElm, cmdEditElm, cmdDeleteElm, cmdElmUp, cmdElmDn;
  forms::Frame Frame1;
  forms::OptionButton Option1, Option2;

  // ---- the element panel and its grid ----
  forms::Label lblElmName, Label2, lblElmType;
  forms::TextBox txtElmName;
  forms::CommandButton cmdElmType, cmdLoadElm, cmdSaveElm, cmdChgElmD;
  forms::Grid msgElm;
  forms::TextBox txtmsgCell;
  forms::Label lblEditmsgCell;
  forms::CommandButton cmdEnter, cmdClrTxt;

  // ---- the default-values panel ----
  forms::Frame fraChgElmD;
  forms::Label Label6, Label8, Label7, Label9, lblMatD, lblMatU, Label1, Label5, Label10, lblUnitD, lblUnitU;
  forms::ComboBox cboMNoInElm;
  forms::TextBox txtLifeD, txtLifeU, txtWasD, txtWasU, txtUCostD, txtUCostU;
  forms::CommandButton cmdSelMat, cmdUseDV, cmdUseUIV, cmdXFraChgElmD;

  forms::Menu mnuF, mnuFLComp, mnuFSComp, mnuFSCons, mnuFReturn;
  forms::Menu mnuDirRet;

  // ---- window state ----
  std::string MsgText;     // the last message shown
  bool IsNewElm = false;   // a new element is being added
  bool CompSaved = false;  // the component file holds the component as shown
  bool ElmSaveFailed = false;
  std::string FileFilter, DefExt;
  // The component file as opened or last saved here (empty for a new
  // component): saving over it needs no question.
  std::string OwnCompFile;
  // The grid: the remembered cell (CurCellCol -1 = none), the wrap row of
  // the keyboard navigation, whether the current cell is the last Remark.
  int CurCellCol = -1, CurCellRow = 0;
  int LastDataRow = 0;
  bool AtLastCell = false;
  bool KeyNavBusy = false;
  // The default-values panel.
  std::string ElmDefFile, ElmUserValFile;
  int ElmMatCount = 0;
  int CurMatIdx = 0;

  // ---- the element list and the component (frm_group_comp.cpp) ----
  void cmdAddElm_Click();
  void cmdEditElm_Click();
  void lstElm_Click();
  void lstElm_DblClick() { cmdEditElm_Click(); }
  void cmdDeleteElm_Click();
  void cmdElmUp_Click();
  void cmdElmDn_Click();
  void cmdElmType_Click();
  void cmdLoadElm_Click();
  void cmdSaveElm_Click();
  void Option1_Click();
  void Option2_Click();
  void cboCompType_Click();
  void mnuFLComp_Click();
  void mnuFSComp_Click();
  void mnuFReturn_Click();

  // Whether the element panel differs from the element as it was last
  // read, added or cleared: an edit that only a save keeps.
  bool ElementEdited() const;

  // Writes the component (the Save Component menu and the Yes of Return);
  // CompSaved becomes True only after a complete write.
  void SaveCompFile();
  // Reads CurComp.CompFile into CurComp and the window.
  void ReadCompFile();
  // Reads CurElm.ElmFile into CurElm and the element panel; true when read.
  bool ReadElmFile();

  // ---- the element data grid (frm_group_comp_grid.cpp) ----
  void SetGridHeader();
  void FillElmGrid();
  void StoreGridToElm();
  // The first row whose value is empty while a later row holds one (its
  // value would be lost at a save: the value list ends at an empty value);
  // 0 when there is none.
  int ValueGapRow() const;
  void msgElm_Click();
  void msgElm_DblClick();
  void msgElm_EnterCell();
  void msgElm_Scroll();
  void txtmsgCell_Change();
  void txtmsgCell_KeyPress(int& keyAscii);
  void cmdEnter_Click();
  void cmdClrTxt_Click();
  void txtGrpName_GotFocus();

  // ---- the default-values panel (frm_group_comp_values.cpp) ----
  void cmdChgElmD_Click();
  void cboMNoInElm_Click();
  void cmdSelMat_Click();
  void cmdUseDV_Click();
  void cmdUseUIV_Click();
  void cmdXFraChgElmD_Click();

  // ---- "Save As Construction" (frm_group_comp_construction.cpp) ----
  void mnuFSCons_Click();

 protected:
  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  void Layout();
  void LayoutValuesPanel();
  forms::MsgResult Say(const std::string& text, forms::MsgButtons buttons = forms::MsgButtons::OK);

  // Element list helpers.
  void SetCompFileKind();
  void SetElmFileKind();
  bool SaveElmFile(std::string* error = nullptr);
  // Save Element's checks and write; false while the element stays in the
  // editor (a check refused it, or the user goes on editing after a failed
  // write).
  bool SaveElement();
  // The element as the panel shows it (name, type, grid values and remarks).
  common::ElmRec PanelElement() const;
  void KeepPanelAsShown() { elmAsShown_ = PanelElement(); }
  // Asks the Return question when the component or the element holds
  // unsaved edits; false keeps the window open.
  bool MayClose();
  void ShowComponent(const ComponentBoxes& boxes);
  void ClearElementPanel();
  void EnableListCommands(bool on);
  void EnableElementCommands(bool load, bool save, bool type, bool values);
  void SwapElements(int a, int b);
  // The element assess flags of this component in its group, or nullptr
  // when the component or group is new or an index is out of range.
  ElementFlags* AssessTable();
  void StoreAssessChoice(bool assessed);

  // Grid helpers.
  void LockGridEditBox(bool locked);
  void NavigateGrid(int keyCode);
  void EnterRememberedCell();

  // Values panel helpers.
  bool LoadGenericDefaults();
  bool LoadLibraryDefaults();
  void StoreUserBoxes();
  void WriteUserValues(bool inForce, const std::string& reminder);
  void CloseValuesPanel();

  common::Program& prog_;
  common::BuildingState& st_;
  GroupCompLinks links_;
  ElementAssessLines assessLines_;  // the flags follow their elements
  common::ElmRec elmAsShown_;       // the panel before the user's edits
};

}  // namespace building
