// Every holder of an energy model reports the one model check's sentence,
// each with its own part: the writer as it stands, the reader with the file
// line, the cooling-load and plant runs as their failure to read the file.
#include <gtest/gtest.h>

#include "energy_input/energy_model_files.h"
#include "energy_input/model_check.h"
#include "sim_fixture.h"
#include "simulation/cooling_load_sim.h"
#include "simulation/plant_sim.h"
#include "support/temp_folder.h"

namespace {

simulation::SimCalendar FirstDays(int days) {
  simulation::SimCalendar cal{};
  cal.MonthDays[1] = days;
  return cal;
}

TEST(ModelCheckHolders, EachAddsItsOwnPartToTheSameSentence) {
  testsupport::TempFolder tmp;
  auto prog = simtest::NewProgram();
  simtest::OfficeModel(*prog);
  simtest::AirCooledPlant(prog->plant.CPlt);
  simtest::WriteInputFiles(*prog, tmp.Path());
  tmp.Write("VLW1989.TXT", simtest::WeatherText(48));

  // The office's room given a room type beyond the list.
  common::EnergyModel spoiled = prog->energyInput.EgyModel;
  spoiled.RmType[1][1] = 6;
  const std::string sentence = energy_input::CodesProblem(spoiled);
  ASSERT_EQ(sentence, "The room \"Open plan\" of zone \"Office\" has an unknown room type!");

  std::string error;
  EXPECT_FALSE(energy_input::WriteEnergyModelFile(tmp.Path() + "OTHER.ECI", "Test", spoiled,
                                                  prog->energyInput.FabShMask, error));
  EXPECT_EQ(error, sentence);

  // The same room type in the file: the room's line is its fourth.
  std::string text = tmp.Read("MODEL.ECI");
  const std::string roomLine = "\"Open plan\",1,1\r\n";
  ASSERT_NE(text.find(roomLine), std::string::npos);
  text.replace(text.find(roomLine), roomLine.size(), "\"Open plan\",6,1\r\n");
  common::EnergyModel read;
  common::PerFabric<std::string> masks{};
  EXPECT_FALSE(energy_input::ReadEnergyModelText(text, read, masks, error));
  EXPECT_EQ(error, sentence + " (line 6)");

  tmp.Write("MODEL.ECI", text);
  simtest::RecordingLog log;
  ModRoutine::RunCoolingLoad(*prog, log, FirstDays(2));
  const std::string readFailure =
      "Failed to read energy calculation input file " + tmp.Path() + "MODEL.ECI: " + sentence + " (line 6)";
  EXPECT_EQ(prog->sim.SimErrMsg, "BCLSim: " + readFailure);
  prog->sim.SimErr = 0;
  ModACPlt::RunPlant(*prog, FirstDays(2));
  EXPECT_EQ(prog->sim.SimErr, -1);
  EXPECT_EQ(prog->sim.SimErrMsg, "RunPlantSimulation: " + readFailure);
}

// A room whose design state gives no humidity ratio: both runs refuse it
// with the same sentence before they start.
TEST(ModelCheckHolders, BothRunsRefuseADesignStateWithoutHumidityRatio) {
  testsupport::TempFolder tmp;
  auto prog = simtest::NewProgram();
  simtest::OfficeModel(*prog);
  simtest::AirCooledPlant(prog->plant.CPlt);
  prog->energyInput.EgyModel.RmRH[1][1] = -5;
  simtest::WriteInputFiles(*prog, tmp.Path());
  tmp.Write("VLW1989.TXT", simtest::WeatherText(48));
  const std::string sentence = energy_input::PlantRunProblem(prog->energyInput.EgyModel, prog->energyInput.ASSys);
  ASSERT_EQ(sentence,
            "The design temperature and humidity of the room \"Open plan\" of zone \"Office\" give no "
            "humidity ratio!");
  simtest::RecordingLog log;
  ModRoutine::RunCoolingLoad(*prog, log, FirstDays(2));
  EXPECT_EQ(prog->sim.SimErrMsg, "BCLSim: " + sentence);
  prog->sim.SimErr = 0;
  tmp.Write("AnHSpCL.TXT", "");
  ModACPlt::RunPlant(*prog, FirstDays(2));
  EXPECT_EQ(prog->sim.SimErr, -1);
  EXPECT_EQ(prog->sim.SimErrMsg, "RunPlantSimulation: " + sentence);
}

}  // namespace
