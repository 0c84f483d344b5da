#include "bmp_writer.h"

#include "bmp_layout.h"
#include "lumawave/error.h"
#include "lumawave/little_endian.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace lumadec2 {
namespace {

using lumawave::Error;
using lumawave::PixelFormat;

constexpr std::size_t kReserveChunk = 1 << 16;

std::size_t paddedRowBytes(int width, PixelFormat format)
{
    const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(lumawave::bytesPerPixel(format));
    return (bytes + bmp::kRowAlignment - 1) / bmp::kRowAlignment * bmp::kRowAlignment;
}

std::vector<std::uint8_t> headerBytes(int width, int rows, PixelFormat format, std::uint32_t fileSize,
                                      std::uint32_t pixelOffset, std::size_t rowBytes)
{
    const bool grey = format == PixelFormat::Grey8;
    std::vector<std::uint8_t> out;
    using lumawave::appendLittleEndian;
    appendLittleEndian(out, bmp::kSignature);
    appendLittleEndian(out, fileSize);
    appendLittleEndian(out, std::uint16_t{0});
    appendLittleEndian(out, std::uint16_t{0});
    appendLittleEndian(out, pixelOffset);
    appendLittleEndian(out, bmp::kInfoHeaderSize);
    appendLittleEndian(out, static_cast<std::int32_t>(width));
    appendLittleEndian(out, static_cast<std::int32_t>(rows));  // positive: rows stored bottom-up
    appendLittleEndian(out, bmp::kPlanes);
    appendLittleEndian(out, grey ? bmp::kGreyBitsPerPixel : bmp::kColourBitsPerPixel);
    appendLittleEndian(out, bmp::kNoCompression);
    // The size of the padded pixel data; readers may leave it 0 for 24-bit.
    appendLittleEndian(out, grey ? static_cast<std::uint32_t>(rowBytes * static_cast<std::size_t>(rows)) : 0u);
    for (int unused = 0; unused < 4; ++unused) {
        appendLittleEndian(out, std::uint32_t{0});  // pixels per metre x, y; colours used, important
    }
    if (grey) {
        for (std::uint32_t i = 0; i < bmp::kPaletteEntries; ++i) {
            const auto level = static_cast<std::uint8_t>(i);
            out.insert(out.end(), {level, level, level, 0});
        }
    }
    return out;
}

} // namespace

BmpWriter::BmpWriter(const std::string& path, int width, int rows, PixelFormat format)
    : path_(path), width_(width), rows_(rows), format_(format), rowBytes_(paddedRowBytes(width, format)),
      pixelOffset_(format == PixelFormat::Grey8 ? bmp::kGreyPixelOffset : bmp::kColourPixelOffset), fileSize_(0)
{
    if (width < 1 || rows < 1) {
        throw Error("Error: cannot write a BMP file of " + std::to_string(width) + " x " + std::to_string(rows) + " pixels.");
    }
    const std::uint64_t size = pixelOffset_ + static_cast<std::uint64_t>(rowBytes_) * static_cast<std::uint64_t>(rows);
    if (size > std::numeric_limits<std::int32_t>::max()) {
        throw Error("Error: a window of " + std::to_string(width) + " x " + std::to_string(rows)
                    + " pixels is too large for a BMP file.");
    }
    fileSize_ = static_cast<std::uint32_t>(size);
    file_ = std::fopen(path.c_str(), "w+b");
    if (file_ == nullptr) {
        throw Error("Error: cannot create the BMP file " + path + ".");
    }
    try {
        reserveAndWriteHeader();
    } catch (...) {
        std::fclose(file_);
        std::remove(path_.c_str());
        throw;
    }
}

BmpWriter::~BmpWriter()
{
    if (file_ != nullptr) {
        std::fclose(file_);
    }
    if (!complete_) {
        std::remove(path_.c_str());
    }
}

void BmpWriter::reserveAndWriteHeader()
{
    const std::vector<std::uint8_t> zeros(kReserveChunk, 0);
    for (std::uint64_t left = fileSize_; left > 0;) {
        const std::size_t chunk = static_cast<std::size_t>(std::min<std::uint64_t>(left, kReserveChunk));
        if (std::fwrite(zeros.data(), 1, chunk, file_) != chunk) {
            throw Error("Error writing to file");
        }
        left -= chunk;
    }
    if (std::fseek(file_, 0, SEEK_SET) != 0) {
        throw Error("ERROR: failed on seek (Creation)");
    }
    const std::vector<std::uint8_t> header = headerBytes(width_, rows_, format_, fileSize_, pixelOffset_, rowBytes_);
    if (std::fwrite(header.data(), 1, header.size(), file_) != header.size()) {
        throw Error("Error writing to file");
    }
    if (std::fseek(file_, 0, SEEK_END) != 0) {
        throw Error("ERROR: failed on seek (header)");
    }
}

void BmpWriter::writeStrip(const std::uint8_t* pixels, int rows)
{
    if (file_ == nullptr) {
        throw Error("Bmp File Buffer flush error: file is NULL.");
    }
    const std::size_t stripBytes = rowBytes_ * static_cast<std::size_t>(rows);
    if (rows < 0 || written_ + stripBytes > rowBytes_ * static_cast<std::size_t>(rows_)) {
        throw Error("Error writing to file");
    }
    // Rows within the strip are reversed here; the strip itself goes just
    // before the strips already written, which lie at the end of the file.
    const std::size_t pixelBytes = static_cast<std::size_t>(width_) * static_cast<std::size_t>(lumawave::bytesPerPixel(format_));
    stripBuffer_.assign(stripBytes, 0);
    for (int row = 0; row < rows; ++row) {
        const std::uint8_t* in = pixels + static_cast<std::size_t>(row) * pixelBytes;
        std::uint8_t* out = stripBuffer_.data() + static_cast<std::size_t>(rows - 1 - row) * rowBytes_;
        if (format_ == PixelFormat::Grey8) {
            std::memcpy(out, in, pixelBytes);
        } else {
            for (int x = 0; x < width_; ++x) {
                out[3 * x] = in[3 * x + 2];
                out[3 * x + 1] = in[3 * x + 1];
                out[3 * x + 2] = in[3 * x];
            }
        }
    }
    if (std::fseek(file_, 0, SEEK_END) != 0) {
        throw Error("Error: Failed on SEEK (0)");
    }
    const long end = std::ftell(file_);
    if (end < 0 || std::fseek(file_, end - static_cast<long>(stripBytes + written_), SEEK_SET) != 0) {
        throw Error("Error: Failed on SEEK (1) ");
    }
    if (std::fwrite(stripBuffer_.data(), 1, stripBytes, file_) != stripBytes) {
        throw Error("Error writing to file");
    }
    written_ += stripBytes;
}

void BmpWriter::flush()
{
    if (file_ == nullptr) {
        throw Error("Bmp File Buffer flush error: file is NULL.");
    }
    if (std::fflush(file_) != 0) {
        throw Error("Error writing to file");
    }
}

void BmpWriter::close()
{
    flush();
    const bool allRows = written_ == rowBytes_ * static_cast<std::size_t>(rows_);
    const int closed = std::fclose(file_);
    file_ = nullptr;
    if (closed != 0 || !allRows) {
        throw Error("Error writing to file");
    }
    complete_ = true;
}

} // namespace lumadec2
