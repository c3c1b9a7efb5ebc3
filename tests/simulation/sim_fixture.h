#pragma once
// Small buildings, plants and weather made for the simulation tests.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/program.h"
#include "simulation/simulation_runs.h"

namespace simtest {

// A fresh Program on the heap (the records are large).
std::unique_ptr<common::Program> NewProgram();

// A run log that keeps every line.
class RecordingLog : public simulation::RunLog {
 public:
  void Add(const std::string& line) override {
    lines.push_back(line);
    all.push_back(line);
  }
  void Clear() override { lines.clear(); }
  std::vector<std::string> lines;  // as the window shows them
  std::vector<std::string> all;    // everything ever added
};

// Constructions: 1 a brick cavity wall, 2 single glazing (shading
// coefficient 0.8), 3 a concrete floor slab with screed, 4 a stud partition,
// 5 a concrete roof with insulation.
common::ConstructionTables SampleConstructions();

// One zone of one office room of 100 m2 x 3 m, 10 occupants, 24 degC 55 %,
// 15 W/m2 lighting, 20 W/m2 equipment: a south wall of 30 m2, a south
// window of 12 m2, a floor/ceiling of 100 m2 and a partition of 30 m2; a
// constant-volume system with local outdoor air, design 12 kW sensible and
// 15 kW total.
void OfficeModel(common::Program& prog, int roomType = 1);

// The input records' energy model, shading masks, air-side systems and plant
// as the run's own records, as a run holds them once it has read the files
// written from them: for tests that drive the models a run drives.
void AsRunInputs(common::Program& prog);

// An air-cooled chiller of 50 kW / 12 kW with one primary pump, running
// from `start` to `stop`.
void AirCooledPlant(common::CentralPlantData& cp, int start = 7, int stop = 19);
// A water-cooled plant with one chiller, pumps and one cooling tower.
void TowerPlant(common::CentralPlantData& cp);

// One weather line for hour-of-year n (1-based): a warm humid day with the
// sun rising in the east at 6 and setting in the west at 18.
std::string WeatherLine(int n);
// `hours` weather lines ended by CR LF.
std::string WeatherText(int hours);

// Writes the energy model, constructions, air-side and plant files of `prog`
// into `folder` under the names MODEL.ECI, MODEL.CON, MODEL.ASS, MODEL.WSS
// and sets the file names, ProjDir and DataDir (= folder).
void WriteInputFiles(common::Program& prog, const std::string& folder);

// Lines of a text, without their CR LF ends.
std::vector<std::string> Lines(const std::string& text);
std::vector<std::string> Items(const std::string& line);

}  // namespace simtest
