#pragma once
// The hourly air-side models: each zone's air-handling system (coil loads,
// supply-air flows, fan power and chilled-water flow) and the fresh-air
// handling units of the central plant. Loads in kW, air flows in m3/s, water
// flows in kg/s.
#include "common/program.h"

namespace ModACPlt {

// Air-side system types (ASTyp): 0 not set, 1 CAV or FCU, 2 VAV with inlet
// guide vanes, 3 VAV with variable fan speed. Fresh-air types (FATyp): 0 not
// set, 1 local outdoor air intake, 2 central pretreated.
constexpr int kConstantVolume = 1, kVavInletVanes = 2, kVavVariableSpeed = 3;
constexpr int kLocalOutdoorAir = 1, kPretreatedAir = 2;

namespace FanCoilSlot = common::FanCoilSlot;

// Fan and coil model on the FanCoilSlot slots of PltVar: system type, design
// total coil load and supply flow, the hour's sensible and latent coil load
// and supply flow -> the chilled-water flow ratio and the fan power ratio.
// Fails through SimErr when the fan cannot be solved.
void ASSFWCF(common::SimulationState& sim);

// The run's air-side system of zone z for the hour; adds its fan power and
// chilled-water flow to DsgFanPwr(1, 0) and DsgCHWFlow(1, 0).
void SimAirSideSystem(common::Program& prog, int z);

// The run's fresh-air units for the hour's outdoor-air demand RmVentFlow(0,
// 0): the air of the zones in operation that do not draw theirs in locally.
void SimFreshAirSystem(common::Program& prog);

}  // namespace ModACPlt
