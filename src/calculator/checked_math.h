#pragma once
// Double arithmetic that notes a numeric error instead of carrying an
// infinity or a NaN along: a division by zero, a result without a real value
// (the root or power of a negative number, the logarithm of 0), a result
// beyond the Double range, or a value stored as a Single that lies beyond
// the Single range. After the first error every further result is 0, so a
// chain of steps can be written out as the formula reads and checked once
// at its end.
#include <cmath>
#include <optional>

#include "common/value_types.h"

namespace calculator {

class CheckedMath {
 public:
  double Add(double a, double b) { return Check(a + b); }
  double Sub(double a, double b) { return Check(a - b); }
  double Mul(double a, double b) { return Check(a * b); }
  double Div(double a, double b) {
    if (b == 0) return Fail();
    return Check(a / b);
  }
  double Pow(double a, double b) { return Check(std::pow(a, b)); }
  // Any other result worked out in double (a root, logarithm, sine ...).
  double Value(double v) { return Check(v); }

  // Rounds to the nearest Single, as a value stored into a Single variable.
  common::Single Store(double v) {
    std::optional<common::Single> s = common::NearestSingle(Check(v));
    if (!s) return static_cast<common::Single>(Fail());
    return *s;
  }

  bool Failed() const { return failed_; }

 private:
  double Check(double v) {
    if (failed_ || !std::isfinite(v)) return Fail();
    return v;
  }
  double Fail() {
    failed_ = true;
    return 0;
  }
  bool failed_ = false;
};

}  // namespace calculator
