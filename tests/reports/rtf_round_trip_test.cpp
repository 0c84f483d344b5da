#include "reports/rtf/document_file.h"
#include "reports/rtf/rtf_reader.h"
#include "reports/rtf/rtf_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace verdalis::rtf {
namespace {

CharFormat format(FontStyle style, Color color, std::string font = {}, int halfPoints = defaultFontHalfPoints)
{
    return CharFormat{style, color, std::move(font), halfPoints};
}

// A report-like document with every style, several colours and fonts, and
// the characters that need escaping in RTF.
Document sampleDocument()
{
    Document document;
    document.defaultFontName = "Courier New";
    document.appendText("Verdalis Version: 2.50", format(styles::plain, colors::black));
    document.appendText("", format(styles::plain, colors::black));
    document.appendText("Comments:", format(styles::boldItalic, colors::black));
    document.appendText("Warning: check the soil test", format(styles::italic, colors::red, "Arial", 20));
    document.appendText("BEFORE VALUE", format(styles::boldUnderline, colors::navy));
    document.appendText("braces {a} and \\backslash\\", format(styles::underline, Color{1, 2, 3}));
    document.appendText("caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D", format(styles::bold, colors::maroon));
    document.appendText("\xCE\xA9 \xE4\xB8\xAD \xF0\x9F\x98\x80 beyond the code page", format(styles::plain, colors::green));
    Paragraph mixed;
    mixed.append("N_Applied\t=", format(styles::plain, colors::black));
    mixed.append(" 120\vsecond line", format(styles::bold, colors::black, "Times New Roman", 28));
    document.appendParagraph(std::move(mixed));
    return document;
}

TEST(RtfRoundTrip, WriterOutputReadsBackToTheSameDocument)
{
    const Document original = sampleDocument();
    const std::string rtf = writeRtf(original);
    EXPECT_EQ(readRtf(rtf), original) << rtf;
}

TEST(RtfRoundTrip, WriterOutputIsSevenBitWithEscapes)
{
    const std::string rtf = writeRtf(sampleDocument());
    for (char c : rtf) {
        ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
    }
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_NE(rtf.find("caf\\'e9 \\'80 \\'93quoted\\'94"), std::string::npos);
    EXPECT_NE(rtf.find("\\u937?"), std::string::npos);
    EXPECT_NE(rtf.find("\\u-10179?\\u-8704?"), std::string::npos);
    EXPECT_NE(rtf.find("braces \\{a\\} and \\\\backslash\\\\"), std::string::npos);
}

TEST(RtfRoundTrip, EmptyDocumentsAndEmptyParagraphs)
{
    EXPECT_EQ(readRtf(writeRtf(Document{})), Document{});
    Document blanks;
    blanks.appendText("\n\n", {});
    EXPECT_EQ(readRtf(writeRtf(blanks)).paragraphCount(), 3u);
}

TEST(RtfRoundTrip, PlainTextExportEndsEveryLine)
{
    Document document;
    document.appendText("one", format(styles::bold, colors::red));
    Paragraph broken;
    broken.append("two\vthree", {});
    document.appendParagraph(std::move(broken));
    EXPECT_EQ(toPlainText(document), "one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(toPlainText(document, "\n"), "one\ntwo\nthree\n");
}

TEST(RtfRoundTrip, SavedFilesLoadBack)
{
    const auto dir = std::filesystem::path(::testing::TempDir()) / "rtf_round_trip_test";
    std::filesystem::create_directories(dir);
    const Document original = sampleDocument();
    saveRtf(dir / "report.rtf", original);
    EXPECT_EQ(loadDocument(dir / "report.rtf"), original);
    savePlainText(dir / "report.txt", original);
    std::string lines = original.text();
    std::replace(lines.begin(), lines.end(), lineBreak, paragraphBreak);
    EXPECT_EQ(loadDocument(dir / "report.txt").text(), lines);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace verdalis::rtf
