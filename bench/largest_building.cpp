#include "bench/largest_building.h"

#include <filesystem>

#include "common/program.h"
#include "energy_input/construction_file.h"
#include "energy_input/energy_model_files.h"
#include "plant_input/plant_files.h"

namespace bench {
namespace {

using common::Integer;
using common::Single;

// Constructions of the sample office, by their number in its file.
constexpr Integer kCladding = 1, kSpandrel = 2, kFloorSlab = 3, kLowE = 4, kFlatRoof = 6;

enum Type : Integer { kRoof = 1, kWindow = 2, kExtWall = 3, kFloor = 4 };
enum Orient : Integer { N = 1, E = 3, S = 5, W = 7, Hori = 9 };

struct Fabric {
  const char* name;
  Single area;
  Integer type, cons, orient;
  const char* mask;
};

// A deep concrete wall appended to the sample's constructions: render,
// sixteen 25 mm layers of concrete, plaster.
Integer AddDeepWall(common::ConstructionTables& ct) {
  const Integer n = static_cast<Integer>(ct.NoOfCons + 1);
  ct.NoOfCons = n;
  ct.ConsName[n] = "Deep Concrete Wall";
  ct.ConsType[n] = 0;
  ct.ConsSurf[0][n] = 0.6f;
  ct.ConsSurf[1][n] = 0.5f;
  struct Layer {
    Integer mat;
    const char* name;
    Single t, rho, k, cp;
  };
  std::vector<Layer> layers{{11, "Cement sand screed", 0.02f, 2100, 1.4f, 840}};
  for (int i = 0; i < 16; ++i) layers.push_back({5, "Concrete grade 40", 0.025f, 2400, 1.75f, 900});
  layers.push_back({56, "Gypsum plaster", 0.013f, 1200, 0.43f, 1000});
  ct.ConsNLay[n] = static_cast<Integer>(layers.size());
  for (size_t i = 0; i < layers.size(); ++i) {
    const size_t l = i + 1;
    ct.LayMatNo[n][l] = layers[i].mat;
    ct.LayMatName[n][l] = layers[i].name;
    ct.LayThk[n][l] = layers[i].t;
    ct.LayProp[0][n][l] = layers[i].rho;
    ct.LayProp[1][n][l] = layers[i].k;
    ct.LayProp[2][n][l] = layers[i].cp;
  }
  return n;
}

void FillModel(common::EnergyModel& m, common::PerFabric<std::string>& masks, common::AirSideSystemData& a,
               Integer deepWall) {
  const Integer solidNS = deepWall ? deepWall : kSpandrel;
  const Integer solidEW = deepWall ? deepWall : kCladding;
  const Fabric fabric[] = {
      {"Roof", 100, kRoof, kFlatRoof, Hori, ""},
      {"North Wall", 18, kExtWall, solidNS, N, ""},
      {"East Wall", 18, kExtWall, solidEW, E, ""},
      {"South Wall", 18, kExtWall, solidNS, S, ""},
      {"West Wall", 18, kExtWall, solidEW, W, ""},
      {"North Window", 12, kWindow, kLowE, N, ""},
      {"East Window", 12, kWindow, kLowE, E, "E_FINS.SHM"},
      {"South Window", 12, kWindow, kLowE, S, "S_OVHG.SHM"},
      {"West Window", 12, kWindow, kLowE, W, ""},
      {"Floor", 100, kFloor, kFloorSlab, Hori, ""},
  };
  m.NoOfZn = common::kMaxZones;
  for (int z = 1; z <= common::kMaxZones; ++z) {
    m.ZnName[z] = "Zone " + std::to_string(z);
    m.ZnNIdent[z] = 1;
    m.ZnNRm[z] = common::kMaxRooms;
    a.ASTyp[z] = 3;  // VAV, variable fan speed
    a.FATyp[z] = 2;  // central pretreated fresh air
    a.DsgSensLd[0][z][0] = 9.0f * common::kMaxRooms;
    a.DsgTotLd[0][z][0] = 10.5f * common::kMaxRooms;
    a.DsgSAFlow[0][z][0] = 0.75f * common::kMaxRooms;
    a.DsgFanPres[0][z] = 900;
    a.DsgFanPwr[0][z] = 11.6f;
    a.DsgCHWFlow[0][z] = 5.47f;
    for (int r = 1; r <= common::kMaxRooms; ++r) {
      m.RmName[z][r] = "Office " + std::to_string(z) + "-" + std::to_string(r);
      m.RmNIdent[z][r] = 1;
      m.RmType[z][r] = 1;
      m.RmArea[z][r] = 100;
      m.RmHgt[z][r] = 3;
      m.RmNOcc[z][r] = 10;
      m.RmVent[z][r] = 10;
      m.RmTemp[z][r] = 24;
      m.RmRH[z][r] = 55;
      m.RmLgtW[z][r] = 12;
      m.RmEqpW[z][r] = 15;
      m.RmNFab[z][r] = common::kMaxFabrics;
      a.DsgSensLd[0][z][r] = 9;
      a.DsgTotLd[0][z][r] = 10.5f;
      a.DsgSAFlow[0][z][r] = 0.75f;
      for (int c = 1; c <= common::kMaxFabrics; ++c) {
        const Fabric& f = fabric[c - 1];
        m.FabName[z][r][c] = f.name;
        m.FabArea[z][r][c] = f.area;
        m.FabType[z][r][c] = f.type;
        m.FabCons[z][r][c] = f.cons;
        m.FabOrient[z][r][c] = f.orient;
        masks[z][r][c] = f.mask;
      }
    }
  }
}

// Item i of a list of n0 items becomes item (i - 1) mod n0 + 1 of the sample.
template <typename T>
void Spread(T& items, int n0) {
  for (int i = n0 + 1; i <= 10; ++i) items[i] = items[(i - 1) % n0 + 1];
}
template <typename T>
void SpreadRows(T& rows, int n0) {
  Spread(rows[0], n0);
}

// The sample plant with every list at ten items, each like the sample's.
void ScalePlant(common::CentralPlantData& p) {
  const int chr = p.NoOfChr, plp = p.NoOfPLP, slp = p.NoOfSLP, cwp = p.NoOfCWP, ct = p.NoOfCT, add = p.NoOfAddHVAC,
            fau = p.NoOfFAU;
  Spread(p.ChrType, chr), SpreadRows(p.ChrCap, chr), SpreadRows(p.ChrPower, chr);
  Spread(p.ChrChWFlow, chr), Spread(p.ChrCWFlow, chr);
  Spread(p.PLPFlow, plp), Spread(p.PLPPres, plp), Spread(p.PLPPower, plp);
  Spread(p.SLPType, slp), SpreadRows(p.SLPFlow, slp), SpreadRows(p.SLPPres, slp), SpreadRows(p.SLPPower, slp);
  Spread(p.CWPFlow, cwp), Spread(p.CWPPres, cwp), Spread(p.CWPPower, cwp);
  Spread(p.CTCap, ct), Spread(p.CTFlow, ct), Spread(p.CTFanPower, ct);
  Spread(p.AddHVACName, add), Spread(p.AddHVACPower, add), Spread(p.AddHVACHours, add), Spread(p.AddHVACLF, add);
  Spread(p.FAUSensCap, fau), Spread(p.FAUTotCap, fau), Spread(p.FAUFlow, fau), Spread(p.FAUFanPres, fau);
  Spread(p.FAUFanPower, fau), Spread(p.FAUChWFlow, fau);
  p.NoOfChr = p.NoOfPLP = p.NoOfSLP = p.NoOfCWP = p.NoOfCT = p.NoOfAddHVAC = p.NoOfFAU = 10;
}

}  // namespace

bool WriteLargestBuilding(const std::string& sampleFolder, const std::string& folder, bool deepWalls,
                          LargestBuildingFiles& files, std::string& error) {
  auto ei = std::make_unique<common::EnergyInputState>();
  if (!energy_input::ReadConstructionFile(sampleFolder + "OFFICE.CON", ei->cons, error)) return false;
  const Integer deepWall = deepWalls ? AddDeepWall(ei->cons) : 0;
  FillModel(ei->EgyModel, ei->FabShMask, ei->ASSys, deepWall);
  common::CentralPlantData plant;
  if (!plant_input::ReadCentralPlantFile(sampleFolder + "OFFICE.WSS", plant, error)) return false;
  ScalePlant(plant);
  const std::string project = "Largest Building";
  if (!energy_input::WriteEnergyModelFile(folder + files.eci, project, ei->EgyModel, ei->FabShMask, error) ||
      !energy_input::WriteAirSideFile(folder + files.ass, project, ei->EgyModel, ei->ASSys, error) ||
      !energy_input::WriteConstructionFile(folder + files.cons, ei->cons, error) ||
      !plant_input::WriteCentralPlantFile(folder + files.wss, project, plant, error))
    return false;
  std::error_code ec;
  for (const char* mask : {"E_FINS.SHM", "S_OVHG.SHM"}) {
    std::filesystem::copy_file(sampleFolder + mask, folder + mask, std::filesystem::copy_options::overwrite_existing,
                               ec);
    if (ec) {
      error = "cannot copy " + std::string(mask) + ": " + ec.message();
      return false;
    }
  }
  return true;
}

}  // namespace bench
