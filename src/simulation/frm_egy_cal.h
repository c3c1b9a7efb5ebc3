#pragma once
// The operating energy calculation window. On loading it reads the energy
// model, the air-side systems and the central plant into the calculation's
// own records and makes sure the non-AC services are in memory, asking for
// any input file whose path is not yet known. It shows one building system
// at a time (code SysNo): 1 the air-conditioning, computed by the
// cooling-load and plant simulations; 3 lighting and equipment in zones; 2
// and 4 to 8 the lists of further systems. Every value shown can be
// overwritten and entered. Its Exit commands hand the six annual totals over
// to AnnEgy() for the assessment.
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "common/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"
#include "simulation/annual_energy.h"
#include "simulation/simulation_runs.h"

namespace simulation {

class frmEgyCal : public forms::Form {
 public:
  frmEgyCal(common::Program& prog, forms::Platform& platform);

  // The two simulations of the air-conditioning run; the real ones unless
  // replaced (tests put stand-ins here).
  using SimulationRun = std::function<void(common::Program&, RunLog&)>;
  SimulationRun coolingLoadRun = ModRoutine::BCLSim;
  SimulationRun plantRun = ModACPlt::RunPlantSimulation;

  forms::Label lblHead, lblMsg;
  std::array<forms::Label, 11> lblItem;
  std::array<forms::TextBox, 11> txtItem;
  forms::CommandButton cmdGO, cmdAsTyped, cmdOK;
  forms::ListBox lstRun;
  forms::CommandButton cmdEndRun;
  forms::ListBox lstRunRpt;
  forms::Menu mnuF, mnuFLoad, mnuFSave, mnuFExit;
  forms::Menu mnuM, mnuMAll, mnuML0, mnuMAC, mnuMElec, mnuML1, mnuMAAC, mnuMAElec, mnuMFSer, mnuMLift, mnuMPaD,
      mnuMGasS;
  forms::Menu mnuDirExit;

  // Window state: the system shown (0 none), the walk through all systems,
  // the annual hours by use and room type. The energy use result file
  // is the project's own (prog.sim.EurFile), forgotten with the project.
  int SysNo = 0;
  bool AllSysMode = false;
  AnnualHours AnnHrs{};

  void mnuMAll_Click();
  void mnuMAC_Click();
  void mnuMAAC_Click();
  void mnuMElec_Click();
  void mnuMAElec_Click();
  void mnuMFSer_Click();
  void mnuMLift_Click();
  void mnuMPaD_Click();
  void mnuMGasS_Click();
  void cmdGO_Click();
  void cmdAsTyped_Click();
  void cmdOK_Click();
  void cmdEndRun_Click();
  void lstRun_Click();
  void lstRunRpt_Click();
  void mnuFLoad_Click();
  void mnuFSave_Click();
  void mnuFExit_Click();
  void mnuDirExit_Click();

 protected:
  void Form_Load() override;

 private:
  void ResetScreen();
  void ReadInputs();
  using InputReader = std::function<bool(const std::string&, std::string&)>;
  // Asks for one input file and reads it through `read`; the chosen path
  // is kept only when the whole file was read. False when the dialog was
  // cancelled or the read failed (after a message naming the file).
  bool ReadInputFile(std::string& path, const forms::FileDialogRequest& request, const std::string& failure,
                     const InputReader& read);
  // Reads the input file at the known `path` through `read`; false, after a
  // message naming the file and the reason, when it cannot be read.
  bool ReadKnownInputFile(const std::string& path, const std::string& failure, const InputReader& read);

  // The inputs the views compute from: the energy model (lighting and
  // equipment in zones), the central plant (the additional HVAC systems) and
  // the non-AC services (the other lists). One that was not read as the
  // window opened computes nothing: its views say why, and Exit leaves the
  // annual energy it feeds as it was, unless the user gave the view's figures
  // (Enter Changes, or results loaded).
  enum Input { kModel, kPlant, kServices, kNoInput, kInputs = kNoInput };
  static constexpr int kViews = 9;  // view codes 0 to 8
  // The input view `code` computes from, and the slot of AnnEgy it feeds.
  struct ViewInput {
    Input input;
    std::size_t slot;
  };
  static ViewInput InputOf(int code);
  // Why the view `code` computes nothing ("the ... input file was not
  // read"); "" when its input was read.
  std::string NotReadNote(int code) const;
  std::array<bool, kInputs> unread_{};
  std::array<bool, kViews> given_{};  // by view code

  // Views.
  void BeginView(int code, const std::string& heading);
  void ShowRow(int i, const std::string& caption, common::Single value);
  void OfferCalculate();
  // Puts why the view computes nothing into the prompt; false when its
  // input was read.
  bool SayNotRead();
  void ShowList(int code, const std::string& heading);
  void ShowListValues(int code);

  // Calculations.
  void CalcNonACEgy(int code);
  void CalcGasEgy();
  void CalcZnElecEgy();
  void RunSimulation();
  class HeldCommands;
  void Log(const std::string& line);

  // The number typed into box i; nullopt (after a message) when it lies
  // beyond the Single range.
  std::optional<common::Single> TypedValue(int i);
  bool EnterList(int code);
  // Enter Changes; false when nothing was stored.
  bool EnterTyped();

  void DeriveEurFile();
  // False (after its message) when the run log could not be written.
  bool SaveRunLog();

  common::Program& prog_;
  // The energy use result file and the run log read or written since the
  // window loaded: saving to them again asks nothing.
  std::string ownEur_, ownRunLog_;
};

}  // namespace simulation
