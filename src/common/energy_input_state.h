#pragma once
// Program-wide state of the energy model input: the energy model with the
// shading mask of each fabric component, the air-side systems, the
// construction tables with their one-construction edit buffer, and the
// energy-model file names. Zones, rooms, components, constructions and
// layers are numbered from 1; element 0 holds no item.
#include <array>
#include <string>

#include "common/value_types.h"

namespace common {

constexpr int kMaxZones = 20;
constexpr int kMaxRooms = 12;
constexpr int kMaxFabrics = 10;
constexpr int kMaxConstructions = 50;
constexpr int kMaxLayers = 20;

template <class T>
using PerZone = std::array<T, kMaxZones + 1>;
template <class T>
using PerRoom = Array2<T, kMaxZones + 1, kMaxRooms + 1>;
template <class T>
using PerFabric = Array3<T, kMaxZones + 1, kMaxRooms + 1, kMaxFabrics + 1>;

struct EnergyModel {
  Integer NoOfZn = 0;
  PerZone<std::string> ZnName{};
  PerZone<Single> ZnNIdent{};
  PerZone<Integer> ZnNRm{};
  PerRoom<std::string> RmName{};
  PerRoom<Single> RmNIdent{};
  PerRoom<Integer> RmType{};  // 1 Office, 2 Retail, 3 Restaurant, 4 Hotel Guest Room, 5 Non-AC
  PerRoom<Single> RmArea{}, RmHgt{}, RmNOcc{}, RmVent{}, RmTemp{}, RmRH{}, RmLgtW{}, RmEqpW{};
  PerRoom<Integer> RmNFab{};
  PerFabric<std::string> FabName{};
  PerFabric<Single> FabArea{};
  PerFabric<Integer> FabType{};    // 1 Roof, 2 Window, 3 External Wall, 4 Floor/Ceiling, 5 Partition
  PerFabric<Integer> FabCons{};    // construction number 1..50; 0 none
  PerFabric<Integer> FabOrient{};  // 1 N .. 8 NW, 9 horizontal

  bool operator==(const EnergyModel&) const = default;
};

// Row 0 the design input, row 1 the simulation's hourly working values;
// room 0 stands for the zone as a whole.
struct AirSideSystemData {
  PerZone<Integer> ASTyp{};  // 1 CAV or FCU, 2 VAV inlet guide vanes, 3 VAV variable fan speed
  PerZone<Integer> FATyp{};  // 1 local outdoor air intake, 2 central pretreated
  Array3<Single, 2, kMaxZones + 1, kMaxRooms + 1> DsgSensLd{}, DsgTotLd{}, DsgSAFlow{};
  Array2<Single, 2, kMaxZones + 1> DsgFanPres{}, DsgFanPwr{}, DsgCHWFlow{};

  bool operator==(const AirSideSystemData&) const = default;
};

// The construction tables: constructions 1..NoOfCons of up to 20 layers.
struct ConstructionTables {
  Integer NoOfCons = 0;
  std::array<std::string, kMaxConstructions + 1> ConsName{};
  std::array<Integer, kMaxConstructions + 1> ConsType{};  // 0 wall/roof/floor, 1 window/sky light
  std::array<Integer, kMaxConstructions + 1> ConsNLay{};
  Array2<Single, 2, kMaxConstructions + 1> ConsSurf{};                // outside; inside or shading coefficient
  Array2<Integer, kMaxConstructions + 1, kMaxLayers + 1> LayMatNo{};  // 0 an air gap
  Array2<std::string, kMaxConstructions + 1, kMaxLayers + 1> LayMatName{};
  Array2<Single, kMaxConstructions + 1, kMaxLayers + 1> LayThk{};
  Array3<Single, 3, kMaxConstructions + 1, kMaxLayers + 1> LayProp{};  // density, conductivity, specific heat

  bool operator==(const ConstructionTables&) const = default;
};

struct EnergyInputState {
  EnergyModel EgyModel;
  PerFabric<std::string> FabShMask{};  // shading-mask file of each fabric component, bare name
  AirSideSystemData ASSys;
  ConstructionTables cons;

  // The construction edit buffer.
  Integer ConsFormMode = 0;  // 1 edit constructions, 0 select one
  Integer CurConsType = 0;
  Integer CurNLay = 0;  // layers 1..CurNLay of the edit buffer
  std::array<Single, 2> CurSurf{};
  std::array<Integer, kMaxLayers + 1> CurLayMatNo{};  // <= 0 is an air gap
  std::array<std::string, kMaxLayers + 1> CurLayMatName{};
  std::array<Single, kMaxLayers + 1> CurLayThk{};
  // (property, layer): density, conductivity, specific heat.
  Array2<Single, 3, kMaxLayers + 1> CurLayProp{};

  std::string EciFile, AssFile, ConsFile;

  // The zone the air-side system window shows when it loads.
  Integer SIZnCurZn = 0;
};

}  // namespace common
