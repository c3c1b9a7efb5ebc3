#include "assessment/lcia_database.h"

#include <memory>

#include "common/data_file.h"
#include "common/paths.h"

namespace ModCal {
namespace {

using common::Integer;
using common::Single;

enum class Target { Profile, Database };

// One file: three sections, each a record count then that many 18-item
// records, filling rows 0.. in order.
bool ReadSections(common::MaterialTable& t, const std::string& path, Target target, std::string& error) {
  std::string why;
  auto text = common::ReadWholeFile(path, &why);
  if (!text) {
    error = why;
    return false;
  }
  common::DataReader in(std::move(*text));
  int r = -1;
  auto fail = [&](const std::string& what) {
    error = path + ": " + what;
    return false;
  };
  for (int section = 0; section < 3; ++section) {
    ++r;
    Integer count = 0;
    if (r >= common::kMaterialRows) return fail("more than 511 rows");
    if (!in.Read(count)) return fail(in.Error());
    if (count < 0) return fail("a negative record count");
    t.MatListNo[static_cast<size_t>(r)] = count;
    for (int i = 0; i < count; ++i) {
      ++r;
      if (r >= common::kMaterialRows) return fail("more than 511 rows");
      const size_t row = static_cast<size_t>(r);
      Integer no = 0;
      std::string name, unit;
      std::array<Single, 3> prop{};
      std::array<Single, 10> factors{};
      Single energy = 0, cost = 0;
      in.Read(no) && in.Read(name) && in.Read(unit);
      for (Single& p : prop) in.Read(p);
      for (Single& f : factors) in.Read(f);
      in.Read(energy) && in.Read(cost);
      if (!in.Ok()) return fail(in.Error());
      if (no < 0 || no >= common::kMaterialRows)
        return fail("material number " + std::to_string(no) + " is outside 0..510");
      t.MatListNo[row] = no;
      t.MatName[row] = name;
      t.MatUnit[row] = unit;
      for (size_t k = 0; k < 3; ++k) t.MatProp[row][k] = prop[k];
      if (target == Target::Profile) {
        for (size_t k = 0; k < 10; ++k) t.MatWasteFtr[row][k] = factors[k];
      } else {
        for (size_t k = 0; k < 10; ++k) t.MatImpFtr[row][k] = factors[k];
      }
      t.MatImpFtr[row][10] = energy;
      t.MatUCost[row] = cost;
      t.MatIdx[static_cast<size_t>(no)] = static_cast<Integer>(r);
    }
  }
  return true;
}

}  // namespace

bool LoadLCIADatabase(common::MaterialTable& table, const std::string& profFile, const std::string& dbFile,
                      std::string& error) {
  // Each load starts from an empty table, so no row or index of an earlier
  // database survives into this one.
  auto fresh = std::make_unique<common::MaterialTable>();
  if (!ReadSections(*fresh, profFile, Target::Profile, error)) return false;
  if (!ReadSections(*fresh, dbFile, Target::Database, error)) return false;
  table = std::move(*fresh);
  return true;
}

}  // namespace ModCal
