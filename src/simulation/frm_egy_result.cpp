#include "simulation/frm_egy_result.h"

#include "common/number_text.h"
#include "forms/control_array.h"
#include "forms/typed_input.h"

namespace simulation {

namespace {

const std::array<const char*, common::kAnnEgySlots> kRowCaptions{"HVAC (kWh)",
                                                                 "Elec and Lighting (kWh)",
                                                                 "Fire Services (kWh)",
                                                                 "Lifts and Escalators (kWh)",
                                                                 "Plumbing and Drainage (kWh)",
                                                                 "Systems using Town Gas (MJ)*"};

}  // namespace

frmEgyResult::frmEgyResult(common::Program& prog, forms::Platform& platform)
    : Form(platform, "frmEgyResult"),
      Label1(*this, "Label1"),
      Label2(*this, "Label2"),
      Label3(*this, "Label3"),
      Label4(*this, "Label4"),
      Label5(*this, "Label5"),
      Label6(*this, "Label6"),
      lblAEC(forms::MakeControlArray<forms::Label, common::kAnnEgySlots>(*this, "lblAEC")),
      txtAEC(forms::MakeControlArray<forms::TextBox, common::kAnnEgySlots>(*this, "txtAEC")),
      txtAAEC(forms::MakeControlArray<forms::TextBox, common::kAnnEgySlots>(*this, "txtAAEC")),
      cmdChgTo(forms::MakeControlArray<forms::CommandButton, common::kAnnEgySlots + 1>(*this, "cmdChgTo")),
      cmdExit(*this, "cmdExit"),
      cmdOkay(*this, "cmdOkay"),
      prog_(prog) {
  SetCaption("Energy Calculation Results");
  SetClientSize(8415, 5160);
  Label1.SetCaption("Annual Operating Energy Use of Services Systems");
  Label1.Move(240, 120, 7935, 375);
  Label1.SetFontBold(true);
  Label1.SetAlignment(forms::Alignment::Center);
  Label4.SetCaption("Services");
  Label4.Move(240, 600, 2655, 495);
  Label2.SetCaption("Predicted / Last Confirmed Values");
  Label2.Move(3000, 600, 1815, 495);
  Label2.SetAlignment(forms::Alignment::Center);
  Label3.SetCaption("Value for Impact and Cost Estimates");
  Label3.Move(6240, 600, 1935, 495);
  Label3.SetAlignment(forms::Alignment::Center);
  for (size_t i = 0; i < common::kAnnEgySlots; ++i) {
    int top = 1200 + 420 * static_cast<int>(i);
    lblAEC[i].Move(240, top, 2655, 285);
    txtAEC[i].Move(3000, top, 1815, 285);
    txtAEC[i].SetLocked(true);
    txtAEC[i].SetAlignment(forms::Alignment::Right);
    cmdChgTo[i].SetCaption("Copy to ->");
    cmdChgTo[i].Move(4920, top, 1215, 285);
    txtAAEC[i].Move(6240, top, 1935, 285);
    txtAAEC[i].SetAlignment(forms::Alignment::Right);
  }
  cmdChgTo[common::kAnnEgySlots].SetCaption("Copy All to ->");
  cmdChgTo[common::kAnnEgySlots].Move(4920, 3720, 1215, 375);
  Label5.SetCaption("Copy Predicted / Last Confirmed Values to Cells at the right and make changes as apppropriate");
  Label5.Move(240, 3720, 4575, 495);
  Label6.SetCaption(
      "* Any changes to the Town Gas Consumption result should be made through changing the inputs; changes made "
      "here have no effect on final calculation results");
  Label6.Move(240, 4320, 4575, 735);
  cmdExit.SetCaption("Return (no change)");
  cmdExit.Move(5040, 4560, 1575, 375);
  cmdOkay.SetCaption("Confirm and Exit");
  cmdOkay.Move(6720, 4560, 1455, 375);

  for (size_t i = 0; i < cmdChgTo.size(); ++i) {
    int index = static_cast<int>(i);
    cmdChgTo[i].OnClick = [this, index] { cmdChgTo_Click(index); };
  }
  cmdExit.OnClick = [this] { cmdExit_Click(); };
  cmdOkay.OnClick = [this] { cmdOkay_Click(); };
}

void frmEgyResult::Form_Load() {
  for (size_t i = 0; i < common::kAnnEgySlots; ++i) {
    lblAEC[i].SetCaption(kRowCaptions[i]);
    forms::ShowNumber(txtAEC[i], prog_.sim.AnnEgy[i]);
    txtAAEC[i].SetText("");
  }
  cmdExit.SetVisible(true);
}

void frmEgyResult::cmdChgTo_Click(int index) {
  const int rows = common::kAnnEgySlots;  // cmdChgTo(rows) copies every row
  for (int i = 0; i < rows; ++i)
    if (index >= rows || index == i) forms::CopyBox(txtAEC[static_cast<size_t>(i)], txtAAEC[static_cast<size_t>(i)]);
  cmdExit.SetVisible(false);
}

void frmEgyResult::cmdOkay_Click() {
  std::array<common::Single, common::kAnnEgySlots> confirmed{};
  for (size_t i = 0; i < common::kAnnEgySlots; ++i) {
    if (txtAAEC[i].Text().empty()) {
      MsgBox("Missing confirmed energy use value(s)");
      return;
    }
  }
  for (size_t i = 0; i < common::kAnnEgySlots; ++i) {
    auto value = forms::BoxSingle(txtAAEC[i]);
    if (!value) {
      MsgBox(std::string(kRowCaptions[i]) + ": the number is too large. Nothing is stored.");
      return;
    }
    confirmed[i] = *value;
  }
  prog_.sim.AnnEgy = confirmed;
  Unload();
}

void frmEgyResult::cmdExit_Click() { Unload(); }

}  // namespace simulation
