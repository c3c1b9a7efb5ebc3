// The element calculation: the materials of one element, their quantities
// from the element's values (generic elements) or from the formulas of the
// element type's default data file (library elements), booked for a stage.
#include <utility>
#include <vector>

#include "assessment/calculation.h"
#include "assessment/element_booking.h"
#include "assessment/formula_machine.h"
#include "assessment/results.h"
#include "building/element_file.h"
#include "building/element_library.h"
#include "building/user_value_file.h"
#include "common/number_text.h"

namespace ModCal {
namespace {

using common::Integer;
using common::Single;

constexpr const char* kOperationsLibraryError = "Error reading operations library.";

// The element type's default data file, parsed once per run.
const RunContext::Defaults& DefaultsOf(RunContext& run, const std::string& path) {
  auto it = run.defaults.find(path);
  if (it != run.defaults.end()) return it->second;
  RunContext::Defaults d{building::DefaultsStatus::Malformed, {}};
  if (const auto& text = run.files.Text(path)) d.status = building::ParseElementDefaults(*text, d.data);
  return run.defaults.emplace(path, std::move(d)).first->second;
}

// Reads the element's user-value file (`lines` material lines, or as many
// as its first line says).
building::FileRead ReadUserValues(common::Program& prog, RunContext& run, std::optional<int> lines,
                                  building::UserValueFile& uv) {
  auto name = building::UserValueFileName(prog.building.CurElm.ElmFile);
  if (!name) return building::FileRead::NotOpened;
  const std::string& path = run.files.Resolve(*name, prog.building.ProjDir);
  return building::ReadUserValueFile(path, lines, uv, &run.files).status;
}

std::optional<Single> ValueOf(const std::string& text) {
  return common::ToSingle(common::LeadingNumber(text));
}

void ClearUserRow(common::ElementMaterialValues& mat) {
  for (size_t m = 0; m <= 10; ++m) {
    mat.ElmMatNo[1][m] = 0;
    mat.ElmMatWas[1][m] = mat.ElmMatLife[1][m] = mat.ElmMatUCost[1][m] = 0;
  }
}

void TakeUserRow(common::ElementMaterialValues& mat, const building::UserValueFile& uv) {
  for (size_t m = 1; m <= static_cast<size_t>(uv.Count); ++m) {
    mat.ElmMatNo[1][m] = uv.MatNo[m];
    mat.ElmMatWas[1][m] = uv.MatWas[m];
    mat.ElmMatLife[1][m] = uv.MatLife[m];
    mat.ElmMatUCost[1][m] = uv.MatUCost[m];
  }
}

// A generic element names up to four materials in its own values:
// material no., quantity, wastage %, life, in four rows each.
std::string CalcGeneric(common::Program& prog, int mode, int stage, RunContext& run) {
  auto& b = prog.building;
  auto& mat = b.elmMat;
  const auto& elm = b.CurElm;
  // User values apply to the materials the file lists and no others; what
  // an earlier element left in row 1 is cleared first.
  mat.ElmUserValFlag = false;
  ClearUserRow(mat);
  building::UserValueFile uv;
  int userCount = 0;
  switch (ReadUserValues(prog, run, std::nullopt, uv)) {
    case building::FileRead::Ok:
      if (uv.InForce > 0) {
        TakeUserRow(mat, uv);
        userCount = uv.Count;
        mat.ElmUserValFlag = true;
      }
      break;
    case building::FileRead::NotOpened:
      break;
    default:
      return "Error in reading the user values of " + elm.ElmFile;
  }
  for (int m = 0; m < 4; ++m) {
    const size_t row = static_cast<size_t>(4 * m);
    if (elm.ElmValue[row].empty()) break;
    auto qty = ValueOf(elm.ElmValue[row + 1]);
    MaterialUse use;
    if (!qty) return "Quantity out of range in " + elm.ElmFile;
    use.quantity = *qty;
    const size_t u = static_cast<size_t>(m + 1);
    if (mat.ElmUserValFlag && m + 1 <= userCount) {
      use.matNo = mat.ElmMatNo[1][u];
      use.wastage = static_cast<Single>(mat.ElmMatWas[1][u] / 100.0);
      use.life = mat.ElmMatLife[1][u];
      use.unitCost = mat.ElmMatUCost[1][u];
    } else {
      auto no = common::ToInteger(common::LeadingNumber(elm.ElmValue[row]));
      auto was = ValueOf(elm.ElmValue[row + 2]);
      auto life = ValueOf(elm.ElmValue[row + 3]);
      if (!no || *no < 0 || *no > 510) return "Material no. out of range in " + elm.ElmFile;
      if (!was || !life) return "Wastage or life out of range in " + elm.ElmFile;
      use.matNo = *no;
      use.wastage = static_cast<Single>(*was / 100.0);
      use.life = *life;
    }
    if (!BookMaterial(mode, stage, use, prog.assess.mat, prog.assess.factors, prog.assess.CompSum,
                      b.SelElmIdx))
      return "Life expectancy too short in " + elm.ElmFile;
  }
  return {};
}

// A library element takes its materials and formulas from the default data
// file of its type; user values in force replace material, wastage, life
// and unit cost.
std::string CalcLibrary(common::Program& prog, int mode, int stage, RunContext& run) {
  auto& b = prog.building;
  auto& mat = b.elmMat;
  const auto& table = prog.assess.mat;
  std::string folder = building::ElementLibraryFolder(b, static_cast<Integer>(b.FileType - 20), b.CompTypeIdx);
  if (folder.empty()) return kOperationsLibraryError;
  std::string name = folder + building::ElementDefaultFileName(b.CurElm.ElmTypeNo, mode == kModeCosting ? ".CST" : ".IMP");
  const auto& defaults = DefaultsOf(run, run.files.Resolve(name, b.ProjDir));
  if (defaults.status == building::DefaultsStatus::NoMaterial) return "No. of Mat'l in Elm. = 0";
  if (defaults.status != building::DefaultsStatus::Ok) return kOperationsLibraryError;
  const auto& materials = defaults.data.materials;
  const int n = static_cast<int>(materials.size());

  mat.ElmUserValFlag = false;
  building::UserValueFile uv;
  if (ReadUserValues(prog, run, n, uv) == building::FileRead::Ok && uv.InForce != 0) {
    TakeUserRow(mat, uv);
    for (int m = 1; m <= n; ++m) {
      const auto& d = materials[static_cast<size_t>(m - 1)];
      const size_t i = static_cast<size_t>(m);
      mat.ElmMatNo[0][i] = d.matNo;
      mat.ElmMatUCost[0][i] = table.MatUCost[static_cast<size_t>(table.MatIdx[static_cast<size_t>(d.matNo)])];
      mat.ElmMatWas[0][i] = d.wastage;
      mat.ElmMatLife[0][i] = d.life;
    }
    mat.ElmUserValFlag = true;
  }

  std::vector<std::pair<Integer, Integer>> substitutions;
  if (mat.ElmUserValFlag)
    for (size_t j = 1; j <= static_cast<size_t>(n); ++j) substitutions.emplace_back(mat.ElmMatNo[0][j], mat.ElmMatNo[1][j]);

  for (int m = 1; m <= n; ++m) {
    const auto& d = materials[static_cast<size_t>(m - 1)];
    const size_t i = static_cast<size_t>(m);
    MaterialUse use;
    use.matNo = mat.ElmUserValFlag ? mat.ElmMatNo[1][i] : d.matNo;
    if (use.matNo < 0 || use.matNo > 510) return kOperationsLibraryError;
    FormulaContext context{table, b.CurElm.ElmValue, mat.ElmUserValFlag ? &substitutions : nullptr};
    auto qty = EvaluateFormula(d.formula, context);
    if (!qty) return kOperationsLibraryError;
    use.quantity = *qty;
    use.wastage = static_cast<Single>((mat.ElmUserValFlag ? mat.ElmMatWas[1][i] : d.wastage) / 100.0);
    use.life = mat.ElmUserValFlag ? mat.ElmMatLife[1][i] : d.life;
    if (mat.ElmUserValFlag) use.unitCost = mat.ElmMatUCost[1][i];
    if (!BookMaterial(mode, stage, use, table, prog.assess.factors, prog.assess.CompSum, b.SelElmIdx))
      return kOperationsLibraryError;
  }
  return {};
}

}  // namespace

void CalcElm(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run) {
  auto& b = prog.building;
  const std::string& path = run.files.Resolve(b.CurElm.ElmFile, b.ProjDir);
  auto read = building::ReadElementFile(path, b.FileType, b.CurElm, &run.files);
  switch (read.status) {
    case building::FileRead::Ok:
      break;
    case building::FileRead::WrongKind:
      errText = b.CurElm.ElmFile + " is not for a " + b.GrpTypeName + " element!";
      return;
    default:
      errText = "Error in reading element file " + b.CurElm.ElmFile;
      return;
  }
  errText = b.CurElm.ElmTypeNo == 0 ? CalcGeneric(prog, mode, stage, run) : CalcLibrary(prog, mode, stage, run);
}

}  // namespace ModCal
