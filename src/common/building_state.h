#pragma once
// Program-wide state of the project and building composition.
#include <array>
#include <string>

#include "common/value_types.h"

namespace common {

// The open project; also the head of a project file and of a result file.
struct BldgRec {
  std::string ProjFile;
  std::string ProjName;
  Single CFA = 0;
  Integer NoOfFdnGrp = 0;
  std::array<std::string, 10> FdnGrpFile{};
  std::array<std::string, 10> FdnGrpName{};
  std::array<Single, 10> FdnGrpQty{};
  Integer NoOfFlrGrp = 0;
  std::array<std::string, 20> FlrGrpFile{};
  std::array<std::string, 20> FlrGrpName{};
  std::array<Single, 20> FlrGrpQty{};
  Integer NoOfSerGrp = 0;
  std::array<std::string, 20> SerGrpFile{};
  std::array<std::string, 20> SerGrpName{};
  std::array<Single, 20> SerGrpQty{};

  bool operator==(const BldgRec&) const = default;
};

struct BuildingState {
  BldgRec Bldg;
  std::string ProjDir;   // project folder with a trailing separator, or empty
  std::string DataDir;   // data directory with a trailing separator, or empty
  std::string CurFileName;
  bool ProjSaved = true;

  // The LCIA database and profile files, and the element library folders
  // and files under the data directory.
  std::string LCIADbFile, LCIAProfFile;
  std::string FdnLibDir, FdnLibFile, FabLibDir, FabLibFile, ContLibDir, ContLibFile;
  std::string MechLibDir, MechLibFile, ElecLibDir, ElecLibFile;
  // True once a database has been loaded completely; DataDir alone does
  // not say so (the start-up may set it before the load).
  bool DatabaseLoaded = false;

  // Picker exchange.
  Integer SelItemNo = 0;
  std::string SelItemName;
};

}  // namespace common
