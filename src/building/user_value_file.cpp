#include "building/user_value_file.h"

#include <algorithm>

#include "common/data_file.h"
#include "common/paths.h"
#include "common/project_paths.h"

namespace building {
namespace {

using common::Integer;

constexpr int kMaxMaterials = 10;
constexpr int kMaxMaterialNo = 510;

}  // namespace

std::optional<std::string> UserValueFileName(const std::string& elmFile) {
  if (elmFile.size() < 4) return std::nullopt;
  size_t cut = elmFile.size() - 4;
  return elmFile.substr(0, cut) + "_" + elmFile.substr(cut);
}

ReadOutcome ReadUserValueFile(const std::string& path, std::optional<int> lines, UserValueFile& file,
                              common::FileCache* cache) {
  ReadOutcome out;
  auto in = OpenDataFile(path, out, cache);
  if (!in) return out;
  UserValueFile r;
  if (!in->ReadInRange(r.InForce, 0, kMaxMaterials, "a material count") || !in->EndOfLine()) return Fail(out, *in);
  r.Count = lines.value_or(r.InForce);
  if (r.Count < 0 || r.Count > kMaxMaterials) {
    out.status = FileRead::Failed;
    out.error = "material lines asked for: " + std::to_string(r.Count);
    return out;
  }
  auto readLine = [&](Integer& no, common::Single& was, common::Single& life, common::Single& cost) {
    return in->ReadInRange(no, 0, kMaxMaterialNo, "a material number") && in->Read(was) && in->Read(life) &&
           in->Read(cost) && in->EndOfLine();
  };
  for (int m = 1; m <= r.Count; ++m)
    if (!readLine(r.MatNo[m], r.MatWas[m], r.MatLife[m], r.MatUCost[m])) return Fail(out, *in);
  // Lines beyond those asked for stay in the file unused: a file in force
  // holds as many as its first line says, one that is not keeps those of
  // its last save (at most one per material). They too must be whole.
  const int kept = r.InForce > 0 ? r.InForce : kMaxMaterials;
  for (int m = r.Count + 1; m <= kept && !in->AtEnd(); ++m) {
    UserValueFile unused;
    if (!readLine(unused.MatNo[m], unused.MatWas[m], unused.MatLife[m], unused.MatUCost[m])) return Fail(out, *in);
  }
  if (!in->EndOfFile()) return Fail(out, *in);
  file = r;
  return out;
}

namespace {

common::DataWriter UserValueFileWriter(const UserValueFile& file) {
  common::DataWriter w;
  w.Int(file.InForce).EndLine();
  for (int m = 1; m <= file.Count && m <= kMaxMaterials; ++m)
    w.Int(file.MatNo[m]).SngExact(file.MatWas[m]).SngExact(file.MatLife[m]).SngExact(file.MatUCost[m]).EndLine();
  return w;
}

}  // namespace

bool WriteUserValueFile(const std::string& path, const UserValueFile& file, std::string& error) {
  if (file.Count < 0 || file.Count > kMaxMaterials || file.InForce < 0 || file.InForce > kMaxMaterials) {
    error = "a material count out of range";
    return false;
  }
  for (int m = 1; m <= file.Count; ++m) {
    if (file.MatNo[m] < 0 || file.MatNo[m] > kMaxMaterialNo) {
      error = "a material number of " + std::to_string(file.MatNo[m]);
      return false;
    }
  }
  return common::WriteDataFile(path, UserValueFileWriter(file), &error);
}

UserValueState LoadUserValues(common::ElementMaterialValues& mat, const std::string& elmFile, int matCount,
                              const std::string& projDir) {
  mat.ElmUserValFlag = false;
  int count = std::clamp(matCount, 0, kMaxMaterials);
  auto useDefaults = [&](UserValueState state) {
    for (int m = 1; m <= count; ++m) {
      mat.ElmMatNo[1][m] = mat.ElmMatNo[0][m];
      mat.ElmMatWas[1][m] = mat.ElmMatWas[0][m];
      mat.ElmMatLife[1][m] = mat.ElmMatLife[0][m];
      mat.ElmMatUCost[1][m] = mat.ElmMatUCost[0][m];
    }
    return state;
  };
  auto name = UserValueFileName(elmFile);
  if (!name) return useDefaults(UserValueState::Missing);
  UserValueFile file;
  ReadOutcome out = ReadUserValueFile(common::ResolveStoredFile(*name, projDir), count, file);
  if (out.status == FileRead::NotOpened) return useDefaults(UserValueState::Missing);
  if (out.status != FileRead::Ok) return useDefaults(UserValueState::Failed);
  for (int m = 1; m <= count; ++m) {
    mat.ElmMatNo[1][m] = file.MatNo[m];
    mat.ElmMatWas[1][m] = file.MatWas[m];
    mat.ElmMatLife[1][m] = file.MatLife[m];
    mat.ElmMatUCost[1][m] = file.MatUCost[m];
  }
  mat.ElmUserValFlag = file.InForce > 0;
  return mat.ElmUserValFlag ? UserValueState::InForce : UserValueState::Defaults;
}

bool SaveUserValues(const common::ElementMaterialValues& mat, const std::string& elmFile, int matCount, bool inForce,
                    const std::string& projDir, std::string& error) {
  if (matCount == 0) return true;
  auto name = UserValueFileName(elmFile);
  if (!name) {
    error = "the element has no file name yet";
    return false;
  }
  UserValueFile file;
  file.Count = matCount;
  file.InForce = static_cast<Integer>(inForce ? matCount : 0);
  for (int m = 1; m <= matCount && m <= kMaxMaterials; ++m) {
    file.MatNo[m] = mat.ElmMatNo[1][m];
    file.MatWas[m] = mat.ElmMatWas[1][m];
    file.MatLife[m] = mat.ElmMatLife[1][m];
    file.MatUCost[m] = mat.ElmMatUCost[1][m];
  }
  return WriteUserValueFile(common::ProjectSaveFile(*name, projDir), file, error);
}

}  // namespace building
