#include "reports/rtf/document_file.h"
#include "reports/rtf/rtf_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace verdalis::rtf {
namespace {

struct TextCase {
    const char* name;
    const char* rtf;
    const char* text;
};

template <size_t N>
void expectTexts(const TextCase (&cases)[N])
{
    for (const auto& c : cases) {
        EXPECT_EQ(readRtf(c.rtf).text(), c.text) << c.name;
    }
}

TEST(RtfReader, ReadsTheTextOfEachConstruct)
{
    const TextCase cases[] = {
        {"paragraphs", R"({\rtf1 one\par two\par})", "one\ntwo"},
        {"last paragraph without par", R"({\rtf1 one\par two})", "one\ntwo"},
        {"empty paragraphs kept", R"({\rtf1 a\par\par b\par})", "a\n\nb"},
        {"line break and tab", R"({\rtf1 a\line b\tab c})", "a\vb\tc"},
        {"raw line ends ignored", "{\\rtf1 a\r\nb\nc}", "abc"},
        {"escaped brace and backslash", R"({\rtf1 \{x\}\\y})", "{x}\\y"},
        {"delimiter space eaten once", R"({\rtf1\b  two})", " two"},
        {"windows-1252 escapes", R"({\rtf1 caf\'e9 \'80 \'93q\'94})", "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D"},
        {"unicode with fallback", R"({\rtf1\uc1 \u8364?x})", "\xE2\x82\xAC" "x"},
        {"unicode with two fallback bytes", R"({\rtf1\uc2 \u8364\'80\'80x})", "\xE2\x82\xAC" "x"},
        {"negative unicode", R"({\rtf1 \u-3?})", "\xEF\xBF\xBD"},
        {"surrogate pair", R"({\rtf1 \u-10179?\u-8704?})", "\xF0\x9F\x98\x80"},
        {"fallback ends at group end", R"({\rtf1\uc3 {\u8364?}kept})", "\xE2\x82\xAC" "kept"},
        {"uc restored after group", R"({\rtf1 {\uc0 \u8364}\u8364?x})", "\xE2\x82\xAC\xE2\x82\xAC" "x"},
        {"named characters", R"({\rtf1 \emdash\endash\bullet\lquote\rquote\~})",
         "\xE2\x80\x94\xE2\x80\x93\xE2\x80\xA2\xE2\x80\x98\xE2\x80\x99\xC2\xA0"},
        {"ignorable destination", R"({\rtf1 {\*\generator Writer 1.0;}text})", "text"},
        {"known destinations skipped", R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}}{\pict\pngblip 0a0b}body})",
         "body"},
        {"field result shown, instruction not", R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", "link"},
        {"binary data skipped", "{\\rtf1 a\\bin3 {}xc}", "ac"},
        {"table cells and rows", R"({\rtf1 \trowd a\cell b\cell\row c})", "a\tb\t\nc"},
        {"text after the document ignored", R"({\rtf1 in}out)", "in"},
        {"unknown words ignored", R"({\rtf1\sl240\slmult1\qc\nosuchword123 x})", "x"},
    };
    expectTexts(cases);
}

TEST(RtfReader, ReadsFormatsFromTheFontAndColourTables)
{
    const Document document = readRtf(
        R"({\rtf1\ansi\deff1{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern{\*\panose 02070309020205020404}Courier New;}})"
        R"({\colortbl ;\red128\green0\blue0;\red0\green0\blue128;})"
        R"(\pard plain\par\f0\fs20\b\cf1 bold{\i\ul\cf2 inner}\b0 after\par\plain\ulnone reset})");
    EXPECT_EQ(document.defaultFontName, "Courier New");
    ASSERT_EQ(document.paragraphCount(), 3u);
    const rtf::Run& plain = document.paragraphs()[0].runs.at(0);
    EXPECT_EQ(plain.format, CharFormat{});

    const auto& runs = document.paragraphs()[1].runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, "bold");
    EXPECT_EQ(runs[0].format.style, styles::bold);
    EXPECT_EQ(runs[0].format.color, colors::maroon);
    EXPECT_EQ(runs[0].format.fontName, "Arial");
    EXPECT_EQ(runs[0].format.fontHalfPoints, 20);
    EXPECT_EQ(runs[1].text, "inner");
    EXPECT_EQ(runs[1].format.style, (FontStyle{true, true, true}));
    EXPECT_EQ(runs[1].format.color, colors::navy);
    EXPECT_EQ(runs[2].text, "after");
    EXPECT_EQ(runs[2].format.style, styles::plain) << "the group restored italic and underline off";
    EXPECT_EQ(runs[2].format.color, colors::maroon);

    EXPECT_EQ(document.paragraphs()[2].runs.at(0).format, CharFormat{}) << "\\plain resets everything";
}

TEST(RtfReader, RefusesWhatIsNotRtf)
{
    for (const char* data : {"", "plain text", " {\\rtf1 x}", "{\\rt"}) {
        EXPECT_THROW(readRtf(data), RtfError) << data;
    }
}

TEST(RtfReader, RefusesNestingBeyondTheLimitWithoutRecursion)
{
    const std::string withinLimit = "{\\rtf1" + std::string(maxGroupDepth - 1, '{') + "deep" +
                                    std::string(maxGroupDepth - 1, '}') + "}";
    EXPECT_EQ(readRtf(withinLimit).text(), "deep");
    const std::string tooDeep = "{\\rtf1" + std::string(100000, '{') + "x";
    try {
        readRtf(tooDeep);
        FAIL() << "expected an error";
    } catch (const RtfError& error) {
        EXPECT_NE(std::string(error.what()).find("deeper than 256"), std::string::npos) << error.what();
    }
}

TEST(RtfReader, MalformedInputGivesABestEffortDocument)
{
    const TextCase cases[] = {
        {"unclosed groups", R"({\rtf1 a{\b b{\i c)", "abc"},
        {"extra closing brace", R"({\rtf1 a}})", "a"},
        {"stray ignorable mark in the document group", R"({\rtf1 a\*\foo b})", "ab"},
        {"backslash at the end", "{\\rtf1 a\\", "a"},
        {"broken hex escape", R"({\rtf1 a\'zzb\'4)", "azzb4"},
        {"bin longer than the data", R"({\rtf1 a\bin999999 bc})", "a"},
        {"huge parameters", R"({\rtf1\cf99999999999\fs-5\f-7\fs999999 x})", "x"},
        {"huge unicode and fallback count", R"({\rtf1\uc99999999999 \u99999999999 abcdefghijklmnopqrstuvwxyz})",
         "\xEF\xBF\xBDqrstuvwxyz"},
        {"lone surrogates", R"({\rtf1 \u-10179?a\u-8704?b})", "\xEF\xBF\xBD" "a\xEF\xBF\xBD" "b"},
        {"overlong control word",
         "{\\rtf1 \\aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa x}", "x"},
        {"colour index beyond the table", R"({\rtf1{\colortbl;\red1\green2\blue3;}\cf7 x})", "x"},
        {"control characters by number", R"({\rtf1\uc0 a\u8 b\'0dc\u9 d})", "abc\td"},
        {"raw 8-bit and control bytes", "{\\rtf1 \x93q\x94\x01\x1f}", "\xE2\x80\x9Cq\xE2\x80\x9D"},
    };
    expectTexts(cases);
}

class DocumentFileTest : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) /
                                ::testing::UnitTest::GetInstance()->current_test_info()->name();

    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::filesystem::path write(const char* name, const std::string& bytes)
    {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return dir / name;
    }
};

TEST_F(DocumentFileTest, LoadsPlainTextAsParagraphs)
{
    EXPECT_EQ(loadDocument(write("lines.txt", "one\r\ntwo\r\n")).text(), "one\ntwo");
    EXPECT_EQ(loadDocument(write("latin.txt", "caf\xE9")).text(), "caf\xC3\xA9") << "not UTF-8: Windows-1252";
    EXPECT_EQ(loadDocument(write("utf8.txt", "caf\xC3\xA9")).text(), "caf\xC3\xA9");
    EXPECT_TRUE(loadDocument(write("empty.txt", "")).empty());
    EXPECT_EQ(loadDocument(write("doc.rtf", R"({\rtf1 \b rich\par})")).text(), "rich");
}

TEST_F(DocumentFileTest, MissingFileNamesTheFile)
{
    try {
        loadDocument(dir / "CREDITS_Verdalis.rtf");
        FAIL() << "expected an error";
    } catch (const DocumentFileError& error) {
        EXPECT_NE(std::string(error.what()).find("Cannot open file \"" + (dir / "CREDITS_Verdalis.rtf").string() + "\""),
                  std::string::npos)
            << error.what();
    }
    EXPECT_THROW(saveRtf(dir / "no" / "such" / "dir.rtf", Document{}), DocumentFileError);
}

} // namespace
} // namespace verdalis::rtf
