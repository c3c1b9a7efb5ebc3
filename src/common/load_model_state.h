#pragma once
// Working state of the cooling-load model: the room being modelled, its
// fabric components, the hour's weather and schedule fractions, the wall
// nodes and the cooling-load constants. One room is modelled at a time.
#include <array>
#include <functional>
#include <map>
#include <string>

#include "common/energy_input_state.h"
#include "common/value_types.h"

namespace common {

constexpr int kMaxNodes = 60;                  // wall nodes per component
constexpr int kMaxSurfaces = kMaxFabrics + 1;  // the components and a ceiling

// A window's shading mask: G(azimuth column 0..35, altitude row 0..8), the
// sunlit fraction, and the mean M.
struct ShadingMaskData {
  Array2<Single, 36, 9> G{};
  Single M = 0;
};

struct CoolingLoadModelState {
  // The room being modelled (components 1..CurNFab).
  Integer CurNFab = 0;
  std::array<Integer, kMaxFabrics + 1> CurFabType{}, CurFabCons{}, CurFabOrient{};
  std::array<Single, kMaxFabrics + 1> CurFabArea{};  // m2
  std::array<std::string, kMaxFabrics + 1> CurFabShMask{};
  Single RmVol = 0;    // m3
  Integer RmOcc = 0;   // occupants
  Single RmSetT = 0;   // design air temperature, degC
  Single RmAirT = 0;   // air temperature, degC
  Single RmSetW = 0;   // design humidity ratio, kg/kg
  Single RmAirW = 0;   // humidity ratio of the latent load, kg/kg
  Single RmLgtLd = 0;  // W
  Single RmEqpLd = 0;  // W
  Single OccFrac = 0, LgtFrac = 0, EqpFrac = 0;
  Single StepSensLd = 0, StepLatLd = 0;  // W, the last time step

  // The hour's solar values (weather items 6 to 19).
  std::array<Single, 10> DirSolRad{};  // W/m2 by orientation code 0..9
  std::array<Single, 2> DifSolRad{};   // W/m2: (0) horizontal, (1) vertical
  Single SolAlt = 0, SolAzi = 0;       // rad; azimuth from south towards west

  // Wall nodes: plane 0 the current, plane 1 the next temperatures (degC).
  Array3<Single, 2, kMaxFabrics + 1, kMaxNodes + 1> NodeTemp{};
  Array2<Integer, kMaxFabrics + 1, kMaxLayers + 1> LayEndNode{};
  Array2<Single, kMaxFabrics + 1, kMaxNodes + 1> NodeCoefA{}, NodeCoefB{}, NodeCoefC{};
  // Heat capacity held at each node, J/m2K; 0 for a node solved directly
  // as steady conduction between its neighbours (see WallLayout).
  Array2<Single, kMaxFabrics + 1, kMaxNodes + 1> NodeHeat{};
  // Temperature driving the outside (0) and room-side (1) surface node, degC.
  Array2<Single, kMaxFabrics + 1, 2> SurfRefTemp{};

  // Solar gains through the windows, W; element 0 the room total of the hour.
  std::array<Single, kMaxFabrics + 1> BeamSolGain{}, DifSolGain{};

  // Constants of the model, set at the start of every run.
  Array2<Single, 6, 25> OccSched{}, LgtSched{}, EqpSched{};  // (room type, hour 1..24)
  std::array<Single, 6> GlassTransCoef{};
  Single GlassDifTrans = 0;

  // The room's radiant enclosure, fixed while one room is modelled:
  // surfaces 1..NS (the components and, without a roof, the ceiling face
  // of the floor component), the area each surface sees, and its exchange
  // factor. EnclosureOk is false when some surface sees no area.
  bool HasRoof = false;
  Integer FloorFab = 0;  // the floor/ceiling component, 0 none
  Integer NoOfSurf = 0;
  bool EnclosureOk = true;
  std::array<Single, kMaxSurfaces + 1> SurfArea{};
  Array2<bool, kMaxSurfaces + 1, kMaxSurfaces + 1> SurfSees{};
  std::array<Single, kMaxSurfaces + 1> SurfOthArea{};
  std::array<double, kMaxSurfaces + 1> SurfExchFtr{};
  Single SurfTotArea = 0;

  // Shading masks read in this run, by the path they were read from, and
  // the mask each window of the room uses (with the name it was found by).
  std::map<std::string, ShadingMaskData, std::less<>> MaskCache;
  std::array<const ShadingMaskData*, kMaxFabrics + 1> CurFabMask{};
  std::array<std::string, kMaxFabrics + 1> CurFabMaskName{};
};

}  // namespace common
