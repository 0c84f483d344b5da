// Colour schemes of the stored planes and their conversion to the 8-bit pixel
// formats a sink receives. The decorrelating scheme is the reversible
// YCoCg-R transform: integer, exact in both directions.
#pragma once

#include "format.h"

#include <cstdint>

namespace lumawave {

// Pixel formats handed to an image sink: interleaved 8-bit samples.
enum class PixelFormat {
    Grey8,  // one sample per pixel
    Rgb8,   // red, green, blue
};

int bytesPerPixel(PixelFormat format);
int samplesPerPixel(ColourScheme scheme);
const char* colourSchemeName(ColourScheme scheme);

// Stored planes of one row of `count` pixels, one pointer per plane.
struct PlaneRow {
    const std::int32_t* plane[3];
};

// Converts `count` stored samples into 8-bit pixels of `format`, clamping
// values outside 0..255 (the low-pass images of coarser levels and lossy
// images overshoot slightly at sharp edges).
void convertRow(ColourScheme scheme, PlaneRow row, int count, PixelFormat format, std::uint8_t* out);

// Splits `count` interleaved 8-bit pixels (1 sample for greyscale, else RGB)
// into the stored planes of `scheme`.
void splitRow(ColourScheme scheme, const std::uint8_t* pixels, int count, std::int32_t* const planes[3]);

} // namespace lumawave
