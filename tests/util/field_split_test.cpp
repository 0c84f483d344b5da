#include "util/field_split.h"

#include <gtest/gtest.h>

namespace verdalis {
namespace {

using Fields = std::vector<std::string>;

struct SplitCase {
    const char* text;
    char separator;
    Fields fields; // without element 0
};

TEST(SplitFields, SplitsAtSeparatorsOutsideQuotes)
{
    const SplitCase cases[] = {
        {"a, b ,c", ',', {"a", "b", "c"}},
        {"a,,c", ',', {"a", "", "c"}},
        {"a,b,", ',', {"a", "b", ""}},
        {"abc", ',', {"abc"}},
        {"\"1,5\",Manure,3", ',', {"1,5", "Manure", "3"}},
        {"\"1,5\",rest", ',', {"1,5", "rest"}},
        {"say \"a,b\" twice,x", ',', {"say a,b twice", "x"}},
        {"unclosed \"a,b", ',', {"unclosed a,b"}},
        {"AbC: Some Loam, 2 to 6 percent", ':', {"AbC", "Some Loam, 2 to 6 percent"}},
        {"03-15-24  10:30AM     52344 Tables.exe", ' ', {"03-15-24", "10:30AM", "52344", "Tables.exe"}},
        {"   padded   both   ", ' ', {"padded", "both"}},
        {"one \"two   spaced\"  three", ' ', {"one", "two   spaced", "three"}},
        {"   ", ' ', {}},
        {"", ',', {}},
    };
    for (const auto& c : cases) {
        const Fields fields = SplitFields(c.text, c.separator);
        ASSERT_FALSE(fields.empty()) << c.text;
        EXPECT_EQ(fields.front(), "UnUsedElement") << c.text;
        EXPECT_EQ(Fields(fields.begin() + 1, fields.end()), c.fields) << "[" << c.text << "]";
        EXPECT_EQ(SplitToList(c.text, c.separator), c.fields) << "[" << c.text << "]";
    }
}

TEST(SplitFields, KeepsQuotesWhenAsked)
{
    EXPECT_EQ(SplitFields("\"a,b\",c", ',', true), (Fields{"UnUsedElement", "\"a,b\"", "c"}));
}

TEST(FieldCount, CountsSeparatorsOutsideQuotesPlusOne)
{
    EXPECT_EQ(FieldCount("", ','), 0);
    EXPECT_EQ(FieldCount("abc", ','), 1);
    EXPECT_EQ(FieldCount("a,b,", ','), 3);
    EXPECT_EQ(FieldCount("\"a,b\",c", ','), 2);
    EXPECT_EQ(CountSeparators("\"a,b\",c,\"d,e\"", ','), 2);
    EXPECT_EQ(CountSeparators("", ','), 0);
}

TEST(GetField, ClampsTheIndexToTheFields)
{
    const char* mapUnit = "AbC: Some Loam";
    EXPECT_EQ(GetField(mapUnit, 1, ':'), "AbC");
    EXPECT_EQ(GetField(mapUnit, 2, ':'), "Some Loam");
    EXPECT_EQ(GetField(mapUnit, 5, ':'), "Some Loam");
    EXPECT_EQ(GetField(mapUnit, 0, ':'), "AbC");
    EXPECT_EQ(GetField(mapUnit, -3, ':'), "AbC");
    EXPECT_EQ(GetField("", 1, ':'), "");
    // Runs of blanks count once, also when the index is past the end.
    EXPECT_EQ(GetField("a    b", 4, ' '), "b");
    EXPECT_EQ(GetField("    ", 2, ' '), "");
}

TEST(ReplaceOutsideQuotes, LeavesQuotedCharactersAlone)
{
    EXPECT_EQ(ReplaceOutsideQuotes("03-15-24 10:30AM", '-', '/'), "03/15/24 10:30AM");
    EXPECT_EQ(ReplaceOutsideQuotes("a-\"b-c\"-d", '-', '/'), "a/\"b-c\"/d");
    EXPECT_EQ(ReplaceOutsideQuotes("", '-', '/'), "");
}

TEST(RemoveQuotesAndCommas, RemoveEveryOneAndReportWhenThereWasNone)
{
    std::vector<std::string> shown;
    const ShowPlainMessage show = [&](const std::string& message) { shown.push_back(message); };

    EXPECT_EQ(RemoveQuotes("\"a\" \"b\"", true, show), "a b");
    EXPECT_EQ(RemoveCommas("1,234,5", true, show), "12345");
    EXPECT_TRUE(shown.empty());

    EXPECT_EQ(RemoveQuotes("plain", true, show), "plain");
    EXPECT_EQ(RemoveCommas("plain", true, show), "plain");
    EXPECT_EQ(RemoveQuotes("silent", false, show), "silent");
    EXPECT_EQ(shown, (std::vector<std::string>{"No Double Quotes found in [plain]", "No Commas found in [plain]"}));

    EXPECT_EQ(RemoveQuotes("no one listens", true), "no one listens");
}

} // namespace
} // namespace verdalis
