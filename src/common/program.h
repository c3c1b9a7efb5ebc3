#pragma once
// All program-wide records and tables of one run of Ostrevo. Windows and
// modules receive a Program&; there are no globals, so every test starts
// from a fresh Program.
#include "common/assessment_state.h"
#include "common/building_state.h"
#include "common/energy_input_state.h"
#include "common/plant_state.h"
#include "common/simulation_state.h"

namespace common {

struct Program {
  BuildingState building;
  AssessmentState assess;
  EnergyInputState energyInput;
  PlantState plant;
  SimulationState sim;
};

}  // namespace common
