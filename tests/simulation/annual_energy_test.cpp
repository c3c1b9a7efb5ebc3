#include "simulation/annual_energy.h"

#include <gtest/gtest.h>

#include <limits>

#include "simulation/system_lists.h"

namespace {

using common::Single;
using simulation::ListOf;

struct NonACCase {
  const char* name;
  int code;
};

void PrintTo(const NonACCase& c, std::ostream* os) { *os << c.name; }

class NonACListTest : public testing::TestWithParam<NonACCase> {};

// Every list of codes 2 and 4 to 7 computes rating x hours x load factor
// into its own result array, and a list without systems gets a zero total.
TEST_P(NonACListTest, EnergyIsRatingTimesHoursTimesLoadFactor) {
  common::PlantState plant;
  auto list = *ListOf(plant, GetParam().code);
  *list.count = 2;
  (*list.power)[1] = 10, (*list.hours)[1] = 1000, (*list.loadFactor)[1] = 0.5f;
  (*list.power)[2] = 2.5f, (*list.hours)[2] = 3000, (*list.loadFactor)[2] = 0.8f;
  (*list.egy)[3] = 77;  // beyond the count: untouched
  EXPECT_EQ(simulation::CalcNonACEgy(plant, GetParam().code), "");
  EXPECT_EQ((*list.egy)[1], 5000.0f);
  EXPECT_EQ((*list.egy)[2], 6000.0f);
  EXPECT_EQ((*list.egy)[0], 11000.0f);
  EXPECT_EQ((*list.egy)[3], 77.0f);

  *list.count = 0;
  (*list.egy)[0] = 123;
  EXPECT_EQ(simulation::CalcNonACEgy(plant, GetParam().code), "");
  EXPECT_EQ((*list.egy)[0], 0.0f);
  EXPECT_EQ((*list.egy)[1], 5000.0f);
}

INSTANTIATE_TEST_SUITE_P(Lists, NonACListTest,
                         testing::Values(NonACCase{"AddHVAC", 2}, NonACCase{"AddElec", 4}, NonACCase{"FS", 5},
                                         NonACCase{"Lift", 6}, NonACCase{"PD", 7}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NonACList, OtherCodesAndTownGasChangeNothing) {
  common::PlantState plant;
  plant.NAC.NoOfGasSys = 1;
  plant.NAC.GasCap[1] = plant.NAC.GasHours[1] = plant.NAC.GasLF[1] = plant.NAC.GasEff[1] = 1;
  common::PlantState before = plant;
  for (int code : {0, 1, 3, 8, 9, -1}) EXPECT_EQ(simulation::CalcNonACEgy(plant, code), "");
  EXPECT_EQ(plant.NAC, before.NAC);
  EXPECT_EQ(plant.CPlt, before.CPlt);
}

TEST(NonACList, ResultBeyondSingleRangeChangesNothing) {
  common::PlantState plant;
  plant.NAC.NoOfFS = 2;
  plant.NAC.FSPower = {0, 1, 1e30f};
  plant.NAC.FSHours = {0, 1, 1e30f};
  plant.NAC.FSLF = {0, 1, 1};
  plant.NAC.FSEgy = {9, 9, 9};
  EXPECT_EQ(simulation::CalcNonACEgy(plant, 5),
            "The annual energy of system 2 is too large to be held. Nothing is changed.");
  EXPECT_EQ(plant.NAC.FSEgy[0], 9.0f);
  EXPECT_EQ(plant.NAC.FSEgy[1], 9.0f);

  // Each system fits but their sum does not.
  Single big = std::numeric_limits<Single>::max() / 2 * 1.5f;
  plant.NAC.FSPower = {0, big, big};
  plant.NAC.FSHours = {0, 1, 1};
  EXPECT_EQ(simulation::CalcNonACEgy(plant, 5), "The total annual energy is too large to be held. Nothing is changed.");
  EXPECT_EQ(plant.NAC.FSEgy[0], 9.0f);
}

struct GasCase {
  const char* name;
  Single cap, hours, lf, eff;
  Single expected;
};

void PrintTo(const GasCase& c, std::ostream* os) { *os << c.name; }

class GasTest : public testing::TestWithParam<GasCase> {};

TEST_P(GasTest, EnergyOverEfficiencyInMJ) {
  const GasCase& c = GetParam();
  common::NonACServicesData nac;
  nac.NoOfGasSys = 1;
  nac.GasCap[1] = c.cap, nac.GasHours[1] = c.hours, nac.GasLF[1] = c.lf, nac.GasEff[1] = c.eff;
  EXPECT_EQ(simulation::CalcGasEgy(nac), "");
  EXPECT_FLOAT_EQ(nac.GasEgy[1], c.expected);
  EXPECT_EQ(nac.GasEgy[0], nac.GasEgy[1]);
}

INSTANTIATE_TEST_SUITE_P(Systems, GasTest,
                         testing::Values(GasCase{"Boiler", 100, 1000, 0.5f, 0.8f, 225000},
                                         GasCase{"Cooker", 20, 2000, 1, 1, 144000},
                                         GasCase{"NegativeEfficiency", 10, 100, 1, -0.5f, -7200},
                                         GasCase{"NoHours", 50, 0, 0.5f, 0.9f, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// The second of three systems has no efficiency: the first is computed,
// the message names system 2, and the later systems lose their old values,
// so that the systems add up to the total (the first system's energy)
// wherever they are booked.
TEST(Gas, ZeroEfficiencyStopsAtThatSystem) {
  common::NonACServicesData nac;
  nac.NoOfGasSys = 3;
  nac.GasCap = {0, 100, 10, 10};
  nac.GasHours = {0, 1000, 10, 10};
  nac.GasLF = {0, 0.5f, 1, 1};
  nac.GasEff = {0, 0.8f, 0, 1};
  nac.GasEgy = {5, 5, 5, 5, 5};
  EXPECT_EQ(simulation::CalcGasEgy(nac), "Error: Zero Eff. for Gas System No. 2");
  EXPECT_EQ(nac.GasEgy[1], 225000.0f);
  EXPECT_EQ(nac.GasEgy[0], 225000.0f);
  EXPECT_EQ(nac.GasEgy[2], 0.0f);
  EXPECT_EQ(nac.GasEgy[3], 0.0f);
  EXPECT_EQ(nac.GasEgy[4], 5.0f);  // beyond the count: no system

  nac.GasEff[1] = 0;
  nac.GasEgy = {5, 5, 5, 5, 5};
  EXPECT_EQ(simulation::CalcGasEgy(nac), "Error: Zero Eff. for Gas System No. 1");
  EXPECT_EQ(nac.GasEgy, (common::ItemSingles{0, 0, 0, 0, 5}));
}

TEST(Gas, NoSystemsGiveAZeroTotal) {
  common::NonACServicesData nac;
  nac.GasEgy[0] = 42;
  EXPECT_EQ(simulation::CalcGasEgy(nac), "");
  EXPECT_EQ(nac.GasEgy[0], 0.0f);
}

class ZoneTest : public testing::Test {
 protected:
  // Zone z, room r of the given type, area, densities and identical rooms.
  void Room(int z, int r, common::Integer type, Single area, Single lgt, Single eqp, Single nIdent) {
    auto zk = static_cast<size_t>(z), rk = static_cast<size_t>(r);
    if (model.NoOfZn < z) model.NoOfZn = static_cast<common::Integer>(z);
    if (model.ZnNRm[zk] < r) model.ZnNRm[zk] = static_cast<common::Integer>(r);
    if (model.ZnNIdent[zk] == 0) model.ZnNIdent[zk] = 1;
    model.RmType[zk][rk] = type;
    model.RmArea[zk][rk] = area;
    model.RmLgtW[zk][rk] = lgt;
    model.RmEqpW[zk][rk] = eqp;
    model.RmNIdent[zk][rk] = nIdent;
  }
  std::array<Single, 3> Calc() {
    std::array<Single, 3> out{-1, -1, -1};
    EXPECT_EQ(simulation::CalcZnElecEgy(model, simulation::DefaultAnnHrs(), out), "");
    return out;
  }
  common::EnergyModel model;
};

TEST_F(ZoneTest, OfficeRoomInThreeIdenticalZones) {
  Room(1, 1, 1, 100, 10, 20, 2);
  model.ZnNIdent[1] = 3;
  auto e = Calc();
  EXPECT_EQ(e[1], 18390.0f);
  EXPECT_EQ(e[2], 37032.0f);
  EXPECT_EQ(e[0], 55422.0f);
}

// One square metre at 1000 W/m2 gives the annual hours of the room type
// in kWh, lighting and equipment alike.
TEST_F(ZoneTest, HoursByRoomType) {
  const Single lighting[] = {8760, 3065, 3112, 4258, 2618, 8760};
  const Single equipment[] = {8760, 3086, 2639, 3476, 2556, 8760};
  for (common::Integer t = 0; t <= 5; ++t) {
    SCOPED_TRACE(t);
    model = {};
    Room(1, 1, t, 1, 1000, 1000, 1);
    auto e = Calc();
    EXPECT_EQ(e[1], lighting[t]);
    EXPECT_EQ(e[2], equipment[t]);
  }
  // A type outside the table counts as not set.
  model = {};
  Room(1, 1, 9, 1, 1000, 0, 1);
  EXPECT_EQ(Calc()[1], 8760.0f);
}

TEST_F(ZoneTest, EveryRoomOfEveryZoneCounts) {
  Room(1, 1, 1, 10, 10, 0, 1);  // 306.5
  Room(1, 2, 5, 10, 10, 0, 1);  // 876
  Room(2, 1, 0, 10, 0, 10, 1);  // 876
  model.ZnNIdent[2] = 2;        // 1752
  auto e = Calc();
  EXPECT_EQ(e[1], 1182.5f);
  EXPECT_EQ(e[2], 1752.0f);
  EXPECT_EQ(e[0], 2934.5f);
  // Counts beyond the arrays are held to them.
  model.NoOfZn = 99;
  model.ZnNRm[1] = 99;
  EXPECT_EQ(Calc()[0], 2934.5f);
}

TEST_F(ZoneTest, NoZonesGiveZeros) {
  Room(1, 1, 1, 100, 10, 20, 2);
  model.NoOfZn = 0;
  auto e = Calc();
  EXPECT_EQ(e, (std::array<Single, 3>{0, 0, 0}));
}

TEST_F(ZoneTest, EnergyBeyondSingleRangeChangesNothing) {
  Room(1, 1, 1, 1e20f, 1e20f, 0, 1);
  std::array<Single, 3> out{1, 2, 3};
  EXPECT_EQ(simulation::CalcZnElecEgy(model, simulation::DefaultAnnHrs(), out),
            "The annual energy of zone 1, room 1 is too large to be held. Nothing is changed.");
  EXPECT_EQ(out, (std::array<Single, 3>{1, 2, 3}));
}

}  // namespace
