// Dates in the short date format of the system, which is configurable and
// defaults to "M/dd/yyyy" (so "1/01/2000" is a valid date text). The last
// update check date is stored in this form in the settings files.
#pragma once

#include <compare>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;

    auto operator<=>(const CalendarDate&) const = default;
};

bool isValidDate(const CalendarDate& date);

struct CalendarDateTime {
    CalendarDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;

    auto operator<=>(const CalendarDateTime&) const = default;
};

// Today's date and the current moment; the real ones are systemToday and
// systemNow, tests pass their own.
using TodaySource = std::function<CalendarDate()>;
using NowSource = std::function<CalendarDateTime()>;
CalendarDate systemToday();
CalendarDateTime systemNow();

// The time of day in the system's time format, "h:mm:ss AM" ("3:05:09 PM",
// "12:00:00 AM" at midnight), as report headers show the current time.
std::string formatTimeOfDay(const CalendarDateTime& moment);

inline constexpr std::string_view kDefaultShortDateFormat = "M/dd/yyyy";

class ShortDateFormat {
public:
    // The format is made of "d"/"dd", "M"/"MM", "yy"/"yyyy" and the
    // separator characters between them; each of day, month and year
    // appears exactly once. Raises std::invalid_argument otherwise.
    explicit ShortDateFormat(std::string_view format = kDefaultShortDateFormat);

    std::string format(const CalendarDate& date) const;

    // Reads a date text: day, month and year in the order of the format,
    // separated by the format's separators, with optional blanks around the
    // text. Day and month take one or two digits whatever their width in
    // the format; the year takes four digits, or two, which name the year
    // in the century window of 50 years before to 49 after the current
    // year. Anything else, and an impossible date (2/30/2001), gives
    // nothing.
    std::optional<CalendarDate> tryParse(std::string_view text, const TodaySource& today = systemToday) const;
    // Like tryParse, but raises ConversionError "'text' is not a valid date".
    CalendarDate parse(std::string_view text, const TodaySource& today = systemToday) const;

    // A date text followed by blanks and a time of day, "H:MM" or
    // "H:MM:SS", on the 24-hour clock or with "AM"/"PM" after it (blanks
    // before it allowed, any letter case): "03/15/24 10:30AM". A date alone
    // is midnight.
    std::optional<CalendarDateTime> tryParseDateTime(std::string_view text,
                                                     const TodaySource& today = systemToday) const;

    std::string todayText(const TodaySource& today = systemToday) const;

private:
    enum class Part { Day, Month, Year };
    struct Element {
        Part part;
        size_t width; // digits in the format: 1 or 2, or 2 or 4 for the year
        std::string separatorAfter;
    };

    // Reads a date from the front of rest and leaves what follows it.
    std::optional<CalendarDate> takeDate(std::string_view& rest, const TodaySource& today) const;

    std::string leadingText_;
    std::vector<Element> elements_;
};

} // namespace verdalis
