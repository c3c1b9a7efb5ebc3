#include "calculator/calculator_model.h"

#include <algorithm>
#include <cmath>

#include "calculator/checked_math.h"

namespace calculator {

bool TakesTwoOperands(Operation op) { return op >= Operation::Add && op <= Operation::Power; }

std::optional<Single> Evaluate(Operation op, Single x, Single y) {
  CheckedMath m;
  const double pi = 4 * std::atan(1.0);
  // Degrees to radians as y * pi / 180, in that order (y * 4 * atan(1) / 180
  // to the last bit: the factor 4 is exact).
  const auto radians = [&] { return static_cast<double>(y) * pi / 180; };
  double result = y;
  switch (op) {
    case Operation::Enter:
      break;
    case Operation::Add:
      result = m.Add(x, y);
      break;
    case Operation::Subtract:
      result = m.Sub(x, y);
      break;
    case Operation::Multiply:
      result = m.Mul(x, y);
      break;
    case Operation::Divide:
      result = m.Div(x, y);
      break;
    case Operation::Power:
      result = m.Pow(x, y);
      break;
    case Operation::Sqr:
      result = m.Value(std::sqrt(static_cast<double>(y)));
      break;
    case Operation::Ln:
      result = m.Value(std::log(static_cast<double>(y)));
      break;
    case Operation::Exp:
      result = m.Value(std::exp(static_cast<double>(y)));
      break;
    case Operation::Pi:
      result = pi;
      break;
    case Operation::Sin:
      result = std::sin(radians());
      break;
    case Operation::Cos:
      result = std::cos(radians());
      break;
    case Operation::ATan:
      result = std::atan(static_cast<double>(y)) * 180 / pi;
      break;
  }
  Single stored = m.Store(result);
  if (m.Failed()) return std::nullopt;
  return stored;
}

void RegisterStack::Push() {
  for (int i = kSize - 1; i >= 1; --i) r_[i] = r_[i - 1];
  r_[0] = 0;
}

void RegisterStack::Drop(int from) {
  for (int i = std::max(from, 0); i < kSize - 1; ++i) r_[i] = r_[i + 1];
  r_[kSize - 1] = 0;
}

bool RegisterStack::Apply(Operation op) {
  std::optional<Single> result = Evaluate(op, r_[1], r_[0]);
  if (!result) return false;
  r_[0] = *result;
  return true;
}

std::optional<FinancialResult> PresentWorth(const FinancialInput& typed) {
  CheckedMath m;
  // 1. The inputs, rates as fractions; each stored as a Single.
  const Single NIR = m.Store(m.Div(typed.NIR, 100));
  const Single IFR = m.Store(m.Div(typed.IFR, 100));
  const Single PER = m.Store(m.Div(typed.PER, 100));
  const Single CI = m.Store(typed.CI);
  const Single CP = m.Store(typed.CP);
  const Single NP = m.Store(typed.NP);
  const Single CL = m.Store(typed.CL);

  // 2. The real discount rate. The sums stay in double so that a rate
  // equal to the escalation rate gives exactly RDR - PER = 0 below.
  const Single RDR = m.Store(m.Sub(m.Div(m.Add(1, NIR), m.Add(1, IFR)), 1));

  // 3. The initial cash flow.
  Single PW = CI;

  // 4. NP cash flows CP escalating at PER: CP * sum of x^t for t = 1 .. NP
  // with x = (1 + PER) / (1 + RDR), in closed form.
  const double x = m.Div(m.Add(1, PER), m.Add(1, RDR));
  const double series = m.Sub(1, m.Pow(x, NP));
  const double perPeriod = m.Mul(m.Div(m.Add(1, PER), m.Sub(RDR, PER)), CP);
  PW = m.Store(m.Add(PW, m.Mul(series, perPeriod)));

  // 5. The one-off cash flow at the end of the last period.
  PW = m.Store(m.Add(PW, m.Div(CL, m.Pow(m.Add(1, RDR), NP))));

  const Single percent = m.Store(m.Mul(RDR, 100));
  if (m.Failed()) return std::nullopt;
  return FinancialResult{RDR, percent, PW};
}

}  // namespace calculator
