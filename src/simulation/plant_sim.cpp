#include "simulation/plant_sim.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "common/failure_text.h"
#include "common/number_text.h"
#include "common/paths.h"
#include "common/project_paths.h"
#include "common/psychrometrics.h"
#include "energy_input/model_check.h"
#include "plant_input/plant_files.h"
#include "simulation/air_side.h"
#include "simulation/chiller_plant.h"
#include "simulation/cooling_load_sim.h"
#include "simulation/data_stream.h"
#include "simulation/load_constants.h"
#include "simulation/plant_defaults.h"
#include "simulation/run_inputs.h"
#include "simulation/sim_error.h"

namespace ModACPlt {
namespace {

// Offices stop after this hour on day 6 of the week, their short day.
constexpr int kShortDayStop = 13;

using simulation::Fail;

// Reads one hour of the annual hourly cooling load file: the outdoor values,
// then each room's loads (kW) into DsgSensLd(1, z, r) and RmLatLd(z, r).
bool ReadHour(common::Program& prog, simulation::BlockReader& in) {
  auto& sim = prog.sim;
  const auto& em = sim.run->EgyModel;
  auto& as = sim.run->ASSys;
  const char* file = ModRoutine::kAnnualLoadFileName;
  auto readFail = [&]() {
    return Fail(sim, kRunPlantSimulation,
                std::string("Failed to read cooling load data file ") + file + ": " + in.Error());
  };
  auto mismatch = [&]() {
    return Fail(sim, kRunPlantSimulation,
                std::string("The cooling load data file ") + file + " does not match the energy model (line" +
                    common::ShortTextInt(in.LineNumber() - 1) + ")!");
  };
  common::DataReader* r = in.Line();
  if (!r) return readFail();
  common::Integer month = 0, day = 0, hour = 0;
  r->Read(month);
  r->Read(day);
  r->Read(hour);
  r->Read(sim.OutTdb);
  r->Read(sim.OutWxItem2);
  r->Read(sim.OutTwb);
  r->Read(sim.OutW);
  if (!r->Ok()) return readFail();
  for (int z = 1; z <= em.NoOfZn; ++z) {
    r = in.Line();
    common::Integer zone = 0, rooms = 0;
    if (r) r->Read(zone), r->Read(rooms);
    if (!r || !r->Ok()) return readFail();
    if (zone != z || rooms != em.ZnNRm[z]) return mismatch();
    for (int rm = 1; rm <= em.ZnNRm[z]; ++rm) {
      r = in.Line();
      common::Integer room = 0;
      common::Single sens = 0, lat = 0, airT = 0;
      if (r) r->Read(room), r->Read(sens), r->Read(lat), r->Read(airT);
      if (!r || !r->Ok()) return readFail();
      if (room != rm) return mismatch();
      as.DsgSensLd[1][z][rm] = sens / 1000;
      sim.RmLatLd[z][rm] = lat / 1000;
    }
  }
  return true;
}

}  // namespace

// The plant runs in the hours h with start < h <= stop of each day; a start at
// or after the stop (the untouched 0 and 0, or an overnight schedule) would
// give a year without plant hours and no energy.
bool CheckPlantHours(const common::CentralPlantData& cp, common::SimulationState& sim) {
  if (cp.StartHour >= 0 && cp.StartHour <= 23 && cp.StopHour >= 1 && cp.StopHour <= 24 && cp.StartHour < cp.StopHour)
    return true;
  return Fail(sim, kRunPlantSimulation,
              "Plant Start Hour" + common::ShortTextInt(cp.StartHour) + " and Stop Hour" +
                  common::ShortTextInt(cp.StopHour) +
                  " are refused: the start (0-23) must come before the stop (1-24), and the plant does not run "
                  "across midnight!");
}

namespace {

// Reads the energy model, the air-side system input file and the central
// plant input file: the plant works from the saved model too, also when the
// Calculate keeps the cooling loads of an earlier one.
bool ReadPlantInputs(common::Program& prog) {
  return simulation::ReadRunEnergyModel(prog, kRunPlantSimulation) &&
         simulation::ReadRunAirSide(prog, kRunPlantSimulation) && simulation::ReadRunPlant(prog, kRunPlantSimulation);
}

// What the hourly models need of the energy model, the air-side systems and
// the plant, then the plant's preparation.
bool CheckAndPreparePlant(common::Program& prog) {
  auto& sim = prog.sim;
  const auto& run = *sim.run;
  if (auto problem = energy_input::PlantRunProblem(run.EgyModel, run.ASSys); !problem.empty())
    return Fail(sim, kRunPlantSimulation, problem);
  return CheckPlantHours(run.CPlt, sim) && SimPrep(prog);
}

// Which zones, and whether the whole building, keep the offices' week.
struct OfficeWeek {
  bool building = true;
  std::array<bool, common::kMaxZones + 1> zone{};
};

// Operating hours of the zones and the office flags.
OfficeWeek PrepareSchedules(const common::EnergyModel& em, common::SimulationState& sim) {
  sim.DayOfWeek = 6;
  ModRoutine::SetSchedHrs(sim);
  ModRoutine::SetZoneOpHrs(em, sim);
  OfficeWeek week;
  for (int z = 1; z <= em.NoOfZn; ++z) {
    week.zone[z] = true;
    // A room that is never air-conditioned (a stair or store core) does
    // not keep an office zone running on the offices' closing day.
    for (int r = 1; r <= em.ZnNRm[z]; ++r) {
      const int t = em.RmType[z][r];
      if (t > ModRoutine::kOfficeRoom && t != ModRoutine::kNonACRoom) week.zone[z] = false;
    }
    if (!week.zone[z]) week.building = false;
  }
  return week;
}

// Whether the plant operates in hour h of the day.
bool PlantOperates(const common::CentralPlantData& cp, const OfficeWeek& week, int dayOfWeek, int h) {
  int start = cp.StartHour, stop = cp.StopHour;
  if (week.building) {
    if (dayOfWeek == 0) start = 25, stop = -1;
    if (dayOfWeek == 6) stop = kShortDayStop;
  }
  return start < h && h <= stop;
}

// One operating hour: the air-side systems of the zones in operation, the
// fresh-air units and the central plant; false when a model failed.
bool SimulatePlantHour(common::Program& prog, const OfficeWeek& week, int h) {
  auto& sim = prog.sim;
  auto& p = sim.plant;
  const auto& em = sim.run->EgyModel;
  const auto& as = sim.run->ASSys;
  auto& cp = sim.run->CPlt;
  cp.ChrCap[1][0] = 0;
  p.RmVentFlow[0][0] = 0;
  for (int z = 1; z <= em.NoOfZn; ++z) {
    bool operates = sim.ZnOpHrs[0][z] < h && h <= sim.ZnOpHrs[1][z];
    // An office zone is closed on day 0 and, like its rooms, stops
    // after hour 13 on day 6.
    if (week.zone[z] && (sim.DayOfWeek == 0 || (sim.DayOfWeek == 6 && h > kShortDayStop))) operates = false;
    if (!operates) continue;
    SimAirSideSystem(prog, z);
    if (sim.SimErr != 0) return false;
    cp.ChrCap[1][0] += em.ZnNIdent[z] * as.DsgTotLd[1][z][0];
    // A zone that draws in its outdoor air locally treats it in its
    // own coil; the fresh-air units treat everyone else's.
    if (as.FATyp[z] != kLocalOutdoorAir) p.RmVentFlow[0][0] += p.RmVentFlow[z][0] * em.ZnNIdent[z];
  }
  SimFreshAirSystem(prog);
  if (sim.SimErr != 0) return false;
  cp.ChrCap[1][0] += cp.FAUTotCap[0];
  cp.SLPFlow[1][0] = as.DsgCHWFlow[1][0] + cp.FAUChWFlow[0];
  cp.ChrCap[1][0] = cp.ChrCap[1][0] * p.PlantFactor;
  CPCSIM(prog);
  return sim.SimErr == 0;
}

// The hour's line of the plant simulation output file.
void WritePlantHour(simulation::BlockWriter& out, const common::Program& prog, int month, int day, int h) {
  const auto& as = prog.sim.run->ASSys;
  const auto& cp = prog.sim.run->CPlt;
  out.Out()
      .Int(month)
      .Int(day)
      .Int(h)
      .Sng(cp.ChrCap[1][0])
      .Sng(as.DsgFanPwr[1][0])
      .Sng(cp.FAUFanPower[0])
      .Sng(cp.ChrPower[1][0])
      .Sng(cp.PLPPower[0])
      .Sng(cp.SLPPower[1][0])
      .Sng(cp.CWPPower[0])
      .Sng(cp.SWPPower[1][0])
      .Sng(cp.CTFanPower[0])
      .EndLine();
}

// The annual energy of the air-conditioning by plant part (kWh), as ACEgy.
using ACEnergy = std::array<common::Single, common::kACEgySlots>;

// The hour's powers (kW) added to the annual energy (kWh).
void BookPlantHour(ACEnergy& e, const common::Program& prog) {
  const auto& as = prog.sim.run->ASSys;
  const auto& cp = prog.sim.run->CPlt;
  e[common::kACFans] += as.DsgFanPwr[1][0] + cp.FAUFanPower[0];
  e[common::kACChillers] += cp.ChrPower[1][0];
  e[common::kACPrimaryPumps] += cp.PLPPower[0];
  e[common::kACSecondaryPumps] += cp.SLPPower[1][0];
  e[common::kACCondenserPumps] += cp.CWPPower[0];
  e[common::kACSeawaterPumps] += cp.SWPPower[1][0];
  e[common::kACCoolingTowers] += cp.CTFanPower[0];
}

// The parts of ACEgy as a message names them.
constexpr std::array<const char*, common::kACEgySlots> kACParts{"the whole air-conditioning system",
                                                                "the air-side systems and fresh-air units",
                                                                "the chillers",
                                                                "the primary loop chilled water pumps",
                                                                "the secondary loop chilled water pumps",
                                                                "the condenser water pumps",
                                                                "the seawater pumps",
                                                                "the cooling towers"};

// The first part of `e` that is not finite; nullopt while all are.
std::optional<std::size_t> NonFinitePart(const ACEnergy& e) {
  for (std::size_t k = 0; k < e.size(); ++k)
    if (!std::isfinite(e[k])) return k;
  return std::nullopt;
}

// Ends the run at the part of the annual energy that overflowed: SimErr set,
// the message naming the part and where the run was. False.
bool Overflowed(common::SimulationState& sim, std::size_t part, const std::string& where) {
  return Fail(sim, kRunPlantSimulation,
              common::TotalOutOfRange(where) + ": " + common::OverflowReason("annual energy", kACParts[part]));
}

// The hours of the year, the cooling load file read every hour and a line
// written for each operating hour, their energy summed into `e`; false when
// it stopped, with SimErr set.
bool RunPlantHours(common::Program& prog, const simulation::SimCalendar& cal, const OfficeWeek& week, ACEnergy& e) {
  auto& sim = prog.sim;
  auto& p = sim.plant;
  auto& as = sim.run->ASSys;
  auto& cp = sim.run->CPlt;
  const std::string& projDir = prog.building.ProjDir;

  const std::string inName = ModRoutine::kAnnualLoadFileName;
  const std::string inPath = common::ResolveProjectFile(inName, projDir);
  simulation::BlockReader in;
  {
    auto found = common::FindExisting(inPath);
    std::string error;
    if (!found || !in.Open(*found, error))
      return Fail(sim, kRunPlantSimulation, "Failed to open cooling load data file " + inName + "!");
  }
  const std::string outPath = common::ResolveProjectFile(kPlantOutputFileName, projDir);
  simulation::BlockWriter out;
  {
    std::string error;
    if (!out.Open(outPath, error)) return Fail(sim, kRunPlantSimulation, "Failed to create " + outPath + ": " + error);
  }

  int dayOfYear = 0;
  bool stopped = false;
  for (int month = 1; month <= 12 && !stopped; ++month) {
    for (int day = 1; day <= cal.MonthDays[month] && !stopped; ++day) {
      ++dayOfYear;
      p.SeaWaterTemp = static_cast<common::Single>(CalSeaWaterTemp(static_cast<common::Integer>(dayOfYear)));
      simulation::AdvanceDayOfWeek(sim.DayOfWeek);
      for (int h = 1; h <= 24 && !stopped; ++h) {
        as.DsgFanPwr[1][0] = 0;
        as.DsgCHWFlow[1][0] = 0;
        cp.FAUFanPower[0] = 0;
        if (!ReadHour(prog, in)) {
          stopped = true;
          break;
        }
        p.OutH = static_cast<common::Single>(MoistAirEnthalpy(sim.OutTdb, sim.OutW));
        if (!PlantOperates(cp, week, sim.DayOfWeek, h)) continue;
        if (!SimulatePlantHour(prog, week, h)) {
          stopped = true;
          break;
        }
        WritePlantHour(out, prog, month, day, h);
        if (!out.Flush()) {
          const std::string why = out.Error();
          out.Abandon();
          return Fail(sim, kRunPlantSimulation, "Failed to write " + outPath + ": " + why);
        }
        BookPlantHour(e, prog);
        if (auto part = NonFinitePart(e)) {
          Overflowed(sim, *part,
                     "hour" + common::ShortTextInt(h) + " of day" + common::ShortTextInt(day) + " of month" +
                         common::ShortTextInt(month));
          stopped = true;
          break;
        }
      }
    }
  }
  in.Close();
  // A run that stopped keeps the lines of the hours completed before.
  std::string error;
  if (!out.Commit(error)) {
    if (!stopped) Fail(sim, kRunPlantSimulation, "Failed to write " + outPath + ": " + error);
    return false;
  }
  return !stopped;
}

// The year of the plant; false when it stopped, with SimErr set. Its energy
// replaces ACEgy only when the whole year ran with finite totals: a run that
// stopped, in its preparation, part-way through the year or at a total that
// overflowed, leaves the last good run's energy to be shown, entered and
// handed over.
bool SimulatePlantYear(common::Program& prog, const simulation::SimCalendar& cal) {
  auto& sim = prog.sim;
  if (!ReadPlantInputs(prog) || !CheckAndPreparePlant(prog)) return false;
  const OfficeWeek week = PrepareSchedules(sim.run->EgyModel, sim);
  ACEnergy e{};
  if (!RunPlantHours(prog, cal, week, e)) return false;
  // The whole system: the parts summed in this order.
  using namespace common;
  e[kACWhole] = e[kACChillers] + e[kACFans] + e[kACPrimaryPumps] + e[kACSecondaryPumps] + e[kACCondenserPumps] +
                e[kACSeawaterPumps] + e[kACCoolingTowers];
  if (auto part = NonFinitePart(e)) return Overflowed(sim, *part, "the year");
  sim.ACEgy = e;
  return true;
}

}  // namespace

void RunPlant(common::Program& prog, const simulation::SimCalendar& cal) { SimulatePlantYear(prog, cal); }

}  // namespace ModACPlt
