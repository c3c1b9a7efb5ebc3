#include "simulation/room_stepper.h"

#include <algorithm>
#include <cmath>

#include "simulation/load_constants.h"
#include "simulation/wall_conduction.h"

// On x86-64 the step is compiled twice, for processors with AVX2 (twice the
// lanes per instruction) and for any other, and the loader picks one when
// the program starts. Neither fuses a multiply and an add, so both give the
// same bits. (Not in builds without optimisation or with sanitizers, whose
// checks cannot run in the loader's early choice.)
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define OSTREVO_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define OSTREVO_SANITIZED 1
#endif
#endif
#if defined(__x86_64__) && defined(__OPTIMIZE__) && !defined(OSTREVO_SANITIZED)
#define OSTREVO_AVX2_CLONE __attribute__((target_clones("avx2", "default")))
#define OSTREVO_INLINE __attribute__((always_inline)) inline
#else
#define OSTREVO_AVX2_CLONE
#define OSTREVO_INLINE inline
#endif

namespace ModRoutine {
namespace {

// The explicit step of the packed nodes 1 .. end - 1 (plane `T` to plane `Tn`).
OSTREVO_INLINE void StepNodes(const Single* __restrict A, const Single* __restrict B, const Single* __restrict C,
                              const Single* __restrict T, Single* __restrict Tn, int end) {
  for (int k = 1; k < end; ++k) Tn[k] = A[k] * T[k - 1] - B[k] * T[k] + C[k] * T[k + 1];
}

}  // namespace

template <int Lanes>
OSTREVO_INLINE void RoomStepper::StepWith() {
  Single* __restrict T = cur_;
  Single* __restrict Tn = next_;

  // Long-wave exchange between the surfaces at the current node
  // temperatures (K): each surface's view of the others, added in the
  // order of the surfaces seen, for all surfaces at once.
  alignas(32) std::array<double, Lanes> tk, sum{}, q, refIn;
  for (int i = 0; i < Lanes; ++i) tk[i] = T[surfSlot_[i]] + 273.15;
  for (int j = 0; j < nSurf_; ++j) {
    const double t = tk[j];
    const double* view = view_[j].data();
#pragma GCC unroll 12
    for (int i = 0; i < Lanes; ++i) sum[i] += view[i] * t;
  }
  for (int i = 0; i < Lanes; ++i) {
    const Single tOth = static_cast<Single>(sum[i] / othArea_[i]);
    const double tm = (tOth + tk[i]) / 2;
    q[i] = exchCoef_[i] * (tm * tm * tm) * (tk[i] - tOth);
  }
  double total = 0;
  for (int i = 0; i < nSurf_; ++i) total += surfArea_[i] * q[i];
  const double shift = total / totArea_;

  // The temperatures driving each component's faces, into the slots beside
  // its nodes.
  const double hi = kInsideFilm;
  const double air = airT_;
  for (int i = 0; i < Lanes; ++i) {
    q[i] -= shift;
    refIn[i] = (radGain_ - q[i]) / hi + air;
  }
  for (int c = 0; c < nComp_; ++c) T[roomRef_[c]] = static_cast<Single>(refIn[c]);
  if (floor_ >= 0) {
    T[first_[floor_]] = static_cast<Single>(refIn[floor_] + beamOnFloor_);
    T[roomRef_[floor_]] = hasRoof_ ? setT_ : static_cast<Single>(refIn[nSurf_ - 1]);
  }

  // Every node that holds heat in one pass; the reference slots keep their
  // values. The faces that hold none take the temperatures the pass took
  // for their neighbours (the other nodes that hold none are solved so
  // when asked for).
  StepNodes(coefA_.data(), coefB_.data(), coefC_.data(), T, Tn, stepped_);
  for (int j = 0; j < nFaces_; ++j) Tn[stepped_ + 1 + j] = freeA_[j] * T[freePrev_[j]] + freeC_[j] * T[freeNext_[j]];

  // The room air against the new surface temperatures.
  Single sumHAT = 0;
  for (int i = 0; i < nSurf_; ++i) sumHAT = sumHAT + hA_[i] * Tn[surfSlot_[i]];
  const Single tFree = (outUaOff_ + sumHAT + gains_) / sumHAUaOff_;
  airT_ = tFree;
  sens_ = 0;
  lat_ = 0;
  if (!(tFree < setT_) && cooling_) {
    airT_ = setT_;
    Single qSurf = 0;
    for (int i = 0; i < nSurf_; ++i) qSurf = qSurf + hA_[i] * (Tn[surfSlot_[i]] - setT_);
    sens_ = outSensOn_ + qSurf + gains_;
    lat_ = latOn_;
    if (cap_ < sens_) {
      sens_ = cap_;
      lat_ = capLat_;
      airT_ = (outUaOn_ + sumHAT + gains_ - sens_) / uaOnSumHA_;
    }
  }
  std::swap(cur_, next_);
}

OSTREVO_AVX2_CLONE void RoomStepper::Step4() { StepWith<4>(); }
OSTREVO_AVX2_CLONE void RoomStepper::Step8() { StepWith<8>(); }
OSTREVO_AVX2_CLONE void RoomStepper::Step12() { StepWith<12>(); }

RoomStepper::RoomStepper() : step_(&RoomStepper::Step12) {}

void RoomStepper::Load(const common::ConstructionTables& ct, const common::CoolingLoadModelState& m, Single dsgSensLd,
                       Single dsgTotLd) {
  ClearSlots();
  PackHeatNodes(ct, m);
  nSurf_ = m.NoOfSurf;
  const SurfaceNodes surfaces = FindSurfaceNodes(m);
  PackHeatlessNodes(m, surfaces);
  LoadEnclosure(m, surfaces);
  LoadAirTerms(m, dsgSensLd, dsgTotLd);
}

// Both planes and the coefficients empty; plane 0 is the one read first.
void RoomStepper::ClearSlots() {
  coefA_.fill(0);
  coefB_.fill(0);
  coefC_.fill(0);
  plane0_.fill(0);
  plane1_.fill(0);
  cur_ = plane0_.data();
  next_ = plane1_.data();
}

// The nodes that hold heat, each component between its two reference
// temperatures, with their coefficients and temperatures; the stepped run
// padded to whole vectors of slots.
void RoomStepper::PackHeatNodes(const common::ConstructionTables& ct, const common::CoolingLoadModelState& m) {
  nComp_ = std::clamp<int>(m.CurNFab, 0, common::kMaxFabrics);
  int slot = 1;
  for (int c = 1; c <= nComp_; ++c) {
    const int last = m.LayEndNode[c][ct.ConsNLay[m.CurFabCons[c]]];
    last_[c - 1] = last;
    first_[c - 1] = slot;
    coefB_[slot] = -1;
    cur_[slot] = m.SurfRefTemp[c][0];
    for (int n = 1; n <= last; ++n) {
      if (!(m.NodeHeat[c][n] > 0)) continue;
      ++slot;
      nodeSlot_[c - 1][n] = slot;
      coefA_[slot] = m.NodeCoefA[c][n];
      coefB_[slot] = m.NodeCoefB[c][n];
      coefC_[slot] = m.NodeCoefC[c][n];
      cur_[slot] = m.NodeTemp[0][c][n];
    }
    ++slot;
    roomRef_[c - 1] = slot;
    coefB_[slot] = -1;
    cur_[slot] = m.SurfRefTemp[c][1];
    ++slot;
  }
  // Whole vectors of slots: the stepped run holds no remainder for the
  // processor to take one slot at a time (the slots added are empty).
  while ((slot - 1) % kVectorSlots != 0) ++slot;
  stepped_ = slot;
}

// The node of each of the nSurf_ surfaces of the enclosure: the room-side
// face of each component; of the floor component its node 1, the floor,
// and without a roof its last node as the ceiling.
RoomStepper::SurfaceNodes RoomStepper::FindSurfaceNodes(const common::CoolingLoadModelState& m) const {
  SurfaceNodes s;
  for (int i = 1; i <= nSurf_; ++i) {
    const bool ceiling = i > nComp_;
    const int c = ceiling ? m.FloorFab : i;
    s.comp[i - 1] = c;
    s.node[i - 1] = ceiling || i != m.FloorFab ? last_[c - 1] : 1;
    s.face[c - 1][s.node[i - 1]] = true;
  }
  return s;
}

// The nodes that hold no heat, after the stepped run: first the faces,
// which the step solves, then the others, solved only when asked for; each
// from the two slots on either side. Both planes then hold the loaded
// temperatures.
void RoomStepper::PackHeatlessNodes(const common::CoolingLoadModelState& m, const SurfaceNodes& surfaces) {
  nFree_ = 0;
  for (const bool faces : {true, false}) {
    for (int c = 1; c <= nComp_; ++c) {
      const int last = last_[c - 1];
      auto slotOf = [&](int n) {
        return n == 0 ? first_[c - 1] : n == last + 1 ? roomRef_[c - 1] : nodeSlot_[c - 1][n];
      };
      for (int n = 1; n <= last; ++n) {
        if (m.NodeHeat[c][n] > 0 || surfaces.face[c - 1][n] != faces) continue;
        const NodeNeighbours nb = HeatNeighbours(m.NodeHeat[c], last, n);
        nodeSlot_[c - 1][n] = stepped_ + 1 + nFree_;
        freePrev_[nFree_] = slotOf(nb.prev);
        freeNext_[nFree_] = slotOf(nb.next);
        freeA_[nFree_] = m.NodeCoefA[c][n];
        freeC_[nFree_] = m.NodeCoefC[c][n];
        cur_[nodeSlot_[c - 1][n]] = m.NodeTemp[0][c][n];
        ++nFree_;
      }
    }
    if (faces) nFaces_ = nFree_;
  }
  slots_ = stepped_ + 1 + nFree_;
  // Until the first step, the plane it will read is the one just loaded.
  std::copy(cur_, cur_ + slots_, next_);
}

// The enclosure: each surface's slot, what it sees, its exchange constant
// and film conductance; and the form of the step for its number of
// surfaces.
void RoomStepper::LoadEnclosure(const common::CoolingLoadModelState& m, const SurfaceNodes& surfaces) {
  floor_ = m.FloorFab - 1;
  hasRoof_ = m.HasRoof;
  surfSlot_.fill(0);
  surfArea_.fill(0);
  othArea_.fill(1);
  exchCoef_.fill(0);
  hA_.fill(0);
  for (auto& row : view_) row.fill(0);
  for (int i = 1; i <= nSurf_; ++i) {
    const int c = surfaces.comp[i - 1];
    surfSlot_[i - 1] = nodeSlot_[c - 1][surfaces.node[i - 1]];
    surfArea_[i - 1] = m.SurfArea[i];
    if (m.SurfOthArea[i] > 0) othArea_[i - 1] = m.SurfOthArea[i];
    exchCoef_[i - 1] = m.SurfExchFtr[i] * 5.67e-8 * 4;
    hA_[i - 1] = kInsideFilm * m.CurFabArea[c];
    for (int j = 1; j <= nSurf_; ++j)
      if (m.SurfSees[i][j]) view_[j - 1][i - 1] = m.SurfArea[j];
  }
  totArea_ = m.SurfTotArea;
  // The exchange is worked out for as few surfaces as the room needs.
  step_ = nSurf_ <= 4 ? &RoomStepper::Step4 : nSurf_ <= 8 ? &RoomStepper::Step8 : &RoomStepper::Step12;
}

// The room air: set points, infiltration with the plant off and on with the
// surfaces' film conductances, the design capacity and the starting air
// temperature.
void RoomStepper::LoadAirTerms(const common::CoolingLoadModelState& m, Single dsgSensLd, Single dsgTotLd) {
  Single sumHA = 0;
  for (int i = 0; i < nSurf_; ++i) sumHA = sumHA + hA_[i];
  setT_ = m.RmSetT;
  setW_ = m.RmSetW;
  occ_ = m.RmOcc;
  floorArea_ = floor_ >= 0 ? m.CurFabArea[m.FloorFab] : 0;
  const Single flowOff = static_cast<Single>(m.RmVol * 0.6 / 3600);
  flowOn_ = static_cast<Single>(m.RmVol * 0.12 / 3600);
  uaOff_ = 1020 * flowOff;
  uaOn_ = 1020 * flowOn_;
  sumHAUaOff_ = sumHA + uaOff_;
  uaOnSumHA_ = uaOn_ + sumHA;
  cap_ = dsgSensLd * 1000;
  capLat_ = (dsgTotLd - dsgSensLd) * 1000;
  airT_ = m.RmAirT;
  sens_ = lat_ = 0;
}

void RoomStepper::BeginHour(const common::CoolingLoadModelState& m, Single outTdb, Single outW, bool cooling) {
  cooling_ = cooling;
  gains_ = static_cast<Single>(65.0 * occ_ * m.OccFrac + 0.4 * m.RmLgtLd * m.LgtFrac + 0.5 * m.RmEqpLd * m.EqpFrac);
  outUaOff_ = outTdb * uaOff_;
  outUaOn_ = outTdb * uaOn_;
  outSensOn_ = (outTdb - setT_) * uaOn_;
  latOn_ = (outW - setW_) * flowOn_ * kAirDensity * kLatentHeat + 55 * static_cast<Single>(occ_) * m.OccFrac;
  const double qInt = (0.6 * m.LgtFrac * m.RmLgtLd + 0.5 * m.EqpFrac * m.RmEqpLd) / m.SurfTotArea;
  // The beam falls on the floor; a room without one takes it on all its
  // surfaces, as it takes the diffuse gain.
  const Single qSol = (floor_ >= 0 ? m.DifSolGain[0] : m.DifSolGain[0] + m.BeamSolGain[0]) / m.SurfTotArea;
  radGain_ = qSol + qInt;
  beamOnFloor_ = floor_ >= 0 ? m.BeamSolGain[0] / (kInsideFilm * floorArea_) : 0;
  // The outside references hold for the hour; the step keeps them in both
  // planes.
  for (int c = 0; c < nComp_; ++c) plane0_[first_[c]] = plane1_[first_[c]] = m.SurfRefTemp[c + 1][0];
}

void RoomStepper::StoreNodes(common::CoolingLoadModelState& m) const {
  for (int c = 0; c < nComp_; ++c)
    for (int n = 1; n <= last_[c]; ++n) m.NodeTemp[0][c + 1][n] = m.NodeTemp[1][c + 1][n] = At(nodeSlot_[c][n]);
}

RoomStepper::Nodes RoomStepper::KeepNodes() const {
  Nodes kept;
  for (int k = 0; k < slots_; ++k) kept.t[k] = At(k);
  return kept;
}

Single RoomStepper::LargestNodeChange(const Nodes& before) const {
  Single largest = 0;
  for (int c = 0; c < nComp_; ++c)
    for (int n = 1; n <= last_[c]; ++n) {
      const int k = nodeSlot_[c][n];
      largest = std::max(largest, std::fabs(At(k) - before.t[k]));
    }
  return largest;
}

}  // namespace ModRoutine
