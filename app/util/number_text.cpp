#include "util/number_text.h"

#include <array>
#include <charconv>
#include <system_error>

namespace verdalis {
namespace {

std::string_view trimBlanks(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the decimal grammar by hand: from_chars alone would also take
// "inf", "nan" and hexadecimal forms.
bool isDecimalNumber(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        size_t exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == text.size();
}

// from_chars does not take a leading '+'.
std::string_view withoutPlus(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    return text;
}

} // namespace

bool tryTextToNumber(std::string_view text, double& value)
{
    const std::string_view number = trimBlanks(text);
    if (!isDecimalNumber(number)) {
        return false;
    }
    const std::string_view digits = withoutPlus(number);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() && end == digits.data() + digits.size();
}

bool tryTextToInteger(std::string_view text, int32_t& value)
{
    const std::string_view digits = withoutPlus(trimBlanks(text));
    if (digits.empty() || digits.front() == '+') {
        return false;
    }
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() && end == digits.data() + digits.size();
}

double textToNumber(std::string_view text)
{
    double value = 0;
    if (!tryTextToNumber(text, value)) {
        throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
    }
    return value;
}

int32_t textToInteger(std::string_view text)
{
    int32_t value = 0;
    if (!tryTextToInteger(text, value)) {
        throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
    }
    return value;
}

std::string shortestDecimal(double value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace verdalis
