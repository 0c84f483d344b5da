// Number texts of reports, labels and saved records: pattern formats,
// the general and shortest forms, padding to a width and banker's rounding.
// Reading number texts is in number_text.h.
//
// Pattern formats ("###,###,###,##0.##", "0.##", "#.00", "0.###", "0"):
//   "0"  a digit that is always shown (leading or trailing zeros pad)
//   "#"  a digit shown only when significant
//   ","  anywhere before the decimal point: thousands separators
//   "."  the decimal point; "0"/"#" after it give the decimals
// The value is first taken to 18 significant decimal digits and then rounded
// half away from zero to the pattern's decimals. So the double nearest 2.675
// (2.67499999999999982...) shows as "2.67" with "0.##", while 0.125, which a
// double holds exactly, shows as "0.13". A float argument widens exactly to
// double: 1.345f (1.34500002861...) shows as "1.35". A value that rounds to
// zero shows no minus sign. Values of 1e18 and more use the general form.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace verdalis {

// Raises std::invalid_argument for a pattern with other characters than
// "0", "#", "," and one ".": patterns are part of the program, not input.
std::string formatNumber(std::string_view pattern, double value);

// The general form: at most 15 significant digits, no trailing zeros,
// fixed-point from 0.00001 up to 15 integer digits, otherwise scientific
// ("1E-6", "1.5E20"). A float shows its exact widened value to 15 digits
// (0.3f gives "0.300000011920929").
std::string formatGeneral(double value);

// The shortest text that reads back as the same float ("0.3" for 0.3f).
std::string shortestSingleDecimal(float value);

// "%7s": the text right-aligned in width characters; "%-30s": left-aligned.
// A longer text is kept whole.
std::string alignRight(std::string_view text, size_t width);
std::string alignLeft(std::string_view text, size_t width);

// The nearest whole number, halves going to the even neighbour (12.5 gives
// 12, 13.5 gives 14, -2.5 gives -2). Raises ConversionError for a value that
// is not a number or lies outside the 64-bit range.
int64_t roundHalfEven(double value);

} // namespace verdalis
