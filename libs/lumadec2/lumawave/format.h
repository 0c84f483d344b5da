// Constants of the Lumawave file layout (version 1). FORMAT.md beside this
// file describes the layout in full; every offset and size used by the reader
// and the writer is named here.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumawave {

inline constexpr char kMagic[4] = {'l', 'm', 'w', 'v'};
inline constexpr std::uint16_t kFormatVersion = 1;

// Fixed header, little-endian.
inline constexpr std::size_t kOffsetMagic = 0;
inline constexpr std::size_t kOffsetVersion = 4;
inline constexpr std::size_t kOffsetTransform = 6;
inline constexpr std::size_t kOffsetReserved = 7;
inline constexpr std::size_t kOffsetWidth = 8;
inline constexpr std::size_t kOffsetHeight = 12;
inline constexpr std::size_t kOffsetLevels = 16;
inline constexpr std::size_t kOffsetSamples = 17;
inline constexpr std::size_t kOffsetColourScheme = 18;
inline constexpr std::size_t kOffsetTileSizeLog2 = 19;
inline constexpr std::size_t kOffsetIndexOffset = 20;
inline constexpr std::size_t kOffsetMetadataLength = 28;
inline constexpr std::size_t kFixedHeaderSize = 32;
// The fixed header is followed by one 16-bit quantisation step per
// decomposition level (finest first), then by the metadata.
inline constexpr std::size_t kQuantStepSize = 2;

// Metadata: a 32-bit entry count, then per entry a 16-bit key length, the key,
// a 32-bit value length and the value (bytes, no terminator).
inline constexpr std::uint32_t kMaxMetadataEntries = 4096;

// Index: per tile (row-major) its 64-bit file offset, then the 32-bit
// compressed size of each of its blocks in storage order.
inline constexpr std::size_t kIndexTileOffsetSize = 8;
inline constexpr std::size_t kIndexBlockSizeSize = 4;

// Image shape limits the decoder accepts.
inline constexpr int kMaxLevels = 10;
inline constexpr int kMinTileSizeLog2 = 8;
inline constexpr int kMaxTileSizeLog2 = kMaxLevels;
inline constexpr std::uint32_t kMaxDimension = 1u << 30;

enum class Transform : std::uint8_t {
    Reversible53 = 0,  // lossless: integer 5/3 lifting, every step 1
    Quantised53 = 1,   // lossy: the same lifting, detail bands quantised
};

enum class ColourScheme : std::uint8_t {
    Greyscale = 0,  // one sample per pixel
    Rgb = 1,        // red, green, blue planes
    YCoCg = 2,      // reversible luma/chroma planes, decoded to RGB
};

// Block payload (after zstd): one byte giving the width in bytes of each
// zigzag-coded coefficient (1, 2 or 4), then per component the coefficients
// split into byte planes, least significant plane first.
inline constexpr std::size_t kBlockWidthCodeSize = 1;

} // namespace lumawave
