// The sample office project's central plant and services files (and the
// two seawater variants of its plant) are made by the program's own writers
// from the records in office_plant.h. Run
//
//   OSTREVO_WRITE_SAMPLES=1 build/.../plant_input_tests --gtest_filter='OfficeSample*'
//
// to write them again after changing the records.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "common/paths.h"
#include "energy_input/energy_file_names.h"
#include "office_plant.h"
#include "plant_input/plant_files.h"
#include "support/temp_folder.h"

namespace {

using namespace plant_input;

const std::string kOffice = std::string(OSTREVO_SOURCE_DIR) + "/samples/office/";
constexpr const char* kProjName = "Sample Office Building";

// The sample's plant on seawater, with and without cooling towers.
std::vector<std::pair<std::string, common::CentralPlantData>> SeawaterPlants() {
  return {{"OFFICE_SEAWATER.WSS", plant_test::OfficeSeawaterPlant()},
          {"OFFICE_SEAWATER_TOWERS.WSS", plant_test::OfficeSeawaterTowerPlant()}};
}

TEST(OfficeSample, FilesAreTheWritersOutputOfTheSampleRecords) {
  std::string error;
  const char* regenerate = std::getenv("OSTREVO_WRITE_SAMPLES");
  if (regenerate != nullptr && std::string(regenerate) == "1") {
    ASSERT_TRUE(WriteCentralPlantFile(kOffice + "OFFICE.WSS", kProjName, plant_test::OfficePlant(), error)) << error;
    ASSERT_TRUE(WriteServicesFile(kOffice + "OFFICE.NAC", kProjName, plant_test::OfficeServices(), error)) << error;
    for (const auto& [name, plant] : SeawaterPlants())
      ASSERT_TRUE(WriteCentralPlantFile(kOffice + name, kProjName, plant, error)) << error;
  }
  testsupport::TempFolder folder;
  ASSERT_TRUE(WriteCentralPlantFile(folder.Path() + "OFFICE.WSS", kProjName, plant_test::OfficePlant(), error));
  ASSERT_TRUE(WriteServicesFile(folder.Path() + "OFFICE.NAC", kProjName, plant_test::OfficeServices(), error));
  EXPECT_EQ(common::ReadWholeFile(kOffice + "OFFICE.WSS"), folder.Read("OFFICE.WSS"))
      << "samples/office/OFFICE.WSS is out of date";
  for (const auto& [name, plant] : SeawaterPlants()) {
    ASSERT_TRUE(WriteCentralPlantFile(folder.Path() + name, kProjName, plant, error));
    EXPECT_EQ(common::ReadWholeFile(kOffice + name), folder.Read(name))
        << "samples/office/" << name << " is out of date";
  }
  EXPECT_EQ(common::ReadWholeFile(kOffice + "OFFICE.NAC"), folder.Read("OFFICE.NAC"))
      << "samples/office/OFFICE.NAC is out of date";
}

// The files under the names the central plant window gives them for the
// sample project, read back as the window and the simulation read them.
TEST(OfficeSample, FilesReadBackUnderTheProjectsDefaultNames) {
  std::string error;
  common::CentralPlantData plant;
  common::NonACServicesData services;
  ASSERT_TRUE(ReadCentralPlantFile(energy_input::EnergyFileName(kOffice + "OFFICE.PRJ", "WSS"), plant, error)) << error;
  ASSERT_TRUE(ReadServicesFile(energy_input::EnergyFileName(kOffice + "OFFICE.PRJ", "NAC"), services, error)) << error;
  EXPECT_EQ(plant, plant_test::OfficePlant());
  EXPECT_EQ(services, plant_test::OfficeServices());

  // Plausible for 4800 m2 of offices: about 130 W/m2 of chiller capacity,
  // towers that reject what the chillers take in and consume, and pumps
  // whose flows match the chillers'.
  float cap = 0, rejected = 0, towers = 0, plp = 0, chw = 0;
  for (int i = 1; i <= plant.NoOfChr; ++i) {
    cap += plant.ChrCap[0][i];
    rejected += plant.ChrCap[0][i] + plant.ChrPower[0][i];
    chw += plant.ChrChWFlow[i];
  }
  for (int i = 1; i <= plant.NoOfCT; ++i) towers += plant.CTCap[i];
  for (int i = 1; i <= plant.NoOfPLP; ++i) plp += plant.PLPFlow[i];
  EXPECT_NEAR(cap / 4800 * 1000, 130, 20);
  EXPECT_GE(towers, rejected);
  EXPECT_FLOAT_EQ(plp, chw);
  EXPECT_NEAR(plant.ChrChWFlow[1] * 4.2f * 5.5f, plant.ChrCap[0][1], 5);
}

}  // namespace
