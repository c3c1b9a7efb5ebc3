#pragma once
// The one-minute step of a room's year: the long-wave exchange between the
// room's surfaces and the temperatures driving their faces, the wall nodes
// and the heat balance of the room air, in a form made for speed on the
// room's own data laid out once before its year (the tests hold it bit for
// bit to a plain reference model of the same physics):
// - the nodes that hold heat of all components in one packed array per time
//   plane, each component between two slots that hold the temperatures
//   driving its surfaces, so one loop without branches or aliasing steps
//   them all and the planes swap instead of being copied; the few nodes that
//   hold no heat follow, each solved from the two slots on either side, in
//   the step those that are faces in the room, the others only when asked
//   for (nothing in the step reads them);
// - each surface's node, its view of the others as a weight matrix (the
//   area it sees, 0 where it sees none) and its exchange constant;
// - what changes only by the hour (gains, outdoor terms, sol-air
//   temperatures, whether the room may be cooled) worked out once an hour.
// Nothing is allocated and no text is touched while stepping.
#include <array>

#include "common/program.h"

namespace ModRoutine {

using common::Integer;
using common::Single;

class RoomStepper {
 public:
  RoomStepper();

  // Takes the room now in the model state, after LoadRoom, SetupWallNodes
  // and PrepareEnclosure, with an enclosure whose every surface sees some
  // area: its node temperatures (plane 0), air temperature, outside
  // reference temperatures, and the design sensible and total load (kW) of
  // its air-side system.
  void Load(const common::ConstructionTables& ct, const common::CoolingLoadModelState& m, Single dsgSensLd,
            Single dsgTotLd);

  // The hour's values from the model state, once CalSolGain and
  // CalSolAirTemp have run for the hour: the schedule fractions, the solar
  // gains, the sol-air temperatures; `cooling` tells whether the hour lies
  // in the room's operating hours.
  void BeginHour(const common::CoolingLoadModelState& m, Single outTdb, Single outW, bool cooling);

  // One time step: the radiant exchange, the wall nodes, the room air.
  void Step() { (this->*step_)(); }

  // Results of the last step (W, degC).
  Single StepSensLd() const { return sens_; }
  Single StepLatLd() const { return lat_; }
  Single RmAirT() const { return airT_; }

  // Node n of component c (both from 1) now.
  Single NodeTemp(int c, int n) const { return At(nodeSlot_[c - 1][n]); }
  // The node temperatures now, back into both planes of NodeTemp.
  void StoreNodes(common::CoolingLoadModelState& m) const;

  static constexpr int kVectorSlots = 8;  // Singles in a vector of the widest form of the step
  static constexpr int kSlots = common::kMaxFabrics * (common::kMaxNodes + 2) + 2 + kVectorSlots;
  // The node temperatures now, kept to compare with later.
  struct Nodes {
    std::array<Single, kSlots> t{};
  };
  Nodes KeepNodes() const;
  // Largest change of a node temperature since `before`.
  Single LargestNodeChange(const Nodes& before) const;

 private:
  static constexpr int kSurfLanes = 12;  // surfaces 1..11, padded

  // The step for rooms of up to `Lanes` surfaces, and its three forms.
  template <int Lanes>
  void StepWith();
  void Step4();
  void Step8();
  void Step12();
  void (RoomStepper::*step_)();

  // The sections of Load, in the order it runs them; SurfaceNodes carries
  // each surface's node from FindSurfaceNodes to the two sections after it.
  struct SurfaceNodes {
    std::array<int, kSurfLanes> comp{}, node{};  // each surface's component (from 1) and node
    std::array<std::array<bool, common::kMaxNodes + 1>, common::kMaxFabrics> face{};  // [c - 1][n]: a surface's node
  };
  void ClearSlots();
  void PackHeatNodes(const common::ConstructionTables& ct, const common::CoolingLoadModelState& m);
  SurfaceNodes FindSurfaceNodes(const common::CoolingLoadModelState& m) const;
  void PackHeatlessNodes(const common::CoolingLoadModelState& m, const SurfaceNodes& surfaces);
  void LoadEnclosure(const common::CoolingLoadModelState& m, const SurfaceNodes& surfaces);
  void LoadAirTerms(const common::CoolingLoadModelState& m, Single dsgSensLd, Single dsgTotLd);

  // Packed nodes that hold heat: those of component c (0-based) lie after
  // first_[c], which holds its outside reference temperature, and before
  // roomRef_[c], which holds its room-side one; slot 0 and the slots after
  // the last room-side one up to stepped_ are empty. A reference slot keeps
  // its value through the step (B = -1, A = C = 0). The nodes that hold no
  // heat follow from stepped_ + 1 on, each with the slots of the two
  // temperatures it is solved from and their weights, the nFaces_ faces in
  // the room first. nodeSlot_[c][n] is the slot of node n of component c.
  int nComp_ = 0, stepped_ = 0, slots_ = 0;
  std::array<int, common::kMaxFabrics> first_{}, roomRef_{}, last_{};
  std::array<std::array<int, common::kMaxNodes + 1>, common::kMaxFabrics> nodeSlot_{};
  alignas(32) std::array<Single, kSlots> coefA_{}, coefB_{}, coefC_{};
  alignas(32) std::array<Single, kSlots> plane0_{}, plane1_{};
  Single* cur_ = plane0_.data();
  Single* next_ = plane1_.data();
  int nFree_ = 0, nFaces_ = 0;
  std::array<int, kSlots> freePrev_{}, freeNext_{};
  std::array<Single, kSlots> freeA_{}, freeC_{};
  // The temperature of a slot now: a node that holds no heat and is no face
  // is solved here from its two slots in the plane the last step read, as
  // the step would have.
  Single At(int slot) const {
    const int j = slot - stepped_ - 1;
    return j < nFaces_ ? cur_[slot] : freeA_[j] * next_[freePrev_[j]] + freeC_[j] * next_[freeNext_[j]];
  }

  // Surfaces (0-based): the components, then the ceiling when there is one.
  int nSurf_ = 0;
  int floor_ = -1;  // the floor component, -1 none
  bool hasRoof_ = false;
  std::array<int, kSurfLanes> surfSlot_{};                                     // the slot of the surface's node
  alignas(32) std::array<std::array<double, kSurfLanes>, kSurfLanes> view_{};  // [j][i]: area of j that i sees
  alignas(32) std::array<double, kSurfLanes> surfArea_{}, othArea_{}, exchCoef_{};
  double totArea_ = 1;
  std::array<Single, kSurfLanes> hA_{};  // inside film conductance, W/K

  // The room.
  Single setT_ = 0, setW_ = 0, floorArea_ = 0, flowOn_ = 0;
  Integer occ_ = 0;
  Single uaOff_ = 0, uaOn_ = 0, sumHAUaOff_ = 0, uaOnSumHA_ = 0, cap_ = 0, capLat_ = 0;
  // The hour.
  double radGain_ = 0;      // diffuse solar (without a floor, all solar) and radiant internal gains, W/m2
  double beamOnFloor_ = 0;  // beam gain on the floor, K of its reference temperature
  Single gains_ = 0, outUaOff_ = 0, outUaOn_ = 0, outSensOn_ = 0, latOn_ = 0;
  bool cooling_ = false;
  // The step.
  Single airT_ = 0, sens_ = 0, lat_ = 0;
};

}  // namespace ModRoutine
