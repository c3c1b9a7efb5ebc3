#pragma once
// Program-wide results of the operating energy simulation and the inputs it
// works from.
#include <array>
#include <cstddef>
#include <string>

#include "common/energy_input_state.h"
#include "common/heap_value.h"
#include "common/load_model_state.h"
#include "common/plant_model_state.h"
#include "common/plant_state.h"
#include "common/value_types.h"

namespace common {

// The slots of AnnEgy: the electricity of the five services types in kWh,
// in the order of the assessment's services types (HVAC, electricity and
// lighting, fire services, lifts and escalators, plumbing and drainage),
// then the town gas in MJ.
enum AnnEgySlot : std::size_t { kAnnHVAC, kAnnElec, kAnnFSer, kAnnLift, kAnnPaD, kAnnGas, kAnnEgySlots };

// The slots of ACEgy (kWh): the whole air-conditioning system, the sum of
// the parts that follow it.
enum ACEgySlot : std::size_t {
  kACWhole,
  kACFans,
  kACChillers,
  kACPrimaryPumps,
  kACSecondaryPumps,
  kACCondenserPumps,
  kACSeawaterPumps,
  kACCoolingTowers,
  kACEgySlots
};

// The slots of ZnElecEgy (kWh): the zones' whole electricity, then its
// lighting and equipment parts.
enum ZnElecEgySlot : std::size_t { kZnElecWhole, kZnElecLighting, kZnElecEquipment, kZnElecEgySlots };

// The inputs of the operating-energy calculation as its saved files hold
// them: the energy model with its shading masks, the air-side systems and
// the central plant. The energy calculation window reads them from the files
// as it loads, and each simulation of a Calculate reads its files again at
// its start; the calculation reads and writes these records only, never the
// ones the input windows edit, so no unsaved edit reaches a result and no
// run takes one away. Row 1 of the air-side systems and the plant's
// element 0 and row 1 hold the simulation's working values of the last hour;
// AddHVACEgy the annual energy of the additional HVAC systems.
struct RunInputs {
  EnergyModel EgyModel;
  PerFabric<std::string> FabShMask{};
  AirSideSystemData ASSys;
  CentralPlantData CPlt;
};

struct SimulationState {
  std::array<Single, kAnnEgySlots> AnnEgy{};
  std::array<Single, kACEgySlots> ACEgy{};
  std::array<Single, kZnElecEgySlots> ZnElecEgy{};

  // The simulations' error convention: SimErr non-zero and SimErrMsg says why.
  Integer SimErr = 0;
  std::string SimErrMsg;

  // The energy use result file last saved or loaded for the open project.
  std::string EurFile;

  // Shared by the cooling-load and the plant simulation.
  PerRoom<Single> RmHumRat{};        // design humidity ratio of each room, kg/kg
  PerRoom<Single> RmLatLd{};         // the hour's latent load: W in the cooling-load, kW in the plant simulation
  Array2<Integer, 2, 6> SchedHrs{};  // (0, t) start and (1, t) stop hour of room type t
  Array2<Integer, 2, kMaxZones + 1> ZnOpHrs{};  // (0, z) earliest start, (1, z) latest stop; z = 0 all zones
  Integer DayOfWeek = 0;                        // 0..6; 1 January is day 0, the office closing day; day 6 the short day
  // The hour's outdoor values: dry bulb (degC), the weather file's second
  // value, wet bulb (degC) and humidity ratio (kg/kg).
  Single OutTdb = 0, OutWxItem2 = 0, OutTwb = 0, OutW = 0;

  CoolingLoadModelState load;  // the cooling-load model
  PlantModelState plant;       // the plant models
  HeapValue<RunInputs> run;    // the calculation's own inputs
};

}  // namespace common
