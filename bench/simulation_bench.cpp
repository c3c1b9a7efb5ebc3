// The operating-energy runs users wait for: the year-long cooling-load
// simulation and the year-long plant simulation of the sample office
// (samples/office: three zones of six storeys, eleven rooms, shading masks,
// a water-cooled plant with fresh-air units) on the shipped weather file.
// Build in Release (or RelWithDebInfo) for figures that mean something.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "common/program.h"
#include "energy_input/energy_model_files.h"
#include "simulation/simulation_runs.h"

namespace {

class NullLog : public simulation::RunLog {
 public:
  void Add(const std::string&) override {}
  void Clear() override {}
};

struct SampleOffice {
  SampleOffice() {
    folder = (std::filesystem::temp_directory_path() / "ostrevo-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) std::abort();
    folder += "/";
    const std::string sample = std::string(OSTREVO_SOURCE_DIR) + "/samples/office/";
    for (const auto& e : std::filesystem::directory_iterator(sample)) {
      std::string ext = e.path().extension().string();
      if (ext == ".ECI" || ext == ".CON" || ext == ".ASS" || ext == ".WSS" || ext == ".SHM")
        std::filesystem::copy_file(e.path(), folder + e.path().filename().string());
    }
    auto& ei = prog->energyInput;
    prog->building.ProjDir = folder;
    prog->building.DataDir = std::string(OSTREVO_SOURCE_DIR) + "/data/";
    ei.EciFile = "OFFICE.ECI";
    ei.ConsFile = "OFFICE.CON";
    ei.AssFile = "OFFICE.ASS";
    prog->plant.WssFile = "OFFICE.WSS";
    // The energy calculation window has the air-side systems in memory
    // before the cooling-load run: their design loads cap the room loads.
    std::string error;
    if (!energy_input::ReadEnergyModelFile(folder + ei.EciFile, ei.EgyModel, ei.FabShMask, error) ||
        !energy_input::ReadAirSideFile(folder + ei.AssFile, ei.EgyModel, ei.ASSys, error))
      std::abort();
  }
  ~SampleOffice() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
  void Check(benchmark::State& state) {
    if (prog->sim.SimErr != 0) state.SkipWithError(prog->sim.SimErrMsg.c_str());
  }

  std::string folder;
  std::unique_ptr<common::Program> prog = std::make_unique<common::Program>();
  NullLog log;
};

SampleOffice& Office() {
  static SampleOffice office;
  return office;
}

void BM_CoolingLoadYear(benchmark::State& state) {
  auto& office = Office();
  int rooms = 0;
  for (auto _ : state) {
    office.prog->sim.SimErr = 0;
    ModRoutine::BCLSim(*office.prog, office.log);
    office.Check(state);
  }
  const auto& em = office.prog->energyInput.EgyModel;
  for (int z = 1; z <= em.NoOfZn; ++z) rooms += em.ZnNRm[z];
  state.counters["rooms"] = rooms;
  state.counters["steps/s"] =
      benchmark::Counter(rooms * 525600.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_CoolingLoadYear)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PlantYear(benchmark::State& state) {
  auto& office = Office();
  if (!std::filesystem::exists(office.folder + "AnHSpCL.TXT")) {
    ModRoutine::BCLSim(*office.prog, office.log);
    office.Check(state);
  }
  for (auto _ : state) {
    office.prog->sim.SimErr = 0;
    ModACPlt::RunPlantSimulation(*office.prog, office.log);
    office.Check(state);
  }
  const auto& e = office.prog->sim.ACEgy;
  state.counters["AC_MWh"] = e[0] / 1000;
  state.counters["chillers_MWh"] = e[2] / 1000;
  state.counters["fans_MWh"] = e[1] / 1000;
}
BENCHMARK(BM_PlantYear)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
