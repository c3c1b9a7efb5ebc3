#pragma once
// Insert and delete of zones, rooms and fabric components in an energy
// model. An item moves whole: a zone with all its room slots and their
// component slots and its air-side design (system and fresh-air types, the
// zone row and the room rows), a room with its component slots and its
// air-side row, each component with its shading mask. The counts of the
// model are the caller's to change.
#include <string>

#include "common/energy_input_state.h"

namespace energy_input {

using ShadingMasks = common::PerFabric<std::string>;

// Opens an empty zone after zone `after` of `count`; false (and nothing
// changed) when the item does not exist or there is no room for another.
bool InsertZone(common::EnergyModel& m, ShadingMasks& masks, common::AirSideSystemData& airSide, int after, int count);
// Removes zone `selected` of `count`; the last zone slot is emptied.
bool RemoveZone(common::EnergyModel& m, ShadingMasks& masks, common::AirSideSystemData& airSide, int selected,
                int count);

bool InsertRoom(common::EnergyModel& m, ShadingMasks& masks, common::AirSideSystemData& airSide, int zone, int after,
                int count);
bool RemoveRoom(common::EnergyModel& m, ShadingMasks& masks, common::AirSideSystemData& airSide, int zone, int selected,
                int count);

bool InsertComponent(common::EnergyModel& m, ShadingMasks& masks, int zone, int room, int after, int count);
bool RemoveComponent(common::EnergyModel& m, ShadingMasks& masks, int zone, int room, int selected, int count);

}  // namespace energy_input
