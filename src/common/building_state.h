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

// One group: its components in list order (at most 101).
struct GroupRec {
  std::string GrpFile;
  std::string GrpName;
  Single GrpQty = 0;  // 0 tells the editor the group is new
  Integer NoOfComp = 0;
  std::array<std::string, 101> GrpCompFile{};
  std::array<std::string, 101> GrpCompName{};
  std::array<Integer, 101> GrpCompType{};
  std::array<Single, 101> GrpCompQty{};

  bool operator==(const GroupRec&) const = default;
};

// One component: its elements in order (at most 20 used of 21 slots).
struct CompRec {
  std::string CompFile;
  std::string CompName;
  Integer CompType = -1;  // index into CompTypeName; < 0 not chosen
  Single CompQty = 0;
  Integer NoOfElm = 0;
  std::array<std::string, 21> CompElmFile{};
  std::array<std::string, 21> CompElmName{};
  std::array<Integer, 21> CompElmTypeNo{};  // 0 generic, -1 empty slot

  bool operator==(const CompRec&) const = default;
};

// One element: its type and up to 17 values and remarks, kept as typed.
struct ElmRec {
  std::string ElmFile;
  std::string ElmName;
  Integer ElmTypeNo = -1;  // 0 generic, -1 not chosen
  std::array<std::string, 17> ElmValue{};
  std::array<std::string, 17> ElmRemark{};

  bool operator==(const ElmRec&) const = default;
};

// The loaded element library: per row the type name and 16 (label, unit)
// pairs; rows are found through ElmLibRow of a type number.
struct ElementLibrary {
  Array2<std::string, 301, 33> ElmLib{};
  std::array<std::string, 301> ElmLibName{};
  std::array<Integer, 301> ElmLibNo{};
  std::array<Integer, 301> ElmLibRow{};
  std::string ElmLibHead;
  // True for each type number the last load read; the other entries of
  // ElmLibRow say nothing.
  std::array<bool, 301> ElmLibLoaded{};
};

// Material values of the element shown: row 0 the defaults, row 1 the
// values to be used; materials at positions 1..10.
struct ElementMaterialValues {
  Array2<Integer, 2, 11> ElmMatNo{};
  Array2<Single, 2, 11> ElmMatWas{};
  Array2<Single, 2, 11> ElmMatLife{};
  Array2<Single, 2, 11> ElmMatUCost{};
  bool ElmUserValFlag = false;
};

struct BuildingState {
  BldgRec Bldg;
  std::string ProjDir;  // project folder with a trailing separator, or empty
  std::string DataDir;  // data directory with a trailing separator, or empty
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

  // The group, component and element being edited or read.
  GroupRec CurGrp;
  CompRec CurComp;
  ElmRec CurElm;
  Integer GrpType = 0;      // 100 foundation, 200 floor, 300 services
  std::string GrpTypeName;  // "Foundation", "Floor", "Services"
  Integer CompTypeIdx = 0;  // component type within the group type
  Integer FileType = 0;     // kind code expected of the file being read
  Integer SelGrpIdx = -1;   // the group's row in its building list
  Integer SelCompIdx = 0;   // the component's row in its group
  Integer SelElmIdx = 0;    // the element's row in its component
  std::array<std::string, 20> CompTypeName{};
  ElementLibrary lib;
  ElementMaterialValues elmMat;

  // Picker exchange.
  Integer SelItemNo = 0;
  std::string SelItemName;

  std::string InpSumFile;  // the input summary report or workbook being written

  // The material and thickness dialog: 1 asks for a material, any other
  // value for a thickness (m), which it returns in InpMatThk.
  Integer InpMatMode = 0;
  Single InpMatThk = 0;
};

}  // namespace common
