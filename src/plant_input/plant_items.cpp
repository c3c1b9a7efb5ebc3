#include "plant_input/plant_items.h"

#include "common/item_lists.h"

namespace plant_input {
namespace {

const std::vector<GridRow> kSystemRows = {
    {"Installed Power Demand", "kW"}, {"Annual Operating Hours", "hrs"}, {"Load Factor", "Decimal"}};
const std::vector<const char*> kChillerTypes = {"Centri.", "Recip.", "Screw"};
const std::vector<const char*> kPumpTypes = {"CS, CF", "CS, VF", "VS, VF"};
const std::vector<const char*> kServicesTypes = {"HVAC", "Elec", "Fire", "Lift", "P&D"};

constexpr const char* kPumps = "No. of Pumps (Max. 10)";
constexpr const char* kPumpNo = "Pump No. (Select -->)";
constexpr const char* kPumpHead = "Characteristics of Selected Pump";
constexpr const char* kSystems = "No. of Systems (Max. 10)";
constexpr const char* kSystemNo = "System No. (Select -->)";
constexpr const char* kSystemHead = "Characteristics of System";
constexpr const char* kSystemsRange = "No. of Systems must be within 1 to";
constexpr const char* kSystemsFull = "No. of systems defined already the maximum allowable!!";

// One row of the table per item kind.
// clang-format off
const std::vector<ItemKind> kKinds = {
    {kChillers, "Chillers", "No. of Chillers (Max. 10)", "Chiller No. (Select -->)",
     "Characteristics of Selected Chiller", "No. of Chillers must be within 1 to",
     "No. of chillers defined already the maximum allowable!!",
     {{"Type of Chiller", ""},
      {"Rated Cooling Cap.", "kW"},
      {"Rated Power demand", "kW"},
      {"Chilled water flow rate", "kg/s"},
      {"Condenser water flow rate", "kg/s"}},
     kChillerTypes, false, true},
    {kPrimaryPumps, "Primary Loop Pumps", kPumps, kPumpNo, kPumpHead, "No. of PL Pumps must be within 1 to",
     "No. of PL Pumps defined already the maximum allowable!!",
     {{"Chilled water flow rate", "kg/s"}, {"Pumping Pressure", "kPa"}, {"Rated Power demand", "kW"}},
     {}, false, true},
    {kSecondaryPumps, "Secondary Loop Pumps", kPumps, kPumpNo, kPumpHead, "No. of SL Pumps must be within 1 to",
     "No. of SL Pumps defined already the maximum allowable!!",
     {{"Type of Pump", ""},
      {"Rated Chilled Flow Rate", "kg/s"},
      {"Rated Pumping Pressure", "kPa"},
      {"Rated Pumping Power", "kW"}},
     kPumpTypes, false, true},
    {kCondenserPumps, "Condenser Water Pumps", kPumps, kPumpNo, kPumpHead, "No. of CW Pumps must be within 1 to",
     "No. of CW Pumps defined already the maximum allowable!!",
     {{"Condenser water flow rate", "kg/s"}, {"Pumping Pressure", "kPa"}, {"Rated Power demand", "kW"}},
     {}, false, true},
    {kSeawaterPumps, "Seawater Pumps", kPumps, kPumpNo, kPumpHead, "No. of SW Pumps must be within 1 to",
     "No. of SW Pumps defined already the maximum allowable!!",
     {{"Type of Pump", ""},
      {"Rated Seawater Flow Rate", "kg/s"},
      {"Rated Pumping Pressure", "kPa"},
      {"Rated Pumping Power", "kW"}},
     kPumpTypes, false, true},
    {kCoolingTowers, "Cooling Towers", "No. of Cooling Towers (Max. 10)", "Cooling Tower No. (Select -->)",
     "Characteristics of Selected Cooling Tower", "No. of Cooling Towers must be within 1 to",
     "No. of cooling towers defined already the maximum allowable!!",
     {{"Cooling Capacity", "kW"}, {"Water Flow Rate", "kg/s"}, {"Rated Fan Power", "kW"}},
     {}, false, true},
    {kAddHVAC, "Additional HVAC Systems", kSystems, kSystemNo, kSystemHead, kSystemsRange, kSystemsFull,
     kSystemRows, {}, true, false},
    {kFreshAirUnits, "Fresh Air Handling Units", "No. of Units (Max. 10)", "Unit No. (Select -->)",
     "Characteristics of Selected Unit", kSystemsRange, "No. of FAUs defined already the maximum allowable!!",
     {{"Design Sensible Cooling Capacity", "kW"},
      {"Design Total Cooling Capacity", "kW"},
      {"Design FA Supply Flow Rate", "cu.m/s"},
      {"Design Fan Pressure", "Pa"},
      {"Design Fan Power", "kW"},
      {"Design Chilled Water Flow Rate", "kg/s"}},
     {}, false, true},
    {kAddLighting, "Additional Lighting Systems", kSystems, kSystemNo, kSystemHead, kSystemsRange, kSystemsFull,
     kSystemRows, {}, true, false},
    {kFireServices, "Fire Services Systems", kSystems, kSystemNo, kSystemHead, kSystemsRange, kSystemsFull,
     kSystemRows, {}, true, false},
    {kLifts, "Lift and Escalator Systems", kSystems, kSystemNo, kSystemHead, kSystemsRange, kSystemsFull,
     kSystemRows, {}, true, false},
    {kPlumbing, "Plumbing and Drainage Systems", kSystems, kSystemNo, kSystemHead, kSystemsRange, kSystemsFull,
     kSystemRows, {}, true, false},
    {kTownGas, "Systems using Town Gas", kSystems, kSystemNo, "Characteristics of Selected System", kSystemsRange,
     kSystemsFull,
     {{"Sub-System of", ""},
      {"Rated Cap.", "kW"},
      {"Efficiency", "Decimal"},
      {"Annual Operating Hours", "hrs"},
      {"Load Factor", "Decimal"}},
     kServicesTypes, true, false},
};
// clang-format on

const std::vector<std::vector<const char*>> kDesignTempRows = {
    {"Design air temp. entering condenser"},
    {"Design water temp. entering condenser", "Design water temp. leaving condenser"},
    {"Design water temp. entering condenser", "Design water temp. leaving condenser", "Design SW temp. entering HX",
     "Design SW temp. leaving HX"},
    {"Design SW temp. entering condenser", "Design SW temp. leaving condenser"},
    {"Design water temp. entering condenser", "Design water temp. leaving condenser", "Design SW temp. entering HX",
     "Design SW temp. leaving HX"},
};

// Applies `move` to every array of the item, name and type included.
template <class Move>
bool MoveItem(int code, common::CentralPlantData& plant, common::NonACServicesData& services, Move move) {
  ItemFields f = FieldsOf(code, plant, services);
  if (f.count == nullptr) return false;
  // All arrays have the same bounds; try one first so that a refused move
  // changes nothing.
  common::ItemSingles probe{};
  if (!move(probe)) return false;
  if (f.name) move(*f.name);
  if (f.type) move(*f.type);
  for (auto* v : f.values) move(*v);
  return true;
}

}  // namespace

const std::vector<const char*> kPlantTypes = {"Air-cooled", "Water-cooled w/Cooling Towers", "Indirect Seawater-cooled",
                                              "Direct Seawater-cooled", "Indirect seawater-cooled w/Cooling Towers"};
const std::vector<const char*> kPumpingSchemes = {"Singe-loop", "Two-loop w/Constant Speed SLPs",
                                                  "Two-loop w/Variable Speed SLPs"};

const std::vector<const char*>& DesignTempRows(int hrsType) {
  static const std::vector<const char*> none;
  if (hrsType < 0 || hrsType >= static_cast<int>(kDesignTempRows.size())) return none;
  return kDesignTempRows[static_cast<size_t>(hrsType)];
}

const ItemKind* FindItemKind(int code) {
  for (const auto& k : kKinds)
    if (k.code == code) return &k;
  return nullptr;
}

int RowsInUse(const ItemKind& kind, int hrsType) {
  int rows = static_cast<int>(kind.rows.size());
  if (kind.code == kChillers && hrsType <= 0) --rows;
  return rows;
}

ItemFields FieldsOf(int code, common::CentralPlantData& p, common::NonACServicesData& s) {
  switch (code) {
    case kChillers:
      return {&p.NoOfChr, nullptr, &p.ChrType, {&p.ChrCap[0], &p.ChrPower[0], &p.ChrChWFlow, &p.ChrCWFlow}};
    case kPrimaryPumps:
      return {&p.NoOfPLP, nullptr, nullptr, {&p.PLPFlow, &p.PLPPres, &p.PLPPower}};
    case kSecondaryPumps:
      return {&p.NoOfSLP, nullptr, &p.SLPType, {&p.SLPFlow[0], &p.SLPPres[0], &p.SLPPower[0]}};
    case kCondenserPumps:
      return {&p.NoOfCWP, nullptr, nullptr, {&p.CWPFlow, &p.CWPPres, &p.CWPPower}};
    case kSeawaterPumps:
      return {&p.NoOfSWP, nullptr, &p.SWPType, {&p.SWPFlow[0], &p.SWPPres[0], &p.SWPPower[0]}};
    case kCoolingTowers:
      return {&p.NoOfCT, nullptr, nullptr, {&p.CTCap, &p.CTFlow, &p.CTFanPower}};
    case kAddHVAC:
      return {&p.NoOfAddHVAC, &p.AddHVACName, nullptr, {&p.AddHVACPower, &p.AddHVACHours, &p.AddHVACLF}};
    case kFreshAirUnits:
      return {&p.NoOfFAU,
              nullptr,
              nullptr,
              {&p.FAUSensCap, &p.FAUTotCap, &p.FAUFlow, &p.FAUFanPres, &p.FAUFanPower, &p.FAUChWFlow}};
    case kAddLighting:
      return {&s.NoOfAddElec, &s.AddElecName, nullptr, {&s.AddElecPower, &s.AddElecHours, &s.AddElecLF}};
    case kFireServices:
      return {&s.NoOfFS, &s.FSName, nullptr, {&s.FSPower, &s.FSHours, &s.FSLF}};
    case kLifts:
      return {&s.NoOfLift, &s.LiftName, nullptr, {&s.LiftPower, &s.LiftHours, &s.LiftLF}};
    case kPlumbing:
      return {&s.NoOfPD, &s.PDName, nullptr, {&s.PDPower, &s.PDHours, &s.PDLF}};
    case kTownGas:
      return {&s.NoOfGasSys, &s.GasName, &s.GasSubSys, {&s.GasCap, &s.GasEff, &s.GasHours, &s.GasLF}};
    default:
      return {};
  }
}

bool InsertItem(int code, int selected, int count, common::CentralPlantData& plant,
                common::NonACServicesData& services) {
  bool done = MoveItem(code, plant, services, [&](auto& a) { return common::InsertItemAfter(selected, count, a); });
  if (done && code == kPlumbing) services.PDName[static_cast<size_t>(selected) + 1] = "0";
  return done;
}

bool DeleteItem(int code, int selected, int count, common::CentralPlantData& plant,
                common::NonACServicesData& services) {
  return MoveItem(code, plant, services, [&](auto& a) { return common::RemoveItem(selected, count, a); });
}

}  // namespace plant_input
