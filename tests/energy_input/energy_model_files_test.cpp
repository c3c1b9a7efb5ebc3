#include "energy_input/energy_model_files.h"

#include <gtest/gtest.h>

#include "energy_fixture.h"
#include "energy_input/energy_file_names.h"
#include "support/temp_folder.h"

namespace {

using common::EnergyModel;
using Masks = common::PerFabric<std::string>;

// One zone of two rooms: the first without components, the second with a
// window that has no shading mask.
EnergyModel PodiumModel() {
  EnergyModel m;
  m.NoOfZn = 1;
  m.ZnName[1] = "Podium";
  m.ZnNIdent[1] = 2;
  m.ZnNRm[1] = 2;
  m.RmName[1][1] = "Shop";
  m.RmType[1][1] = 2;
  m.RmNIdent[1][1] = 1;
  m.RmArea[1][1] = 120.5f;
  m.RmHgt[1][1] = 3.5f;
  m.RmNOcc[1][1] = 20;
  m.RmVent[1][1] = 7.5f;
  m.RmTemp[1][1] = 24;
  m.RmRH[1][1] = 55;
  m.RmLgtW[1][1] = 18;
  m.RmEqpW[1][1] = 15;
  m.RmName[1][2] = "Office";
  m.RmType[1][2] = 1;
  m.RmNIdent[1][2] = 2;
  m.RmArea[1][2] = 80;
  m.RmHgt[1][2] = 2.8f;
  m.RmNOcc[1][2] = 8;
  m.RmVent[1][2] = 10;
  m.RmTemp[1][2] = 24.5f;
  m.RmRH[1][2] = 50;
  m.RmLgtW[1][2] = 12;
  m.RmEqpW[1][2] = 20;
  m.RmNFab[1][2] = 1;
  m.FabName[1][2][1] = "South glazing";
  m.FabArea[1][2][1] = 24;
  m.FabType[1][2][1] = 2;
  m.FabCons[1][2][1] = 4;
  m.FabOrient[1][2][1] = 5;
  return m;
}

constexpr const char* kPodiumFile =
    "\"Energy Calculation Input for Project: Tower\"\r\n1\r\n\"Podium\"\r\n2\r\n2\r\n"
    "\"Shop\",2,1\r\n120.5,3.5\r\n20,7.5\r\n24,55\r\n18,15\r\n0\r\n"
    "\"Office\",1,2\r\n80,2.8\r\n8,10\r\n24.5,50\r\n12,20\r\n1\r\n"
    "\"South glazing\"\r\n24\r\n2\r\n4\r\n5\r\n\"\"\r\n";

common::AirSideSystemData PodiumAirSide() {
  common::AirSideSystemData a;
  a.ASTyp[1] = 3;
  a.FATyp[1] = 2;
  a.DsgSensLd[0][1][0] = 52.5f;
  a.DsgTotLd[0][1][0] = 60;
  a.DsgSAFlow[0][1][0] = 4.2f;
  a.DsgFanPres[0][1] = 750;
  a.DsgFanPwr[0][1] = 5.5f;
  a.DsgCHWFlow[0][1] = 2.6f;
  a.DsgSensLd[0][1][1] = 30;
  a.DsgTotLd[0][1][1] = 35;
  a.DsgSAFlow[0][1][1] = 2.4f;
  a.DsgSensLd[0][1][2] = 12;
  a.DsgTotLd[0][1][2] = 14;
  a.DsgSAFlow[0][1][2] = 0.9f;
  // Row 1 is the simulation's and never reaches the file.
  a.DsgSensLd[1][1][0] = 99;
  a.DsgFanPwr[1][1] = 99;
  return a;
}

constexpr const char* kPodiumAirSideFile =
    "\"Air-side System Input File for Project: Tower\"\r\n3,2\r\n52.5,60\r\n4.2,750,5.5,2.6\r\n"
    "30,35,2.4\r\n12,14,0.9\r\n";

class EnergyModelFiles : public testing::Test {
 protected:
  std::string Write(const EnergyModel& m, const Masks& masks, const std::string& name = "T.ECI") {
    std::string error;
    EXPECT_TRUE(energy_input::WriteEnergyModelFile(folder.Path() + name, "Tower", m, masks, error)) << error;
    return folder.Read(name);
  }
  testsupport::TempFolder folder;
};

TEST_F(EnergyModelFiles, LayoutOfBothFiles) {
  EXPECT_EQ(Write(PodiumModel(), Masks{}), kPodiumFile);
  std::string error;
  ASSERT_TRUE(energy_input::WriteAirSideFile(folder.Path() + "T.ASS", "Tower", PodiumModel(), PodiumAirSide(), error));
  EXPECT_EQ(folder.Read("T.ASS"), kPodiumAirSideFile);
}

TEST_F(EnergyModelFiles, NoZonesWritesTheHeadAndTheCountOnly) {
  EXPECT_EQ(Write(EnergyModel{}, Masks{}), "\"Energy Calculation Input for Project: Tower\"\r\n0\r\n");
  std::string error;
  ASSERT_TRUE(energy_input::WriteAirSideFile(folder.Path() + "T.ASS", "Tower", EnergyModel{}, PodiumAirSide(), error));
  EXPECT_EQ(folder.Read("T.ASS"), "\"Air-side System Input File for Project: Tower\"\r\n");
}

TEST_F(EnergyModelFiles, RoundTrips) {
  for (int zones : {0, 1, 3, 20}) {
    SCOPED_TRACE(zones);
    Masks masks{};
    EnergyModel written = energytest::SmallModel(zones, &masks);
    Write(written, masks);
    EnergyModel read;
    Masks readMasks{};
    std::string error;
    ASSERT_TRUE(energy_input::ReadEnergyModelFile(folder.Path() + "T.ECI", read, readMasks, error)) << error;
    EXPECT_EQ(read, written);
    EXPECT_EQ(readMasks, masks);

    common::AirSideSystemData airSide;
    for (int z = 1; z <= zones; ++z) {
      airSide.ASTyp[z] = static_cast<common::Integer>(z % 4);
      airSide.FATyp[z] = static_cast<common::Integer>(z % 3);
      airSide.DsgFanPres[0][z] = 100.0f * static_cast<float>(z) + 0.1f;
      for (int r = 0; r <= written.ZnNRm[z]; ++r) airSide.DsgSAFlow[0][z][r] = 0.01f * static_cast<float>(r + z);
    }
    ASSERT_TRUE(energy_input::WriteAirSideFile(folder.Path() + "T.ASS", "Tower", written, airSide, error));
    common::AirSideSystemData readAir;
    ASSERT_TRUE(energy_input::ReadAirSideFile(folder.Path() + "T.ASS", read, readAir, error)) << error;
    EXPECT_EQ(readAir, airSide);
  }
}

TEST_F(EnergyModelFiles, ReadingKeepsWhatLiesBeyondTheCounts) {
  Write(PodiumModel(), Masks{});
  Masks masks{};
  EnergyModel model = energytest::SmallModel(3, &masks);
  std::string error;
  ASSERT_TRUE(energy_input::ReadEnergyModelFile(folder.Path() + "T.ECI", model, masks, error));
  EXPECT_EQ(model.NoOfZn, 1);
  EXPECT_EQ(model.RmName[1][2], "Office");
  EXPECT_EQ(masks[1][2][1], "");         // read: the component has none
  EXPECT_EQ(model.ZnName[3], "Zone 3");  // beyond the counts read
  EXPECT_EQ(model.FabName[1][1][1], "Z1R1C1");
  EXPECT_EQ(masks[2][1][1], "Z2R1C1.SHM");
}

// Every failure leaves the model and the masks as they were.
TEST_F(EnergyModelFiles, MalformedModelFiles) {
  const std::string good = kPodiumFile;
  struct Case {
    const char* what;
    std::string text;
  };
  std::vector<Case> cases = {
      {"empty", ""},
      {"21 zones", "\"h\"\r\n21\r\n"},
      {"negative zone count", "\"h\"\r\n-1\r\n"},
      {"13 rooms", "\"h\"\r\n1\r\n\"Z\"\r\n1\r\n13\r\n"},
      {"11 components", "\"h\"\r\n1\r\n\"Z\"\r\n1\r\n1\r\n\"R\",1,1\r\n1,1\r\n1,1\r\n1,1\r\n1,1\r\n11\r\n"},
      {"text for a number", "\"h\"\r\n1\r\n\"Z\"\r\nmany\r\n"},
      {"quoted number", "\"h\"\r\n\"1\"\r\n"},
      {"room type 6", "\"h\"\r\n1\r\n\"Z\"\r\n1\r\n1\r\n\"R\",6,1\r\n"},
      {"huge number", "\"h\"\r\n1\r\n\"Z\"\r\n1E+39\r\n"},
  };
  auto replace = [&](const std::string& from, const std::string& to) {
    std::string t = good;
    size_t at = t.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return t.replace(at, from.size(), to);
  };
  cases.push_back({"component type 6", replace("24\r\n2\r\n4\r\n5\r\n", "24\r\n6\r\n4\r\n5\r\n")});
  cases.push_back({"construction 51", replace("24\r\n2\r\n4\r\n5\r\n", "24\r\n2\r\n51\r\n5\r\n")});
  cases.push_back({"orientation 10", replace("24\r\n2\r\n4\r\n5\r\n", "24\r\n2\r\n4\r\n10\r\n")});
  // Cut short after every line but the last.
  auto lines = energytest::Lines(good);
  for (size_t k = 0; k + 1 < lines.size(); ++k) {
    std::string prefix;
    for (size_t i = 0; i <= k; ++i) prefix += lines[i] + "\r\n";
    cases.push_back({"truncated", prefix});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.what) + ": " + c.text);
    folder.Write("B.ECI", c.text);
    Masks masks{};
    EnergyModel model = energytest::SmallModel(2, &masks);
    const EnergyModel before = model;
    const Masks masksBefore = masks;
    std::string error;
    EXPECT_FALSE(energy_input::ReadEnergyModelFile(folder.Path() + "B.ECI", model, masks, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(model, before);
    EXPECT_EQ(masks, masksBefore);
  }
  Masks masks{};
  EnergyModel model;
  std::string error;
  EXPECT_FALSE(energy_input::ReadEnergyModelFile(folder.Path() + "MISSING.ECI", model, masks, error));
}

TEST_F(EnergyModelFiles, MalformedAirSideFiles) {
  const EnergyModel model = PodiumModel();
  std::vector<std::string> texts = {"", "\"h\"\r\n4,1\r\n", "\"h\"\r\n1,3\r\n", "\"h\"\r\n1,x\r\n"};
  auto lines = energytest::Lines(kPodiumAirSideFile);
  for (size_t k = 0; k + 1 < lines.size(); ++k) {
    std::string prefix;
    for (size_t i = 0; i <= k; ++i) prefix += lines[i] + "\r\n";
    texts.push_back(prefix);
  }
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    folder.Write("B.ASS", text);
    common::AirSideSystemData airSide = PodiumAirSide();
    const common::AirSideSystemData before = airSide;
    std::string error;
    EXPECT_FALSE(energy_input::ReadAirSideFile(folder.Path() + "B.ASS", model, airSide, error));
    EXPECT_EQ(airSide, before);
  }
  // A model whose counts lie beyond the arrays reads nothing.
  folder.Write("G.ASS", kPodiumAirSideFile);
  EnergyModel broken = model;
  broken.ZnNRm[1] = 13;
  common::AirSideSystemData airSide;
  std::string error;
  EXPECT_FALSE(energy_input::ReadAirSideFile(folder.Path() + "G.ASS", broken, airSide, error));
  EXPECT_EQ(airSide, common::AirSideSystemData{});
}

// The air-side file holds no counts: read with a model of other zone or room
// counts, its values would land in other zones and rooms. The line ends and
// the file's end give it away, and nothing is read.
TEST_F(EnergyModelFiles, AirSideFileReadWithOtherCountsIsRefused) {
  EnergyModel writtenWith;
  writtenWith.NoOfZn = 2;
  writtenWith.ZnNRm[1] = 2;
  common::AirSideSystemData a;
  a.ASTyp[1] = a.ASTyp[2] = 1;
  a.FATyp[1] = a.FATyp[2] = 2;
  a.DsgSensLd[0][1][2] = 3;  // the second room's line would read as zone 2's types
  a.DsgTotLd[0][1][2] = 2;
  std::string error;
  ASSERT_TRUE(energy_input::WriteAirSideFile(folder.Path() + "A.ASS", "P", writtenWith, a, error));
  const struct {
    const char* what;
    int zones, roomsOfZone1;
    std::string reason;
  } cases[] = {
      {"fewer rooms", 2, 1, "text is left on the line after its items (line 6)"},
      {"fewer zones", 1, 2, "the file holds more zones or rooms than the energy model (line 7)"},
      {"more rooms", 2, 3, "text is left on the line after its items (line 8)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EnergyModel readWith = writtenWith;
    readWith.NoOfZn = static_cast<common::Integer>(c.zones);
    readWith.ZnNRm[1] = static_cast<common::Integer>(c.roomsOfZone1);
    common::AirSideSystemData read;
    EXPECT_FALSE(energy_input::ReadAirSideFile(folder.Path() + "A.ASS", readWith, read, error));
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_EQ(read, common::AirSideSystemData{});
  }
}

TEST_F(EnergyModelFiles, WritersRefuseWhatTheReadersWouldRefuse) {
  folder.Write("OLD.ECI", "old");
  struct Case {
    const char* what;
    void (*spoil)(EnergyModel&, Masks&);
  };
  const Case cases[] = {
      {"line break in a zone name", [](EnergyModel& m, Masks&) { m.ZnName[1] = "The best\nzone"; }},
      {"line break in a room name", [](EnergyModel& m, Masks&) { m.RmName[1][1] = "a\r\nb"; }},
      {"line break in a mask", [](EnergyModel&, Masks& k) { k[1][1][1] = "x\r.SHM"; }},
      {"21 zones", [](EnergyModel& m, Masks&) { m.NoOfZn = 21; }},
      {"13 rooms", [](EnergyModel& m, Masks&) { m.ZnNRm[1] = 13; }},
      {"11 components", [](EnergyModel& m, Masks&) { m.RmNFab[1][1] = 11; }},
      {"construction 51", [](EnergyModel& m, Masks&) { m.FabCons[1][1][1] = 51; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Masks masks{};
    EnergyModel m = energytest::SmallModel(2, &masks);
    c.spoil(m, masks);
    std::string error;
    EXPECT_FALSE(energy_input::WriteEnergyModelFile(folder.Path() + "OLD.ECI", "P", m, masks, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(folder.Read("OLD.ECI"), "old");
  }
  std::string error;
  EXPECT_FALSE(
      energy_input::WriteEnergyModelFile(folder.Path() + "OLD.ECI", "The\r\nP", EnergyModel{}, Masks{}, error));
  common::AirSideSystemData a;
  a.ASTyp[1] = 4;
  EXPECT_FALSE(energy_input::WriteAirSideFile(folder.Path() + "OLD.ASS", "P", energytest::SmallModel(1), a, error));
  EXPECT_FALSE(
      energy_input::WriteEnergyModelFile(folder.Path() + "NO/SUCH/FOLDER.ECI", "P", EnergyModel{}, Masks{}, error));
}

TEST(EnergyFileNames, OnlyTheLastThreeCharactersAreReplaced) {
  struct Case {
    const char* project;
    const char* ext;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\Jobs\\Tower.PRJ", "ECI", "C:\\Jobs\\Tower.ECI"},
      {"C:\\Jobs\\Tower.PRJ", "ASS", "C:\\Jobs\\Tower.ASS"},
      {"C:\\Jobs\\Tower.PRJ", "CON", "C:\\Jobs\\Tower.CON"},
      {"Tower.PRJ", "ECI", "Tower.ECI"},
      {"X.prj", "CON", "X.CON"},
      {"/home/a/OFFICE.PRJ", "ASS", "/home/a/OFFICE.ASS"},
      {"AB", "CON", "CON"},
  };
  for (const Case& c : cases) EXPECT_EQ(energy_input::EnergyFileName(c.project, c.ext), c.expected) << c.project;
}

}  // namespace
