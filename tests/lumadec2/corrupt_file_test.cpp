// Damaged, truncated, foreign and newer files: each is refused with a clear
// message, and none crashes the decoder (the sanitizer build checks that no
// byte of a damaged file is read out of bounds).
#include "lumawave/error.h"
#include "lumawave/format.h"
#include "lumawave/image.h"
#include "lumawave/little_endian.h"
#include "lumawave/view.h"
#include "test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

namespace lumawave {
namespace {

using ::testing::HasSubstr;

class DiscardingSink : public ImageSink {
public:
    void writeStrip(const std::uint8_t*, int) override {}
};

// Opens the bytes and decodes every level whole; returns the message of the
// Error raised, or "" when all went through.
std::string decodeEverything(const std::vector<std::uint8_t>& bytes)
{
    try {
        Image image(memorySource(bytes, "damaged.lmw"));
        View view(image);
        for (int level = 0; level <= image.levels(); ++level) {
            view.setLevel(level);
            DiscardingSink sink;
            view.decode(sink, PixelFormat::Rgb8);
        }
        return "";
    } catch (const Error& error) {
        return error.what();
    }
}

class DamagedFiles : public testing::ScratchFolder {
protected:
    std::vector<std::uint8_t> validFile(int samples = 3)
    {
        encodeRaster(testing::makeRaster(300, 40, samples), path("valid.lmw"), 2);
        return testing::readBytes(path("valid.lmw"));
    }
};

TEST_F(DamagedFiles, AForeignFileIsNotALumawaveImage)
{
    for (const std::vector<std::uint8_t>& bytes : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{'l', 'm'},
                                                   std::vector<std::uint8_t>{'P', '6', '\n', '1', ' ', '1', '\n'}}) {
        EXPECT_EQ(decodeEverything(bytes), "Error: stream does not contain a bonafide Lumawave image.");
    }
}

TEST_F(DamagedFiles, ANewerFormatVersionIsRefusedNamingTheFile)
{
    auto bytes = validFile();
    writeLittleEndian<std::uint16_t>(bytes.data() + kOffsetVersion, kFormatVersion + 1);
    testing::writeBytes(path("newer.lmw"), bytes);
    try {
        Image::open(path("newer.lmw"));
        FAIL() << "a newer version was accepted";
    } catch (const Error& error) {
        EXPECT_THAT(error.what(), HasSubstr(path("newer.lmw")));
        EXPECT_THAT(error.what(), HasSubstr("format version 2, newer than this decoder reads (up to version 1)"));
    }
}

TEST_F(DamagedFiles, EveryTruncationIsRefused)
{
    const auto bytes = validFile();
    for (std::size_t size = 0; size < bytes.size(); size += size < 200 ? 1 : 997) {
        const std::vector<std::uint8_t> truncated(bytes.begin(), bytes.begin() + static_cast<long>(size));
        EXPECT_NE(decodeEverything(truncated), "") << "truncated to " << size << " bytes";
    }
}

TEST_F(DamagedFiles, HeaderFieldsOutOfRangeAreRefused)
{
    struct Case {
        std::size_t offset;
        std::uint8_t value;
        const char* message;
    };
    for (const Case c : {Case{kOffsetTransform, 7, "unknown transform"}, Case{kOffsetColourScheme, 9, "unknown colour scheme"},
                         Case{kOffsetSamples, 1, "samples per pixel"}, Case{kOffsetLevels, 9, "too many resolution levels"},
                         Case{kOffsetTileSizeLog2, 3, "invalid tile size"}, Case{kOffsetWidth + 3, 0x80, "invalid dimensions"},
                         Case{kOffsetIndexOffset, 0x01, "block index"}, Case{kOffsetMetadataLength + 2, 0x01, "truncated"}}) {
        auto bytes = validFile();
        bytes[c.offset] = c.value;
        EXPECT_THAT(decodeEverything(bytes), HasSubstr(c.message)) << "offset " << c.offset;
    }
}

TEST_F(DamagedFiles, DamagedBytesGiveAnErrorOrPixelsButNeverACrash)
{
    const auto bytes = validFile();
    std::mt19937 random(3);
    int refused = 0;
    for (int trial = 0; trial < 150; ++trial) {
        auto damaged = bytes;
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < flips; ++i) {
            damaged[random() % damaged.size()] ^= static_cast<std::uint8_t>(1 + random() % 255);
        }
        refused += decodeEverything(damaged).empty() ? 0 : 1;
    }
    EXPECT_GT(refused, 0);
}

TEST_F(DamagedFiles, ACorruptBlockIsReportedWithItsTile)
{
    auto bytes = validFile(1);
    const Image image(memorySource(bytes, "x"));
    // Two tiles, two levels: the index at the end holds per tile its offset
    // and seven block sizes.
    constexpr std::size_t kIndexEntry = kIndexTileOffsetSize + 7 * kIndexBlockSizeSize;
    const std::uint64_t tileOffset = readLittleEndian<std::uint64_t>(bytes.data() + bytes.size() - 2 * kIndexEntry);
    for (std::size_t i = 0; i < image.blockSizes(0, 0)[0]; ++i) {
        bytes[tileOffset + i] = 0xEE;
    }
    EXPECT_THAT(decodeEverything(bytes), HasSubstr("has a corrupt block (tile 0, 0, block 0)"));
}

} // namespace
} // namespace lumawave
