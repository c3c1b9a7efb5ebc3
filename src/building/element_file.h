#pragma once
// The element file: one element, its type and its values as typed.
//
//   1 the file's own bare name (dropped when read)
//   2 kind code 120, 220 or 320 (group type + 20)
//   3 ElmName   4 ElmTypeNo (0..300)
//   then per slot k = 0, 1, ...: value, remark; the first line with an
//   empty value is written too and ends the list; at most 17 lines.
#include <optional>
#include <string>

#include "building/file_reading.h"
#include "common/building_state.h"

namespace building {

struct ElmFileKind {
  std::string FileFilter;
  common::Integer FileType = 0;
  std::string DefExt;
};

// The kind for st.GrpType, also made st.FileType, and st.CompTypeIdx :=
// `compTypeListIndex` (the component type whose library applies); nullopt
// (and nothing set) for an unknown group type.
std::optional<ElmFileKind> SetElmFileKind(common::BuildingState& st, int compTypeListIndex);

// Reads the element at `path` into `elm`, which changes only when the whole
// file was read (ElmFile stays the caller's). Value and remark slots after
// the terminating empty value are emptied, so nothing of an element read
// before survives in them.
ReadOutcome ReadElementFile(const std::string& path, common::Integer fileType, common::ElmRec& elm,
                            common::FileCache* cache = nullptr);

// The file's text; line 1 holds elm.ElmFile.
std::string ElementFileText(const common::ElmRec& elm, common::Integer fileType);

// Writes safely (a failed write leaves an old file intact). Refuses what
// the reader would refuse: a type out of range, a non-empty 17th value, a
// text that the file cannot hold.
bool WriteElementFile(const std::string& path, const common::ElmRec& elm, common::Integer fileType, std::string& error);

// The messages about an element file. The read error names the project
// folder (none before a full path) and the file with nothing between them.
std::string ElementKindMessage(const std::string& elmFile, const std::string& grpTypeName);
std::string ElementReadErrorMessage(const std::string& elmFile, const std::string& projDir);

}  // namespace building
