#include "simulation/cooling_load_sim.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "common/number_text.h"
#include "common/paths.h"
#include "common/project_paths.h"
#include "energy_input/construction_file.h"
#include "energy_input/energy_model_files.h"
#include "simulation/data_stream.h"
#include "simulation/load_constants.h"
#include "simulation/mean_radiant.h"
#include "simulation/psychrometrics.h"
#include "simulation/room_load.h"
#include "simulation/room_stepper.h"
#include "simulation/solar.h"
#include "simulation/wall_conduction.h"
#include "simulation/weather.h"

namespace ModRoutine {
namespace {

using common::ShortTextInt;

constexpr int kStepsPerHour = 60;       // 3600 s / the 60 s time step
constexpr int kMaxWarmUpDays = 25;      // repetitions of the first day before the year
constexpr Single kWarmUpChange = 0.1f;  // K: the walls have settled below this day-to-day change

bool Fail(common::SimulationState& sim, std::string msg) {
  sim.SimErr = -1;
  sim.SimErrMsg = std::move(msg);
  return false;
}

std::string Lower(std::string s) {
  for (char& ch : s)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return s;
}

std::string RoomLabel(const common::EnergyModel& em, int z, int r) {
  return "room \"" + em.RmName[z][r] + "\" of zone \"" + em.ZnName[z] + "\"";
}

// Checks what the model's arrays and formulas need of the energy model and
// the constructions, so that bad input stops the run with a message rather
// than an index beyond the arrays or an undefined load.
bool CheckModel(common::Program& prog) {
  auto& sim = prog.sim;
  const auto& em = prog.energyInput.EgyModel;
  const auto& ct = prog.energyInput.cons;
  if (em.NoOfZn < 0 || em.NoOfZn > common::kMaxZones)
    return Fail(sim, "BCLSim: The number of zones must lie between 0 and" + ShortTextInt(common::kMaxZones) + "!");
  const int noOfCons = std::clamp<int>(ct.NoOfCons, 0, common::kMaxConstructions);
  for (int z = 1; z <= em.NoOfZn; ++z) {
    if (em.ZnNRm[z] < 0 || em.ZnNRm[z] > common::kMaxRooms)
      return Fail(sim, "BCLSim: Zone \"" + em.ZnName[z] + "\" has more than" + ShortTextInt(common::kMaxRooms) +
                           " rooms!");
    for (int r = 1; r <= em.ZnNRm[z]; ++r) {
      const std::string room = RoomLabel(em, z, r);
      if (em.RmNFab[z][r] < 0 || em.RmNFab[z][r] > common::kMaxFabrics)
        return Fail(sim, "BCLSim: The " + room + " has more than" + ShortTextInt(common::kMaxFabrics) +
                             " fabric components!");
      if (em.RmType[z][r] < 0 || em.RmType[z][r] > kMaxRoomType)
        return Fail(sim, "BCLSim: The " + room + " has an unknown room type!");
      const float values[] = {em.RmArea[z][r], em.RmHgt[z][r], em.RmNOcc[z][r], em.RmLgtW[z][r],
                              em.RmEqpW[z][r]};
      for (float v : values)
        if (!std::isfinite(v) || v < 0)
          return Fail(sim, "BCLSim: The " + room + " has a negative area, height, occupancy or load!");
      if (!common::ToInteger(em.RmNOcc[z][r]))
        return Fail(sim, "BCLSim: The " + room + " has too many occupants!");
      Single area = 0;
      int floor = 0;
      for (int c = 1; c <= em.RmNFab[z][r]; ++c) {
        const std::string comp = "fabric component \"" + em.FabName[z][r][c] + "\" of the " + room;
        if (em.FabType[z][r][c] < 0 || em.FabType[z][r][c] > kPartition)
          return Fail(sim, "BCLSim: The " + comp + " has an unknown component type!");
        if (em.FabOrient[z][r][c] < 0 || em.FabOrient[z][r][c] > kHorizontal)
          return Fail(sim, "BCLSim: The " + comp + " has an unknown orientation!");
        const int n = em.FabCons[z][r][c];
        if (n < 1) return Fail(sim, "BCLSim: The " + comp + " has no construction chosen!");
        if (n > noOfCons)
          return Fail(sim, "BCLSim: The " + comp + " names construction " + std::to_string(n) + ", but only " +
                               std::to_string(noOfCons) + " constructions are defined!");
        if (ct.ConsNLay[n] < 1 || ct.ConsNLay[n] > common::kMaxLayers)
          return Fail(sim, "BCLSim: The " + comp + " has no construction of 1 to" +
                               ShortTextInt(common::kMaxLayers) + " layers!");
        const Single a = em.FabArea[z][r][c];
        if (!std::isfinite(a) || a < 0) return Fail(sim, "BCLSim: The " + comp + " has a negative area!");
        if (em.FabType[z][r][c] == kFloorCeiling) floor = c;
        area += a;
      }
      if (floor > 0 && !(em.FabArea[z][r][floor] > 0))
        return Fail(sim, "BCLSim: The floor of the " + room + " has no area!");
      if (!(area > 0) && !(em.RmArea[z][r] * em.RmHgt[z][r] > 0))
        return Fail(sim, "BCLSim: The " + room + " has neither fabric area nor volume!");
    }
  }
  return true;
}

// Opens the weather file from its first line.
bool OpenWeather(common::Program& prog, simulation::BlockReader& wx) {
  auto found = common::FindExisting(prog.building.DataDir + kWeatherFileName);
  std::string error;
  if (!found || !wx.Open(*found, error)) return Fail(prog.sim, "BCLSim: Failed to open weather data file!");
  return true;
}

bool ReadWeatherLine(common::Program& prog, simulation::BlockReader& wx, common::Long& stamp) {
  common::DataReader* r = wx.Line();
  if (!r || !ReadWeatherHour(*r, stamp, prog.sim))
    return Fail(prog.sim, std::string("BCLSim: Failed to read weather data file ") + kWeatherFileName + ": " +
                              wx.Error());
  return true;
}

bool ReadLoadLine(common::Program& prog, simulation::BlockReader& in, const std::string& name, auto&... items) {
  common::DataReader* r = in.Line();
  if (r) (r->Read(items), ...);
  if (!r || !r->Ok()) return Fail(prog.sim, "BCLSim: Failed to read " + name + ": " + in.Error());
  return true;
}

bool OpenWriter(common::Program& prog, simulation::BlockWriter& w, const std::string& path) {
  std::string error;
  if (!w.Open(path, error)) return Fail(prog.sim, "BCLSim: Failed to create " + path + ": " + error);
  return true;
}

bool FlushWriter(common::Program& prog, simulation::BlockWriter& w, const std::string& path) {
  if (!w.Flush()) return Fail(prog.sim, "BCLSim: Failed to write " + path + "!");
  return true;
}

bool CommitWriter(common::Program& prog, simulation::BlockWriter& w, const std::string& path) {
  std::string error;
  if (!w.Commit(error)) return Fail(prog.sim, "BCLSim: Failed to write " + path + ": " + error);
  return true;
}

bool OpenReader(common::Program& prog, simulation::BlockReader& in, const std::string& path) {
  std::string error;
  if (!in.Open(path, error)) return Fail(prog.sim, "BCLSim: Failed to open " + path + ": " + error);
  return true;
}

// One hour of room r of zone z (type t) at hour of the day h, under the
// weather now in the model state: the schedule fractions, the solar gains
// and 60 wall and room steps, whose mean loads go to DsgSensLd(1, z, r) and
// RmLatLd(z, r).
bool SimulateHour(common::Program& prog, RoomStepper& stepper, int z, int r, int t, int h) {
  auto& sim = prog.sim;
  auto& m = sim.load;
  auto& as = prog.energyInput.ASSys;
  m.OccFrac = m.OccSched[t][h + 1];
  m.LgtFrac = m.LgtSched[t][h + 1];
  m.EqpFrac = m.EqpSched[t][h + 1];
  if (t == kOfficeRoom && (sim.DayOfWeek == 0 || (sim.DayOfWeek == 6 && h + 1 > 13)))
    m.OccFrac = m.LgtFrac = m.EqpFrac = 0;
  m.BeamSolGain[0] = 0;
  m.DifSolGain[0] = 0;
  CalSolGain(prog);
  if (sim.SimErr != 0) return false;
  if (!m.EnclosureOk) return Fail(sim, kZeroInternalAreaMessage);
  // The sol-air temperatures change only with the hour's weather.
  CalSolAirTemp(prog);
  stepper.BeginHour(m, sim.OutTdb, sim.OutW, CoolingHour(sim, static_cast<Integer>(h), static_cast<Integer>(t)));
  Single sens = 0, lat = 0;
  for (int step = 1; step <= kStepsPerHour; ++step) {
    stepper.Step();
    sens += stepper.StepSensLd() / kStepsPerHour;
    lat += stepper.StepLatLd() / kStepsPerHour;
  }
  as.DsgSensLd[1][z][r] = sens;
  sim.RmLatLd[z][r] = lat;
  m.RmAirT = stepper.RmAirT();
  m.StepSensLd = stepper.StepSensLd();
  m.StepLatLd = stepper.StepLatLd();
  return true;
}

// The room's own start, whatever was modelled before it: every wall node
// and the air at the room's design temperature, then the first day of the
// weather played again until no node changes by 0.1 K or more from one
// repetition to the next (25 repetitions at most), so that the year starts
// from walls that have settled into that day's weather.
bool WarmUpRoom(common::Program& prog, RoomStepper& stepper, const simulation::SimCalendar& cal, int z, int r,
                int t) {
  auto& sim = prog.sim;
  auto& m = sim.load;
  for (auto& plane : m.NodeTemp)
    for (auto& comp : plane) comp.fill(m.RmSetT);
  m.RmAirT = m.RmSetT;
  m.RmAirW = m.RmSetW;
  const auto& as = prog.energyInput.ASSys;
  stepper.Load(prog.energyInput.cons, m, as.DsgSensLd[0][z][r], as.DsgTotLd[0][z][r]);
  if (cal.Hours() == 0) return true;

  simulation::BlockReader wx;
  if (!OpenWeather(prog, wx)) return false;
  std::array<WeatherHour, 24> day{};
  for (auto& hour : day) {
    common::Long stamp = 0;
    if (!ReadWeatherLine(prog, wx, stamp)) return false;
    hour = KeepWeatherHour(sim, stamp);
  }
  wx.Close();

  sim.DayOfWeek = 6;
  simulation::AdvanceDayOfWeek(sim.DayOfWeek);  // the week day of the first day
  for (int rep = 1; rep <= kMaxWarmUpDays; ++rep) {
    const RoomStepper::Nodes before = stepper.KeepNodes();
    for (int h = 0; h <= 23; ++h) {
      PutWeatherHour(day[h], sim);
      if (!SimulateHour(prog, stepper, z, r, t, h)) return false;
    }
    if (stepper.LargestNodeChange(before) < kWarmUpChange) break;
  }
  return true;
}

// The year of one room: the room load file holds, per hour, the hour stamp,
// the mean sensible and latent load of the hour (W) and the air temperature
// at its end (degC).
bool SimulateRoom(common::Program& prog, simulation::RunLog& log, const simulation::SimCalendar& cal, int z, int r,
                  const std::string& roomPath) {
  auto& sim = prog.sim;
  auto& m = sim.load;
  auto& as = prog.energyInput.ASSys;
  const auto& em = prog.energyInput.EgyModel;
  LoadRoom(prog, z, r);
  SetupWallNodes(prog);
  if (sim.SimErr != 0) return false;
  PrepareEnclosure(m);
  const int t = em.RmType[z][r];
  auto stepper = std::make_unique<RoomStepper>();
  if (!WarmUpRoom(prog, *stepper, cal, z, r, t)) return false;

  simulation::BlockReader wx;
  if (!OpenWeather(prog, wx)) return false;
  simulation::BlockWriter out;
  if (!OpenWriter(prog, out, roomPath)) return false;

  sim.DayOfWeek = 6;
  for (int month = 1; month <= 12; ++month) {
    if (cal.MonthDays[month] <= 0) continue;
    log.Clear();
    log.Add("Modelling " + em.RmName[z][r] + " - Processing Month No." + ShortTextInt(month) + "....");
    for (int day = 1; day <= cal.MonthDays[month]; ++day) {
      simulation::AdvanceDayOfWeek(sim.DayOfWeek);
      for (int h = 0; h <= 23; ++h) {
        common::Long stamp = 0;
        if (!ReadWeatherLine(prog, wx, stamp)) return false;
        if (!SimulateHour(prog, *stepper, z, r, t, h)) return false;
        const Single sens = as.DsgSensLd[1][z][r], lat = sim.RmLatLd[z][r];
        if (!std::isfinite(sens) || !std::isfinite(lat) || !std::isfinite(m.RmAirT))
          return Fail(sim, "BCLSim: The loads of the " + RoomLabel(em, z, r) + " became undefined on day" +
                               ShortTextInt(day) + " of month" + ShortTextInt(month) +
                               ": its wall conduction model is unstable!");
        out.Out().Int(stamp).Sng(sens).Sng(lat).Sng(m.RmAirT).EndLine();
        if (!FlushWriter(prog, out, roomPath)) return false;
      }
    }
  }
  stepper->StoreNodes(m);
  return CommitWriter(prog, out, roomPath);
}

// The zone load file: per hour the hour stamp and outdoor values, then the
// three values of each room.
bool ComposeZone(common::Program& prog, const simulation::SimCalendar& cal, const std::string& zonePath,
                 const std::vector<std::string>& roomPaths) {
  auto& sim = prog.sim;
  simulation::BlockReader wx;
  if (!OpenWeather(prog, wx)) return false;
  simulation::BlockWriter out;
  if (!OpenWriter(prog, out, zonePath)) return false;
  const int nRm = static_cast<int>(roomPaths.size());
  std::vector<simulation::BlockReader> rooms(static_cast<std::size_t>(nRm));
  for (int r = 0; r < nRm; ++r)
    if (!OpenReader(prog, rooms[r], roomPaths[r])) return false;
  const int hours = cal.Hours();
  for (int hour = 0; hour < hours; ++hour) {
    common::Long stamp = 0;
    if (!ReadWeatherLine(prog, wx, stamp)) return false;
    out.Out().Int(stamp).Sng(sim.OutTdb).Sng(sim.OutWxItem2).Sng(sim.OutTwb).Sng(sim.OutW).EndLine();
    for (int r = 0; r < nRm; ++r) {
      common::Long roomStamp = 0;
      Single sens = 0, lat = 0, airT = 0;
      if (!ReadLoadLine(prog, rooms[r], roomPaths[r], roomStamp, sens, lat, airT)) return false;
      out.Out().Sng(sens).Sng(lat).Sng(airT).EndLine();
    }
    if (!FlushWriter(prog, out, zonePath)) return false;
  }
  if (!CommitWriter(prog, out, zonePath)) return false;
  for (int r = 0; r < nRm; ++r) {
    rooms[r].Close();
    unlink(roomPaths[r].c_str());
  }
  return true;
}

// The annual hourly cooling load file from the zone load files.
bool ComposeAnnual(common::Program& prog, const simulation::SimCalendar& cal,
                   const std::vector<std::string>& zonePaths) {
  auto& sim = prog.sim;
  const auto& em = prog.energyInput.EgyModel;
  const std::string path = common::ResolveProjectFile(kAnnualLoadFileName, prog.building.ProjDir);
  simulation::BlockWriter out;
  if (!OpenWriter(prog, out, path)) return false;
  const int nZn = static_cast<int>(zonePaths.size());
  std::vector<simulation::BlockReader> zones(static_cast<std::size_t>(nZn));
  for (int z = 0; z < nZn; ++z)
    if (!OpenReader(prog, zones[z], zonePaths[z])) return false;
  // Without zones the outdoor values come straight from the weather file.
  simulation::BlockReader wx;
  if (nZn == 0 && !OpenWeather(prog, wx)) return false;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= cal.MonthDays[month]; ++day) {
      for (int h = 1; h <= 24; ++h) {
        common::Long stamp = 0;
        if (nZn == 0 && !ReadWeatherLine(prog, wx, stamp)) return false;
        for (int z = 0; z < nZn; ++z)
          if (!ReadLoadLine(prog, zones[z], zonePaths[z], stamp, sim.OutTdb, sim.OutWxItem2, sim.OutTwb, sim.OutW))
            return false;
        out.Out().Int(month).Int(day).Int(h).Sng(sim.OutTdb).Sng(sim.OutWxItem2).Sng(sim.OutTwb).Sng(sim.OutW);
        out.Out().EndLine();
        for (int z = 1; z <= nZn; ++z) {
          out.Out().Int(z).Int(em.ZnNRm[z]).EndLine();
          for (int r = 1; r <= em.ZnNRm[z]; ++r) {
            Single sens = 0, lat = 0, airT = 0;
            if (!ReadLoadLine(prog, zones[z - 1], zonePaths[z - 1], sens, lat, airT)) return false;
            out.Out().Int(r).Sng(sens).Sng(lat).Sng(airT).EndLine();
          }
        }
        if (!FlushWriter(prog, out, path)) return false;
      }
    }
  }
  if (!CommitWriter(prog, out, path)) return false;
  for (int z = 0; z < nZn; ++z) {
    zones[z].Close();
    unlink(zonePaths[z].c_str());
  }
  return true;
}

}  // namespace

std::vector<std::string> TempFileNames(const std::vector<std::string>& names, const std::string& ext,
                                       const std::string& prefix) {
  std::vector<std::string> out;
  std::vector<std::string> taken;  // lower-cased names given so far
  auto isTaken = [&](const std::string& n) {
    return std::find(taken.begin(), taken.end(), Lower(n)) != taken.end();
  };
  // Names that stand as they are come first, so a replacement never takes
  // the name of a later room.
  std::vector<bool> plain(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::string file = names[i] + ext;
    plain[i] = common::IsPlainName(names[i]) && common::IsPlainName(file) && !isTaken(file);
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

void LoadRoom(common::Program& prog, int z, int r) {
  auto& m = prog.sim.load;
  const auto& em = prog.energyInput.EgyModel;
  const auto& masks = prog.energyInput.FabShMask;
  m.CurNFab = em.RmNFab[z][r];
  m.RmVol = em.RmArea[z][r] * em.RmHgt[z][r];
  m.RmOcc = common::ToInteger(em.RmNOcc[z][r]).value_or(0);
  m.RmSetT = em.RmTemp[z][r];
  m.RmAirT = em.RmTemp[z][r];
  m.RmSetW = prog.sim.RmHumRat[z][r];
  m.RmAirW = prog.sim.RmHumRat[z][r];
  m.RmLgtLd = em.RmArea[z][r] * em.RmLgtW[z][r];
  m.RmEqpLd = em.RmArea[z][r] * em.RmEqpW[z][r];
  for (int c = 1; c <= m.CurNFab; ++c) {
    m.CurFabArea[c] = em.FabArea[z][r][c];
    m.CurFabType[c] = em.FabType[z][r][c];
    m.CurFabCons[c] = em.FabCons[z][r][c];
    m.CurFabOrient[c] = em.FabOrient[z][r][c];
    m.CurFabShMask[c] = masks[z][r][c];
    m.CurFabMask[c] = nullptr;
  }
}

void RunCoolingLoad(common::Program& prog, simulation::RunLog& log, const simulation::SimCalendar& cal) {
  auto& sim = prog.sim;
  auto& ei = prog.energyInput;
  auto& m = sim.load;
  const std::string& projDir = prog.building.ProjDir;

  SetLoadModelDefaults(sim);
  m.MaskCache.clear();
  m.CurFabMask.fill(nullptr);

  log.Add("Reading " + ei.EciFile);
  {
    std::string error;
    std::string path = common::ResolveProjectFile(ei.EciFile, projDir);
    if (!energy_input::ReadEnergyModelFile(path, ei.EgyModel, ei.FabShMask, error)) {
      Fail(sim, "BCLSim: Failed to read energy calculation input file " + ei.EciFile + ": " + error);
      return;
    }
  }
  const auto& em = ei.EgyModel;
  if (em.NoOfZn < 0 || em.NoOfZn > common::kMaxZones) {
    CheckModel(prog);
    return;
  }
  for (int z = 1; z <= em.NoOfZn; ++z) {
    for (int r = 1; r <= std::min<int>(em.ZnNRm[z], common::kMaxRooms); ++r) {
      Single p = static_cast<Single>(ModACPlt::SatVapPres(em.RmTemp[z][r]) * em.RmRH[z][r] / 100);
      sim.RmHumRat[z][r] = static_cast<Single>(ModACPlt::HumRatio(p));
      if (!std::isfinite(sim.RmHumRat[z][r]) || sim.RmHumRat[z][r] < 0 || !(p < 101.325f)) {
        Fail(sim, "BCLSim: The design temperature and humidity of the " + RoomLabel(em, z, r) +
                      " give no humidity ratio!");
        return;
      }
    }
  }

  log.Add("Reading " + ei.ConsFile);
  {
    std::string error;
    std::string path = common::ResolveProjectFile(ei.ConsFile, projDir);
    if (!energy_input::ReadConstructionFile(path, ei.cons, error)) {
      Fail(sim, "BCLSim: Failed to read construction file " + ei.ConsFile + ": " + error);
      return;
    }
  }
  if (!CheckModel(prog)) return;

  // Operating hours of the zones and of the building.
  sim.ZnOpHrs[0][0] = 25;
  sim.ZnOpHrs[1][0] = -1;
  for (int z = 1; z <= em.NoOfZn; ++z) {
    sim.ZnOpHrs[0][z] = 25;
    sim.ZnOpHrs[1][z] = -1;
    for (int r = 1; r <= em.ZnNRm[z]; ++r) {
      const int t = em.RmType[z][r];
      sim.ZnOpHrs[0][z] = std::min(sim.ZnOpHrs[0][z], sim.SchedHrs[0][t]);
      sim.ZnOpHrs[1][z] = std::max(sim.ZnOpHrs[1][z], sim.SchedHrs[1][t]);
    }
    sim.ZnOpHrs[0][0] = std::min(sim.ZnOpHrs[0][0], sim.ZnOpHrs[0][z]);
    sim.ZnOpHrs[1][0] = std::max(sim.ZnOpHrs[1][0], sim.ZnOpHrs[1][z]);
  }

  log.Add("Opening " + prog.building.DataDir + kWeatherFileName + " for weather data input");

  std::vector<std::string> zoneNames;
  for (int z = 1; z <= em.NoOfZn; ++z) zoneNames.push_back(em.ZnName[z]);
  std::vector<std::string> zonePaths;
  for (const auto& name : TempFileNames(zoneNames, ".ZLF", "ZONE"))
    zonePaths.push_back(common::ResolveProjectFile(name, projDir));

  for (int z = 1; z <= em.NoOfZn; ++z) {
    std::vector<std::string> roomNames;
    for (int r = 1; r <= em.ZnNRm[z]; ++r) roomNames.push_back(em.RmName[z][r]);
    std::vector<std::string> roomPaths;
    for (const auto& name : TempFileNames(roomNames, ".RLF", "ROOM"))
      roomPaths.push_back(common::ResolveProjectFile(name, projDir));
    for (int r = 1; r <= em.ZnNRm[z]; ++r)
      if (!SimulateRoom(prog, log, cal, z, r, roomPaths[r - 1])) return;
    if (!ComposeZone(prog, cal, zonePaths[z - 1], roomPaths)) return;
  }
  if (!ComposeAnnual(prog, cal, zonePaths)) return;
  log.Add("Space Load Calculations Finished!");
}

}  // namespace ModRoutine
