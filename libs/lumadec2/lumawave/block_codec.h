// Compression of one band of a tile (all its colour planes) into one block:
// zigzag-coded coefficients of the narrowest width that holds them, split
// into byte planes (the high planes of detail bands are nearly all zero),
// compressed with zstd.
#pragma once

#include "tile_layout.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace lumawave {

struct Planes {
    std::int32_t* plane[3];
    int count;  // planes in use
    int stride;
};

class BlockEncoder {
public:
    BlockEncoder();
    ~BlockEncoder();
    // Quantises the band's coefficients by `step` (1 keeps them exact) and
    // returns the compressed block; an empty band gives an empty block.
    const std::vector<std::uint8_t>& encode(const Planes& planes, const BandRect& band, int step);

private:
    struct Context;
    std::unique_ptr<Context> context_;
    std::vector<std::uint8_t> raw_;
    std::vector<std::uint8_t> compressed_;
};

class BlockDecoder {
public:
    BlockDecoder();
    ~BlockDecoder();
    // Decompresses a block into the band of `planes`, multiplying by `step`.
    // Returns false when the block does not hold exactly that band.
    [[nodiscard]] bool decode(std::span<const std::uint8_t> block, const Planes& planes, const BandRect& band, int step);

private:
    struct Context;
    std::unique_ptr<Context> context_;
    std::vector<std::uint8_t> raw_;
};

} // namespace lumawave
