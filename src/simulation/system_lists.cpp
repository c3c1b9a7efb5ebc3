#include "simulation/system_lists.h"

namespace simulation {

SystemRecords CalculationLists(common::Program& prog) { return {prog.sim.run->CPlt, prog.plant.NAC}; }

std::optional<SystemList> ListOf(SystemRecords records, int code) {
  auto& c = records.CPlt;
  auto& n = records.NAC;
  switch (code) {
    case 2:
      return SystemList{&c.NoOfAddHVAC, &c.AddHVACName, &c.AddHVACPower, &c.AddHVACHours, &c.AddHVACLF, &c.AddHVACEgy};
    case 4:
      return SystemList{&n.NoOfAddElec, &n.AddElecName, &n.AddElecPower, &n.AddElecHours, &n.AddElecLF, &n.AddElecEgy};
    case 5:
      return SystemList{&n.NoOfFS, &n.FSName, &n.FSPower, &n.FSHours, &n.FSLF, &n.FSEgy};
    case 6:
      return SystemList{&n.NoOfLift, &n.LiftName, &n.LiftPower, &n.LiftHours, &n.LiftLF, &n.LiftEgy};
    case 7:
      return SystemList{&n.NoOfPD, &n.PDName, &n.PDPower, &n.PDHours, &n.PDLF, &n.PDEgy};
    case 8:
      return SystemList{&n.NoOfGasSys, &n.GasName, &n.GasCap, &n.GasHours, &n.GasLF, &n.GasEgy};
    default:
      return std::nullopt;
  }
}

}  // namespace simulation
