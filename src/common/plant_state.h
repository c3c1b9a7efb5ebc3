#pragma once
// Program-wide records of the central air-conditioning plant and of the
// non-air-conditioning services. Items are numbered 1..10; element 0 is a
// total or a working value of the simulation; row 1 of a two-row array is
// the simulation's hourly working value.
#include <array>
#include <string>

#include "common/value_types.h"

namespace common {

using ItemSingles = std::array<Single, 11>;
using ItemIntegers = std::array<Integer, 11>;
using ItemNames = std::array<std::string, 11>;
using ItemRows = Array2<Single, 2, 11>;

struct CentralPlantData {
  Integer HRSType = 0;
  Integer ChWPSType = 0;
  Integer StartHour = 0;
  Integer StopHour = 0;
  std::array<Single, 5> DesignTemp{};
  Integer NoOfChr = 0;
  ItemIntegers ChrType{};
  ItemRows ChrCap{}, ChrPower{};
  ItemSingles ChrChWFlow{}, ChrCWFlow{};
  Integer NoOfPLP = 0;
  ItemSingles PLPFlow{}, PLPPres{}, PLPPower{};
  Integer NoOfSLP = 0;
  ItemIntegers SLPType{};
  ItemRows SLPFlow{}, SLPPres{}, SLPPower{};
  Integer NoOfCWP = 0;
  ItemSingles CWPFlow{}, CWPPres{}, CWPPower{};
  Integer NoOfSWP = 0;
  ItemIntegers SWPType{};
  ItemRows SWPFlow{}, SWPPres{}, SWPPower{};
  Integer NoOfCT = 0;
  ItemSingles CTCap{}, CTFlow{}, CTFanPower{};
  Integer NoOfAddHVAC = 0;
  ItemNames AddHVACName{};
  ItemSingles AddHVACPower{}, AddHVACHours{}, AddHVACLF{}, AddHVACEgy{};
  Integer NoOfFAU = 0;
  ItemSingles FAUSensCap{}, FAUTotCap{}, FAUFlow{}, FAUFanPres{}, FAUFanPower{}, FAUChWFlow{};

  bool operator==(const CentralPlantData&) const = default;
};

struct NonACServicesData {
  Integer NoOfAddElec = 0;
  ItemNames AddElecName{};
  ItemSingles AddElecPower{}, AddElecHours{}, AddElecLF{}, AddElecEgy{};
  Integer NoOfFS = 0;
  ItemNames FSName{};
  ItemSingles FSPower{}, FSHours{}, FSLF{}, FSEgy{};
  Integer NoOfLift = 0;
  ItemNames LiftName{};
  ItemSingles LiftPower{}, LiftHours{}, LiftLF{}, LiftEgy{};
  Integer NoOfPD = 0;
  ItemNames PDName{};
  ItemSingles PDPower{}, PDHours{}, PDLF{}, PDEgy{};
  Integer NoOfGasSys = 0;
  ItemNames GasName{};
  ItemIntegers GasSubSys{};  // 0 HVAC, 1 Elec, 2 Fire, 3 Lift, 4 P&D
  ItemSingles GasCap{}, GasEff{}, GasHours{}, GasLF{}, GasEgy{};

  bool operator==(const NonACServicesData&) const = default;
};

struct PlantState {
  CentralPlantData CPlt;
  NonACServicesData NAC;
  std::string WssFile, NacFile;
};

}  // namespace common
