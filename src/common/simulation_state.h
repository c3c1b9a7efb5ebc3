#pragma once
// Program-wide results of the operating energy simulation.
#include <array>
#include <string>

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
};

}  // namespace common
