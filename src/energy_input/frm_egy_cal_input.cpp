#include "energy_input/frm_egy_cal_input.h"

#include <string>

#include "common/number_text.h"
#include "common/paths.h"
#include "common/project_paths.h"
#include "energy_input/energy_codes.h"
#include "energy_input/energy_file_names.h"
#include "energy_input/frm_code_lists.h"
#include "energy_input/model_check.h"
#include "energy_input/project_constructions.h"
#include "forms/control_array.h"
#include "forms/typed_input.h"

namespace energy_input {

using common::Integer;

namespace {

// A stored code as a list position; codes are kept within their lists.
void ShowCode(forms::ComboBox& list, int code) {
  if (list.ListCount() == 0) return;
  list.SetListIndex(code >= 0 && code < list.ListCount() ? code : 0);
}

std::string ConstructionNumberRefused(int defined, int kept) {
  std::string text = "Construction No. outside range! ";
  text += defined < 1 ? "No constructions are defined yet (0 for none)"
                      : "Choose a construction from 1 to " + std::to_string(defined) + " (0 for none)";
  text += kept > 0 ? "; the component keeps construction " + std::to_string(kept) + "." : "; the component keeps none.";
  return text;
}

}  // namespace

frmEgyCalInput::frmEgyCalInput(common::Program& prog, forms::Platform& platform, Windows windows)
    : Form(platform, "frmEgyCalInput"),
      fraZn(*this, "fraZn"),
      fraRm(*this, "fraRm"),
      fraFab(*this, "fraFab"),
      lblNZn(fraZn, "lblNZn"),
      lblZNo(fraZn, "lblZNo"),
      lblZnNam(fraZn, "lblZnNam"),
      lblNIZn(fraZn, "lblNIZn"),
      lblNRmIZ(fraZn, "lblNRmIZ"),
      txtNZn(fraZn, "txtNZn"),
      txtZnNam(fraZn, "txtZnNam"),
      txtNIZn(fraZn, "txtNIZn"),
      txtNRmIZ(fraZn, "txtNRmIZ"),
      cboZNo(fraZn, "cboZNo"),
      cmdEntNZn(fraZn, "cmdEntNZn"),
      cmdAZn(fraZn, "cmdAZn"),
      cmdDZn(fraZn, "cmdDZn"),
      cmdEntNRm(fraZn, "cmdEntNRm"),
      cmdEAC(fraZn, "cmdEAC"),
      lblRmNo(fraRm, "lblRmNo"),
      lblRmNam(fraRm, "lblRmNam"),
      lblRmTyp(fraRm, "lblRmTyp"),
      lblNIdRm(fraRm, "lblNIdRm"),
      lblRmArea(fraRm, "lblRmArea"),
      lblRmHgt(fraRm, "lblRmHgt"),
      lblNOcc(fraRm, "lblNOcc"),
      lblVent(fraRm, "lblVent"),
      lblTemp(fraRm, "lblTemp"),
      lblRH(fraRm, "lblRH"),
      lblLgtW(fraRm, "lblLgtW"),
      lblEqpW(fraRm, "lblEqpW"),
      lblNFabComp(fraRm, "lblNFabComp"),
      cboRmNo(fraRm, "cboRmNo"),
      cboRmTyp(fraRm, "cboRmTyp"),
      txtRmNam(fraRm, "txtRmNam"),
      txtNIdRm(fraRm, "txtNIdRm"),
      txtRmArea(fraRm, "txtRmArea"),
      txtRmHgt(fraRm, "txtRmHgt"),
      txtNOcc(fraRm, "txtNOcc"),
      txtVent(fraRm, "txtVent"),
      txtTemp(fraRm, "txtTemp"),
      txtRH(fraRm, "txtRH"),
      txtLgtW(fraRm, "txtLgtW"),
      txtEqpW(fraRm, "txtEqpW"),
      txtNFabComp(fraRm, "txtNFabComp"),
      cmdARm(fraRm, "cmdARm"),
      cmdDRm(fraRm, "cmdDRm"),
      cmdEntRmChar(fraRm, "cmdEntRmChar"),
      lblFabComp(fraFab, "lblFabComp"),
      lblCompL(fraFab, "lblCompL"),
      lblCompA(fraFab, "lblCompA"),
      lblCompTyp(fraFab, "lblCompTyp"),
      lblCompC(fraFab, "lblCompC"),
      lblOrient(fraFab, "lblOrient"),
      lblShMask(fraFab, "lblShMask"),
      cboFabComp(fraFab, "cboFabComp"),
      cboCompTyp(fraFab, "cboCompTyp"),
      cboOrient(fraFab, "cboOrient"),
      txtCompL(fraFab, "txtCompL"),
      txtCompA(fraFab, "txtCompA"),
      txtShMask(fraFab, "txtShMask"),
      txtCompC(forms::MakeControlArray<forms::TextBox, 2>(fraFab, "txtCompC")),
      cmdAExWall(fraFab, "cmdAExWall"),
      cmdDExWall(fraFab, "cmdDExWall"),
      cmdSelCons(fraFab, "cmdSelCons"),
      cmdSelShM(fraFab, "cmdSelShM"),
      cmdEntComp(fraFab, "cmdEntComp"),
      mnuF(*this, nullptr, "mnuF", "File"),
      mnuFLoad(*this, &mnuF, "mnuFLoad", "Load Building Data"),
      mnuFSave(*this, &mnuF, "mnuFSave", "Save Building Data"),
      mnuFReturn(*this, &mnuF, "mnuFReturn", "Return"),
      mnuE(*this, nullptr, "mnuE", "Edit"),
      mnuEConstr(*this, &mnuE, "mnuEConstr", "Fabric Constructions"),
      mnuEShMask(*this, &mnuE, "mnuEShMask", "Shading Mask"),
      mnuESIZn(*this, &mnuE, "mnuESIZn", "Air-side A/C System in Selected Zone"),
      mnuECPlt(*this, &mnuE, "mnuECPlt", "Central Plants"),
      mnuDirRet(*this, nullptr, "mnuDirRet", "Return"),
      prog_(prog),
      egy_(prog.energyInput),
      windows_(std::move(windows)) {
  Layout();

  // Every box the user types into is an edit; a count typed also makes its
  // Enter button bold until it is entered.
  txtNZn.OnChange = [this] {
    cmdEntNZn.SetFontBold(true);
    Edited();
  };
  txtNRmIZ.OnChange = [this] {
    cmdEntNRm.SetFontBold(true);
    Edited();
  };
  txtNFabComp.OnChange = [this] {
    cmdEntRmChar.SetFontBold(true);
    Edited();
  };
  for (forms::TextBox* box : {&txtZnNam, &txtRmNam, &txtCompL, &txtShMask})
    box->OnChange = [this, box] {
      DropLineBreaks(*box);
      Edited();
    };
  for (forms::TextBox* box : {&txtNIZn, &txtNIdRm, &txtRmArea, &txtRmHgt, &txtNOcc, &txtVent, &txtTemp, &txtRH,
                              &txtLgtW, &txtEqpW, &txtCompA, &txtCompC[0]})
    box->OnChange = [this] { Edited(); };
  cboRmTyp.OnClick = [this] { Edited(); };
  cboOrient.OnClick = [this] { Edited(); };

  cmdEntNZn.OnClick = [this] { cmdEntNZn_Click(); };
  cmdEntNRm.OnClick = [this] { cmdEntNRm_Click(); };
  cmdEntRmChar.OnClick = [this] { cmdEntRmChar_Click(); };
  cmdEntComp.OnClick = [this] { cmdEntComp_Click(); };
  cboZNo.OnClick = [this] { cboZNo_Click(); };
  cboRmNo.OnClick = [this] { cboRmNo_Click(); };
  cboFabComp.OnClick = [this] { cboFabComp_Click(); };
  cboCompTyp.OnClick = [this] { cboCompTyp_Click(); };
  cmdAZn.OnClick = [this] { cmdAZn_Click(); };
  cmdARm.OnClick = [this] { cmdARm_Click(); };
  cmdAExWall.OnClick = [this] { cmdAExWall_Click(); };
  cmdDZn.OnClick = [this] { cmdDZn_Click(); };
  cmdDRm.OnClick = [this] { cmdDRm_Click(); };
  cmdDExWall.OnClick = [this] { cmdDExWall_Click(); };
  cmdSelCons.OnClick = [this] { cmdSelCons_Click(); };
  cmdSelShM.OnClick = [this] { cmdSelShM_Click(); };
  cmdEAC.OnClick = [this] { cmdEAC_Click(); };
  mnuFLoad.OnClick = [this] { mnuFLoad_Click(); };
  mnuFSave.OnClick = [this] { mnuFSave_Click(); };
  mnuFReturn.OnClick = [this] { mnuFReturn_Click(); };
  mnuDirRet.OnClick = [this] { mnuFReturn_Click(); };
  mnuEConstr.OnClick = [this] { mnuEConstr_Click(); };
  mnuEShMask.OnClick = [this] { mnuEShMask_Click(); };
  mnuESIZn.OnClick = [this] { mnuESIZn_Click(); };
  mnuECPlt.OnClick = [this] { mnuECPlt_Click(); };
}

void frmEgyCalInput::Layout() {
  SetCaption("Inputs for Energy Calculation");
  SetClientSize(9960, 7320);

  fraZn.SetCaption("Zone Characteristics");
  fraZn.Move(120, 120, 9720, 1680);
  lblNZn.SetCaption("Total No. of Unique Zones in Building (Max. 20) >");
  lblNZn.Move(120, 330, 3960, 255);
  txtNZn.Move(4200, 300, 615, 285);
  cmdEntNZn.SetCaption("Enter");
  cmdEntNZn.Move(4920, 270, 855, 345);
  cmdEAC.SetCaption("Edit AC for the Zone >");
  cmdEAC.Move(7200, 270, 2295, 345);
  lblZNo.SetCaption("Select Zone >");
  lblZNo.Move(120, 750, 1215, 255);
  cboZNo.Move(1440, 720, 855, 315);
  cmdAZn.SetCaption("Add");
  cmdAZn.Move(2400, 705, 615, 345);
  cmdDZn.SetCaption("Del");
  cmdDZn.Move(3120, 705, 615, 345);
  txtZnNam.Move(4200, 720, 3015, 285);
  lblZnNam.SetCaption("< Zone Name");
  lblZnNam.Move(7320, 750, 1215, 255);
  lblNIZn.SetCaption("# of Identical Zones >");
  lblNIZn.Move(120, 1230, 1815, 255);
  txtNIZn.Move(2040, 1200, 855, 285);
  lblNRmIZ.SetCaption("No. of Unique Rooms in Zone (Max. 12) >");
  lblNRmIZ.Move(3120, 1230, 3255, 255);
  txtNRmIZ.Move(6480, 1200, 615, 285);
  cmdEntNRm.SetCaption("Enter");
  cmdEntNRm.Move(7200, 1170, 855, 345);

  fraRm.SetCaption("Room Characteristics");
  fraRm.Move(120, 1920, 9720, 2700);
  lblRmNo.SetCaption("Select Room >");
  lblRmNo.Move(120, 330, 1215, 255);
  cboRmNo.Move(1440, 300, 855, 315);
  cmdARm.SetCaption("Add");
  cmdARm.Move(2400, 285, 615, 345);
  cmdDRm.SetCaption("Del");
  cmdDRm.Move(3120, 285, 615, 345);
  // Two rows of fields, each label above its box.
  struct Field {
    forms::Label& label;
    const char* caption;
    forms::Control& box;
    int width;
  };
  auto place = [](std::initializer_list<Field> row, int top) {
    int left = 120;
    for (const Field& f : row) {
      f.label.SetCaption(f.caption);
      f.label.Move(left, top, f.width, 255);
      f.box.Move(left, top + 255, f.width, f.box.Kind() == forms::ControlKind::ComboBox ? 315 : 285);
      left += f.width + 120;
    }
  };
  place({{lblRmNam, "Room Name", txtRmNam, 2295},
         {lblRmTyp, "Room Type", cboRmTyp, 1935},
         {lblNIdRm, "# of Identical Rms", txtNIdRm, 1575},
         {lblRmArea, "Area (sqm)", txtRmArea, 1095},
         {lblRmHgt, "Height (m)", txtRmHgt, 1095}},
        780);
  place({{lblNOcc, "# of Occupants", txtNOcc, 1335},
         {lblVent, "Vent. Rate (l/s-p)", txtVent, 1455},
         {lblTemp, "Rm Temp (C)", txtTemp, 1215},
         {lblRH, "Rm RH (%)", txtRH, 1095},
         {lblLgtW, "Lgt Ld (W/sqm)", txtLgtW, 1335},
         {lblEqpW, "Eqp Ld (W/sqm)", txtEqpW, 1335}},
        1440);
  lblNFabComp.SetCaption("No. of Fabric Components (Max. 10) >");
  lblNFabComp.Move(120, 2190, 3015, 255);
  txtNFabComp.Move(3240, 2160, 615, 285);
  cmdEntRmChar.SetCaption("Enter");
  cmdEntRmChar.Move(3960, 2130, 855, 345);

  fraFab.SetCaption("Fabric Component Characteristics");
  fraFab.Move(120, 4740, 9720, 2460);
  lblFabComp.SetCaption("Select Fabric Component >");
  lblFabComp.Move(120, 330, 2055, 255);
  cboFabComp.Move(2280, 300, 855, 315);
  cmdAExWall.SetCaption("Add");
  cmdAExWall.Move(3240, 285, 615, 345);
  cmdDExWall.SetCaption("Del");
  cmdDExWall.Move(3960, 285, 615, 345);
  place({{lblCompL, "Component Name", txtCompL, 2535},
         {lblCompA, "Area (sqm)", txtCompA, 1095},
         {lblCompTyp, "Component Type", cboCompTyp, 1815}},
        780);
  lblCompC.SetCaption("Construction >");
  lblCompC.Move(120, 1530, 1215, 255);
  txtCompC[0].Move(1440, 1500, 615, 285);
  txtCompC[1].Move(2160, 1500, 3015, 285);
  txtCompC[1].SetLocked(true);
  cmdSelCons.SetCaption("Sel");
  cmdSelCons.Move(5280, 1470, 615, 345);
  cboOrient.Move(6120, 1500, 975, 315);
  // Codes and zone, room and component numbers: chosen, never typed.
  for (forms::ComboBox* c : {&cboZNo, &cboRmNo, &cboFabComp, &cboRmTyp, &cboCompTyp, &cboOrient})
    c->SetStyle(forms::ComboStyle::DropDownList);
  lblOrient.SetCaption("< Orientation");
  lblOrient.Move(7200, 1530, 1215, 255);
  lblShMask.SetCaption("Shading Mask >");
  lblShMask.Move(120, 2010, 1215, 255);
  txtShMask.Move(1440, 1980, 3735, 285);
  cmdSelShM.SetCaption("Sel");
  cmdSelShM.Move(5280, 1950, 615, 345);
  cmdEntComp.SetCaption("Enter");
  cmdEntComp.Move(8520, 1950, 975, 345);

  // The Enter buttons start bold: no count has been taken yet.
  for (forms::CommandButton* b : {&cmdEntNZn, &cmdEntNRm, &cmdEntRmChar, &cmdEntComp}) b->SetFontBold(true);
}

// ---- internal steps ----

void frmEgyCalInput::FillNumbers(forms::ComboBox& list, int n) {
  list.Clear();
  for (int i = 1; i <= n; ++i) list.AddItem(std::to_string(i));
}

int frmEgyCalInput::TypedCount(const forms::TextBox& box) {
  auto n = forms::TypedInteger(box.Text());
  return n ? *n : -1;
}

void frmEgyCalInput::Edited() {
  if (filling_ == 0) mUnsaved = true;
}

void frmEgyCalInput::ClearEgyModel() {
  auto filling = FillingControls();
  mEgyModel = common::EnergyModel{};
  egy_.FabShMask = {};
  for (forms::TextBox* box : {&txtNZn, &txtZnNam, &txtNIZn, &txtNRmIZ, &txtNIdRm}) box->SetText("");
  cboZNo.Clear();
  mCurZn = 0;
  ClearRmControls();
  ClearFabCompControls();
  for (forms::CommandButton* b : {&cmdEntNZn, &cmdEntNRm, &cmdEntRmChar, &cmdEntComp}) b->SetFontBold(false);
}

void frmEgyCalInput::EmptyZnFields() {
  txtZnNam.SetText("");
  txtNIZn.SetText("");
  txtNRmIZ.SetText("");
}

void frmEgyCalInput::EmptyRmFields() {
  auto filling = FillingControls();
  for (forms::TextBox* box : {&txtRmNam, &txtNIdRm, &txtRmArea, &txtRmHgt, &txtNOcc, &txtVent, &txtTemp, &txtRH,
                              &txtLgtW, &txtEqpW, &txtNFabComp})
    box->SetText("");
  ShowCode(cboRmTyp, 0);
}

void frmEgyCalInput::ClearRmControls() {
  cboRmNo.Clear();
  mCurRm = 0;
  EmptyRmFields();
}

void frmEgyCalInput::EmptyFabCompFields() {
  auto filling = FillingControls();
  for (forms::TextBox* box : {&txtCompL, &txtCompA, &txtCompC[0], &txtCompC[1], &txtShMask}) box->SetText("");
  ShowCode(cboCompTyp, 0);
  ShowCode(cboOrient, 0);
}

void frmEgyCalInput::ClearFabCompControls() {
  cboFabComp.Clear();
  mCurFab = 0;
  EmptyFabCompFields();
}

// The zone boxes into the zone shown. A room count typed but not entered
// is taken only when the model can hold it.
void frmEgyCalInput::StoreZnData() {
  if (mCurZn < 1 || mCurZn > common::kMaxZones) return;
  mEgyModel.ZnName[mCurZn] = txtZnNam.Text();
  StoreTyped(*this, txtNIZn, mEgyModel.ZnNIdent[mCurZn]);
  int n = TypedCount(txtNRmIZ);
  if (RoomCountProblem(mEgyModel, mCurZn, n).empty()) mEgyModel.ZnNRm[mCurZn] = static_cast<Integer>(n);
}

void frmEgyCalInput::StoreRmData() {
  if (mCurZn < 1 || mCurRm < 1) return;
  const size_t z = static_cast<size_t>(mCurZn), r = static_cast<size_t>(mCurRm);
  auto& m = mEgyModel;
  m.RmName[z][r] = txtRmNam.Text();
  m.RmType[z][r] = CodeOf(cboRmTyp);
  StoreTyped(*this, txtNIdRm, m.RmNIdent[z][r]);
  StoreTyped(*this, txtRmArea, m.RmArea[z][r]);
  StoreTyped(*this, txtRmHgt, m.RmHgt[z][r]);
  StoreTyped(*this, txtNOcc, m.RmNOcc[z][r]);
  StoreTyped(*this, txtVent, m.RmVent[z][r]);
  StoreTyped(*this, txtTemp, m.RmTemp[z][r]);
  StoreTyped(*this, txtRH, m.RmRH[z][r]);
  StoreTyped(*this, txtLgtW, m.RmLgtW[z][r]);
  StoreTyped(*this, txtEqpW, m.RmEqpW[z][r]);
  // A component count typed but not entered is taken only when the model
  // can hold it.
  int n = TypedCount(txtNFabComp);
  if (FabricCountProblem(m, mCurZn, mCurRm, n).empty()) m.RmNFab[z][r] = static_cast<Integer>(n);
}

bool frmEgyCalInput::StoreFabCompData() {
  if (mCurZn < 1 || mCurRm < 1 || mCurFab < 1) return true;
  const size_t z = static_cast<size_t>(mCurZn), r = static_cast<size_t>(mCurRm), c = static_cast<size_t>(mCurFab);
  auto& m = mEgyModel;
  m.FabName[z][r][c] = txtCompL.Text();
  StoreTyped(*this, txtCompA, m.FabArea[z][r][c]);
  m.FabType[z][r][c] = CodeOf(cboCompTyp);
  m.FabOrient[z][r][c] = CodeOf(cboOrient);
  egy_.FabShMask[z][r][c] = txtShMask.Text();
  // A number typed must name a construction of the tables (or none); a
  // number the model already held is kept as it stands and left to the
  // check before a simulation.
  Integer& cons = m.FabCons[z][r][c];
  const int typed = TypedCount(txtCompC[0]);
  if (typed == cons) return true;
  if (ConstructionNumberProblem(m, mCurZn, mCurRm, mCurFab, typed, egy_.cons).empty()) {
    cons = static_cast<Integer>(typed);
    return true;
  }
  MsgBox(ConstructionNumberRefused(DefinedConstructions(egy_.cons), cons));
  return false;
}

std::string frmEgyCalInput::ConstructionName(int number) const {
  return number >= 1 && number <= DefinedConstructions(egy_.cons) ? egy_.cons.ConsName[static_cast<size_t>(number)]
                                                                  : "";
}

void frmEgyCalInput::ShowZnData() {
  auto filling = FillingControls();
  const size_t z = static_cast<size_t>(mCurZn);
  txtZnNam.SetText(mEgyModel.ZnName[z]);
  ShowNumber(txtNIZn, mEgyModel.ZnNIdent[z]);
  txtNRmIZ.SetText(common::DisplayTextInt(mEgyModel.ZnNRm[z]));
}

// ---- loading ----

void frmEgyCalInput::Form_Load() {
  auto filling = FillingControls();
  egy_.ConsFormMode = 0;
  txtNZn.SetText("");
  cboZNo.Clear();
  EmptyZnFields();
  mCurZn = 0;
  FillCodes(cboRmTyp, kRoomTypes);
  ClearRmControls();
  FillCodes(cboCompTyp, kFabricTypes);
  FillCodes(cboOrient, kOrientations);
  ClearFabCompControls();
  mEgyModel = egy_.EgyModel;
  mUnsaved = true;
  ownEci_.clear();
  ownAss_.clear();

  const std::string& projFile = prog_.building.Bldg.ProjFile;
  if (projFile.empty()) return;
  egy_.ConsFile = EnergyFileName(projFile, "CON");
  egy_.EciFile = EnergyFileName(projFile, "ECI");
  egy_.AssFile = EnergyFileName(projFile, "ASS");
  // The model is looked for in the project folder alone. A model the
  // window cannot read is not its own file: a save over it asks first.
  const std::string eci = common::ResolveProjectFile(egy_.EciFile, prog_.building.ProjDir);

  ConsLoadResult cons = ReadProjectConstructions(prog_);
  if (cons.outcome == ConsLoad::Failed) MsgBox(cons.message);
  if (cons.outcome != ConsLoad::Read) return;

  for (forms::CommandButton* b : {&cmdEntNZn, &cmdEntNRm, &cmdEntRmChar, &cmdEntComp}) b->SetFontBold(false);
  if (common::FindExisting(eci)) mnuFLoad_Click();
}

// ---- counts ----

void frmEgyCalInput::cmdEntNZn_Click() {
  // A count entered makes at least one zone.
  int n = TypedCount(txtNZn);
  if (n < 1 || !ZoneCountProblem(n).empty()) {
    MsgBox("No. of Zones outside range!");
    return;
  }
  cmdEntNZn.SetFontBold(false);
  mEgyModel.NoOfZn = static_cast<Integer>(n);
  FillNumbers(cboZNo, n);
  cboZNo.SetListIndex(0);
}

void frmEgyCalInput::cmdEntNRm_Click() { EnterZone(); }

bool frmEgyCalInput::EnterZone() {
  if (mCurZn < 1) return true;
  int n = TypedCount(txtNRmIZ);
  cmdEntNRm.SetFontBold(false);
  if (n < 1 || !RoomCountProblem(mEgyModel, mCurZn, n).empty()) {
    MsgBox("No. of Rooms outside range!");
    return false;
  }
  const size_t z = static_cast<size_t>(mCurZn);
  mEgyModel.ZnName[z] = txtZnNam.Text();
  StoreTyped(*this, txtNIZn, mEgyModel.ZnNIdent[z]);
  mEgyModel.ZnNRm[z] = static_cast<Integer>(n);
  bool taken = StoreFabCompData();
  StoreRmData();
  ClearFabCompControls();
  ClearRmControls();
  FillNumbers(cboRmNo, n);
  return taken;
}

void frmEgyCalInput::cmdEntRmChar_Click() {
  cmdEntRmChar.SetFontBold(false);
  if (mCurZn < 1 || mCurRm < 1) return;
  int n = TypedCount(txtNFabComp);
  if (n < 1 || !FabricCountProblem(mEgyModel, mCurZn, mCurRm, n).empty()) {
    MsgBox("No. of Fabric Components outside range!");
    return;
  }
  StoreRmData();
  StoreFabCompData();
  ClearFabCompControls();
  FillNumbers(cboFabComp, n);
}

void frmEgyCalInput::cmdEntComp_Click() { StoreFabCompData(); }

// ---- selections ----

void frmEgyCalInput::cboZNo_Click() {
  auto filling = FillingControls();  // a selection shows; only what the user changes is an edit
  if (mCurZn > 0) {
    StoreFabCompData();
    StoreRmData();
    ClearFabCompControls();
    ClearRmControls();
    StoreZnData();
  }
  mCurZn = cboZNo.ListIndex() + 1;
  if (mCurZn < 1) {
    EmptyZnFields();
    return;
  }
  ShowZnData();
  int rooms = mEgyModel.ZnNRm[static_cast<size_t>(mCurZn)];
  if (rooms >= 1 && RoomCountProblem(mEgyModel, mCurZn, rooms).empty()) cmdEntNRm_Click();
}

void frmEgyCalInput::cboRmNo_Click() {
  auto filling = FillingControls();  // a selection shows; only what the user changes is an edit
  if (mCurZn >= 1 && mCurRm >= 1) {
    StoreFabCompData();
    StoreRmData();
    ClearFabCompControls();
  }
  mCurRm = cboRmNo.ListIndex() + 1;
  if (mCurZn < 1 || mCurRm < 1) {
    ClearRmControls();
    return;
  }
  const size_t z = static_cast<size_t>(mCurZn), r = static_cast<size_t>(mCurRm);
  const auto& m = mEgyModel;
  txtRmNam.SetText(m.RmName[z][r]);
  ShowCode(cboRmTyp, m.RmType[z][r]);
  ShowNumber(txtNIdRm, m.RmNIdent[z][r]);
  ShowNumber(txtRmArea, m.RmArea[z][r]);
  ShowNumber(txtRmHgt, m.RmHgt[z][r]);
  ShowNumber(txtNOcc, m.RmNOcc[z][r]);
  ShowNumber(txtVent, m.RmVent[z][r]);
  ShowNumber(txtTemp, m.RmTemp[z][r]);
  ShowNumber(txtRH, m.RmRH[z][r]);
  ShowNumber(txtLgtW, m.RmLgtW[z][r]);
  ShowNumber(txtEqpW, m.RmEqpW[z][r]);
  txtNFabComp.SetText(common::DisplayTextInt(m.RmNFab[z][r]));
  int fabs = m.RmNFab[z][r];
  if (fabs >= 1 && FabricCountProblem(m, mCurZn, mCurRm, fabs).empty()) cmdEntRmChar_Click();
}

void frmEgyCalInput::cboFabComp_Click() {
  auto filling = FillingControls();  // a selection shows; only what the user changes is an edit
  if (mCurZn < 1 || mCurRm < 1) return;
  if (mCurFab > 0) StoreFabCompData();
  mCurFab = cboFabComp.ListIndex() + 1;
  if (mCurFab < 1) return;
  const size_t z = static_cast<size_t>(mCurZn), r = static_cast<size_t>(mCurRm), c = static_cast<size_t>(mCurFab);
  const auto& m = mEgyModel;
  txtCompL.SetText(m.FabName[z][r][c]);
  ShowNumber(txtCompA, m.FabArea[z][r][c]);
  // The type first: choosing a roof or floor sets the orientation, and
  // the stored orientation must be what shows.
  ShowCode(cboCompTyp, m.FabType[z][r][c]);
  int cons = m.FabCons[z][r][c];
  txtCompC[0].SetText(common::DisplayTextInt(cons));
  txtCompC[1].SetText(ConstructionName(cons));
  ShowCode(cboOrient, m.FabOrient[z][r][c]);
  txtShMask.SetText(egy_.FabShMask[z][r][c]);
}

void frmEgyCalInput::cboCompTyp_Click() {
  Edited();
  int type = cboCompTyp.ListIndex();
  if (type == kRoof || type == kFloorCeiling) cboOrient.SetListIndex(kHorizontal);
}

}  // namespace energy_input
