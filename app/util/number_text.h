// Conversions between numbers and the decimal texts that tables, settings
// files and input boxes hold.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace verdalis {

// Raised when a text that must be a number is not one. The event dispatcher
// reports it in the standard error box and it ends the operation in progress.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A complete decimal number with optional surrounding blanks: an optional
// sign, digits with at most one decimal point, an optional exponent
// ("  -12.5 ", "3e2", ".5"). Anything else — empty text, thousands
// separators, "inf", trailing letters — raises ConversionError.
double textToNumber(std::string_view text);

// A whole number in 32-bit range with optional surrounding blanks and sign.
int32_t textToInteger(std::string_view text);

// Like textToNumber, but answers false instead of raising.
bool tryTextToNumber(std::string_view text, double& value);
bool tryTextToInteger(std::string_view text, int32_t& value);

// The shortest text that textToNumber reads back as exactly the same double
// ("0.1", "42", "1e+20").
std::string shortestDecimal(double value);

} // namespace verdalis
