#include "energy_input/frm_sel_cons.h"

#include <string>

#include "common/item_lists.h"
#include "common/number_text.h"
#include "energy_input/construction_references.h"
#include "energy_input/construction_saving.h"
#include "energy_input/energy_file_names.h"
#include "energy_input/project_constructions.h"
#include "forms/control_array.h"
#include "forms/typed_input.h"

namespace energy_input {

using common::Integer;
using common::kMaxConstructions;
using common::kMaxLayers;

namespace {

constexpr const char* kPrompt = "Click on Name of Construction to Select";
constexpr const char* kTooManyLayers = "The number of layers cannot exceed 20.";

std::string LayerText(const common::ConstructionTables& t, size_t k, size_t j) {
  return t.LayMatName[k][j] + "; Thk. " + common::DisplayText(t.LayThk[k][j]) + "(m)";
}

}  // namespace

frmSelCons::frmSelCons(common::Program& prog, forms::Platform& platform, std::function<forms::Form&()> frmMatLib)
    : Form(platform, "frmSelCons"),
      lblCons(*this, "lblCons"),
      lblNCons(*this, "lblNCons"),
      lblConsNam(*this, "lblConsNam"),
      lblElmIC(*this, "lblElmIC"),
      lblDefine(*this, "lblDefine"),
      lblNElmInC(*this, "lblNElmInC"),
      lblElmNo(*this, "lblElmNo"),
      lblMat(*this, "lblMat"),
      lblMatThk(*this, "lblMatThk"),
      lblProp(forms::MakeControlArray<forms::Label, 3>(*this, "lblProp")),
      lblAbsorpOut(*this, "lblAbsorpOut"),
      lblAbsorpIn(*this, "lblAbsorpIn"),
      lstCons(*this, "lstCons"),
      lstElmIC(*this, "lstElmIC"),
      txtNCons(*this, "txtNCons"),
      txtConsNam(*this, "txtConsNam"),
      txtNElmInC(*this, "txtNElmInC"),
      txtMatNo(*this, "txtMatNo"),
      txtMatNam(*this, "txtMatNam"),
      txtMatThk(*this, "txtMatThk"),
      txtProp(forms::MakeControlArray<forms::TextBox, 3>(*this, "txtProp")),
      txtAbs(forms::MakeControlArray<forms::TextBox, 2>(*this, "txtAbs")),
      OptWall(*this, "OptWall"),
      OptWindow(*this, "OptWindow"),
      cboElmNo(*this, "cboElmNo"),
      cmdEntNo(*this, "cmdEntNo"),
      cmdAddLay(*this, "cmdAddLay"),
      cmdDelLay(*this, "cmdDelLay"),
      cmdSelMat(*this, "cmdSelMat"),
      cmdAdd(*this, "cmdAdd"),
      cmdChg(*this, "cmdChg"),
      cmdDel(*this, "cmdDel"),
      cmdClr(*this, "cmdClr"),
      cmdOkay(*this, "cmdOkay"),
      mnuF(*this, nullptr, "mnuF", "File"),
      mnuFSaveAll(*this, &mnuF, "mnuFSaveAll", "Save Constructions"),
      mnuExit(*this, &mnuF, "mnuExit", "Exit"),
      prog_(prog),
      egy_(prog.energyInput),
      frmMatLib_(std::move(frmMatLib)) {
  Layout();
  lstCons.OnClick = [this] { lstCons_Click(); };
  cboElmNo.OnClick = [this] { cboElmNo_Click(); };
  cmdEntNo.OnClick = [this] { cmdEntNo_Click(); };
  cmdAddLay.OnClick = [this] { cmdAddLay_Click(); };
  cmdDelLay.OnClick = [this] { cmdDelLay_Click(); };
  cmdSelMat.OnClick = [this] { cmdSelMat_Click(); };
  cmdAdd.OnClick = [this] { cmdAdd_Click(); };
  cmdChg.OnClick = [this] { cmdChg_Click(); };
  cmdDel.OnClick = [this] { cmdDel_Click(); };
  cmdClr.OnClick = [this] { cmdClr_Click(); };
  cmdOkay.OnClick = [this] { cmdOkay_Click(); };
  mnuFSaveAll.OnClick = [this] { mnuFSaveAll_Click(); };
  mnuExit.OnClick = [this] { mnuExit_Click(); };
  OptWall.OnClick = [this] { OptWall_Click(); };
  OptWindow.OnClick = [this] { OptWindow_Click(); };
  txtConsNam.OnChange = [this] { DropLineBreaks(txtConsNam); };
  txtMatNam.OnChange = [this] { DropLineBreaks(txtMatNam); };
  txtMatNo.OnChange = [this] { txtMatNo_Change(); };
}

void frmSelCons::Layout() {
  SetClientSize(10320, 6360);
  lblCons.SetCaption("List of Constructions defined");
  lblCons.Move(120, 120, 5295, 255);
  lstCons.Move(120, 390, 5295, 2535);
  lblNCons.SetCaption("No of Constructions defined");
  lblNCons.Move(120, 3030, 2415, 255);
  txtNCons.Move(2640, 3000, 1095, 285);
  txtNCons.SetLocked(true);
  lblElmIC.SetCaption("Elements in Selected Construction");
  lblElmIC.Move(120, 3480, 5295, 255);
  lstElmIC.Move(120, 3750, 5295, 2445);

  lblConsNam.Move(5640, 120, 4455, 255);
  txtConsNam.Move(5640, 390, 4455, 285);
  lblDefine.SetCaption("Define/Edit Construction");
  lblDefine.Move(5640, 840, 4455, 255);
  lblDefine.SetFontBold(true);
  OptWall.SetCaption("Wall / Roof / Floor");
  OptWall.Move(5640, 1140, 2055, 255);
  OptWindow.SetCaption("Window / Sky Light");
  OptWindow.Move(7800, 1140, 2055, 255);
  lblNElmInC.SetCaption("No. of Layers");
  lblNElmInC.Move(5640, 1560, 1215, 255);
  txtNElmInC.Move(6900, 1530, 615, 285);
  cmdEntNo.SetCaption("Enter");
  cmdEntNo.Move(7620, 1500, 735, 345);
  lblElmNo.SetCaption("Layer No.");
  lblElmNo.Move(5640, 2010, 1215, 255);
  cboElmNo.Move(6900, 1980, 735, 315);
  cboElmNo.SetStyle(forms::ComboStyle::DropDownList);
  cmdAddLay.SetCaption("Add");
  cmdAddLay.Move(7740, 1965, 615, 345);
  cmdDelLay.SetCaption("Del");
  cmdDelLay.Move(8460, 1965, 615, 345);
  lblMat.SetCaption("Material");
  lblMat.Move(5640, 2460, 855, 255);
  txtMatNo.Move(6540, 2430, 615, 285);
  txtMatNam.Move(7260, 2430, 2055, 285);
  cmdSelMat.SetCaption("Select");
  cmdSelMat.Move(9360, 2400, 735, 345);
  lblMatThk.SetCaption("Thickness (m)");
  lblMatThk.Move(5640, 2910, 1215, 255);
  txtMatThk.Move(6900, 2880, 1095, 285);
  const char* propCaption[] = {"Den. (kg/m3)", "k (W/mK)", "Cp (J/kgK)"};
  for (size_t p = 0; p < 3; ++p) {
    int left = 5640 + 1500 * static_cast<int>(p);
    lblProp[p].SetCaption(propCaption[p]);
    lblProp[p].Move(left, 3300, 1335, 255);
    txtProp[p].Move(left, 3555, 1335, 285);
  }
  lblAbsorpOut.SetCaption("Absorp. (Out)");
  lblAbsorpOut.Move(5640, 3990, 1335, 255);
  lblAbsorpIn.SetCaption("Absorp. (In)");
  lblAbsorpIn.Move(7140, 3990, 1335, 255);
  txtAbs[0].Move(5640, 4245, 1335, 285);
  txtAbs[1].Move(7140, 4245, 1335, 285);
  cmdAdd.SetCaption("Add as New Construction");
  cmdAdd.Move(5640, 4800, 2175, 375);
  cmdChg.SetCaption("Record Changes");
  cmdChg.Move(7920, 4800, 2175, 375);
  cmdDel.SetCaption("Delete Construction");
  cmdDel.Move(5640, 5280, 2175, 375);
  cmdClr.SetCaption("Clear Data");
  cmdClr.Move(7920, 5280, 2175, 375);
  cmdOkay.SetCaption("Select");
  cmdOkay.Move(7920, 5760, 2175, 375);
}

// ---- loading ----

void frmSelCons::Form_Load() {
  curLay_ = 0;
  for (forms::TextBox* box : {&txtConsNam, &txtNElmInC, &txtMatNo, &txtMatNam, &txtMatThk, &txtAbs[0], &txtAbs[1],
                              &txtProp[0], &txtProp[1], &txtProp[2]})
    box->SetText("");
  // An empty buffer opens as a wall; a buffer handed over keeps its kind,
  // which its first layer shows below.
  const common::Integer kind = egy_.CurConsType;
  OptWall.SetValue(true);
  egy_.CurConsType = egy_.CurNLay > 0 ? kind : common::Integer{0};
  cboElmNo.Clear();
  cmdChg.SetEnabled(false);
  cmdAdd.SetEnabled(false);
  cmdDel.SetEnabled(false);

  editMode_ = egy_.ConsFormMode == 1;
  SetCaption(editMode_ ? "Save/Edit Construction" : "Select Construction");
  mnuF.SetEnabled(editMode_);
  cmdOkay.SetVisible(!editMode_);
  lblConsNam.SetCaption(editMode_ ? "Enter Name for Construction" : "Name of Selected Construction");

  lstElmIC.Clear();
  lstCons.Clear();
  lstCons.AddItem(kPrompt);
  txtNCons.SetText("0");
  deleted_.clear();
  savedTables_ = egy_.cons;

  const std::string& projFile = prog_.building.Bldg.ProjFile;
  if (projFile.empty()) return;
  egy_.ConsFile = EnergyFileName(projFile, "CON");
  ConsLoadResult read = ReadProjectConstructions(prog_);
  if (read.outcome == ConsLoad::Failed) MsgBox(read.message);
  if (read.outcome == ConsLoad::Read) {
    const auto& t = egy_.cons;
    for (int c = 1; c <= t.NoOfCons; ++c) lstCons.AddItem(t.ConsName[static_cast<size_t>(c)]);
  }
  txtNCons.SetText(std::to_string(lstCons.ListCount() - 1));
  curLay_ = 0;
  savedTables_ = egy_.cons;

  if (editMode_ && egy_.CurNLay > 0) {
    txtNElmInC.SetText(std::to_string(egy_.CurNLay));
    cmdEntNo_Click();
  } else if (!editMode_ && prog_.building.SelItemNo > 0 && prog_.building.SelItemNo < lstCons.ListCount()) {
    // A number beyond the listed constructions has no row to select.
    lstCons.SetListIndex(prog_.building.SelItemNo);
  }
}

// ---- layers of the edit buffer ----

void frmSelCons::ShowLayData() {
  if (curLay_ < 1 || curLay_ > kMaxLayers) return;
  const size_t L = static_cast<size_t>(curLay_);
  const int no = egy_.CurLayMatNo[L];
  txtMatNo.SetText(std::to_string(no));
  if (egy_.CurConsType >= 1) {
    OptWindow.SetValue(true);
  } else {
    OptWall.SetValue(true);
  }
  // A layer of material 0 (or below) is an air gap; from 100 on the name
  // stored with the layer stands; below it the library's current name.
  txtMatNam.SetText(no >= 100 ? egy_.CurLayMatName[L] : MaterialName(no));
  ShowNumber(txtMatThk, egy_.CurLayThk[L]);
  ShowNumber(txtAbs[0], egy_.CurSurf[0]);
  ShowNumber(txtAbs[1], egy_.CurSurf[1]);
  for (size_t p = 0; p < 3; ++p) ShowNumber(txtProp[p], egy_.CurLayProp[p][L]);
}

std::string frmSelCons::MaterialName(int no) const {
  if (no <= 0) return "Air Gap";
  const int row = common::MaterialRow(prog_.assess.mat, no);
  return row > 0 ? prog_.assess.mat.MatName[static_cast<size_t>(row)] : "";
}

// A material number typed into the layer brings its own name: the name of
// the material the layer held before never stays beside it. A number the
// material table does not hold leaves the name empty, to be typed.
void frmSelCons::txtMatNo_Change() {
  auto no = forms::TypedInteger(txtMatNo.Text());
  txtMatNam.SetText(no ? MaterialName(*no) : "");
}

void frmSelCons::StoreLayData() {
  if (curLay_ < 1 || curLay_ > kMaxLayers) return;
  const size_t L = static_cast<size_t>(curLay_);
  egy_.CurConsType = OptWindow.Value() ? 1 : 0;
  if (auto no = forms::TypedInteger(txtMatNo.Text())) egy_.CurLayMatNo[L] = *no;
  egy_.CurLayMatName[L] = txtMatNam.Text();
  StoreTyped(*this, txtMatThk, egy_.CurLayThk[L]);
  // The surface values belong to the construction: every layer stores them.
  StoreTyped(*this, txtAbs[0], egy_.CurSurf[0]);
  StoreTyped(*this, txtAbs[1], egy_.CurSurf[1]);
  for (size_t p = 0; p < 3; ++p) StoreTyped(*this, txtProp[p], egy_.CurLayProp[p][L]);
}

void frmSelCons::ClearConsBuffer() {
  egy_.CurConsType = 0;
  OptWall.SetValue(true);
  egy_.CurNLay = 0;
  egy_.CurSurf = {};
  for (size_t j = 1; j <= kMaxLayers; ++j) {
    egy_.CurLayMatNo[j] = 0;
    egy_.CurLayMatName[j].clear();
    egy_.CurLayThk[j] = 0;
    for (auto& prop : egy_.CurLayProp) prop[j] = 0;
  }
  mUnsaved = true;
}

void frmSelCons::EmptyLayerBoxes() {
  for (forms::TextBox* box : {&txtMatNo, &txtMatNam, &txtMatThk, &txtProp[0], &txtProp[1], &txtProp[2]})
    box->SetText("");
}

void frmSelCons::cboElmNo_Click() {
  StoreLayData();
  int layer = cboElmNo.ListIndex() + 1;
  if (layer >= 1) {
    curLay_ = layer;
    ShowLayData();
  }
}

void frmSelCons::cmdEntNo_Click() {
  auto n = forms::TypedInteger(txtNElmInC.Text());
  if (n && *n < 1) return;
  if (!n || *n > kMaxLayers) {
    MsgBox(kTooManyLayers);
    return;
  }
  egy_.CurNLay = *n;
  cboElmNo.Clear();
  for (int i = 1; i <= *n; ++i) cboElmNo.AddItem(std::to_string(i));
  cboElmNo.SetListIndex(0);
  // Nothing is saved from select mode: a construction added there could be
  // chosen but never kept.
  cmdAdd.SetEnabled(editMode_);
}

void frmSelCons::cmdAddLay_Click() {
  StoreLayData();
  const int s = cboElmNo.ListIndex() + 1;
  const int n = cboElmNo.ListCount();
  if (n >= kMaxLayers) {
    MsgBox("No. of layers already the maximum allowable.");
    return;
  }
  auto& e = egy_;
  bool opened = s >= 1 ? common::InsertItemAfter(s, n, e.CurLayMatNo, e.CurLayMatName, e.CurLayThk, e.CurLayProp[0],
                                                 e.CurLayProp[1], e.CurLayProp[2])
                       : common::InsertFirstItem(n, e.CurLayMatNo, e.CurLayMatName, e.CurLayThk, e.CurLayProp[0],
                                                 e.CurLayProp[1], e.CurLayProp[2]);
  if (!opened) return;
  e.CurNLay = static_cast<Integer>(n + 1);
  txtNElmInC.SetText(std::to_string(n + 1));
  EmptyLayerBoxes();
  cboElmNo.AddItem(std::to_string(n + 1));
  // Selecting the new layer stores the emptied boxes into it and shows it.
  curLay_ = s + 1;
  cboElmNo.SetListIndex(s);
}

void frmSelCons::cmdDelLay_Click() {
  const int s = cboElmNo.ListIndex() + 1;
  if (s < 1) return;
  if (MsgBox("Delete the selected layer?", forms::MsgButtons::OKCancel) != forms::MsgResult::OK) return;
  const int n = cboElmNo.ListCount();
  auto& e = egy_;
  if (!common::RemoveItem(s, n, e.CurLayMatNo, e.CurLayMatName, e.CurLayThk, e.CurLayProp[0], e.CurLayProp[1],
                          e.CurLayProp[2]))
    return;
  e.CurNLay = static_cast<Integer>(n - 1);
  txtNElmInC.SetText(std::to_string(n - 1));
  EmptyLayerBoxes();
  curLay_ = 0;
  cboElmNo.Clear();
  for (int i = 1; i < n; ++i) cboElmNo.AddItem(std::to_string(i));
}

void frmSelCons::cmdSelMat_Click() {
  auto& bldg = prog_.building;
  bldg.SelItemNo = -1;
  if (frmMatLib_) frmMatLib_().Show(true);
  const int no = bldg.SelItemNo;
  const auto& mat = prog_.assess.mat;
  const int row = no < 1 ? -1 : common::MaterialRow(mat, no);
  if (row < 0) return;
  const size_t r = static_cast<size_t>(row);
  txtMatNo.SetText(std::to_string(no));
  txtMatNam.SetText(mat.MatName[r]);
  for (size_t p = 0; p < 3; ++p) ShowNumber(txtProp[p], mat.MatProp[r][p]);
}

// ---- constructions ----

void frmSelCons::Describe(int k) {
  const auto& t = egy_.cons;
  const size_t c = static_cast<size_t>(k);
  const int n = t.ConsNLay[c] < 0 ? 0 : (t.ConsNLay[c] > kMaxLayers ? kMaxLayers : t.ConsNLay[c]);
  const size_t last = static_cast<size_t>(n);
  lstElmIC.AddItem(LayerText(t, c, 1) + "; Abs. Out " + common::DisplayText(t.ConsSurf[0][c]));
  for (size_t j = 2; j + 1 <= last; ++j) lstElmIC.AddItem(LayerText(t, c, j));
  if (t.ConsType[c] >= 1) {
    if (n > 1) lstElmIC.AddItem(LayerText(t, c, last));
    lstElmIC.AddItem("Shading Coefficient " + common::DisplayText(t.ConsSurf[1][c]));
  } else {
    lstElmIC.AddItem(LayerText(t, c, last) + "; Abs. In " + common::DisplayText(t.ConsSurf[1][c]));
  }
}

void frmSelCons::lstCons_Click() {
  const int k = lstCons.ListIndex();
  if (k < 1 || k > kMaxConstructions) return;
  const size_t c = static_cast<size_t>(k);
  auto& e = egy_;
  const auto& t = e.cons;
  if (editMode_) {
    // A construction is loaded only into an empty buffer.
    if (e.CurNLay > 0) return;
    lstElmIC.Clear();
    mSelCons = k;
    txtConsNam.SetText(lstCons.List(k));
    e.CurConsType = t.ConsType[c];
    e.CurNLay = t.ConsNLay[c];
    e.CurSurf = {t.ConsSurf[0][c], t.ConsSurf[1][c]};
    for (int j = 1; j <= t.ConsNLay[c] && j <= kMaxLayers; ++j) {
      const size_t l = static_cast<size_t>(j);
      e.CurLayMatNo[l] = t.LayMatNo[c][l];
      e.CurLayMatName[l] = t.LayMatName[c][l];
      e.CurLayThk[l] = t.LayThk[c][l];
      for (size_t p = 0; p < 3; ++p) e.CurLayProp[p][l] = t.LayProp[p][c][l];
    }
  } else {
    txtConsNam.SetText(lstCons.List(k));
    lstElmIC.Clear();
  }
  Describe(k);
  if (!editMode_) return;
  lstElmIC.AddItem("");
  lstElmIC.AddItem("Click Clear Data Button before selecting another construction");
  lstElmIC.AddItem("to view or edit. Any changes made should be saved as a New");
  lstElmIC.AddItem("construction or Changes to the selected construction.");
  curLay_ = 0;
  txtNElmInC.SetText(std::to_string(e.CurNLay));
  cmdEntNo_Click();
  cmdChg.SetEnabled(true);
  cmdDel.SetEnabled(true);
}

void frmSelCons::StoreBufferAs(int c, int lastLayer) {
  auto& e = egy_;
  auto& t = e.cons;
  const size_t k = static_cast<size_t>(c);
  t.ConsType[k] = e.CurConsType;
  t.ConsNLay[k] = e.CurNLay;
  t.ConsSurf[0][k] = e.CurSurf[0];
  t.ConsSurf[1][k] = e.CurSurf[1];
  for (int j = 1; j <= lastLayer; ++j) {
    const size_t l = static_cast<size_t>(j);
    t.LayMatNo[k][l] = e.CurLayMatNo[l];
    t.LayMatName[k][l] = e.CurLayMatName[l];
    t.LayThk[k][l] = e.CurLayThk[l];
    for (size_t p = 0; p < 3; ++p) t.LayProp[p][k][l] = e.CurLayProp[p][l];
  }
}

void frmSelCons::ListedCountChanged() {
  egy_.cons.NoOfCons = static_cast<Integer>(lstCons.ListCount() - 1);
  txtNCons.SetText(std::to_string(lstCons.ListCount() - 1));
}

void frmSelCons::cmdAdd_Click() {
  if (!editMode_ || egy_.CurNLay < 1) return;
  if (egy_.CurNLay > kMaxLayers) {
    MsgBox(kTooManyLayers);
    return;
  }
  StoreLayData();
  // A layer without thickness (one entered in the count and never filled,
  // say) is no layer of the construction: it is refused by name, and the
  // buffer stays for the correction.
  for (int j = 1; j <= egy_.CurNLay; ++j) {
    const common::Single thk = egy_.CurLayThk[static_cast<size_t>(j)];
    if (!(thk > 0)) {
      MsgBox("Layer " + std::to_string(j) + " has a thickness of " + common::DisplayText(thk) +
             " m: enter its thickness, or delete the layer. The construction is not added.");
      return;
    }
  }
  const int c = lstCons.ListCount();
  if (c > kMaxConstructions) {
    MsgBox("No more than 50 constructions can be defined; the construction is not added.");
    return;
  }
  egy_.cons.ConsName[static_cast<size_t>(c)] = txtConsNam.Text();
  StoreBufferAs(c, egy_.CurNLay);
  lstCons.AddItem(txtConsNam.Text());
  ListedCountChanged();
  cmdClr_Click();
}

void frmSelCons::cmdChg_Click() {
  const int k = mSelCons;
  if (k < 1 || k >= lstCons.ListCount()) return;
  if (egy_.CurNLay < 0 || egy_.CurNLay > kMaxLayers) {
    MsgBox(kTooManyLayers);
    return;
  }
  egy_.cons.ConsName[static_cast<size_t>(k)] = txtConsNam.Text();
  lstCons.SetList(k, txtConsNam.Text());
  StoreLayData();
  StoreBufferAs(k, kMaxLayers);
  ListedCountChanged();
  cmdClr_Click();
}

void frmSelCons::cmdDel_Click() {
  const int k = mSelCons;
  if (k < 1 || k >= lstCons.ListCount()) return;
  if (MsgBox("This may affect reference to Constructions in Room Input. Go ahead ?", forms::MsgButtons::OKCancel) !=
      forms::MsgResult::OK)
    return;
  const int n = lstCons.ListCount() - 1;
  const std::string name = lstCons.List(k);
  auto& t = egy_.cons;
  common::RemoveItem(k, n, t.ConsName, t.ConsType, t.ConsNLay, t.ConsSurf[0], t.ConsSurf[1], t.LayMatNo, t.LayMatName,
                     t.LayThk, t.LayProp[0], t.LayProp[1], t.LayProp[2]);
  for (int i = k; i < n; ++i) lstCons.SetList(i, lstCons.List(i + 1));
  lstCons.RemoveItem(n);
  ListedCountChanged();
  cmdClr_Click();
  TellLostComponents(k, name);
  deleted_.push_back(k);
}

void frmSelCons::TellLostComponents(int deleted, const std::string& name) {
  // The model the user sees: an open energy modelling input's own copy,
  // else the project's model; the deletions not yet saved come first.
  const common::EnergyModel* open = OpenEnergyModel ? OpenEnergyModel() : nullptr;
  common::EnergyModel seen = open ? *open : ProjectModel(prog_);
  RenumberAfterDeletes(seen, deleted_);
  std::string message = LostConstructionMessage(deleted, name, RenumberAfterDeletes(seen, {deleted}));
  if (!message.empty()) MsgBox(message);
}

void frmSelCons::cmdClr_Click() {
  curLay_ = 0;
  txtConsNam.SetText("");
  OptWall.SetValue(true);
  txtNElmInC.SetText("");
  cboElmNo.Clear();
  EmptyLayerBoxes();
  txtAbs[0].SetText("");
  txtAbs[1].SetText("");
  lstElmIC.Clear();
  lstCons.SetListIndex(0);
  ClearConsBuffer();
  // The construction loaded is no longer in the buffer: Record Changes and
  // Delete would act on a construction the user no longer sees.
  mSelCons = 0;
  cmdChg.SetEnabled(false);
  cmdDel.SetEnabled(false);
}

void frmSelCons::cmdOkay_Click() {
  auto& bldg = prog_.building;
  const int k = lstCons.ListIndex();
  if (k >= 1) {
    bldg.SelItemNo = static_cast<Integer>(k);
    bldg.SelItemName = lstCons.List(k);
  } else {
    bldg.SelItemNo = 0;
    bldg.SelItemName.clear();
  }
  Unload();
}

void frmSelCons::mnuFSaveAll_Click() { SaveConstructions(); }

bool frmSelCons::SaveConstructions() {
  if (egy_.ConsFile.empty()) {
    MsgBox("Open a project file first!!");
    return false;
  }
  std::string failure = WriteConstructionsAndReferences(prog_, deleted_);
  if (!failure.empty()) {
    MsgBox(failure);
    return false;
  }
  // The files follow the deletions; so do the models in memory.
  if (!deleted_.empty()) {
    RenumberAfterDeletes(egy_.EgyModel, deleted_);
    if (OnConstructionsDeleted) OnConstructionsDeleted(deleted_);
    deleted_.clear();
  }
  savedTables_ = egy_.cons;
  mUnsaved = false;
  return true;
}

void frmSelCons::mnuExit_Click() {
  if (mUnsaved && !SaveBeforeClosing("Save data first?", [this] { return SaveConstructions(); })) return;
  ClearConsBuffer();
  Unload();
}

void frmSelCons::Form_Unload(int& cancel) {
  (void)cancel;
  // What was not saved is dropped: the deletions with the rest, so the
  // tables stay in step with the construction numbers that refer to them.
  egy_.cons = savedTables_;
  deleted_.clear();
}

// The kind chosen is the construction's at once, not only at the next store
// of a layer: showing a layer (Enter shows the first) then shows the kind
// the user chose instead of putting back the one the buffer held.
void frmSelCons::OptWall_Click() {
  lblAbsorpIn.SetCaption("Absorp. (In)");
  egy_.CurConsType = 0;
}

void frmSelCons::OptWindow_Click() {
  lblAbsorpIn.SetCaption("Window SC");
  if (egy_.CurConsType < 1) egy_.CurConsType = 1;
}

}  // namespace energy_input
