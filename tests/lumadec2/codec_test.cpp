// Encoding and windowed decoding of Lumawave images: exact pixels at full
// resolution, the exact low-pass images at coarser levels, lossy coding,
// metadata, and the encoder's refusals.
#include "lumawave/error.h"
#include "lumawave/image.h"
#include "lumawave/view.h"
#include "reference_transform.h"
#include "test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace lumawave {
namespace {

using testing::Raster;

// Collects the strips the decoder hands over.
class RasterSink : public ImageSink {
public:
    RasterSink(int width, int samples) : raster{width, 0, samples, {}} {}
    void writeStrip(const std::uint8_t* pixels, int rows) override
    {
        strips.push_back(rows);
        raster.height += rows;
        raster.pixels.insert(raster.pixels.end(), pixels,
                             pixels + static_cast<std::size_t>(rows) * raster.width * raster.samples);
    }
    Raster raster;
    std::vector<int> strips;
};

Raster decodeWindow(Image& image, int level, Window window, PixelFormat format, std::vector<int>* strips = nullptr)
{
    View view(image);
    view.setLevel(level);
    view.moveUpperLeftTo(window.x, window.y);
    view.resizeFromUpperLeft(window.width, window.height);
    RasterSink sink(window.width, bytesPerPixel(format));
    view.decode(sink, format);
    if (strips != nullptr) {
        *strips = sink.strips;
    }
    return sink.raster;
}

class LumawaveCodec : public testing::ScratchFolder {};

TEST_F(LumawaveCodec, LosslessWindowsAtFullResolutionAreTheSourcePixels)
{
    struct Case {
        int width, height, samples, levels;
        ColourScheme scheme;
    };
    for (const Case c : {Case{600, 400, 1, 3, ColourScheme::Greyscale}, Case{600, 400, 3, 3, ColourScheme::YCoCg},
                         Case{97, 61, 3, 2, ColourScheme::Rgb}, Case{97, 61, 1, 6, ColourScheme::Greyscale},
                         Case{1, 1, 3, 0, ColourScheme::YCoCg}, Case{300, 9, 3, 4, ColourScheme::YCoCg}}) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height << " x " << c.samples << ", " << c.levels << " levels");
        const Raster source = testing::makeRaster(c.width, c.height, c.samples);
        encodeRaster(source, path("image.lmw"), c.levels, c.scheme);
        const auto image = Image::open(path("image.lmw"));
        const PixelFormat format = c.samples == 1 ? PixelFormat::Grey8 : PixelFormat::Rgb8;
        EXPECT_EQ(decodeWindow(*image, 0, {0, 0, c.width, c.height}, format).pixels, source.pixels);
        // A window across tile borders, away from the image's edges.
        const Window inner{c.width / 3, c.height / 4, c.width / 2 + 1, c.height / 2 + 1};
        EXPECT_EQ(decodeWindow(*image, 0, inner, format).pixels,
                  source.crop(inner.x, inner.y, inner.width, inner.height).pixels);
    }
}

TEST_F(LumawaveCodec, CoarserLevelsAreTheExactLowPassImages)
{
    for (const int samples : {1, 3}) {
        const Raster source = testing::makeRaster(600, 400, samples, 11);
        constexpr int kLevels = 4;
        encodeRaster(source, path("image.lmw"), kLevels);
        const auto image = Image::open(path("image.lmw"));
        const ColourScheme scheme = samples == 1 ? ColourScheme::Greyscale : ColourScheme::YCoCg;
        const PixelFormat format = samples == 1 ? PixelFormat::Grey8 : PixelFormat::Rgb8;
        for (int level = 1; level <= kLevels; ++level) {
            SCOPED_TRACE(::testing::Message() << samples << " samples, level " << level);
            const int w = image->levelWidth(level);
            const int h = image->levelHeight(level);
            const Raster expected =
                testing::referenceLevel(source, scheme, image->shape().tileSize(), level, w, h);
            EXPECT_EQ(decodeWindow(*image, level, {0, 0, w, h}, format).pixels, expected.pixels);
            const Window corner{w / 2, h / 3, w - w / 2, h - h / 3};
            EXPECT_EQ(decodeWindow(*image, level, corner, format).pixels,
                      expected.crop(corner.x, corner.y, corner.width, corner.height).pixels);
        }
    }
}

TEST_F(LumawaveCodec, LevelSizesAreRoundedHalfUp)
{
    encodeRaster(testing::makeRaster(600, 400, 1), path("image.lmw"), 9);
    const auto image = Image::open(path("image.lmw"));
    const int widths[] = {600, 300, 150, 75, 38, 19, 9, 5, 2, 1};
    const int heights[] = {400, 200, 100, 50, 25, 13, 6, 3, 2, 1};
    for (int level = 0; level <= 9; ++level) {
        EXPECT_EQ(image->levelWidth(level), widths[level]) << level;
        EXPECT_EQ(image->levelHeight(level), heights[level]) << level;
    }
}

TEST_F(LumawaveCodec, StripsArriveTopFirstOneTileRowEach)
{
    const Raster source = testing::makeRaster(600, 400, 1);
    encodeRaster(source, path("image.lmw"), 2);
    const auto image = Image::open(path("image.lmw"));
    std::vector<int> strips;
    const Raster decoded = decodeWindow(*image, 0, {10, 100, 50, 300}, PixelFormat::Grey8, &strips);
    // Tiles of 256 rows: rows 100..255, then 256..399.
    EXPECT_THAT(strips, ::testing::ElementsAre(156, 144));
    EXPECT_EQ(decoded.pixels, source.crop(10, 100, 50, 300).pixels);
}

TEST_F(LumawaveCodec, ColourImagesConvertToGreyAndGreyToColour)
{
    const Raster colour = testing::makeRaster(40, 30, 3);
    encodeRaster(colour, path("colour.lmw"), 1);
    const auto image = Image::open(path("colour.lmw"));
    const Raster grey = decodeWindow(*image, 0, {0, 0, 40, 30}, PixelFormat::Grey8);
    const std::uint8_t* rgb = colour.at(5, 7);
    EXPECT_EQ(grey.at(5, 7)[0], (77 * rgb[0] + 150 * rgb[1] + 29 * rgb[2] + 128) >> 8);

    const Raster greySource = testing::makeRaster(40, 30, 1);
    encodeRaster(greySource, path("grey.lmw"), 1);
    const auto greyImage = Image::open(path("grey.lmw"));
    const Raster asRgb = decodeWindow(*greyImage, 0, {0, 0, 40, 30}, PixelFormat::Rgb8);
    EXPECT_THAT(std::vector<std::uint8_t>(asRgb.at(3, 4), asRgb.at(3, 4) + 3), ::testing::Each(greySource.at(3, 4)[0]));
}

TEST_F(LumawaveCodec, LossyCodingIsCloseAndSmaller)
{
    const Raster source = testing::makeRaster(600, 400, 3);
    encodeRaster(source, path("lossless.lmw"), 4);
    encodeRaster(source, path("lossy.lmw"), 4, ColourScheme::YCoCg, 50);
    EXPECT_LT(std::filesystem::file_size(path("lossy.lmw")), std::filesystem::file_size(path("lossless.lmw")) / 2);
    const auto image = Image::open(path("lossy.lmw"));
    EXPECT_EQ(image->shape().transform, Transform::Quantised53);
    const Raster decoded = decodeWindow(*image, 0, {0, 0, 600, 400}, PixelFormat::Rgb8);
    double squaredError = 0;
    for (std::size_t i = 0; i < source.pixels.size(); ++i) {
        const double d = static_cast<double>(decoded.pixels[i]) - source.pixels[i];
        squaredError += d * d;
    }
    const double psnr = 10 * std::log10(255.0 * 255.0 / (squaredError / static_cast<double>(source.pixels.size())));
    EXPECT_GT(psnr, 30.0);
}

TEST_F(LumawaveCodec, MetadataIsKeptInOrder)
{
    Metadata metadata;
    metadata.set(keys::kXyOrigin, "500000 4200000");
    metadata.set(keys::kXResolution, "0.5");
    metadata.set(keys::kNoDataValue, "");
    encodeRaster(testing::makeRaster(20, 20, 1), path("image.lmw"), 1, ColourScheme::Greyscale, kLosslessQuality, metadata);
    const auto image = Image::open(path("image.lmw"));
    EXPECT_EQ(image->metadata().entries(), metadata.entries());
    EXPECT_EQ(image->metadata().find(keys::kXResolution), "0.5");
    EXPECT_EQ(image->metadata().find(keys::kDynamicRangeLevel), std::nullopt);
}

TEST_F(LumawaveCodec, TheEncoderRefusesWhatTheFormatCannotHold)
{
    EncoderSettings settings;
    settings.width = 600;
    settings.height = 400;
    settings.levels = 10;
    EXPECT_THROW(
        {
            try {
                Encoder(path("x.lmw"), settings);
            } catch (const Error& error) {
                EXPECT_STREQ(error.what(), "Error: an image of 600 x 400 pixels can have 0 to 9 levels, not 10.");
                throw;
            }
        },
        Error);
    settings.levels = 2;
    settings.quality = 101;
    EXPECT_THROW(Encoder(path("x.lmw"), settings), Error);
}

TEST_F(LumawaveCodec, AnUnfinishedEncodingLeavesNoFile)
{
    EncoderSettings settings;
    settings.width = 30;
    settings.height = 20;
    settings.levels = 1;
    const std::vector<std::uint8_t> row(30, 128);
    {
        Encoder encoder(path("x.lmw"), settings);
        encoder.writeRows(row.data(), 1);
        EXPECT_THROW(encoder.finish(), Error);
        EXPECT_THROW(encoder.writeRows(row.data(), 20), Error);
    }
    EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::path(path("x.lmw")).parent_path()));
}

TEST_F(LumawaveCodec, AViewOutsideItsLevelIsRefused)
{
    encodeRaster(testing::makeRaster(50, 40, 1), path("image.lmw"), 2);
    const auto image = Image::open(path("image.lmw"));
    View view(*image);
    EXPECT_THROW(view.setLevel(3), Error);
    view.setLevel(2);
    view.moveUpperLeftTo(10, 0);  // 13 x 10 level, window keeps its size
    RasterSink sink(3, 1);
    EXPECT_THROW(view.decode(sink, PixelFormat::Grey8), Error);
    view.resizeFromUpperLeft(3, 10);
    EXPECT_NO_THROW(view.decode(sink, PixelFormat::Grey8));
}

} // namespace
} // namespace lumawave
