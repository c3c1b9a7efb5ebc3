#include "simulation/annual_energy.h"

#include <cmath>
#include <optional>

#include "common/number_text.h"
#include "simulation/system_lists.h"

namespace simulation {

using common::Single;

namespace {

const std::string kTooLarge = " is too large to be held. Nothing is changed.";

std::string SystemTooLarge(int i) { return "The annual energy of system" + common::ShortTextInt(i) + kTooLarge; }

// Adds in single precision; nullopt when the sum leaves the Single range.
std::optional<Single> AddSingle(Single total, Single value) {
  Single sum = total + value;
  if (!std::isfinite(sum)) return std::nullopt;
  return sum;
}

}  // namespace

AnnualHours DefaultAnnHrs() {
  AnnualHours h{};
  h[0] = {8760, 3065, 3112, 4258, 2618, 8760};
  h[1] = {8760, 3086, 2639, 3476, 2556, 8760};
  return h;
}

std::string CalcNonACEgy(SystemRecords lists, int code) {
  if (code == 8) return {};
  auto list = ListOf(lists, code);
  if (!list) return {};
  common::ItemSingles egy = *list->egy;
  egy[0] = 0;
  for (int i = 1; i <= SystemCount(*list->count); ++i) {
    auto k = static_cast<size_t>(i);
    auto value = common::ToSingle(static_cast<double>((*list->hours)[k]) * (*list->power)[k] * (*list->loadFactor)[k]);
    if (!value) return SystemTooLarge(i);
    egy[k] = *value;
    auto total = AddSingle(egy[0], egy[k]);
    if (!total) return "The total annual energy" + kTooLarge;
    egy[0] = *total;
  }
  *list->egy = egy;
  return {};
}

std::string CalcGasEgy(common::NonACServicesData& nac) {
  common::ItemSingles egy = nac.GasEgy;
  egy[0] = 0;
  for (int i = 1; i <= SystemCount(nac.NoOfGasSys); ++i) {
    auto k = static_cast<size_t>(i);
    if (nac.GasEff[k] == 0) {
      for (int j = i; j <= SystemCount(nac.NoOfGasSys); ++j) egy[static_cast<size_t>(j)] = 0;
      nac.GasEgy = egy;
      return "Error: Zero Eff. for Gas System No." + common::ShortTextInt(i);
    }
    auto value =
        common::ToSingle(static_cast<double>(nac.GasHours[k]) * nac.GasCap[k] * nac.GasLF[k] * 3.6 / nac.GasEff[k]);
    if (!value) return SystemTooLarge(i);
    egy[k] = *value;
    auto total = AddSingle(egy[0], egy[k]);
    if (!total) return "The total annual energy" + kTooLarge;
    egy[0] = *total;
  }
  nac.GasEgy = egy;
  return {};
}

std::string CalcZnElecEgy(const common::EnergyModel& model, const AnnualHours& annHrs,
                          std::array<Single, common::kZnElecEgySlots>& znElecEgy) {
  std::array<Single, common::kZnElecEgySlots> sum{};
  int zones = model.NoOfZn > common::kMaxZones ? common::kMaxZones : model.NoOfZn;
  for (int z = 1; z <= zones; ++z) {
    auto zk = static_cast<size_t>(z);
    int rooms = model.ZnNRm[zk] > common::kMaxRooms ? common::kMaxRooms : model.ZnNRm[zk];
    for (int r = 1; r <= rooms; ++r) {
      auto rk = static_cast<size_t>(r);
      int type = model.RmType[zk][rk];
      auto t = static_cast<size_t>(type >= 0 && type <= 5 ? type : 0);
      const std::array<Single, 2> density{model.RmLgtW[zk][rk], model.RmEqpW[zk][rk]};
      for (size_t use = 0; use < 2; ++use) {
        // Per room first, then times the identical rooms and zones.
        auto perRoom = common::ToSingle(static_cast<double>(density[use]) * model.RmArea[zk][rk] * annHrs[use][t]);
        std::optional<Single> energy;
        if (perRoom)
          energy = common::ToSingle(static_cast<double>(*perRoom) * model.RmNIdent[zk][rk] * model.ZnNIdent[zk] / 1000);
        const size_t slot = use == 0 ? common::kZnElecLighting : common::kZnElecEquipment;
        auto part = energy ? AddSingle(sum[slot], *energy) : std::nullopt;
        auto total = energy ? AddSingle(sum[common::kZnElecWhole], *energy) : std::nullopt;
        if (!part || !total)
          return "The annual energy of zone" + common::ShortTextInt(z) + ", room" + common::ShortTextInt(r) + kTooLarge;
        sum[slot] = *part;
        sum[common::kZnElecWhole] = *total;
      }
    }
  }
  znElecEgy = sum;
  return {};
}

void HandOverAnnualEnergy(common::Program& prog, const AnnualSlots& kept) {
  auto& sim = prog.sim;
  const SystemRecords lists = CalculationLists(prog);
  const auto& c = lists.CPlt;
  const auto& n = lists.NAC;
  std::array<Single, common::kAnnEgySlots> handed{};
  handed[common::kAnnHVAC] = sim.ACEgy[common::kACWhole] + c.AddHVACEgy[0];
  handed[common::kAnnElec] = n.AddElecEgy[0] + sim.ZnElecEgy[common::kZnElecWhole];
  handed[common::kAnnFSer] = n.FSEgy[0];
  handed[common::kAnnLift] = n.LiftEgy[0];
  handed[common::kAnnPaD] = n.PDEgy[0];
  handed[common::kAnnGas] = n.GasEgy[0];
  for (size_t k = 0; k < handed.size(); ++k)
    if (!kept[k]) sim.AnnEgy[k] = handed[k];
}

}  // namespace simulation
