#include "block_codec.h"

#include "error.h"
#include "format.h"

#include <zstd.h>

#include <cstdlib>

namespace lumawave {
namespace {

// Fast compression: the encoder streams large images, and higher levels gain
// little on wavelet coefficients.
constexpr int kCompressionLevel = 1;
constexpr std::uint32_t kOneByteLimit = 0xFFu;
constexpr std::uint32_t kTwoByteLimit = 0xFFFFu;

inline std::uint32_t zigzag(std::int32_t value)
{
    return (static_cast<std::uint32_t>(value) << 1) ^ static_cast<std::uint32_t>(value >> 31);
}

inline std::int32_t unzigzag(std::uint32_t code)
{
    return static_cast<std::int32_t>((code >> 1) ^ (0u - (code & 1u)));
}

inline std::int32_t quantise(std::int32_t value, int step)
{
    if (step == 1) {
        return value;
    }
    const std::int64_t magnitude = (std::llabs(value) + step / 2) / step;
    return static_cast<std::int32_t>(value < 0 ? -magnitude : magnitude);
}

std::int32_t* bandRow(const Planes& planes, int plane, const BandRect& band, int row)
{
    return planes.plane[plane] + static_cast<std::ptrdiff_t>(band.y + row) * planes.stride + band.x;
}

// Gathers the byte planes of one colour plane back into coefficients.
template <int Width>
void unpackPlane(const std::uint8_t* bytes, std::size_t area, const Planes& planes, int plane, const BandRect& band,
                 int step)
{
    const std::uint32_t multiplier = static_cast<std::uint32_t>(step);
    std::size_t i = 0;
    for (int row = 0; row < band.height; ++row) {
        std::int32_t* values = bandRow(planes, plane, band, row);
        for (int col = 0; col < band.width; ++col, ++i) {
            std::uint32_t code = bytes[i];
            for (int byte = 1; byte < Width; ++byte) {
                code |= static_cast<std::uint32_t>(bytes[i + area * static_cast<std::size_t>(byte)]) << (8 * byte);
            }
            values[col] = static_cast<std::int32_t>(static_cast<std::uint32_t>(unzigzag(code)) * multiplier);
        }
    }
}

} // namespace

struct BlockEncoder::Context {
    ZSTD_CCtx* zstd = ZSTD_createCCtx();
    ~Context() { ZSTD_freeCCtx(zstd); }
};

struct BlockDecoder::Context {
    ZSTD_DCtx* zstd = ZSTD_createDCtx();
    ~Context() { ZSTD_freeDCtx(zstd); }
};

BlockEncoder::BlockEncoder() : context_(std::make_unique<Context>())
{
    if (context_->zstd == nullptr) {
        throw Error("Error: out of memory for the block compressor.");
    }
}

BlockEncoder::~BlockEncoder() = default;

const std::vector<std::uint8_t>& BlockEncoder::encode(const Planes& planes, const BandRect& band, int step)
{
    compressed_.clear();
    if (band.area() == 0) {
        return compressed_;
    }
    const std::size_t area = static_cast<std::size_t>(band.area());
    std::vector<std::uint32_t> codes(area * static_cast<std::size_t>(planes.count));
    std::uint32_t largest = 0;
    std::size_t at = 0;
    for (int p = 0; p < planes.count; ++p) {
        for (int row = 0; row < band.height; ++row) {
            const std::int32_t* values = bandRow(planes, p, band, row);
            for (int col = 0; col < band.width; ++col) {
                const std::uint32_t code = zigzag(quantise(values[col], step));
                largest = std::max(largest, code);
                codes[at++] = code;
            }
        }
    }
    const int width = largest <= kOneByteLimit ? 1 : largest <= kTwoByteLimit ? 2 : 4;
    raw_.resize(kBlockWidthCodeSize + codes.size() * static_cast<std::size_t>(width));
    raw_[0] = static_cast<std::uint8_t>(width);
    std::uint8_t* out = raw_.data() + kBlockWidthCodeSize;
    for (int p = 0; p < planes.count; ++p) {
        const std::uint32_t* planeCodes = codes.data() + area * static_cast<std::size_t>(p);
        for (int byte = 0; byte < width; ++byte) {
            for (std::size_t i = 0; i < area; ++i) {
                *out++ = static_cast<std::uint8_t>(planeCodes[i] >> (8 * byte));
            }
        }
    }
    compressed_.resize(ZSTD_compressBound(raw_.size()));
    const std::size_t size = ZSTD_compressCCtx(context_->zstd, compressed_.data(), compressed_.size(), raw_.data(),
                                               raw_.size(), kCompressionLevel);
    if (ZSTD_isError(size)) {
        throw Error(std::string("Error: block compression failed: ") + ZSTD_getErrorName(size));
    }
    compressed_.resize(size);
    return compressed_;
}

BlockDecoder::BlockDecoder() : context_(std::make_unique<Context>())
{
    if (context_->zstd == nullptr) {
        throw Error("Error: out of memory for the block decompressor.");
    }
}

BlockDecoder::~BlockDecoder() = default;

bool BlockDecoder::decode(std::span<const std::uint8_t> block, const Planes& planes, const BandRect& band, int step)
{
    if (band.area() == 0) {
        return block.empty();
    }
    if (block.empty()) {
        return false;
    }
    const std::size_t area = static_cast<std::size_t>(band.area());
    const std::size_t codes = area * static_cast<std::size_t>(planes.count);
    raw_.resize(kBlockWidthCodeSize + codes * sizeof(std::uint32_t));
    const std::size_t size = ZSTD_decompressDCtx(context_->zstd, raw_.data(), raw_.size(), block.data(), block.size());
    if (ZSTD_isError(size) || size < kBlockWidthCodeSize) {
        return false;
    }
    const int width = raw_[0];
    if ((width != 1 && width != 2 && width != 4) || size != kBlockWidthCodeSize + codes * static_cast<std::size_t>(width)) {
        return false;
    }
    const std::uint8_t* in = raw_.data() + kBlockWidthCodeSize;
    for (int p = 0; p < planes.count; ++p) {
        const std::uint8_t* planeBytes = in + area * static_cast<std::size_t>(width) * static_cast<std::size_t>(p);
        switch (width) {
        case 1: unpackPlane<1>(planeBytes, area, planes, p, band, step); break;
        case 2: unpackPlane<2>(planeBytes, area, planes, p, band, step); break;
        default: unpackPlane<4>(planeBytes, area, planes, p, band, step); break;
        }
    }
    return true;
}

} // namespace lumawave
