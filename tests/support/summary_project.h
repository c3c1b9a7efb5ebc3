#pragma once
// A small project for the summary tests, in a temporary folder made
// current: element libraries under data/, the group, component and element
// files under proj/, and the building record naming them.
//
//   Piling (FDN.FDN): Piles (PILES.FDC: Pile PILE.FDE type 5, two items;
//                      Spare SPARE.FDE type 0, no item),
//                     Caps (CAPS.FDC: Cap CAP.FDE type 0, one item)
//   Ground floor (GF.FLR): Slab (SLAB.FLC: Slab 150 SLAB.FLE type 5)
//   Typical (TYP.FLR): no components
//   Lifts (SER.SER): Lift (LIFT.SRC, type 3: Car CAR.SRE type 7)
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "building/component_file.h"
#include "building/element_file.h"
#include "building/element_library.h"
#include "building/group_file.h"
#include "common/building_state.h"
#include "support/temp_folder.h"

namespace testsupport {

struct SummaryElement {
  std::string file, name;
  common::Integer type;
  std::vector<std::pair<std::string, std::string>> items;
};
struct SummaryComponent {
  std::string file, name;
  common::Integer type;
  float qty;
  std::vector<SummaryElement> elements;
};

// The lines of a report, each of which must end with CR LF.
inline std::vector<std::string> ReportLines(const std::string& text) {
  std::vector<std::string> out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find("\r\n", pos);
    if (end == std::string::npos) {
      ADD_FAILURE() << "line without CR LF: " << text.substr(pos);
      break;
    }
    out.push_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  return out;
}

class SummaryProject {
 public:
  explicit SummaryProject(common::BuildingState& st) : st_(st) {
    st.DataDir = folder.Path() + "data/";
    building::SetLibraryPaths(st);
    st.ProjDir = folder.Path() + "proj/";
    folder.Write("proj/.keep", "");
    folder.Write("data/FOUND/FOUND.ELB", Library("Foundation elements", {{"0", "Generic"}, {"5", "Bored pile"}}));
    folder.Write("data/FABRIC/FABRIC.ELB", Library("Fabric elements", {{"5", "RC slab"}}));
    folder.Write("data/ELECTSER/ELECTSER.ELB", Library("Electrical elements", {{"7", "Lift car"}}));

    auto& b = st.Bldg;
    b.ProjFile = "TOWER.PRJ";
    b.ProjName = "Tower";
    b.CFA = 1500;
    b.NoOfFdnGrp = 1;
    b.FdnGrpFile[0] = "FDN.FDN", b.FdnGrpName[0] = "Piling", b.FdnGrpQty[0] = 1;
    b.NoOfFlrGrp = 2;
    b.FlrGrpFile[0] = "GF.FLR", b.FlrGrpName[0] = "Ground floor", b.FlrGrpQty[0] = 1;
    b.FlrGrpFile[1] = "TYP.FLR", b.FlrGrpName[1] = "Typical", b.FlrGrpQty[1] = 8;
    b.NoOfSerGrp = 1;
    b.SerGrpFile[0] = "SER.SER", b.SerGrpName[0] = "Lifts", b.SerGrpQty[0] = 1;

    Group("FDN.FDN", "Piling", 100,
          {{"PILES.FDC",
            "Piles",
            0,
            4,
            {{"PILE.FDE", "Pile", 5, {{"0.6", "dia"}, {"24", "m long"}}}, {"SPARE.FDE", "Spare", 0, {}}}},
           {"CAPS.FDC", "Caps", 0, 2, {{"CAP.FDE", "Cap", 0, {{"C30", "grade"}}}}}});
    Group("GF.FLR", "Ground floor", 200, {{"SLAB.FLC", "Slab", 0, 1, {{"SLAB.FLE", "Slab 150", 5, {{"150", "mm"}}}}}});
    Group("TYP.FLR", "Typical", 200, {});
    Group("SER.SER", "Lifts", 300, {{"LIFT.SRC", "Lift", 3, 1, {{"CAR.SRE", "Car", 7, {{"2", "cars"}}}}}});
  }

  // A library: the header record, then per (number, name) a record whose
  // 16 items are "<name> item k" in unit "uk".
  static std::string Library(const std::string& head, const std::vector<std::pair<std::string, std::string>>& types) {
    std::string text = "\"LIB\",\"" + head + "\"";
    for (int i = 0; i < 32; ++i) text += ",\"\"";
    text += "\r\n";
    for (const auto& [number, name] : types) {
      text += number + ",\"" + name + "\"";
      for (int item = 1; item <= 16; ++item)
        text += ",\"" + name + " item " + std::to_string(item) + "\",\"u" + std::to_string(item) + "\"";
      text += "\r\n";
    }
    return text;
  }

  void Group(const std::string& file, const std::string& name, common::Integer grpType,
             const std::vector<SummaryComponent>& comps) {
    common::GroupRec g;
    g.GrpFile = file;
    g.GrpName = name;
    g.GrpQty = 1;
    g.NoOfComp = static_cast<common::Integer>(comps.size());
    std::string error;
    for (size_t c = 0; c < comps.size(); ++c) {
      g.GrpCompFile[c] = comps[c].file;
      g.GrpCompName[c] = comps[c].name;
      g.GrpCompType[c] = comps[c].type;
      g.GrpCompQty[c] = comps[c].qty;
      common::CompRec comp;
      comp.CompFile = comps[c].file;
      comp.CompName = comps[c].name;
      comp.CompType = comps[c].type;
      comp.CompQty = comps[c].qty;
      comp.NoOfElm = static_cast<common::Integer>(comps[c].elements.size());
      for (size_t e = 0; e < comps[c].elements.size(); ++e) {
        const SummaryElement& se = comps[c].elements[e];
        comp.CompElmFile[e] = se.file;
        comp.CompElmName[e] = se.name;
        comp.CompElmTypeNo[e] = se.type;
        common::ElmRec elm;
        elm.ElmFile = se.file;
        elm.ElmName = se.name;
        elm.ElmTypeNo = se.type;
        for (size_t i = 0; i < se.items.size(); ++i) {
          elm.ElmValue[i] = se.items[i].first;
          elm.ElmRemark[i] = se.items[i].second;
        }
        EXPECT_TRUE(building::WriteElementFile(st_.ProjDir + se.file, elm, grpType + 20, error)) << error;
      }
      EXPECT_TRUE(building::WriteComponentFile(st_.ProjDir + comps[c].file, comp, grpType + 10, error)) << error;
    }
    EXPECT_TRUE(building::WriteGroupFile(st_.ProjDir + file, g, grpType, error)) << error;
  }

  std::string Read(const std::string& relative) const { return folder.Read(relative); }
  void Write(const std::string& relative, const std::string& text) const { folder.Write(relative, text); }
  void Remove(const std::string& projectFile) const { std::remove((st_.ProjDir + projectFile).c_str()); }

  TempFolder folder;

 private:
  common::BuildingState& st_;
};

}  // namespace testsupport
