#pragma once
// The calendar of the weather year that both hourly simulations step
// through: 12 months of 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 days
// (365 days, no leap day), 24 hours a day. The week is counted by DayOfWeek:
// 6 before the first day, advanced at the start of each day with 7 wrapping
// to 0, so 1 January is day 0 (the office closing day) and day 6 the short day.
#include <array>

#include "common/value_types.h"

namespace simulation {

struct SimCalendar {
  // Days of months 1..12 (element 0 unused). A month of 0 days is skipped,
  // which lets tests run the simulations over a few days.
  std::array<int, 13> MonthDays{};

  int Hours() const {
    int days = 0;
    for (int m = 1; m <= 12; ++m) days += MonthDays[m];
    return days * 24;
  }
};

inline constexpr SimCalendar kWeatherYear{{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

inline void AdvanceDayOfWeek(common::Integer& dayOfWeek) {
  dayOfWeek = static_cast<common::Integer>(dayOfWeek + 1);
  if (dayOfWeek == 7) dayOfWeek = 0;
}

}  // namespace simulation
