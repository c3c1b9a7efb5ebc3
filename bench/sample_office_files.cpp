// Runs the sample office's operating-energy year (the cooling-load
// simulation, then the plant simulation) in a folder and leaves its hourly
// output files there: AnHSpCL.TXT and BCLnEQW.SDF. scripts/compare-sim-outputs
// runs two builds of it and compares the files byte for byte, so a change
// meant to leave the results alone can be checked against the build before.
//   sample_office_files FOLDER
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "common/program.h"
#include "simulation/simulation_runs.h"
#include "support/sample_office.h"

namespace {

class NullLog : public simulation::RunLog {
 public:
  void Add(const std::string&) override {}
  void Clear() override {}
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  std::string folder = argv[1];
  if (folder.back() != '/') folder += '/';
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  auto prog = std::make_unique<common::Program>();
  std::string error;
  if (!testsupport::CopySampleOfficeFiles(folder, error) || !testsupport::LoadSampleOffice(*prog, folder, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  NullLog log;
  ModRoutine::BCLSim(*prog, log);
  if (prog->sim.SimErr == 0) ModACPlt::RunPlantSimulation(*prog, log);
  if (prog->sim.SimErr != 0) {
    std::fprintf(stderr, "%s\n", prog->sim.SimErrMsg.c_str());
    return 1;
  }
  return 0;
}
