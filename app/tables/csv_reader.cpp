#include "tables/csv_reader.h"

namespace verdalis {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

CsvReader::CsvReader(std::string_view text, std::string sourceName)
    : text_(text), sourceName_(std::move(sourceName))
{
    if (text_.starts_with(kByteOrderMark)) {
        pos_ = kByteOrderMark.size();
    }
}

void CsvReader::fail(size_t line, const std::string& problem) const
{
    throw CsvError(sourceName_ + ":" + std::to_string(line) + ": " + problem);
}

void CsvReader::readQuoted(std::string& field)
{
    const size_t openingLine = currentLine_;
    ++pos_;
    while (true) {
        if (pos_ >= text_.size()) {
            fail(openingLine, "a quoted field is not closed");
        }
        const char c = text_[pos_++];
        if (c == '"') {
            if (pos_ < text_.size() && text_[pos_] == '"') {
                field += '"';
                ++pos_;
                continue;
            }
            return;
        }
        if (c == '\n') {
            ++currentLine_;
        }
        field += c;
    }
}

bool CsvReader::next(std::vector<std::string>& fields)
{
    fields.clear();
    if (pos_ >= text_.size()) {
        return false;
    }
    recordLine_ = currentLine_;
    fields.emplace_back();
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '"' && fields.back().empty()) {
            readQuoted(fields.back());
            if (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\n' && text_[pos_] != '\r') {
                fail(currentLine_, "text after the closing quote of field " + std::to_string(fields.size()));
            }
            continue;
        }
        ++pos_;
        if (c == ',') {
            fields.emplace_back();
        } else if (c == '\n') {
            ++currentLine_;
            return true;
        } else if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') {
            continue;
        } else if (c == '"') {
            fail(currentLine_, "a quote inside the unquoted field " + std::to_string(fields.size()));
        } else {
            fields.back() += c;
        }
    }
    return true;
}

} // namespace verdalis
