// The Run menu: the life-cycle impact and cost runs, the operating-energy
// calculation, and the reset of the selection for assessment.
#include "app/main_window.h"

namespace app {

void frmMain::mnuRunOprEgy_Click() {
  NewMsg = "   Proceeded to calculate operating energy use";
  ShowMessage();
  windows_.frmEgyCal().Show(true);
  NewMsg = "   Returned from operating energy calculation";
  ShowMessage();
  mnuViewEgy_Click();
  mnuRunOprEgy.SetChecked(true);
}

void frmMain::mnuRunLCA_Click() {}
void frmMain::mnuRunLCC_Click() {}
void frmMain::mnuRunReset_Click() {}

}  // namespace app
