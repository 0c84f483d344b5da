// Letter-case helpers for names, keys and captions, which the program
// compares without regard to case. Only ASCII letters change case: the
// names the program compares are plain ASCII.
#pragma once

#include <string>
#include <string_view>

namespace verdalis {

std::string toLowerAscii(std::string_view text);
std::string toUpperAscii(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Negative, zero or positive as a sorts before, with or after b.
int compareIgnoringCase(std::string_view a, std::string_view b);

} // namespace verdalis
