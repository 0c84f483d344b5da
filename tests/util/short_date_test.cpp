#include "util/short_date.h"

#include "util/number_text.h"

#include <gtest/gtest.h>

namespace verdalis {
namespace {

const TodaySource kFixedToday = [] { return CalendarDate{2026, 3, 15}; };

TEST(ShortDateFormat, FormatsInTheDefaultAndOtherFormats)
{
    const ShortDateFormat standard;
    EXPECT_EQ(standard.format({2000, 1, 1}), "1/01/2000");
    EXPECT_EQ(standard.format({2026, 12, 5}), "12/05/2026");
    EXPECT_EQ(ShortDateFormat("dd.MM.yyyy").format({2026, 3, 5}), "05.03.2026");
    EXPECT_EQ(ShortDateFormat("yyyy-M-d").format({2026, 3, 5}), "2026-3-5");
    EXPECT_EQ(ShortDateFormat("MM/dd/yy").format({2005, 3, 5}), "03/05/05");
    EXPECT_EQ(standard.todayText(kFixedToday), "3/15/2026");
}

struct ParseCase {
    const char* format;
    const char* text;
    std::optional<CalendarDate> date;
};

TEST(ShortDateFormat, ParsesStrictly)
{
    const ParseCase cases[] = {
        {"M/dd/yyyy", "1/01/2000", CalendarDate{2000, 1, 1}},
        {"M/dd/yyyy", "1/1/2000", CalendarDate{2000, 1, 1}},
        {"M/dd/yyyy", " 12/31/1999 ", CalendarDate{1999, 12, 31}},
        {"M/dd/yyyy", "2/29/2024", CalendarDate{2024, 2, 29}},
        {"M/dd/yyyy", "03/15/24", CalendarDate{2024, 3, 15}},
        {"M/dd/yyyy", "03/15/76", CalendarDate{1976, 3, 15}},
        {"M/dd/yyyy", "03/15/75", CalendarDate{2075, 3, 15}},
        {"dd.MM.yyyy", "05.03.2026", CalendarDate{2026, 3, 5}},
        {"M/dd/yyyy", "2/29/2023", std::nullopt},
        {"M/dd/yyyy", "2/30/2024", std::nullopt},
        {"M/dd/yyyy", "13/01/2000", std::nullopt},
        {"M/dd/yyyy", "0/01/2000", std::nullopt},
        {"M/dd/yyyy", "1/00/2000", std::nullopt},
        {"M/dd/yyyy", "1/01/200", std::nullopt},
        {"M/dd/yyyy", "1/01/20000", std::nullopt},
        {"M/dd/yyyy", "001/01/2000", std::nullopt},
        {"M/dd/yyyy", "1-01-2000", std::nullopt},
        {"M/dd/yyyy", "1/01/2000 10:30AM", std::nullopt},
        {"M/dd/yyyy", "1/01", std::nullopt},
        {"M/dd/yyyy", "+1/01/2000", std::nullopt},
        {"M/dd/yyyy", "", std::nullopt},
        {"M/dd/yyyy", "error", std::nullopt},
        {"dd.MM.yyyy", "1/01/2000", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortDateFormat(c.format).tryParse(c.text, kFixedToday), c.date) << c.format << " " << c.text;
    }
}

struct DateTimeCase {
    const char* text;
    std::optional<CalendarDateTime> moment;
};

TEST(ShortDateFormat, ParsesADateWithATimeOfDay)
{
    const DateTimeCase cases[] = {
        {"03/15/24 10:30AM", CalendarDateTime{{2024, 3, 15}, 10, 30, 0}},
        {"03/15/24 10:30 pm", CalendarDateTime{{2024, 3, 15}, 22, 30, 0}},
        {"3/15/2024 12:05AM", CalendarDateTime{{2024, 3, 15}, 0, 5, 0}},
        {"3/15/2024 12:05PM", CalendarDateTime{{2024, 3, 15}, 12, 5, 0}},
        {"3/15/2024  23:59:58", CalendarDateTime{{2024, 3, 15}, 23, 59, 58}},
        {"3/15/2024", CalendarDateTime{{2024, 3, 15}, 0, 0, 0}},
        {"3/15/2024 24:00", std::nullopt},
        {"3/15/2024 13:00PM", std::nullopt},
        {"3/15/2024 0:30AM", std::nullopt},
        {"3/15/2024 10:3", std::nullopt},
        {"3/15/2024 10:60", std::nullopt},
        {"3/15/2024 10:30XM", std::nullopt},
        {"3/15/2024 10", std::nullopt},
        {"3/15/202410:30", std::nullopt},
        {"3/15/2024 10:30 AM extra", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortDateFormat().tryParseDateTime(c.text, kFixedToday), c.moment) << c.text;
    }
}

TEST(ShortDateFormat, ParseFailureIsAConversionErrorNamingTheText)
{
    try {
        ShortDateFormat().parse("error", kFixedToday);
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'error' is not a valid date");
    }
}

TEST(ShortDateFormat, RejectsFormatsItCannotRead)
{
    for (const char* format : {"M/dd", "MMM d yyyy", "M/d/yyy", "d/M/yyyy/d", ""}) {
        EXPECT_THROW(ShortDateFormat{format}, std::invalid_argument) << format;
    }
}

TEST(FormatTimeOfDay, UsesTheTwelveHourClock)
{
    const std::pair<CalendarDateTime, const char*> cases[] = {
        {{{2026, 3, 15}, 15, 5, 9}, "3:05:09 PM"},
        {{{2026, 3, 15}, 0, 0, 0}, "12:00:00 AM"},
        {{{2026, 3, 15}, 12, 30, 0}, "12:30:00 PM"},
        {{{2026, 3, 15}, 9, 41, 59}, "9:41:59 AM"},
        {{{2026, 3, 15}, 23, 59, 59}, "11:59:59 PM"},
    };
    for (const auto& [moment, text] : cases) {
        EXPECT_EQ(formatTimeOfDay(moment), text);
    }
}

TEST(CalendarDate, OrdersByYearMonthDay)
{
    EXPECT_LT((CalendarDate{2000, 1, 1}), (CalendarDate{2026, 3, 15}));
    EXPECT_LT((CalendarDate{2026, 2, 28}), (CalendarDate{2026, 3, 1}));
    EXPECT_TRUE(isValidDate(systemToday()));
    EXPECT_LT((CalendarDateTime{{2026, 3, 15}, 10, 30, 0}), (CalendarDateTime{{2026, 3, 15}, 10, 30, 1}));
}

} // namespace
} // namespace verdalis
