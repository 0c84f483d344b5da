// Quote-aware splitting of delimited text into fields: the program packs its
// lists (saved BMP and nutrient lists, window descriptions, report lines,
// update listings, map unit texts) into one text and reads them back here.
//
// A character lies inside quotes when an odd number of double quotes precede
// it or is it (the opening quote counts); a separator inside quotes is not a
// separator. Fields are numbered from 1.
#pragma once

#include "util/plain_message.h"

#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

// Element 0 of a field array; it is never a field.
inline constexpr std::string_view kUnusedFieldElement = "UnUsedElement";

// The text without any double quote. With report set, a text that held none
// is shown as "No Double Quotes found in [text]".
std::string RemoveQuotes(std::string_view text, bool report, const ShowPlainMessage& showMessage = {});
// The text without any comma; "No Commas found in [text]" under the same rule.
std::string RemoveCommas(std::string_view text, bool report, const ShowPlainMessage& showMessage = {});

// Every `from` outside quotes replaced by `to` ("-" by "/" in a date).
std::string ReplaceOutsideQuotes(std::string_view text, char from, char to);

int CountSeparators(std::string_view text, char separator);
// 0 for an empty text, else CountSeparators + 1.
int FieldCount(std::string_view text, char separator);

// Element 0 is kUnusedFieldElement; elements 1.. are the fields, each
// trimmed and, unless keepQuotes, without double quotes. With the blank as
// separator, runs of blanks outside quotes count as one and blanks at the
// ends are dropped, so no field is empty. An empty text has no fields.
std::vector<std::string> SplitFields(std::string_view text, char separator, bool keepQuotes = false);

// Field `index` of the text; an index above the number of fields gives the
// last field, one below 1 the first; an empty text gives an empty field.
std::string GetField(std::string_view text, int index, char separator);

// The fields in order, without element 0.
std::vector<std::string> SplitToList(std::string_view text, char separator);

} // namespace verdalis
