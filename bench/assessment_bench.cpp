// The runs users wait for: a full assessment run (stages 1..4) and a
// costing run (stages 1..3) over a large generated project, against the
// floor of reading every file of that project once with a plain loop; and
// the data-file reader on one line of ten million items, which it reads in
// one pass.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "assessment/calculation.h"
#include "assessment/factors.h"
#include "assessment/lcia_database.h"
#include "assessment/results.h"
#include "assessment/selection.h"
#include "bench/large_project.h"
#include "building/element_library.h"
#include "building/project_file.h"
#include "common/data_file.h"
#include "common/paths.h"

namespace {

struct LargeProject {
  LargeProject() {
    folder = (std::filesystem::temp_directory_path() / "ostrevo-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) std::abort();
    folder += "/";
    files = bench::WriteLargeProject(folder, {});
    const std::string data = std::string(OSTREVO_SOURCE_DIR) + "/data/";
    auto& b = prog->building;
    std::string error;
    if (!ModCal::LoadLCIADatabase(prog->assess.mat, data + "MATLCIA.ILF", data + "MATLCIA.IDB", error)) std::abort();
    b.DataDir = data;
    building::SetLibraryPaths(b);
    b.ProjDir = folder;
    b.Bldg.ProjFile = "LARGE.PRJ";
    if (building::ReadProjectFile(folder + "LARGE.PRJ", b.Bldg, error) != building::ReadStatus::Ok) std::abort();
    ModCal::SetDefaultFactors(prog->assess.factors);
    ModCal::ResetAllSelections(prog->assess.sel);
    prog->sim.AnnEgy = {2.0e6f, 8.0e5f, 5.0e4f, 1.2e5f, 6.0e4f, 0};
    floorSeconds = MeasureFloor();
  }
  ~LargeProject() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }

  // Every file of the project read once, the fastest of five passes.
  double MeasureFloor() const {
    double best = 1e9;
    for (int pass = 0; pass < 5; ++pass) {
      auto start = std::chrono::steady_clock::now();
      size_t bytes = 0;
      for (const std::string& f : files) bytes += common::ReadWholeFile(f)->size();
      benchmark::DoNotOptimize(bytes);
      best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
  }

  void Run(int mode) {
    const ModCal::RunOutcome outcome = ModCal::RunStages(*prog, mode);
    if (!outcome.errText.empty()) {
      std::fprintf(stderr, "run failed: %s\n", outcome.errText.c_str());
      std::abort();
    }
  }

  std::string folder;
  std::vector<std::string> files;
  std::unique_ptr<common::Program> prog = std::make_unique<common::Program>();
  double floorSeconds = 0;
};

// Generated at its first use, which each benchmark makes before its timed
// loop: the generation of the project's files is never timed.
LargeProject& Project() {
  static LargeProject project;
  return project;
}

void ReportAgainstFloor(benchmark::State& state) {
  state.counters["files"] = static_cast<double>(Project().files.size());
  state.counters["floor_ms"] = Project().floorSeconds * 1e3;
}

void BM_ReadEveryFileOnce(benchmark::State& state) {
  const LargeProject& project = Project();
  for (auto _ : state) {
    size_t bytes = 0;
    for (const std::string& f : project.files) bytes += common::ReadWholeFile(f)->size();
    benchmark::DoNotOptimize(bytes);
  }
  ReportAgainstFloor(state);
}

void BM_AssessmentRun(benchmark::State& state) {
  LargeProject& project = Project();
  for (auto _ : state) project.Run(ModCal::kModeAssessment);
  ReportAgainstFloor(state);
  benchmark::DoNotOptimize(Project().prog->assess.LCAResult.BldgImp[0][2]);
}

void BM_CostingRun(benchmark::State& state) {
  LargeProject& project = Project();
  for (auto _ : state) project.Run(ModCal::kModeCosting);
  ReportAgainstFloor(state);
}

// Ten million items, text and number in turn, on one line of 30 MB.
void BM_DataReaderOneLongLine(benchmark::State& state) {
  const int pairs = 5'000'000;
  std::string text;
  text.reserve(6 * pairs);
  for (int n = 0; n < pairs; ++n) text += "\"a\",1,";
  text.back() = '\n';
  for (auto _ : state) {
    common::DataReader r(text);
    std::string s;
    common::Integer i = 0;
    int read = 0;
    while (read < pairs && r.Read(s) && r.Read(i)) ++read;
    if (read != pairs) state.SkipWithError(r.Error().c_str());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

BENCHMARK(BM_DataReaderOneLongLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadEveryFileOnce)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_AssessmentRun)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CostingRun)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
