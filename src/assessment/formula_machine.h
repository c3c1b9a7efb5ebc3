#pragma once
// The formula lines of an element default data file: a small stack machine
// with a working register s0 and a stack s1..s4, all Single, that computes
// a material's quantity from the element's values and material properties.
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "building/element_default_file.h"
#include "common/assessment_state.h"

namespace ModCal {

struct FormulaContext {
  const common::MaterialTable& mat;
  const std::array<std::string, 17>& values;  // the element's values, rows 1..17
  // Material numbers replaced in property reads (op 100): each pair
  // (default no., user no.) is applied in turn.
  const std::vector<std::pair<common::Integer, common::Integer>>* substitutions = nullptr;
};

// The quantity s0 after the last line; nullopt when a line cannot be
// evaluated (a property digit outside 0..2, a material number outside
// 0..510, a value row outside 1..17, a division by zero, an undefined
// power or root, or a number beyond the Single range: a result, or a value
// that rounds to no finite Single). `overflowed`, when given, tells whether
// the failure was such a number.
std::optional<common::Single> EvaluateFormula(const std::vector<building::FormulaLine>& lines,
                                              const FormulaContext& context, bool* overflowed = nullptr);

}  // namespace ModCal
