#pragma once
// The checks of an energy model, written once for everything that holds one:
// the readers and writers of the energy calculation and air-side system input
// files, the energy modelling input window, and the cooling-load and plant
// simulations before they run. Each check gives "" when the model passes,
// else the first problem found as a sentence that names the zone, room or
// component ("The room "Hall" of zone "Podium" has an unknown room type!");
// its caller adds what is its own: the routine before it ("BCLSim: "), the
// file line after it.
#include <string>

#include "common/energy_input_state.h"

namespace energy_input {

// `room "R" of zone "Z"`, for messages.
std::string RoomLabel(const common::EnergyModel& m, int z, int r);

// One value as a reader or a window meets it, checked before it is used as a
// count or stored as a code; the model gives the names.
std::string ZoneCountProblem(int count);
std::string RoomCountProblem(const common::EnergyModel& m, int z, int count);
std::string FabricCountProblem(const common::EnergyModel& m, int z, int r, int count);
std::string RoomTypeProblem(const common::EnergyModel& m, int z, int r, int code);
std::string FabricTypeProblem(const common::EnergyModel& m, int z, int r, int c, int code);
std::string OrientationProblem(const common::EnergyModel& m, int z, int r, int c, int code);
// A construction number a file can hold: 0 (none) to 50.
std::string ConstructionCodeProblem(const common::EnergyModel& m, int z, int r, int c, int number);
std::string AirSideTypeProblem(const common::EnergyModel& m, int z, int code);
std::string FreshAirTypeProblem(const common::EnergyModel& m, int z, int code);
// How many constructions of the tables a number may name: their count,
// held within 0 to 50.
int DefinedConstructions(const common::ConstructionTables& ct);
// A construction number that names none (0) or one of the tables'.
std::string ConstructionNumberProblem(const common::EnergyModel& m, int z, int r, int c, int number,
                                      const common::ConstructionTables& ct);

// The whole model. Zones, rooms and components are checked in order, each
// item's counts and codes before what lies inside it.
// The counts: what every array index of the model relies on.
std::string CountsProblem(const common::EnergyModel& m);
// The counts and the codes of rooms and components: what the energy
// calculation input file holds.
std::string CodesProblem(const common::EnergyModel& m);
// The counts and the zones' air-side and fresh-air types: what the air-side
// system input file holds.
std::string AirSideProblem(const common::EnergyModel& m, const common::AirSideSystemData& airSide);
// What the plant simulation needs: counts, codes, the air-side types and a
// design air state of every room that gives a humidity ratio.
std::string PlantRunProblem(const common::EnergyModel& m, const common::AirSideSystemData& airSide);
// What the cooling-load simulation needs: counts and codes, a construction
// of 1 to 20 layers among the tables for every component, no negative or
// undefined room value or area, a design air state that gives a humidity
// ratio, a floor with an area, and a room with a fabric area or a volume.
std::string CoolingLoadRunProblem(const common::EnergyModel& m, const common::ConstructionTables& ct);

}  // namespace energy_input
