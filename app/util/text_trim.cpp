#include "util/text_trim.h"

namespace verdalis {

std::string_view trimText(std::string_view text)
{
    const auto isBlankOrControl = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isBlankOrControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlankOrControl(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace verdalis
