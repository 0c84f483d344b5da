// Letter-case folding for the key index and filters, which compare cell
// values without regard to case. Covers the letters that Windows-1252
// tables can hold, beyond the ASCII names util/text_case.h compares.
#pragma once

#include <string>
#include <string_view>

namespace verdalis {

std::string foldCase(std::string_view text);

} // namespace verdalis
