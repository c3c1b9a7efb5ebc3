// The component and element editor: its controls, their places (twips)
// and captions, and the wiring of the handlers.
#include "building/frm_group_comp.h"
#include "forms/typed_input.h"

namespace building {

frmGroupComp::frmGroupComp(common::Program& prog, forms::Platform& platform, GroupCompLinks links)
    : Form(platform, "frmGroupComp"),
      lblGrpName(*this, "lblGrpName"),
      lblCompName(*this, "lblCompName"),
      lblCompNo(*this, "lblCompNo"),
      lblCompType(*this, "lblCompType"),
      lblCompElm(*this, "lblCompElm"),
      Label3(*this, "Label3"),
      txtGrpName(*this, "txtGrpName"),
      txtCompName(*this, "txtCompName"),
      txtCompNo(*this, "txtCompNo"),
      cboCompType(*this, "cboCompType"),
      lstElm(*this, "lstElm"),
      cmdAddElm(*this, "cmdAddElm"),
      cmdEditElm(*this, "cmdEditElm"),
      cmdDeleteElm(*this, "cmdDeleteElm"),
      cmdElmUp(*this, "cmdElmUp"),
      cmdElmDn(*this, "cmdElmDn"),
      Frame1(*this, "Frame1"),
      Option1(Frame1, "Option1"),
      Option2(Frame1, "Option2"),
      lblElmName(*this, "lblElmName"),
      Label2(*this, "Label2"),
      lblElmType(*this, "lblElmType"),
      txtElmName(*this, "txtElmName"),
      cmdElmType(*this, "cmdElmType"),
      cmdLoadElm(*this, "cmdLoadElm"),
      cmdSaveElm(*this, "cmdSaveElm"),
      cmdChgElmD(*this, "cmdChgElmD"),
      msgElm(*this, "msgElm"),
      txtmsgCell(*this, "txtmsgCell"),
      lblEditmsgCell(*this, "lblEditmsgCell"),
      cmdEnter(*this, "cmdEnter"),
      cmdClrTxt(*this, "cmdClrTxt"),
      fraChgElmD(*this, "fraChgElmD"),
      Label6(fraChgElmD, "Label6"),
      Label8(fraChgElmD, "Label8"),
      Label7(fraChgElmD, "Label7"),
      Label9(fraChgElmD, "Label9"),
      lblMatD(fraChgElmD, "lblMatD"),
      lblMatU(fraChgElmD, "lblMatU"),
      Label1(fraChgElmD, "Label1"),
      Label5(fraChgElmD, "Label5"),
      Label10(fraChgElmD, "Label10"),
      lblUnitD(fraChgElmD, "lblUnitD"),
      lblUnitU(fraChgElmD, "lblUnitU"),
      cboMNoInElm(fraChgElmD, "cboMNoInElm"),
      txtLifeD(fraChgElmD, "txtLifeD"),
      txtLifeU(fraChgElmD, "txtLifeU"),
      txtWasD(fraChgElmD, "txtWasD"),
      txtWasU(fraChgElmD, "txtWasU"),
      txtUCostD(fraChgElmD, "txtUCostD"),
      txtUCostU(fraChgElmD, "txtUCostU"),
      cmdSelMat(fraChgElmD, "cmdSelMat"),
      cmdUseDV(fraChgElmD, "cmdUseDV"),
      cmdUseUIV(fraChgElmD, "cmdUseUIV"),
      cmdXFraChgElmD(fraChgElmD, "cmdXFraChgElmD"),
      mnuF(*this, nullptr, "mnuF", "File"),
      mnuFLComp(*this, &mnuF, "mnuFLComp", "Load Component"),
      mnuFSComp(*this, &mnuF, "mnuFSComp", "Save Component"),
      mnuFSCons(*this, &mnuF, "mnuFSCons", "Save As Construction"),
      mnuFReturn(*this, &mnuF, "mnuFReturn", "Return"),
      mnuDirRet(*this, nullptr, "mnuDirRet", "Return"),
      prog_(prog),
      st_(prog.building),
      links_(std::move(links)) {
  Layout();
  LayoutValuesPanel();

  cmdAddElm.OnClick = [this] { cmdAddElm_Click(); };
  cmdEditElm.OnClick = [this] { cmdEditElm_Click(); };
  lstElm.OnClick = [this] { lstElm_Click(); };
  lstElm.OnDblClick = [this] { lstElm_DblClick(); };
  cmdDeleteElm.OnClick = [this] { cmdDeleteElm_Click(); };
  cmdElmUp.OnClick = [this] { cmdElmUp_Click(); };
  cmdElmDn.OnClick = [this] { cmdElmDn_Click(); };
  cmdElmType.OnClick = [this] { cmdElmType_Click(); };
  // A double-click on the type label chooses the type whatever the button's state.
  lblElmType.OnDblClick = [this] { cmdElmType_Click(); };
  cmdLoadElm.OnClick = [this] { cmdLoadElm_Click(); };
  cmdSaveElm.OnClick = [this] { cmdSaveElm_Click(); };
  Option1.OnClick = [this] { Option1_Click(); };
  Option2.OnClick = [this] { Option2_Click(); };
  cboCompType.OnClick = [this] { cboCompType_Click(); };
  mnuFLComp.OnClick = [this] { mnuFLComp_Click(); };
  mnuFSComp.OnClick = [this] { mnuFSComp_Click(); };
  mnuFSCons.OnClick = [this] { mnuFSCons_Click(); };
  mnuFReturn.OnClick = [this] { mnuFReturn_Click(); };
  mnuDirRet.OnClick = [this] { mnuFReturn_Click(); };

  msgElm.OnClick = [this] { msgElm_Click(); };
  msgElm.OnDblClick = [this] { msgElm_DblClick(); };
  msgElm.OnEnterCell = [this] { msgElm_EnterCell(); };
  msgElm.OnScroll = [this] { msgElm_Scroll(); };
  // Names and remarks are items of the element and component files: a line
  // break is taken out again.
  txtmsgCell.OnChange = [this] {
    txtmsgCell_Change();
    forms::DropLineBreaks(txtmsgCell);
  };
  txtCompName.OnChange = [this] { forms::DropLineBreaks(txtCompName); };
  txtElmName.OnChange = [this] { forms::DropLineBreaks(txtElmName); };
  txtmsgCell.OnKeyPress = [this](int& key) { txtmsgCell_KeyPress(key); };
  cmdEnter.OnClick = [this] { cmdEnter_Click(); };
  cmdClrTxt.OnClick = [this] { cmdClrTxt_Click(); };
  txtGrpName.OnGotFocus = [this] { txtGrpName_GotFocus(); };

  cmdChgElmD.OnClick = [this] { cmdChgElmD_Click(); };
  cboMNoInElm.OnClick = [this] { cboMNoInElm_Click(); };
  cmdSelMat.OnClick = [this] { cmdSelMat_Click(); };
  lblMatU.OnDblClick = [this] { cmdSelMat_Click(); };
  cmdUseDV.OnClick = [this] { cmdUseDV_Click(); };
  cmdUseUIV.OnClick = [this] { cmdUseUIV_Click(); };
  cmdXFraChgElmD.OnClick = [this] { cmdXFraChgElmD_Click(); };
}

void frmGroupComp::Layout() {
  SetCaption("Group Components and Elements");
  SetClientSize(12300, 7560);
  // Keys act on the grid whichever control has the focus.
  SetKeyPreview(true);
  // Tab from the grid's edit box goes to the group name box, whose focus
  // steps the grid on to the next cell.
  SetTabOrder({&txtmsgCell, &txtGrpName});

  lblGrpName.Move(240, 240, 3600, 255);
  txtGrpName.Move(240, 495, 3600, 315);
  txtGrpName.SetLocked(true);
  lblCompName.Move(240, 900, 3600, 255);
  txtCompName.Move(240, 1155, 3600, 315);
  lblCompNo.Move(240, 1560, 1575, 255);
  txtCompNo.Move(240, 1815, 1455, 315);
  lblCompType.SetCaption("Component Type");
  lblCompType.Move(1920, 1560, 1920, 255);
  cboCompType.Move(1920, 1815, 1920, 315);
  lblCompElm.SetCaption("Elements in this Component (Max. No. 20)");
  lblCompElm.Move(240, 2280, 3600, 255);
  lstElm.Move(240, 2535, 3120, 2790);
  cmdElmUp.SetCaption("\u25B2");
  cmdElmUp.Move(3480, 2535, 360, 480);
  cmdElmDn.SetCaption("\u25BC");
  cmdElmDn.Move(3480, 3075, 360, 480);
  cmdAddElm.SetCaption("Add Element");
  cmdAddElm.Move(240, 5430, 1155, 375);
  cmdEditElm.SetCaption("Edit Element");
  cmdEditElm.Move(1440, 5430, 1155, 375);
  cmdDeleteElm.SetCaption("Delete Element");
  cmdDeleteElm.Move(2640, 5430, 1200, 375);
  Label3.SetCaption(
      "Sequential order of the elements in the list shall be from outdoor (or top) to indoor (or bottom).");
  Label3.Move(240, 5910, 3600, 615);
  Frame1.SetCaption("Assess Element?");
  Frame1.Move(240, 6630, 3600, 615);
  Option1.SetCaption("Yes");
  Option1.Move(360, 270, 1095, 255);
  Option2.SetCaption("No");
  Option2.Move(1680, 270, 1095, 255);

  lblElmName.SetCaption("Element Name");
  lblElmName.Move(4080, 285, 1455, 255);
  txtElmName.Move(5640, 240, 4200, 315);
  Label2.SetCaption("Element Type");
  Label2.Move(4080, 705, 1455, 255);
  lblElmType.SetBorderStyle(true);
  lblElmType.Move(5640, 660, 4200, 315);
  cmdElmType.SetCaption("...");
  cmdElmType.Move(9960, 645, 480, 345);
  cmdLoadElm.SetCaption("Load Element");
  cmdLoadElm.Move(4080, 1140, 1680, 375);
  cmdSaveElm.SetCaption("Save Element && Return");
  cmdSaveElm.Move(5880, 1140, 2280, 375);
  cmdChgElmD.SetCaption("Edit");
  cmdChgElmD.Move(8280, 1140, 1095, 375);
  lblEditmsgCell.Move(4080, 1665, 2280, 255);
  txtmsgCell.Move(6480, 1620, 2400, 315);
  cmdEnter.SetCaption("Enter");
  cmdEnter.Move(9000, 1605, 855, 345);
  cmdClrTxt.SetCaption("Clear");
  cmdClrTxt.Move(9960, 1605, 855, 345);

  msgElm.SetRows(kElmGridRows + 1);
  msgElm.SetCols(4);
  msgElm.SetFixedRows(1);
  msgElm.SetFixedCols(1);
  msgElm.SetColWidth(0, 2160);
  msgElm.SetColWidth(1, 1020);
  msgElm.SetColWidth(2, 1140);
  msgElm.SetColWidth(3, 3380);
  // Nine rows high: about eight data rows show at a time and the grid scrolls.
  msgElm.Move(4080, 2100, 8000, 9 * msgElm.RowHeight(0) + 90);
}

void frmGroupComp::LayoutValuesPanel() {
  Label6.SetCaption("Change Default Values of Element Parameters");
  Label6.Move(240, 240, 7800, 315);
  Label8.SetCaption("Element Mat'l #");
  Label8.Move(240, 765, 1800, 255);
  cboMNoInElm.Move(2160, 720, 1095, 315);
  Label7.SetCaption("Default Values");
  Label7.Move(2880, 1320, 2400, 255);
  Label9.SetCaption("Values to be used");
  Label9.Move(5520, 1320, 2400, 255);
  lblMatD.SetBorderStyle(true);
  lblMatD.Move(2880, 1680, 2400, 495);
  lblMatU.SetBorderStyle(true);
  lblMatU.Move(5520, 1680, 2400, 495);
  cmdSelMat.SetCaption("Select Material");
  cmdSelMat.Move(5520, 2250, 2400, 345);
  Label1.SetCaption("Material Life Expectance (yrs)");
  Label1.Move(240, 2760, 2520, 495);
  txtLifeD.Move(2880, 2760, 1335, 315);
  txtLifeU.Move(5520, 2760, 1335, 315);
  Label5.SetCaption("Wastage (%)");
  Label5.Move(240, 3360, 2520, 255);
  txtWasD.Move(2880, 3360, 1335, 315);
  txtWasU.Move(5520, 3360, 1335, 315);
  Label10.SetCaption("Unit Cost (VL$)");
  Label10.Move(240, 3960, 2520, 255);
  txtUCostD.Move(2880, 3960, 1335, 315);
  txtUCostU.Move(5520, 3960, 1335, 315);
  lblUnitD.Move(4260, 3990, 1200, 255);
  lblUnitU.Move(6900, 3990, 1300, 255);
  for (forms::TextBox* box : {&txtLifeD, &txtWasD, &txtUCostD}) box->SetLocked(true);
  cmdUseDV.SetCaption("Reset to Default Values");
  cmdUseDV.Move(240, 5640, 2400, 495);
  cmdUseUIV.SetCaption("Apply Changes");
  cmdUseUIV.Move(2880, 5640, 2400, 495);
  cmdXFraChgElmD.SetCaption("Exit");
  cmdXFraChgElmD.Move(5520, 5640, 2400, 495);
  fraChgElmD.SetVisible(false);
}

}  // namespace building
