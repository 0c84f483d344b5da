#include "tables/code_page.h"

#include "tables/table_error.h"
#include "util/text_encoding.h"

namespace verdalis {

std::string utf8ToWindows1252(std::string_view text, std::string_view column)
{
    if (!isValidUtf8(text)) {
        throw TableError("column " + std::string(column) + ": the text is not valid UTF-8");
    }
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t start = pos;
        const auto byte = toWindows1252(nextCodePoint(text, pos));
        if (!byte) {
            throw TableError("column " + std::string(column) + ": the character '" +
                             std::string(text.substr(start, pos - start)) +
                             "' cannot be stored (tables hold Windows-1252 text)");
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

} // namespace verdalis
