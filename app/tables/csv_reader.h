// A reader of comma-separated values as RFC 4180 describes them: fields
// separated by commas, records by CRLF or LF, fields optionally in double
// quotes, where a doubled quote stands for one and commas and line breaks
// are part of the field. A UTF-8 byte order mark at the start is skipped.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

// "<source>:<line>: <problem>".
class CsvError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CsvReader {
public:
    // `text` must outlive the reader; `sourceName` names it in errors.
    CsvReader(std::string_view text, std::string sourceName);

    // Reads the next record into `fields`; false at the end of the text.
    // Raises CsvError for a quote that is never closed or text between a
    // closing quote and the next separator.
    bool next(std::vector<std::string>& fields);

    // The line on which the record last read starts (1-based).
    size_t line() const { return recordLine_; }
    const std::string& sourceName() const { return sourceName_; }

private:
    void readQuoted(std::string& field);
    [[noreturn]] void fail(size_t line, const std::string& problem) const;

    std::string_view text_;
    std::string sourceName_;
    size_t pos_ = 0;
    size_t currentLine_ = 1;
    size_t recordLine_ = 0;
};

} // namespace verdalis
