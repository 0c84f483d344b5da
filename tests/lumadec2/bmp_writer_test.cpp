// The BMP writer: the two layouts field by field, rows bottom-up with padding,
// strips placed from the end of the file backwards, and its failures.
#include "bmp_layout.h"
#include "bmp_writer.h"
#include "lumawave/error.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lumadec2 {
namespace {

using lumawave::Error;
using lumawave::PixelFormat;
using lumawave::testing::Raster;

class BmpWriting : public lumawave::testing::ScratchFolder {
protected:
    // Writes `raster` in strips of `stripRows` rows, top first.
    void write(const Raster& raster, int stripRows)
    {
        const PixelFormat format = raster.samples == 1 ? PixelFormat::Grey8 : PixelFormat::Rgb8;
        BmpWriter writer(path("out.bmp"), raster.width, raster.height, format);
        for (int y = 0; y < raster.height; y += stripRows) {
            writer.writeStrip(raster.at(0, y), std::min(stripRows, raster.height - y));
        }
        writer.close();
    }
};

TEST_F(BmpWriting, GreyscaleIs8BitWithAGreyPaletteAndPixelsAfterIt)
{
    // 5 pixels wide: each row padded with 3 zero bytes to 8.
    const Raster raster = lumawave::testing::makeRaster(5, 7, 1);
    write(raster, 3);
    const auto bmp = lumawave::testing::readBmp(path("out.bmp"));
    EXPECT_EQ(bmp.pixelOffset, 1078u);  // 54-byte headers + 1024-byte palette
    EXPECT_EQ(bmp.bitsPerPixel, 8);
    EXPECT_EQ(bmp.width, 5);
    EXPECT_EQ(bmp.height, 7);
    EXPECT_EQ(bmp.fileSize, 1078u + 7 * 8);
    EXPECT_EQ(bmp.bytes.size(), bmp.fileSize);
    EXPECT_EQ(bmp.imageSize, 7u * 8);
    for (int i = 0; i < 256; ++i) {
        const std::uint8_t* entry = bmp.bytes.data() + bmp::kOffsetPalette + 4 * i;
        ASSERT_EQ(std::vector<std::uint8_t>(entry, entry + 4),
                  (std::vector<std::uint8_t>{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i),
                                             static_cast<std::uint8_t>(i), 0}));
    }
    EXPECT_EQ(bmp.raster().pixels, raster.pixels);
    for (int row = 0; row < 7; ++row) {
        for (int pad = 5; pad < 8; ++pad) {
            EXPECT_EQ(bmp.bytes[1078 + row * 8 + pad], 0);
        }
    }
}

TEST_F(BmpWriting, ColourIs24BitBlueGreenRedAfterTheHeaders)
{
    const Raster raster = lumawave::testing::makeRaster(3, 4, 3);  // 9 bytes a row, padded to 12
    write(raster, 4);
    const auto bmp = lumawave::testing::readBmp(path("out.bmp"));
    EXPECT_EQ(bmp.pixelOffset, 54u);
    EXPECT_EQ(bmp.bitsPerPixel, 24);
    EXPECT_EQ(bmp.fileSize, 54u + 4 * 12);
    EXPECT_EQ(bmp.imageSize, 0u);
    // The last row of the image is the first stored, its first pixel blue first.
    const std::uint8_t* bottomLeft = raster.at(0, 3);
    EXPECT_EQ(bmp.bytes[54], bottomLeft[2]);
    EXPECT_EQ(bmp.bytes[56], bottomLeft[0]);
    EXPECT_EQ(bmp.raster().pixels, raster.pixels);
}

TEST_F(BmpWriting, StripsOfAnyHeightGiveTheSameFile)
{
    const Raster raster = lumawave::testing::makeRaster(6, 11, 3);
    write(raster, 11);
    const auto whole = lumawave::testing::readBytes(path("out.bmp"));
    for (const int strip : {1, 2, 5}) {
        write(raster, strip);
        EXPECT_EQ(lumawave::testing::readBytes(path("out.bmp")), whole) << "strips of " << strip;
    }
}

TEST_F(BmpWriting, FailuresAreReportedAndLeaveNoFile)
{
    EXPECT_THROW(BmpWriter(path("missing/folder/out.bmp"), 4, 4, PixelFormat::Grey8), Error);
    const std::vector<std::uint8_t> rows(4 * 5, 9);
    {
        BmpWriter writer(path("out.bmp"), 4, 4, PixelFormat::Grey8);
        writer.writeStrip(rows.data(), 3);
        try {
            writer.writeStrip(rows.data(), 2);  // one row more than the file holds
            FAIL() << "too many rows were written";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), "Error writing to file");
        }
        EXPECT_THROW(writer.close(), Error);  // a row is missing
        try {
            writer.flush();
            FAIL() << "a closed file was flushed";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), "Bmp File Buffer flush error: file is NULL.");
        }
    }
    EXPECT_FALSE(std::filesystem::exists(path("out.bmp")));
}

} // namespace
} // namespace lumadec2
