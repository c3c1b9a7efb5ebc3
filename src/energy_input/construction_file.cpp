#include "energy_input/construction_file.h"

#include "common/data_file.h"
#include "common/paths.h"

namespace energy_input {
namespace {

using common::ConstructionTables;
using common::DataReader;
using common::Integer;
using common::kMaxConstructions;
using common::kMaxLayers;

bool ReadTables(DataReader& in, ConstructionTables& t) {
  if (!in.ReadInRange(t.NoOfCons, 0, kMaxConstructions, "a construction count") || !in.EndOfLine()) return false;
  for (int c = 1; c <= t.NoOfCons; ++c) {
    if (!in.Read(t.ConsName[c]) || !in.Read(t.ConsType[c]) ||
        !in.ReadInRange(t.ConsNLay[c], 0, kMaxLayers, "a layer count of construction " + std::to_string(c)) ||
        !in.EndOfLine() || !in.Read(t.ConsSurf[0][c]) || !in.Read(t.ConsSurf[1][c]) || !in.EndOfLine())
      return false;
    for (int j = 1; j <= t.ConsNLay[c]; ++j) {
      if (!in.Read(t.LayMatNo[c][j]) || !in.Read(t.LayMatName[c][j]) || !in.Read(t.LayThk[c][j]) ||
          !in.Read(t.LayProp[0][c][j]) || !in.Read(t.LayProp[1][c][j]) || !in.Read(t.LayProp[2][c][j]) ||
          !in.EndOfLine())
        return false;
    }
  }
  return in.EndOfFile();
}

bool CheckTables(const ConstructionTables& t, std::string& error) {
  if (t.NoOfCons < 0 || t.NoOfCons > kMaxConstructions) {
    error = "a construction count of " + std::to_string(t.NoOfCons) + " lies outside 0 to 50";
    return false;
  }
  for (int c = 1; c <= t.NoOfCons; ++c) {
    if (t.ConsNLay[c] < 0 || t.ConsNLay[c] > kMaxLayers) {
      error = "construction " + std::to_string(c) + " has a layer count of " + std::to_string(t.ConsNLay[c]);
      return false;
    }
    if (!common::CheckDataText(t.ConsName[c], "the construction name", error)) return false;
    for (int j = 1; j <= t.ConsNLay[c]; ++j)
      if (!common::CheckDataText(t.LayMatName[c][j], "the material name", error)) return false;
  }
  return true;
}

}  // namespace

bool ReadConstructionFile(const std::string& path, ConstructionTables& tables, std::string& error) {
  auto text = common::ReadWholeFile(path, &error);
  if (!text) return false;
  DataReader in(std::move(*text));
  // Constructions above the count read keep what they held.
  ConstructionTables read = tables;
  if (!ReadTables(in, read)) {
    error = in.Error();
    return false;
  }
  tables = std::move(read);
  return true;
}

bool WriteConstructionFile(const std::string& path, const ConstructionTables& t, std::string& error) {
  if (!CheckTables(t, error)) return false;
  common::DataWriter w;
  w.Int(t.NoOfCons).EndLine();
  for (int c = 1; c <= t.NoOfCons; ++c) {
    w.Str(t.ConsName[c]).Int(t.ConsType[c]).Int(t.ConsNLay[c]).EndLine();
    w.SngExact(t.ConsSurf[0][c]).SngExact(t.ConsSurf[1][c]).EndLine();
    for (int j = 1; j <= t.ConsNLay[c]; ++j) {
      w.Int(t.LayMatNo[c][j]).Str(t.LayMatName[c][j]).SngExact(t.LayThk[c][j]);
      w.SngExact(t.LayProp[0][c][j]).SngExact(t.LayProp[1][c][j]).SngExact(t.LayProp[2][c][j]).EndLine();
    }
  }
  return common::WriteDataFile(path, w, &error);
}

}  // namespace energy_input
