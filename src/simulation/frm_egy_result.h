#pragma once
// The energy confirmation window: the six annual energy totals AnnEgy()
// beside six empty boxes in which the user confirms them, by copying the
// shown values across and changing them where wanted. "Confirm and Exit"
// with all six filled stores the confirmed values into AnnEgy(), from
// which the assessment takes the operating energy.
#include <array>

#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace simulation {

class frmEgyResult : public forms::Form {
 public:
  frmEgyResult(common::Program& prog, forms::Platform& platform);

  forms::Label Label1, Label2, Label3, Label4, Label5, Label6;
  std::array<forms::Label, common::kAnnEgySlots> lblAEC;
  std::array<forms::TextBox, common::kAnnEgySlots> txtAEC;              // shown values
  std::array<forms::TextBox, common::kAnnEgySlots> txtAAEC;             // confirmed values
  std::array<forms::CommandButton, common::kAnnEgySlots + 1> cmdChgTo;  // the last copies every row
  forms::CommandButton cmdExit, cmdOkay;

  void cmdChgTo_Click(int index);
  // Stores the six confirmed values, each read as the leading number of
  // its text; an empty box, or a number beyond the Single range, stores
  // nothing and keeps the window open.
  void cmdOkay_Click();
  void cmdExit_Click();

 protected:
  void Form_Load() override;

 private:
  common::Program& prog_;
};

}  // namespace simulation
