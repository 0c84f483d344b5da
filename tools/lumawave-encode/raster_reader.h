// Readers of the 8-bit raster files the encoder takes: binary PGM (P5) and
// PPM (P6) with a maximum value of 255, and uncompressed BMP (8-bit with a
// palette, 24-bit, 32-bit). Rows are read top first in strips, so an image
// never has to be held whole.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace lumawave::tools {

class RasterReader {
public:
    virtual ~RasterReader() = default;
    int width() const { return width_; }
    int height() const { return height_; }
    // 1 for greyscale, 3 for RGB.
    int samplesPerPixel() const { return samples_; }
    // Reads the next `rows` rows, top first, as interleaved 8-bit samples;
    // raises lumawave::Error when the file ends early.
    virtual void readRows(std::uint8_t* out, int rows) = 0;

protected:
    int width_ = 0;
    int height_ = 0;
    int samples_ = 0;
};

// Opens a PGM, PPM or BMP file, told apart by its first bytes.
std::unique_ptr<RasterReader> openRaster(const std::string& path);

} // namespace lumawave::tools
