#include "simulation/plant_defaults.h"

#include <cmath>
#include <string>

#include "common/number_text.h"
#include "common/psychrometrics.h"
#include "simulation/chiller_plant.h"
#include "simulation/sim_error.h"
#include "simulation/solvers.h"

namespace ModACPlt {
namespace {

using simulation::Fail;

constexpr std::string_view kSimPrep = "SimPrep";

template <std::size_t N>
void SetCurve(std::array<Single, N>& set, std::initializer_list<Single> coefs) {
  set.fill(0);
  set[0] = static_cast<Single>(coefs.size());
  std::size_t i = 1;
  for (Single c : coefs) set[i++] = c;
}

bool CountOk(int n) { return n >= 0 && n <= 10; }

}  // namespace

bool NeedsCondenserPumps(int t) {
  return t == kCoolingTowers || t == kIndirectSeawater || t == kIndirectSeawaterTowers;
}
bool NeedsSeawaterPumps(int t) {
  return t == kIndirectSeawater || t == kDirectSeawater || t == kIndirectSeawaterTowers;
}
bool NeedsCoolingTowers(int t) { return t == kCoolingTowers || t == kIndirectSeawaterTowers; }
bool NeedsHeatExchanger(int t) { return t == kIndirectSeawater || t == kIndirectSeawaterTowers; }

void SetDefaultPlantCurves(common::PlantModelState& p) {
  SetCurve(p.FanSysPresCrv, {0.44491f, 0.21581f, 0.33305f});
  for (auto& row : p.FanPresCrv) row.fill(0);
  for (auto& row : p.FanPwrCrv) row.fill(0);
  SetCurve(p.FanPresCrv[2],
           {1.69153f, -8.39839f, 3.51603f, 1.04f, -0.85744f, 23.74298f, -15.718f, -14.70191f, 10.72223f});
  SetCurve(p.FanPresCrv[3], {1.913925f, 0.730755f, -1.600055f});
  SetCurve(p.FanPwrCrv[2], {0.46447f, -0.31239f, 0.0357f, -0.08436f, 0.05953f, 3.8802f, -2.8133f, -2.5911f, 2.3872f});
  SetCurve(p.FanPwrCrv[3], {0.4225907f, 1.122311f, -0.5531181f});
  SetCurve(p.CoilFlowCrv, {0.0266174f, 0.0953265f, 0.855754f});
  SetCurve(p.PmpSysHeadCrv, {0.5f, 0, 0.5f});
  for (auto& row : p.PmpHeadCrv) row.fill(0);
  for (auto& row : p.PmpPwrCrv) row.fill(0);
  SetCurve(p.PmpHeadCrv[2], {1.4636f, 0.54606f, -1.00145f});
  SetCurve(p.PmpPwrCrv[1], {0.338249f, 0.972488f, -0.291451f});
  SetCurve(p.PmpPwrCrv[2], {0.338249f, 0.972488f, -0.291451f});
  SetCurve(p.CTCrv, {2.526397f, 0.8566179f, 0.002753765f, 2.184939f, -0.060394f, -0.07446829f, 0.0004228827f,
                     0.002494468f, -2.104661e-05f});
  // Chiller power ratio before normalisation: x part-load ratio, y condenser
  // entering temperature (entering air for an air-cooled condenser).
  SetCurve(p.ChrCrv[0][0], {0.2176147f, 0.03970316f, 0.4466515f, -0.003194077f, 0.000135337f, 0.009742481f,
                            -0.009199176f, -0.0001260595f, 0.0003080731f});
  SetCurve(p.ChrCrv[0][1], {0.3180071f, -0.3507387f, 0.4613133f, -0.01497708f, 0.0002561969f, 0.04304826f, -0.01474649f,
                            -0.0003886984f, 0.0002155489f});
  SetCurve(p.ChrCrv[0][2], {0.0933892f, 0.3604203f, 0.09226552f, -0.002914894f, 8.828761e-05f, 0.0006493452f,
                            0.0003963624f, 1.662222e-05f, 0.0006363468f});
  SetCurve(p.ChrCrv[1][0], {0.2365104f, 0.5541562f, -0.2740942f, -0.007579433f, 0.0002576668f, -0.01010772f,
                            0.02600815f, 0.0002958254f, -0.0003759683f});
  SetCurve(p.ChrCrv[1][1], {0.04935148f, -0.1874186f, 0.5688225f, -0.00097063f, 2.560496e-05f, 0.02906335f,
                            -0.007051698f, -0.0002066242f, 8.163767e-05f});
  SetCurve(p.ChrCrv[1][2], {-0.7047963f, 1.356044f, 0.1971014f, 0.06228124f, -0.0007257236f, -0.07754372f, -0.01013358f,
                            0.001038016f, 0.0006371024f});
  p.VAVMinFrac = 0.3f;
  p.FASupplyTemp = 16.0f;
  p.FASupplyEnth = 43.6f;
  p.FanHeatFactor = 1.05f;
  p.PlantFactor = 1.03f;
}

namespace {

using common::CentralPlantData;

// The plant type, the pumping system and the counts within their lists.
bool CheckPlantCodes(const CentralPlantData& cp, common::SimulationState& sim) {
  if (cp.HRSType < kAirCooled || cp.HRSType > kIndirectSeawaterTowers)
    return Fail(sim, kSimPrep, "Unknown plant type!");
  if (cp.ChWPSType < 0 || cp.ChWPSType > 2) return Fail(sim, kSimPrep, "Unknown chilled water pumping system!");
  if (!CountOk(cp.NoOfChr) || !CountOk(cp.NoOfPLP) || !CountOk(cp.NoOfSLP) || !CountOk(cp.NoOfCWP) ||
      !CountOk(cp.NoOfSWP) || !CountOk(cp.NoOfCT) || !CountOk(cp.NoOfFAU))
    return Fail(sim, kSimPrep, "More than 10 units of one kind of equipment!");
  return true;
}

// Room air states and outdoor-air flows.
void PrepareRoomAir(const common::EnergyModel& em, common::SimulationState& sim) {
  auto& p = sim.plant;
  p.RmVentFlow[0][0] = 0;
  for (int z = 1; z <= em.NoOfZn; ++z) {
    p.RmVentFlow[z][0] = 0;
    for (int r = 1; r <= em.ZnNRm[z]; ++r) {
      // The run's model check has found a humidity ratio for every room.
      sim.RmHumRat[z][r] = DesignAirState(em.RmTemp[z][r], em.RmRH[z][r]).w;
      p.RmEnth[z][r] = static_cast<Single>(MoistAirEnthalpy(em.RmTemp[z][r], sim.RmHumRat[z][r]));
      // Litres per second per person times persons, in m3/s.
      p.RmVentFlow[z][r] = em.RmVent[z][r] * em.RmNOcc[z][r] / 1000;
      p.RmVentFlow[z][0] += p.RmVentFlow[z][r] * em.RmNIdent[z][r];
    }
    p.RmVentFlow[0][0] += p.RmVentFlow[z][0] * em.ZnNIdent[z];
  }
}

// The chillers' totals; gives the design heat rejection (kW).
Single SumChillers(CentralPlantData& cp) {
  cp.ChrCap[0][0] = cp.ChrPower[0][0] = cp.ChrChWFlow[0] = cp.ChrCWFlow[0] = 0;
  for (int i = 1; i <= cp.NoOfChr; ++i) {
    cp.ChrCap[0][0] += cp.ChrCap[0][i];
    cp.ChrPower[0][0] += cp.ChrPower[0][i];
    cp.ChrChWFlow[0] += cp.ChrChWFlow[i];
    cp.ChrCWFlow[0] += cp.ChrCWFlow[i];
  }
  return cp.ChrCap[0][0] + cp.ChrPower[0][0];
}

// The pumps' and towers' totals, and the checks that the plant type has the
// units it needs and that they carry the design heat rejection `hr`, in the
// order of the water's way from the chillers.
bool SumAndCheckWaterSide(CentralPlantData& cp, common::SimulationState& sim, Single hr) {
  auto& p = sim.plant;
  const int type = cp.HRSType;
  const auto& dt = cp.DesignTemp;
  if (type > 0 && (dt[2] - dt[1]) * cp.ChrCWFlow[0] * kWaterCp < hr)
    return Fail(sim, kSimPrep, "Total CWF of Chrs Insufficient for HR?");

  cp.SLPFlow[0][0] = 0;
  if (cp.ChWPSType > 0) {
    if (cp.NoOfSLP < 1) return Fail(sim, kSimPrep, "No Secondary Loop Chilled Water Pumps?");
    for (int i = 1; i <= cp.NoOfSLP; ++i) cp.SLPFlow[0][0] += cp.SLPFlow[0][i];
    if (cp.SLPFlow[0][0] < cp.ChrChWFlow[0]) return Fail(sim, kSimPrep, "Total SLP Flow < Total Chr ChW Flow!");
  }

  cp.CWPFlow[0] = 0;
  if (NeedsCondenserPumps(type)) {
    if (cp.NoOfCWP < 1) return Fail(sim, kSimPrep, "No Condenser Water Pumps?");
    for (int i = 1; i <= cp.NoOfCWP; ++i) cp.CWPFlow[0] += cp.CWPFlow[i];
    if ((dt[2] - dt[1]) * cp.CWPFlow[0] * kWaterCp < hr)
      return Fail(sim, kSimPrep, "Total CWP Flow Insufficient for HR?");
  }

  cp.SWPFlow[0][0] = 0;
  if (NeedsSeawaterPumps(type)) {
    if (cp.NoOfSWP < 1) return Fail(sim, kSimPrep, "No Seawater Pumps?");
    for (int i = 1; i <= cp.NoOfSWP; ++i) cp.SWPFlow[0][0] += cp.SWPFlow[0][i];
    if (cp.CWPFlow[0] > 0) p.SWToCWFlowRatio = cp.SWPFlow[0][0] / cp.CWPFlow[0];
    Single rise = type == kDirectSeawater ? dt[2] - dt[1] : dt[4] - dt[3];
    if (rise * cp.SWPFlow[0][0] * kWaterCp < hr) return Fail(sim, kSimPrep, "Total SWP Flow Insufficient for HR?");
  }

  cp.CTCap[0] = cp.CTFlow[0] = 0;
  if (NeedsCoolingTowers(type)) {
    if (cp.NoOfCT < 1) return Fail(sim, kSimPrep, "No Cooling Towers?");
    for (int i = 1; i <= cp.NoOfCT; ++i) {
      cp.CTCap[0] += cp.CTCap[i];
      cp.CTFlow[0] += cp.CTFlow[i];
    }
    if (cp.CTCap[0] < hr) return Fail(sim, kSimPrep, "Total HR Cap. of Ctrs Insufficient?");
    Single drop = type == kCoolingTowers ? dt[2] - dt[1] : dt[4] - dt[3];
    if (drop * cp.CTFlow[0] * kWaterCp < hr) return Fail(sim, kSimPrep, "Total CWF of Ctrs Insufficient for HR?");
  }
  return true;
}

// Every chiller draws its rated power at full load and design condenser temperature.
bool NormaliseChillers(const CentralPlantData& cp, common::SimulationState& sim) {
  auto& p = sim.plant;
  for (int i = 1; i <= cp.NoOfChr; ++i) {
    if (cp.ChrType[i] < 0 || cp.ChrType[i] > 2)
      return Fail(sim, kSimPrep, "Unknown chiller type for Chr#" + common::ShortTextInt(i));
    p.ChrPwrNorm[i] = 1;
    const Single design = ChillerPowerRatio(sim, cp.ChrType[i], cp.HRSType, cp.DesignTemp[1], 1);
    if (design <= 0) return Fail(sim, kSimPrep, "Chr DWR <= 0 for Chr#" + common::ShortTextInt(i));
    p.ChrPwrNorm[i] = 1 / design;
  }
  return true;
}

// The tower curve returns the design temperature at 28 degC wet bulb and the design range.
void SetTowerOffset(const CentralPlantData& cp, common::PlantModelState& p) {
  if (cp.NoOfCT <= 0) return;
  const auto& dt = cp.DesignTemp;
  Single range, tLeave;
  if (cp.HRSType == kCoolingTowers) {
    range = dt[2] - dt[1];
    tLeave = dt[1];
  } else {
    range = dt[4] - dt[3];
    tLeave = dt[3];
  }
  CopyCurve(p.CTCrv, p.CrvCoef);
  p.CTOffset = tLeave - EvalBiQuadratic(p.CrvCoef, 28.0f, range);
}

// The exchanger's conductance at the design temperatures, shared out over
// the chillers by their design heat rejection.
bool SetExchangerConductance(const CentralPlantData& cp, common::SimulationState& sim) {
  if (!NeedsHeatExchanger(cp.HRSType)) return true;
  const auto& dt = cp.DesignTemp;
  Single dt1 = dt[2] - dt[4];  // condenser water leaving the condenser - seawater leaving the exchanger
  Single dt2 = dt[1] - dt[3];  // condenser water entering the condenser - seawater entering the exchanger
  // End differences of opposite sign have no logarithmic mean.
  if (dt1 == 0 || dt2 == 0 || (dt1 < 0) != (dt2 < 0))
    return Fail(sim, kSimPrep, "Problems with condenser water temperatures!");
  Single lmtd = std::fabs(dt1 - dt2) >= 0.1f ? static_cast<Single>((dt1 - dt2) / std::log(dt1 / dt2)) : dt1;
  // The condenser water must be warmer than the seawater at both ends.
  if (!(lmtd > 0)) return Fail(sim, kSimPrep, "Problems with condenser water temperatures!");
  for (int i = 1; i <= cp.NoOfChr; ++i) sim.plant.HXUA[i] = (cp.ChrPower[0][i] + cp.ChrCap[0][i]) / lmtd;
  return true;
}

// The hourly models divide by the rated values of the running units.
bool CheckRatedUnits(const CentralPlantData& cp, common::SimulationState& sim) {
  const int type = cp.HRSType;
  if (cp.NoOfChr < 1) return Fail(sim, kSimPrep, "No Chillers?");
  for (int i = 1; i <= cp.NoOfChr; ++i) {
    const std::string unit = " for Chr#" + common::ShortTextInt(i);
    if (!(cp.ChrCap[0][i] > 0)) return Fail(sim, kSimPrep, "Rated capacity <= 0" + unit);
    if (!(cp.ChrPower[0][i] >= 0)) return Fail(sim, kSimPrep, "Rated power < 0" + unit);
    if (type != kAirCooled && !(cp.ChrCWFlow[i] > 0)) return Fail(sim, kSimPrep, "Condenser water flow <= 0" + unit);
  }
  if (cp.ChWPSType > 0)
    for (int i = 1; i <= cp.NoOfSLP; ++i)
      if (!(cp.SLPFlow[0][i] > 0)) return Fail(sim, kSimPrep, "Flow <= 0 for SLP#" + common::ShortTextInt(i));
  if (NeedsCondenserPumps(type))
    for (int i = 1; i <= cp.NoOfCWP; ++i)
      if (!(cp.CWPFlow[i] > 0)) return Fail(sim, kSimPrep, "Flow <= 0 for CWP#" + common::ShortTextInt(i));
  if (NeedsSeawaterPumps(type))
    for (int i = 1; i <= cp.NoOfSWP; ++i)
      if (!(cp.SWPFlow[0][i] > 0)) return Fail(sim, kSimPrep, "Flow <= 0 for SWP#" + common::ShortTextInt(i));
  if (NeedsCoolingTowers(type))
    for (int i = 1; i <= cp.NoOfCT; ++i)
      if (!(cp.CTFlow[i] > 0)) return Fail(sim, kSimPrep, "Flow <= 0 for CT#" + common::ShortTextInt(i));
  for (int i = 1; i <= cp.NoOfFAU; ++i)
    if (!(cp.FAUFlow[i] > 0)) return Fail(sim, kSimPrep, "Flow <= 0 for FAU#" + common::ShortTextInt(i));
  return true;
}

}  // namespace

bool SimPrep(common::Program& prog) {
  auto& sim = prog.sim;
  auto& cp = sim.run->CPlt;
  SetDefaultPlantCurves(sim.plant);
  sim.plant.SWToCWFlowRatio = 0;
  if (!CheckPlantCodes(cp, sim)) return false;
  PrepareRoomAir(sim.run->EgyModel, sim);
  const Single hr = SumChillers(cp);
  if (!SumAndCheckWaterSide(cp, sim, hr) || !NormaliseChillers(cp, sim)) return false;
  SetTowerOffset(cp, sim.plant);
  return SetExchangerConductance(cp, sim) && CheckRatedUnits(cp, sim);
}

}  // namespace ModACPlt
