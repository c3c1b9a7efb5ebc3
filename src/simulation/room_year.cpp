#include "simulation/room_year.h"

#include "common/number_text.h"
#include "energy_input/model_check.h"
#include "simulation/cooling_hour.h"
#include "simulation/cooling_load_io.h"
#include "simulation/load_constants.h"
#include "simulation/mean_radiant.h"
#include "simulation/solar.h"
#include "simulation/wall_conduction.h"

namespace ModRoutine {
namespace {

using common::ShortTextInt;

constexpr int kStepsPerHour = 60;       // 3600 s / the 60 s time step
constexpr int kMaxWarmUpDays = 25;      // repetitions of the first day before the year
constexpr Single kWarmUpChange = 0.1f;  // K: the walls have settled below this day-to-day change

// One hour of the room (type t) at hour of the day h, under the weather of
// hour `hour` of the run, now in the model state: the schedule fractions, the solar gains and 60 wall
// and room steps, whose mean loads come back in `end`.
bool SimulateHour(const RoomYearInputs& in, common::SimulationState& sim, RoomStepper& stepper, int t, int hour, int h,
                  RoomYearEnd& end) {
  auto& m = sim.load;
  m.OccFrac = m.OccSched[t][h + 1];
  m.LgtFrac = m.LgtSched[t][h + 1];
  m.EqpFrac = m.EqpSched[t][h + 1];
  if (t == kOfficeRoom && (sim.DayOfWeek == 0 || (sim.DayOfWeek == 6 && h + 1 > 13)))
    m.OccFrac = m.LgtFrac = m.EqpFrac = 0;
  m.BeamSolGain[0] = 0;
  m.DifSolGain[0] = 0;
  const auto& ct = in.cons;
  CalSolGain(ct, in.prog.building.ProjDir, sim, &in.sun[static_cast<std::size_t>(hour)]);
  if (sim.SimErr != 0) return false;
  if (!m.EnclosureOk) return FailZeroInternalArea(sim);
  // The sol-air temperatures change only with the hour's weather.
  CalSolAirTemp(ct, sim);
  stepper.BeginHour(m, sim.OutTdb, sim.OutW, CoolingHour(sim, static_cast<Integer>(h), static_cast<Integer>(t)));
  Single sens = 0, lat = 0;
  for (int step = 1; step <= kStepsPerHour; ++step) {
    stepper.Step();
    sens += stepper.StepSensLd() / kStepsPerHour;
    lat += stepper.StepLatLd() / kStepsPerHour;
  }
  end = {sens, lat};
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
bool WarmUpRoom(const RoomYearInputs& in, common::SimulationState& sim, RoomStepper& stepper, int z, int r, int t) {
  auto& m = sim.load;
  for (auto& plane : m.NodeTemp)
    for (auto& comp : plane) comp.fill(m.RmSetT);
  m.RmAirT = m.RmSetT;
  m.RmAirW = m.RmSetW;
  const auto& as = in.prog.sim.run->ASSys;
  stepper.Load(in.cons, m, as.DsgSensLd[0][z][r], as.DsgTotLd[0][z][r]);
  if (in.cal.Hours() == 0) return true;
  for (int h = 0; h <= 23; ++h)
    if (!WeatherAt(in.weather, h, sim)) return false;

  sim.DayOfWeek = 6;
  simulation::AdvanceDayOfWeek(sim.DayOfWeek);  // the week day of the first day
  RoomYearEnd end;
  for (int rep = 1; rep <= kMaxWarmUpDays; ++rep) {
    const RoomStepper::Nodes before = stepper.KeepNodes();
    for (int h = 0; h <= 23; ++h) {
      PutWeatherHour(in.weather.hours[static_cast<std::size_t>(h)], sim);
      if (!SimulateHour(in, sim, stepper, t, h, h, end)) return false;
    }
    if (stepper.LargestNodeChange(before) < kWarmUpChange) break;
  }
  return true;
}

}  // namespace

bool SimulateRoomYear(const RoomYearInputs& in, common::SimulationState& sim, RoomStepper& stepper, int z, int r,
                      const std::string& path, simulation::RoomThreads::Progress& progress, RoomYearEnd& end) {
  auto& m = sim.load;
  const auto& em = in.prog.sim.run->EgyModel;
  // The room's first month is reported before its set-up and warm-up, so a
  // failure there comes under the room's own name in the run log.
  int firstMonth = 0;
  for (int month = 1; month <= 12 && firstMonth == 0; ++month)
    if (in.cal.MonthDays[month] > 0) firstMonth = month;
  if (firstMonth > 0) progress.Month(firstMonth);
  LoadRoom(in.prog, sim, z, r);
  SetupWallNodes(in.walls, sim);
  if (sim.SimErr != 0) return false;
  PrepareEnclosure(m);
  const int t = em.RmType[z][r];
  if (!WarmUpRoom(in, sim, stepper, z, r, t)) return false;

  simulation::BlockWriter out;
  if (!OpenWriter(sim, out, path)) return false;
  sim.DayOfWeek = 6;
  int hour = 0;
  std::string line;
  for (int month = 1; month <= 12; ++month) {
    if (in.cal.MonthDays[month] <= 0) continue;
    if (month != firstMonth) progress.Month(month);
    for (int day = 1; day <= in.cal.MonthDays[month]; ++day) {
      if (progress.Stopped()) return false;
      simulation::AdvanceDayOfWeek(sim.DayOfWeek);
      for (int h = 0; h <= 23; ++h, ++hour) {
        const WeatherHour* wx = WeatherAt(in.weather, hour, sim);
        if (!wx) return false;
        PutWeatherHour(*wx, sim);
        if (!SimulateHour(in, sim, stepper, t, hour, h, end)) return false;
        // The hour's line in the text the annual file will hold, so that
        // the zone and annual files can take it as it stands.
        line = std::to_string(wx->stamp);
        for (Single v : {end.sens, end.lat, m.RmAirT}) {
          const std::string text = AnnualText(v);
          if (text.empty())
            return simulation::Fail(sim, kBCLSim,
                                    "The loads of the " + energy_input::RoomLabel(em, z, r) +
                                        " became undefined on day" + ShortTextInt(day) + " of month" +
                                        ShortTextInt(month) + ": its wall conduction model is unstable!");
          line += ',';
          line += text;
        }
        out.Out().Line(line);
        if (!FlushWriter(sim, out, path)) return false;
      }
    }
  }
  stepper.StoreNodes(m);
  return CommitWriter(sim, out, path);
}

void LoadRoom(const common::Program& prog, common::SimulationState& sim, int z, int r) {
  auto& m = sim.load;
  const auto& em = prog.sim.run->EgyModel;
  const auto& masks = prog.sim.run->FabShMask;
  m.CurNFab = em.RmNFab[z][r];
  m.RmVol = em.RmArea[z][r] * em.RmHgt[z][r];
  m.RmOcc = common::ToInteger(em.RmNOcc[z][r]).value_or(0);
  m.RmSetT = em.RmTemp[z][r];
  m.RmAirT = em.RmTemp[z][r];
  m.RmSetW = sim.RmHumRat[z][r];
  m.RmAirW = sim.RmHumRat[z][r];
  m.RmLgtLd = em.RmArea[z][r] * em.RmLgtW[z][r];
  m.RmEqpLd = em.RmArea[z][r] * em.RmEqpW[z][r];
  for (int c = 1; c <= m.CurNFab; ++c) {
    m.CurFabArea[c] = em.FabArea[z][r][c];
    m.CurFabType[c] = em.FabType[z][r][c];
    m.CurFabCons[c] = em.FabCons[z][r][c];
    m.CurFabOrient[c] = em.FabOrient[z][r][c];
    m.CurFabShMask[c] = masks[z][r][c];
    m.CurFabMask[c] = nullptr;
    // Until the routines drive them: a floor/ceiling component other than
    // the room's floor faces a space at the room's design temperature, as a
    // partition does, and nothing is left of the room modelled before.
    m.SurfRefTemp[c] = {m.RmSetT, m.RmSetT};
  }
}

void LoadRoom(common::Program& prog, int z, int r) { LoadRoom(prog, prog.sim, z, r); }

}  // namespace ModRoutine
