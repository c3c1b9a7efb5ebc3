#pragma once
// The energy model of the sample office project (samples/office): zones,
// rooms and fabric, constructions of materials of the sample LCIA
// database, the air-side systems and the window shading masks. The sample
// files are written from it, and the tests check them against it.
#include <string>
#include <vector>

#include "common/program.h"
#include "energy_input/shading_mask.h"

namespace energytest {

struct MaskPlan {
  std::string name;  // without ".SHM"
  int orientation;   // 1 N .. 8 NW
  energy_input::WindowShading shading;
};

struct OfficeEnergySample {
  std::string projName;
  common::EnergyModel model;
  common::PerFabric<std::string> masks{};
  common::AirSideSystemData airSide;
  common::ConstructionTables cons;
  std::vector<MaskPlan> maskPlans;
};

// The layers take their names and properties from `materials`; false when
// a material is missing from it.
bool MakeOfficeEnergySample(const common::MaterialTable& materials, OfficeEnergySample& sample, std::string& error);

// Writes OFFICE.ECI, OFFICE.ASS, OFFICE.CON and the shading mask files
// into `folder` (with a trailing "/").
bool WriteOfficeEnergySample(const OfficeEnergySample& sample, const std::string& folder, std::string& error);

}  // namespace energytest
