// Letter-case folding for the comparisons of keys, filters and names, which
// ignore case. Covers the letters that Windows-1252 tables can hold.
#pragma once

#include <string>
#include <string_view>

namespace verdalis {

std::string foldCase(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace verdalis
