// Calendar days as day numbers: day 1 is 1 January of the year 1 in the
// proleptic Gregorian calendar, the count Paradox stores for dates.
#pragma once

#include "util/short_date.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace verdalis {

int64_t dayNumberFromCivil(const CalendarDate& date);
CalendarDate civilFromDayNumber(int64_t dayNumber);

// "YYYY-MM-DD" with a valid day; nothing else.
std::optional<CalendarDate> parseIsoDate(std::string_view text);
std::string formatIsoDate(const CalendarDate& date);

// "HH:MM:SS" and "HH:MM:SS.mmm"; milliseconds since midnight.
std::optional<int64_t> parseTimeOfDay(std::string_view text);
std::string formatTimeOfDay(int64_t millisecondsSinceMidnight);

constexpr int64_t kMillisecondsPerDay = 86'400'000;

} // namespace verdalis
