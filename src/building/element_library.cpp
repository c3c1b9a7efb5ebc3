#include "building/element_library.h"

#include "common/data_file.h"
#include "common/number_text.h"
#include "common/paths.h"
#include "common/project_paths.h"

namespace building {
namespace {

using common::Integer;

constexpr int kFields = 34;
constexpr int kMaxType = 300;

enum class Library { None, Foundation, Fabric, Contents, Mechanical, Electrical };

Library LibraryOf(Integer grpType, Integer compTypeIdx) {
  switch (grpType) {
    case 100:
      return Library::Foundation;
    case 200:
      return compTypeIdx == 2 ? Library::Contents : Library::Fabric;
    case 300:
      return compTypeIdx == 1 || compTypeIdx == 3 ? Library::Electrical : Library::Mechanical;
    default:
      return Library::None;
  }
}

// The library file and its folder as the state holds them; none for no library.
struct LibraryPaths {
  const std::string* file = nullptr;
  const std::string* folder = nullptr;
};

LibraryPaths PathsOf(const common::BuildingState& st, Library library) {
  switch (library) {
    case Library::Foundation:
      return {&st.FdnLibFile, &st.FdnLibDir};
    case Library::Fabric:
      return {&st.FabLibFile, &st.FabLibDir};
    case Library::Contents:
      return {&st.ContLibFile, &st.ContLibDir};
    case Library::Mechanical:
      return {&st.MechLibFile, &st.MechLibDir};
    case Library::Electrical:
      return {&st.ElecLibFile, &st.ElecLibDir};
    case Library::None:
      break;
  }
  return {};
}

void ResetLibrary(common::ElementLibrary& lib) {
  for (auto& row : lib.ElmLib)
    for (auto& field : row) field.clear();
  for (auto& name : lib.ElmLibName) name.clear();
  lib.ElmLibNo.fill(0);
  lib.ElmLibRow.fill(0);
  lib.ElmLibLoaded.fill(false);
  lib.ElmLibHead.clear();
}

// One type record: its number, then the name and the 32 label and unit
// fields. False at the end of the file or at a malformed field.
bool ReadTypeRecord(common::DataReader& in, double& number, std::array<std::string, 33>& fields) {
  std::string numberText;
  if (!in.Read(numberText) || !common::ParseNumber(numberText, number)) return false;
  for (auto& field : fields)
    if (!in.Read(field)) return false;
  return true;
}

}  // namespace

std::array<std::string, 20> CompTypeNamesOf(Integer grpType) {
  std::array<std::string, 20> names{};
  if (grpType == 100) {
    names[0] = "Foundation";
  } else if (grpType == 200) {
    names[0] = "Envelope";
    names[1] = "Frame";
    names[2] = "Contents";
  } else if (grpType == 300) {
    names[0] = "HVAC";
    names[1] = "Elec. & Lighting";
    names[2] = "Fire Services";
    names[3] = "Lifts & Escalators";
    names[4] = "P & D";
  }
  return names;
}

void SetLibraryPaths(common::BuildingState& st) {
  st.FdnLibDir = st.DataDir + "FOUND/";
  st.FdnLibFile = st.FdnLibDir + "FOUND.ELB";
  st.FabLibDir = st.DataDir + "FABRIC/";
  st.FabLibFile = st.FabLibDir + "FABRIC.ELB";
  st.ContLibDir = st.DataDir + "CONTENTS/";
  st.ContLibFile = st.ContLibDir + "CONTENTS.ELB";
  st.MechLibDir = st.DataDir + "MECHASER/";
  st.MechLibFile = st.MechLibDir + "MECHASER.ELB";
  st.ElecLibDir = st.DataDir + "ELECTSER/";
  st.ElecLibFile = st.ElecLibDir + "ELECTSER.ELB";
}

std::string ElementLibraryFile(const common::BuildingState& st, Integer grpType, Integer compTypeIdx) {
  const LibraryPaths paths = PathsOf(st, LibraryOf(grpType, compTypeIdx));
  return paths.file ? *paths.file : "";
}

std::string ElementLibraryFolder(const common::BuildingState& st, Integer grpType, Integer compTypeIdx) {
  const LibraryPaths paths = PathsOf(st, LibraryOf(grpType, compTypeIdx));
  return paths.folder ? *paths.folder : "";
}

LibraryLoad LoadElementLibrary(const std::string& path, common::ElementLibrary& lib, std::string* why) {
  // The whole table is emptied first, so that no row of an earlier library
  // survives under a type number this one lacks.
  ResetLibrary(lib);
  if (path.empty()) return LibraryLoad::NotOpened;
  auto text = common::ReadWholeFile(path, why);
  if (!text) return LibraryLoad::NotOpened;
  common::DataReader in(std::move(*text));

  std::array<std::string, kFields> header;
  for (auto& field : header)
    if (!in.Read(field)) return LibraryLoad::Opened;
  lib.ElmLibHead = header[1];

  std::array<std::string, 33> fields;
  for (int row = 0; row <= kMaxType; ++row) {
    double number = 0;
    if (!ReadTypeRecord(in, number, fields)) break;
    auto n = common::ToInteger(number);
    if (!n || *n < 0 || *n > kMaxType) break;
    lib.ElmLibRow[*n] = static_cast<Integer>(row);
    lib.ElmLibLoaded[*n] = true;
    lib.ElmLibNo[row] = *n;
    for (size_t k = 0; k < fields.size(); ++k) lib.ElmLib[row][k] = fields[k];
    lib.ElmLibName[row] = fields[0];
  }
  return LibraryLoad::Opened;
}

bool HasElementType(const common::ElementLibrary& lib, int typeNo) {
  return typeNo >= 0 && typeNo <= kMaxType && lib.ElmLibLoaded[typeNo];
}

int ElementTypeRow(const common::ElementLibrary& lib, int typeNo) {
  return HasElementType(lib, typeNo) ? lib.ElmLibRow[typeNo] : -1;
}

std::string ElementTypeName(const common::ElementLibrary& lib, int typeNo) {
  int row = ElementTypeRow(lib, typeNo);
  return row < 0 ? std::string() : lib.ElmLibName[row];
}

std::string LibraryNotOpenedMessage(const std::string& libFile) {
  return "Error in opening element library: " + libFile;
}

std::string TypeNotInLibraryMessage(int typeNo, const std::string& libFile) {
  return "Element type " + std::to_string(typeNo) + " not found in element library: " + libFile;
}

}  // namespace building

namespace ModInpCtl {

void SetCompTypeNames(common::BuildingState& st) { st.CompTypeName = building::CompTypeNamesOf(st.GrpType); }

building::LibraryLoad LoadElmLib(common::BuildingState& st, std::string* why) {
  std::string file = building::ElementLibraryFile(st, st.GrpType, st.CompTypeIdx);
  // The library file is a full path under the data folder; none is read
  // before a database is loaded.
  return building::LoadElementLibrary(common::PathIn("", file), st.lib, why);
}

}  // namespace ModInpCtl
