#include "tables/cell_value.h"

#include "tables/calendar.h"
#include "tables/text_fold.h"
#include "util/number_text.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace verdalis {
namespace {

[[noreturn]] void rejectText(const FieldDef& field, std::string_view text)
{
    throw ConversionError("'" + std::string(text) + "' is not a valid " + std::string(fieldTypeName(field.type))
                          + " value for column " + field.name);
}

[[noreturn]] void rejectNumericUse(const FieldDef& field)
{
    throw ConversionError("column " + field.name + " (" + std::string(fieldTypeName(field.type))
                          + ") cannot be used as a number");
}

std::optional<int64_t> parseWholeNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseNumber(std::string_view text)
{
    double number = 0;
    if (!tryTextToNumber(text, number)) {
        return std::nullopt;
    }
    return number;
}

// "M/D/YYYY" with one- or two-digit month and day.
std::optional<CalendarDate> parseMonthDayYear(std::string_view text)
{
    CalendarDate date;
    int* parts[] = {&date.month, &date.day, &date.year};
    size_t pos = 0;
    for (size_t i = 0; i < 3; ++i) {
        const size_t end = i < 2 ? text.find('/', pos) : text.size();
        if (end == std::string_view::npos || end == pos) {
            return std::nullopt;
        }
        const std::string_view digits = text.substr(pos, end - pos);
        const auto [last, error] = std::from_chars(digits.data(), digits.data() + digits.size(), *parts[i]);
        if (error != std::errc() || last != digits.data() + digits.size()) {
            return std::nullopt;
        }
        pos = end + 1;
    }
    if (!isValidDate(date)) {
        return std::nullopt;
    }
    return date;
}

std::optional<int64_t> parseDay(std::string_view text)
{
    auto date = parseIsoDate(text);
    if (!date) {
        date = parseMonthDayYear(text);
    }
    if (!date) {
        return std::nullopt;
    }
    return dayNumberFromCivil(*date);
}

std::optional<double> parseTimestamp(std::string_view text)
{
    const size_t blank = text.find(' ');
    const auto day = parseDay(text.substr(0, blank));
    std::optional<int64_t> time = 0;
    if (blank != std::string_view::npos) {
        time = parseTimeOfDay(text.substr(blank + 1));
    }
    if (!day || !time) {
        return std::nullopt;
    }
    return static_cast<double>(*day * kMillisecondsPerDay + *time);
}

std::optional<bool> parseLogical(std::string_view text)
{
    const std::string folded = foldCase(text);
    for (const char* word : {"true", "t", "yes", "y", "1"}) {
        if (folded == word) {
            return true;
        }
    }
    for (const char* word : {"false", "f", "no", "n", "0"}) {
        if (folded == word) {
            return false;
        }
    }
    return std::nullopt;
}

// Whole numbers beyond this are not converted: the cast would overflow.
constexpr double kWholeNumberLimit = 9.0e18;

std::optional<int64_t> roundToWhole(double number)
{
    const double rounded = std::nearbyint(number);
    if (!(std::fabs(rounded) <= kWholeNumberLimit)) {
        return std::nullopt;
    }
    return static_cast<int64_t>(rounded);
}

std::string timestampText(double milliseconds)
{
    if (!(milliseconds >= 0 && milliseconds <= kWholeNumberLimit)) {
        return shortestDecimal(milliseconds);
    }
    const auto total = static_cast<int64_t>(std::floor(milliseconds));
    const int64_t day = total / kMillisecondsPerDay;
    return formatIsoDate(civilFromDayNumber(day)) + " " + formatTimeOfDay(total % kMillisecondsPerDay);
}

} // namespace

std::string cellText(const FieldDef& field, const Value& value)
{
    if (std::holds_alternative<std::monostate>(value)) {
        return {};
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    if (const auto* flag = std::get_if<bool>(&value)) {
        return *flag ? "True" : "False";
    }
    if (const auto* number = std::get_if<double>(&value)) {
        return field.type == FieldType::Timestamp ? timestampText(*number) : shortestDecimal(*number);
    }
    const int64_t whole = std::get<int64_t>(value);
    switch (field.type) {
    case FieldType::Date: return formatIsoDate(civilFromDayNumber(whole));
    case FieldType::Time: return formatTimeOfDay(whole);
    default: return std::to_string(whole);
    }
}

double cellNumber(const FieldDef& field, const Value& value)
{
    if (isEmpty(value)) {
        return 0;
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return textToNumber(*text);
    }
    if (std::holds_alternative<bool>(value) || field.type == FieldType::Date || field.type == FieldType::Time
        || field.type == FieldType::Timestamp) {
        rejectNumericUse(field);
    }
    if (const auto* number = std::get_if<double>(&value)) {
        return *number;
    }
    return static_cast<double>(std::get<int64_t>(value));
}

int64_t cellInteger(const FieldDef& field, const Value& value)
{
    if (const auto* text = std::get_if<std::string>(&value); text && !text->empty()) {
        return textToInteger(*text);
    }
    if (const auto* whole = std::get_if<int64_t>(&value); whole && isWholeNumberType(field.type)) {
        return *whole;
    }
    const auto whole = roundToWhole(cellNumber(field, value));
    if (!whole) {
        throw ConversionError("the value of column " + field.name + " is too large for a whole number");
    }
    return *whole;
}

Value cellFromText(const FieldDef& field, std::string_view text)
{
    if (text.empty()) {
        return {};
    }
    const auto accept = [&](const auto& parsed) -> Value {
        if (!parsed) {
            rejectText(field, text);
        }
        return *parsed;
    };
    switch (field.type) {
    case FieldType::Text: return std::string(text);
    case FieldType::Integer:
    case FieldType::Short:
    case FieldType::AutoIncrement: return accept(parseWholeNumber(text));
    case FieldType::Float:
    case FieldType::Money: return accept(parseNumber(text));
    case FieldType::Logical: return accept(parseLogical(text));
    case FieldType::Date: return accept(parseDay(text));
    case FieldType::Time: return accept(parseTimeOfDay(text));
    case FieldType::Timestamp: return accept(parseTimestamp(text));
    }
    rejectText(field, text);
}

Value cellFromNumber(const FieldDef& field, double number)
{
    if (!std::isfinite(number)) {
        throw ConversionError("column " + field.name + " cannot hold " + shortestDecimal(number));
    }
    switch (field.type) {
    case FieldType::Text: return shortestDecimal(number);
    case FieldType::Float:
    case FieldType::Money:
    case FieldType::Timestamp: return number;
    case FieldType::Logical:
    case FieldType::Date:
    case FieldType::Time: rejectNumericUse(field);
    default: break;
    }
    const auto whole = roundToWhole(number);
    if (!whole) {
        throw ConversionError("column " + field.name + " cannot hold " + shortestDecimal(number));
    }
    return *whole;
}

Value cellFromInteger(const FieldDef& field, int64_t number)
{
    switch (field.type) {
    case FieldType::Text: return std::to_string(number);
    case FieldType::Float:
    case FieldType::Money:
    case FieldType::Timestamp: return static_cast<double>(number);
    case FieldType::Logical:
    case FieldType::Date:
    case FieldType::Time: rejectNumericUse(field);
    default: return number;
    }
}

} // namespace verdalis
