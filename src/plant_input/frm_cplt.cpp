#include "plant_input/frm_cplt.h"

#include <cmath>
#include <string>

#include "common/number_text.h"
#include "common/paths.h"
#include "common/project_paths.h"
#include "energy_input/energy_file_names.h"
#include "forms/typed_input.h"

namespace plant_input {

using common::Integer;
using common::Single;

namespace {

constexpr int kValueCol = 2;
constexpr int kGridRows = 11;

}  // namespace

frmCPlt::frmCPlt(common::Program& prog, forms::Platform& platform)
    : Form(platform, "frmCPlt"),
      lblSysDes(*this, "lblSysDes"),
      cboACHRS(*this, "cboACHRS"),
      cboChWPS(*this, "cboChWPS"),
      lblNoEq(*this, "lblNoEq"),
      txtNoEq(*this, "txtNoEq"),
      cmdNoEq(*this, "cmdNoEq"),
      lblEqNo(*this, "lblEqNo"),
      cboEqNo(*this, "cboEqNo"),
      cmdAddEq(*this, "cmdAddEq"),
      cmdDelEq(*this, "cmdDelEq"),
      cmdSame(*this, "cmdSame"),
      lblSysNam(*this, "lblSysNam"),
      txtSysNam(*this, "txtSysNam"),
      lblTabHead(*this, "lblTabHead"),
      msgPlt(*this, "msgPlt"),
      cboEqTyp(*this, "cboEqTyp"),
      txtData(*this, "txtData"),
      cmdEntCell(*this, "cmdEntCell"),
      cmdOK(*this, "cmdOK"),
      mnuF(*this, nullptr, "mnuF", "File"),
      mnuFLoad(*this, &mnuF, "mnuFLoad", "Load Plant Data"),
      mnuFSave(*this, &mnuF, "mnuFSave", "Save Plant Data"),
      mnuFExit(*this, &mnuF, "mnuFExit", "Exit"),
      mnuE(*this, nullptr, "mnuE", "Edit"),
      mnuEHVAC(*this, &mnuE, "mnuEHVAC", "HVAC Plant"),
      mnuEType(*this, &mnuEHVAC, "mnuEType", "Plant Type"),
      mnuEChillers(*this, &mnuEHVAC, "mnuEChillers", "Chillers"),
      mnuEPLPs(*this, &mnuEHVAC, "mnuEPLPs", "Primary Chilled Water Pumps"),
      mnuESLPs(*this, &mnuEHVAC, "mnuESLPs", "Secondary Chilled Water Pumps"),
      mnuECWPs(*this, &mnuEHVAC, "mnuECWPs", "Condenser Water Pumps"),
      mnuESWPs(*this, &mnuEHVAC, "mnuESWPs", "Seawater Pumps"),
      mnuECTrs(*this, &mnuEHVAC, "mnuECTrs", "Cooling Towers"),
      mnuEFAUs(*this, &mnuEHVAC, "mnuEFAUs", "Central FA Handling Units"),
      mnuEOthers(*this, &mnuE, "mnuEOthers", "Other Services"),
      mnuEAHVAC(*this, &mnuEOthers, "mnuEAHVAC", "Additional HVAC Systems"),
      mnuEALgtS(*this, &mnuEOthers, "mnuEALgtS", "Additional Elec && Lgt Systems"),
      mnuEFSerS(*this, &mnuEOthers, "mnuEFSerS", "Fire Services"),
      mnuELiftS(*this, &mnuEOthers, "mnuELiftS", "Lifts && Escalatiors"),
      mnuEPaDS(*this, &mnuEOthers, "mnuEPaDS", "P && D"),
      mnuEGasS(*this, &mnuEOthers, "mnuEGasS", "Systems using Town Gas"),
      mnuDirExit(*this, nullptr, "mnuDirExit", "Exit"),
      prog_(prog),
      plant_(prog.plant) {
  SetCaption("Central BS Plants");
  SetClientSize(7560, 6180);

  lblSysDes.Move(240, 120, 7080, 315);
  lblSysDes.SetFontBold(true);
  lblNoEq.Move(240, 630, 4080, 285);
  txtNoEq.Move(4440, 600, 735, 315);
  cmdNoEq.SetCaption("Enter");
  cmdNoEq.Move(5280, 600, 735, 315);
  cboACHRS.Move(4440, 600, 3000, 315);
  lblEqNo.Move(240, 990, 4080, 285);
  cboEqNo.Move(4440, 960, 735, 315);
  cboChWPS.Move(4440, 960, 3000, 315);
  cmdAddEq.SetCaption("Add");
  cmdAddEq.Move(5280, 960, 615, 315);
  cmdDelEq.SetCaption("Del");
  cmdDelEq.Move(5940, 960, 615, 315);
  cmdSame.SetCaption("= last unit");
  cmdSame.Move(6600, 960, 855, 315);
  lblSysNam.SetCaption("Name of System");
  lblSysNam.Move(240, 1410, 1500, 285);
  txtSysNam.Move(1800, 1380, 4140, 315);
  lblTabHead.SetCaption("Characteristics of Equipment");
  lblTabHead.Move(240, 1860, 5100, 285);

  msgPlt.SetRows(kGridRows);
  msgPlt.SetCols(3);
  msgPlt.SetFixedRows(1);
  msgPlt.SetFixedCols(2);
  // Rows as tall as a drop-down list, so that the type list covers the
  // value cell of row 1 exactly.
  msgPlt.SetDefaultRowHeight(315);
  msgPlt.Move(240, 2160, 5100, 3525);
  cboEqTyp.Move(msgPlt.Left() + 4060, msgPlt.Top() + 315, 1000, 315);
  for (forms::ComboBox* c : {&cboACHRS, &cboChWPS, &cboEqNo, &cboEqTyp}) c->SetStyle(forms::ComboStyle::DropDownList);
  txtData.Move(0, 0, 1000, 315);
  cmdEntCell.SetCaption("Enter");
  cmdEntCell.Move(0, 0, 615, 315);
  cmdOK.SetCaption("OK");
  cmdOK.Move(5700, 5280, 1335, 435);

  cboACHRS.OnClick = [this] { cboACHRS_Click(); };
  cboChWPS.OnClick = [this] { cboChWPS_Click(); };
  cboEqNo.OnClick = [this] { cboEqNo_Click(); };
  cmdNoEq.OnClick = [this] { cmdNoEq_Click(); };
  cmdAddEq.OnClick = [this] { cmdAddEq_Click(); };
  cmdDelEq.OnClick = [this] { cmdDelEq_Click(); };
  cmdSame.OnClick = [this] { cmdSame_Click(); };
  cmdEntCell.OnClick = [this] { cmdEntCell_Click(); };
  cmdOK.OnClick = [this] { cmdOK_Click(); };
  msgPlt.OnClick = [this] { msgPlt_Click(); };
  txtNoEq.OnChange = [this] { txtNoEq_Change(); };
  txtSysNam.OnChange = [this] { txtSysNam_Change(); };
  mnuFLoad.OnClick = [this] { mnuFLoad_Click(); };
  mnuFSave.OnClick = [this] { mnuFSave_Click(); };
  mnuFExit.OnClick = [this] { mnuFExit_Click(); };
  mnuDirExit.OnClick = [this] { mnuDirExit_Click(); };
  mnuEType.OnClick = [this] { mnuEType_Click(); };
  mnuEChillers.OnClick = [this] { mnuEChillers_Click(); };
  mnuEPLPs.OnClick = [this] { mnuEPLPs_Click(); };
  mnuESLPs.OnClick = [this] { mnuESLPs_Click(); };
  mnuECWPs.OnClick = [this] { mnuECWPs_Click(); };
  mnuESWPs.OnClick = [this] { mnuESWPs_Click(); };
  mnuECTrs.OnClick = [this] { mnuECTrs_Click(); };
  mnuEFAUs.OnClick = [this] { mnuEFAUs_Click(); };
  mnuEAHVAC.OnClick = [this] { mnuEAHVAC_Click(); };
  mnuEALgtS.OnClick = [this] { mnuEALgtS_Click(); };
  mnuEFSerS.OnClick = [this] { mnuEFSerS_Click(); };
  mnuELiftS.OnClick = [this] { mnuELiftS_Click(); };
  mnuEPaDS.OnClick = [this] { mnuEPaDS_Click(); };
  mnuEGasS.OnClick = [this] { mnuEGasS_Click(); };
}

// Every opening starts idle from the program-wide records; a plant file
// named after the project is offered for loading when it exists.
void frmCPlt::Form_Load() {
  lblSysDes.SetCaption("Load previous input File or Select item to Edit");
  cboACHRS.Clear();
  for (const char* t : kPlantTypes) cboACHRS.AddItem(t);
  cboACHRS.SetVisible(false);
  cboChWPS.Clear();
  for (const char* t : kPumpingSchemes) cboChWPS.AddItem(t);
  cboChWPS.SetVisible(false);
  for (forms::Menu* m : {&mnuEChillers, &mnuEPLPs, &mnuESLPs, &mnuECWPs, &mnuESWPs, &mnuECTrs}) m->SetEnabled(false);
  // A window closed in the middle of a view comes back idle: its Edit menu
  // and top-level Exit usable again.
  mnuE.SetEnabled(true);
  mnuDirExit.SetEnabled(true);
  mItemType = 0;
  lblTabHead.SetVisible(false);
  txtNoEq.SetText("");
  txtNoEq.SetVisible(false);
  lblNoEq.SetVisible(false);
  lblEqNo.SetVisible(false);
  cboEqNo.SetVisible(false);
  mItemNo = 0;
  lblSysNam.SetVisible(false);
  txtSysNam.SetText("");
  txtSysNam.SetVisible(false);
  cboEqTyp.Clear();
  cboEqTyp.SetVisible(false);
  msgPlt.SetColWidth(0, 3000);
  msgPlt.SetColWidth(1, 1000);
  msgPlt.SetColWidth(2, 1000);
  msgPlt.SetVisible(false);
  mCellEditing = false;
  ownWss_.clear();
  ownNac_.clear();
  for (forms::Control* c : {static_cast<forms::Control*>(&txtData), static_cast<forms::Control*>(&cmdEntCell),
                            static_cast<forms::Control*>(&cmdNoEq), static_cast<forms::Control*>(&cmdAddEq),
                            static_cast<forms::Control*>(&cmdDelEq), static_cast<forms::Control*>(&cmdSame),
                            static_cast<forms::Control*>(&cmdOK)})
    c->SetVisible(false);
  mCPlt = plant_.CPlt;
  mNAC = plant_.NAC;
  mDataChanged = false;

  const std::string& projFile = prog_.building.Bldg.ProjFile;
  if (!projFile.empty()) {
    plant_.WssFile = energy_input::EnergyFileName(projFile, "WSS");
    plant_.NacFile = energy_input::EnergyFileName(projFile, "NAC");
    if (common::FileExists(common::ResolveProjectFile(plant_.WssFile, prog_.building.ProjDir))) mnuFLoad_Click();
  }
}

// ---- the plant type and the pumping scheme ----

void frmCPlt::cboACHRS_Click() {
  int code = cboACHRS.ListIndex();
  if (code < 0) return;
  for (int r = 3; r < kGridRows; ++r) {
    msgPlt.SetTextMatrix(r, 0, "");
    msgPlt.SetTextMatrix(r, 1, "");
  }
  mnuEChillers.SetEnabled(true);
  mnuEPLPs.SetEnabled(true);
  mnuECWPs.SetEnabled(false);
  mnuECTrs.SetEnabled(false);
  mnuESWPs.SetEnabled(false);
  int r = 3;
  for (const char* name : DesignTempRows(code)) {
    msgPlt.SetTextMatrix(r, 0, name);
    msgPlt.SetTextMatrix(r, 1, "Deg.C");
    ++r;
  }
  mnuECWPs.SetEnabled(code == 1 || code == 2 || code == 4);
  mnuESWPs.SetEnabled(code >= 2);
  mnuECTrs.SetEnabled(code == 1 || code == 4);
  if (cmdOK.Visible()) cmdOK.SetFocus();
}

void frmCPlt::cboChWPS_Click() {
  int code = cboChWPS.ListIndex();
  if (code < 0) return;
  mnuESLPs.SetEnabled(false);
  if (code > 0) {
    mnuESLPs.SetEnabled(true);
    for (int i = 1; i <= kMaxPlantItems; ++i) mCPlt.SLPType[static_cast<size_t>(i)] = static_cast<Integer>(code);
  }
  if (cmdOK.Visible()) cmdOK.SetFocus();
}

// The equipment menus that the plant type and the pumping scheme allow.
void frmCPlt::SetPlantMenus() {
  mnuEChillers.SetEnabled(true);
  mnuEPLPs.SetEnabled(true);
  int code = mCPlt.HRSType;
  mnuECWPs.SetEnabled(code == 1 || code == 2 || code == 4);
  mnuECTrs.SetEnabled(code == 1 || code == 4);
  mnuESWPs.SetEnabled(code >= 2 && code <= 4);
  mnuESLPs.SetEnabled(mCPlt.ChWPSType >= 1);
}

// ---- one item between the grid and the working copies ----

std::optional<Single> frmCPlt::CellSingle(int row) {
  if (auto s = forms::CellSingle(msgPlt, row, kValueCol)) return s;
  MsgBox(msgPlt.TextMatrix(row, 0) + ": the number is too large. The previous value is kept.");
  return std::nullopt;
}

std::optional<Integer> frmCPlt::CellInteger(int row) {
  double v = common::LeadingNumber(msgPlt.TextMatrix(row, kValueCol));
  if (auto i = common::ToInteger(v)) return i;
  MsgBox(msgPlt.TextMatrix(row, 0) + ": the number lies outside -32768 to 32767. The previous value is kept.");
  return std::nullopt;
}

void frmCPlt::StoreItemFromGrid() {
  const ItemKind* kind = FindItemKind(mItemType);
  if (kind == nullptr || mItemNo < 1 || mItemNo > kMaxPlantItems) return;
  auto i = static_cast<size_t>(mItemNo);
  ItemFields f = FieldsOf(mItemType, mCPlt, mNAC);
  if (f.name) (*f.name)[i] = txtSysNam.Text();
  int row = 1;
  if (f.type) {
    // A secondary pump's type follows the pumping scheme, never the screen.
    if (mItemType != kSecondaryPumps && cboEqTyp.ListIndex() >= 0)
      (*f.type)[i] = static_cast<Integer>(cboEqTyp.ListIndex());
    row = 2;
  }
  int lastRow = RowsInUse(*kind, mCPlt.HRSType);
  for (auto* values : f.values) {
    if (row > lastRow) break;
    msgPlt.SetCell(row, kValueCol);
    if (auto v = CellSingle(row)) (*values)[i] = *v;
    ++row;
  }
}

void frmCPlt::ShowItemInGrid() {
  const ItemKind* kind = FindItemKind(mItemType);
  if (kind == nullptr || mItemNo < 1 || mItemNo > kMaxPlantItems) return;
  auto i = static_cast<size_t>(mItemNo);
  ItemFields f = FieldsOf(mItemType, mCPlt, mNAC);
  if (f.name) txtSysNam.SetText((*f.name)[i]);
  int row = 1;
  if (f.type) {
    int code = (*f.type)[i];
    cboEqTyp.SetListIndex(code >= 0 && code < cboEqTyp.ListCount() ? code : -1);
    row = 2;
  }
  int lastRow = RowsInUse(*kind, mCPlt.HRSType);
  for (auto* values : f.values) {
    if (row > lastRow) break;
    forms::ShowNumber(msgPlt, row, kValueCol, (*values)[i]);
    ++row;
  }
}

// ---- the item count, the item list, insert, delete, same as last ----

void frmCPlt::cmdNoEq_Click() {
  cmdNoEq.SetFontBold(false);
  if (txtNoEq.Text().empty() || mCellEditing) return;
  const ItemKind* kind = FindItemKind(mItemType);
  if (kind == nullptr) return;
  double n = std::nearbyint(common::LeadingNumber(txtNoEq.Text()));
  if (n < 1 || n > kMaxPlantItems) {
    MsgBox(std::string(kind->countRange) + " " + std::to_string(kMaxPlantItems));
    txtNoEq.SetText("");
    countRefused_ = true;
    return;
  }
  cboEqNo.Clear();
  for (int k = 1; k <= static_cast<int>(n); ++k) cboEqNo.AddItem(std::to_string(k));
  cboEqNo.SetListIndex(0);
}

void frmCPlt::cboEqNo_Click() {
  if (mItemNo > 0) StoreItemFromGrid();
  int k = cboEqNo.ListIndex() + 1;
  if (k >= 1) {
    mItemNo = k;
    ShowItemInGrid();
  }
}

void frmCPlt::cmdAddEq_Click() {
  if (mCellEditing) return;
  const ItemKind* kind = FindItemKind(mItemType);
  int k = cboEqNo.ListIndex() + 1;
  int c = cboEqNo.ListCount();
  if (kind == nullptr || k < 1) return;
  if (c >= kMaxPlantItems) {
    MsgBox(kind->listFull);
    return;
  }
  InsertItem(mItemType, k, c, mCPlt, mNAC);
  cboEqNo.AddItem(std::to_string(c + 1));
  txtNoEq.SetText(std::to_string(c + 1));
  cboEqNo.SetListIndex(k);
}

void frmCPlt::cmdDelEq_Click() {
  if (mCellEditing) return;
  int k = cboEqNo.ListIndex() + 1;
  int c = cboEqNo.ListCount();
  if (FindItemKind(mItemType) == nullptr || k < 1) return;
  DeleteItem(mItemType, k, c, mCPlt, mNAC);
  mItemNo = 0;  // what is on screen belongs to no item any more
  cboEqNo.RemoveItem(c - 1);
  txtNoEq.SetText(std::to_string(c - 1));
  txtSysNam.SetText("");
  cboEqNo.SetListIndex(-1);
  cboEqTyp.SetListIndex(-1);
  for (int r = 1; r < kGridRows; ++r) msgPlt.SetTextMatrix(r, kValueCol, "");
}

void frmCPlt::cmdSame_Click() {
  if (mCellEditing) return;
  int p = cboEqNo.ListIndex();
  if (p < 1) return;
  mItemNo = p;
  ShowItemInGrid();
  mItemNo = p + 1;
}

void frmCPlt::cmdEntCell_Click() {
  msgPlt.SetTextMatrix(mEditRow, mEditCol, txtData.Text());
  txtData.SetText("");
  txtData.SetVisible(false);
  cmdEntCell.SetVisible(false);
  mCellEditing = false;
  if (cmdOK.Visible()) cmdOK.SetFocus();
}

// ---- OK ----

// A count beyond the arrays would send every later reader past the tenth
// item, so it is refused here and the view stays open for a correction.
// A box that the range message emptied stands for the items listed: the
// stored count, or the list as Add and Del have left it.
bool frmCPlt::StoreCount(const ItemKind& kind) {
  ItemFields f = FieldsOf(kind.code, mCPlt, mNAC);
  if (countRefused_ && txtNoEq.Text().empty()) {
    *f.count = static_cast<Integer>(cboEqNo.ListCount());
    return true;
  }
  double n = std::nearbyint(common::LeadingNumber(txtNoEq.Text()));
  if (n < 0 || n > kMaxPlantItems) {
    MsgBox(std::string(kind.countRange) + " " + std::to_string(kMaxPlantItems));
    return false;
  }
  *f.count = static_cast<Integer>(n);
  return true;
}

void frmCPlt::StorePlant() {
  if (cboACHRS.ListIndex() >= 0) mCPlt.HRSType = static_cast<Integer>(cboACHRS.ListIndex());
  if (cboChWPS.ListIndex() >= 0) mCPlt.ChWPSType = static_cast<Integer>(cboChWPS.ListIndex());
  if (auto h = CellInteger(1)) mCPlt.StartHour = *h;
  if (auto h = CellInteger(2)) mCPlt.StopHour = *h;
  int used = static_cast<int>(DesignTempRows(mCPlt.HRSType).size());
  for (int k = 1; k <= used; ++k)
    if (auto t = CellSingle(k + 2)) mCPlt.DesignTemp[static_cast<size_t>(k)] = *t;
}

void frmCPlt::cmdOK_Click() {
  if (mCellEditing) return;
  if (mItemType == kPlantType) {
    StorePlant();
  } else if (const ItemKind* kind = FindItemKind(mItemType)) {
    if (!StoreCount(*kind)) return;
    StoreItemFromGrid();
  }
  GoIdle();
}

void frmCPlt::GoIdle() {
  lblSysDes.SetCaption("Select item to Edit");
  lblNoEq.SetCaption("");
  lblNoEq.SetVisible(false);
  txtNoEq.SetText("");
  txtNoEq.SetVisible(false);
  cmdNoEq.SetVisible(false);
  cmdAddEq.SetVisible(false);
  cmdDelEq.SetVisible(false);
  cmdSame.SetVisible(false);
  cboACHRS.SetListIndex(-1);
  cboACHRS.SetVisible(false);
  lblEqNo.SetCaption("");
  lblEqNo.SetVisible(false);
  mItemNo = 0;  // stored already: clearing the selection stores nothing again
  cboEqNo.SetListIndex(-1);
  cboEqNo.SetVisible(false);
  cboChWPS.SetListIndex(-1);
  cboChWPS.SetVisible(false);
  lblSysNam.SetVisible(false);
  txtSysNam.SetText("");
  txtSysNam.SetVisible(false);
  lblTabHead.SetCaption("");
  lblTabHead.SetVisible(false);
  cboEqTyp.SetListIndex(-1);
  cboEqTyp.SetVisible(false);
  msgPlt.SetVisible(false);
  mnuE.SetEnabled(true);
  mnuDirExit.SetEnabled(true);
  mDataChanged = true;
  cmdOK.SetVisible(false);
}

}  // namespace plant_input
