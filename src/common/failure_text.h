#pragma once
// How a failed read or save is told: the window's own message, word for
// word, on the first line, and on a second line the reason the reading or
// writing function gave (a read-only folder or file, a full disk, a file
// that is not a regular file or is larger than any of its kind, a refused
// permission, a malformed item), so the user learns what to mend.
#include <string>

namespace common {

// `message`, then `reason` on a line of its own; `message` alone when no
// reason is known.
inline std::string WithReason(const std::string& message, const std::string& reason) {
  return reason.empty() ? message : message + "\n" + reason;
}

// How a run tells a total that stopped being finite (a quantity too large
// for a Single): where the run was ("Total out of range" alone when the
// error chain that follows names the place), then which amount of what
// overflowed.
inline std::string TotalOutOfRange(const std::string& where) {
  return where.empty() ? "Total out of range" : "Total out of range in " + where;
}
inline std::string OverflowReason(const std::string& amount, const std::string& what) {
  return "the " + amount + " of " + what + " is not a finite number (an overflow)";
}

}  // namespace common
