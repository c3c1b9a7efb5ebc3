// The element calculation: the materials of one element, their quantities
// from the element's values (generic elements) or from the formulas of the
// element type's default data file (library elements), booked for a stage.
#include <utility>
#include <vector>

#include "assessment/calculation.h"
#include "assessment/element_booking.h"
#include "assessment/formula_machine.h"
#include "assessment/lcia_database.h"
#include "assessment/results.h"
#include "assessment/run_overflow.h"
#include "building/element_file.h"
#include "building/element_library.h"
#include "common/failure_text.h"
#include "common/number_text.h"
#include "common/paths.h"
#include "common/project_paths.h"

namespace ModCal {
namespace {

using common::Integer;
using common::Single;
using Element = RunContext::Element;

constexpr const char* kOperationsLibraryError = "Error reading operations library.";

// The element type's default data file, parsed once per run.
const RunContext::Defaults& DefaultsOf(RunContext& run, const std::string& path) {
  auto it = run.defaults.find(path);
  if (it != run.defaults.end()) return it->second;
  RunContext::Defaults d{building::DefaultsStatus::Malformed, {}};
  if (auto found = run.files.Find(path))
    if (auto text = common::ReadFileAt(*found)) d.status = building::ParseElementDefaults(std::move(*text), d.data);
  return run.defaults.emplace(path, std::move(d)).first->second;
}

// Reads the element's user-value file (`lines` material lines, or as many
// as its first line says).
void ReadUserValues(common::Program& prog, RunContext& run, std::optional<int> lines, Element& e) {
  auto name = building::UserValueFileName(e.rec.ElmFile);
  if (!name) return;
  auto found = run.files.Find(common::ResolveStoredFile(*name, prog.building.ProjDir));
  if (!found) return;
  auto read = building::ReadUserValueFile(*found, lines, e.user);
  e.userStatus = read.status;
  e.userError = read.error;
}

// Reads the element file, and its user values and default data file, once
// per run.
Element& ElementOf(common::Program& prog, int mode, RunContext& run) {
  auto& b = prog.building;
  std::string& key = run.key;
  key.clear();
  key += std::to_string(b.FileType);
  key += '|';
  key += std::to_string(b.CompTypeIdx);
  key += '|';
  key += b.CurElm.ElmFile;
  auto it = run.elements.find(key);
  const bool fresh = it == run.elements.end();
  if (fresh) it = run.elements.try_emplace(key).first;
  Element& e = it->second;
  if (!fresh) return e;
  e.rec.ElmFile = b.CurElm.ElmFile;
  const std::string path = common::ResolveStoredFile(b.CurElm.ElmFile, b.ProjDir);
  auto found = run.files.Find(path);
  if (!found) {
    e.error = "file not found: " + path;
    return e;
  }
  auto read = building::ReadElementFile(*found, b.FileType, e.rec);
  e.status = read.status;
  e.error = read.error;
  if (e.status != building::FileRead::Ok) return e;
  if (e.rec.ElmTypeNo == 0) {
    ReadUserValues(prog, run, std::nullopt, e);
    // A short or malformed file is ignored; the element's own values stand.
    if (e.userStatus == building::FileRead::Failed)
      run.warnings.push_back(common::WithReason(
          "   Warning: the user values of " + e.rec.ElmFile + " cannot be read; its default values are used",
          e.userError));
    return e;
  }
  std::string folder = building::ElementLibraryFolder(b, static_cast<Integer>(b.FileType - 20), b.CompTypeIdx);
  if (folder.empty()) return e;
  std::string name = folder + building::ElementDefaultFileName(e.rec.ElmTypeNo, mode == kModeCosting ? ".CST" : ".IMP");
  e.defaults = &DefaultsOf(run, run.files.Resolve(name, b.ProjDir));
  if (e.defaults->status == building::DefaultsStatus::Ok)
    ReadUserValues(prog, run, static_cast<int>(e.defaults->data.materials.size()), e);
  return e;
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

// A material the database lacks would be booked as row 0, with no impacts
// and no cost: the run goes on, but the user is told once per material.
void WarnIfMissing(RunContext& run, const common::MaterialTable& table, int matNo, const std::string& elmFile) {
  if (matNo <= 0 || matNo >= common::kMaterialRows || MaterialRow(table, matNo) >= 0) return;
  if (run.missingMaterials.test(static_cast<size_t>(matNo))) return;
  run.missingMaterials.set(static_cast<size_t>(matNo));
  run.warnings.push_back("   Warning: material " + std::to_string(matNo) + " of " + elmFile +
                         " is not in the LCIA database; its impacts and cost are booked as 0");
}

// A generic element names up to four materials in its own values:
// material no., quantity, wastage %, life, in four rows each.
std::string CalcGeneric(common::Program& prog, int mode, int stage, const Element& e, RunContext& run) {
  auto& b = prog.building;
  auto& mat = b.elmMat;
  const auto& elm = e.rec;
  // User values apply to the materials the file lists and no others; what
  // an earlier element left in row 1 is cleared first. A file that is
  // missing, short or malformed leaves the element's own values.
  mat.ElmUserValFlag = false;
  ClearUserRow(mat);
  int userCount = 0;
  if (e.userStatus == building::FileRead::Ok && e.user.InForce > 0) {
    TakeUserRow(mat, e.user);
    userCount = e.user.Count;
    mat.ElmUserValFlag = true;
  }
  for (int m = 0; m < 4; ++m) {
    const size_t row = static_cast<size_t>(4 * m);
    if (elm.ElmValue[row].empty()) break;
    auto qty = common::TypedSingle(elm.ElmValue[row + 1]);
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
      auto was = common::TypedSingle(elm.ElmValue[row + 2]);
      auto life = common::TypedSingle(elm.ElmValue[row + 3]);
      if (!no || *no < 0 || *no > 510) return "Material no. out of range in " + elm.ElmFile;
      if (!was || !life) return "Wastage or life out of range in " + elm.ElmFile;
      use.matNo = *no;
      use.wastage = static_cast<Single>(*was / 100.0);
      use.life = *life;
    }
    WarnIfMissing(run, prog.assess.mat, use.matNo, elm.ElmFile);
    if (!BookMaterial(mode, stage, use, prog.assess.mat, prog.assess.factors, prog.assess.CompSum, b.SelElmIdx))
      return "Life expectancy too short in " + elm.ElmFile;
  }
  return {};
}

// A library element takes its materials and formulas from the default data
// file of its type; user values in force replace material, wastage, life
// and unit cost.
std::string CalcLibrary(common::Program& prog, int mode, int stage, const Element& e, RunContext& run) {
  auto& b = prog.building;
  auto& mat = b.elmMat;
  const auto& table = prog.assess.mat;
  if (!e.defaults) return kOperationsLibraryError;
  if (e.defaults->status == building::DefaultsStatus::NoMaterial) return "No. of Mat'l in Elm. = 0";
  if (e.defaults->status != building::DefaultsStatus::Ok) return kOperationsLibraryError;
  const auto& materials = e.defaults->data.materials;
  const size_t n = materials.size();

  // A user-value file that is missing, short or at 0 leaves the defaults.
  mat.ElmUserValFlag = false;
  if (e.userStatus == building::FileRead::Ok && e.user.InForce != 0) {
    TakeUserRow(mat, e.user);
    for (size_t i = 1; i <= n; ++i) {
      const auto& d = materials[i - 1];
      mat.ElmMatNo[0][i] = d.matNo;
      mat.ElmMatUCost[0][i] = table.MatUCost[static_cast<size_t>(table.MatIdx[static_cast<size_t>(d.matNo)])];
      mat.ElmMatWas[0][i] = d.wastage;
      mat.ElmMatLife[0][i] = d.life;
    }
    mat.ElmUserValFlag = true;
  }

  std::vector<std::pair<Integer, Integer>> substitutions;
  if (mat.ElmUserValFlag)
    for (size_t j = 1; j <= n; ++j) substitutions.emplace_back(mat.ElmMatNo[0][j], mat.ElmMatNo[1][j]);

  for (size_t i = 1; i <= n; ++i) {
    const auto& d = materials[i - 1];
    MaterialUse use;
    use.matNo = mat.ElmUserValFlag ? mat.ElmMatNo[1][i] : d.matNo;
    if (use.matNo < 0 || use.matNo > 510) return kOperationsLibraryError;
    FormulaContext context{table, e.rec.ElmValue, mat.ElmUserValFlag ? &substitutions : nullptr};
    bool overflowed = false;
    auto qty = EvaluateFormula(d.formula, context, &overflowed);
    if (!qty) {
      // A formula that overflows fails as any other; the reason says which.
      if (overflowed) run.reason = OverflowReason("quantity of material " + std::to_string(use.matNo), e.rec.ElmFile);
      return kOperationsLibraryError;
    }
    use.quantity = *qty;
    use.wastage = static_cast<Single>((mat.ElmUserValFlag ? mat.ElmMatWas[1][i] : d.wastage) / 100.0);
    use.life = mat.ElmUserValFlag ? mat.ElmMatLife[1][i] : d.life;
    if (mat.ElmUserValFlag) use.unitCost = mat.ElmMatUCost[1][i];
    WarnIfMissing(run, table, use.matNo, e.rec.ElmFile);
    if (!BookMaterial(mode, stage, use, table, prog.assess.factors, prog.assess.CompSum, b.SelElmIdx))
      return kOperationsLibraryError;
  }
  return {};
}

}  // namespace

void CalcElm(common::Program& prog, int mode, int stage, std::string& errText, RunContext& run) {
  auto& b = prog.building;
  const Element& e = ElementOf(prog, mode, run);
  switch (e.status) {
    case building::FileRead::Ok:
      break;
    case building::FileRead::WrongKind:
      errText = b.CurElm.ElmFile + " is not for a " + b.GrpTypeName + " element!";
      return;
    default:
      errText = "Error in reading element file " + b.CurElm.ElmFile;
      run.reason = e.error;
      return;
  }
  b.CurElm = e.rec;
  const bool generic = e.rec.ElmTypeNo == 0;
  errText = generic ? CalcGeneric(prog, mode, stage, e, run) : CalcLibrary(prog, mode, stage, e, run);
  if (!errText.empty()) return;
  // A quantity too large for its amounts ends the run here; a library
  // element's bookings fail as its formulas do.
  const auto& sum = prog.assess.CompSum;
  const size_t i = static_cast<size_t>(b.SelElmIdx);
  const LevelAmounts amounts{sum.CompElmImp[i], sum.CompElmEgy[i], sum.CompElmWaste[i], sum.CompElmCost[i]};
  if (generic) {
    Overflowed(mode, amounts, e.rec.ElmFile, e.rec.ElmFile, errText, run.reason);
  } else if (auto amount = FirstNonFinite(mode, amounts); !amount.empty()) {
    errText = kOperationsLibraryError;
    run.reason = OverflowReason(amount, e.rec.ElmFile);
  }
}

}  // namespace ModCal
