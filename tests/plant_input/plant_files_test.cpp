#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "office_plant.h"
#include "plant_input/plant_files.h"
#include "support/temp_folder.h"

namespace {

using namespace plant_input;
using plant_test::OfficePlant;
using plant_test::OfficeServices;

const std::string kOfficePlantText =
    "\"Central Plant Data for Project: Sample Office Building\"\r\n"
    "1\r\n"
    "2\r\n"
    "7,19\r\n"
    "29.5,35,0,0\r\n"
    "2\r\n"
    "0,320,58,13.9,16.4\r\n"
    "0,320,58,13.9,16.4\r\n"
    "2\r\n"
    "13.9,150,3\r\n"
    "13.9,150,3\r\n"
    "2\r\n"
    "2,13.9,250,5\r\n"
    "2,13.9,250,5\r\n"
    "2\r\n"
    "16.4,200,4.7\r\n"
    "16.4,200,4.7\r\n"
    "0\r\n"
    "2\r\n"
    "380,16.4,5.5\r\n"
    "380,16.4,5.5\r\n"
    "2\r\n"
    "\"Car park ventilation fans\"\r\n"
    "15,3000,0.8\r\n"
    "\"Server room split units\"\r\n"
    "8,8760,0.6\r\n"
    "2\r\n"
    "46,101,2.4,600,2.2,4.4\r\n"
    "46,101,2.4,600,2.2,4.4\r\n";

const std::string kOfficeServicesText =
    "\"Non-AC Services Data for Project: Sample Office Building\"\r\n"
    "2\r\n"
    "\"External and facade lighting\"\r\n"
    "6,4380,1\r\n"
    "\"Car park lighting\"\r\n"
    "4.5,8760,1\r\n"
    "2\r\n"
    "\"Fire service pumps, weekly test runs\"\r\n"
    "45,52,1\r\n"
    "\"Staircase pressurisation fans\"\r\n"
    "11,52,1\r\n"
    "2\r\n"
    "\"Passenger lifts (4 nos.)\"\r\n"
    "60,3000,0.35\r\n"
    "\"Retail escalators (2 nos.)\"\r\n"
    "15,3600,0.6\r\n"
    "2\r\n"
    "\"Domestic water transfer pumps\"\r\n"
    "7.5,1500,0.8\r\n"
    "\"Sewage ejector pumps\"\r\n"
    "3,700,0.7\r\n"
    "2\r\n"
    "\"Retail cafe kitchen cooking ranges\"\r\n"
    "1,60,0.55,3000,0.35\r\n"
    "\"Retail cafe kitchen water heater\"\r\n"
    "4,30,0.8,3000,0.4\r\n";

// A record whose fields outside the file (totals, hourly values, annual
// energy) are set, so that a read shows it leaves them alone.
common::CentralPlantData PlantWithWorkingValues() {
  common::CentralPlantData p;
  p.DesignTemp[0] = 99;
  p.ChrCap[0][0] = 640;
  p.ChrCap[1][1] = 123;
  p.SLPFlow[1][2] = 7;
  p.AddHVACEgy = {1, 2, 3};
  p.NoOfChr = 5;
  for (int i = 1; i <= 5; ++i) p.ChrCap[0][i] = static_cast<float>(100 * i);
  return p;
}

class PlantFilesTest : public testing::Test {
 protected:
  testsupport::TempFolder folder;
  std::string error;
};

TEST_F(PlantFilesTest, WritersGiveTheExactLayoutAndReadersTakeItBack) {
  std::string wss = folder.Path() + "OFFICE.WSS", nac = folder.Path() + "OFFICE.NAC";
  ASSERT_TRUE(WriteCentralPlantFile(wss, "Sample Office Building", OfficePlant(), error)) << error;
  ASSERT_TRUE(WriteServicesFile(nac, "Sample Office Building", OfficeServices(), error)) << error;
  EXPECT_EQ(folder.Read("OFFICE.WSS"), kOfficePlantText);
  EXPECT_EQ(folder.Read("OFFICE.NAC"), kOfficeServicesText);

  common::CentralPlantData plant;
  common::NonACServicesData services;
  ASSERT_TRUE(ReadCentralPlantFile(wss, plant, error)) << error;
  ASSERT_TRUE(ReadServicesFile(nac, services, error)) << error;
  EXPECT_EQ(plant, OfficePlant());
  EXPECT_EQ(services, OfficeServices());
}

TEST_F(PlantFilesTest, ReadingKeepsWhatTheFileDoesNotHold) {
  // The file holds 3 chillers; the record held 5 and working values.
  common::CentralPlantData plant = PlantWithWorkingValues();
  std::string wss = folder.Write("P.WSS", kOfficePlantText);
  ASSERT_TRUE(ReadCentralPlantFile(wss, plant, error)) << error;
  EXPECT_EQ(plant.NoOfChr, 2);
  EXPECT_EQ(plant.ChrCap[0][1], 320);
  EXPECT_EQ(plant.ChrCap[0][3], 300);  // beyond the new count: kept
  EXPECT_EQ(plant.ChrCap[0][5], 500);
  EXPECT_EQ(plant.DesignTemp[0], 99);
  EXPECT_EQ(plant.ChrCap[0][0], 640);
  EXPECT_EQ(plant.ChrCap[1][1], 123);
  EXPECT_EQ(plant.SLPFlow[1][2], 7);
  EXPECT_EQ(plant.AddHVACEgy[2], 3);

  common::NonACServicesData services;
  services.GasEgy[1] = 5000;
  services.PDName[3] = "kept";
  ASSERT_TRUE(ReadServicesFile(folder.Write("S.NAC", kOfficeServicesText), services, error)) << error;
  EXPECT_EQ(services.GasEgy[1], 5000);
  EXPECT_EQ(services.PDName[3], "kept");
}

TEST_F(PlantFilesTest, EmptyListsAndAnAirCooledPlant) {
  common::CentralPlantData plant;  // air-cooled, no items at all
  plant.DesignTemp = {0, 35, 1, 2, 3};
  plant.NoOfChr = 1;
  plant.ChrCap[0][1] = 200;
  std::string wss = folder.Path() + "A.WSS";
  ASSERT_TRUE(WriteCentralPlantFile(wss, "Air", plant, error)) << error;
  EXPECT_EQ(folder.Read("A.WSS"),
            "\"Central Plant Data for Project: Air\"\r\n0\r\n0\r\n0,0\r\n"
            "35,1,2,3\r\n"          // all four design temperatures, whatever the type
            "1\r\n0,200,0,0,0\r\n"  // the condenser water flow as well
            "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  plant.NoOfChr = 0;
  ASSERT_TRUE(WriteCentralPlantFile(wss, "Air", plant, error)) << error;
  EXPECT_NE(folder.Read("A.WSS").find("35,1,2,3\r\n0\r\n0\r\n"), std::string::npos);

  common::NonACServicesData services;
  std::string nac = folder.Path() + "A.NAC";
  ASSERT_TRUE(WriteServicesFile(nac, "", services, error)) << error;
  EXPECT_EQ(folder.Read("A.NAC"), "\"Non-AC Services Data for Project: \"\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  common::NonACServicesData back = OfficeServices();
  ASSERT_TRUE(ReadServicesFile(nac, back, error)) << error;
  EXPECT_EQ(back.NoOfGasSys, 0);
  EXPECT_EQ(back.GasName[1], "Retail cafe kitchen cooking ranges");
}

TEST_F(PlantFilesTest, TheHeadLineIsDroppedWhateverItSays) {
  std::string other = kOfficePlantText;
  other.replace(0, other.find("\r\n"), "\"Central Plant Data for Project: Tower, \"B\" block\"");
  common::CentralPlantData plant;
  ASSERT_TRUE(ReadCentralPlantFile(folder.Write("T.WSS", other), plant, error)) << error;
  EXPECT_EQ(plant, OfficePlant());
  // Line ends of LF alone read as well.
  std::string lf = kOfficeServicesText;
  for (size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
  common::NonACServicesData services;
  ASSERT_TRUE(ReadServicesFile(folder.Write("T.NAC", lf), services, error)) << error;
  EXPECT_EQ(services, OfficeServices());
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

struct BadFile {
  const char* what;
  std::string text;
  const char* errorPart;
};

TEST_F(PlantFilesTest, MalformedPlantFilesLeaveTheRecordAsItWas) {
  const std::string& t = kOfficePlantText;
  const std::vector<BadFile> cases = {
      {"empty file", "", "empty"},
      {"chiller count 11", Replace(t, "\r\n2\r\n0,320", "\r\n11\r\n0,320"), "chiller count of 11"},
      {"negative count", Replace(t, "\r\n0\r\n2\r\n380", "\r\n-1\r\n2\r\n380"), "seawater pump count of -1"},
      {"tower count 12", Replace(t, "\r\n2\r\n380", "\r\n12\r\n380"), "cooling tower count of 12"},
      {"fresh-air unit count 11", Replace(t, "0.6\r\n2\r\n46", "0.6\r\n11\r\n46"), "fresh-air unit count of 11"},
      {"text for a number", Replace(t, "0,320,58", "0,big,58"), "\"big\" is not a number"},
      {"quoted text for a number", Replace(t, "7,19", "\"7\",19"), "a number was expected"},
      {"missing number", Replace(t, "13.9,150,3", "13.9,,3"), "missing"},
      {"plant type 5", Replace(t, "\r\n1\r\n2\r\n7,19", "\r\n5\r\n2\r\n7,19"), "plant type of 5"},
      {"pumping scheme 3", Replace(t, "\r\n2\r\n7,19", "\r\n3\r\n7,19"), "pumping scheme of 3"},
      {"chiller type 3", Replace(t, "0,320,58", "3,320,58"), "chiller type of 3"},
      {"secondary pump type -1", Replace(t, "2,13.9,250", "-1,13.9,250"), "secondary pump type of -1"},
      {"hour beyond an Integer", Replace(t, "7,19", "70000,19"), "out of range"},
      {"value beyond a Single", Replace(t, "380,16.4", "1E39,16.4"), "out of range"},
      {"unterminated name", Replace(t, "\"Car park ventilation fans\"", "\"Car park"), "unterminated"},
  };
  for (const auto& c : cases) {
    common::CentralPlantData plant = PlantWithWorkingValues();
    const common::CentralPlantData before = plant;
    error.clear();
    EXPECT_FALSE(ReadCentralPlantFile(folder.Write("BAD.WSS", c.text), plant, error)) << c.what;
    EXPECT_EQ(plant, before) << c.what;
    EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.what << ": " << error;
  }
  common::CentralPlantData plant;
  EXPECT_FALSE(ReadCentralPlantFile(folder.Path() + "NONE.WSS", plant, error));
  EXPECT_NE(error.find("NONE.WSS"), std::string::npos) << error;
}

TEST_F(PlantFilesTest, MalformedServicesFilesLeaveTheRecordAsItWas) {
  const std::string& t = kOfficeServicesText;
  const std::vector<BadFile> cases = {
      {"lighting count 11", Replace(t, "\r\n2\r\n\"External", "\r\n11\r\n\"External"),
       "additional lighting system count of 11"},
      {"gas count 11", Replace(t, "\r\n2\r\n\"Retail cafe", "\r\n11\r\n\"Retail cafe"), "town gas system count of 11"},
      {"services type 5", Replace(t, "4,30,0.8", "5,30,0.8"), "services type of 5"},
      {"text for hours", Replace(t, "45,52,1", "45,weekly,1"), "\"weekly\" is not a number"},
      {"a name where a count stands", Replace(t, "0.7\r\n2\r\n", "0.7\r\n\"two\"\r\n"), "a number was expected"},
  };
  for (const auto& c : cases) {
    common::NonACServicesData services = OfficeServices();
    services.LiftEgy[1] = 42;
    const common::NonACServicesData before = services;
    error.clear();
    EXPECT_FALSE(ReadServicesFile(folder.Write("BAD.NAC", c.text), services, error)) << c.what;
    EXPECT_EQ(services, before) << c.what;
    EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.what << ": " << error;
  }
}

// Every file cut short at the end of any line but the last fails and
// changes nothing.
TEST_F(PlantFilesTest, TruncatedFilesFail) {
  struct Kind {
    const std::string* text;
    bool plant;
  };
  for (Kind k : {Kind{&kOfficePlantText, true}, Kind{&kOfficeServicesText, false}}) {
    const std::string& full = *k.text;
    int cuts = 0;
    for (size_t end = full.find("\r\n"); end + 2 < full.size(); end = full.find("\r\n", end + 2)) {
      std::string path = folder.Write(k.plant ? "CUT.WSS" : "CUT.NAC", full.substr(0, end + 2));
      bool read;
      if (k.plant) {
        common::CentralPlantData plant;
        read = ReadCentralPlantFile(path, plant, error);
        EXPECT_EQ(plant, common::CentralPlantData{});
      } else {
        common::NonACServicesData services;
        read = ReadServicesFile(path, services, error);
        EXPECT_EQ(services, common::NonACServicesData{});
      }
      EXPECT_FALSE(read) << "cut after byte " << end;
      ++cuts;
    }
    EXPECT_GT(cuts, 20);
  }
}

TEST_F(PlantFilesTest, WritersRefuseRecordsTheirFilesCannotHold) {
  struct Case {
    const char* what;
    std::function<void(common::CentralPlantData&, common::NonACServicesData&, std::string&)> spoil;
    const char* errorPart;
  };
  const std::vector<Case> cases = {
      {"chiller count 11", [](auto& p, auto&, auto&) { p.NoOfChr = 11; }, "chiller count of 11"},
      {"negative pump count", [](auto& p, auto&, auto&) { p.NoOfCWP = -2; }, "condenser water pump count of -2"},
      {"plant type 7", [](auto& p, auto&, auto&) { p.HRSType = 7; }, "plant type of 7"},
      {"seawater pump type 3",
       [](auto& p, auto&, auto&) {
         p.NoOfSWP = 1;
         p.SWPType[1] = 3;
       },
       "seawater pump type of 3"},
      {"name with a line break", [](auto& p, auto&, auto&) { p.AddHVACName[2] = "Fans\nA"; }, "line break"},
      {"project name with a line break", [](auto&, auto&, auto& name) { name = "Two\nlines"; }, "project name"},
      {"lift count 11", [](auto&, auto& s, auto&) { s.NoOfLift = 11; }, "lift system count of 11"},
      {"services type 5", [](auto&, auto& s, auto&) { s.GasSubSys[2] = 5; }, "services type of 5"},
      {"gas name with a line break", [](auto&, auto& s, auto&) { s.GasName[1] = "Cafe\r\nkitchen"; }, "line break"},
  };
  std::string wss = folder.Write("OLD.WSS", "old plant");
  std::string nac = folder.Write("OLD.NAC", "old services");
  for (const auto& c : cases) {
    auto plant = OfficePlant();
    auto services = OfficeServices();
    std::string projName = "Office";
    c.spoil(plant, services, projName);
    error.clear();
    // Each case spoils one record; the other writer would succeed.
    bool plantSpoiled = plant != OfficePlant() || projName != "Office";
    bool wrote = plantSpoiled ? WriteCentralPlantFile(wss, projName, plant, error)
                              : WriteServicesFile(nac, projName, services, error);
    EXPECT_FALSE(wrote) << c.what;
    EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.what << ": " << error;
  }
  EXPECT_EQ(folder.Read("OLD.WSS"), "old plant");
  EXPECT_EQ(folder.Read("OLD.NAC"), "old services");
  // A folder that does not exist: the write fails and says so.
  EXPECT_FALSE(WriteCentralPlantFile(folder.Path() + "no/such/P.WSS", "Office", OfficePlant(), error));
  EXPECT_NE(error.find("P.WSS"), std::string::npos) << error;
}

}  // namespace
