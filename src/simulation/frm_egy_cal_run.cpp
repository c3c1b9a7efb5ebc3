// The air-conditioning run of the energy calculation window: the
// cooling-load simulation, then the plant simulation, each reporting into
// the run log list, and the small list of run log actions.
#include "common/paths.h"
#include "common/project_paths.h"
#include "plant_input/plant_files.h"
#include "simulation/cooling_load_sim.h"
#include "simulation/frm_egy_cal.h"
#include "simulation/plant_sim.h"
#include "simulation/run_inputs.h"

namespace simulation {

namespace {

// The simulations' progress lines go to the window's run log as they come,
// also from the thread the simulations run on: the window thread adds them,
// and the window repaints so the user sees the run advance.
class ListRunLog : public RunLog {
 public:
  ListRunLog(forms::ListBox& list, forms::Platform& platform) : list_(list), platform_(platform) {}
  void Add(const std::string& line) override {
    platform_.RunOnWindowThread([&] { list_.AddItem(line); });
    platform_.RepaintNow();
  }
  void Clear() override {
    platform_.RunOnWindowThread([&] { list_.Clear(); });
  }

 private:
  forms::ListBox& list_;
  forms::Platform& platform_;
};

// A plant file that is not named, or plant hours that give no working day,
// are refused before the year's cooling loads are computed, not only when
// the plant run reads them at the end; false then, with SimErr and SimErrMsg
// set. A plant file that cannot be read here is left for the plant run to
// report.
bool CheckPlantBeforeLoads(common::Program& prog) {
  if (!simulation::PlantFileChosen(prog, ModACPlt::kRunPlantSimulation)) return false;
  common::CentralPlantData cp;
  std::string error;
  const std::string path = common::ResolveProjectFile(prog.plant.WssFile, prog.building.ProjDir);
  if (!plant_input::ReadCentralPlantFile(path, cp, error)) return true;
  return ModACPlt::CheckPlantHours(cp, prog.sim);
}

}  // namespace

void frmEgyCal::Log(const std::string& line) { lstRun.AddItem(line); }

// A run ended by a Cancel or No answer leaves SimErr at 0.
void frmEgyCal::RunSimulation() {
  auto& sim = prog_.sim;
  ListRunLog log(lstRun, GetPlatform());
  bool coolingLoads = true;
  if (!CheckPlantBeforeLoads(prog_)) {
    Log(sim.SimErrMsg);
    Log("A/C energy use calculation terminated.");
    return;
  }
  // Looked for where the plant run reads it: the project folder first.
  if (common::FindExisting(common::ResolveProjectFile(ModRoutine::kAnnualLoadFileName, prog_.building.ProjDir))) {
    switch (MsgBox("Cooling load data file already exits. Re-calculate and overwrite the file?",
                   forms::MsgButtons::YesNoCancel)) {
      case forms::MsgResult::Cancel:
        return;
      case forms::MsgResult::No:
        coolingLoads = false;
        break;
      default:
        break;
    }
  }
  if (coolingLoads) {
    Log("Started to calculate cooling load");
    GetPlatform().RepaintNow();
    // The simulations run away from the window thread, which keeps the
    // window painted, movable and showing their progress as it comes.
    GetPlatform().RunOffWindowThread([&] { coolingLoadRun(prog_, log); });
    if (sim.SimErr != 0) {
      Log(sim.SimErrMsg);
      Log("Cooling load calculation terminated.");
      return;
    }
    Log("Cooling load calculation completed");
  }
  if (MsgBox("Proceed to predict air-conditioning energy use?", forms::MsgButtons::YesNo) != forms::MsgResult::Yes)
    return;
  Log("Started to calculate A/C energy use");
  GetPlatform().RunOffWindowThread([&] { plantRun(prog_, log); });
  if (sim.SimErr == 0) {
    Log("A/C energy use calculation completed");
  } else {
    Log(sim.SimErrMsg);
    Log("A/C energy use calculation terminated.");
  }
}

void frmEgyCal::cmdEndRun_Click() {
  lstRun.SetVisible(false);
  cmdEndRun.SetVisible(false);
  lblMsg.SetVisible(true);
}

// A click on the log offers its actions at the log's top left corner.
void frmEgyCal::lstRun_Click() {
  if (lstRun.ListIndex() < 0) return;
  lstRunRpt.Move(240, 600);
  lstRunRpt.SetVisible(true);
  lstRunRpt.ZOrder();
}

void frmEgyCal::lstRunRpt_Click() {
  int choice = lstRunRpt.ListIndex();
  if (choice < 0) return;
  // Neither list keeps the choice, so the same row can be chosen again.
  lstRunRpt.SetListIndex(-1);
  if (choice == 0 && !SaveRunLog()) return;
  lstRunRpt.SetVisible(false);
  lstRun.SetListIndex(-1);
}

}  // namespace simulation
