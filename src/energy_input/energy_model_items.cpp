#include "energy_input/energy_model_items.h"

#include "common/item_lists.h"

namespace energy_input {
namespace {

using common::AirSideSystemData;
using common::EnergyModel;

bool ZoneOk(int zone) { return zone >= 1 && zone <= common::kMaxZones; }
bool RoomOk(int room) { return room >= 1 && room <= common::kMaxRooms; }

// Calls `f` with every array of the model, and of the design row of the
// air-side record, that is indexed by zone first. (Row 1 of the air-side
// record is the simulation's working storage and stays where it is.)
template <class F>
bool ZoneArrays(EnergyModel& m, ShadingMasks& masks, AirSideSystemData& a, F f) {
  return f(m.ZnName, m.ZnNIdent, m.ZnNRm, m.RmName, m.RmNIdent, m.RmType, m.RmArea, m.RmHgt, m.RmNOcc, m.RmVent,
           m.RmTemp, m.RmRH, m.RmLgtW, m.RmEqpW, m.RmNFab, m.FabName, m.FabArea, m.FabType, m.FabCons, m.FabOrient,
           masks, a.ASTyp, a.FATyp, a.DsgSensLd[0], a.DsgTotLd[0], a.DsgSAFlow[0], a.DsgFanPres[0], a.DsgFanPwr[0],
           a.DsgCHWFlow[0]);
}

// ... every array of one zone that is indexed by room first; room 0 of the
// air-side rows, the zone's own row, is no room and stays.
template <class F>
bool RoomArrays(EnergyModel& m, ShadingMasks& masks, AirSideSystemData& a, size_t z, F f) {
  return f(m.RmName[z], m.RmNIdent[z], m.RmType[z], m.RmArea[z], m.RmHgt[z], m.RmNOcc[z], m.RmVent[z], m.RmTemp[z],
           m.RmRH[z], m.RmLgtW[z], m.RmEqpW[z], m.RmNFab[z], m.FabName[z], m.FabArea[z], m.FabType[z], m.FabCons[z],
           m.FabOrient[z], masks[z], a.DsgSensLd[0][z], a.DsgTotLd[0][z], a.DsgSAFlow[0][z]);
}

// ... every array of one room that is indexed by component.
template <class F>
bool ComponentArrays(EnergyModel& m, ShadingMasks& masks, size_t z, size_t r, F f) {
  return f(m.FabName[z][r], m.FabArea[z][r], m.FabType[z][r], m.FabCons[z][r], m.FabOrient[z][r], masks[z][r]);
}

}  // namespace

bool InsertZone(EnergyModel& m, ShadingMasks& masks, AirSideSystemData& airSide, int after, int count) {
  return ZoneArrays(m, masks, airSide, [&](auto&... a) { return common::InsertItemAfter(after, count, a...); });
}

bool RemoveZone(EnergyModel& m, ShadingMasks& masks, AirSideSystemData& airSide, int selected, int count) {
  return ZoneArrays(m, masks, airSide, [&](auto&... a) { return common::RemoveItem(selected, count, a...); });
}

bool InsertRoom(EnergyModel& m, ShadingMasks& masks, AirSideSystemData& airSide, int zone, int after, int count) {
  if (!ZoneOk(zone)) return false;
  return RoomArrays(m, masks, airSide, static_cast<size_t>(zone),
                    [&](auto&... a) { return common::InsertItemAfter(after, count, a...); });
}

bool RemoveRoom(EnergyModel& m, ShadingMasks& masks, AirSideSystemData& airSide, int zone, int selected, int count) {
  if (!ZoneOk(zone)) return false;
  return RoomArrays(m, masks, airSide, static_cast<size_t>(zone),
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
