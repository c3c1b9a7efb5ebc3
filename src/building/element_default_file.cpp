#include "building/element_default_file.h"

#include "common/data_file.h"

namespace building {

DefaultsStatus ParseElementDefaults(std::string text, ElementDefaults& out) {
  common::DataReader in(std::move(text));
  common::Integer count = 0;
  if (!in.Read(count)) return DefaultsStatus::Malformed;
  if (count < 1) return DefaultsStatus::NoMaterial;
  if (count > kMaxElementMaterials) return DefaultsStatus::Malformed;
  ElementDefaults parsed;
  parsed.materials.resize(static_cast<size_t>(count));
  for (DefaultMaterial& m : parsed.materials) {
    std::string name;
    common::Integer lines = 0;
    if (!in.Read(name) || !in.Read(m.matNo) || !in.Read(lines)) return DefaultsStatus::Malformed;
    if (m.matNo < 0 || m.matNo > 510 || lines < 0) return DefaultsStatus::Malformed;
    m.formula.resize(static_cast<size_t>(lines));
    for (FormulaLine& f : m.formula) {
      std::string note1, note2;
      if (!in.Read(f.operand) || !in.Read(f.op) || !in.Read(note1) || !in.Read(note2)) return DefaultsStatus::Malformed;
    }
    if (!in.Read(m.wastage) || !in.Read(m.life)) return DefaultsStatus::Malformed;
  }
  out = std::move(parsed);
  return DefaultsStatus::Ok;
}

std::string ElementDefaultFileName(int elmTypeNo, const std::string& extension) {
  return "E" + std::to_string(elmTypeNo) + extension;
}

}  // namespace building
