#pragma once
// The arithmetic of the calculator window, free of any window: the
// five-register stack of the numeric calculator and the present worth of
// the financial calculator. Every step is worked out in double precision
// and stored as a Single; a step that fails leaves nothing changed.
#include <array>
#include <optional>

#include "common/value_types.h"

namespace calculator {

using common::Single;

// The operation buttons, by their index in the window's button array.
enum class Operation {
  Enter,
  Add,
  Subtract,
  Multiply,
  Divide,
  Power,  // 0 .. 5
  Sqr,
  Ln,
  Exp,
  Pi,
  Sin,
  Cos,
  ATan  // 6 .. 12
};
inline constexpr int kOperationCount = 13;

// True for "X + Y" to "X ^ Y": they take X as well and drop the stack.
bool TakesTwoOperands(Operation op);

// The new Y of an operation on X and Y (Enter gives Y unchanged); nullopt
// on a numeric error: division by zero, a result without a real value or a
// result that does not fit a Single. The four arithmetic operations must
// fit a Single; so, by our choice, must every other result, since the
// register holding it is a Single and it shows as "Error" the same way.
std::optional<Single> Evaluate(Operation op, Single x, Single y);

// The registers R(0) (Y), R(1) (X) to R(4), all 0 at start.
class RegisterStack {
 public:
  static constexpr int kSize = 5;

  Single R(int i) const { return r_.at(static_cast<std::size_t>(i)); }
  void SetY(Single value) { r_[0] = value; }
  // Enter: R(i) = R(i-1) for i = 4 down to 1 (the top value is lost); R(0) = 0.
  void Push();
  // R(i) = R(i+1) for i = from to 3; R(4) = 0. From 0 it is "Clear Y",
  // from 1 the drop after a two-operand operation.
  void Drop(int from);
  void Clear() { r_.fill(0); }
  // Replaces Y by the result of an operation other than Enter; on a
  // numeric error returns false and leaves every register as it was.
  bool Apply(Operation op);

 private:
  std::array<Single, kSize> r_{};
};

// The financial inputs as typed: rates in per cent per period, cash flows,
// and the number of periods (fractions allowed).
struct FinancialInput {
  double NIR = 0, IFR = 0, PER = 0, CI = 0, CP = 0, NP = 0, CL = 0;
};

struct FinancialResult {
  Single RDR = 0;         // real discount rate per period, a fraction
  Single RDRPercent = 0;  // the same in per cent, as shown
  Single PW = 0;          // present worth
};

// The real discount rate and the present worth of the initial cash flow,
// NP periodic cash flows escalating at PER and one last cash flow; nullopt
// on any numeric error (among them a real discount rate equal to the
// escalation rate, or inflation of -100 %).
std::optional<FinancialResult> PresentWorth(const FinancialInput& typed);

}  // namespace calculator
