#include "assessment/formula_machine.h"

#include <cmath>

#include "common/number_text.h"

namespace ModCal {
namespace {

using common::Single;

// Stores a double result as a Single; nullopt, with `overflow` set, when it
// is not a finite Single.
std::optional<Single> Store(double v, bool& overflow) {
  if (!std::isfinite(v) || std::fabs(v) > 3.4028234663852886e38) {
    overflow = true;
    return std::nullopt;
  }
  return static_cast<Single>(v);
}

// x ^ y, refusing what has no real finite value.
std::optional<Single> Power(double x, double y, bool& overflow) {
  if (x == 0 && y < 0) return std::nullopt;
  if (x < 0 && y != std::floor(y)) return std::nullopt;
  return Store(std::pow(x, y), overflow);
}

// EvaluateFormula; `overflow` is set when a number leaves the Single range.
std::optional<Single> Evaluate(const std::vector<building::FormulaLine>& lines, const FormulaContext& context,
                               bool& overflow) {
  std::array<Single, 5> s{};
  auto pop = [&s] {
    s[1] = s[2];
    s[2] = s[3];
    s[3] = s[4];
    s[4] = 0;
  };
  for (const building::FormulaLine& line : lines) {
    if (line.op == 100) {
      double n = std::nearbyint(static_cast<double>(line.operand));
      if (n < 0 || n > 5109) return std::nullopt;
      int code = static_cast<int>(n);
      common::Integer matNo = static_cast<common::Integer>(code / 10);
      int digit = code % 10;
      if (digit > 2) return std::nullopt;
      if (context.substitutions)
        for (auto [from, to] : *context.substitutions)
          if (matNo == from) matNo = to;
      if (matNo < 0 || matNo > 510) return std::nullopt;
      int row = context.mat.MatIdx[static_cast<size_t>(matNo)];
      s[0] = context.mat.MatProp[static_cast<size_t>(row)][static_cast<size_t>(digit)];
      continue;
    }
    if (line.op == 101) {
      s[0] = line.operand;
      continue;
    }
    if (line.operand > 0) {
      double k = std::nearbyint(static_cast<double>(line.operand));
      if (k < 1 || k > 17) return std::nullopt;
      auto v = common::TypedSingle(context.values[static_cast<size_t>(k) - 1]);
      if (!v) {
        overflow = true;
        return std::nullopt;
      }
      s[0] = *v;
    }
    std::optional<Single> r;
    switch (line.op) {
      case 0:
        s[4] = s[3], s[3] = s[2], s[2] = s[1], s[1] = s[0], s[0] = 0;
        continue;
      case 1:
        r = Store(static_cast<double>(s[1]) + s[0], overflow);
        break;
      case 2:
        r = Store(static_cast<double>(s[1]) - s[0], overflow);
        break;
      case 3:
        r = Store(static_cast<double>(s[1]) * s[0], overflow);
        break;
      case 4:
        if (s[0] == 0) return std::nullopt;
        r = Store(static_cast<double>(s[1]) / s[0], overflow);
        break;
      case 5:
        r = Power(s[1], s[0], overflow);
        break;
      case 6:
        s[0] = s[1];
        continue;
      case 7:
        s[0] = static_cast<Single>(4 * std::atan(1.0));
        continue;
      case 8:
        if (s[0] < 0) return std::nullopt;
        s[0] = static_cast<Single>(std::sqrt(static_cast<double>(s[0])));
        continue;
      case 9:
        r = Power(s[0], 1.0 / 3.0, overflow);
        if (!r) return std::nullopt;
        s[0] = *r;
        continue;
      case 10:
        s[0] = static_cast<Single>(static_cast<double>(s[0]) / 100);
        continue;
      case 11:
        s[0] = static_cast<Single>(static_cast<double>(s[0]) / 2);
        continue;
      case 12:
        r = Store(std::atan(1.0) * s[0] * s[0], overflow);
        if (!r) return std::nullopt;
        s[0] = *r;
        continue;
      default:
        continue;  // other codes only load their operand
    }
    // Codes 1..5: the result replaces s0, then the stack drops.
    if (!r) return std::nullopt;
    s[0] = *r;
    pop();
  }
  return s[0];
}

}  // namespace

std::optional<Single> EvaluateFormula(const std::vector<building::FormulaLine>& lines, const FormulaContext& context,
                                      bool* overflowed) {
  bool overflow = false;
  auto quantity = Evaluate(lines, context, overflow);
  if (overflowed) *overflowed = !quantity && overflow;
  return quantity;
}

}  // namespace ModCal
