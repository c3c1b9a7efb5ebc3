#include "assessment/result_table.h"

#include "assessment/non_finite_text.h"

namespace assessment {

const std::array<const char*, 13> TabCatName = {"",
                                                " 1. Abiotic Depl'n ",
                                                " 2. Global Warming ",
                                                " 3. Ozone Depl'n ",
                                                " 4. Hum Toxicity ",
                                                " 5. F W A Ecotox ",
                                                " 6. Mar A Ecotox ",
                                                " 7. Terri Ecotox ",
                                                " 8. Phc Oxid'n ",
                                                " 9. Acidification ",
                                                "10. Eutrophication",
                                                "11. Energy Use",
                                                "12. Solid Waste"};

const std::array<const char*, 13> TabCatUnit = {"",
                                                "kg Sb eq.",
                                                "kg CO2 eq.",
                                                "kg CFC-11 eq.",
                                                "kg 1,4-DB eq.",
                                                "kg 1,4-DB eq.",
                                                "kg 1,4-DB eq.",
                                                "kg 1,4-DB eq.",
                                                "kg C2H2",
                                                "kg SO2 eq.",
                                                "kg PO4 eq.",
                                                "MJ",
                                                "kg"};

namespace {

std::string Trimmed(std::string_view text) {
  const size_t a = text.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  return std::string(text.substr(a, text.find_last_not_of(' ') - a + 1));
}

}  // namespace

common::DataWriter ResultTableWriter(const ResultTableContent& c) {
  common::DataWriter w;
  // Each number names its row (and its column where the row has several).
  auto num = [&](const std::string& box, std::string_view field) { w.Dbl(BoxNumber(box), field); };
  auto blanks = [&](int n) {
    for (int i = 0; i < n; ++i) w.Str("");
  };
  w.Str("Project:").Str(c.projName);
  blanks(3);
  w.EndLine();
  blanks(5);
  w.EndLine();
  w.Str("Case").Str("Building Parts").Str("").Str("").Str("Life Cycle Stage").EndLine();
  for (const auto& t : c.choice) w.Str(t);
  w.EndLine();
  blanks(5);
  w.EndLine();
  w.Str("LCIA/LCC Results");
  blanks(4);
  w.EndLine();
  w.Str("Impact Categories").Str("Characterised").Str("Unit").Str("Normalised").Str("Weighted").EndLine();
  for (size_t k = 1; k <= 10; ++k) {
    const std::string name = Trimmed(TabCatName[k]);
    w.Str(TabCatName[k]);
    num(c.characterised[k], "Characterised " + name);
    w.Str(TabCatUnit[k]);
    num(c.normalised[k], "Normalised " + name);
    num(c.weighted[k], "Weighted " + name);
    w.EndLine();
  }
  w.Str(TabCatName[11]);
  num(c.energy, TabCatName[11]);
  w.Str(TabCatUnit[11]).Str(c.totalCaption);
  num(c.weightedTotal, Trimmed(c.totalCaption));
  w.EndLine();
  w.Str(TabCatName[12]);
  num(c.waste, TabCatName[12]);
  w.Str(TabCatUnit[12]).Str(c.costCaption);
  num(c.cost, Trimmed(c.costCaption));
  w.EndLine();
  w.Str("").Str("").Str("").Str("Total LCA/LCC Score").Str(c.score).EndLine();
  return w;
}

}  // namespace assessment
