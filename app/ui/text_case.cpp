#include "ui/text_case.h"

#include <algorithm>

namespace verdalis::ui {

namespace {

unsigned char foldCase(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

} // namespace

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    return compareIgnoreCase(a, b) == 0;
}

int compareIgnoreCase(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const unsigned char x = foldCase(a[i]);
        const unsigned char y = foldCase(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace verdalis::ui
