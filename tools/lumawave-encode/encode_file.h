// Encodes a PGM, PPM or BMP file as a Lumawave image, strip by strip.
#pragma once

#include "lumawave/encoder.h"

#include <optional>
#include <string>

namespace lumawave::tools {

struct EncodeOptions {
    std::optional<int> levels;            // default: defaultLevels()
    int quality = kLosslessQuality;
    std::optional<double> originX;        // upper-left corner in map units
    std::optional<double> originY;
    std::optional<double> resolution;     // ground size of a pixel
    ColourScheme colourStorage = ColourScheme::YCoCg;  // for RGB input: YCoCg or Rgb
};

// Enough levels that the coarsest is at most 512 pixels on its longer side,
// within what the image's size allows.
int defaultLevels(int width, int height);

void encodeFile(const std::string& input, const std::string& output, const EncodeOptions& options);

} // namespace lumawave::tools
