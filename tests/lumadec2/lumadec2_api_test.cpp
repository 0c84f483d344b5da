// The library as a host sees it: loaded with dlopen, called through its two
// C entry points with paths passed by reference, reading Lumawave files made
// by the encoder and writing BMP files read back here independently.
#include "encode_file.h"
#include "lumadec2.h"
#include "lumawave/format.h"
#include "lumawave/little_endian.h"
#include "test_support.h"
#include "window_placement.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>
#include <fstream>

namespace lumadec2 {
namespace {

using lumawave::testing::Raster;
using GetLumawaveTabFunction = decltype(&GetLumawaveTab);
using GetLumawaveFunction = decltype(&GetLumawave);

class Lumadec2Library : public lumawave::testing::ScratchFolder {
protected:
    void SetUp() override
    {
        ScratchFolder::SetUp();
        handle_ = dlopen(LUMADEC2_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        getTab_ = reinterpret_cast<GetLumawaveTabFunction>(dlsym(handle_, "GetLumawaveTab"));
        get_ = reinterpret_cast<GetLumawaveFunction>(dlsym(handle_, "GetLumawave"));
        ASSERT_NE(getTab_, nullptr);
        ASSERT_NE(get_, nullptr);
    }

    void TearDown() override
    {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
        ScratchFolder::TearDown();
    }

    int tab(const std::string& image, double& width, double& height)
    {
        const char* imagePath = image.c_str();
        return getTab_(&width, &height, &imagePath);
    }

    struct Result {
        int status;
        MapRect rect;
    };

    Result get(double wantedRes, MapRect rect, const std::string& image, const std::string& bmp)
    {
        const char* imagePath = image.c_str();
        const char* bmpPath = bmp.c_str();
        const int status = get_(wantedRes, &rect.west, &rect.north, &rect.east, &rect.south, &imagePath, &bmpPath);
        return {status, rect};
    }

    // Encodes `raster` through the encoder's PPM/PGM path, as a person would.
    std::string encodeFromPnm(const Raster& raster, int levels, std::optional<Georeference> geo = std::nullopt)
    {
        writePnm(raster, path("source.pnm"));
        lumawave::tools::EncodeOptions options;
        options.levels = levels;
        if (geo) {
            options.originX = geo->originX;
            options.originY = geo->originY;
            options.resolution = geo->resolution;
        }
        lumawave::tools::encodeFile(path("source.pnm"), path("image.lmw"), options);
        return path("image.lmw");
    }

    GetLumawaveTabFunction getTab_ = nullptr;
    GetLumawaveFunction get_ = nullptr;

private:
    void* handle_ = nullptr;
};

TEST_F(Lumadec2Library, TheSizeIsTheFullResolutionSizeAtAnyNumberOfLevels)
{
    const Raster raster = lumawave::testing::makeRaster(600, 400, 1);
    for (int levels = 0; levels <= 9; ++levels) {
        encodeRaster(raster, path("image.lmw"), levels);
        double width = 0;
        double height = 0;
        ASSERT_EQ(tab(path("image.lmw"), width, height), LUMADEC2_SUCCESS) << levels;
        EXPECT_EQ(width, 600.0);
        EXPECT_EQ(height, 400.0);
    }
}

TEST_F(Lumadec2Library, AWindowAtFullResolutionIsExactlyTheSourcePixels)
{
    const Raster source = lumawave::testing::makeRaster(600, 400, 3);
    const std::string image = encodeFromPnm(source, 3, Georeference{500000.0, 4200000.0, 0.5});
    // Columns 100..349, rows 40..219.
    const Result result = get(0.5, {500050.0, 4199980.0, 500175.0, 4199890.0}, image, path("window.bmp"));
    ASSERT_EQ(result.status, LUMADEC2_SUCCESS);
    EXPECT_EQ(result.rect.west, 500050.0);
    EXPECT_EQ(result.rect.south, 4199890.0);
    const auto bmp = lumawave::testing::readBmp(path("window.bmp"));
    EXPECT_EQ(bmp.bitsPerPixel, 24);
    EXPECT_EQ(bmp.pixelOffset, 54u);
    EXPECT_EQ(bmp.fileSize, bmp.bytes.size());
    EXPECT_EQ(bmp.raster().pixels, source.crop(100, 40, 250, 180).pixels);
}

TEST_F(Lumadec2Library, AGreyImageGivesAn8BitBmpAndALargerRectangleIsClipped)
{
    const Raster source = lumawave::testing::makeRaster(97, 61, 1);
    const std::string image = encodeFromPnm(source, 2, Georeference{100.0, 200.0, 1.0});
    const Result result = get(1.0, {-1000, 1000, 1000, -1000}, image, path("window.bmp"));
    ASSERT_EQ(result.status, LUMADEC2_SUCCESS);
    EXPECT_EQ(result.rect.west, 100.0);
    EXPECT_EQ(result.rect.north, 200.0);
    EXPECT_EQ(result.rect.east, 197.0);
    EXPECT_EQ(result.rect.south, 139.0);
    const auto bmp = lumawave::testing::readBmp(path("window.bmp"));
    EXPECT_EQ(bmp.bitsPerPixel, 8);
    EXPECT_EQ(bmp.pixelOffset, 1078u);
    EXPECT_EQ(bmp.fileSize, 1078u + 61 * 100);  // 97 bytes a row padded to 100
    EXPECT_EQ(bmp.raster().pixels, source.pixels);
}

TEST_F(Lumadec2Library, ACoarseResolutionReadsTheCoarsestLevel)
{
    const Raster source = lumawave::testing::makeRaster(600, 400, 3);
    encodeRaster(source, path("image.lmw"), 4);
    // No georeference: pixel units, upper-left at (0, 400).
    const Result result = get(1e6, {0, 400, 600, 0}, path("image.lmw"), path("window.bmp"));
    ASSERT_EQ(result.status, LUMADEC2_SUCCESS);
    const auto bmp = lumawave::testing::readBmp(path("window.bmp"));
    EXPECT_EQ(bmp.width, 38);
    EXPECT_EQ(bmp.height, 25);
}

TEST_F(Lumadec2Library, WithoutGeoreferenceRowsCountDownFromTheNorthEdge)
{
    const Raster source = lumawave::testing::makeRaster(97, 61, 1);
    encodeRaster(source, path("image.lmw"), 2);
    // Map x = column, map y = 61 - row: columns 10..29, rows 5..19.
    const Result result = get(1.0, {10, 56, 30, 41}, path("image.lmw"), path("window.bmp"));
    ASSERT_EQ(result.status, LUMADEC2_SUCCESS);
    EXPECT_EQ(lumawave::testing::readBmp(path("window.bmp")).raster().pixels, source.crop(10, 5, 20, 15).pixels);
}

TEST_F(Lumadec2Library, AWindowReachingTheEastEdgeHasAnEvenWidth)
{
    const Raster source = lumawave::testing::makeRaster(97, 61, 3);
    encodeRaster(source, path("image.lmw"), 2);
    // Columns 10..96 are 87 wide: the window starts one column later.
    const Result result = get(1.0, {10, 61, 500, 31}, path("image.lmw"), path("window.bmp"));
    ASSERT_EQ(result.status, LUMADEC2_SUCCESS);
    EXPECT_EQ(result.rect.east, 97.0);
    const auto bmp = lumawave::testing::readBmp(path("window.bmp"));
    EXPECT_EQ(bmp.width, 86);
    EXPECT_EQ(bmp.raster().pixels, source.crop(11, 0, 86, 30).pixels);
}

TEST_F(Lumadec2Library, AWorldFileOverridesTheMetadata)
{
    const Raster source = lumawave::testing::makeRaster(97, 61, 1);
    const std::string image = encodeFromPnm(source, 2, Georeference{100.0, 200.0, 1.0});
    std::ofstream(path("image.QRW")) << "2.0\n0.0\n0.0\n-2.0\n5000.0\n7000.0\n";
    // In the world file's terms columns 10..29 and rows 5..19.
    const Result result = get(2.0, {5020, 6990, 5060, 6960}, image, path("window.bmp"));
    ASSERT_EQ(result.status, LUMADEC2_SUCCESS);
    EXPECT_EQ(lumawave::testing::readBmp(path("window.bmp")).raster().pixels, source.crop(10, 5, 20, 15).pixels);

    std::ofstream(path("image.QRW")) << "2.0\n0.0\nnot a number\n-2.0\n5000.0\n7000.0\n";
    EXPECT_EQ(get(2.0, {5020, 6990, 5060, 6960}, image, path("window.bmp")).status, LUMADEC2_FAILURE);
}

TEST_F(Lumadec2Library, RectanglesOutsideTheImageStillGiveAValidBmp)
{
    const Raster source = lumawave::testing::makeRaster(97, 61, 3);
    encodeRaster(source, path("image.lmw"), 2);
    const Result result = get(1.0, {500, 1000, 600, 900}, path("image.lmw"), path("window.bmp"));
    ASSERT_EQ(result.status, LUMADEC2_SUCCESS);
    const auto bmp = lumawave::testing::readBmp(path("window.bmp"));
    EXPECT_EQ(bmp.width, 1);
    EXPECT_EQ(bmp.height, 1);
    EXPECT_EQ(bmp.fileSize, bmp.bytes.size());
}

TEST_F(Lumadec2Library, FailuresReturnZeroAndNeverThrow)
{
    encodeRaster(lumawave::testing::makeRaster(20, 20, 1), path("image.lmw"), 1);
    auto newer = lumawave::testing::readBytes(path("image.lmw"));
    lumawave::writeLittleEndian<std::uint16_t>(newer.data() + lumawave::kOffsetVersion, 9);
    lumawave::testing::writeBytes(path("newer.lmw"), newer);
    lumawave::testing::writeBytes(path("foreign.lmw"), {'G', 'I', 'F', '8', '9', 'a'});

    double width = -1;
    double height = -1;
    for (const char* name : {"missing.lmw", "newer.lmw", "foreign.lmw"}) {
        EXPECT_EQ(tab(path(name), width, height), LUMADEC2_FAILURE) << name;
        EXPECT_EQ(get(1.0, {0, 20, 20, 0}, path(name), path("out.bmp")).status, LUMADEC2_FAILURE) << name;
    }
    EXPECT_EQ(width, -1);
    EXPECT_EQ(get(1.0, {0, 20, 20, 0}, path("image.lmw"), path("no/such/folder/out.bmp")).status, LUMADEC2_FAILURE);
    const auto imageBytes = lumawave::testing::readBytes(path("image.lmw"));
    EXPECT_EQ(get(1.0, {0, 20, 20, 0}, path("image.lmw"), path("./image.lmw")).status, LUMADEC2_FAILURE);
    EXPECT_EQ(lumawave::testing::readBytes(path("image.lmw")), imageBytes);
    EXPECT_EQ(getTab_(nullptr, &height, nullptr), LUMADEC2_FAILURE);
    const char* imagePath = nullptr;
    EXPECT_EQ(getTab_(&width, &height, &imagePath), LUMADEC2_FAILURE);
    EXPECT_FALSE(std::filesystem::exists(path("out.bmp")));
}

} // namespace
} // namespace lumadec2
