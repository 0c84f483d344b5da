#include "util/field_split.h"

#include "util/text_trim.h"

#include <algorithm>

namespace verdalis {
namespace {

constexpr char kQuote = '"';
constexpr char kBlank = ' ';

// Follows the quote parity along a text: after feeding a character,
// insideQuotes() tells whether that character lies inside quotes.
class QuoteTracker {
public:
    void feed(char c)
    {
        if (c == kQuote) {
            ++quotes_;
        }
    }
    bool insideQuotes() const { return quotes_ % 2 == 1; }

private:
    size_t quotes_ = 0;
};

std::string withoutCharacter(std::string_view text, char removed, std::string_view notFoundMessage, bool report,
                             const ShowPlainMessage& showMessage)
{
    std::string result;
    result.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(result), [removed](char c) { return c != removed; });
    if (report && result.size() == text.size() && showMessage) {
        showMessage(std::string(notFoundMessage) + " [" + std::string(text) + "]");
    }
    return result;
}

// Blank-separated text: trimmed, with every run of blanks outside quotes
// reduced to one blank.
std::string collapseBlankRuns(std::string_view text)
{
    std::string result;
    QuoteTracker quotes;
    bool previousWasOutsideBlank = false;
    for (const char c : trimText(text)) {
        quotes.feed(c);
        const bool outsideBlank = c == kBlank && !quotes.insideQuotes();
        if (!(outsideBlank && previousWasOutsideBlank)) {
            result += c;
        }
        previousWasOutsideBlank = outsideBlank;
    }
    return std::string(trimText(result));
}

// Any other separator: one blank on each side of every separator outside
// quotes and at both ends, so that no field is ever an empty text before it
// is trimmed.
std::string padSeparators(std::string_view text, char separator)
{
    std::string result(1, kBlank);
    QuoteTracker quotes;
    for (const char c : text) {
        quotes.feed(c);
        if (c == separator && !quotes.insideQuotes()) {
            result += kBlank;
            result += c;
            result += kBlank;
        } else {
            result += c;
        }
    }
    result += kBlank;
    return result;
}

} // namespace

std::string RemoveQuotes(std::string_view text, bool report, const ShowPlainMessage& showMessage)
{
    return withoutCharacter(text, kQuote, "No Double Quotes found in", report, showMessage);
}

std::string RemoveCommas(std::string_view text, bool report, const ShowPlainMessage& showMessage)
{
    return withoutCharacter(text, ',', "No Commas found in", report, showMessage);
}

std::string ReplaceOutsideQuotes(std::string_view text, char from, char to)
{
    std::string result(text);
    QuoteTracker quotes;
    for (char& c : result) {
        quotes.feed(c);
        if (c == from && !quotes.insideQuotes()) {
            c = to;
        }
    }
    return result;
}

int CountSeparators(std::string_view text, char separator)
{
    int count = 0;
    QuoteTracker quotes;
    for (const char c : text) {
        quotes.feed(c);
        if (c == separator && !quotes.insideQuotes()) {
            ++count;
        }
    }
    return count;
}

int FieldCount(std::string_view text, char separator)
{
    return text.empty() ? 0 : CountSeparators(text, separator) + 1;
}

std::vector<std::string> SplitFields(std::string_view text, char separator, bool keepQuotes)
{
    std::vector<std::string> fields{std::string(kUnusedFieldElement)};
    if (text.empty()) {
        return fields;
    }
    const std::string working = separator == kBlank ? collapseBlankRuns(text) : padSeparators(text, separator);
    if (working.empty()) {
        return fields;
    }
    const auto storeField = [&](std::string_view field) {
        const std::string unquoted = keepQuotes ? std::string(field) : RemoveQuotes(field, false);
        fields.emplace_back(trimText(unquoted));
    };
    QuoteTracker quotes;
    size_t fieldStart = 0;
    for (size_t i = 0; i < working.size(); ++i) {
        quotes.feed(working[i]);
        if (working[i] == separator && !quotes.insideQuotes()) {
            storeField(std::string_view(working).substr(fieldStart, i - fieldStart));
            fieldStart = i + 1;
        }
    }
    storeField(std::string_view(working).substr(fieldStart));
    return fields;
}

std::string GetField(std::string_view text, int index, char separator)
{
    const std::vector<std::string> fields = SplitFields(text, separator);
    const int count = static_cast<int>(fields.size()) - 1;
    if (count == 0) {
        return {};
    }
    return fields[static_cast<size_t>(std::clamp(index, 1, count))];
}

std::vector<std::string> SplitToList(std::string_view text, char separator)
{
    std::vector<std::string> fields = SplitFields(text, separator);
    fields.erase(fields.begin());
    return fields;
}

} // namespace verdalis
