// Comparisons of names, captions and list items without regard to letter
// case, as every name the program compares is (ASCII letters fold).
#pragma once

#include <string>
#include <string_view>

namespace verdalis::ui {

bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Negative, zero or positive as a sorts before, with or after b.
int compareIgnoreCase(std::string_view a, std::string_view b);

} // namespace verdalis::ui
