#pragma once
// The cost parameters window: the user's nominal interest, inflation and
// energy price escalation rates and the electricity and town gas prices.
// Its OK stores the typed values as the user's values; the weighting
// factors window, which opens this one modally, puts them into use.
#include <array>

#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace assessment {

class frmCostPara : public forms::Form {
 public:
  frmCostPara(common::Program& prog, forms::Platform& platform);

  std::array<forms::Label, 3> lblCostPara;
  std::array<forms::TextBox, 3> txtCostPara;
  std::array<forms::Label, 2> lblEgyPrice;
  std::array<forms::TextBox, 2> txtEgyPrice;
  forms::Frame Frame1;
  forms::OptionButton Option1, Option2;
  forms::CommandButton Command1;

  void Option1_Click();
  void Option2_Click();
  // Stores the five typed values as the user's values and closes. A value
  // beyond the Single range, a rate at or below -100 % or a zero price is
  // refused with a message: nothing is stored and the window stays open.
  void Command1_Click();

 protected:
  void Form_Load() override;

 private:
  void ShowValues(const std::array<common::Single, 3>& costPara, const std::array<common::Single, 2>& egyPrice);

  common::FactorTables& f_;
};

}  // namespace assessment
