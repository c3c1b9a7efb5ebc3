#include "bench/large_project.h"

#include <fstream>

#include "common/data_file.h"

namespace bench {
namespace {

struct Kind {
  int grpType;
  const char* grpExt;
  const char* compExt;
  const char* elmExt;
  int compTypes;              // component types of the kind
  std::vector<int> libTypes;  // library types per component type (count of types 1..n)
};

void Save(const std::string& path, const std::string& text, std::vector<std::string>& written) {
  std::ofstream(path, std::ios::binary) << text;
  written.push_back(path);
}

// Element values: library types get positive numbers for every item; generic
// elements name two materials (concrete in m3 and reinforcement in kg).
std::string ElementText(const std::string& name, int kindCode, int typeNo, int seed) {
  common::DataWriter w;
  w.Str(name).EndLine().Int(kindCode).EndLine().Str(name).EndLine().Int(typeNo).EndLine();
  if (typeNo == 0) {
    const char* values[] = {"3", "12.5", "5", "50", "20", "850", "3", "25"};
    for (const char* v : values) w.Str(v).Str("").EndLine();
  } else {
    for (int k = 0; k < 16; ++k) w.Str(std::to_string(1 + (seed + k) % 7) + ".5").Str("").EndLine();
  }
  w.Str("").Str("").EndLine();
  return w.Text();
}

}  // namespace

std::vector<std::string> WriteLargeProject(const std::string& folder, const LargeProjectShape& shape) {
  // Library types available per component type: foundation 1..11; floor
  // envelope and frame 1..14, contents 1..15; services 1..15.
  const Kind kinds[] = {
      {100, ".FDN", ".FDC", ".FDE", 1, {11}},
      {200, ".FLR", ".FLC", ".FLE", 3, {14, 14, 15}},
      {300, ".SER", ".SRC", ".SRE", 5, {15, 15, 15, 15, 15}},
  };
  const int groupCounts[] = {shape.foundationGroups, shape.floorGroups, shape.servicesGroups};
  std::vector<std::string> written;
  common::DataWriter project;
  project.Str("LARGE.PRJ").EndLine().Str("Large benchmark building").Sng(25000).EndLine();

  for (int kindIdx = 0; kindIdx < 3; ++kindIdx) {
    const Kind& kind = kinds[kindIdx];
    project.Int(groupCounts[kindIdx]).EndLine();
    for (int g = 0; g < groupCounts[kindIdx]; ++g) {
      std::string grpName = "G" + std::to_string(kind.grpType) + "_" + std::to_string(g);
      std::string grpFile = grpName + kind.grpExt;
      project.Str(grpFile).Str(grpName).Sng(1 + g % 3).EndLine();
      common::DataWriter grp;
      grp.Str(grpFile).EndLine().Int(kind.grpType).EndLine().Str(grpName).EndLine().Sng(1).EndLine();
      grp.Int(shape.componentsPerGroup).EndLine();
      for (int c = 0; c < shape.componentsPerGroup; ++c) {
        int compType = c % kind.compTypes;
        std::string compName = grpName + "_C" + std::to_string(c);
        std::string compFile = compName + kind.compExt;
        grp.Str(compFile).Str(compName).Int(compType).Sng(1 + c % 2).EndLine();
        common::DataWriter comp;
        comp.Str(compFile).EndLine().Int(kind.grpType + 10).EndLine().Str(compName).EndLine();
        comp.Int(compType).EndLine().Sng(1).EndLine().Int(shape.elementsPerComponent).EndLine();
        for (int e = 0; e < shape.elementsPerComponent; ++e) {
          int types = kind.libTypes[static_cast<size_t>(compType)];
          int typeNo = e % 3 == 0 ? 0 : 1 + (g + c + e) % types;
          std::string elmName = compName + "_E" + std::to_string(e);
          std::string elmFile = elmName + kind.elmExt;
          comp.Str(elmFile).Str(elmName).Int(typeNo).EndLine();
          Save(folder + elmFile, ElementText(elmFile, kind.grpType + 20, typeNo, g + c + e), written);
          if (e % 5 == 4) {
            // A user-value file in force for some elements.
            std::string user = elmFile.substr(0, elmFile.size() - 4) + "_" + elmFile.substr(elmFile.size() - 4);
            common::DataWriter uv;
            uv.Int(0).EndLine();
            Save(folder + user, uv.Text(), written);
          }
        }
        Save(folder + compFile, comp.Text(), written);
      }
      Save(folder + grpFile, grp.Text(), written);
    }
  }
  Save(folder + "LARGE.PRJ", project.Text(), written);
  return written;
}

}  // namespace bench
