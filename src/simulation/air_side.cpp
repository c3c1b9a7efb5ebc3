#include "simulation/air_side.h"

#include <cmath>

#include "common/psychrometrics.h"
#include "simulation/chiller_plant.h"
#include "simulation/sim_error.h"
#include "simulation/solvers.h"

namespace ModACPlt {
namespace {

constexpr std::string_view kASSFWCF = "ASSFWCF";

}  // namespace

void ASSFWCF(common::SimulationState& sim) {
  auto& p = sim.plant;
  auto& v = p.PltVar;
  const int t = static_cast<int>(std::nearbyint(v[FanCoilSlot::kSystemType]));
  Single power = 0;
  if (t == kConstantVolume) {
    power = 1;
  } else if (t == kVavInletVanes || t == kVavVariableSpeed) {
    const Single flow = v[FanCoilSlot::kFlow], designFlow = v[FanCoilSlot::kDesignFlow];
    if (flow < designFlow) {
      const Single fr = flow / designFlow;
      CopyCurve(p.FanSysPresCrv, p.PolyCoef);
      const Single pr = EvalPoly(p.PolyCoef, fr);  // pressure ratio the ducts demand
      if (t == kVavInletVanes) {
        CopyCurve(p.FanPresCrv[2], p.CrvCoef);
        Single vane = 0;
        sim.SimErr = 0;
        SYZ29(sim, fr, vane, pr);
        if (sim.SimErr != 0) {
          simulation::FailAfter(sim, kASSFWCF, "Failed to solve for IGV angle!");
          return;
        }
        CopyCurve(p.FanPwrCrv[2], p.CrvCoef);
        power = EvalBiQuadratic(p.CrvCoef, fr, vane);
      } else {
        CopyCurve(p.FanPresCrv[3], p.PolyCoef);
        Single x = 0, s = 0;
        if (fr > 0) {
          p.PolyCoef[3] = p.PolyCoef[3] - pr / (fr * fr);
          sim.SimErr = 0;
          SZ1N(sim, fr, x);
          if (sim.SimErr != 0) {
            simulation::FailAfter(sim, kASSFWCF, "Failed to solve for fan speed!");
            return;
          }
          s = fr / x;  // x is the flow ratio per unit speed
        } else {
          // No flow: the speed whose shut-off pressure meets the ducts' demand.
          Single shutOff = EvalPoly(p.PolyCoef, 0);
          Single s2 = shutOff > 0 ? pr / shutOff : 0;
          s = s2 > 0 ? std::sqrt(s2) : 0;
        }
        CopyCurve(p.FanPwrCrv[3], p.PolyCoef);
        power = static_cast<Single>(std::pow(static_cast<double>(s), 3) * EvalPoly(p.PolyCoef, x));
      }
    } else {
      power = 1;
    }
  }
  // Coil: chilled-water flow ratio from the load ratio. Without a design
  // load any load counts as full load.
  const Single coilLoad = v[FanCoilSlot::kLatentLoad] + v[FanCoilSlot::kSensibleLoad];
  const Single designLoad = v[FanCoilSlot::kDesignLoad];
  Single ratio;
  if (designLoad > 0)
    ratio = coilLoad / designLoad;
  else
    ratio = coilLoad > 0 ? 1.0f : 0.0f;
  if (ratio < 1) {
    CopyCurve(p.CoilFlowCrv, p.PolyCoef);
    v[FanCoilSlot::kWaterFlowRatio] = EvalPoly(p.PolyCoef, ratio);
  } else {
    v[FanCoilSlot::kWaterFlowRatio] = 1;
  }
  v[FanCoilSlot::kFanPowerRatio] = power;
}

void SimAirSideSystem(common::Program& prog, int z) {
  auto& sim = prog.sim;
  auto& p = sim.plant;
  auto& as = sim.run->ASSys;
  auto& em = sim.run->EgyModel;
  const int type = as.ASTyp[z];

  as.DsgSensLd[1][z][0] = 0;
  as.DsgSAFlow[1][z][0] = 0;
  sim.RmLatLd[z][0] = 0;
  p.RmVentFlow[z][0] = 0;
  Single identSum = 0;
  for (int r = 1; r <= em.ZnNRm[z]; ++r) {
    if (type == kConstantVolume) {
      as.DsgSAFlow[1][z][r] = as.DsgSAFlow[0][z][r];
    } else if (type == kVavInletVanes || type == kVavVariableSpeed) {
      // Variable volume down to 30 % of the design load and flow; a room
      // without a design load runs at that minimum.
      const Single design = as.DsgSensLd[0][z][r];
      Single f = design > 0 ? as.DsgSensLd[1][z][r] / design : p.VAVMinFrac;
      if (f < p.VAVMinFrac) f = p.VAVMinFrac;
      as.DsgSensLd[1][z][r] = f * design;
      as.DsgSAFlow[1][z][r] = f * as.DsgSAFlow[0][z][r];
    } else {
      as.DsgSAFlow[1][z][r] = 0;
    }
    if (sim.RmLatLd[z][r] < 0) sim.RmLatLd[z][r] = 0;
    as.DsgTotLd[1][z][r] = sim.RmLatLd[z][r] + as.DsgSensLd[1][z][r];
    const Single n = em.RmNIdent[z][r];
    as.DsgSensLd[1][z][0] += as.DsgSensLd[1][z][r] * n;
    sim.RmLatLd[z][0] += sim.RmLatLd[z][r] * n;
    as.DsgSAFlow[1][z][0] += as.DsgSAFlow[1][z][r] * n;
    p.RmVentFlow[z][0] += p.RmVentFlow[z][r] * n;
    identSum += n;
  }

  // Return air: the rooms' design states weighted by their supply flows (by
  // their numbers when the zone has no supply air).
  Single sumT = 0, sumH = 0, weight = as.DsgSAFlow[1][z][0];
  const bool byFlow = weight > 0;
  if (!byFlow) weight = identSum;
  for (int r = 1; r <= em.ZnNRm[z]; ++r) {
    const Single f = byFlow ? as.DsgSAFlow[1][z][r] : 1.0f;
    sumT += f * em.RmTemp[z][r] * em.RmNIdent[z][r];
    sumH += f * p.RmEnth[z][r] * em.RmNIdent[z][r];
  }
  if (weight > 0) {
    em.RmTemp[z][0] = sumT / weight;
    p.RmEnth[z][0] = sumH / weight;
  }

  // Outdoor air.
  const Single flow = p.RmVentFlow[z][0];
  Single addS = 0, addL = 0, subS = 0, subL = 0, total = 0;
  if (as.FATyp[z] == kLocalOutdoorAir) {
    CalCoilLoads(em.RmTemp[z][0], p.RmEnth[z][0], sim.OutTdb, p.OutH, flow, addS, addL, total);
  } else if (as.FATyp[z] == kPretreatedAir) {
    Single tSup = p.FASupplyTemp, hSup = p.FASupplyEnth;
    if (sim.OutTdb < p.FASupplyTemp) tSup = sim.OutTdb, hSup = p.OutH;
    CalCoilLoads(tSup, hSup, em.RmTemp[z][0], p.RmEnth[z][0], flow, subS, subL, total);
  }
  Single sens = as.DsgSensLd[1][z][0] + addS - subS;
  as.DsgSensLd[1][z][0] = sens < 0 ? 0 : sens;
  Single lat = sim.RmLatLd[z][0] + addL - subL;
  sim.RmLatLd[z][0] = lat < 0 ? 0 : lat;

  as.DsgSensLd[1][z][0] = p.FanHeatFactor * as.DsgSensLd[1][z][0];
  as.DsgTotLd[1][z][0] = sim.RmLatLd[z][0] + as.DsgSensLd[1][z][0];

  p.PltVar[FanCoilSlot::kSystemType] = static_cast<Single>(type);
  p.PltVar[FanCoilSlot::kDesignLoad] = as.DsgTotLd[0][z][0];
  p.PltVar[FanCoilSlot::kDesignFlow] = as.DsgSAFlow[0][z][0];
  p.PltVar[FanCoilSlot::kSensibleLoad] = as.DsgSensLd[1][z][0];
  p.PltVar[FanCoilSlot::kLatentLoad] = sim.RmLatLd[z][0];
  p.PltVar[FanCoilSlot::kFlow] = as.DsgSAFlow[1][z][0];
  ASSFWCF(sim);
  if (sim.SimErr != 0) return;

  as.DsgCHWFlow[1][z] = p.PltVar[FanCoilSlot::kWaterFlowRatio] * as.DsgCHWFlow[0][z];
  as.DsgCHWFlow[1][0] += em.ZnNIdent[z] * as.DsgCHWFlow[1][z];
  as.DsgFanPwr[1][z] = p.PltVar[FanCoilSlot::kFanPowerRatio] * as.DsgFanPwr[0][z];
  as.DsgFanPwr[1][0] += em.ZnNIdent[z] * as.DsgFanPwr[1][z];
}

void SimFreshAirSystem(common::Program& prog) {
  auto& sim = prog.sim;
  auto& p = sim.plant;
  auto& cp = sim.run->CPlt;
  cp.FAUSensCap[0] = cp.FAUTotCap[0] = cp.FAUFlow[0] = cp.FAUFanPower[0] = cp.FAUChWFlow[0] = 0;
  const int n = cp.NoOfFAU;
  if (n < 1) return;

  // Units in operation for the outdoor-air demand.
  const Single demand = p.RmVentFlow[0][0];
  const RunningUnits run = StageUnits(demand, cp.FAUFlow, n);
  for (int k = run.First; k <= run.Last; ++k) {
    cp.FAUFlow[0] += cp.FAUFlow[k];
    cp.FAUFanPower[0] += cp.FAUFanPower[k];
  }
  // At or below the supply temperature the units only move air.
  if (sim.OutTdb <= p.FASupplyTemp) return;

  Single qs = 0, ql = 0, qt = 0;
  CalCoilLoads(p.FASupplyTemp, p.FASupplyEnth, sim.OutTdb, p.OutH, demand, qs, ql, qt);
  cp.FAUTotCap[0] = qt;
  cp.FAUSensCap[0] = p.FanHeatFactor * qs;
  if (ql < 0) ql = 0;
  cp.FAUTotCap[0] = cp.FAUSensCap[0] + ql;

  for (int k = run.First; k <= run.Last; ++k) {
    const Single share = cp.FAUFlow[k] / cp.FAUFlow[0];
    p.PltVar[FanCoilSlot::kSystemType] = kConstantVolume;
    p.PltVar[FanCoilSlot::kDesignLoad] = cp.FAUTotCap[k];
    p.PltVar[FanCoilSlot::kDesignFlow] = cp.FAUFlow[k];
    p.PltVar[FanCoilSlot::kSensibleLoad] = cp.FAUSensCap[0] * share;
    p.PltVar[FanCoilSlot::kLatentLoad] = ql * share;
    p.PltVar[FanCoilSlot::kFlow] = cp.FAUFlow[k];
    ASSFWCF(sim);
    cp.FAUChWFlow[0] += p.PltVar[FanCoilSlot::kWaterFlowRatio] * cp.FAUChWFlow[k];
  }
}

}  // namespace ModACPlt
