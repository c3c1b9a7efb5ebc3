// Every kind of data file, written by its one writer and read back by its
// one reader: a text holding a double quote and a comma, the Single range to
// its ends, and a damaged line or a line too many. One table holds the
// kinds; each test takes the kinds whose row fills a record for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <concepts>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

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
#include "common/file_reading.h"
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

// The records of the files that begin with a title line, which their
// readers do not give back: such records compare by what is read.
template <class Data>
struct Titled {
  std::string title = "P";
  Data data{};
  bool operator==(const Titled& o) const { return data == o.data; }
};
struct ModelFile {
  std::string title = "P";
  common::EnergyModel model;
  common::PerFabric<std::string> masks{};
  bool operator==(const ModelFile& o) const { return model == o.model && masks == o.masks; }
};
struct MaskFile {
  energy_input::ShadingMask mask{};
  common::Single mean = 0;
  std::string orientation = "N";
  energy_input::WindowShading s;
  std::string fileName = "Q.SHM";
};

// Within seven digits: what the energy use and shading mask files hold, and
// the LCC file as it is read back (as Singles).
bool Near(float written, float back) { return std::fabs(back - written) <= std::fabs(written) * 1e-6f; }
template <class Range>
bool AllNear(const Range& written, const Range& back) {
  return std::equal(std::begin(written), std::end(written), std::begin(back),
                    [](float w, float b) { return Near(w, b); });
}

bool Took(const building::ReadOutcome& read, std::string& error) {
  error = read.error;
  return read.status == building::FileRead::Ok;
}
std::string FileText(const std::string& path) { return common::ReadFileAt(path).value_or(""); }

// How a line of a written file is damaged: a number split in two ("5"
// become "1,5"), an item too many, the line doubled, blanks after it (and
// blank lines after the file), or the line joined to the next.
enum class Damage { Split, Extra, Doubled, Blanks, Joined };
const std::string kLeft = "text is left on the line after its items", kMore = "the file goes on after its record";
struct DamageCase {
  Damage damage;
  int line;                 // the line damaged
  std::string reason = "";  // empty: read as written
  int reasonLine = 0;       // the line the reason names
};

// One kind of data file: its writer and reader of a record, and the records
// the tests write (a fill left empty: that test does not take the kind). In
// the rows p is the path, r the record written, b the one read back and e
// the reason.
template <class Rec>
struct KindOf {
  const char* name;
  std::function<bool(const std::string& p, const Rec& r, std::string& e)> write;
  std::function<bool(const std::string& p, Rec& b, std::string& e)> read;
  std::function<void(const Rec& r, Rec& b)> given = {};  // what the reader takes from its caller
  // Whether b holds what the file holds of r; empty: b == r.
  std::function<bool(const Rec& r, const Rec& b)> same = {};
  std::function<void(Rec& r)> quoted = {};            // its texts hold kText
  std::function<void(Rec& r, float v)> extreme = {};  // its Singles hold v
  std::function<void(Rec& r)> plain = {};             // the record `damages` damage
  std::vector<DamageCase> damages = {};
};

const auto& Kinds() {
  using assessment::CaseData, building::ReadStatus, building::UserValueFile, common::BldgRec,
      energy_input::WriteAirSideFile, energy_input::WriteEnergyModelFile, simulation::EnergyUseResults;
  using enum Damage;
  static const std::tuple kinds{
      KindOf<BldgRec>{
          .name = "project (.PRJ)",
          .write = [](auto& p, auto& r, auto& e) { return building::WriteProjectFile(p, r, e); },
          .read = [](auto& p, auto& b, auto& e) { return building::ReadProjectFile(p, b, e) == ReadStatus::Ok; },
          .given = [](auto& r, auto& b) { b.ProjFile = r.ProjFile; },
          .quoted =
              [](auto& r) {
                r.ProjFile = "Q.PRJ";
                r.ProjName = r.FlrGrpName[0] = kText;
                r.NoOfFlrGrp = 1;
                r.FlrGrpFile[0] = kFile;
              },
          .extreme =
              [](auto& r, float v) {
                r.ProjFile = "Q.PRJ";
                r.CFA = v;
                r.NoOfFdnGrp = 10;
                r.NoOfFlrGrp = r.NoOfSerGrp = 20;
                r.FdnGrpQty.fill(v);
                r.FlrGrpQty.fill(v);
                r.SerGrpQty.fill(v);
              },
          .plain =
              [](auto& r) {
                r.CFA = 100;
                r.NoOfFdnGrp = r.NoOfSerGrp = 1;
                r.FdnGrpFile[0] = "F.FDN";
                r.SerGrpFile[0] = "S.SER";
                r.SerGrpQty[0] = 6;
              },
          .damages = {{Split, 6, kLeft, 6}, {Extra, 7, kLeft, 7}, {Doubled, 7, kMore, 8}, {Blanks, 2}},
      },
      KindOf<common::GroupRec>{
          .name = "group (.FLR)",
          .write = [](auto& p, auto& r, auto& e) { return building::WriteGroupFile(p, r, 200, e); },
          .read = [](auto& p, auto& b, auto& e) { return Took(building::ReadGroupFile(p, 200, b), e); },
          .given = [](auto& r, auto& b) { b.GrpFile = r.GrpFile; },
          .quoted =
              [](auto& r) {
                r.GrpFile = r.GrpCompFile[0] = kFile;
                r.GrpName = r.GrpCompName[0] = kText;
                r.GrpQty = r.NoOfComp = 1;
              },
          .extreme =
              [](auto& r, float v) {
                r.GrpQty = v;
                r.NoOfComp = 101;
                r.GrpCompQty.fill(v);
              },
          .plain =
              [](auto& r) {
                r.GrpQty = 5;
                r.NoOfComp = 1;
                r.GrpCompFile[0] = "C.FLC";
                r.GrpCompQty[0] = 2;
              },
          .damages = {{Split, 4, kLeft, 4}, {Extra, 6, kLeft, 6}, {Doubled, 6, kMore, 7}, {Blanks, 4}},
      },
      KindOf<common::CompRec>{
          .name = "component (.FLC)",
          .write = [](auto& p, auto& r, auto& e) { return building::WriteComponentFile(p, r, 210, e); },
          .read = [](auto& p, auto& b, auto& e) { return Took(building::ReadComponentFile(p, 210, b), e); },
          .given = [](auto& r, auto& b) { b.CompFile = r.CompFile; },
          .quoted =
              [](auto& r) {
                r.CompFile = r.CompElmFile[0] = kFile;
                r.CompName = r.CompElmName[0] = kText;
                r.CompType = r.NoOfElm = 1;
                r.CompQty = 1;
                r.CompElmTypeNo[0] = 0;
              },
          .extreme =
              [](auto& r, float v) {
                r.CompType = 1;
                r.CompQty = v;
              },
          .plain =
              [](auto& r) {
                r.CompType = r.NoOfElm = 1;
                r.CompQty = 5;
                r.CompElmFile[0] = "E.FLE";
              },
          .damages = {{Split, 5, kLeft, 5}, {Extra, 7, kLeft, 7}, {Doubled, 7, kMore, 8}},
      },
      KindOf<common::ElmRec>{
          .name = "element (.FLE)",
          .write = [](auto& p, auto& r, auto& e) { return building::WriteElementFile(p, r, 220, e); },
          .read = [](auto& p, auto& b, auto& e) { return Took(building::ReadElementFile(p, 220, b), e); },
          .given = [](auto& r, auto& b) { b.ElmFile = r.ElmFile; },
          .quoted =
              [](auto& r) {
                r.ElmFile = kFile;
                r.ElmName = r.ElmRemark[0] = kText;
                r.ElmTypeNo = 0;
                r.ElmValue[0] = "12";
              },
          .plain =
              [](auto& r) {
                r.ElmFile = "E.FLE";
                r.ElmTypeNo = 0;
                r.ElmValue[0] = "12";
              },
          .damages = {{Split, 4, kLeft, 4}, {Extra, 5, kLeft, 5}, {Doubled, 6, kMore, 7}, {Blanks, 5}},
      },
      KindOf<UserValueFile>{
          .name = "user values (_.FLE)",
          .write = [](auto& p, auto& r, auto& e) { return building::WriteUserValueFile(p, r, e); },
          .read = [](auto& p, auto& b, auto& e) { return Took(building::ReadUserValueFile(p, std::nullopt, b), e); },
          .same =
              [](auto& r, auto& b) {
                return std::tie(r.InForce, r.Count, r.MatNo, r.MatWas, r.MatLife, r.MatUCost) ==
                       std::tie(b.InForce, b.Count, b.MatNo, b.MatWas, b.MatLife, b.MatUCost);
              },
          .extreme =
              [](auto& r, float v) {
                r.InForce = r.Count = 1;
                r.MatWas[1] = r.MatLife[1] = r.MatUCost[1] = v;
              },
          .plain =
              [](auto& r) {
                r.InForce = r.Count = 2;
                r.MatNo = {0, 4, 20};
              },
          .damages = {{Split, 2, kLeft, 2}, {Extra, 3, kLeft, 3}, {Doubled, 3, kMore, 4}, {Blanks, 1}},
      },
      KindOf<CaseData>{
          .name = "result (.RES)",
          .write = [](auto& p, auto& r, auto& e) { return assessment::WriteResultFile(p, r, e); },
          .read = [](auto& p, auto& b, auto& e) { return assessment::ParseResultFile(FileText(p), b, e); },
          .same =
              [](auto& r, auto& b) {
                return b.Bldg == r.Bldg && b.LCAResult == r.LCAResult && b.GroupResult == r.GroupResult;
              },
          .quoted =
              [](auto& r) {
                r.Bldg.ProjFile = r.Bldg.SerGrpFile[0] = kFile;
                r.Bldg.ProjName = r.Bldg.SerGrpName[0] = kText;
                r.Bldg.NoOfSerGrp = 1;
              },
          .extreme =
              [](auto& r, float v) {
                r.Bldg.NoOfFlrGrp = 1;
                r.Bldg.FlrGrpQty[0] = r.LCAResult.FlrTypeEgy[1][2] = v;
              },
      },
      KindOf<assessment::WeightingValues>{
          .name = "weighting (.WGT)",
          .write = [](auto& p, auto& r, auto& e) { return assessment::WriteWeightingFile(p, r, e); },
          .read = [](auto& p, auto& b, auto& e) { return assessment::ParseWeightingFile(FileText(p), b, e); },
          .same = [](auto& r, auto& b) { return b.wgtFtr == r.wgtFtr && b.costPara == r.costPara; },
          .extreme =
              [](auto& r, float v) {
                r.wgtFtr.fill(v);
                r.costPara = {5.06f, 3, -2};
              },
      },
      KindOf<assessment::LccNumbers>{
          .name = "LCC result (.LCC)",
          .write = [](auto& p, auto& r, auto& e) { return assessment::WriteLccFile(p, r, e); },
          .read =
              [](auto& p, auto& b, auto& e) {
                assessment::LccValues v{};
                if (!assessment::ParseLccFile(FileText(p), v, e)) return false;
                for (size_t row = 0; row < v.size(); ++row) std::copy(v[row].begin(), v[row].end(), b[row].begin());
                return true;
              },
          .same = [](auto& r, auto& b) { return std::equal(r.begin(), r.end(), b.begin(), AllNear<decltype(r[0])>); },
          .extreme =
              [](auto& r, float v) {
                for (auto& row : r) row.fill(v);
              },
      },
      KindOf<common::ConstructionTables>{
          .name = "constructions (.CON)",
          .write = [](auto& p, auto& r, auto& e) { return energy_input::WriteConstructionFile(p, r, e); },
          .read = [](auto& p, auto& b, auto& e) { return energy_input::ReadConstructionFile(p, b, e); },
          .quoted =
              [](auto& r) {
                r.NoOfCons = r.ConsNLay[1] = 1;
                r.ConsName[1] = r.LayMatName[1][1] = kText;
                r.LayMatNo[1][1] = 12;
                r.LayThk[1][1] = 0.2f;
              },
          .extreme =
              [](auto& r, float v) {
                r.NoOfCons = r.ConsNLay[1] = 1;
                r.ConsSurf[0][1] = r.ConsSurf[1][1] = r.LayThk[1][1] = v;
                r.LayProp[0][1][1] = r.LayProp[1][1][1] = r.LayProp[2][1][1] = v;
              },
          .plain =
              [](auto& r) {
                r.NoOfCons = r.ConsNLay[1] = 1;
                r.ConsSurf[0][1] = 0.6f;
                r.LayThk[1][1] = 0.2f;
              },
          .damages = {{Split, 3, kLeft, 3}, {Extra, 4, kLeft, 4}, {Doubled, 4, kMore, 5}},
      },
      // Line breaks are item separators only: items joined on one line read
      // as the same model, and its counts, codes and end refuse a shift. The
      // head line is one text, never a line dropped unread.
      KindOf<ModelFile>{
          .name = "energy model (.ECI)",
          .write = [](auto& p, auto& r, auto& e) { return WriteEnergyModelFile(p, r.title, r.model, r.masks, e); },
          .read = [](auto& p, auto& b, auto& e) { return energy_input::ReadEnergyModelFile(p, b.model, b.masks, e); },
          .quoted =
              [](auto& r) {
                r.title = kText;
                r.model = QuotedModel();
                r.masks[1][1][1] = "Fins \"east\", 2.SHM";
              },
          .extreme =
              [](auto& r, float v) {
                common::EnergyModel& m = r.model = QuotedModel();
                m.ZnNIdent[1] = m.RmNIdent[1][1] = m.RmArea[1][1] = m.RmHgt[1][1] = m.RmEqpW[1][1] = v;
                m.FabArea[1][1][1] = v;
              },
          .plain = [](auto& r) { r.model = QuotedModel(); },
          .damages = {{Split, 1, "a number was expected but a text was found", 1},
                      {Joined, 1},
                      {Split, 14, kMore, 17},
                      {Extra, 7, kMore, 11},
                      {Doubled, 17, kMore, 18},
                      {Blanks, 7},
                      {Joined, 6}},
      },
      KindOf<Titled<common::AirSideSystemData>>{
          .name = "air-side systems (.ASS)",
          .write = [](auto& p, auto& r, auto& e) { return WriteAirSideFile(p, r.title, QuotedModel(), r.data, e); },
          .read = [](auto& p, auto& b, auto& e) { return energy_input::ReadAirSideFile(p, QuotedModel(), b.data, e); },
          .quoted =
              [](auto& r) {
                r.title = kText;
                r.data.ASTyp[1] = r.data.FATyp[1] = 1;
              },
          .plain = [](auto& r) { r.data.ASTyp[1] = r.data.FATyp[1] = 1; },
          .damages = {{Joined, 3, kLeft, 3},
                      {Split, 3, kLeft, 3},
                      {Extra, 4, kLeft, 4},
                      {Doubled, 5, "the file holds more zones or rooms than the energy model", 6},
                      {Blanks, 5}},
      },
      KindOf<MaskFile>{
          .name = "shading mask (.SHM)",
          .write =
              [](auto& p, auto& r, auto& e) {
                return energy_input::WriteShadingMaskFile(p, r.mask, r.mean, r.orientation, r.s, r.fileName, e);
              },
          .read = [](auto& p, auto& b, auto& e) { return energy_input::ReadShadingMaskFile(p, b.mask, b.mean, e); },
          .same =
              [](auto& r, auto& b) {
                return Near(r.mean, b.mean) &&
                       std::equal(r.mask.begin(), r.mask.end(), b.mask.begin(), AllNear<decltype(r.mask[0])>);
              },
          .quoted =
              [](auto& r) {
                r.mask[9][4] = 0.5f;
                r.mean = 0.25f;
                r.orientation = kText;
                r.s.W = 1.5f;
                r.s.H = 2;
                r.fileName = kText + ".SHM";
              },
          .extreme =
              [](auto& r, float v) {
                for (auto& column : r.mask) column.fill(v);
                r.mean = v;
              },
          .plain = [](auto& r) { r.mean = 0.25f; },
          .damages = {{Split, 1, kLeft, 1}, {Extra, 37, kLeft, 37}, {Doubled, 36, kLeft, 37}, {Blanks, 37}},
      },
      KindOf<Titled<common::CentralPlantData>>{
          .name = "central plant (.WSS)",
          .write = [](auto& p, auto& r, auto& e) { return plant_input::WriteCentralPlantFile(p, r.title, r.data, e); },
          .read = [](auto& p, auto& b, auto& e) { return plant_input::ReadCentralPlantFile(p, b.data, e); },
          .quoted =
              [](auto& r) {
                r.title = r.data.AddHVACName[1] = kText;
                r.data.HRSType = r.data.ChWPSType = r.data.NoOfAddHVAC = 1;
              },
          .extreme =
              [](auto& r, float v) {
                r.data.HRSType = r.data.ChWPSType = 1;
                for (size_t k = 1; k <= 4; ++k) r.data.DesignTemp[k] = v;
              },
          .plain =
              [](auto& r) {
                r.data.HRSType = r.data.NoOfPLP = 1;
                r.data.PLPPower[1] = 4.4f;
              },
          .damages = {{Split, 8, kLeft, 8}, {Extra, 14, kLeft, 14}, {Doubled, 14, kMore, 15}, {Blanks, 8}},
      },
      KindOf<Titled<common::NonACServicesData>>{
          .name = "services (.NAC)",
          .write = [](auto& p, auto& r, auto& e) { return plant_input::WriteServicesFile(p, r.title, r.data, e); },
          .read = [](auto& p, auto& b, auto& e) { return plant_input::ReadServicesFile(p, b.data, e); },
          .quoted =
              [](auto& r) {
                r.title = r.data.FSName[1] = r.data.GasName[1] = kText;
                r.data.NoOfFS = r.data.NoOfGasSys = r.data.GasSubSys[1] = 1;
              },
          .plain =
              [](auto& r) {
                r.data.NoOfLift = r.data.LiftLF[1] = 1;
                r.data.LiftPower[1] = 7.5f;
                r.data.LiftHours[1] = 2500;
              },
          .damages = {{Split, 6, kLeft, 6}, {Extra, 8, kLeft, 8}, {Doubled, 8, kMore, 9}, {Blanks, 6}},
      },
      // The lists' counts are the project's, given to the reader; their
      // totals are not stored.
      KindOf<EnergyUseResults>{
          .name = "energy use (.EUR)",
          .write = [](auto& p, auto& r, auto& e) { return simulation::WriteEnergyUseFile(p, r, e); },
          .read = [](auto& p, auto& b, auto& e) { return simulation::ParseEnergyUseFile(FileText(p), b, e); },
          .given = [](auto& r, auto& b) { b.count = r.count; },
          .same =
              [](auto& r, auto& b) {
                bool same = AllNear(r.ACEgy, b.ACEgy) && AllNear(r.ZnElecEgy, b.ZnElecEgy);
                for (size_t k = 0; k < r.egy.size(); ++k)
                  same = same && std::equal(r.egy[k].begin() + 1, r.egy[k].end(), b.egy[k].begin() + 1, Near);
                return same;
              },
          .extreme =
              [](auto& r, float v) {
                r.ACEgy.fill(v);
                r.ZnElecEgy.fill(v);
              },
          .plain =
              [](auto& r) {
                r.count[3] = 1;
                r.egy[3][1] = 18750;
              },
          .damages = {{Split, 1, kLeft, 1},
                      {Split, 16, kLeft, 16},
                      {Extra, 18, kLeft, 18},
                      {Doubled, 18, kMore, 19},
                      {Blanks, 16}},
      },
  };
  return kinds;
}

// Calls `test` with each row of the table.
template <class Test>
void ForEachKind(const Test& test) {
  std::apply([&](const auto&... kind) { (test(kind), ...); }, Kinds());
}

// The record `fill` makes, written at `path`.
template <class Rec, class Fill>
std::unique_ptr<Rec> Written(const KindOf<Rec>& kind, const std::string& path, const Fill& fill) {
  auto rec = std::make_unique<Rec>();
  fill(*rec);
  std::string error;
  EXPECT_TRUE(kind.write(path, *rec, error)) << error;
  return rec;
}

// Reads `path` over an empty record: "" when it holds what `written` put in
// the file, else what went wrong.
template <class Rec>
std::string ReadBack(const KindOf<Rec>& kind, const std::string& path, const Rec& written) {
  auto back = std::make_unique<Rec>();
  std::string why;
  if (kind.given) kind.given(written, *back);
  if (!kind.read(path, *back, why)) return "refused: " + why;
  bool same = false;
  if constexpr (std::equality_comparable<Rec>)
    same = kind.same ? kind.same(written, *back) : *back == written;
  else
    same = kind.same(written, *back);
  return same ? "" : "read as another record";
}

TEST(FileKindsRoundTrip, ATextWithAQuoteAndACommaReadsBackAsWritten) {
  testsupport::TempFolder folder;
  const std::string path = folder.Path() + "SAVED";
  ForEachKind([&](const auto& kind) {
    if (!kind.quoted) return;
    SCOPED_TRACE(kind.name);
    EXPECT_EQ(ReadBack(kind, path, *Written(kind, path, kind.quoted)), "");
  });
}

// Every number a writer puts in a file, its reader takes back: the Single
// range to its ends. 3.4028234E+38 as typed rounds to the largest Single.
TEST(FileKindsRoundTrip, TheSingleExtremesReadBackFromEveryKind) {
  testsupport::TempFolder folder;
  const std::string path = folder.Path() + "SAVED";
  const float kMax = std::numeric_limits<float>::max();
  const float values[] = {
      kMax, -kMax, 3.4028234E+38f, std::numeric_limits<float>::min(), std::numeric_limits<float>::denorm_min(), -0.0f};
  ForEachKind([&](const auto& kind) {
    if (!kind.extreme) return;
    for (float v : values) {
      SCOPED_TRACE(std::string(kind.name) + " with " + testing::PrintToString(v));
      EXPECT_EQ(ReadBack(kind, path, *Written(kind, path, [&](auto& rec) { kind.extreme(rec, v); })), "");
    }
  });
}

// Each record reader takes exactly the items the writer puts on a line and
// nothing after the record: a damaged line or a line too many is refused
// with its line, never read shifted. Trailing blanks stay accepted.
TEST(FileKindsRoundTrip, ADamagedLineOrALineTooManyIsRefused) {
  testsupport::TempFolder folder;
  const std::string path = folder.Path() + "DAMAGED";
  ForEachKind([&](const auto& kind) {
    for (const DamageCase& c : kind.damages) {
      SCOPED_TRACE(std::string(kind.name) + ", line " + std::to_string(c.line) + ", damage " +
                   std::to_string(static_cast<int>(c.damage)));
      const auto written = Written(kind, path, kind.plain);
      ASSERT_EQ(ReadBack(kind, path, *written), "");
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
      EXPECT_EQ(ReadBack(kind, path, *written),
                c.reason.empty() ? "" : "refused: " + c.reason + " (line " + std::to_string(c.reasonLine) + ")");
    }
  });
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
