#include "util/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace verdalis {
namespace {

struct ReadCase {
    const char* text;
    double value;
};

TEST(TextToNumber, ReadsCompleteDecimalNumbers)
{
    const ReadCase cases[] = {
        {"42", 42},       {"  -12.5 ", -12.5}, {"+3", 3},      {".5", 0.5},
        {"5.", 5},        {"3e2", 300},        {"1.5E-3", 0.0015}, {"\t0\t", 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(textToNumber(c.text), c.value) << c.text;
    }
}

TEST(TextToNumber, RejectsEverythingElse)
{
    for (const char* text : {"", "   ", "1,000", "12a", "a12", "inf", "nan", "0x10", "1e", "--1",
                             "+-1", ".", "1 2", "e5"}) {
        EXPECT_THROW(textToNumber(text), ConversionError) << "'" << text << "'";
    }
}

TEST(TextToNumber, MessageQuotesTheText)
{
    try {
        textToNumber("abc");
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid floating point value");
    }
}

TEST(TextToInteger, ReadsWholeNumbersInRange)
{
    EXPECT_EQ(textToInteger(" 17 "), 17);
    EXPECT_EQ(textToInteger("-2147483648"), std::numeric_limits<int32_t>::min());
    for (const char* text : {"", "1.0", "2147483648", "3e2", "++1", "12 3"}) {
        EXPECT_THROW(textToInteger(text), ConversionError) << "'" << text << "'";
    }
}

TEST(ShortestDecimal, ReadsBackExactly)
{
    for (double value : {0.1, 42.0, -0.0015, 1e20, 123456.789, 1.0 / 3.0}) {
        EXPECT_EQ(textToNumber(shortestDecimal(value)), value) << shortestDecimal(value);
    }
    EXPECT_EQ(shortestDecimal(0.1), "0.1");
    EXPECT_EQ(shortestDecimal(42), "42");
}

} // namespace
} // namespace verdalis
