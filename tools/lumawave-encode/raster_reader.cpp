#include "raster_reader.h"

#include "lumawave/error.h"
#include "lumawave/file_handle.h"
#include "lumawave/little_endian.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

namespace lumawave::tools {
namespace {

constexpr int kMaxSampleValue = 255;
constexpr long kMaxPnmNumber = 1L << 30;

// BMP headers.
constexpr std::size_t kBmpFileHeaderSize = 14;
constexpr std::size_t kBmpMinInfoHeaderSize = 40;
constexpr std::size_t kBmpOffsetPixelOffset = 10;
constexpr std::size_t kBmpOffsetInfoSize = 14;
constexpr std::size_t kBmpOffsetWidth = 18;
constexpr std::size_t kBmpOffsetHeight = 22;
constexpr std::size_t kBmpOffsetBitsPerPixel = 28;
constexpr std::size_t kBmpOffsetCompression = 30;
constexpr std::size_t kBmpOffsetColoursUsed = 46;
constexpr std::uint32_t kBmpNoCompression = 0;
constexpr std::uint32_t kBmpBitFields = 3;
constexpr std::uint32_t kBmpPaletteEntrySize = 4;
constexpr std::uint32_t kBmpMaxPaletteEntries = 256;

using File = FileHandle;

[[noreturn]] void fail(const std::string& path, const std::string& what)
{
    throw Error("Error: " + path + " " + what);
}

void readExactly(std::FILE* file, void* out, std::size_t size, const std::string& path)
{
    if (std::fread(out, 1, size, file) != size) {
        fail(path, "ends before all its pixels.");
    }
}

class PnmReader final : public RasterReader {
public:
    PnmReader(File file, std::string path, int samples) : file_(std::move(file)), path_(std::move(path))
    {
        samples_ = samples;
        width_ = static_cast<int>(headerNumber());
        height_ = static_cast<int>(headerNumber());
        const long maxValue = headerNumber();
        if (maxValue != kMaxSampleValue) {
            fail(path_, "has a maximum value of " + std::to_string(maxValue) + "; only 8-bit images (255) are read.");
        }
        // Exactly one white-space character separates the header from the pixels.
        std::fgetc(file_.get());
    }

    void readRows(std::uint8_t* out, int rows) override
    {
        readExactly(file_.get(), out,
                    static_cast<std::size_t>(rows) * static_cast<std::size_t>(width_) * static_cast<std::size_t>(samples_),
                    path_);
    }

private:
    long headerNumber()
    {
        int c = std::fgetc(file_.get());
        while (c == '#' || std::isspace(c)) {
            if (c == '#') {
                while (c != '\n' && c != EOF) {
                    c = std::fgetc(file_.get());
                }
            }
            c = std::fgetc(file_.get());
        }
        long value = 0;
        if (!std::isdigit(c)) {
            fail(path_, "has a damaged header.");
        }
        while (std::isdigit(c)) {
            value = value * 10 + (c - '0');
            if (value > kMaxPnmNumber) {
                fail(path_, "has a damaged header.");
            }
            c = std::fgetc(file_.get());
        }
        std::ungetc(c, file_.get());
        if (value < 1) {
            fail(path_, "has a damaged header.");
        }
        return value;
    }

    File file_;
    std::string path_;
};

class BmpReader final : public RasterReader {
public:
    BmpReader(File file, std::string path) : file_(std::move(file)), path_(std::move(path))
    {
        std::array<std::uint8_t, kBmpFileHeaderSize + kBmpMinInfoHeaderSize> header{};
        readExactly(file_.get(), header.data(), header.size(), path_);
        const auto info = readLittleEndian<std::uint32_t>(header.data() + kBmpOffsetInfoSize);
        const auto width = readLittleEndian<std::int32_t>(header.data() + kBmpOffsetWidth);
        const auto height = readLittleEndian<std::int32_t>(header.data() + kBmpOffsetHeight);
        bitsPerPixel_ = readLittleEndian<std::uint16_t>(header.data() + kBmpOffsetBitsPerPixel);
        const auto compression = readLittleEndian<std::uint32_t>(header.data() + kBmpOffsetCompression);
        pixelOffset_ = readLittleEndian<std::uint32_t>(header.data() + kBmpOffsetPixelOffset);
        if (info < kBmpMinInfoHeaderSize || width < 1 || height == 0 || height == std::numeric_limits<std::int32_t>::min()) {
            fail(path_, "has a damaged BMP header.");
        }
        const bool bitFields32 = bitsPerPixel_ == 32 && compression == kBmpBitFields;
        if ((compression != kBmpNoCompression && !bitFields32)
            || (bitsPerPixel_ != 8 && bitsPerPixel_ != 24 && bitsPerPixel_ != 32)) {
            fail(path_, "is not an uncompressed 8-, 24- or 32-bit BMP.");
        }
        width_ = width;
        height_ = height < 0 ? -height : height;
        topDown_ = height < 0;
        rowBytes_ = (static_cast<std::size_t>(width_) * bitsPerPixel_ / 8 + 3) / 4 * 4;
        samples_ = 3;
        if (bitsPerPixel_ == 8) {
            readPalette(kBmpFileHeaderSize + info, readLittleEndian<std::uint32_t>(header.data() + kBmpOffsetColoursUsed));
        }
    }

    void readRows(std::uint8_t* out, int rows) override
    {
        // Bottom-up files keep a strip's rows together, last row first.
        std::vector<std::uint8_t> strip(rowBytes_ * static_cast<std::size_t>(rows));
        const long firstStored = topDown_ ? nextRow_ : height_ - nextRow_ - rows;
        const long long offset = static_cast<long long>(pixelOffset_) + static_cast<long long>(firstStored) * static_cast<long long>(rowBytes_);
        if (rows > height_ - nextRow_ || firstStored < 0 || fseeko(file_.get(), offset, SEEK_SET) != 0) {
            fail(path_, "ends before all its pixels.");
        }
        readExactly(file_.get(), strip.data(), strip.size(), path_);
        const std::size_t outRow = static_cast<std::size_t>(width_) * static_cast<std::size_t>(samples_);
        for (int row = 0; row < rows; ++row) {
            const int stored = topDown_ ? row : rows - 1 - row;
            unpackRow(strip.data() + static_cast<std::size_t>(stored) * rowBytes_, out + static_cast<std::size_t>(row) * outRow);
        }
        nextRow_ += rows;
    }

private:
    void readPalette(std::size_t offset, std::uint32_t coloursUsed)
    {
        const std::uint32_t entries = coloursUsed == 0 ? kBmpMaxPaletteEntries : std::min(coloursUsed, kBmpMaxPaletteEntries);
        std::vector<std::uint8_t> bytes(entries * kBmpPaletteEntrySize);
        if (fseeko(file_.get(), static_cast<off_t>(offset), SEEK_SET) != 0) {
            fail(path_, "has a damaged palette.");
        }
        readExactly(file_.get(), bytes.data(), bytes.size(), path_);
        bool grey = true;
        for (std::uint32_t i = 0; i < entries; ++i) {
            const std::uint8_t* entry = bytes.data() + i * kBmpPaletteEntrySize;
            palette_[i] = {entry[2], entry[1], entry[0]};
            grey = grey && entry[0] == entry[1] && entry[1] == entry[2];
        }
        samples_ = grey ? 1 : 3;
    }

    void unpackRow(const std::uint8_t* in, std::uint8_t* out) const
    {
        if (bitsPerPixel_ == 8) {
            for (int x = 0; x < width_; ++x) {
                const auto& rgb = palette_[in[x]];
                if (samples_ == 1) {
                    out[x] = rgb[0];
                } else {
                    std::memcpy(out + 3 * x, rgb.data(), 3);
                }
            }
            return;
        }
        const int stride = bitsPerPixel_ / 8;
        for (int x = 0; x < width_; ++x) {
            out[3 * x] = in[stride * x + 2];
            out[3 * x + 1] = in[stride * x + 1];
            out[3 * x + 2] = in[stride * x];
        }
    }

    File file_;
    std::string path_;
    int bitsPerPixel_ = 0;
    std::uint32_t pixelOffset_ = 0;
    std::size_t rowBytes_ = 0;
    bool topDown_ = false;
    int nextRow_ = 0;
    std::array<std::array<std::uint8_t, 3>, kBmpMaxPaletteEntries> palette_{};
};

} // namespace

std::unique_ptr<RasterReader> openRaster(const std::string& path)
{
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw Error("Error: cannot open " + path + ".");
    }
    char signature[2] = {};
    if (std::fread(signature, 1, 2, file.get()) != 2) {
        fail(path, "is not a PGM, PPM or BMP image.");
    }
    if (signature[0] == 'P' && (signature[1] == '5' || signature[1] == '6')) {
        return std::make_unique<PnmReader>(std::move(file), path, signature[1] == '5' ? 1 : 3);
    }
    if (signature[0] == 'B' && signature[1] == 'M') {
        std::rewind(file.get());
        return std::make_unique<BmpReader>(std::move(file), path);
    }
    fail(path, "is not a PGM, PPM or BMP image (binary P5, P6 or uncompressed BMP).");
}

} // namespace lumawave::tools
