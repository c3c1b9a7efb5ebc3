#pragma once
// A fresh project for the composition tests: a temporary folder made
// current, a project folder "proj/" inside it, a scripted platform that
// answers the commands' questions and dialogs, and the building state.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "building/frm_platform_dialogs.h"
#include "common/building_state.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace buildingtest {

class Composition : public ::testing::Test {
 protected:
  Composition() {
    st.ProjDir = folder.Path() + "proj/";
    folder.Write("proj/.keep", "");
  }

  // Sets the group type and its word, as the building window does.
  void UseGroup(common::Integer grpType) {
    st.GrpType = grpType;
    st.GrpTypeName = grpType == 100 ? "Foundation" : grpType == 200 ? "Floor" : "Services";
  }

  std::string InProject(const std::string& name) const { return st.ProjDir + name; }
  std::string ReadProject(const std::string& name) const { return folder.Read("proj/" + name); }
  void WriteProject(const std::string& name, const std::string& text) const { folder.Write("proj/" + name, text); }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  building::PlatformDialogs dialogs{platform};
  common::BuildingState st;
};

// A library file: the header record with `head`, then one record per
// (type number text, type name) with its 16 items labelled from the name.
inline std::string LibraryText(const std::string& head, const std::vector<std::pair<std::string, std::string>>& types) {
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

}  // namespace buildingtest
