#pragma once
// The annual energy of everything but the air-conditioning plant: the
// additional HVAC systems and the lists of non-AC electrical services
// (rating x hours x load factor, kWh), the systems using town gas (the
// same over the efficiency, MJ), and the lighting and equipment of the
// zones' rooms (load density x floor area x annual hours of the room type).
//
// Each calculation returns an error text, empty on success. A result
// beyond the range of a Single changes nothing and says so.
#include <array>
#include <string>

#include "common/energy_input_state.h"
#include "common/plant_state.h"
#include "common/program.h"
#include "common/simulation_state.h"
#include "common/value_types.h"
#include "simulation/system_lists.h"

namespace simulation {

// Annual operating hours by use (0 lighting, 1 equipment) and room type
// (0 not set, 1 Office, 2 Retail, 3 Restaurant, 4 Hotel Guest Room, 5 Non-AC).
using AnnualHours = common::Array2<common::Single, 2, 6>;
AnnualHours DefaultAnnHrs();

// Codes 2 and 4 to 7: each system's energy = hours x power x load factor,
// element 0 their sum (0 for a list without systems). Any other code does
// nothing.
std::string CalcNonACEgy(SystemRecords lists, int code);

// Town gas: hours x capacity x load factor x 3.6 / efficiency, in MJ. A
// system with an efficiency of exactly 0 stops the calculation with
// "Error: Zero Eff. for Gas System No. i": the systems before it keep their
// new values, that system and the later ones get 0 until the input is
// corrected, and the total holds the sum, so that what the assessment
// books system by system is the total shown and handed over.
std::string CalcGasEgy(common::NonACServicesData& nac);

// Lighting (1) and equipment (2) of every room of every zone, with (0)
// their sum, in kWh. A room type outside 0 to 5 counts with the hours of
// type 0 (not set).
std::string CalcZnElecEgy(const common::EnergyModel& model, const AnnualHours& annHrs,
                          std::array<common::Single, common::kZnElecEgySlots>& znElecEgy);

// The totals as they stand become the annual energy of the assessment,
// AnnEgy(): the air-conditioning with the additional HVAC systems, the
// zones' lighting and equipment with the additional electricity and
// lighting, fire services, lifts and escalators, plumbing and drainage, and
// town gas, each list's total taken from the calculation's lists. The
// slots marked in `kept` keep the values they had: their figures stand on an
// input that was not read.
using AnnualSlots = std::array<bool, common::kAnnEgySlots>;
void HandOverAnnualEnergy(common::Program& prog, const AnnualSlots& kept = {});

}  // namespace simulation
