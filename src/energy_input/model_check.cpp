#include "energy_input/model_check.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "common/psychrometrics.h"
#include "energy_input/energy_codes.h"

namespace energy_input {
namespace {

using common::EnergyModel;
using common::ShortTextInt;
using common::Single;

std::string ZoneLabel(const EnergyModel& m, int z) { return "Zone \"" + m.ZnName[z] + "\""; }

std::string ComponentLabel(const EnergyModel& m, int z, int r, int c) {
  return "fabric component \"" + m.FabName[z][r][c] + "\" of the " + RoomLabel(m, z, r);
}

template <std::size_t N>
bool InList(int code, const std::array<std::string_view, N>& list) {
  return code >= 0 && code <= MaxCode(list);
}

// The room's values that the loads scale with: none negative or undefined,
// and a number of occupants that can be counted.
std::string RoomValuesProblem(const EnergyModel& m, int z, int r) {
  const Single values[] = {m.RmArea[z][r], m.RmHgt[z][r], m.RmNOcc[z][r], m.RmLgtW[z][r], m.RmEqpW[z][r]};
  for (Single v : values)
    if (!std::isfinite(v) || v < 0)
      return "The " + RoomLabel(m, z, r) + " has a negative area, height, occupancy or load!";
  if (!common::ToInteger(m.RmNOcc[z][r])) return "The " + RoomLabel(m, z, r) + " has too many occupants!";
  return "";
}

// The room's design air state, from which both runs take its humidity ratio.
std::string DesignAirProblem(const EnergyModel& m, int z, int r) {
  if (ModACPlt::DesignAirState(m.RmTemp[z][r], m.RmRH[z][r]).GivesHumRatio()) return "";
  return "The design temperature and humidity of the " + RoomLabel(m, z, r) + " give no humidity ratio!";
}

// A construction chosen among the tables', of 1 to 20 layers.
std::string ConstructionReferenceProblem(const EnergyModel& m, int z, int r, int c,
                                         const common::ConstructionTables& ct) {
  const int n = m.FabCons[z][r][c];
  if (n < 1) return "The " + ComponentLabel(m, z, r, c) + " has no construction chosen!";
  if (auto p = ConstructionNumberProblem(m, z, r, c, n, ct); !p.empty()) return p;
  if (ct.ConsNLay[n] < 1 || ct.ConsNLay[n] > common::kMaxLayers)
    return "The " + ComponentLabel(m, z, r, c) + " has no construction of 1 to" + ShortTextInt(common::kMaxLayers) +
           " layers!";
  return "";
}

// Which checks a walk through the model makes beyond the counts.
struct Checks {
  bool codes = false;
  // The runs': every room's design air state gives a humidity ratio.
  bool designAir = false;
  const common::AirSideSystemData* airSide = nullptr;
  // The cooling-load run's: construction references against these tables,
  // room values and areas.
  const common::ConstructionTables* constructions = nullptr;
};

std::string RoomProblem(const EnergyModel& m, int z, int r, const Checks& k) {
  if (auto p = FabricCountProblem(m, z, r, m.RmNFab[z][r]); !p.empty()) return p;
  if (k.codes)
    if (auto p = RoomTypeProblem(m, z, r, m.RmType[z][r]); !p.empty()) return p;
  if (k.constructions)
    if (auto p = RoomValuesProblem(m, z, r); !p.empty()) return p;
  if (k.designAir)
    if (auto p = DesignAirProblem(m, z, r); !p.empty()) return p;
  Single area = 0;
  int floor = 0;
  for (int c = 1; c <= m.RmNFab[z][r]; ++c) {
    if (k.codes) {
      if (auto p = FabricTypeProblem(m, z, r, c, m.FabType[z][r][c]); !p.empty()) return p;
      if (auto p = OrientationProblem(m, z, r, c, m.FabOrient[z][r][c]); !p.empty()) return p;
      if (!k.constructions)
        if (auto p = ConstructionCodeProblem(m, z, r, c, m.FabCons[z][r][c]); !p.empty()) return p;
    }
    if (!k.constructions) continue;
    if (auto p = ConstructionReferenceProblem(m, z, r, c, *k.constructions); !p.empty()) return p;
    const Single a = m.FabArea[z][r][c];
    if (!std::isfinite(a) || a < 0) return "The " + ComponentLabel(m, z, r, c) + " has a negative area!";
    if (m.FabType[z][r][c] == kFloorCeiling) floor = c;
    area += a;
  }
  if (!k.constructions) return "";
  if (floor > 0 && !(m.FabArea[z][r][floor] > 0)) return "The floor of the " + RoomLabel(m, z, r) + " has no area!";
  if (!(area > 0) && !(m.RmArea[z][r] * m.RmHgt[z][r] > 0))
    return "The " + RoomLabel(m, z, r) + " has neither fabric area nor volume!";
  return "";
}

std::string Walk(const EnergyModel& m, const Checks& k) {
  if (auto p = ZoneCountProblem(m.NoOfZn); !p.empty()) return p;
  for (int z = 1; z <= m.NoOfZn; ++z) {
    if (auto p = RoomCountProblem(m, z, m.ZnNRm[z]); !p.empty()) return p;
    for (int r = 1; r <= m.ZnNRm[z]; ++r)
      if (auto p = RoomProblem(m, z, r, k); !p.empty()) return p;
    if (!k.airSide) continue;
    if (auto p = AirSideTypeProblem(m, z, k.airSide->ASTyp[z]); !p.empty()) return p;
    if (auto p = FreshAirTypeProblem(m, z, k.airSide->FATyp[z]); !p.empty()) return p;
  }
  return "";
}

}  // namespace

std::string RoomLabel(const EnergyModel& m, int z, int r) {
  return "room \"" + m.RmName[z][r] + "\" of zone \"" + m.ZnName[z] + "\"";
}

std::string ZoneCountProblem(int count) {
  if (count >= 0 && count <= common::kMaxZones) return "";
  return "The number of zones must lie between 0 and" + ShortTextInt(common::kMaxZones) + "!";
}

std::string RoomCountProblem(const EnergyModel& m, int z, int count) {
  if (count < 0) return ZoneLabel(m, z) + " has a negative number of rooms!";
  if (count > common::kMaxRooms)
    return ZoneLabel(m, z) + " has more than" + ShortTextInt(common::kMaxRooms) + " rooms!";
  return "";
}

std::string FabricCountProblem(const EnergyModel& m, int z, int r, int count) {
  if (count < 0) return "The " + RoomLabel(m, z, r) + " has a negative number of fabric components!";
  if (count > common::kMaxFabrics)
    return "The " + RoomLabel(m, z, r) + " has more than" + ShortTextInt(common::kMaxFabrics) + " fabric components!";
  return "";
}

std::string RoomTypeProblem(const EnergyModel& m, int z, int r, int code) {
  return InList(code, kRoomTypes) ? "" : "The " + RoomLabel(m, z, r) + " has an unknown room type!";
}

std::string FabricTypeProblem(const EnergyModel& m, int z, int r, int c, int code) {
  return InList(code, kFabricTypes) ? "" : "The " + ComponentLabel(m, z, r, c) + " has an unknown component type!";
}

std::string OrientationProblem(const EnergyModel& m, int z, int r, int c, int code) {
  return InList(code, kOrientations) ? "" : "The " + ComponentLabel(m, z, r, c) + " has an unknown orientation!";
}

std::string ConstructionCodeProblem(const EnergyModel& m, int z, int r, int c, int number) {
  if (number >= 0 && number <= common::kMaxConstructions) return "";
  return "The " + ComponentLabel(m, z, r, c) + " names construction " + std::to_string(number) + ", outside 0 to " +
         std::to_string(common::kMaxConstructions) + "!";
}

std::string AirSideTypeProblem(const EnergyModel& m, int z, int code) {
  return InList(code, kAirSideTypes) ? "" : ZoneLabel(m, z) + " has an unknown air-side system type!";
}

std::string FreshAirTypeProblem(const EnergyModel& m, int z, int code) {
  return InList(code, kFreshAirTypes) ? "" : ZoneLabel(m, z) + " has an unknown fresh-air type!";
}

int DefinedConstructions(const common::ConstructionTables& ct) {
  return std::clamp<int>(ct.NoOfCons, 0, common::kMaxConstructions);
}

std::string ConstructionNumberProblem(const EnergyModel& m, int z, int r, int c, int number,
                                      const common::ConstructionTables& ct) {
  const int defined = DefinedConstructions(ct);
  if (number >= 0 && number <= defined) return "";
  return "The " + ComponentLabel(m, z, r, c) + " names construction " + std::to_string(number) + ", but only " +
         std::to_string(defined) + " constructions are defined!";
}

std::string CountsProblem(const EnergyModel& m) { return Walk(m, {}); }

std::string CodesProblem(const EnergyModel& m) { return Walk(m, {.codes = true}); }

std::string AirSideProblem(const EnergyModel& m, const common::AirSideSystemData& airSide) {
  return Walk(m, {.airSide = &airSide});
}

std::string PlantRunProblem(const EnergyModel& m, const common::AirSideSystemData& airSide) {
  return Walk(m, {.codes = true, .designAir = true, .airSide = &airSide});
}

std::string CoolingLoadRunProblem(const EnergyModel& m, const common::ConstructionTables& ct) {
  return Walk(m, {.codes = true, .designAir = true, .constructions = &ct});
}

}  // namespace energy_input
