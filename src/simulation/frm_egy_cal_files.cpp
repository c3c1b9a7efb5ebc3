// The files of the energy calculation window: the input files it reads
// on loading, the energy use result file and the run log file.
#include "common/failure_text.h"
#include "common/paths.h"
#include "common/project_paths.h"
#include "energy_input/energy_file_names.h"
#include "energy_input/energy_model_files.h"
#include "plant_input/plant_files.h"
#include "simulation/energy_use_file.h"
#include "simulation/frm_egy_cal.h"
#include "simulation/run_inputs.h"

namespace simulation {

namespace {

const char* const kNoProject = "Open a Project File first!";
const char* const kEurFilter = "Energy User Calculation Result File (*.EUR)|*.EUR";

std::string CannotRead(const std::string& what, const std::string& path, const std::string& why) {
  return "The " + what + " " + path + " could not be read (" + why + "). No value was changed.";
}

}  // namespace

bool frmEgyCal::ReadInputFile(std::string& path, const forms::FileDialogRequest& request, const std::string& failure,
                              const InputReader& read) {
  auto chosen = GetPlatform().OpenFileDialog(request);
  if (!chosen || chosen->empty()) return false;
  std::string why;
  if (!read(common::ResolveProjectFile(*chosen, prog_.building.ProjDir), why)) {
    MsgBox(CannotRead(failure, *chosen, why));
    return false;
  }
  path = *chosen;
  return true;
}

bool frmEgyCal::ReadKnownInputFile(const std::string& path, const std::string& failure, const InputReader& read) {
  std::string why;
  if (read(common::ResolveProjectFile(path, prog_.building.ProjDir), why)) return true;
  MsgBox(CannotRead(failure, path, why));
  return false;
}

// Asks for each input whose path is not yet known. The energy model, the
// air-side systems and the central plant are read into the calculation's own
// records, never into the records the input windows edit, so the window
// shows and computes what the saved files hold: a file whose path is known
// already is read without a dialog, and one that cannot be read there is
// named with the reason. The services file is read into the services record,
// from which the assessment takes the town gas, when its path was not known;
// a known path means the record in memory is the project's. A failed or
// cancelled energy calculation input file chosen in its dialog, or services
// file, ends the reading; a failed air-side file goes on with the central
// plant. What was not read is kept in unread_ for the views.
void frmEgyCal::ReadInputs() {
  auto& ei = prog_.energyInput;
  auto& plant = prog_.plant;
  const RunFileReader readModel = EnergyModelReader(*prog_.sim.run);
  const RunFileReader readAirSide = AirSideReader(*prog_.sim.run);
  unread_[kServices] = plant.NacFile.empty();
  if (!ei.EciFile.empty()) {
    unread_[kModel] = !ReadKnownInputFile(ei.EciFile, "energy calculation input file", readModel);
  } else if (!ReadInputFile(
                 ei.EciFile,
                 {"Open Energy Calculation Input File", "Energy Calculation Input File (*.ECI)|*.ECI", "", ""},
                 "energy calculation input file", readModel)) {
    return;
  } else {
    unread_[kModel] = false;
  }
  if (ei.ConsFile.empty()) ei.ConsFile = energy_input::EnergyFileName(prog_.building.Bldg.ProjFile, "CON");
  if (!ei.AssFile.empty()) {
    ReadKnownInputFile(ei.AssFile, "air-side system input file", readAirSide);
  } else {
    ReadInputFile(
        ei.AssFile,
        {"Air Side Air-conditioning System Input File", "Air Side AC System Input File (*.ASS)|*.ASS", "", ""},
        "air-side system input file", readAirSide);
  }
  if (plant.WssFile.empty()) {
    auto chosen = GetPlatform().OpenFileDialog(
        {"Read Central Plant Input Data", "Central Plant Input Data File (*.WSS)|*.WSS", "", ""});
    if (chosen) plant.WssFile = *chosen;
  }
  if (!plant.WssFile.empty())
    unread_[kPlant] = !ReadKnownInputFile(plant.WssFile, "central plant input file", PlantReader(*prog_.sim.run));
  if (!plant.NacFile.empty()) return;
  unread_[kServices] = !ReadInputFile(
      plant.NacFile, {"Read Input Data For Non-AC Services", "Non-AC Services Input Data File (*.NAC)|*.NAC", "", ""},
      "non-AC services input file", [&](const std::string& file, std::string& why) {
        common::NonACServicesData nac = plant.NAC;
        if (!plant_input::ReadServicesFile(file, nac, why)) return false;
        // The annual energy of the systems is not input: it stays.
        nac.AddElecEgy = plant.NAC.AddElecEgy;
        nac.FSEgy = plant.NAC.FSEgy;
        nac.LiftEgy = plant.NAC.LiftEgy;
        nac.PDEgy = plant.NAC.PDEgy;
        nac.GasEgy = plant.NAC.GasEgy;
        plant.NAC = std::move(nac);
        return true;
      });
}

frmEgyCal::ViewInput frmEgyCal::InputOf(int code) {
  static constexpr std::array<ViewInput, kViews> kInputOf{{{kNoInput, common::kAnnHVAC},
                                                           {kNoInput, common::kAnnHVAC},  // the runs read their own
                                                           {kPlant, common::kAnnHVAC},
                                                           {kModel, common::kAnnElec},
                                                           {kServices, common::kAnnElec},
                                                           {kServices, common::kAnnFSer},
                                                           {kServices, common::kAnnLift},
                                                           {kServices, common::kAnnPaD},
                                                           {kServices, common::kAnnGas}}};
  return code >= 0 && code < kViews ? kInputOf[static_cast<size_t>(code)] : kInputOf[0];
}

std::string frmEgyCal::NotReadNote(int code) const {
  static constexpr std::array<const char*, kInputs> kFile{"energy calculation", "central plant", "non-AC services"};
  const Input input = InputOf(code).input;
  if (input == kNoInput || !unread_[input]) return "";
  return std::string("the ") + kFile[input] + " input file was not read";
}

// ---- The energy use result file ----

void frmEgyCal::DeriveEurFile() {
  auto& EurFile = prog_.sim.EurFile;
  if (EurFile.empty()) EurFile = energy_input::EnergyFileName(prog_.building.Bldg.ProjFile, "EUR");
}

void frmEgyCal::mnuFSave_Click() {
  if (prog_.building.Bldg.ProjFile.empty()) {
    MsgBox(kNoProject);
    return;
  }
  DeriveEurFile();
  auto chosen =
      GetPlatform().SaveFileDialog({"Save Energy Use Calculation Results", kEurFilter, "", prog_.sim.EurFile, ownEur_});
  if (!chosen || chosen->empty()) return;
  prog_.sim.EurFile = *chosen;
  std::string why;
  if (WriteEnergyUseFile(*chosen, TakeEnergyUse(prog_), why)) {
    ownEur_ = *chosen;
  } else {
    MsgBox("The energy use results were not saved: " + why + ".");
  }
}

// The values show the next time a system is shown.
void frmEgyCal::mnuFLoad_Click() {
  if (prog_.building.Bldg.ProjFile.empty()) {
    MsgBox(kNoProject);
    return;
  }
  DeriveEurFile();
  auto chosen =
      GetPlatform().OpenFileDialog({"Load Energy Use Calculation Results", kEurFilter, "", prog_.sim.EurFile});
  if (!chosen || chosen->empty()) return;
  prog_.sim.EurFile = *chosen;
  std::string why;
  const std::string eur = common::ResolveProjectFile(*chosen, prog_.building.ProjDir);
  auto text = common::ReadWholeFile(eur, &why);
  EnergyUseResults results = TakeEnergyUse(prog_);
  if (!text || !ParseEnergyUseFile(*text, results, why)) {
    MsgBox("The energy use results could not be loaded (" + why + "). No value was changed.");
    return;
  }
  PutEnergyUse(results, prog_);
  given_.fill(true);
  ownEur_ = eur;
}

// ---- The run log file ----

bool frmEgyCal::SaveRunLog() {
  auto chosen = GetPlatform().SaveFileDialog({"Save Run Log", "Run Log File (*.TXT)|*.TXT", "", "", ownRunLog_});
  std::vector<std::string> lines;
  for (int i = 0; i < lstRun.ListCount(); ++i) lines.push_back(lstRun.List(i));
  std::string why;
  if (!chosen || chosen->empty() || !common::WriteFileSafely(*chosen, FormatRunLog(lines), &why)) {
    MsgBox(common::WithReason("Error in printing run log!!", why));
    return false;
  }
  ownRunLog_ = *chosen;
  return true;
}

}  // namespace simulation
