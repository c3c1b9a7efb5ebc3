// The one check of an energy model: each problem it finds, named by the
// zone, room and component, by the check that looks for it.
#include "energy_input/model_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "energy_fixture.h"

namespace {

using common::ConstructionTables;
using common::EnergyModel;

enum class Check { Codes, AirSide, Plant, CoolingLoadRun };

struct Case {
  const char* what;
  Check check;
  std::function<void(EnergyModel&, ConstructionTables&, common::AirSideSystemData&)> spoil;
  std::string problem;
};

std::string Problem(Check check, const EnergyModel& m, const ConstructionTables& ct,
                    const common::AirSideSystemData& as) {
  switch (check) {
    case Check::Codes:
      return energy_input::CodesProblem(m);
    case Check::AirSide:
      return energy_input::AirSideProblem(m, as);
    case Check::Plant:
      return energy_input::PlantRunProblem(m, as);
    case Check::CoolingLoadRun:
      return energy_input::CoolingLoadRunProblem(m, ct);
  }
  return "?";
}

const std::string kZ2R2C2 = "The fabric component \"Z2R2C2\" of the room \"Z2R2\" of zone \"Zone 2\"";

const Case kCases[] = {
    {"zone count", Check::Codes, [](auto& m, auto&, auto&) { m.NoOfZn = 21; },
     "The number of zones must lie between 0 and 20!"},
    {"room count", Check::AirSide, [](auto& m, auto&, auto&) { m.ZnNRm[2] = 13; },
     "Zone \"Zone 2\" has more than 12 rooms!"},
    {"negative room count", Check::Codes, [](auto& m, auto&, auto&) { m.ZnNRm[2] = -1; },
     "Zone \"Zone 2\" has a negative number of rooms!"},
    {"component count", Check::Plant, [](auto& m, auto&, auto&) { m.RmNFab[2][2] = 11; },
     "The room \"Z2R2\" of zone \"Zone 2\" has more than 10 fabric components!"},
    {"room type", Check::Plant, [](auto& m, auto&, auto&) { m.RmType[2][1] = 6; },
     "The room \"Z2R1\" of zone \"Zone 2\" has an unknown room type!"},
    {"component type", Check::Codes, [](auto& m, auto&, auto&) { m.FabType[2][2][2] = -1; },
     kZ2R2C2 + " has an unknown component type!"},
    {"orientation", Check::CoolingLoadRun, [](auto& m, auto&, auto&) { m.FabOrient[2][2][2] = 10; },
     kZ2R2C2 + " has an unknown orientation!"},
    {"construction number beyond any file", Check::Codes, [](auto& m, auto&, auto&) { m.FabCons[2][2][2] = 51; },
     kZ2R2C2 + " names construction 51, outside 0 to 50!"},
    {"air-side system type", Check::AirSide, [](auto&, auto&, auto& as) { as.ASTyp[2] = 4; },
     "Zone \"Zone 2\" has an unknown air-side system type!"},
    {"fresh-air type", Check::Plant, [](auto&, auto&, auto& as) { as.FATyp[1] = -1; },
     "Zone \"Zone 1\" has an unknown fresh-air type!"},
    {"no construction", Check::CoolingLoadRun, [](auto& m, auto&, auto&) { m.FabCons[2][2][2] = 0; },
     kZ2R2C2 + " has no construction chosen!"},
    {"construction beyond the tables", Check::CoolingLoadRun, [](auto& m, auto&, auto&) { m.FabCons[2][2][2] = 4; },
     kZ2R2C2 + " names construction 4, but only 3 constructions are defined!"},
    {"construction without layers", Check::CoolingLoadRun, [](auto&, auto& ct, auto&) { ct.ConsNLay[2] = 0; },
     kZ2R2C2 + " has no construction of 1 to 20 layers!"},
    {"negative component area", Check::CoolingLoadRun, [](auto& m, auto&, auto&) { m.FabArea[2][2][2] = -1; },
     kZ2R2C2 + " has a negative area!"},
    {"undefined room height", Check::CoolingLoadRun, [](auto& m, auto&, auto&) { m.RmHgt[1][1] = NAN; },
     "The room \"Z1R1\" of zone \"Zone 1\" has a negative area, height, occupancy or load!"},
    {"occupants beyond count", Check::CoolingLoadRun, [](auto& m, auto&, auto&) { m.RmNOcc[1][1] = 1e6f; },
     "The room \"Z1R1\" of zone \"Zone 1\" has too many occupants!"},
    {"design state beyond boiling", Check::Plant, [](auto& m, auto&, auto&) { m.RmTemp[2][1] = 120; },
     "The design temperature and humidity of the room \"Z2R1\" of zone \"Zone 2\" give no humidity ratio!"},
    {"negative design humidity", Check::Plant, [](auto& m, auto&, auto&) { m.RmRH[2][1] = -5; },
     "The design temperature and humidity of the room \"Z2R1\" of zone \"Zone 2\" give no humidity ratio!"},
    {"undefined design humidity", Check::CoolingLoadRun, [](auto& m, auto&, auto&) { m.RmRH[1][1] = NAN; },
     "The design temperature and humidity of the room \"Z1R1\" of zone \"Zone 1\" give no humidity ratio!"},
    {"floor without area", Check::CoolingLoadRun,
     [](auto& m, auto&, auto&) {
       m.FabType[1][1][1] = 4;
       m.FabArea[1][1][1] = 0;
     },
     "The floor of the room \"Z1R1\" of zone \"Zone 1\" has no area!"},
    {"neither area nor volume", Check::CoolingLoadRun,
     [](auto& m, auto&, auto&) {
       m.FabArea[1][1][1] = 0;
       m.RmArea[1][1] = 0;
     },
     "The room \"Z1R1\" of zone \"Zone 1\" has neither fabric area nor volume!"},
};

TEST(ModelCheck, NamesTheFirstProblemWhereItLies) {
  const EnergyModel model = energytest::SmallModel(2);
  const ConstructionTables tables = energytest::SomeConstructions(3);
  const common::AirSideSystemData airSide{};
  for (Check check : {Check::Codes, Check::AirSide, Check::Plant, Check::CoolingLoadRun})
    EXPECT_EQ(Problem(check, model, tables, airSide), "") << static_cast<int>(check);
  for (const Case& c : kCases) {
    EnergyModel m = model;
    ConstructionTables ct = tables;
    common::AirSideSystemData as = airSide;
    c.spoil(m, ct, as);
    EXPECT_EQ(Problem(c.check, m, ct, as), c.problem) << c.what;
  }
}

// What each check looks at: the files' checks take no construction tables
// and no room values, the plant's none of the layers.
TEST(ModelCheck, EachHolderChecksWhatItNeeds) {
  EnergyModel m = energytest::SmallModel(2);
  m.FabCons[2][2][2] = 0;  // no construction: the files keep it, a cooling-load run cannot
  m.RmHgt[1][1] = -3;
  const ConstructionTables ct = energytest::SomeConstructions(3);
  const common::AirSideSystemData as{};
  EXPECT_EQ(energy_input::CodesProblem(m), "");
  EXPECT_EQ(energy_input::PlantRunProblem(m, as), "");
  EXPECT_NE(energy_input::CoolingLoadRunProblem(m, ct), "");
  m.RmType[2][1] = 9;  // the room type is no count: the air-side file does not look at it
  EXPECT_EQ(energy_input::CountsProblem(m), "");
  EXPECT_EQ(energy_input::AirSideProblem(m, as), "");
  EXPECT_NE(energy_input::CodesProblem(m), "");
}

}  // namespace
