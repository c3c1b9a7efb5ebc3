#include "sim_fixture.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "energy_input/construction_file.h"
#include "energy_input/energy_model_files.h"
#include "plant_input/plant_files.h"

namespace simtest {
namespace {

struct LayerValues {
  int mat;
  float t, rho, k, cp;
};

void AddConstruction(common::ConstructionTables& ct, const std::string& name, int type, float out, float in,
                     const std::vector<LayerValues>& layers) {
  int c = ++ct.NoOfCons;
  ct.ConsName[c] = name;
  ct.ConsType[c] = static_cast<common::Integer>(type);
  ct.ConsNLay[c] = static_cast<common::Integer>(layers.size());
  ct.ConsSurf[0][c] = out;
  ct.ConsSurf[1][c] = in;
  for (std::size_t i = 0; i < layers.size(); ++i) {
    int l = static_cast<int>(i) + 1;
    ct.LayMatNo[c][l] = static_cast<common::Integer>(layers[i].mat);
    ct.LayMatName[c][l] = layers[i].mat == 0 ? "Air Gap" : "Material " + std::to_string(layers[i].mat);
    ct.LayThk[c][l] = layers[i].t;
    ct.LayProp[0][c][l] = layers[i].rho;
    ct.LayProp[1][c][l] = layers[i].k;
    ct.LayProp[2][c][l] = layers[i].cp;
  }
}

std::string Num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  return buf;
}

}  // namespace

std::unique_ptr<common::Program> NewProgram() { return std::make_unique<common::Program>(); }

common::ConstructionTables SampleConstructions() {
  common::ConstructionTables ct;
  AddConstruction(
      ct, "Brick cavity wall", 0, 0.6f, 0.6f,
      {{41, 0.1f, 1800, 0.8f, 840}, {0, 0.05f, 0, 0, 0}, {42, 0.1f, 1400, 0.5f, 1000}, {55, 0.013f, 900, 0.25f, 1000}});
  AddConstruction(ct, "Single glazing", 1, 0.1f, 0.8f, {{50, 0.006f, 2500, 1.0f, 840}});
  AddConstruction(ct, "Concrete slab", 0, 0.6f, 0.6f, {{12, 0.05f, 2000, 1.2f, 840}, {10, 0.15f, 2300, 1.4f, 880}});
  AddConstruction(ct, "Stud partition", 0, 0.5f, 0.5f,
                  {{56, 0.013f, 900, 0.25f, 1000}, {0, 0.075f, 0, 0, 0}, {56, 0.013f, 900, 0.25f, 1000}});
  AddConstruction(ct, "Insulated roof", 0, 0.7f, 0.6f, {{82, 0.05f, 30, 0.035f, 1400}, {10, 0.15f, 2300, 1.4f, 880}});
  return ct;
}

void OfficeModel(common::Program& prog, int roomType) {
  auto& em = prog.energyInput.EgyModel;
  em = common::EnergyModel{};
  em.NoOfZn = 1;
  em.ZnName[1] = "Office";
  em.ZnNIdent[1] = 1;
  em.ZnNRm[1] = 1;
  em.RmName[1][1] = "Open plan";
  em.RmNIdent[1][1] = 1;
  em.RmType[1][1] = static_cast<common::Integer>(roomType);
  em.RmArea[1][1] = 100;
  em.RmHgt[1][1] = 3;
  em.RmNOcc[1][1] = 10;
  em.RmVent[1][1] = 10;
  em.RmTemp[1][1] = 24;
  em.RmRH[1][1] = 55;
  em.RmLgtW[1][1] = 15;
  em.RmEqpW[1][1] = 20;
  em.RmNFab[1][1] = 4;
  const char* names[] = {"", "South wall", "South window", "Floor", "Partition"};
  const float areas[] = {0, 30, 12, 100, 30};
  const int types[] = {0, 3, 2, 4, 5};
  const int cons[] = {0, 1, 2, 3, 4};
  const int orient[] = {0, 5, 5, 9, 0};
  for (int c = 1; c <= 4; ++c) {
    em.FabName[1][1][c] = names[c];
    em.FabArea[1][1][c] = areas[c];
    em.FabType[1][1][c] = static_cast<common::Integer>(types[c]);
    em.FabCons[1][1][c] = static_cast<common::Integer>(cons[c]);
    em.FabOrient[1][1][c] = static_cast<common::Integer>(orient[c]);
  }
  prog.energyInput.cons = SampleConstructions();
  auto& as = prog.energyInput.ASSys;
  as = common::AirSideSystemData{};
  as.ASTyp[1] = 1;
  as.FATyp[1] = 1;
  as.DsgSensLd[0][1][0] = 12;
  as.DsgTotLd[0][1][0] = 15;
  as.DsgSAFlow[0][1][0] = 1.0f;
  as.DsgFanPres[0][1] = 500;
  as.DsgFanPwr[0][1] = 1.2f;
  as.DsgCHWFlow[0][1] = 0.7f;
  as.DsgSensLd[0][1][1] = 12;
  as.DsgTotLd[0][1][1] = 15;
  as.DsgSAFlow[0][1][1] = 1.0f;
}

void AsRunInputs(common::Program& prog) {
  auto& run = *prog.sim.run;
  run.EgyModel = prog.energyInput.EgyModel;
  run.FabShMask = prog.energyInput.FabShMask;
  run.ASSys = prog.energyInput.ASSys;
  run.CPlt = prog.plant.CPlt;
}

void AirCooledPlant(common::CentralPlantData& cp, int start, int stop) {
  cp = common::CentralPlantData{};
  cp.HRSType = 0;
  cp.ChWPSType = 0;
  cp.StartHour = static_cast<common::Integer>(start);
  cp.StopHour = static_cast<common::Integer>(stop);
  cp.DesignTemp = {0, 35, 0, 0, 0};
  cp.NoOfChr = 1;
  cp.ChrType[1] = 1;
  cp.ChrCap[0][1] = 50;
  cp.ChrPower[0][1] = 12;
  cp.ChrChWFlow[1] = 2.4f;
  cp.NoOfPLP = 1;
  cp.PLPFlow[1] = 2.4f;
  cp.PLPPres[1] = 150;
  cp.PLPPower[1] = 0.8f;
}

void TowerPlant(common::CentralPlantData& cp) {
  cp = common::CentralPlantData{};
  cp.HRSType = 1;
  cp.ChWPSType = 0;
  cp.StartHour = 7;
  cp.StopHour = 19;
  cp.DesignTemp = {0, 29.5f, 35, 0, 0};
  cp.NoOfChr = 1;
  cp.ChrType[1] = 0;
  cp.ChrCap[0][1] = 50;
  cp.ChrPower[0][1] = 10;
  cp.ChrChWFlow[1] = 2.4f;
  cp.ChrCWFlow[1] = 2.9f;
  cp.NoOfPLP = 1;
  cp.PLPFlow[1] = 2.4f;
  cp.PLPPres[1] = 150;
  cp.PLPPower[1] = 0.8f;
  cp.NoOfCWP = 1;
  cp.CWPFlow[1] = 3.0f;
  cp.CWPPres[1] = 200;
  cp.CWPPower[1] = 1.2f;
  cp.NoOfCT = 1;
  cp.CTCap[1] = 70;
  cp.CTFlow[1] = 3.0f;
  cp.CTFanPower[1] = 1.5f;
}

std::string WeatherLine(int n) {
  const double pi = 4 * std::atan(1.0);
  int hourOfDay = (n - 1) % 24 + 1;  // 1..24, the hour ending at that time
  int day = (n - 1) / 24;
  double t = hourOfDay - 0.5;
  double tdb = 27 + 4 * std::sin((t - 9) / 24 * 2 * pi) + 2 * std::sin(day / 365.0 * 2 * pi);
  double alt = 0, azi = 0;
  std::vector<double> dir(10, 0.0);
  double difH = 0, difV = 0;
  if (t > 6 && t < 18) {
    double a = (t - 6) / 12 * pi;  // 0 at sunrise, pi at sunset
    alt = std::sin(a) * 1.2;       // up to about 69 degrees
    azi = 1.5 * pi + a;            // east (3 pi / 2) through south to west
    if (azi >= 2 * pi) azi -= 2 * pi;
    double dni = 700 * std::sin(a);
    for (int code = 1; code <= 8; ++code) {
      double psi = (code - 5) / 4.0 * pi;
      if (psi < 0) psi += 2 * pi;
      dir[code] = std::max(0.0, dni * std::cos(alt) * std::cos(azi - psi));
    }
    dir[9] = dni * std::sin(alt);
    difH = 120 * std::sin(a);
    difV = 0.5 * difH;
  }
  std::string line = std::to_string(n) + "," + Num(tdb) + ",65," + Num(tdb - 5) + ",0.0155";
  for (double v : dir) line += "," + Num(v);
  line += "," + Num(difH) + "," + Num(difV) + "," + Num(alt) + "," + Num(azi);
  return line;
}

std::string WeatherText(int hours) {
  std::string text;
  for (int n = 1; n <= hours; ++n) text += WeatherLine(n) + "\r\n";
  return text;
}

void WriteInputFiles(common::Program& prog, const std::string& folder) {
  auto& ei = prog.energyInput;
  std::string error;
  ei.EciFile = folder + "MODEL.ECI";
  ei.ConsFile = folder + "MODEL.CON";
  ei.AssFile = folder + "MODEL.ASS";
  prog.plant.WssFile = folder + "MODEL.WSS";
  prog.building.ProjDir = folder;
  prog.building.DataDir = folder;
  if (!energy_input::WriteEnergyModelFile(ei.EciFile, "Test", ei.EgyModel, ei.FabShMask, error) ||
      !energy_input::WriteConstructionFile(ei.ConsFile, ei.cons, error) ||
      !energy_input::WriteAirSideFile(ei.AssFile, "Test", ei.EgyModel, ei.ASSys, error) ||
      !plant_input::WriteCentralPlantFile(prog.plant.WssFile, "Test", prog.plant.CPlt, error))
    throw std::runtime_error("cannot write the input files: " + error);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
    start = end + 1;
  }
  return out;
}

std::vector<std::string> Items(const std::string& line) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = line.find(',', start);
    out.push_back(line.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return out;
}

}  // namespace simtest
