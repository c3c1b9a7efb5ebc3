#pragma once
// The life-cycle calculation: one stage of the whole building, walking its
// groups, components and elements, for the assessment (mode 0: impacts,
// energy use, solid waste) or the costing (mode 3: cost). Errors travel as
// text: each level appends " Err with " and its file, the stage
// " Impacting calculation terminated!!".
#include <bitset>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "building/element_default_file.h"
#include "building/file_reading.h"
#include "building/user_value_file.h"
#include "common/file_cache.h"
#include "common/program.h"

namespace ModCal {

// What a run keeps from stage to stage, since nothing changes the files
// while it goes on: the files it looked up and read, the element default
// data files it parsed, each element as read (with its user values), and
// the warnings to show in the message panel.
struct RunContext {
  RunContext() { elements.reserve(4096); }
  common::FileCache files;
  struct Defaults {
    building::DefaultsStatus status;
    building::ElementDefaults data;
  };
  common::TextMap<Defaults> defaults;
  struct Element {
    building::FileRead status = building::FileRead::NotOpened;
    std::string error;  // why it was not read
    common::ElmRec rec;
    building::FileRead userStatus = building::FileRead::NotOpened;
    std::string userError;  // why the user values were not read
    building::UserValueFile user;
    const Defaults* defaults = nullptr;  // library elements
  };
  // By expected kind, component type and element file.
  common::TextMap<Element> elements;
  std::string key;  // reused to build the lookup keys
  std::vector<std::string> warnings;
  // Why the file that stopped the run could not be read, as its reader
  // said; shown under the error text.
  std::string reason;
  // Material numbers already named in a warning as missing from the database.
  std::bitset<common::kMaterialRows> missingMaterials;
  // RunProgress::booked.
  std::function<void(int stage)> booked;
};

// What the window shows while a run goes on: each stage as it begins and,
// after a stage that succeeded, each warning it gave, in that order; and
// each booking into the results while a stage goes on (a group's in
// stages 1, 2 and 4, the operating energy's in stage 3).
struct RunProgress {
  std::function<void(int stage)> stageBegins;
  std::function<void(const std::string& warning)> warning;
  std::function<void(int stage)> booked;
};

// How a run ended: the error text (empty on success) and why the file that
// stopped it could not be read, for a line under it. A completed run tells
// whether it also cleared the other mode's results, which were computed for
// groups the building no longer has as they were.
struct RunOutcome {
  std::string errText;
  std::string reason;
  bool otherModeCleared = false;
};

// A whole run of one mode: the mode's result cells cleared (both modes'
// when the group lists differ from those of the last completed run), then
// stages 1 to 4 (assessment) or 1 to 3 (costing). A run that completes
// records the building it computed in RunBldg. Only a run that completes
// changes the results: after an error text, or an exception (thrown on to
// the caller), LCAResult, GroupResult and RunBldg hold exactly what they
// held before it, never partial sums.
RunOutcome RunStages(common::Program& prog, int mode, const RunProgress& progress = {});

// One stage (1..4) of the current project; errText is empty on success.
void CalcStage(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run);

// The group CurGrp.GrpFile with its selected components.
void CalcGrp(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run);
// The component CurComp.CompFile with its selected elements.
void CalcComp(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run);
// The element CurElm.ElmFile, into the element cells SelElmIdx of CompSum.
void CalcElm(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run);

}  // namespace ModCal
