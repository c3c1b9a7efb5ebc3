#include "energy_input/frm_si_zn.h"

#include <string>

#include "energy_input/energy_codes.h"
#include "energy_input/frm_code_lists.h"
#include "forms/control_array.h"
#include "forms/typed_input.h"

namespace energy_input {

using common::Integer;

namespace {

constexpr const char* kZoneCaption[3] = {"Design Sensible Cooling Load of the Zone (kW)",
                                         "Design Total Cooling Load of the Zone (kW)",
                                         "Design Supply Air Flow Rate for the Zone (cu.m/s)"};
constexpr const char* kRoomCaption[3] = {"Design Sensible Cooling Load of the Room (kW)",
                                         "Design Total Cooling Load of the Room (kW)",
                                         "Design Supply Air Flow Rate for the Room (cu.m/s)"};
constexpr const char* kFanCaption[3] = {"Design Supply Air Fan Pressure (Pa)", "Design Supply Air Fan Power (kW)",
                                        "Design Chilled Water Flow Rate (kg/s)"};

}  // namespace

frmSIZn::frmSIZn(common::Program& prog, forms::Platform& platform)
    : Form(platform, "frmSIZn"),
      lblZnNam(*this, "lblZnNam"),
      Label1(*this, "Label1"),
      Label2(*this, "Label2"),
      Label4(*this, "Label4"),
      Label5(*this, "Label5"),
      Label6(*this, "Label6"),
      Label7(*this, "Label7"),
      Label8(*this, "Label8"),
      Label9(*this, "Label9"),
      cboASTyp(*this, "cboASTyp"),
      cboFATyp(*this, "cboFATyp"),
      cboZnRm(*this, "cboZnRm"),
      txtRmNam(*this, "txtRmNam"),
      Label3(forms::MakeControlArray<forms::Label, 6>(*this, "Label3")),
      txtZnRmD(forms::MakeControlArray<forms::TextBox, 6>(*this, "txtZnRmD")),
      cmdPrZn(*this, "cmdPrZn"),
      cmdNxZn(*this, "cmdNxZn"),
      cmdPrRm(*this, "cmdPrRm"),
      cmdNxRm(*this, "cmdNxRm"),
      cmdSaQ(*this, "cmdSaQ"),
      mnuF(*this, nullptr, "mnuF", "File"),
      mnuFSave(*this, &mnuF, "mnuFSave", "Save Data"),
      mnuFExit(*this, &mnuF, "mnuFExit", "Exit"),
      egy_(prog.energyInput) {
  Layout();
  cboZnRm.OnClick = [this] { cboZnRm_Click(); };
  cboASTyp.OnClick = [this] { cboASTyp_Click(); };
  cboFATyp.OnClick = [this] { cboFATyp_Click(); };
  cmdNxRm.OnClick = [this] { cmdNxRm_Click(); };
  cmdPrRm.OnClick = [this] { cmdPrRm_Click(); };
  cmdNxZn.OnClick = [this] { cmdNxZn_Click(); };
  cmdPrZn.OnClick = [this] { cmdPrZn_Click(); };
  mnuFSave.OnClick = [this] { mnuFSave_Click(); };
  mnuFExit.OnClick = [this] { mnuFExit_Click(); };
  cmdSaQ.OnClick = [this] { cmdSaQ_Click(); };
}

void frmSIZn::Layout() {
  SetCaption("Air Side Air Conditioning System in Selected Zone");
  SetClientSize(8430, 5520);
  lblZnNam.Move(1080, 240, 6255, 255);
  lblZnNam.SetFontBold(true);
  Label1.SetCaption("Type of Air-conditioning System");
  Label1.Move(840, 840, 3015, 255);
  cboASTyp.Move(3960, 840, 3735, 315);
  Label2.SetCaption("Type of Fresh Air Supply System");
  Label2.Move(840, 1200, 3015, 255);
  cboFATyp.Move(3960, 1200, 3735, 315);
  Label4.SetCaption("Select Zone/Room");
  Label4.Move(840, 1560, 3015, 255);
  cboZnRm.Move(3960, 1560, 1215, 315);
  // Each list's choice is a code or a place: typing could only unset it.
  for (forms::ComboBox* c : {&cboASTyp, &cboFATyp, &cboZnRm}) c->SetStyle(forms::ComboStyle::DropDownList);
  Label5.SetCaption("Name");
  Label5.Move(5280, 1560, 555, 255);
  txtRmNam.Move(5880, 1560, 1815, 285);
  txtRmNam.SetLocked(true);
  for (size_t i = 0; i < 6; ++i) {
    int top = 2280 + 360 * static_cast<int>(i);
    Label3[i].Move(1200, top, 3615, 255);
    txtZnRmD[i].Move(4920, top, 1575, 285);
  }
  cmdPrRm.SetCaption("<");
  cmdPrRm.Move(6720, 2520, 375, 315);
  Label9.SetCaption("Last Room");
  Label9.Move(7200, 2550, 1095, 255);
  cmdNxRm.SetCaption(">");
  cmdNxRm.Move(6720, 2880, 375, 315);
  Label8.SetCaption("Next Room");
  Label8.Move(7200, 2910, 1095, 255);
  cmdPrZn.SetCaption("<");
  cmdPrZn.Move(6720, 3480, 375, 315);
  Label7.SetCaption("Last Zone");
  Label7.Move(7200, 3510, 1095, 255);
  cmdNxZn.SetCaption(">");
  cmdNxZn.Move(6720, 3840, 375, 315);
  Label6.SetCaption("Next Zone");
  Label6.Move(7200, 3870, 1095, 255);
  cmdSaQ.SetCaption("Save and Exit");
  cmdSaQ.Move(3240, 4800, 1935, 375);
}

int frmSIZn::RoomCount() const {
  int n = egy_.EgyModel.ZnNRm[static_cast<size_t>(mCurZn)];
  return n < 0 ? 0 : (n > common::kMaxRooms ? common::kMaxRooms : n);
}

void frmSIZn::Form_Load() { LoadZone(); }

void frmSIZn::LoadZone() {
  asSys_ = egy_.ASSys;
  const int z = egy_.SIZnCurZn;
  mCurZn = z >= 0 && z <= common::kMaxZones ? z : 0;
  const auto& model = egy_.EgyModel;
  lblZnNam.SetCaption("Zone Name: " + model.ZnName[static_cast<size_t>(mCurZn)]);
  FillCodes(cboASTyp, kAirSideTypes);
  FillCodes(cboFATyp, kFreshAirTypes);
  cboZnRm.Clear();
  cboZnRm.AddItem("Zone");
  for (int i = 1; i <= RoomCount(); ++i) cboZnRm.AddItem("Rm No " + std::to_string(i));
  curRow_ = -1;
  txtRmNam.SetText("");
  for (size_t i = 3; i < 6; ++i) Label3[i].SetCaption(kFanCaption[i - 3]);
  for (size_t i = 0; i < 6; ++i) {
    Label3[i].SetVisible(false);
    txtZnRmD[i].SetVisible(false);
  }
  const size_t zi = static_cast<size_t>(mCurZn);
  int as = asSys_.ASTyp[zi], fa = asSys_.FATyp[zi];
  cboASTyp.SetListIndex(as >= 0 && as < cboASTyp.ListCount() ? as : -1);
  cboFATyp.SetListIndex(fa >= 0 && fa < cboFATyp.ListCount() ? fa : -1);
  if (egy_.SIZnCurZn > 0) cboZnRm.SetListIndex(0);
  changed_ = false;
}

void frmSIZn::StoreZnRmData() {
  const size_t z = static_cast<size_t>(mCurZn);
  asSys_.ASTyp[z] = CodeOf(cboASTyp);
  asSys_.FATyp[z] = CodeOf(cboFATyp);
  if (curRow_ < 0) return;
  const size_t r = static_cast<size_t>(curRow_);
  StoreTyped(*this, txtZnRmD[0], asSys_.DsgSensLd[0][z][r]);
  StoreTyped(*this, txtZnRmD[1], asSys_.DsgTotLd[0][z][r]);
  StoreTyped(*this, txtZnRmD[2], asSys_.DsgSAFlow[0][z][r]);
  if (curRow_ > 0) return;
  StoreTyped(*this, txtZnRmD[3], asSys_.DsgFanPres[0][z]);
  StoreTyped(*this, txtZnRmD[4], asSys_.DsgFanPwr[0][z]);
  StoreTyped(*this, txtZnRmD[5], asSys_.DsgCHWFlow[0][z]);
}

void frmSIZn::cboZnRm_Click() {
  changed_ = true;
  if (cboZnRm.ListIndex() < 0) return;
  StoreZnRmData();
  curRow_ = cboZnRm.ListIndex();
  for (size_t i = 0; i < 6; ++i) {
    Label3[i].SetVisible(false);
    txtZnRmD[i].SetVisible(false);
  }
  const size_t z = static_cast<size_t>(mCurZn), r = static_cast<size_t>(curRow_);
  const auto& model = egy_.EgyModel;
  const bool room = curRow_ > 0;
  txtRmNam.SetText(room ? model.RmName[z][r] : model.ZnName[z]);
  for (size_t i = 0; i < 3; ++i) Label3[i].SetCaption(room ? kRoomCaption[i] : kZoneCaption[i]);
  ShowNumber(txtZnRmD[0], asSys_.DsgSensLd[0][z][r]);
  ShowNumber(txtZnRmD[1], asSys_.DsgTotLd[0][z][r]);
  ShowNumber(txtZnRmD[2], asSys_.DsgSAFlow[0][z][r]);
  if (!room) {
    ShowNumber(txtZnRmD[3], asSys_.DsgFanPres[0][z]);
    ShowNumber(txtZnRmD[4], asSys_.DsgFanPwr[0][z]);
    ShowNumber(txtZnRmD[5], asSys_.DsgCHWFlow[0][z]);
  }
  for (size_t i = 0; i < (room ? 3u : 6u); ++i) {
    Label3[i].SetVisible(true);
    txtZnRmD[i].SetVisible(true);
  }
}

void frmSIZn::cboASTyp_Click() { changed_ = true; }
void frmSIZn::cboFATyp_Click() { changed_ = true; }

void frmSIZn::cmdNxRm_Click() {
  if (curRow_ < RoomCount() && curRow_ + 1 < cboZnRm.ListCount()) cboZnRm.SetListIndex(curRow_ + 1);
}

void frmSIZn::cmdPrRm_Click() {
  if (curRow_ > 0) cboZnRm.SetListIndex(curRow_ - 1);
}

void frmSIZn::cmdNxZn_Click() {
  mnuFSave_Click();
  if (mCurZn < egy_.EgyModel.NoOfZn && mCurZn < common::kMaxZones) {
    egy_.SIZnCurZn = static_cast<Integer>(mCurZn + 1);
    LoadZone();
  }
}

void frmSIZn::cmdPrZn_Click() {
  mnuFSave_Click();
  if (mCurZn > 1) {
    egy_.SIZnCurZn = static_cast<Integer>(mCurZn - 1);
    LoadZone();
  }
}

void frmSIZn::mnuFSave_Click() {
  StoreZnRmData();
  egy_.ASSys = asSys_;
  changed_ = false;
}

bool frmSIZn::MayClose() {
  // A value typed and not yet taken by a pick is taken here, as every other
  // command takes it, and counts as a change when it differs from ASSys.
  StoreZnRmData();
  if (asSys_ != egy_.ASSys) changed_ = true;
  return !changed_ || SaveBeforeClosing("Save Data before closing this form?", [this] {
    mnuFSave_Click();
    return true;
  });
}

void frmSIZn::mnuFExit_Click() {
  if (MayClose()) Unload();
}

void frmSIZn::Form_QueryUnload(int& cancel, int unloadMode) {
  if (unloadMode == 0 && !MayClose()) cancel = 1;
}

void frmSIZn::cmdSaQ_Click() {
  mnuFSave_Click();
  mnuFExit_Click();
}

}  // namespace energy_input
