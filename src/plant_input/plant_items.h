#pragma once
// The kinds of item that the central plant window edits: the plant itself
// (code 1), eight lists of plant equipment (codes 2..9) and five lists of
// other services (codes 11..15). For each list kind: its texts, its grid
// rows, its choice list and where its fields lie in the two records.
#include <string>
#include <vector>

#include "common/plant_state.h"

namespace plant_input {

enum ItemCode : int {
  kPlantType = 1,
  kChillers = 2,
  kPrimaryPumps = 3,
  kSecondaryPumps = 4,
  kCondenserPumps = 5,
  kSeawaterPumps = 6,
  kCoolingTowers = 7,
  kAddHVAC = 8,
  kFreshAirUnits = 9,
  kAddLighting = 11,
  kFireServices = 12,
  kLifts = 13,
  kPlumbing = 14,
  kTownGas = 15,
};

constexpr int kMaxPlantItems = 10;

struct GridRow {
  const char* item;
  const char* unit;
};

struct ItemKind {
  ItemCode code;
  const char* title;        // lblSysDes
  const char* countLabel;   // lblNoEq
  const char* numberLabel;  // lblEqNo
  const char* tableHead;    // lblTabHead
  const char* countRange;   // the count box's range message, followed by " 10"
  const char* listFull;     // Add on a full list
  std::vector<GridRow> rows;
  std::vector<const char*> typeList;  // the choices of row 1; empty: none
  bool hasName;                       // name box
  bool hasSameAsLast;                 // "= last unit"
};

// The list kinds (codes 2..9, 11..15); nullptr for any other code.
const ItemKind* FindItemKind(int code);

// Where one kind's fields lie: the count, the name (when the kind has one),
// the type code (row 1, when the kind has a choice list) and the Single
// fields of the following rows, in row order. Two-row arrays give their
// input row 0. The computed annual energy is no part of an item.
struct ItemFields {
  common::Integer* count = nullptr;
  common::ItemNames* name = nullptr;
  common::ItemIntegers* type = nullptr;
  std::vector<common::ItemSingles*> values;
};
ItemFields FieldsOf(int code, common::CentralPlantData& plant, common::NonACServicesData& services);

// The value rows of a kind in use for the plant type `hrsType`: a chiller's
// condenser water flow rate only for a plant that is not air-cooled.
int RowsInUse(const ItemKind& kind, int hrsType);

// Moves a whole item (name, type code, every value field) through the
// list: an empty item after `selected` of `count` items, or item
// `selected` removed. A new plumbing and drainage system is named "0".
// False when the list cannot take it; nothing changes then.
bool InsertItem(int code, int selected, int count, common::CentralPlantData& plant,
                common::NonACServicesData& services);
bool DeleteItem(int code, int selected, int count, common::CentralPlantData& plant,
                common::NonACServicesData& services);

// The plant type view: the choices and the names of the design
// temperature rows from grid row 3 on for each plant type.
extern const std::vector<const char*> kPlantTypes;
extern const std::vector<const char*> kPumpingSchemes;
const std::vector<const char*>& DesignTempRows(int hrsType);

}  // namespace plant_input
