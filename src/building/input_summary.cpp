#include "building/input_summary.h"

#include <algorithm>

#include "building/element_library.h"
#include "building/summary_reading.h"
#include "common/data_file.h"
#include "common/failure_text.h"
#include "common/number_text.h"
#include "common/paths.h"
#include "common/print_zones.h"
#include "common/project_paths.h"

namespace ModInpCtl {
namespace {

using common::ZonedLine;

// The report being built. Each section routine takes the name variable by
// reference and puts into it the file it descends into, so that it always
// names the file read at the deepest level.
class InputSummaryReport {
 public:
  explicit InputSummaryReport(common::BuildingState& st) : st_(st) {}

  bool WriteReport(std::string& file);
  const std::string& Text() const { return out_.Text(); }
  const std::string& Reason() const { return reason_; }

 private:
  bool WriteGrpSummary(std::string& file);
  bool WriteCompSummary(std::string& file);
  bool WriteElmSummary(std::string& file);
  void Line(std::string_view text) { out_.Line(text); }
  void Blank() { out_.Line(""); }
  template <size_t N>
  void GroupList(const char* countLabel, int count, const std::array<std::string, N>& names,
                 const std::array<common::Single, N>& qtys, const std::array<std::string, N>& files);
  template <size_t N>
  bool GroupBodies(const char* label, int count, const std::array<std::string, N>& names,
                   const std::array<std::string, N>& files, std::string& file);

  common::BuildingState& st_;
  common::FileCache files_;
  std::string reason_;  // why the file the report stopped at could not be read
  common::DataWriter out_;
};

// A count from memory, kept within its list.
template <size_t N>
int InList(int count) {
  return std::clamp(count, 0, static_cast<int>(N));
}

template <size_t N>
void InputSummaryReport::GroupList(const char* countLabel, int count, const std::array<std::string, N>& names,
                                   const std::array<common::Single, N>& qtys, const std::array<std::string, N>& files) {
  Line(ZonedLine({countLabel, common::PrintTextInt(count)}));
  Blank();
  for (int g = 0; g < InList<N>(count); ++g) {
    auto i = static_cast<size_t>(g);
    Line(ZonedLine({"Name:      ", names[i]}));
    Line(ZonedLine({"Qty. (No.):", common::PrintText(qtys[i])}));
    Line(ZonedLine({"In file:   ", files[i]}));
    Blank();
  }
}

template <size_t N>
bool InputSummaryReport::GroupBodies(const char* label, int count, const std::array<std::string, N>& names,
                                     const std::array<std::string, N>& files, std::string& file) {
  for (int g = 0; g < InList<N>(count); ++g) {
    auto i = static_cast<size_t>(g);
    Line(ZonedLine({label, names[i]}));
    Blank();
    file = files[i];
    if (!WriteGrpSummary(file)) return false;
  }
  return true;
}

bool InputSummaryReport::WriteReport(std::string& file) {
  const auto& b = st_.Bldg;
  Line(ZonedLine({"Input Summary Report for the Project named:", b.ProjName}));
  Blank();
  Line(ZonedLine({"Main Project File:", b.ProjFile}));
  Blank();
  Line(ZonedLine({"Construction Floor Area (sqm):", common::PrintText(b.CFA)}));
  Blank();
  Line("The Project comprises:");
  Blank();
  GroupList("No. of Foundation group(s):", b.NoOfFdnGrp, b.FdnGrpName, b.FdnGrpQty, b.FdnGrpFile);
  GroupList("No. of Floor(s):", b.NoOfFlrGrp, b.FlrGrpName, b.FlrGrpQty, b.FlrGrpFile);
  GroupList("No. of Services:", b.NoOfSerGrp, b.SerGrpName, b.SerGrpQty, b.SerGrpFile);

  if (!GroupBodies("For the Foundation Group:", b.NoOfFdnGrp, b.FdnGrpName, b.FdnGrpFile, file)) return false;
  if (!GroupBodies("For the Floor Group:", b.NoOfFlrGrp, b.FlrGrpName, b.FlrGrpFile, file)) return false;
  Blank();
  return GroupBodies("For the Services Group:", b.NoOfSerGrp, b.SerGrpName, b.SerGrpFile, file);
}

bool InputSummaryReport::WriteGrpSummary(std::string& file) {
  if (!building::ReadSummaryGroup(st_, file, files_, reason_)) return false;
  const common::GroupRec& grp = st_.CurGrp;
  Line(ZonedLine({"No. of Components in the Group:", common::PrintTextInt(grp.NoOfComp)}));
  Blank();
  if (grp.NoOfComp < 1) return true;
  for (int c = 0; c < grp.NoOfComp; ++c) {
    auto i = static_cast<size_t>(c);
    Line(ZonedLine({"Component Name:", grp.GrpCompName[i]}));
    Line(ZonedLine({"In file:       ", grp.GrpCompFile[i]}));
    Line(ZonedLine({"Component Type:", st_.CompTypeName[static_cast<size_t>(grp.GrpCompType[i])]}));
    Line(ZonedLine({"Qty. (No.):    ", common::PrintText(grp.GrpCompQty[i])}));
    Blank();
  }
  for (int c = 0; c < grp.NoOfComp; ++c) {
    auto i = static_cast<size_t>(c);
    Line(ZonedLine({"For the Component:", grp.GrpCompName[i]}));
    Blank();
    file = grp.GrpCompFile[i];
    if (!WriteCompSummary(file)) return false;
  }
  return true;
}

bool InputSummaryReport::WriteCompSummary(std::string& file) {
  if (!building::ReadSummaryComponent(st_, file, files_, reason_)) return false;
  const common::CompRec& comp = st_.CurComp;
  Line(ZonedLine({"No. of ELements in the Component:", common::PrintTextInt(comp.NoOfElm)}));
  Blank();
  for (int e = 0; e < comp.NoOfElm; ++e) {
    auto i = static_cast<size_t>(e);
    // An element type the library lacks cannot be named: the report ends.
    std::string typeName;
    if (!building::LibraryTypeName(st_.lib, comp.CompElmTypeNo[i], typeName)) return false;
    Line(ZonedLine({"Element Name:", comp.CompElmName[i]}));
    Line(ZonedLine({"Element Type:", typeName}));
    Line(ZonedLine({"In file:     ", comp.CompElmFile[i]}));
    Blank();
  }
  for (int e = 0; e < comp.NoOfElm; ++e) {
    auto i = static_cast<size_t>(e);
    Line(ZonedLine({"For the Element:", comp.CompElmName[i]}));
    Blank();
    file = comp.CompElmFile[i];
    if (!WriteElmSummary(file)) return false;
  }
  return true;
}

bool InputSummaryReport::WriteElmSummary(std::string& file) {
  if (!building::ReadSummaryElement(st_, file, files_, reason_)) return false;
  const common::ElmRec& elm = st_.CurElm;
  int row = building::ElementTypeRow(st_.lib, elm.ElmTypeNo);
  if (row < 0) return false;  // its items have no labels in the library
  const auto& lib = st_.lib.ElmLib[static_cast<size_t>(row)];
  // 16 items at most: their labels and units fill columns 1..32.
  for (size_t i = 0; i < 16 && !elm.ElmValue[i].empty(); ++i)
    Line(ZonedLine({lib[2 * i + 1], lib[2 * i + 2], elm.ElmValue[i], elm.ElmRemark[i]}));
  Blank();
  return true;
}

}  // namespace

building::CommandResult WriteInputSummary(common::BuildingState& st) {
  InputSummaryReport report(st);
  std::string file;
  bool complete = report.WriteReport(file);
  // What was written before a failure stays in the file.
  std::string path = common::ProjectSaveFile(st.InpSumFile, st.ProjDir);
  std::string why;
  if (!common::WriteFileSafely(path, report.Text(), &why))
    return {false, common::WithReason("Failed to open " + st.InpSumFile + " for output!", why)};
  if (!complete)
    return {false, common::WithReason("Error encountered. Currently reading from:" + file, report.Reason())};
  return {true, "Report written to file: " + st.InpSumFile};
}

}  // namespace ModInpCtl
