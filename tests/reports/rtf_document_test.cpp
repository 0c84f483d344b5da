#include "reports/rtf/document.h"

#include <gtest/gtest.h>

namespace verdalis::rtf {
namespace {

CharFormat formatOf(FontStyle style, Color color = colors::black)
{
    CharFormat format;
    format.style = style;
    format.color = color;
    return format;
}

TEST(Document, AppendTextMakesOneParagraphPerLine)
{
    Document document;
    document.appendText("first\r\nsecond\nthird\rfourth", {});
    document.appendText("", {});
    ASSERT_EQ(document.paragraphCount(), 5u);
    EXPECT_EQ(document.paragraphs()[3].text(), "fourth");
    EXPECT_TRUE(document.paragraphs()[4].empty());
    EXPECT_EQ(document.text(), "first\nsecond\nthird\nfourth\n");
    EXPECT_EQ(document.length(), document.text().size());
}

TEST(Document, InsertAndRemoveParagraphs)
{
    Document document;
    document.appendText("a\nc", {});
    document.insertText(1, "b", formatOf(styles::bold));
    document.insertText(99, "d", {});
    document.removeParagraph(0);
    document.removeParagraph(42);
    EXPECT_EQ(document.text(), "b\nc\nd");
    EXPECT_TRUE(document.paragraphs()[0].runs[0].format.style.bold);
}

TEST(Document, FindsTextFromAPositionWithOrWithoutCase)
{
    Document document;
    document.appendText("Drainage (Tamb only)\nsee DRAINAGE (tamb ONLY) again", {});
    EXPECT_EQ(document.find("drainage (tamb only)"), 0u);
    EXPECT_EQ(document.find("drainage (tamb only)", 1), 25u);
    EXPECT_EQ(document.find("Drainage", 1, {.matchCase = true}), std::nullopt);
    EXPECT_EQ(document.find("only)\nsee"), 15u) << "a match may span a paragraph break";
    EXPECT_EQ(document.find("missing"), std::nullopt);
    EXPECT_EQ(document.find(""), std::nullopt);
    EXPECT_EQ(document.find("a", 1000), std::nullopt);
}

TEST(Document, ColouringARangeSplitsRunsAndKeepsTheRest)
{
    Document document;
    document.appendText("Heading one", formatOf(styles::bold));
    document.appendText("body text", formatOf(styles::plain));
    const size_t start = *document.find("one");
    const size_t end = *document.find("body") + 4;
    document.colorRange(start, end - start, colors::maroon);

    const auto& heading = document.paragraphs()[0].runs;
    ASSERT_EQ(heading.size(), 2u);
    EXPECT_EQ(heading[0].text, "Heading ");
    EXPECT_EQ(heading[0].format, formatOf(styles::bold));
    EXPECT_EQ(heading[1].format, formatOf(styles::bold, colors::maroon));
    const auto& body = document.paragraphs()[1].runs;
    ASSERT_EQ(body.size(), 2u);
    EXPECT_EQ(body[0].text, "body");
    EXPECT_EQ(body[0].format.color, colors::maroon);
    EXPECT_EQ(body[1].text, " text");
    EXPECT_EQ(document.text(), "Heading one\nbody text");
}

TEST(Document, FormattingMergesEqualRunsAndStopsAtTheEnd)
{
    Document document;
    document.appendText("abcdef", {});
    document.colorRange(2, 2, colors::red);
    document.colorRange(0, 100, colors::red);
    ASSERT_EQ(document.paragraphs()[0].runs.size(), 1u);
    EXPECT_EQ(document.paragraphs()[0].runs[0].format.color, colors::red);
    document.styleRange(50, 3, styles::bold); // beyond the end: nothing to change
    EXPECT_FALSE(document.paragraphs()[0].runs[0].format.style.bold);
}

TEST(Document, FormattingNeverCutsACharacterInTwo)
{
    Document document;
    document.appendText("caf\xC3\xA9!", {});
    document.colorRange(4, 2, colors::red); // starts inside the two bytes of "é"
    const auto& runs = document.paragraphs()[0].runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, "caf");
    EXPECT_EQ(runs[1].text, "\xC3\xA9!");
}

} // namespace
} // namespace verdalis::rtf
