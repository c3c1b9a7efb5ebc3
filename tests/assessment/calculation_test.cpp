// A small project computed by hand: one group of each kind, each of two
// components: A (3 in the group) holds a generic element G (material 1:
// 10 units, 5 % wastage, life 25) and a library element L (material 2,
// quantity = value 1 x value 2 = 4 x 5 = 20, 10 % wastage, life 50);
// B (1 in the group) holds a generic element G2 (material 2: 100 units, no
// wastage, life 0). Material 1 has impact factors 1 + k, energy 10, cost
// 1.5 and waste factors 100 + k; material 2 has 10 + k, 100, 10.5 and
// 110 + k.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>

#include "assessment/calculation.h"
#include "assessment/factors.h"
#include "assessment/lcia_database.h"
#include "assessment/results.h"
#include "assessment/selection.h"
#include "building/element_library.h"
#include "common/data_file.h"
#include "common/paths.h"
#include "support/lcia_fixture.h"
#include "support/temp_folder.h"

namespace {

using ModCal::kModeAssessment;
using ModCal::kModeCosting;

// Per element and stage: impact k (1..10), energy, waste, cost.
struct Amounts {
  double imp[11] = {};
  double egy = 0, waste = 0, cost = 0;
  Amounts& operator+=(const Amounts& o) {
    for (int k = 1; k <= 10; ++k) imp[k] += o.imp[k];
    egy += o.egy, waste += o.waste, cost += o.cost;
    return *this;
  }
  Amounts operator*(double f) const {
    Amounts r = *this;
    for (int k = 1; k <= 10; ++k) r.imp[k] *= f;
    r.egy *= f, r.waste *= f, r.cost *= f;
    return r;
  }
};

double F1(int k) { return 1 + k; }
double F2(int k) { return 10 + k; }
double W1(int k) { return 100 + k; }
double W2(int k) { return 110 + k; }

// amount a of material with factors f booked as impacts and energy, and
// waste w with waste factors wf.
Amounts Booked(double a, double (*f)(int), double energy, double w, double (*wf)(int)) {
  Amounts r;
  for (int k = 1; k <= 10; ++k) r.imp[k] = a * f(k) + w * wf(k);
  r.egy = a * energy;
  r.waste = w;
  return r;
}

double Spwf(double year) { return std::pow(1.05 / 1.03, -year); }

// The three elements by stage, from the booking rules.
Amounts G(int stage) {
  switch (stage) {
    case 1: {
      Amounts r = Booked(10.5, F1, 10, 0.5, W1);
      r.cost = 10.5 * 1.5;
      return r;
    }
    case 2: {
      Amounts r = Booked(10.5, F1, 10, 10.5, W1);
      r.cost = Spwf(25) * 10.5 * 1.5;
      return r;
    }
    case 4:
      return Booked(0, F1, 10, 10, W1);
    default:
      return {};
  }
}
Amounts L(int stage) {
  switch (stage) {
    case 1: {
      Amounts r = Booked(22, F2, 100, 2, W2);
      r.cost = 22 * 10.5;
      return r;
    }
    case 4:
      return Booked(0, F2, 100, 20, W2);
    default:
      return {};
  }
}
Amounts G2(int stage) {
  if (stage != 1) return {};
  Amounts r = Booked(100, F2, 100, 100, W2);
  r.cost = 100 * 10.5;
  return r;
}

struct Kind {
  int grpType;
  const char* grp;
  const char* comp;
  const char* elm;
  int typeA, typeB;  // component types
  const char* libA;  // library folder of component A's library element
};
const Kind kKinds[] = {
    {100, ".FDN", ".FDC", ".FDE", 0, 0, "FOUND"},
    {200, ".FLR", ".FLC", ".FLE", 0, 2, "FABRIC"},
    {300, ".SER", ".SRC", ".SRE", 1, 4, "ELECTSER"},
};

// The project written into a temporary folder, its database loaded.
struct SmallProject {
  SmallProject() {
    auto& b = prog->building;
    std::string data = folder.Path() + "data/";
    folder.Write("data/T.IDB", testsupport::LciaFile({{{1, 1}, {2, 10}}, {}, {{501, 20}, {502, 30}}}));
    folder.Write("data/T.ILF", testsupport::LciaFile({{{1, 100}, {2, 110}}, {}, {{501, 0}, {502, 0}}}));
    std::string error;
    EXPECT_TRUE(ModCal::LoadLCIADatabase(prog->assess.mat, data + "T.ILF", data + "T.IDB", error)) << error;
    for (const char* lib : {"FOUND", "FABRIC", "CONTENTS", "MECHASER", "ELECTSER"})
      for (const char* ext : {".IMP", ".CST"})
        folder.Write(std::string("data/") + lib + "/E1" + ext,
                     "1\r\n\"Steel\"\r\n2\r\n2\r\n1,0,\"a\",\"b\"\r\n2,3,\"c\",\"d\"\r\n10\r\n50\r\n");
    b.DataDir = data;
    building::SetLibraryPaths(b);
    b.ProjDir = folder.Path() + "proj/";
    common::MakeFolder(b.ProjDir);
    ModCal::SetDefaultFactors(prog->assess.factors);
    ModCal::ResetAllSelections(prog->assess.sel);

    b.Bldg.ProjFile = "P.PRJ";
    b.Bldg.NoOfFdnGrp = 1;
    b.Bldg.FdnGrpFile[0] = "G.FDN";
    b.Bldg.FdnGrpQty[0] = 2;
    b.Bldg.NoOfFlrGrp = 1;
    b.Bldg.FlrGrpFile[0] = "G.FLR";
    b.Bldg.FlrGrpQty[0] = 5;
    b.Bldg.NoOfSerGrp = 1;
    b.Bldg.SerGrpFile[0] = "G.SER";
    b.Bldg.SerGrpQty[0] = 1;
    for (const Kind& k : kKinds) WriteKind(k);
  }

  void Write(const std::string& name, const common::DataWriter& w) { folder.Write("proj/" + name, w.Text()); }

  void WriteKind(const Kind& k) {
    std::string g = std::string("G") + k.grp, a = std::string("A") + k.comp, bc = std::string("B") + k.comp;
    common::DataWriter grp;
    grp.Str(g).EndLine().Int(k.grpType).EndLine().Str("Group").EndLine().Sng(1).EndLine().Int(2).EndLine();
    grp.Str(a).Str("A").Int(k.typeA).Sng(3).EndLine().Str(bc).Str("B").Int(k.typeB).Sng(1).EndLine();
    Write(g, grp);
    auto comp = [&](const std::string& name, int type, std::vector<std::pair<std::string, int>> elms) {
      common::DataWriter w;
      w.Str(name).EndLine().Int(k.grpType + 10).EndLine().Str(name).EndLine().Int(type).EndLine().Sng(1).EndLine();
      w.Int(static_cast<long>(elms.size())).EndLine();
      for (auto& [file, typeNo] : elms) w.Str(file).Str(file).Int(typeNo).EndLine();
      Write(name, w);
    };
    std::string gElm = std::string("GEN") + k.elm, lElm = std::string("LIB") + k.elm,
                g2Elm = std::string("GEN2") + k.elm;
    comp(a, k.typeA, {{gElm, 0}, {lElm, 1}});
    comp(bc, k.typeB, {{g2Elm, 0}});
    auto elm = [&](const std::string& name, int typeNo, std::vector<std::string> values) {
      common::DataWriter w;
      w.Str(name).EndLine().Int(k.grpType + 20).EndLine().Str(name).EndLine().Int(typeNo).EndLine();
      values.push_back("");
      for (auto& v : values) w.Str(v).Str("").EndLine();
      Write(name, w);
    };
    elm(gElm, 0, {"1", "10", "5", "25"});
    elm(lElm, 1, {"4", "5"});
    elm(g2Elm, 0, {"2", "100", "0", "0"});
  }

  std::string RunAll(int mode) { return ModCal::RunStages(*prog, mode).errText; }

  testsupport::TempFolder folder;
  std::unique_ptr<common::Program> prog = std::make_unique<common::Program>();
};

class CalculationTest : public testing::Test, public SmallProject {};

void ExpectCells(const char* what, int stage, const common::Array2<float, 5, 11>& imp, const std::array<float, 5>& egy,
                 const std::array<float, 5>& waste, const std::array<float, 5>& cost, const Amounts& expected,
                 bool costing) {
  SCOPED_TRACE(testing::Message() << what << " stage " << stage);
  auto near = [](double got, double want) { EXPECT_NEAR(got, want, 1e-5 * (1 + std::fabs(want))); };
  const size_t s = static_cast<size_t>(stage);
  if (costing) {
    near(cost[s], expected.cost);
    return;
  }
  for (int k = 1; k <= 10; ++k) near(imp[s][static_cast<size_t>(k)], expected.imp[k]);
  near(egy[s], expected.egy);
  near(waste[s], expected.waste);
}

TEST_F(CalculationTest, EveryCellOfBothModes) {
  prog->sim.AnnEgy = {1000, 2000, 0, 0, 500, 999};
  prog->plant.NAC.NoOfGasSys = 2;
  prog->plant.NAC.GasSubSys[1] = 1;
  prog->plant.NAC.GasEgy[1] = 300;
  prog->plant.NAC.GasSubSys[2] = 1;
  prog->plant.NAC.GasEgy[2] = 200;

  for (int mode : {kModeAssessment, kModeCosting}) {
    SCOPED_TRACE(mode == kModeCosting ? "costing" : "assessment");
    ASSERT_EQ(RunAll(mode), "");
    const bool costing = mode == kModeCosting;
    const auto& r = prog->assess.LCAResult;
    const auto& gr = prog->assess.GroupResult;
    Amounts total[5];
    for (int s = 1; s <= 4; ++s) {
      if (costing && s == 4) continue;
      Amounts compA = G(s);
      compA += L(s);
      Amounts group = compA * 3;
      group += G2(s);
      Amounts fdn = group * 2, flr = group * 5, ser = group * 1;
      Amounts services = ser;
      if (s == 3) {
        // Electricity per services type; two town-gas systems of type 1.
        const double mj[5] = {1000 * 3.6 * 50, 2000 * 3.6 * 50, 0, 0, 500 * 3.6 * 50};
        double F = ModCal::EnergyPresentWorthFactor(prog->assess.factors);
        for (int t = 0; t <= 4; ++t) {
          Amounts e;
          for (int k = 1; k <= 10; ++k) e.imp[k] = mj[t] * (20 + k);
          e.egy = mj[t];
          e.cost = F * prog->sim.AnnEgy[static_cast<size_t>(t)] * 0.92;
          if (t == 1) {
            for (int k = 1; k <= 10; ++k) e.imp[k] += (300 + 200) * 50.0 * (30 + k);
            e.egy += (300 + 200) * 50.0;
            e.cost += F * 300 * 0.21 + F * 200 * 0.21;
          }
          ExpectCells("services type", s, r.SerTypeImp[static_cast<size_t>(t)], r.SerTypeEgy[static_cast<size_t>(t)],
                      r.SerTypeWaste[static_cast<size_t>(t)], r.SerTypeCost[static_cast<size_t>(t)], e, costing);
          services += e;
        }
      }
      ExpectCells("foundation group", s, gr.FdnGrpImp[0], gr.FdnGrpEgy[0], gr.FdnGrpWaste[0], gr.FdnGrpCost[0], fdn,
                  costing);
      ExpectCells("floor group", s, gr.FlrGrpImp[0], gr.FlrGrpEgy[0], gr.FlrGrpWaste[0], gr.FlrGrpCost[0], flr,
                  costing);
      ExpectCells("services group", s, gr.SerGrpImp[0], gr.SerGrpEgy[0], gr.SerGrpWaste[0], gr.SerGrpCost[0], ser,
                  costing);
      ExpectCells("foundations", s, r.FdnImp, r.FdnEgy, r.FdnWaste, r.FdnCost, fdn, costing);
      ExpectCells("floors", s, r.FlrImp, r.FlrEgy, r.FlrWaste, r.FlrCost, flr, costing);
      ExpectCells("services", s, r.SerImp, r.SerEgy, r.SerWaste, r.SerCost, services, costing);
      if (s != 3) {
        // Floor types: A is Envelope (0), B Contents (2); services A Elec (1), B P & D (4).
        ExpectCells("envelope", s, r.FlrTypeImp[0], r.FlrTypeEgy[0], r.FlrTypeWaste[0], r.FlrTypeCost[0], compA * 15,
                    costing);
        ExpectCells("frame", s, r.FlrTypeImp[1], r.FlrTypeEgy[1], r.FlrTypeWaste[1], r.FlrTypeCost[1], Amounts{},
                    costing);
        ExpectCells("contents", s, r.FlrTypeImp[2], r.FlrTypeEgy[2], r.FlrTypeWaste[2], r.FlrTypeCost[2], G2(s) * 5,
                    costing);
        ExpectCells("elec", s, r.SerTypeImp[1], r.SerTypeEgy[1], r.SerTypeWaste[1], r.SerTypeCost[1], compA * 3,
                    costing);
        ExpectCells("p and d", s, r.SerTypeImp[4], r.SerTypeEgy[4], r.SerTypeWaste[4], r.SerTypeCost[4], G2(s),
                    costing);
      }
      Amounts building = flr;
      building += fdn;
      building += services;
      ExpectCells("building", s, r.BldgImp, r.BldgEgy, r.BldgWaste, r.BldgCost, building, costing);
      total[0] += building;
    }
    ExpectCells("building life cycle", 0, r.BldgImp, r.BldgEgy, r.BldgWaste, r.BldgCost, total[0], costing);
    // Stage 0 is the sum of the stages in every cell.
    auto sumOfStages = [](const std::array<float, 5>& a) { return a[1] + a[2] + a[3] + a[4]; };
    EXPECT_NEAR(gr.FlrGrpEgy[0][0], sumOfStages(gr.FlrGrpEgy[0]), 1e-2);
    EXPECT_NEAR(r.SerTypeEgy[1][0], sumOfStages(r.SerTypeEgy[1]), 1);
    EXPECT_NEAR(r.FdnCost[0], sumOfStages(r.FdnCost), 1e-2);
  }
}

TEST_F(CalculationTest, EachModeLeavesTheOtherModesCells) {
  ASSERT_EQ(RunAll(kModeAssessment), "");
  const common::LCAResultRec assessed = prog->assess.LCAResult;
  const common::GroupResultRec assessedGroups = prog->assess.GroupResult;
  EXPECT_EQ(assessed.BldgCost, (std::array<float, 5>{}));
  ASSERT_EQ(RunAll(kModeCosting), "");
  common::LCAResultRec costed = prog->assess.LCAResult;
  EXPECT_GT(costed.BldgCost[1], 0);
  EXPECT_EQ(costed.BldgImp, assessed.BldgImp);
  EXPECT_EQ(costed.FlrTypeImp, assessed.FlrTypeImp);
  EXPECT_EQ(costed.SerTypeWaste, assessed.SerTypeWaste);
  EXPECT_EQ(prog->assess.GroupResult.FdnGrpImp, assessedGroups.FdnGrpImp);
  // A second assessment keeps the costs and gives the same impacts.
  ASSERT_EQ(RunAll(kModeAssessment), "");
  EXPECT_EQ(prog->assess.LCAResult.BldgCost, costed.BldgCost);
  EXPECT_EQ(prog->assess.LCAResult.BldgImp, assessed.BldgImp);
}

TEST_F(CalculationTest, SelectionDecidesWhatIsRead) {
  auto& sel = prog->assess.sel;
  // Services skipped as a kind; the floor group's component B not assessed;
  // foundation component A at "Some" with its library element flagged No.
  sel.SkipAllSer = 1;
  ModCal::ResetAllSelections(sel);
  sel.FlrCompAssess[0][1] = 0;
  sel.FdnCompAssess[0][0] = 0.5f;
  sel.FdnElmAssess[0][0][1] = false;
  ASSERT_EQ(RunAll(kModeAssessment), "");
  const auto& r = prog->assess.LCAResult;
  Amounts fdn = G(1) * 3;
  fdn += G2(1);
  Amounts flr = G(1);
  flr += L(1);
  EXPECT_NEAR(r.FdnImp[1][4], (fdn * 2).imp[4], 1e-3);
  EXPECT_NEAR(r.FlrImp[1][4], (flr * 15).imp[4], 1e-3);
  EXPECT_NEAR(r.FlrTypeImp[2][1][4], 0, 1e-6);  // contents: B was not assessed
  EXPECT_NEAR(r.FlrTypeImp[0][1][4], r.FlrImp[1][4], 1e-3);
  EXPECT_EQ(r.SerImp[1][4], 0);
  EXPECT_EQ(prog->assess.GroupResult.SerGrpEgy[0][1], 0);

  // A group at "None" is not read at all, even when its file is gone.
  sel.FdnGrpAssess[0] = 0;
  std::remove((prog->building.ProjDir + "G.FDN").c_str());
  ASSERT_EQ(RunAll(kModeAssessment), "");
  EXPECT_EQ(prog->assess.LCAResult.FdnImp[1][4], 0);
}

// Replaces `from` by `to` in a file of the project.
void Edit(SmallProject& t, const std::string& file, const std::string& from, const std::string& to) {
  std::string text = t.folder.Read("proj/" + file);
  ASSERT_NE(text.find(from), std::string::npos) << file;
  text.replace(text.find(from), from.size(), to);
  t.folder.Write("proj/" + file, text);
}

// Makes the generic element `file` (G) hold `qty` of material 3, which the
// database lacks, at 100 % wastage: it books solid waste, nothing else.
void WasteOnly(SmallProject& t, const std::string& file, const std::string& qty) {
  Edit(t, file, "\"1\",\"\"\r\n\"10\",\"\"\r\n\"5\"", "\"3\",\"\"\r\n\"" + qty + "\",\"\"\r\n\"100\"");
}

// A run that fails, by its error text or by an exception, leaves the
// results of the last good runs of both modes exactly as they were, with
// the building they were computed for.
TEST_F(CalculationTest, ErrorChainsStopTheRun) {
  struct Case {
    const char* what;
    std::function<void(SmallProject&)> spoil;
    std::string message;
    int failingStage;
    std::string reason = "";  // shown under the message
    int mode = kModeAssessment;
    int throwsAt = 0;     // the stage that throws: at its start or, inside, at its first booking
    bool inside = false;  // the stage's results then partly booked
  } cases[] = {
      {"an exception in stage 2", [](SmallProject&) {}, "", 2, "", kModeAssessment, 2},
      {"an exception in stage 2, costing", [](SmallProject&) {}, "", 2, "", kModeCosting, 2},
      {"an exception inside stage 2", [](SmallProject&) {}, "", 2, "", kModeAssessment, 2, true},
      {"an exception inside stage 3, costing", [](SmallProject& t) { t.prog->sim.AnnEgy[common::kAnnHVAC] = 100; }, "",
       3, "", kModeCosting, 3, true},
      {"missing component file", [](SmallProject& t) { std::remove((t.prog->building.ProjDir + "B.FLC").c_str()); },
       "Error in reading component data!! B.FLC Err with G.FLR Impacting calculation terminated!!", 1},
      {"component of another kind",
       [](SmallProject& t) { t.folder.Write("proj/B.FLC", "\"B.FLC\"\r\n310\r\n\"B\"\r\n4\r\n1\r\n0\r\n"); },
       "B.FLC is for type  310 but not  210 Err with B.FLC Err with G.FLR Impacting calculation terminated!!", 1},
      {"group of another kind", [](SmallProject& t) { t.prog->building.Bldg.FdnGrpFile[0] = "G.FLR"; },
       "G.FLR is not a Foundations file! Impacting calculation terminated!!", 1},
      {"missing default data file",
       [](SmallProject& t) { std::remove((t.folder.Path() + "data/FABRIC/E1.IMP").c_str()); },
       "Error reading operations library. Err with A.FLC Err with G.FLR Impacting calculation terminated!!", 1},
      {"element of another kind",
       [](SmallProject& t) { t.folder.Write("proj/GEN2.SRE", "\"GEN2.SRE\"\r\n220\r\n\"x\"\r\n0\r\n\"\",\"\"\r\n"); },
       "GEN2.SRE is not for a Services element! Err with B.SRC Err with G.SER Impacting calculation terminated!!", 1},
      {"town gas of no services type",
       [](SmallProject& t) {
         t.prog->plant.NAC.NoOfGasSys = 1;
         t.prog->plant.NAC.GasSubSys[1] = 7;
       },
       "Sub-system of town gas system 1 out of range Impacting calculation terminated!!", 3},
      // Quantities too large for their amounts stop the run where a total
      // stops being finite, naming it.
      {"3E+36 in a generic element", [](SmallProject& t) { Edit(t, "GEN.FLE", "\"10\"", "\"3E+36\""); },
       "Total out of range in G.FLR Impacting calculation terminated!!", 1,
       "the impact category 2 of G.FLR is not a finite number (an overflow)"},
      {"3E+36 in a library element", [](SmallProject& t) { Edit(t, "LIB.FLE", "\"4\"", "\"3E+36\""); },
       "Error reading operations library. Err with A.FLC Err with G.FLR Impacting calculation terminated!!", 1,
       "the impact category 1 of LIB.FLE is not a finite number (an overflow)"},
      {"3E+36 in a library element, costing", [](SmallProject& t) { Edit(t, "LIB.FLE", "\"4\"", "\"3E+36\""); },
       "Total out of range Err with G.FLR Impacting calculation terminated!!", 1,
       "the cost of G.FLR is not a finite number (an overflow)", kModeCosting},
      {"3E+38 in a library element's formula", [](SmallProject& t) { Edit(t, "LIB.FLE", "\"4\"", "\"3E+38\""); },
       "Error reading operations library. Err with A.FLC Err with G.FLR Impacting calculation terminated!!", 1,
       "the quantity of material 2 of LIB.FLE is not a finite number (an overflow)"},
      {"3E+38 in a generic element, costing", [](SmallProject& t) { Edit(t, "GEN.FLE", "\"10\"", "\"3E+38\""); },
       "Total out of range in GEN.FLE Err with A.FLC Err with G.FLR Impacting calculation terminated!!", 1,
       "the cost of GEN.FLE is not a finite number (an overflow)", kModeCosting},
      {"town gas beyond the range",
       [](SmallProject& t) {
         t.prog->plant.NAC.NoOfGasSys = 1;
         t.prog->plant.NAC.GasSubSys[1] = 1;
         t.prog->plant.NAC.GasEgy[1] = 1e37f;
       },
       "Total out of range in the operating energy Impacting calculation terminated!!", 3,
       "the impact category 1 of the Services is not a finite number (an overflow)"},
      {"two elements whose sum overflows",
       [](SmallProject& t) {
         Edit(t, "GEN.FLE", "\"10\"", "\"1.5E+37\"");
         Edit(t, "LIB.FLE", "\"4\"", "\"5E+35\"");
       },
       "Total out of range Err with A.FLC Err with G.FLR Impacting calculation terminated!!", 1,
       "the impact category 10 of A.FLC is not a finite number (an overflow)"},
      // Each part finite, their sum not: a group's solid waste alone, a
      // kind's life total (two floor groups, over two stages) alone, the
      // building's total (foundations and floors) alone.
      {"solid waste alone", [](SmallProject& t) { WasteOnly(t, "GEN.FLE", "1.5E+38"); },
       "Total out of range Err with G.FLR Impacting calculation terminated!!", 1,
       "the solid waste of G.FLR is not a finite number (an overflow)"},
      {"a kind's life total alone",
       [](SmallProject& t) {
         WasteOnly(t, "GEN.FLE", "5E+36");
         auto& bldg = t.prog->building.Bldg;
         bldg.NoOfFlrGrp = 2;
         bldg.FlrGrpFile[1] = "G.FLR";
         bldg.FlrGrpQty[1] = 5;
       },
       "Total out of range in G.FLR Impacting calculation terminated!!", 2,
       "the solid waste of the Floors is not a finite number (an overflow)"},
      {"the building's total alone",
       [](SmallProject& t) {
         WasteOnly(t, "GEN.FDE", "2E+37");
         WasteOnly(t, "GEN.FLE", "2E+37");
       },
       "Total out of range in the building Impacting calculation terminated!!", 1,
       "the solid waste of the building is not a finite number (an overflow)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SmallProject fresh;
    ASSERT_EQ(fresh.RunAll(kModeAssessment), "");
    ASSERT_EQ(fresh.RunAll(kModeCosting), "");
    const common::LCAResultRec results = fresh.prog->assess.LCAResult;
    const common::GroupResultRec groups = fresh.prog->assess.GroupResult;
    const common::BldgRec runBldg = fresh.prog->building.Bldg;
    c.spoil(fresh);
    int stage = 0;
    ModCal::RunProgress progress;
    progress.stageBegins = [&](int begun) {
      stage = begun;
      if (begun == c.throwsAt && !c.inside) throw std::runtime_error("stopped");
    };
    progress.booked = [&](int booking) {
      if (booking == c.throwsAt && c.inside) throw std::runtime_error("stopped");
    };
    ModCal::RunOutcome outcome;
    auto run = [&] { outcome = ModCal::RunStages(*fresh.prog, c.mode, progress); };
    if (c.throwsAt > 0) {
      EXPECT_THROW(run(), std::runtime_error);
    } else {
      run();
    }
    EXPECT_EQ(outcome.errText, c.message);
    EXPECT_EQ(stage, c.failingStage);
    if (!c.reason.empty()) {
      EXPECT_EQ(outcome.reason, c.reason);
    }
    EXPECT_EQ(fresh.prog->assess.LCAResult, results);
    EXPECT_EQ(fresh.prog->assess.GroupResult, groups);
    EXPECT_EQ(fresh.prog->assess.RunBldg, runBldg);  // the building those results belong to
  }
}

// A stored name is read by its file part from the project folder, as the
// editors read it: files of the same names in the folder the name spells
// (here unreadable) are never booked.
TEST_F(CalculationTest, StoredFoldersAreNeverFollowed) {
  ASSERT_EQ(RunAll(kModeAssessment), "");
  const common::LCAResultRec expected = prog->assess.LCAResult;
  auto renamed = [](SmallProject& t, const std::string& file, const std::string& from, const std::string& to) {
    std::string text = t.folder.Read("proj/" + file);
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
    t.folder.Write("proj/" + file, text);
  };
  struct Case {
    const char* what;
    std::function<void(SmallProject&, const std::string&)> point;
  } cases[] = {
      {"group",
       [](SmallProject& t, const std::string& other) { t.prog->building.Bldg.FlrGrpFile[0] = other + "G.FLR"; }},
      {"component",
       [&](SmallProject& t, const std::string& other) { renamed(t, "G.FLR", "\"A.FLC\"", "\"" + other + "A.FLC\""); }},
      {"element", [&](SmallProject& t,
                      const std::string& other) { renamed(t, "A.FLC", "\"GEN.FLE\"", "\"" + other + "GEN.FLE\""); }},
  };
  for (const Case& c : cases) {
    for (bool full : {true, false}) {
      SmallProject fresh;
      for (const char* file : {"G.FLR", "A.FLC", "GEN.FLE", "GEN_.FLE"})
        fresh.folder.Write(std::string("other/") + file, "unreadable");
      // The full path, or the path from the project folder.
      const std::string other = full ? fresh.folder.Path() + "other/" : "../other/";
      SCOPED_TRACE(std::string(c.what) + " named " + other);
      c.point(fresh, other);
      EXPECT_EQ(fresh.RunAll(kModeAssessment), "");
      EXPECT_EQ(fresh.prog->assess.LCAResult.BldgImp, expected.BldgImp);
      EXPECT_EQ(fresh.prog->assess.LCAResult.FlrImp, expected.FlrImp);
    }
  }
}

TEST_F(CalculationTest, DivisionByZeroInAFormulaIsAnErrorNotANaN) {
  folder.Write("data/FOUND/E1.IMP", "1\r\n\"Steel\"\r\n2\r\n2\r\n1,0,\"a\",\"b\"\r\n4,4,\"c\",\"d\"\r\n10\r\n50\r\n");
  EXPECT_EQ(RunAll(kModeAssessment),
            "Error reading operations library. Err with A.FDC Err with G.FDN Impacting calculation terminated!!");
  EXPECT_FALSE(std::isnan(prog->assess.LCAResult.BldgImp[1][1]));
}

TEST_F(CalculationTest, MissingEnergyMaterialsWarnOnce) {
  std::string error;
  folder.Write("data/N.IDB", testsupport::LciaFile({{{1, 1}, {2, 10}}, {}, {}}));
  ASSERT_TRUE(
      ModCal::LoadLCIADatabase(prog->assess.mat, folder.Path() + "data/N.IDB", folder.Path() + "data/N.IDB", error));
  prog->sim.AnnEgy[0] = 100;
  ModCal::RunContext run;
  std::string errText;
  ModCal::CalcStage(*prog, kModeAssessment, 3, errText, run);
  EXPECT_EQ(errText, "");
  ASSERT_EQ(run.warnings.size(), 1u);
  EXPECT_NE(run.warnings[0].find("501 and 502"), std::string::npos);
  EXPECT_EQ(prog->assess.LCAResult.SerImp[3][2], 0);
  EXPECT_NEAR(prog->assess.LCAResult.SerEgy[3], 100 * 3.6 * 50, 1e-3);
}

}  // namespace
