// Shared helpers of the lumadec2 and Lumawave tests: a scratch folder per
// test, small deterministic images, encoding them, and an independent reader
// of the BMP files the library writes.
#pragma once

#include "lumawave/encoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace lumawave::testing {

// Interleaved 8-bit pixels, top row first.
struct Raster {
    int width = 0;
    int height = 0;
    int samples = 0;
    std::vector<std::uint8_t> pixels;

    const std::uint8_t* at(int x, int y) const
    {
        return pixels.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x))
                                   * static_cast<std::size_t>(samples);
    }
    // The part [x, x + w) x [y, y + h).
    Raster crop(int x, int y, int w, int h) const;
};

// Photo-like content with sharp edges and noise (worst cases for the filter
// at tile and image borders).
Raster makeRaster(int width, int height, int samples, std::uint32_t seed = 7);

class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string path(const std::string& name) const { return (folder_ / name).string(); }

private:
    std::filesystem::path folder_;
};

void encodeRaster(const Raster& raster, const std::string& path, int levels,
                  ColourScheme scheme = ColourScheme::YCoCg, int quality = kLosslessQuality, const Metadata& metadata = {});

void writePnm(const Raster& raster, const std::string& path);

std::vector<std::uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// A BMP file as written by the library, read back field by field.
struct BmpFile {
    std::uint32_t fileSize = 0;
    std::uint32_t pixelOffset = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t imageSize = 0;
    std::vector<std::uint8_t> bytes;
    // The pixels top row first (grey, or red, green, blue).
    Raster raster() const;
};

BmpFile readBmp(const std::string& path);

} // namespace lumawave::testing
