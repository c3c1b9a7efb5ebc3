#pragma once
// The component file: one component and its elements in order.
//
//   1 the file's own bare name (dropped when read)
//   2 kind code 110, 210 or 310 (group type + 10)
//   3 CompName   4 CompType (0..19)   5 CompQty   6 NoOfElm (0..20)
//   then per element: file, name, type number (-1..300)
#include <optional>
#include <string>

#include "building/file_reading.h"
#include "common/building_state.h"

namespace building {

// The component file kind of a group type.
struct CompFileKind {
  std::string FileFilter;
  common::Integer FileType = 0;
  std::string DefExt;
  bool SaveAsConstruction = false;  // whether "Save As Construction" is enabled
};

// The kind for st.GrpType, also made st.FileType; nullopt (and nothing
// set) for an unknown group type.
std::optional<CompFileKind> SetCompFileKind(common::BuildingState& st);

// Reads the component at `path` into `comp`, which changes only when the
// whole file was read (CompFile stays the caller's; element slots beyond
// the count keep what they held).
ReadOutcome ReadComponentFile(const std::string& path, common::Integer fileType, common::CompRec& comp,
                              common::FileCache* cache = nullptr);

// Writes safely (a failed write leaves an old file intact). Refuses what
// the reader would refuse: a count or type out of range, a text that the
// file cannot hold.
bool WriteComponentFile(const std::string& path, const common::CompRec& comp, common::Integer fileType,
                        std::string& error);

// "<file> is for type  210 but not  310": each code as the short number
// text writes it, with a blank in front.
std::string ComponentKindMessage(const std::string& compFile, common::Integer found, common::Integer expected);

}  // namespace building
