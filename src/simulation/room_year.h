#pragma once
// The year of one room of the cooling-load simulation, as one simulation
// thread runs it: the room loaded into that thread's own simulation state,
// its walls warmed up on the first day, then every hour of the calendar,
// written to the room load file (per hour the hour stamp, the mean sensible
// and latent load (W) and the air temperature at its end (degC)). It reads
// the run's energy model and air-side design, the project folder, the run's
// constructions and the weather without changing them, so rooms can run side
// by side.
#include <string>
#include <vector>

#include "common/program.h"
#include "simulation/calendar.h"
#include "simulation/room_stepper.h"
#include "simulation/room_threads.h"
#include "simulation/solar.h"
#include "simulation/wall_conduction.h"
#include "simulation/weather.h"

namespace ModRoutine {

// What every room's year reads; nothing of it changes while rooms run.
struct RoomYearInputs {
  const common::Program& prog;
  const simulation::SimCalendar& cal;
  const WeatherYear& weather;
  const std::vector<SunOnGlass>& sun;      // of each weather hour, for the windows' orientations
  const common::ConstructionTables& cons;  // as the run read them from the construction file
  const WallLayouts& walls;                // of those constructions
};

// The loads of the room's last hour (W).
struct RoomYearEnd {
  Single sens = 0, lat = 0;
};

// Simulates room r of zone z into the room load file at `path`, in `sim`
// (a simulation state of the thread's own, with the run's constants, design
// humidities and shading masks) and with the thread's `stepper`; reports
// each month as it begins. False with SimErr and SimErrMsg of `sim` set when
// the room failed, or without them when the run was stopped.
bool SimulateRoomYear(const RoomYearInputs& in, common::SimulationState& sim, RoomStepper& stepper, int z, int r,
                      const std::string& path, simulation::RoomThreads::Progress& progress, RoomYearEnd& end);

// Loads room r of zone z of the run's energy model into the cooling-load
// model state of `sim`.
void LoadRoom(const common::Program& prog, common::SimulationState& sim, int z, int r);
// For tests and benchmarks only: the same into the program's own state.
void LoadRoom(common::Program& prog, int z, int r);

}  // namespace ModRoutine
