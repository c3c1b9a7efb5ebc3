#pragma once
// The central chilled-water plant of one hour: which chillers, pumps and
// cooling towers run, the condenser entering temperature found by iterating
// the heat rejection through the towers and/or a seawater heat exchanger, and
// the power of each part of the plant (kW).
#include "common/program.h"

namespace ModACPlt {

using common::Single;
namespace ChillerSlot = common::ChillerSlot;
namespace PumpSlot = common::PumpSlot;

// Chiller part-load model on the ChillerSlot slots of PltVar: chiller type,
// condenser kind, condenser entering temperature and part-load ratio -> the
// power ratio before normalisation (1 above full load).
void CalChrPartLoad(common::SimulationState& sim);
// The same for a chiller of type `chrType` on a plant whose heat rejection
// is of type `hrsType` (the condenser kind follows from it): sets the slots
// and gives the power ratio.
Single ChillerPowerRatio(common::SimulationState& sim, common::Integer chrType, int hrsType, Single tCE, Single plr);

// Pump model on the PumpSlot slots of PltVar: pump type, the pump's and the
// loop's flow ratio -> the power ratio and the head ratio (variable speed
// only). Fails through SimErr when the speed cannot be solved.
void PmpWCal(common::SimulationState& sim);

// Units that run to meet a demand: units First..Last (none when Last < First).
struct RunningUnits {
  int First = 1, Last = 0;
};
// The staging rule: the last unit alone when the demand does not exceed its
// rating; otherwise units 1, 2, ... while the sum of those running is below
// the demand (all of them when even their sum stays below).
RunningUnits StageUnits(Single demand, const std::array<Single, 11>& rated, int count);

// The cold-end difference (K) of a counterflow exchanger passing `heat` (kW)
// with conductance `ua` (kW/K), whose hot stream cools by `hotDrop` and cold
// stream warms by `coldRise` (K). The two ends differ by D = hotDrop -
// coldRise whatever the temperatures, and heat = ua x the logarithmic mean
// of the two ends gives the cold end directly: D / (exp(D / A) - 1) with
// A = heat / ua, tending to A as D goes to 0. No heat gives 0.
double ExchangerColdEndDifference(double heat, double ua, double hotDrop, double coldRise);

// The run's plant of the hour for the load CPlt.ChrCap(1, 0) and the
// secondary flow demand CPlt.SLPFlow(1, 0). An hour without load runs no
// chiller; its pumps and towers run as for the chiller that would carry a
// load.
void CPCSIM(common::Program& prog);

}  // namespace ModACPlt
