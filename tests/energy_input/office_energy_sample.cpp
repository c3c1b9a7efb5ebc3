#include "office_energy_sample.h"

#include "assessment/lcia_database.h"
#include "energy_input/construction_file.h"
#include "energy_input/energy_codes.h"
#include "energy_input/energy_model_files.h"
#include "energy_input/shading_mask_file.h"

namespace energytest {

using common::Integer;
using common::Single;

namespace {

// Constructions, numbered as in the file.
enum Cons {
  kCladding = 1,    // precast concrete cladding wall
  kSpandrel = 2,    // insulated aluminium spandrel panel
  kFloorSlab = 3,   // intermediate floor: screed, slab, ceiling tiles
  kLowE = 4,        // double-glazed low-emissivity unit
  kPartition = 5,   // plastered lightweight blockwork
  kRoof = 6,        // inverted flat roof on a concrete slab
  kGroundSlab = 7,  // ground-bearing slab with granite finish
  kShopFront = 8,   // laminated clear glass shop front
};

enum Type { kRoofType = 1, kWindow = 2, kExtWall = 3, kFloor = 4, kPartitionType = 5 };
enum Orient { N = 1, NE, E, SE, S, SW, W, NW, Hori };

struct Layer {
  int material;  // 0 an air gap
  Single thickness;
};

struct Construction {
  const char* name;
  Integer type;
  Single outside, inside;  // absorptivities; for a window the inside is its shading coefficient
  std::vector<Layer> layers;
};

const std::vector<Construction>& Constructions() {
  static const std::vector<Construction> list = {
      {"Precast Concrete Cladding Wall", 0, 0.6f, 0.5f, {{10, 0.1f}, {80, 0.05f}, {0, 0.05f}, {55, 0.0125f}}},
      {"Insulated Spandrel Panel", 0, 0.5f, 0.4f, {{31, 0.003f}, {80, 0.075f}, {24, 0.001f}}},
      {"Floor Slab with Suspended Ceiling", 0, 0.6f, 0.6f, {{11, 0.05f}, {5, 0.15f}, {0, 0.6f}, {58, 0.015f}}},
      {"Double Glazed Low-E Unit", 1, 0.15f, 0.45f, {{50, 0.006f}, {0, 0.012f}, {53, 0.006f}}},
      {"Plastered Blockwork Partition", 0, 0.5f, 0.5f, {{56, 0.013f}, {43, 0.1f}, {56, 0.013f}}},
      {"Inverted Flat Roof", 0, 0.7f, 0.6f, {{11, 0.05f}, {83, 0.075f}, {86, 0.005f}, {11, 0.075f}, {5, 0.2f}}},
      {"Ground Bearing Slab", 0, 0.5f, 0.6f, {{87, 0.0005f}, {3, 0.2f}, {11, 0.04f}, {62, 0.02f}}},
      {"Laminated Clear Shop Front", 1, 0.1f, 0.85f, {{52, 0.0128f}}},
  };
  return list;
}

bool FillConstructions(const common::MaterialTable& mat, common::ConstructionTables& t, std::string& error) {
  const auto& list = Constructions();
  t.NoOfCons = static_cast<Integer>(list.size());
  for (size_t c = 1; c <= list.size(); ++c) {
    const Construction& k = list[c - 1];
    t.ConsName[c] = k.name;
    t.ConsType[c] = k.type;
    t.ConsNLay[c] = static_cast<Integer>(k.layers.size());
    t.ConsSurf[0][c] = k.outside;
    t.ConsSurf[1][c] = k.inside;
    for (size_t j = 1; j <= k.layers.size(); ++j) {
      const Layer& l = k.layers[j - 1];
      t.LayMatNo[c][j] = static_cast<Integer>(l.material);
      t.LayThk[c][j] = l.thickness;
      if (l.material == 0) {
        t.LayMatName[c][j] = "Air Gap";
        continue;
      }
      int row = ModCal::MaterialRow(mat, l.material);
      if (row <= 0 || mat.MatName[static_cast<size_t>(row)].empty()) {
        error = "material " + std::to_string(l.material) + " is not in the database";
        return false;
      }
      const size_t r = static_cast<size_t>(row);
      t.LayMatName[c][j] = mat.MatName[r];
      for (size_t p = 0; p < 3; ++p) t.LayProp[p][c][j] = mat.MatProp[r][p];
    }
  }
  return true;
}

struct Fabric {
  const char* name;
  Single area;
  Integer type, cons, orient;
  const char* mask;
};

struct Room {
  const char* name;
  Integer type;  // 1 Office, 2 Retail, 5 Non-AC
  Single area, height, occupants, vent, temp, rh, lighting, equipment;
  std::vector<Fabric> fabric;
  Single sensible, total, flow;  // design loads, kW; supply air, m3/s
};

struct Zone {
  const char* name;
  Single identical;
  std::vector<Room> rooms;
  Integer asType, faType;
  Single sensible, total, flow, fanPres, fanPower, chw;
};

// An office floor of 800 m2 around a central core; the top floor also
// has the roof above it.
std::vector<Room> OfficeFloor(bool roof) {
  auto withRoof = [roof](std::vector<Fabric> f, Single area) {
    if (roof) f.push_back({"Roof", area, kRoofType, kRoof, Hori, ""});
    return f;
  };
  Single extra = roof ? 1.0f : 0.0f;  // the roof's share of the design loads
  return {
      {"Open Office South", 1, 300, 2.8f, 30, 10, 24, 55, 12, 20,
       withRoof({{"South Curtain Wall Glazing", 60, kWindow, kLowE, S, "S_OVHG.SHM"},
                 {"South Spandrel", 30, kExtWall, kSpandrel, S, ""},
                 {"Floor Slab", 300, kFloor, kFloorSlab, Hori, ""}},
                300),
       22 + 3 * extra, 25.5f + 3 * extra, 1.85f + 0.25f * extra},
      {"Open Office North", 1, 300, 2.8f, 30, 10, 24, 55, 12, 20,
       withRoof({{"North Curtain Wall Glazing", 60, kWindow, kLowE, N, ""},
                 {"North Spandrel", 30, kExtWall, kSpandrel, N, ""},
                 {"Floor Slab", 300, kFloor, kFloorSlab, Hori, ""}},
                300),
       16 + 3 * extra, 19 + 3 * extra, 1.35f + 0.25f * extra},
      {"Meeting Rooms East", 1, 80, 2.8f, 16, 10, 24, 55, 12, 10,
       withRoof({{"East Glazing", 24, kWindow, kLowE, E, "E_FINS.SHM"},
                 {"East Wall", 20, kExtWall, kCladding, E, ""},
                 {"Partition to Core", 30, kPartitionType, kPartition, W, ""},
                 {"Floor Slab", 80, kFloor, kFloorSlab, Hori, ""}},
                80),
       7.5f + extra, 9.3f + extra, 0.63f + 0.08f * extra},
      {"Core", 5, 120, 2.8f, 0, 0, 28, 60, 8, 2,
       withRoof({{"West Core Wall", 45, kExtWall, kCladding, W, ""}, {"Floor Slab", 120, kFloor, kFloorSlab, Hori, ""}},
                120),
       0, 0, 0},
  };
}

std::vector<Zone> Zones() {
  return {
      {"Ground Floor Retail and Lobby",
       1,
       {{"Retail Shops",
         2,
         420,
         3.6f,
         84,
         8,
         24,
         55,
         20,
         15,
         {{"Shop Front Glazing", 86, kWindow, kShopFront, S, "S_CANOPY.SHM"},
          {"West Side Wall", 60, kExtWall, kCladding, W, ""},
          {"Ground Slab", 420, kFloor, kGroundSlab, Hori, ""},
          {"Partition to Lobby", 54, kPartitionType, kPartition, E, ""}},
         38,
         46,
         3.2f},
        {"Entrance Lobby",
         1,
         180,
         4.5f,
         10,
         10,
         24,
         55,
         15,
         5,
         {{"Lobby Glazing", 40, kWindow, kShopFront, N, ""},
          {"Lobby Wall", 25, kExtWall, kCladding, N, ""},
          {"Ground Slab", 180, kFloor, kGroundSlab, Hori, ""}},
         14,
         16.5f,
         1.15f},
        {"Core and Plant",
         5,
         200,
         3.6f,
         0,
         0,
         28,
         60,
         8,
         2,
         {{"East Core Wall", 70, kExtWall, kCladding, E, ""}, {"Ground Slab", 200, kFloor, kGroundSlab, Hori, ""}},
         0,
         0,
         0}},
       1,
       2,
       52,
       62.5f,
       4.35f,
       750,
       5.0f,
       2.7f},
      // Floors 2 to 5; VAV with variable fan speed and pretreated fresh air.
      {"Typical Office Floor", 4, OfficeFloor(false), 3, 2, 41, 48, 3.5f, 900, 4.85f, 2.08f},
      {"Top Office Floor", 1, OfficeFloor(true), 3, 2, 48, 55, 4.0f, 900, 5.5f, 2.4f},
  };
}

}  // namespace

bool MakeOfficeEnergySample(const common::MaterialTable& materials, OfficeEnergySample& s, std::string& error) {
  s = OfficeEnergySample{};
  s.projName = "Sample Office Building";
  if (!FillConstructions(materials, s.cons, error)) return false;
  const auto zones = Zones();
  auto& m = s.model;
  m.NoOfZn = static_cast<Integer>(zones.size());
  for (size_t z = 1; z <= zones.size(); ++z) {
    const Zone& zone = zones[z - 1];
    m.ZnName[z] = zone.name;
    m.ZnNIdent[z] = zone.identical;
    m.ZnNRm[z] = static_cast<Integer>(zone.rooms.size());
    auto& a = s.airSide;
    a.ASTyp[z] = zone.asType;
    a.FATyp[z] = zone.faType;
    a.DsgSensLd[0][z][0] = zone.sensible;
    a.DsgTotLd[0][z][0] = zone.total;
    a.DsgSAFlow[0][z][0] = zone.flow;
    a.DsgFanPres[0][z] = zone.fanPres;
    a.DsgFanPwr[0][z] = zone.fanPower;
    a.DsgCHWFlow[0][z] = zone.chw;
    for (size_t r = 1; r <= zone.rooms.size(); ++r) {
      const Room& room = zone.rooms[r - 1];
      m.RmName[z][r] = room.name;
      m.RmType[z][r] = room.type;
      m.RmNIdent[z][r] = 1;
      m.RmArea[z][r] = room.area;
      m.RmHgt[z][r] = room.height;
      m.RmNOcc[z][r] = room.occupants;
      m.RmVent[z][r] = room.vent;
      m.RmTemp[z][r] = room.temp;
      m.RmRH[z][r] = room.rh;
      m.RmLgtW[z][r] = room.lighting;
      m.RmEqpW[z][r] = room.equipment;
      m.RmNFab[z][r] = static_cast<Integer>(room.fabric.size());
      a.DsgSensLd[0][z][r] = room.sensible;
      a.DsgTotLd[0][z][r] = room.total;
      a.DsgSAFlow[0][z][r] = room.flow;
      for (size_t c = 1; c <= room.fabric.size(); ++c) {
        const Fabric& f = room.fabric[c - 1];
        m.FabName[z][r][c] = f.name;
        m.FabArea[z][r][c] = f.area;
        m.FabType[z][r][c] = f.type;
        m.FabCons[z][r][c] = f.cons;
        m.FabOrient[z][r][c] = f.orient;
        s.masks[z][r][c] = f.mask;
      }
    }
  }
  // A canopy over the shop front; an overhang with short fins over the
  // south office windows; deep fins beside the east windows.
  s.maskPlans = {
      {"S_CANOPY", S, {6.0f, 3.2f, 2.0f, 0.4f, 0, 0, 0, 0}},
      {"S_OVHG", S, {3.0f, 2.0f, 0.9f, 0.2f, 0.3f, 0.1f, 0.3f, 0.1f}},
      {"E_FINS", E, {1.5f, 2.2f, 0.3f, 0.1f, 0.6f, 0.05f, 0.6f, 0.05f}},
  };
  return true;
}

bool WriteOfficeEnergySample(const OfficeEnergySample& s, const std::string& folder, std::string& error) {
  if (!energy_input::WriteEnergyModelFile(folder + "OFFICE.ECI", s.projName, s.model, s.masks, error) ||
      !energy_input::WriteAirSideFile(folder + "OFFICE.ASS", s.projName, s.model, s.airSide, error) ||
      !energy_input::WriteConstructionFile(folder + "OFFICE.CON", s.cons, error))
    return false;
  for (const MaskPlan& plan : s.maskPlans) {
    energy_input::ShadingMask mask{};
    std::string problem = energy_input::GenerateShadingMask(plan.orientation, plan.shading, mask);
    if (!problem.empty()) {
      error = plan.name + ": " + problem;
      return false;
    }
    common::Single mean = energy_input::RoundShadingMask(mask);
    std::string orientation(energy_input::kOrientations[static_cast<size_t>(plan.orientation)]);
    if (!energy_input::WriteShadingMaskFile(folder + plan.name + ".SHM", mask, mean, orientation, plan.shading,
                                            plan.name + ".SHM", error))
      return false;
  }
  return true;
}

}  // namespace energytest
