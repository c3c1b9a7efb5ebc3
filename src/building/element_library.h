#pragma once
// Element libraries (.ELB): the component type names of a group type, which
// library serves a group and component type, and loading a library into the
// library table.
//
// A library file is a header record of 34 fields (field 2 the heading of
// the type list) and up to 301 type records of 34 fields: the type number
// (0..300), the type name and 16 (item label, unit) pairs. Fields follow
// one another whatever the line breaks.
#include <array>
#include <string>

#include "common/building_state.h"

namespace building {

enum class LibraryLoad { Opened, NotOpened };

// The component type names of group type 100, 200 or 300 by type index;
// all empty for any other code.
std::array<std::string, 20> CompTypeNamesOf(common::Integer grpType);

// The ten library paths under st.DataDir: FOUND, FABRIC, CONTENTS,
// MECHASER and ELECTSER, each a folder and its library file.
void SetLibraryPaths(common::BuildingState& st);

// The library file, and its folder, that serve a group type and component
// type index, from the library paths of `st`; empty for an unknown group
// type.
std::string ElementLibraryFile(const common::BuildingState& st, common::Integer grpType, common::Integer compTypeIdx);
std::string ElementLibraryFolder(const common::BuildingState& st, common::Integer grpType, common::Integer compTypeIdx);

// Empties the whole table, then loads it from the file at `path`. Reading
// stops without complaint at the end of the file, at a malformed or
// incomplete record, or at a type number outside 0..300; the records read
// before stay. NotOpened when the file cannot be read (the table is empty),
// with the reason in `why` when given.
LibraryLoad LoadElementLibrary(const std::string& path, common::ElementLibrary& lib, std::string* why = nullptr);

// Whether the last load read a record for `typeNo`; the table's row of that
// type, -1 when it has none; its name, empty when it has none.
bool HasElementType(const common::ElementLibrary& lib, int typeNo);
int ElementTypeRow(const common::ElementLibrary& lib, int typeNo);
std::string ElementTypeName(const common::ElementLibrary& lib, int typeNo);

// Messages of the callers that load a library for an element.
std::string LibraryNotOpenedMessage(const std::string& libFile);
std::string TypeNotInLibraryMessage(int typeNo, const std::string& libFile);

}  // namespace building

namespace ModInpCtl {

// Fills CompTypeName for st.GrpType (all empty for an unknown code).
void SetCompTypeNames(common::BuildingState& st);

// Loads the library of st.GrpType and st.CompTypeIdx into st.lib, the file
// resolved by the project-folder rule.
building::LibraryLoad LoadElmLib(common::BuildingState& st, std::string* why = nullptr);

}  // namespace ModInpCtl
