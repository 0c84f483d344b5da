#include "util/number_format.h"

#include "util/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace verdalis {
namespace {

// Significant digits a value is taken to before pattern rounding: the
// precision of the extended type the number patterns were defined on.
constexpr int kPatternSignificantDigits = 18;
constexpr int kGeneralSignificantDigits = 15;
// Smallest decimal exponent that the general form still writes in fixed
// point (0.00001), and the largest (15 integer digits).
constexpr int kGeneralFixedMinExponent = -5;
constexpr int kGeneralFixedMaxExponent = kGeneralSignificantDigits - 1;
constexpr double kPatternLimit = 1e18;
constexpr size_t kThousandsGroup = 3;
constexpr double kInt64Limit = 9223372036854775808.0; // 2^63

struct Pattern {
    size_t minIntegerDigits = 0;
    bool thousands = false;
    size_t minDecimals = 0;
    size_t maxDecimals = 0;
};

Pattern parsePattern(std::string_view text)
{
    Pattern pattern;
    const size_t point = text.find('.');
    const std::string_view integerPart = text.substr(0, point);
    const std::string_view fractionPart = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    bool requiredSeen = false;
    for (const char c : integerPart) {
        if (c == ',') {
            pattern.thousands = true;
            continue;
        }
        if (c != '0' && c != '#') {
            throw std::invalid_argument("Unsupported number pattern \"" + std::string(text) + "\"");
        }
        requiredSeen = requiredSeen || c == '0';
        pattern.minIntegerDigits += requiredSeen ? 1 : 0;
    }
    for (const char c : fractionPart) {
        if (c != '0' && c != '#') {
            throw std::invalid_argument("Unsupported number pattern \"" + std::string(text) + "\"");
        }
        ++pattern.maxDecimals;
        if (c == '0') {
            pattern.minDecimals = pattern.maxDecimals;
        }
    }
    return pattern;
}

// The magnitude as significant decimal digits and the decimal exponent of
// the first one: value = d.ddd... x 10^exponent.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits significantDigits(double magnitude, int count)
{
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.*e", count - 1, magnitude);
    const std::string_view text(buffer.data());
    const size_t exponentMark = text.find('e');
    DecimalDigits result;
    for (const char c : text.substr(0, exponentMark)) {
        if (c != '.') {
            result.digits += c;
        }
    }
    const std::string_view exponent = text.substr(exponentMark + 1);
    const std::string_view unsignedExponent = exponent.front() == '+' ? exponent.substr(1) : exponent;
    std::from_chars(unsignedExponent.data(), unsignedExponent.data() + unsignedExponent.size(), result.exponent);
    return result;
}

// Adds one unit in the last place of a decimal digit string, carrying into
// a new leading digit when every digit was a 9.
void incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string groupThousands(const std::string& digits)
{
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % kThousandsGroup == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string nonFiniteText(double value)
{
    if (std::isnan(value)) {
        return "NAN";
    }
    return value < 0 ? "-INF" : "INF";
}

} // namespace

std::string formatNumber(std::string_view patternText, double value)
{
    const Pattern pattern = parsePattern(patternText);
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    if (std::fabs(value) >= kPatternLimit) {
        return formatGeneral(value);
    }
    std::string integerDigits;
    std::string fractionDigits;
    if (value != 0) {
        const DecimalDigits decimal = significantDigits(std::fabs(value), kPatternSignificantDigits);
        if (decimal.exponent >= 0) {
            const size_t integerCount = static_cast<size_t>(decimal.exponent) + 1;
            integerDigits = decimal.digits.substr(0, integerCount);
            fractionDigits = decimal.digits.substr(integerDigits.size());
        } else {
            fractionDigits = std::string(static_cast<size_t>(-decimal.exponent - 1), '0') + decimal.digits;
        }
    }
    // Round half away from zero to the pattern's decimals.
    std::string kept = integerDigits + fractionDigits.substr(0, pattern.maxDecimals);
    kept.append(integerDigits.size() + pattern.maxDecimals - kept.size(), '0');
    if (fractionDigits.size() > pattern.maxDecimals && fractionDigits[pattern.maxDecimals] >= '5') {
        incrementDigits(kept);
    }
    integerDigits = kept.substr(0, kept.size() - pattern.maxDecimals);
    fractionDigits = kept.substr(integerDigits.size());

    const bool isZero = kept.find_first_not_of('0') == std::string::npos;
    integerDigits.erase(0, std::min(integerDigits.find_first_not_of('0'), integerDigits.size()));
    if (integerDigits.size() < pattern.minIntegerDigits) {
        integerDigits.insert(0, pattern.minIntegerDigits - integerDigits.size(), '0');
    }
    while (fractionDigits.size() > pattern.minDecimals && fractionDigits.back() == '0') {
        fractionDigits.pop_back();
    }
    std::string result = (value < 0 && !isZero) ? "-" : "";
    result += pattern.thousands ? groupThousands(integerDigits) : integerDigits;
    if (!fractionDigits.empty()) {
        result += '.' + fractionDigits;
    }
    return result;
}

std::string formatGeneral(double value)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    if (value == 0) {
        return "0";
    }
    DecimalDigits decimal = significantDigits(std::fabs(value), kGeneralSignificantDigits);
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    std::string result = value < 0 ? "-" : "";
    if (decimal.exponent < kGeneralFixedMinExponent || decimal.exponent > kGeneralFixedMaxExponent) {
        result += decimal.digits.front();
        if (decimal.digits.size() > 1) {
            result += '.' + decimal.digits.substr(1);
        }
        return result + "E" + std::to_string(decimal.exponent);
    }
    if (decimal.exponent < 0) {
        return result + "0." + std::string(static_cast<size_t>(-decimal.exponent - 1), '0') + decimal.digits;
    }
    const size_t integerCount = static_cast<size_t>(decimal.exponent) + 1;
    if (decimal.digits.size() <= integerCount) {
        return result + decimal.digits + std::string(integerCount - decimal.digits.size(), '0');
    }
    return result + decimal.digits.substr(0, integerCount) + "." + decimal.digits.substr(integerCount);
}

std::string shortestSingleDecimal(float value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string alignRight(std::string_view text, size_t width)
{
    const size_t padding = text.size() < width ? width - text.size() : 0;
    return std::string(padding, ' ') + std::string(text);
}

std::string alignLeft(std::string_view text, size_t width)
{
    const size_t padding = text.size() < width ? width - text.size() : 0;
    return std::string(text) + std::string(padding, ' ');
}

int64_t roundHalfEven(double value)
{
    if (!(std::fabs(value) < kInt64Limit)) {
        throw ConversionError("Invalid floating point operation");
    }
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0)) {
        rounded = below + 1;
    }
    return static_cast<int64_t>(rounded);
}

} // namespace verdalis
