#include "assessment/selection_report.h"

#include <algorithm>
#include <vector>

#include "assessment/selection.h"
#include "building/summary_reading.h"
#include "common/data_file.h"
#include "common/failure_text.h"
#include "common/number_text.h"
#include "common/paths.h"
#include "common/project_paths.h"

namespace ModCal {
namespace {

using common::Integer;
using common::Single;

// The report being built. The items of a line follow each other directly;
// numbers in the print form. The name variable passed down names the group
// or component file read last.
class SelectionReport {
 public:
  SelectionReport(common::Program& prog) : st_(prog.building), sel_(prog.assess.sel) {}

  bool WriteReport(std::string& file);
  const std::string& Text() const { return out_.Text(); }
  const std::string& Reason() const { return reason_; }
  // Messages met on the way, shown before the report's own.
  const std::vector<std::string>& Messages() const { return messages_; }

 private:
  bool WriteGrpSelection(int g, std::string& file);
  bool WriteCompSelection(int g, int c, std::string& file);
  void Line(const std::string& text) { out_.Line(text); }
  void Blank() { out_.Line(""); }
  template <size_t N>
  void GroupList(int count, const std::array<std::string, N>& names, const std::array<Single, N>& qtys,
                 const std::array<std::string, N>& files, const std::array<Single, N>& factors);
  template <size_t N>
  bool GroupBodies(const char* label, int count, const std::array<std::string, N>& names,
                   const std::array<std::string, N>& files, const std::array<Single, N>& factors, std::string& file);
  // The selection of component c, or element e of it, of group g by the
  // tables of GrpType; false when GrpType names no tables or g lies beyond them.
  bool ComponentFactor(int g, int c, Single& factor) const;
  bool ElementFlag(int g, int c, int e, bool& flag) const;

  common::BuildingState& st_;
  const common::SelectionTables& sel_;
  common::FileCache files_;
  std::string reason_;  // why the file the report stopped at could not be read
  common::DataWriter out_;
  std::vector<std::string> messages_;
};

template <size_t N>
int InList(int count) {
  return std::clamp(count, 0, static_cast<int>(N));
}

template <size_t N>
void SelectionReport::GroupList(int count, const std::array<std::string, N>& names, const std::array<Single, N>& qtys,
                                const std::array<std::string, N>& files, const std::array<Single, N>& factors) {
  for (size_t g = 0; g < static_cast<size_t>(InList<N>(count)); ++g) {
    Line("Name:      " + names[g] + SelectionText(factors[g]));
    Line("Qty. (No.):" + common::PrintText(qtys[g]));
    Line("In file:   " + files[g]);
    Blank();
  }
}

template <size_t N>
bool SelectionReport::GroupBodies(const char* label, int count, const std::array<std::string, N>& names,
                                  const std::array<std::string, N>& files, const std::array<Single, N>& factors,
                                  std::string& file) {
  for (int g = 0; g < InList<N>(count); ++g) {
    auto i = static_cast<size_t>(g);
    if (!(factors[i] > 0)) continue;
    Line(label + names[i]);
    Blank();
    st_.SelGrpIdx = static_cast<Integer>(g);
    file = files[i];
    if (!WriteGrpSelection(g, file)) return false;
  }
  return true;
}

bool SelectionReport::WriteReport(std::string& file) {
  const auto& b = st_.Bldg;
  Line("Summary Report on Selection of Components and Elements");
  Line("for the Project named:" + b.ProjName);
  Blank();
  Line("Main Project File:" + b.ProjFile);
  Blank();
  Line("Construction Floor Area (sqm):" + common::PrintText(b.CFA));
  Blank();
  Line("The Project comprises:");
  Blank();
  Line("No. of Foundation group(s):" + common::PrintTextInt(b.NoOfFdnGrp));
  Blank();
  GroupList(b.NoOfFdnGrp, b.FdnGrpName, b.FdnGrpQty, b.FdnGrpFile, sel_.FdnGrpAssess);
  if (sel_.SkipAllFdn != 0) {
    Line("However, all Foundations are SKIPPED in the present selection!");
    Blank();
  }
  Line("No. of Floor(s):" + common::PrintTextInt(b.NoOfFlrGrp));
  Blank();
  GroupList(b.NoOfFlrGrp, b.FlrGrpName, b.FlrGrpQty, b.FlrGrpFile, sel_.FlrGrpAssess);
  if (sel_.SkipAllFlr != 0) {
    Line("However, all Floors are SKIPPED in the present selection!");
    Blank();
  }
  Line("No. of Services:" + common::PrintTextInt(b.NoOfSerGrp));
  GroupList(b.NoOfSerGrp, b.SerGrpName, b.SerGrpQty, b.SerGrpFile, sel_.SerGrpAssess);
  if (sel_.SkipAllSer != 0) {
    Line("However, all Services are SKIPPED in the present selection!");
    Blank();
  }
  Blank();

  if (sel_.SkipAllFdn == 0) {
    if (!GroupBodies("For the Foundation Group:", b.NoOfFdnGrp, b.FdnGrpName, b.FdnGrpFile, sel_.FdnGrpAssess, file))
      return false;
  }
  Blank();
  if (sel_.SkipAllFlr == 0) {
    if (!GroupBodies("For the Floor Group:", b.NoOfFlrGrp, b.FlrGrpName, b.FlrGrpFile, sel_.FlrGrpAssess, file))
      return false;
  }
  Blank();
  if (sel_.SkipAllSer == 0)
    return GroupBodies("For the Services Group:", b.NoOfSerGrp, b.SerGrpName, b.SerGrpFile, sel_.SerGrpAssess, file);
  return true;
}

bool SelectionReport::ComponentFactor(int g, int c, Single& factor) const {
  auto gi = static_cast<size_t>(g), ci = static_cast<size_t>(c);
  switch (st_.GrpType) {
    case 100:
      if (gi >= sel_.FdnCompAssess.size()) return false;
      factor = sel_.FdnCompAssess[gi][ci];
      return true;
    case 200:
      factor = sel_.FlrCompAssess[gi][ci];
      return true;
    case 300:
      factor = sel_.SerCompAssess[gi][ci];
      return true;
    default:
      return false;
  }
}

bool SelectionReport::ElementFlag(int g, int c, int e, bool& flag) const {
  auto gi = static_cast<size_t>(g), ci = static_cast<size_t>(c), ei = static_cast<size_t>(e);
  switch (st_.GrpType) {
    case 100:
      if (gi >= sel_.FdnElmAssess.size()) return false;
      flag = sel_.FdnElmAssess[gi][ci][ei];
      return true;
    case 200:
      flag = sel_.FlrElmAssess[gi][ci][ei];
      return true;
    case 300:
      flag = sel_.SerElmAssess[gi][ci][ei];
      return true;
    default:
      return false;
  }
}

bool SelectionReport::WriteGrpSelection(int g, std::string& file) {
  if (!building::ReadSummaryGroup(st_, file, files_, reason_)) return false;
  const common::GroupRec& grp = st_.CurGrp;
  Line("No. of Components in the Group:" + common::PrintTextInt(grp.NoOfComp));
  Blank();
  if (grp.NoOfComp < 1) return true;
  std::vector<std::string> texts(static_cast<size_t>(grp.NoOfComp));
  for (int c = 0; c < grp.NoOfComp; ++c) {
    auto i = static_cast<size_t>(c);
    Single factor = 0;
    if (!ComponentFactor(g, c, factor)) {
      // A file of no known group type has no selection tables: the report
      // ends here.
      if (st_.GrpType != 100 && st_.GrpType != 200 && st_.GrpType != 300)
        messages_.push_back("Error in Component type!!");
      return false;
    }
    texts[i] = SelectionText(factor);
    Line("Component Name:" + grp.GrpCompName[i] + texts[i]);
    Line("In file:       " + grp.GrpCompFile[i]);
    Line("Component Type:" + st_.CompTypeName[static_cast<size_t>(grp.GrpCompType[i])]);
    Line("Qty. (No.):    " + common::PrintText(grp.GrpCompQty[i]));
    Blank();
  }
  for (int c = 0; c < grp.NoOfComp; ++c) {
    auto i = static_cast<size_t>(c);
    if (texts[i] == "None") continue;
    Line("For the Component:" + grp.GrpCompName[i]);
    Blank();
    st_.SelCompIdx = static_cast<Integer>(c);
    file = grp.GrpCompFile[i];
    if (!WriteCompSelection(g, c, file)) return false;
  }
  return true;
}

bool SelectionReport::WriteCompSelection(int g, int c, std::string& file) {
  if (!building::ReadSummaryComponent(st_, file, files_, reason_)) return false;
  const common::CompRec& comp = st_.CurComp;
  Line("No. of ELements in the Component:" + common::PrintTextInt(comp.NoOfElm));
  Blank();
  for (int e = 0; e < comp.NoOfElm; ++e) {
    auto i = static_cast<size_t>(e);
    bool flag = false;
    std::string typeName;
    // An element type the library lacks cannot be named: the report ends.
    if (!ElementFlag(g, c, e, flag) || !building::LibraryTypeName(st_.lib, comp.CompElmTypeNo[i], typeName))
      return false;
    Line("Element Name:" + comp.CompElmName[i] + YesNoText(flag ? 1 : 0));
    Line("Element Type:" + typeName);
    Line("In file:     " + comp.CompElmFile[i]);
    Blank();
  }
  return true;
}

}  // namespace

SelectionReportResult WriteSelectionReport(common::Program& prog) {
  const std::string& name = prog.assess.SelSumFile;
  SelectionReport report(prog);
  std::string file;
  bool complete = report.WriteReport(file);
  // What was written before a failure stays in the file.
  std::string why;
  if (!common::WriteFileSafely(common::ProjectSaveFile(name, prog.building.ProjDir), report.Text(), &why))
    return {false, {common::WithReason("Failed to open " + name + " for output!", why)}};
  SelectionReportResult result{complete, report.Messages()};
  result.messages.push_back(
      complete ? "Report written to file: " + name
               : common::WithReason("Error encountered. Currently reading from:" + file, report.Reason()));
  return result;
}

}  // namespace ModCal
