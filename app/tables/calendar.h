// Calendar days as day numbers: day 1 is 1 January of the year 1 in the
// proleptic Gregorian calendar, the count Paradox stores for dates.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace verdalis {

struct CivilDate {
    int year = 1;
    int month = 1;
    int day = 1;
};

bool isValidCivilDate(const CivilDate& date);
int64_t dayNumberFromCivil(const CivilDate& date);
CivilDate civilFromDayNumber(int64_t dayNumber);

// "YYYY-MM-DD" with a valid day; nothing else.
std::optional<CivilDate> parseIsoDate(std::string_view text);
std::string formatIsoDate(const CivilDate& date);

// "HH:MM:SS" and "HH:MM:SS.mmm"; milliseconds since midnight.
std::optional<int64_t> parseTimeOfDay(std::string_view text);
std::string formatTimeOfDay(int64_t millisecondsSinceMidnight);

constexpr int64_t kMillisecondsPerDay = 86'400'000;

} // namespace verdalis
