#include "util/text_encoding.h"

#include <gtest/gtest.h>

namespace verdalis {
namespace {

TEST(Windows1252, UpperControlRangeMapsToItsPunctuationAndLetters)
{
    const struct {
        uint8_t byte;
        char32_t codePoint;
    } cases[] = {
        {0x80, 0x20AC}, {0x84, 0x201E}, {0x85, 0x2026}, {0x88, 0x02C6}, {0x8A, 0x0160}, {0x8C, 0x0152},
        {0x8E, 0x017D}, {0x91, 0x2018}, {0x96, 0x2013}, {0x99, 0x2122}, {0x9E, 0x017E}, {0x9F, 0x0178},
        {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x9D, 0x009D}, {0xE9, 0x00E9},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fromWindows1252(c.byte), c.codePoint) << std::hex << int(c.byte);
    }
}

TEST(Windows1252, EveryByteReadsAndWritesBack)
{
    for (int byte = 0; byte < 256; ++byte) {
        const auto back = toWindows1252(fromWindows1252(static_cast<uint8_t>(byte)));
        ASSERT_TRUE(back.has_value()) << byte;
        EXPECT_EQ(*back, byte);
    }
    EXPECT_FALSE(toWindows1252(0x4E2D).has_value());
    EXPECT_EQ(windows1252ToUtf8("caf\xE9 \x84quoted\x93"), "caf\xC3\xA9 \xE2\x80\x9Equoted\xE2\x80\x9C");
}

TEST(Utf8, ValidityAndCharacterCount)
{
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("\xEF\xBF\xBD written replacement"));
    EXPECT_FALSE(isValidUtf8("caf\xE9"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF overlong"));
    EXPECT_EQ(characterCount("caf\xC3\xA9"), 4u);
}

} // namespace
} // namespace verdalis
