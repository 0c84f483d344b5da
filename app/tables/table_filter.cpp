#include "tables/table_filter.h"

#include "tables/table_error.h"
#include "tables/text_fold.h"
#include "util/text_case.h"

namespace verdalis {
namespace {

class FilterParser {
public:
    explicit FilterParser(std::string_view text) : text_(text) {}

    std::vector<FilterTerm> parse()
    {
        std::vector<FilterTerm> terms;
        skipBlanks();
        do {
            terms.push_back(term());
            skipBlanks();
        } while (!atEnd() && keyword("and"));
        if (!atEnd()) {
            fail("expected 'and'");
        }
        return terms;
    }

private:
    FilterTerm term()
    {
        FilterTerm result;
        result.column = identifier();
        skipBlanks();
        expect('=');
        skipBlanks();
        result.value = quoted();
        return result;
    }

    std::string identifier()
    {
        const size_t start = pos_;
        while (!atEnd() && isNameCharacter(text_[pos_])) {
            ++pos_;
        }
        if (pos_ == start) {
            fail("expected a column name");
        }
        return std::string(text_.substr(start, pos_ - start));
    }

    std::string quoted()
    {
        expect('\'');
        std::string value;
        while (true) {
            if (atEnd()) {
                fail("the quoted text is not closed");
            }
            const char c = text_[pos_++];
            if (c != '\'') {
                value += c;
            } else if (!atEnd() && text_[pos_] == '\'') {
                value += '\'';
                ++pos_;
            } else {
                return value;
            }
        }
    }

    // The keyword must stand alone and be followed by a blank.
    bool keyword(std::string_view word)
    {
        if (text_.size() - pos_ <= word.size() || !equalsIgnoringCase(text_.substr(pos_, word.size()), word)
            || !isBlank(text_[pos_ + word.size()])) {
            return false;
        }
        pos_ += word.size();
        skipBlanks();
        return true;
    }

    void expect(char c)
    {
        if (atEnd() || text_[pos_] != c) {
            fail(std::string("expected '") + c + "'");
        }
        ++pos_;
    }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(text_[pos_])) {
            ++pos_;
        }
    }

    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    static bool isNameCharacter(char c)
    {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    }
    bool atEnd() const { return pos_ >= text_.size(); }

    [[noreturn]] void fail(const std::string& problem) const
    {
        throw TableError("filter \"" + std::string(text_) + "\": " + problem + " at position "
                         + std::to_string(pos_ + 1));
    }

    std::string_view text_;
    size_t pos_ = 0;
};

} // namespace

std::vector<FilterTerm> parseFilter(std::string_view expression)
{
    return FilterParser(expression).parse();
}

} // namespace verdalis
