// Conversions between cells and the texts and numbers that callers read and
// write. One set of rules for both formats:
//   - Text reads as itself; an empty cell reads as "" in every type.
//   - Whole numbers read as plain decimals ("-12"); fractional numbers in the
//     shortest form that textToNumber reads back exactly ("0.1", "1e+20").
//   - Logical reads as "True" / "False".
//   - Dates read as ISO "YYYY-MM-DD", times as "HH:MM:SS" (".mmm" when the
//     milliseconds are not zero), timestamps as "YYYY-MM-DD HH:MM:SS". The
//     ISO form keeps table texts independent of the user's date settings and
//     is what the table builder takes.
// Bad texts raise ConversionError naming the column.
#pragma once

#include "tables/table_data.h"

#include <string>
#include <string_view>

namespace verdalis {

std::string cellText(const FieldDef& field, const Value& value);
// An empty cell reads as 0. Logical, date and time columns raise
// ConversionError.
double cellNumber(const FieldDef& field, const Value& value);
// Fractional numbers are rounded half to even.
int64_t cellInteger(const FieldDef& field, const Value& value);

// Empty text gives an empty cell. Numbers accept what textToNumber accepts;
// logicals "true"/"false", "t"/"f", "yes"/"no", "y"/"n", "1"/"0" (any case);
// dates "YYYY-MM-DD" or "M/D/YYYY"; times as cellText writes them;
// timestamps "YYYY-MM-DD" optionally followed by a blank and a time.
Value cellFromText(const FieldDef& field, std::string_view text);
Value cellFromNumber(const FieldDef& field, double number);
Value cellFromInteger(const FieldDef& field, int64_t number);

} // namespace verdalis
