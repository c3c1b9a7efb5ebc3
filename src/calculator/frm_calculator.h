#pragma once
// The Calculator program's only window: a numeric calculator with a
// five-register stack in the upper part and a present-worth calculator in
// the lower part. Closing it ends the program.
#include <array>

#include "calculator/calculator_model.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/platform.h"

namespace calculator {

class frmCalculator : public forms::Form {
 public:
  explicit frmCalculator(forms::Platform& platform);

  // Numeric calculator. txtValue(0) is the Y box at the bottom of the
  // stack, txtValue(4) the top; cmdOp(k) runs Operation k.
  forms::Label Label3;
  forms::CommandButton cmdClrY;
  forms::CommandButton cmdClrAll;
  std::array<forms::TextBox, RegisterStack::kSize> txtValue;
  forms::Label Label2;
  forms::Label Label1;
  std::array<forms::CommandButton, kOperationCount> cmdOp;

  // Financial calculator: inputs, then the two results.
  forms::Label Label4;
  forms::CommandButton cmdClrFIn;
  forms::CommandButton CalFinancial;
  forms::Label lblNIR, lblIFR, lblPER, lblCI, lblCP, lblNP, lblCL, lblRDR, lblPW;
  forms::TextBox txtNIR, txtIFR, txtPER, txtCI, txtCP, txtNP, txtCL, txtRDR, txtPW;

  // The registers behind the stack boxes (a box's text is a separate value).
  const RegisterStack& Registers() const { return stack_; }

 protected:
  void Form_Load() override;

 private:
  void cmdOp_Click(int index);
  void cmdClrY_Click();
  void cmdClrAll_Click();
  void cmdClrFIn_Click();
  void CalFinancial_Click();

  // Box i and R(i) take box i+1 and R(i+1) for i = from .. 3; box 4 shows
  // "0" and R(4) = 0.
  void DropStack(int from);
  // Box i and R(i) take box i-1 and R(i-1) for i = 4 down to 1; the Y box
  // is emptied and R(0) = 0.
  void PushStack();

  std::array<forms::TextBox*, 9> FinancialBoxes();
  void Layout();

  RegisterStack stack_;
};

}  // namespace calculator
