// The BMP file layout the writer produces: a 14-byte file header, a 40-byte
// information header, a 256-entry palette for 8-bit images, then the rows
// bottom-up, each padded to a multiple of four bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumadec2::bmp {

inline constexpr std::uint16_t kSignature = 19778;  // "BM"
inline constexpr std::uint32_t kFileHeaderSize = 14;
inline constexpr std::uint32_t kInfoHeaderSize = 40;
inline constexpr std::uint32_t kHeaderSize = kFileHeaderSize + kInfoHeaderSize;  // 54
inline constexpr std::uint32_t kPaletteEntries = 256;
inline constexpr std::uint32_t kPaletteEntrySize = 4;
inline constexpr std::uint32_t kPaletteSize = kPaletteEntries * kPaletteEntrySize;  // 1024
// The pixel data of an 8-bit image follows the palette directly: 54 + 1024.
inline constexpr std::uint32_t kGreyPixelOffset = kHeaderSize + kPaletteSize;  // 1078
inline constexpr std::uint32_t kColourPixelOffset = kHeaderSize;               // 54
inline constexpr std::uint16_t kPlanes = 1;
inline constexpr std::uint16_t kGreyBitsPerPixel = 8;
inline constexpr std::uint16_t kColourBitsPerPixel = 24;
inline constexpr std::uint32_t kNoCompression = 0;
inline constexpr std::uint32_t kRowAlignment = 4;

// Field offsets within the file, for readers of the written files.
inline constexpr std::size_t kOffsetFileSize = 2;
inline constexpr std::size_t kOffsetPixelOffset = 10;
inline constexpr std::size_t kOffsetWidth = 18;
inline constexpr std::size_t kOffsetHeight = 22;
inline constexpr std::size_t kOffsetBitsPerPixel = 28;
inline constexpr std::size_t kOffsetImageSize = 34;
inline constexpr std::size_t kOffsetPalette = kHeaderSize;

} // namespace lumadec2::bmp
