#pragma once
// Working state of the plant models: the curve evaluated or solved next,
// the models' exchange slots, the default performance curves and constants,
// and the values that the simulation preparation derives from the energy
// model and the central plant.
#include <array>

#include "common/energy_input_state.h"
#include "common/value_types.h"

namespace common {

// A curve set: (0) the number of terms, then the coefficients from (1) on.
using CurveCoefs = std::array<Single, 10>;

struct PlantModelState {
  CurveCoefs PolyCoef{};            // the polynomial evaluated or solved next
  CurveCoefs CrvCoef{};             // the bi-quadratic curve evaluated or solved next
  std::array<Single, 31> PltVar{};  // the models' inputs and results

  // Default performance curves.
  std::array<Single, 4> FanSysPresCrv{};
  Array2<Single, 4, 10> FanPresCrv{}, FanPwrCrv{};  // (fan system type 2 or 3, ...)
  CurveCoefs CoilFlowCrv{};
  std::array<Single, 4> PmpSysHeadCrv{};
  Array2<Single, 3, 10> PmpHeadCrv{}, PmpPwrCrv{};  // (pump type 1 or 2, ...)
  CurveCoefs CTCrv{};
  Array3<Single, 2, 3, 10> ChrCrv{};  // (0 air, 1 water-cooled condenser; chiller type; ...)

  Single VAVMinFrac = 0;
  Single FASupplyTemp = 0;  // degC
  Single FASupplyEnth = 0;  // kJ/kg
  Single FanHeatFactor = 0;
  Single PlantFactor = 0;

  // Derived by the preparation.
  PerRoom<Single> RmEnth{};      // kJ/kg; (z, 0) the zone's return air of the hour
  PerRoom<Single> RmVentFlow{};  // m3/s; (z, 0) zone sum, (0, 0) building sum
  Single SWToCWFlowRatio = 0;
  std::array<Single, 11> ChrPwrNorm{};
  Single CTOffset = 0;
  std::array<Single, 11> HXUA{};  // kW/K; (0) the running chillers of the hour

  Single OutH = 0;          // outdoor enthalpy of the hour, kJ/kg
  Single SeaWaterTemp = 0;  // degC, of the day
  Single CondEntTemp = 0;   // degC, the condenser entering temperature of the hour
};

}  // namespace common
