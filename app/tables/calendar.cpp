#include "tables/calendar.h"

#include <charconv>
#include <cstdio>

namespace verdalis {
namespace {

// Howard Hinnant's days-from-civil algorithm counts from 1970-01-01; this
// offset moves its origin so that 0001-01-01 is day 1.
constexpr int64_t kUnixEpochDayNumber = 719'163;

std::optional<int> readDigits(std::string_view text, size_t from, size_t count)
{
    if (from + count > text.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

int64_t dayNumberFromCivil(const CalendarDate& date)
{
    const int64_t y = date.month <= 2 ? date.year - 1 : date.year;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t shiftedMonth = date.month > 2 ? date.month - 3 : date.month + 9;
    const int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + date.day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const int64_t daysSinceUnixEpoch = era * 146'097 + dayOfEra - 719'468;
    return daysSinceUnixEpoch + kUnixEpochDayNumber;
}

CalendarDate civilFromDayNumber(int64_t dayNumber)
{
    const int64_t z = dayNumber - kUnixEpochDayNumber + 719'468;
    const int64_t era = (z >= 0 ? z : z - 146'096) / 146'097;
    const int64_t dayOfEra = z - era * 146'097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    CalendarDate date;
    date.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    date.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

std::optional<CalendarDate> parseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = readDigits(text, 0, 4);
    const auto month = readDigits(text, 5, 2);
    const auto day = readDigits(text, 8, 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const CalendarDate date{*year, *month, *day};
    if (!isValidDate(date)) {
        return std::nullopt;
    }
    return date;
}

std::string formatIsoDate(const CalendarDate& date)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer;
}

std::optional<int64_t> parseTimeOfDay(std::string_view text)
{
    if ((text.size() != 8 && text.size() != 12) || text[2] != ':' || text[5] != ':') {
        return std::nullopt;
    }
    const auto hours = readDigits(text, 0, 2);
    const auto minutes = readDigits(text, 3, 2);
    const auto seconds = readDigits(text, 6, 2);
    std::optional<int> milliseconds = 0;
    if (text.size() == 12) {
        milliseconds = text[8] == '.' ? readDigits(text, 9, 3) : std::nullopt;
    }
    if (!hours || !minutes || !seconds || !milliseconds || *hours > 23 || *minutes > 59 || *seconds > 59) {
        return std::nullopt;
    }
    return ((int64_t{*hours} * 60 + *minutes) * 60 + *seconds) * 1000 + *milliseconds;
}

std::string formatTimeOfDay(int64_t millisecondsSinceMidnight)
{
    const long long totalSeconds = millisecondsSinceMidnight / 1000;
    const long long milliseconds = millisecondsSinceMidnight % 1000;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02lld:%02lld:%02lld", totalSeconds / 3600, totalSeconds / 60 % 60,
                  totalSeconds % 60);
    std::string text = buffer;
    if (milliseconds != 0) {
        std::snprintf(buffer, sizeof buffer, ".%03lld", milliseconds);
        text += buffer;
    }
    return text;
}

} // namespace verdalis
