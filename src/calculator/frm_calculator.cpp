#include "calculator/frm_calculator.h"

#include "common/number_text.h"
#include "forms/control_array.h"

namespace calculator {
namespace {

constexpr const char* kErrorText = "Error";
constexpr const char* kInputErrorMessage = "Input Error; Cannot complete calculation!";

constexpr std::array<const char*, kOperationCount> kOpCaptions = {"Enter",   "X + Y",   "X - Y",   "X * Y",   "X / Y",
                                                                  "X ^ Y",   "Sqr (Y)", "Ln (Y)",  "Exp (Y)", "Y = pi",
                                                                  "Sin (Y)", "Cos (Y)", "ATan (Y)"};

// Twips.
constexpr int kButtonWidth = 1095, kButtonHeight = 375;
constexpr int kBoxHeight = 285;
constexpr int kStackLeft = 720, kStackWidth = 2175;
constexpr int kColumn1 = 3000, kColumn2 = 4080;

}  // namespace

frmCalculator::frmCalculator(forms::Platform& platform)
    : forms::Form(platform, "frmCalculator"),
      Label3(*this, "Label3"),
      cmdClrY(*this, "cmdClrY"),
      cmdClrAll(*this, "cmdClrAll"),
      txtValue(forms::MakeControlArray<forms::TextBox, RegisterStack::kSize>(*this, "txtValue")),
      Label2(*this, "Label2"),
      Label1(*this, "Label1"),
      cmdOp(forms::MakeControlArray<forms::CommandButton, kOperationCount>(*this, "cmdOp")),
      Label4(*this, "Label4"),
      cmdClrFIn(*this, "cmdClrFIn"),
      CalFinancial(*this, "CalFinancial"),
      lblNIR(*this, "lblNIR"),
      lblIFR(*this, "lblIFR"),
      lblPER(*this, "lblPER"),
      lblCI(*this, "lblCI"),
      lblCP(*this, "lblCP"),
      lblNP(*this, "lblNP"),
      lblCL(*this, "lblCL"),
      lblRDR(*this, "lblRDR"),
      lblPW(*this, "lblPW"),
      txtNIR(*this, "txtNIR"),
      txtIFR(*this, "txtIFR"),
      txtPER(*this, "txtPER"),
      txtCI(*this, "txtCI"),
      txtCP(*this, "txtCP"),
      txtNP(*this, "txtNP"),
      txtCL(*this, "txtCL"),
      txtRDR(*this, "txtRDR"),
      txtPW(*this, "txtPW") {
  SetCaption("Calculator");
  SetClientSize(5670, 7095);
  Layout();

  for (int k = 0; k < kOperationCount; ++k) cmdOp[k].OnClick = [this, k] { cmdOp_Click(k); };
  cmdClrY.OnClick = [this] { cmdClrY_Click(); };
  cmdClrAll.OnClick = [this] { cmdClrAll_Click(); };
  cmdClrFIn.OnClick = [this] { cmdClrFIn_Click(); };
  CalFinancial.OnClick = [this] { CalFinancial_Click(); };
}

std::array<forms::TextBox*, 9> frmCalculator::FinancialBoxes() {
  return {&txtNIR, &txtIFR, &txtPER, &txtCI, &txtCP, &txtNP, &txtCL, &txtRDR, &txtPW};
}

void frmCalculator::Layout() {
  // Upper part: the stack boxes from the top (box 4) down to Y, the Enter
  // button under Y, and the operation buttons in two columns of six.
  Label3.SetCaption("Numeric Calculator");
  Label3.Move(kStackLeft, 240, kStackWidth, kBoxHeight);
  cmdClrY.SetCaption("Clear Y");
  cmdClrY.Move(kColumn1, 240, kButtonWidth, kButtonHeight);
  cmdClrAll.SetCaption("Clear All");
  cmdClrAll.Move(kColumn2, 240, kButtonWidth, kButtonHeight);
  for (int i = 0; i < RegisterStack::kSize; ++i)
    txtValue[i].Move(kStackLeft, 600 + 360 * (RegisterStack::kSize - 1 - i), kStackWidth, kBoxHeight);
  Label2.SetCaption("X =");
  Label2.Move(240, 1680, 420, kBoxHeight);
  Label1.SetCaption("Y =");
  Label1.Move(240, 2040, 420, kBoxHeight);
  for (int k = 0; k < kOperationCount; ++k) cmdOp[k].SetCaption(kOpCaptions[k]);
  cmdOp[0].Move(kStackLeft, 2400, kStackWidth, kButtonHeight);
  for (int k = 1; k < kOperationCount; ++k) {
    int row = (k - 1) % 6;
    cmdOp[k].Move(k <= 6 ? kColumn1 : kColumn2, 600 + 360 * row, kButtonWidth, kButtonHeight);
  }

  // Lower part: nine labelled boxes, inputs first, then the two results.
  Label4.SetCaption("Financial Calculator");
  Label4.Move(kStackLeft, 3120, kStackWidth, kBoxHeight);
  cmdClrFIn.SetCaption("Clear All");
  cmdClrFIn.Move(kColumn1, 3000, kButtonWidth, kButtonHeight);
  CalFinancial.SetCaption("Calculate");
  CalFinancial.Move(kColumn2, 3000, kButtonWidth, kButtonHeight);
  const std::array<forms::Label*, 9> labels = {&lblNIR, &lblIFR, &lblPER, &lblCI, &lblCP,
                                               &lblNP,  &lblCL,  &lblRDR, &lblPW};
  const std::array<const char*, 9> captions = {"Nominal Interest Rate per Period (%)",
                                               "Inflation Rate per Period (%)",
                                               "Price Escalation Rate per Period (%)",
                                               "Initial Cash Out-Flow",
                                               "Cash Out-Flow at end of EACH Period",
                                               "No. of Periods in Life Cycle",
                                               "One-Off Cash Out-Flow at end of LAST Period",
                                               "Real Discount Rate per Period (%)",
                                               "Present Worth"};
  const std::array<forms::TextBox*, 9> boxes = FinancialBoxes();
  for (std::size_t k = 0; k < labels.size(); ++k) {
    int top = 3600 + 360 * static_cast<int>(k);
    labels[k]->SetCaption(captions[k]);
    labels[k]->Move(kStackLeft, top, 3255, kBoxHeight);
    boxes[k]->Move(kColumn2, top, kButtonWidth, kBoxHeight);
  }
}

void frmCalculator::Form_Load() {
  for (int i = 0; i < RegisterStack::kSize; ++i) txtValue[i].SetText(common::DisplayText(stack_.R(i)));
  if (stack_.R(0) == 0) txtValue[0].SetText("");
  cmdClrFIn_Click();
}

void frmCalculator::PushStack() {
  for (int i = RegisterStack::kSize - 1; i >= 1; --i) txtValue[i].SetText(txtValue[i - 1].Text());
  txtValue[0].SetText("");
  stack_.Push();
}

void frmCalculator::DropStack(int from) {
  for (int i = from; i < RegisterStack::kSize - 1; ++i) txtValue[i].SetText(txtValue[i + 1].Text());
  txtValue[RegisterStack::kSize - 1].SetText("0");
  stack_.Drop(from);
}

void frmCalculator::cmdOp_Click(int index) {
  if (index < 0 || index >= kOperationCount) return;
  const auto op = static_cast<Operation>(index);
  forms::TextBox& y = txtValue[0];

  // An empty Y box or a shown error only takes the focus (and clears the error).
  if (y.Text().empty() && op != Operation::Pi) {
    y.SetFocus();
    return;
  }
  if (y.Text() == kErrorText) {
    y.SetText("");
    y.SetFocus();
    return;
  }

  // Y takes the typed number. By our choice a number beyond the Single
  // range shows "Error" like any other numeric error.
  std::optional<Single> typed = common::TypedSingle(y.Text());
  if (!typed) {
    y.SetText(kErrorText);
    return;
  }
  stack_.SetY(*typed);

  if (op == Operation::Enter) {
    PushStack();
    y.SetFocus();
    return;
  }

  // A numeric error shows "Error" and moves nothing on the stack.
  if (!stack_.Apply(op)) {
    y.SetText(kErrorText);
    return;
  }
  y.SetText(common::DisplayText(stack_.R(0)));
  if (TakesTwoOperands(op)) DropStack(1);
}

void frmCalculator::cmdClrY_Click() { DropStack(0); }

void frmCalculator::cmdClrAll_Click() {
  stack_.Clear();
  for (forms::TextBox& box : txtValue) box.SetText("0");
  txtValue[0].SetText("");
  txtValue[0].SetFocus();
}

void frmCalculator::cmdClrFIn_Click() {
  for (forms::TextBox* box : FinancialBoxes()) box->SetText("");
}

void frmCalculator::CalFinancial_Click() {
  FinancialInput typed;
  typed.NIR = common::LeadingNumber(txtNIR.Text());
  typed.IFR = common::LeadingNumber(txtIFR.Text());
  typed.PER = common::LeadingNumber(txtPER.Text());
  typed.CI = common::LeadingNumber(txtCI.Text());
  typed.CP = common::LeadingNumber(txtCP.Text());
  typed.NP = common::LeadingNumber(txtNP.Text());
  typed.CL = common::LeadingNumber(txtCL.Text());

  // On any numeric error the results shown before stay as they were.
  std::optional<FinancialResult> result = PresentWorth(typed);
  if (!result) {
    MsgBox(kInputErrorMessage, forms::MsgButtons::OK);
    return;
  }
  txtRDR.SetText(common::DisplayText(result->RDRPercent));
  txtPW.SetText(common::DisplayText(result->PW));
}

}  // namespace calculator
