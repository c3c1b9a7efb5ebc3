#pragma once
// Program-wide state of the energy model input that the rest of the
// program uses: the construction edit buffer and the energy-model files.
#include <array>
#include <string>

#include "common/value_types.h"

namespace common {

struct EnergyInputState {
  Integer ConsFormMode = 0;  // 1 edit constructions, 0 select one
  Integer CurNLay = 0;       // layers 1..CurNLay of the edit buffer
  std::array<Integer, 21> CurLayMatNo{};  // <= 0 is an air gap
  std::array<std::string, 21> CurLayMatName{};
  std::array<Single, 21> CurLayThk{};
  // (property, layer): density, conductivity, specific heat.
  std::array<std::array<Single, 21>, 3> CurLayProp{};

  std::string EciFile, AssFile, ConsFile;
};

}  // namespace common
