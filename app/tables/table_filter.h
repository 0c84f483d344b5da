// Record filters: equalities of a column with a quoted text joined by "and",
// compared ignoring letter case:
//     LKey = 'abc'
//     CN_CropID = '12' and Tillage_ID = '3'
// A quote inside the text is written twice ('O''Brien').
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

struct FilterTerm {
    std::string column;
    std::string value;
};

// Raises TableError describing the first thing that is not of that form.
std::vector<FilterTerm> parseFilter(std::string_view expression);

} // namespace verdalis
