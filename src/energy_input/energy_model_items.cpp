#include "energy_input/energy_model_items.h"

#include "common/item_lists.h"

namespace energy_input {
namespace {

using common::EnergyModel;

bool ZoneOk(int zone) { return zone >= 1 && zone <= common::kMaxZones; }
bool RoomOk(int room) { return room >= 1 && room <= common::kMaxRooms; }

// Calls `f` with every array of the model that is indexed by zone first.
template <class F>
bool ZoneArrays(EnergyModel& m, ShadingMasks& masks, F f) {
  return f(m.ZnName, m.ZnNIdent, m.ZnNRm, m.RmName, m.RmNIdent, m.RmType, m.RmArea, m.RmHgt, m.RmNOcc, m.RmVent,
           m.RmTemp, m.RmRH, m.RmLgtW, m.RmEqpW, m.RmNFab, m.FabName, m.FabArea, m.FabType, m.FabCons, m.FabOrient,
           masks);
}

// ... every array of one zone that is indexed by room first.
template <class F>
bool RoomArrays(EnergyModel& m, ShadingMasks& masks, size_t z, F f) {
  return f(m.RmName[z], m.RmNIdent[z], m.RmType[z], m.RmArea[z], m.RmHgt[z], m.RmNOcc[z], m.RmVent[z], m.RmTemp[z],
           m.RmRH[z], m.RmLgtW[z], m.RmEqpW[z], m.RmNFab[z], m.FabName[z], m.FabArea[z], m.FabType[z], m.FabCons[z],
           m.FabOrient[z], masks[z]);
}

// ... every array of one room that is indexed by component.
template <class F>
bool ComponentArrays(EnergyModel& m, ShadingMasks& masks, size_t z, size_t r, F f) {
  return f(m.FabName[z][r], m.FabArea[z][r], m.FabType[z][r], m.FabCons[z][r], m.FabOrient[z][r], masks[z][r]);
}

}  // namespace

bool InsertZone(EnergyModel& m, ShadingMasks& masks, int after, int count) {
  return ZoneArrays(m, masks, [&](auto&... a) { return common::InsertItemAfter(after, count, a...); });
}

bool RemoveZone(EnergyModel& m, ShadingMasks& masks, int selected, int count) {
  return ZoneArrays(m, masks, [&](auto&... a) { return common::RemoveItem(selected, count, a...); });
}

bool InsertRoom(EnergyModel& m, ShadingMasks& masks, int zone, int after, int count) {
  if (!ZoneOk(zone)) return false;
  return RoomArrays(m, masks, static_cast<size_t>(zone),
                    [&](auto&... a) { return common::InsertItemAfter(after, count, a...); });
}

bool RemoveRoom(EnergyModel& m, ShadingMasks& masks, int zone, int selected, int count) {
  if (!ZoneOk(zone)) return false;
  return RoomArrays(m, masks, static_cast<size_t>(zone),
                    [&](auto&... a) { return common::RemoveItem(selected, count, a...); });
}

bool InsertComponent(EnergyModel& m, ShadingMasks& masks, int zone, int room, int after, int count) {
  if (!ZoneOk(zone) || !RoomOk(room)) return false;
  return ComponentArrays(m, masks, static_cast<size_t>(zone), static_cast<size_t>(room),
                         [&](auto&... a) { return common::InsertItemAfter(after, count, a...); });
}

bool RemoveComponent(EnergyModel& m, ShadingMasks& masks, int zone, int room, int selected, int count) {
  if (!ZoneOk(zone) || !RoomOk(room)) return false;
  return ComponentArrays(m, masks, static_cast<size_t>(zone), static_cast<size_t>(room),
                         [&](auto&... a) { return common::RemoveItem(selected, count, a...); });
}

}  // namespace energy_input
