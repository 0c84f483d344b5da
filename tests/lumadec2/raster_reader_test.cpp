// The encoder's input readers: PGM/PPM with comments, BMP bottom-up and
// top-down, 8-bit BMP with grey and colour palettes, and refusals.
#include "lumawave/error.h"
#include "lumawave/little_endian.h"
#include "raster_reader.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace lumawave::tools {
namespace {

using testing::Raster;

// A BMP file written independently of the library's writer.
std::vector<std::uint8_t> bmpBytes(const Raster& raster, int bitsPerPixel, bool topDown, bool greyPalette)
{
    const int bytesPerPixel = bitsPerPixel / 8;
    const std::size_t rowBytes = (static_cast<std::size_t>(raster.width) * bytesPerPixel + 3) / 4 * 4;
    const std::uint32_t palette = bitsPerPixel == 8 ? 1024 : 0;
    const std::uint32_t offset = 54 + palette;
    std::vector<std::uint8_t> out(offset + rowBytes * raster.height, 0);
    out[0] = 'B';
    out[1] = 'M';
    writeLittleEndian<std::uint32_t>(out.data() + 2, static_cast<std::uint32_t>(out.size()));
    writeLittleEndian<std::uint32_t>(out.data() + 10, offset);
    writeLittleEndian<std::uint32_t>(out.data() + 14, 40);
    writeLittleEndian<std::int32_t>(out.data() + 18, raster.width);
    writeLittleEndian<std::int32_t>(out.data() + 22, topDown ? -raster.height : raster.height);
    writeLittleEndian<std::uint16_t>(out.data() + 26, 1);
    writeLittleEndian<std::uint16_t>(out.data() + 28, static_cast<std::uint16_t>(bitsPerPixel));
    for (int i = 0; i < 256 && palette > 0; ++i) {
        // A colour palette maps index i to (i, 255 - i, i / 2) as red, green, blue.
        const auto v = static_cast<std::uint8_t>(i);
        const std::uint8_t entry[4] = {greyPalette ? v : static_cast<std::uint8_t>(i / 2),
                                       greyPalette ? v : static_cast<std::uint8_t>(255 - i), v, 0};
        std::copy(entry, entry + 4, out.begin() + 54 + 4 * i);
    }
    for (int y = 0; y < raster.height; ++y) {
        std::uint8_t* row = out.data() + offset + (topDown ? y : raster.height - 1 - y) * rowBytes;
        for (int x = 0; x < raster.width; ++x) {
            const std::uint8_t* p = raster.at(x, y);
            if (bitsPerPixel == 8) {
                row[x] = p[0];
            } else {
                row[bytesPerPixel * x] = p[2];
                row[bytesPerPixel * x + 1] = p[1];
                row[bytesPerPixel * x + 2] = p[0];
            }
        }
    }
    return out;
}

Raster readAll(const std::string& path)
{
    const auto reader = openRaster(path);
    Raster raster{reader->width(), reader->height(), reader->samplesPerPixel(), {}};
    raster.pixels.resize(static_cast<std::size_t>(raster.width) * raster.height * raster.samples);
    // Two uneven reads, as the encoder makes them.
    const int first = raster.height / 3;
    reader->readRows(raster.pixels.data(), first);
    reader->readRows(raster.pixels.data() + static_cast<std::size_t>(first) * raster.width * raster.samples,
                     raster.height - first);
    return raster;
}

class RasterReaders : public testing::ScratchFolder {};

TEST_F(RasterReaders, PortableMapsAreReadAsWritten)
{
    for (const int samples : {1, 3}) {
        const Raster source = testing::makeRaster(13, 7, samples);
        testing::writePnm(source, path("image.pnm"));
        const Raster read = readAll(path("image.pnm"));
        EXPECT_EQ(read.samples, samples);
        EXPECT_EQ(read.pixels, source.pixels);
    }
}

TEST_F(RasterReaders, BmpFilesAreReadTopRowFirst)
{
    const Raster colour = testing::makeRaster(13, 7, 3);
    for (const int bits : {24, 32}) {
        for (const bool topDown : {false, true}) {
            testing::writeBytes(path("image.bmp"), bmpBytes(colour, bits, topDown, false));
            EXPECT_EQ(readAll(path("image.bmp")).pixels, colour.pixels) << bits << " bits, top-down " << topDown;
        }
    }
    const Raster grey = testing::makeRaster(13, 7, 1);
    testing::writeBytes(path("grey.bmp"), bmpBytes(grey, 8, false, true));
    const Raster readGrey = readAll(path("grey.bmp"));
    EXPECT_EQ(readGrey.samples, 1);
    EXPECT_EQ(readGrey.pixels, grey.pixels);

    testing::writeBytes(path("palette.bmp"), bmpBytes(grey, 8, false, false));
    const Raster mapped = readAll(path("palette.bmp"));
    ASSERT_EQ(mapped.samples, 3);
    const std::uint8_t index = grey.at(4, 5)[0];
    EXPECT_EQ(std::vector<std::uint8_t>(mapped.at(4, 5), mapped.at(4, 5) + 3),
              (std::vector<std::uint8_t>{index, static_cast<std::uint8_t>(255 - index), static_cast<std::uint8_t>(index / 2)}));
}

TEST_F(RasterReaders, UnreadableInputsAreRefused)
{
    testing::writeBytes(path("text.txt"), {'h', 'e', 'l', 'l', 'o'});
    testing::writeBytes(path("16bit.pgm"), {'P', '5', ' ', '2', ' ', '2', ' ', '6', '5', '5', '3', '5', '\n'});
    testing::writeBytes(path("short.pgm"), {'P', '5', ' ', '2', ' ', '2', ' ', '2', '5', '5', '\n', 1, 2});
    const Raster colour = testing::makeRaster(4, 4, 3);
    auto truncatedBmp = bmpBytes(colour, 24, false, false);
    truncatedBmp.resize(truncatedBmp.size() - 10);
    testing::writeBytes(path("short.bmp"), truncatedBmp);
    for (const char* name : {"missing.ppm", "text.txt", "16bit.pgm", "short.pgm", "short.bmp"}) {
        EXPECT_THROW(readAll(path(name)), Error) << name;
    }
}

} // namespace
} // namespace lumawave::tools
