#pragma once
// Default performance curves and constants of the plant models, and the
// preparation of a plant simulation run: room air states and outdoor-air
// flows, installed totals, the checks that the plant can reject its design
// heat, and the per-chiller and heat-exchanger constants.
#include "common/program.h"

namespace ModACPlt {

// Plant types (HRSType).
constexpr int kAirCooled = 0, kCoolingTowers = 1, kIndirectSeawater = 2, kDirectSeawater = 3,
              kIndirectSeawaterTowers = 4;
constexpr double kWaterCp = 4.2;  // kJ/(kg K)

bool NeedsCondenserPumps(int hrsType);
bool NeedsSeawaterPumps(int hrsType);
bool NeedsCoolingTowers(int hrsType);
bool NeedsHeatExchanger(int hrsType);

// Fills every curve set and scalar constant of the plant models.
void SetDefaultPlantCurves(common::PlantModelState& p);

// Prepares a run from the run's EgyModel and CPlt; false on failure, with
// SimErr = -1 and the message of the first failing check.
bool SimPrep(common::Program& prog);

}  // namespace ModACPlt
