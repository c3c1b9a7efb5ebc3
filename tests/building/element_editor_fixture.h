#pragma once
// The component and element editor with its pickers on a scripted
// platform: a temporary folder with a project folder "proj/" and a data
// directory "data/" holding a small floor fabric library, a material table
// filled in memory, and the group editor's inputs for a floor group.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "building/component_file.h"
#include "building/element_file.h"
#include "building/element_library.h"
#include "building/frm_elm_select.h"
#include "building/frm_group_comp.h"
#include "building/frm_inp_mat_data.h"
#include "building/frm_mat_lib.h"
#include "common/program.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace elmtest {

// A library type record: number, name and up to 16 (label, unit) items.
inline std::string LibraryRecord(const std::string& number, const std::string& name,
                                 const std::vector<std::pair<std::string, std::string>>& items) {
  std::string line = number + ",\"" + name + "\"";
  for (size_t i = 0; i < 16; ++i) {
    auto item = i < items.size() ? items[i] : std::pair<std::string, std::string>{};
    line += ",\"" + item.first + "\",\"" + item.second + "\"";
  }
  return line + "\r\n";
}

inline std::string LibraryHeader(const std::string& head) {
  std::string line = "\"LIB\",\"" + head + "\"";
  for (int i = 0; i < 32; ++i) line += ",\"\"";
  return line + "\r\n";
}

// Items "Item k" with units, the generic element's 16 rows.
inline std::vector<std::pair<std::string, std::string>> Items(int count, const std::string& unit = "m") {
  std::vector<std::pair<std::string, std::string>> items;
  for (int k = 1; k <= count; ++k) items.push_back({"Item " + std::to_string(k), unit});
  return items;
}

struct Material {
  int no;
  std::string name;
  std::string unit;
};

class ElementEditor : public ::testing::Test {
 protected:
  ElementEditor() {
    st.ProjDir = folder.Path() + "proj/";
    st.DataDir = folder.Path() + "data/";
    folder.Write("proj/.keep", "");
    building::SetLibraryPaths(st);
    folder.Write(
        "data/FABRIC/FABRIC.ELB",
        LibraryHeader("Floor Envelope and Frame Element Types") +
            LibraryRecord("0", "Generic Element", Items(16, "no.")) + LibraryRecord("1", "RC Wall", Items(3)) +
            LibraryRecord(
                "2", "Brick Wall",
                {{"Thickness", "m"}, {"Area", "m2"}, {"Mortar", "%"}, {"Render", "m"}, {"Note", ""}, {"Hidden", "x"}}) +
            LibraryRecord("7", "Timber Wall Panel", Items(2)));
    // Type 1 consumes two materials, type 7 none.
    folder.Write("data/FABRIC/E1.IMP",
                 "2\r\n\"Concrete\"\r\n12\r\n1\r\n1,0,\"Wall Thickness\",\"push\"\r\n5\r\n60\r\n"
                 "\"Rebar\"\r\n20\r\n0\r\n3\r\n40\r\n");
    folder.Write("data/FABRIC/E7.IMP", "0\r\n");
    SetMaterials({{12, "Concrete", "m3"}, {20, "Rebar", "kg"}, {120, "Brick", "kg"}},
                 {{201, "Steel pipe", "m"}, {202, "Copper pipe", "m"}});
    UseGroup(200);
    st.CurGrp.GrpName = "Level 1";
    st.SelGrpIdx = 0;
    st.SelCompIdx = 0;
  }

  // Fills the material table section by section: building materials, then
  // services materials; density 1000 + no, conductivity no / 100, specific
  // heat 800 + no, unit cost no / 2.
  void SetMaterials(const std::vector<Material>& buildingMats, const std::vector<Material>& servicesMats) {
    auto& t = prog.assess.mat;
    t = common::MaterialTable{};
    size_t r = 0;
    for (const auto* section : {&buildingMats, &servicesMats}) {
      t.MatListNo[r++] = static_cast<common::Integer>(section->size());
      for (const Material& m : *section) {
        t.MatListNo[r] = static_cast<common::Integer>(m.no);
        t.MatName[r] = m.name;
        t.MatUnit[r] = m.unit;
        t.MatProp[r] = {1000.0f + m.no, m.no / 100.0f, 800.0f + m.no};
        t.MatUCost[r] = m.no / 2.0f;
        t.MatIdx[static_cast<size_t>(m.no)] = static_cast<common::Integer>(r);
        ++r;
      }
    }
  }

  void UseGroup(common::Integer grpType) {
    st.GrpType = grpType;
    st.GrpTypeName = grpType == 100 ? "Foundation" : grpType == 200 ? "Floor" : "Services";
    ModInpCtl::SetCompTypeNames(st);
  }

  // An element file in the project folder.
  void WriteElement(const std::string& file, const std::string& name, int typeNo,
                    const std::vector<std::pair<std::string, std::string>>& values, int kind = 220) {
    common::ElmRec elm;
    elm.ElmFile = file;
    elm.ElmName = name;
    elm.ElmTypeNo = static_cast<common::Integer>(typeNo);
    for (size_t k = 0; k < values.size(); ++k) std::tie(elm.ElmValue[k], elm.ElmRemark[k]) = values[k];
    std::string error;
    ASSERT_TRUE(building::WriteElementFile(st.ProjDir + file, elm, static_cast<common::Integer>(kind), error)) << error;
  }

  // A component file in the project folder with elements (file, name, type),
  // and CurComp naming it as the group editor does for an existing component.
  void WriteComponent(const std::string& file, const std::string& name, int type,
                      const std::vector<std::tuple<std::string, std::string, int>>& elements) {
    common::CompRec comp;
    comp.CompFile = file;
    comp.CompName = name;
    comp.CompType = static_cast<common::Integer>(type);
    comp.CompQty = 2;
    comp.NoOfElm = static_cast<common::Integer>(elements.size());
    for (size_t i = 0; i < elements.size(); ++i) {
      auto [f, n, t] = elements[i];
      comp.CompElmFile[i] = f;
      comp.CompElmName[i] = n;
      comp.CompElmTypeNo[i] = static_cast<common::Integer>(t);
    }
    std::string error;
    ASSERT_TRUE(
        building::WriteComponentFile(st.ProjDir + file, comp, static_cast<common::Integer>(st.GrpType + 10), error))
        << error;
    st.CurComp = common::CompRec{};
    st.CurComp.CompFile = file;
    st.CurComp.CompName = name;
    st.CurComp.CompType = static_cast<common::Integer>(type);
    st.CurComp.CompQty = 2;
  }

  // The element-type picker, when it opens next, chooses the type named.
  void PickTypeNext(const std::string& typeName) {
    platform.OnModal("frmElmSelect", [typeName](forms::Form& f) {
      auto& picker = static_cast<building::frmElmSelect&>(f);
      for (int i = 0; i < picker.lstElmTypNam.ListCount(); ++i)
        if (picker.lstElmTypNam.List(i) == typeName) picker.lstElmTypNam.SetListIndex(i);
      picker.cmdOK.Click();
    });
  }

  // The material picker, when it opens next, returns material `no`; 0
  // closes it without a choice.
  void PickMaterialNext(int no) {
    platform.OnModal("frmMatLib", [this, no](forms::Form& f) {
      auto& picker = static_cast<building::frmMatLib&>(f);
      if (no > 0) picker.lstMatData.SetListIndex(prog.assess.mat.MatIdx[static_cast<size_t>(no)]);
      picker.cmdClose.Click();
      if (picker.IsLoaded()) picker.Unload();
    });
  }

  // Adds a new element of a library type through the window.
  void AddElement(const std::string& name, const std::string& typeName = "RC Wall") {
    w->cmdAddElm.Click();
    w->txtElmName.SetText(name);
    PickTypeNext(typeName);
    w->cmdElmType.Click();
    w->cmdSaveElm.Click();
  }

  std::vector<std::string> ListLines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < w->lstElm.ListCount(); ++i) lines.push_back(w->lstElm.List(i));
    return lines;
  }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  common::BuildingState& st = prog.building;
  std::unique_ptr<building::frmElmSelect> elmSelect = std::make_unique<building::frmElmSelect>(prog, platform);
  std::unique_ptr<building::frmMatLib> matLib = std::make_unique<building::frmMatLib>(prog, platform);
  std::unique_ptr<building::frmInpMatData> inpMatData =
      std::make_unique<building::frmInpMatData>(prog, platform, [this]() -> building::frmMatLib& { return *matLib; });
  forms::Form selCons{platform, "frmSelCons"};
  std::unique_ptr<building::frmGroupComp> w = std::make_unique<building::frmGroupComp>(
      prog, platform,
      building::GroupCompLinks{[this]() -> building::frmElmSelect& { return *elmSelect; },
                               [this]() -> building::frmMatLib& { return *matLib; },
                               [this]() -> building::frmInpMatData& { return *inpMatData; },
                               [this]() -> forms::Form& { return selCons; }});
};

}  // namespace elmtest
