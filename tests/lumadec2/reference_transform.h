// A plain, independent statement of the 5/3 low-pass image of a level, to
// check the decoder against: the textbook lifting formulas with mirrored
// indices and floating-point floors, one line at a time.
#pragma once

#include "test_support.h"

#include <vector>

namespace lumawave::testing {

// The forward 5/3 transform of one line: the low-pass part then the
// high-pass part.
std::vector<long> referenceForward(const std::vector<long>& x);

// The level-`level` image a lossless Lumawave file of `raster` decodes to:
// each tile of tileSize pixels low-passed on its own, the stored colour
// planes converted back to 8-bit pixels, cropped to the level's size.
Raster referenceLevel(const Raster& raster, ColourScheme scheme, int tileSize, int level, int levelWidth,
                      int levelHeight);

} // namespace lumawave::testing
