#include "simulation/cooling_load_sim.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <thread>

#include "common/file_names.h"
#include "common/number_text.h"
#include "common/paths.h"
#include "common/project_paths.h"
#include "common/psychrometrics.h"
#include "energy_input/construction_file.h"
#include "energy_input/energy_model_files.h"
#include "energy_input/model_check.h"
#include "simulation/cooling_load_io.h"
#include "simulation/load_constants.h"
#include "simulation/room_threads.h"
#include "simulation/room_year.h"
#include "simulation/run_inputs.h"
#include "simulation/solar.h"
#include "simulation/weather.h"

namespace ModRoutine {
namespace {

using common::ShortTextInt;

using simulation::Fail;

std::string Lower(std::string s) {
  ModInpCtl::ToLowerCase(s);
  return s;
}

// The zone load file: per hour the hour stamp and outdoor values, then the
// three values of each room, as the room load files hold them (their text
// is already what the annual file will hold, see AnnualText).
bool ComposeZone(common::SimulationState& sim, const WeatherYear& weather, const simulation::SimCalendar& cal,
                 const std::string& zonePath, const std::vector<std::string>& roomPaths) {
  simulation::BlockWriter out;
  if (!OpenWriter(sim, out, zonePath)) return false;
  const int nRm = static_cast<int>(roomPaths.size());
  std::vector<simulation::BlockReader> rooms(static_cast<std::size_t>(nRm));
  for (int r = 0; r < nRm; ++r)
    if (!OpenReader(sim, rooms[r], roomPaths[r])) return false;
  const int hours = cal.Hours();
  std::string line;
  for (int hour = 0; hour < hours; ++hour) {
    const WeatherHour* wx = WeatherAt(weather, hour, sim);
    if (!wx) return false;
    out.Out().Int(wx->stamp).Sng(wx->OutTdb).Sng(wx->OutWxItem2).Sng(wx->OutTwb).Sng(wx->OutW).EndLine();
    for (int r = 0; r < nRm; ++r) {
      if (!ReadLoadText(sim, rooms[r], roomPaths[r], 4, line)) return false;
      out.Out().Line(std::string_view(line).substr(line.find(',') + 1));
    }
    if (!FlushWriter(sim, out, zonePath)) return false;
  }
  if (!CommitWriter(sim, out, zonePath)) return false;
  for (int r = 0; r < nRm; ++r) {
    rooms[r].Close();
    unlink(roomPaths[r].c_str());
  }
  return true;
}

// The annual hourly cooling load file from the zone load files.
bool ComposeAnnual(common::Program& prog, const WeatherYear& weather, const simulation::SimCalendar& cal,
                   const std::vector<std::string>& zonePaths) {
  auto& sim = prog.sim;
  const auto& em = sim.run->EgyModel;
  const std::string path = common::ResolveProjectFile(kAnnualLoadFileName, prog.building.ProjDir);
  simulation::BlockWriter out;
  if (!OpenWriter(sim, out, path)) return false;
  const int nZn = static_cast<int>(zonePaths.size());
  std::vector<simulation::BlockReader> zones(static_cast<std::size_t>(nZn));
  for (int z = 0; z < nZn; ++z)
    if (!OpenReader(sim, zones[z], zonePaths[z])) return false;
  int hour = 0;
  std::string line;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= cal.MonthDays[month]; ++day) {
      for (int h = 1; h <= 24; ++h, ++hour) {
        common::Long stamp = 0;
        if (nZn == 0) {
          // Without zones the outdoor values come straight from the weather.
          const WeatherHour* wx = WeatherAt(weather, hour, sim);
          if (!wx) return false;
          PutWeatherHour(*wx, sim);
        }
        for (int z = 0; z < nZn; ++z)
          if (!ReadLoadLine(sim, zones[z], zonePaths[z], stamp, sim.OutTdb, sim.OutWxItem2, sim.OutTwb, sim.OutW))
            return false;
        out.Out().Int(month).Int(day).Int(h).Sng(sim.OutTdb).Sng(sim.OutWxItem2).Sng(sim.OutTwb).Sng(sim.OutW);
        out.Out().EndLine();
        for (int z = 1; z <= nZn; ++z) {
          out.Out().Int(z).Int(em.ZnNRm[z]).EndLine();
          for (int r = 1; r <= em.ZnNRm[z]; ++r) {
            if (!ReadLoadText(sim, zones[z - 1], zonePaths[z - 1], 3, line)) return false;
            line.insert(0, std::to_string(r) + ",");
            out.Out().Line(line);
          }
        }
        if (!FlushWriter(sim, out, path)) return false;
      }
    }
  }
  if (!CommitWriter(sim, out, path)) return false;
  for (int z = 0; z < nZn; ++z) {
    zones[z].Close();
    unlink(zonePaths[z].c_str());
  }
  return true;
}

// The rooms of the building in order, zone by zone.
struct RoomRef {
  int z, r;
  std::string path;  // its room load file
};

// Simulates every room on `threads` threads, each in a simulation state of
// its own, while this thread takes their reports in room order: it logs
// each month of the room in turn and composes each zone's load file as soon
// as its rooms are done. The first failure in that order stops the run,
// whatever the threads did after it.
bool SimulateRooms(common::Program& prog, simulation::RunLog& log, const RoomYearInputs& in, int threads,
                   const std::vector<RoomRef>& rooms, const std::vector<std::string>& zonePaths) {
  const auto& em = prog.sim.run->EgyModel;
  const int count = static_cast<int>(rooms.size());
  std::vector<RoomYearEnd> ends(rooms.size());
  std::vector<std::string> errors(rooms.size());
  const int workers = std::clamp(threads, 1, std::max(count, 1));
  std::vector<std::unique_ptr<common::SimulationState>> states;
  std::vector<std::unique_ptr<RoomStepper>> steppers;
  for (int w = 0; w < workers; ++w) {
    states.push_back(std::make_unique<common::SimulationState>(prog.sim));
    steppers.push_back(std::make_unique<RoomStepper>());
  }
  simulation::RoomThreads threadsRun(count, workers, [&](int w, int k, simulation::RoomThreads::Progress& progress) {
    auto& sim = *states[static_cast<std::size_t>(w)];
    const auto& room = rooms[static_cast<std::size_t>(k)];
    sim.SimErr = 0;
    bool ok = false;
    try {
      ok = SimulateRoomYear(in, sim, *steppers[static_cast<std::size_t>(w)], room.z, room.r, room.path, progress,
                            ends[static_cast<std::size_t>(k)]);
    } catch (const std::exception& e) {
      Fail(sim, kBCLSim, e.what());
    }
    if (!ok) errors[static_cast<std::size_t>(k)] = sim.SimErrMsg;
    return ok;
  });

  auto& as = prog.sim.run->ASSys;
  int k = 0;
  for (int z = 1; z <= em.NoOfZn; ++z) {
    std::vector<std::string> roomPaths;
    for (int r = 1; r <= em.ZnNRm[z]; ++r, ++k) {
      for (;;) {
        const auto report = threadsRun.Next(k);
        if (!report.done) {
          log.Clear();
          log.Add("Modelling " + em.RmName[z][r] + " - Processing Month No." + ShortTextInt(report.month) + "....");
          continue;
        }
        if (!report.ok) {
          threadsRun.Stop();
          const std::string& why = errors[static_cast<std::size_t>(k)];
          if (why.empty())
            return Fail(prog.sim, kBCLSim, "The " + energy_input::RoomLabel(em, z, r) + " could not be simulated!");
          return simulation::FailAs(prog.sim, why);
        }
        break;
      }
      // The loads of the room's last hour are kept in the shared records.
      as.DsgSensLd[1][z][r] = ends[static_cast<std::size_t>(k)].sens;
      prog.sim.RmLatLd[z][r] = ends[static_cast<std::size_t>(k)].lat;
      roomPaths.push_back(rooms[static_cast<std::size_t>(k)].path);
    }
    if (!ComposeZone(prog.sim, in.weather, in.cal, zonePaths[static_cast<std::size_t>(z - 1)], roomPaths)) {
      threadsRun.Stop();
      return false;
    }
  }
  return true;
}

// A stopped run leaves none of its room and zone load files behind (none
// could serve a later run, which writes its own): rooms simulated ahead of
// the failing one on other threads, the rooms and zones done before it.
// The threads have ended by now; a file never written is simply not there.
void RemoveLoadFiles(const std::vector<RoomRef>& rooms, const std::vector<std::string>& zonePaths) {
  for (const auto& room : rooms) unlink(room.path.c_str());
  for (const auto& path : zonePaths) unlink(path.c_str());
}

}  // namespace

std::vector<std::string> TempFileNames(const std::vector<std::string>& names, const std::string& ext,
                                       const std::string& prefix) {
  std::vector<std::string> out;
  std::vector<std::string> taken;  // lower-cased names given so far
  auto isTaken = [&](const std::string& n) { return std::find(taken.begin(), taken.end(), Lower(n)) != taken.end(); };
  // Names that stand as they are come first, so a replacement never takes
  // the name of a later room.
  std::vector<bool> plain(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::string file = names[i] + ext;
    plain[i] =
        common::IsPlainName(names[i]) && common::IsPlainName(file) && common::FitsNameLimit(file) && !isTaken(file);
    if (plain[i]) taken.push_back(Lower(file));
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::string file = names[i] + ext;
    if (!plain[i]) {
      file = prefix + std::to_string(i + 1) + ext;
      while (isTaken(file)) file = "_" + file;
      taken.push_back(Lower(file));
    }
    out.push_back(file);
  }
  return out;
}

namespace {

// Reads the energy model, the air-side design and the constructions as saved,
// each checked for what the run needs; false when the run cannot start, with
// SimErr set.
bool ReadRunInputs(common::Program& prog, simulation::RunLog& log, common::ConstructionTables& cons) {
  auto& sim = prog.sim;
  const auto& ei = prog.energyInput;

  log.Add("Reading " + ei.EciFile);
  if (!simulation::ReadRunEnergyModel(prog, kBCLSim)) return false;
  // The model as read holds its counts and codes within the arrays.
  const auto& em = sim.run->EgyModel;
  if (auto problem = energy_input::CodesProblem(em); !problem.empty()) return Fail(sim, kBCLSim, problem);
  // The rooms' design loads as saved, which the plant run of the same
  // Calculate reads too.
  if (!simulation::ReadRunAirSide(prog, kBCLSim)) return false;

  log.Add("Reading " + ei.ConsFile);
  {
    std::string error;
    std::string path = common::ResolveProjectFile(ei.ConsFile, prog.building.ProjDir);
    if (!energy_input::ReadConstructionFile(path, cons, error))
      return Fail(sim, kBCLSim, "Failed to read construction file " + ei.ConsFile + ": " + error);
  }
  // What the model's arrays and formulas need of the energy model and the
  // constructions: bad input stops the run with a message rather than an
  // index beyond the arrays or an undefined load.
  if (auto problem = energy_input::CoolingLoadRunProblem(em, cons); !problem.empty())
    return Fail(sim, kBCLSim, problem);
  return true;
}

// The design humidity ratio of every room.
void SetRoomHumRatios(const common::EnergyModel& em, common::SimulationState& sim) {
  for (int z = 1; z <= em.NoOfZn; ++z)
    for (int r = 1; r <= em.ZnNRm[z]; ++r)
      sim.RmHumRat[z][r] = ModACPlt::DesignAirState(em.RmTemp[z][r], em.RmRH[z][r]).w;
}

// The weather hours of the run, read once and shared by every room.
bool ReadRunWeather(common::Program& prog, simulation::RunLog& log, const simulation::SimCalendar& cal,
                    WeatherYear& weather) {
  log.Add("Opening " + prog.building.DataDir + kWeatherFileName + " for weather data input");
  auto found = common::FindExisting(common::PathIn(prog.building.DataDir, kWeatherFileName));
  if (!found || !ReadWeatherYear(*found, cal.Hours(), weather))
    return Fail(prog.sim, kBCLSim, "Failed to open weather data file!");
  return true;
}

// The temporary load files of the zones and of the rooms in the project
// folder.
void NameLoadFiles(const common::EnergyModel& em, const std::string& projDir, std::vector<std::string>& zonePaths,
                   std::vector<RoomRef>& rooms) {
  std::vector<std::string> zoneNames;
  for (int z = 1; z <= em.NoOfZn; ++z) zoneNames.push_back(em.ZnName[z]);
  for (const auto& name : TempFileNames(zoneNames, ".ZLF", "ZONE"))
    zonePaths.push_back(common::ResolveProjectFile(name, projDir));
  // Rooms of several zones are simulated at once, so their load files are
  // named apart across the whole building.
  std::vector<std::string> roomNames;
  for (int z = 1; z <= em.NoOfZn; ++z)
    for (int r = 1; r <= em.ZnNRm[z]; ++r) roomNames.push_back(em.RmName[z][r]);
  const auto roomFiles = TempFileNames(roomNames, ".RLF", "ROOM");
  for (int z = 1; z <= em.NoOfZn; ++z)
    for (int r = 1; r <= em.ZnNRm[z]; ++r)
      rooms.push_back({z, r, common::ResolveProjectFile(roomFiles[rooms.size()], projDir)});
}

// What the sun of each hour gives the glass of the orientations the
// windows face, worked out once for all rooms.
std::vector<SunOnGlass> SunOnWindows(const common::CoolingLoadModelState& m, const common::EnergyModel& em,
                                     const WeatherYear& weather) {
  std::array<bool, 10> orientations{};
  for (int z = 1; z <= em.NoOfZn; ++z)
    for (int r = 1; r <= em.ZnNRm[z]; ++r)
      for (int c = 1; c <= em.RmNFab[z][r]; ++c)
        if (em.FabType[z][r][c] == kWindow) orientations[static_cast<std::size_t>(em.FabOrient[z][r][c])] = true;
  std::vector<SunOnGlass> sun;
  sun.reserve(weather.hours.size());
  for (const auto& wx : weather.hours) sun.push_back(SunOnGlassOf(m, wx.SolAzi, wx.SolAlt, orientations));
  return sun;
}

}  // namespace

void RunCoolingLoad(common::Program& prog, simulation::RunLog& log, const simulation::SimCalendar& cal, int threads) {
  auto& sim = prog.sim;
  auto& m = sim.load;

  SetLoadModelDefaults(sim);
  m.MaskCache.clear();
  m.CurFabMask.fill(nullptr);

  // The constructions as saved, for this run only: the construction tables
  // in memory, which the construction window may be editing, stay as they
  // are.
  auto cons = std::make_unique<common::ConstructionTables>();
  if (!ReadRunInputs(prog, log, *cons)) return;
  const auto& em = sim.run->EgyModel;
  const WallLayouts walls(*cons);
  SetRoomHumRatios(em, sim);

  // Operating hours of the zones and of the building.
  SetZoneOpHrs(em, sim);

  WeatherYear weather;
  if (!ReadRunWeather(prog, log, cal, weather)) return;
  std::vector<std::string> zonePaths;
  std::vector<RoomRef> rooms;
  NameLoadFiles(em, prog.building.ProjDir, zonePaths, rooms);
  const std::vector<SunOnGlass> sun = SunOnWindows(m, em, weather);

  if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const RoomYearInputs in{prog, cal, weather, sun, *cons, walls};
  if (!SimulateRooms(prog, log, in, threads, rooms, zonePaths) || !ComposeAnnual(prog, weather, cal, zonePaths)) {
    RemoveLoadFiles(rooms, zonePaths);
    return;
  }
  log.Add("Space Load Calculations Finished!");
}

}  // namespace ModRoutine
