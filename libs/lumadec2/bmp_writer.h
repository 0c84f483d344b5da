// An image sink that writes the window it receives as an uncompressed BMP
// file: 8-bit with a 256-entry grey palette for greyscale, 24-bit blue, green,
// red otherwise. The whole file is reserved when the writer is created and
// each strip (arriving top first) is placed backwards from the end, so that
// the rows end up bottom-up as the format stores them.
#pragma once

#include "lumawave/colour.h"
#include "lumawave/image_sink.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace lumadec2 {

class BmpWriter final : public lumawave::ImageSink {
public:
    // Creates the file for a window of width x rows pixels; raises
    // lumawave::Error.
    BmpWriter(const std::string& path, int width, int rows, lumawave::PixelFormat format);
    // A writer not closed successfully removes its incomplete file.
    ~BmpWriter() override;
    BmpWriter(const BmpWriter&) = delete;
    BmpWriter& operator=(const BmpWriter&) = delete;

    // `pixels` in the writer's format (grey, or red, green, blue).
    void writeStrip(const std::uint8_t* pixels, int rows) override;
    void flush();
    // Flushes and closes the file; raises unless every row was written.
    void close();

private:
    void reserveAndWriteHeader();

    std::string path_;
    std::FILE* file_ = nullptr;
    int width_;
    int rows_;
    lumawave::PixelFormat format_;
    std::size_t rowBytes_;
    std::uint32_t pixelOffset_;
    std::uint32_t fileSize_;
    std::size_t written_ = 0;
    bool complete_ = false;
    std::vector<std::uint8_t> stripBuffer_;
};

} // namespace lumadec2
