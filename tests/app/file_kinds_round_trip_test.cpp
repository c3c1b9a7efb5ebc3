// Every kind of data file that holds text items, written and read back with
// a text holding a double quote and a comma: the one writer doubles the
// quote, the one reader takes it back as one. (The weighting, LCC,
// user-value and energy-use files hold numbers only; the slide chapters are
// only read.)
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "assessment/lcc_file.h"
#include "assessment/result_file.h"
#include "assessment/weighting_file.h"
#include "building/component_file.h"
#include "building/element_file.h"
#include "building/group_file.h"
#include "building/project_file.h"
#include "building/user_value_file.h"
#include "common/data_dir_file.h"
#include "energy_input/construction_file.h"
#include "energy_input/energy_model_files.h"
#include "energy_input/shading_mask_file.h"
#include "plant_input/plant_files.h"
#include "simulation/data_stream.h"
#include "simulation/energy_use_file.h"
#include "support/lcia_fixture.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

const std::string kText = "Block \"A\", east wing";
const std::string kFile = "Block \"A\", east.FLE";

// One zone of one room with one window, every name the quoted text.
common::EnergyModel QuotedModel() {
  common::EnergyModel m;
  m.NoOfZn = 1;
  m.ZnName[1] = kText;
  m.ZnNIdent[1] = 1;
  m.ZnNRm[1] = 1;
  m.RmName[1][1] = kText;
  m.RmType[1][1] = 1;
  m.RmNIdent[1][1] = 1;
  m.RmArea[1][1] = 80;
  m.RmHgt[1][1] = 2.8f;
  m.RmNFab[1][1] = 1;
  m.FabName[1][1][1] = kText;
  m.FabArea[1][1][1] = 24;
  m.FabType[1][1][1] = 2;
  m.FabCons[1][1][1] = 1;
  m.FabOrient[1][1][1] = 5;
  return m;
}

std::string SavedResultFile(const assessment::CaseData& d) {
  return testsupport::SavedText(
      [&](const std::string& path, std::string& error) { return assessment::WriteResultFile(path, d, error); });
}

TEST(FileKindsRoundTrip, ATextWithAQuoteAndACommaReadsBackAsWritten) {
  testsupport::TempFolder folder;
  const std::string dir = folder.Path();
  std::string error;
  struct Kind {
    const char* name;
    std::function<void()> roundTrip;
  } kinds[] = {
      {"project (.PRJ)",
       [&] {
         common::BldgRec b;
         b.ProjFile = "Q.PRJ";
         b.ProjName = kText;
         b.NoOfFlrGrp = 1;
         b.FlrGrpFile[0] = kFile;
         b.FlrGrpName[0] = kText;
         ASSERT_TRUE(building::WriteProjectFile(dir + "Q.PRJ", b, error)) << error;
         common::BldgRec back;
         back.ProjFile = "Q.PRJ";
         ASSERT_EQ(building::ReadProjectFile(dir + "Q.PRJ", back, error), building::ReadStatus::Ok) << error;
         EXPECT_TRUE(back == b);
       }},
      {"group (.FLR)",
       [&] {
         common::GroupRec g;
         g.GrpFile = kFile;
         g.GrpName = kText;
         g.GrpQty = 1;
         g.NoOfComp = 1;
         g.GrpCompFile[0] = kFile;
         g.GrpCompName[0] = kText;
         ASSERT_TRUE(building::WriteGroupFile(dir + "Q.FLR", g, 200, error)) << error;
         common::GroupRec back;
         ASSERT_EQ(building::ReadGroupFile(dir + "Q.FLR", 200, back).status, building::FileRead::Ok);
         EXPECT_EQ(back.GrpName, kText);
         EXPECT_EQ(back.GrpCompFile[0], kFile);
         EXPECT_EQ(back.GrpCompName[0], kText);
       }},
      {"component (.FLC)",
       [&] {
         common::CompRec c;
         c.CompFile = kFile;
         c.CompName = kText;
         c.CompType = 1;
         c.CompQty = 1;
         c.NoOfElm = 1;
         c.CompElmFile[0] = kFile;
         c.CompElmName[0] = kText;
         c.CompElmTypeNo[0] = 0;
         ASSERT_TRUE(building::WriteComponentFile(dir + "Q.FLC", c, 210, error)) << error;
         common::CompRec back;
         ASSERT_EQ(building::ReadComponentFile(dir + "Q.FLC", 210, back).status, building::FileRead::Ok);
         EXPECT_EQ(back.CompName, kText);
         EXPECT_EQ(back.CompElmFile[0], kFile);
         EXPECT_EQ(back.CompElmName[0], kText);
       }},
      {"element (.FLE)",
       [&] {
         common::ElmRec e;
         e.ElmFile = kFile;
         e.ElmName = kText;
         e.ElmTypeNo = 0;
         e.ElmValue[0] = "12";
         e.ElmRemark[0] = kText;
         ASSERT_TRUE(building::WriteElementFile(dir + "Q.FLE", e, 220, error)) << error;
         common::ElmRec back;
         back.ElmFile = kFile;
         ASSERT_EQ(building::ReadElementFile(dir + "Q.FLE", 220, back).status, building::FileRead::Ok);
         EXPECT_TRUE(back == e);
       }},
      {"result (.RES)",
       [&] {
         auto d = std::make_unique<assessment::CaseData>();
         d->Bldg.ProjFile = kFile;
         d->Bldg.ProjName = kText;
         d->Bldg.NoOfSerGrp = 1;
         d->Bldg.SerGrpFile[0] = kFile;
         d->Bldg.SerGrpName[0] = kText;
         auto back = std::make_unique<assessment::CaseData>();
         ASSERT_TRUE(assessment::ParseResultFile(SavedResultFile(*d), *back, error)) << error;
         EXPECT_EQ(back->Bldg.ProjFile, kFile);
         EXPECT_EQ(back->Bldg.ProjName, kText);
         EXPECT_EQ(back->Bldg.SerGrpFile[0], kFile);
         EXPECT_EQ(back->Bldg.SerGrpName[0], kText);
       }},
      {"energy model (.ECI) and air-side systems (.ASS)",
       [&] {
         const common::EnergyModel model = QuotedModel();
         common::PerFabric<std::string> masks{};
         masks[1][1][1] = "Fins \"east\", 2.SHM";
         ASSERT_TRUE(energy_input::WriteEnergyModelFile(dir + "Q.ECI", kText, model, masks, error)) << error;
         common::EnergyModel modelBack;
         common::PerFabric<std::string> masksBack{};
         ASSERT_TRUE(energy_input::ReadEnergyModelFile(dir + "Q.ECI", modelBack, masksBack, error)) << error;
         EXPECT_TRUE(modelBack == model);
         EXPECT_EQ(masksBack[1][1][1], masks[1][1][1]);
         common::AirSideSystemData air{};
         air.ASTyp[1] = 1;
         air.FATyp[1] = 1;
         ASSERT_TRUE(energy_input::WriteAirSideFile(dir + "Q.ASS", kText, model, air, error)) << error;
         common::AirSideSystemData airBack{};
         ASSERT_TRUE(energy_input::ReadAirSideFile(dir + "Q.ASS", model, airBack, error)) << error;
         EXPECT_TRUE(airBack == air);
       }},
      {"constructions (.CON)",
       [&] {
         common::ConstructionTables t;
         t.NoOfCons = 1;
         t.ConsName[1] = kText;
         t.ConsNLay[1] = 1;
         t.LayMatNo[1][1] = 12;
         t.LayMatName[1][1] = kText;
         t.LayThk[1][1] = 0.2f;
         ASSERT_TRUE(energy_input::WriteConstructionFile(dir + "Q.CON", t, error)) << error;
         common::ConstructionTables back;
         ASSERT_TRUE(energy_input::ReadConstructionFile(dir + "Q.CON", back, error)) << error;
         EXPECT_TRUE(back == t);
       }},
      {"shading mask (.SHM)",
       [&] {
         energy_input::ShadingMask mask{};
         mask[9][4] = 0.5f;
         energy_input::WindowShading s;
         s.W = 1.5f;
         s.H = 2;
         ASSERT_TRUE(energy_input::WriteShadingMaskFile(dir + "Q.SHM", mask, 0.25f, kText, s, kText + ".SHM", error))
             << error;
         energy_input::ShadingMask back{};
         common::Single mean = 0;
         ASSERT_TRUE(energy_input::ReadShadingMaskFile(dir + "Q.SHM", back, mean, error)) << error;
         EXPECT_EQ(back, mask);
         EXPECT_EQ(mean, 0.25f);
       }},
      {"central plant (.WSS) and services (.NAC)",
       [&] {
         auto plant = std::make_unique<common::CentralPlantData>();
         plant->HRSType = 1;
         plant->ChWPSType = 1;
         plant->NoOfAddHVAC = 1;
         plant->AddHVACName[1] = kText;
         ASSERT_TRUE(plant_input::WriteCentralPlantFile(dir + "Q.WSS", kText, *plant, error)) << error;
         auto plantBack = std::make_unique<common::CentralPlantData>();
         ASSERT_TRUE(plant_input::ReadCentralPlantFile(dir + "Q.WSS", *plantBack, error)) << error;
         EXPECT_EQ(plantBack->AddHVACName[1], kText);
         auto services = std::make_unique<common::NonACServicesData>();
         services->NoOfFS = 1;
         services->FSName[1] = kText;
         services->NoOfGasSys = 1;
         services->GasName[1] = kText;
         services->GasSubSys[1] = 1;
         ASSERT_TRUE(plant_input::WriteServicesFile(dir + "Q.NAC", kText, *services, error)) << error;
         auto servicesBack = std::make_unique<common::NonACServicesData>();
         ASSERT_TRUE(plant_input::ReadServicesFile(dir + "Q.NAC", *servicesBack, error)) << error;
         EXPECT_EQ(servicesBack->FSName[1], kText);
         EXPECT_EQ(servicesBack->GasName[1], kText);
       }},
  };
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.name);
    kind.roundTrip();
  }
}

// Every number a writer puts in a file, its reader takes back: the Single
// range to its ends, through every kind of file that holds Singles. The
// kinds written in seven digits (energy use, shading mask) come back within
// them; the others exactly. 3.4028234E+38 as typed rounds to the largest
// Single.
TEST(FileKindsRoundTrip, TheSingleExtremesReadBackFromEveryKind) {
  testsupport::TempFolder folder;
  const std::string dir = folder.Path();
  std::string error;
  const float kMax = std::numeric_limits<float>::max();
  auto near = [](float back, float value) {
    EXPECT_LE(std::fabs(back - value), std::fabs(value) * 1e-6f) << back << " for " << value;
  };
  struct Kind {
    const char* name;
    std::function<void(float)> roundTrip;
  } kinds[] = {
      {"project (.PRJ)",
       [&](float v) {
         common::BldgRec b;
         b.ProjFile = "Q.PRJ";
         b.CFA = v;
         b.NoOfFdnGrp = 10;
         b.NoOfFlrGrp = 20;
         b.NoOfSerGrp = 20;
         b.FdnGrpQty.fill(v);
         b.FlrGrpQty.fill(v);
         b.SerGrpQty.fill(v);
         ASSERT_TRUE(building::WriteProjectFile(dir + "Q.PRJ", b, error)) << error;
         common::BldgRec back;
         back.ProjFile = "Q.PRJ";
         ASSERT_EQ(building::ReadProjectFile(dir + "Q.PRJ", back, error), building::ReadStatus::Ok) << error;
         EXPECT_TRUE(back == b);
       }},
      {"group (.FLR)",
       [&](float v) {
         common::GroupRec g;
         g.GrpQty = v;
         g.NoOfComp = 101;
         g.GrpCompQty.fill(v);
         ASSERT_TRUE(building::WriteGroupFile(dir + "Q.FLR", g, 200, error)) << error;
         common::GroupRec back;
         const auto read = building::ReadGroupFile(dir + "Q.FLR", 200, back);
         ASSERT_EQ(read.status, building::FileRead::Ok) << read.error;
         EXPECT_TRUE(back == g);
       }},
      {"component (.FLC)",
       [&](float v) {
         common::CompRec c;
         c.CompType = 1;
         c.CompQty = v;
         ASSERT_TRUE(building::WriteComponentFile(dir + "Q.FLC", c, 210, error)) << error;
         common::CompRec back;
         const auto read = building::ReadComponentFile(dir + "Q.FLC", 210, back);
         ASSERT_EQ(read.status, building::FileRead::Ok) << read.error;
         EXPECT_EQ(back.CompQty, v);
       }},
      {"user values (_.FLE)",
       [&](float v) {
         building::UserValueFile u;
         u.InForce = u.Count = 1;
         u.MatWas[1] = u.MatLife[1] = u.MatUCost[1] = v;
         ASSERT_TRUE(building::WriteUserValueFile(dir + "Q_.FLE", u, error)) << error;
         building::UserValueFile back;
         const auto read = building::ReadUserValueFile(dir + "Q_.FLE", std::nullopt, back);
         ASSERT_EQ(read.status, building::FileRead::Ok) << read.error;
         EXPECT_EQ(back.MatWas, u.MatWas);
         EXPECT_EQ(back.MatLife, u.MatLife);
         EXPECT_EQ(back.MatUCost, u.MatUCost);
       }},
      {"constructions (.CON)",
       [&](float v) {
         common::ConstructionTables t;
         t.NoOfCons = 1;
         t.ConsNLay[1] = 1;
         t.ConsSurf[0][1] = t.ConsSurf[1][1] = t.LayThk[1][1] = v;
         t.LayProp[0][1][1] = t.LayProp[1][1][1] = t.LayProp[2][1][1] = v;
         ASSERT_TRUE(energy_input::WriteConstructionFile(dir + "Q.CON", t, error)) << error;
         common::ConstructionTables back;
         ASSERT_TRUE(energy_input::ReadConstructionFile(dir + "Q.CON", back, error)) << error;
         EXPECT_TRUE(back == t);
       }},
      {"energy model (.ECI)",
       [&](float v) {
         common::EnergyModel m = QuotedModel();
         m.ZnNIdent[1] = m.RmNIdent[1][1] = m.RmArea[1][1] = m.RmHgt[1][1] = m.RmEqpW[1][1] = v;
         m.FabArea[1][1][1] = v;
         ASSERT_TRUE(energy_input::WriteEnergyModelFile(dir + "Q.ECI", "P", m, {}, error)) << error;
         common::EnergyModel back;
         common::PerFabric<std::string> masks{};
         ASSERT_TRUE(energy_input::ReadEnergyModelFile(dir + "Q.ECI", back, masks, error)) << error;
         EXPECT_TRUE(back == m);
       }},
      {"weighting (.WGT)",
       [&](float v) {
         assessment::WeightingValues w;
         w.wgtFtr.fill(v);
         w.costPara = {5.06f, 3, -2};
         ASSERT_TRUE(assessment::WriteWeightingFile(dir + "Q.WGT", w, error)) << error;
         assessment::WeightingValues back;
         ASSERT_TRUE(assessment::ParseWeightingFile(folder.Read("Q.WGT"), back, error)) << error;
         EXPECT_EQ(back.wgtFtr, w.wgtFtr);
       }},
      {"LCC result (.LCC)",
       [&](float v) {
         assessment::LccNumbers n{};
         for (auto& row : n) row.fill(v);
         ASSERT_TRUE(assessment::WriteLccFile(dir + "Q.LCC", n, error)) << error;
         assessment::LccValues back{};
         ASSERT_TRUE(assessment::ParseLccFile(folder.Read("Q.LCC"), back, error)) << error;
         for (const auto& row : back)
           for (float x : row) near(x, v);
       }},
      {"result (.RES)",
       [&](float v) {
         auto d = std::make_unique<assessment::CaseData>();
         d->Bldg.NoOfFlrGrp = 1;
         d->Bldg.FlrGrpQty[0] = v;
         d->LCAResult.FlrTypeEgy[1][2] = v;
         auto back = std::make_unique<assessment::CaseData>();
         ASSERT_TRUE(assessment::ParseResultFile(SavedResultFile(*d), *back, error)) << error;
         EXPECT_EQ(back->Bldg.FlrGrpQty[0], v);
         EXPECT_EQ(back->LCAResult.FlrTypeEgy[1][2], v);
       }},
      {"energy use (.EUR)",
       [&](float v) {
         simulation::EnergyUseResults r;
         r.ACEgy.fill(v);
         r.ZnElecEgy.fill(v);
         ASSERT_TRUE(simulation::WriteEnergyUseFile(dir + "Q.EUR", r, error)) << error;
         simulation::EnergyUseResults back;
         ASSERT_TRUE(simulation::ParseEnergyUseFile(folder.Read("Q.EUR"), back, error)) << error;
         for (float x : back.ACEgy) near(x, v);
         for (float x : back.ZnElecEgy) near(x, v);
       }},
      {"central plant (.WSS)",
       [&](float v) {
         auto plant = std::make_unique<common::CentralPlantData>();
         plant->HRSType = 1;
         plant->ChWPSType = 1;
         for (int k = 1; k <= 4; ++k) plant->DesignTemp[static_cast<size_t>(k)] = v;
         auto back = std::make_unique<common::CentralPlantData>();
         ASSERT_TRUE(plant_input::WriteCentralPlantFile(dir + "Q.WSS", "P", *plant, error)) << error;
         ASSERT_TRUE(plant_input::ReadCentralPlantFile(dir + "Q.WSS", *back, error)) << error;
         EXPECT_EQ(back->DesignTemp, plant->DesignTemp);
       }},
      {"shading mask (.SHM)",
       [&](float v) {
         energy_input::ShadingMask mask{};
         for (auto& column : mask) column.fill(v);
         ASSERT_TRUE(energy_input::WriteShadingMaskFile(dir + "Q.SHM", mask, v, "N", {}, "Q.SHM", error)) << error;
         energy_input::ShadingMask back{};
         common::Single mean = 0;
         ASSERT_TRUE(energy_input::ReadShadingMaskFile(dir + "Q.SHM", back, mean, error)) << error;
         near(back[35][8], v);
         near(mean, v);
       }},
  };
  const float values[] = {
      kMax, -kMax, 3.4028234E+38f, std::numeric_limits<float>::min(), std::numeric_limits<float>::denorm_min(), -0.0f};
  for (const auto& kind : kinds) {
    for (float v : values) {
      SCOPED_TRACE(std::string(kind.name) + " with " + testing::PrintToString(v));
      kind.roundTrip(v);
    }
  }
}

// Each record reader takes exactly the items the writer puts on a line and
// nothing after the record: a number split in two ("5" become "1,5"), an
// item too many or a doubled last line is refused with its line, never read
// shifted. Trailing blanks stay accepted. The energy model file takes line
// breaks as item separators only: items joined on one line read as the same
// model, and its counts, codes and end refuse a shift.
TEST(FileKindsRoundTrip, ADamagedLineOrALineTooManyIsRefused) {
  testsupport::TempFolder folder;
  const std::string dir = folder.Path();
  std::string error;
  // Each kind writes its file and reads it back: empty, or the reason.
  struct Kind {
    const char* name;
    std::function<void(const std::string&)> write;
    std::function<std::string(const std::string&)> read;
  };
  const Kind group{"group (.FLR)",
                   [&](const std::string& path) {
                     common::GroupRec g;
                     g.GrpQty = 5;
                     g.NoOfComp = 1;
                     g.GrpCompFile[0] = "C.FLC";
                     g.GrpCompQty[0] = 2;
                     ASSERT_TRUE(building::WriteGroupFile(path, g, 200, error)) << error;
                   },
                   [](const std::string& path) {
                     common::GroupRec g;
                     return building::ReadGroupFile(path, 200, g).error;
                   }};
  const Kind component{"component (.FLC)",
                       [&](const std::string& path) {
                         common::CompRec c;
                         c.CompType = 1;
                         c.CompQty = 5;
                         c.NoOfElm = 1;
                         c.CompElmFile[0] = "E.FLE";
                         ASSERT_TRUE(building::WriteComponentFile(path, c, 210, error)) << error;
                       },
                       [](const std::string& path) {
                         common::CompRec c;
                         return building::ReadComponentFile(path, 210, c).error;
                       }};
  const Kind element{"element (.FLE)",
                     [&](const std::string& path) {
                       common::ElmRec e;
                       e.ElmFile = "E.FLE";
                       e.ElmTypeNo = 0;
                       e.ElmValue[0] = "12";
                       ASSERT_TRUE(building::WriteElementFile(path, e, 220, error)) << error;
                     },
                     [](const std::string& path) {
                       common::ElmRec e;
                       return building::ReadElementFile(path, 220, e).error;
                     }};
  const Kind userValues{"user values (_.FLE)",
                        [&](const std::string& path) {
                          building::UserValueFile u;
                          u.InForce = u.Count = 2;
                          u.MatNo = {0, 4, 20};
                          ASSERT_TRUE(building::WriteUserValueFile(path, u, error)) << error;
                        },
                        [](const std::string& path) {
                          building::UserValueFile u;
                          return building::ReadUserValueFile(path, std::nullopt, u).error;
                        }};
  const Kind constructions{"constructions (.CON)",
                           [&](const std::string& path) {
                             common::ConstructionTables t;
                             t.NoOfCons = 1;
                             t.ConsNLay[1] = 1;
                             t.ConsSurf[0][1] = 0.6f;
                             t.LayThk[1][1] = 0.2f;
                             ASSERT_TRUE(energy_input::WriteConstructionFile(path, t, error)) << error;
                           },
                           [](const std::string& path) {
                             common::ConstructionTables t;
                             std::string why;
                             return energy_input::ReadConstructionFile(path, t, why) ? "" : why;
                           }};
  const Kind model{"energy model (.ECI)",
                   [&](const std::string& path) {
                     ASSERT_TRUE(energy_input::WriteEnergyModelFile(path, "P", QuotedModel(), {}, error)) << error;
                   },
                   [](const std::string& path) {
                     common::EnergyModel m;
                     common::PerFabric<std::string> masks{};
                     std::string why;
                     if (!energy_input::ReadEnergyModelFile(path, m, masks, why)) return why;
                     return m == QuotedModel() ? std::string() : "read as another model";
                   }};
  const Kind mask{"shading mask (.SHM)",
                  [&](const std::string& path) {
                    ASSERT_TRUE(energy_input::WriteShadingMaskFile(path, {}, 0.25f, "N", {}, "Q.SHM", error)) << error;
                  },
                  [](const std::string& path) {
                    energy_input::ShadingMask m{};
                    common::Single mean = 0;
                    std::string why;
                    return energy_input::ReadShadingMaskFile(path, m, mean, why) ? "" : why;
                  }};
  const Kind airSide{"air-side systems (.ASS)",
                     [&](const std::string& path) {
                       common::AirSideSystemData a{};
                       a.ASTyp[1] = a.FATyp[1] = 1;
                       ASSERT_TRUE(energy_input::WriteAirSideFile(path, "P", QuotedModel(), a, error)) << error;
                     },
                     [](const std::string& path) {
                       common::AirSideSystemData a{};
                       std::string why;
                       return energy_input::ReadAirSideFile(path, QuotedModel(), a, why) ? "" : why;
                     }};
  const Kind project{"project (.PRJ)",
                     [&](const std::string& path) {
                       common::BldgRec b;
                       b.CFA = 100;
                       b.NoOfFdnGrp = b.NoOfSerGrp = 1;
                       b.FdnGrpFile[0] = "F.FDN";
                       b.SerGrpFile[0] = "S.SER";
                       b.SerGrpQty[0] = 6;
                       ASSERT_TRUE(building::WriteProjectFile(path, b, error)) << error;
                     },
                     [](const std::string& path) {
                       common::BldgRec b;
                       std::string why;
                       return building::ReadProjectFile(path, b, why) == building::ReadStatus::Ok ? "" : why;
                     }};
  const Kind plant{"central plant (.WSS)",
                   [&](const std::string& path) {
                     auto p = std::make_unique<common::CentralPlantData>();
                     p->HRSType = p->NoOfPLP = 1;
                     p->PLPPower[1] = 4.4f;
                     ASSERT_TRUE(plant_input::WriteCentralPlantFile(path, "P", *p, error)) << error;
                   },
                   [](const std::string& path) {
                     auto p = std::make_unique<common::CentralPlantData>();
                     std::string why;
                     return plant_input::ReadCentralPlantFile(path, *p, why) ? "" : why;
                   }};
  const Kind services{"services (.NAC)",
                      [&](const std::string& path) {
                        auto s = std::make_unique<common::NonACServicesData>();
                        s->NoOfLift = 1;
                        s->LiftPower[1] = 7.5f;
                        s->LiftHours[1] = 2500;
                        s->LiftLF[1] = 1;
                        ASSERT_TRUE(plant_input::WriteServicesFile(path, "P", *s, error)) << error;
                      },
                      [](const std::string& path) {
                        auto s = std::make_unique<common::NonACServicesData>();
                        std::string why;
                        return plant_input::ReadServicesFile(path, *s, why) ? "" : why;
                      }};
  simulation::EnergyUseResults liftEnergy;
  liftEnergy.count[3] = 1;
  liftEnergy.egy[3][1] = 18750;
  const Kind energyUse{
      "energy use (.EUR)",
      [&](const std::string& path) { ASSERT_TRUE(simulation::WriteEnergyUseFile(path, liftEnergy, error)) << error; },
      [&](const std::string&) {
        simulation::EnergyUseResults r = liftEnergy;
        std::string why;
        return simulation::ParseEnergyUseFile(folder.Read("DAMAGED"), r, why) ? "" : why;
      }};
  enum class Damage { Split, Extra, Doubled, Blanks, Joined };
  const std::string kLeft = "text is left on the line after its items", kMore = "the file goes on after its record";
  const struct Case {
    const Kind& kind;
    Damage damage;
    int line;            // the line damaged
    std::string reason;  // empty: still read
    int reasonLine = 0;  // the line the reason names
  } cases[] = {
      {group, Damage::Split, 4, kLeft, 4},
      {group, Damage::Extra, 6, kLeft, 6},
      {group, Damage::Doubled, 6, kMore, 7},
      {group, Damage::Blanks, 4, ""},
      {component, Damage::Split, 5, kLeft, 5},
      {component, Damage::Extra, 7, kLeft, 7},
      {component, Damage::Doubled, 7, kMore, 8},
      {element, Damage::Split, 4, kLeft, 4},
      {element, Damage::Extra, 5, kLeft, 5},
      {element, Damage::Doubled, 6, kMore, 7},
      {element, Damage::Blanks, 5, ""},
      {userValues, Damage::Split, 2, kLeft, 2},
      {userValues, Damage::Extra, 3, kLeft, 3},
      {userValues, Damage::Doubled, 3, kMore, 4},
      {userValues, Damage::Blanks, 1, ""},
      {constructions, Damage::Split, 3, kLeft, 3},
      {constructions, Damage::Extra, 4, kLeft, 4},
      {constructions, Damage::Doubled, 4, kMore, 5},
      {model, Damage::Split, 14, kMore, 17},
      {model, Damage::Extra, 7, kMore, 11},
      {model, Damage::Doubled, 17, kMore, 18},
      {model, Damage::Blanks, 7, ""},
      {model, Damage::Joined, 6, ""},
      {airSide, Damage::Joined, 3, kLeft, 3},
      {airSide, Damage::Split, 3, kLeft, 3},
      {airSide, Damage::Extra, 4, kLeft, 4},
      {airSide, Damage::Doubled, 5, "the file holds more zones or rooms than the energy model", 6},
      {airSide, Damage::Blanks, 5, ""},
      {mask, Damage::Split, 1, kLeft, 1},
      {mask, Damage::Extra, 37, kLeft, 37},
      {mask, Damage::Doubled, 36, kLeft, 37},
      {mask, Damage::Blanks, 37, ""},
      {project, Damage::Split, 6, kLeft, 6},
      {project, Damage::Extra, 7, kLeft, 7},
      {project, Damage::Doubled, 7, kMore, 8},
      {project, Damage::Blanks, 2, ""},
      {plant, Damage::Split, 8, kLeft, 8},
      {plant, Damage::Extra, 14, kLeft, 14},
      {plant, Damage::Doubled, 14, kMore, 15},
      {plant, Damage::Blanks, 8, ""},
      {services, Damage::Split, 6, kLeft, 6},
      {services, Damage::Extra, 8, kLeft, 8},
      {services, Damage::Doubled, 8, kMore, 9},
      {services, Damage::Blanks, 6, ""},
      {energyUse, Damage::Split, 16, kLeft, 16},
      {energyUse, Damage::Extra, 18, kLeft, 18},
      {energyUse, Damage::Doubled, 18, kMore, 19},
      {energyUse, Damage::Blanks, 16, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.kind.name) + ", line " + std::to_string(c.line) + ", damage " +
                 std::to_string(static_cast<int>(c.damage)));
    const std::string path = dir + "DAMAGED";
    c.kind.write(path);
    ASSERT_EQ(c.kind.read(path), "");
    std::string text = folder.Read("DAMAGED"), damaged;
    int line = 1;
    for (size_t start = 0; start < text.size(); ++line) {
      const size_t end = text.find("\r\n", start);
      ASSERT_NE(end, std::string::npos);
      const std::string item = text.substr(start, end - start);
      start = end + 2;
      if (line != c.line) {
        damaged += item + "\r\n";
        continue;
      }
      switch (c.damage) {
        case Damage::Split:
          damaged += "1," + item + "\r\n";
          break;
        case Damage::Extra:
          damaged += item + ",7\r\n";
          break;
        case Damage::Doubled:
          damaged += item + "\r\n" + item + "\r\n";
          break;
        case Damage::Blanks:
          damaged += item + "  \t\r\n";
          break;
        case Damage::Joined:
          damaged += item + ",";
          break;
      }
    }
    folder.Write("DAMAGED", damaged + (c.damage == Damage::Blanks ? " \r\n\r\n" : ""));
    const std::string why = c.kind.read(path);
    if (c.reason.empty()) {
      EXPECT_EQ(why, "");
    } else {
      EXPECT_EQ(why, c.reason + " (line " + std::to_string(c.reasonLine) + ")");
    }
  }
}

// A number that is not finite (an overflowed or undefined result) would be
// written as a text the reader refuses: the save is refused instead, naming
// the value, and the file saved before stays as it was.
TEST(FileKindsRoundTrip, ANumberThatIsNotFiniteIsNeverWritten) {
  testsupport::TempFolder folder;
  const std::string path = folder.Path() + "saved before";
  const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
  std::string error;
  struct Kind {
    const char* name;
    std::function<bool()> save;
    std::string reason;
  } kinds[] = {
      {"project (.PRJ)",
       [&] {
         common::BldgRec b;
         b.CFA = inf;
         return building::WriteProjectFile(path, b, error);
       },
       "the number at item 2 of line 2 is not a finite number (an overflow)"},
      {"group (.FLR)",
       [&] {
         common::GroupRec g;
         g.GrpQty = nan;
         return building::WriteGroupFile(path, g, 200, error);
       },
       "the number at item 1 of line 4 is not a finite number (undefined)"},
      {"result (.RES)",
       [&] {
         auto d = std::make_unique<assessment::CaseData>();
         d->LCAResult.FlrTypeEgy[1][2] = inf;
         return assessment::WriteResultFile(path, *d, error);
       },
       "the value of FlrTypeEgy on line 185 is not a finite number (an overflow)"},
      {"LCC result (.LCC)",
       [&] {
         assessment::LccNumbers v{};
         v[3][1] = -inf;
         return assessment::WriteLccFile(path, v, error);
       },
       "the value of row 4 of stage 1 on line 16 is not a finite number (an overflow)"},
      {"energy use (.EUR)",
       [&] {
         simulation::EnergyUseResults r;
         r.ACEgy[2] = nan;
         return simulation::WriteEnergyUseFile(path, r, error);
       },
       "the value of the annual energy of the air-conditioning on line 3 is not a finite number (undefined)"},
      {"weighting (.WGT)",
       [&] {
         assessment::WeightingValues v;
         v.costPara[1] = inf;
         return assessment::WriteWeightingFile(path, v, error);
       },
       "the value of a cost parameter on line 13 is not a finite number (an overflow)"},
      {"energy model (.ECI)",
       [&] {
         common::EnergyModel m = QuotedModel();
         m.RmArea[1][1] = inf;
         return energy_input::WriteEnergyModelFile(path, kText, m, {}, error);
       },
       "the number at item 1 of line 7 is not a finite number (an overflow)"},
      {"shading mask (.SHM)",
       [&] { return energy_input::WriteShadingMaskFile(path, {}, nan, "N", {}, "Q.SHM", error); },
       "the number at item 1 of line 37 is not a finite number (undefined)"},
      {"hourly loads (.TXT)",
       [&] {
         simulation::BlockWriter out;
         if (!out.Open(path, error)) return true;
         out.Out().Int(1).Int(2).Sng(inf).EndLine();
         return out.Commit(error);
       },
       "the number at item 3 of line 1 is not a finite number (an overflow)"},
  };
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.name);
    folder.Write("saved before", "old");
    error.clear();
    EXPECT_FALSE(kind.save());
    EXPECT_NE(error.find(kind.reason), std::string::npos) << error;
    EXPECT_EQ(folder.Read("saved before"), "old");
  }
}

// The head of a result file without quotes keeps its bytes; a quote is
// written doubled.
TEST(FileKindsRoundTrip, ResultFileHeadBytes) {
  auto d = std::make_unique<assessment::CaseData>();
  d->Bldg.ProjFile = "HOUSE.PRJ";
  d->Bldg.ProjName = "House";
  d->Bldg.NoOfFlrGrp = 1;
  d->Bldg.FlrGrpFile[0] = "F.FLR";
  d->Bldg.FlrGrpName[0] = "Floor";
  d->Bldg.FlrGrpQty[0] = 100000;
  const std::string head = "\"HOUSE.PRJ\"\r\n\"House\"\r\n0\r\n1\r\n\"F.FLR\",\"Floor\",100000\r\n0\r\n";
  EXPECT_EQ(SavedResultFile(*d).substr(0, head.size()), head);
  d->Bldg.ProjName = "12\" House";
  EXPECT_EQ(SavedResultFile(*d).rfind("\"HOUSE.PRJ\"\r\n\"12\"\" House\"\r\n0\r\n", 0), 0u);
}

// The data-directory file names a folder whose name holds a quote and a
// comma; the next start reads the same folder back.
TEST(FileKindsRoundTrip, DataDirectoryFile) {
  testsupport::TempFolder folder;
  setenv("OSTREVO_HOME", (folder.Path() + "home").c_str(), 1);
  const std::string data = folder.Path() + "data \"2\", new/";
  folder.Write("data \"2\", new/MATLCIA.IDB", testsupport::SmallLciaFile());
  folder.Write("data \"2\", new/MATLCIA.ILF", testsupport::SmallLciaFile());
  testsupport::ScriptedPlatform platform;
  auto prog = std::make_unique<common::Program>();
  app::Windows windows{*prog, platform};
  app::frmMain main{*prog, platform, windows};
  main.Show();
  platform.ExpectOpenDialog(data + "MATLCIA.IDB");
  main.mnuOpenData.Click();
  ASSERT_TRUE(prog->building.DatabaseLoaded);
  EXPECT_EQ(common::ReadDataDirFile(), data);
  unsetenv("OSTREVO_HOME");
}

}  // namespace
