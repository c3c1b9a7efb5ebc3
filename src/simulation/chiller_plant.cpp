#include "simulation/chiller_plant.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/number_text.h"
#include "simulation/plant_defaults.h"
#include "simulation/sim_error.h"
#include "simulation/solvers.h"

namespace ModACPlt {
namespace {

int SlotInt(Single v, int lo, int hi) {
  int i = static_cast<int>(std::nearbyint(v));
  return i < lo ? lo : (i > hi ? hi : i);
}

// The routines as their failures name them.
constexpr std::string_view kCPCSIM = "CPCSIM";
constexpr std::string_view kPmpWCal = "PmpWCal";

// Runs the pump model for each running pump of a list and books flow, head
// and power in row 1; false (message appended) when a pump fails.
bool RunPumps(common::SimulationState& sim, const RunningUnits& run, Single demand, Single loopRated,
              const common::ItemIntegers* types, Single fixedType, common::ItemRows& flow, common::ItemRows& pres,
              common::ItemRows& power, const char* what) {
  auto& p = sim.plant;
  Single rated = 0;
  for (int k = run.First; k <= run.Last; ++k) rated += flow[0][k];
  Single fr = demand / rated;
  for (int k = run.First; k <= run.Last; ++k) {
    p.PltVar[PumpSlot::kType] = types ? (*types)[k] : fixedType;
    p.PltVar[PumpSlot::kFlowRatio] = fr;
    p.PltVar[PumpSlot::kLoopFlowRatio] = demand / loopRated;
    sim.SimErr = 0;
    PmpWCal(sim);
    if (sim.SimErr != 0)
      return simulation::FailAfter(
          sim, kCPCSIM, std::string("Unable to calculate ") + what + " power for unit #:" + common::ShortTextInt(k));
    flow[1][k] = fr * flow[0][k];
    pres[1][k] = pres[0][k] * p.PltVar[PumpSlot::kHeadRatio];
    power[1][k] = p.PltVar[PumpSlot::kPowerRatio] * power[0][k];
    power[1][0] += power[1][k];
  }
  return true;
}

}  // namespace

double ExchangerColdEndDifference(double heat, double ua, double hotDrop, double coldRise) {
  if (!(heat > 0) || !(ua > 0)) return 0;
  const double a = heat / ua;  // the logarithmic mean difference
  const double d = hotDrop - coldRise;
  if (d == 0) return a;
  return d / std::expm1(d / a);
}

void CalChrPartLoad(common::SimulationState& sim) {
  auto& p = sim.plant;
  auto& v = p.PltVar;
  const int kind = SlotInt(v[ChillerSlot::kCondenserKind], 0, 1);
  const int type = SlotInt(v[ChillerSlot::kType], 0, 2);
  CopyCurve(p.ChrCrv[kind][type], p.CrvCoef);
  const Single plr = v[ChillerSlot::kPartLoadRatio];
  v[ChillerSlot::kPowerRatio] = plr <= 1 ? EvalBiQuadratic(p.CrvCoef, plr, v[ChillerSlot::kCondenserTemp]) : 1;
}

Single ChillerPowerRatio(common::SimulationState& sim, common::Integer chrType, int hrsType, Single tCE, Single plr) {
  auto& v = sim.plant.PltVar;
  v[ChillerSlot::kType] = chrType;
  v[ChillerSlot::kCondenserKind] = hrsType != kAirCooled ? 1 : 0;
  v[ChillerSlot::kCondenserTemp] = tCE;
  v[ChillerSlot::kPartLoadRatio] = plr;
  CalChrPartLoad(sim);
  return v[ChillerSlot::kPowerRatio];
}

void PmpWCal(common::SimulationState& sim) {
  auto& p = sim.plant;
  const Single fr = p.PltVar[PumpSlot::kFlowRatio];
  const int type = static_cast<int>(std::nearbyint(p.PltVar[PumpSlot::kType]));
  Single power = 0, head = 0;
  if (fr >= 1 || type == 0) {
    power = 1;
  } else if (type == 1) {
    CopyCurve(p.PmpPwrCrv[1], p.PolyCoef);
    power = EvalPoly(p.PolyCoef, fr);
  } else if (type == 2) {
    // Speed at which the pump curve meets the head the loop demands.
    CopyCurve(p.PmpSysHeadCrv, p.PolyCoef);
    const Single hr = EvalPoly(p.PolyCoef, p.PltVar[PumpSlot::kLoopFlowRatio]);
    CopyCurve(p.PmpHeadCrv[2], p.PolyCoef);
    Single x = 0, s = 0;
    if (fr > 0) {
      p.PolyCoef[3] = p.PolyCoef[3] - hr / (fr * fr);
      sim.SimErr = 0;
      SZ1N(sim, fr, x);
      if (sim.SimErr != 0) {
        simulation::FailAfter(sim, kPmpWCal, "Failed to solve for pump speed!");
        return;
      }
      s = fr / x;
    } else {
      // No flow: the pump turns at the speed whose shut-off head meets the
      // loop's demand (the limit of the model as the flow goes to 0).
      Single shutOff = EvalPoly(p.PolyCoef, 0);
      Single s2 = shutOff > 0 ? hr / shutOff : 0;
      s = s2 > 0 ? std::sqrt(s2) : 0;
    }
    CopyCurve(p.PmpPwrCrv[2], p.PolyCoef);
    power = static_cast<Single>(std::pow(static_cast<double>(s), 3) * EvalPoly(p.PolyCoef, x));
    head = hr;
  }
  p.PltVar[PumpSlot::kPowerRatio] = power;
  p.PltVar[PumpSlot::kHeadRatio] = head;
}

RunningUnits StageUnits(Single demand, const std::array<Single, 11>& rated, int count) {
  if (count < 1) return {1, 0};
  count = std::min(count, static_cast<int>(rated.size()) - 1);  // the lists hold ten units
  if (demand <= rated[count]) return {count, count};
  Single sum = 0;
  int k = 0;
  while (k < count && sum < demand) {
    ++k;
    sum = sum + rated[k];
  }
  return {1, k};
}

namespace {

// The working values of the hour.
void ClearPlantHour(common::CentralPlantData& cp, common::PlantModelState& p) {
  for (int k = 1; k <= 10; ++k) cp.ChrCap[1][k] = 0;
  cp.ChrPower[1].fill(0);
  cp.ChrChWFlow[0] = cp.ChrCWFlow[0] = 0;
  p.HXUA[0] = 0;
  cp.PLPFlow[0] = cp.PLPPower[0] = 0;
  for (int k = 1; k <= 10; ++k) cp.SLPFlow[1][k] = 0;
  cp.SLPPres[1].fill(0);
  cp.SLPPower[1].fill(0);
  cp.CWPFlow[0] = cp.CWPPower[0] = 0;
  cp.SWPPower[1].fill(0);
  cp.CTCap[0] = cp.CTFlow[0] = cp.CTFanPower[0] = 0;
}

// The units of a list that run at their rated power for a flow demand:
// their rated flows and powers summed in element 0.
void RunAtRatedPower(Single demand, common::ItemSingles& flow, common::ItemSingles& power, int count) {
  const RunningUnits run = StageUnits(demand, flow, count);
  for (int k = run.First; k <= run.Last; ++k) {
    flow[0] += flow[k];
    power[0] += power[k];
  }
}

// The chillers that run for the hour's load, their rated chilled and
// condenser water flows and exchanger conductance summed in element 0;
// gives their part-load ratio (above 1 when the plant is short).
Single StageChillers(common::CentralPlantData& cp, common::PlantModelState& p, RunningUnits& chillers) {
  const Single load = cp.ChrCap[1][0];
  chillers = StageUnits(load, cp.ChrCap[0], cp.NoOfChr);
  Single ratedCap = 0;
  for (int k = chillers.First; k <= chillers.Last; ++k) {
    ratedCap += cp.ChrCap[0][k];
    cp.ChrChWFlow[0] += cp.ChrChWFlow[k];
    cp.ChrCWFlow[0] += cp.ChrCWFlow[k];
    p.HXUA[0] += p.HXUA[k];
  }
  return load / ratedCap;
}

// Each running chiller's power (kW) at the condenser entering temperature
// tCE, in ChrPower(1, k); gives the heat they reject (kW). Inline: it runs
// in every pass of the condenser temperature iteration.
inline Single RunChillers(common::SimulationState& sim, common::CentralPlantData& cp, const RunningUnits& chillers,
                          Single plr, Single tCE) {
  const auto& p = sim.plant;
  Single heat = 0;
  for (int k = chillers.First; k <= chillers.Last; ++k) {
    const Single ratio = ChillerPowerRatio(sim, cp.ChrType[k], cp.HRSType, tCE, plr);
    cp.ChrPower[1][k] = p.ChrPwrNorm[k] * cp.ChrPower[0][k] * ratio;
    heat += cp.ChrCap[1][k] + cp.ChrPower[1][k];
  }
  return heat;
}

// The condenser entering temperature (degC): the outdoor air for an
// air-cooled plant, the sea for a direct seawater plant; otherwise found by
// iterating the heat the chillers reject through the towers and/or the
// exchanger. False when the iteration fails, with SimErr set.
bool CondenserEnteringTemp(common::SimulationState& sim, common::CentralPlantData& cp, const RunningUnits& chillers,
                           Single plr, Single& tCE) {
  auto& p = sim.plant;
  const int type = cp.HRSType;
  if (type == kAirCooled) {
    tCE = sim.OutTdb;
    return true;
  }
  if (type == kDirectSeawater) {
    tCE = p.SeaWaterTemp;
    return true;
  }
  Single guess = p.SeaWaterTemp + 2.0f;
  for (int passes = 1;; ++passes) {
    tCE = guess;
    const Single heat = RunChillers(sim, cp, chillers, plr, tCE);
    // Water entering (tIn) and leaving (tOut) the heat sink.
    Single tIn, tOut;
    if (NeedsCoolingTowers(type)) {
      Single range = static_cast<Single>(heat / (cp.CTFlow[0] * kWaterCp));
      CopyCurve(p.CTCrv, p.CrvCoef);
      tIn = EvalBiQuadratic(p.CrvCoef, sim.OutTwb, range) + p.CTOffset;
      tOut = tIn + range;
    } else {
      tIn = p.SeaWaterTemp;
      tOut = static_cast<Single>(heat / (cp.SWPFlow[1][0] * kWaterCp) + p.SeaWaterTemp);
    }
    Single next;
    if (NeedsHeatExchanger(type)) {
      // Counterflow exchanger: the condenser water cools from tCL to tCE,
      // the sink water warms from tIn to tOut.
      const double condRise = heat / (cp.ChrCWFlow[0] * kWaterCp);
      next = static_cast<Single>(tIn + ExchangerColdEndDifference(heat, p.HXUA[0], condRise, tOut - tIn));
    } else {
      next = tIn;
    }
    guess = (next + guess) * 0.5f;
    if (std::fabs(next - guess) < 0.05f) {
      tCE = next;
      return true;
    }
    if (passes > 300) return simulation::Fail(sim, kCPCSIM, "No. of iteration exceeded 300");
  }
}

}  // namespace

void CPCSIM(common::Program& prog) {
  auto& sim = prog.sim;
  auto& p = sim.plant;
  auto& cp = sim.run->CPlt;
  const int type = cp.HRSType;
  ClearPlantHour(cp, p);

  // Secondary chilled-water pumps of a two-loop system.
  if (cp.ChWPSType > 0) {
    const Single demand = cp.SLPFlow[1][0];
    RunningUnits run = StageUnits(demand, cp.SLPFlow[0], cp.NoOfSLP);
    if (!RunPumps(sim, run, demand, cp.SLPFlow[0][0], nullptr, cp.ChWPSType, cp.SLPFlow, cp.SLPPres, cp.SLPPower,
                  "SLP"))
      return;
  }

  RunningUnits chillers;
  const Single plr = StageChillers(cp, p, chillers);

  // Primary and condenser water pumps at constant speed, for the running
  // chillers' flows.
  RunAtRatedPower(cp.ChrChWFlow[0], cp.PLPFlow, cp.PLPPower, cp.NoOfPLP);
  if (NeedsCondenserPumps(type) && cp.NoOfCWP > 0)
    RunAtRatedPower(cp.ChrCWFlow[0], cp.CWPFlow, cp.CWPPower, cp.NoOfCWP);

  // Seawater pumps.
  if (NeedsSeawaterPumps(type) && cp.NoOfSWP >= 1) {
    cp.SWPFlow[1][0] = type == kDirectSeawater ? cp.ChrCWFlow[0] : p.SWToCWFlowRatio * cp.CWPFlow[0];
    const Single demand = cp.SWPFlow[1][0];
    RunningUnits run = StageUnits(demand, cp.SWPFlow[0], cp.NoOfSWP);
    if (!RunPumps(sim, run, demand, cp.SWPFlow[0][0], &cp.SWPType, 0, cp.SWPFlow, cp.SWPPres, cp.SWPPower, "SWP"))
      return;
  }

  // Cooling towers, fans at full power.
  if (NeedsCoolingTowers(type) && cp.NoOfCT >= 1) {
    const Single demand = type == kCoolingTowers ? cp.ChrCWFlow[0] : p.SWToCWFlowRatio * cp.CWPFlow[0];
    RunAtRatedPower(demand, cp.CTFlow, cp.CTFanPower, cp.NoOfCT);
  }

  // The chillers' loads, then their powers at the condenser temperature.
  // Without load no chiller runs or draws power: the chillers staged for it
  // only set the water flows that the pumps and towers run for.
  const RunningUnits running = cp.ChrCap[1][0] > 0 ? chillers : RunningUnits{};
  for (int k = running.First; k <= running.Last; ++k) cp.ChrCap[1][k] = plr * cp.ChrCap[0][k];
  Single tCE = 0;
  if (!CondenserEnteringTemp(sim, cp, running, plr, tCE)) return;
  p.CondEntTemp = tCE;
  RunChillers(sim, cp, running, plr, tCE);
  cp.ChrPower[1][0] = 0;
  for (int k = running.First; k <= running.Last; ++k) cp.ChrPower[1][0] += cp.ChrPower[1][k];
}

}  // namespace ModACPlt
