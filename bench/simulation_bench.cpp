// The operating-energy runs users wait for, on the shipped weather file:
// - the sample office (samples/office: three zones of six storeys, eleven
//   rooms, shading masks, a water-cooled plant with fresh-air units): its
//   cooling-load year and its plant year;
// - the largest building the input windows allow (bench/largest_building.h,
//   generated here): its cooling-load year on one thread and on all cores,
//   also with deep concrete walls, and its plant year.
// - the block reader of the hourly files on a file without a line end, whose
//   one line it reads in one pass.
// Counters: rooms, room-steps and wall-node-steps per second (every node of
// every component of every room, 60 steps an hour, the warm-up of the first
// day not counted) and the process's peak memory so far.
// Build in Release (or RelWithDebInfo) for figures that mean something.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "bench/largest_building.h"
#include "common/program.h"
#include "energy_input/construction_file.h"
#include "energy_input/energy_model_files.h"
#include "simulation/cooling_load_sim.h"
#include "simulation/data_stream.h"
#include "simulation/load_constants.h"
#include "simulation/mean_radiant.h"
#include "simulation/room_stepper.h"
#include "simulation/simulation_runs.h"
#include "simulation/solar.h"
#include "simulation/wall_conduction.h"
#include "support/sample_office.h"

namespace {

class NullLog : public simulation::RunLog {
 public:
  void Add(const std::string&) override {}
  void Clear() override {}
};

const std::string kSample = std::string(OSTREVO_SOURCE_DIR) + "/samples/office/";

// A project folder of its own and a program as the energy calculation
// window leaves it before a run: the file names set, the energy model and
// the air-side systems in the run's records (their design loads cap the room
// loads), and the constructions as the construction window reads them (a run
// reads its own from the file).
struct Project {
  Project(const std::string& eci, const std::string& cons, const std::string& ass, const std::string& wss) {
    folder = (std::filesystem::temp_directory_path() / "ostrevo-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) std::abort();
    folder += "/";
    auto& ei = prog->energyInput;
    prog->building.ProjDir = folder;
    prog->building.DataDir = std::string(OSTREVO_SOURCE_DIR) + "/data/";
    ei.EciFile = eci;
    ei.ConsFile = cons;
    ei.AssFile = ass;
    prog->plant.WssFile = wss;
  }
  void Load() {
    auto& ei = prog->energyInput;
    auto& run = *prog->sim.run;
    std::string error;
    if (!energy_input::ReadEnergyModelFile(folder + ei.EciFile, run.EgyModel, run.FabShMask, error) ||
        !energy_input::ReadAirSideFile(folder + ei.AssFile, run.EgyModel, run.ASSys, error) ||
        !energy_input::ReadConstructionFile(folder + ei.ConsFile, ei.cons, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      std::abort();
    }
  }
  ~Project() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
  bool Check(benchmark::State& state) {
    if (prog->sim.SimErr == 0) return true;
    state.SkipWithError(prog->sim.SimErrMsg.c_str());
    return false;
  }

  std::string folder;
  std::unique_ptr<common::Program> prog = std::make_unique<common::Program>();
  NullLog log;
};

// The projects live until the program ends, when their folders, with the
// simulations' output files in them, are removed.
Project& SampleOffice() {
  static const std::unique_ptr<Project> office = [] {
    auto p = std::make_unique<Project>("OFFICE.ECI", "OFFICE.CON", "OFFICE.ASS", "OFFICE.WSS");
    std::string error;
    if (!testsupport::CopySampleOfficeFiles(p->folder, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      std::abort();
    }
    p->Load();
    return p;
  }();
  return *office;
}

Project& Largest(bool deepWalls) {
  auto make = [](bool deep) {
    bench::LargestBuildingFiles files;
    auto p = std::make_unique<Project>(files.eci, files.cons, files.ass, files.wss);
    std::string error;
    if (!bench::WriteLargestBuilding(kSample, p->folder, deep, files, error)) {
      std::fprintf(stderr, "largest building: %s\n", error.c_str());
      std::abort();
    }
    p->Load();
    return p;
  };
  static const std::unique_ptr<Project> sample = make(false);
  static const std::unique_ptr<Project> deep = make(true);
  return deepWalls ? *deep : *sample;
}

void CoolingLoadYear(Project& p, int threads) {
  p.prog->sim.SimErr = 0;
  ModRoutine::RunCoolingLoad(*p.prog, p.log, simulation::kWeatherYear, threads);
}

// Rooms and wall nodes of the model.
struct ModelSize {
  int rooms = 0;
  long nodes = 0;
};
ModelSize Size(common::Program& prog) {
  ModelSize s;
  const auto& em = prog.sim.run->EgyModel;
  const auto& ct = prog.energyInput.cons;
  for (int z = 1; z <= em.NoOfZn; ++z) {
    for (int r = 1; r <= em.ZnNRm[z]; ++r) {
      ++s.rooms;
      ModRoutine::LoadRoom(prog, z, r);
      ModRoutine::SetupWallNodes(prog);
      const auto& m = prog.sim.load;
      for (int c = 1; c <= m.CurNFab; ++c) s.nodes += m.LayEndNode[c][ct.ConsNLay[m.CurFabCons[c]]];
    }
  }
  return s;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024;
}

void CoolingLoadCounters(benchmark::State& state, Project& p) {
  const ModelSize size = Size(*p.prog);
  constexpr double kStepsPerYear = 8760.0 * 60;
  state.counters["rooms"] = size.rooms;
  state.counters["room_steps/s"] =
      benchmark::Counter(size.rooms * kStepsPerYear, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["node_steps/s"] = benchmark::Counter(static_cast<double>(size.nodes) * kStepsPerYear,
                                                      benchmark::Counter::kIsIterationInvariantRate);
  state.counters["peak_MB"] = PeakMegabytes();
}

void BM_SampleOfficeCoolingLoadYear(benchmark::State& state) {
  auto& office = SampleOffice();
  for (auto _ : state) {
    CoolingLoadYear(office, 1);
    if (!office.Check(state)) return;
  }
  CoolingLoadCounters(state, office);
}
BENCHMARK(BM_SampleOfficeCoolingLoadYear)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_LargestCoolingLoadYear(benchmark::State& state) {
  auto& largest = Largest(state.range(1) != 0);
  for (auto _ : state) {
    CoolingLoadYear(largest, static_cast<int>(state.range(0)));
    if (!largest.Check(state)) return;
  }
  CoolingLoadCounters(state, largest);
}
BENCHMARK(BM_LargestCoolingLoadYear)
    ->ArgNames({"threads", "deep_walls"})
    ->Args({1, 0})
    ->Args({static_cast<int64_t>(std::max(1u, std::thread::hardware_concurrency())), 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

// The one-minute step alone, on a room of the largest building (ten
// components) in a warm afternoon hour.
void BM_RoomStep(benchmark::State& state) {
  auto& largest = Largest(state.range(0) != 0);
  auto& prog = *largest.prog;
  auto& m = prog.sim.load;
  ModRoutine::SetLoadModelDefaults(prog.sim);
  ModRoutine::LoadRoom(prog, 1, 1);
  ModRoutine::SetupWallNodes(prog);
  ModRoutine::PrepareEnclosure(m);
  for (auto& plane : m.NodeTemp)
    for (auto& comp : plane) comp.fill(26);
  prog.sim.OutTdb = 31;
  prog.sim.OutW = 0.018f;
  m.DirSolRad.fill(400);
  m.DifSolRad = {120, 90};
  m.SolAlt = 0.8f;
  m.SolAzi = 1.0f;
  m.OccFrac = m.LgtFrac = m.EqpFrac = 1;
  ModRoutine::CalSolGain(prog);
  ModRoutine::CalSolAirTemp(prog);
  const auto& as = prog.sim.run->ASSys;
  auto stepper = std::make_unique<ModRoutine::RoomStepper>();
  stepper->Load(prog.energyInput.cons, m, as.DsgSensLd[0][1][1], as.DsgTotLd[0][1][1]);
  stepper->BeginHour(m, prog.sim.OutTdb, prog.sim.OutW, true);
  long nodes = 0;
  for (int c = 1; c <= m.CurNFab; ++c) nodes += m.LayEndNode[c][prog.energyInput.cons.ConsNLay[m.CurFabCons[c]]];
  for (auto _ : state) {
    stepper->Step();
    benchmark::DoNotOptimize(stepper->StepSensLd());
  }
  state.counters["node_steps/s"] =
      benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_RoomStep)->ArgNames({"deep_walls"})->Arg(0)->Arg(1);

void PlantYear(benchmark::State& state, Project& p) {
  if (!std::filesystem::exists(p.folder + "AnHSpCL.TXT")) {
    CoolingLoadYear(p, static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    if (!p.Check(state)) return;
  }
  for (auto _ : state) {
    p.prog->sim.SimErr = 0;
    ModACPlt::RunPlantSimulation(*p.prog, p.log);
    if (!p.Check(state)) return;
  }
  const auto& e = p.prog->sim.ACEgy;
  state.counters["AC_MWh"] = e[0] / 1000;
  state.counters["chillers_MWh"] = e[2] / 1000;
  state.counters["fans_MWh"] = e[1] / 1000;
}

void BM_SampleOfficePlantYear(benchmark::State& state) { PlantYear(state, SampleOffice()); }
BENCHMARK(BM_SampleOfficePlantYear)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_LargestPlantYear(benchmark::State& state) { PlantYear(state, Largest(false)); }
BENCHMARK(BM_LargestPlantYear)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The first line of a file of `range(0)` MB without a line end: every block
// read is searched once for a line end, so the time grows with the size.
void BM_BlockReaderLineWithoutEnd(benchmark::State& state) {
  std::string path = (std::filesystem::temp_directory_path() / "ostrevo-bench-XXXXXX").string();
  const int fd = mkstemp(path.data());
  if (fd < 0) {
    state.SkipWithError("the file could not be made");
    return;
  }
  const off_t bytes = static_cast<off_t>(state.range(0)) << 20;
  const bool made = ftruncate(fd, bytes) == 0;
  close(fd);
  if (!made) state.SkipWithError("the file could not be made");
  if (made) {
    for (auto _ : state) {
      simulation::BlockReader in;
      std::string error;
      if (!in.Open(path, error) || in.Line() == nullptr) {
        state.SkipWithError(error.c_str());
        break;
      }
    }
  }
  std::filesystem::remove(path);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
}
BENCHMARK(BM_BlockReaderLineWithoutEnd)->ArgName("MB")->Arg(24)->Arg(96)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
