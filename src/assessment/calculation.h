#pragma once
// The life-cycle calculation: one stage of the whole building, walking its
// groups, components and elements, for the assessment (mode 0: impacts,
// energy use, solid waste) or the costing (mode 3: cost). Errors travel as
// text: each level appends " Err with " and its file, the stage
// " Impacting calculation terminated!!".
#include <map>
#include <string>
#include <vector>

#include "building/element_default_file.h"
#include "common/file_cache.h"
#include "common/program.h"

namespace ModCal {

// What a run keeps from stage to stage: the texts of the files it read and
// the element default data files it parsed (nothing changes them while the
// run goes on), and the warnings to show in the message panel.
struct RunContext {
  common::FileCache files;
  struct Defaults {
    building::DefaultsStatus status;
    building::ElementDefaults data;
  };
  std::map<std::string, Defaults> defaults;
  std::vector<std::string> warnings;
};

// One stage (1..4) of the current project; errText is empty on success.
void CalcStage(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run);

// The group CurGrp.GrpFile with its selected components.
void CalcGrp(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run);
// The component CurComp.CompFile with its selected elements.
void CalcComp(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run);
// The element CurElm.ElmFile, into the element cells SelElmIdx of CompSum.
void CalcElm(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run);

}  // namespace ModCal
