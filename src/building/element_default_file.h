#pragma once
// The element default data file of a library element type ("E12.IMP" for
// the assessment, "E12.CST" for the costing): per material its number, the
// formula lines that compute its quantity from the element's values, and
// its default wastage and life.
#include <string>
#include <vector>

#include "common/value_types.h"

namespace building {

struct FormulaLine {
  common::Single operand = 0;
  common::Integer op = 0;
};

struct DefaultMaterial {
  common::Integer matNo = 0;
  std::vector<FormulaLine> formula;
  common::Single wastage = 0;  // percent
  common::Single life = 0;     // years
};

struct ElementDefaults {
  std::vector<DefaultMaterial> materials;
};

constexpr int kMaxElementMaterials = 10;

enum class DefaultsStatus { Ok, NoMaterial, Malformed };

// Parses the whole file. NoMaterial: a material count below 1. Malformed:
// a short or unreadable file, more than ten materials, a material number
// outside 0..510, a negative formula line count.
DefaultsStatus ParseElementDefaults(std::string text, ElementDefaults& out);

// The file name for an element type: "E" & type no. & extension (".IMP"
// or ".CST").
std::string ElementDefaultFileName(int elmTypeNo, const std::string& extension);

}  // namespace building
