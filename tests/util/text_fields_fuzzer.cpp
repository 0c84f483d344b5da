// Any bytes as a packed list, a listing line or a date text: splitting,
// field lookup and date reading never fail, a split by any separator other
// than the blank has one field per separator outside quotes, plus one, and
// every field comes out trimmed.
#include "util/field_split.h"
#include "util/short_date.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace verdalis;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char separator : {',', ':', '='}) {
        const auto fields = SplitFields(text, separator);
        if (static_cast<int>(fields.size()) - 1 != FieldCount(text, separator)) {
            std::abort();
        }
    }
    for (const std::string& word : SplitToList(text, ' ')) {
        if (!word.empty() && (word.front() == ' ' || word.back() == ' ')) {
            std::abort();
        }
    }
    for (const int index : {-1, 0, 1, 4, 1000}) {
        (void)GetField(text, index, ' ');
        (void)GetField(text, index, ',');
    }
    (void)ReplaceOutsideQuotes(text, '-', '/');
    const TodaySource today = [] { return CalendarDate{2026, 3, 15}; };
    if (const auto moment = ShortDateFormat().tryParseDateTime(text, today)) {
        if (!isValidDate(moment->date)) {
            std::abort();
        }
    }
    return 0;
}
