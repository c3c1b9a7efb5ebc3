#pragma once
// Working state of the plant models: the curve evaluated or solved next,
// the models' exchange slots, the default performance curves and constants,
// and the values that the simulation preparation derives from the energy
// model and the central plant.
#include <array>
#include <cstddef>

#include "common/energy_input_state.h"
#include "common/value_types.h"

namespace common {

// A curve set: (0) the number of terms, then the coefficients from (1) on.
using CurveCoefs = std::array<Single, 10>;

// The slots of PltVar through which the component models take their inputs
// and give their results, named per model: a slot number means one thing to
// one model and another to the next.
// The fan and coil model of the air-side systems and fresh-air units.
namespace FanCoilSlot {
enum : std::size_t {
  kSystemType = 1,       // air-side system type 0..3 (in)
  kDesignLoad = 11,      // design total coil load, kW (in)
  kDesignFlow = 12,      // design supply-air flow, m3/s (in)
  kSensibleLoad = 16,    // the hour's sensible coil load, kW (in)
  kLatentLoad = 17,      // the hour's latent coil load, kW (in)
  kFlow = 18,            // the hour's supply-air flow, m3/s (in)
  kWaterFlowRatio = 20,  // chilled-water flow ratio (out)
  kFanPowerRatio = 21,   // fan power ratio (out)
};
}  // namespace FanCoilSlot
// The chiller part-load model.
namespace ChillerSlot {
enum : std::size_t {
  kType = 1,            // chiller type: 0 centrifugal, 1 reciprocating, 2 screw (in)
  kCondenserKind = 2,   // 0 air-cooled, 1 water-cooled condenser (in)
  kCondenserTemp = 3,   // condenser entering temperature, degC (in)
  kPartLoadRatio = 10,  // (in)
  kPowerRatio = 20,     // power ratio before normalisation (out)
};
}  // namespace ChillerSlot
// The pump model.
namespace PumpSlot {
enum : std::size_t {
  kType = 1,            // pump type: 0 constant speed and flow, 1 variable flow, 2 variable speed (in)
  kFlowRatio = 10,      // the pump's flow ratio (in)
  kLoopFlowRatio = 11,  // the loop's flow ratio (in)
  kPowerRatio = 20,     // (out)
  kHeadRatio = 21,      // variable speed only; 0 for the others (out)
};
}  // namespace PumpSlot

struct PlantModelState {
  CurveCoefs PolyCoef{};            // the polynomial evaluated or solved next
  CurveCoefs CrvCoef{};             // the bi-quadratic curve evaluated or solved next
  std::array<Single, 31> PltVar{};  // the models' inputs and results, by the slots above

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
