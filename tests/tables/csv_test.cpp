#include "tables/csv_reader.h"
#include "tables/csv_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace verdalis {
namespace {

using Records = std::vector<std::vector<std::string>>;

Records readAll(std::string_view text)
{
    CsvReader reader(text, "data.csv");
    Records records;
    std::vector<std::string> fields;
    while (reader.next(fields)) {
        records.push_back(fields);
    }
    return records;
}

struct ReadCase {
    const char* name;
    std::string_view text;
    Records expected;
};

TEST(CsvReader, ReadsRfc4180Records)
{
    const ReadCase cases[] = {
        {"plain", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"crlf and no final break", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}},
        {"empty cells", ",x,\n", {{"", "x", ""}}},
        {"quoted separators", "\"a,b\",\"say \"\"hi\"\"\"\n", {{"a,b", "say \"hi\""}}},
        {"line break inside quotes", "\"one\r\ntwo\",3\n", {{"one\r\ntwo", "3"}}},
        {"empty quoted", "\"\",x\n", {{"", "x"}}},
        {"byte order mark", "\xEF\xBB\xBFname\n", {{"name"}}},
        {"utf-8 kept", "R\xC3\xA9sum\xC3\xA9\n", {{"R\xC3\xA9sum\xC3\xA9"}}},
        {"empty text", "", {}},
        {"blank line", "a\n\nb\n", {{"a"}, {""}, {"b"}}},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(readAll(c.text), c.expected) << c.name;
    }
}

TEST(CsvReader, CountsLinesIncludingBreaksInsideQuotes)
{
    CsvReader reader("h\n\"a\nb\"\nc\n", "data.csv");
    std::vector<std::string> fields;
    ASSERT_TRUE(reader.next(fields));
    EXPECT_EQ(reader.line(), 1u);
    ASSERT_TRUE(reader.next(fields));
    EXPECT_EQ(reader.line(), 2u);
    ASSERT_TRUE(reader.next(fields));
    EXPECT_EQ(reader.line(), 4u);
}

TEST(CsvReader, ReportsMalformedQuotingWithFileAndLine)
{
    const std::pair<std::string_view, const char*> cases[] = {
        {"a\n\"open,b\n", "data.csv:2: a quoted field is not closed"},
        {"a\n\"x\"y,b\n", "data.csv:2: text after the closing quote"},
        {"a\nx\"y\n", "data.csv:2: a quote inside"},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_THAT([&] { readAll(text); }, ::testing::ThrowsMessage<CsvError>(::testing::HasSubstr(message))) << text;
    }
}

TEST(CsvWriter, QuotesOnlyWhatNeedsItAndReadsBack)
{
    const std::vector<std::string> fields = {"plain", "a,b", "say \"hi\"", "two\nlines", ""};
    EXPECT_EQ(csvLine(fields), "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\n");
    EXPECT_EQ(readAll(csvLine(fields)), Records{fields});
}

} // namespace
} // namespace verdalis
