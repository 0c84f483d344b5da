#include "util/short_date.h"

#include "util/number_text.h"
#include "util/text_case.h"
#include "util/text_trim.h"

#include <ctime>
#include <stdexcept>

namespace verdalis {
namespace {

constexpr int kMonthsPerYear = 12;
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
constexpr int kCenturyWindowBefore = 50;
constexpr int kYearsPerCentury = 100;
constexpr size_t kFullYearDigits = 4;
constexpr size_t kShortYearDigits = 2;
constexpr size_t kMaxDayMonthDigits = 2;
constexpr int kTmBaseYear = 1900;

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    constexpr int kDays[kMonthsPerYear] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isFormatLetter(char c) { return c == 'd' || c == 'M' || c == 'y'; }

std::string zeroPadded(int number, size_t width)
{
    std::string text = std::to_string(number);
    return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

size_t leadingDigits(std::string_view text)
{
    size_t count = 0;
    while (count < text.size() && text[count] >= '0' && text[count] <= '9') {
        ++count;
    }
    return count;
}

// A two-digit year in the window that starts 50 years before this year.
int expandShortYear(int shortYear, int currentYear)
{
    const int windowStart = currentYear - kCenturyWindowBefore;
    int year = windowStart - windowStart % kYearsPerCentury + shortYear;
    if (year < windowStart) {
        year += kYearsPerCentury;
    }
    return year;
}

constexpr int kHoursPerDay = 24;
constexpr int kHoursPerHalfDay = 12;
constexpr int kMinutesPerHour = 60;
constexpr int kSecondsPerMinute = 60;
constexpr size_t kMinuteDigits = 2;

// Takes a number of one to maxDigits digits (exactly maxDigits when exact)
// from the front of text.
std::optional<int> takeNumber(std::string_view& text, size_t maxDigits, bool exact)
{
    const size_t digits = leadingDigits(text);
    if (digits == 0 || digits > maxDigits || (exact && digits != maxDigits)) {
        return std::nullopt;
    }
    const int number = textToInteger(text.substr(0, digits));
    text.remove_prefix(digits);
    return number;
}

// "H:MM", "H:MM:SS", each optionally followed by "AM" or "PM".
bool parseTimeOfDay(std::string_view text, CalendarDateTime& moment)
{
    const auto hour = takeNumber(text, kMaxDayMonthDigits, false);
    if (!hour || !text.starts_with(':')) {
        return false;
    }
    text.remove_prefix(1);
    const auto minute = takeNumber(text, kMinuteDigits, true);
    std::optional<int> second = 0;
    if (minute && text.starts_with(':')) {
        text.remove_prefix(1);
        second = takeNumber(text, kMinuteDigits, true);
    }
    if (!minute || !second || *minute >= kMinutesPerHour || *second >= kSecondsPerMinute) {
        return false;
    }
    text = trimText(text);
    moment.hour = *hour;
    if (!text.empty()) {
        const bool morning = equalsIgnoringCase(text, "AM");
        if ((!morning && !equalsIgnoringCase(text, "PM")) || *hour < 1 || *hour > kHoursPerHalfDay) {
            return false;
        }
        moment.hour = *hour % kHoursPerHalfDay + (morning ? 0 : kHoursPerHalfDay);
    }
    moment.minute = *minute;
    moment.second = *second;
    return moment.hour < kHoursPerDay;
}

} // namespace

bool isValidDate(const CalendarDate& date)
{
    return date.year >= kFirstYear && date.year <= kLastYear && date.month >= 1 && date.month <= kMonthsPerYear
        && date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

CalendarDateTime systemNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {{local.tm_year + kTmBaseYear, local.tm_mon + 1, local.tm_mday}, local.tm_hour, local.tm_min, local.tm_sec};
}

CalendarDate systemToday() { return systemNow().date; }

std::string formatTimeOfDay(const CalendarDateTime& moment)
{
    const int clockHour = moment.hour % kHoursPerHalfDay == 0 ? kHoursPerHalfDay : moment.hour % kHoursPerHalfDay;
    return std::to_string(clockHour) + ":" + zeroPadded(moment.minute, kMinuteDigits) + ":"
        + zeroPadded(moment.second, kMinuteDigits) + (moment.hour < kHoursPerHalfDay ? " AM" : " PM");
}

ShortDateFormat::ShortDateFormat(std::string_view format)
{
    bool seen[3] = {false, false, false};
    size_t i = 0;
    while (i < format.size()) {
        const char letter = format[i];
        if (!isFormatLetter(letter)) {
            (elements_.empty() ? leadingText_ : elements_.back().separatorAfter) += letter;
            ++i;
            continue;
        }
        size_t width = 0;
        while (i < format.size() && format[i] == letter) {
            ++width;
            ++i;
        }
        const Part part = letter == 'd' ? Part::Day : letter == 'M' ? Part::Month : Part::Year;
        const bool widthFits = part == Part::Year ? (width == kShortYearDigits || width == kFullYearDigits)
                                                  : width <= kMaxDayMonthDigits;
        const size_t index = static_cast<size_t>(part);
        if (!widthFits || seen[index]) {
            throw std::invalid_argument("Unsupported short date format \"" + std::string(format) + "\"");
        }
        seen[index] = true;
        elements_.push_back({part, width, {}});
    }
    if (!(seen[0] && seen[1] && seen[2])) {
        throw std::invalid_argument("Unsupported short date format \"" + std::string(format) + "\"");
    }
}

std::string ShortDateFormat::format(const CalendarDate& date) const
{
    std::string text = leadingText_;
    for (const Element& element : elements_) {
        switch (element.part) {
        case Part::Day:
            text += zeroPadded(date.day, element.width);
            break;
        case Part::Month:
            text += zeroPadded(date.month, element.width);
            break;
        case Part::Year:
            text += element.width == kShortYearDigits ? zeroPadded(date.year % kYearsPerCentury, kShortYearDigits)
                                                      : zeroPadded(date.year, kFullYearDigits);
            break;
        }
        text += element.separatorAfter;
    }
    return text;
}

std::optional<CalendarDate> ShortDateFormat::takeDate(std::string_view& rest, const TodaySource& today) const
{
    if (!rest.starts_with(leadingText_)) {
        return std::nullopt;
    }
    rest.remove_prefix(leadingText_.size());
    CalendarDate date;
    for (const Element& element : elements_) {
        const size_t digits = leadingDigits(rest);
        const bool digitsFit = element.part == Part::Year ? (digits == kShortYearDigits || digits == kFullYearDigits)
                                                          : (digits >= 1 && digits <= kMaxDayMonthDigits);
        if (!digitsFit) {
            return std::nullopt;
        }
        const int number = textToInteger(rest.substr(0, digits));
        rest.remove_prefix(digits);
        switch (element.part) {
        case Part::Day:
            date.day = number;
            break;
        case Part::Month:
            date.month = number;
            break;
        case Part::Year:
            date.year = digits == kShortYearDigits ? expandShortYear(number, today().year) : number;
            break;
        }
        if (!rest.starts_with(element.separatorAfter)) {
            return std::nullopt;
        }
        rest.remove_prefix(element.separatorAfter.size());
    }
    if (!isValidDate(date)) {
        return std::nullopt;
    }
    return date;
}

std::optional<CalendarDate> ShortDateFormat::tryParse(std::string_view text, const TodaySource& today) const
{
    std::string_view rest = trimText(text);
    const auto date = takeDate(rest, today);
    return rest.empty() ? date : std::nullopt;
}

CalendarDate ShortDateFormat::parse(std::string_view text, const TodaySource& today) const
{
    if (const auto date = tryParse(text, today)) {
        return *date;
    }
    throw ConversionError("'" + std::string(text) + "' is not a valid date");
}

std::optional<CalendarDateTime> ShortDateFormat::tryParseDateTime(std::string_view text,
                                                                   const TodaySource& today) const
{
    std::string_view rest = trimText(text);
    const auto date = takeDate(rest, today);
    if (!date) {
        return std::nullopt;
    }
    CalendarDateTime moment{*date};
    if (!rest.empty() && (rest.front() != ' ' || !parseTimeOfDay(trimText(rest), moment))) {
        return std::nullopt;
    }
    return moment;
}

std::string ShortDateFormat::todayText(const TodaySource& today) const { return format(today()); }

} // namespace verdalis
