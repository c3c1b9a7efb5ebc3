#include "qtui/xlsx_workbook.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "common/paths.h"

namespace qtui {

namespace {

// A scratch file in the system's temporary folder, removed when done.
class ScratchFile {
 public:
  ScratchFile() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "ostrevo-XXXXXX.xlsx").string();
    int fd = mkstemps(tmpl.data(), 5);
    if (fd >= 0) {
      close(fd);
      path_ = tmpl;
    }
  }
  ~ScratchFile() {
    if (!path_.empty()) std::remove(path_.c_str());
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

bool InRange(int row, int col) { return row >= 1 && row <= 1048576 && col >= 1 && col <= 16384; }

// The description of a failure as the user reads it.
std::string Description(lxw_error err) {
  switch (err) {
    case LXW_ERROR_SHEETNAME_LENGTH_EXCEEDED:
      return "A sheet name can hold at most 31 characters.";
    case LXW_ERROR_INVALID_SHEETNAME_CHARACTER:
      return "A sheet name cannot contain any of the characters [ ] : * ? / \\";
    case LXW_ERROR_SHEETNAME_START_END_APOSTROPHE:
      return "A sheet name cannot start or end with an apostrophe.";
    case LXW_ERROR_SHEETNAME_ALREADY_USED:
      return "The sheet name is already in use.";
    case LXW_ERROR_32_STRING_LENGTH_EXCEEDED:
    case LXW_ERROR_128_STRING_LENGTH_EXCEEDED:
    case LXW_ERROR_255_STRING_LENGTH_EXCEEDED:
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
      return "A text is too long for a cell.";
    default:
      return lxw_strerror(err);
  }
}

}  // namespace

std::string XlsxWorkbook::SheetNameProblem(const std::string& name) {
  if (name.empty()) return "A sheet name cannot be blank.";
  // The name "History" is reserved by spreadsheet applications.
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "history") return "The sheet name History is reserved.";
  lxw_workbook* probe = workbook_new(nullptr);  // never saved: only checks the name
  if (probe == nullptr) return Description(LXW_ERROR_MEMORY_MALLOC_FAILED);
  lxw_error err = workbook_validate_sheet_name(probe, name.c_str());
  lxw_workbook_free(probe);
  return err == LXW_NO_ERROR ? std::string() : std::string(Description(err));
}

bool XlsxWorkbook::SetSheetName(const std::string& name, std::string& error) {
  error = SheetNameProblem(name);
  if (!error.empty()) return false;
  sheetName_ = name;
  return true;
}

void XlsxWorkbook::SetText(int row, int col, const std::string& text) {
  if (InRange(row, col)) cells_[{row, col}] = text;
}

void XlsxWorkbook::SetNumber(int row, int col, double value) {
  if (InRange(row, col)) cells_[{row, col}] = value;
}

void XlsxWorkbook::SetRowBold(int row) {
  if (InRange(row, 1)) boldRows_.insert(row);
}

void XlsxWorkbook::SetColumnWidth(int col, double width) {
  if (InRange(1, col)) widths_[col] = width;
}

bool XlsxWorkbook::SaveAs(const std::string& path, std::string& error) {
  ScratchFile scratch;
  if (scratch.Path().empty()) {
    error = Description(LXW_ERROR_CREATING_TMPFILE);
    return false;
  }
  lxw_workbook* book = workbook_new(scratch.Path().c_str());
  if (book == nullptr) {
    error = Description(LXW_ERROR_MEMORY_MALLOC_FAILED);
    return false;
  }
  lxw_worksheet* sheet = workbook_add_worksheet(book, sheetName_.c_str());
  lxw_format* bold = workbook_add_format(book);
  lxw_error err = sheet == nullptr || bold == nullptr ? LXW_ERROR_PARAMETER_VALIDATION : LXW_NO_ERROR;
  if (err == LXW_NO_ERROR) {
    format_set_bold(bold);
    for (const auto& [col, width] : widths_) {
      auto c = static_cast<lxw_col_t>(col - 1);
      worksheet_set_column(sheet, c, c, width, nullptr);
    }
    for (int row : boldRows_) worksheet_set_row(sheet, static_cast<lxw_row_t>(row - 1), LXW_DEF_ROW_HEIGHT, bold);
    for (const auto& [at, value] : cells_) {
      auto r = static_cast<lxw_row_t>(at.first - 1);
      auto c = static_cast<lxw_col_t>(at.second - 1);
      lxw_format* format = boldRows_.count(at.first) ? bold : nullptr;
      err = std::holds_alternative<double>(value)
                ? worksheet_write_number(sheet, r, c, std::get<double>(value), format)
                : worksheet_write_string(sheet, r, c, std::get<std::string>(value).c_str(), format);
      if (err != LXW_NO_ERROR) break;
    }
  }
  if (err != LXW_NO_ERROR) {
    lxw_workbook_free(book);
    error = Description(err);
    return false;
  }
  err = workbook_close(book);
  if (err != LXW_NO_ERROR) {
    error = Description(err);
    return false;
  }
  auto bytes = common::ReadFileAt(scratch.Path(), &error);
  return bytes && common::WriteFileSafely(path, *bytes, &error);
}

}  // namespace qtui
