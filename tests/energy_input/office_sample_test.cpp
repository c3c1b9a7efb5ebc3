// The energy-model files of the sample office project read back through
// the program's readers and hold what their generator makes.
#include <gtest/gtest.h>

#include "assessment/lcia_database.h"
#include "common/paths.h"
#include "energy_input/construction_file.h"
#include "energy_input/energy_model_files.h"
#include "energy_input/shading_mask_file.h"
#include "office_energy_sample.h"
#include "support/temp_folder.h"

namespace {

const std::string kSource = std::string(OSTREVO_SOURCE_DIR) + "/";
const std::string kOffice = kSource + "samples/office/";

class OfficeSample : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ModCal::LoadLCIADatabase(materials, kSource + "data/MATLCIA.ILF", kSource + "data/MATLCIA.IDB", error))
        << error;
    ASSERT_TRUE(energytest::MakeOfficeEnergySample(materials, sample, error)) << error;
  }
  common::MaterialTable materials;
  energytest::OfficeEnergySample sample;
};

TEST_F(OfficeSample, FilesReadBackAsGenerated) {
  std::string error;
  common::EnergyModel model;
  common::PerFabric<std::string> masks{};
  ASSERT_TRUE(energy_input::ReadEnergyModelFile(kOffice + "OFFICE.ECI", model, masks, error)) << error;
  EXPECT_EQ(model, sample.model);
  EXPECT_EQ(masks, sample.masks);
  common::AirSideSystemData airSide;
  ASSERT_TRUE(energy_input::ReadAirSideFile(kOffice + "OFFICE.ASS", model, airSide, error)) << error;
  EXPECT_EQ(airSide, sample.airSide);
  common::ConstructionTables cons;
  ASSERT_TRUE(energy_input::ReadConstructionFile(kOffice + "OFFICE.CON", cons, error)) << error;
  EXPECT_EQ(cons, sample.cons);

  for (const auto& plan : sample.maskPlans) {
    SCOPED_TRACE(plan.name);
    energy_input::ShadingMask read{}, generated{};
    common::Single mean = -1;
    ASSERT_TRUE(energy_input::ReadShadingMaskFile(kOffice + plan.name + ".SHM", read, mean, error)) << error;
    ASSERT_EQ(energy_input::GenerateShadingMask(plan.orientation, plan.shading, generated), "");
    EXPECT_EQ(energy_input::RoundShadingMask(generated), mean);
    EXPECT_EQ(read, generated);
  }
}

// Every fabric component names a construction of the file, of the right
// kind, and every shading mask it names is a file of the project.
TEST_F(OfficeSample, ModelIsConsistent) {
  const auto& m = sample.model;
  const auto& t = sample.cons;
  double floorArea = 0;
  for (int z = 1; z <= m.NoOfZn; ++z) {
    for (int r = 1; r <= m.ZnNRm[z]; ++r) {
      floorArea += static_cast<double>(m.RmArea[z][r]) * m.RmNIdent[z][r] * m.ZnNIdent[z];
      for (int c = 1; c <= m.RmNFab[z][r]; ++c) {
        SCOPED_TRACE(m.FabName[z][r][c]);
        int cons = m.FabCons[z][r][c];
        ASSERT_GE(cons, 1);
        ASSERT_LE(cons, t.NoOfCons);
        bool window = m.FabType[z][r][c] == 2;
        EXPECT_EQ(t.ConsType[cons] >= 1, window);
        if (!sample.masks[z][r][c].empty()) {
          EXPECT_TRUE(window);
          EXPECT_TRUE(common::FileExists(kOffice + sample.masks[z][r][c]));
        }
      }
    }
  }
  EXPECT_DOUBLE_EQ(floorArea, 4800);
}

// Layers carry the database's names and properties; air gaps carry none.
TEST_F(OfficeSample, LayersUseTheDatabaseMaterials) {
  const auto& t = sample.cons;
  for (int c = 1; c <= t.NoOfCons; ++c) {
    for (int j = 1; j <= t.ConsNLay[c]; ++j) {
      SCOPED_TRACE(t.ConsName[c] + " layer " + std::to_string(j));
      int no = t.LayMatNo[c][j];
      EXPECT_GT(t.LayThk[c][j], 0.0f);
      if (no == 0) {
        EXPECT_EQ(t.LayMatName[c][j], "Air Gap");
        EXPECT_EQ(t.LayProp[1][c][j], 0.0f);
        continue;
      }
      int row = ModCal::MaterialRow(materials, no);
      ASSERT_GT(row, 0);
      EXPECT_EQ(t.LayMatName[c][j], materials.MatName[row]);
      for (size_t p = 0; p < 3; ++p) EXPECT_EQ(t.LayProp[p][c][j], materials.MatProp[row][p]);
      EXPECT_LT(no, 100);  // building materials only: their names follow the database
    }
    EXPECT_GT(t.ConsSurf[1][c], 0.0f);
    EXPECT_LE(t.ConsSurf[1][c], 1.0f);
  }
}

}  // namespace
