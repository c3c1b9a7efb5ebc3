#include "calculator/calculator_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace calculator {
namespace {

TEST(CalculatorModel, EvaluateResultsAndNumericErrors) {
  struct Case {
    Operation op;
    float x, y;
    std::optional<float> expected;  // nullopt: a numeric error
  };
  const Case cases[] = {
      {Operation::Power, 0, 0, 1.0f},
      {Operation::Power, -2, 3, -8.0f},  // a negative base with a whole power has a value
      {Operation::Power, -8, 0.5f, {}},  // ... a fractional one has none
      {Operation::Power, 0, -1, {}},     // 1 / 0
      {Operation::Power, 10, 38, 1e38f},
      {Operation::Power, 10, 39, {}},  // beyond the Single range, within the Double range
      {Operation::Divide, 0, 0, {}},
      {Operation::Divide, 1, 0, {}},
      {Operation::Subtract, -3e38f, 3e38f, {}},
      {Operation::Multiply, 1e-30f, 1e-30f, 0.0f},  // underflow is no error
      {Operation::Sqr, 0, -0.0f, 0.0f},
      {Operation::Ln, 0, -0.0f, {}},
      {Operation::Exp, 0, 88, static_cast<float>(std::exp(88.0))},
      {Operation::Exp, 0, 89, {}},
      {Operation::Exp, 0, -1000, 0.0f},
      {Operation::ATan, 0, -1, -45.0f},
      {Operation::ATan, 0, 3e38f, 90.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << static_cast<int>(c.op) << " x=" << c.x << " y=" << c.y);
    std::optional<float> got = Evaluate(c.op, c.x, c.y);
    ASSERT_EQ(got.has_value(), c.expected.has_value());
    if (got) {
      EXPECT_EQ(*got, *c.expected);
    }
  }
}

// The inputs as the calculation stores them, and the present worth summed
// period by period in double.
struct Direct {
  double rdr, pw;
};
Direct YearByYear(const FinancialInput& in) {
  const double nir = static_cast<float>(in.NIR / 100), ifr = static_cast<float>(in.IFR / 100);
  const double per = static_cast<float>(in.PER / 100);
  const double rdr = static_cast<float>((1 + nir) / (1 + ifr) - 1);
  double pw = static_cast<float>(in.CI);
  for (int t = 1; t <= static_cast<int>(in.NP); ++t)
    pw += static_cast<float>(in.CP) * std::pow(1 + per, t) / std::pow(1 + rdr, t);
  pw += static_cast<float>(in.CL) / std::pow(1 + rdr, in.NP);
  return {rdr, pw};
}

TEST(CalculatorModel, PresentWorthMatchesYearByYearSum) {
  const FinancialInput cases[] = {
      {10, 0, 0, 0, 100, 1, 0},          {8, 3, 5, 1000, 100, 50, 500}, {6, 2, 0, 0, 250, 20, 0},
      {12, 4, 9, 5000, 1200, 30, -2000}, {3, 0, 7, 0, 100, 25, 0},      // escalation above the discount rate
      {-2, -5, 1, 100, 10, 12, 5},       {7.5, 2.5, 3, 0, 1, 0, 1000},  // no periods: only the one-off flow,
                                                                        // undiscounted
  };
  for (const FinancialInput& in : cases) {
    SCOPED_TRACE(::testing::Message() << in.NIR << "/" << in.IFR << "/" << in.PER << " NP " << in.NP);
    std::optional<FinancialResult> r = PresentWorth(in);
    ASSERT_TRUE(r.has_value());
    Direct d = YearByYear(in);
    EXPECT_EQ(r->RDR, static_cast<float>(d.rdr));
    EXPECT_EQ(r->RDRPercent, static_cast<float>(d.rdr * 100));
    EXPECT_NEAR(r->PW, d.pw, 2e-6 * std::max(1.0, std::fabs(d.pw)));
  }
}

TEST(CalculatorModel, FractionalPeriodsFollowTheAnnuityFormula) {
  // With no escalation the periodic part is CP (1 - (1 + r)^-n) / r.
  std::optional<FinancialResult> r = PresentWorth({10, 0, 0, 0, 100, 2.5, 0});
  ASSERT_TRUE(r.has_value());
  const double rdr = r->RDR;
  EXPECT_NEAR(r->PW, 100 * (1 - std::pow(1 + rdr, -2.5)) / rdr, 1e-4);
  EXPECT_GT(r->PW, PresentWorth({10, 0, 0, 0, 100, 2, 0})->PW);
  EXPECT_LT(r->PW, PresentWorth({10, 0, 0, 0, 100, 3, 0})->PW);
}

TEST(CalculatorModel, PresentWorthNumericErrors) {
  const FinancialInput cases[] = {
      {5, 0, 5, 0, 100, 10, 0},                                    // RDR = PER; float sums would miss it and give 0
      {10, 0, 10, 0, 100, 1, 0},     {0, 0, 0, 0, 0, 0, 0},        // an empty form: RDR = PER = 0
      {3.3f, 0, 3.3f, 0, 1, 1, 0},   {10, -100, 0, 0, 100, 1, 0},  // inflation of -100 %
      {-100, 0, 0, 0, 100, 1, 0},                                  // 1 + RDR = 0
      {10, 0, -200, 0, 100, 0.5, 0},                               // a negative base to a fractional power
      {0, 0, 100, 0, 100, 2000, 0},                                // (1 + PER)^NP beyond the Double range
      {10, 0, 0, 0, 1e38, 100, 0},                                 // PW beyond the Single range
      {1e45, 0, 0, 0, 100, 1, 0},                                  // NIR beyond the Single range
      {10, 0, 0, 0, 1, 1, 1e300},                                  // CL beyond the Single range
  };
  for (const FinancialInput& in : cases) {
    SCOPED_TRACE(::testing::Message() << in.NIR << "/" << in.IFR << "/" << in.PER << " CP " << in.CP << " NP "
                                      << in.NP);
    EXPECT_FALSE(PresentWorth(in).has_value());
  }
}

}  // namespace
}  // namespace calculator
