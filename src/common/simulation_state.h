#pragma once
// Program-wide results of the operating energy simulation.
#include <array>
#include <string>

#include "common/load_model_state.h"
#include "common/plant_model_state.h"
#include "common/value_types.h"

namespace common {

struct SimulationState {
  // (0) HVAC, (1) electricity and lighting, (2) fire services,
  // (3) lifts and escalators, (4) plumbing and drainage in kWh; (5) town gas in MJ.
  std::array<Single, 6> AnnEgy{};
  std::array<Single, 8> ACEgy{};
  std::array<Single, 3> ZnElecEgy{};

  // The simulations' error convention: SimErr non-zero and SimErrMsg says why.
  Integer SimErr = 0;
  std::string SimErrMsg;

  // Shared by the cooling-load and the plant simulation.
  PerRoom<Single> RmHumRat{};  // design humidity ratio of each room, kg/kg
  PerRoom<Single> RmLatLd{};   // the hour's latent load: W in the cooling-load, kW in the plant simulation
  Array2<Integer, 2, 6> SchedHrs{};  // (0, t) start and (1, t) stop hour of room type t
  Array2<Integer, 2, kMaxZones + 1> ZnOpHrs{};  // (0, z) earliest start, (1, z) latest stop; z = 0 all zones
  Integer DayOfWeek = 0;  // 0..6; 1 January is day 0, the office closing day; day 6 the short day
  // The hour's outdoor values: dry bulb (degC), the weather file's second
  // value, wet bulb (degC) and humidity ratio (kg/kg).
  Single OutTdb = 0, OutWxItem2 = 0, OutTwb = 0, OutW = 0;

  CoolingLoadModelState load;  // the cooling-load model
  PlantModelState plant;       // the plant models
};

}  // namespace common
