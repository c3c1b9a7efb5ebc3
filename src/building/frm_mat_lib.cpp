#include "building/frm_mat_lib.h"

#include <algorithm>

#include "common/file_names.h"

namespace building {
namespace {

constexpr const char* kNotAllowed = "This choice is not allowed when the Generic Element Type is chosen!";

std::string Field(std::string text, size_t width) {
  text.resize(width, ' ');
  return text;
}

std::string Lower(std::string text) {
  ModInpCtl::ToLowerCase(text);
  return text;
}

}  // namespace

std::string MaterialRowText(int number, const std::string& name, const std::string& unit) {
  return Field(std::to_string(number), 5) + Field(name, 40) + Field(unit, 10);
}

frmMatLib::frmMatLib(common::Program& prog, forms::Platform& platform)
    : Form(platform, "frmMatLib"),
      lblNo(*this, "lblNo"),
      lstMatData(*this, "lstMatData"),
      Label1(*this, "Label1"),
      txtSrch(*this, "txtSrch"),
      cmdBM(*this, "cmdBM"),
      cmdSM(*this, "cmdSM"),
      cmdSrch(*this, "cmdSrch"),
      cmdNX(*this, "cmdNX"),
      cmdIgnore(*this, "cmdIgnore"),
      cmdClose(*this, "cmdClose"),
      st_(prog.building),
      mat_(prog.assess.mat) {
  SetCaption("Materials in Library");
  SetClientSize(8520, 6240);
  forms::Font courier;
  courier.Name = "Courier New";
  courier.Size = 9.0f;
  lblNo.SetCaption("No.  Material Name                           Unit");
  lblNo.SetFont(courier);
  lblNo.Move(240, 240, 8040, 255);
  lstMatData.SetFont(courier);
  lstMatData.Move(240, 510, 8040, 4110);
  Label1.SetCaption("Search Material");
  Label1.Move(240, 4800, 1335, 255);
  txtSrch.Move(1680, 4755, 3615, 315);
  cmdSrch.SetCaption("Find");
  cmdSrch.Move(5400, 4740, 855, 345);
  cmdNX.SetCaption("Next");
  cmdNX.Move(6360, 4740, 855, 345);
  cmdBM.SetCaption("Building Materials");
  cmdBM.Move(240, 5520, 1935, 405);
  cmdSM.SetCaption("Services Materials");
  cmdSM.Move(2280, 5520, 1935, 405);
  cmdIgnore.SetCaption("Ignore");
  cmdIgnore.Move(5400, 5520, 1335, 405);
  cmdClose.SetCaption("OK");
  cmdClose.Move(6945, 5520, 1335, 405);

  cmdBM.OnClick = [this] { cmdBM_Click(); };
  cmdSM.OnClick = [this] { cmdSM_Click(); };
  cmdSrch.OnClick = [this] { cmdSrch_Click(); };
  cmdNX.OnClick = [this] { cmdNX_Click(); };
  lstMatData.OnClick = [this] { lstMatData_Click(); };
  lstMatData.OnDblClick = [this] { lstMatData_DblClick(); };
  cmdIgnore.OnClick = [this] { cmdIgnore_Click(); };
  cmdClose.OnClick = [this] { cmdClose_Click(); };
}

void frmMatLib::AddMaterialRow(int tableRow, bool selectable) {
  const size_t r = static_cast<size_t>(tableRow);
  lstMatData.AddItem(MaterialRowText(mat_.MatListNo[r], mat_.MatName[r], mat_.MatUnit[r]));
  selectable_.push_back(selectable);
}

void frmMatLib::Form_Load() {
  srchText_.clear();
  count_ = 0;
  curRow_ = 0;
  lstMatData.Clear();
  selectable_.clear();

  // List row i is table row i: the building section's header, its
  // materials, then the services section's header and its materials. The
  // counts come from the table; rows beyond it are never listed.
  const int lastRow = common::kMaterialRows - 1;
  const int n = std::clamp<int>(mat_.MatListNo[0], 0, lastRow);
  lstMatData.AddItem(std::to_string(n) + " Building Materials in Library");
  selectable_.push_back(true);
  servicesHeader_ = 0;
  for (int r = 1; r <= n; ++r) AddMaterialRow(r, true);

  if (st_.FileType != 210 && n + 1 <= lastRow) {
    servicesHeader_ = n + 1;
    const int m = std::clamp<int>(mat_.MatListNo[static_cast<size_t>(n + 1)], 0, lastRow - (n + 1));
    lstMatData.AddItem(std::to_string(m) + " Services Materials in Library");
    selectable_.push_back(true);
    // Services materials are refused only for the material rows of a
    // generic element outside a services group.
    const bool refused = ElmTypeStr == "0" && Lower(GrpKindStr) != "services";
    for (int j = 1; j <= m; ++j) AddMaterialRow(n + 1 + j, !refused);
  }
  txtSrch.SetText("");
}

bool frmMatLib::Selectable(int row) const {
  return row >= 0 && row < static_cast<int>(selectable_.size()) && selectable_[static_cast<size_t>(row)];
}

void frmMatLib::cmdBM_Click() { lstMatData.SetListIndex(0); }

void frmMatLib::cmdSM_Click() { lstMatData.SetListIndex(servicesHeader_); }

int frmMatLib::FindFrom(int from) const {
  const int end = std::min(count_, lstMatData.ListCount());
  for (int row = from; row < end; ++row)
    if (Lower(mat_.MatName[static_cast<size_t>(row)]).find(srchText_) != std::string::npos) return row;
  return -1;
}

void frmMatLib::SelectMatch(int row) {
  if (row < 0) return;
  lstMatData.SetListIndex(row);
  curRow_ = row;
}

// An empty search text matches every row, so Find then selects row 1.
void frmMatLib::cmdSrch_Click() {
  srchText_ = Lower(txtSrch.Text());
  count_ = lstMatData.ListCount();
  SelectMatch(FindFrom(1));
}

void frmMatLib::cmdNX_Click() { SelectMatch(FindFrom(curRow_ + 1)); }

void frmMatLib::lstMatData_Click() { curRow_ = lstMatData.ListIndex(); }

void frmMatLib::lstMatData_DblClick() { cmdClose_Click(); }

void frmMatLib::cmdIgnore_Click() {
  curRow_ = 0;
  lstMatData.SetListIndex(0);
}

void frmMatLib::cmdClose_Click() {
  const int r = lstMatData.ListIndex();
  if (r >= 0 && !Selectable(r)) {
    MsgBox(kNotAllowed);
    return;
  }
  // Header rows (and no row at all) close without returning anything.
  if (r >= 1 && r != servicesHeader_) {
    const size_t row = static_cast<size_t>(r);
    st_.SelItemNo = mat_.MatListNo[row];
    st_.SelItemName = mat_.MatName[row] + " (" + mat_.MatUnit[row] + ")";
  }
  Unload();
}

}  // namespace building
