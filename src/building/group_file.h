#pragma once
// The group file: one foundation, floor or services group and its
// components.
//
//   1 the file's own bare name (dropped when read)
//   2 group type code 100, 200 or 300
//   3 GrpName   4 GrpQty   5 NoOfComp (0..101)
//   then per component: file, name, type index (0..19), number in group
#include <string>

#include "building/file_reading.h"
#include "common/building_state.h"

namespace building {

// The names that depend on the kind of group.
struct GroupKind {
  common::Integer GrpType;
  const char* DefExt;         // ".FDN"
  const char* GrpFileFilter;  // open-dialog filter
  const char* CountLabel;     // head of the per-component number column
};

// The kind of group type 100, 200 or 300; nullptr for any other code.
const GroupKind* GroupKindOf(common::Integer grpType);

// Reads the group at `path` into `grp`, which changes only when the whole
// file was read: name, number, count and the components listed (entries
// beyond them keep what they held). GrpFile is the caller's.
ReadOutcome ReadGroupFile(const std::string& path, common::Integer grpType, common::GroupRec& grp,
                          common::FileCache* cache = nullptr);

// Writes safely (a failed write leaves an old file intact). Refuses what
// the reader would refuse: a count or type out of range, a text that the
// file cannot hold.
bool WriteGroupFile(const std::string& path, const common::GroupRec& grp, common::Integer grpType, std::string& error);

// The messages about a group file.
std::string GroupKindMessage(const std::string& grpFile, const std::string& grpTypeName);
std::string GroupReadErrorMessage(const std::string& grpFile);
std::string GroupWriteErrorMessage(const std::string& grpTypeName);

}  // namespace building
