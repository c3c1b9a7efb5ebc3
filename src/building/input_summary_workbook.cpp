#include "building/input_summary_workbook.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "building/element_library.h"
#include "building/summary_reading.h"
#include "common/number_text.h"
#include "common/project_paths.h"

namespace ModInpCtl {
namespace {

constexpr const char* kNoWorkbook = "No spreadsheet workbook can be made on this system.";
constexpr std::array<const char*, 7> kHeadings = {"Component", "Element", "Element Type", "Item",
                                                  "Unit",      "Value",   "Remark"};
constexpr std::array<double, 8> kWidths = {20, 20, 20, 15, 20, 10, 10, 20};

// `end` is given in small letters.
bool EndsWithNoCase(const std::string& text, const std::string& end) {
  if (text.size() < end.size()) return false;
  return std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                    [](char e, char t) { return e == std::tolower(static_cast<unsigned char>(t)); });
}

// A text that is exactly one number, as a spreadsheet takes it for a
// number when it is put into a cell.
bool LooksNumeric(const std::string& text, double& value) {
  if (text.find_first_of("Dd") != std::string::npos) return false;
  return common::ParseNumber(text, value);
}

// The walk down the project's files. XlsRow is the row being written; only
// an input item moves it on, so names share the row of their first item.
class SummaryWorkbook {
 public:
  SummaryWorkbook(common::BuildingState& st, common::Workbook& book) : st_(st), book_(book) {}

  // False with `why` when a file cannot be read.
  bool WriteSections(std::string& why);

 private:
  template <size_t N>
  bool Section(const char* kind, int count, const std::array<std::string, N>& names,
               const std::array<std::string, N>& files, std::string& why);
  bool WriteGrpSummaryExcel(std::string& file, std::string& why);
  bool WriteCompSummaryExcel(std::string& file, std::string& why);
  bool WriteElmSummaryExcel(std::string& file, std::string& why);
  void Cell(int col, const std::string& text);
  void HeadRow(const char* kind);

  common::BuildingState& st_;
  common::Workbook& book_;
  common::FileCache files_;
  int XlsRow = 0;
};

void SummaryWorkbook::Cell(int col, const std::string& text) {
  double number = 0;
  if (LooksNumeric(text, number))
    book_.SetNumber(XlsRow, col, number);
  else
    book_.SetText(XlsRow, col, text);
}

void SummaryWorkbook::HeadRow(const char* kind) {
  Cell(1, kind);
  for (size_t c = 0; c < kHeadings.size(); ++c) Cell(static_cast<int>(c) + 2, kHeadings[c]);
  book_.SetRowBold(XlsRow);
}

template <size_t N>
bool SummaryWorkbook::Section(const char* kind, int count, const std::array<std::string, N>& names,
                              const std::array<std::string, N>& files, std::string& why) {
  HeadRow(kind);
  ++XlsRow;
  int n = std::clamp(count, 0, static_cast<int>(N));
  for (size_t g = 0; g < static_cast<size_t>(n); ++g) {
    Cell(1, names[g]);
    std::string file = files[g];
    if (!WriteGrpSummaryExcel(file, why)) return false;
  }
  return true;
}

bool SummaryWorkbook::WriteSections(std::string& why) {
  const auto& b = st_.Bldg;
  ++XlsRow;
  for (size_t c = 0; c < kWidths.size(); ++c) book_.SetColumnWidth(static_cast<int>(c) + 1, kWidths[c]);
  if (!Section("Foundation", b.NoOfFdnGrp, b.FdnGrpName, b.FdnGrpFile, why)) return false;
  ++XlsRow;  // the empty row between sections
  if (!Section("Floor", b.NoOfFlrGrp, b.FlrGrpName, b.FlrGrpFile, why)) return false;
  ++XlsRow;
  return Section("Services", b.NoOfSerGrp, b.SerGrpName, b.SerGrpFile, why);
}

bool SummaryWorkbook::WriteGrpSummaryExcel(std::string& file, std::string& why) {
  if (!building::ReadSummaryGroup(st_, file, files_, why)) return false;
  const common::GroupRec& grp = st_.CurGrp;
  for (int c = 0; c < grp.NoOfComp; ++c) {
    auto i = static_cast<size_t>(c);
    Cell(2, grp.GrpCompName[i]);
    file = grp.GrpCompFile[i];
    if (!WriteCompSummaryExcel(file, why)) return false;
  }
  return true;
}

bool SummaryWorkbook::WriteCompSummaryExcel(std::string& file, std::string& why) {
  if (!building::ReadSummaryComponent(st_, file, files_, why)) return false;
  const common::CompRec& comp = st_.CurComp;
  for (int e = 0; e < comp.NoOfElm; ++e) {
    auto i = static_cast<size_t>(e);
    std::string typeName;
    if (!building::LibraryTypeName(st_.lib, comp.CompElmTypeNo[i], typeName)) {
      why = file + ": element type " + std::to_string(comp.CompElmTypeNo[i]) + " is not in the element library";
      return false;
    }
    Cell(3, comp.CompElmName[i]);
    Cell(4, typeName);
    file = comp.CompElmFile[i];
    if (!WriteElmSummaryExcel(file, why)) return false;
  }
  return true;
}

bool SummaryWorkbook::WriteElmSummaryExcel(std::string& file, std::string& why) {
  if (!building::ReadSummaryElement(st_, file, files_, why)) return false;
  const common::ElmRec& elm = st_.CurElm;
  int row = building::ElementTypeRow(st_.lib, elm.ElmTypeNo);
  if (row < 0) {
    why = file + ": element type " + std::to_string(elm.ElmTypeNo) + " is not in the element library";
    return false;
  }
  const auto& lib = st_.lib.ElmLib[static_cast<size_t>(row)];
  for (size_t i = 0; i < 16 && !elm.ElmValue[i].empty(); ++i) {
    Cell(5, lib[2 * i + 1]);
    Cell(6, lib[2 * i + 2]);
    Cell(7, elm.ElmValue[i]);
    Cell(8, elm.ElmRemark[i]);
    ++XlsRow;
  }
  return true;
}

}  // namespace

std::string WorkbookFileName(const std::string& chosen) {
  if (EndsWithNoCase(chosen, ".xlsx")) return chosen;
  if (EndsWithNoCase(chosen, ".xls")) return chosen.substr(0, chosen.size() - 4) + ".xlsx";
  return chosen + ".xlsx";
}

building::CommandResult WriteInputSummaryExcel(common::BuildingState& st, common::Workbook* book) {
  if (!book) return {false, kNoWorkbook};
  std::string why;
  if (!book->SetSheetName(st.Bldg.ProjName, why)) return {false, why};
  SummaryWorkbook sheet(st, *book);
  if (!sheet.WriteSections(why) || !book->SaveAs(common::ProjectSaveFile(st.InpSumFile, st.ProjDir), why))
    return {false, why};
  return {true, "Input Summary written to Excel file: " + st.InpSumFile};
}

}  // namespace ModInpCtl
