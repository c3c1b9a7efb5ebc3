#include "common/number_text.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <system_error>

#include "common/value_types.h"

namespace common {
namespace {

// General form with `digits` significant digits; exponent in upper case with
// at least two digits, as "1.234568E+07".
std::string General(double value, int digits) {
  if (value == 0) return "0";
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Inf" : "-Inf";
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
  std::string text(buf, res.ptr);
  for (char& c : text)
    if (c == 'e') c = 'E';
  return text;
}

std::string GeneralSingle(float value) {
  if (value == 0) return "0";
  if (!std::isfinite(value)) return General(value, 7);
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 7);
  std::string text(buf, res.ptr);
  for (char& c : text)
    if (c == 'e') c = 'E';
  return text;
}

// Blank for a value that is not negative, no zero before the point.
std::string Shorten(std::string text) {
  bool negative = !text.empty() && text[0] == '-';
  if (negative) text.erase(0, 1);
  if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
  return (negative ? "-" : " ") + text;
}

// Scans the longest number at the start of `s` (no blanks skipped).
// Returns its length, 0 when there is none.
size_t ScanNumber(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    size_t expDigits = 0;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j, ++expDigits;
    if (expDigits > 0) i = j;
  }
  return i;
}

// The decimal order of a scanned number in E form: the count of digits
// before the point (leading zeros aside), or minus the count of zeros
// right after the point, plus the exponent. A value with order k lies in
// [10^(k-1), 10^k).
long DecimalOrder(std::string_view s) {
  size_t i = !s.empty() && s[0] == '-' ? 1 : 0;
  long order = 0;
  bool nonZero = false, afterPoint = false;
  for (; i < s.size() && s[i] != 'E' && s[i] != 'e'; ++i) {
    if (s[i] == '.') {
      afterPoint = true;
    } else if (!nonZero && s[i] == '0') {
      if (afterPoint) --order;
    } else {
      nonZero = true;
      if (!afterPoint) ++order;
    }
  }
  if (i < s.size()) {
    bool negative = ++i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    long exponent = 0;
    for (; i < s.size(); ++i) exponent = std::min(exponent * 10 + (s[i] - '0'), 1000000L);
    order += negative ? -exponent : exponent;
  }
  return order;
}

// Converts a scanned number; `D` exponents become `E`, a leading '+' and a
// bare '.' are accepted. Out-of-range magnitudes saturate.
double Convert(std::string_view s) {
  double value = 0;
  if (!s.empty() && s[0] != '+' && std::none_of(s.begin(), s.end(), [](char c) { return c == 'D' || c == 'd'; })) {
    // Nothing to rewrite: converted where it stands (the hourly files hold
    // millions of such numbers).
    auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    if (res.ec != std::errc::result_out_of_range) return value;
  }
  std::string text;
  text.reserve(s.size() + 1);
  for (char c : s) {
    if (c == '+' && text.empty()) continue;
    text += (c == 'D' || c == 'd') ? 'E' : c;
  }
  auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    // Either too large (saturate) or too small (zero); the decimal order
    // tells which, also for long digit runs without an exponent.
    bool negative = !text.empty() && text[0] == '-';
    if (DecimalOrder(text) <= 0) return negative ? -0.0 : 0.0;
    return negative ? -DBL_MAX : DBL_MAX;
  }
  return value;
}

}  // namespace

std::string DisplayText(float value) { return GeneralSingle(value); }
std::string DisplayText(double value) { return General(value, 15); }
std::string DisplayTextInt(long value) { return std::to_string(value); }

std::string ExactText(float value) {
  if (value == 0) return "0";
  if (!std::isfinite(value)) return General(value, 7);
  // The display form when it reads back as the same Single, so a value of
  // at most 7 digits keeps its usual text (100000, not 1E+05).
  std::string shown = GeneralSingle(value);
  double back = 0;
  if (ParseNumber(shown, back) && static_cast<float>(back) == value) return shown;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general);
  std::string text(buf, res.ptr);
  for (char& c : text)
    if (c == 'e') c = 'E';
  return text;
}

std::string ShortText(float value) { return Shorten(GeneralSingle(value)); }
std::string ShortText(double value) { return Shorten(General(value, 15)); }
std::string ShortTextInt(long value) { return Shorten(std::to_string(value)); }

std::string PrintText(float value) { return ShortText(value) + " "; }
std::string PrintText(double value) { return ShortText(value) + " "; }
std::string PrintTextInt(long value) { return ShortTextInt(value) + " "; }

double LeadingNumber(std::string_view text) {
  std::string packed;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') packed += c;
  if (packed.size() >= 2 && packed[0] == '&') {
    char radix = packed[1];
    int base = (radix == 'H' || radix == 'h') ? 16 : (radix == 'O' || radix == 'o') ? 8 : 0;
    if (base == 0) return 0;
    double value = 0;
    for (size_t i = 2; i < packed.size(); ++i) {
      char c = packed[i];
      int digit = (c >= '0' && c <= '9')   ? c - '0'
                  : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                  : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                           : base;
      if (digit >= base) break;
      value = std::min(value * base + digit, DBL_MAX);
    }
    return value;
  }
  size_t n = ScanNumber(packed);
  if (n == 0) return 0;
  // A typed zero is zero: "-0" stores no sign that a file would show.
  return Convert(std::string_view(packed).substr(0, n)) + 0.0;
}

std::optional<float> TypedSingle(std::string_view text) { return NearestSingle(LeadingNumber(text)); }

std::string TooLargeNumber(std::string_view typed) { return "the number " + std::string(typed) + " is too large"; }

bool ParseNumber(std::string_view token, double& out) {
  size_t n = ScanNumber(token);
  if (n == 0 || n != token.size()) return false;
  double value = Convert(token);
  if (!std::isfinite(value) || std::fabs(value) == DBL_MAX) return false;
  out = value;
  return true;
}

}  // namespace common
