#pragma once
// Number text shared by windows, reports and data files.
//
// Display form: the general text of a value, at most 7 significant digits
// for a Single and 15 for a Double, no trailing zeros, exponent form when the
// decimal exponent is below -4 or reaches the digit count
// ("0.5", "3.141593", "1.234568E+07", "6.123234E-17").
// Short form: a blank (or the minus sign) in front and no zero before the
// point (" .5", "-.5", " 2"), the text a number takes inside messages,
// labels and generated names ("more than 20 rooms!", "Chr# 2").
// Print form of reports: the short form followed by one blank (" .5 ").
#include <optional>
#include <string>
#include <string_view>

namespace common {

std::string DisplayText(float value);
std::string DisplayText(double value);
std::string DisplayTextInt(long value);
// A text that reads back as the same Single, for data files that must
// round-trip exactly: the display form when it does ("0.1", "100000"), else
// the shortest text that does ("1234.5677", "11683.875").
std::string ExactText(float value);

std::string ShortText(float value);
std::string ShortText(double value);
std::string ShortTextInt(long value);

std::string PrintText(float value);
std::string PrintText(double value);
std::string PrintTextInt(long value);

// The one rule for every typed number, in every window: blanks, tabs and
// line feeds are dropped wherever they stand ("1 200" -> 1200); a leading
// &H or &O reads a hexadecimal or octal whole number ("&H1F" -> 31); else
// the longest leading run that forms a number is taken ("12ab" -> 12,
// "1,500" -> 1, "1D3" -> 1000); text without one gives 0, and so does
// "-0". Never fails; a magnitude beyond the Double range saturates to the
// largest Double.
double LeadingNumber(std::string_view text);

// The typed number as a Single, by the rule the data-file reader stores a
// number with (NearestSingle): a text that rounds to a finite Single is
// taken, so the text a box shows for the largest Single ("3.4028235E+38")
// reads back as it; nullopt beyond.
std::optional<float> TypedSingle(std::string_view text);
// Why a typed number that TypedSingle refuses is not stored, as the second
// line of a refused save: "the number 1E39 is too large".
std::string TooLargeNumber(std::string_view typed);

// Parses a whole token as a number (a data-file item): optional sign,
// digits with an optional point, optional exponent with E or D.
// Returns false when the token is not exactly one finite number.
bool ParseNumber(std::string_view token, double& out);

}  // namespace common
