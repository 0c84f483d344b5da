// Trimming as the program's texts are trimmed: every control character and
// blank (codes up to and including the space) goes from both ends.
#pragma once

#include <string_view>

namespace verdalis {

std::string_view trimText(std::string_view text);

} // namespace verdalis
