#include "energy_input/frm_sh_mask.h"

#include "common/paths.h"
#include "common/project_paths.h"
#include "energy_input/energy_codes.h"
#include "energy_input/shading_mask_file.h"
#include "forms/typed_input.h"

namespace energy_input {

using common::Single;

frmShMask::frmShMask(common::Program& prog, forms::Platform& platform)
    : Form(platform, "frmShMask"),
      lblOri(*this, "lblOri"),
      lblWindow(*this, "lblWindow"),
      lblDevices(*this, "lblDevices"),
      lblWW(*this, "lblWW"),
      lblWH(*this, "lblWH"),
      lblOP(*this, "lblOP"),
      lblDT(*this, "lblDT"),
      lblLP(*this, "lblLP"),
      lblDL(*this, "lblDL"),
      lblRP(*this, "lblRP"),
      lblDR(*this, "lblDR"),
      lblShMaskFNam(*this, "lblShMaskFNam"),
      lblCurDir(*this, "lblCurDir"),
      cboOri(*this, "cboOri"),
      txtWW(*this, "txtWW"),
      txtWH(*this, "txtWH"),
      txtOP(*this, "txtOP"),
      txtDT(*this, "txtDT"),
      txtLP(*this, "txtLP"),
      txtDL(*this, "txtDL"),
      txtRP(*this, "txtRP"),
      txtDR(*this, "txtDR"),
      txtShMaskFNam(*this, "txtShMaskFNam"),
      cmdGO(*this, "cmdGO"),
      mnuA(*this, nullptr, "mnuA", "Action"),
      mnuACal(*this, &mnuA, "mnuACal", "Generate Shading Mask"),
      mnuASave(*this, &mnuA, "mnuASave", "Save Shading Mask"),
      mnuAExit(*this, &mnuA, "mnuAExit", "Exit"),
      prog_(prog) {
  Layout();
  mnuACal.OnClick = [this] { mnuACal_Click(); };
  mnuASave.OnClick = [this] { mnuASave_Click(); };
  mnuAExit.OnClick = [this] { mnuAExit_Click(); };
  cmdGO.OnClick = [this] { cmdGO_Click(); };
}

void frmShMask::Layout() {
  SetCaption("Shading Mask Calculation");
  SetClientSize(7320, 5520);
  lblOri.SetCaption("Exposure direction");
  lblOri.Move(240, 240, 2535, 255);
  cboOri.Move(2880, 210, 1095, 315);
  cboOri.SetStyle(forms::ComboStyle::DropDownList);  // an orientation code: no typing
  lblWindow.SetCaption("Window");
  lblWindow.Move(240, 720, 2535, 255);
  lblWindow.SetFontBold(true);
  // Label, box, label: the second label follows the box where it reads on.
  struct Row {
    forms::Label& label;
    const char* caption;
    forms::TextBox& box;
    int top;
    int left;
  };
  for (const Row& r :
       {Row{lblWW, "Window Width (m)", txtWW, 1020, 240}, Row{lblWH, "Window Height (m)", txtWH, 1380, 240},
        Row{lblOP, "Overhang Projection (m)", txtOP, 2220, 240},
        Row{lblLP, "Left Sidefin Projection (m)", txtLP, 2580, 240},
        Row{lblRP, "Right Sidefin Projection (m)", txtRP, 2940, 240}}) {
    r.label.SetCaption(r.caption);
    r.label.Move(r.left, r.top + 30, 2535, 255);
    r.box.Move(2880, r.top, 855, 285);
  }
  lblDevices.SetCaption("Shading Devices");
  lblDevices.Move(240, 1860, 2535, 255);
  lblDevices.SetFontBold(true);
  for (const Row& r : {Row{lblDT, "(m) above Top side of Window", txtDT, 2220, 4920},
                       Row{lblDL, "(m) from Left edge of Window", txtDL, 2580, 4920},
                       Row{lblDR, "(m) from Right edge of Window", txtDR, 2940, 4920}}) {
    r.box.Move(3960, r.top, 855, 285);
    r.label.SetCaption(r.caption);
    r.label.Move(r.left, r.top + 30, 2295, 255);
  }
  lblShMaskFNam.SetCaption("Name for the Shading Mask");
  lblShMaskFNam.Move(240, 3510, 2535, 255);
  txtShMaskFNam.Move(2880, 3480, 2055, 285);
  cmdGO.SetCaption("Generate Shading Mask");
  cmdGO.Move(2880, 3960, 2055, 375);
  lblCurDir.Move(240, 4560, 6495, 615);
}

void frmShMask::Form_Load() {
  cboOri.Clear();
  for (int k = 0; k <= 8; ++k) cboOri.AddItem(std::string(kOrientations[static_cast<size_t>(k)]));
  for (forms::TextBox* box : {&txtWW, &txtWH, &txtOP, &txtDT, &txtLP, &txtDL, &txtRP, &txtDR}) box->SetText("0");
  txtShMaskFNam.SetText("");
  lblCurDir.SetCaption(prog_.building.ProjDir);  // the folder a mask is saved into
}

bool frmShMask::ReadBox(const forms::TextBox& box, Single& value) {
  auto v = forms::TypedSingle(box.Text());
  if (!v) {
    MsgBox("The number " + box.Text() + " is too large; no shading mask is generated.");
    return false;
  }
  value = *v;
  return true;
}

void frmShMask::mnuACal_Click() { Generate(); }

// The mask and the dimensions it was made for change together, and only
// when a new mask is made: a refused Generate leaves both as they were.
bool frmShMask::Generate() {
  lblCurDir.SetCaption("Shading mask generation in progress ...");
  orientation_ = cboOri.ListIndex();
  if (orientation_ < 1) {
    MsgBox("Window orientation not yet set !");
    return false;
  }
  WindowShading dims = dims_;
  if (!ReadBox(txtWW, dims.W) || !ReadBox(txtWH, dims.H) || !ReadBox(txtOP, dims.OP) || !ReadBox(txtDT, dims.DT) ||
      !ReadBox(txtLP, dims.LP) || !ReadBox(txtDL, dims.DL) || !ReadBox(txtRP, dims.RP) || !ReadBox(txtDR, dims.DR))
    return false;
  std::string problem = GenerateShadingMask(orientation_, dims, mask_);
  if (!problem.empty()) {
    MsgBox(problem);
    return false;
  }
  dims_ = dims;
  return true;
}

void frmShMask::mnuASave_Click() {
  const std::string& name = txtShMaskFNam.Text();
  if (name.empty()) {
    MsgBox("No name given to shading mask yet!");
    return;
  }
  // The mask lands in the project folder: the name may hold no folder.
  if (!common::IsPlainName(name) || name.find_first_of("\r\n") != std::string::npos) {
    MsgBox("Type the name of the shading mask without a folder.");
    return;
  }
  const std::string fileName = name + ".SHM";
  std::string path = common::ResolveProjectFile(fileName, prog_.building.ProjDir);
  if (path.empty()) {
    MsgBox("The shading mask was not saved: no project is open to hold it.");
    return;
  }
  Single mean = RoundShadingMask(mask_);
  std::string why;
  if (!WriteShadingMaskFile(path, mask_, mean, cboOri.Text(), dims_, fileName, why)) {
    MsgBox("The shading mask was not saved: " + path + " could not be written (" + why + ").");
    return;
  }
  lblCurDir.SetCaption("Shading mask generated and saved.");
}

// Saves only a mask just made: after a refused Generate the file would hold
// the previous mask under the new dimensions.
void frmShMask::cmdGO_Click() {
  if (Generate()) mnuASave_Click();
}

void frmShMask::mnuAExit_Click() { Unload(); }

}  // namespace energy_input
